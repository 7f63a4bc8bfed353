#include <gtest/gtest.h>

#include <algorithm>
#include <QPainter>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/dc.h"
#include "platform/font_face.h"
#include "platform/glyphs/glyph_ink.h"
#include "platform/glyphs/turned_glyph_cache.h"
#include "platform/glyphs/turned_glyphs.h"
#include "tests/platform/pixel_probe.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TREVALYN_HAS_ASAN 1
#endif
#endif
#ifndef TREVALYN_HAS_ASAN
#define TREVALYN_HAS_ASAN 0
#endif
#if defined(__SANITIZE_ADDRESS__) || TREVALYN_HAS_ASAN
// The address sanitizer's own count of the bytes its allocator has handed out and not taken back.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

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

GlyphOwners OwnersOf(const std::string& text, int32_t height, int32_t escapement,
                     int32_t weight = FW_NORMAL) {
    GlyphOwners owners;
    for (size_t n = 1; n <= text.size(); ++n) {
        QImage image = White(GlyphOwners::kSide, GlyphOwners::kSide);
        TDC dc(image);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextAlign(TA_LEFT | TA_BASELINE);
        dc.SelectObject(TFont("Arial", height, 0, escapement, 0, weight));
        dc.TextOut(GlyphOwners::kSide / 2, GlyphOwners::kSide / 2, text.substr(0, n));
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (Inked(image, x, y) && owners.At(x, y) < 0)
                    owners.owner[size_t(y * GlyphOwners::kSide + x)] = int(n - 1);
    }
    return owners;
}

// What a glyph's ink is: how many pixels it holds, how many pieces they make (joined at edges or
// corners) and how many holes they leave (clear pixels joined at edges, closed off from the outside).
struct Shape {
    int pieces = 0;
    int holes = 0;
    bool operator==(const Shape&) const = default;
};

struct GlyphInk {
    int pixels = 0;
    Shape shape;
};

// Marks the region of `ink` (or clear) pixels joined to (x0, y0) within `box`; true when it reaches
// the box's edge, which lies a pixel clear of the glyph all round.
bool Flood(const GlyphOwners& owners, int glyph, bool ink, const QRect& box, int x0, int y0,
           std::vector<char>& seen) {
    std::vector<std::pair<int, int>> stack{{x0, y0}};
    auto at = [&](int x, int y) -> char& {
        return seen[size_t((y - box.top()) * box.width() + x - box.left())];
    };
    at(x0, y0) = 1;
    bool reachesEdge = false;
    while (!stack.empty()) {
        const auto [x, y] = stack.back();
        stack.pop_back();
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                if (!ink && dx != 0 && dy != 0) continue;
                const int nx = x + dx, ny = y + dy;
                if (!box.contains(nx, ny)) {
                    reachesEdge = true;
                    continue;
                }
                if (at(nx, ny) || (owners.At(nx, ny) == glyph) != ink) continue;
                at(nx, ny) = 1;
                stack.emplace_back(nx, ny);
            }
    }
    return reachesEdge;
}

GlyphInk InkOf(const GlyphOwners& owners, int glyph) {
    GlyphInk ink;
    QRect box;
    for (int y = 0; y < GlyphOwners::kSide; ++y)
        for (int x = 0; x < GlyphOwners::kSide; ++x)
            if (owners.At(x, y) == glyph) ++ink.pixels, box |= QRect(x, y, 1, 1);
    if (ink.pixels == 0) return ink;
    box.adjust(-1, -1, 1, 1);
    std::vector<char> seen(size_t(box.width() * box.height()), 0);
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            if (seen[size_t((y - box.top()) * box.width() + x - box.left())]) continue;
            const bool inked = owners.At(x, y) == glyph;
            const bool open = Flood(owners, glyph, inked, box, x, y, seen);
            if (inked)
                ++ink.shape.pieces;
            else
                ink.shape.holes += !open;
        }
    return ink;
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

// The labels a plan writes small: room names, sizes, lengths in feet and inches, and letters that
// run into one another or lose strokes when turned carelessly.
const std::string kSmallLabels[] = {"Ab 2828 xy", "Kitchen",     "Bedroom 2", "WC",
                                    "12000",      "40' 6 1/2\"", "agWg"};
// Labels the level text draws with two letters as one glyph: their letters are only kept apart.
const std::string kJoinedLabels[] = {"fifl"};
// Letters too tall to be turned glyph by glyph whose strokes meet or cross at narrow angles.
const std::string kLargeLetters[] = {"w", "4", "M"};
constexpr int32_t kTallestSmallText = 40;

// A turned glyph keeps most of its level glyph's ink and comes to no more than a bold stroke of it
// would, so a letter neither shrinks to a dot nor swells into a blob.
constexpr double kLeastInkShare = 0.6;
constexpr double kMostInkShare = 1.8;

class SmallTurnedText : public testing::TestWithParam<std::tuple<int32_t, int32_t, int32_t>> {};

// A small turned text keeps the strokes of its level text whole, their weight, and its letters as
// far apart; so does a large one.
TEST_P(SmallTurnedText, KeepsEachGlyphsShapeInkAndLettersApart) {
    const auto [escapement, height, weight] = GetParam();
    std::vector<std::string> texts(std::begin(kSmallLabels), std::end(kSmallLabels));
    texts.insert(texts.end(), std::begin(kJoinedLabels), std::end(kJoinedLabels));
    if (height > kTallestSmallText) texts.assign(std::begin(kLargeLetters), std::end(kLargeLetters));
    for (const std::string& text : texts) {
        const GlyphOwners level = OwnersOf(text, height, 0, weight);
        const GlyphOwners turned = OwnersOf(text, height, escapement, weight);
        const bool joined =
            std::find(std::begin(kJoinedLabels), std::end(kJoinedLabels), text) != std::end(kJoinedLabels);
        for (int glyph = 0; glyph < int(text.size()) && !joined; ++glyph) {
            const GlyphInk want = InkOf(level, glyph), got = InkOf(turned, glyph);
            const std::string which = "'" + text.substr(size_t(glyph), 1) + "' of " + text;
            EXPECT_EQ(got.shape, want.shape)
                << which << ": pieces " << got.shape.pieces << " holes " << got.shape.holes << " where level "
                << want.shape.pieces << " " << want.shape.holes;
            EXPECT_GE(got.pixels, kLeastInkShare * want.pixels)
                << which << ": " << got.pixels << " of " << want.pixels << " pixels";
            EXPECT_LE(got.pixels, kMostInkShare * want.pixels)
                << which << ": " << got.pixels << " of " << want.pixels << " pixels";
        }
        const auto apart = TouchingGlyphs(level);
        for (const auto& [a, b] : TouchingGlyphs(turned))
            EXPECT_TRUE(apart.count({a, b}))
                << "'" << text[size_t(a)] << "' touches '" << text[size_t(b)] << "' of " << text;
    }
}

// Character heights (negative) and cells (positive) of the small sizes a plan writes its labels in.
INSTANTIATE_TEST_SUITE_P(DCText, SmallTurnedText,
                         testing::Combine(testing::Values(300, 450, 1350, 3000), testing::Range(-14, -7),
                                          testing::Values(FW_NORMAL)));
INSTANTIATE_TEST_SUITE_P(Cells, SmallTurnedText,
                         testing::Combine(testing::Values(150, 300, 450, 600, 1200, 1500, 2100, 2550, 3150,
                                                          3300),
                                          testing::Range(8, 17), testing::Values(FW_NORMAL)));
// Where "fi" and "fl" are each drawn as one glyph, the "i" keeps off the next "f".
INSTANTIATE_TEST_SUITE_P(Joined, SmallTurnedText,
                         testing::Combine(testing::Values(1380, 2625, 3126), testing::Values(8, 9),
                                          testing::Values(FW_NORMAL)));
// Letters above the glyphwise size, drawn by Qt, show no clear pixel where their strokes meet.
INSTANTIATE_TEST_SUITE_P(Large, SmallTurnedText,
                         testing::Combine(testing::Values(595, 3160), testing::Values(42),
                                          testing::Values(FW_NORMAL, FW_BOLD)));

class TurnedTextReach : public testing::TestWithParam<std::tuple<int32_t, int32_t, int32_t, int32_t, bool>> {
};

// A turned text is inked, and what it was inked with kept, only where its turned cell reaches the
// device: not where the square its length spans about the reference point does. What shows is
// what shows of it drawn whole; drawn again where all of it shows, it is drawn whole, as it is
// with nothing kept.
TEST_P(TurnedTextReach, IsInkedOnlyWhereItShows) {
    const auto [x, y, escapement, height, shows] = GetParam();
    auto drawn = [&](int32_t w, int32_t h, int32_t from) {
        QImage image = White(w, h);
        TDC dc(image);
        dc.SetBkMode(TRANSPARENT);
        dc.SelectObject(TFont("Arial", height, 0, escapement));
        dc.TextOut(x + from, y + from, "A long note on the plaster of the wall");
        return image;
    };
    const size_t kept = TurnedGlyphCache::OfThread().ChoiceBytes();
    const QImage part = drawn(200, 100, 0);
    EXPECT_EQ(CountDifferent(part, White(200, 100)) != 0, shows);
    EXPECT_EQ(TurnedGlyphCache::OfThread().ChoiceBytes() != kept, shows);
    const QImage whole = drawn(1400, 1400, 700);
    EXPECT_EQ(CountDifferent(part, whole.copy(700, 700, 200, 100)), 0);
    TurnedGlyphCache::OfThread().Clear();
    EXPECT_EQ(CountDifferent(drawn(1400, 1400, 700), whole), 0);
}

// Rising away above the device, or running off its left, and the same running into it; drawn
// glyph by glyph and, larger, by Qt and mended, the last where its strokes meet within the device;
// and larger still, its glyphs filled as outlines, drawn off the screen near what shows of it.
INSTANTIATE_TEST_SUITE_P(
    DCText, TurnedTextReach,
    testing::Values(std::tuple(100, -30, 101, 12, false), std::tuple(100, -30, 3301, 12, true),
                    std::tuple(-150, 50, 1851, 12, false), std::tuple(-150, 50, 107, 12, true),
                    std::tuple(100, -150, 103, 50, false), std::tuple(100, -150, 2903, 50, true),
                    std::tuple(60, 20, 3124, 50, true), std::tuple(60, 20, 3124, 90, true),
                    std::tuple(-150, 50, 107, 90, true), std::tuple(100, -150, 2903, 90, true)));

// The text drawn transparently in the font from x on the middle row of a white square.
QImage DrawnText(const std::string& text, const TFont& font, uint32_t align,
                 int32_t x = GlyphOwners::kSide / 2) {
    QImage image = White(GlyphOwners::kSide, GlyphOwners::kSide);
    TDC dc(image);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(align);
    dc.SelectObject(font);
    dc.TextOut(x, GlyphOwners::kSide / 2, text);
    return image;
}

// A text written at `escapement` about (120, 120), TA_LEFT | TA_BASELINE.
QImage TextAt(const std::string& text, int32_t height, int32_t escapement) {
    return DrawnText(text, TFont("Arial", height, 0, escapement), TA_LEFT | TA_BASELINE);
}

class QuarterTurnedText : public testing::TestWithParam<std::tuple<int32_t, int32_t>> {};

// A text turned a quarter, a half or three quarters is its level text's pixels turned about the
// reference point, pixel for pixel: a narrow room's size label reads as clearly as a wide one's.
TEST_P(QuarterTurnedText, IsTheLevelTextTurnedExactly) {
    const auto [escapement, height] = GetParam();
    const int c = GlyphOwners::kSide / 2;
    for (const std::string& text : kSmallLabels) {
        const QImage level = TextAt(text, height, 0), turned = TextAt(text, height, escapement);
        QImage want = White(GlyphOwners::kSide, GlyphOwners::kSide);
        for (int y = 0; y < level.height(); ++y)
            for (int x = 0; x < level.width(); ++x) {
                if (!Inked(level, x, y)) continue;
                // The pixel square from (u, v) to (u + 1, v + 1) about the reference point, turned.
                const int u = x - c, v = y - c;
                const QPoint to = escapement == 900    ? QPoint(c + v, c - u - 1)
                                  : escapement == 1800 ? QPoint(c - u - 1, c - v - 1)
                                                       : QPoint(c - v - 1, c + u);
                want.setPixel(to, level.pixel(x, y));
            }
        EXPECT_GT(CountInked(want), 10) << text;
        EXPECT_EQ(CountDifferent(turned, want), 0) << text << " at " << escapement / 10 << " degrees";
    }
}

INSTANTIATE_TEST_SUITE_P(DCText, QuarterTurnedText,
                         testing::Combine(testing::Values(900, 1800, 2700, -900),
                                          testing::Values(-14, -11, -8, 8, 10, 12, 14, 16)));

// Heap bytes in use, as the allocator counts them.
size_t HeapInUse() {
#if defined(__SANITIZE_ADDRESS__) || TREVALYN_HAS_ASAN
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}

// Texts of 36-pixel cells, the largest drawn glyph by glyph, each at its own angle; labels of
// 8-pixel cells, whose glyphs take more inkings to keep off one another; and larger letters, drawn
// by Qt and mended, in each style, two to a context in the order given, as a drawing's are.
std::vector<QImage> LargeTurnedTexts(bool reversed = false) {
    std::vector<QImage> images;
    for (int32_t escapement = 1; escapement <= 200; ++escapement)
        images.push_back(
            DrawnText("Kitchen 12000", TFont("Arial", 36, 0, escapement * 17), TA_CENTER | TA_BASELINE));
    for (int32_t escapement = 7; escapement < 3600; escapement += 53)
        images.push_back(DrawnText("Ab 2828 xy", TFont("Arial", 8, 0, escapement), TA_CENTER | TA_BASELINE));
    for (int32_t escapement = 13, row = 0; escapement < 3600; escapement += 163, ++row) {
        QImage image = White(GlyphOwners::kSide, GlyphOwners::kSide);
        TDC dc(image);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextAlign(TA_CENTER | TA_BASELINE);
        const TFont fonts[] = {TFont("Arial", row % 2 ? 90 : 50, 0, escapement, 0,
                                     row % 3 ? FW_NORMAL : FW_BOLD, row % 4 == 2, row % 5 == 2, row % 7 == 3),
                               TFont("Arial", 44, 0, 3600 - escapement)};
        for (int32_t text = 0; text < 2; ++text) {
            dc.SelectObject(fonts[text ^ int32_t(reversed)]);
            dc.TextOut(120, 120 + 30 * (text ^ int32_t(reversed)),
                       text ^ int32_t(reversed) ? "WC 4M" : "Kitchen 12000");
        }
        images.push_back(image);
    }
    return images;
}

class TurnedGlyphKeeping : public testing::TestWithParam<size_t> {
protected:
    void TearDown() override { TurnedGlyphCache::OfThread().SetBound(TurnedGlyphCache::DefaultBound()); }
};

// The glyphs kept for repaints take no more memory than their bound, however many angles a drawing
// turns its texts to, and a text whose glyphs were let go is drawn again exactly as before, from
// what their search chose: however small the bound, no glyph is searched twice.
TEST_P(TurnedGlyphKeeping, HoldsItsBoundAndDrawsAlike) {
    const size_t bound = GetParam();
    // What mending a larger text finds is kept, so these are mended from what was kept; those drawn
    // again below find it afresh, at first in the other order.
    LargeTurnedTexts();
    const std::vector<QImage> fresh = LargeTurnedTexts();
    TurnedGlyphCache::OfThread().SetBound(bound);
    TurnedGlyphCache::OfThread().Clear();
    const size_t before = HeapInUse();
    uint64_t searched = 0;
    for (int pass = 0; pass < 2; ++pass) {
        const std::vector<QImage> again = LargeTurnedTexts(pass == 0);
        for (size_t text = 0; text < fresh.size(); ++text)
            ASSERT_EQ(CountDifferent(again[text], fresh[text]), 0) << "pass " << pass << ", text " << text;
        const uint64_t now = TurnedGlyphCache::OfThread().Searches();
        if (pass == 1) {
            EXPECT_EQ(now, searched) << now - searched << " glyphs searched again";
        }
        searched = now;
    }
    const size_t after = HeapInUse();
    // Unbounded, these texts keep some five megabytes.
    EXPECT_LT(after, before + std::min(bound, size_t{1} << 30) + (size_t{1} << 19))
        << (after - before) / 1024 << " KB kept";
}

class LargeTurnedTextInk : public testing::TestWithParam<std::tuple<int32_t, int32_t, int32_t>> {};

// A turned text too large to be drawn glyph by glyph keeps every pixel Qt's own drawText inks in full,
// in every style, and is drawn unsmoothed in the text colour alone, as every other text is: mending
// only adds pixels. Texts of 30 to 40 pixels on a drawing seen zoomed up come to their size through
// the mapping.
TEST_P(LargeTurnedTextInk, KeepsEveryPixelQtInksInFullUnsmoothed) {
    const auto [pixels, style, zoom] = GetParam();
    QFont font(ShippedFontFamily());
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setPixelSize(pixels * zoom);
    font.setBold(style == 1), font.setItalic(style == 2), font.setUnderline(style == 3),
        font.setStrikeOut(style == 4);
    const int c = GlyphOwners::kSide / 2;
    for (int32_t escapement = 1; escapement < 3600; escapement += 170) {
        QImage drawn = White(GlyphOwners::kSide, GlyphOwners::kSide);
        TDC dc(drawn);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextAlign(TA_LEFT | TA_BASELINE);
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetViewportExtEx(zoom, zoom);
        dc.SelectObject(TFont("Arial", -pixels, 0, escapement, 0, style == 1 ? FW_BOLD : 0, style == 2,
                              style == 3, style == 4));
        dc.TextOut(c / zoom, c / zoom, "M4");
        QImage want = White(GlyphOwners::kSide, GlyphOwners::kSide);
        QPainter painter(&want);
        painter.setFont(font);
        painter.translate(c, c);
        painter.rotate(-escapement / 10.0);
        painter.drawText(QPoint(), "M4");
        painter.end();
        int lost = 0, smoothed = 0;
        for (int y = 0; y < want.height(); ++y)
            for (int x = 0; x < want.width(); ++x) {
                lost += want.pixel(x, y) == qRgb(0, 0, 0) && !Inked(drawn, x, y);
                smoothed += Inked(drawn, x, y) && drawn.pixel(x, y) != qRgb(0, 0, 0);
            }
        EXPECT_EQ(lost, 0) << "at " << escapement / 10.0 << " degrees";
        EXPECT_EQ(smoothed, 0) << "at " << escapement / 10.0 << " degrees";
    }
}

// Pixel sizes either side of 64, where Qt stops drawing turned glyphs from its cache and fills their
// outlines; normal, bold, italic, underlined and struck out.
INSTANTIATE_TEST_SUITE_P(DCText, LargeTurnedTextInk,
                         testing::Combine(testing::Values(44, 63, 64, 71), testing::Range(0, 5),
                                          testing::Values(1)));
// Notes of 30 to 40 pixels zoomed up two and three times.
INSTANTIATE_TEST_SUITE_P(Zoomed, LargeTurnedTextInk,
                         testing::Combine(testing::Values(30, 40), testing::Range(0, 5), testing::Values(2, 3)));

// A font no longer drawn with takes what its turned glyphs chose and what its texts' mending found
// with it, so a drawing seen at ever more scales keeps only those of the fonts it draws with.
TEST(DCText, ChoicesGoWithTheFontsLetGo) {
    TurnedGlyphCache& kept = TurnedGlyphCache::OfThread();
    kept.Clear();
    // As many fonts as are kept: each of the sizes upright or italic, plain or bold.
    auto drawInFonts = [](uint8_t italic) {
        for (int32_t height = 10; height < 74; height += 2)
            for (const int32_t weight : {FW_NORMAL, FW_BOLD})
                DrawnText("Kitchen 4", TFont("Arial", height, 0, 300, 0, weight, italic), TA_LEFT | TA_TOP,
                          20);
    };
    drawInFonts(0);
    const size_t upright = kept.ChoiceBytes();
    drawInFonts(1);
    EXPECT_LT(kept.ChoiceBytes(), upright + upright / 2)
        << kept.ChoiceBytes() / 1024 << " KB of choices kept after " << upright / 1024 << " KB";
}

// The pixels a turned text's ink holds in each of its pieces, a set a glyph.
std::vector<std::set<std::pair<int, int>>> PiecesOf(const TurnedText& ink) {
    std::vector<std::set<std::pair<int, int>>> pieces;
    for (const TurnedText::Piece& piece : ink.pieces) {
        TurnedText alone = ink;
        alone.pieces.assign(1, piece);
        pieces.emplace_back();
        alone.ForEachInked([&](int32_t x, int32_t y) { pieces.back().emplace(x, y); });
    }
    return pieces;
}

// A letter whose level glyph touches the one before keeps only off that one's ink: it is inked and
// placed as it would be alone wherever its ink alone lies off the ink before.
TEST(DCText, ALetterTouchingTheOneBeforeLevelKeepsOnlyOffItsInk) {
    int32_t kept = 0;
    for (const int32_t pixels : {8, 9, 10, 11, 12}) {
        QFont font(ShippedFontFamily());
        font.setStyleStrategy(QFont::NoAntialias);
        font.setKerning(false);
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        const std::shared_ptr<TurnedGlyphs> glyphs = TurnedGlyphs::Shared(font);
        for (const QString pair : {"rt", "ry", "LT", "ff", "rv", "tt", "Ty", "yj", "rf", "kx"}) {
            const int32_t advance = metrics.horizontalAdvance(pair[0]);
            // Level, the letters touch where any inked pixel of the second lies on or beside the first's.
            auto level = [&](int32_t x, const QString& letter) {
                QImage image(4 * pixels, 3 * pixels, QImage::Format_Alpha8);
                image.fill(0);
                QPainter painter(&image);
                painter.setFont(font);
                painter.drawText(QPoint(pixels + x, 2 * pixels), letter);
                return image;
            };
            const QImage first = level(0, pair.left(1)), second = level(advance, pair.mid(1));
            bool touching = false;
            for (int y = 1; y + 1 < first.height(); ++y)
                for (int x = 1; x + 1 < first.width(); ++x)
                    for (int n = 0; n < 9 && second.constScanLine(y)[x] != 0; ++n)
                        touching |= first.constScanLine(y + n / 3 - 1)[x + n % 3 - 1] != 0;
            if (!touching) continue;
            for (double angle = 7.3; angle < 360; angle += 23.9) {
                const auto both = PiecesOf(*glyphs->Ink(pair, angle, QPoint()));
                const auto alone = PiecesOf(*glyphs->Ink(pair.mid(1), angle, QPoint(advance, 0)));
                ASSERT_TRUE(both.size() == 2 && alone.size() == 1);
                if (std::any_of(alone[0].begin(), alone[0].end(),
                                [&](const auto& at) { return both[0].count(at); }))
                    continue;
                ++kept;
                EXPECT_EQ(both[1], alone[0])
                    << pair.toStdString() << " at " << pixels << " pixels, " << angle << " degrees";
            }
        }
    }
    EXPECT_GT(kept, 20);
}

// Nothing kept; a few glyphs; texts let go while their glyphs' choices are found again; all kept.
INSTANTIATE_TEST_SUITE_P(DCText, TurnedGlyphKeeping,
                         testing::Values(size_t{0}, size_t{64} << 10, size_t{256} << 10,
                                         TurnedGlyphCache::DefaultBound()));

} // namespace
