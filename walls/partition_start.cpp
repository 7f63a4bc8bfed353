#include "walls/partition_start.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "document/document.h"
#include "walls/partition_draft.h"
#include "walls/partition_in_wall.h"
#include "walls/partition_outline.h"

namespace {

constexpr int32_t kFaceTolerance = 30;
constexpr int32_t kFarUpRight = 300000;
constexpr int32_t kLongestFreeLength = 34000;

struct Face {
    int32_t ax, ay, bx, by;
};

// The faces of a wall a start can lie on and a free length can end at, in the order they are tried.
std::vector<Face> FacesOf(const TObject& o) {
    if (const auto* w = dynamic_cast<const TIntwallobj*>(&o); w && o.kind == kIntWall)
        return {{w->x1, w->y1, w->x2, w->y2}, {w->q1x, w->q1y, w->q2x, w->q2y}};
    if (const auto* w = dynamic_cast<const TExtwallobj*>(&o); w && o.kind == kExtWall) {
        if (w->thickness2 < 1) return {{w->x1, w->y1, w->x2, w->y2}, {w->p1x, w->p1y, w->p2x, w->p2y}};
        return {{w->x1, w->y1, w->x2, w->y2}, {w->p5x, w->p5y, w->p6x, w->p6y}};
    }
    return {};
}

int32_t BearingOf(const TObject& o) {
    if (const auto* w = dynamic_cast<const TIntwallobj*>(&o)) return w->direction;
    if (const auto* w = dynamic_cast<const TExtwallobj*>(&o)) return w->direction;
    return 0;
}

bool StrictlyBetween(int32_t v, int32_t a, int32_t b) {
    return v > std::min(a, b) && v < std::max(a, b);
}

// Whether the face's span (a, b) reaches into the partition's band from v across, open at both
// ends; with no width, whether it strictly contains v.
bool SpanMeetsBand(int32_t v, int32_t across, int32_t a, int32_t b) {
    if (across == 0) return StrictlyBetween(v, a, b);
    return std::max(std::min(a, b), std::min(v, v + across)) <
           std::min(std::max(a, b), std::max(v, v + across));
}

bool WithinWidened(int32_t v, int32_t a, int32_t b, int32_t margin) {
    return v > std::min(a, b) - margin && v < std::max(a, b) + margin;
}

// Real lengths are rounded to whole units through hundredths, half up, as everywhere in the tools.
int32_t RoundHundredths(double x) {
    const auto n = static_cast<int64_t>(x * 100.0);
    return static_cast<int32_t>(n % 100 >= 50 ? n / 100 + 1 : n / 100);
}

// The nearest candidate so far in the direction, beyond the clearance.
class Nearest {
public:
    Nearest(int32_t x, int32_t y, int32_t direction, int32_t clearance)
        : x_(x), y_(y), direction_(direction), clearance_(clearance),
          best_(direction == kDirectionUp || direction == kDirectionRight ? kFarUpRight : 0) {}

    void OfferX(int32_t v) {
        if (direction_ == kDirectionRight && v > x_ + clearance_ && v < best_) best_ = v;
        if (direction_ == kDirectionLeft && v < x_ - clearance_ && v > best_) best_ = v;
    }
    void OfferY(int32_t v) {
        if (direction_ == kDirectionUp && v > y_ + clearance_ && v < best_) best_ = v;
        if (direction_ == kDirectionDown && v < y_ - clearance_ && v > best_) best_ = v;
    }
    int32_t Distance() const {
        switch (direction_) {
        case kDirectionUp:
            return best_ - y_;
        case kDirectionDown:
            return y_ - best_;
        case kDirectionRight:
            return best_ - x_;
        default:
            return x_ - best_;
        }
    }

private:
    int32_t x_, y_, direction_, clearance_, best_;
};

bool Horizontal(int32_t d) {
    return d == kDirectionRight || d == kDirectionLeft;
}

// An oblique partition is reached by shifting its start along its own slope to the start's level
// (or plumb line); only copies are shifted, the wall stays as it is.
void OfferOblique(Nearest& nearest, const TIntwallobj& w, int32_t x, int32_t y, int32_t direction) {
    const int32_t a = w.direction;
    const double theta = FoldedBearing(a) * kRadiansPerTenth;
    if (Horizontal(direction)) {
        if (!StrictlyBetween(y, w.y1, w.q1y)) return;
        const int32_t q = RoundHundredths(std::sin(theta) * std::abs(y - w.y1) / std::cos(theta));
        const int32_t shift = a < 1800 ? q : -q;
        nearest.OfferX(w.x1 + shift);
        if (w.q1x > 0) nearest.OfferX(w.q1x + shift);
        return;
    }
    if (!StrictlyBetween(x, w.x1, w.q1x)) return;
    const int32_t q = RoundHundredths(std::cos(theta) * std::abs(x - w.x1) / std::sin(theta));
    const int32_t shift = (a < 900 || a >= 2700) ? q : -q;
    nearest.OfferY(w.y1 + shift);
    if (w.q1y > 0) nearest.OfferY(w.q1y + shift);
}

} // namespace

void SnapStartToFace(const TList& document, int32_t view, int32_t& x, int32_t& y) {
    for (int32_t i = 0; i < document.count; ++i) {
        const TObject* o = document[i];
        if (!o || o->view != view) continue;
        for (const Face& f : FacesOf(*o)) {
            if (f.ax == f.bx && std::abs(x - f.ax) < kFaceTolerance &&
                WithinWidened(y, f.ay, f.by, kFaceTolerance)) {
                x = f.ax;
                return;
            }
            if (f.ay == f.by && std::abs(y - f.ay) < kFaceTolerance &&
                WithinWidened(x, f.ax, f.bx, kFaceTolerance)) {
                y = f.ay;
                return;
            }
        }
    }
}

bool RunsAlongThickness(int32_t side, int32_t direction) {
    const bool vertical = direction == kDirectionUp || direction == kDirectionDown;
    if (side == kDirectionUp || side == kDirectionDown) return vertical;
    if (side == kDirectionRight || side == kDirectionLeft) return !vertical;
    return false;
}

int32_t WidthAcross(int32_t side, int32_t direction, int32_t thickness) {
    const bool known = side >= kDirectionUp && side <= kDirectionLeft && direction >= kDirectionUp &&
                       direction <= kDirectionLeft;
    if (!known || RunsAlongThickness(side, direction)) return 0;
    return side == kDirectionUp || side == kDirectionRight ? thickness : -thickness;
}

int32_t ChainWidthAcross(TList& document, int32_t previous, int32_t x, int32_t y, int32_t side,
                         int32_t direction, int32_t thickness) {
    if (direction < kDirectionUp || direction > kDirectionLeft) return 0;
    const bool upright = direction == kDirectionUp || direction == kDirectionDown;
    PartitionDraft d;
    d.X0 = d.X1 = d.FaceStartX = x;
    d.Y0 = d.Y1 = d.FaceStartY = y;
    (upright ? d.Y1 : d.X1) += direction == kDirectionUp || direction == kDirectionRight ? 1 : -1;
    d.Angle = (direction - 1) * 900;
    d.Side = side;
    d.Thickness = thickness;
    OutlineOrthoFree(d, document, kStartEnd, previous);
    return upright ? d.FaceStartX - x : d.FaceStartY - y;
}

int32_t ChainPrevious(const TList& document, int32_t view, int32_t zoomDivisor, int32_t x, int32_t y) {
    // A segment moved onto another partition's end when it was made ends a little off the point its
    // key put the next start at.
    const int32_t t = 3 * zoomDivisor;
    for (int32_t i = document.count - 1; i >= 0; --i) {
        const TIntwallobj* w = PartitionAt(document, i);
        if (!w || w->view != view) continue;
        return std::abs(w->x2 - x) < t && std::abs(w->y2 - y) < t ? i : kNoObject;
    }
    return kNoObject;
}

FreeSpan MeasureSegmentStart(TList& document, int32_t view, int32_t zoomDivisor, int32_t x, int32_t y,
                             int32_t direction, int32_t side, int32_t chainSide, int32_t thickness) {
    const int32_t previous = chainSide == 0 ? kNoObject : ChainPrevious(document, view, zoomDivisor, x, y);
    const int32_t across = previous == kNoObject
                               ? WidthAcross(chainSide == 0 ? side : chainSide, direction, thickness)
                               : ChainWidthAcross(document, previous, x, y, chainSide, direction, thickness);
    FreeSpan free = MeasureFreeLength(document, view, zoomDivisor, x, y, direction, across, previous);
    free.Across = across;
    // Beside the line, toward the wall at an inner corner, the partition would lie inside the wall.
    const bool upright = direction == kDirectionUp || direction == kDirectionDown;
    const int32_t ahead = direction == kDirectionUp || direction == kDirectionRight ? 1000 : -1000;
    if (across != 0 &&
        StartsInsideWall(document, view, x, y, upright ? x + across : x, upright ? y : y + across,
                         upright ? x : x + ahead, upright ? y + ahead : y))
        free.Length = 0;
    return free;
}

FreeSpan MeasureFreeLength(const TList& document, int32_t view, int32_t zoomDivisor, int32_t x, int32_t y,
                           int32_t direction, int32_t across, int32_t passOver) {
    FreeSpan result;
    Nearest nearest(x, y, direction, 2 * zoomDivisor);
    for (int32_t i = 0; i < document.count; ++i) {
        const TObject* o = document[i];
        if (!o || i == passOver || o->view != view || (o->kind != kExtWall && o->kind != kIntWall)) continue;
        const int32_t a = BearingOf(*o);
        result.LastBearing = a;
        if (a == 0 || a == 1800) {
            for (const Face& f : FacesOf(*o))
                if (f.ax == f.bx && SpanMeetsBand(y, across, f.ay, f.by)) nearest.OfferX(f.ax);
        } else if (a == 900 || a == 2700) {
            for (const Face& f : FacesOf(*o))
                if (f.ay == f.by && SpanMeetsBand(x, across, f.ax, f.bx)) nearest.OfferY(f.ay);
        } else if (const auto* w = dynamic_cast<const TIntwallobj*>(o); w && o->kind == kIntWall) {
            OfferOblique(nearest, *w, x, y, direction);
        }
    }
    const int32_t distance = nearest.Distance();
    if (distance <= kLongestFreeLength) result.Length = distance;
    return result;
}
