// A re-opened finished room and what it carries: which objects are the parts generated for the room
// (removed when it is re-opened, rebuilt when it is finished again), which objects lie inside it, and
// how those follow the room when it moves, turns a quarter or has one side moved.
#pragma once

#include <cstdint>

class TObject;

namespace editing {

// The room rectangle (x1, y1 top left, x2, y2 bottom right) widened by 13 units on every side. A
// point lies inside when it is strictly within on both axes.
struct ContentsBox {
    int64_t left = 0;
    int64_t right = 0;
    int64_t top = 0;
    int64_t bottom = 0;
};
constexpr int32_t kContentsMargin = 13;
ContentsBox ContentsBoxOf(int32_t x1, int32_t y1, int32_t x2, int32_t y2);

// The partitions, mask lines, labels and size lines made for the room of `group` on `view`. Other
// objects that happen to share the number (an external wall keeps its length in `group`) are not.
bool IsGeneratedRoomPart(const TObject& object, int32_t group, int32_t view);

// Whether the object belongs to the contents of a room on `view` with this box: openings of every
// view count; external walls, design rooms and floor records never do. Each kind is tested by the
// points that place it (a text by its anchor, a dimension by its first corner and its third point).
bool IsRoomContent(const TObject& object, const ContentsBox& box, int32_t view);

// The contents follow the room. A move carries every placing point; finished rooms and other records
// stay where they are.
void CarryContent(TObject& object, int32_t dx, int32_t dy);
// A quarter turn clockwise about (cx, cy), exact. Dimensions turn their orientation with them; a
// text's angle words stay, as the text keeps its angle.
void TurnContent(TObject& object, int32_t cx, int32_t cy);
// One side of the room (1 top, 2 right, 3 bottom, 4 left) moved outward by `amount` (inward when
// negative). Contents move with it; an internal wall that runs across the side stretches at its end
// toward the side, one that runs along it moves whole.
void ShiftContentSide(TObject& object, int32_t side, int32_t amount);

} // namespace editing
