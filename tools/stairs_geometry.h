// The lines of a flight of stairs seen from above, and the footprint its outline preview shows, for a
// pointer at (x, y) in drawing units. The pointer is the middle of the top tread's edge; the flight
// runs away from the side of the screen the top tread is on.
#pragma once

#include <cstdint>
#include <vector>

namespace stairs {

// The kind of stair (the stairs tool's Count).
constexpr int32_t kHalfwayLanding = 1;
constexpr int32_t kStraightFlight = 2;
// Where the top tread lies on the screen (the stairs tool's PickKind).
constexpr int32_t kTopAtTop = 1;
constexpr int32_t kTopAtRight = 2;
constexpr int32_t kTopAtBottom = 3;
constexpr int32_t kTopAtLeft = 4;

struct Segment {
    int32_t x0, y0, x1, y1;
};

struct Flight {
    int32_t topTread;  // kTopAtTop .. kTopAtLeft
    int32_t width;     // one flight
    int32_t going;     // depth of one tread
    int32_t treads;    // per flight (halfway landing)
    int32_t runLength; // footprint along the flights
};

// Two flights side by side, each `width` wide, with the return landing at the far end: the four
// edges, the landing's edge, the division between the flights, then one line per tread.
std::vector<Segment> HalfwayLandingLines(const Flight& f, int32_t x, int32_t y);
// One flight `width` wide and `length` long centred across the pointer: the four edges, then a tread
// line every going.
std::vector<Segment> StraightFlightLines(const Flight& f, int32_t x, int32_t y, int32_t length);
// The footprint's two opposite corners.
Segment Footprint(const Flight& f, int32_t flightKind, int32_t x, int32_t y);

} // namespace stairs
