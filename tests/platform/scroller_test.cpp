#include <gtest/gtest.h>

#include "platform/scroller.h"

namespace {

// A scroller with no window: page sizes are set by hand.
TScroller Make(int32_t xRange, int32_t yRange, int32_t page = 10) {
    TScroller s(nullptr, 8, 8, xRange, yRange);
    s.XPage = page;
    s.YPage = page;
    return s;
}

} // namespace

TEST(Scroller, CodesMoveByLinePageThumbAndEnds) {
    TScroller s = Make(100, 100);
    s.HScroll(SB_LINEDOWN, 0);
    EXPECT_EQ(s.XPos, 1);
    s.HScroll(SB_PAGEDOWN, 0);
    EXPECT_EQ(s.XPos, 11);
    s.HScroll(SB_LINEUP, 0);
    EXPECT_EQ(s.XPos, 10);
    s.HScroll(SB_THUMBTRACK, 42);
    EXPECT_EQ(s.XPos, 42);
    s.HScroll(SB_THUMBPOSITION, 7);
    EXPECT_EQ(s.XPos, 7);
    s.HScroll(SB_BOTTOM, 0);
    EXPECT_EQ(s.XPos, 100);
    s.HScroll(SB_TOP, 0);
    EXPECT_EQ(s.XPos, 0);
    s.VScroll(SB_PAGEDOWN, 0);
    EXPECT_EQ(s.YPos, 10);
    EXPECT_EQ(s.XPos, 0);
    s.VScroll(SB_ENDSCROLL, 99);
    EXPECT_EQ(s.YPos, 10);
}

TEST(Scroller, PositionsStayWithinTheRange) {
    TScroller s = Make(20, 5);
    s.HScroll(SB_PAGEUP, 0);
    EXPECT_EQ(s.XPos, 0);
    s.HScroll(SB_THUMBTRACK, 500);
    EXPECT_EQ(s.XPos, 20);
    s.VScroll(SB_THUMBPOSITION, static_cast<int32_t>(-3));
    EXPECT_EQ(s.YPos, 0);
    s.ScrollTo(15, 5);
    s.SetRange(10, 2);
    EXPECT_EQ(s.XPos, 10);
    EXPECT_EQ(s.YPos, 2);
    s.SetRange(-4, -1);
    EXPECT_EQ(s.XRange, 0);
    EXPECT_EQ(s.XPos, 0);
    EXPECT_EQ(s.YPos, 0);
}

TEST(Scroller, ZeroRangesAndUnitsAreLegal) {
    TScroller s(nullptr, 0, 0, 0, 0);
    s.SetUnits(0, 0);
    s.HScroll(SB_PAGEDOWN, 0);
    s.VScroll(SB_LINEDOWN, 0);
    s.HScroll(SB_BOTTOM, 0);
    EXPECT_EQ(s.XPos, 0);
    EXPECT_EQ(s.YPos, 0);
    s.AutoScroll(); // no window: nothing to do
    EXPECT_EQ(s.XPos, 0);
}
