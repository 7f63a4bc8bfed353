// The ink of turned glyphs as masks and bits: pieces, holes and small holes counted alike however
// the pixels are held.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <QImage>
#include <QPoint>
#include <random>
#include <vector>

#include "platform/glyphs/glyph_ink.h"

namespace {

// The clear regions joined at edges that do not reach the mask's edge, found by flooding from each
// clear pixel in turn: each hole's pixels in order, the holes in the order of their first pixels.
std::vector<std::vector<int32_t>> HolesByFlooding(const glyph_ink::Mask& mask, int32_t w, int32_t h) {
    std::vector<uint8_t> seen(mask.size(), 0);
    std::vector<std::vector<int32_t>> holes;
    for (int32_t start = 0; start < w * h; ++start) {
        if (mask[size_t(start)] || seen[size_t(start)]) continue;
        std::vector<int32_t> region{start};
        seen[size_t(start)] = 1;
        bool open = false;
        for (size_t next = 0; next < region.size(); ++next) {
            const int32_t x = region[next] % w, y = region[next] / w;
            open |= x == 0 || y == 0 || x == w - 1 || y == h - 1;
            for (const auto& [dx, dy] :
                 {std::pair(-1, 0), std::pair(1, 0), std::pair(0, -1), std::pair(0, 1)}) {
                const int32_t at = (y + dy) * w + x + dx;
                if (x + dx < 0 || y + dy < 0 || x + dx >= w || y + dy >= h || mask[size_t(at)] ||
                    seen[size_t(at)])
                    continue;
                seen[size_t(at)] = 1;
                region.push_back(at);
            }
        }
        std::sort(region.begin(), region.end());
        if (!open) holes.push_back(std::move(region));
    }
    return holes;
}

// A mask's rows as bits, `stride` words a row.
std::vector<uint64_t> BitsOf(const glyph_ink::Mask& mask, int32_t w, int32_t h, int32_t stride) {
    std::vector<uint64_t> words(size_t(stride * h), 0);
    for (int32_t at = 0; at < w * h; ++at)
        words[size_t(at / w * stride + at % w / 64)] |= uint64_t{mask[size_t(at)]} << (at % w % 64);
    return words;
}

// The pixels of the holes flooding finds of at most `most` pixels, row by row.
std::vector<QPoint> SmallHolesByFlooding(const glyph_ink::Mask& mask, int32_t w, int32_t h, int32_t most) {
    std::vector<QPoint> pixels;
    for (const auto& hole : HolesByFlooding(mask, w, h))
        if (int32_t(hole.size()) <= most)
            for (const int32_t at : hole)
                pixels.emplace_back(at % w, at / w);
    std::sort(pixels.begin(), pixels.end(),
              [](QPoint a, QPoint b) { return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x()); });
    return pixels;
}

// A mask's pieces and holes count alike whether its rows fit a word or are counted run by run, as
// bytes or as bits: a figure counted alone, then padded past a word's width and past its rows, and
// figures of every width to 300 whose runs cross from word to word and join at a word's edge. Its
// holes, each with its pixels, are those that flooding finds, and so are its small holes read from
// bits.
TEST(DCText, GlyphInkShapesAlikeInMasksOfAnySize) {
    const auto shapeOfBits = [](const glyph_ink::Mask& mask, int32_t w, int32_t h, int32_t stride) {
        const std::vector<uint64_t> words = BitsOf(mask, w, h, stride);
        const glyph_ink::Shape shape = glyph_ink::ShapeOf(glyph_ink::BitRows{words.data(), stride, w, h});
        return std::pair(shape.pieces, shape.holes);
    };
    std::mt19937 random(53);
    for (int32_t figure = 0; figure < 2000; ++figure) {
        const int32_t w = 8 + int32_t(random() % 50), h = 8 + int32_t(random() % 50);
        const uint32_t density = 30 + random() % 40;
        glyph_ink::Mask mask(size_t(w * h));
        for (uint8_t& pixel : mask)
            pixel = random() % 100 < density;
        const glyph_ink::Shape shape = glyph_ink::ShapeOf(mask, w, h);
        EXPECT_EQ(glyph_ink::HolesOf(mask, w, h), HolesByFlooding(mask, w, h))
            << "figure " << figure << ", holes";
        for (const auto& [wide, tall] : {std::pair(w + 70, h), std::pair(w, h + 130)}) {
            glyph_ink::Mask padded(size_t(wide * tall), 0);
            for (int32_t y = 0; y < h; ++y)
                std::copy_n(mask.begin() + y * w, w, padded.begin() + y * wide);
            const glyph_ink::Shape got = glyph_ink::ShapeOf(padded, wide, tall);
            EXPECT_EQ(std::pair(got.pieces, got.holes), std::pair(shape.pieces, shape.holes))
                << "figure " << figure << " in " << wide << " x " << tall << ", pieces and holes";
            EXPECT_EQ(shapeOfBits(padded, wide, tall, 2), std::pair(shape.pieces, shape.holes))
                << "figure " << figure << " in " << wide << " x " << tall << ", as bits";
        }
    }
    for (int32_t w = 1; w <= 300; ++w)
        for (const uint32_t density : {3u, 12u, 50u, 85u, 100u})
            for (int32_t figure = 0; figure < 4; ++figure) {
                const int32_t h = 1 + int32_t(random() % 30);
                glyph_ink::Mask mask(size_t(w * h));
                for (uint8_t& pixel : mask)
                    pixel = random() % 100 < density;
                const glyph_ink::Shape shape = glyph_ink::ShapeOf(mask, w, h);
                EXPECT_EQ(shapeOfBits(mask, w, h, (w + 63) / 64 + figure % 2),
                          std::pair(shape.pieces, shape.holes))
                    << w << " x " << h << " at " << density << "%, figure " << figure << ", as bits";
                const auto holes = glyph_ink::HolesOf(mask, w, h);
                EXPECT_EQ(holes, HolesByFlooding(mask, w, h))
                    << w << " x " << h << " at " << density << "%, holes";
                EXPECT_EQ(int32_t(holes.size()), shape.holes) << w << " x " << h << " at " << density << "%";
                const int32_t stride = (w + 63) / 64 + figure % 2;
                const std::vector<uint64_t> words = BitsOf(mask, w, h, stride);
                for (const int32_t most : {1, 3, 8})
                    EXPECT_EQ(glyph_ink::SmallHolesOf(glyph_ink::BitRows{words.data(), stride, w, h}, most),
                              SmallHolesByFlooding(mask, w, h, most))
                        << w << " x " << h << " at " << density << "%, holes of " << most
                        << " pixels at most";
            }
}

// Shares of cover read straight into bits give the bits of their mask, whatever the width of a row
// and wherever it falls across words.
TEST(DCText, GlyphInkBitsAreTheBitsOfTheMask) {
    std::mt19937 random(59);
    for (int32_t w = 1; w <= 100; ++w)
        for (const uint8_t share : {uint8_t{1}, uint8_t{96}, uint8_t{128}, uint8_t{224}, uint8_t{255}}) {
            const int32_t h = 1 + int32_t(random() % 20);
            QImage cover(w, h, QImage::Format_Alpha8);
            for (int32_t y = 0; y < h; ++y)
                for (int32_t x = 0; x < w; ++x)
                    cover.scanLine(y)[x] = uchar(random() % 256);
            const size_t words = (size_t(w) * size_t(h) + 63) / 64;
            std::vector<uint64_t> fromMask(words, 0), straight(words, 0);
            glyph_ink::OrBits(glyph_ink::Inked(cover, share), fromMask.data());
            glyph_ink::OrInkedBits(cover, share, straight.data());
            EXPECT_EQ(straight, fromMask) << w << " x " << h << " at " << int32_t(share);
        }
}

} // namespace
