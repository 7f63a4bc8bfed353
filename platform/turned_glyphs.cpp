// Small turned glyphs inked so that they keep the shape of their level glyphs.
#include "platform/turned_glyphs.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
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
constexpr size_t kMostGlyphs = 4096;
constexpr int64_t kMostTextPixels = int64_t{1} << 22;
// Shares of cover, out of 255, tried in this order: the first gives the truest weight of stroke,
// the others thicken thin strokes or open small holes where it does not keep the glyph's shape.
constexpr uint8_t kCovers[] = {96, 128, 64, 160, 48, 192, 32, 224};

using Mask = std::vector<uint8_t>;

Mask Inked(const QImage& cover, uint8_t share) {
    Mask mask(size_t(cover.width()) * size_t(cover.height()));
    for (int y = 0; y < cover.height(); ++y) {
        const uchar* line = cover.constScanLine(y);
        for (int x = 0; x < cover.width(); ++x)
            mask[size_t(y) * size_t(cover.width()) + size_t(x)] = line[x] >= share;
    }
    return mask;
}

// Fills the region of (x, y) whose pixels are `ink`, marking them seen; true when it stays clear of
// the mask's edge. Ink joins at corners too; clear pixels at edges only, so a hole is never leaked
// through a diagonal of ink.
bool Flood(const Mask& mask, int32_t w, int32_t h, int32_t x0, int32_t y0, Mask& seen) {
    const uint8_t ink = mask[size_t(y0 * w + x0)];
    std::vector<std::pair<int32_t, int32_t>> stack{{x0, y0}};
    seen[size_t(y0 * w + x0)] = 1;
    bool closed = true;
    while (!stack.empty()) {
        const auto [x, y] = stack.back();
        stack.pop_back();
        for (int32_t dy = -1; dy <= 1; ++dy)
            for (int32_t dx = -1; dx <= 1; ++dx) {
                if ((dx == 0 && dy == 0) || (!ink && dx != 0 && dy != 0)) continue;
                const int32_t nx = x + dx, ny = y + dy;
                if (nx < 0 || ny < 0 || nx >= w || ny >= h) {
                    closed = false;
                    continue;
                }
                const size_t at = size_t(ny * w + nx);
                if (seen[at] || mask[at] != ink) continue;
                seen[at] = 1;
                stack.emplace_back(nx, ny);
            }
    }
    return closed;
}

TurnedGlyphs::Shape ShapeOf(const Mask& mask, int32_t w, int32_t h) {
    Mask seen(mask.size(), 0);
    TurnedGlyphs::Shape shape;
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            const size_t at = size_t(y * w + x);
            if (seen[at]) continue;
            const bool closed = Flood(mask, w, h, x, y, seen);
            if (mask[at])
                ++shape.pieces;
            else
                shape.holes += closed;
        }
    return shape;
}

int32_t Distance(TurnedGlyphs::Shape a, TurnedGlyphs::Shape b) {
    return std::abs(a.pieces - b.pieces) + std::abs(a.holes - b.holes);
}

// True when a pixel of the glyph's mask at `at` in the text's ink lies on or beside ink already there.
bool Touches(const Mask& glyph, int32_t gw, int32_t gh, const Mask& ink, int32_t w, int32_t h, QPoint at) {
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

TurnedGlyphs::TurnedGlyphs(const QFont& font, double angle) : font_(font), angle_(angle) {
    const QFontMetrics metrics(font_);
    ascent_ = metrics.ascent();
    pad_ = metrics.height();
}

QImage TurnedGlyphs::LevelGlyph(QChar ch) const {
    const auto known = levelGlyphs_.constFind(ch);
    if (known != levelGlyphs_.constEnd()) return *known;
    const QFontMetrics metrics(font_);
    QImage level(metrics.horizontalAdvance(ch) + 2 * pad_, metrics.height() + 2 * pad_,
                 QImage::Format_Alpha8);
    level.fill(0);
    {
        QPainter painter(&level);
        painter.setFont(font_);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(pad_, pad_ + ascent_), QString(ch));
    }
    levelGlyphs_.insert(ch, level);
    return level;
}

const TurnedGlyphs::Glyph& TurnedGlyphs::GlyphAt(QChar ch, int32_t phaseX, int32_t phaseY) const {
    const uint32_t key = (uint32_t(ch.unicode()) << 8) | uint32_t(phaseX << 4) | uint32_t(phaseY);
    const auto known = glyphs_.find(key);
    if (known != glyphs_.end()) return known->second;

    // Two turnings of the glyph: its outline, and the pixels of its level glyph, whose hinting keeps
    // small gaps (the dot of an "i") that the outline may not.
    QPainterPath outline;
    outline.addText(QPointF(0, 0), font_, QString(ch));
    QTransform place;
    place.translate(double(phaseX) / kPhases, double(phaseY) / kPhases);
    place.rotate(-angle_);
    const QImage level = LevelGlyph(ch);
    const QTransform placeLevel = QTransform::fromTranslate(-pad_, -pad_ - ascent_) * place;
    Glyph glyph;
    glyph.box = (place.map(outline).boundingRect() |
                 placeLevel.mapRect(
                     QRectF(pad_ - 2, pad_ - 2, level.width() - 2 * pad_ + 4, level.height() - 2 * pad_ + 4)))
                    .toAlignedRect()
                    .adjusted(-1, -1, 1, 1);
    const QTransform toBox = QTransform::fromTranslate(-glyph.box.left(), -glyph.box.top());
    QImage covers[2];
    for (QImage& cover : covers) {
        cover = QImage(glyph.box.size(), QImage::Format_Alpha8);
        cover.fill(0);
    }
    {
        QPainter painter(&covers[0]);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setTransform(place * toBox);
        painter.fillPath(outline, Qt::black);
    }
    {
        QPainter painter(&covers[1]);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.setTransform(placeLevel * toBox);
        painter.drawImage(QPoint(0, 0), level);
    }

    const Shape want = ShapeOf(Inked(level, 1), level.width(), level.height());
    int32_t nearest = INT32_MAX;
    Mask nearestMask;
    for (const QImage& cover : covers)
        for (const uint8_t share : kCovers) {
            Mask mask = Inked(cover, share);
            const int32_t distance = Distance(ShapeOf(mask, glyph.box.width(), glyph.box.height()), want);
            if (distance == 0 &&
                std::find(glyph.inkings.begin(), glyph.inkings.end(), mask) == glyph.inkings.end())
                glyph.inkings.push_back(mask);
            if (distance < nearest) nearest = distance, nearestMask = std::move(mask);
        }
    // A glyph too small for any inking to keep its shape is inked as near to it as any comes.
    if (glyph.inkings.empty()) glyph.inkings.push_back(std::move(nearestMask));
    return glyphs_.emplace(key, std::move(glyph)).first->second;
}

QImage TurnedGlyphs::Draw(const QString& text, QPointF pen, const QTransform& turn, QColor colour,
                          QRect& box) const {
    // Where each glyph may go: the pixel holding its turned origin, the fraction within it, and the
    // same a little further along the base line, to keep it off the glyph before.
    const QFontMetrics metrics(font_);
    struct Placed {
        const Glyph* glyph;
        QPoint at;
    };
    if (glyphs_.size() >= kMostGlyphs) glyphs_.clear();
    std::vector<std::array<Placed, kShifts>> placed;
    placed.reserve(size_t(text.size()));
    box = QRect();
    for (const QChar ch : text) {
        auto& ways = placed.emplace_back();
        for (int32_t shift = 0; shift < kShifts; ++shift) {
            const QPointF origin = turn.map(pen + QPointF(double(shift) / kPhases, 0));
            int32_t x = int32_t(std::floor(origin.x())), y = int32_t(std::floor(origin.y()));
            int32_t phaseX = int32_t(std::lround((origin.x() - x) * kPhases));
            int32_t phaseY = int32_t(std::lround((origin.y() - y) * kPhases));
            if (phaseX == kPhases) ++x, phaseX = 0;
            if (phaseY == kPhases) ++y, phaseY = 0;
            const Glyph& glyph = GlyphAt(ch, phaseX, phaseY);
            ways[size_t(shift)] = {&glyph, QPoint(x, y) + glyph.box.topLeft()};
            box |= QRect(ways[size_t(shift)].at, glyph.box.size());
        }
        pen.rx() += metrics.horizontalAdvance(ch);
    }
    if (box.isEmpty() || int64_t{box.width()} * box.height() > kMostTextPixels) return QImage();

    // Each glyph takes the first place and inking that keep it off the glyphs before.
    const int32_t w = box.width(), h = box.height();
    Mask ink(size_t(w) * size_t(h), 0);
    for (const auto& ways : placed) {
        const Placed* chosenWay = &ways[0];
        const Mask* chosen = &ways[0].glyph->inkings.front();
        bool apart = false;
        for (const Placed& way : ways) {
            for (const Mask& inking : way.glyph->inkings) {
                apart = !Touches(inking, way.glyph->box.width(), way.glyph->box.height(), ink, w, h,
                                 way.at - box.topLeft());
                if (!apart) continue;
                chosenWay = &way;
                chosen = &inking;
                break;
            }
            if (apart) break;
        }
        const QPoint at = chosenWay->at - box.topLeft();
        const int32_t gw = chosenWay->glyph->box.width(), gh = chosenWay->glyph->box.height();
        for (int32_t y = 0; y < gh; ++y)
            for (int32_t x = 0; x < gw; ++x)
                if ((*chosen)[size_t(y * gw + x)]) ink[size_t((at.y() + y) * w + at.x() + x)] = 1;
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
