#include "tests/support/sheet_corner.h"

namespace {

bool AtCorner(int32_t x, int32_t y) {
    return x == 0 && y == 0;
}

// The kinds drawn from two points the user gives: a line, a wall, a shape's box.
bool DrawnFromTwoPoints(int32_t kind) {
    return (kind >= kLine && kind <= kRoundRect && kind != kText) || kind == kOutlineLine ||
           (kind >= kLineTypeFirst && kind <= kLineTypeLast) || kind == kExtWall || kind == kIntWall;
}

} // namespace

bool HoldsSheetCornerPoint(const TObject& object) {
    if (!DrawnFromTwoPoints(object.kind)) return false;
    if (AtCorner(object.x1, object.y1) || AtCorner(object.x2, object.y2)) return true;
    const auto* wall = dynamic_cast<const TIntwallobj*>(&object);
    return wall && object.kind == kIntWall &&
           (AtCorner(wall->q1x, wall->q1y) || AtCorner(wall->q2x, wall->q2y));
}
