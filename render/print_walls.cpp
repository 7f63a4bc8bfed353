// The print operations of walls for the bitmap export: the face lines, the solid band and the
// cross-hatching, every point placed through the bitmap transform. The hatching follows the screen's
// cases, decided on the transformed values (y runs downward there), with the pattern spacings divided
// by ZoomDivisor. Pens are the object's width as the caller adjusted it, never widened here.
#include <algorithm>
#include <cmath>

#include "document/objects.h"
#include "platform/dc.h"
#include "render/print_transform.h"
#include "render/screen_units.h"
#include "shell/globals.h"

using render::PrintTransform;
using render::Trunc;

namespace {

constexpr double kRadiansPerTenth = 0.001745;
constexpr int32_t kHatchPattern = 3;
constexpr double kMinSine = 1e-6;

void Line(TDC& dc, int32_t ax, int32_t ay, int32_t bx, int32_t by) {
    dc.MoveToEx(ax, ay);
    dc.LineTo(bx, by);
}

// The hatch spacings of the printed scale.
// step is the period the number of pairs is counted with; a pair advances by oblique + gap, which
// differs from step once both are divided.
struct Pattern {
    int32_t gap, step, oblique;
    int32_t Advance() const { return oblique + gap; }
};

Pattern PrintPattern() {
    const int32_t z = ZoomDivisor == 0 ? 1 : ZoomDivisor;
    return {15 / z, std::max(140 / z, 1), std::max(125 / z, 1)};
}

struct ObliqueRow {
    double a;
    int32_t dx, dy;
    bool mTest;
};

ObliqueRow RowFor(int32_t d, bool externalWall) {
    if (d < 900) return {d * kRadiansPerTenth, +1, +1, false};
    if (d < 1800) return {(1800 - d) * kRadiansPerTenth, +1, -1, true};
    if (d < 2700) return {(d - 1800) * kRadiansPerTenth, -1, -1, !externalWall};
    return {(3600 - d) * kRadiansPerTenth, -1, +1, externalWall};
}

void ApplyMTest(int32_t& n, int32_t ys, int32_t length, double inc) {
    const int32_t m = Trunc(n * inc);
    if (static_cast<int64_t>(ys) - m < length) --n;
}

void ExternalObliqueStrokes(TDC& dc, const Pattern& p, int32_t d, int32_t xs, int32_t ys, int32_t xe,
                            int32_t tt) {
    const ObliqueRow row = RowFor(d, true);
    const double sinA = std::sin(row.a);
    if (std::fabs(sinA) < kMinSine) return;
    const int32_t length = Trunc(tt / sinA);
    const int32_t dp = Trunc(sinA * (p.gap / sinA));
    const double inc = p.oblique / sinA * std::cos(row.a);
    int32_t n = row.dx > 0 ? (xe - xs) / p.oblique : (xs - xe) / p.oblique;
    if (row.mTest) ApplyMTest(n, ys, length, inc);
    const int32_t shift = d < 900 || d >= 2700 ? dp : -dp;
    const int32_t strokeLength = row.dx < 0 && row.dy < 0 ? length : -length;
    double y = ys + row.dy * inc + (d < 900 ? -dp : dp);
    for (int32_t i = 0; i < n; ++i) {
        xs += row.dx * p.oblique;
        const int32_t yi = Trunc(y);
        Line(dc, xs, yi, xs, yi + strokeLength);
        const int32_t x2nd = xs + row.dx * p.gap;
        Line(dc, x2nd, yi + shift, x2nd, yi + shift + strokeLength);
        y += row.dy * inc;
    }
}

} // namespace

void TIntwallobj::Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) {
    const PrintTransform t{divisor, yBase, yOffset};
    Line(dc, t.X(x1), t.Y(y1), t.X(x2), t.Y(y2));
    Line(dc, t.X(q1x), t.Y(q1y), t.X(q2x), t.Y(q2y));
}

void TExtwallobj::Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) {
    const PrintTransform t{divisor, yBase, yOffset};
    Line(dc, t.X(x1), t.Y(y1), t.X(x2), t.Y(y2));
    Line(dc, t.X(p1x), t.Y(p1y), t.X(p2x), t.Y(p2y));
    if (thickness2 >= 1) {
        Line(dc, t.X(p3x), t.Y(p3y), t.X(p4x), t.Y(p4y));
        Line(dc, t.X(p5x), t.Y(p5y), t.X(p6x), t.Y(p6y));
    }
}

void TIntwallobj::PrintSolid(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) {
    const PrintTransform t{divisor, yBase, yOffset};
    dc.SelectStockObject(BLACK_BRUSH);
    Print(dc, divisor, yBase, yOffset);
    dc.SelectStockObject(BLACK_BRUSH);
    const POINT band[4] = {
        {t.X(x1), t.Y(y1)}, {t.X(x2), t.Y(y2)}, {t.X(q2x), t.Y(q2y)}, {t.X(q1x), t.Y(q1y)}};
    dc.Polygon(band, 4);
}

void TExtwallobj::PrintSolid(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) {
    const PrintTransform t{divisor, yBase, yOffset};
    const bool cavity = thickness2 >= 1;
    const POINT ia{t.X(cavity ? p5x : p1x), t.Y(cavity ? p5y : p1y)};
    const POINT ib{t.X(cavity ? p6x : p2x), t.Y(cavity ? p6y : p2y)};
    dc.SelectStockObject(BLACK_BRUSH);
    Line(dc, t.X(x1), t.Y(y1), t.X(x2), t.Y(y2));
    Line(dc, ia.x, ia.y, ib.x, ib.y);
    dc.SelectStockObject(BLACK_BRUSH);
    const POINT band[4] = {{t.X(x1), t.Y(y1)}, {t.X(x2), t.Y(y2)}, ib, ia};
    dc.Polygon(band, 4);
}

void TIntwallobj::PrintHatched(TDC& dc, int32_t selected, int32_t divisor, int32_t yBase, int32_t yOffset) {
    const PrintTransform tf{divisor, yBase, yOffset};
    const Pattern p = PrintPattern();
    const COLORREF c = selected >= 1 ? SelectColour : colour;
    dc.SelectObject(TPen(c, penWidth, penStyle));
    Print(dc, divisor, yBase, yOffset);
    dc.RestoreObjects();
    dc.SelectObject(TPen(c, penWidth, PS_SOLID));
    setting3 = kHatchPattern;

    const int32_t t = tf.Len(thickness);
    const int32_t sx1 = tf.X(x1), sy1 = tf.Y(y1), sx2 = tf.X(x2), sy2 = tf.Y(y2);
    const int32_t sq1x = tf.X(q1x), sq1y = tf.Y(q1y), sq2x = tf.X(q2x), sq2y = tf.Y(q2y);
    if (sy1 == sy2) {
        const int32_t xa = std::min(sx1, sx2), xb = std::max(sx1, sx2);
        const int32_t ya = std::max(sy1, sq2y), yd = std::min(sy1, sq2y);
        int32_t s = xa + t, e = s + t;
        const int32_t n = (xb - xa - 2 * t) / p.step + 1;
        for (int32_t i = 0; i < n; ++i, s += p.Advance(), e += p.Advance()) {
            Line(dc, s, ya, e, yd);
            Line(dc, s + p.gap, ya, e + p.gap, yd);
        }
    } else if (sx1 == sx2) {
        const int32_t xa = std::min(sx1, sq2x), xc = std::max(sx1, sq2x);
        const int32_t yb = std::max(sy1, sy2), ye = std::min(sy1, sy2);
        int32_t s = yb - t, e = s - t;
        const int32_t n = (yb - ye - 2 * t) / p.step + 1;
        for (int32_t i = 0; i < n; ++i, s -= p.Advance(), e -= p.Advance()) {
            Line(dc, xa, s, xc, e);
            Line(dc, xa, s - p.gap, xc, e - p.gap);
        }
    } else if (direction != 2700) {
        const ObliqueRow row = RowFor(direction, false);
        const bool fromSecondFace = (row.dx * row.dy > 0 ? sx1 > sq1x : sx1 < sq1x) || sy1 < sq1y;
        int32_t xs = fromSecondFace ? sq1x : sx1;
        const int32_t ys = fromSecondFace ? sq1y : sy1;
        const double sinA = std::sin(row.a);
        if (std::fabs(sinA) >= kMinSine) {
            const int32_t length = Trunc(t / sinA);
            const double inc = p.oblique / sinA * std::cos(row.a);
            int32_t n = row.dx > 0 ? (sx2 - xs) / p.oblique : (xs - sx2) / p.oblique;
            if (row.mTest) ApplyMTest(n, ys, length, inc);
            double y = ys + row.dy * inc;
            for (int32_t i = 0; i < n; ++i) {
                xs += row.dx * p.oblique;
                const int32_t yi = Trunc(y);
                Line(dc, xs, yi, xs, yi - length);
                y += row.dy * inc;
            }
        }
    }
    dc.RestoreObjects();
}

void TExtwallobj::PrintHatched(TDC& dc, int32_t selected, int32_t divisor, int32_t yBase, int32_t yOffset) {
    const PrintTransform tf{divisor, yBase, yOffset};
    const Pattern p = PrintPattern();
    const COLORREF c = selected >= 1 ? SelectColour : colour;
    dc.SelectObject(TPen(c, penWidth, PS_SOLID));
    Print(dc, divisor, yBase, yOffset);
    dc.RestoreObjects();
    dc.SelectObject(TPen(c, penWidth, PS_SOLID));
    setting1 = kHatchPattern;

    const int32_t t1 = tf.Len(thickness1), t2 = tf.Len(thickness2), t3 = tf.Len(thickness3);
    const int32_t sx1 = tf.X(x1), sy1 = tf.Y(y1), sx2 = tf.X(x2), sy2 = tf.Y(y2);

    if (sy1 == sy2) {
        const int32_t yi = tf.Y(p2y);
        const int32_t dir = sx1 < sx2 ? 1 : (sx1 > sx2 ? -1 : 0);
        if (dir != 0) {
            int32_t s = sx1 + dir * t1, e = s + dir * t1;
            const int32_t n = (dir * (sx2 - sx1) - 2 * t1) / p.step + 1;
            for (int32_t i = 0; i < n; ++i, s += dir * p.Advance(), e += dir * p.Advance()) {
                Line(dc, s, sy1, e, yi);
                Line(dc, s + dir * p.gap, sy1, e + dir * p.gap, yi);
            }
        }
    } else if (sx1 == sx2) {
        const int32_t xi = tf.X(p2x);
        const int32_t dir = sy1 < sy2 ? -1 : (sy1 > sy2 ? 1 : 0);
        if (dir != 0) {
            int32_t s = sy2 + dir * t1, e = s + dir * t1;
            const int32_t n = (-dir * (sy2 - sy1) - 2 * t1) / p.step + 1;
            for (int32_t i = 0; i < n; ++i, s += dir * p.Advance(), e += dir * p.Advance()) {
                Line(dc, sx1, s, xi, e);
                Line(dc, sx1, s + dir * p.gap, xi, e + dir * p.gap);
            }
        }
    } else {
        ExternalObliqueStrokes(dc, p, direction, sx1, sy1, sx2, t1);
    }

    if (thickness2 > 2) {
        setting2 = kHatchPattern;
        if (sy1 == sy2) {
            const int32_t yc = tf.Y(p6y), yb = tf.Y(p4y);
            const int32_t s5 = tf.X(p5x), s6 = tf.X(p6x);
            const int32_t dir = s5 < s6 ? 1 : (s5 > s6 ? -1 : 0);
            if (dir != 0) {
                int32_t s = s5 + dir * t3, e = s5;
                const int32_t n = (dir * (s6 - s5) - 2 * t3) / p.step + 1;
                for (int32_t i = 0; i < n; ++i, s += dir * p.Advance(), e += dir * p.Advance()) {
                    Line(dc, s, yc, e, yb);
                    Line(dc, s + dir * p.gap, yc, e + dir * p.gap, yb);
                }
            }
        } else if (sx1 == sx2) {
            const int32_t xb = tf.X(p4x), xc = tf.X(p6x), yc = tf.Y(p5y);
            const int32_t dir = sy1 > sy2 ? 1 : (sy1 < sy2 ? -1 : 0);
            if (dir != 0) {
                int32_t s = tf.Y(p2y) + dir * (t1 + t2), e = s + dir * t3;
                const int32_t n = (dir * (yc - s) - t3) / p.step + 1;
                for (int32_t i = 0; i < n; ++i, s += dir * p.Advance(), e += dir * p.Advance()) {
                    Line(dc, xb, s, xc, e);
                    Line(dc, xb, s + dir * p.gap, xc, e + dir * p.gap);
                }
            }
        } else {
            ExternalObliqueStrokes(dc, p, direction, tf.X(p3x), tf.Y(p3y), tf.X(p4x), t3);
        }
    }
    dc.RestoreObjects();
}
