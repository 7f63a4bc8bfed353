// Turning the selection about the anchor: a right click turns it by the typed step, the keypad's plus
// and minus by 5 degrees more. Each object is wiped, turned in memory and painted again in its own
// colour; Enter writes the document.
#include "document/coordinate_mapping.h"
#include "document/document.h"
#include "document/selection_list.h"
#include "editing/selection_turn.h"
#include "tools/move_tool.h"

void TMoveobjtool::RotateSelection(TDC& dc, TRect& client, int32_t x, int32_t y) {
    const editing::SelectionTurn turn(RotationStep, AnchorX, AnchorY);
    if (turn.MovesNothing()) return;
    DrawSelection(dc, client, x, y);
    SetDrawingMapping(nullptr, dc, client);
    const auto entries = ReadSelectionList(ObjectList);
    if (!entries) return;
    const editing::TextHalfWidth halfWidth = [this, &dc](const TTextobj& text) {
        return TextHalfWidth(dc, text);
    };
    for (const SelectionEntry& e : *entries) {
        TObject* o = ObjectList[e.index];
        // The same entries as the wipe: an index of no object is passed over.
        if (!o) continue;
        const editing::RepaintPen pen = editing::TurnObject(*o, turn, RotationStep, halfWidth);
        Changed = true;
        if (pen.paint) PaintObject(dc, e.index);
    }
}
