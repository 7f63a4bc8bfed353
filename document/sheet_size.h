// The size of the sheet a drawing lies on, in logical units (drawing units / ZoomDivisor):
// CFG/DWGSIZEM.CFG in a metric drawing, CFG/DWGSIZEI.CFG in an imperial one. No dialog edits the
// file; the drawing window rewrites it with a height fitted to the window.
#pragma once

#include <cstdint>

struct SheetSize {
    int32_t width = 0;
    int32_t height = 0;
};

// The least and most a side may be. At the largest ZoomDivisor (6) the widest sheet spans 192000
// drawing units: every coordinate on it stays below the 200000 an empty floor's extents start from,
// and sums and products of sheet sizes stay far inside 32 bits. Both shipped sizes lie inside.
constexpr int32_t kLeastSheetSide = 4000;
constexpr int32_t kMostSheetSide = 32000;
// The height follows the window's shape, so a wide, short window gives a low sheet.
constexpr int32_t kLeastSheetHeight = 1000;

// A side outside the range reads as shipped, and the file is then rewritten whole.
SheetSize ReadSheetSize(int32_t metricUnits);
// Writes "%ld %ld", no line end, replacing the file atomically.
[[nodiscard]] bool WriteSheetSize(int32_t metricUnits, const SheetSize& size);
