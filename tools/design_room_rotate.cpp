// The design-room tool's quarter turn of the picked room, with its size texts and, for a re-opened
// finished room, its listed contents.
#include "document/document.h"
#include "rooms/design_room_modes.h"
#include "rooms/room_turn.h"
#include "tools/room_tools.h"

void TDRoomobjtool::RotateRoom() {
    auto* room = dynamic_cast<TRoomobj*>(ObjectList[PickedIndex]);
    if (PickedIndex == kNoObject || !room) return;
    RoomWidth = room->value3;
    RoomLength = room->value4;
    QuarterTurn(*room);
    UpdateSizeText(2);
    UpdateSizeText(1);
    // The contents turn about the working rectangle, which still holds the room as it was picked.
    if (room->kind == kReopenedRoom && ObjectList.ReadTempCount() > 0)
        TransformContents(contentsmode::kTurn, 0, 0);
}
