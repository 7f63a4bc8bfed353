// Device context: text. Sizes are logical units through the mapping; every face is the shipped
// font; escapement turns the text counter-clockwise on the device and never mirrors it.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__)
#include <immintrin.h>
#endif
#include <QGlyphRun>
#include <QImage>
#include <QList>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPainter>
#include <QPointF>
#include <QString>
#include <QTransform>
#include <vector>

#include "platform/dc_text_face.h"
#include "platform/glyphs/glyph_ink.h"
#include "platform/glyphs/turned_glyph_cache.h"
#include "platform/glyphs/turned_ink_later.h"

namespace {

QColor ToQColor(COLORREF colour) {
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

// Letters this tall keep their strokes and their spacing when Qt turns them as it draws them.
constexpr int32_t kTallestGlyphwiseText = 40;
// Where the strokes of a letter taller than that meet or cross, Qt's unsmoothed fill of its turned
// outline may leave a clear pixel or two inside the ink, which no level letter of its size has.
constexpr int32_t kMostStrokeGap = 3;
// Past this many pixels from all that shows no clear region of that size reaches it.
constexpr int32_t kNearShown = kMostStrokeGap + 1;
// Above this many pixels a turned text is left as Qt draws it.
constexpr int64_t kMostOutlinePixels = int64_t{1} << 22;

// Past this pixel size Qt fills turned glyphs as outlines, and drawText smooths them.
constexpr double kLargestCachedGlyph = 64;

// The lines under, over and through `text` of `font` with its pen at `pen`, as Qt places them:
// each as thick as the font's lines and centred where Qt centres it.
QPainterPath DecorationsOf(const QFont& font, QPointF pen, const QString& text) {
    QPainterPath lines;
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(text), thickness = metrics.lineWidth();
    auto line = [&](qreal centre) { lines.addRect(pen.x(), pen.y() + centre - thickness / 2, width, thickness); };
    if (font.underline()) line(std::ceil(metrics.underlinePos()) + 0.5);
    if (font.overline()) line(-metrics.ascent() + 0.5);
    if (font.strikeOut()) line(-metrics.ascent() / 3);
    return lines;
}

// Draws `text` with the painter's font and pen, as its glyphs `laidOut` where they are given. Qt's
// drawText smooths the lines under and through a turned text, and a turned text's glyphs past the
// sizes it draws from its glyph cache, whatever the font and the painter ask; those are filled here
// as outlines, unsmoothed, as every other text is drawn.
// `outline` gives the outline of the text's glyphs with its pen at (0, 0).
using OutlineOf = std::function<QPainterPath()>;

void DrawText(QPainter& painter, QPoint pen, const QString& text, const QList<QGlyphRun>* laidOut,
              const OutlineOf& outlineOf) {
    if (laidOut) {
        for (const QGlyphRun& run : *laidOut)
            painter.drawGlyphRun(pen, run);
        return;
    }
    const QFont font = painter.font();
    const bool decorated = font.underline() || font.overline() || font.strikeOut();
    // Qt's own test of a glyph too large for its cache, which a turn's rounding may tip either way.
    const QTransform turn = painter.combinedTransform();
    const double pixels = font.pixelSize();
    const bool large = pixels * pixels * std::abs(turn.determinant()) > kLargestCachedGlyph * kLargestCachedGlyph;
    // A quarter turn lines the outlines up with the pixels, and Qt draws them unsmoothed.
    const bool askew = std::abs(turn.m11() * turn.m12()) > 1e-9;
    if (!askew || (!decorated && !large)) {
        painter.drawText(pen, text);
        return;
    }
    QFont plain(font);
    plain.setUnderline(false), plain.setOverline(false), plain.setStrikeOut(false);
    QPainterPath outline = DecorationsOf(font, pen, text);
    if (large) {
        outline.setFillRule(Qt::WindingFill);
        // The shipped font has no bold face: Qt thickens its glyphs and spaces them apart its own
        // way, which only its own outline of the whole text follows.
        if (outlineOf && font.weight() < QFont::DemiBold)
            outline.addPath(outlineOf().translated(pen));
        else
            outline.addText(pen, plain, text);
    } else {
        painter.setFont(plain);
        painter.drawText(pen, text);
        painter.setFont(font);
    }
    const bool smoothed = painter.testRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillPath(outline, painter.pen().color());
    painter.setRenderHint(QPainter::Antialiasing, smoothed);
}

// A turned text's ink a bit a pixel, pixel x of row y at bit x % 64 of word y * stride + x / 64.
struct InkBits {
    std::vector<uint64_t> words;
    int32_t stride = 0, w = 0, h = 0;
    QPoint at; // the pixel of bit 0, about the reference point
    glyph_ink::BitRows Rows() const { return {words.data(), stride, w, h}; }
};

// Sets a bit of `bits` for each pixel of `row` (of `w`) that is not clear, and clears the pixel.
inline void GatherRow(uint32_t* row, int32_t w, uint64_t* bits) {
    int32_t x = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    for (; x + 16 <= w; x += 16) {
        __m128i* at = reinterpret_cast<__m128i*>(row + x);
        const __m128i a = _mm_loadu_si128(at), b = _mm_loadu_si128(at + 1);
        const __m128i c = _mm_loadu_si128(at + 2), d = _mm_loadu_si128(at + 3);
        // Most of a turned text's box is clear.
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(_mm_or_si128(_mm_or_si128(a, b), _mm_or_si128(c, d)), zero)) ==
            0xFFFF)
            continue;
        auto clear = [&](__m128i four) {
            return _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(four, zero)));
        };
        const uint32_t inked = ~uint32_t(clear(a) | clear(b) << 4 | clear(c) << 8 | clear(d) << 12) & 0xFFFF;
        bits[x / 64] |= uint64_t{inked} << (x % 64);
        for (int32_t four = 0; four < 4; ++four)
            _mm_storeu_si128(at + four, zero);
    }
#endif
    for (; x < w; ++x)
        if (row[x] != 0) {
            bits[x / 64] |= uint64_t{1} << (x % 64);
            row[x] = 0;
        }
}

#if defined(__x86_64__)
// A bit for each of the eight pixels that is not clear.
__attribute__((target("avx2"), always_inline)) inline uint32_t InkedOfEight(__m256i eight) {
    const __m256i clear = _mm256_cmpeq_epi32(eight, _mm256_setzero_si256());
    return ~uint32_t(_mm256_movemask_ps(_mm256_castsi256_ps(clear))) & 0xFF;
}

// GatherRow 32 pixels at a time, for processors that have the wider registers; `w` is a multiple of
// 32, as the scratch's rows are.
__attribute__((target("avx2"), always_inline)) inline void GatherRowWide(uint32_t* row, int32_t w,
                                                                         uint64_t* bits) {
    const __m256i zero = _mm256_setzero_si256();
    for (int32_t x = 0; x < w; x += 32) {
        __m256i* at = reinterpret_cast<__m256i*>(row + x);
        const __m256i a = _mm256_loadu_si256(at), b = _mm256_loadu_si256(at + 1);
        const __m256i c = _mm256_loadu_si256(at + 2), d = _mm256_loadu_si256(at + 3);
        const __m256i any = _mm256_or_si256(_mm256_or_si256(a, b), _mm256_or_si256(c, d));
        if (_mm256_testz_si256(any, any)) continue;
        const uint32_t four =
            InkedOfEight(a) | InkedOfEight(b) << 8 | InkedOfEight(c) << 16 | InkedOfEight(d) << 24;
        bits[x / 64] |= uint64_t{four} << (x % 64);
        for (int32_t eight = 0; eight < 4; ++eight)
            _mm256_storeu_si256(at + eight, zero);
    }
}
#endif

// Gathers the `h` rows of `span` pixels from `pixels`, `pitch` apart, into rows of `stride` words
// of `bits`.
void GatherInk(uint32_t* pixels, int32_t span, int32_t pitch, int32_t h, uint64_t* bits, int32_t stride) {
    for (int32_t y = 0; y < h; ++y)
        GatherRow(pixels + size_t(y) * size_t(pitch), span, bits + size_t(y) * size_t(stride));
}

#if defined(__x86_64__)
__attribute__((target("avx2"))) void GatherInkWide(uint32_t* pixels, int32_t span, int32_t pitch, int32_t h,
                                                   uint64_t* bits, int32_t stride) {
    for (int32_t y = 0; y < h; ++y)
        GatherRowWide(pixels + size_t(y) * size_t(pitch), span, bits + size_t(y) * size_t(stride));
}
#endif

using Gather = void (*)(uint32_t*, int32_t, int32_t, int32_t, uint64_t*, int32_t);

Gather GatherFor() {
#if defined(__x86_64__)
    static const bool wide = __builtin_cpu_supports("avx2");
    if (wide) return GatherInkWide;
#endif
    return GatherInk;
}

// The pixels `text` inks drawn by Qt with `font` turned `angle` degrees, its pen at `pen`, in the
// box `box` about that point, gathered as bits into `ink`: drawn into `pixels`, which is kept clear
// between texts, as only the pixels Qt inks are cleared behind it. The text is drawn as its glyphs
// `laidOut` where they are given. Qt blits those from its glyph cache and inks the same pixels in
// any format of 32-bit pixels; it writes 30-bit colour through the processor's cache but RGB32 past
// it, and the pixels are read back at once. Where `within` (about the reference point) is given,
// only the pixels of whole runs of 32 that cover it are drawn and gathered, as they lie in the box.
void DrawInk(const QFont& font, const QString& text, const QList<QGlyphRun>* laidOut, const OutlineOf& outlineOf,
             double angle, QPoint pen, QRect box, std::vector<uint32_t>& pixels, InkBits& ink,
             QRect within = QRect()) {
    // Past this many pixels, a screen's, the image is let go after each text.
    constexpr size_t kKeptPixels = size_t{1} << 21;
    // Rows are whole runs of 32 pixels, which are gathered at once; the pixels past the box's width
    // are never drawn. Only the part drawn has pixels: a long turned text's box is mostly far from
    // all that shows.
    const int32_t w = box.width(), h = box.height();
    QRect part(0, 0, (w + 31) / 32 * 32, h);
    if (!within.isNull()) {
        part = within.translated(-box.topLeft()) & QRect(0, 0, w, h);
        part.setCoords(part.left() / 32 * 32, part.top(), (part.right() + 32) / 32 * 32 - 1, part.bottom());
    }
    const int32_t span = part.width();
    ink.at = box.topLeft() + part.topLeft();
    ink.w = std::min(span, w - part.left());
    ink.h = part.height();
    ink.stride = (span + 63) / 64;
    ink.words.assign(size_t(ink.stride) * size_t(ink.h), 0);
    if (ink.w <= 0 || ink.h <= 0) return;
    if (pixels.size() < size_t(span) * size_t(ink.h)) pixels.resize(size_t(span) * size_t(ink.h), 0);
    {
        QImage cover(reinterpret_cast<uchar*>(pixels.data()), ink.w, ink.h, qsizetype(span) * 4,
                     laidOut ? QImage::Format_BGR30 : QImage::Format_RGB32);
        QPainter painter(&cover);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.translate(-box.topLeft() - part.topLeft());
        painter.rotate(-angle);
        DrawText(painter, pen, text, laidOut, outlineOf);
    }
    GatherFor()(pixels.data(), span, span, ink.h, ink.words.data(), ink.stride);
    if (pixels.size() > kKeptPixels) std::vector<uint32_t>().swap(pixels);
}

// The pixels larger turned texts are drawn on alone, clear between texts; kept from paint to paint.
std::vector<uint32_t>& Cover() {
    thread_local std::vector<uint32_t> pixels;
    return pixels;
}

// The box, about the reference point, of the pixels of `text` turned `angle` degrees with its pen at
// `pen`, with room for glyphs that overhang their cells; empty where it is too large to be mended.
QRect TurnedBox(int32_t ascent, int32_t height, int32_t advance, double angle, QPoint pen) {
    const int32_t pad = height / 4 + 2;
    const QRect level(pen.x() - pad, pen.y() - ascent - pad, advance + 2 * pad, height + 2 * pad);
    const QRect box = QTransform().rotate(-angle).mapRect(QRectF(level)).toAlignedRect();
    if (box.isEmpty() || int64_t{box.width()} * box.height() > kMostOutlinePixels) return QRect();
    return box;
}

// The pixels of `ink` that lie in `shown` (about the reference point `ref`), on the device, into
// `pixels`; how many.
size_t InkShown(const InkBits& ink, QRect shown, QPoint ref, std::vector<POINT>& pixels) {
    const QRect bits = shown.translated(-ink.at) & QRect(0, 0, ink.w, ink.h);
    pixels.clear();
    for (int32_t y = bits.top(); y <= bits.bottom(); ++y) {
        const uint64_t* row = ink.words.data() + size_t(y) * size_t(ink.stride);
        for (int32_t word = bits.left() / 64; word <= bits.right() / 64; ++word) {
            const int32_t first = word * 64;
            uint64_t inked = row[word];
            if (bits.left() > first) inked &= ~uint64_t{0} << (bits.left() - first);
            if (bits.right() < first + 63) inked &= ~uint64_t{0} >> (first + 63 - bits.right());
            for (; inked; inked &= inked - 1)
                pixels.push_back({ref.x() + ink.at.x() + first + __builtin_ctzll(inked), ref.y() + ink.at.y() + y});
        }
    }
    return pixels.size();
}

int32_t HolesOf(const InkBits& ink) {
    return glyph_ink::ShapeOf(ink.Rows()).holes;
}

// The holes of the level text Qt draws with `font`, mended turned texts being compared with it; as
// many as any text has where it closes small holes of its own, which its turned text keeps.
int32_t LevelHolesOf(const QFont& font, const QList<QGlyphRun>* laidOut, int32_t ascent, int32_t height,
                     int32_t advance, const QString& text, std::vector<uint32_t>& pixels) {
    const QRect level = TurnedBox(ascent, height, advance, 0.0, QPoint());
    if (level.isEmpty()) return std::numeric_limits<int32_t>::max();
    thread_local InkBits ink;
    DrawInk(font, text, laidOut, OutlineOf(), 0.0, QPoint(), level, pixels, ink);
    if (!glyph_ink::SmallHolesOf(ink.Rows(), kMostStrokeGap).empty())
        return std::numeric_limits<int32_t>::max();
    return HolesOf(ink);
}

// The clear pixels, about the reference point, that Qt leaves inside the strokes of a turned text
// whose ink, its box's top left at `topLeft`, is `ink`: its clear regions of a few pixels, where it
// has more holes than its level text (`levelHoles()`) and the level text has none as small. Most
// turned texts have no such region, and need no more.
template <class LevelHoles>
std::vector<QPoint> MendsOf(const InkBits& ink, QPoint topLeft, LevelHoles levelHoles) {
    std::vector<QPoint> mends = glyph_ink::SmallHolesOf(ink.Rows(), kMostStrokeGap);
    if (mends.empty()) return {};
    // The turned text has a hole at least, so its holes are counted only where the level text has.
    const int32_t levelHolesCount = levelHoles();
    if (levelHolesCount == std::numeric_limits<int32_t>::max()) return {};
    if (levelHolesCount > 0 && HolesOf(ink) <= levelHolesCount) return {};
    for (QPoint& at : mends)
        at += topLeft;
    return mends;
}

} // namespace

const TDC::TextFace& TDC::Face() const {
    const LOGFONT& log = font_.GetLogFont();
    if (face_ && face_->Matches(log, mapping_)) return *face_;
    face_ = TextFace::Shared(log, mapping_);
    fontOnPainter_ = false;
    return *face_;
}

QString TDC::TextOf(const char* text, int32_t len) const {
    if (!text) return QString();
    if (len < 0) len = int32_t(std::strlen(text));
    return QString::fromLatin1(text, len);
}

bool TDC::TextOut(int32_t x, int32_t y, const std::string& text) {
    return TextOut(x, y, text.c_str(), int32_t(text.size()));
}

bool TDC::TextOut(int32_t x, int32_t y, const char* text, int32_t len) {
    if (DivertsText()) return RecordText(x, y, text, len);
    if (!Active()) return false;
    const QString string = TextOf(text, len);
    if (string.isEmpty()) return true;
    const TextFace& face = Face();
    const double angle = font_.GetLogFont().lfEscapement / 10.0; // degrees, counter-clockwise on the device
    if (!fontOnPainter_) {
        painter_->setFont(face.font);
        fontOnPainter_ = true;
    }
    const POINT ref = ToDevice(x, y);
    const bool centred = (textAlign_ & TA_CENTER) == TA_CENTER;
    const bool right = !centred && (textAlign_ & TA_RIGHT) != 0;
    const bool opaque = bkMode_ == OPAQUE;
    // The width is measured only where it places the text or fills its cell.
    const bool measured = centred || right || opaque;
    const int32_t width = measured ? face.Advance(string) : int32_t(string.size()) * face.maxWidth;
    const int32_t dx = centred ? -(width / 2) : right ? -width : 0;
    int32_t baseline = face.ascent; // TA_TOP
    if ((textAlign_ & TA_BASELINE) == TA_BASELINE)
        baseline = 0;
    else if (textAlign_ & TA_BOTTOM)
        baseline = -face.descent;
    const QRect cell(dx, baseline - face.ascent, width, face.ascent + face.descent);
    // Text that cannot reach the clip is not laid out at all. The margin covers glyphs overhanging
    // their cell. A turned text reaches no further than its turned cell, its length measured: a long
    // one lies far from most of the square its length spans, and is neither inked nor searched
    // where none of it shows.
    const int32_t margin = face.ascent + face.descent;
    QTransform turn;
    if (angle == 0.0) {
        if (OutsideClip(cell.translated(ref.x, ref.y).adjusted(-margin, -margin, margin, margin)))
            return true;
    } else {
        turn.translate(ref.x, ref.y);
        turn.rotate(-angle);
        const int32_t reach = margin + 1;
        if (OutsideClip(QRect(dx, cell.top(), measured ? width : face.Advance(string), cell.height())
                            .adjusted(-reach, -reach, reach, reach),
                        turn))
            return true;
    }

    // Text is copied whatever the raster operation, as the pens' operations do not apply to it.
    ApplyCopy();
    painter_->setPen(ToQColor(Ink(textColour_)));
    if (angle == 0.0) {
        if (opaque) painter_->fillRect(cell.translated(ref.x, ref.y), ToQColor(Ink(bkColour_)));
        painter_->drawText(QPoint(ref.x + dx, ref.y + baseline), string);
        Drawn(cell.translated(ref.x, ref.y).adjusted(-2, -2, 2, 2));
        return true;
    }
    if (opaque) {
        painter_->save();
        painter_->setTransform(turn, true);
        painter_->fillRect(cell, ToQColor(Ink(bkColour_)));
        painter_->restore();
    }
    // Small glyphs turned as Qt draws them lose strokes and run into one another, so they are turned
    // one by one at their level places and inked to keep their shapes, or at a quarter turn are the
    // level text's pixels turned. A recorded page keeps its glyphs, to be drawn at whatever
    // resolution it is played back.
    QRect box;
    if (!recording_ && face.ascent + face.descent <= kTallestGlyphwiseText &&
        DrawTurnedGlyphs(face, string, angle, QPoint(dx, baseline), QPoint(ref.x, ref.y), box)) {
        Drawn(box | turn.mapRect(QRectF(cell)).toAlignedRect());
        return true;
    }
    // Qt fills the outlines of glyphs this large, which ink the same pixels wherever they are drawn;
    // glyphs from its cache may lie a pixel apart on the device and off it.
    if (!recording_ && face.pixelSize > kLargestCachedGlyph &&
        InkTurnedOutline(face, string, angle, QPoint(dx, baseline), QPoint(ref.x, ref.y), false)) {
        Drawn(turn.mapRect(QRectF(cell)).toAlignedRect().adjusted(-2, -2, 2, 2));
        return true;
    }
    painter_->save();
    painter_->setTransform(turn, true);
    if (recording_)
        painter_->drawText(QPoint(dx, baseline), string);
    else
        DrawText(*painter_, QPoint(dx, baseline), string, DrawsPixels() ? face.LaidOut(string) : nullptr,
                 [&] { return face.Outline(string); });
    painter_->restore();
    if (!recording_) MendTurnedOutline(face, string, angle, QPoint(dx, baseline), QPoint(ref.x, ref.y));
    Drawn(turn.mapRect(QRectF(cell)).toAlignedRect().adjusted(-2, -2, 2, 2));
    return true;
}

bool TDC::DrawTurnedGlyphs(const TextFace& face, const QString& text, double angle, QPoint pen, QPoint ref,
                           QRect& box) {
    const QColor colour = ToQColor(Ink(textColour_));
    if (TurnedGlyphs::QuarterTurn(angle)) {
        const QImage turned = face.Turned().DrawQuarterTurned(text, angle, pen, colour, box);
        if (turned.isNull()) return false;
        box.translate(ref);
        painter_->drawImage(box.topLeft(), turned);
        return true;
    }
    if (!turnedPaintBegun_) {
        TurnedGlyphCache::OfThread().BeginPaint();
        turnedPaintBegun_ = true;
    }
    // Letters past all that shows are left out; a painter that moves what it draws shows anything.
    const QRectF shown = painterPlain_ ? QRectF(ClipBounds().translated(-ref)) : QRectF();
    const TurnedGlyphs& turned = face.Turned();
    const bool later = putOffInking_ && !turned.InkedBefore(text, angle, pen);
    const TurnedText* ink =
        later ? turned.InkPlain(text, angle, pen, shown) : turned.Ink(text, angle, pen, shown);
    if (!ink) return false;
    box = ink->box.translated(ref);
    if (later)
        TurnedInkLater::OfThread().Add(face.TurnedShared(), text, angle, pen, shown, painter_->device(), box);
    // The ink is written straight into an image; any other device is given it as an image.
    if (image_) {
        pixels_.clear();
        ink->ForEachInked([&](int32_t x, int32_t y) { pixels_.push_back({ref.x() + x, ref.y() + y}); });
        PutPixels(pixels_.data(), pixels_.size(), textColour_, false);
        return true;
    }
    QImage image(box.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(0);
    const QRgb inked = colour.rgb();
    ink->ForEachInked([&](int32_t x, int32_t y) {
        reinterpret_cast<QRgb*>(image.scanLine(y - ink->box.top()))[x - ink->box.left()] = inked;
    });
    painter_->drawImage(box.topLeft(), image);
    return true;
}

bool TDC::TurnedInkingPutOff() {
    return TurnedInkLater::OfThread().Pending();
}

bool TDC::FinishTurnedInking(int64_t mostMilliseconds) {
    return TurnedInkLater::OfThread().Finish(mostMilliseconds);
}

QRect TDC::TakePlainArea(const QPaintDevice* device) {
    return TurnedInkLater::OfThread().TakeArea(device);
}

bool TDC::DrawsPixels() const {
    const QPaintEngine* engine = painter_->paintEngine();
    return painterPlain_ && engine && engine->type() == QPaintEngine::Raster;
}

// Finding the mends costs about as much as drawing the text, so those of the texts drawn are kept
// with the choices of their font; a text whose mends are kept is drawn by Qt and they are put on it.
void TDC::MendTurnedOutline(const TextFace& face, const QString& text, double angle, QPoint pen, QPoint ref) {
    // Only pixels are mended.
    if (!DrawsPixels()) return;
    const std::vector<QPoint>* mends =
        TurnedGlyphCache::OfThread().FindMends(face.Turned().TextKeyOf(text, angle, pen));
    if (mends)
        PutMends(*mends, ref);
    else
        InkTurnedOutline(face, text, angle, pen, ref, true);
}

void TDC::PutMends(const std::vector<QPoint>& mends, QPoint ref) {
    if (mends.empty()) return;
    pixels_.clear();
    for (const QPoint at : mends)
        pixels_.push_back({ref.x() + at.x(), ref.y() + at.y()});
    PutPixels(pixels_.data(), pixels_.size(), textColour_, false);
}

// A text whose mends are not known yet is drawn once, off the screen, as far as it reaches what
// shows and a few pixels past it; unless Qt has `drawn` it, its pixels that show are put on the
// screen from there, and what shows of it is searched for mends there. Only where that finds a
// clear region to mend is the whole text drawn again, to count its holes.
bool TDC::InkTurnedOutline(const TextFace& face, const QString& text, double angle, QPoint pen, QPoint ref,
                           bool drawn) {
    if (!DrawsPixels()) return false;
    TurnedGlyphCache& cache = TurnedGlyphCache::OfThread();
    const TurnedGlyphCache::TextKey key = face.Turned().TextKeyOf(text, angle, pen);
    if (cache.FindMends(key)) return false;
    const int32_t height = face.ascent + face.descent, advance = face.Advance(text);
    const QRect box = TurnedBox(face.ascent, height, advance, angle, pen);
    // A clear region small enough to mend lies within a few pixels of each of its pixels: where the
    // ink near all that shows holds none, none that shows is mended, whatever the rest holds.
    const QRect shown = ClipBounds().translated(-ref) & box;
    if (shown.isEmpty()) return false;
    if (const QRect* clear = cache.FindClear(key); clear && clear->contains(shown)) return false;
    const QRect near = shown.adjusted(-kNearShown, -kNearShown, kNearShown, kNearShown) & box;
    thread_local InkBits ink;
    const OutlineOf outlineOf = [&] { return face.Outline(text); };
    const QList<QGlyphRun>* laidOut = face.LaidOut(text);
    DrawInk(face.font, text, laidOut, outlineOf, angle, pen, box, Cover(), ink, near == box ? QRect() : near);
    if (!drawn) PutPixels(pixels_.data(), InkShown(ink, shown, ref, pixels_), textColour_, false);
    if (near != box) {
        if (glyph_ink::SmallHolesOf(ink.Rows(), kMostStrokeGap).empty()) {
            cache.KeepClear(key, shown);
            return true;
        }
        DrawInk(face.font, text, laidOut, outlineOf, angle, pen, box, Cover(), ink);
    }
    // The level text is the same at every angle.
    auto levelHoles = [&] {
        const int32_t* known = cache.FindLevelHoles(key.font, text);
        return known ? *known
                     : cache.KeepLevelHoles(key.font, text,
                                            LevelHolesOf(face.font, laidOut, face.ascent, height, advance, text,
                                                         Cover()));
    };
    PutMends(cache.KeepMends(key, MendsOf(ink, box.topLeft(), levelHoles)), ref);
    return true;
}

bool TDC::GetTextMetrics(TEXTMETRIC& metrics) const {
    const TextFace& face = Face();
    metrics = TEXTMETRIC{};
    metrics.tmHeight = mapping_.HeightToLogical(face.ascent + face.descent);
    metrics.tmAscent = mapping_.HeightToLogical(face.ascent);
    metrics.tmDescent = mapping_.HeightToLogical(face.descent);
    metrics.tmInternalLeading =
        mapping_.HeightToLogical(std::max(0, face.ascent + face.descent - face.pixelSize));
    metrics.tmExternalLeading = mapping_.HeightToLogical(face.leading);
    metrics.tmAveCharWidth = mapping_.WidthToLogical(face.averageWidth);
    metrics.tmMaxCharWidth = mapping_.WidthToLogical(face.maxWidth);
    metrics.tmWeight = face.log.lfWeight <= 0 ? FW_NORMAL : face.log.lfWeight;
    metrics.tmItalic = face.log.lfItalic;
    metrics.tmUnderlined = face.log.lfUnderline;
    metrics.tmStruckOut = face.log.lfStrikeOut;
    metrics.tmPitchAndFamily = face.log.lfPitchAndFamily;
    metrics.tmCharSet = face.log.lfCharSet;
    return true;
}

bool TDC::GetTextExtentPoint(const char* text, int32_t len, SIZE* size) const {
    if (!size) return false;
    const TextFace& face = Face();
    size->cx = mapping_.WidthToLogical(face.Advance(TextOf(text, len)));
    size->cy = mapping_.HeightToLogical(face.ascent + face.descent);
    return true;
}

SIZE TDC::GetTextExtent(const char* text, int32_t len) const {
    SIZE size;
    GetTextExtentPoint(text, len, &size);
    return size;
}
