// Fitting a new external wall to the outline it continues: snapping its ends onto the ends of the
// floor's external walls, ordering the ends of a wall that meets none, the heights of its floor,
// moving the end of a wall made from a marked outline line out to the outer face, and the walls that
// touch an existing wall.
#pragma once

#include <cstdint>

#include "walls/extwall_outline.h"

class TList;

namespace walls {

// The walls met at the new wall's two ends, as document indices (kNoObject for none).
struct SnappedWalls {
    int32_t start;
    int32_t end;
    bool reversed; // the new wall was turned round to lead into the wall met at its start
};

// Every external wall of `view` whose start or end lies strictly within `tolerance` of the new
// wall's start or end (on both axes) pulls the whole new wall onto that end: one end per wall, the
// tests in the order start-start, start-end, end-start, end-end. The wall met by the new start is
// the start wall, the one met by the new end the end wall (a later wall replacing an earlier one).
// A new start lying on a wall's start means the new wall runs against the outline: it is reversed
// so that its end meets that wall's start; but a lone wall shorter than the new wall's run across the
// outward side (directionCode as for OrderByDirection) is turned round instead, in the document.
SnappedWalls SnapToWallEnds(ExtWallWork& w, TList& document, int32_t view, int32_t tolerance,
                            int32_t directionCode);

// Orders the ends of a wall that met no other, so that its layer lines lie away from the outward
// side (1 up, 2 right, 3 down, 4 left); exchanged ends turn the wall's own bearing round. True when
// they were.
bool OrderByDirection(ExtWallWork& w, int32_t directionCode);

// Bottom and top of a wall on `view` from the four storey heights; other views keep them.
void FloorHeights(int32_t view, const int32_t heights[4], int32_t& bottom, int32_t& top);

// The walls of `view` touching the wall at `wallIndex`: the one whose end lies on its start
// (previous) and the one whose start lies on its end (next); a later one in the list wins.
void FindTouchingWalls(const TList& document, int32_t view, int32_t wallIndex, int32_t& previous,
                       int32_t& next);

// Moves one end of a wall made from a marked outline line from the line's corner out along the
// corner's bisector by the wall's thickness: end 1 the start from the line's first point, any other
// the end from its second point, after which an end within 12 units of the start's x (else y) is
// squared and the length recomputed. A corner that folds back keeps the line's own point.
void TrimWallEnd(ExtWallWork& w, const TList& document, int32_t lineIndex, int32_t outgoing, int32_t incoming,
                 int32_t end, int32_t& length);

// The straight length between two points, formed in 64 bits and truncated.
int32_t StraightLength(int32_t x1, int32_t y1, int32_t x2, int32_t y2);

} // namespace walls
