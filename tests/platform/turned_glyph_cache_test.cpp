#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <tuple>

#include "platform/glyphs/turned_glyph_cache.h"

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

} // namespace
