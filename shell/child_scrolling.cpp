// Scrolling of the drawing window. The scroller counts positions in scroll units; the program-wide
// origin (ScrollOriginX, ScrollOriginY) is the scroller's position in logical units, with the
// vertical position counted down from ScrollRangeY because the drawing's y grows upward. The scroll
// bars run in percent of the ranges.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "document/cfg_files.h"
#include "document/document.h"
#include "document/program_state.h"
#include "document/sheet_size.h"
#include "platform/file_io.h"
#include "platform/message_box.h"
#include "platform/scroller.h"
#include "platform/virtual_keys.h"
#include "shell/child.h"
#include "shell/normal_scale.h"

namespace {

constexpr int32_t kBarScale = 100; // the bars show percent of the scroll range

// The scroll-bar position of a scroller position. A range of 0 has a factor of 0: the bar then
// stays at its start instead of dividing by zero.
int32_t BarPosition(int32_t position, float factor) {
    if (factor <= 0.0f) return 0;
    return static_cast<int32_t>(position / factor);
}

// The sheet height rounded to whole steps of a quarter inch (imperial) or 25 mm (metric).
int32_t RoundToStep(int32_t height) {
    const int32_t step = MetricUnits != 0 ? 25 : 24;
    int32_t quotient = height / step;
    if (height % step > 12) ++quotient;
    return quotient * step;
}

} // namespace

void TChild::SetupScrolling() {
    if (CurrentView != 0 && CurrentView <= 5) return;

    // Pixels per scroll step. The view snaps to whole steps, so a long step would push the drawing
    // off its centre, and a unit of 0 would make every conversion below a division by zero.
    constexpr FieldRange kStep{1, 32};
    const auto [xu, yu] = ReadRangedSettings("SCROLL.CFG", std::array{kStep, kStep});

    const SheetSize sheet = ReadSheetSize(MetricUnits);
    SheetWidth = sheet.width;
    SheetHeight = sheet.height;

    Scroller->AutoOrg = false;
    const TRect client = GetClientRect();
    // A minimised window has no client area to fit the sheet into.
    if (client.right <= 0 || client.bottom <= 0) return;

    Scroller->SetUnits(xu, yu);

    if (CurrentView <= kSitePlan) SetNormalScale(CurrentView == kSitePlan);
    const float s = PenScaleF;

    ViewExtentX = static_cast<int32_t>(client.right * s);
    ViewExtentY = static_cast<int32_t>(client.bottom * s);

    if (ViewExtentX > 0) {
        SheetHeight =
            RoundToStep(static_cast<int32_t>(static_cast<int64_t>(SheetWidth) * ViewExtentY / ViewExtentX));
    }

    CentreOnSheet(xu, yu, s);
    SetScrollRanges(xu, yu, s);
    SetScrollRange(SB_HORZ, 0, kBarScale, false);
    SetScrollRange(SB_VERT, 0, kBarScale, false);
    SnapScrollerToOrigin(xu, yu, s);

    // Only the width is ever used again: a height that could not be stored is fitted anew next time.
    // The height is stored within the sheet's range, which a very wide or very tall window leaves, so
    // that the next reader never takes it for damage.
    (void)WriteSheetSize(MetricUnits,
                         {SheetWidth, std::clamp(SheetHeight, kLeastSheetHeight, kMostSheetSide)});
}

// The view centred on the sheet, one scroll step past the centre so that the snap to whole steps
// below lands on the centre or just past it.
void TChild::CentreOnSheet(int32_t xu, int32_t yu, float s) {
    ScrollOriginX = static_cast<int32_t>((SheetWidth - ViewExtentX) / 2 + xu * s);
    ScrollOriginY = static_cast<int32_t>((SheetHeight - ViewExtentY) / 2 + yu * s);
}

// The scroll ranges of the sheet beyond the view, and their factors to the percent bars.
void TChild::SetScrollRanges(int32_t xu, int32_t yu, float s) {
    const auto xRange = static_cast<int32_t>((SheetWidth - ViewExtentX) / (xu * s));
    ScrollRangeY = static_cast<int32_t>((SheetHeight - ViewExtentY) / (yu * s));
    HScrollFactor = xRange * 0.01f;
    VScrollFactor = ScrollRangeY * 0.01f;
    Scroller->SetRange(xRange, ScrollRangeY);
}

// The scroller and the bars follow the origin, and the origin then snaps to whole scroll steps.
void TChild::SnapScrollerToOrigin(int32_t xu, int32_t yu, float s) {
    Scroller->XPos = static_cast<int32_t>(ScrollOriginX / (xu * s));
    Scroller->YPos = static_cast<int32_t>(ScrollRangeY - ScrollOriginY / (yu * s));
    SetScrollPos(SB_HORZ, BarPosition(Scroller->XPos, HScrollFactor), true);
    SetScrollPos(SB_VERT, BarPosition(Scroller->YPos, VScrollFactor), true);
    ScrollOriginX = static_cast<int32_t>(Scroller->XPos * s * xu);
    ScrollOriginY = static_cast<int32_t>((ScrollRangeY - Scroller->YPos) * s * yu);
}

void TChild::SyncScrollOrigin(int32_t repaint) {
    const int32_t xu = Scroller->XUnit;
    const int32_t yu = Scroller->YUnit;
    const float s = PenScaleF;
    // Before the first scroll set-up there are no units to centre with.
    if (xu > 0 && yu > 0 && s > 0.0f) {
        ScrollRangeY = static_cast<int32_t>((SheetHeight - ViewExtentY) / (yu * s));
        CentreOnSheet(xu, yu, s);
        SnapScrollerToOrigin(xu, yu, s);
    }
    if (repaint == 1) Invalidate(true);
}

// The bars run in percent, the scroller in positions: a dragged thumb is turned back into a
// scroller position before the scroller sees it.
static int32_t ThumbToPosition(uint scrollCode, uint thumbPos, float factor) {
    if (scrollCode != SB_THUMBPOSITION && scrollCode != SB_THUMBTRACK) return static_cast<int32_t>(thumbPos);
    return static_cast<int32_t>(static_cast<int32_t>(thumbPos) * factor);
}

void TChild::EvHScroll(uint scrollCode, uint thumbPos) {
    if (LayoutGridFlag == 1) {
        LayoutGridFlag = 0;
        Invalidate(true);
    }
    Scroller->HScroll(scrollCode, ThumbToPosition(scrollCode, thumbPos, HScrollFactor));
    SetScrollPos(SB_HORZ, BarPosition(Scroller->XPos, HScrollFactor), true);
    ScrollOriginX = static_cast<int32_t>(Scroller->XPos * PenScaleF * Scroller->XUnit);
}

void TChild::EvVScroll(uint scrollCode, uint thumbPos) {
    if (LayoutGridFlag == 1) {
        LayoutGridFlag = 0;
        Invalidate(true);
    }
    Scroller->VScroll(scrollCode, ThumbToPosition(scrollCode, thumbPos, VScrollFactor));
    SetScrollPos(SB_VERT, BarPosition(Scroller->YPos, VScrollFactor), true);
    ScrollOriginY = static_cast<int32_t>((ScrollRangeY - Scroller->YPos) * PenScaleF * Scroller->YUnit);
}

namespace {

// Moves the scroll origin along one axis so that the target (in logical units, on the sheet) stays in
// sight: a step toward the far edge (forward) scrolls past the view's end by the margin, one toward 0
// before its start.
int32_t FollowAlongAxis(int32_t target, bool forward, int32_t& origin, int32_t extent, int32_t sheet,
                        float margin) {
    if (forward) {
        const int32_t end = origin + extent;
        if (target <= end) return cursorview::kInView;
        origin = static_cast<int32_t>((target - end) + margin + origin);
        if (origin + extent > sheet) origin = sheet - extent;
        return cursorview::kScrolled;
    }
    if (target >= origin) return cursorview::kInView;
    origin = static_cast<int32_t>(target - margin);
    if (origin < 0) origin = 0;
    return cursorview::kScrolled;
}

// The origin snaps to whole scroll steps. Cutting toward zero would snap a scroll to the right or
// downward back to where it started and leave the point outside, so those round the other way.
void SnapOriginToScrollSteps(TChild& window, uint32_t key) {
    TScroller* scroller = window.Scroller;
    const float u = scroller->XUnit * PenScaleF;
    const float v = scroller->YUnit * PenScaleF;
    if (u > 0.0f) {
        const float xPos = ScrollOriginX / u;
        scroller->XPos = static_cast<int32_t>(key == VK_RIGHT ? std::ceil(xPos) : xPos);
        scroller->XPos = std::clamp(scroller->XPos, 0, std::max(scroller->XRange, 0));
    }
    if (v > 0.0f) {
        const float yPos = window.ScrollRangeY - ScrollOriginY / v;
        scroller->YPos = static_cast<int32_t>(key == VK_DOWN ? std::ceil(yPos) : yPos);
        scroller->YPos = std::clamp(scroller->YPos, 0, std::max(scroller->YRange, 0));
    }
    window.SetScrollPos(SB_HORZ, BarPosition(scroller->XPos, window.HScrollFactor), true);
    window.SetScrollPos(SB_VERT, BarPosition(scroller->YPos, window.VScrollFactor), true);
    ScrollOriginX = static_cast<int32_t>(scroller->XPos * PenScaleF * scroller->XUnit);
    ScrollOriginY =
        static_cast<int32_t>((window.ScrollRangeY - scroller->YPos) * PenScaleF * scroller->YUnit);
}

} // namespace

int32_t TChild::KeepCursorInView(int32_t step, uint32_t key, int32_t x, int32_t y) {
    const int32_t z = ZoomDivisor > 0 ? ZoomDivisor : 1;
    const bool level = key == VK_RIGHT || key == VK_LEFT;
    const bool forward = key == VK_RIGHT || key == VK_UP;
    if (!level && key != VK_UP && key != VK_DOWN) return cursorview::kInView;
    // The sheet check is exact, in drawing units: a point a zoom unit or less past the edge is off it.
    const int64_t target = int64_t{level ? x : y} + (forward ? int64_t{step} : -int64_t{step});
    const int64_t sheet = int64_t{level ? SheetWidth : SheetHeight} * z;
    int32_t result = cursorview::kOffSheet;
    if (target >= 0 && target <= sheet) {
        const auto logical = static_cast<int32_t>(target / z);
        const float m = 5.0f * PenScaleF;
        result = level ? FollowAlongAxis(logical, forward, ScrollOriginX, ViewExtentX, SheetWidth, m)
                       : FollowAlongAxis(logical, forward, ScrollOriginY, ViewExtentY, SheetHeight, m);
    }
    if (result == cursorview::kOffSheet) {
        MessageBox("Distance would take you outside the programme's total drawing sizes", "DRAWING SIZE",
                   MB_OK | MB_ICONEXCLAMATION);
        return result;
    }
    if (result == cursorview::kScrolled) SnapOriginToScrollSteps(*this, key);
    return result;
}
