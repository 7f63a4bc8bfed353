// Undo of the most recent object: the last object of the document goes, with every other piece of
// the composite it belongs to, provided it lies on the floor being edited. Nothing is kept for a redo.
#include <algorithm>

#include "document/coordinate_mapping.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/message_box.h"
#include "shell/child.h"
#include "shell/child_tool_call.h"
#include "shell/client.h"
#include "tools/drawing_tool.h"
#include "tools/working_file.h"

namespace {

constexpr int32_t kUndoHelp = 350;
constexpr int32_t kUndosInARow = 5;

// The drawing-unit box of everything removed; empty until something contributes to it.
struct RemovalBox {
    int32_t minX = 125000;
    int32_t minY = 125000;
    int32_t maxX = 0;
    int32_t maxY = 0;
    bool touched = false;

    void Add(int32_t x, int32_t y) {
        minX = std::min(minX, x);
        minY = std::min(minY, y);
        maxX = std::max(maxX, x);
        maxY = std::max(maxY, y);
        touched = true;
    }
};

bool IsTextKind(int32_t kind) {
    return kind == kText || kind == kDialogText || (kind >= 34 && kind <= 37);
}

// What one removed object adds to the box; w and h are the client size in pixels, used as drawing
// units around a text's anchor.
void AddObject(RemovalBox& box, const TObject& o, int32_t w, int32_t h) {
    if (IsTextKind(o.kind)) {
        box.Add(o.x1 - 3 * w, o.y1 - 3 * h);
        box.Add(o.x1 + 3 * w, o.y1 + 3 * h);
        return;
    }
    if (o.kind < 100 || o.kind == kAutoArrow || o.kind == kManualArrow ||
        (o.kind >= kMarkerLineFirst && o.kind <= kMarkerLineLast)) {
        box.Add(o.x1, o.y1);
        box.Add(o.x2, o.y2);
        return;
    }
    if (o.kind == kIntWall) {
        box.Add(o.x1, o.y1);
        box.Add(o.x2, o.y2);
        if (const auto* wall = dynamic_cast<const TIntwallobj*>(&o)) {
            box.Add(wall->q1x, wall->q1y);
            box.Add(wall->q2x, wall->q2y);
        }
        return;
    }
    const bool polygon = (o.kind >= 100 && o.kind < kAutoArrow && o.kind != 1001) || o.kind == kMarkerPolygon;
    if (const auto* poly = dynamic_cast<const TPolyobj*>(&o); poly && polygon) {
        const int32_t n = std::clamp(poly->count, int32_t{0}, TPolyobj::kMaxPoints);
        for (int32_t i = 0; i < n; ++i)
            box.Add(poly->px[i], poly->py[i]);
    }
}

// Removes the last object, with the rest of its group on every view (the others in their order, the
// last object last), and gives the box of what was removed. External walls are never undone, not even
// when their length equals the group's number.
RemovalBox RemoveLastObject(const TObject& candidate, int32_t w, int32_t h) {
    // A line of any kind without an identifier keeps its length in the group field, and a plain line
    // belongs to a composite only under the composite's own number.
    int32_t group = HoldsGroup(candidate) ? candidate.group : 0;
    if (candidate.kind == kLine && candidate.id != group) group = 0;
    RemovalBox box;
    if (group != 0) {
        for (int32_t i = ObjectList.count - 2; i >= 0; --i) {
            const TObject* o = ObjectList[i];
            if (!o || !InGroup(*o, group)) continue;
            AddObject(box, *o, w, h);
            ObjectList.RemoveAt(i);
        }
    }
    AddObject(box, *ObjectList[ObjectList.count - 1], w, h);
    ObjectList.RemoveAt(ObjectList.count - 1);
    return box;
}

// Repaints what the removal uncovered; nothing contributed (a room or a floor record): the whole
// window.
void RepaintRemoved(TChild& window, const TRect& rc, const RemovalBox& box) {
    if (!box.touched || ZoomDivisor == 0) {
        window.Invalidate(true);
        return;
    }
    POINT low{};
    POINT high{};
    {
        TClientDC dc(&window);
        DrawingToClient(nullptr, dc, rc, box.minX / ZoomDivisor, box.minY / ZoomDivisor, &low.x, &low.y);
        DrawingToClient(nullptr, dc, rc, box.maxX / ZoomDivisor, box.maxY / ZoomDivisor, &high.x, &high.y);
    }
    const int32_t m = 3 * ZoomDivisor;
    const TRect area(std::max(int32_t{0}, low.x - m), std::max(rc.top, high.y - m),
                     std::min(high.x + m, rc.right), std::min(low.y + m, rc.bottom));
    window.InvalidateRect(area, true);
}

} // namespace

void TChild::UndoLastObject() {
    TClient& client = Client();
    HelpContextId = kUndoHelp;
    if (client.Tool->Kind != toolkind::kPick) client.SelectPickTool();
    int32_t& undos = client.Tool->UndosInARow;
    if (undos >= kUndosInARow) {
        MessageBox("to delete in bulk, why not try using the Delete/Erase Icon?", "", MB_OK);
        undos = 0;
        return;
    }
    ++undos;

    const TRect rc = GetClientRect();
    if (ObjectList.count == 0) return;
    const TObject* candidate = ObjectList[ObjectList.count - 1];
    if (candidate->view != CurrentView) {
        MessageBox("Last object drawn was not on this floor - change the view to undo that object", "",
                   MB_OK);
        return;
    }
    if (candidate->kind == kExtWall) return;

    const RemovalBox box = RemoveLastObject(*candidate, rc.right - rc.left, rc.bottom - rc.top);
    ObjectList.ForgetSelection();
    if (tools::Failed(tools::SaveWorkingFile())) return;
    RepaintRemoved(*this, rc, box);
}
