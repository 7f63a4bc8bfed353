// Small turned glyphs inked so that they keep the shape of their level glyphs.
#include "platform/turned_glyphs.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <mutex>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <utility>

namespace {

// Glyph origins are placed to a quarter of a pixel: closer than the eye sees, and few enough
// turned copies of a glyph to keep.
constexpr int32_t kPhases = 4;
// A glyph that would touch the one before may move this many quarters of a pixel further along.
constexpr int32_t kShifts = 4;
// Glyphs of fewer pixels are too small for any inking to keep their shapes, so none is sought.
constexpr int32_t kLeastShapedHeight = 8;
// Turned glyphs kept per face: every printable letter at every fraction of a pixel.
constexpr size_t kMostGlyphs = 2048;
// Inkings kept per glyph: enough choice to keep a letter off its neighbour.
constexpr size_t kMostInkings = 8;
// Fonts at angles whose turned glyphs are kept: every turned text of a busy drawing, so that a
// repaint turns no glyph again.
constexpr size_t kMostAngles = 2048;
// Fonts whose level glyphs are kept.
constexpr size_t kMostFonts = 256;
// Above this many pixels a turned text costs more memory than its drawing is worth.
constexpr int64_t kMostTextPixels = int64_t{1} << 22;
// Shares of cover, out of 255, tried in this order: the first gives the truest weight of stroke,
// the others thicken thin strokes or open small holes where it does not keep the glyph's shape.
constexpr uint8_t kCovers[] = {96, 128, 64, 160, 48, 192, 32, 224};

using Mask = std::vector<uint8_t>;

Mask Inked(const QImage& cover, uint8_t share) {
    const int32_t w = cover.width(), h = cover.height();
    Mask mask(size_t(w) * size_t(h));
    for (int32_t y = 0; y < h; ++y) {
        const uchar* line = cover.constScanLine(y);
        uint8_t* out = mask.data() + size_t(y) * size_t(w);
        for (int32_t x = 0; x < w; ++x)
            out[x] = line[x] >= share;
    }
    return mask;
}

// Runs of a row of equal pixels, joined into regions as rows follow one another.
struct Run {
    int32_t from, to; // first and last column
    int32_t region;
    bool ink;
};

struct Regions {
    std::vector<int32_t> parent;
    std::vector<uint8_t> open; // a clear region that reaches the mask's edge

    int32_t Add(bool reachesEdge) {
        parent.push_back(int32_t(parent.size()));
        open.push_back(reachesEdge);
        return parent.back();
    }
    int32_t Find(int32_t region) {
        while (parent[size_t(region)] != region)
            region = parent[size_t(region)] = parent[size_t(parent[size_t(region)])];
        return region;
    }
    void Join(int32_t a, int32_t b) {
        a = Find(a), b = Find(b);
        if (a == b) return;
        parent[size_t(b)] = a;
        open[size_t(a)] |= open[size_t(b)];
    }
};

// Ink joins at edges or corners, clear pixels at edges only, so a hole never leaks out through a
// diagonal of ink. The mask is taken row by row in runs, which is far quicker than pixel by pixel.
TurnedGlyphs::Shape ShapeOf(const Mask& mask, int32_t w, int32_t h) {
    thread_local Regions regions;
    thread_local std::vector<Run> above, row;
    regions.parent.clear();
    regions.open.clear();
    above.clear();
    thread_local std::vector<uint8_t> isInk;
    isInk.clear();
    for (int32_t y = 0; y < h; ++y) {
        row.clear();
        const uint8_t* line = mask.data() + size_t(y) * size_t(w);
        for (int32_t x = 0; x < w;) {
            const bool ink = line[x] != 0;
            int32_t end = x;
            while (end + 1 < w && (line[end + 1] != 0) == ink)
                ++end;
            const bool edge = !ink && (x == 0 || end == w - 1 || y == 0 || y == h - 1);
            row.push_back({x, end, regions.Add(edge), ink});
            isInk.push_back(ink);
            x = end + 1;
        }
        for (const Run& run : row)
            for (const Run& over : above) {
                if (over.ink != run.ink) continue;
                const int32_t reach = run.ink ? 1 : 0;
                if (over.from <= run.to + reach && over.to >= run.from - reach)
                    regions.Join(run.region, over.region);
            }
        std::swap(above, row);
    }
    TurnedGlyphs::Shape shape;
    for (int32_t region = 0; region < int32_t(regions.parent.size()); ++region) {
        if (regions.Find(region) != region) continue;
        if (isInk[size_t(region)])
            ++shape.pieces;
        else
            shape.holes += !regions.open[size_t(region)];
    }
    return shape;
}

int32_t Distance(TurnedGlyphs::Shape a, TurnedGlyphs::Shape b) {
    return std::abs(a.pieces - b.pieces) + std::abs(a.holes - b.holes);
}

// True when a pixel of the glyph's mask at `at` in the text's ink lies on or beside ink already there.
bool Touches(const std::vector<bool>& glyph, int32_t gw, int32_t gh, const Mask& ink, int32_t w, int32_t h,
             QPoint at) {
    for (int32_t y = 0; y < gh; ++y)
        for (int32_t x = 0; x < gw; ++x) {
            if (!glyph[size_t(y * gw + x)]) continue;
            for (int32_t dy = -1; dy <= 1; ++dy)
                for (int32_t dx = -1; dx <= 1; ++dx) {
                    const int32_t tx = at.x() + x + dx, ty = at.y() + y + dy;
                    if (tx >= 0 && ty >= 0 && tx < w && ty < h && ink[size_t(ty * w + tx)]) return true;
                }
        }
    return false;
}

} // namespace

// The level glyphs of one font, shared by its faces at every angle.
struct TurnedGlyphs::LevelGlyphs {
    explicit LevelGlyphs(const QFont& font) : font(font), metrics(font), pad(metrics.height() / 4 + 2) {}

    const Level& Of(QChar ch) {
        const auto known = glyphs.find(ch.unicode());
        if (known != glyphs.end()) return known->second;
        Level level;
        level.pixels = QImage(metrics.horizontalAdvance(ch) + 2 * pad, metrics.height() + 2 * pad,
                              QImage::Format_ARGB32_Premultiplied);
        level.pixels.fill(0);
        {
            QPainter painter(&level.pixels);
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(QPoint(pad, pad + metrics.ascent()), QString(ch));
        }
        level.pixels = std::move(level.pixels).convertToFormat(QImage::Format_Alpha8);
        level.shape = ShapeOf(Inked(level.pixels, 1), level.pixels.width(), level.pixels.height());
        level.outline.addText(QPointF(0, 0), font, QString(ch));
        return glyphs.emplace(ch.unicode(), std::move(level)).first->second;
    }

    // The level glyphs of a font, kept for the few fonts in use at a time.
    static std::shared_ptr<LevelGlyphs> Of(const QFont& font) {
        thread_local std::unordered_map<QString, std::shared_ptr<LevelGlyphs>> fonts;
        // Fonts must not outlive the application's font database, so the main thread's go with it.
        static std::once_flag registered;
        std::call_once(registered, [] { qAddPostRoutine([] { fonts.clear(); }); });
        const QString key = font.key();
        const auto known = fonts.find(key);
        if (known != fonts.end()) return known->second;
        if (fonts.size() >= kMostFonts) fonts.clear();
        return fonts.emplace(key, std::make_shared<LevelGlyphs>(font)).first->second;
    }

    QFont font;
    QFontMetrics metrics;
    int32_t pad;
    std::unordered_map<char16_t, Level> glyphs;
};

TurnedGlyphs::TurnedGlyphs(const QFont& font, double angle)
    : angle_(angle), level_(angle == 0.0 ? nullptr : LevelGlyphs::Of(font)),
      shaped_(QFontMetrics(font).height() >= kLeastShapedHeight) {}

std::shared_ptr<TurnedGlyphs> TurnedGlyphs::Shared(const QFont& font, double angle) {
    thread_local std::unordered_map<QString, std::shared_ptr<TurnedGlyphs>> shared;
    static std::once_flag registered;
    std::call_once(registered, [] { qAddPostRoutine([] { shared.clear(); }); });
    const QString key = font.key() + QLatin1Char('@') + QString::number(angle, 'g', 10);
    const auto known = shared.find(key);
    if (known != shared.end()) return known->second;
    if (shared.size() >= kMostAngles) shared.clear();
    return shared.emplace(key, std::make_shared<TurnedGlyphs>(font, angle)).first->second;
}

TurnedGlyphs::Glyph& TurnedGlyphs::GlyphAt(QChar ch, int32_t phaseX, int32_t phaseY) const {
    const uint32_t key = (uint32_t(ch.unicode()) << 8) | uint32_t(phaseX << 4) | uint32_t(phaseY);
    const auto known = glyphs_.find(key);
    if (known != glyphs_.end()) return known->second;

    // Two turnings of the glyph: its outline, and the pixels of its level glyph, whose hinting keeps
    // small gaps (the dot of an "i") that the outline may not.
    Glyph glyph;
    glyph.level = &level_->Of(ch);
    const QImage& pixels = glyph.level->pixels;
    const int32_t pad = level_->pad;
    QTransform place;
    place.translate(double(phaseX) / kPhases, double(phaseY) / kPhases);
    place.rotate(-angle_);
    const QTransform placeLevel = QTransform::fromTranslate(-pad, -pad - level_->metrics.ascent()) * place;
    glyph.box = (place.map(glyph.level->outline).boundingRect() |
                 placeLevel.mapRect(
                     QRectF(pad - 2, pad - 2, pixels.width() - 2 * pad + 4, pixels.height() - 2 * pad + 4)))
                    .toAlignedRect()
                    .adjusted(-1, -1, 1, 1);
    const QTransform toBox = QTransform::fromTranslate(-glyph.box.left(), -glyph.box.top());
    glyph.levelPlace = placeLevel * toBox;
    glyph.covers[0] = QImage(glyph.box.size(), QImage::Format_ARGB32_Premultiplied);
    glyph.covers[0].fill(0);
    QPainter painter(&glyph.covers[0]);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setTransform(place * toBox);
    painter.fillPath(glyph.level->outline, Qt::black);
    painter.end();
    // Kept as shares alone: a quarter of the memory, and all that inking reads.
    glyph.covers[0] = std::move(glyph.covers[0]).convertToFormat(QImage::Format_Alpha8);
    // Room for every inking kept, so that one handed out stays put while more are found.
    glyph.inkings.reserve(kMostInkings);
    return glyphs_.emplace(key, std::move(glyph)).first->second;
}

// The level glyph's pixels turned, asked for only where no share of the outline keeps enough.
void TurnedGlyphs::TurnLevelPixels(Glyph& glyph) {
    glyph.covers[1] = QImage(glyph.box.size(), QImage::Format_ARGB32_Premultiplied);
    glyph.covers[1].fill(0);
    QPainter painter(&glyph.covers[1]);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.setTransform(glyph.levelPlace);
    painter.drawImage(QPoint(0, 0), glyph.level->pixels);
    painter.end();
    glyph.covers[1] = std::move(glyph.covers[1]).convertToFormat(QImage::Format_Alpha8);
}

const TurnedGlyphs::Bits* TurnedGlyphs::Inking(Glyph& glyph, size_t index) const {
    const int32_t tries = shaped_ ? 2 * int32_t(std::size(kCovers)) : 1;
    while (glyph.inkings.size() <= index && glyph.tried < tries && glyph.inkings.size() < kMostInkings) {
        const int32_t tried = glyph.tried++;
        if (tried == int32_t(std::size(kCovers))) TurnLevelPixels(glyph);
        const Mask inked = Inked(glyph.covers[tried / int32_t(std::size(kCovers))],
                                 kCovers[tried % int32_t(std::size(kCovers))]);
        const Shape shape = ShapeOf(inked, glyph.box.width(), glyph.box.height());
        Bits bits(inked.begin(), inked.end());
        if (shape == glyph.level->shape) {
            if (std::find(glyph.inkings.begin(), glyph.inkings.end(), bits) == glyph.inkings.end())
                glyph.inkings.push_back(std::move(bits));
        } else if (glyph.nearest.empty() || Distance(shape, glyph.level->shape) < glyph.nearestDistance) {
            glyph.nearestDistance = Distance(shape, glyph.level->shape);
            glyph.nearest = std::move(bits);
        }
    }
    if (index < glyph.inkings.size()) return &glyph.inkings[index];
    // A glyph too small for any inking to keep its shape is inked as near to it as any comes.
    return index == 0 && glyph.inkings.empty() ? &glyph.nearest : nullptr;
}

QImage TurnedGlyphs::Draw(const QString& text, QPointF pen, const QTransform& turn, QColor colour,
                          QRect& box) const {
    if (!level_) return QImage();
    if (glyphs_.size() >= kMostGlyphs) glyphs_.clear();
    // The text's ink lies within its turned cell, widened for overhanging glyphs and moved glyphs.
    const QFontMetrics& metrics = level_->metrics;
    const int32_t pad = level_->pad;
    box = turn.mapRect(QRectF(pen.x() - pad, pen.y() - metrics.ascent() - pad,
                              metrics.horizontalAdvance(text) + 2 * pad, metrics.height() + 2 * pad))
              .toAlignedRect();
    if (box.isEmpty() || int64_t{box.width()} * box.height() > kMostTextPixels) return QImage();

    // Each glyph takes the first inking that keeps it off the glyphs before, at its level place or a
    // little further along the base line.
    const int32_t w = box.width(), h = box.height();
    Mask ink(size_t(w) * size_t(h), 0);
    for (const QChar ch : text) {
        const Glyph* chosenGlyph = nullptr;
        const Bits* chosen = nullptr;
        QPoint chosenAt;
        bool apart = false;
        for (int32_t shift = 0; shift < (shaped_ ? kShifts : 1) && !apart; ++shift) {
            const QPointF origin = turn.map(pen + QPointF(double(shift) / kPhases, 0));
            int32_t x = int32_t(std::floor(origin.x())), y = int32_t(std::floor(origin.y()));
            int32_t phaseX = int32_t(std::lround((origin.x() - x) * kPhases));
            int32_t phaseY = int32_t(std::lround((origin.y() - y) * kPhases));
            if (phaseX == kPhases) ++x, phaseX = 0;
            if (phaseY == kPhases) ++y, phaseY = 0;
            Glyph& glyph = GlyphAt(ch, phaseX, phaseY);
            const QPoint at = QPoint(x, y) + glyph.box.topLeft() - box.topLeft();
            for (size_t index = 0; !apart; ++index) {
                const Bits* inking = Inking(glyph, index);
                if (!inking) break;
                apart = !Touches(*inking, glyph.box.width(), glyph.box.height(), ink, w, h, at);
                if (apart || !chosen) chosenGlyph = &glyph, chosen = inking, chosenAt = at;
            }
            // A glyph too small to keep its shape is not worth moving.
            if (glyph.inkings.empty()) break;
        }
        pen.rx() += metrics.horizontalAdvance(ch);
        if (!chosen) continue;
        const int32_t gw = chosenGlyph->box.width(), gh = chosenGlyph->box.height();
        for (int32_t y = 0; y < gh; ++y)
            for (int32_t x = 0; x < gw; ++x) {
                const int32_t tx = chosenAt.x() + x, ty = chosenAt.y() + y;
                if ((*chosen)[size_t(y * gw + x)] && tx >= 0 && ty >= 0 && tx < w && ty < h)
                    ink[size_t(ty * w + tx)] = 1;
            }
    }
    QImage image(box.size(), QImage::Format_ARGB32_Premultiplied);
    const QRgb inked = colour.rgb();
    for (int32_t y = 0; y < h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int32_t x = 0; x < w; ++x)
            line[x] = ink[size_t(y * w + x)] ? inked : 0;
    }
    return image;
}
