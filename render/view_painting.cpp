// Painting the current view of the drawing window: which objects show for the view and the display
// mode (units digit of PlanDisplayMode), and the overlay passes of the other floors. The wall style
// (tens digit) acts inside each object's Paint.
#include "document/document.h"
#include "document/program_state.h"
#include "platform/dc.h"
#include "render/floor_selection.h"
#include "render/paint_dispatch.h"
#include "render/window_setup.h"

void TList::Paint(TDC& dc, const RECT& client) {
    render::SetUpDrawingWindow(dc, client);
    const std::optional<render::FaceGapIndex> doorways = render::DoorwaysForWallStyle(*this);
    const auto paint = [&](TObject& object, int32_t selected) {
        // An overlaid floor shows in the select colour, but a line in the background colour hides
        // what lies under it (a doorway's faces, a junction); in any other colour it would draw
        // straight across them.
        const bool hides = object.colour == BackgroundColour;
        render::PaintOnScreen(object, dc, hides ? 0 : selected, doorways ? &*doorways : nullptr);
    };
    const int32_t view = CurrentView;
    if (view >= 1 && view <= kLastLayoutView) {
        // Room layout: view 45 (walls being marked) also shows the layout of view 40.
        render::ForEachChosen(*this, paint, 0, [&](const TObject& o) {
            return render::ShownOnPlan(o.kind) && (o.view == view || o.view == view - 5);
        });
    } else if (view >= kGroundFloor && view <= kLastFloorView) {
        render::ForEachFloorObject(*this, paint);
    } else if (view == kSitePlan) {
        render::ForEachSitePlanObject(*this, paint);
    }
}
