// Keeping the labels with a room or a dimension line that a base change stretched on one side: the
// label moves by half the amount and is flagged (aux1 = 1) so that the base change's own pass over
// the labels leaves it there.
#pragma once

#include <cstdint>

#include "editing/base_line.h"

namespace editing {

// The first room name label (kind 36) carrying the room's group, on any view, moves and is flagged.
void ShiftRoomLabel(int32_t direction, int32_t group, int32_t amount);

// The first size label (kind 35) carrying the dimension line's id is flagged; when the object at
// index is that dimension line (kind 26100), the label gets its length before the stretch plus the
// amount as text, and moves.
void UpdateDimensionText(int32_t direction, int32_t index, int32_t id, int32_t amount, LengthFormatter text);

// The first size label (kind 35) carrying the dimension line's id moves by the whole amount with its
// line and is flagged.
void CarryDimensionLabel(int32_t direction, int32_t id, int32_t amount);

} // namespace editing
