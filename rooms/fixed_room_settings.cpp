#include "rooms/fixed_room_settings.h"

#include <string>

#include "document/cfg_files.h"
#include "platform/file_io.h"
#include "platform/settings_file.h"

IntwallSettings ReadIntwallSettings() {
    // Only the height and the four setting words are used: the file's third and fourth values give
    // way to the height, its colour to the pen colour.
    int32_t unused = 0, aux2 = 0, faceAux = 0, colour = 0;
    IntwallSettings s;
    pl::ScanSettings(CfgPath("INTWALL.CFG"), ShippedSettings("INTWALL.CFG"), "%d %ld %ld %ld %d %d %d %d %ld",
                     &unused, &s.height, &aux2, &faceAux, &s.settings[0], &s.settings[1], &s.settings[2],
                     &s.settings[3], &colour);
    return s;
}

std::optional<RoomSize> ReadFreeRoomSize() {
    std::string text;
    RoomSize s;
    if (!pl::ReadTextFile(CfgPath("ROOM.CFG"), text) || pl::sscanf(text, "%ld %ld", &s.width, &s.length) != 2)
        return std::nullopt;
    return s;
}

bool WriteFreeRoomSize(int32_t width, int32_t height) {
    return pl::WriteTextFile(CfgPath("ROOM.CFG"), pl::Format("%ld %ld", width, height));
}
