#include "walls/partition_snapping.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "document/document.h"
#include "document/house_outline.h"
#include "walls/wall_bearing.h"

namespace {

void Reverse(PartitionDraft& d) {
    std::swap(d.X0, d.X1);
    std::swap(d.Y0, d.Y1);
    d.Angle = d.Angle < 1800 ? d.Angle + 1800 : d.Angle - 1800;
}

bool Near(int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t t) {
    return std::abs(ax - bx) < t && std::abs(ay - by) < t;
}

// The shift that puts the new partition's end onto an end of the wall, when one is near.
bool SnapShift(const PartitionDraft& d, const TIntwallobj& w, int32_t t, int32_t& dx, int32_t& dy) {
    const std::pair<int32_t, int32_t> tests[4][2] = {
        {{d.X0, d.Y0}, {w.x1, w.y1}},
        {{d.X0, d.Y0}, {w.x2, w.y2}},
        {{d.X1, d.Y1}, {w.x1, w.y1}},
        {{d.X1, d.Y1}, {w.x2, w.y2}},
    };
    for (const auto& [from, to] : tests) {
        if (!Near(from.first, from.second, to.first, to.second, t)) continue;
        dx = to.first - from.first;
        dy = to.second - from.second;
        return true;
    }
    return false;
}

// A partition along the joined wall's line (over it, or on in line with it) turns no corner there.
bool AlongWall(const PartitionDraft& d, const TIntwallobj* w) {
    return w && (d.Angle - w->direction) % 1800 == 0;
}

// A new partition that starts where a joined wall starts runs the other way, so that the joined
// wall's end meets the new start as the outline expects; one keyed along the wall is kept as keyed.
void Orient(PartitionDraft& d, const TList& doc, SnappedWalls& walls) {
    if (walls.AtStart != kNoObject && walls.AtEnd == kNoObject) {
        const TIntwallobj* a = PartitionAt(doc, walls.AtStart);
        if (!StartsAt(a, d.X0, d.Y0) || AlongWall(d, a)) return;
        Reverse(d);
        walls.AtEnd = walls.AtStart;
        walls.AtStart = kNoObject;
    } else if (walls.AtStart != kNoObject && walls.AtEnd != kNoObject) {
        const TIntwallobj* b = PartitionAt(doc, walls.AtEnd);
        if (EndsAt(b, d.X0, d.Y0)) {
            std::swap(walls.AtStart, walls.AtEnd);
        } else if (StartsAt(b, d.X0, d.Y0) && !AlongWall(d, b)) {
            Reverse(d);
            std::swap(walls.AtStart, walls.AtEnd);
        }
    }
}

// The faces a partition end can meet: an internal wall's two faces, an external wall's inner face.
struct Faces {
    int32_t ax, ay, bx, by;
    bool hasSecond;
    int32_t cx, cy, ex, ey;
};

Faces FacesOf(const TIntwallobj& w) {
    return {w.x1, w.y1, w.x2, w.y2, true, w.q1x, w.q1y, w.q2x, w.q2y};
}

// An external wall is met on its face toward the inside of the house, whichever way round the outline
// was keyed and whichever side of the keyed line its layers lie.
bool FacesOf(const TObject& o, const HouseOutline& house, Faces& f) {
    if (const auto* w = dynamic_cast<const TIntwallobj*>(&o); w && o.kind == kIntWall) {
        f = FacesOf(*w);
        return true;
    }
    if (const auto* w = dynamic_cast<const TExtwallobj*>(&o); w && o.kind == kExtWall) {
        const WallFace inner = house.InnerFace(*w);
        f = {inner.x1, inner.y1, inner.x2, inner.y2, false, 0, 0, 0, 0};
        return true;
    }
    return false;
}

int32_t Bearing(const TObject& o) {
    if (const auto* w = dynamic_cast<const TIntwallobj*>(&o)) return w->direction;
    if (const auto* w = dynamic_cast<const TExtwallobj*>(&o)) return w->direction;
    return 0;
}

bool InSpan(int32_t v, int32_t a, int32_t b, int32_t t) {
    return v > std::min(a, b) - t && v < std::max(a, b) + t;
}

// An end of the new partition: its first-face point and its second-face point.
struct Cap {
    int32_t x, y, fx, fy;
};

// Whether the point lies on the straight face from (ax, ay) to (bx, by): along a horizontal or
// vertical face within its span widened by t and within t across it; along an oblique face inside
// its box and within t of the face's height at the point's x.
bool OnFace(int32_t x, int32_t y, int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t t) {
    if (ay == by) return InSpan(x, ax, bx, t) && std::abs(y - ay) < t;
    if (ax == bx) return InSpan(y, ay, by, t) && std::abs(x - ax) < t;
    if (!InSpan(x, ax, bx, t) || !InSpan(y, ay, by, t)) return false;
    const int64_t rise = static_cast<int64_t>(by - ay) * (x - ax) / (bx - ax);
    return std::abs(y - (ay + rise)) < t;
}

bool OpenSpansOverlap(int32_t a, int32_t b, int32_t c, int32_t d) {
    return std::max(std::min(a, b), std::min(c, d)) < std::min(std::max(a, b), std::max(c, d));
}

// A square end's cap (from the first face's end to the second's) meets a square face only lying along
// it and overlapping it: a partition beside the face's end merely touches it, and one running along
// the face's line (over a partition, say) meets nothing there.
bool CapMeetsFace(const Cap& cap, int32_t ax, int32_t ay, int32_t bx, int32_t by) {
    const bool level = cap.y == cap.fy && cap.x != cap.fx;
    const bool upright = cap.x == cap.fx && cap.y != cap.fy;
    if (ay == by && (level || upright)) return level && OpenSpansOverlap(cap.x, cap.fx, ax, bx);
    if (ax == bx && (level || upright)) return upright && OpenSpansOverlap(cap.y, cap.fy, ay, by);
    return true;
}

bool MeetsFace(const Cap& cap, int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t t) {
    return OnFace(cap.x, cap.y, ax, ay, bx, by, t) && CapMeetsFace(cap, ax, ay, bx, by);
}

// An end meets the wall on its first face, or else on its second.
bool EndOnWall(const Cap& cap, const Faces& f, int32_t t) {
    if (MeetsFace(cap, f.ax, f.ay, f.bx, f.by, t)) return true;
    return f.hasSecond && MeetsFace(cap, f.cx, f.cy, f.ex, f.ey, t);
}

} // namespace

SnappedWalls SnapPartitionEnds(PartitionDraft& d, const TList& doc, int32_t view, int32_t zoomDivisor) {
    SnappedWalls walls;
    const int32_t t = 3 * zoomDivisor;
    int32_t snaps = 0;
    for (int32_t i = 0; i < doc.count; ++i) {
        const TIntwallobj* w = PartitionAt(doc, i);
        if (!w || w->view != view) continue;
        int32_t dx = 0;
        int32_t dy = 0;
        if (!SnapShift(d, *w, t, dx, dy)) continue;
        d.X0 += dx;
        d.X1 += dx;
        d.Y0 += dy;
        d.Y1 += dy;
        ++snaps;
        (snaps == 2 ? walls.AtEnd : walls.AtStart) = i;
    }
    Orient(d, doc, walls);
    return walls;
}

void TrimWallEnds(PartitionDraft& d, const TList& doc, int32_t view, int32_t zoomDivisor) {
    const int32_t t = 3 * zoomDivisor;
    int32_t n = doc.count;
    // The previous segment of a chain ends where this one starts: it is joined, not met. It is the
    // last object unless a junction line followed it, so any partition ending here is passed over.
    // A partition whose end the new one starts on without joining it (the side chosen would not turn
    // with it) is met there like any other wall.
    const bool previousJoined = !d.StartLeftUnjoined;
    if (const TObject* last = doc[n - 1]; previousJoined && last && last->x2 == d.X0 && last->y2 == d.Y0) --n;
    int32_t atStart = kNoObject;
    int32_t atEnd = kNoObject;
    const HouseOutline house(doc, view);
    for (int32_t i = 0; i < n; ++i) {
        const TObject* o = doc[i];
        Faces faces{};
        if (!o || o->view != view || !FacesOf(*o, house, faces)) continue;
        if (previousJoined && o->kind == kIntWall && o->x2 == d.X0 && o->y2 == d.Y0) continue;
        const bool oblique = faces.ay != faces.by && faces.ax != faces.bx;
        const bool startMet = EndOnWall({d.X0, d.Y0, d.FaceStartX, d.FaceStartY}, faces, t);
        // A square face takes one end only, the start first; an oblique one is tested for both.
        if (startMet) atStart = i;
        if ((oblique || !startMet) && EndOnWall({d.X1, d.Y1, d.FaceEndX, d.FaceEndY}, faces, t)) {
            atEnd = i;
            d.FreeLength = kNoObject;
        }
    }
    if (const TObject* s = doc[atStart]) {
        if (s->kind == kIntWall) d.Mode = kStartMet;
        if (!IsSquareBearing(d.Angle) || !IsSquareBearing(Bearing(*s))) TrimWallEnd(d, doc, atStart, 1);
    }
    if (const TObject* e = doc[atEnd]) {
        if (e->kind == kIntWall) d.Mode = d.Mode == kStartMet ? kBothMet : kEndMet;
        if (!IsSquareBearing(d.Angle) || !IsSquareBearing(Bearing(*e))) TrimWallEnd(d, doc, atEnd, 2);
    }
}

bool EndMeetsWall(const TIntwallobj& wall, int32_t x, int32_t y, int32_t fx, int32_t fy, int32_t tolerance) {
    return EndOnWall({x, y, fx, fy}, FacesOf(wall), tolerance);
}

void TrimWallEnd(PartitionDraft& d, const TList& doc, int32_t wall, int32_t end) {
    const TObject* o = doc[wall];
    if (!o || (o->kind != kExtWall && o->kind != kIntWall)) return;
    const int32_t a = Bearing(*o);
    const int32_t between = FoldedBearing(std::abs(a - d.Angle));
    // Parallel walls never meet at an end: there is no cut to make.
    if (between == 0) return;
    // The cut runs along the met face for as long as the thickness takes across the angle.
    const double length = d.Thickness / std::sin(between * kRadiansPerTenth);
    const Along along = AlongBearing(a);
    const auto dx = static_cast<int32_t>(std::fabs(along.x) * length);
    const auto dy = static_cast<int32_t>(std::fabs(along.y) * length);
    const int32_t px = end == 1 ? d.X0 : d.X1;
    const int32_t py = end == 1 ? d.Y0 : d.Y1;
    int32_t& fx = end == 1 ? d.FaceStartX : d.FaceEndX;
    int32_t& fy = end == 1 ? d.FaceStartY : d.FaceEndY;
    // The second face lies on one side of the first all along: the end slides along the met face
    // toward the side its face end lies on, whichever way the walls run.
    const double runX = double(d.X1) - d.X0, runY = double(d.Y1) - d.Y0;
    const auto side = [&](double x, double y) {
        const double c = runX * y - runY * x;
        return c > 0 ? 1 : c < 0 ? -1 : 0;
    };
    const int32_t faceSide = side(double(fx) - px, double(fy) - py);
    if (faceSide == 0) return;
    const int32_t sx = along.x > 0 ? dx : -dx, sy = along.y > 0 ? dy : -dy;
    const int32_t toward = side(sx, sy) == faceSide ? 1 : -1;
    fx = px + toward * sx;
    fy = py + toward * sy;
}
