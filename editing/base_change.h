// Expanding or shrinking the floor-plan base of the current view in one direction: everything beyond
// a line moves by the amount, and the walls, rooms, dimension lines, partitions and lines that the line
// cuts are stretched, rooms and dimension lines with new size texts. Nothing is written: the caller
// centres the floor, which saves it.
#pragma once

#include <cstdint>

#include "editing/base_line.h"

namespace editing {

struct BaseChange {
    bool shrink = false;
    int32_t direction = basedir::kRight;
    int32_t amount = 0; // drawing units, above 0
    int32_t x = 0;      // the line point, drawing units
    int32_t y = 0;
};

// False when nothing changed: a shrink refused (an empty floor, a floor narrower than the amount, no
// external wall on one of the four sides within reach, a cut room, wall or dimension line that would
// end with no size), an unknown direction or an amount below 1.
bool ExpandShrinkBase(const BaseChange& change, LengthFormatter text);

} // namespace editing
