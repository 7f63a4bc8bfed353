// Small steps every tool of the family shares: turning a window pixel into drawing units, putting the
// mouse cursor on a drawing point, and the exclusive-or pen of the previews.
#pragma once

#include <cstdint>

#include "platform/win_types.h"

class TDC;
class TDrawingtool;

namespace tools {

// A client pixel in drawing units (logical units times ZoomDivisor), through the drawing mapping,
// which is left set on the device context.
POINT PixelToDrawing(TDC& dc, const RECT& client, int32_t x, int32_t y);

// Puts the mouse cursor on a point in drawing units: divided by ZoomDivisor, mapped to client
// pixels of the tool's window and then to the screen. Nothing happens without a window.
void PutCursorOnDrawingPoint(TDrawingtool& tool, TDC& dc, int32_t x, int32_t y);

// Selects the preview pen: a one-pixel dotted pen drawn by exclusive-or. The pen colour is the
// tool's colour combined with the background, so that over the empty sheet the band shows in the
// tool's own colour (a black pen would otherwise leave a white sheet unchanged); a second pass puts
// every pixel back. The background mode becomes transparent, so the dots keep their gaps.
void SelectPreviewPen(TDC& dc, COLORREF colour);
// Back to plain copy drawing with the device context's own pen.
void RestoreCopyPen(TDC& dc);
// The dotted rectangle of a dragged band from one corner to the other, drawing units, by
// exclusive-or in the preview pen: a second call with the same corners takes it off again. A band of
// no size is never drawn.
void DrawDottedBand(TDC& dc, const POINT& from, const POINT& to);

} // namespace tools
