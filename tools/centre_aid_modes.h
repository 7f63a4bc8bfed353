// Modes every tool passes through while one of the centre aids takes its clicks; afterwards the
// tool resumes its SavedMode.
#pragma once

#include <cstdint>

namespace aidmode {

constexpr int32_t kMidpointFirst = 30;    // CENTRE: the first of the two points
constexpr int32_t kMidpointSecond = 31;   // ... the second: the cursor goes midway
constexpr int32_t kThreePointFirst = 35;  // CENTRE CENTRE: the first of three corners
constexpr int32_t kThreePointSecond = 36; // ... the second
constexpr int32_t kThreePointThird = 37;  // ... the third: the cursor goes to the middle
// The drawing window hands every press from the first aid mode up to this one to the aids.
constexpr int32_t kLastAidPress = 38;

constexpr bool IsMidpoint(int32_t mode) {
    return mode == kMidpointFirst || mode == kMidpointSecond;
}
constexpr bool IsThreePoint(int32_t mode) {
    return mode >= kThreePointFirst && mode <= kThreePointThird;
}
// Either aid is under way.
constexpr bool IsAid(int32_t mode) {
    return mode >= kMidpointFirst && mode <= kThreePointThird;
}

} // namespace aidmode
