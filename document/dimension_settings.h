// The settings that shape dimensions: offsets and text sizes (CFG/MOFFSET.CFG in a metric drawing,
// CFG/IOFFSET.CFG in an imperial one) and the arrow of manual dimensions (CFG/ARROW.CFG), for the
// tools, the title block, the scale caption and the extents alike. Readers complete a missing or
// short file from the shipped defaults; a value outside the range its dialog allows is taken from the
// defaults too, and the file is then written back whole, so no dimension is built from nonsense.
#pragma once

#include <cstdint>

#include "document/cfg_files.h"

struct DimensionSettings {
    int32_t roomOffset = 0;              // room (internal) dimensions from the wall
    int32_t externalOffset = 0;          // external-wall dimensions from the wall
    int32_t overallOffset = 0;           // overall dimensions
    int32_t textOrientation = 0;         // 0 all text horizontal, 2700 parallel to the walls
    int32_t dimensionTextHeight = 0;     // 9 or 10
    int32_t roomDimensionTextHeight = 0; // 9 or 10: room and manual dimensions, line labels
    int32_t roomNameTextHeight = 0;      // 9 or 10
};

struct ArrowSettings {
    int32_t length = 0;    // whole arrow, drawing units
    int32_t headStyle = 0; // 1 to 4
};

// Text orientation value of "text parallel to the walls".
constexpr int32_t kParallelText = 2700;

// metricUnits 1 reads MOFFSET.CFG, 0 IOFFSET.CFG.
DimensionSettings ReadDimensionSettings(int32_t metricUnits);
// Writes the seven values with "%d %d %d %d %d %d %d", no line end, replacing the file atomically.
[[nodiscard]] bool WriteDimensionSettings(int32_t metricUnits, const DimensionSettings& settings);

// The arrow as a drawing of the given units reads it (metricUnits 1 millimetres, 0 1/24 inch).
ArrowSettings ReadArrowSettings(int32_t metricUnits);
// Writes "%d %d".
[[nodiscard]] bool WriteArrowSettings(const ArrowSettings& settings);

// Ranges of the dialogs, in drawing units of the drawing's own system (imperial: whole inches x 24).
struct OffsetRange {
    int32_t low;
    int32_t high;
};
OffsetRange RoomOffsetRange(int32_t metricUnits);
OffsetRange ExternalOffsetRange(int32_t metricUnits);
OffsetRange OverallOffsetRange(int32_t metricUnits);
// The arrow length as its dialog takes it, typed in millimetres or whole inches.
constexpr OffsetRange kArrowLengthRange{5, 5000};
// The same in drawing units of the drawing's system.
FieldRange ArrowLengthRange(int32_t metricUnits);
