#include "walls/opening_marking.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "document/document.h"
#include "walls/opening.h"
#include "walls/opening_construction.h"

namespace {

constexpr double kRadiansPerTenth = 0.001745;

// The two faces of a wall: the reference face s-e and the other face a-b.
struct WallShape {
    int32_t sx, sy, ex, ey, ax, ay, bx, by;
    int32_t half;      // half the thickness, cut toward zero
    int32_t thickness; // the whole wall
    int32_t angle;
    bool internal;
};

bool ShapeOf(const TObject& o, WallShape& w) {
    if (const auto* e = dynamic_cast<const TExtwallobj*>(&o); e && o.kind == kExtWall) {
        const bool twoLines = e->thickness2 == 0;
        w = {e->x1, e->y1, e->x2, e->y2, twoLines ? e->p1x : e->p5x, twoLines ? e->p1y : e->p5y,
             twoLines ? e->p2x : e->p6x, twoLines ? e->p2y : e->p6y, 0, 0, e->direction, false};
        w.thickness = e->thickness1 + e->thickness2 + e->thickness3;
        w.half = twoLines ? e->thickness1 / 2 : w.thickness / 2;
        return true;
    }
    if (const auto* i = dynamic_cast<const TIntwallobj*>(&o); i && o.kind == kIntWall) {
        w = {i->x1, i->y1, i->x2, i->y2, i->q1x, i->q1y, i->q2x, i->q2y, i->thickness / 2, i->thickness,
             i->direction, true};
        return true;
    }
    return false;
}

// The point being placed, the side it lies on, and whether the wall took it.
struct Probe {
    int32_t px, py;
    int32_t faceSide;
    bool taken;
};

// Room along a wall between lo and hi for an opening whose reference point is at v.
bool HasRoom(const OpeningRequest& r, int32_t v, int32_t lo, int32_t hi, bool hingeAtLow) {
    if (openingkind::IsHinged(r.kind)) return hingeAtLow ? v >= lo && v <= hi - r.width : v >= lo + r.width && v <= hi;
    return v >= lo + r.width / 2 && v <= hi - r.width / 2;
}

// One axis of a square wall. `across` is the pointer's coordinate across the wall, `along` along it;
// `face` and `other` the two face lines across; [lo, hi] the wall's extent along.
struct SquareAxis {
    int32_t& across;
    int32_t along;
    int32_t face, other, lo, hi;
};

void SquareWall(const WallShape& w, const OpeningRequest& r, Probe& p) {
    const bool horizontal = w.sy == w.ey;
    if (!horizontal && w.sx != w.ex) return;
    SquareAxis a = horizontal ? SquareAxis{p.py, p.px, w.sy, w.ay, std::min(w.sx, w.ex), std::max(w.sx, w.ex)}
                              : SquareAxis{p.px, p.py, w.sx, w.ax, std::min(w.sy, w.ey), std::max(w.sy, w.ey)};
    int32_t side = 0;
    if (std::abs(a.across - a.face) <= w.half)
        side = kNearFace;
    else if (std::abs(a.across - a.other) <= w.half)
        side = kFarFace;
    else
        return;
    bool room = false;
    if (openingkind::IsHinged(r.kind)) {
        // A horizontal wall takes the swings drawn across it (5 to 8), a vertical wall the others.
        const bool fits = horizontal ? r.mode > 4 : r.mode < 5;
        const bool hingeAtLow = horizontal ? (r.mode == 5 || r.mode == 6) : !(r.mode == 1 || r.mode == 3);
        room = fits && HasRoom(r, a.along, a.lo, a.hi, hingeAtLow);
    } else {
        room = HasRoom(r, a.along, a.lo, a.hi, false);
    }
    if (!room) return;
    p.taken = true;
    p.faceSide = side;
    a.across = a.face;
    if (!w.internal) return;
    // A partition holds its openings on its left face.
    const bool larger = horizontal ? w.angle == 900 : !(w.angle == 0);
    const int32_t left = larger ? std::max(a.face, a.other) : std::min(a.face, a.other);
    if (left != a.across) {
        a.across = left;
        p.faceSide = p.faceSide == kNearFace ? kFarFace : kNearFace;
    }
}

int32_t Reduced(int32_t angle) {
    if (angle < 900) return angle;
    if (angle < 1800) return 1800 - angle;
    if (angle < 2700) return angle - 1800;
    return 3600 - angle;
}

// A distance along the wall from (x, y), with the signs of the wall's quadrant.
void AlongWall(int32_t angle, double t, double distance, int32_t x, int32_t y, int32_t& ox, int32_t& oy) {
    const int32_t u = OpeningRound(std::sin(t) * distance);
    const int32_t v = OpeningRound(std::cos(t) * distance);
    if (angle < 900)
        ox = x + u, oy = y + v;
    else if (angle < 1800)
        ox = x + u, oy = y - v;
    else if (angle < 2700)
        ox = x - u, oy = y - v;
    else
        ox = x - u, oy = y + v;
}

bool InsideBox(int32_t x, int32_t y, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    return x >= std::min(x1, x2) && x <= std::max(x1, x2) && y >= std::min(y1, y2) && y <= std::max(y1, y2);
}

void ObliqueExternal(const WallShape& w, Probe& p) {
    const int32_t a = w.angle;
    const int32_t r = Reduced(a);
    const double t = r * kRadiansPerTenth;
    p.taken = InsideBox(p.px, p.py, w.sx, w.sy, w.ex, w.ey);
    const int32_t half = OpeningRound(w.thickness / std::cos(t)) / 2;
    const int32_t k = a < 900 || a >= 2700 ? p.py - w.sy : w.sy - p.py;
    const int32_t d = OpeningRound(std::sin(t) * k / std::cos(t));
    p.faceSide = kNearFace;
    if ((a < 900 && p.px > w.sx + d + half) || (a >= 900 && a < 1800 && p.px < w.sx + d - half) ||
        (a >= 1800 && a < 2700 && p.px < w.sx - d - half) || (a >= 2700 && p.px > w.sx - d + half))
        p.faceSide = kFarFace;
    // Onto the reference face, at the pointer's distance along it.
    const double dx = std::max(1, std::abs(p.px - w.sx));
    const double dy = std::max(1, std::abs(p.py - w.sy));
    const int32_t c = 900 - static_cast<int32_t>(std::atan(dy / dx) * 572.9578);
    if (c == r) return;
    const double q = std::sqrt(dx * dx + dy * dy) * std::cos((c - r) * kRadiansPerTenth);
    AlongWall(a, t, q, w.sx, w.sy, p.px, p.py);
}

void ObliquePartition(const WallShape& w, Probe& p) {
    const int32_t a = w.angle;
    const double t = Reduced(a) * kRadiansPerTenth;
    auto distance = [&](int32_t x, int32_t y) { return std::hypot(double(p.px) - x, double(p.py) - y); };
    int32_t s1x, s1y, a1x, a1y;
    AlongWall(a, t, distance(w.sx, w.sy), w.sx, w.sy, s1x, s1y);
    AlongWall(a, t, distance(w.ax, w.ay), w.ax, w.ay, a1x, a1y);
    auto near = [&](int32_t x, int32_t y) { return std::abs(p.px - x) <= w.half && std::abs(p.py - y) <= w.half; };
    if (near(s1x, s1y))
        p.px = s1x, p.py = s1y;
    else if (near(a1x, a1y))
        p.px = a1x, p.py = a1y;
    else
        return;
    p.taken = true;
    p.faceSide = kNearFace;
    const bool larger = a >= 1 && a <= 1799;
    const bool sLeft = larger ? s1y >= a1y : s1y <= a1y;
    const int32_t lx = sLeft ? s1x : a1x;
    const int32_t ly = sLeft ? s1y : a1y;
    if (lx != p.px || ly != p.py) {
        p.px = lx, p.py = ly;
        p.faceSide = kFarFace;
    }
}

bool StrictlyBetween(int32_t v, int32_t a, int32_t b) {
    return v > std::min(a, b) && v < std::max(a, b);
}

void ObliqueWall(const WallShape& w, Probe& p) {
    const bool inX = StrictlyBetween(p.px, w.sx, w.ex) || StrictlyBetween(p.px, w.ax, w.bx);
    const bool inY = StrictlyBetween(p.py, w.sy, w.ey) || StrictlyBetween(p.py, w.ay, w.by);
    if (!inX || !inY) return;
    if (w.internal)
        ObliquePartition(w, p);
    else
        ObliqueExternal(w, p);
}

} // namespace

WallMark FindOpeningWall(const TList& document, int32_t view, int32_t px, int32_t py, const OpeningRequest& request) {
    WallMark mark;
    mark.px = px;
    mark.py = py;
    for (int32_t i = 0; i < document.count; ++i) {
        const TObject* o = document[i];
        WallShape w;
        if (!o || o->view != view || !ShapeOf(*o, w)) continue;
        Probe p{px, py, kNearFace, false};
        if (IsSquareAngle(w.angle))
            SquareWall(w, request, p);
        else
            ObliqueWall(w, p);
        if (!p.taken) continue;
        mark = {i, p.px, p.py, p.faceSide, w.angle, w.internal ? kInternalWallClass : kExternalWallClass,
                w.thickness, o->id};
        return mark;
    }
    return mark;
}

void MoveHingeToMiddle(WallMark& m, int32_t width, int32_t code) {
    if (IsSquareAngle(m.angle) && m.angle != 3600) {
        const int32_t half = width / 2;
        if (code == 5 || code == 6) m.px += half;
        if (code == 7 || code == 8) m.px -= half;
        if (code == 1 || code == 3) m.py -= half;
        if (code == 2 || code == 4) m.py += half;
        return;
    }
    const double t = Reduced(m.angle) * kRadiansPerTenth;
    const int32_t s = OpeningRound(width * std::sin(t) * 0.5);
    const int32_t c = OpeningRound(width * std::cos(t) * 0.5);
    const int32_t a = m.angle;
    if (a < 900 || (a >= 1800 && a < 2700)) {
        const bool subtract = code == 1 || code == 3 || code == 7 || code == 8;
        m.px += subtract ? -s : s;
        m.py += subtract ? -c : c;
    } else if (code == 1 || code == 3 || code == 5 || code == 6) {
        m.px += s, m.py -= c;
    } else {
        m.px -= s, m.py += c;
    }
}
