// The texts of the cursor-distance gadget and of the start-point read-out: the pointer's distance
// from the DATUM reference (and in one mode its bearing), and the distance of a keyed outline's last
// point from its start.
#pragma once

#include <cstdint>
#include <string>

namespace shell {

// The bearing from the reference to the pointer in degrees, clockwise from up (y up); 0 within 24
// drawing units of the reference on both axes.
float DatumBearing(int32_t dx, int32_t dy);

// The gadget text for a pointer dx, dy drawing units from the reference: DATUM mode 2 or 3 shows the
// distance, mode 4 adds the bearing. Feet and inches drop the 24ths of an inch.
std::string DatumReadout(int32_t dx, int32_t dy, int32_t datumMode, bool metric);

// The hint-line text for an outline's point dx, dy from its start; empty while the point lies within
// 100 drawing units of the start on both axes. Imperial remainders that are whole eighths show as a
// fraction, other remainders are dropped.
std::string StartPointReadout(int32_t dx, int32_t dy, bool metric);

} // namespace shell
