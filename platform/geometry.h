// Points, sizes and rectangles of the windowing interface, in 32-bit integers. A rectangle's right
// and bottom edges are exclusive, as the windowing system has them.
#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/win_types.h"

struct TPoint : POINT {
    constexpr TPoint() = default;
    constexpr TPoint(int32_t x_, int32_t y_) : POINT{x_, y_} {}
    friend constexpr bool operator==(const TPoint& a, const TPoint& b) { return a.x == b.x && a.y == b.y; }
};

struct TSize : SIZE {
    constexpr TSize() = default;
    constexpr TSize(int32_t cx_, int32_t cy_) : SIZE{cx_, cy_} {}
    friend constexpr bool operator==(const TSize& a, const TSize& b) { return a.cx == b.cx && a.cy == b.cy; }
};

struct TRect : RECT {
    constexpr TRect() = default;
    constexpr TRect(int32_t l, int32_t t, int32_t r, int32_t b) : RECT{l, t, r, b} {}
    constexpr TRect(const TPoint& topLeft, const TSize& size)
        : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}

    constexpr int32_t Width() const { return right - left; }
    constexpr int32_t Height() const { return bottom - top; }
    constexpr TSize Size() const { return TSize(Width(), Height()); }
    constexpr TPoint TopLeft() const { return TPoint(left, top); }
    constexpr bool IsEmpty() const { return left >= right || top >= bottom; }
    constexpr bool Contains(const TPoint& p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    // Corners given in any order become left <= right, top <= bottom.
    constexpr TRect Normalized() const {
        return TRect(std::min(left, right), std::min(top, bottom), std::max(left, right),
                     std::max(top, bottom));
    }
    // The common part; an empty rectangle when they do not meet.
    constexpr TRect operator&(const TRect& o) const {
        TRect r(std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
                std::min(bottom, o.bottom));
        return r.IsEmpty() ? TRect() : r;
    }
    friend constexpr bool operator==(const TRect& a, const TRect& b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
};
