#include <gtest/gtest.h>

#include <QPainter>
#include <set>
#include <string>
#include <tuple>
#include <utility>
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

namespace {

// Which glyph of a text inks each pixel, -1 for none: the text is written a glyph longer each time
// and a pixel belongs to the glyph whose writing first inked it.
struct GlyphOwners {
    static constexpr int kSide = 240;
    std::vector<int> owner = std::vector<int>(kSide * kSide, -1);
    int At(int x, int y) const {
        return x < 0 || y < 0 || x >= kSide || y >= kSide ? -1 : owner[size_t(y * kSide + x)];
    }
};

GlyphOwners OwnersOf(const std::string& text, int32_t height, int32_t escapement) {
    GlyphOwners owners;
    for (size_t n = 1; n <= text.size(); ++n) {
        QImage image = White(GlyphOwners::kSide, GlyphOwners::kSide);
        TDC dc(image);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextAlign(TA_LEFT | TA_BASELINE);
        dc.SelectObject(TFont("Arial", height, 0, escapement));
        dc.TextOut(GlyphOwners::kSide / 2, GlyphOwners::kSide / 2, text.substr(0, n));
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (Inked(image, x, y) && owners.At(x, y) < 0)
                    owners.owner[size_t(y * GlyphOwners::kSide + x)] = int(n - 1);
    }
    return owners;
}

// Pieces of a glyph's ink (pixels joined at edges or corners) and holes in it (clear pixels
// joined at edges, closed off from the outside).
struct Shape {
    int pieces = 0;
    int holes = 0;
    bool operator==(const Shape&) const = default;
};

int Flood(const GlyphOwners& owners, int glyph, bool ink, int x0, int y0, std::vector<char>& seen) {
    const int side = GlyphOwners::kSide;
    std::vector<std::pair<int, int>> stack{{x0, y0}};
    seen[size_t(y0 * side + x0)] = 1;
    bool reachesEdge = false;
    while (!stack.empty()) {
        const auto [x, y] = stack.back();
        stack.pop_back();
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                if (!ink && dx != 0 && dy != 0) continue;
                const int nx = x + dx, ny = y + dy;
                if (nx < 0 || ny < 0 || nx >= side || ny >= side) {
                    reachesEdge = true;
                    continue;
                }
                if (seen[size_t(ny * side + nx)] || (owners.At(nx, ny) == glyph) != ink) continue;
                seen[size_t(ny * side + nx)] = 1;
                stack.emplace_back(nx, ny);
            }
    }
    return reachesEdge ? 0 : 1;
}

Shape ShapeOf(const GlyphOwners& owners, int glyph) {
    const int side = GlyphOwners::kSide;
    std::vector<char> seen(size_t(side * side), 0);
    Shape shape;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            if (seen[size_t(y * side + x)]) continue;
            const bool ink = owners.At(x, y) == glyph;
            const int closed = Flood(owners, glyph, ink, x, y, seen);
            if (ink)
                ++shape.pieces;
            else
                shape.holes += closed;
        }
    return shape;
}

std::set<std::pair<int, int>> TouchingGlyphs(const GlyphOwners& owners) {
    std::set<std::pair<int, int>> touching;
    for (int y = 0; y < GlyphOwners::kSide; ++y)
        for (int x = 0; x < GlyphOwners::kSide; ++x)
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int a = owners.At(x, y), b = owners.At(x + dx, y + dy);
                    if (a >= 0 && b > a) touching.emplace(a, b);
                }
    return touching;
}

class SmallTurnedText : public testing::TestWithParam<std::tuple<int32_t, int32_t>> {};

// A small turned text keeps the strokes of its level text whole and its letters as far apart.
TEST_P(SmallTurnedText, KeepsEachGlyphsShapeAndLettersApart) {
    const auto [escapement, height] = GetParam();
    for (const std::string text : {"Ab 2828 xy", "Kitchen"}) {
        const GlyphOwners level = OwnersOf(text, height, 0);
        const GlyphOwners turned = OwnersOf(text, height, escapement);
        for (int glyph = 0; glyph < int(text.size()); ++glyph) {
            const Shape want = ShapeOf(level, glyph), got = ShapeOf(turned, glyph);
            EXPECT_EQ(got, want) << "'" << text[size_t(glyph)] << "' of " << text << ": pieces " << got.pieces
                                 << " holes " << got.holes << " where level " << want.pieces << " "
                                 << want.holes;
        }
        const auto apart = TouchingGlyphs(level);
        for (const auto& [a, b] : TouchingGlyphs(turned))
            EXPECT_TRUE(apart.count({a, b}))
                << "'" << text[size_t(a)] << "' touches '" << text[size_t(b)] << "' of " << text;
    }
}

INSTANTIATE_TEST_SUITE_P(DCText, SmallTurnedText,
                         testing::Combine(testing::Values(300, 450, 1350, 3000), testing::Range(-14, -7)));

} // namespace
