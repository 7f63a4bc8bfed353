// Cross-hatched walls: the face lines with a pen of their own, then hatch lines inside the wall.
// Walls along x or y get pairs of strokes 15 apart every 140 logical units; oblique walls get
// vertical strokes every 125 units in x (pairs for the external wall). Drawing the hatch marks the
// wall's hatch-pattern value 3, which the next save carries. The strokes themselves are shared with
// the bitmap's print operations, which place the wall their own way and divide the spacings. An
// oblique stroke runs from one face or layer line to the other and stands only where both reach, so
// none passes a face or an end. A partition's faces and strokes stop at its doorways, which its
// openings leave without wall ink.
#include <algorithm>
#include <cmath>

#include "document/objects.h"
#include "document/program_state.h"
#include "platform/dc.h"
#include "render/partition_painting.h"
#include "render/screen_units.h"
#include "render/wall_shapes.h"

using render::HatchPattern;
using render::PlacedWall;
using render::Saturate;
using render::Trunc;

namespace {

constexpr double kRadiansPerTenth = 0.001745;
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

// The stretch of x two parallel lines share: a vertical stroke outside it would stand past the end
// of one of them, outside the wall.
struct Span {
    int64_t lo, hi;
    bool Holds(int64_t x) const { return x >= lo && x <= hi; }
};

Span Shared(POINT a, POINT b, POINT c, POINT e) {
    return {std::max<int64_t>(std::min(a.x, b.x), std::min(c.x, e.x)),
            std::min<int64_t>(std::max(a.x, b.x), std::max(c.x, e.x))};
}

// Oblique strokes of an external wall leaf, in pairs, from its first line (from)-(to) across to its
// second (farFrom)-(farTo), on whichever side that lies: the layers lie to the right of the wall's
// run, which is below it in some directions and above it in others.
void ExternalObliqueStrokes(TDC& dc, const HatchPattern& p, int32_t d, POINT from, POINT to, POINT farFrom,
                            POINT farTo, int32_t tt) {
    const ObliqueRow row = RowFor(d, true);
    const double sinA = std::sin(row.a);
    if (std::fabs(sinA) < kMinSine) return;
    const int32_t length = Trunc(tt / sinA);
    const double inc = p.oblique / sinA * std::cos(row.a);
    int64_t xs = from.x;
    const int32_t ys = from.y;
    int64_t n = StrokeCount(row.dx > 0 ? int64_t{to.x} - xs : xs - to.x, p.oblique, 0);
    if (row.mTest) ApplyMTest(n, ys, length, inc);
    // The rise of the lines over one unit of x, and so the second stroke of a pair a gap further on.
    const double slope = row.dy * inc / (row.dx * p.oblique);
    const double pairShift = row.dy * inc * p.gap / p.oblique;
    const bool farBelow = farFrom.y < ys + (static_cast<double>(farFrom.x) - xs) * slope;
    const int64_t strokeLength = farBelow ? -int64_t{length} : int64_t{length};
    const Span span = Shared(from, to, farFrom, farTo);
    double y = ys + row.dy * inc;
    for (int64_t i = 0; i < n; ++i) {
        xs += row.dx * p.oblique;
        const int64_t x2nd = xs + row.dx * p.gap;
        if (span.Holds(xs)) Line(dc, xs, Trunc(y), xs, Trunc(y) + strokeLength);
        if (span.Holds(x2nd)) Line(dc, x2nd, Trunc(y + pairShift), x2nd, Trunc(y + pairShift) + strokeLength);
        y += row.dy * inc;
    }
}

} // namespace

namespace render {

HatchPattern ScreenHatchPattern() {
    return {15, 140, 125};
}

HatchPattern PrintHatchPattern() {
    const int32_t z = ZoomDivisor == 0 ? 1 : ZoomDivisor;
    return {15 / z, std::max(140 / z, 1), std::max(125 / z, 1)};
}

void HatchInternalWall(TDC& dc, const HatchPattern& p, const PlacedWall& placed, int32_t penWidth) {
    PlacedWall w = placed;
    w.doorways = placed.doorways.Widened(penWidth / 2.0);
    const int32_t t = w.t1;
    if (w.alongX) {
        const int32_t xa = std::min(w.x1, w.x2), xb = std::max(w.x1, w.x2);
        const int32_t ya = std::max(w.y1, w.q2.y);
        const int32_t yd = std::min(w.y1, w.q2.y);
        int64_t s = int64_t{xa} + t, e = s + t;
        const int64_t n = StrokeCount(int64_t{xb} - xa - 2 * int64_t{t}, p.step, 1);
        for (int64_t i = 0; i < n; ++i, s += p.Advance(), e += p.Advance()) {
            w.doorways.Segment(dc, s, ya, e, yd);
            w.doorways.Segment(dc, s + p.gap, ya, e + p.gap, yd);
        }
    } else if (w.alongY) {
        const int32_t xa = std::min(w.x1, w.q2.x);
        const int32_t xc = std::max(w.x1, w.q2.x);
        const int32_t yb = std::max(w.y1, w.y2), ye = std::min(w.y1, w.y2);
        int64_t s = int64_t{yb} - t, e = s - t;
        const int64_t n = StrokeCount(int64_t{yb} - ye - 2 * int64_t{t}, p.step, 1);
        for (int64_t i = 0; i < n; ++i, s -= p.Advance(), e -= p.Advance()) {
            w.doorways.Segment(dc, xa, s, xc, e);
            w.doorways.Segment(dc, xa, s - p.gap, xc, e - p.gap);
        }
    } else if (w.direction != 2700) {
        const ObliqueRow row = RowFor(w.direction, false);
        // The strokes start on whichever face lies on the side the row's test names.
        const bool fromSecondFace = (row.dx * row.dy > 0 ? w.x1 > w.q1.x : w.x1 < w.q1.x) || w.y1 < w.q1.y;
        int64_t xs = fromSecondFace ? w.q1.x : w.x1;
        const int32_t ys = fromSecondFace ? w.q1.y : w.y1;
        const double sinA = std::sin(row.a);
        if (std::fabs(sinA) >= kMinSine) {
            const int32_t length = Trunc(t / sinA);
            const double inc = p.oblique / sinA * std::cos(row.a);
            int64_t n = StrokeCount(row.dx > 0 ? w.x2 - xs : xs - w.x2, p.oblique, 0);
            if (row.mTest) ApplyMTest(n, ys, length, inc);
            const Span span = Shared({w.x1, w.y1}, {w.x2, w.y2}, w.q1, w.q2);
            double y = ys + row.dy * inc;
            for (int64_t i = 0; i < n; ++i) {
                xs += row.dx * p.oblique;
                const int64_t yi = Trunc(y);
                if (span.Holds(xs)) w.doorways.Segment(dc, xs, yi, xs, yi - length);
                y += row.dy * inc;
            }
        }
    }
}

void HatchOuterLeaf(TDC& dc, const HatchPattern& p, const PlacedWall& w) {
    const int32_t t1 = w.t1;
    if (w.alongX) {
        const int32_t yi = w.p2.y;
        const int32_t dir = w.x1 < w.x2 ? 1 : (w.x1 > w.x2 ? -1 : 0);
        if (dir != 0) {
            int64_t s = w.x1 + int64_t{dir} * t1, e = s + int64_t{dir} * t1;
            const int64_t n = StrokeCount(dir * (int64_t{w.x2} - w.x1) - 2 * int64_t{t1}, p.step, 1);
            for (int64_t i = 0; i < n; ++i, s += dir * p.Advance(), e += dir * p.Advance()) {
                Line(dc, s, w.y1, e, yi);
                Line(dc, s + dir * p.gap, w.y1, e + dir * p.gap, yi);
            }
        }
    } else if (w.alongY) {
        const int32_t xi = w.p2.x;
        // Walking down from the upper end when the wall runs upward, up from it otherwise.
        const int32_t dir = w.y1 < w.y2 ? -1 : (w.y1 > w.y2 ? 1 : 0);
        if (dir != 0) {
            int64_t s = w.y2 + int64_t{dir} * t1, e = s + int64_t{dir} * t1;
            const int64_t n = StrokeCount(-dir * (int64_t{w.y2} - w.y1) - 2 * int64_t{t1}, p.step, 1);
            for (int64_t i = 0; i < n; ++i, s += dir * p.Advance(), e += dir * p.Advance()) {
                Line(dc, w.x1, s, xi, e);
                Line(dc, w.x1, s + dir * p.gap, xi, e + dir * p.gap);
            }
        }
    } else {
        ExternalObliqueStrokes(dc, p, w.direction, {w.x1, w.y1}, {w.x2, w.y2}, w.p1, w.p2, t1);
    }
}

void HatchInnerLeaf(TDC& dc, const HatchPattern& p, const PlacedWall& w) {
    const int32_t t3 = w.t3;
    if (w.alongX) {
        const int32_t yc = w.p6.y, yb = w.p4.y;
        const int32_t s5 = w.p5.x, s6 = w.p6.x;
        const int32_t dir = s5 < s6 ? 1 : (s5 > s6 ? -1 : 0);
        if (dir != 0) {
            int64_t s = s5 + int64_t{dir} * t3, e = s5;
            const int64_t n = StrokeCount(dir * (int64_t{s6} - s5) - 2 * int64_t{t3}, p.step, 1);
            for (int64_t i = 0; i < n; ++i, s += dir * p.Advance(), e += dir * p.Advance()) {
                Line(dc, s, yc, e, yb);
                Line(dc, s + dir * p.gap, yc, e + dir * p.gap, yb);
            }
        }
    } else if (w.alongY) {
        const int32_t xb = w.p4.x, xc = w.p6.x, yc = w.p5.y;
        const int32_t dir = w.innerLeafDir;
        if (dir != 0) {
            int64_t s = w.p2.y + dir * (int64_t{w.t1} + w.t2), e = s + int64_t{dir} * t3;
            const int64_t n = StrokeCount(dir * (yc - s) - t3, p.step, 1);
            for (int64_t i = 0; i < n; ++i, s += dir * p.Advance(), e += dir * p.Advance()) {
                Line(dc, xb, s, xc, e);
                Line(dc, xb, s + dir * p.gap, xc, e + dir * p.gap);
            }
        }
    } else {
        ExternalObliqueStrokes(dc, p, w.direction, w.p3, w.p4, w.p5, w.p6, t3);
    }
}

} // namespace render

namespace {

constexpr render::ScreenTransform kScreen{};

void SelectPen(TDC& dc, COLORREF c, int32_t width, int32_t style) {
    dc.SelectObject(TPen(c, width, style));
}

// The strokes are drawn thinner than the faces, whose pen is widened by PenScale.
int32_t HatchPenWidth(int32_t penWidth) {
    return penWidth * (PenScale / 2);
}

} // namespace

void TIntwallobj::DrawHatched(TDC& dc, int32_t selected) {
    render::DrawHatchedPartition(dc, *this, selected, nullptr);
}

void render::DrawHatchedPartition(TDC& dc, TIntwallobj& wall, int32_t selected,
                                  const FaceGapIndex* doorways) {
    const COLORREF c = selected >= 1 ? SelectColour : wall.colour;
    // The cases are decided on the stored values, the strokes placed on the screen's.
    const PlacedWall placed = PlaceWall(wall, kScreen, false, doorways);
    const int32_t faceWidth = wall.penWidth * PenScale;
    SelectPen(dc, c, faceWidth, wall.penStyle);
    DrawPartitionFaces(dc, placed, faceWidth);
    dc.RestoreObjects();
    const int32_t hatchWidth = HatchPenWidth(wall.penWidth);
    SelectPen(dc, c, hatchWidth, PS_SOLID);
    wall.setting3 = kHatchPattern;
    HatchInternalWall(dc, ScreenHatchPattern(), placed, hatchWidth);
    dc.RestoreObjects();
}

void TExtwallobj::DrawHatched(TDC& dc, int32_t selected) {
    const COLORREF c = selected >= 1 ? SelectColour : colour;
    SelectPen(dc, c, penWidth * PenScale, PS_SOLID);
    Draw(dc);
    dc.RestoreObjects();
    SelectPen(dc, c, HatchPenWidth(penWidth), PS_SOLID);
    setting1 = kHatchPattern;
    const HatchPattern pattern = render::ScreenHatchPattern();
    const PlacedWall placed = render::PlaceWall(*this, kScreen, false);
    render::HatchOuterLeaf(dc, pattern, placed);
    if (thickness2 > 2) {
        setting2 = kHatchPattern;
        render::HatchInnerLeaf(dc, pattern, placed);
    }
    dc.RestoreObjects();
}
