// Small turned glyphs inked so that they keep the shape and the weight of their level glyphs,
// placed one by one where the level text places them.
#include "platform/glyphs/turned_glyphs.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <limits>
#include <QGlyphRun>
#include <QPainter>
#include <QPolygonF>
#include <QTextLayout>
#include <utility>
#include <vector>

#include "platform/glyphs/glyph_ink.h"
#include "platform/glyphs/turned_glyph_fonts.h"

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
// The share of cover at which a level glyph's pixel is inked when the text is drawn.
constexpr uint8_t kLevelInk = 128;
// Above this many pixels a turned text costs more memory than its drawing is worth.
constexpr int64_t kMostTextPixels = int64_t{1} << 22;

// How near ink already in a text a pixel lies.
constexpr uint8_t kBesideInk = 1, kOnInk = 2;

// The pixels of a text already inked, a bit a pixel row by row: small enough to stay at hand
// while a long text is inked, and each marked with one bit rather than with the pixels beside it,
// which are looked at instead. Kept clear between texts, as clearing a long turned text's whole
// box would cost more than inking it.
class NearInk {
public:
    void Start(int32_t w, int32_t h) {
        w_ = w, h_ = h, stride_ = (size_t(w) + 63) / 64;
        if (on_.size() < stride_ * size_t(h)) on_.assign(stride_ * size_t(h), 0);
    }
    // True when the pixel lies at least `reach` near ink: on it, or on or beside it.
    bool Near(int32_t x, int32_t y, uint8_t reach) const {
        if (reach == kOnInk) return AnyOn(y, x, x);
        const int32_t from = std::max(0, x - 1), to = std::min(w_ - 1, x + 1);
        for (int32_t ny = std::max(0, y - 1); ny <= std::min(h_ - 1, y + 1); ++ny)
            if (AnyOn(ny, from, to)) return true;
        return false;
    }
    void Mark(int32_t x, int32_t y) { on_[size_t(y) * stride_ + size_t(x) / 64] |= uint64_t{1} << (x % 64); }
    // Clears the marks within `rect`, and perhaps others of its rows.
    void Clear(const QRect& rect) {
        for (int32_t y = rect.top(); y <= rect.bottom(); ++y) {
            const size_t row = size_t(y) * stride_;
            std::fill(on_.begin() + ptrdiff_t(row + size_t(rect.left()) / 64),
                      on_.begin() + ptrdiff_t(row + size_t(rect.right()) / 64 + 1), 0);
        }
    }
    int32_t Width() const { return w_; }
    int32_t Height() const { return h_; }

private:
    // True when any pixel from `from` to `to` of row `y`, at most a word apart, is inked.
    bool AnyOn(int32_t y, int32_t from, int32_t to) const {
        const uint64_t* row = on_.data() + size_t(y) * stride_;
        const uint64_t first = row[from / 64] >> (from % 64);
        if (from / 64 == to / 64) return (first & ((uint64_t{2} << (to - from)) - 1)) != 0;
        return first != 0 || (row[to / 64] & ((uint64_t{2} << (to % 64)) - 1)) != 0;
    }

    std::vector<uint64_t> on_;
    size_t stride_ = 0;
    int32_t w_ = 0, h_ = 0;
};

// True when a pixel of the glyph's inking at `at` in the text falls at least `reach` near ink
// already there.
bool Touches(const TurnedGlyph& glyph, int32_t inking, const NearInk& near, QPoint at, uint8_t reach) {
    const int32_t w = near.Width(), h = near.Height();
    return glyph.AnyInked(inking, [&](int32_t x, int32_t y) {
        const int32_t tx = at.x() + x, ty = at.y() + y;
        return tx >= 0 && ty >= 0 && tx < w && ty < h && near.Near(tx, ty, reach);
    });
}

// True when an inked pixel of the level glyph `second` lies on or beside one of `first`, pixel x of
// `second` lying on pixel x + `along` of `first`.
bool InkTouches(const QImage& first, const QImage& second, int32_t along) {
    for (int32_t y = 0; y < second.height(); ++y)
        for (int32_t x = 0; x < second.width(); ++x) {
            if (second.constScanLine(y)[x] < kLevelInk) continue;
            for (int32_t ny = std::max(0, y - 1); ny <= std::min(first.height() - 1, y + 1); ++ny)
                for (int32_t nx = std::max(0, x + along - 1);
                     nx <= std::min(first.width() - 1, x + along + 1); ++nx)
                    if (first.constScanLine(ny)[nx] >= kLevelInk) return true;
        }
    return false;
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

bool TurnedGlyphs::LevelTouches(QChar first, QChar second) const {
    const uint32_t pair = uint32_t(first.unicode()) << 16 | second.unicode();
    const auto known = touching_.find(pair);
    if (known != touching_.end()) return known->second;
    const bool touches =
        InkTouches(LevelOf(first).pixels, LevelOf(second).pixels, metrics_.horizontalAdvance(first));
    touching_.emplace(pair, touches);
    return touches;
}

void TurnedGlyphs::LayOut(const QString& text, std::vector<uint8_t>& touches) const {
    QTextLayout layout(text, font_);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    struct Placed {
        double x;
        quint32 glyph;
        QRawFont font;
    };
    std::vector<Placed> glyphs;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype at = 0; at < indexes.size() && at < positions.size(); ++at)
            glyphs.push_back({positions[at].x(), indexes[at], run.rawFont()});
    }
    std::stable_sort(glyphs.begin(), glyphs.end(),
                     [](const Placed& a, const Placed& b) { return a.x < b.x; });
    // Each letter belongs to the last glyph starting at or before it: the letters after the first of
    // a glyph drawn for several are placed within it.
    touches.assign(size_t(text.size()), 0);
    size_t glyph = 0, before = 0;
    for (qsizetype letter = 0; letter < text.size(); ++letter) {
        const double start = line.cursorToX(int(letter));
        while (glyph + 1 < glyphs.size() && glyphs[glyph + 1].x <= start + 1e-3)
            ++glyph;
        if (letter > 0 && !glyphs.empty())
            touches[size_t(letter)] =
                glyph == before || GlyphsTouch(glyphs[before].font, glyphs[before].glyph, glyphs[glyph].glyph,
                                               glyphs[before].x - std::floor(glyphs[before].x),
                                               glyphs[glyph].x - glyphs[before].x);
        before = glyph;
    }
}

bool TurnedGlyphs::GlyphsTouch(const QRawFont& font, quint32 first, quint32 second, double from,
                               double along) const {
    const uint64_t key = uint64_t(first & 0xFFFF) << 48 | uint64_t(second & 0xFFFF) << 32 |
                         uint64_t(std::lround(from * 64) & 0x3F) << 24 |
                         uint64_t(std::lround(along * 64) & 0xFFFFFF);
    const auto known = glyphsTouching_.find(key);
    if (known != glyphsTouching_.end()) return known->second;
    const QSize size(int32_t(std::ceil(along)) + 2 * metrics_.maxWidth() + 2 * pad_,
                     metrics_.height() + 2 * pad_);
    auto drawn = [&](quint32 glyph, double x) {
        QImage image(size, QImage::Format_Alpha8);
        image.fill(0);
        QGlyphRun run;
        run.setRawFont(font);
        run.setGlyphIndexes({glyph});
        run.setPositions({QPointF(0, 0)});
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setPen(Qt::black);
        painter.drawGlyphRun(QPointF(pad_ + metrics_.maxWidth() + x, pad_ + metrics_.ascent()), run);
        painter.end();
        return image;
    };
    const bool touches = InkTouches(drawn(first, from), drawn(second, from + along), 0);
    glyphsTouching_.emplace(key, touches);
    return touches;
}

bool TurnedGlyphs::QuarterTurn(double angle) {
    return std::fmod(angle, 90.0) == 0.0;
}

TurnedGlyphCache::TextKey TurnedGlyphs::TextKeyOf(const QString& text, double angle, QPoint pen) const {
    uint64_t angleBits = 0;
    std::memcpy(&angleBits, &angle, sizeof angleBits);
    return {number_, angleBits, pen, text};
}

const TurnedText* TurnedGlyphs::Ink(const QString& text, double angle, QPoint pen,
                                    const QRectF& shown) const {
    TurnedGlyphCache& cache = TurnedGlyphCache::OfThread();
    const TurnedGlyphCache::TextKey key = TextKeyOf(text, angle, pen);
    const double shownTo = ShownTo(shown, QTransform().rotate(-angle), pen);
    // A text kept with fewer letters than now show is inked again.
    if (const TurnedText* known = cache.Find(key); known && shownTo < known->inkedTo) return known;
    thread_local TurnedText made;
    thread_local std::vector<uint16_t> places;
    const std::vector<uint16_t>* placed = cache.FindPlaces(key);
    if (!placed || !InkAtPlaces(text, angle, pen, shownTo, *placed, made)) {
        if (!InkGlyphByGlyph(text, angle, pen, shownTo, made, places)) return nullptr;
        cache.KeepPlaces(key, places);
    }
    // The glyphs sought for it go first; the text is kept while the bound has room.
    cache.Trim();
    const TurnedText* kept = cache.Add(key, made);
    return kept ? kept : &made;
}

namespace {

// Bits `pos` to `pos + n` of a mask of bits, the first the lowest, `n` at most 64.
uint64_t BitsAt(const uint64_t* words, size_t pos, size_t n) {
    const size_t word = pos / 64, shift = pos % 64;
    uint64_t bits = words[word] >> shift;
    if (shift != 0 && shift + n > 64) bits |= words[word + 1] << (64 - shift);
    return n == 64 ? bits : bits & ((uint64_t{1} << n) - 1);
}

void SetBitsAt(uint64_t* words, size_t pos, uint64_t bits, size_t n) {
    const size_t word = pos / 64, shift = pos % 64;
    words[word] |= bits << shift;
    if (shift != 0 && shift + n > 64) words[word + 1] |= bits >> (64 - shift);
}

// The pixels of a glyph's inking that lie in the text's box, cropped to their bounds, as a piece of
// the text's ink: taken a row of up to 64 pixels at a time, as a text let go is made again from its
// glyphs' pieces on every paint.
void AddPiece(const TurnedGlyph& glyph, int32_t inking, QPoint at, TurnedText& ink) {
    const int32_t gw = glyph.box.width();
    // The glyph's columns and rows within the text's box, the last of each excluded.
    const int32_t x0 = std::max(0, -at.x()), x1 = std::min(gw, ink.box.width() - at.x());
    const int32_t y0 = std::max(0, -at.y()), y1 = std::min(glyph.box.height(), ink.box.height() - at.y());
    if (x0 >= x1 || y0 >= y1) return;
    const uint64_t* from = glyph.bits.data() + size_t(inking) * glyph.Words();
    auto rowBits = [&](int32_t y, int32_t x, int32_t end) {
        return BitsAt(from, size_t(y) * size_t(gw) + size_t(x), size_t(std::min(64, end - x)));
    };
    int32_t left = x1, top = -1, right = -1, bottom = -1;
    for (int32_t y = y0; y < y1; ++y)
        for (int32_t x = x0; x < x1; x += 64)
            if (const uint64_t bits = rowBits(y, x, x1)) {
                left = std::min(left, x + __builtin_ctzll(bits));
                right = std::max(right, x + 63 - __builtin_clzll(bits));
                if (top < 0) top = y;
                bottom = y;
            }
    if (right < 0) return;
    const QRect bounds(QPoint(left, top), QPoint(right, bottom));
    const TurnedText::Piece piece{int16_t(ink.box.left() + at.x() + bounds.left()),
                                  int16_t(ink.box.top() + at.y() + bounds.top()), int16_t(bounds.width()),
                                  int16_t(bounds.height()), uint32_t(ink.bits.size())};
    const size_t width = size_t(bounds.width());
    ink.bits.resize(ink.bits.size() + (width * size_t(bounds.height()) + 63) / 64, 0);
    uint64_t* bits = ink.bits.data() + piece.word;
    for (int32_t y = top; y <= bottom; ++y)
        for (int32_t x = left; x <= right; x += 64)
            SetBitsAt(bits, size_t(y - top) * width + size_t(x - left), rowBits(y, x, right + 1),
                      size_t(std::min(64, right + 1 - x)));
    ink.pieces.push_back(piece);
}

} // namespace

double TurnedGlyphs::ShownTo(const QRectF& shown, const QTransform& turn, QPointF pen) const {
    if (shown.isNull()) return std::numeric_limits<double>::infinity();
    // A letter's ink lies within its height of its level cell, overhanging or moved.
    const double reach = metrics_.height() + 2;
    const double low = pen.y() - metrics_.ascent() - reach, high = pen.y() + metrics_.descent() + reach;
    const QPolygonF corners = turn.inverted().map(QPolygonF(shown));
    // The furthest point of the turned rectangle within the band of the letters is a corner within
    // it or where an edge crosses it.
    double furthest = -std::numeric_limits<double>::infinity();
    for (qsizetype at = 0; at + 1 < corners.size(); ++at) {
        const QPointF a = corners[at], b = corners[at + 1];
        if (a.y() >= low && a.y() <= high) furthest = std::max(furthest, a.x());
        for (const double line : {low, high})
            if ((a.y() - line) * (b.y() - line) < 0)
                furthest = std::max(furthest, a.x() + (b.x() - a.x()) * (line - a.y()) / (b.y() - a.y()));
    }
    return furthest + 1;
}

bool TurnedGlyphs::PastShown(QPointF pen, double shownTo, TurnedText& ink) const {
    const double from = pen.x() - metrics_.height() - 2;
    if (from <= shownTo) return false;
    ink.inkedTo = from;
    return true;
}

// The text's ink lies within its turned cell, widened for overhanging glyphs and moved glyphs.
bool TurnedGlyphs::StartInk(int32_t advance, const QTransform& turn, QPointF pen, TurnedText& ink) const {
    const QRect box = turn.mapRect(QRectF(pen.x() - pad_, pen.y() - metrics_.ascent() - pad_,
                                          advance + 2 * pad_, metrics_.height() + 2 * pad_))
                          .toAlignedRect();
    if (box.isEmpty() || int64_t{box.width()} * box.height() > kMostTextPixels) return false;
    ink.box = box;
    ink.inkedTo = std::numeric_limits<double>::infinity();
    ink.pieces.clear();
    ink.bits.clear();
    return true;
}

// Where a glyph whose level origin is `origin` lies turned: the pixel holding its origin and the
// fraction of a pixel its origin lies at.
TurnedGlyphs::Placed TurnedGlyphs::PlaceOf(QPointF origin) {
    Placed placed{int32_t(std::floor(origin.x())), int32_t(std::floor(origin.y())), 0, 0};
    placed.phaseX = int32_t(std::lround((origin.x() - placed.x) * kPhases));
    placed.phaseY = int32_t(std::lround((origin.y() - placed.y) * kPhases));
    if (placed.phaseX == kPhases) ++placed.x, placed.phaseX = 0;
    if (placed.phaseY == kPhases) ++placed.y, placed.phaseY = 0;
    return placed;
}

// A text inked before is inked again from where its letters went and which inkings they took, each
// letter's one inking made from its glyph's choice: nothing is sought, checked for touching or laid
// out again. False, and the text left to be inked afresh, where a choice is not kept.
bool TurnedGlyphs::InkAtPlaces(const QString& text, double angle, QPointF pen, double shownTo,
                               const std::vector<uint16_t>& places, TurnedText& ink) const {
    const QTransform turn = QTransform().rotate(-angle);
    if (!StartInk(metrics_.horizontalAdvance(text), turn, pen, ink)) return false;
    // A letter the text holds again at the same fraction of a pixel takes the inking made for it
    // before; a letter with no ink at all (a space) makes none. The inkings' words are used again
    // from text to text.
    thread_local std::vector<TurnedGlyph> made;
    thread_local std::vector<uint32_t> madeFor; // each one's glyph and inking
    madeFor.clear();
    for (qsizetype letter = 0; letter < text.size() && !PastShown(pen, shownTo, ink); ++letter) {
        // Letters never inked have no places kept.
        if (size_t(letter) >= places.size()) return false;
        const QChar ch = text[letter];
        const uint16_t place = places[size_t(letter)];
        if (place != kUnplaced && !LevelOf(ch).Blank()) {
            const int32_t inking = place & (GlyphChoice::kMostInkings - 1);
            const Placed at =
                PlaceOf(turn.map(pen + QPointF(kShiftsTried[place / GlyphChoice::kMostInkings]) / kPhases));
            const TurnedGlyphCache::Key key = KeyOf(ch, angle, at.phaseX, at.phaseY);
            const uint32_t id = key.glyph * GlyphChoice::kMostInkings + uint32_t(inking);
            const size_t known = size_t(std::find(madeFor.begin(), madeFor.end(), id) - madeFor.begin());
            if (known == madeFor.size()) {
                if (made.size() == known) made.emplace_back();
                if (!InkingOf(key, ch, angle, at.phaseX, at.phaseY, inking, made[known])) return false;
                madeFor.push_back(id);
            }
            const TurnedGlyph& glyph = made[known];
            AddPiece(glyph, 0, QPoint(at.x, at.y) + glyph.box.topLeft() - ink.box.topLeft(), ink);
        }
        pen.rx() += metrics_.horizontalAdvance(ch);
    }
    return true;
}

bool TurnedGlyphs::InkedBefore(const QString& text, double angle, QPoint pen) const {
    return TurnedGlyphCache::OfThread().FindPlaces(TextKeyOf(text, angle, pen)) != nullptr;
}

// Each letter at its level place, a glyph repeated at the same fraction of a pixel made once.
const TurnedText* TurnedGlyphs::InkPlain(const QString& text, double angle, QPoint pen,
                                         const QRectF& shown) const {
    const QTransform turn = QTransform().rotate(-angle);
    const double shownTo = ShownTo(shown, turn, pen);
    thread_local TurnedText plain;
    if (!StartInk(metrics_.horizontalAdvance(text), turn, pen, plain)) return nullptr;
    thread_local std::vector<TurnedGlyph> made;
    thread_local std::vector<uint32_t> madeFor; // each one's glyph
    madeFor.clear();
    QPointF at = pen;
    for (qsizetype letter = 0; letter < text.size() && !PastShown(at, shownTo, plain); ++letter) {
        const QChar ch = text[letter];
        if (!LevelOf(ch).Blank()) {
            const Placed placed = PlaceOf(turn.map(at));
            const uint32_t id = KeyOf(ch, angle, placed.phaseX, placed.phaseY).glyph;
            const size_t known = size_t(std::find(madeFor.begin(), madeFor.end(), id) - madeFor.begin());
            if (known == madeFor.size()) {
                if (made.size() == known) made.emplace_back();
                PlainInking(ch, angle, placed.phaseX, placed.phaseY, made[known]);
                madeFor.push_back(id);
            }
            const TurnedGlyph& glyph = made[known];
            AddPiece(glyph, 0, QPoint(placed.x, placed.y) + glyph.box.topLeft() - plain.box.topLeft(), plain);
        }
        at.rx() += metrics_.horizontalAdvance(ch);
    }
    return &plain;
}

// Each glyph takes the first inking that keeps its shape off the glyphs before, at its level place
// or a little moved; `places` receives where each went and which inking it took.
bool TurnedGlyphs::InkGlyphByGlyph(const QString& text, double angle, QPointF pen, double shownTo,
                                   TurnedText& ink, std::vector<uint16_t>& places) const {
    const QTransform turn = QTransform().rotate(-angle);
    const int32_t advance = metrics_.horizontalAdvance(text);
    if (!StartInk(advance, turn, pen, ink)) return false;
    const QRect box = ink.box;
    places.assign(size_t(text.size()), kUnplaced);

    // The glyphs stay put until the cache is trimmed, after the text is inked.
    const int32_t w = box.width(), h = box.height();
    thread_local NearInk near;
    near.Start(w, h);
    // Qt lays most texts out letter by letter, each letter at the whole-pixel advances of those
    // before it; a text it lays out otherwise (two letters drawn as one glyph, or advances not of
    // whole pixels) has its letters kept apart as its level layout draws them.
    thread_local std::vector<uint8_t> touches;
    thread_local std::vector<int32_t> advances;
    advances.clear();
    int32_t letterByLetter = 0;
    for (const QChar ch : text)
        letterByLetter += advances.emplace_back(metrics_.horizontalAdvance(ch));
    const bool laidOut = letterByLetter != advance;
    if (laidOut) LayOut(text, touches);
    QChar before;
    for (qsizetype letter = 0; letter < text.size(); ++letter) {
        if (PastShown(pen, shownTo, ink)) {
            places.resize(size_t(letter));
            break;
        }
        const QChar ch = text[letter];
        // How good a pick is: kept shape and apart, kept shape, nearest shape and apart, nearest. A
        // glyph whose level glyph touches the one before is apart when it only keeps off its ink.
        const bool touching =
            letter > 0 && (laidOut ? touches[size_t(letter)] != 0 : LevelTouches(before, ch));
        const uint8_t reach = touching ? kOnInk : kBesideInk;
        before = ch;
        const TurnedGlyph* chosenGlyph = nullptr;
        int32_t chosen = 0, chosenRank = 4;
        QPoint chosenAt;
        int32_t tried = 0;
        for (size_t shift = 0; shift < std::size(kShiftsTried); ++shift) {
            const Placed placed = PlaceOf(turn.map(pen + QPointF(kShiftsTried[shift]) / kPhases));
            const int32_t phaseX = placed.phaseX, phaseY = placed.phaseY;
            TurnedGlyph& glyph = GlyphAt(ch, angle, phaseX, phaseY);
            const QPoint at = QPoint(placed.x, placed.y) + glyph.box.topLeft() - box.topLeft();
            for (int32_t index = 0; chosenRank > 0 && Inking(glyph, ch, angle, phaseX, phaseY, index);
                 ++index) {
                const int32_t rank =
                    (glyph.choice.nearest ? 2 : 0) + (Touches(glyph, index, near, at, reach) ? 1 : 0);
                if (rank < chosenRank) {
                    chosenGlyph = &glyph, chosen = index, chosenAt = at, chosenRank = rank;
                    places[size_t(letter)] = uint16_t(shift * GlyphChoice::kMostInkings + size_t(index));
                }
            }
            // Glyphs too small to keep their shapes are not worth moving, nor far where nothing keeps
            // one's shape near its place.
            if (chosenRank == 0 || !shaped_ || (chosenRank >= 2 && ++tried >= kShiftsForShape)) break;
        }
        pen.rx() += advances[size_t(letter)];
        if (!chosenGlyph) continue;
        AddPiece(*chosenGlyph, chosen, chosenAt, ink);
        chosenGlyph->AnyInked(chosen, [&](int32_t x, int32_t y) {
            const int32_t tx = chosenAt.x() + x, ty = chosenAt.y() + y;
            if (tx >= 0 && ty >= 0 && tx < w && ty < h) near.Mark(tx, ty);
            return false;
        });
    }
    for (const TurnedText::Piece& piece : ink.pieces) {
        const QRect marked =
            QRect(piece.x - box.left() - 1, piece.y - box.top() - 1, piece.w + 2, piece.h + 2)
                .intersected(QRect(0, 0, w, h));
        near.Clear(marked);
    }
    return true;
}
