#include "editing/room_contents.h"

#include <algorithm>
#include <utility>

#include "document/objects.h"
#include "document/record_format.h"
#include "editing/base_line.h"
#include "editing/selection_shift.h"
#include "editing/selection_turn.h"

namespace editing {

namespace {

constexpr int32_t kFullTurn = 3600;   // tenths of a degree
constexpr int32_t kQuarterTurn = 900; // tenths of a degree
constexpr int32_t kClockwiseQuarter = 90;
// Symbols count on a drawing view only, never on a printed page's (view + 1000).
constexpr int32_t kFirstNonPlanView = 100;

bool Inside(const ContentsBox& box, int32_t x, int32_t y) {
    return box.left < x && x < box.right && box.bottom < y && y < box.top;
}

bool CornersInside(const TObject& o, const ContentsBox& box) {
    return Inside(box, o.x1, o.y1) && Inside(box, o.x2, o.y2);
}

// Every point in use; a polygon with none has no point outside.
bool PointsInside(const TObject& o, const ContentsBox& box) {
    const auto* poly = dynamic_cast<const TPolyobj*>(&o);
    if (!poly) return CornersInside(o, box);
    const int32_t n = std::clamp(poly->count, 0, TPolyobj::kMaxPoints);
    for (int32_t i = 0; i < n; ++i)
        if (!Inside(box, poly->px[i], poly->py[i])) return false;
    return true;
}

bool IntWallInside(const TObject& o, const ContentsBox& box) {
    const auto* wall = dynamic_cast<const TIntwallobj*>(&o);
    return CornersInside(o, box) &&
           (!wall || (Inside(box, wall->q1x, wall->q1y) && Inside(box, wall->q2x, wall->q2y)));
}

bool DimensionInside(const TObject& o, const ContentsBox& box) {
    const auto* dim = dynamic_cast<const TDimensobj*>(&o);
    return Inside(box, o.x1, o.y1) && (!dim || Inside(box, dim->d1x, dim->d1y));
}

bool ArcInside(const TObject& o, const ContentsBox& box) {
    const auto* arc = dynamic_cast<const TArcobj*>(&o);
    if (!arc) return CornersInside(o, box);
    return Inside(box, arc->sx, arc->sy) && Inside(box, arc->ex, arc->ey);
}

bool NeverContent(int32_t kind) {
    return kind == kExtWall || kind == kDesignRoom || kind == kReopenedRoom || IsFloorRecordKind(kind);
}

// The end of an internal wall toward the moving side follows it; a wall along the side moves whole.
void StretchAcross(int32_t& a1, int32_t& a2, int32_t& face1, int32_t& face2, bool towardLarger,
                   int64_t delta) {
    const auto move = [delta](int32_t& v) { AddClamped(v, delta); };
    if (a1 == a2) {
        move(a1), move(a2), move(face1), move(face2);
    } else if ((a1 > a2) == towardLarger) {
        move(a1), move(face1);
    } else {
        move(a2), move(face2);
    }
}

void StretchIntWall(TObject& o, int32_t side, int32_t amount) {
    auto* wall = dynamic_cast<TIntwallobj*>(&o);
    if (!wall) return;
    switch (side) {
    case basedir::kUp:
        StretchAcross(o.y1, o.y2, wall->q1y, wall->q2y, true, amount);
        break;
    case basedir::kRight:
        StretchAcross(o.x1, o.x2, wall->q1x, wall->q2x, true, amount);
        break;
    case basedir::kDown:
        StretchAcross(o.y1, o.y2, wall->q1y, wall->q2y, false, -int64_t{amount});
        break;
    case basedir::kLeft:
        StretchAcross(o.x1, o.x2, wall->q1x, wall->q2x, false, -int64_t{amount});
        break;
    default:
        break;
    }
}

void TurnPoints(TObject& o, const SelectionTurn& turn) {
    turn.ApplyInPlace(o.x1, o.y1);
    if (IsTextKind(o.kind)) return; // a text's x2 and y2 are not a position
    turn.ApplyInPlace(o.x2, o.y2);
    if (auto* arc = dynamic_cast<TArcobj*>(&o)) {
        turn.ApplyInPlace(arc->sx, arc->sy);
        turn.ApplyInPlace(arc->ex, arc->ey);
    }
    if (auto* wall = dynamic_cast<TIntwallobj*>(&o)) {
        turn.ApplyInPlace(wall->q1x, wall->q1y);
        turn.ApplyInPlace(wall->q2x, wall->q2y);
    }
    if (auto* arrow = dynamic_cast<TArrowobj*>(&o)) {
        for (auto [x, y] : {std::pair{&arrow->h1x, &arrow->h1y},
                            {&arrow->h2x, &arrow->h2y},
                            {&arrow->h3x, &arrow->h3y},
                            {&arrow->h4x, &arrow->h4y}})
            turn.ApplyInPlace(*x, *y);
    }
    if (auto* dim = dynamic_cast<TDimensobj*>(&o)) {
        turn.ApplyInPlace(dim->d1x, dim->d1y);
        turn.ApplyInPlace(dim->d2x, dim->d2y);
        const int64_t advanced = (int64_t{dim->value2} + kQuarterTurn) % kFullTurn;
        dim->value2 = static_cast<int32_t>(advanced < 0 ? advanced + kFullTurn : advanced);
    }
}

} // namespace

ContentsBox ContentsBoxOf(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    return ContentsBox{int64_t{x1} - kContentsMargin, int64_t{x2} + kContentsMargin,
                       int64_t{y1} + kContentsMargin, int64_t{y2} - kContentsMargin};
}

bool IsGeneratedRoomPart(const TObject& o, int32_t group, int32_t view) {
    if (!InGroup(o, group) || o.view != view) return false;
    const int32_t k = o.kind;
    return k == kLine || k == kSizeLabel || k == kRoomNameLabel || k == kIntWall || k == kManualDimension;
}

bool IsRoomContent(const TObject& o, const ContentsBox& box, int32_t view) {
    const int32_t kind = o.kind;
    if (o.view != view && kind != kOpening) return false;
    if (NeverContent(kind)) return false;
    if (kind == kIntWall) return IntWallInside(o, box);
    if (kind == kOpening) return PointsInside(o, box);
    if (IsPolygonKind(kind) || kind == kMarkerPolygon)
        return o.view < kFirstNonPlanView && PointsInside(o, box);
    if (IsArrowKind(kind)) return CornersInside(o, box);
    if (IsDimensionKind(kind)) return DimensionInside(o, box);
    if (IsTextKind(kind)) return Inside(box, o.x1, o.y1);
    if (kind == kArc) return ArcInside(o, box);
    return CornersInside(o, box);
}

void CarryContent(TObject& o, int32_t dx, int32_t dy) {
    // External walls are never listed; one named by a foreign list stays where it is.
    if (o.kind == kExtWall) return;
    ShiftObject(o, dx, dy);
}

void TurnContent(TObject& o, int32_t cx, int32_t cy) {
    const SelectionTurn turn(kClockwiseQuarter, cx, cy);
    if (auto* poly = dynamic_cast<TPolyobj*>(&o)) {
        const int32_t n = std::clamp(poly->count, 0, TPolyobj::kMaxPoints);
        for (int32_t i = 0; i < n; ++i)
            turn.ApplyInPlace(poly->px[i], poly->py[i]);
        return;
    }
    if (o.kind == kExtWall || IsFloorRecordKind(o.kind)) return;
    TurnPoints(o, turn);
}

void ShiftContentSide(TObject& o, int32_t side, int32_t amount) {
    if (o.kind == kIntWall) {
        StretchIntWall(o, side, amount);
        return;
    }
    switch (side) {
    case basedir::kUp:
        CarryContent(o, 0, amount);
        break;
    case basedir::kRight:
        CarryContent(o, amount, 0);
        break;
    case basedir::kDown:
        CarryContent(o, 0, Clamp32(-int64_t{amount}));
        break;
    case basedir::kLeft:
        CarryContent(o, Clamp32(-int64_t{amount}), 0);
        break;
    default:
        break;
    }
}

} // namespace editing
