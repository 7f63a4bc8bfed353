// Painting one object of the selection, and wiping the whole selection, on the drawing window. Each
// object is painted by the window's own painter, once in its own colours at its new place and once
// with the background colour forced on every mark at its old place, so that a move leaves on the
// window just what a full repaint would show.
#include <algorithm>

#include "document/coordinate_mapping.h"
#include "document/document.h"
#include "document/program_state.h"
#include "document/selection_list.h"
#include "platform/dc.h"
#include "render/screen_units.h"
#include "tools/move_tool.h"
#include "tools/tool_geometry.h"

namespace {

// Kinds the move tool shows again after a move: lines, shapes, texts, walls, symbols and polygons,
// arrows and dimensions. Rooms, openings and floor records wait for the next full repaint.
bool PaintedKind(int32_t kind) {
    return (kind < kOpeningPolygon && kind != kNewRoom) || kind == kExtWall || kind == kIntWall ||
           IsPolygonKind(kind) || kind == kMarkerPolygon || IsArrowKind(kind) || IsDimensionKind(kind) ||
           (kind >= kMarkerLineFirst && kind <= kMarkerLineLast);
}

// The text's own font at the height the window paints it, in logical units; for measuring.
TFont TextFont(const TTextobj& text) {
    const int32_t weight = text.weight < 500 ? FW_NORMAL : FW_BOLD;
    if (TextScale == 0) TextScale = PenScale;
    int64_t height = int64_t{text.height} * TextScale;
    if (CurrentView == kSitePlan) height *= 3;
    return TFont(text.fontName, render::Saturate(height), 0, text.angle, 0, weight, 0, 0, 0, ANSI_CHARSET,
                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, VARIABLE_PITCH);
}

int32_t HeldTextLength(const TTextobj& text) {
    return std::clamp(text.textLength, 0, TTextobj::kTextCapacity);
}

} // namespace

void TMoveobjtool::PaintObject(TDC& dc, int32_t index) {
    TObject* o = ObjectList[index];
    if (!o || !PaintedKind(o->kind)) return;
    o->Paint(dc, RECT{}, 0);
}

void TMoveobjtool::WipeObject(TDC& dc, int32_t index) {
    const TForcedInk background(dc, BackgroundColour);
    PaintObject(dc, index);
}

int32_t TMoveobjtool::TextHalfWidth(TDC& dc, const TTextobj& text) {
    const TFont oldFont = dc.SelectObject(TextFont(text));
    const SIZE extent = dc.GetTextExtent(text.text, HeldTextLength(text));
    dc.SelectObject(oldFont);
    return render::Saturate(int64_t{extent.cx} * ZoomDivisor / 2);
}

void TMoveobjtool::DrawSelection(TDC& dc, TRect& client, int32_t x, int32_t y) {
    const POINT p = tools::PixelToDrawing(dc, client, x, y);
    CurrentX = p.x;
    CurrentY = p.y;
    const auto entries = ReadSelectionList(ObjectList);
    if (!entries) return;
    for (const SelectionEntry& e : *entries) {
        const TObject* o = ObjectList[e.index];
        // The list outlives removals and drawings: an index of no object is passed over.
        if (!o) continue;
        WipeObject(dc, e.index);
    }
}
