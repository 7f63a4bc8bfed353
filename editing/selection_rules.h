// Which objects a dragged rectangle selects. An object is selected when the points its kind is
// judged by lie strictly inside the rectangle: a point on an edge is outside.
#pragma once

#include <cstdint>

class TObject;

namespace editing {

// The normalised rectangle of a drag, in drawing units.
struct SelectionBox {
    int32_t minX = 0;
    int32_t maxX = 0;
    int32_t minY = 0;
    int32_t maxY = 0;

    bool StrictlyInside(int32_t x, int32_t y) const { return minX < x && x < maxX && minY < y && y < maxY; }
};

// The rectangle with the two corners of a drag in either order.
SelectionBox NormalisedBox(int32_t ax, int32_t ay, int32_t bx, int32_t by);

// Whether the object is selected by the box for a tool of `toolKind` (14 move, 15 copy, 19 erase)
// on `view`. Objects of other views are never selected, except openings, which belong to every
// floor they pass through. Design rooms and floor records are never selected; internal walls only
// by the erase tool; external walls only by the move tool on the site plan, where the house is placed.
bool IsSelected(const TObject& object, const SelectionBox& box, int32_t toolKind, int32_t view);

} // namespace editing
