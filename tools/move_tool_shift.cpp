// Moving the selection: every listed object is shifted by the distance from the anchor to the new
// point and painted again at its new place; the pointer follows the anchor. The document changes in
// memory only; Enter writes it.
#include "document/document.h"
#include "document/drawn_extents.h"
#include "document/program_state.h"
#include "document/selection_list.h"
#include "document/sheet_edge.h"
#include "editing/selection_shift.h"
#include "tools/move_tool.h"
#include "tools/tool_geometry.h"

void TMoveobjtool::MoveSelection(TDC& dc, TRect& client, int32_t x, int32_t y) {
    const POINT p = tools::PixelToDrawing(dc, client, x, y);
    CurrentX = p.x;
    CurrentY = p.y;
    const int32_t dx = CurrentX - AnchorX;
    const int32_t dy = CurrentY - AnchorY;
    AnchorX = CurrentX;
    AnchorY = CurrentY;

    const auto entries = ReadSelectionList(ObjectList);
    if (!entries) return;
    for (const SelectionEntry& e : *entries) {
        TObject* o = ObjectList[e.index];
        // The list outlives removals and drawings: an index of no object is passed over.
        if (!o) continue;
        const editing::RepaintPen pen = editing::ShiftObject(*o, dx, dy);
        Changed = true;
        if (pen.paint) PaintObject(dc, e.index);
    }
    tools::PutCursorOnDrawingPoint(*this, dc, AnchorX, AnchorY);
}

bool TMoveobjtool::ShiftLeavesSheet(TDC& dc, TRect& client, int32_t x, int32_t y) const {
    const POINT p = tools::PixelToDrawing(dc, client, x, y);
    const int64_t dx = int64_t{p.x} - AnchorX, dy = int64_t{p.y} - AnchorY;
    const auto entries = ReadSelectionList(ObjectList);
    if (!entries) return false;
    DrawnExtents moved;
    for (const SelectionEntry& e : *entries)
        if (const TObject* o = ObjectList[e.index]) NoteStoredPoints(moved, *o);
    return !OnSheet(moved, dx, dy);
}
