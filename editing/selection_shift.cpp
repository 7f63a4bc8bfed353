#include "editing/selection_shift.h"

#include <algorithm>
#include <limits>

#include "document/objects.h"

namespace editing {

namespace {

// A damaged record can hold coordinates near the ends of the range: the sum stays inside it.
void Shift(int32_t& value, int32_t delta) {
    const int64_t sum = int64_t{value} + delta;
    value = static_cast<int32_t>(
        std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

void ShiftPoint(int32_t& x, int32_t& y, int32_t dx, int32_t dy) {
    Shift(x, dx);
    Shift(y, dy);
}

void ShiftCorners(TObject& o, int32_t dx, int32_t dy) {
    ShiftPoint(o.x1, o.y1, dx, dy);
    ShiftPoint(o.x2, o.y2, dx, dy);
}

RepaintPen OwnPen(const TObject& o) {
    return RepaintPen{true, o.colour, o.penStyle};
}

RepaintPen ShiftArc(TObject& o, int32_t dx, int32_t dy) {
    ShiftCorners(o, dx, dy);
    if (auto* arc = dynamic_cast<TArcobj*>(&o)) {
        ShiftPoint(arc->sx, arc->sy, dx, dy);
        ShiftPoint(arc->ex, arc->ey, dx, dy);
    }
    return OwnPen(o);
}

// The first two face lines always; the third and fourth only on a wall that has them.
RepaintPen ShiftExtWall(TObject& o, int32_t dx, int32_t dy) {
    ShiftCorners(o, dx, dy);
    if (auto* wall = dynamic_cast<TExtwallobj*>(&o)) {
        ShiftPoint(wall->p1x, wall->p1y, dx, dy);
        ShiftPoint(wall->p2x, wall->p2y, dx, dy);
        if (wall->thickness2 > 0) {
            ShiftPoint(wall->p3x, wall->p3y, dx, dy);
            ShiftPoint(wall->p4x, wall->p4y, dx, dy);
            ShiftPoint(wall->p5x, wall->p5y, dx, dy);
            ShiftPoint(wall->p6x, wall->p6y, dx, dy);
        }
    }
    return OwnPen(o);
}

RepaintPen ShiftIntWall(TObject& o, int32_t dx, int32_t dy) {
    ShiftCorners(o, dx, dy);
    if (auto* wall = dynamic_cast<TIntwallobj*>(&o)) {
        ShiftPoint(wall->q1x, wall->q1y, dx, dy);
        ShiftPoint(wall->q2x, wall->q2y, dx, dy);
    }
    return OwnPen(o);
}

// The points in use; the corners and the heights stay.
void ShiftPolygonPoints(TObject& o, int32_t dx, int32_t dy) {
    auto* poly = dynamic_cast<TPolyobj*>(&o);
    if (!poly) return;
    const int32_t n = std::clamp(poly->count, 0, TPolyobj::kMaxPoints);
    for (int32_t i = 0; i < n; ++i)
        ShiftPoint(poly->px[i], poly->py[i], dx, dy);
}

RepaintPen ShiftPolygon(TObject& o, int32_t dx, int32_t dy) {
    ShiftPolygonPoints(o, dx, dy);
    const auto* poly = dynamic_cast<const TPolyobj*>(&o);
    return RepaintPen{true, poly ? static_cast<COLORREF>(poly->p6) : o.colour, o.penStyle};
}

RepaintPen ShiftArrow(TObject& o, int32_t dx, int32_t dy) {
    ShiftCorners(o, dx, dy);
    if (auto* arrow = dynamic_cast<TArrowobj*>(&o)) {
        ShiftPoint(arrow->h1x, arrow->h1y, dx, dy);
        ShiftPoint(arrow->h2x, arrow->h2y, dx, dy);
        ShiftPoint(arrow->h3x, arrow->h3y, dx, dy);
        ShiftPoint(arrow->h4x, arrow->h4y, dx, dy);
    }
    return OwnPen(o);
}

RepaintPen ShiftDimension(TObject& o, int32_t dx, int32_t dy) {
    ShiftCorners(o, dx, dy);
    if (auto* dim = dynamic_cast<TDimensobj*>(&o)) {
        ShiftPoint(dim->d1x, dim->d1y, dx, dy);
        ShiftPoint(dim->d2x, dim->d2y, dx, dy);
    }
    return OwnPen(o);
}

} // namespace

RepaintPen ShiftObject(TObject& o, int32_t dx, int32_t dy) {
    const int32_t kind = o.kind;
    if (kind == kArc) return ShiftArc(o, dx, dy);
    if (IsTextKind(kind)) {
        // A text is drawn from its anchor alone; its second point is shifted like any other's.
        ShiftCorners(o, dx, dy);
        return RepaintPen{true, o.colour, 0};
    }
    if (kind < kOpeningPolygon || (kind >= kMarkerLineFirst && kind <= kMarkerLineLast)) {
        ShiftCorners(o, dx, dy);
        return OwnPen(o);
    }
    if (kind == kExtWall) return ShiftExtWall(o, dx, dy);
    if (kind == kIntWall) return ShiftIntWall(o, dx, dy);
    if (IsPolygonKind(kind) || kind == kMarkerPolygon) return ShiftPolygon(o, dx, dy);
    if (kind == kOpening) {
        ShiftPolygonPoints(o, dx, dy);
        return RepaintPen{};
    }
    if (IsArrowKind(kind)) return ShiftArrow(o, dx, dy);
    if (IsDimensionKind(kind)) return ShiftDimension(o, dx, dy);
    return RepaintPen{};
}

} // namespace editing
