// The colour settings files: the three screen colours (CFG/CLR.CFG), the design-room fill colours
// (CFG/RMCLR.CFG) and the room-layout grid (CFG/LYTGRIDM.CFG, CFG/LYTGRIDI.CFG).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/win_types.h"

namespace shell {

// Writes BackgroundColour, PenColour and SelectColour.
[[nodiscard]] bool WriteScreenColours(const std::string& programDirectory);

std::array<COLORREF, 3> ReadRoomColours(const std::string& programDirectory);
[[nodiscard]] bool WriteRoomColours(const std::string& programDirectory,
                                    const std::array<COLORREF, 3>& colours);

struct LayoutGrid {
    int32_t spacing = 0;
    COLORREF colour = 0;
};
LayoutGrid ReadLayoutGrid(const std::string& programDirectory, int32_t metric);
[[nodiscard]] bool WriteLayoutGrid(const std::string& programDirectory, int32_t metric,
                                   const LayoutGrid& grid);

} // namespace shell
