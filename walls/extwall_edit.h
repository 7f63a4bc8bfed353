// Editing one external wall of a floor's outline in place: moving the end nearer a point by an amount
// (lengthen, shorten), deleting it, giving it another construction, and cutting it in two. The walls
// joined to it are re-cornered with the outline routines, so the corners follow the edit. Only walls
// change: openings, dimensions and every other object keep their places.
#pragma once

#include <cstdint>

#include "walls/extwall_outline.h"

class TExtwallobj;
class TList;

namespace walls {

// Why an end move was refused; the drawing window tells the user (the tool reports it in Dragging).
namespace walledit {
constexpr int32_t kDone = 0;
constexpr int32_t kAngledWall = 1001; // neither vertical nor horizontal: no end can move along it
constexpr int32_t kTooShort = 1002;   // shortening by the wall's length or more would fold it over
constexpr int32_t kNoSplit = 1003;    // the cut is not strictly between the ends: nothing to split off
constexpr int32_t kHalfOnAxis = 1004; // the second half would start on the sheet's left or bottom edge
} // namespace walledit

// The area a wall covers before an edit, for the repaint: from the start of its face to the end of
// its innermost layer line (left, right, top = larger y, bottom = smaller y).
struct WallBox {
    int32_t left;
    int32_t right;
    int32_t top;
    int32_t bottom;
};
WallBox ExtentBeforeEdit(const TExtwallobj& wall);

// Moves the end of the wall at `index` nearer the pick point (u, v) along the wall by `step`
// (negative: toward the other end), squaring that end and keeping the face length in `group`.
// When `rejoin` is set (lengthen), the wall then met exactly at the moved end is cornered with it;
// otherwise (shorten) the neighbour that was joined there gets a free end. A wall that is not square,
// or a step that would carry the end onto or past the other end, changes nothing.
int32_t MoveNearerEnd(TList& document, int32_t view, int32_t index, int32_t step, int32_t u, int32_t v,
                      bool rejoin);

// Frees the corners of both neighbours and removes the wall; the outline is left open.
void DeleteWall(TList& document, int32_t view, int32_t index);

// Gives the wall the three layer thicknesses and re-makes both its corners: each neighbour's corner is
// freed, then joined to the wall again as a new wall's outline joins them (mitred where either wall
// is oblique); an end without a neighbour is free.
void RetypeWall(TList& document, int32_t view, int32_t index, int32_t layer1, int32_t layer2, int32_t layer3);

// The part of a cut wall beyond the cut: the wall's end part when it runs right or up, its start part
// when it runs left or down, with the layer points of that part and its face length.
struct SecondHalf {
    ExtWallWork wall;
    int32_t length;
};

// Cuts a horizontal or vertical wall at (u, v): the wall keeps the part with the smaller coordinate
// and `half` receives the other (kDone). Refused with nothing changed: kAngledWall for an oblique
// wall, kNoSplit unless the cut lies strictly between the ends and the second half has length, kHalfOnAxis
// when that half would start on an axis.
int32_t SplitWall(TExtwallobj& wall, int32_t u, int32_t v, SecondHalf& half);

} // namespace walls
