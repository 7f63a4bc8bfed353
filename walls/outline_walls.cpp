#include "walls/outline_walls.h"

#include <algorithm>
#include <cstdlib>

#include "document/document.h"
#include "document/objects.h"

namespace walls {

namespace {

// Sides that fold onto each other are matched within this many units.
constexpr int32_t kSpanMatch = 2;

struct Step {
    int32_t dx;
    int32_t dy;
};

// The outward step of a side: the outside lies to the left of travel on a clockwise outline.
Step Outward(int32_t bearing, int32_t thickness) {
    switch (bearing) {
    case 0:
        return {-thickness, 0};
    case 900:
        return {0, thickness};
    case 1800:
        return {thickness, 0};
    case 2700:
        return {0, -thickness};
    default:
        return {0, 0};
    }
}

// How far one end of a side moves: its own step, plus the neighbour's at a right-angled corner;
// nothing where the neighbour runs straight back.
Step EndStep(int32_t angle, int32_t neighbour, int32_t thickness) {
    const Step own = Outward(angle, thickness);
    const int32_t turn = std::abs(neighbour - angle);
    if (turn == 1800) return {0, 0};
    if (turn == 0) return own;
    const Step other = Outward(neighbour, thickness);
    return {own.dx + other.dx, own.dy + other.dy};
}

bool Within(int32_t a, int32_t b, int32_t tolerance) {
    return std::abs(a - b) < tolerance;
}

// The summed lengths of the rooms lining a side, with a partition between each two, and whether any
// did; the sum is 0 when none lines it.
int32_t RoomsAlong(const TObject& side, const std::vector<const TObject*>& rooms, int32_t partition,
                   int32_t tolerance) {
    const bool horizontal = side.y1 == side.y2;
    const int32_t lo = horizontal ? std::min(side.x1, side.x2) : std::min(side.y1, side.y2);
    const int32_t hi = horizontal ? std::max(side.x1, side.x2) : std::max(side.y1, side.y2);
    int32_t sum = 0;
    int32_t count = 0;
    for (const TObject* r : rooms) {
        // A room's box: (x1, y1) top left, (x2, y2) bottom right.
        if (horizontal) {
            const bool onEdge = Within(r->y1, side.y1, tolerance) || Within(r->y2, side.y1, tolerance);
            if (!onEdge || !(lo - tolerance < r->x1 && r->x2 < hi + tolerance)) continue;
            sum += r->x2 - r->x1;
        } else {
            const bool onEdge = Within(r->x1, side.x1, tolerance) || Within(r->x2, side.x1, tolerance);
            if (!onEdge || !(r->y1 < hi + tolerance && lo - tolerance < r->y2)) continue;
            sum += r->y1 - r->y2;
        }
        ++count;
    }
    if (count > 0) sum += partition * (count - 1);
    return sum;
}

// Sets the side to `sum` long from its start; earlier sides that run back over it follow.
void FitSide(TList& document, const std::vector<int32_t>& sides, size_t at, int32_t sum) {
    TObject& side = *document[sides[at]];
    const bool horizontal = side.y1 == side.y2;
    const int32_t from = horizontal ? side.x1 : side.y1;
    const int32_t to = horizontal ? side.x2 : side.y2;
    const int32_t sign = to > from ? 1 : -1;
    for (size_t j = 0; j < at; ++j) {
        TObject& m = *document[sides[j]];
        int32_t& mEnd = horizontal ? m.x2 : m.y2;
        const int32_t mStart = horizontal ? m.x1 : m.y1;
        if (Within(mEnd, from, kSpanMatch) && Within(mStart, to, kSpanMatch)) mEnd = mStart - sign * sum;
    }
    (horizontal ? side.x2 : side.y2) = from + sign * sum;
    side.group = sum;
}

// Each side starts where the one before it ends; a vertical next side slides sideways, a horizontal
// one up or down, so that it stays square.
void CloseChain(TList& document, const std::vector<int32_t>& sides) {
    for (size_t i = 0; i < sides.size(); ++i) {
        const TObject& q = *document[sides[i]];
        TObject& n = *document[sides[(i + 1) % sides.size()]];
        if (n.x1 == n.x2)
            n.x2 = q.x2;
        else if (n.y1 == n.y2)
            n.y2 = q.y2;
        n.x1 = q.x2;
        n.y1 = q.y2;
    }
}

} // namespace

std::vector<int32_t> MarkedSides(const TList& document, int32_t view) {
    std::vector<int32_t> sides;
    for (int32_t i = 0; i < document.count; ++i) {
        const TObject* o = document[i];
        if (o && o->kind == kOutlineLine && o->view == view) sides.push_back(i);
    }
    return sides;
}

void MakeClockwise(TList& document, const std::vector<int32_t>& sides) {
    const size_t n = sides.size();
    if (n < 3) return;
    // Twice the signed area, the y axis up: negative for a clockwise outline.
    int64_t twiceArea = 0;
    for (const int32_t i : sides) {
        const TObject& s = *document[i];
        twiceArea += int64_t{s.x1} * s.y2 - int64_t{s.x2} * s.y1;
    }
    if (twiceArea <= 0) return;
    struct Ends {
        int32_t x1, y1, x2, y2, angle, length;
    };
    std::vector<Ends> ends;
    for (const int32_t i : sides) {
        const auto* side = dynamic_cast<const TLineobj*>(document[i]);
        if (!side) return; // only marked lines are sides
        ends.push_back({side->x1, side->y1, side->x2, side->y2, side->angle, side->group});
    }
    for (size_t k = 0; k < n; ++k) {
        auto& side = static_cast<TLineobj&>(*document[sides[k]]);
        const Ends& from = ends[n - 1 - k];
        side.x1 = from.x2;
        side.y1 = from.y2;
        side.x2 = from.x1;
        side.y2 = from.y1;
        side.group = from.length;
        // A bearing outside a turn is carried as it is.
        side.angle = from.angle >= 0 && from.angle < 3600 ? (from.angle + 1800) % 3600 : from.angle;
    }
}

void FitSidesToRooms(TList& document, const std::vector<int32_t>& sides, int32_t roomView, int32_t partition,
                     int32_t tolerance) {
    std::vector<const TObject*> rooms;
    for (int32_t i = 0; i < document.count; ++i) {
        const TObject* o = document[i];
        if (o && o->kind == kDesignRoom && o->view == roomView) rooms.push_back(o);
    }
    bool changed = false;
    for (size_t at = 0; at < sides.size(); ++at) {
        const TObject& side = *document[sides[at]];
        const bool horizontal = side.y1 == side.y2;
        if (!horizontal && side.x1 != side.x2) continue;
        const int32_t sum = RoomsAlong(side, rooms, partition, tolerance);
        const int32_t len = horizontal ? std::abs(side.x2 - side.x1) : std::abs(side.y2 - side.y1);
        if (sum == 0 || len == 0 || !(len - tolerance < sum && sum < len + tolerance)) continue;
        FitSide(document, sides, at, sum);
        changed = true;
    }
    if (changed) CloseChain(document, sides);
}

PushedFace PushSideOut(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t angle, int32_t previousAngle,
                       int32_t nextAngle, int32_t thickness) {
    const Step start = EndStep(angle, previousAngle, thickness);
    const Step end = EndStep(angle, nextAngle, thickness);
    PushedFace f{x1 + start.dx, y1 + start.dy, x2 + end.dx, y2 + end.dy, 0};
    f.length = (angle == 0 || angle == 1800) ? std::abs(f.y2 - f.y1) : std::abs(f.x2 - f.x1);
    return f;
}

void RemoveMarkedSides(TList& document, int32_t view) {
    for (int32_t i = document.count - 1; i >= 0; --i) {
        const TObject* o = document[i];
        if (o && o->kind == kOutlineLine && o->view == view) document.RemoveAt(i);
    }
}

} // namespace walls
