// The right button of the drawing window: a design room's fine move and the move tool's turn of its
// selection, refused at the sheet's edge as a keyed step is.
#include "document/document.h"
#include "document/program_state.h"
#include "document/selection_list.h"
#include "platform/message_box.h"
#include "rooms/design_room_modes.h"
#include "shell/child.h"
#include "shell/child_tool_call.h"
#include "shell/client.h"
#include "shell/length_prompt.h"
#include "shell/move_family_steps.h"
#include "tools/drawing_tool.h"
#include "tools/move_tool.h"
#include "tools/working_file.h"
#include "shell/left_press.h"

namespace {

using shell::IsDesignRoomKind;

// A right press turns the selection list, whichever operation left it (a copy, an earlier move):
// only where none left one, or the last selection held nothing, is there nothing to turn.
bool NothingSelected() {
    const auto listed = ReadSelectionList(ObjectList);
    return !listed || listed->empty();
}
} // namespace

void TChild::EvRButtonDown(uint, const TPoint& pointIn) {
    // The key or press is one step: all or nothing in the file, told once, the tool put back.
    const shell::ToolStep step(Client());
    TClient& client = Client();
    TPoint point = pointIn;
    TRect rc = GetClientRect();
    client.Tool->Window = this;
    auto tool = [&client]() { return client.Tool.get(); };
    // The right press is the step's last change: a failed write has been told.
    auto button2Down = [&] {
        static_cast<void>(shell::CallTool(*this, [&](TDC& dc) { tool()->Button2Down(dc, rc, &point); }));
        shell::TellIfLeftSheet(*this);
    };
    if (ZoomWait || shell::RightPressDuringDrag(tool())) return;

    const POINT logical = shell::PixelToLogical(*this, rc, point);
    const int32_t roomKind = ObjectList.RoomKindAt(logical.x, logical.y);
    if (IsDesignRoomKind(roomKind)) {
        // Move Room waits for the right press that starts the fine move on the room: a fresh tool
        // would only drag it.
        if (tool()->Kind != roomKind || tool()->Mode != roommode::kMove) client.RestoreTool(roomKind);
        tool()->Window = this;
        SetDatum(datummode::kOff);
    }
    if (IsDesignRoomKind(tool()->Kind)) {
        TDrawingtool& room = *tool();
        if (room.Mode == roommode::kMoveByStep || room.Mode == roommode::kMoveFine)
            room.Mode = roommode::kIdle;
        if (room.Mode == roommode::kIdle || room.Mode == roommode::kMove) {
            button2Down();
            if (tool()->Mode == roommode::kOutsideWalls) tool()->Mode = roommode::kIdle;
        }
        return;
    }
    auto* move = dynamic_cast<TMoveobjtool*>(tool());
    if (tool()->Kind != toolkind::kMove || !move) return;
    // A turn refused at the sheet's edge leaves the tool as it stood before the right press: the
    // reference point, the step and the stage the next click goes on from.
    const auto held = move->Clone();
    auto turned = [&] {
        static_cast<void>(shell::CallTool(*this, [&](TDC& dc) { move->Button2Down(dc, rc, &point); }));
        const bool refused = move->LeftSheet;
        if (refused) static_cast<void>(move->TakeState(*held)); // a copy of this very tool
        move->LeftSheet = refused;
        shell::TellIfLeftSheet(*this);
        return !refused;
    };
    const TObject* last = ObjectList.count > 0 ? ObjectList[ObjectList.count - 1] : nullptr;
    if (last && last->kind == kMarkerLineFirst) {
        move->RotationStep = 90;
        turned();
        return;
    }
    // A drag round nothing has just been told so: the list an earlier step left is not turned.
    if (move->DraggedRoundNothing || NothingSelected()) {
        shell::BoxKeepingCursor(*this, "Nothing selected - drag a rectangle round the objects",
                                "NO SELECTION", MB_OK);
        client.ShowGuide("GUIDE: drag a rectangle round the objects");
        return;
    }
    client.ShowGuide("input degrees to rotate,then if needed, use + - keys to finetune. press Enter to Lock");
    int32_t angle = 0;
    if (const auto typed = shell::AskNumber("ROTATE", "clockwise", "90", 9)) {
        angle = *typed;
        if (angle < 0 || angle > 360) return;
        if (angle != 90 && angle != 180 && angle != 270 && CheckRotateSelection() == 1) return;
    }
    move->RotationStep = angle;
    move->Mode = movestate::kMoving;
    if (turned()) SetDatum(datummode::kShownWithBearing);
}

void TChild::EvRButtonUp(uint, const TPoint& pointIn) {
    // The key or press is one step: all or nothing in the file, told once, the tool put back.
    const shell::ToolStep step(Client());
    TClient& client = Client();
    TPoint point = pointIn;
    TRect rc = GetClientRect();
    client.Tool->Window = this;
    if (client.Tool->Mode != roommode::kDragSnapped && client.Tool->Mode != roommode::kDragFree) return;
    if (tools::Failed(shell::CallTool(*this, [&](TDC& dc) { client.Tool->Button2Up(dc, rc, &point); })))
        return;
    if (tools::Failed(tools::SaveWorkingFile())) return;
    MergeStep(rc);
    client.Tool->Mode = roommode::kIdle;
    ExternalRectangleSize(0);
}
