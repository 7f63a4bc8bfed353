// Screen drawing of the annotation objects: dimension arrows, dimension lines with their end marks,
// and rooms (the filled rectangle with the name and size labels).
#include <cmath>

#include "document/document.h"
#include "document/objects.h"
#include "document/program_state.h"
#include "platform/dc.h"
#include "render/screen_units.h"
#include "render/shape_drawing.h"

using render::Scr;

namespace {

constexpr render::ScreenTransform kScreen{};

} // namespace

void TArrowobj::Draw(TDC& dc) {
    render::DrawArrowShape(dc, kScreen, *this);
}

void TDimensobj::Draw(TDC& dc) {
    // Only the plain head style is drawn by the dimension itself; its strokes are fixed on the screen.
    render::DrawDimensionShape(dc, kScreen, *this, 5, 20);
}

void TRoomobj::Draw(TDC& dc) {
    // On the wall-marking views of the room layout the rooms are left unfilled.
    const COLORREF fill =
        CurrentView >= kWallMarking && CurrentView <= kLastLayoutView ? BackgroundColour : fillColour;
    dc.SelectObject(TBrush(fill));

    // The outline is widened by about one screen pixel to the right and downward.
    const int32_t d = static_cast<float>(PenScale) == PenScaleF
                          ? PenScale
                          : static_cast<int32_t>(std::floor(PenScaleF + 0.5f));
    dc.Rectangle(Scr(x1), Scr(y1), Scr(x2) + d, Scr(y2) - d);
    dc.RestoreBrush();

    // The labels about the centre, formed in drawing units before the division.
    const int32_t cx = Scr(render::Saturate(int64_t{x1} + value3 / 2));
    const int32_t cy = Scr(render::Saturate(int64_t{y1} - value4 / 2));
    render::WriteRoomLabels(dc, *this, render::Saturate(int64_t{value2} * ZoomDivisor), cx, cy, -1);
}
