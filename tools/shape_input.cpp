// Input and previews of the shape tools: keyed rectangles and rounded rectangles, dragged or keyed
// circles, dragged ellipses and keyed arcs. Each shape is held as its bounding box (X0, Y0)-(X1, Y1)
// in drawing units; previews are drawn in window units with the exclusive-or dotted pen.
#include <cstdlib>
#include <utility>

#include "document/program_state.h"
#include "platform/dc.h"
#include "platform/virtual_keys.h"
#include "tools/shape_tools.h"
#include "tools/tool_geometry.h"

namespace {

// The preview pen with a hollow brush, so only outlines are drawn.
void BeginOutlinePreview(TDC& dc, COLORREF colour) {
    tools::SelectPreviewPen(dc, colour);
    dc.SelectStockObject(NULL_BRUSH);
}

void EndOutlinePreview(TDC& dc) {
    dc.RestoreBrush();
    tools::RestoreCopyPen(dc);
}

int32_t ToWindow(int32_t v) {
    return ZoomDivisor == 0 ? v : v / ZoomDivisor;
}

// The box of the circle about the centre whose radius is the pointer's horizontal distance.
void BoxFromPointer(TCircletool& tool, int32_t pointerX) {
    const int32_t r = pointerX - tool.CentreX;
    tool.X0 = tool.CentreX - r;
    tool.X1 = tool.CentreX + r;
    tool.Y0 = tool.CentreY - r;
    tool.Y1 = tool.CentreY + r;
}

} // namespace

// --- Rectangle and rounded rectangle ---

void TRectangletool::Draw(TDC& dc, int32_t) {
    BeginOutlinePreview(dc, Colour);
    dc.Rectangle(ToWindow(X0), ToWindow(Y0), ToWindow(X1), ToWindow(Y1));
    EndOutlinePreview(dc);
}

void TRectangletool::KeyDown(TDC& dc, TRect& client, uint32_t key, TPoint* point, int32_t step) {
    PenWidth = ::PenWidth;
    Colour = PenColour;
    if (key == VK_RETURN) {
        X1 = 0;
        Y1 = 0;
        acrossKeyed_ = upKeyed_ = false;
        const POINT p = tools::PixelToDrawing(dc, client, point->x, point->y);
        X0 = p.x;
        Y0 = p.y;
        PointPlaced = 1;
    } else if (PointPlaced == 1) {
        // Arrows measure from the corner placed with Enter; before it there is nothing to measure from.
        if (key == VK_LEFT) X1 = X0 - step;
        if (key == VK_RIGHT) X1 = X0 + step;
        if (key == VK_UP) Y1 = Y0 + step;
        if (key == VK_DOWN) Y1 = Y0 - step;
        acrossKeyed_ = acrossKeyed_ || key == VK_LEFT || key == VK_RIGHT;
        upKeyed_ = upKeyed_ || key == VK_UP || key == VK_DOWN;
    }
    if (acrossKeyed_ && upKeyed_) {
        if (tools::Failed(CreateObject(dc, client))) return;
        PointPlaced = 0;
        X0 = X1 = Y0 = Y1 = 0;
        acrossKeyed_ = upKeyed_ = false;
        return;
    }
    if (PointPlaced != 1) return;
    if (acrossKeyed_)
        tools::PutCursorOnDrawingPoint(*this, dc, X1, Y0);
    else if (upKeyed_)
        tools::PutCursorOnDrawingPoint(*this, dc, X0, Y1);
    else
        tools::PutCursorOnDrawingPoint(*this, dc, X0, Y0);
}

void TRoundrecttool::Draw(TDC& dc, int32_t) {
    const int32_t corner = ToWindow(2 * Count);
    BeginOutlinePreview(dc, Colour);
    dc.RoundRect(ToWindow(X0), ToWindow(Y0), ToWindow(X1), ToWindow(Y1), corner, corner);
    EndOutlinePreview(dc);
}

// --- Circle ---

void TCircletool::ButtonDown(TDC& dc, TRect& client, TPoint* point) {
    if (PressGoesToAid(dc, client, *point)) return;
    Dragging = 1;
    PenWidth = ::PenWidth;
    Colour = PenColour;
    const POINT p = tools::PixelToDrawing(dc, client, point->x, point->y);
    X0 = X1 = CentreX = p.x;
    Y0 = Y1 = CentreY = p.y;
}

void TCircletool::MouseMove(TDC& dc, TRect& client, int32_t x, int32_t y) {
    if (Dragging != 1) return;
    const POINT p = tools::PixelToDrawing(dc, client, x, y);
    Draw(dc, 0);
    BoxFromPointer(*this, p.x);
    Draw(dc, 0);
}

void TCircletool::ButtonUp(TDC& dc, TRect& client, TPoint* point) {
    if (Dragging != 1) return;
    Dragging = 0;
    const POINT p = tools::PixelToDrawing(dc, client, point->x, point->y);
    BoxFromPointer(*this, p.x);
    // The release point is the last move point, so this pass erases the last preview.
    Draw(dc, 0);
    dc.SetROP2(R2_COPYPEN);
    if (tools::Failed(CreateObject(dc, client))) return;
    CentreX = CentreY = 0;
}

void TCircletool::Draw(TDC& dc, int32_t) {
    BeginOutlinePreview(dc, Colour);
    dc.Ellipse(ToWindow(X0), ToWindow(Y0), ToWindow(X1), ToWindow(Y1));
    EndOutlinePreview(dc);
}

void TCircletool::KeyDown(TDC& dc, TRect& client, uint32_t, TPoint* point, int32_t) {
    X0 = X1 = Y0 = Y1 = 0;
    CentreX = CentreY = 0;
    if (Kind == 18) {
        Count = 10;
        PenWidth = 2;
    } else {
        PenWidth = ::PenWidth;
    }
    Colour = PenColour;
    // A radius of 0 or below draws nothing (and would turn the box inside out).
    if (Count >= 1) {
        const POINT p = tools::PixelToDrawing(dc, client, point->x, point->y);
        X0 = p.x - Count;
        X1 = p.x + Count;
        Y0 = p.y - Count;
        Y1 = p.y + Count;
        if (tools::Failed(CreateObject(dc, client))) return;
    }
    Count = 0;
}

// --- Ellipse (dragged through the line tool's input) ---

void TEllipsetool::Draw(TDC& dc, int32_t) {
    BeginOutlinePreview(dc, Colour);
    dc.Ellipse(ToWindow(X0), ToWindow(Y0), ToWindow(X1), ToWindow(Y1));
    EndOutlinePreview(dc);
}

// --- Arc ---

void TArctool::Draw(TDC& dc, int32_t) {
    tools::SelectPreviewPen(dc, Colour);
    dc.Arc(ToWindow(X0), ToWindow(Y0), ToWindow(X1), ToWindow(Y1), ToWindow(ArcStartX), ToWindow(ArcStartY),
           ToWindow(ArcEndX), ToWindow(ArcEndY));
    tools::RestoreCopyPen(dc);
}

void TArctool::KeyDown(TDC& dc, TRect& client, uint32_t, TPoint* point, int32_t step) {
    Colour = PenColour;
    PenWidth = ::PenWidth;
    const POINT p = tools::PixelToDrawing(dc, client, point->x, point->y);
    if (ArcPhase == 0) {
        X0 = ArcEndX = p.x;
        Y0 = ArcEndY = p.y;
        ArcPhase = 1;
        PointPlaced = 0;
        return;
    }
    X1 = p.x;
    Y1 = p.y;
    // F is the first keyed point (kept in ArcEnd), S the second.
    int32_t fx = ArcEndX;
    int32_t fy = ArcEndY;
    int32_t sx = X1;
    int32_t sy = Y1;
    const int32_t t = 10 * ZoomDivisor;
    bool create = false;
    // A step of 0 has no bulge: there is no arc to draw.
    if (step != 0 && std::abs(sy - fy) < t && sx != fx) {
        sy = fy; // a level chord; F is the left end for a positive step, the right end for a negative one
        if ((step > 0) == (fx > sx)) std::swap(fx, sx);
        X0 = fx;
        X1 = sx;
        Y0 = fy - step;
        Y1 = fy + step;
        ArcStartX = sx;
        ArcStartY = fy;
        create = true;
    } else if (step != 0 && std::abs(sx - fx) < t && sy != fy) {
        sx = fx; // a plumb chord; F is the lower end for a positive step, the upper one for a negative one
        if ((step > 0) == (fy > sy)) std::swap(fy, sy);
        X0 = fx - step;
        X1 = fx + step;
        Y0 = fy;
        Y1 = sy;
        ArcStartX = sx;
        ArcStartY = sy;
        create = true;
    }
    if (create) {
        ArcEndX = fx;
        ArcEndY = fy;
        if (tools::Failed(CreateObject(dc, client))) return;
    }
    X0 = X1 = Y0 = Y1 = 0;
    ArcStartX = ArcStartY = ArcEndX = ArcEndY = 0;
    ArcPhase = 0;
    PointPlaced = 0;
}
