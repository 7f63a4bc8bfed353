// The drawing window's repaint after a design-room edit: the room's area before and after, widened by
// the merging distance so that a snap within that distance is covered too.
#include <algorithm>

#include "document/program_state.h"
#include "rooms/room_settings.h"
#include "shell/child.h"
#include "shell/child_tool_call.h"
#include "shell/client.h"
#include "tools/room_tools.h"

void TChild::MergeStep(TRect& client) {
    // The window also calls this after the right-button drop of other tools, whose fields hold no
    // room: then, as with the layout grid on, the whole window repaints.
    auto* tool = dynamic_cast<TDRoomobjtool*>(Client().Tool.get());
    if (LayoutGridFlag == 1 || !tool || ZoomDivisor == 0) {
        Invalidate(true);
        return;
    }
    const int32_t z = ZoomDivisor;
    const int32_t left = std::min(tool->ClearX1() / z, tool->RoomX1() / z);
    const int32_t right = std::max(tool->ClearX2() / z, tool->RoomX2() / z);
    const int32_t top = std::max(tool->ClearY1() / z, tool->RoomY1() / z);
    const int32_t bottom = std::min(tool->ClearY2() / z, tool->RoomY2() / z);
    const int32_t margin = ReadRoomMergeDistance(MetricUnits) / z + 10 * z;
    const POINT a = shell::LogicalToPixel(*this, client, left - margin, top + margin);
    const POINT b = shell::LogicalToPixel(*this, client, right + margin, bottom - margin);
    const TRect area(std::max(a.x, int32_t{0}), std::max(a.y, int32_t{0}), std::min(b.x, client.right),
                     std::min(b.y, client.bottom));
    InvalidateRect(area, true);
}
