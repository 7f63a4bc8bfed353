#include "document/house_outline.h"

#include <algorithm>
#include <cstddef>

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

// Whether (x, y) is an end of a line other than the one at `self`.
bool EndMeets(const std::vector<WallFace>& lines, size_t self, int32_t x, int32_t y) {
    for (size_t j = 0; j < lines.size(); ++j) {
        const WallFace& o = lines[j];
        if (j != self && ((o.x1 == x && o.y1 == y) || (o.x2 == x && o.y2 == y))) return true;
    }
    return false;
}

} // namespace

HouseOutline::HouseOutline(const TList& document, int32_t view) {
    for (int32_t i = 0; i < document.count; ++i) {
        const TObject* o = document[i];
        if (!o || o->kind != kExtWall || o->view != view) continue;
        if (const auto* wall = dynamic_cast<const TExtwallobj*>(o)) drawn_.push_back(DrawnLine(*wall));
    }
    // A wall with an end that meets no other, and so each wall of an open chain in turn, goes round
    // no house: what is left are the closed outlines.
    for (size_t i = 0; i < drawn_.size();) {
        const WallFace& f = drawn_[i];
        if (EndMeets(drawn_, i, f.x1, f.y1) && EndMeets(drawn_, i, f.x2, f.y2)) {
            ++i;
        } else {
            drawn_.erase(drawn_.begin() + static_cast<std::ptrdiff_t>(i));
            i = 0;
        }
    }
}

bool HouseOutline::Closes(const TExtwallobj& wall) const {
    const WallFace d = DrawnLine(wall);
    return std::any_of(drawn_.begin(), drawn_.end(), [&](const WallFace& f) {
        return f.x1 == d.x1 && f.y1 == d.y1 && f.x2 == d.x2 && f.y2 == d.y2;
    });
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
    return KeyedLineInside(wall) ? DrawnLine(wall) : LastLayerLine(wall);
}

FaceBox HouseOutline::InnerFaceBox(const TExtwallobj& wall) const {
    const WallFace f = InnerFace(wall);
    return {std::min(f.x1, f.x2), std::max(f.x1, f.x2), std::max(f.y1, f.y2), std::min(f.y1, f.y2)};
}

// The layer lines lie all on one side of the drawn line: the last one's middle tells which.
bool HouseOutline::KeyedLineInside(const TExtwallobj& wall) const {
    const WallFace layer = LastLayerLine(wall);
    return Closes(wall) && !Encloses(int64_t{layer.x1} + layer.x2, int64_t{layer.y1} + layer.y2);
}

bool HouseOutline::OnLeft(const TExtwallobj& wall) const {
    if (!Closes(wall)) return false;
    // Half a unit to the left of the wall's middle: an odd doubled coordinate meets no corner.
    const auto sign = [](int64_t v) { return int64_t{v > 0} - int64_t{v < 0}; };
    const int64_t dx = int64_t{wall.x2} - wall.x1, dy = int64_t{wall.y2} - wall.y1;
    return Encloses(int64_t{wall.x1} + wall.x2 - sign(dy), int64_t{wall.y1} + wall.y2 + sign(dx));
}
