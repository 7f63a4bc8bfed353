#include "tools/move_tool.h"

#include "document/coordinate_mapping.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/virtual_keys.h"
#include "tools/tool_geometry.h"

namespace {

constexpr int32_t kFineRotation = 5; // degrees per keypad plus or minus

// The pixels an arrow key moves the selection: about one drawing step of ZoomDivisor units, and
// never less than one pixel once a pixel holds five logical units or more (or the scale is unset).
int32_t KeyStep() {
    if (PenScaleF >= 5.0f || PenScaleF <= 0.0f) return 1;
    const float step = static_cast<float>(ZoomDivisor) / PenScaleF;
    return step >= 10000.0f ? 10000 : static_cast<int32_t>(step);
}

} // namespace

void TMoveobjtool::ButtonDown(TDC& dc, TRect& client, TPoint* point) {
    if (Mode == movestate::kIdle) {
        SelectedCount = 0;
        const POINT p = tools::PixelToDrawing(dc, client, point->x, point->y);
        RefX = AnchorX = p.x;
        RefY = AnchorY = p.y;
        Mode = movestate::kSelecting;
    } else if (Mode == movestate::kSelected && SelectedCount > 0 && Kind == toolkind::kMove) {
        SetAnchor(dc, client, point->x, point->y);
    }
}

void TMoveobjtool::ButtonUp(TDC& dc, TRect& client, TPoint* point) {
    if (Mode == movestate::kMoving) {
        // A move that would carry an object past the sheet's edge is refused, as a keyed step is.
        LeftSheet = ShiftLeavesSheet(dc, client, point->x, point->y);
        if (LeftSheet) return;
        DrawSelection(dc, client, point->x, point->y);
        MoveSelection(dc, client, point->x, point->y);
        return;
    }
    if (!DraggingRectangle()) return;
    const POINT p = tools::PixelToDrawing(dc, client, point->x, point->y);
    // The band is taken off where it was last drawn, which is the release point unless the
    // pointer jumped without a move message.
    DrawBand(dc, AnchorX, AnchorY);
    AnchorX = p.x;
    AnchorY = p.y;
    SelectInRect(dc, client, point->x, point->y);
    if ((Kind == toolkind::kCopy || Kind == toolkind::kErase) && Mode == movestate::kSelected)
        ApplySelection(dc, client, 0, 0);
}

void TMoveobjtool::Button2Down(TDC& dc, TRect& client, TPoint* point) {
    const POINT p = tools::PixelToDrawing(dc, client, point->x, point->y);
    AnchorX = p.x;
    AnchorY = p.y;
    // A turn that would carry an object past the sheet's edge is refused, as a keyed step is.
    LeftSheet = TurnLeavesSheet();
    if (LeftSheet) return;
    RotateSelection(dc, client, point->x, point->y);
}

// The window abandons a selection drag when the right button is released during it; the band goes
// with it.
void TMoveobjtool::Button2Up(TDC& dc, TRect& client, TPoint*) {
    if (Mode != movestate::kSelecting) return;
    SetDrawingMapping(nullptr, dc, client);
    DrawBand(dc, AnchorX, AnchorY);
}

void TMoveobjtool::MouseMove(TDC& dc, TRect& client, int32_t x, int32_t y) {
    if (!DraggingRectangle()) return;
    const int32_t oldX = AnchorX;
    const int32_t oldY = AnchorY;
    const POINT p = tools::PixelToDrawing(dc, client, x, y);
    AnchorX = p.x;
    AnchorY = p.y;
    DrawBand(dc, oldX, oldY);
    DrawBand(dc, AnchorX, AnchorY);
}

void TMoveobjtool::KeyDown(TDC& dc, TRect& client, uint32_t key, TPoint* point, int32_t) {
    if (key == VK_ADD || key == VK_SUBTRACT) {
        RotationStep = key == VK_ADD ? kFineRotation : -kFineRotation;
        RotateSelection(dc, client, 0, 0);
        return;
    }
    if (!point) return;
    const int32_t step = KeyStep();
    switch (key) {
    case VK_LEFT:
        point->x -= step;
        break;
    case VK_UP:
        point->y -= step;
        break;
    case VK_RIGHT:
        point->x += step;
        break;
    case VK_DOWN:
        point->y += step;
        break;
    default:
        return; // Enter locks the move in the window; other keys do nothing
    }
    LeftSheet = ShiftLeavesSheet(dc, client, point->x, point->y);
    if (LeftSheet) return;
    DrawSelection(dc, client, point->x, point->y);
    MoveSelection(dc, client, point->x, point->y);
}

void TMoveobjtool::ShowLengthLabel(TDC& dc, TRect& client, int32_t firstIndex, int32_t mode) {
    SelectAppended(dc, client, firstIndex, mode);
}

void TMoveobjtool::ShiftHeld(int32_t dx, int32_t dy) {
    TDrawingtool::ShiftHeld(dx, dy);
    for (int32_t* x : {&SelMinX, &SelMaxX, &RefX, &AnchorX, &CurrentX})
        *x += dx;
    for (int32_t* y : {&SelMinY, &SelMaxY, &RefY, &AnchorY, &CurrentY})
        *y += dy;
}

void TMoveobjtool::SetAnchor(TDC& dc, TRect& client, int32_t x, int32_t y) {
    const POINT p = tools::PixelToDrawing(dc, client, x, y);
    AnchorX = p.x;
    AnchorY = p.y;
    InputFlag() = 0;
}

void TMoveobjtool::SelectAppended(TDC&, TRect&, int32_t firstIndex, int32_t) {
    SelectedCount = 0;
    SelectionMade = 1;
    SelectionBroughtIn = true;
    DraggedRoundNothing = false;
    if (ObjectList.WriteTempCount(0) != FileResult::Ok) return;
    for (int32_t i = firstIndex < 0 ? 0 : firstIndex; i < ObjectList.count; ++i) {
        // A list that could not be written further holds what was written, with its count.
        if (ObjectList.WriteCopyCfg(i, 0, 0) != FileResult::Ok) return;
        ++SelectedCount;
    }
}

// A plain move does nothing more with a fresh selection.
void TMoveobjtool::ApplySelection(TDC&, TRect&, int32_t, int32_t) {}

void TEraseobjtool::ApplySelection(TDC& dc, TRect& client, int32_t x, int32_t y) {
    EraseSelection(dc, client, x, y);
}

void TCopyobjtool::ApplySelection(TDC&, TRect&, int32_t, int32_t) {
    WritePasteFile();
}
