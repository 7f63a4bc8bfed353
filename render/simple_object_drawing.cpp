// Screen drawing of the simple shapes: lines, texts, arcs, ellipses, circles, rectangles, rounded
// rectangles and polygons. Every coordinate is divided by ZoomDivisor, one value at a time.
#include <algorithm>

#include "document/objects.h"
#include "platform/dc.h"
#include "render/screen_units.h"
#include "shell/globals.h"

using render::Scr;

// Per-floor records and the base class have nothing to show.
void TObject::Draw(TDC&) {}
void TObject::DrawSolid(TDC&) {}
void TObject::DrawHatched(TDC&, int32_t) {}

void TLineobj::Draw(TDC& dc) {
    dc.MoveToEx(Scr(x1), Scr(y1));
    dc.LineTo(Scr(x2), Scr(y2));
}

void TArcobj::Draw(TDC& dc) {
    dc.Arc(Scr(x1), Scr(y1), Scr(x2), Scr(y2), Scr(sx), Scr(sy), Scr(ex), Scr(ey));
}

// Outlines only: whatever brush the context held, these shapes are never filled.
void TEllipseobj::Draw(TDC& dc) {
    dc.SelectStockObject(NULL_BRUSH);
    dc.Ellipse(Scr(x1), Scr(y1), Scr(x2), Scr(y2));
}

void TCircleobj::Draw(TDC& dc) {
    dc.SelectStockObject(NULL_BRUSH);
    dc.Ellipse(Scr(x1), Scr(y1), Scr(x2), Scr(y2));
}

void TRectangleobj::Draw(TDC& dc) {
    dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(Scr(x1), Scr(y1), Scr(x2), Scr(y2));
}

void TRndrectobj::Draw(TDC& dc) {
    dc.SelectStockObject(NULL_BRUSH);
    const int32_t ellipse =
        Scr(render::Saturate(2 * int64_t{corner})); // sized in drawing units, then divided
    dc.RoundRect(Scr(x1), Scr(y1), Scr(x2), Scr(y2), ellipse, ellipse);
}

namespace {

// The anchoring of a text at its point. False where the style sets none: the text then keeps the
// alignment the context holds from the text drawn before it.
bool AlignmentOf(int32_t style, int32_t angle, uint32_t& align) {
    switch (style) {
    case 1:
        if (angle == 0) {
            align = TA_CENTER | TA_BASELINE;
            return true;
        }
        if (angle == 2700) {
            align = TA_LEFT | TA_BASELINE;
            return true;
        }
        return false;
    case 2:
    case 3:
        align = TA_LEFT | TA_BASELINE;
        return true;
    case 4:
        align = TA_CENTER | TA_TOP;
        return true;
    case 5:
        align = TA_LEFT | TA_TOP;
        return true;
    case 6:
        align = TA_CENTER | TA_BASELINE;
        return true;
    default:
        return false;
    }
}

} // namespace

void TTextobj::Draw(TDC& dc) {
    const int32_t fontWeight = weight < 500 ? FW_NORMAL : FW_BOLD;
    if (TextScale == 0) TextScale = PenScale; // kept for every later text until printing resets it
    int64_t h = int64_t{height} * TextScale;
    if (CurrentView == kSitePlan) h *= 3;

    const TFont font(fontName, render::Saturate(h), 0, angle, 0, fontWeight, 0, 0, 0, ANSI_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, VARIABLE_PITCH);
    dc.SelectObject(font);
    uint32_t align = 0;
    if (AlignmentOf(style, angle, align)) dc.SetTextAlign(align);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(colour); // a text keeps its own colour, selected or overlaid
    dc.TextOut(Scr(x1), Scr(y1), text, std::clamp(textLength, 0, kTextCapacity));
    dc.RestoreFont();
}

void TPolyobj::Draw(TDC& dc) {
    const int32_t n = std::clamp(count, 0, kMaxPoints);
    POINT points[kMaxPoints];
    if ((kind >= 131 && kind <= 149) || kind == 500) {
        // Closed outline, one segment per point, the last joining the first.
        for (int32_t i = 0; i < n; ++i) {
            const int32_t j = (i + 1) % n;
            dc.MoveToEx(Scr(px[i]), Scr(py[i]));
            dc.LineTo(Scr(px[j]), Scr(py[j]));
        }
    } else if (kind == kOpeningPolygon) {
        for (int32_t i = 0; i < n; ++i)
            points[i] = POINT{Scr(px[i]), Scr(py[i])};
        dc.SelectObject(TBrush(p6));
        dc.Polygon(points, n);
        dc.RestoreObjects();
    } else if (kind >= 200 && kind <= 249) {
        // Filled with its own thin pen; the heights array carries the y of these points.
        for (int32_t i = 0; i < n; ++i)
            points[i] = POINT{Scr(px[i]), Scr(ph[i])};
        dc.SelectObject(TPen(colour, 1, PS_SOLID));
        dc.SelectObject(TBrush(p6));
        dc.Polygon(points, n);
        dc.RestoreObjects();
    }
}
