// The custom external wall's sizes, CFG/CUST.CFG (millimetres) or CFG/CUSTIMP.CFG (1/24 inch), with
// the ranges its dialogs allow; the external-wall settings take their layer ranges from them. Each
// file holds "%d %d %d %d", no line end: the number of lines, the total thickness, the outside layer
// and the cavity.
#pragma once

#include <array>
#include <cstdint>

#include "document/cfg_files.h"

struct CustomWall {
    int32_t lines = 0;
    int32_t total = 0;
    int32_t outside = 0;
    int32_t cavity = 0;
};

// Lines, total, outside and cavity, in the file's units. Imperial sizes are whole inches with a
// fraction of at most seven eighths.
std::array<FieldRange, 4> CustomWallRanges(int32_t metricUnits);

// A four-line wall keeps an inner layer: its outside layer and cavity together are less than the
// whole. A two-line wall has only its whole.
bool LeavesAnInnerLayer(const CustomWall& wall);

// A field missing or outside its range reads as shipped, as do the sizes of a four-line wall that
// leaves no inner layer, and the file is written back whole.
CustomWall ReadCustomWall(int32_t metricUnits);
[[nodiscard]] bool WriteCustomWall(int32_t metricUnits, const CustomWall& wall);
