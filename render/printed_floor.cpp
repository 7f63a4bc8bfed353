// The two whole-document painters that do not paint the drawing window: one floor on the printed
// page (through the screen operations under the page's mapping, pens widened) and the current view
// into a bitmap (through the print operations, one pixel per 25 mm or per inch).
#include "dialogs/overlay_file.h"
#include "document/document.h"
#include "platform/dc.h"
#include "shell/globals.h"

namespace {

bool IsDimensionPart(int32_t kind) {
    return IsArrowKind(kind) || IsDimensionKind(kind);
}
bool IsPlainText(int32_t kind) {
    return kind == kText || kind == kDialogText;
}
bool IsLabel(int32_t kind) {
    return kind >= kAutoDimensionText && kind <= kFloorTitle;
}
bool IsOutline(int32_t kind) {
    return (kind >= 131 && kind <= 149) || kind == 500;
}
bool ShownOnPlan(int32_t kind) {
    return kind < kFinishedRoom;
}

struct BitmapPass {
    TList& list;
    TDC& dc;
    int32_t divisor, yBase, yOffset;

    template <class Filter> void Run(int32_t selected, Filter accept) const {
        for (int32_t i = 0; i < list.count; ++i) {
            TObject* o = list[i];
            if (o != nullptr && accept(*o)) o->PaintForPrint(dc, selected, divisor, yBase, yOffset);
        }
    }
};

void ChooseWorkingFloor(const OverlayFlags& flags) {
    if (flags.second == 1) {
        CurrentView = kSecondFloor;
    } else if (flags.first == 1) {
        CurrentView = kFirstFloor;
    } else if (flags.ground == 1) {
        CurrentView = kGroundFloor;
    } else if (flags.fourthLevel == 1) {
        CurrentView = kFourthLevel;
    }
}

// The overlay passes of the view painter, with the same working floor and skipping rules.
template <class Skip> void OverlayPasses(const BitmapPass& pass, const OverlayFlags& flags, Skip skip) {
    const struct {
        int32_t flag, floor;
    } floors[] = {{flags.fourthLevel, kFourthLevel},
                  {flags.ground, kGroundFloor},
                  {flags.first, kFirstFloor},
                  {flags.second, kSecondFloor}};
    for (const auto& f : floors) {
        if (f.flag != 1) continue;
        const int32_t selected = CurrentView == f.floor ? 0 : 1;
        pass.Run(selected, [&](const TObject& o) {
            return o.view == f.floor && ShownOnPlan(o.kind) && !skip(o.kind, f.floor, selected);
        });
    }
    if (flags.outlines == 1) {
        const int32_t selected = CurrentView == 54 ? 0 : 1;
        pass.Run(selected,
                 [&](const TObject& o) { return IsOutline(o.kind) && !skip(o.kind, 54, selected); });
    }
}

} // namespace

void TList::PaintFloorForPrint(TDC& dc) {
    if (CurrentView <= 99) return;
    const int32_t floor = CurrentView - kPrintViewOffset;
    const auto paint = [&](auto accept) {
        for (int32_t i = 0; i < count; ++i) {
            TObject* o = At(i);
            if (o != nullptr && accept(*o)) o->PaintWide(dc);
        }
    };
    if (floor == kSitePlan) {
        paint([&](const TObject& o) { return o.view == kSitePlan; });
        return;
    }
    switch (PlanDisplayMode) {
    case 0:
    case 10:
    case 20:
        paint([&](const TObject& o) { return o.view == floor && o.kind < kFinishedRoom; });
        break;
    case 1:
    case 11:
    case 21:
        // Without the automatic dimensions: manual dimensions and size labels still print.
        paint([&](const TObject& o) {
            return o.view == floor && o.kind < kFinishedRoom && o.kind != kAutoDimensionText &&
                   o.kind != kAutoArrow && o.kind != kAutoDimension;
        });
        break;
    default:
        break;
    }
}

void TList::PaintToBitmap(TDC& dc) {
    if (CurrentView >= 100) return;
    const int32_t divisor = MetricUnits != 0 ? 25 : 24;
    const int32_t yBase = static_cast<int32_t>(static_cast<int64_t>(SheetHeight) * ZoomDivisor / 2);
    const int32_t yOffset = PrintHeight / 2;
    const BitmapPass pass{*this, dc, divisor, yBase, yOffset};
    const int32_t view = CurrentView;
    if (view == kSitePlan) {
        pass.Run(0, [&](const TObject& o) { return o.view == kSitePlan; });
        return;
    }
    const int32_t mode = PlanDisplayMode;
    switch (mode) {
    case 0:
    case 10:
    case 20:
        pass.Run(0, [&](const TObject& o) { return o.view == view && ShownOnPlan(o.kind); });
        break;
    case 1:
    case 11:
    case 21:
        pass.Run(0, [&](const TObject& o) {
            return o.view == view && ShownOnPlan(o.kind) && o.kind != kAutoDimensionText &&
                   o.kind != kSizeLabel && !IsDimensionPart(o.kind);
        });
        break;
    case 2:
    case 4:
    case 12:
    case 14:
    case 22:
    case 24: {
        const OverlayFlags flags = ReadOverlayFile(ProgramDirectory);
        if (mode == 2 || mode == 12 || mode == 22) ChooseWorkingFloor(flags);
        const bool strip = mode == 2 || mode == 12;
        OverlayPasses(pass, flags, [&](int32_t kind, int32_t, int32_t selected) {
            return strip && selected >= 1 && (IsPlainText(kind) || IsLabel(kind) || IsDimensionPart(kind));
        });
        break;
    }
    case 3:
    case 13:
    case 23: {
        const OverlayFlags flags = ReadOverlayFile(ProgramDirectory);
        if (mode == 3) ChooseWorkingFloor(flags);
        OverlayPasses(pass, flags, [&](int32_t kind, int32_t floor, int32_t) {
            if (kind == kFloorTitle && floor == CurrentView) return false;
            return IsPlainText(kind) || IsLabel(kind) || IsDimensionPart(kind);
        });
        break;
    }
    default:
        break;
    }
}
