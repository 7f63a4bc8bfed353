// The print operations of the simple shapes, texts, arrows, dimensions and rooms: the twins of the
// screen drawing, with every point placed through the bitmap transform instead of the mapping.
#include "document/document.h"
#include "document/objects.h"
#include "document/program_state.h"
#include "platform/dc.h"
#include "render/print_transform.h"
#include "render/shape_drawing.h"

using render::PrintTransform;

void TObject::Print(TDC&, int32_t, int32_t, int32_t) {}
void TObject::PrintSolid(TDC&, int32_t, int32_t, int32_t) {}
void TObject::PrintHatched(TDC&, int32_t, int32_t, int32_t, int32_t) {}

void TLineobj::Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) {
    render::DrawSegment(dc, PrintTransform{divisor, yBase, yOffset}, x1, y1, x2, y2);
}

void TArcobj::Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) {
    render::DrawArcShape(dc, PrintTransform{divisor, yBase, yOffset}, *this);
}

void TEllipseobj::Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) {
    render::DrawHollowEllipse(dc, PrintTransform{divisor, yBase, yOffset}, *this);
}

void TCircleobj::Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) {
    render::DrawHollowEllipse(dc, PrintTransform{divisor, yBase, yOffset}, *this);
}

void TRectangleobj::Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) {
    render::DrawHollowRectangle(dc, PrintTransform{divisor, yBase, yOffset}, *this);
}

void TRndrectobj::Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) {
    render::DrawHollowRoundRect(dc, PrintTransform{divisor, yBase, yOffset}, *this);
}

// At its stored height, with the bottom of the text where the screen uses the base line; the
// object's own angle is never changed.
void TTextobj::Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) {
    render::DrawTextShape(dc, PrintTransform{divisor, yBase, yOffset}, *this, height,
                          render::PrintedAngle(angle), TA_BOTTOM);
}

void TPolyobj::Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) {
    const PrintTransform t{divisor, yBase, yOffset};
    if (render::IsClosedOutlineKind(kind)) {
        render::DrawClosedOutline(dc, t, *this);
    } else if (kind == kOpeningPolygon) {
        POINT points[kMaxPoints];
        const int32_t n = render::PolygonPoints(t, *this, py, points);
        dc.SelectObject(TBrush(p6));
        dc.Polygon(points, n);
        dc.RestoreBrush();
    }
    // Every other kind, the filled symbols 200 to 249 among them, is not exported.
}

void TArrowobj::Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) {
    render::DrawArrowShape(dc, PrintTransform{divisor, yBase, yOffset}, *this);
}

// The strokes are divided too: with the export's divisors they have no length, leaving two bare
// segments.
void TDimensobj::Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) {
    const PrintTransform t{divisor, yBase, yOffset};
    render::DrawDimensionShape(dc, t, *this, t.Len(5), t.Len(20));
}

void TRoomobj::Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) {
    const PrintTransform t{divisor, yBase, yOffset};
    const int32_t x0 = t.X(x1), y0 = t.Y(y1), w = t.Len(value3), l = t.Len(value4);
    // Outline with the pen of the context.
    render::DeviceSegment(dc, x0, y0, x0 + w, y0);
    render::DeviceSegment(dc, x0 + w, y0, x0 + w, y0 + l);
    render::DeviceSegment(dc, x0 + w, y0 + l, x0, y0 + l);
    render::DeviceSegment(dc, x0, y0 + l, x0, y0);
    // Fill.
    dc.SelectObject(TBrush(fillColour));
    dc.Rectangle(x0, y0, x0 + w + 1, y0 + l + 1);
    dc.RestoreBrush();
    // The labels about the centre of the divided sizes, running down the page.
    render::WriteRoomLabels(dc, *this, DefaultTextHeight * PenScale, x0 + w / 2, y0 + l / 2, +1);
}
