#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <tuple>

#include "platform/dc.h"
#include "platform/glyphs/turned_glyph_cache.h"
#include "tests/platform/pixel_probe.h"

namespace {

// A sixteenth of the machine's memory, never past 256 MB; 48 MB where the memory is not known.
TEST(DCText, TurnedGlyphBoundIsAShareOfTheMachineUpToAFewHundredMegabytes) {
    const uint64_t rows[][2] = {{0, 48}, {512, 32}, {2048, 128}, {3072, 192}, {4096, 256}, {65536, 256}};
    for (const auto& [memory, bound] : rows)
        EXPECT_EQ(TurnedGlyphCache::BoundFor(memory << 20), bound << 20) << memory << " MB";
}

// Texts and glyphs of six megabytes each are drawn in paints under a bound of some of them and half
// one more: a lowercase letter is a text drawn, an uppercase one a glyph turned, '|' begins a paint.
TEST(DCText, TurnedTextsAndGlyphsAreLetGoInOrder) {
    const std::tuple<const char*, size_t, const char*, const char*> rows[] = {
        {"A paint past the bound keeps what it drew first", 2, "abc", "ab"},
        {"A later paint lets go of what was drawn longest ago", 2, "ab|c", "bc"},
        {"A text drawn again stays over one not drawn again", 2, "ab|ac", "ac"},
        {"Glyphs go before any text", 2, "Aa|b", "ab"},
        {"Glyphs go the earliest drawn first", 2, "ABA|C", "AC"},
        {"Glyphs keep to their share of a larger bound", 40, "ABCDEFGH", "BCDEFGH"}};
    TurnedGlyphCache& cache = TurnedGlyphCache::OfThread();
    const size_t unit = size_t{6} << 20;
    auto filled = [&](auto made) { return made.bits.assign(unit / 8, 1), made; };
    auto text = [](char c) { return TurnedGlyphCache::TextKey{1, 0, QPoint(), QString(QChar(c))}; };
    auto glyph = [](char c) { return TurnedGlyphCache::Key{1, 0, uint32_t(c)}; };
    auto found = [&](char c) { return std::islower(c) ? !!cache.Find(text(c)) : !!cache.Find(glyph(c)); };
    for (const auto& [name, bound, drawn, kept] : rows) {
        cache.Clear();
        cache.SetBound(bound * unit + unit / 2);
        cache.BeginPaint();
        for (const char c : std::string(drawn)) {
            TurnedText made = filled(TurnedText{});
            if (c == '|') cache.BeginPaint();
            if (std::islower(c) && !found(c)) cache.Add(text(c), made);
            if (std::isupper(c) && !found(c)) cache.Add(glyph(c), filled(TurnedGlyph{})), cache.Trim();
        }
        std::string left = "abcABCDEFGH";
        std::erase_if(left, [&](char c) { return !found(c); });
        EXPECT_EQ(left, kept) << name;
    }
    cache.SetBound(TurnedGlyphCache::DefaultBound());
    cache.Clear();
}

// Turned texts of every size drawn glyph by glyph, each at its own angle, drawn plain with their
// inking put off, end as drawn at once once it is finished and they are painted again.
TEST(DCText, TurnedTextsDrawnPlainEndAsInkedAtOnce) {
    auto paint = [](QImage& image, bool putOff) {
        image.fill(Qt::white);
        TDC dc(image);
        dc.PutOffTurnedInking(putOff);
        dc.SetBkMode(TRANSPARENT);
        for (int32_t escapement = 7; escapement < 3600; escapement += 97) {
            dc.SelectObject(TFont("Arial", 8 + escapement % 5 * 7, 0, escapement));
            dc.TextOut(200, 200, "Kitchen 12000 WC");
        }
    };
    QImage atOnce = pixelprobe::White(400, 400), later = pixelprobe::White(400, 400);
    TurnedGlyphCache::OfThread().Clear();
    paint(atOnce, false);
    TurnedGlyphCache::OfThread().Clear();
    paint(later, true);
    EXPECT_TRUE(TDC::TurnedInkingPutOff());
    EXPECT_TRUE(TDC::FinishTurnedInking());
    EXPECT_FALSE(TDC::TakePlainArea(&later).isEmpty());
    paint(later, true);
    EXPECT_FALSE(TDC::TurnedInkingPutOff());
    EXPECT_EQ(pixelprobe::CountDifferent(later, atOnce), 0);
}

} // namespace
