// The one mapping between the drawing window's client pixels and logical units (drawing units divided
// by ZoomDivisor): isotropic, y up, logical (ScrollOriginX, ScrollOriginY) at the bottom-left corner.
#pragma once

#include <cstdint>

#include "platform/win_types.h"

class TDC;

// Sets the mapping on the device context; it stays there after the call. The first argument is
// not used.
void SetDrawingMapping(const void* unused, TDC& dc, const RECT& client);

// Sets the mapping and converts one client point to logical units. Returns 1 on success, 0 on
// failure; the out values are stored either way (the input point when the conversion failed).
int32_t ClientToDrawing(const void* unused, TDC& dc, const RECT& client, int32_t x, int32_t y, int32_t* outX,
                        int32_t* outY);

// The same the other way: one logical point to client pixels.
int32_t DrawingToClient(const void* unused, TDC& dc, const RECT& client, int32_t x, int32_t y, int32_t* outX,
                        int32_t* outY);
