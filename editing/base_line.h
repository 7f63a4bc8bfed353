// The line a floor-plan base is expanded or shrunk from, and what lies beyond it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

namespace editing {

// The direction the base grows in (the arrow key's), and the room side it stretches.
namespace basedir {
constexpr int32_t kUp = 1;    // +y, a room's top side
constexpr int32_t kRight = 2; // +x
constexpr int32_t kDown = 3;  // -y, a room's bottom side
constexpr int32_t kLeft = 4;  // -x
} // namespace basedir

// A damaged record can hold values near the ends of the range: the sum stays inside it.
inline void AddClamped(int32_t& value, int64_t delta) {
    value = static_cast<int32_t>(std::clamp<int64_t>(value + delta, std::numeric_limits<int32_t>::min(),
                                                     std::numeric_limits<int32_t>::max()));
}

// How a length is written as text (the drawing's own units); the tools pass theirs in.
using LengthFormatter = std::string (*)(int32_t length);

// The line across the axis of the direction, at L; a the signed amount (negative when shrinking).
struct BaseLine {
    int32_t direction = basedir::kRight;
    int32_t at = 0;
    int32_t amount = 0;

    bool AlongY() const { return direction == basedir::kUp || direction == basedir::kDown; }
    bool Positive() const { return direction == basedir::kUp || direction == basedir::kRight; }
    // The coordinate of a point on the axis.
    int32_t& On(int32_t& x, int32_t& y) const { return AlongY() ? y : x; }
    bool Beyond(int32_t c) const { return Positive() ? c > at : c < at; }
    bool Before(int32_t c) const { return Positive() ? c < at : c > at; }
    // Moves a coordinate by the amount, away from the line when expanding.
    void Shift(int32_t& c) const { AddClamped(c, Positive() ? amount : -int64_t{amount}); }
};

// A label moves by half the amount, truncated toward zero, the way the base grows.
inline void MoveLabelAnchor(int32_t& x1, int32_t& y1, int32_t direction, int32_t amount) {
    const int64_t h = amount / 2;
    switch (direction) {
    case basedir::kUp:
        AddClamped(y1, h);
        break;
    case basedir::kRight:
        AddClamped(x1, h);
        break;
    case basedir::kDown:
        AddClamped(y1, -h);
        break;
    case basedir::kLeft:
        AddClamped(x1, -h);
        break;
    default:
        break;
    }
}

} // namespace editing
