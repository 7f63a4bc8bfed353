// The points an object holds beyond its two corners, for the edits that carry every point of an
// object alike: moving a selection, turning it, centring the drawing.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

#include "document/objects.h"

namespace editing {

// Moves a point by (dx, dy). A damaged record can hold coordinates near the ends of the range: the
// sums stay inside it.
inline void MovePoint(int32_t& x, int32_t& y, int32_t dx, int32_t dy) {
    constexpr int64_t kLow = std::numeric_limits<int32_t>::min();
    constexpr int64_t kHigh = std::numeric_limits<int32_t>::max();
    x = static_cast<int32_t>(std::clamp<int64_t>(int64_t{x} + dx, kLow, kHigh));
    y = static_cast<int32_t>(std::clamp<int64_t>(int64_t{y} + dy, kLow, kHigh));
}

// An external wall's layer lines: only those the wall has (the third and fourth when it has a second
// layer), or all six ends whether the wall uses them or not.
enum class WallLayers { InUse, All };

// Calls visit(x, y) on each such point: an arc's radial points, an external wall's layer-line ends,
// an internal wall's second face, an arrow's head, a dimension's line ends and the points in use of a
// polygon or an opening. The other classes have none.
template <class Visit> void ForEachOwnPoint(TObject& o, WallLayers layers, Visit&& visit) {
    if (auto* arc = dynamic_cast<TArcobj*>(&o)) {
        visit(arc->sx, arc->sy);
        visit(arc->ex, arc->ey);
    } else if (auto* wall = dynamic_cast<TExtwallobj*>(&o)) {
        visit(wall->p1x, wall->p1y);
        visit(wall->p2x, wall->p2y);
        if (layers == WallLayers::InUse && wall->thickness2 <= 0) return;
        visit(wall->p3x, wall->p3y);
        visit(wall->p4x, wall->p4y);
        visit(wall->p5x, wall->p5y);
        visit(wall->p6x, wall->p6y);
    } else if (auto* partition = dynamic_cast<TIntwallobj*>(&o)) {
        visit(partition->q1x, partition->q1y);
        visit(partition->q2x, partition->q2y);
    } else if (auto* arrow = dynamic_cast<TArrowobj*>(&o)) {
        visit(arrow->h1x, arrow->h1y);
        visit(arrow->h2x, arrow->h2y);
        visit(arrow->h3x, arrow->h3y);
        visit(arrow->h4x, arrow->h4y);
    } else if (auto* dim = dynamic_cast<TDimensobj*>(&o)) {
        visit(dim->d1x, dim->d1y);
        visit(dim->d2x, dim->d2y);
    } else if (auto* poly = dynamic_cast<TPolyobj*>(&o)) {
        const int32_t n = std::clamp(poly->count, 0, TPolyobj::kMaxPoints);
        for (int32_t i = 0; i < n; ++i)
            visit(poly->px[i], poly->py[i]);
    }
}

} // namespace editing
