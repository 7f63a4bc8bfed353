// The ink of a small glyph as a mask of pixels (internal to the layer): how many pixels it inks,
// the pieces and holes they make, and how its weight compares with a level glyph's. The turned
// glyphs judge each way of inking a glyph by these.
#pragma once

#include <cstdint>
#include <cstring>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QTransform>
#include <vector>

namespace glyph_ink {

// A pixel a byte, row by row: 1 where inked.
using Mask = std::vector<uint8_t>;

// Pieces of ink (joined at edges or corners) and closed holes (joined at edges) of a mask.
struct Shape {
    int32_t pieces = 0;
    int32_t holes = 0;
    bool operator==(const Shape&) const = default;
};

// A mask as bits: pixel x of row y is bit x % 64 of words[y * stride + x / 64]; bits at or past
// column w are clear.
struct BitRows {
    const uint64_t* words = nullptr;
    int32_t stride = 0; // words a row, at least (w + 63) / 64
    int32_t w = 0, h = 0;
};

// The pixels of an image of shares of cover (Format_Alpha8) covered at least `share` out of 255.
Mask Inked(const QImage& cover, uint8_t share);
// Eight pixels of a mask as the bits of a byte, the first the lowest.
inline uint8_t EightBits(const uint8_t* bytes) {
    uint64_t eight;
    std::memcpy(&eight, bytes, sizeof eight);
    // The top bit of each byte that is not 0, then the eight gathered into one byte.
    eight = (((eight & 0x7f7f7f7f7f7f7f7full) + 0x7f7f7f7f7f7f7f7full) | eight) & 0x8080808080808080ull;
    return uint8_t(((eight >> 7) * 0x0102040810204080ull) >> 56);
}
// Sets bit i % 64 of word i / 64 of `words` for each inked pixel i of a mask.
void OrBits(const Mask& mask, uint64_t* words);
// The same as OrBits of Inked(cover, share), without the mask between.
void OrInkedBits(const QImage& cover, uint8_t share, uint64_t* words);
Shape ShapeOf(const Mask& mask, int32_t w, int32_t h);
// The same, `ink` receiving how many pixels are inked.
Shape ShapeOf(const Mask& mask, int32_t w, int32_t h, int32_t& ink);
// The pieces and holes of a mask of bits, exactly as ShapeOf counts them for the same pixels.
Shape ShapeOf(const BitRows& mask);
// How many pieces and holes two shapes differ by.
int32_t Distance(Shape a, Shape b);
int32_t InkOf(const Mask& mask);
// The clear regions (joined at edges) of a mask that do not reach its edge, each as its pixels.
std::vector<std::vector<int32_t>> HolesOf(const Mask& mask, int32_t w, int32_t h);
// The pixels of the clear regions of at most `most` pixels, joined at edges, that do not reach the
// edge of a mask of bits, row by row.
std::vector<QPoint> SmallHolesOf(const BitRows& mask, int32_t most);
// Each inked level pixel of `pixels` carried by `place` to the pixel its centre turns into, and
// joined by a line to the carried pixels of the inked pixels beside it, in a mask of `size`.
Mask Carried(const QImage& pixels, const QTransform& place, QSize size);
// 0 where `ink` pixels keep the weight of a level glyph of `levelInk`, 1 where they still read as
// the same letter, 2 where they do not.
int32_t WeightClass(int32_t ink, int32_t levelInk);

} // namespace glyph_ink
