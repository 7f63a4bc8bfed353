#include "editing/selection_rules.h"

#include <algorithm>

#include "document/objects.h"

namespace editing {

namespace {

constexpr int32_t kMoveToolKind = 14;
constexpr int32_t kEraseToolKind = 19; // this tool kind and above also take internal walls

// The house is placed on the site plan by moving its external walls there; each wall is judged by
// the lower-left end of its first face line.
bool SitePlanWallInside(const TObject& o, const SelectionBox& box, int32_t toolKind, int32_t view) {
    return view == kSitePlan && toolKind == kMoveToolKind &&
           box.StrictlyInside(std::min(o.x1, o.x2), std::min(o.y1, o.y2));
}

bool CornersInside(const TObject& o, const SelectionBox& box) {
    return box.StrictlyInside(o.x1, o.y1) && box.StrictlyInside(o.x2, o.y2);
}

// An internal wall is judged by the lower-left ends of its two faces.
bool IntWallInside(const TObject& o, const SelectionBox& box) {
    const auto* wall = dynamic_cast<const TIntwallobj*>(&o);
    if (!wall) return false;
    return box.StrictlyInside(std::min(o.x1, o.x2), std::min(o.y1, o.y2)) &&
           box.StrictlyInside(std::min(wall->q1x, wall->q2x), std::min(wall->q1y, wall->q2y));
}

// Every point in use; a polygon with none is inside any box.
bool PointsInside(const TObject& o, const SelectionBox& box) {
    const auto* poly = dynamic_cast<const TPolyobj*>(&o);
    if (!poly) return false;
    const int32_t n = std::clamp(poly->count, 0, TPolyobj::kMaxPoints);
    for (int32_t i = 0; i < n; ++i)
        if (!box.StrictlyInside(poly->px[i], poly->py[i])) return false;
    return true;
}

// An arc is judged by its two end points, whatever its bounding corners.
bool ArcInside(const TObject& o, const SelectionBox& box) {
    const auto* arc = dynamic_cast<const TArcobj*>(&o);
    if (!arc) return CornersInside(o, box);
    return box.StrictlyInside(arc->sx, arc->sy) && box.StrictlyInside(arc->ex, arc->ey);
}

} // namespace

SelectionBox NormalisedBox(int32_t ax, int32_t ay, int32_t bx, int32_t by) {
    return SelectionBox{std::min(ax, bx), std::max(ax, bx), std::min(ay, by), std::max(ay, by)};
}

bool IsSelected(const TObject& o, const SelectionBox& box, int32_t toolKind, int32_t view) {
    const int32_t kind = o.kind;
    if (o.view != view && kind != kOpening) return false;
    if (kind == kExtWall) return SitePlanWallInside(o, box, toolKind, view);
    if (kind == kDesignRoom || kind == kReopenedRoom || IsFloorRecordKind(kind)) return false;
    if (kind == kIntWall) return toolKind >= kEraseToolKind && IntWallInside(o, box);
    if (kind == kOpening || IsPolygonKind(kind) || kind == kMarkerPolygon) return PointsInside(o, box);
    if (IsTextKind(kind)) return box.StrictlyInside(o.x1, o.y1);
    if (kind == kArc) return ArcInside(o, box);
    return CornersInside(o, box);
}

} // namespace editing
