// Cross-hatched walls: the face lines with a pen of their own, then hatch lines inside the wall.
// Walls along x or y get pairs of strokes 15 apart every 140 logical units; oblique walls get
// vertical strokes every 125 units in x (pairs for the external wall). Drawing the hatch marks the
// wall's hatch-pattern value 3, which the next save carries.
#include <algorithm>
#include <cmath>

#include "document/objects.h"
#include "platform/dc.h"
#include "render/screen_units.h"
#include "shell/globals.h"

using render::Saturate;
using render::Scr;
using render::Trunc;

namespace {

constexpr double kRadiansPerTenth = 0.001745;
constexpr int32_t kPairGap = 15;
constexpr int32_t kPairStep = 140;
constexpr int32_t kObliqueStep = 125;
constexpr int32_t kHatchPattern = 3;

// Below this the wall runs (almost) along y while not being exactly vertical: its strokes would be
// infinitely long, so it gets none.
constexpr double kMinSine = 1e-6;

// A damaged record can hold a wall millions of steps long: no screen shows more strokes than this,
// and the cap keeps a paint from running for minutes.
constexpr int64_t kMaxStrokes = 100000;

// Positions are stepped in 64 bits so that walls near the ends of the coordinate range cannot wrap.
void Line(TDC& dc, int64_t ax, int64_t ay, int64_t bx, int64_t by) {
    dc.MoveToEx(Saturate(ax), Saturate(ay));
    dc.LineTo(Saturate(bx), Saturate(by));
}

// span / step + extra, truncating toward zero, held below the cap.
int64_t StrokeCount(int64_t span, int32_t step, int32_t extra) {
    return std::min(span / step + extra, kMaxStrokes);
}

// The angle of the strokes' slope and the direction in which they advance, by wall direction d.
struct ObliqueRow {
    double a;   // radians
    int32_t dx; // +1 strokes advance toward larger x, -1 toward smaller
    int32_t dy; // +1 the running y rises per stroke, -1 it falls
    bool mTest; // drop the last stroke when it would reach below the start
};

ObliqueRow RowFor(int32_t d, bool externalWall) {
    if (d < 900) return {d * kRadiansPerTenth, +1, +1, false};
    if (d < 1800) return {(1800 - d) * kRadiansPerTenth, +1, -1, true};
    if (d < 2700) return {(d - 1800) * kRadiansPerTenth, -1, -1, !externalWall};
    return {(3600 - d) * kRadiansPerTenth, -1, +1, externalWall};
}

void ApplyMTest(int64_t& n, int32_t ys, int32_t length, double inc) {
    const int32_t m = Trunc(n * inc);
    if (static_cast<int64_t>(ys) - m < length) --n;
}

void OuterPen(TDC& dc, COLORREF c, int32_t width, int32_t style) {
    dc.SelectObject(TPen(c, width, style));
}

void HatchPen(TDC& dc, COLORREF c, int32_t penWidth) {
    dc.SelectObject(TPen(c, penWidth * (PenScale / 2), PS_SOLID));
}

// Oblique strokes of an external wall leaf from (xs, ys) toward xe.
void ExternalObliqueStrokes(TDC& dc, int32_t d, int64_t xs, int32_t ys, int32_t xe, int32_t tt) {
    const ObliqueRow row = RowFor(d, true);
    const double sinA = std::sin(row.a);
    if (std::fabs(sinA) < kMinSine) return;
    const int32_t length = Trunc(tt / sinA);
    const int32_t dp = Trunc(sinA * (kPairGap / sinA));
    const double inc = kObliqueStep / sinA * std::cos(row.a);
    int64_t n = StrokeCount(row.dx > 0 ? xe - xs : xs - xe, kObliqueStep, 0);
    if (row.mTest) ApplyMTest(n, ys, length, inc);
    // The pair's second stroke sits 15 further along x and dp up or down the slope; the first
    // stroke of the lowest-direction row starts dp below the slope, the others dp above it.
    const int32_t shift = d < 900 || d >= 2700 ? dp : -dp;
    const int64_t strokeLength = row.dx < 0 && row.dy < 0 ? int64_t{length} : -int64_t{length};
    double y = ys + row.dy * inc + (d < 900 ? -dp : dp);
    for (int64_t i = 0; i < n; ++i) {
        xs += row.dx * kObliqueStep;
        const int64_t yi = Trunc(y);
        Line(dc, xs, yi, xs, yi + strokeLength);
        const int64_t x2nd = xs + row.dx * kPairGap;
        Line(dc, x2nd, yi + shift, x2nd, yi + shift + strokeLength);
        y += row.dy * inc;
    }
}

} // namespace

void TIntwallobj::DrawHatched(TDC& dc, int32_t selected) {
    const COLORREF c = selected >= 1 ? SelectColour : colour;
    OuterPen(dc, c, penWidth * PenScale, penStyle);
    Draw(dc);
    dc.RestoreObjects();
    HatchPen(dc, c, penWidth);
    setting3 = kHatchPattern;

    const int32_t t = Scr(thickness);
    const int32_t sx1 = Scr(x1), sy1 = Scr(y1), sx2 = Scr(x2), sy2 = Scr(y2);
    const int32_t sq1x = Scr(q1x), sq1y = Scr(q1y), sq2x = Scr(q2x), sq2y = Scr(q2y);
    if (y1 == y2) {
        const int32_t xa = std::min(sx1, sx2), xb = std::max(sx1, sx2);
        const int32_t ya = std::max(sy1, sq2y), yd = std::min(sy1, sq2y);
        int64_t s = int64_t{xa} + t, e = s + t;
        const int64_t n = StrokeCount(int64_t{xb} - xa - 2 * int64_t{t}, kPairStep, 1);
        for (int64_t i = 0; i < n; ++i, s += kPairStep, e += kPairStep) {
            Line(dc, s, ya, e, yd);
            Line(dc, s + kPairGap, ya, e + kPairGap, yd);
        }
    } else if (x1 == x2) {
        const int32_t xa = std::min(sx1, sq2x), xc = std::max(sx1, sq2x);
        const int32_t yb = std::max(sy1, sy2), ye = std::min(sy1, sy2);
        int64_t s = int64_t{yb} - t, e = s - t;
        const int64_t n = StrokeCount(int64_t{yb} - ye - 2 * int64_t{t}, kPairStep, 1);
        for (int64_t i = 0; i < n; ++i, s -= kPairStep, e -= kPairStep) {
            Line(dc, xa, s, xc, e);
            Line(dc, xa, s - kPairGap, xc, e - kPairGap);
        }
    } else if (direction != 2700) {
        const int32_t d = direction;
        const ObliqueRow row = RowFor(d, false);
        // The strokes start on whichever face lies on the side the row's test names.
        const bool fromSecondFace = (row.dx * row.dy > 0 ? sx1 > sq1x : sx1 < sq1x) || sy1 < sq1y;
        int64_t xs = fromSecondFace ? sq1x : sx1;
        const int32_t ys = fromSecondFace ? sq1y : sy1;
        const double sinA = std::sin(row.a);
        if (std::fabs(sinA) >= kMinSine) {
            const int32_t length = Trunc(t / sinA);
            const double inc = kObliqueStep / sinA * std::cos(row.a);
            int64_t n = StrokeCount(row.dx > 0 ? sx2 - xs : xs - sx2, kObliqueStep, 0);
            if (row.mTest) ApplyMTest(n, ys, length, inc);
            double y = ys + row.dy * inc;
            for (int64_t i = 0; i < n; ++i) {
                xs += row.dx * kObliqueStep;
                const int64_t yi = Trunc(y);
                Line(dc, xs, yi, xs, yi - length);
                y += row.dy * inc;
            }
        }
    }
    dc.RestoreObjects();
}

void TExtwallobj::DrawHatched(TDC& dc, int32_t selected) {
    const COLORREF c = selected >= 1 ? SelectColour : colour;
    OuterPen(dc, c, penWidth * PenScale, PS_SOLID);
    Draw(dc);
    dc.RestoreObjects();
    HatchPen(dc, c, penWidth);
    setting1 = kHatchPattern;

    const int32_t t1 = Scr(thickness1), t2 = Scr(thickness2), t3 = Scr(thickness3);
    const int32_t sx1 = Scr(x1), sy1 = Scr(y1), sx2 = Scr(x2), sy2 = Scr(y2);

    // The outer leaf, between the outer face and line A.
    if (y1 == y2) {
        const int32_t yi = Scr(p2y);
        const int32_t dir = sx1 < sx2 ? 1 : (sx1 > sx2 ? -1 : 0);
        if (dir != 0) {
            int64_t s = sx1 + int64_t{dir} * t1, e = s + int64_t{dir} * t1;
            const int64_t n = StrokeCount(dir * (int64_t{sx2} - sx1) - 2 * int64_t{t1}, kPairStep, 1);
            for (int64_t i = 0; i < n; ++i, s += dir * kPairStep, e += dir * kPairStep) {
                Line(dc, s, sy1, e, yi);
                Line(dc, s + dir * kPairGap, sy1, e + dir * kPairGap, yi);
            }
        }
    } else if (x1 == x2) {
        const int32_t xi = Scr(p2x);
        // Walking down from the upper end when the wall runs upward, up from it otherwise.
        const int32_t dir = sy1 < sy2 ? -1 : (sy1 > sy2 ? 1 : 0);
        if (dir != 0) {
            int64_t s = sy2 + int64_t{dir} * t1, e = s + int64_t{dir} * t1;
            const int64_t n = StrokeCount(-dir * (int64_t{sy2} - sy1) - 2 * int64_t{t1}, kPairStep, 1);
            for (int64_t i = 0; i < n; ++i, s += dir * kPairStep, e += dir * kPairStep) {
                Line(dc, sx1, s, xi, e);
                Line(dc, sx1, s + dir * kPairGap, xi, e + dir * kPairGap);
            }
        }
    } else {
        ExternalObliqueStrokes(dc, direction, sx1, sy1, sx2, t1);
    }

    // The inner leaf of a cavity wall, between lines B and C.
    if (thickness2 > 2) {
        setting2 = kHatchPattern;
        if (y1 == y2) {
            const int32_t yc = Scr(p6y), yb = Scr(p4y);
            const int32_t s5 = Scr(p5x), s6 = Scr(p6x);
            const int32_t dir = s5 < s6 ? 1 : (s5 > s6 ? -1 : 0);
            if (dir != 0) {
                int64_t s = s5 + int64_t{dir} * t3, e = s5;
                const int64_t n = StrokeCount(dir * (int64_t{s6} - s5) - 2 * int64_t{t3}, kPairStep, 1);
                for (int64_t i = 0; i < n; ++i, s += dir * kPairStep, e += dir * kPairStep) {
                    Line(dc, s, yc, e, yb);
                    Line(dc, s + dir * kPairGap, yc, e + dir * kPairGap, yb);
                }
            }
        } else if (x1 == x2) {
            const int32_t xb = Scr(p4x), xc = Scr(p6x), yc = Scr(p5y);
            const int32_t dir = y1 > y2 ? 1 : (y1 < y2 ? -1 : 0);
            if (dir != 0) {
                int64_t s = Scr(p2y) + dir * (int64_t{t1} + t2), e = s + int64_t{dir} * t3;
                const int64_t n = StrokeCount(dir * (yc - s) - t3, kPairStep, 1);
                for (int64_t i = 0; i < n; ++i, s += dir * kPairStep, e += dir * kPairStep) {
                    Line(dc, xb, s, xc, e);
                    Line(dc, xb, s + dir * kPairGap, xc, e + dir * kPairGap);
                }
            }
        } else {
            ExternalObliqueStrokes(dc, direction, Scr(p3x), Scr(p3y), Scr(p4x), t3);
        }
    }
    dc.RestoreObjects();
}
