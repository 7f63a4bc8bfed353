#include "document/house_outline.h"

#include <algorithm>

#include "document/document.h"
#include "document/objects.h"

namespace {

WallFace DrawnLine(const TExtwallobj& w) {
    return {w.x1, w.y1, w.x2, w.y2};
}

// The layer line farthest from the drawn line: the third of a wall of three layers, else the first.
WallFace LastLayerLine(const TExtwallobj& w) {
    if (w.thickness2 > 0) return {w.p5x, w.p5y, w.p6x, w.p6y};
    return {w.p1x, w.p1y, w.p2x, w.p2y};
}

// Every end of every drawn line meets an end of another: the outline goes round.
bool Closes(const std::vector<WallFace>& lines) {
    if (lines.size() < 3) return false;
    const auto ends = [&](int32_t x, int32_t y, size_t self) {
        for (size_t j = 0; j < lines.size(); ++j) {
            const WallFace& o = lines[j];
            if (j != self && ((o.x1 == x && o.y1 == y) || (o.x2 == x && o.y2 == y))) return true;
        }
        return false;
    };
    for (size_t i = 0; i < lines.size(); ++i)
        if (!ends(lines[i].x1, lines[i].y1, i) || !ends(lines[i].x2, lines[i].y2, i)) return false;
    return true;
}

} // namespace

HouseOutline::HouseOutline(const TList& document, int32_t view) {
    for (int32_t i = 0; i < document.count; ++i) {
        const TObject* o = document[i];
        if (!o || o->kind != kExtWall || o->view != view) continue;
        if (const auto* wall = dynamic_cast<const TExtwallobj*>(o)) drawn_.push_back(DrawnLine(*wall));
    }
    closed_ = Closes(drawn_);
}

// Twice the point (x2, y2) lies within the keyed outline: a ray toward growing x crosses it an odd
// number of times. Doubled coordinates keep a midpoint exact.
bool HouseOutline::Encloses(int64_t x2, int64_t y2) const {
    bool inside = false;
    for (const WallFace& f : drawn_) {
        const int64_t ax = 2 * int64_t{f.x1}, ay = 2 * int64_t{f.y1};
        const int64_t bx = 2 * int64_t{f.x2}, by = 2 * int64_t{f.y2};
        if ((ay > y2) == (by > y2)) continue;
        const double crossing = ax + static_cast<double>(y2 - ay) * (bx - ax) / static_cast<double>(by - ay);
        if (static_cast<double>(x2) < crossing) inside = !inside;
    }
    return inside;
}

WallFace HouseOutline::InnerFace(const TExtwallobj& wall) const {
    const WallFace layer = LastLayerLine(wall);
    if (!closed_) return layer;
    // The layer lines lie all on one side of the drawn line: the last one's middle tells which.
    return Encloses(int64_t{layer.x1} + layer.x2, int64_t{layer.y1} + layer.y2) ? layer : DrawnLine(wall);
}
