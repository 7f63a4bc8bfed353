#include "rooms/room_turn.h"

#include "document/objects.h"
#include "document/record_format.h"

void QuarterTurn(TRoomobj& room) {
    const int64_t width = room.value3;
    const int64_t length = room.value4;
    const int64_t cx = room.x1 + width / 2;
    const int64_t cy = room.y1 - length / 2;
    room.x1 = Clamp32(cx - length / 2);
    room.x2 = Clamp32(cx + length / 2);
    room.y1 = Clamp32(cy + width / 2);
    room.y2 = Clamp32(cy - width / 2);
    room.value3 = static_cast<int32_t>(length);
    room.value4 = static_cast<int32_t>(width);
}
