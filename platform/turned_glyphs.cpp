// Small turned glyphs inked so that they keep the shape and the weight of their level glyphs,
// placed one by one where the level text places them.
#include "platform/turned_glyphs.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <QPainter>
#include <utility>
#include <vector>

#include "platform/glyph_ink.h"
#include "platform/turned_glyph_fonts.h"

using glyph_ink::Mask;

namespace {

// Places a glyph may take, in quarters of a pixel along and across its base line from its level
// place, where it would touch the one before or cannot keep its shape: the nearest first, and
// further along the line before back.
constexpr QPoint kShiftsTried[] = {{0, 0},  {1, 0},  {0, 1},  {0, -1},  {1, 1},   {1, -1}, {2, 0},   {0, 2},
                                   {0, -2}, {-1, 0}, {2, 1},  {2, -1},  {1, 2},   {1, -2}, {-1, 1},  {-1, -1},
                                   {-2, 0}, {2, 2},  {2, -2}, {-1, 2},  {-1, -2}, {-2, 1}, {-2, -1}, {3, 0},
                                   {3, 1},  {3, -1}, {-2, 2}, {-2, -2}, {3, 2},   {3, -2}, {4, 0},   {4, 1},
                                   {4, -1}, {4, 2},  {4, -2}, {5, 0},   {5, 1},   {5, -1}, {5, 2},   {5, -2},
                                   {6, 0},  {6, 1},  {6, -1}, {6, 2},   {6, -2}};
// The first places tried for a glyph whose shape none of them keeps: past them none is likely to.
constexpr int32_t kShiftsForShape = 12;
// Glyphs of fewer pixels are too small for any inking to keep their shapes, so none is sought.
constexpr int32_t kLeastShapedHeight = 7;
// Above this many pixels a turned text costs more memory than its drawing is worth.
constexpr int64_t kMostTextPixels = int64_t{1} << 22;

// True when a pixel of the glyph's inking at `at` in the text falls on or beside ink already there,
// `near` marking the pixels on or beside it.
bool Touches(const TurnedGlyph& glyph, int32_t inking, const Mask& near, int32_t w, int32_t h, QPoint at) {
    return glyph.AnyInked(inking, [&](int32_t x, int32_t y) {
        const int32_t tx = at.x() + x, ty = at.y() + y;
        return tx >= 0 && ty >= 0 && tx < w && ty < h && near[size_t(ty * w + tx)];
    });
}

bool QuarterTurn(double angle) {
    return std::fmod(angle, 90.0) == 0.0;
}

} // namespace

TurnedGlyphs::TurnedGlyphs(const QFont& font)
    : font_(font), metrics_(font), pad_(metrics_.height() / 4 + 2),
      shaped_(metrics_.height() >= kLeastShapedHeight), number_([] {
          static std::atomic<uint64_t> made{0};
          return ++made;
      }()) {}

std::shared_ptr<TurnedGlyphs> TurnedGlyphs::Shared(const QFont& font) {
    return TurnedGlyphFonts::Of(font);
}

// The level text drawn as it is drawn level, its pixels turned onto whole pixels about the
// reference point.
QImage TurnedGlyphs::DrawQuarterTurned(const QString& text, double angle, QPoint pen, QColor colour,
                                       QRect& box) const {
    const QRect level(pen.x() - pad_, pen.y() - metrics_.ascent() - pad_,
                      metrics_.horizontalAdvance(text) + 2 * pad_, metrics_.height() + 2 * pad_);
    const QTransform turn = QTransform().rotate(-angle);
    box = turn.mapRect(QRectF(level)).toAlignedRect();
    if (level.isEmpty() || int64_t{level.width()} * level.height() > kMostTextPixels) return QImage();
    QImage image(level.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(0);
    {
        QPainter painter(&image);
        painter.setFont(font_);
        painter.setPen(colour);
        painter.drawText(pen - level.topLeft(), text);
    }
    return image.transformed(turn);
}

QImage TurnedGlyphs::Draw(const QString& text, double angle, QPoint pen, QPoint reference, QColor colour,
                          QRect& box) const {
    QImage image;
    if (QuarterTurn(angle)) {
        image = DrawQuarterTurned(text, angle, pen, colour, box);
        box.translate(reference);
        return image;
    }
    TurnedGlyphCache& cache = TurnedGlyphCache::OfThread();
    uint64_t angleBits = 0;
    std::memcpy(&angleBits, &angle, sizeof angleBits);
    TurnedGlyphCache::TextKey key{number_, angleBits, pen, text};
    if (const TurnedText* known = cache.Find(key)) {
        box = known->box;
        image = QImage(box.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(0);
        const QRgb inked = colour.rgb();
        const size_t width = size_t(box.width());
        for (size_t word = 0; word < known->bits.size(); ++word)
            for (uint64_t left = known->bits[word]; left != 0; left &= left - 1) {
                const size_t bit = word * 64 + size_t(__builtin_ctzll(left));
                reinterpret_cast<QRgb*>(image.scanLine(int32_t(bit / width)))[bit % width] = inked;
            }
    } else {
        TurnedText kept;
        image = DrawGlyphByGlyph(text, angle, pen, colour, box, kept);
        if (!image.isNull()) cache.Add(std::move(key), std::move(kept));
        cache.Trim();
    }
    box.translate(reference);
    return image;
}

// Each glyph takes the first inking that keeps its shape off the glyphs before, at its level place
// or a little moved; `kept` receives the text's ink.
QImage TurnedGlyphs::DrawGlyphByGlyph(const QString& text, double angle, QPointF pen, QColor colour,
                                      QRect& box, TurnedText& kept) const {
    // The text's ink lies within its turned cell, widened for overhanging glyphs and moved glyphs.
    const QTransform turn = QTransform().rotate(-angle);
    box = turn.mapRect(QRectF(pen.x() - pad_, pen.y() - metrics_.ascent() - pad_,
                              metrics_.horizontalAdvance(text) + 2 * pad_, metrics_.height() + 2 * pad_))
              .toAlignedRect();
    if (box.isEmpty() || int64_t{box.width()} * box.height() > kMostTextPixels) return QImage();
    kept.box = box;
    kept.bits.assign((size_t(box.width()) * size_t(box.height()) + 63) / 64, 0);

    // The glyphs stay put until the cache is trimmed, after the text is drawn.
    const int32_t w = box.width(), h = box.height();
    QImage image(box.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(0);
    const QRgb inked = colour.rgb();
    uchar* const pixels = image.bits();
    const qsizetype stride = image.bytesPerLine();
    Mask near(size_t(w) * size_t(h), 0);
    for (const QChar ch : text) {
        // How good a pick is: kept shape and apart, kept shape, nearest shape and apart, nearest.
        const TurnedGlyph* chosenGlyph = nullptr;
        int32_t chosen = 0, chosenRank = 4;
        QPoint chosenAt;
        int32_t tried = 0;
        for (const QPoint shift : kShiftsTried) {
            const QPointF origin = turn.map(pen + QPointF(shift) / kPhases);
            int32_t x = int32_t(std::floor(origin.x())), y = int32_t(std::floor(origin.y()));
            int32_t phaseX = int32_t(std::lround((origin.x() - x) * kPhases));
            int32_t phaseY = int32_t(std::lround((origin.y() - y) * kPhases));
            if (phaseX == kPhases) ++x, phaseX = 0;
            if (phaseY == kPhases) ++y, phaseY = 0;
            TurnedGlyph& glyph = GlyphAt(ch, angle, phaseX, phaseY);
            const QPoint at = QPoint(x, y) + glyph.box.topLeft() - box.topLeft();
            for (int32_t index = 0; chosenRank > 0 && Inking(glyph, ch, angle, phaseX, phaseY, index);
                 ++index) {
                const int32_t rank =
                    (glyph.nearest ? 2 : 0) + (Touches(glyph, index, near, w, h, at) ? 1 : 0);
                if (rank < chosenRank) chosenGlyph = &glyph, chosen = index, chosenAt = at, chosenRank = rank;
            }
            // Glyphs too small to keep their shapes are not worth moving, nor far where nothing keeps
            // one's shape near its place.
            if (chosenRank == 0 || !shaped_ || (chosenRank >= 2 && ++tried >= kShiftsForShape)) break;
        }
        pen.rx() += metrics_.horizontalAdvance(ch);
        if (!chosenGlyph) continue;
        chosenGlyph->AnyInked(chosen, [&](int32_t x, int32_t y) {
            const int32_t tx = chosenAt.x() + x, ty = chosenAt.y() + y;
            if (tx < 0 || ty < 0 || tx >= w || ty >= h) return false;
            reinterpret_cast<QRgb*>(pixels + ty * stride)[tx] = inked;
            const size_t bit = size_t(ty) * size_t(w) + size_t(tx);
            kept.bits[bit / 64] |= uint64_t{1} << (bit % 64);
            for (int32_t ny = std::max(0, ty - 1); ny <= std::min(h - 1, ty + 1); ++ny)
                for (int32_t nx = std::max(0, tx - 1); nx <= std::min(w - 1, tx + 1); ++nx)
                    near[size_t(ny * w + nx)] = 1;
            return false;
        });
    }
    return image;
}
