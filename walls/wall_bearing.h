// The direction a wall runs in, from its bearing in tenths of a degree clockwise from up.
#pragma once

#include <cmath>
#include <cstdint>
#include <numbers>

// A unit step along a bearing: x to the right, y up.
struct Along {
    double x = 0;
    double y = 1;
};

// Exact on the square bearings, so that what is laid along a square wall keeps its whole units.
inline Along AlongBearing(int32_t bearing) {
    switch (((bearing % 3600) + 3600) % 3600) {
    case 0:
        return {0, 1};
    case 900:
        return {1, 0};
    case 1800:
        return {0, -1};
    case 2700:
        return {-1, 0};
    default:
        break;
    }
    const double r = bearing * std::numbers::pi / 1800.0;
    return {std::sin(r), std::cos(r)};
}
