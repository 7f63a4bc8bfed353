// Modes of the external-wall edit: the line tool of kind 999 carries one from its command to the
// pick, and the external-wall tool made for the picked wall keeps it for its start operation. Modes 8
// and 9 change the floor-plan base instead.
#pragma once

#include <cstdint>

namespace extwallmode {

constexpr int32_t kLengthen = 2;
constexpr int32_t kShorten = 3;
constexpr int32_t kDelete = 4;
constexpr int32_t kSplit = 5;
constexpr int32_t kChangeType = 6;
constexpr int32_t kExpandBase = 8;
constexpr int32_t kShrinkBase = 9;

constexpr bool IsWallEdit(int32_t mode) {
    return mode >= kLengthen && mode <= kChangeType;
}

} // namespace extwallmode

// While an external wall is drawn by keys, the A key switches the arrow keys between drawing a wall
// of the typed length and only nudging the cursor.
namespace extwalldraw {
constexpr int32_t kArrowsDraw = 0;
constexpr int32_t kArrowsNudge = 1;
} // namespace extwalldraw
