#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <string>

#include "platform/glyphs/turned_glyph_cache.h"

namespace {

constexpr uint64_t kMB = uint64_t{1} << 20;

struct MachineBound {
    uint64_t memory; // bytes, 0 where not known
    size_t bound;
};

class TurnedGlyphBound : public testing::TestWithParam<MachineBound> {};

// A sixteenth of the machine's memory, never past 256 MB; 48 MB where the memory is not known.
TEST_P(TurnedGlyphBound, IsAShareOfTheMachineUpToAFewHundredMegabytes) {
    EXPECT_EQ(TurnedGlyphCache::BoundFor(GetParam().memory), GetParam().bound);
}

INSTANTIATE_TEST_SUITE_P(DCText, TurnedGlyphBound,
                         testing::Values(MachineBound{0, 48 * kMB}, MachineBound{512 * kMB, 32 * kMB},
                                         MachineBound{2048 * kMB, 128 * kMB},
                                         MachineBound{3 * 1024 * kMB, 192 * kMB},
                                         MachineBound{4096 * kMB + 15, 256 * kMB},
                                         MachineBound{64 * 1024 * kMB, 256 * kMB}));

struct Keeping {
    const char* name;
    int32_t bound; // in texts, and half a text more
    // A lowercase letter is a text drawn, an uppercase one a glyph turned, '|' begins a paint.
    const char* drawn;
    const char* kept;
};

class TurnedGlyphEviction : public testing::TestWithParam<Keeping> {
protected:
    void TearDown() override {
        TurnedGlyphCache::OfThread().SetBound(TurnedGlyphCache::DefaultBound());
        TurnedGlyphCache::OfThread().Clear();
    }
};

TurnedGlyphCache::TextKey TextKeyOf(char name) {
    return {1, 0, QPoint(), QString(QChar(name))};
}

TurnedGlyphCache::Key GlyphKeyOf(char name) {
    return {1, 0, uint32_t(name)};
}

// Texts and glyphs of about the same bytes are drawn in paints; those still kept are named.
TEST_P(TurnedGlyphEviction, LetsGoInOrder) {
    TurnedGlyphCache& cache = TurnedGlyphCache::OfThread();
    cache.Clear();
    auto text = [] {
        TurnedText made;
        made.bits.assign(100, 1);
        return made;
    };
    TurnedText probe = text();
    cache.SetBound(size_t{1} << 30);
    cache.BeginPaint();
    ASSERT_NE(cache.Add(TextKeyOf('z'), probe), nullptr);
    const size_t unit = cache.Bytes();
    cache.Clear();
    cache.SetBound(size_t(GetParam().bound) * unit + unit / 2);
    cache.BeginPaint();
    const std::string drawn = GetParam().drawn;
    for (const char name : drawn) {
        if (name == '|') {
            cache.BeginPaint();
        } else if (std::islower(name)) {
            TurnedText made = text();
            if (!cache.Find(TextKeyOf(name))) cache.Add(TextKeyOf(name), made);
        } else if (!cache.Find(GlyphKeyOf(name))) {
            TurnedGlyph glyph;
            glyph.bits.assign(100, 1);
            cache.Add(GlyphKeyOf(name), std::move(glyph));
            cache.Trim();
        }
    }
    std::string kept;
    for (const char name : std::string("abcdABCD"))
        if (std::islower(name) ? cache.Find(TextKeyOf(name)) != nullptr
                               : cache.Find(GlyphKeyOf(name)) != nullptr)
            kept += name;
    EXPECT_EQ(kept, GetParam().kept);
    EXPECT_LE(cache.Bytes(), size_t(GetParam().bound) * unit + unit / 2);
}

INSTANTIATE_TEST_SUITE_P(
    DCText, TurnedGlyphEviction,
    testing::Values(Keeping{"APaintPastTheBoundKeepsWhatItDrewFirst", 2, "abc", "ab"},
                    Keeping{"ALaterPaintLetsGoOfWhatWasDrawnLongestAgo", 2, "ab|c", "bc"},
                    Keeping{"ATextDrawnAgainStaysOverOneNotDrawnAgain", 2, "ab|ac", "ac"},
                    Keeping{"GlyphsGoBeforeAnyText", 2, "Aa|b", "ab"},
                    Keeping{"GlyphsGoTheEarliestDrawnFirst", 2, "ABA|C", "AC"},
                    Keeping{"NothingIsKeptUnderNoBound", 0, "aA|b", ""}),
    [](const testing::TestParamInfo<Keeping>& info) { return std::string(info.param.name); });

// Under a bound of many texts the glyphs turned keep to their own few tens of megabytes, the
// earliest drawn let go first.
TEST(DCText, TurnedGlyphsKeepToTheirShareOfALargeBound) {
    TurnedGlyphCache& cache = TurnedGlyphCache::OfThread();
    cache.Clear();
    cache.SetBound(TurnedGlyphCache::kMostBound);
    const size_t each = TurnedGlyphCache::kMostGlyphBytes / 8;
    for (char name = 'A'; name <= 'L'; ++name) {
        TurnedGlyph glyph;
        glyph.bits.assign(each / sizeof(uint64_t), 1);
        cache.Add(GlyphKeyOf(name), std::move(glyph));
        cache.Trim();
    }
    EXPECT_LE(cache.Bytes(), TurnedGlyphCache::kMostGlyphBytes);
    EXPECT_EQ(cache.Find(GlyphKeyOf('E')), nullptr);
    EXPECT_NE(cache.Find(GlyphKeyOf('F')), nullptr);
    cache.SetBound(TurnedGlyphCache::DefaultBound());
    cache.Clear();
}

} // namespace
