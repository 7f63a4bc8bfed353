// Small turned glyphs inked so that they keep the shape and the weight of their level glyphs.
#include "platform/turned_glyphs.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <QCoreApplication>
#include <QPainter>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// Glyph origins are placed to a quarter of a pixel: closer than the eye sees, and few enough
// turned copies of a glyph to keep.
constexpr int32_t kPhases = 4;
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
// Inkings kept per glyph: enough choice to keep a letter off its neighbour.
constexpr int32_t kMostInkings = 8;
// Fonts whose level glyphs are kept, and the bytes those may take: the few sizes of a drawing at
// the few scales it is seen at.
constexpr size_t kMostFonts = 64;
constexpr size_t kMostLevelBytes = size_t{8} << 20;
// Holes of at most this many pixels where the level glyph has none are corners closed off by
// thickened strokes, and are filled.
constexpr int32_t kSmallHole = 3;
// Above this many pixels a turned text costs more memory than its drawing is worth.
constexpr int64_t kMostTextPixels = int64_t{1} << 22;
// Shares of cover, out of 255, tried in this order: the first gives the truest weight of stroke,
// the others thicken thin strokes or open small holes where it does not keep the glyph's shape.
constexpr uint8_t kCovers[] = {96, 128, 64, 160, 48, 192, 32, 224};
// Ways of inking a glyph: its turned outline; its level pixels turned, whose hinting keeps small
// gaps (the dot of an "i") that the outline may not; and its level pixels each carried to the pixel
// its centre turns into, joined to those it touched, which keeps thin strokes thin and whole.
constexpr int32_t kStages = 3;
// The ink a turned glyph may take against its level glyph's. A thin stroke along a diagonal holds
// fewer pixels than along a row, so turning changes a glyph's count by up to about a half either
// way; inkings within the first range keep its weight, those within the second still read as
// the same letter, and past them a letter shrinks to a dot or swells into a blob.
constexpr double kTrueInk[] = {0.75, 1.5};
constexpr double kFairInk[] = {0.6, 1.8};

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

int32_t InkOf(const Mask& mask) {
    return int32_t(std::count(mask.begin(), mask.end(), uint8_t{1}));
}

// The clear regions (joined at edges) of a mask that do not reach its edge, each as its pixels.
std::vector<std::vector<int32_t>> HolesOf(const Mask& mask, int32_t w, int32_t h) {
    std::vector<std::vector<int32_t>> holes;
    std::vector<uint8_t> seen(mask.size(), 0);
    std::vector<int32_t> stack;
    for (int32_t start = 0; start < w * h; ++start) {
        if (mask[size_t(start)] || seen[size_t(start)]) continue;
        std::vector<int32_t> region;
        bool open = false;
        stack.assign(1, start);
        seen[size_t(start)] = 1;
        while (!stack.empty()) {
            const int32_t at = stack.back();
            stack.pop_back();
            region.push_back(at);
            const int32_t x = at % w, y = at / w;
            open |= x == 0 || y == 0 || x == w - 1 || y == h - 1;
            for (const int32_t next :
                 {x > 0 ? at - 1 : -1, x < w - 1 ? at + 1 : -1, y > 0 ? at - w : -1, y < h - 1 ? at + w : -1})
                if (next >= 0 && !mask[size_t(next)] && !seen[size_t(next)]) {
                    seen[size_t(next)] = 1;
                    stack.push_back(next);
                }
        }
        if (!open) holes.push_back(std::move(region));
    }
    return holes;
}

// 0 where an inking keeps the level glyph's weight, 1 where it still reads as the same letter, 2
// where it does not.
int32_t WeightClass(int32_t ink, int32_t levelInk) {
    const double share = levelInk > 0 ? double(ink) / levelInk : (ink == 0 ? 1.0 : 2.0);
    if (share >= kTrueInk[0] && share <= kTrueInk[1]) return 0;
    return share >= kFairInk[0] && share <= kFairInk[1] ? 1 : 2;
}

// An inking found, and how well it keeps the level glyph.
struct Candidate {
    Mask mask;
    int32_t distance; // from the level shape
    int32_t weight;   // WeightClass
};

void Pack(const Mask& mask, TurnedGlyph& glyph) {
    const size_t words = glyph.Words(), at = glyph.bits.size();
    glyph.bits.resize(at + words, 0);
    for (size_t bit = 0; bit < mask.size(); ++bit)
        if (mask[bit]) glyph.bits[at + bit / 64] |= uint64_t{1} << (bit % 64);
    ++glyph.inkings;
}

bool SameInking(const TurnedGlyph& glyph, int32_t inking, const Mask& mask) {
    const size_t words = glyph.Words();
    for (size_t word = 0; word < words; ++word) {
        uint64_t packed = 0;
        for (size_t bit = word * 64; bit < std::min(mask.size(), word * 64 + 64); ++bit)
            packed |= uint64_t(mask[bit] != 0) << (bit % 64);
        if (packed != glyph.bits[size_t(inking) * words + word]) return false;
    }
    return true;
}

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

// The turned glyphs of the fonts in use, the latest used first, kept within a count and the bytes
// of their level glyphs.
class TurnedGlyphFonts {
public:
    static std::shared_ptr<TurnedGlyphs> Of(const QFont& font) {
        thread_local std::vector<std::shared_ptr<TurnedGlyphs>> fonts;
        // Fonts must not outlive the application's font database, so the main thread's go with it,
        // and the glyphs turned from them with them.
        static std::once_flag registered;
        std::call_once(registered, [] {
            qAddPostRoutine([] {
                fonts.clear();
                TurnedGlyphCache::OfThread().Clear();
            });
        });
        const QString key = font.key();
        auto known =
            std::find_if(fonts.begin(), fonts.end(), [&](const auto& f) { return f->font_.key() == key; });
        if (known != fonts.end()) {
            std::rotate(fonts.begin(), known, known + 1);
            return fonts.front();
        }
        fonts.insert(fonts.begin(), std::make_shared<TurnedGlyphs>(font));
        size_t bytes = 0;
        for (const auto& kept : fonts)
            bytes += kept->levelBytes_;
        while (fonts.size() > 1 && (fonts.size() > kMostFonts || bytes > kMostLevelBytes)) {
            bytes -= fonts.back()->levelBytes_;
            fonts.pop_back();
        }
        return fonts.front();
    }
};

TurnedGlyphs::TurnedGlyphs(const QFont& font)
    : font_(font), metrics_(font), pad_(metrics_.height() / 4 + 2),
      shaped_(metrics_.height() >= kLeastShapedHeight), number_([] {
          static std::atomic<uint64_t> made{0};
          return ++made;
      }()) {}

std::shared_ptr<TurnedGlyphs> TurnedGlyphs::Shared(const QFont& font) {
    return TurnedGlyphFonts::Of(font);
}

const TurnedGlyphs::Level& TurnedGlyphs::LevelOf(QChar ch) const {
    const auto known = levels_.find(ch.unicode());
    if (known != levels_.end()) return known->second;
    Level level;
    level.pixels = QImage(metrics_.horizontalAdvance(ch) + 2 * pad_, metrics_.height() + 2 * pad_,
                          QImage::Format_ARGB32_Premultiplied);
    level.pixels.fill(0);
    {
        QPainter painter(&level.pixels);
        painter.setFont(font_);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(pad_, pad_ + metrics_.ascent()), QString(ch));
    }
    level.pixels = std::move(level.pixels).convertToFormat(QImage::Format_Alpha8);
    const Mask inked = Inked(level.pixels, 1);
    const int32_t w = level.pixels.width();
    level.ink = InkOf(inked);
    level.shape = ShapeOf(inked, w, level.pixels.height());
    for (const auto& hole : HolesOf(inked, w, level.pixels.height()))
        for (const int32_t at : hole)
            level.holes.emplace_back(at % w, at / w);
    level.outline.addText(QPointF(0, 0), font_, QString(ch));
    levelBytes_ += sizeof(Level) + size_t(level.pixels.sizeInBytes()) + level.holes.size() * sizeof(QPoint) +
                   size_t(level.outline.elementCount()) * (sizeof(QPainterPath::Element) + 8);
    return levels_.emplace(ch.unicode(), std::move(level)).first->second;
}

// The two turnings of a glyph its inkings are found from: the shares of each pixel its outline
// covers, and its level pixels turned.
struct TurnedGlyphs::Covers {
    QRect box;
    QImage outline;
    Mask carriedHoles; // where the level glyph's holes are carried
    const QImage* pixels = nullptr;
    QTransform levelToBox;

    // The later ways, made when first asked for: most glyphs keep their shapes from the outline.
    const QImage& LevelPixels() const;
    const Mask& Carried() const;

private:
    mutable QImage levelPixels_;
    mutable Mask carried_;
};

namespace {

// Marks the pixels of a line from a to b, joined at edges or corners.
void MarkLine(Mask& mask, int32_t w, int32_t h, QPoint a, QPoint b) {
    const int32_t steps = std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
    for (int32_t step = 0; step <= steps; ++step) {
        const int32_t x = a.x() + (steps ? int32_t(std::lround(double(b.x() - a.x()) * step / steps)) : 0);
        const int32_t y = a.y() + (steps ? int32_t(std::lround(double(b.y() - a.y()) * step / steps)) : 0);
        if (x >= 0 && y >= 0 && x < w && y < h) mask[size_t(y * w + x)] = 1;
    }
}

// Each inked level pixel carried to the pixel its centre turns into, and joined by a line to the
// carried pixels of the inked pixels beside it.
Mask Carried(const QImage& pixels, const QTransform& place, QSize size) {
    const int32_t w = size.width(), h = size.height();
    Mask mask(size_t(w) * size_t(h), 0);
    auto inked = [&](int32_t x, int32_t y) {
        return x >= 0 && y >= 0 && x < pixels.width() && y < pixels.height() &&
               pixels.constScanLine(y)[x] != 0;
    };
    auto carried = [&](int32_t x, int32_t y) {
        const QPointF centre = place.map(QPointF(x + 0.5, y + 0.5));
        return QPoint(int32_t(std::floor(centre.x())), int32_t(std::floor(centre.y())));
    };
    for (int32_t y = 0; y < pixels.height(); ++y)
        for (int32_t x = 0; x < pixels.width(); ++x) {
            if (!inked(x, y)) continue;
            const QPoint from = carried(x, y);
            MarkLine(mask, w, h, from, from);
            for (const QPoint next :
                 {QPoint(x + 1, y), QPoint(x - 1, y + 1), QPoint(x, y + 1), QPoint(x + 1, y + 1)})
                if (inked(next.x(), next.y())) MarkLine(mask, w, h, from, carried(next.x(), next.y()));
        }
    return mask;
}

} // namespace

TurnedGlyphs::Covers TurnedGlyphs::CoversOf(QChar ch, double angle, int32_t phaseX, int32_t phaseY) const {
    const Level& level = LevelOf(ch);
    const QImage& pixels = level.pixels;
    QTransform place;
    place.translate(double(phaseX) / kPhases, double(phaseY) / kPhases);
    place.rotate(-angle);
    const QTransform placeLevel = QTransform::fromTranslate(-pad_, -pad_ - metrics_.ascent()) * place;
    Covers covers;
    covers.box = (place.map(level.outline).boundingRect() |
                  placeLevel.mapRect(QRectF(pad_ - 2, pad_ - 2, pixels.width() - 2 * pad_ + 4,
                                            pixels.height() - 2 * pad_ + 4)))
                     .toAlignedRect()
                     .adjusted(-1, -1, 1, 1);
    const QTransform toBox = QTransform::fromTranslate(-covers.box.left(), -covers.box.top());
    covers.pixels = &pixels;
    covers.levelToBox = placeLevel * toBox;
    covers.outline = QImage(covers.box.size(), QImage::Format_ARGB32_Premultiplied);
    covers.outline.fill(0);
    QPainter painter(&covers.outline);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setTransform(place * toBox);
    painter.fillPath(level.outline, Qt::black);
    painter.end();
    // Kept as shares alone: all that inking reads.
    covers.outline = std::move(covers.outline).convertToFormat(QImage::Format_Alpha8);
    covers.carriedHoles.assign(size_t(covers.box.width()) * size_t(covers.box.height()), 0);
    for (const QPoint hole : level.holes) {
        const QPointF centre = covers.levelToBox.map(QPointF(hole) + QPointF(0.5, 0.5));
        const QPoint to(int32_t(std::floor(centre.x())), int32_t(std::floor(centre.y())));
        if (covers.box.translated(-covers.box.topLeft()).contains(to))
            covers.carriedHoles[size_t(to.y() * covers.box.width() + to.x())] = 1;
    }
    return covers;
}

const QImage& TurnedGlyphs::Covers::LevelPixels() const {
    if (!levelPixels_.isNull()) return levelPixels_;
    levelPixels_ = QImage(box.size(), QImage::Format_ARGB32_Premultiplied);
    levelPixels_.fill(0);
    QPainter painter(&levelPixels_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.setTransform(levelToBox);
    painter.drawImage(QPoint(0, 0), *pixels);
    painter.end();
    levelPixels_ = std::move(levelPixels_).convertToFormat(QImage::Format_Alpha8);
    return levelPixels_;
}

const Mask& TurnedGlyphs::Covers::Carried() const {
    if (carried_.empty()) carried_ = ::Carried(*pixels, levelToBox, box.size());
    return carried_;
}

// Takes the glyph's next way of inking, and where that way finds no inking that keeps the level
// glyph's shape at its true weight, the ways after it too. The inkings that keep the shape follow
// those kept already, the true weights first; where none keeps it at all, the one inking is the
// nearest of every way.
void TurnedGlyphs::FindInkings(TurnedGlyph& glyph, const Level& level, const Covers& covers) const {
    const int32_t w = glyph.box.width(), h = glyph.box.height();
    const int32_t tries = shaped_ ? int32_t(std::size(kCovers)) : 1;
    std::vector<Candidate> found;
    bool trueFound = false;
    auto add = [&](Mask mask, Shape shape) {
        const int32_t distance = Distance(shape, level.shape);
        const int32_t weight = WeightClass(InkOf(mask), level.ink);
        trueFound |= distance == 0 && weight == 0;
        found.push_back({std::move(mask), distance, weight});
    };
    // An inking whose holes alone are amiss is mended as well: a hole too many, as where the strokes
    // of a "W" close off a corner, is filled when it is small; a hole closed up is opened where the
    // level glyph's hole is carried.
    auto consider = [&](Mask mask) {
        const Shape shape = ShapeOf(mask, w, h);
        if (shape.pieces == level.shape.pieces && shape.holes > level.shape.holes) {
            Mask filled = mask;
            auto holes = HolesOf(mask, w, h);
            std::stable_sort(holes.begin(), holes.end(),
                             [](const auto& a, const auto& b) { return a.size() < b.size(); });
            const size_t extra = size_t(shape.holes - level.shape.holes);
            bool small = true;
            for (size_t hole = 0; hole < extra && small; ++hole) {
                small = holes[hole].size() <= size_t(kSmallHole);
                for (const int32_t at : holes[hole])
                    filled[size_t(at)] = 1;
            }
            if (small) add(filled, ShapeOf(filled, w, h));
        } else if (shape.holes < level.shape.holes) {
            Mask carved = mask;
            for (size_t at = 0; at < carved.size(); ++at)
                if (covers.carriedHoles[at]) carved[at] = 0;
            if (carved != mask) add(carved, ShapeOf(carved, w, h));
        }
        add(std::move(mask), shape);
    };
    while (glyph.stage < (shaped_ ? kStages : 1) && !trueFound) {
        if (glyph.stage == 2)
            consider(covers.Carried());
        else
            for (int32_t tried = 0; tried < tries; ++tried)
                consider(Inked(glyph.stage == 0 ? covers.outline : covers.LevelPixels(), kCovers[tried]));
        ++glyph.stage;
    }
    // Inkings that keep the shape, the true weights first; where none does, a letter of about its
    // weight with a stroke joined or a hole closed reads better than a dot or a blob.
    std::stable_sort(found.begin(), found.end(), [](const Candidate& a, const Candidate& b) {
        return std::tuple(a.weight > 1, a.distance, a.weight) <
               std::tuple(b.weight > 1, b.distance, b.weight);
    });
    for (const Candidate& candidate : found) {
        if (glyph.inkings >= kMostInkings || candidate.distance != 0 || candidate.weight > 1) break;
        bool known = false;
        for (int32_t inking = 0; inking < glyph.inkings && !known; ++inking)
            known = SameInking(glyph, inking, candidate.mask);
        if (!known) Pack(candidate.mask, glyph);
    }
    // A glyph too small for any inking to keep its shape is inked as near to it as any comes.
    if (glyph.inkings == 0 && glyph.stage == (shaped_ ? kStages : 1) && !found.empty()) {
        Pack(found.front().mask, glyph);
        glyph.nearest = true;
    }
}

TurnedGlyph& TurnedGlyphs::GlyphAt(QChar ch, double angle, int32_t phaseX, int32_t phaseY) const {
    TurnedGlyphCache& cache = TurnedGlyphCache::OfThread();
    uint64_t angleBits = 0;
    std::memcpy(&angleBits, &angle, sizeof angleBits);
    const TurnedGlyphCache::Key key{number_, angleBits,
                                    (uint32_t(ch.unicode()) << 8) | uint32_t(phaseX << 4) | uint32_t(phaseY)};
    if (TurnedGlyph* known = cache.Find(key)) return *known;
    const Covers covers = CoversOf(ch, angle, phaseX, phaseY);
    TurnedGlyph glyph;
    glyph.box = covers.box;
    while (glyph.inkings == 0 && glyph.stage < (shaped_ ? kStages : 1))
        FindInkings(glyph, LevelOf(ch), covers);
    glyph.bits.shrink_to_fit();
    return cache.Add(key, std::move(glyph));
}

// True when the glyph has an inking `index`, found now if need be; the first one it always has.
bool TurnedGlyphs::Inking(TurnedGlyph& glyph, QChar ch, double angle, int32_t phaseX, int32_t phaseY,
                          int32_t index) const {
    if (index < glyph.inkings) return true;
    if (glyph.nearest || glyph.inkings >= kMostInkings || glyph.stage >= (shaped_ ? kStages : 1))
        return false;
    const size_t before = TurnedGlyphCache::BytesOf(glyph);
    while (index >= glyph.inkings && glyph.stage < kStages && glyph.inkings < kMostInkings)
        FindInkings(glyph, LevelOf(ch), CoversOf(ch, angle, phaseX, phaseY));
    glyph.bits.shrink_to_fit();
    TurnedGlyphCache::OfThread().Grew(glyph, before);
    return index < glyph.inkings;
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
