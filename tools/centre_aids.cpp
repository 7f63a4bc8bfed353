// The two centre aids of every tool: CENTRE puts the mouse cursor midway between two clicked points,
// CENTRE CENTRE in the middle of a rectangle given by three of its corners. Afterwards the tool
// resumes the mode it had before the aid.
#include <algorithm>
#include <optional>

#include "document/program_state.h"
#include "platform/win_types.h"
#include "tools/centre_aid_modes.h"
#include "tools/drawing_tool.h"
#include "tools/tool_geometry.h"

namespace {

// The smaller value plus half the distance, halved toward zero.
int32_t Middle(int32_t a, int32_t b) {
    const int32_t low = std::min(a, b);
    return low + (std::max(a, b) - low) / 2;
}

bool ContinuesShape(int32_t kind) {
    return kind == 41 || kind == 60 || kind == 62 || kind == 64 || kind == toolkind::kOpening;
}

bool KeepsSecondClick(int32_t kind) {
    return kind == 72 || kind == 73 || kind == 80 || kind == 81 || kind == 83 || kind == 93;
}

// The centre of one axis from three clicks: between the first two when they lie apart, else between
// the second and the third.
int32_t AxisCentre(int32_t first, int32_t second, int32_t third, int32_t t) {
    if (second > first + t) return Middle(first, second);
    if (first > second + t) return Middle(second, first);
    if (third > second + t) return Middle(second, third);
    if (third + t < second) return Middle(third, second);
    return 0;
}

// A click of either aid: one on the window's outermost pixels is ignored; any other ends what the
// tool had engaged and gives the clicked point in drawing units.
std::optional<POINT> AidClick(TDrawingtool& tool, TDC& dc, TRect& client, int32_t x, int32_t y) {
    if (x < 3 || y < 3) return std::nullopt;
    tool.PointPlaced = 0;
    return tools::PixelToDrawing(dc, client, x, y);
}

} // namespace

bool TDrawingtool::PressGoesToAid(TDC& dc, TRect& client, const TPoint& point) {
    if (aidmode::IsMidpoint(Mode)) {
        MidpointAid(dc, client, point.x, point.y);
        return true;
    }
    if (aidmode::IsThreePoint(Mode)) {
        ThreePointAid(dc, client, point.x, point.y);
        return true;
    }
    return false;
}

void TDrawingtool::MidpointAid(TDC& dc, TRect& client, int32_t x, int32_t y) {
    const auto clicked = AidClick(*this, dc, client, x, y);
    if (!clicked) return;
    const POINT p = *clicked;
    if (Mode == aidmode::kMidpointFirst) {
        X1 = p.x;
        Y1 = p.y;
        Mode = aidmode::kMidpointSecond;
        if (ContinuesShape(Kind)) Dragging = 1;
        return;
    }
    if (Mode != aidmode::kMidpointSecond) return;
    if (ContinuesShape(Kind)) {
        Draw(dc, 0);
        Dragging = 0;
    }
    X0 = X1;
    Y0 = Y1;
    X0 = Middle(X0, p.x);
    Y0 = Middle(Y0, p.y);
    tools::PutCursorOnDrawingPoint(*this, dc, X0, Y0);
    if (ContinuesShape(Kind)) {
        Draw(dc, 0);
        Dragging = 1;
        Mode = toolmode::kIdle;
    } else if (KeepsSecondClick(Kind)) {
        Draw(dc, 0);
    } else {
        Mode = SavedMode;
    }
}

void TDrawingtool::ThreePointAid(TDC& dc, TRect& client, int32_t x, int32_t y) {
    const auto clicked = AidClick(*this, dc, client, x, y);
    if (!clicked) return;
    const POINT p = *clicked;
    if (Mode == aidmode::kThreePointFirst) {
        X0 = p.x;
        Y0 = p.y;
        Mode = aidmode::kThreePointSecond;
        return;
    }
    if (Mode == aidmode::kThreePointSecond) {
        X1 = p.x;
        Y1 = p.y;
        Mode = aidmode::kThreePointThird;
        return;
    }
    if (Mode != aidmode::kThreePointThird) return;
    const int32_t t = 20 * ZoomDivisor;
    const int32_t cx = AxisCentre(X0, X1, p.x, t);
    const int32_t cy = AxisCentre(Y0, Y1, p.y, t);
    X0 = cx;
    Y0 = cy;
    tools::PutCursorOnDrawingPoint(*this, dc, X0, Y0);
    Mode = SavedMode;
}
