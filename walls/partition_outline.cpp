#include "walls/partition_outline.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "document/document.h"
#include "walls/partition_snapping.h"

namespace {

struct Offset {
    int32_t dx = 0;
    int32_t dy = 0;
};

void SetFreeEnds(PartitionDraft& d, int32_t ends, Offset o) {
    if (ends == kBothEnds || ends == kStartEnd) {
        d.FaceStartX = d.X0 + o.dx;
        d.FaceStartY = d.Y0 + o.dy;
    }
    if (ends == kBothEnds || ends == kEndEnd) {
        d.FaceEndX = d.X1 + o.dx;
        d.FaceEndY = d.Y1 + o.dy;
    }
}

bool BothSquare(const PartitionDraft& d, const TIntwallobj& w) {
    return IsSquareBearing(d.Angle) && IsSquareBearing(w.direction);
}

void FreeEndBeside(PartitionDraft& d, TList& doc, int32_t ends, int32_t wall) {
    const TIntwallobj* w = PartitionAt(doc, wall);
    if (w && BothSquare(d, *w))
        OutlineOrthoFree(d, doc, ends, wall);
    else
        OutlineObliqueFree(d, doc, ends, wall);
}

void JoinStart(PartitionDraft& d, TList& doc, int32_t wall) {
    const TIntwallobj* w = PartitionAt(doc, wall);
    if (!w) return;
    if (BothSquare(d, *w)) {
        OutlineOrthoJoin(d, doc, wall, kJoinAtStart);
        return;
    }
    OutlineObliqueJoin(d, doc, wall, kJoinAtStart);
    OutlineObliqueJoin(d, doc, wall, kJoinedWallEnd);
}

void JoinEnd(PartitionDraft& d, TList& doc, int32_t wall) {
    const TIntwallobj* w = PartitionAt(doc, wall);
    if (!w) return;
    if (BothSquare(d, *w)) {
        OutlineOrthoJoin(d, doc, wall, kJoinAtEnd);
        return;
    }
    OutlineObliqueJoin(d, doc, wall, kJoinAtEnd);
    OutlineObliqueJoin(d, doc, wall, kJoinedWallStart);
}

// A wall met at the new start by its own end, or at the new end by its own start, when both were
// snapped: a square wall joins only a square partition.
void JoinEitherWay(PartitionDraft& d, TList& doc, int32_t wall, int32_t code, int32_t wallCode) {
    const TIntwallobj* w = PartitionAt(doc, wall);
    if (!w) return;
    if (IsSquareBearing(d.Angle)) {
        if (IsSquareBearing(w->direction)) OutlineOrthoJoin(d, doc, wall, code);
        return;
    }
    OutlineObliqueJoin(d, doc, wall, code);
    OutlineObliqueJoin(d, doc, wall, wallCode);
}

// A joined wall continues the new partition at its start when the wall's first face ends there, or
// at its end when the wall's first face starts there; ends that merely touch are not joined.
void OutlineBothSnapped(PartitionDraft& d, TList& doc, int32_t a, int32_t b) {
    const TIntwallobj* wa = PartitionAt(doc, a);
    const TIntwallobj* wb = PartitionAt(doc, b);
    if (!wa || !wb) return;
    const bool aAtStart = EndsAt(wa, d.X0, d.Y0), bAtEnd = StartsAt(wb, d.X1, d.Y1);
    const bool bAtStart = EndsAt(wb, d.X0, d.Y0), aAtEnd = StartsAt(wa, d.X1, d.Y1);
    if (aAtStart) JoinStart(d, doc, a);
    if (bAtEnd) JoinEnd(d, doc, b);
    if (bAtStart) JoinEitherWay(d, doc, b, kJoinAtStart, kJoinedWallEnd);
    if (aAtEnd) JoinEitherWay(d, doc, a, kJoinAtEnd, kJoinedWallStart);
}

void FreeEnds(PartitionDraft& d, TList& doc, int32_t ends) {
    if (IsSquareBearing(d.Angle))
        OutlineOrthoFree(d, doc, ends, kNoObject);
    else
        OutlineObliqueFree(d, doc, ends, kNoObject);
}

// Whether the side a chain takes from the wall keeps the second face where the draft has it.
bool JoinKeepsTheSide(const PartitionDraft& d, TList& doc, int32_t wall) {
    if (!PartitionAt(doc, wall)) return true;
    PartitionDraft chained = d;
    FreeEndBeside(chained, doc, kBothEnds, wall);
    return chained.FaceStartX == d.FaceStartX && chained.FaceStartY == d.FaceStartY;
}

// Whether the new partition, on the side chosen, would only touch the joined wall's end corner to
// corner (its end standing on no face of that wall), so that the chain turns the corner with it.
bool TurnsTheCorner(const PartitionDraft& d, TList& doc, int32_t wall) {
    const TIntwallobj* w = PartitionAt(doc, wall);
    // The joint is exact after the snap: the end lies on the wall's face with no tolerance.
    constexpr int32_t kExact = 1;
    if (EndsAt(w, d.X0, d.Y0)) return !EndMeetsWall(*w, d.X0, d.Y0, d.FaceStartX, d.FaceStartY, kExact);
    if (StartsAt(w, d.X1, d.Y1)) return !EndMeetsWall(*w, d.X1, d.Y1, d.FaceEndX, d.FaceEndY, kExact);
    return false;
}

// Offsets of a free square end beside a joined square wall, by the wall's bearing (rows) and the new
// partition's (columns), in multiples of the signed thickness; valid false where nothing is written.
struct OrthoFreeCell {
    bool valid;
    int8_t x;
    int8_t y;
};
constexpr OrthoFreeCell kOrthoFree[4][4] = {
    {{true, -1, 0}, {true, 0, 1}, {false, 0, 0}, {true, 0, -1}},
    {{true, -1, 0}, {true, 0, 1}, {true, 1, 0}, {false, 0, 0}},
    {{false, 0, 0}, {true, 0, -1}, {true, -1, 0}, {true, 0, 1}},
    {{true, 1, 0}, {false, 0, 0}, {true, -1, 0}, {true, 0, 1}},
};

int32_t Quarter(int32_t bearing) {
    return bearing / 900;
}

// Which quarter of the compass a bearing falls in: below 900, below 1800, below 2700, from 2700.
int32_t QuarterBelow(int32_t bearing) {
    return bearing < 900 ? 0 : bearing < 1800 ? 1 : bearing < 2700 ? 2 : 3;
}

int32_t SideFromObliqueWall(const TIntwallobj& w) {
    const int32_t a = w.direction;
    if (a == 0) return w.q2x < w.x2 ? 3 : 1;
    const bool byX = (a < 900) || (a >= 1800 && a < 2700);
    if (byX) return w.x2 < w.q2x ? 3 : 1;
    return w.q2y < w.y2 ? 3 : 1;
}

// Mitre of two square walls: the new face point as multiples of s (the new thickness) and w (the
// joined wall's), and which coordinate of the joined wall's second face moves by s.
struct OrthoJoinRow {
    int32_t wall;
    int32_t bearing;
    int8_t xs, xw, ys, yw;
    char moves; // 'x', 'y' or 0
    int8_t by;  // multiple of s
};
constexpr OrthoJoinRow kOrthoJoin[] = {
    {0, 0, -1, 0, 0, 0, 0, 0},          {0, 900, 0, -1, 1, 0, 'y', 1},      {0, 2700, 0, -1, -1, 0, 'y', -1},
    {900, 0, -1, 0, 0, 1, 'x', -1},     {900, 900, 0, 0, 1, 0, 0, 0},       {900, 1800, 1, 0, 0, 1, 'x', 1},
    {1800, 900, 0, -1, -1, 0, 'y', -1}, {1800, 1800, -1, 0, 0, 0, 0, 0},    {1800, 2700, 0, -1, 1, 0, 'y', 1},
    {2700, 0, 1, 0, 0, 1, 'x', 1},      {2700, 1800, -1, 0, 0, 1, 'x', -1}, {2700, 2700, 0, 0, 1, 0, 0, 0},
};

// Signs of the oblique mitre's corner for PickKind 1, by whether r is below the bisector B and the
// ranges r and B fall in (inclusive bounds).
struct MitreSignRow {
    bool rBelowB;
    int32_t rLow, rHigh, bLow, bHigh;
    int8_t x, y;
};
constexpr int32_t kLow = -100000;
constexpr int32_t kHigh = 100000;
constexpr MitreSignRow kMitreSigns[] = {
    {true, kLow, 900, kLow, 900, -1, -1},     {true, kLow, 900, 901, 1800, -1, 1},
    {true, kLow, 900, 1801, 2700, 1, 1},      {true, 901, 1800, kLow, 1800, -1, 1},
    {true, 901, 1800, 1801, 2700, 1, 1},      {true, 1801, 2700, kLow, 2700, -1, -1},
    {true, 1801, 2700, 2701, kHigh, -1, 1},   {true, 2701, kHigh, 2701, kHigh, -1, 1},
    {false, kLow, 900, kLow, 900, 1, 1},      {false, 901, 1800, kLow, 900, 1, 1},
    {false, 901, 1800, 901, 1800, 1, -1},     {false, 1801, 2700, kLow, 900, -1, -1},
    {false, 1801, 2700, 901, 1800, -1, 1},    {false, 1801, 2700, 1801, 2700, 1, 1},
    {false, 2701, kHigh, kLow, 1800, -1, 1},  {false, 2701, kHigh, 1801, 2700, 1, 1},
    {false, 2701, kHigh, 2701, kHigh, 1, -1},
};

const MitreSignRow* MitreSigns(int32_t r, int32_t b) {
    if (r == b) return nullptr;
    for (const MitreSignRow& row : kMitreSigns) {
        if (row.rBelowB != (r < b)) continue;
        if (r >= row.rLow && r <= row.rHigh && b >= row.bLow && b <= row.bHigh) return &row;
    }
    return nullptr;
}

// The joined wall's bearing as seen from the joint.
int32_t BearingFromJoint(const TIntwallobj& w, int32_t code) {
    if (!IsSquareBearing(w.direction)) return w.direction;
    if (w.y1 == w.y2) return w.x1 < w.x2 ? 900 : 2700;
    if (w.x1 != w.x2) return w.direction;
    const bool descends = w.y2 < w.y1;
    if (code == kJoinAtStart || code == kJoinedWallEnd) return descends ? 1800 : 0;
    return descends ? 0 : 1800;
}

} // namespace

TIntwallobj* PartitionAt(const TList& document, int32_t index) {
    TObject* o = document[index];
    if (!o || o->kind != kIntWall) return nullptr;
    return dynamic_cast<TIntwallobj*>(o);
}

bool StartsAt(const TIntwallobj* w, int32_t x, int32_t y) {
    return w && w->x1 == x && w->y1 == y;
}

bool EndsAt(const TIntwallobj* w, int32_t x, int32_t y) {
    return w && w->x2 == x && w->y2 == y;
}

void ComputeOutline(PartitionDraft& d, TList& doc, int32_t a, int32_t b) {
    // Every end first takes the plain offset on the draft's side; a join replaces it. No end keeps a
    // face point from an earlier partition, or none at all.
    FreeEnds(d, doc, kBothEnds);
    // The side chosen for a new chain stands where the partition stands on a face of the wall it
    // would join: it meets that wall there as any other. Where it would only touch the wall's end
    // corner to corner, it turns the corner with the wall, mitred, on the wall's side.
    if (d.SideChosen) {
        for (int32_t* wall : {&a, &b}) {
            if (JoinKeepsTheSide(d, doc, *wall) || TurnsTheCorner(d, doc, *wall)) continue;
            if (EndsAt(PartitionAt(doc, *wall), d.X0, d.Y0)) d.StartLeftUnjoined = true;
            *wall = kNoObject;
        }
    }
    const TIntwallobj* wa = PartitionAt(doc, a);
    const TIntwallobj* wb = PartitionAt(doc, b);
    if (wa && !wb) {
        if (!EndsAt(wa, d.X0, d.Y0)) return;
        FreeEndBeside(d, doc, kEndEnd, a);
        JoinStart(d, doc, a);
    } else if (wb && !wa) {
        if (!StartsAt(wb, d.X1, d.Y1)) return;
        FreeEndBeside(d, doc, kStartEnd, b);
        JoinEnd(d, doc, b);
    } else if (wa && wb) {
        OutlineBothSnapped(d, doc, a, b);
    }
}

void OutlineOrthoFree(PartitionDraft& d, TList& doc, int32_t ends, int32_t wall) {
    const int32_t t = d.Thickness;
    if (wall == kNoObject) {
        const bool across = d.Angle == 900 || d.Angle == 2700;
        const bool along = d.Angle == 0 || d.Angle == 1800;
        if (across && d.Side == 1) SetFreeEnds(d, ends, {0, t});
        if (across && d.Side == 3) SetFreeEnds(d, ends, {0, -t});
        if (along && d.Side == 2) SetFreeEnds(d, ends, {t, 0});
        if (along && d.Side == 4) SetFreeEnds(d, ends, {-t, 0});
        return;
    }
    const TIntwallobj* w = PartitionAt(doc, wall);
    if (!w) return;
    const int32_t a = w->direction;
    if (a == 0 || a == 1800) d.Side = w->q2x < w->x2 ? 1 : 3;
    if (a == 900 || a == 2700) d.Side = w->q2y < w->y2 ? 3 : 1;
    if (!IsSquareBearing(a) || !IsSquareBearing(d.Angle)) return;
    const int32_t s = d.Side == 3 ? -t : t;
    const OrthoFreeCell cell = kOrthoFree[Quarter(a)][Quarter(d.Angle)];
    if (cell.valid) SetFreeEnds(d, ends, {cell.x * s, cell.y * s});
}

void OutlineObliqueFree(PartitionDraft& d, TList& doc, int32_t ends, int32_t wall) {
    const double theta = FoldedBearing(d.Angle) * kRadiansPerTenth;
    int32_t c = static_cast<int32_t>(d.Thickness * std::cos(theta) * 10) / 10;
    int32_t s = static_cast<int32_t>(d.Thickness * std::sin(theta) * 10) / 10;
    const int32_t q = QuarterBelow(d.Angle);
    if (wall == kNoObject) {
        // Columns: N below 900, below 1800, below 2700, from 2700.
        static constexpr int8_t kSigns[4][4][2] = {
            {{-1, 1}, {1, 1}, {-1, 1}, {1, 1}},     // side 1
            {{1, -1}, {1, 1}, {1, -1}, {1, 1}},     // side 2
            {{1, -1}, {-1, -1}, {1, -1}, {-1, -1}}, // side 3
            {{-1, 1}, {-1, -1}, {-1, 1}, {-1, -1}}, // side 4
        };
        if (d.Side < 1 || d.Side > 4) return;
        const int8_t* sign = kSigns[d.Side - 1][q];
        SetFreeEnds(d, ends, {sign[0] * c, sign[1] * s});
        return;
    }
    const TIntwallobj* w = PartitionAt(doc, wall);
    if (!w) return;
    d.Side = SideFromObliqueWall(*w);
    if (d.Side == 3) {
        c = -c;
        s = -s;
    }
    const int32_t a = w->direction;
    static constexpr int8_t kFromUpright[4][2] = {{1, -1}, {-1, -1}, {-1, 1}, {1, 1}};
    static constexpr int8_t kFromOblique[4][2] = {{-1, 1}, {1, 1}, {1, -1}, {-1, -1}};
    const int8_t* sign = (a == 0 || a >= 1800) ? kFromUpright[q] : kFromOblique[q];
    SetFreeEnds(d, ends, {sign[0] * c, sign[1] * s});
}

void OutlineOrthoJoin(PartitionDraft& d, TList& doc, int32_t wall, int32_t code) {
    TIntwallobj* w = PartitionAt(doc, wall);
    if (!w) return;
    const int32_t sign = d.Side == 3 ? -1 : 1;
    const int32_t s = d.Thickness * sign;
    const int32_t tw = w->thickness * sign;
    const auto* row = std::find_if(std::begin(kOrthoJoin), std::end(kOrthoJoin), [&](const OrthoJoinRow& r) {
        return r.wall == w->direction && r.bearing == d.Angle;
    });
    if (row == std::end(kOrthoJoin)) return;
    const int32_t px = code == kJoinAtStart ? d.X0 : d.X1;
    const int32_t py = code == kJoinAtStart ? d.Y0 : d.Y1;
    const int32_t fx = px + row->xs * s + row->xw * tw;
    const int32_t fy = py + row->ys * s + row->yw * tw;
    if (code == kJoinAtStart) {
        d.FaceStartX = fx;
        d.FaceStartY = fy;
    } else {
        d.FaceEndX = fx;
        d.FaceEndY = fy;
    }
    // The joined wall's second face meets the corner: its end when the new partition starts there,
    // its start when the new partition ends there.
    const bool atWallEnd = code == kJoinAtStart;
    if (row->moves == 'x') (atWallEnd ? w->q2x : w->q1x) += row->by * s;
    if (row->moves == 'y') (atWallEnd ? w->q2y : w->q1y) += row->by * s;
}

void OutlineObliqueJoin(PartitionDraft& d, TList& doc, int32_t wall, int32_t code) {
    TIntwallobj* w = PartitionAt(doc, wall);
    if (!w) return;
    const int32_t wa = BearingFromJoint(*w, code);
    const bool newFirst = code == kJoinAtStart || code == kJoinedWallEnd;
    const int32_t a1 = newFirst ? d.Angle : wa;
    const int32_t a2 = newFirst ? wa : d.Angle;
    int32_t px = 0, py = 0, t = d.Thickness;
    int32_t* fx = nullptr;
    int32_t* fy = nullptr;
    if (code == kJoinAtStart) {
        px = d.X0, py = d.Y0, fx = &d.FaceStartX, fy = &d.FaceStartY;
    } else if (code == kJoinAtEnd) {
        px = d.X1, py = d.Y1, fx = &d.FaceEndX, fy = &d.FaceEndY;
    } else if (code == kJoinedWallEnd) {
        px = w->x2, py = w->y2, t = w->thickness, fx = &w->q2x, fy = &w->q2y;
    } else {
        px = w->x1, py = w->y1, t = w->thickness, fx = &w->q1x, fy = &w->q1y;
    }
    const int32_t r = a2 < 1800 ? a2 + 1800 : a2 - 1800;
    int32_t h = std::abs(a1 - r) / 2;
    const int32_t bisector = std::min(a1, r) + h;
    if (h > 900 && h <= 1800) h = 1800 - h;
    if (h == 0) {
        // The two walls continue each other in a straight line: no mitre, the new partition's end
        // takes the free offset and the joined wall keeps its face.
        if (code == kJoinAtStart || code == kJoinAtEnd) OutlineObliqueFree(d, doc, code, wall);
        return;
    }
    const double length = t / std::sin(h * kRadiansPerTenth);
    const double bf = FoldedBearing(bisector) * kRadiansPerTenth;
    const int32_t dx = static_cast<int32_t>(std::fabs(std::sin(bf) * length));
    const int32_t dy = static_cast<int32_t>(std::fabs(std::cos(bf) * length));
    const MitreSignRow* signs = MitreSigns(r, bisector);
    int32_t sx = 0, sy = 0;
    if (signs && (d.Side == 1 || d.Side == 3)) {
        const int32_t flip = d.Side == 3 ? -1 : 1;
        sx = signs->x * flip;
        sy = signs->y * flip;
    }
    *fx = px + sx * dx;
    *fy = py + sy * dy;
}
