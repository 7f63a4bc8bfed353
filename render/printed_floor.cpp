// The two whole-document painters that do not paint the drawing window: one floor on the printed
// page (through the screen operations under the page's mapping, pens widened) and the current view
// into a bitmap (through the print operations, one pixel per 25 mm or per inch, framed by what the
// view shows).
#include "document/document.h"
#include "document/plan_display_modes.h"
#include "document/program_state.h"
#include "platform/dc.h"
#include "render/bitmap_extents.h"
#include "render/floor_selection.h"
#include "render/paint_dispatch.h"

void TList::PaintFloorForPrint(TDC& dc) {
    if (CurrentView < kPrintSetup) return;
    const int32_t floor = CurrentView - kPrintViewOffset;
    const std::optional<render::FaceGapIndex> doorways = render::DoorwaysForWallStyle(*this);
    const auto paint = [&](TObject& object, int32_t) {
        render::PaintOnPaper(object, dc, doorways ? &*doorways : nullptr);
    };
    if (floor == kSitePlan) {
        render::ForEachSitePlanObject(*this, paint);
        return;
    }
    const int32_t mode = PlanDisplayMode;
    if (mode < displaymode::kPlain || mode >= displaymode::kWallsHidden) return;
    switch (displaymode::Units(mode)) {
    case displaymode::kEverything:
        render::ForEachChosen(*this, paint, 0, [&](const TObject& o) {
            return o.view == floor && render::ShownOnPlan(o.kind);
        });
        break;
    case displaymode::kNoDimensions:
        // Without the automatic dimensions: manual dimensions and size labels still print.
        render::ForEachChosen(*this, paint, 0, [&](const TObject& o) {
            return o.view == floor && render::ShownOnPlan(o.kind) && o.kind != kAutoDimensionText &&
                   o.kind != kAutoArrow && o.kind != kAutoDimension;
        });
        break;
    default:
        break;
    }
}

void TList::PaintToBitmap(TDC& dc) {
    if (CurrentView >= kPrintSetup) return;
    const DrawnExtents extents = render::MeasureBitmapView(*this);
    const int32_t divisor = DrawnExtents::BitmapDivisor();
    // y is placed from the extents as x is: the top of the drawing half the margin below the top edge.
    const int32_t yBase = extents.maxY;
    const int32_t yOffset = DrawnExtents::kHeightMargin / 2;
    const std::optional<render::FaceGapIndex> doorways = render::DoorwaysForWallStyle(*this);
    const auto paint = [&](TObject& object, int32_t) {
        render::PaintInBitmap(object, dc, divisor, yBase, yOffset, doorways ? &*doorways : nullptr);
    };
    // The room-layout rule of the drawing window does not apply: every other view is a floor here.
    if (CurrentView == kSitePlan) {
        render::ForEachSitePlanObject(*this, paint);
    } else {
        render::ForEachFloorObject(*this, paint);
    }
}
