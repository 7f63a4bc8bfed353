#include "walls/extwall_outline.h"

#include <cmath>
#include <cstdlib>

#include "document/document.h"
#include "document/objects.h"

namespace walls {

namespace {

// Tenths of a degree to radians, as every wall angle is converted.
constexpr double kRadiansPerTenth = 0.001745;
// Half a corner angle (tenths) this close to 0 or 180 degrees is a fold-back: the mitre would run
// off without bound, so both walls keep square free ends there.
constexpr int32_t kFoldMargin = 30;

struct Offset {
    int32_t dx;
    int32_t dy;
};

// The unit step to the right of travel for a square bearing.
Offset RightOf(int32_t bearing) {
    switch (bearing) {
    case 900:
        return {0, -1};
    case 1800:
        return {-1, 0};
    case 2700:
        return {0, 1};
    default:
        return {1, 0};
    }
}

int32_t Reverse(int32_t bearing) {
    return bearing < 1800 ? bearing + 1800 : bearing - 1800;
}

// Offsets of lines 1 to 3 from the face; lines 2 and 3 exist when the second layer does.
struct Offsets {
    int32_t a[3];
    int32_t lines;
};

Offsets OffsetsOf(int32_t l1, int32_t l2, int32_t l3) {
    return {{l1, l1 + l2, l1 + l2 + l3}, l2 > 0 ? 3 : 1};
}

// Entry of line k (0-based) at the start or the end.
int32_t Entry(int32_t line, bool atStart) {
    return 2 * line + (atStart ? 0 : 1);
}

bool StartIn(int32_t ends) {
    return ends == kBothEnds || ends == kStartEnd;
}
bool EndIn(int32_t ends) {
    return ends == kBothEnds || ends == kFinishEnd;
}

// True when every line of a square wall stops square at that end, as a free end leaves it: along the
// wall, each point lies level with the face's end. Straightened lines still do; lines cornered with
// another wall, and an end with no points yet (they are at 0), do not.
bool StopsSquare(const ExtWallWork& w, bool atStart) {
    const bool upright = w.angle == 0 || w.angle == 1800;
    const int32_t faceEnd = upright ? (atStart ? w.y1 : w.y2) : (atStart ? w.x1 : w.x2);
    const int32_t lines = w.layer2 > 0 ? 3 : 1;
    for (int32_t k = 0; k < lines; ++k) {
        const int32_t e = Entry(k, atStart);
        if ((upright ? w.layerY[e] : w.layerX[e]) != faceEnd) return false;
    }
    return true;
}

void OrthoFreeEnd(ExtWallWork& w, bool atStart) {
    const int32_t x = atStart ? w.x1 : w.x2;
    const int32_t y = atStart ? w.y1 : w.y2;
    const Offset r = RightOf(w.angle);
    const Offsets o = OffsetsOf(w.layer1, w.layer2, w.layer3);
    for (int32_t k = 0; k < o.lines; ++k) {
        w.layerX[Entry(k, atStart)] = x + o.a[k] * r.dx;
        w.layerY[Entry(k, atStart)] = y + o.a[k] * r.dy;
    }
}

void ObliqueFreeEnd(ExtWallWork& w, bool atStart) {
    const int32_t a = w.angle;
    int32_t theta = a; // the bearing folded onto 0 to 90 degrees against the y axis
    if (a > 900 && a < 1800)
        theta = 1800 - a;
    else if (a > 1800 && a < 2700)
        theta = a - 1800;
    else if (a > 2700)
        theta = 3600 - a;
    const double radians = theta * kRadiansPerTenth;
    const int32_t sx = (a < 900 || a >= 2700) ? 1 : -1;
    const int32_t sy = a < 1800 ? -1 : 1;
    const int32_t x = atStart ? w.x1 : w.x2;
    const int32_t y = atStart ? w.y1 : w.y2;
    const Offsets o = OffsetsOf(w.layer1, w.layer2, w.layer3);
    for (int32_t k = 0; k < o.lines; ++k) {
        const auto ox = static_cast<int32_t>(o.a[k] * std::cos(radians));
        const auto oy = static_cast<int32_t>(o.a[k] * std::sin(radians));
        w.layerX[Entry(k, atStart)] = x + sx * ox;
        w.layerY[Entry(k, atStart)] = y + sy * oy;
    }
}

} // namespace

bool IsSquareBearing(int32_t angle) {
    return angle == 0 || angle == 900 || angle == 1800 || angle == 2700;
}

ExtWallWork LoadWall(const TExtwallobj& wall) {
    ExtWallWork w;
    w.x1 = wall.x1;
    w.y1 = wall.y1;
    w.x2 = wall.x2;
    w.y2 = wall.y2;
    w.angle = wall.direction;
    w.layer1 = wall.thickness1;
    w.layer2 = wall.thickness2;
    w.layer3 = wall.thickness3;
    const int32_t xs[6] = {wall.p1x, wall.p2x, wall.p3x, wall.p4x, wall.p5x, wall.p6x};
    const int32_t ys[6] = {wall.p1y, wall.p2y, wall.p3y, wall.p4y, wall.p5y, wall.p6y};
    for (int32_t k = 0; k < 6; ++k) {
        w.layerX[k] = xs[k];
        w.layerY[k] = ys[k];
    }
    return w;
}

void StoreLayerPoints(const ExtWallWork& w, TExtwallobj& wall) {
    int32_t* xs[6] = {&wall.p1x, &wall.p2x, &wall.p3x, &wall.p4x, &wall.p5x, &wall.p6x};
    int32_t* ys[6] = {&wall.p1y, &wall.p2y, &wall.p3y, &wall.p4y, &wall.p5y, &wall.p6y};
    for (int32_t k = 0; k < 6; ++k) {
        *xs[k] = w.layerX[k];
        *ys[k] = w.layerY[k];
    }
}

void OutlineOrthoFree(ExtWallWork& w, int32_t ends) {
    if (!IsSquareBearing(w.angle)) return;
    if (StartIn(ends)) OrthoFreeEnd(w, true);
    if (EndIn(ends)) OrthoFreeEnd(w, false);
}

void OutlineObliqueFree(ExtWallWork& w, int32_t ends) {
    if (StartIn(ends)) ObliqueFreeEnd(w, true);
    if (EndIn(ends)) ObliqueFreeEnd(w, false);
}

void OutlineFree(ExtWallWork& w, int32_t ends) {
    if (IsSquareBearing(w.angle))
        OutlineOrthoFree(w, ends);
    else
        OutlineObliqueFree(w, ends);
}

void OutlineOrthoJoin(ExtWallWork& w, TExtwallobj& other, int32_t code) {
    if (code != kJoinStart && code != kJoinEnd) return;
    const bool atStart = code == kJoinStart;
    const int32_t difference = std::abs(other.direction - w.angle);
    if (difference == 0) {
        OrthoFreeEnd(w, atStart);
        return;
    }
    if (difference != 900 && difference != 2700) {
        // Folding back: nothing to corner, but the end still gets its lines.
        OrthoFreeEnd(w, atStart);
        return;
    }

    const int32_t cx = atStart ? w.x1 : w.x2;
    const int32_t cy = atStart ? w.y1 : w.y2;
    const Offset own = RightOf(w.angle);
    const Offset theirs = RightOf(other.direction);
    const Offsets a = OffsetsOf(w.layer1, w.layer2, w.layer3);
    const Offsets b = OffsetsOf(other.thickness1, other.thickness2, other.thickness3);
    // Across its own direction each line keeps its own offset; along it, it stops at the other
    // wall's line of the same number.
    for (int32_t k = 0; k < a.lines; ++k) {
        w.layerX[Entry(k, atStart)] = cx + a.a[k] * own.dx + b.a[k] * theirs.dx;
        w.layerY[Entry(k, atStart)] = cy + a.a[k] * own.dy + b.a[k] * theirs.dy;
    }
    ExtWallWork o = LoadWall(other);
    for (int32_t k = 0; k < b.lines; ++k) {
        // The other wall's point at the corner: its end for code 1, its start for code 2.
        const int32_t e = Entry(k, !atStart);
        o.layerX[e] += a.a[k] * own.dx;
        o.layerY[e] += a.a[k] * own.dy;
    }
    StoreLayerPoints(o, other);
}

namespace {

// The bearing of a wall taken from its end points when its stored bearing is square.
int32_t BearingOf(const TExtwallobj& wall) {
    if (!IsSquareBearing(wall.direction)) return wall.direction;
    if (wall.y1 == wall.y2) return wall.x2 > wall.x1 ? 900 : 2700;
    return wall.y2 > wall.y1 ? 0 : 1800;
}

// Half the corner angle, measured clockwise from the outgoing wall.
int32_t HalfCorner(int32_t incoming, int32_t outgoing) {
    int32_t g = Reverse(incoming) - outgoing;
    if (g < 0) g += 3600;
    return g / 2;
}

// Layer lines at one end of a wall run parallel to its face: the end that is exactly vertical or
// horizontal keeps its lines so, whatever the mitre's truncation gave; the start wins.
void Straighten(ExtWallWork& w) {
    const int32_t lines = w.layer2 > 0 ? 3 : 1;
    for (int32_t k = 0; k < lines; ++k) {
        if (w.x1 == w.x2) w.layerX[2 * k + 1] = w.layerX[2 * k];
        if (w.y1 == w.y2) w.layerY[2 * k + 1] = w.layerY[2 * k];
    }
}

void StraightenOther(ExtWallWork& o) {
    const int32_t lines = o.layer2 > 0 ? 3 : 1;
    for (int32_t k = 0; k < lines; ++k) {
        if (o.x1 == o.x2)
            o.layerX[2 * k + 1] = o.layerX[2 * k];
        else if (o.y1 == o.y2)
            o.layerY[2 * k + 1] = o.layerY[2 * k];
    }
}

// Moves the corner P along the bisector by each layer's mitre in turn, line 1 first, writing the
// corner points into the given entries of `target`.
void MitreCorner(ExtWallWork& target, bool atStart, int32_t px, int32_t py, const int32_t t[3],
                 int32_t incoming, int32_t outgoing) {
    const int32_t h = HalfCorner(incoming, outgoing);
    const double m = std::abs(900 - h) * kRadiansPerTenth;
    const int32_t c = outgoing <= 1800 ? 1800 - (h + outgoing) : 3600 - (outgoing + h);
    const double cr = std::abs(c) * kRadiansPerTenth;
    int32_t e = outgoing + h;
    if (e > 3600) e -= 3600;
    const int32_t lines = t[1] > 0 ? 3 : 1;
    int32_t x = px;
    int32_t y = py;
    for (int32_t k = 0; k < lines; ++k) {
        const double d = t[k] / std::cos(m);
        const auto dx = static_cast<int32_t>(std::abs(std::sin(cr) * d));
        const auto dy = static_cast<int32_t>(std::abs(std::cos(cr) * d));
        x += e < 1800 ? dx : -dx;
        y += (e < 900 || e >= 2700) ? dy : -dy;
        target.layerX[Entry(k, atStart)] = x;
        target.layerY[Entry(k, atStart)] = y;
    }
}

} // namespace

void OutlineObliqueJoin(ExtWallWork& w, TExtwallobj& other, int32_t code) {
    ExtWallWork o = LoadWall(other);
    const int32_t beta = BearingOf(other);
    const int32_t own[3] = {w.layer1, w.layer2, w.layer3};
    const int32_t theirs[3] = {o.layer1, o.layer2, o.layer3};
    switch (code) {
    case kJoinStart:
        MitreCorner(w, true, w.x1, w.y1, own, beta, w.angle);
        break;
    case kJoinEnd:
        MitreCorner(w, false, w.x2, w.y2, own, w.angle, beta);
        break;
    case kJoinOtherEnd:
        MitreCorner(o, false, o.x2, o.y2, theirs, beta, w.angle);
        break;
    case kJoinOtherStart:
        MitreCorner(o, true, o.x1, o.y1, theirs, w.angle, beta);
        break;
    default:
        break;
    }
    Straighten(w);
    StraightenOther(o);
    StoreLayerPoints(o, other);
}

TExtwallobj* ExternalWallAt(const TList& document, int32_t index) {
    if (index == kNoObject) return nullptr;
    auto* wall = dynamic_cast<TExtwallobj*>(document[index]);
    return wall && wall->kind == kExtWall ? wall : nullptr;
}

void JoinCorner(ExtWallWork& w, TExtwallobj& other, int32_t code) {
    const bool atStart = code == kJoinStart;
    const int32_t beta = BearingOf(other);
    const int32_t h = atStart ? HalfCorner(beta, w.angle) : HalfCorner(w.angle, beta);
    if (h <= kFoldMargin || h >= 1800 - kFoldMargin) {
        OutlineFree(w, atStart ? kStartEnd : kFinishEnd);
        ExtWallWork o = LoadWall(other);
        OutlineFree(o, atStart ? kFinishEnd : kStartEnd);
        StoreLayerPoints(o, other);
        return;
    }
    if (IsSquareBearing(w.angle) && IsSquareBearing(other.direction)) {
        // The square join moves the other wall's corner points from where they stand. A square-cut
        // end keeps them, so lines an angled corner at its far end straightened stay parallel to the
        // face; an end with no points yet, or one cornered with a wall before, starts from a free end.
        ExtWallWork o = LoadWall(other);
        if (!StopsSquare(o, !atStart)) {
            OutlineFree(o, atStart ? kFinishEnd : kStartEnd);
            StoreLayerPoints(o, other);
        }
        OutlineOrthoJoin(w, other, code);
        return;
    }
    OutlineObliqueJoin(w, other, code);
    OutlineObliqueJoin(w, other, atStart ? kJoinOtherEnd : kJoinOtherStart);
}

void ComputeOutline(ExtWallWork& w, TList& document, int32_t startWall, int32_t endWall) {
    TExtwallobj* before = ExternalWallAt(document, startWall);
    TExtwallobj* after = ExternalWallAt(document, endWall);
    if (before && (before->x2 != w.x1 || before->y2 != w.y1)) before = nullptr;
    if (after && (after->x1 != w.x2 || after->y1 != w.y2)) after = nullptr;

    if (!before && !after)
        OutlineFree(w, kBothEnds);
    else if (!before)
        OutlineFree(w, kStartEnd);
    else if (!after)
        OutlineFree(w, kFinishEnd);
    if (before) JoinCorner(w, *before, kJoinStart);
    if (after) JoinCorner(w, *after, kJoinEnd);
}

} // namespace walls
