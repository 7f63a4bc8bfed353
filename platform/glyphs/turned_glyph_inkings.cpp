// The ways of inking a small turned glyph, sought until one keeps the shape and the weight of its
// level glyph.
#include "platform/glyphs/turned_glyphs.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <QPainter>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/glyphs/glyph_ink.h"
#include "platform/glyphs/outline_cover.h"

using namespace glyph_ink;

namespace {

// Inkings kept per glyph: enough choice to keep a letter off its neighbour.
constexpr int32_t kMostInkings = 8;
// Holes of at most this many pixels where the level glyph has none are corners closed off by
// thickened strokes, and are filled.
constexpr int32_t kSmallHole = 3;
// Shares of cover, out of 255, tried in this order: the first gives the truest weight of stroke,
// the others thicken thin strokes or open small holes where it does not keep the glyph's shape.
constexpr uint8_t kCovers[] = {96, 128, 64, 160, 48, 192, 32, 224};
constexpr int32_t kCoverCount = int32_t(std::size(kCovers));
// Ways of inking a glyph: its turned outline; its level pixels turned, whose hinting keeps small
// gaps (the dot of an "i") that the outline may not; and its level pixels each carried to the pixel
// its centre turns into, joined to those it touched, which keeps thin strokes thin and whole.
constexpr int32_t kOutline = 0, kLevelPixels = 1, kCarried = 2;
// The stages of the search: the plain inking, then each way in turn.
constexpr int8_t kPlainStage = 0, kOutlineStage = 1;
// An inking found, and how well it keeps the level glyph.
struct Candidate {
    Mask mask;
    int32_t distance; // from the level shape
    int32_t weight;   // WeightClass
    uint8_t recipe;
};

// Ways of mending an inking, in a recipe's top bits.
constexpr uint8_t kFilled = 1, kCarved = 2;

// What a recipe names: its way of inking, its share of cover and its mending.
struct Recipe {
    int32_t way;
    uint8_t share;
    int32_t mend;
};

Recipe RecipeOf(uint8_t recipe) {
    return {recipe & 3, kCovers[(recipe >> 2) & 7], recipe >> 5};
}

// Adds a clear inking made by `recipe` to the glyph's and returns its words.
uint64_t* NewInking(uint8_t recipe, TurnedGlyph& glyph) {
    const size_t words = glyph.Words(), at = glyph.bits.size();
    glyph.bits.resize(at + words, 0);
    glyph.choice.recipes[size_t(glyph.choice.inkings++)] = recipe;
    return glyph.bits.data() + at;
}

void Pack(const Mask& mask, uint8_t recipe, TurnedGlyph& glyph) {
    OrBits(mask, NewInking(recipe, glyph));
}

// Fills the holes a mask has beyond the level glyph's, the smallest first; false, and the mask
// partly filled, where one of them is not small.
bool FillHolesPastLevel(Mask& mask, Shape shape, Shape levelShape, int32_t w, int32_t h) {
    auto holes = HolesOf(mask, w, h);
    std::stable_sort(holes.begin(), holes.end(),
                     [](const auto& a, const auto& b) { return a.size() < b.size(); });
    // The holes found and the holes counted agree; were they ever not to, the inking is refused
    // rather than read past the list.
    if (shape.holes < levelShape.holes || holes.size() < size_t(shape.holes - levelShape.holes)) return false;
    const size_t extra = size_t(shape.holes - levelShape.holes);
    bool small = true;
    for (size_t hole = 0; hole < extra && small; ++hole) {
        small = holes[hole].size() <= size_t(kSmallHole);
        for (const int32_t at : holes[hole])
            mask[size_t(at)] = 1;
    }
    return small;
}

void Carve(Mask& mask, const Mask& carriedHoles) {
    for (size_t at = 0; at < mask.size(); ++at)
        if (carriedHoles[at]) mask[at] = 0;
}

bool SameInking(const TurnedGlyph& glyph, int32_t inking, const Mask& mask) {
    const size_t words = glyph.Words();
    thread_local std::vector<uint64_t> packed;
    packed.assign(words, 0);
    OrBits(mask, packed.data());
    return std::equal(packed.begin(), packed.end(), glyph.bits.begin() + ptrdiff_t(size_t(inking) * words));
}

} // namespace

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
    const TurnedGlyphs* glyphs = nullptr;
    const QPainterPath* path = nullptr; // the level outline
    QTransform outlineToBox;
    const QImage* pixels = nullptr;
    const std::vector<QPoint>* holes = nullptr; // the level glyph's
    QTransform levelToBox;

    // Each way made when first asked for: a glyph made again from its choice and the pixels its
    // raster has wrong needs none, and most glyphs keep their shapes from the outline.
    const QImage& Outline() const;
    const QImage& LevelPixels() const;
    const Mask& Carried() const;
    // Where the level glyph's holes are carried, to mend inkings that close them.
    const Mask& CarriedHoles() const;

private:
    mutable QImage outline_;
    mutable QImage levelPixels_;
    mutable Mask carried_;
    mutable Mask carriedHoles_;
};

namespace {

// True when `outline` placed by `place` lies well within `box`, as a glyph's outline does within its
// level pixels: then its bounds need not be found, which costs more than filling it.
bool OutlineWithin(const QPainterPath& outline, const QTransform& place, const QRectF& box) {
    // A curve lies within the bounds of its control points; a hair inside the box's edges leaves
    // room for the rounding of points found along it.
    constexpr double kHair = 1e-6;
    const double left = box.x() + kHair, right = box.x() + box.width() - kHair;
    const double top = box.y() + kHair, bottom = box.y() + box.height() - kHair;
    const int32_t count = int32_t(outline.elementCount());
    if (count < 2 || box.width() <= 0 || box.height() <= 0) return false;
    if (place.type() > QTransform::TxShear) return false;
    // Mapped here rather than by the transform, to the same points within a rounding.
    auto map = [&](const QPainterPath::Element& e) {
        return QPointF(place.m11() * e.x + place.m21() * e.y + place.dx(),
                       place.m12() * e.x + place.m22() * e.y + place.dy());
    };
    const QPointF first = map(outline.elementAt(0));
    bool spread = false;
    for (int32_t at = 0; at < count; ++at) {
        const QPointF point = map(outline.elementAt(at));
        if (point.x() < left || point.x() > right || point.y() < top || point.y() > bottom) return false;
        spread |= point != first;
    }
    // An outline all in one point has bounds of no size, which a union passes over.
    return spread;
}

} // namespace

// The outline is filled on one canvas kept with its painter from glyph to glyph: a painter begun
// for each glyph grows its buffers anew, which costs more than the filling. What the canvas held
// is cleared first, so each glyph's shares are those of a canvas of its own.
QImage TurnedGlyphs::FillOutline(const QPainterPath& outline, const QTransform& place, QSize size) const {
    if (canvas_.width() < size.width() || canvas_.height() < size.height()) {
        canvasPainter_.reset();
        canvas_ = QImage(size.expandedTo(canvas_.size()), QImage::Format_ARGB32_Premultiplied);
        canvas_.fill(0);
        canvasPainter_ = std::make_unique<QPainter>(&canvas_);
        canvasPainter_->setRenderHint(QPainter::Antialiasing, true);
    }
    canvasPainter_->setTransform(place);
    canvasPainter_->fillPath(outline, Qt::black);
    // Kept as shares alone: all that inking reads. The canvas is left clear for the next glyph.
    uchar* const bits = canvas_.bits();
    const qsizetype line = canvas_.bytesPerLine();
    QImage shares(size, QImage::Format_Alpha8);
    uchar* const shared = shares.bits();
    const qsizetype sharesLine = shares.bytesPerLine();
    for (int32_t y = 0; y < size.height(); ++y) {
        QRgb* __restrict from = reinterpret_cast<QRgb*>(bits + y * line);
        uchar* __restrict to = shared + y * sharesLine;
        int32_t x = 0;
#if defined(__SSE2__)
        // Sixteen shares at a time: each glyph made again from its choice is filled anew.
        for (; x + 16 <= size.width(); x += 16) {
            __m128i* four = reinterpret_cast<__m128i*>(from + x);
            const __m128i a = _mm_srli_epi32(_mm_loadu_si128(four), 24);
            const __m128i b = _mm_srli_epi32(_mm_loadu_si128(four + 1), 24);
            const __m128i c = _mm_srli_epi32(_mm_loadu_si128(four + 2), 24);
            const __m128i d = _mm_srli_epi32(_mm_loadu_si128(four + 3), 24);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(to + x),
                             _mm_packus_epi16(_mm_packs_epi32(a, b), _mm_packs_epi32(c, d)));
        }
#endif
        for (; x < size.width(); ++x)
            to[x] = uchar(qAlpha(from[x]));
        std::memset(from, 0, size_t(size.width()) * sizeof(QRgb));
    }
    return shares;
}

TurnedGlyphs::Covers TurnedGlyphs::CoversOf(QChar ch, double angle, int32_t phaseX, int32_t phaseY) const {
    const Level& level = LevelOf(ch);
    const QImage& pixels = level.pixels;
    QTransform place;
    place.translate(double(phaseX) / kPhases, double(phaseY) / kPhases);
    place.rotate(-angle);
    const QTransform placeLevel = QTransform::fromTranslate(-pad_, -pad_ - metrics_.ascent()) * place;
    Covers covers;
    const QRectF levelBox = placeLevel.mapRect(
        QRectF(pad_ - 2, pad_ - 2, pixels.width() - 2 * pad_ + 4, pixels.height() - 2 * pad_ + 4));
    // Bounds within the level box leave its union with them as its union with itself.
    covers.box =
        (OutlineWithin(level.outline, place, levelBox) ? levelBox | levelBox
                                                       : place.map(level.outline).boundingRect() | levelBox)
            .toAlignedRect()
            .adjusted(-1, -1, 1, 1);
    const QTransform toBox = QTransform::fromTranslate(-covers.box.left(), -covers.box.top());
    covers.pixels = &pixels;
    covers.levelToBox = placeLevel * toBox;
    covers.glyphs = this;
    covers.path = &level.outline;
    covers.outlineToBox = place * toBox;
    covers.holes = &level.holes;
    return covers;
}

// A glyph whose first inking touches the glyph before seeks more at once, so the turnings it was
// first inked from are kept until another glyph's are made.
const TurnedGlyphs::Covers& TurnedGlyphs::CoversAt(const TurnedGlyphCache::Key& key, QChar ch, double angle,
                                                   int32_t phaseX, int32_t phaseY) const {
    if (!lastCovers_ || !(lastCoversKey_ == key)) {
        lastCovers_ = std::make_shared<Covers>(CoversOf(ch, angle, phaseX, phaseY));
        lastCoversKey_ = key;
    }
    return *lastCovers_;
}

const QImage& TurnedGlyphs::Covers::Outline() const {
    if (outline_.isNull()) outline_ = glyphs->FillOutline(*path, outlineToBox, box.size());
    return outline_;
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

const Mask& TurnedGlyphs::Covers::CarriedHoles() const {
    if (!carriedHoles_.empty()) return carriedHoles_;
    carriedHoles_.assign(size_t(box.width()) * size_t(box.height()), 0);
    for (const QPoint hole : *holes) {
        const QPointF centre = levelToBox.map(QPointF(hole) + QPointF(0.5, 0.5));
        const QPoint to(int32_t(std::floor(centre.x())), int32_t(std::floor(centre.y())));
        if (box.translated(-box.topLeft()).contains(to))
            carriedHoles_[size_t(to.y() * box.width() + to.x())] = 1;
    }
    return carriedHoles_;
}

const Mask& TurnedGlyphs::Covers::Carried() const {
    if (carried_.empty()) carried_ = glyph_ink::Carried(*pixels, levelToBox, box.size());
    return carried_;
}

// Adds to the glyph's inkings the one a recipe names, made from the glyph's turnings. Most inkings
// are shares of cover alone, unmended, and go straight into bits with no mask of bytes between.
void TurnedGlyphs::AddInking(uint8_t recipe, const Level& level, const Covers& covers,
                             TurnedGlyph& glyph) const {
    const auto [way, share, mend] = RecipeOf(recipe);
    if (mend == 0 && way != kCarried) {
        OrInkedBits(way == kOutline ? covers.Outline() : covers.LevelPixels(), share,
                    NewInking(recipe, glyph));
        return;
    }
    Mask mask = way == kCarried ? covers.Carried()
                                : Inked(way == kOutline ? covers.Outline() : covers.LevelPixels(), share);
    if (mend == kFilled)
        FillHolesPastLevel(mask, ShapeOf(mask, covers.box.width(), covers.box.height()), level.shape,
                           covers.box.width(), covers.box.height());
    else if (mend == kCarved)
        Carve(mask, covers.CarriedHoles());
    Pack(mask, recipe, glyph);
}

// Takes the glyph's next way of inking, and where that way finds no inking that keeps the level
// glyph's shape at its true weight, the ways after it too. The first way is the plain inking of the
// outline alone, taken when it keeps the shape at its true weight: most glyphs need no more. The
// inkings that keep the shape follow those kept already, the true weights first; where none keeps
// it at all, the one inking is the nearest of every way.
void TurnedGlyphs::FindInkings(TurnedGlyph& glyph, const Level& level, const Covers& covers) const {
    const int32_t w = glyph.box.width(), h = glyph.box.height();
    GlyphChoice& choice = glyph.choice;
    if (choice.stage == kPlainStage) {
        ++choice.stage;
        Mask plain = Inked(covers.Outline(), kCovers[0]);
        int32_t ink = 0;
        if (Distance(ShapeOf(plain, w, h, ink), level.shape) == 0 && WeightClass(ink, level.ink) == 0) {
            Pack(plain, kOutline, glyph);
            // The outline's first share of cover would find the plain inking again, and nothing more.
            ++choice.stage;
            return;
        }
    }
    std::vector<Candidate> found;
    bool trueFound = false;
    auto add = [&](Mask mask, uint8_t recipe) {
        int32_t ink = 0;
        const Shape shape = ShapeOf(mask, w, h, ink);
        const int32_t distance = Distance(shape, level.shape);
        const int32_t weight = WeightClass(ink, level.ink);
        trueFound |= distance == 0 && weight == 0;
        found.push_back({std::move(mask), distance, weight, recipe});
        return shape;
    };
    // An inking whose holes alone are amiss is mended as well: a hole too many, as where the strokes
    // of a "W" close off a corner, is filled when it is small; a hole closed up is opened where the
    // level glyph's hole is carried. The mended inkings go before the one they were mended from.
    auto consider = [&](Mask mask, uint8_t recipe) {
        const size_t at = found.size();
        const Shape shape = add(std::move(mask), recipe);
        const Mask& added = found[at].mask;
        if (shape.pieces == level.shape.pieces && shape.holes > level.shape.holes) {
            Mask filled = added;
            if (FillHolesPastLevel(filled, shape, level.shape, w, h))
                add(std::move(filled), uint8_t(recipe | kFilled << 5));
        } else if (shape.holes < level.shape.holes) {
            Mask carved = added;
            Carve(carved, covers.CarriedHoles());
            if (carved != added) add(std::move(carved), uint8_t(recipe | kCarved << 5));
        }
        if (found.size() > at + 1)
            std::rotate(found.begin() + ptrdiff_t(at), found.begin() + ptrdiff_t(at) + 1, found.end());
    };
    // Each stage past the plain one is a way at one share of cover, the search stopping at the
    // first that keeps the shape at its true weight.
    while (choice.stage < LastStage() && !trueFound) {
        const int32_t step = choice.stage - kOutlineStage, way = step / kCoverCount,
                      tried = step % kCoverCount;
        if (way == kCarried)
            consider(covers.Carried(), kCarried);
        else
            consider(Inked(way == kOutline ? covers.Outline() : covers.LevelPixels(), kCovers[tried]),
                     uint8_t(way | tried << 2));
        ++choice.stage;
    }
    // Inkings that keep the shape, the true weights first; where none does, a letter of about its
    // weight with a stroke joined or a hole closed reads better than a dot or a blob.
    std::stable_sort(found.begin(), found.end(), [](const Candidate& a, const Candidate& b) {
        return std::tuple(a.weight > 1, a.distance, a.weight) <
               std::tuple(b.weight > 1, b.distance, b.weight);
    });
    for (const Candidate& candidate : found) {
        if (choice.inkings >= kMostInkings || candidate.distance != 0 || candidate.weight > 1) break;
        bool known = false;
        for (int32_t inking = 0; inking < choice.inkings && !known; ++inking)
            known = SameInking(glyph, inking, candidate.mask);
        if (!known) Pack(candidate.mask, candidate.recipe, glyph);
    }
    // A glyph too small for any inking to keep its shape is inked as near to it as any comes.
    if (choice.inkings == 0 && choice.stage == LastStage() && !found.empty()) {
        Pack(found.front().mask, found.front().recipe, glyph);
        choice.nearest = true;
    }
}

TurnedGlyphCache::Key TurnedGlyphs::KeyOf(QChar ch, double angle, int32_t phaseX, int32_t phaseY) const {
    uint64_t angleBits = 0;
    std::memcpy(&angleBits, &angle, sizeof angleBits);
    return {number_, angleBits, (uint32_t(ch.unicode()) << 8) | uint32_t(phaseX << 4) | uint32_t(phaseY)};
}

int32_t TurnedGlyphs::LastStage() const {
    return kOutlineStage + (shaped_ ? kCarried * kCoverCount + 1 : 1);
}

// A glyph let go is made again from what its search chose, exactly as it was, without searching.
TurnedGlyph& TurnedGlyphs::GlyphAt(QChar ch, double angle, int32_t phaseX, int32_t phaseY) const {
    TurnedGlyphCache& cache = TurnedGlyphCache::OfThread();
    const TurnedGlyphCache::Key key = KeyOf(ch, angle, phaseX, phaseY);
    if (TurnedGlyph* known = cache.Find(key)) return *known;
    const Covers& covers = CoversAt(key, ch, angle, phaseX, phaseY);
    const Level& level = LevelOf(ch);
    TurnedGlyph glyph;
    glyph.box = covers.box;
    if (const GlyphChoice* chosen = cache.FindChoice(key)) {
        glyph.choice = *chosen;
        glyph.choice.inkings = 0;
        const GlyphChoice choice = *chosen;
        glyph.bits.reserve(glyph.Words() * size_t(choice.inkings));
        for (int32_t inking = 0; inking < choice.inkings; ++inking)
            MakeInking(key, inking, choice.recipes[inking], level, covers, glyph);
    } else {
        glyph.choice.stage = int8_t(shaped_ ? kPlainStage : kOutlineStage);
        while (glyph.choice.inkings == 0 && glyph.choice.stage < LastStage())
            FindInkings(glyph, level, covers);
        cache.KeepChoice(key, glyph.choice);
        if (cache.PastBound()) {
            cache.FlipsKept(key);
            for (int32_t inking = 0; inking < glyph.choice.inkings; ++inking)
                KeepFlips(key, inking, covers, glyph);
        }
    }
    glyph.bits.shrink_to_fit();
    return cache.Add(key, std::move(glyph));
}

bool TurnedGlyphs::InkingOf(const TurnedGlyphCache::Key& key, QChar ch, double angle, int32_t phaseX,
                            int32_t phaseY, int32_t index, TurnedGlyph& glyph) const {
    const GlyphChoice* chosen = TurnedGlyphCache::OfThread().FindChoice(key);
    if (!chosen || index >= chosen->inkings) return false;
    const uint8_t recipe = chosen->recipes[index];
    const Covers& covers = CoversAt(key, ch, angle, phaseX, phaseY);
    glyph.box = covers.box;
    glyph.bits.clear();
    glyph.choice = GlyphChoice();
    MakeInking(key, index, recipe, LevelOf(ch), covers, glyph);
    return true;
}

// An inking of the outline alone at one share of cover, unmended, is made from the cheap raster
// put right where that was kept, and otherwise by Qt's fill as it was found; past the bound, what
// puts the raster right is kept then, for the paints that make it again.
void TurnedGlyphs::MakeInking(const TurnedGlyphCache::Key& key, int32_t index, uint8_t recipe,
                              const Level& level, const Covers& covers, TurnedGlyph& glyph) const {
    const auto [way, share, mend] = RecipeOf(recipe);
    if (way != kOutline || mend != 0) {
        AddInking(recipe, level, covers, glyph);
        return;
    }
    TurnedGlyphCache& cache = TurnedGlyphCache::OfThread();
    const TurnedGlyphCache::Flips flips = cache.FindFlips(key, index);
    if (flips.raster) {
        thread_local std::vector<uint64_t> raster;
        raster.assign(glyph.Words(), 0);
        if (OrCoveredBits(*covers.path, covers.outlineToBox, covers.box.size(), share, raster.data())) {
            for (const uint16_t at : flips.pixels)
                raster[at / 64] ^= uint64_t{1} << (at % 64);
            uint64_t* const words = NewInking(recipe, glyph);
            std::copy(raster.begin(), raster.end(), words);
            return;
        }
    }
    AddInking(recipe, level, covers, glyph);
    if (!flips.known && cache.PastBound()) KeepFlips(key, glyph.choice.inkings - 1, covers, glyph, index);
}

void TurnedGlyphs::PlainInking(QChar ch, double angle, int32_t phaseX, int32_t phaseY,
                               TurnedGlyph& glyph) const {
    const Covers covers = CoversOf(ch, angle, phaseX, phaseY);
    glyph.box = covers.box;
    glyph.bits.assign(glyph.Words(), 0);
    glyph.choice = GlyphChoice();
    if (!OrCoveredBits(*covers.path, covers.outlineToBox, covers.box.size(), kCovers[0], glyph.bits.data()))
        std::fill(glyph.bits.begin(), glyph.bits.end(), 0);
}

// Keeps the pixels where the glyph's inking `inking` (the glyph's choice's `index`, where that
// differs) and the cheap raster of its outline at the same share differ.
void TurnedGlyphs::KeepFlips(const TurnedGlyphCache::Key& key, int32_t inking, const Covers& covers,
                             const TurnedGlyph& glyph, int32_t index) const {
    if (index < 0) index = inking;
    const uint8_t recipe = glyph.choice.recipes[inking];
    const auto [way, share, mend] = RecipeOf(recipe);
    if (way != kOutline || mend != 0) return;
    const size_t words = glyph.Words();
    thread_local std::vector<uint64_t> raster;
    thread_local std::vector<uint16_t> flipped;
    raster.assign(words, 0);
    flipped.clear();
    bool made = words * 64 <= 0x10000 &&
                OrCoveredBits(*covers.path, covers.outlineToBox, covers.box.size(), share, raster.data());
    const uint64_t* const inked = glyph.bits.data() + size_t(inking) * words;
    for (size_t at = 0; made && at < words; ++at)
        for (uint64_t differ = raster[at] ^ inked[at]; differ != 0 && made; differ &= differ - 1) {
            flipped.push_back(uint16_t(at * 64 + size_t(__builtin_ctzll(differ))));
            made = flipped.size() <= size_t(TurnedGlyphCache::kMostFlips);
        }
    TurnedGlyphCache::OfThread().KeepFlips(key, index, made, flipped);
}

// True when the glyph has an inking `index`, found now if need be; the first one it always has.
bool TurnedGlyphs::Inking(TurnedGlyph& glyph, QChar ch, double angle, int32_t phaseX, int32_t phaseY,
                          int32_t index) const {
    GlyphChoice& choice = glyph.choice;
    if (index < choice.inkings) return true;
    if (choice.nearest || choice.inkings >= kMostInkings || choice.stage >= LastStage()) return false;
    TurnedGlyphCache& cache = TurnedGlyphCache::OfThread();
    const TurnedGlyphCache::Key key = KeyOf(ch, angle, phaseX, phaseY);
    const Covers& covers = CoversAt(key, ch, angle, phaseX, phaseY);
    while (index >= choice.inkings && choice.stage < LastStage() && choice.inkings < kMostInkings)
        FindInkings(glyph, LevelOf(ch), covers);
    glyph.bits.shrink_to_fit();
    cache.Grew(key);
    cache.KeepChoice(key, choice);
    return index < choice.inkings;
}
