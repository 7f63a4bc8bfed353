// Zoom of the drawing window and the invalidation requests of the edits. A zoom is the pair
// ViewExtentX, ViewExtentY (the window extent of the screen mapping), the scroll origin and
// PenScaleF (logical units per pixel); every kind ends by bringing the scroller, the bars and the
// screen in line with them. A zoom changes the view and nothing else: the current tool stays, the
// same tool holding what it held, since all it holds is in drawing units.
#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>

#include "document/cfg_files.h"
#include "document/coordinate_mapping.h"
#include "document/document.h"
#include "document/extents_file.h"
#include "document/program_state.h"
#include "platform/file_io.h"
#include "platform/scroller.h"
#include "platform/window_dc.h"
#include "rooms/room_settings.h"
#include "shell/child.h"
#include "shell/client.h"
#include "shell/normal_scale.h"
#include "tools/drawing_tool.h"

namespace {

constexpr int32_t kNothingMin = 200000; // start values of the extents and bounds files
constexpr int32_t kNothingMax = 0;

// v to two decimals, then to the nearest whole number, halves up.
int32_t Nearest(float v) {
    const auto n = static_cast<int64_t>(100.0 * v);
    return static_cast<int32_t>(n / 100 + (n % 100 > 49 ? 1 : 0));
}

bool NothingToFit(int32_t minX, int32_t maxX, int32_t maxY, int32_t minY) {
    return minX == kNothingMin || minY == kNothingMin || maxX == kNothingMax || maxY == kNothingMax;
}

// The floor's rectangle fills the window exactly, but the origin then snaps to whole scroll steps
// and would push one side of the drawing out of the window. The view grows by a little over two
// steps at each side, centred, and starts at the rectangle's corner itself, so every wall stays in
// sight.
void FitWithSnapRoom(int32_t right, int32_t bottom, int32_t xu, int32_t yu, int32_t minX, int32_t minY) {
    const float roomX = 4.4f * xu, roomY = 4.4f * yu;
    float grow = 1.0f;
    if (right > 2 * roomX && bottom > 2 * roomY)
        grow = std::max(right / (right - roomX), bottom / (bottom - roomY));
    const auto widerX = static_cast<int32_t>(ViewExtentX * grow);
    const auto widerY = static_cast<int32_t>(ViewExtentY * grow);
    minX -= (widerX - ViewExtentX) / 2;
    minY -= (widerY - ViewExtentY) / 2;
    ViewExtentX = widerX;
    ViewExtentY = widerY;
    PenScaleF = static_cast<float>(ViewExtentX) / right;
    ScrollOriginX = minX;
    ScrollOriginY = minY;
}

// Shrink by half: one more normal extent (the one stored at the last normal zoom, else the
// window's own), never beyond the sheet.
void GrowByNormalExtent(int32_t right, int32_t bottom) {
    constexpr FieldRange kExtent{1, 200000};
    const auto stored = ReadRangedRecord("ZOOM.CFG", std::array{kExtent, kExtent});
    int32_t zx = stored ? (*stored)[0] : right * PenScale;
    int32_t zy = stored ? (*stored)[1] : bottom * PenScale;
    if (PenScaleF < PenScale) {
        ViewExtentX = zx;
        ViewExtentY = zy;
        PenScaleF = static_cast<float>(PenScale);
    }
    ViewExtentX += zx;
    ViewExtentY += zy;
    if ((SheetWidth - ViewExtentX) / 2 < 0 || (SheetHeight - ViewExtentY) / 2 < 0) {
        ViewExtentX -= zx;
        ViewExtentY -= zy;
    }
    PenScaleF = static_cast<float>(ViewExtentX) / right;
}

struct FitBox {
    int32_t minX = 0, maxX = 0, maxY = 0, minY = 0;
};

// The box to fit, in logical units: the room layout's bounds with a margin, or the floor's extents.
// Nothing when the layout has too few rooms to bound or there is nothing drawn (then the window is
// repainted as it is).
std::optional<FitBox> BoxToFit(TChild& window, bool roomLayout) {
    FitBox b;
    if (roomLayout) {
        if (ObjectList.ComputeLayoutBounds() < 2) return std::nullopt;
        const LayoutBounds bounds = ReadLayoutBounds();
        b = {bounds.minX, bounds.maxX, bounds.maxY, bounds.minY};
    } else {
        ObjectList.ComputeExtents();
        const ExtentsFile e = ReadExtentsFile();
        b = {e.minX, e.maxX, e.maxY, e.minY};
    }
    if (NothingToFit(b.minX, b.maxX, b.maxY, b.minY)) {
        window.Invalidate(true);
        return std::nullopt;
    }
    b.minX /= ZoomDivisor;
    b.maxX /= ZoomDivisor;
    b.maxY /= ZoomDivisor;
    b.minY /= ZoomDivisor;
    if (roomLayout) {
        const int32_t m = 10 * ZoomDivisor;
        b.minX -= m;
        b.maxX += 2 * m;
        b.maxY += m;
        b.minY -= 2 * m;
    }
    return b;
}

// Fit on screen: the view takes the box at the window's proportions; a floor's box is centred on
// the side that grew. False when there was nothing to fit.
bool FitOnScreen(TChild& window, int32_t right, int32_t bottom, int32_t xu, int32_t yu) {
    const bool roomLayout = CurrentView < kGroundFloor;
    auto box = BoxToFit(window, roomLayout);
    if (!box) return false;
    FitBox& b = *box;
    // A single point or a line along one axis still gets an extent to divide by.
    ViewExtentX = std::max(b.maxX - b.minX, 1);
    ViewExtentY = std::max(b.maxY - b.minY, 1);
    const float a = static_cast<float>(right) / bottom;
    if (ViewExtentY * a > ViewExtentX) {
        const int32_t old = ViewExtentX;
        ViewExtentX = std::max(Nearest(ViewExtentY * a), 1);
        if (!roomLayout) b.minX -= (ViewExtentX - old) / 2;
    } else {
        const int32_t old = ViewExtentY;
        ViewExtentY = std::max(Nearest(ViewExtentX / a), 1);
        if (!roomLayout) b.minY -= (ViewExtentY - old) / 2;
    }
    if (roomLayout) {
        PenScaleF = static_cast<float>(ViewExtentX) / right;
        ScrollOriginX = static_cast<int32_t>(b.minX + xu * PenScaleF);
        ScrollOriginY = static_cast<int32_t>(b.minY + yu * PenScaleF);
        window.DatumMode = datummode::kOff;
    } else {
        FitWithSnapRoom(right, bottom, xu, yu, b.minX, b.minY);
    }
    return true;
}

} // namespace

void TChild::Zoom(int32_t kind) {
    const TRect client = GetClientRect();
    const int32_t right = client.right - client.left;
    const int32_t bottom = client.bottom - client.top;
    // A minimised window has no area to zoom into; the zoom waits for the next command.
    if (right <= 0 || bottom <= 0) {
        DrawingState = 2;
        return;
    }
    const int32_t xu = std::max(Scroller->XUnit, 1);
    const int32_t yu = std::max(Scroller->YUnit, 1);

    switch (kind) {
    case zoomkind::kAsDragged:
        break;
    case zoomkind::kNormal:
        SetNormalScale(CurrentView == kSitePlan);
        ViewExtentX = static_cast<int32_t>(right * PenScaleF);
        ViewExtentY = static_cast<int32_t>(bottom * PenScaleF);
        CentreOnSheet(xu, yu, PenScaleF);
        break;
    case zoomkind::kHalf:
        GrowByNormalExtent(right, bottom);
        CentreOnSheet(xu, yu, PenScaleF);
        break;
    case zoomkind::kFit:
        // Nothing to fit: the view stays as it is.
        if (!FitOnScreen(*this, right, bottom, xu, yu)) {
            DrawingState = 2;
            return;
        }
        break;
    default:
        return;
    }
    ApplyZoom(xu, yu);
}

// Every zoom ends by bringing the scroller, the bars and the screen in line with the view; the
// repaint draws the tool's preview again at the new scale.
void TChild::ApplyZoom(int32_t xu, int32_t yu) {
    if (PenScaleF <= 0.0f) PenScaleF = static_cast<float>(std::max(PenScale, 1));
    SetScrollRanges(xu, yu, PenScaleF);
    SnapScrollerToOrigin(xu, yu, PenScaleF);

    DrawingState = 2;
    if (TDrawingtool* tool = CurrentTool()) tool->Window = this;
    Invalidate(true);
}

void TChild::WaitForZoomDrag() {
    ZoomWait = std::make_unique<shell::ZoomDrag>(ClientWindow);
}

void TChild::EndZoomWait() {
    if (!ZoomWait) return;
    const auto drag = std::move(ZoomWait);
    drag->HandBack(ClientWindow);
    // A rectangle given up while dragged leaves its band to a repaint.
    if (drag->Dragging()) Invalidate(true);
}

void TChild::ReleaseZoomDrag(const TPoint& point) {
    // A release without the drag's press (the button went down before Zoom UP) leaves it waiting.
    if (!ZoomWait || !ZoomWait->Dragging()) return;
    // A click or a sliver is no rectangle: Zoom UP goes on waiting for one, and the next drag is its.
    if (!ZoomWait->Release(*this, point)) {
        Invalidate(true); // what a click's band leaves, off the tool's preview too
        return;
    }
    EndZoomWait();
    Zoom(zoomkind::kAsDragged);
}

void TChild::ShiftHeld(int32_t dx, int32_t dy) {
    if (TDrawingtool* tool = CurrentTool()) tool->ShiftHeld(dx, dy);
    DatumX += dx;
    DatumY += dy;
    StartX += dx;
    StartY += dy;
    LastOutlineEndX += dx;
    LastOutlineEndY += dy;
}

void TChild::InvalidateArea(int32_t kind) {
    const TRect client = GetClientRect();
    switch (kind) {
    case invalidatekind::kWhole:
        Invalidate(true);
        break;
    case invalidatekind::kLibraryStrip:
        InvalidateRect(TRect(0, client.bottom / 3, client.right / 4, client.bottom), true);
        break;
    case invalidatekind::kWholeNow:
        Invalidate(true);
        UpdateWindow();
        break;
    case invalidatekind::kToolBox: {
        const TDrawingtool* tool = CurrentTool();
        if (!tool || ZoomDivisor == 0) break;
        TClientDC dc(this);
        int32_t left = 0, top = 0, right = 0, bottom = 0;
        DrawingToClient(nullptr, dc, client, tool->BoxLeft / ZoomDivisor, tool->BoxTop / ZoomDivisor, &left,
                        &top);
        DrawingToClient(nullptr, dc, client, tool->BoxRight / ZoomDivisor, tool->BoxBottom / ZoomDivisor,
                        &right, &bottom);
        InvalidateRect(TRect(left, top, right, bottom).Normalized(), true);
        break;
    }
    default:
        break;
    }
}
