#include "walls/extwall_snapping.h"

#include <cmath>
#include <cstdlib>
#include <utility>

#include "document/document.h"
#include "document/objects.h"

namespace walls {

namespace {

constexpr double kRadiansPerTenth = 0.001745;
constexpr int32_t kFoldMargin = 30; // as the outline's corners: a fold-back gets no mitre
constexpr int32_t kSquareSnap = 13; // an end this near the start's x or y is made square

bool Near(int32_t px, int32_t py, int32_t qx, int32_t qy, int32_t t) {
    return qx - t < px && px < qx + t && qy - t < py && py < qy + t;
}

void MoveWall(ExtWallWork& w, int32_t dx, int32_t dy) {
    w.x1 += dx;
    w.y1 += dy;
    w.x2 += dx;
    w.y2 += dy;
}

void TurnRound(ExtWallWork& w) {
    std::swap(w.x1, w.x2);
    std::swap(w.y1, w.y2);
    w.angle = w.angle < 1800 ? w.angle + 1800 : w.angle - 1800;
}

bool SharesAnEnd(const TObject& a, const TObject& b) {
    return (a.x1 == b.x1 && a.y1 == b.y1) || (a.x1 == b.x2 && a.y1 == b.y2) ||
           (a.x2 == b.x1 && a.y2 == b.y1) || (a.x2 == b.x2 && a.y2 == b.y2);
}

// A wall of the view that meets no other at either end: only the outward side ordered its ends.
bool StandsAlone(const TList& document, int32_t view, int32_t index) {
    const TObject* wall = document[index];
    for (int32_t i = 0; i < document.count; ++i) {
        const TObject* o = document[i];
        if (i == index || !o || o->kind != kExtWall || o->view != view) continue;
        if (SharesAnEnd(*wall, *o)) return false;
    }
    return true;
}

// How far a wall runs across the outward side: along x when the outside is up or down, along y when
// it is left or right. The further it runs, the surer its own order of the ends.
int64_t RunAcrossOutside(const ExtWallWork& w, int32_t directionCode) {
    const bool sideways = directionCode == 2 || directionCode == 4;
    return sideways ? std::llabs(static_cast<int64_t>(w.y2) - w.y1)
                    : std::llabs(static_cast<int64_t>(w.x2) - w.x1);
}

// Turns a wall of the document round, with square-cut free ends, ready to lead into a new wall.
void TurnRoundInDocument(TExtwallobj& wall) {
    ExtWallWork o = LoadWall(wall);
    TurnRound(o);
    OutlineFree(o, kBothEnds);
    wall.x1 = o.x1;
    wall.y1 = o.y1;
    wall.x2 = o.x2;
    wall.y2 = o.y2;
    wall.direction = o.angle;
    StoreLayerPoints(o, wall);
}

// Rounds a non-negative length through hundredths: a fraction of 0.05 or more goes up.
int32_t RoundUpFromFiveHundredths(double value) {
    const auto n = static_cast<int64_t>(value * 100);
    const int64_t q = n / 100;
    return static_cast<int32_t>(n % 100 > 4 ? q + 1 : q);
}

} // namespace

SnappedWalls SnapToWallEnds(ExtWallWork& w, TList& document, int32_t view, int32_t tolerance,
                            int32_t directionCode) {
    SnappedWalls met{kNoObject, kNoObject, false};
    for (int32_t i = 0; i < document.count; ++i) {
        const TObject* o = document[i];
        if (!o || o->kind != kExtWall || o->view != view) continue;
        if (Near(w.x1, w.y1, o->x1, o->y1, tolerance)) {
            MoveWall(w, o->x1 - w.x1, o->y1 - w.y1);
            met.start = i;
        } else if (Near(w.x1, w.y1, o->x2, o->y2, tolerance)) {
            MoveWall(w, o->x2 - w.x1, o->y2 - w.y1);
            met.start = i;
        } else if (Near(w.x2, w.y2, o->x1, o->y1, tolerance)) {
            MoveWall(w, o->x1 - w.x2, o->y1 - w.y2);
            met.end = i;
        } else if (Near(w.x2, w.y2, o->x2, o->y2, tolerance)) {
            MoveWall(w, o->x2 - w.x2, o->y2 - w.y2);
            met.end = i;
        }
    }
    if (met.start == kNoObject) return met;
    // A start on the start of the wall met there (with any end met on that wall's end) is drawn
    // against the outline's direction: turned round, the new wall leads into that wall.
    const TObject* before = document[met.start];
    const TObject* after = met.end == kNoObject ? nullptr : document[met.end];
    const bool startOnStart = before->x1 == w.x1 && before->y1 == w.y1;
    const bool endAgainst = !after || (after->x2 == w.x2 && after->y2 == w.y2);
    if (!startOnStart || !endAgainst) return met;
    // Unless the wall met is a lone first wall shorter than the new wall's run across the outward
    // side (a slip of the pointer between two Enters, or a short angled corner): that wall says less
    // about which way round the outline goes, so it is the one turned round, to lead into the new
    // wall, and the outline keeps the order the user keys.
    TExtwallobj* lone = ExternalWallAt(document, met.start);
    const bool sideKnown = directionCode >= 1 && directionCode <= 4;
    if (!after && lone && sideKnown && StandsAlone(document, view, met.start)) {
        if (RunAcrossOutside(w, directionCode) > StraightLength(lone->x1, lone->y1, lone->x2, lone->y2)) {
            TurnRoundInDocument(*lone);
            return met;
        }
    }
    TurnRound(w);
    std::swap(met.start, met.end);
    met.reversed = true;
    return met;
}

bool OrderByDirection(ExtWallWork& w, int32_t directionCode) {
    bool exchange = false;
    switch (directionCode) {
    case 1:
        exchange = w.x1 > w.x2;
        break;
    case 2:
        exchange = w.y2 > w.y1;
        break;
    case 3:
        exchange = w.x2 > w.x1;
        break;
    case 4:
        exchange = w.y1 > w.y2;
        break;
    default:
        return false;
    }
    if (!exchange) return false;
    // Turned round, the wall keeps its own line: an angled wall stays angled.
    TurnRound(w);
    return true;
}

void FloorHeights(int32_t view, const int32_t heights[4], int32_t& bottom, int32_t& top) {
    if (view == kGroundFloor) {
        bottom = heights[0];
        top = heights[0] + heights[1];
    } else if (view == kFirstFloor) {
        bottom = heights[0] + heights[1];
        top = bottom + heights[2];
    } else if (view == kSecondFloor) {
        bottom = heights[0] + heights[1] + heights[2];
        top = bottom + heights[3];
    }
}

void FindTouchingWalls(const TList& document, int32_t view, int32_t wallIndex, int32_t& previous,
                       int32_t& next) {
    previous = kNoObject;
    next = kNoObject;
    const TObject* wall = document[wallIndex];
    if (!wall) return;
    for (int32_t i = 0; i < document.count; ++i) {
        const TObject* o = document[i];
        if (!o || o->kind != kExtWall || o->view != view) continue;
        if (o->x2 == wall->x1 && o->y2 == wall->y1)
            previous = i;
        else if (o->x1 == wall->x2 && o->y1 == wall->y2)
            next = i;
    }
}

int32_t StraightLength(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    const int64_t dx = static_cast<int64_t>(x2) - x1;
    const int64_t dy = static_cast<int64_t>(y2) - y1;
    return static_cast<int32_t>(std::sqrt(static_cast<double>(dx * dx + dy * dy)));
}

void TrimWallEnd(ExtWallWork& w, const TList& document, int32_t lineIndex, int32_t outgoing, int32_t incoming,
                 int32_t end, int32_t& length) {
    const TObject* line = document[lineIndex];
    if (!line) return;
    const int32_t t = w.layer1 + w.layer2 + w.layer3;
    const int32_t a = outgoing == 0 ? 3600 : outgoing;
    const int32_t back = incoming < 1800 ? incoming + 1800 : incoming - 1800;
    int32_t g = a - back;
    if (g < 0) g += 3600;
    const int32_t h = g / 2;
    int32_t px = end == 1 ? line->x1 : line->x2;
    int32_t py = end == 1 ? line->y1 : line->y2;
    if (h > kFoldMargin && h < 1800 - kFoldMargin) {
        const double d = t / std::cos(std::abs(h - 900) * kRadiansPerTenth);
        int32_t e = a - h;
        if (e < 0) e += 3600;
        const int32_t c = a <= 1800 ? a - h : 1800 - (a - h);
        const double cr = std::abs(c) * kRadiansPerTenth;
        const int32_t dx = RoundUpFromFiveHundredths(std::abs(std::sin(cr)) * d);
        const int32_t dy = RoundUpFromFiveHundredths(std::abs(std::cos(cr)) * d);
        px += e < 1800 ? dx : -dx;
        py += (e < 900 || e >= 2700) ? dy : -dy;
    }
    if (end == 1) {
        w.x1 = px;
        w.y1 = py;
        return;
    }
    w.x2 = px;
    w.y2 = py;
    if (w.x1 - kSquareSnap < w.x2 && w.x2 < w.x1 + kSquareSnap)
        w.x2 = w.x1;
    else if (w.y1 - kSquareSnap < w.y2 && w.y2 < w.y1 + kSquareSnap)
        w.y2 = w.y1;
    length = StraightLength(w.x1, w.y1, w.x2, w.y2);
}

} // namespace walls
