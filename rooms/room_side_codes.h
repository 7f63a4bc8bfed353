// How far the wall on a room side's edge closes that side; decides which partitions a new room gets.
#pragma once

#include <cstdint>

namespace sidecode {
constexpr int32_t kClosed = 0; // the wall covers the whole side
constexpr int32_t kFree = 1;   // no wall face on the side's edge
// Vertical sides: the wall covers the lower part, the upper part, a middle part.
constexpr int32_t kLowerPart = 2;
constexpr int32_t kUpperPart = 3;
constexpr int32_t kMiddleOfVertical = 12;
// Horizontal sides: the wall covers the right part, the left part, a middle part.
constexpr int32_t kRightPart = 4;
constexpr int32_t kLeftPart = 5;
constexpr int32_t kMiddleOfHorizontal = 14;
// Part codes of an external wall: 22, 33, 44, 55.
constexpr int32_t kExternalFactor = 11;
} // namespace sidecode
