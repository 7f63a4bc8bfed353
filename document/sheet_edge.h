// Where the sheet ends. In drawing units the sheet runs from 0 to SheetWidth × ZoomDivisor across
// and from 0 to SheetHeight × ZoomDivisor up, its edges on it. Nothing is stored past it: every road
// by which a point or an object reaches the drawing asks these.
#pragma once

#include <algorithm>
#include <cstdint>
#include <typeinfo>

#include "document/drawn_extents.h"
#include "document/objects.h"

class TList;

// The object as the class its kind's record describes, or null where it is not one: a check of its
// exact class, which costs far less than a cast through the hierarchy on the path of every step.
template <class T> const T* AsStored(const TObject& o) {
    return typeid(o) == typeid(T) ? static_cast<const T*>(&o) : dynamic_cast<const T*>(&o);
}

// Calls `point(x, y)` for every point the working file stores of the object, as its record holds
// them, until one answers false; false then. Texts store their anchor alone, a partition its second
// face too, a floor record none.
template <class Point> bool EveryStoredPoint(const TObject& o, Point&& point) {
    const int32_t k = o.kind;
    const auto corners = [&] { return point(o.x1, o.y1) && point(o.x2, o.y2); };
    if (IsLineKind(k) || k == kExtWall || IsArrowKind(k) || IsDimensionKind(k) || IsRoomRecordKind(k) ||
        (k >= kEllipse && k <= kRoundRect))
        return corners();
    if (IsTextKind(k)) return point(o.x1, o.y1);
    if (k == kIntWall) {
        const auto* wall = AsStored<TIntwallobj>(o);
        return corners() && (!wall || (point(wall->q1x, wall->q1y) && point(wall->q2x, wall->q2y)));
    }
    if (k == kArc) {
        const auto* arc = AsStored<TArcobj>(o);
        return corners() && (!arc || (point(arc->sx, arc->sy) && point(arc->ex, arc->ey)));
    }
    if (IsPolygonKind(k) || k == kMarkerPolygon || k == kOpening) {
        const auto* poly = AsStored<TPolyobj>(o);
        const int32_t n = poly ? std::clamp<int32_t>(poly->count, 0, TPolyobj::kMaxPoints) : 0;
        for (int32_t i = 0; i < n; ++i)
            if (!point(poly->px[i], poly->py[i])) return false;
    }
    return true;
}

// The sheet's far edges in drawing units: its right edge and its top (the others are 0).
[[nodiscard]] int64_t SheetRight();
[[nodiscard]] int64_t SheetTop();
// A place the program chooses itself, never the user, is put on the sheet rather than refused:
// `at` moved the least that puts the span from at + lo to at + hi between `from` and `to`; a span
// too long for them keeps its low end at `from`.
[[nodiscard]] int64_t Fitted(int64_t at, int64_t lo, int64_t hi, int64_t from, int64_t to);

[[nodiscard]] bool OnSheet(int64_t x, int64_t y);
// Whether the rectangle the points cover, moved by (dx, dy), lies on the sheet; an empty one does.
[[nodiscard]] bool OnSheet(const DrawnExtents& extents, int64_t dx = 0, int64_t dy = 0);
// Whether every point the working file stores of the object lies on the sheet: a text's anchor, a
// partition's second face, a room's corners; the floor records hold none.
[[nodiscard]] bool StoredOnSheet(const TObject& object);
// Widens the rectangle by those same points of the object.
void NoteStoredPoints(DrawnExtents& extents, const TObject& object);
// How many objects of the list hold a point past the sheet.
[[nodiscard]] int32_t CountPastSheet(const TList& list);

// A line or wall never starts where a coordinate is 0, on the sheet's left or bottom edge: the tools
// hold 0 there for a point not placed. A rectangle, ellipse or arc may lie there.
[[nodiscard]] constexpr bool StartsOnAnAxis(int64_t x, int64_t y) {
    return x == 0 || y == 0;
}

// The sheet message every refused point gives.
inline constexpr const char* kPastSheetText =
    "Distance would take you outside the programme's total drawing sizes";
inline constexpr const char* kPastSheetCaption = "DRAWING SIZE";
