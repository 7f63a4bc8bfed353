#include "tools/tool_geometry.h"

#include "document/coordinate_mapping.h"
#include "document/program_state.h"
#include "platform/cursor.h"
#include "platform/dc.h"
#include "platform/window.h"
#include "tools/drawing_tool.h"

namespace tools {

POINT PixelToDrawing(TDC& dc, const RECT& client, int32_t x, int32_t y) {
    int32_t lx = 0;
    int32_t ly = 0;
    ClientToDrawing(nullptr, dc, client, x, y, &lx, &ly);
    return POINT{lx * ZoomDivisor, ly * ZoomDivisor};
}

void PutCursorOnDrawingPoint(TDrawingtool& tool, TDC& dc, int32_t x, int32_t y) {
    if (!tool.Window || ZoomDivisor == 0) return;
    const TRect client = tool.Window->GetClientRect();
    SetDrawingMapping(nullptr, dc, client);
    POINT p{x / ZoomDivisor, y / ZoomDivisor};
    dc.LPtoDP(&p, 1);
    TPoint screen(p.x, p.y);
    tool.Window->ClientToScreen(screen);
    SetCursorPos(screen.x, screen.y);
}

void SelectPreviewPen(TDC& dc, COLORREF colour) {
    dc.SetROP2(R2_XORPEN);
    // The gaps between the dots are left alone: filled with the background colour by exclusive-or
    // they would turn every dotted preview solid.
    dc.SetBkMode(TRANSPARENT);
    dc.SelectObject(TPen((colour ^ BackgroundColour) & 0x00ffffffu, 1, PS_DOT));
}

void RestoreCopyPen(TDC& dc) {
    dc.RestorePen();
    dc.SetROP2(R2_COPYPEN);
}

void DrawDottedBand(TDC& dc, const POINT& from, const POINT& to) {
    if (to.x == from.x && to.y == from.y) return;
    const auto logical = [](int32_t drawing) { return ZoomDivisor == 0 ? drawing : drawing / ZoomDivisor; };
    SelectPreviewPen(dc, PenColour);
    const TBrush oldBrush = dc.GetBrush();
    dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(logical(from.x), logical(from.y), logical(to.x), logical(to.y));
    dc.SelectObject(oldBrush);
    RestoreCopyPen(dc);
}

} // namespace tools
