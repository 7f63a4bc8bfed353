// Whether a partition would lie inside an external wall: between the wall's outer and inner faces,
// where no room is.
#pragma once

#include <cstdint>

class TList;

// Whether the partition whose start cap runs from its first face's start (x0, y0) to its second
// face's start (fx, fy), and which runs on toward (x1, y1), lies inside an external wall of the view
// just past its start: beyond the 30 units within which a start counts as lying on a face (or half
// its length, when shorter).
bool StartsInsideWall(const TList& document, int32_t view, int32_t x0, int32_t y0, int32_t fx, int32_t fy,
                      int32_t x1, int32_t y1);
