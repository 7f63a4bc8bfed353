// The drawing window's fixed-room step, right after the fixed-room tool measured the free space at a
// click: the message for a click in an open area, or the partition question before the first room,
// the room dialog of the drawing's units, the tool building the room, the repaint of its area and the
// return to the Pick tool.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include "dialogs/fixed_room_dialogs.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/message_box.h"
#include "shell/child.h"
#include "shell/child_tool_call.h"
#include "shell/client.h"
#include "shell/first_room_partition.h"
#include "tools/room_tools.h"

namespace {

constexpr int32_t kLongestName = 16;
constexpr int32_t kRefreshKind = 3; // the tool dialog that refreshes the drawing
// The argument AutoDimension is always called with; the tool does not use it.
constexpr int32_t kRoomCall = 111;

struct RoomAnswer {
    int32_t width = 0; // drawing units
    int32_t length = 0;
    int32_t sizeOption = 0;
};

// The room dialog of the drawing's units; nothing on Cancel or a name too long for a room.
std::optional<RoomAnswer> AskRoom(TChild& window) {
    std::unique_ptr<TFixedRoomdlgBase> dialog;
    if (MetricUnits == 1)
        dialog = std::make_unique<TRoomdlg>(window.GetHandle());
    else
        dialog = std::make_unique<TRoomimpdlg>(window.GetHandle());
    if (dialog->Execute() != IDOK) {
        window.Invalidate(true);
        return std::nullopt;
    }
    if (std::strlen(dialog->NameText) > kLongestName) return std::nullopt;
    std::snprintf(ObjectList.CurrentRoomName, sizeof ObjectList.CurrentRoomName, "%s", dialog->NameText);
    return RoomAnswer{dialog->Width(), dialog->Length(), dialog->SizeOption};
}

void RepaintRoomArea(TChild& window, const TRect& client, const TDrawingtool& tool) {
    const int32_t z = ZoomDivisor;
    const POINT a = shell::LogicalToPixel(window, client, tool.BoxLeft / z, tool.BoxTop / z);
    const POINT b = shell::LogicalToPixel(window, client, tool.BoxRight / z, tool.BoxBottom / z);
    window.InvalidateRect(
        TRect(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)), true);
}

void BuildFixedRoom(TChild& window, TRect& client, TRoomobjtool& tool, const RoomAnswer& room) {
    if (LayoutGridFlag == 1) window.RunToolDialog(kRefreshKind);
    if (window.DatumMode > datummode::kOff) window.SetDatum(datummode::kOff);
    const int32_t width = room.width / ZoomDivisor, length = room.length / ZoomDivisor;
    if (tools::Failed(shell::CallTool(window, [&](TDC& dc) {
            tool.BuildRoom(dc, client, width, length);
            tool.AutoDimension(dc, client, room.sizeOption, width, length, kRoomCall);
        })))
        return;
    RepaintRoomArea(window, client, tool);
    window.Client().SelectPickTool();
    window.Client().ShowGuide("GUIDE: Pick Tool");
}

} // namespace

void TChild::RoomStep() {
    auto* tool = dynamic_cast<TRoomobjtool*>(Client().Tool.get());
    if (tool == nullptr || ZoomDivisor == 0) return;
    TRect client = GetClientRect();
    tool->Window = this;
    if (tool->PointPlaced == 1) {
        tool->PointPlaced = 0;
        shell::BoxKeepingCursor(*this, "No selection was made - start ROOM again", "", MB_OK);
        return;
    }
    if (tool->PointPlaced != 0) return;
    shell::AskPartitionForFirstRoom(*this);
    const std::optional<RoomAnswer> room = AskRoom(*this);
    // The dialog ran modally: the tool must still be the one that measured.
    if (!room || Client().Tool.get() != tool) return;
    BuildFixedRoom(*this, client, *tool, *room);
}
