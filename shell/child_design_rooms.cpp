// The drawing window's new-room steps on the room layout: the partition thickness before the first
// room of a view, the room dialog of the drawing's units, the name rule, and placing the room through
// the design-room tool, whose area is then repainted.
#include <algorithm>
#include <cstdio>
#include <string>

#include "dialogs/design_room_dialogs.h"
#include "document/document.h"
#include "document/program_state.h"
#include "rooms/design_room.h"
#include "rooms/design_room_modes.h"
#include "rooms/room_settings.h"
#include "shell/child.h"
#include "shell/child_tool_call.h"
#include "shell/client.h"
#include "shell/first_room_partition.h"
#include "tools/room_tools.h"

namespace {

using shell::AskPartitionForFirstRoom;

// The name the room gets, into the document; false when the typed name is too long for a room.
bool TakeRoomName(const TDesignRoomdlgBase& dialog) {
    const auto name = RoomNameFrom(dialog.NameText);
    if (!name) return false;
    std::snprintf(ObjectList.CurrentRoomName, sizeof ObjectList.CurrentRoomName, "%s", name->c_str());
    return true;
}

TDRoomobjtool* DesignRoomTool(TChild& window) {
    return dynamic_cast<TDRoomobjtool*>(window.Client().Tool.get());
}

void AfterRoomStarted(TChild& window, TRect& client) {
    if (window.DatumMode > datummode::kOff) window.SetDatum(datummode::kOff);
    window.DesignRoomClientRect(client);
}

} // namespace

void TChild::NewDesignRoom() {
    TClient& client = Client();
    client.ShowGuide("GUIDE: press HELP button if unsure");
    TRect rc = GetClientRect();
    AskPartitionForFirstRoom(*this);
    if (MetricUnits == 1) {
        TTroomdlg dialog(GetHandle());
        const bool ok = dialog.Execute() == IDOK;
        if (ok && !TakeRoomName(dialog)) return;
        Invalidate(false);
        TDRoomobjtool* tool = DesignRoomTool(*this);
        if (!ok || !tool) return;
        if (tools::Failed(shell::CallTool(client, [&] { tool->Start(dialog.Width(), dialog.Length(), 0); })))
            return;
        client.ShowGuide("GUIDE: place cursor in room, move with LB down (align to Room)");
        DrawingState = 2;
    } else {
        TTroomimpdlg dialog(GetHandle());
        if (dialog.Execute() != IDOK || !TakeRoomName(dialog)) return;
        TDRoomobjtool* tool = DesignRoomTool(*this);
        if (!tool) return;
        DrawingState = 2;
        if (tools::Failed(shell::CallTool(client, [&] { tool->Start(dialog.Width(), dialog.Length(), 0); })))
            return;
        client.ShowGuide(
            "GUIDE: place cursor in room, move with LB down (align to Room), RB (align Boundary)");
    }
    AfterRoomStarted(*this, rc);
}

void TChild::MaxDesignRoom() {
    TRect rc = GetClientRect();
    AskPartitionForFirstRoom(*this);
    const std::optional<RoomSize> max = ReadMaxRoom();
    const int32_t least = MetricUnits == 1 ? 10 : 1;
    if (!max || max->width <= least || max->length <= least) return;
    bool ok = false;
    int32_t width = 0;
    int32_t length = 0;
    if (MetricUnits == 1) {
        TMaxroomdlg dialog(GetHandle(), 23000, max->width, max->length);
        ok = dialog.Execute() == IDOK && TakeRoomName(dialog);
        width = dialog.Width();
        length = dialog.Length();
        Invalidate(false);
    } else {
        TMaxroomimpdlg dialog(GetHandle(), 23500, max->width, max->length);
        ok = dialog.Execute() == IDOK && TakeRoomName(dialog);
        width = dialog.Width();
        length = dialog.Length();
    }
    TDRoomobjtool* tool = DesignRoomTool(*this);
    if (!ok || !tool) return;
    tool->Mode = roommode::kIdle;
    if (tools::Failed(shell::CallTool(Client(), [&] { tool->Start(width, length, 0); }))) return;
    DrawingState = 2;
    Client().ShowGuide("place cursor in room, move with LB down (align to Room), RB (align Boundary)");
    AfterRoomStarted(*this, rc);
}

void TChild::DesignRoomClientRect(TRect& client) {
    const TDrawingtool* tool = CurrentTool();
    if (!tool || ZoomDivisor == 0) return;
    const int32_t z = ZoomDivisor;
    const int32_t m = 2 * z;
    const POINT a = shell::LogicalToPixel(*this, client, tool->X0 / z - m, tool->Y0 / z + m);
    const POINT b = shell::LogicalToPixel(*this, client, tool->X1 / z + m, tool->Y1 / z - m);
    const TRect area(std::max(a.x, int32_t{0}), std::max(a.y, int32_t{0}), std::min(b.x, client.right),
                     std::min(b.y, client.bottom));
    InvalidateRect(area, true);
}
