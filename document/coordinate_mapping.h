// The one mapping of the drawing window: isotropic, y up, the scroll origin at the bottom-left of the
// client area and the view extent fitted into it. Painters set it on their device context; the mouse
// and key handlers convert pointer positions through it. Logical units are drawing units divided by
// ZoomDivisor.
#pragma once

#include <cstdint>

#include "platform/win_types.h"

class TDC;

// Sets the mapping on the device context (only the right and bottom of the client rectangle count).
void SetDrawingMapping(TDC& dc, const RECT& client);

// Sets the mapping and converts one client pixel to logical units. 1 on success, 0 when the
// conversion failed; the outputs are written in either case (the input unchanged on failure).
int32_t ClientToDrawing(TDC& dc, const RECT& client, int32_t x, int32_t y, int32_t* outX, int32_t* outY);

// The reverse: a logical point to client pixels under the same mapping.
int32_t DrawingToClient(TDC& dc, const RECT& client, int32_t x, int32_t y, int32_t* outX, int32_t* outY);
