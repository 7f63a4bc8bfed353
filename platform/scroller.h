// The window scroller: positions, units and ranges of a scrolled window. Moving never blits old
// pixels; the window is invalidated and repaints itself from its own origin. The scroller never sets
// the window's scroll bars (the program sets them on its own scale). Units and ranges of 0 are legal.
#pragma once

#include <cstdint>

#include "platform/window_constants.h"

class TWindow;

class TScroller {
public:
    TScroller(TWindow* window, int32_t xUnit, int32_t yUnit, int32_t xRange, int32_t yRange);
    virtual ~TScroller() = default;

    void SetWindow(TWindow* window) { Window = window; }
    void SetUnits(int32_t xUnit, int32_t yUnit);
    // Clamps the positions into the new ranges (negative ranges count as 0).
    void SetRange(int32_t xRange, int32_t yRange);
    // Page sizes in scroll positions: the client area divided by the units (0 for a 0 unit).
    void SetPageSize();

    // Moves to the position (clamped to 0..range); invalidates the window when it moved.
    void ScrollTo(int32_t x, int32_t y);
    void ScrollBy(int32_t dx, int32_t dy) { ScrollTo(XPos + dx, YPos + dy); }

    // The scroll codes: SB_LINEUP/DOWN one line, SB_PAGEUP/DOWN one page, SB_THUMBTRACK and
    // SB_THUMBPOSITION absolute, SB_TOP/BOTTOM the ends; others change nothing. A thumb position is
    // on the window's scroll-bar scale (0-100 unless the program sets another) and stands for the same
    // fraction of the range; without a window it is a position as it is.
    virtual void HScroll(uint scrollCode, int32_t thumbPos);
    virtual void VScroll(uint scrollCode, int32_t thumbPos);

    // While the pointer is outside the client area, scrolls toward it (the press loop calls this).
    virtual void AutoScroll();
    bool IsAutoMode() const { return AutoMode; }

    TWindow* Window;
    int32_t XPos = 0, YPos = 0;
    int32_t XRange, YRange;
    int32_t XUnit, YUnit;
    int32_t XLine = 1, YLine = 1;
    int32_t XPage = 0, YPage = 0;
    bool AutoMode = true;
    bool AutoOrg = true;
    bool TrackMode = true;
    bool HasHScrollBar = true;
    bool HasVScrollBar = true;

private:
    int32_t ThumbToPosition(int bar, int32_t thumbPos, int32_t range) const;
    int32_t Scrolled(uint scrollCode, int32_t thumbPos, int32_t pos, int32_t line, int32_t page,
                     int32_t range) const;
};
