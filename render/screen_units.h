// Helpers shared by the screen drawing operations: stored coordinates to logical units, and the
// conversion of floating-point hatch positions that must never overflow a 32-bit coordinate.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

#include "document/program_state.h"

namespace render {

// A stored coordinate or length on the screen: divided by ZoomDivisor, truncated toward zero, one
// value at a time. A divisor of 0 (never set by the zoom) draws at full size rather than crashing.
inline int32_t Scr(int32_t value) {
    return ZoomDivisor == 0 ? value : value / ZoomDivisor;
}

// A value formed in 64 bits from stored fields (damaged records can hold anything), held inside the
// 32-bit range.
inline int32_t Saturate(int64_t value) {
    if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value);
}

// Drops the fraction toward zero, holding the result inside the 32-bit range (steep oblique walls
// give very large slope steps).
inline int32_t Trunc(double value) {
    constexpr double lo = std::numeric_limits<int32_t>::min();
    constexpr double hi = std::numeric_limits<int32_t>::max();
    if (std::isnan(value)) return 0;
    if (value <= lo) return std::numeric_limits<int32_t>::min();
    if (value >= hi) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value);
}

// The screen's placing of stored points and lengths, for the drawing steps shared with printing.
struct ScreenTransform {
    int32_t X(int32_t x) const { return Scr(x); }
    int32_t Y(int32_t y) const { return Scr(y); }
    int32_t Len(int64_t length) const { return Scr(Saturate(length)); }
};

} // namespace render
