// The external-wall settings file, CFG/EXTWALLM.CFG (millimetres) or CFG/EXTWALLI.CFG (1/24 inch):
// the construction new external walls get, the four storey heights, two further values carried into
// every wall, and the walls' colour. One line "%d %d %d %ld %ld %ld %ld %d %d %ld", no line end.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "document/cfg_files.h"

struct ExtWallSettings {
    int32_t layer1 = 0;      // face to the second line; the whole thickness of a two-line wall
    int32_t layer2 = 0;      // second to third line; 0 for a two-line wall
    int32_t layer3 = 0;      // third to the inner line
    int32_t heights[4] = {}; // H1 base level, H2 ground floor, H3 first floor, H4 second floor
    int32_t setting1 = 0;
    int32_t setting2 = 0;
    int32_t colour = 0;
};

// The file's name in CFG/, as the user is told of it.
const char* ExtWallSettingsName(int32_t metricUnits);

// The values each field may hold, in the file's units.
std::array<FieldRange, 10> ExtWallRanges(int32_t metricUnits);

// Reads the file of the unit system; a field the file lacks or holds outside its range comes from
// the shipped default, and the file is then written back whole.
ExtWallSettings ReadExtWallSettings(int32_t metricUnits);

// Replaces the file whole; false when it could not be written (the previous file then stays).
[[nodiscard]] bool WriteExtWallSettings(int32_t metricUnits, const ExtWallSettings& settings);
