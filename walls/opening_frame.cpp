#include "walls/opening_frame.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "document/document.h"
#include "document/objects.h"
#include "walls/wall_bearing.h"

namespace {

struct FaceLine {
    double x1, y1, x2, y2;
};

// The face that holds a wall's openings and the one across the body from it: an external wall's
// drawn face and its innermost layer line; a partition's two faces, whichever P lies on.
bool FacesOf(const TObject& o, FaceLine& drawn, FaceLine& other) {
    if (const auto* e = dynamic_cast<const TExtwallobj*>(&o); e && o.kind == kExtWall) {
        const bool twoLines = e->thickness2 == 0;
        drawn = {double(e->x1), double(e->y1), double(e->x2), double(e->y2)};
        other = twoLines ? FaceLine{double(e->p1x), double(e->p1y), double(e->p2x), double(e->p2y)}
                         : FaceLine{double(e->p5x), double(e->p5y), double(e->p6x), double(e->p6y)};
        return true;
    }
    if (const auto* i = dynamic_cast<const TIntwallobj*>(&o); i && o.kind == kIntWall) {
        drawn = {double(i->x1), double(i->y1), double(i->x2), double(i->y2)};
        other = {double(i->q1x), double(i->q1y), double(i->q2x), double(i->q2y)};
        return true;
    }
    return false;
}

// The signed distance of (x, y) from the face's line, positive on the right of its direction (the
// side a wall's body lies on); NaN for a face of no length.
double Across(const FaceLine& f, double x, double y) {
    const double dx = f.x2 - f.x1, dy = f.y2 - f.y1, length = std::hypot(dx, dy);
    if (length == 0) return std::numeric_limits<double>::quiet_NaN();
    return (dy * (x - f.x1) - dx * (y - f.y1)) / length;
}

struct WallFit {
    double distance = std::numeric_limits<double>::infinity(); // from P to its reference face
    FaceLine face{}, other{};
};

// The wall's faces with P on the nearer one; false when it is no wall of the opening.
bool Fit(const Opening& o, const TObject& wall, WallFit& fit) {
    if (wall.view != o.view || wall.id != o.wallId) return false;
    FaceLine drawn{}, other{};
    if (!FacesOf(wall, drawn, other)) return false;
    const double toDrawn = std::fabs(Across(drawn, o.px, o.py));
    const double toOther = std::fabs(Across(other, o.px, o.py));
    if (std::isnan(toDrawn)) return false;
    fit = {toDrawn, drawn, other};
    // A partition holds its openings on either face; its other face runs the same way.
    if (wall.kind == kIntWall && toOther < toDrawn) fit = {toOther, other, drawn};
    return true;
}

} // namespace

POINT OpeningFrame::Place(int32_t px, int32_t py, int32_t x, int32_t y) const {
    // Cut toward the origin, as the pieces were always laid: on a square wall the steps are whole.
    const double dx = double(x) - px, dy = double(y) - py;
    return {originX + static_cast<int32_t>(dx * alongX + dy * acrossX),
            originY + static_cast<int32_t>(dx * alongY + dy * acrossY)};
}

OpeningFrame FrameOf(const Opening& o, const TList& document) {
    // Local x runs against the wall's direction, local y to its right, into its body.
    const Along way = AlongBearing(o.angle);
    OpeningFrame f{o.px, o.py, -way.x, -way.y, way.y, -way.x};
    WallFit best;
    for (int32_t i = 0; i < document.count; ++i) {
        WallFit fit;
        if (const TObject* wall = document[i]; wall && Fit(o, *wall, fit) && fit.distance < best.distance)
            best = fit;
    }
    // P lies on the face it was marked on, give or take what a bearing in tenths of a degree leaves
    // over the wall's length; a wall further off is another of the same id.
    if (!(best.distance <= o.thickness / 2.0)) return f;
    const double off = Across(best.face, o.px, o.py);
    f.originX = static_cast<int32_t>(std::lround(o.px - off * f.acrossX));
    f.originY = static_cast<int32_t>(std::lround(o.py - off * f.acrossY));
    // The depth stretched onto the other face, measured there, where it lies across the body.
    const double depth = -Across(best.other, f.originX, f.originY);
    if (o.thickness > 0 && depth > o.thickness / 2.0 && depth < o.thickness * 2.0) {
        const double stretch = depth / o.thickness;
        f.acrossX *= stretch;
        f.acrossY *= stretch;
    }
    return f;
}

void PlacePiece(const Opening& o, const OpeningFrame& frame, TObject& piece) {
    const auto place = [&](int32_t& x, int32_t& y) {
        const POINT p = frame.Place(o.px, o.py, x, y);
        x = p.x, y = p.y;
    };
    if (auto* polygon = dynamic_cast<TPolyobj*>(&piece)) {
        const int32_t n = std::clamp<int32_t>(polygon->count, 0, TPolyobj::kMaxPoints);
        for (int32_t i = 0; i < n; ++i)
            place(polygon->px[i], polygon->py[i]);
    } else if (auto* arc = dynamic_cast<TArcobj*>(&piece)) {
        place(arc->x1, arc->y1), place(arc->x2, arc->y2), place(arc->sx, arc->sy), place(arc->ex, arc->ey);
    } else {
        place(piece.x1, piece.y1), place(piece.x2, piece.y2);
    }
}
