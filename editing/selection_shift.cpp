#include "editing/selection_shift.h"

#include "document/objects.h"
#include "editing/object_points.h"

namespace editing {

namespace {

void ShiftCorners(TObject& o, int32_t dx, int32_t dy) {
    MovePoint(o.x1, o.y1, dx, dy);
    MovePoint(o.x2, o.y2, dx, dy);
}

void ShiftOwnPoints(TObject& o, WallLayers layers, int32_t dx, int32_t dy) {
    ForEachOwnPoint(o, layers, [dx, dy](int32_t& x, int32_t& y) { MovePoint(x, y, dx, dy); });
}

RepaintPen OwnPen(const TObject& o) {
    return RepaintPen{true, o.colour, o.penStyle};
}

// An external wall moves the layer lines it has; the others of its six stay.
RepaintPen ShiftWithOwnPoints(TObject& o, int32_t dx, int32_t dy) {
    ShiftCorners(o, dx, dy);
    ShiftOwnPoints(o, WallLayers::InUse, dx, dy);
    return OwnPen(o);
}

// The points in use; the corners and the heights stay.
RepaintPen ShiftPolygon(TObject& o, int32_t dx, int32_t dy) {
    ShiftOwnPoints(o, WallLayers::InUse, dx, dy);
    const auto* poly = dynamic_cast<const TPolyobj*>(&o);
    return RepaintPen{true, poly ? static_cast<COLORREF>(poly->p6) : o.colour, o.penStyle};
}

} // namespace

RepaintPen ShiftObject(TObject& o, int32_t dx, int32_t dy) {
    const int32_t kind = o.kind;
    if (kind == kArc) return ShiftWithOwnPoints(o, dx, dy);
    if (IsTextKind(kind)) {
        // A text is drawn from its anchor alone; its second point is shifted like any other's.
        ShiftCorners(o, dx, dy);
        return RepaintPen{true, o.colour, 0};
    }
    if (kind < kOpeningPolygon || (kind >= kMarkerLineFirst && kind <= kMarkerLineLast)) {
        ShiftCorners(o, dx, dy);
        return OwnPen(o);
    }
    if (kind == kExtWall || kind == kIntWall) return ShiftWithOwnPoints(o, dx, dy);
    if (IsPolygonKind(kind) || kind == kMarkerPolygon) return ShiftPolygon(o, dx, dy);
    if (kind == kOpening) {
        ShiftOwnPoints(o, WallLayers::InUse, dx, dy);
        return RepaintPen{};
    }
    if (IsArrowKind(kind) || IsDimensionKind(kind)) return ShiftWithOwnPoints(o, dx, dy);
    return RepaintPen{};
}

} // namespace editing
