// The fixed pixel paths of one-pixel lines and curves. A line's pixels depend only on its two end
// points, never on the direction it is drawn in, so a line drawn twice in exclusive-or restores
// every pixel; the end pixel is left out, so a chain of lines touches each shared vertex once.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <QRect>
#include <vector>

#include "platform/win_types.h"

// On/off run lengths of a one-pixel styled pen, in pixels; an empty pattern is solid.
struct TDashPattern {
    int32_t runs[6] = {};
    int32_t count = 0;
    int32_t period = 0;

    bool IsSolid() const { return count == 0; }
    bool IsOn(int64_t position) const {
        if (count == 0) return true;
        int64_t at = position % period;
        if (at < 0) at += period;
        for (int32_t i = 0; i < count; ++i) {
            if (at < runs[i]) return i % 2 == 0;
            at -= runs[i];
        }
        return true;
    }
};

// The pattern of a pen style, with every run multiplied by scale (at least 1 pixel).
TDashPattern DashPatternOf(int32_t style, double scale = 1.0);

// Calls visit(x, y, k) for each pixel of the line from `from` to `to`, end pixel excluded, that lies
// inside clip; k counts pixels from `from`. Returns the number of pixels of the whole line. The
// path is Bresenham's from the end point with the smaller major coordinate, written in closed form
// so that a clipped line keeps exactly the pixels of the whole one.
template <class Visit> int64_t ForEachLinePixel(POINT from, POINT to, const QRect& clip, Visit&& visit) {
    const int64_t dx = std::llabs(int64_t(to.x) - from.x);
    const int64_t dy = std::llabs(int64_t(to.y) - from.y);
    if (dx == 0 && dy == 0) return 0;
    const bool xMajor = dx >= dy;
    POINT a = from;
    POINT b = to;
    const bool swapped = xMajor ? (a.x > b.x) : (a.y > b.y);
    if (swapped) std::swap(a, b);
    const int64_t major = xMajor ? dx : dy;
    const int64_t minor = xMajor ? dy : dx;
    const int64_t step = xMajor ? (b.y >= a.y ? 1 : -1) : (b.x >= a.x ? 1 : -1);
    const int64_t start = xMajor ? a.x : a.y;
    int64_t first = start;
    int64_t last = start + major; // inclusive; the end pixel of the drawing direction is dropped below
    const int64_t lo = xMajor ? clip.left() : clip.top();
    const int64_t hi = xMajor ? clip.right() : clip.bottom();
    if (first < lo) first = lo;
    if (last > hi) last = hi;
    const int64_t excluded = swapped ? start : start + major;
    const int64_t minorLo = xMajor ? clip.top() : clip.left();
    const int64_t minorHi = xMajor ? clip.bottom() : clip.right();
    const int64_t minorStart = xMajor ? a.y : a.x;
    if (first > last) return major;
    // offset(t) = (2 t minor + major) / (2 major), divided once and then carried along: the
    // remainder grows by 2 minor a step and can pass the divisor at most once.
    const int64_t divisor = 2 * major;
    const int64_t numerator = 2 * (first - start) * minor + major;
    int64_t offset = numerator / divisor;
    int64_t remainder = numerator % divisor;
    for (int64_t m = first; m <= last; ++m) {
        const int64_t n = minorStart + step * offset;
        if (m != excluded && n >= minorLo && n <= minorHi) {
            const int64_t k = swapped ? (start + major - m) : m - start;
            if (xMajor)
                visit(int32_t(m), int32_t(n), k);
            else
                visit(int32_t(n), int32_t(m), k);
        }
        remainder += 2 * minor;
        if (remainder >= divisor) {
            remainder -= divisor;
            ++offset;
        }
    }
    return major;
}

// Ordered pixels of a path through the given vertices (consecutive vertices joined by lines). A
// curve is thinned so that its steps are diagonal rather than L shaped; a polygon keeps its corners.
void AppendPathPixels(const std::vector<POINT>& vertices, bool closed, bool thin, std::vector<POINT>& out);
// The same without the pixels of lines between vertices that lie outside `keep` (the vertices of an
// open path's end, or of a path with no length, are kept wherever they are). Only for a thick path:
// a thin one would thin the pixels at keep's edge differently.
void AppendPathPixels(const std::vector<POINT>& vertices, bool closed, bool thin, const QRect& keep,
                      std::vector<POINT>& out);

// Vertices of the outline of an ellipse whose pixel box is left..right-1, top..bottom-1, with the
// straight sides of a rounded rectangle when cornerW/cornerH are smaller than the box; or of the
// part of it from parametric angle t0 over sweep (radians, counter-clockwise on the device).
void CurveVertices(double left, double top, double right, double bottom, double cornerW, double cornerH,
                   double t0, double sweep, std::vector<POINT>& out);

// The thinned pixels of such a curve in drawing order, as CurveVertices and AppendPathPixels give
// them, but for stretches of an ellipse lying wholly more than two pixels outside `keep`, which are
// left out: the pixels inside keep are the whole curve's.
void CurvePixels(double left, double top, double right, double bottom, double cornerW, double cornerH,
                 double t0, double sweep, bool closed, const QRect& keep, std::vector<POINT>& out);

// Sorts and drops repeated pixels, so exclusive-or never hits one twice.
void RemoveDuplicatePixels(std::vector<POINT>& pixels);
