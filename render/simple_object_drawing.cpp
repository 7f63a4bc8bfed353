// Screen drawing of the simple shapes: lines, texts, arcs, ellipses, circles, rectangles, rounded
// rectangles and polygons. Every coordinate is divided by ZoomDivisor, one value at a time.
#include "document/objects.h"
#include "document/program_state.h"
#include "platform/dc.h"
#include "render/screen_units.h"
#include "render/shape_drawing.h"

namespace {

constexpr render::ScreenTransform kScreen{};

} // namespace

// Per-floor records and the base class have nothing to show.
void TObject::Draw(TDC&) {}
void TObject::DrawSolid(TDC&) {}
void TObject::DrawHatched(TDC&, int32_t) {}

void TLineobj::Draw(TDC& dc) {
    render::DrawSegment(dc, kScreen, x1, y1, x2, y2);
}

void TArcobj::Draw(TDC& dc) {
    render::DrawArcShape(dc, kScreen, *this);
}

void TEllipseobj::Draw(TDC& dc) {
    render::DrawHollowEllipse(dc, kScreen, *this);
}

void TCircleobj::Draw(TDC& dc) {
    render::DrawHollowEllipse(dc, kScreen, *this);
}

void TRectangleobj::Draw(TDC& dc) {
    render::DrawHollowRectangle(dc, kScreen, *this);
}

void TRndrectobj::Draw(TDC& dc) {
    render::DrawHollowRoundRect(dc, kScreen, *this);
}

void TTextobj::Draw(TDC& dc) {
    if (TextScale == 0) TextScale = PenScale; // kept until the window's scale is set again
    int64_t h = int64_t{height} * TextScale;
    if (CurrentView == kSitePlan) h *= 3;
    render::DrawTextShape(dc, kScreen, *this, render::Saturate(h), angle, TA_BASELINE);
}

void TPolyobj::Draw(TDC& dc) {
    POINT points[kMaxPoints];
    if (render::IsClosedOutlineKind(kind)) {
        render::DrawClosedOutline(dc, kScreen, *this);
    } else if (kind == kOpeningPolygon) {
        const int32_t n = render::PolygonPoints(kScreen, *this, py, points);
        dc.SelectObject(TBrush(p6));
        dc.Polygon(points, n);
        dc.RestoreObjects();
    } else if (kind >= 200 && kind <= 249) {
        // Filled with its own thin pen; the heights array carries the y of these points.
        const int32_t n = render::PolygonPoints(kScreen, *this, ph, points);
        dc.SelectObject(TPen(colour, 1, PS_SOLID));
        dc.SelectObject(TBrush(p6));
        dc.Polygon(points, n);
        dc.RestoreObjects();
    }
}
