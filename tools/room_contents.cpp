// The contents of a re-opened finished room follow it: every object listed in the selection buffer is
// moved, turned or shifted as the room was. The callers write the working file and repaint.
#include "editing/room_contents.h"
#include "document/document.h"
#include "document/record_format.h"
#include "document/selection_list.h"
#include "rooms/design_room_modes.h"
#include "tools/room_tools.h"

void TDRoomobjtool::TransformContents(int32_t mode, int32_t side, int32_t step) {
    using namespace contentsmode;
    if (mode < kMove || mode > kGrow || ObjectList.ReadTempCount() == 0) return;
    int32_t dx = 0, dy = 0, cx = 0, cy = 0;
    if (mode == kMove) {
        // The displacement since the room was last taken; the next move counts from here.
        dx = Clamp32(int64_t{RoomX1()} - PickX1());
        dy = Clamp32(int64_t{RoomY1()} - PickY1());
        PickX1() = RoomX1();
        PickY1() = RoomY1();
    } else if (mode == kTurn) {
        // Halves truncated toward zero, as the room itself turns about this point.
        cx = Clamp32(int64_t{RoomX1()} + (int64_t{RoomX2()} - RoomX1()) / 2);
        cy = Clamp32(int64_t{RoomY1()} - (int64_t{RoomY1()} - RoomY2()) / 2);
        LastX = cx;
        LastY = cy;
    }
    const int32_t amount = mode == kShrink ? Clamp32(-int64_t{step}) : step;

    const auto entries = ReadSelectionList(ObjectList);
    if (!entries) return;
    for (const SelectionEntry& entry : *entries) {
        // The list outlives drawings and runs: an index of no object is passed over.
        TObject* o = ObjectList[entry.index];
        if (!o) continue;
        if (mode == kMove)
            editing::CarryContent(*o, dx, dy);
        else if (mode == kTurn)
            editing::TurnContent(*o, cx, cy);
        else
            editing::ShiftContentSide(*o, side, amount);
    }
}
