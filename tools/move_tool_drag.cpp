// The rectangle drag of the move tool family: the rubber band and the selection it makes.
#include "document/document.h"
#include "document/program_state.h"
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
    if (ObjectList.WriteTempCount(0) != FileResult::Ok) return;

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

    for (int32_t i = 0; i < ObjectList.count; ++i) {
        const TObject* o = ObjectList[i];
        if (!o || !editing::IsSelected(*o, box, Kind, CurrentView)) continue;
        // A list that could not be written further holds what was written, with its count.
        if (ObjectList.WriteCopyCfg(i, RefX, RefY) != FileResult::Ok) break;
        ++SelectedCount;
    }
    Mode = movestate::kSelected;
    InputFlag() = 0;
    SelectionMade = 1;
}
