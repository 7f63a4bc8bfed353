// Which objects of the document show on a floor for the units digit of PlanDisplayMode, with the
// overlay passes of the other floors. The drawing window and the bitmap export make the same choice
// and differ only in how each chosen object is painted.
#pragma once

#include <cstdint>

#include "document/document.h"
#include "document/overlay_file.h"
#include "document/plan_display_modes.h"
#include "document/program_state.h"

namespace render {

inline bool IsPlainText(int32_t kind) {
    return kind == kText || kind == kDialogText;
}
inline bool IsLabel(int32_t kind) {
    return kind >= kAutoDimensionText && kind <= kFloorTitle;
}
inline bool IsDimensionPart(int32_t kind) {
    return IsArrowKind(kind) || IsDimensionKind(kind);
}
inline bool IsOutline(int32_t kind) {
    return (kind >= 131 && kind <= 149) || kind == 500;
}
// Finished-room records and the per-floor records never show on a floor or a room layout.
inline bool ShownOnPlan(int32_t kind) {
    return kind < kFinishedRoom;
}

// Hands every object the filter accepts, in document order, to paint with one selection flag.
template <class Paint, class Filter>
void ForEachChosen(TList& list, const Paint& paint, int32_t selected, const Filter& accept) {
    for (int32_t i = 0; i < list.count; ++i) {
        TObject* object = list[i];
        if (object != nullptr && accept(*object)) paint(*object, selected);
    }
}

namespace detail {

constexpr int32_t kOutlinesPassView = 54; // the view on which the outline pass is the working one

inline bool IsSet(int32_t flag) {
    return flag == 1;
}

// The overlay modes make the highest flagged floor the working floor: 52, 51, 50, then 53.
inline void ChooseWorkingFloor(const OverlayFlags& flags) {
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
template <class Paint, class Skip>
void OverlayPasses(TList& list, const Paint& paint, const OverlayFlags& flags, const Skip& skip) {
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
        ForEachChosen(list, paint, selected, [&](const TObject& o) {
            return o.view == pass.floor && ShownOnPlan(o.kind) && !skip(o.kind, pass.floor, selected);
        });
    }
    if (IsSet(flags.outlines)) {
        const int32_t selected = CurrentView == kOutlinesPassView ? 0 : 1;
        ForEachChosen(list, paint, selected, [&](const TObject& o) {
            return IsOutline(o.kind) && !skip(o.kind, kOutlinesPassView, selected);
        });
    }
}

template <class Paint> void OverlaysWithDimensions(TList& list, const Paint& paint, int32_t mode) {
    const OverlayFlags flags = ReadOverlayFile(list.ProgramDirectory);
    if (displaymode::Units(mode) == displaymode::kOverlay) ChooseWorkingFloor(flags);
    if (list.count == 0) return;
    // Overlaying with normal or hatched walls strips the annotation of the overlaid floors; the
    // working floor shows whole.
    const bool stripOverlaid = displaymode::Units(mode) == displaymode::kOverlay && mode < displaymode::kWallsSolid;
    OverlayPasses(list, paint, flags, [&](int32_t kind, int32_t, int32_t selected) {
        return stripOverlaid && selected >= 1 &&
               (IsPlainText(kind) || IsLabel(kind) || IsDimensionPart(kind));
    });
}

template <class Paint> void OverlaysWithoutDimensions(TList& list, const Paint& paint, int32_t mode) {
    const OverlayFlags flags = ReadOverlayFile(list.ProgramDirectory);
    if (mode == displaymode::kWallsNormal + displaymode::kOverlayNoDimensions) ChooseWorkingFloor(flags);
    if (list.count == 0) return;
    // Every pass drops texts, labels and dimensions; the working floor keeps its title.
    OverlayPasses(list, paint, flags, [&](int32_t kind, int32_t floor, int32_t) {
        if (kind == kFloorTitle && floor == CurrentView) return false;
        return IsPlainText(kind) || IsLabel(kind) || IsDimensionPart(kind);
    });
}

} // namespace detail

// Calls paint(object, selected) for every object that floor `CurrentView` shows in `PlanDisplayMode`,
// pass after pass, each pass in document order: selected 0 for the working floor, 1 for an overlaid
// one. The overlay modes 2, 12, 22 and 3 may change `CurrentView`, for the commands that follow too.
template <class Paint> void ForEachFloorObject(TList& list, const Paint& paint) {
    const int32_t view = CurrentView;
    const int32_t mode = PlanDisplayMode;
    // Hidden walls and unknown modes show nothing here.
    if (mode < displaymode::kPlain || mode >= displaymode::kWallsHidden) return;
    switch (displaymode::Units(mode)) {
    case displaymode::kEverything:
        ForEachChosen(list, paint, 0,
                      [&](const TObject& o) { return o.view == view && ShownOnPlan(o.kind); });
        break;
    case displaymode::kNoDimensions:
        ForEachChosen(list, paint, 0, [&](const TObject& o) {
            return o.view == view && ShownOnPlan(o.kind) && o.kind != kAutoDimensionText &&
                   o.kind != kSizeLabel && !IsDimensionPart(o.kind);
        });
        break;
    case displaymode::kOverlay:
    case displaymode::kOverlayFloorBelow:
        detail::OverlaysWithDimensions(list, paint, mode);
        break;
    case displaymode::kOverlayNoDimensions:
        detail::OverlaysWithoutDimensions(list, paint, mode);
        break;
    default:
        break;
    }
}

// Every object of the site plan, whatever its kind, unselected.
template <class Paint> void ForEachSitePlanObject(TList& list, const Paint& paint) {
    ForEachChosen(list, paint, 0, [](const TObject& o) { return o.view == kSitePlan; });
}

} // namespace render
