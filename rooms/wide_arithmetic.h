// Room geometry adds and subtracts coordinates read from the working file, which may hold any 32-bit
// value: the sums are formed in 64 bits and stored back saturated, so that a hand-edited file can
// put a room in a strange place but never wrap it round.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

inline int32_t Saturated(int64_t value) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

inline int64_t Distance(int64_t a, int64_t b) {
    return a > b ? a - b : b - a;
}
