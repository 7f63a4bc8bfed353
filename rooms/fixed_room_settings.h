// The settings of fixed rooms: the height and setting words their partitions get (CFG/INTWALL.CFG,
// shipped and never written by the program) and the free space measured at the last click
// (CFG/ROOM.CFG), which the new-fixed-room dialogs offer as the room's size.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "rooms/room_settings.h"

struct IntwallSettings {
    int32_t height = 0; // every partition's two height words and the name label's moved flag
    std::array<int32_t, 4> settings{};
};
// A missing or short file is completed from the shipped default, as is a value the partitions
// cannot carry.
IntwallSettings ReadIntwallSettings();

// The free width and height, drawing units; nothing when the file is missing, short or holds a
// size beyond any sheet.
std::optional<RoomSize> ReadFreeRoomSize();
// Writes "%ld %ld" with no line end.
[[nodiscard]] bool WriteFreeRoomSize(int32_t width, int32_t height);
