// Distances the external-wall tool offers: how far the floor-plan base can shrink from a point before
// it cuts into a design room, and the free length from a keyed wall start to the next wall end ahead.
#pragma once

#include <cstdint>

class TList;

namespace walls {

// None found: one more than the usual far value.
constexpr int32_t kNothingFound = 300001;

struct Point32 {
    int32_t x;
    int32_t y;
};

// The least gap, in the direction (1 up, 2 right, 3 down, 4 left), between the face toward the inside
// of the house of an external wall of `view` lying beyond `p` and the facing side of a design room of
// any view; a room reaching past the face gives a negative gap. That face is the keyed line itself
// where the walls were put outside the keyed outline, whichever way round it was keyed.
// kNothingFound when no wall or room counts.
// `lastWall` receives the start and end of the last external wall of the view.
int32_t ShrinkLimit(const TList& document, int32_t view, int32_t direction, Point32 p, Point32 lastWall[2]);

// Puts `start` on the first external-wall end of `view` lying strictly within `radius` of it on both
// axes (the wall's start before its end); unchanged when none does.
void SnapToNearWallEnd(const TList& document, int32_t view, int32_t radius, Point32& start);

// The least distance from `start` to a wall end of `view` ahead of it in the direction (1 up, 2 right,
// 3 down, 4 left) and within `radius` of the travel line; of each wall only the end that comes first
// in that direction counts. kNothingFound when there is none.
int32_t FreeDistanceAhead(const TList& document, int32_t view, int32_t direction, int32_t radius,
                          Point32 start);

} // namespace walls
