#include <gtest/gtest.h>

#include <QPainter>
#include <set>
#include <vector>

#include "platform/dc.h"
#include "tests/platform/pixel_probe.h"

using namespace pixelprobe;

namespace {

QRect TextInk(uint32_t align, int32_t escapement, int32_t x = 200, int32_t y = 200,
              const char* text = "HHHH") {
    QImage image = White(400, 400);
    TDC dc(image);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(align);
    dc.SelectObject(TFont("Arial", -30, 0, escapement));
    dc.TextOut(x, y, text);
    return InkBounds(image);
}

TEST(DCText, Escapement900ReadsUpwardWithTheCellToTheRight) {
    const QRect ink = TextInk(TA_LEFT | TA_TOP, 900);
    EXPECT_GT(ink.height(), ink.width());
    EXPECT_LE(ink.bottom(), 200);
    EXPECT_GE(ink.left(), 200);
}

TEST(DCText, Escapement2700ReadsDownwardWithTheCellToTheLeft) {
    const QRect ink = TextInk(TA_LEFT | TA_TOP, 2700);
    EXPECT_GT(ink.height(), ink.width());
    EXPECT_GE(ink.top(), 200);
    EXPECT_LE(ink.right(), 200);
}

TEST(DCText, CentreBaselineAnchorsOnTheReferencePoint) {
    const QRect ink = TextInk(TA_CENTER | TA_BASELINE, 0);
    EXPECT_NEAR(ink.center().x(), 200, 2);
    EXPECT_GE(ink.bottom(), 197);
    EXPECT_LE(ink.bottom(), 199);
}

TEST(DCText, TopAndBottomAlignment) {
    const QRect top = TextInk(TA_LEFT | TA_TOP, 0);
    EXPECT_GE(top.top(), 200);
    EXPECT_LE(top.top(), 210);
    EXPECT_NEAR(top.left(), 200, 3);
    const QRect bottom = TextInk(TA_RIGHT | TA_BOTTOM, 0);
    EXPECT_LT(bottom.bottom(), 200 - 3) << "descent lies below the ink of capitals";
    EXPECT_NEAR(bottom.right(), 199, 3);
}

TEST(DCText, HeightsInLogicalUnits) {
    QImage image = White(400, 400);
    TDC dc(image);
    dc.SelectObject(TFont("Arial", 30));
    TEXTMETRIC tm;
    ASSERT_TRUE(dc.GetTextMetrics(tm));
    EXPECT_EQ(tm.tmHeight, 30) << "positive height is the cell";
    EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);
    EXPECT_GT(tm.tmAveCharWidth, 0);
    // Two pixels a unit, y up: the same cell measures 15 units.
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExtEx(100, 100);
    dc.SetViewportExtEx(200, -200);
    dc.SelectObject(TFont("Arial", 15));
    ASSERT_TRUE(dc.GetTextMetrics(tm));
    EXPECT_EQ(tm.tmHeight, 15);
    const SIZE extent = dc.GetTextExtent("WWW");
    EXPECT_EQ(extent.cy, 15);
    EXPECT_GT(extent.cx, 20);
}

TEST(DCText, NegativeHeightIsTheCharacterHeight) {
    QImage image = White(400, 400);
    TDC dc(image);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetViewportExtEx(2, 2);
    dc.SetBkMode(TRANSPARENT);
    dc.SelectObject(TFont("Times", -20)); // a 40-pixel em
    dc.TextOut(10, 10, "H");
    const QRect ink = InkBounds(image);
    EXPECT_NEAR(ink.height(), 29, 1) << "cap height of a 40-pixel em";
    EXPECT_EQ(dc.GetPainter()->fontInfo().family(), QString("DejaVu Sans"));
}

TEST(DCText, YUpTextIsUprightAndMatchesTheUnmappedText) {
    QImage plain = White(300, 200);
    QImage mapped = White(300, 200);
    {
        TDC dc(plain);
        dc.SetBkMode(TRANSPARENT);
        dc.SelectObject(TFont("Arial", -24));
        dc.TextOut(20, 50, "Hall");
    }
    {
        TDC dc(mapped);
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetViewportExtEx(1, -1);
        dc.SetViewportOrgEx(0, 199);
        dc.SetBkMode(TRANSPARENT);
        dc.SelectObject(TFont("Arial", -24));
        dc.TextOut(20, 149, "Hall");
    }
    EXPECT_GT(CountInked(plain), 50);
    EXPECT_EQ(CountDifferent(plain, mapped), 0);
}

TEST(DCText, OpaqueFillsTheCellAndTransparentLeavesIt) {
    for (int32_t mode : {OPAQUE, TRANSPARENT}) {
        QImage image = White(300, 100);
        TDC dc(image);
        dc.SetBkMode(mode);
        dc.SetBkColor(RGB(255, 0, 0));
        dc.SelectObject(TFont("Arial", 30));
        dc.SetROP2(R2_XORPEN); // text is copied whatever the raster operation
        dc.SetTextColor(RGB(0, 0, 255));
        dc.TextOut(10, 10, "i");
        EXPECT_EQ(image.pixel(11, 38), mode == OPAQUE ? qRgb(255, 0, 0) : qRgb(255, 255, 255));
        bool blue = false;
        for (int y = 10; y < 40; ++y)
            for (int x = 10; x < 30; ++x)
                blue |= image.pixel(x, y) == qRgb(0, 0, 255);
        EXPECT_TRUE(blue);
    }
}

TEST(DCText, FontMeasuresAlikeAfterOtherFontsAndInAnotherContext) {
    QImage image = White(400, 400);
    SIZE first, other, again, elsewhere;
    {
        TDC dc(image);
        dc.SelectObject(TFont("Arial", -20));
        first = dc.GetTextExtent("Kitchen 3.20");
        dc.SelectObject(TFont("Arial", -40, 0, 0, 0, FW_BOLD));
        other = dc.GetTextExtent("Kitchen 3.20");
        dc.SelectObject(TFont("Arial", -20));
        again = dc.GetTextExtent("Kitchen 3.20");
    }
    TDC dc(image);
    dc.SelectObject(TFont("Arial", -20));
    elsewhere = dc.GetTextExtent("Kitchen 3.20");
    EXPECT_GT(other.cx, first.cx);
    EXPECT_EQ(again.cx, first.cx);
    EXPECT_EQ(again.cy, first.cy);
    EXPECT_EQ(elsewhere.cx, first.cx);
}

TEST(DCText, SelectedFontFollowsAMappingChange) {
    QImage plain = White(400, 200);
    QImage doubled = White(400, 200);
    TDC dc(plain);
    dc.SetBkMode(TRANSPARENT);
    dc.SelectObject(TFont("Arial", -20));
    dc.TextOut(10, 10, "HHHH");
    TDC scaled(doubled);
    scaled.SetBkMode(TRANSPARENT);
    scaled.SelectObject(TFont("Arial", -20));
    scaled.TextOut(10, 10, "H");
    // The same font, still selected, is twice the size once the mapping doubles.
    scaled.SetMapMode(MM_ANISOTROPIC);
    scaled.SetViewportExtEx(2, 2);
    doubled.fill(Qt::white);
    scaled.TextOut(5, 5, "HHHH");
    const QRect small = InkBounds(plain);
    const QRect large = InkBounds(doubled);
    EXPECT_NEAR(large.height(), 2 * small.height(), 2);
    EXPECT_NEAR(large.width(), 2 * small.width(), 6);
}

} // namespace

namespace {

// Left edges of the ink columns of a row of one repeated letter, drawn unantialiased.
std::vector<int> LetterStarts(int32_t cell, int32_t weight, const char* text) {
    QImage image = White(400, 60);
    {
        TDC dc(image);
        dc.SetBkMode(TRANSPARENT);
        dc.SelectObject(TFont("Arial", cell, 0, 0, 0, weight));
        dc.TextOut(10, 10, text);
    }
    std::vector<int> starts;
    bool before = false;
    for (int x = 0; x < image.width(); ++x) {
        bool inked = false;
        for (int y = 0; y < image.height() && !inked; ++y)
            inked = Inked(image, x, y);
        if (inked && !before) starts.push_back(x);
        before = inked;
    }
    return starts;
}

} // namespace

// Small screen text keeps every pixel sharp and still spaces its letters evenly: the same letter
// repeated starts at the same distance each time.
TEST(DCText, SmallTextIsEvenlySpaced) {
    for (int32_t cell = 8; cell <= 20; ++cell) {
        for (const int32_t weight : {FW_NORMAL, FW_BOLD})
            for (const char* text : {"IIIIIIIIII", "HHHHHHHHHH", "NNNNNNNNNN"}) {
                const std::vector<int> starts = LetterStarts(cell, weight, text);
                ASSERT_GE(starts.size(), 2u) << cell << " " << text;
                std::set<int> steps;
                for (size_t i = 1; i < starts.size(); ++i)
                    steps.insert(starts[i] - starts[i - 1]);
                EXPECT_EQ(steps.size(), 1u) << "cell " << cell << " weight " << weight << " " << text;
            }
    }
}
