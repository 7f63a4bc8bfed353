// Where the sheet ends. In drawing units the sheet runs from 0 to SheetWidth × ZoomDivisor across
// and from 0 to SheetHeight × ZoomDivisor up, its edges on it. Nothing is stored past it: every road
// by which a point or an object reaches the drawing asks these.
#pragma once

#include <cstdint>

#include "document/drawn_extents.h"
#include "document/objects.h"

class TList;

[[nodiscard]] bool OnSheet(int64_t x, int64_t y);
// Whether the rectangle the points cover, moved by (dx, dy), lies on the sheet; an empty one does.
[[nodiscard]] bool OnSheet(const DrawnExtents& extents, int64_t dx = 0, int64_t dy = 0);
// Whether every stored point of the object lies on the sheet; the floor records hold none.
[[nodiscard]] bool StoredOnSheet(const TObject& object);
// How many objects of the list hold a point past the sheet.
[[nodiscard]] int32_t CountPastSheet(const TList& list);

// The sheet message every refused point gives.
inline constexpr const char* kPastSheetText =
    "Distance would take you outside the programme's total drawing sizes";
inline constexpr const char* kPastSheetCaption = "DRAWING SIZE";
