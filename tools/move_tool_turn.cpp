// Turning the selection about the anchor: a right click turns it by the typed step, the keypad's plus
// and minus by 5 degrees more. Each object is wiped, turned in memory and painted again in its own
// colour; Enter writes the document.
#include <algorithm>
#include <cstdlib>

#include "document/coordinate_mapping.h"
#include "document/document.h"
#include "document/drawn_extents.h"
#include "document/program_state.h"
#include "document/selection_list.h"
#include "document/sheet_edge.h"
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

namespace {

// The object's stored points as the turn leaves them, noted in the extents (a round shape by its
// turned centre and its kept width and height, a text by its anchor).
void NoteTurned(DrawnExtents& turned, const TObject& o, const editing::SelectionTurn& turn) {
    const int32_t k = o.kind;
    const auto note = [&](int32_t x, int32_t y) {
        const POINT p = turn.Apply(x, y);
        turned.NoteX(p.x), turned.NoteY(p.y);
    };
    if (IsTextKind(k)) {
        note(o.x1, o.y1);
    } else if (IsPolygonKind(k) || k == kMarkerPolygon || k == kOpening) {
        if (const auto* p = dynamic_cast<const TPolyobj*>(&o)) {
            const int32_t n = std::clamp<int32_t>(p->count, 0, TPolyobj::kMaxPoints);
            for (int32_t i = 0; i < n; ++i)
                note(p->px[i], p->py[i]);
        }
    } else if ((k == kEllipse || k == kCircle) && !turn.ExactQuarter()) {
        const POINT c = turn.Apply(static_cast<int32_t>((int64_t{o.x1} + o.x2) / 2),
                                   static_cast<int32_t>((int64_t{o.y1} + o.y2) / 2));
        const int32_t w = std::abs(o.x2 - o.x1) / 2, h = std::abs(o.y2 - o.y1) / 2;
        turned.NoteX(c.x - w), turned.NoteX(c.x + w), turned.NoteY(c.y - h), turned.NoteY(c.y + h);
    } else if (IsLineKind(k) || k == kExtWall || k == kIntWall || IsArrowKind(k) || IsDimensionKind(k) ||
               k == kArc || (k >= kEllipse && k <= kRoundRect)) {
        note(o.x1, o.y1);
        note(o.x2, o.y2);
    }
}

} // namespace

bool TMoveobjtool::TurnLeavesSheet() const {
    const editing::SelectionTurn turn(RotationStep, AnchorX, AnchorY);
    if (turn.MovesNothing()) return false;
    const auto entries = ReadSelectionList(ObjectList);
    if (!entries) return false;
    DrawnExtents turned;
    for (const SelectionEntry& e : *entries)
        if (const TObject* o = ObjectList[e.index]) NoteTurned(turned, *o, turn);
    return !OnSheet(turned);
}
