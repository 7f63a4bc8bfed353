#include "walls/wall_corner.h"

#include <algorithm>

#include "document/document.h"
#include "document/program_state.h"

namespace {

constexpr int32_t kSitePolygon = 500;
constexpr int32_t kFarLeft = 300000;

struct Corner {
    int32_t minX = kFarLeft;
    int32_t maxY = 0;
};

// Only a wall that is at once the leftmost and the topmost so far moves the corner: on an L-shaped
// building that is the wall found first in the drawing among those that qualify.
void TakeWalls(const TList& document, int32_t view, Corner& corner) {
    for (int32_t i = 0; i < document.count; ++i) {
        const TObject* o = document[i];
        if (!o || o->kind != kExtWall || o->view != view) continue;
        const int32_t wx = std::min(o->x1, o->x2);
        const int32_t wy = std::max(o->y1, o->y2);
        if (wx <= corner.minX && wy >= corner.maxY) {
            corner.minX = wx;
            corner.maxY = wy;
        }
    }
}

void TakeSitePolygons(const TList& document, Corner& corner) {
    for (int32_t i = 0; i < document.count; ++i) {
        const auto* p = dynamic_cast<const TPolyobj*>(document[i]);
        if (!p || p->kind != kSitePolygon) continue;
        const int32_t n = std::clamp(p->count, int32_t{0}, TPolyobj::kMaxPoints);
        for (int32_t k = 0; k < n; ++k) {
            corner.minX = std::min(corner.minX, p->px[k]);
            corner.maxY = std::max(corner.maxY, p->py[k]);
        }
    }
}

} // namespace

bool FindWallCorner(const TList& document, int32_t view, int32_t zoomDivisor, int32_t& x, int32_t& y) {
    x = 0;
    y = 0;
    Corner corner;
    if (view == kSitePlan) {
        TakeSitePolygons(document, corner);
    } else {
        TakeWalls(document, view, corner);
        if (corner.minX == kFarLeft) TakeWalls(document, view - 1, corner);
    }
    if (corner.minX >= kFarLeft || corner.maxY <= 0 || zoomDivisor <= 0) return false;
    x = corner.minX / zoomDivisor * zoomDivisor;
    y = corner.maxY / zoomDivisor * zoomDivisor;
    return true;
}

void FindWallCorner(TList& document, int32_t& x, int32_t& y) {
    FindWallCorner(document, CurrentView, ZoomDivisor, x, y);
}
