// The rectangle drag of the move tool family: the rubber band, the selection it makes and the zoom
// window it sets.
#include <cstdlib>
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
#include "tools/round_hundredths.h"
#include "tools/tool_geometry.h"

namespace {

constexpr int32_t kPrintingViews = 100;
constexpr int32_t kSmallestZoom = 2; // logical units on each axis; a click is not a zoom rectangle

int32_t Logical(int32_t drawing) {
    return ZoomDivisor == 0 ? drawing : drawing / ZoomDivisor;
}

} // namespace

void TMoveobjtool::DrawBand(TDC& dc, int32_t x, int32_t y) {
    // A band of no size is never drawn, so the first pointer move, which takes off the band that
    // the press did not draw, leaves nothing behind.
    if (x == RefX && y == RefY) return;
    tools::SelectPreviewPen(dc, PenColour);
    const TBrush oldBrush = dc.GetBrush();
    dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(Logical(RefX), Logical(RefY), Logical(x), Logical(y));
    dc.SelectObject(oldBrush);
    tools::RestoreCopyPen(dc);
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
    if (!SelectsAny(box)) {
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

// The dragged rectangle, from (RefX, RefY) to (lx, ly) in logical units, becomes the view, widened
// on one axis to the window's proportions.
void TMoveobjtool::FinishZoomWindow(const TRect& client, int32_t lx, int32_t ly) {
    const int32_t ox = Logical(RefX);
    const int32_t oy = Logical(RefY);
    // A click or a sliver would give a view of no size; the view stays as it was.
    if (std::abs(lx - ox) < kSmallestZoom || std::abs(ly - oy) < kSmallestZoom || client.right <= 0 ||
        client.bottom <= 0) {
        Mode = movestate::kZoomWaiting;
        return;
    }
    ViewExtentX = AnchorX > RefX ? lx - ox : ox - lx;
    ScrollOriginX = AnchorX > RefX ? ox : lx;
    ViewExtentY = AnchorY > RefY ? ly - oy : oy - ly;
    ScrollOriginY = AnchorY > RefY ? oy : ly;

    const float r = static_cast<float>(client.right) / static_cast<float>(client.bottom);
    const auto w = static_cast<float>(ViewExtentX);
    const auto h = static_cast<float>(ViewExtentY);
    if (h * r > w)
        ViewExtentX = RoundHundredths(h * r);
    else
        ViewExtentY = RoundHundredths(w / r);
    PenScaleF = static_cast<float>(ViewExtentX) / static_cast<float>(client.right);
}
