// Screen drawing of walls, normal and solid: the face lines with the pen the dispatch selected, and
// for the solid style a band filled with the stock black brush whatever the colour or selection.
#include "document/objects.h"
#include "platform/dc.h"
#include "render/screen_units.h"

using render::Scr;

namespace {

void Line(TDC& dc, int32_t ax, int32_t ay, int32_t bx, int32_t by) {
    dc.MoveToEx(Scr(ax), Scr(ay));
    dc.LineTo(Scr(bx), Scr(by));
}

} // namespace

void TIntwallobj::Draw(TDC& dc) {
    Line(dc, x1, y1, x2, y2);
    Line(dc, q1x, q1y, q2x, q2y);
}

void TExtwallobj::Draw(TDC& dc) {
    Line(dc, x1, y1, x2, y2);
    Line(dc, p1x, p1y, p2x, p2y);
    if (thickness2 >= 1) {
        Line(dc, p3x, p3y, p4x, p4y);
        Line(dc, p5x, p5y, p6x, p6y);
    }
}

void TIntwallobj::DrawSolid(TDC& dc) {
    dc.SelectStockObject(BLACK_BRUSH);
    Line(dc, x1, y1, x2, y2);
    Line(dc, q1x, q1y, q2x, q2y);
    dc.SelectStockObject(BLACK_BRUSH);
    const POINT band[4] = {
        {Scr(x1), Scr(y1)}, {Scr(x2), Scr(y2)}, {Scr(q2x), Scr(q2y)}, {Scr(q1x), Scr(q1y)}};
    dc.Polygon(band, 4);
}

void TExtwallobj::DrawSolid(TDC& dc) {
    // The inner face: line A of a single leaf, line C of a cavity wall.
    const bool cavity = thickness2 >= 1;
    const POINT ia{Scr(cavity ? p5x : p1x), Scr(cavity ? p5y : p1y)};
    const POINT ib{Scr(cavity ? p6x : p2x), Scr(cavity ? p6y : p2y)};
    dc.SelectStockObject(BLACK_BRUSH);
    Line(dc, x1, y1, x2, y2);
    dc.MoveToEx(ia.x, ia.y);
    dc.LineTo(ib.x, ib.y);
    dc.SelectStockObject(BLACK_BRUSH);
    const POINT band[4] = {{Scr(x1), Scr(y1)}, {Scr(x2), Scr(y2)}, ib, ia};
    dc.Polygon(band, 4);
}
