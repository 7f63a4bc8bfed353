// Painting the current view of the drawing window: which objects show for the view and the display
// mode (units digit of PlanDisplayMode), and the overlay passes of the other floors. The wall style
// (tens digit) acts inside each object's Paint.
#include "dialogs/overlay_file.h"
#include "document/document.h"
#include "platform/dc.h"
#include "render/window_setup.h"
#include "shell/globals.h"

namespace {

constexpr int32_t kOutlinesPassView = 54; // the view on which the outline pass is the working one

bool IsPlainText(int32_t kind) {
    return kind == kText || kind == kDialogText;
}
bool IsLabel(int32_t kind) {
    return kind >= kAutoDimensionText && kind <= kFloorTitle;
}
bool IsDimensionPart(int32_t kind) {
    return IsArrowKind(kind) || IsDimensionKind(kind);
}
bool IsOutline(int32_t kind) {
    return (kind >= 131 && kind <= 149) || kind == 500;
}
// Finished-room records and the per-floor records never show on a floor or a room layout.
bool ShownOnPlan(int32_t kind) {
    return kind < kFinishedRoom;
}
bool IsSet(int32_t flag) {
    return flag == 1;
}

// Paints every object the filter accepts, in document order, with one selection flag.
template <class Filter>
void PaintPass(TList& list, TDC& dc, const RECT& client, int32_t selected, Filter accept) {
    for (int32_t i = 0; i < list.count; ++i) {
        TObject* object = list[i];
        if (object != nullptr && accept(*object)) object->Paint(dc, client, selected);
    }
}

// The overlay modes make the highest flagged floor the working floor: 52, 51, 50, then 53.
void ChooseWorkingFloor(const OverlayFlags& flags) {
    if (IsSet(flags.second)) {
        CurrentView = kSecondFloor;
    } else if (IsSet(flags.first)) {
        CurrentView = kFirstFloor;
    } else if (IsSet(flags.ground)) {
        CurrentView = kGroundFloor;
    } else if (IsSet(flags.fourthLevel)) {
        CurrentView = kFourthLevel;
    }
}

// Runs the five overlay passes. `skip(kind, floor, selected)` says which objects a pass leaves out.
template <class Skip>
void PaintOverlayPasses(TList& list, TDC& dc, const RECT& client, const OverlayFlags& flags, Skip skip) {
    const struct {
        int32_t flag;
        int32_t floor;
    } floors[] = {{flags.fourthLevel, kFourthLevel},
                  {flags.ground, kGroundFloor},
                  {flags.first, kFirstFloor},
                  {flags.second, kSecondFloor}};
    for (const auto& pass : floors) {
        if (!IsSet(pass.flag)) continue;
        const int32_t selected = CurrentView == pass.floor ? 0 : 1;
        PaintPass(list, dc, client, selected, [&](const TObject& o) {
            return o.view == pass.floor && ShownOnPlan(o.kind) && !skip(o.kind, pass.floor, selected);
        });
    }
    if (IsSet(flags.outlines)) {
        const int32_t selected = CurrentView == kOutlinesPassView ? 0 : 1;
        PaintPass(list, dc, client, selected, [&](const TObject& o) {
            return IsOutline(o.kind) && !skip(o.kind, kOutlinesPassView, selected);
        });
    }
}

void PaintOverlaysWithDimensions(TList& list, TDC& dc, const RECT& client, int32_t mode) {
    const OverlayFlags flags = ReadOverlayFile(list.ProgramDirectory);
    if (mode == 2 || mode == 12 || mode == 22) ChooseWorkingFloor(flags);
    if (list.count == 0) return;
    // Modes 2 and 12 strip the annotation of the overlaid floors; the working floor shows whole.
    const bool stripOverlaid = mode == 2 || mode == 12;
    PaintOverlayPasses(list, dc, client, flags, [&](int32_t kind, int32_t, int32_t selected) {
        return stripOverlaid && selected >= 1 &&
               (IsPlainText(kind) || IsLabel(kind) || IsDimensionPart(kind));
    });
}

void PaintOverlaysWithoutDimensions(TList& list, TDC& dc, const RECT& client, int32_t mode) {
    const OverlayFlags flags = ReadOverlayFile(list.ProgramDirectory);
    if (mode == 3) ChooseWorkingFloor(flags);
    if (list.count == 0) return;
    // Every pass drops texts, labels and dimensions; the working floor keeps its title.
    PaintOverlayPasses(list, dc, client, flags, [&](int32_t kind, int32_t floor, int32_t) {
        if (kind == kFloorTitle && floor == CurrentView) return false;
        return IsPlainText(kind) || IsLabel(kind) || IsDimensionPart(kind);
    });
}

void PaintFloor(TList& list, TDC& dc, const RECT& client) {
    const int32_t view = CurrentView;
    switch (PlanDisplayMode) {
    case 0:
    case 10:
    case 20:
        PaintPass(list, dc, client, 0,
                  [&](const TObject& o) { return o.view == view && ShownOnPlan(o.kind); });
        break;
    case 1:
    case 11:
    case 21:
        PaintPass(list, dc, client, 0, [&](const TObject& o) {
            return o.view == view && ShownOnPlan(o.kind) && o.kind != kAutoDimensionText &&
                   o.kind != kSizeLabel && !IsDimensionPart(o.kind);
        });
        break;
    case 2:
    case 4:
    case 12:
    case 14:
    case 22:
    case 24:
        PaintOverlaysWithDimensions(list, dc, client, PlanDisplayMode);
        break;
    case 3:
    case 13:
    case 23:
        PaintOverlaysWithoutDimensions(list, dc, client, PlanDisplayMode);
        break;
    default:
        break;
    }
}

} // namespace

void TList::Paint(TDC& dc, const RECT& client) {
    render::SetUpDrawingWindow(dc, client);
    const int32_t view = CurrentView;
    if (view >= 1 && view <= 49) {
        // Room layout: view 45 (walls being marked) also shows the layout of view 40.
        PaintPass(*this, dc, client, 0, [&](const TObject& o) {
            return ShownOnPlan(o.kind) && (o.view == view || o.view == view - 5);
        });
    } else if (view >= kGroundFloor && view <= 58) {
        PaintFloor(*this, dc, client);
    } else if (view == kSitePlan) {
        PaintPass(*this, dc, client, 0, [&](const TObject& o) { return o.view == kSitePlan; });
    }
}
