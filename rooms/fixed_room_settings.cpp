#include "rooms/fixed_room_settings.h"

#include <array>
#include <limits>

#include "document/cfg_files.h"
#include "platform/file_io.h"

IntwallSettings ReadIntwallSettings() {
    // Only the second value and the four setting words are used: the file's third and fourth values
    // give way to the height, its colour to the pen colour. The second becomes every partition's
    // first height word, where 1 marks the contents of a re-opened room, and the name label's moved
    // flag: anything but 0 is damage.
    constexpr FieldRange kAny{std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()};
    constexpr FieldRange kNone{0, 0};
    const auto v = ReadRangedSettings(
        "INTWALL.CFG", std::array{kAny, kNone, kAny, kAny, kAny, kAny, kAny, kAny, kColourRange});
    return {v[1], {v[4], v[5], v[6], v[7]}};
}

std::optional<RoomSize> ReadFreeRoomSize() {
    // No free space is larger than the widest sheet.
    constexpr FieldRange kSize{0, 200000};
    const auto v = ReadRangedRecord("ROOM.CFG", std::array{kSize, kSize});
    if (!v) return std::nullopt;
    return RoomSize{(*v)[0], (*v)[1]};
}

bool WriteFreeRoomSize(int32_t width, int32_t height) {
    return pl::WriteTextFile(CfgPath("ROOM.CFG"), pl::Format("%ld %ld", width, height));
}
