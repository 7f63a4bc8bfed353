#include "platform/scroller.h"

#include <algorithm>

#include "platform/cursor.h"
#include "platform/window.h"

TScroller::TScroller(TWindow* window, int32_t xUnit, int32_t yUnit, int32_t xRange, int32_t yRange)
    : Window(window), XRange(std::max(xRange, 0)), YRange(std::max(yRange, 0)), XUnit(xUnit), YUnit(yUnit) {}

void TScroller::SetUnits(int32_t xUnit, int32_t yUnit) {
    XUnit = xUnit;
    YUnit = yUnit;
    SetPageSize();
}

void TScroller::SetRange(int32_t xRange, int32_t yRange) {
    XRange = std::max(xRange, 0);
    YRange = std::max(yRange, 0);
    XPos = std::clamp(XPos, 0, XRange);
    YPos = std::clamp(YPos, 0, YRange);
}

void TScroller::SetPageSize() {
    if (!Window) return;
    TRect client = Window->GetClientRect();
    // A unit of 0 is legal: the page is then 0 positions, never a division by 0.
    XPage = XUnit > 0 ? std::max(1, client.Width() / XUnit) : 0;
    YPage = YUnit > 0 ? std::max(1, client.Height() / YUnit) : 0;
}

void TScroller::ScrollTo(int32_t x, int32_t y) {
    int32_t newX = std::clamp(x, 0, XRange);
    int32_t newY = std::clamp(y, 0, YRange);
    if (newX == XPos && newY == YPos) return;
    XPos = newX;
    YPos = newY;
    // Old pixels are never moved: the window repaints itself from its own origin.
    if (Window) Window->Invalidate(true);
}

int32_t TScroller::Scrolled(uint scrollCode, int32_t thumbPos, int32_t pos, int32_t line, int32_t page,
                            int32_t range) const {
    switch (scrollCode) {
    case SB_LINEUP:
        return pos - line;
    case SB_LINEDOWN:
        return pos + line;
    case SB_PAGEUP:
        return pos - page;
    case SB_PAGEDOWN:
        return pos + page;
    case SB_THUMBTRACK:
        return TrackMode ? thumbPos : pos;
    case SB_THUMBPOSITION:
        return thumbPos;
    case SB_TOP:
        return 0;
    case SB_BOTTOM:
        return range;
    default:
        return pos;
    }
}

int32_t TScroller::ThumbToPosition(int bar, int32_t thumbPos, int32_t range) const {
    if (!Window) return thumbPos;
    int barMin = 0;
    int barMax = 0;
    Window->GetScrollRange(bar, barMin, barMax);
    if (barMax <= barMin) return thumbPos;
    // The bar has its own scale: its thumb stands for the same fraction of the scroller's range.
    int64_t scaled = (static_cast<int64_t>(thumbPos) - barMin) * range / (barMax - barMin);
    return static_cast<int32_t>(std::clamp<int64_t>(scaled, 0, range));
}

void TScroller::HScroll(uint scrollCode, int32_t thumbPos) {
    int32_t thumb = ThumbToPosition(SB_HORZ, thumbPos, XRange);
    ScrollTo(Scrolled(scrollCode, thumb, XPos, XLine, XPage, XRange), YPos);
}

void TScroller::VScroll(uint scrollCode, int32_t thumbPos) {
    int32_t thumb = ThumbToPosition(SB_VERT, thumbPos, YRange);
    ScrollTo(XPos, Scrolled(scrollCode, thumb, YPos, YLine, YPage, YRange));
}

void TScroller::AutoScroll() {
    if (!AutoMode || !Window) return;
    POINT screen;
    GetCursorPos(&screen);
    TPoint p(screen.x, screen.y);
    Window->ScreenToClient(p);
    TRect client = Window->GetClientRect();
    int32_t dx = 0;
    int32_t dy = 0;
    // The further outside, the faster, up to a page per pass.
    if (p.y < 0)
        dy = std::min(-YLine, std::max(-YPage, p.y / 10 * YLine));
    else if (p.y >= client.bottom)
        dy = std::max(YLine, std::min(YPage, (p.y - client.bottom) / 10 * YLine));
    if (p.x < 0)
        dx = std::min(-XLine, std::max(-XPage, p.x / 10 * XLine));
    else if (p.x >= client.right)
        dx = std::max(XLine, std::min(XPage, (p.x - client.right) / 10 * XLine));
    if (dx || dy) ScrollBy(dx, dy);
}
