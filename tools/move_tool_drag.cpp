// The rectangle drag of the move tool family: the rubber band and the selection it makes.
#include <string>
#include <vector>

#include "document/document.h"
#include "document/drawn_extents.h"
#include "document/program_state.h"
#include "document/selection_list.h"
#include "document/working_file_step.h"
#include "editing/selection_rules.h"
#include "platform/dc.h"
#include "tools/move_tool.h"
#include "tools/tool_geometry.h"

namespace {

constexpr int32_t kPrintingViews = 100;

} // namespace

void TMoveobjtool::DrawBand(TDC& dc, int32_t x, int32_t y) {
    // A band of no size is never drawn, so the first pointer move, which takes off the band that
    // the press did not draw, leaves nothing behind.
    tools::DrawDottedBand(dc, POINT{RefX, RefY}, POINT{x, y});
}

void TMoveobjtool::RedrawPreview(TDC& dc) {
    if (DraggingRectangle()) DrawBand(dc, AnchorX, AnchorY);
}

bool TMoveobjtool::SelectsAny(const editing::SelectionBox& box) const {
    for (int32_t i = 0; i < ObjectList.count; ++i)
        if (const TObject* o = ObjectList[i]; o && editing::IsSelected(*o, box, Kind, CurrentView))
            return true;
    return false;
}

bool TMoveobjtool::NearSelection(int32_t x, int32_t y, int32_t margin) const {
    const auto entries = ReadSelectionList(ObjectList);
    DrawnExtents covered;
    if (entries)
        for (const SelectionEntry& e : *entries)
            if (const TObject* o = ObjectList[e.index]) covered.Note(*o);
    // A selection whose list cannot be read, or which covers no point, cannot tell a click on it from
    // one beside it: every click counts as on it.
    return covered.Empty() || (x >= covered.minX - margin && x <= covered.maxX + margin &&
                               y >= covered.minY - margin && y <= covered.maxY + margin);
}

void TMoveobjtool::SelectInRect(TDC&, TRect&, int32_t, int32_t) {
    if (CurrentView >= kPrintingViews) return;
    const editing::SelectionBox box = editing::NormalisedBox(RefX, RefY, AnchorX, AnchorY);
    // A rectangle round nothing (a click, a few pixels) leaves the earlier selection, and what was
    // copied, as they were: the tool waits for the drag again.
    DraggedRoundNothing = !SelectsAny(box);
    if (DraggedRoundNothing) {
        Mode = movestate::kIdle;
        return;
    }
    SelectionBroughtIn = false;

    SelMinX = box.minX;
    SelMaxX = box.maxX;
    SelMinY = box.minY;
    SelMaxY = box.maxY;
    RefX = box.minX;
    RefY = box.minY;
    AnchorX = box.maxX;
    AnchorY = box.maxY;
    // The copy tool refers its entries to the rectangle's centre, the others to its lower left.
    if (Kind == toolkind::kCopy) {
        RefX += (AnchorX - RefX) / 2;
        RefY += (AnchorY - RefY) / 2;
    }

    std::vector<SelectionEntry> entries;
    for (int32_t i = 0; i < ObjectList.count; ++i) {
        const TObject* o = ObjectList[i];
        if (o && editing::IsSelected(*o, box, Kind, CurrentView)) entries.push_back({i, RefX, RefY});
    }
    // A selection is written whole or not at all: a failure ends the step, told, and the tool and the
    // earlier selection stand as they were.
    if (std::string why; !WriteSelectionList(ObjectList, entries, why)) {
        FailStep("The step was not done: " + why + ".\nThe selection stays as it was.");
        return;
    }
    SelectedCount += static_cast<int32_t>(entries.size());
    Mode = movestate::kSelected;
    InputFlag() = 0;
    SelectionMade = 1;
}
