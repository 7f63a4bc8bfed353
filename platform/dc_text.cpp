// Device context: text. Sizes are logical units through the mapping; every face is the shipped
// font; escapement turns the text counter-clockwise on the device and never mirrors it.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPointF>
#include <QString>
#include <QTransform>
#include <unordered_map>
#include <vector>

#include "platform/dc_text_face.h"
#include "platform/glyph_ink.h"

namespace {

QColor ToQColor(COLORREF colour) {
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

// Letters this tall keep their strokes and their spacing when Qt turns them as it draws them.
constexpr int32_t kTallestGlyphwiseText = 40;
// Where the strokes of a letter taller than that meet or cross, Qt's unsmoothed fill of its turned
// outline may leave a clear pixel or two inside the ink, which no level letter of its size has.
constexpr int32_t kMostStrokeGap = 3;
// Above this many pixels a turned text is left as Qt draws it.
constexpr int64_t kMostOutlinePixels = int64_t{1} << 22;
// Texts whose mends are kept for repaints.
constexpr size_t kKeptMends = 4096;

// Inks the clear regions of at most `most` pixels that the ink of a mask closes in. Every pixel of
// such a region lies in a short clear run of its row with ink at both ends; the region is grown from
// the first pixel of each such run through its clear neighbours, and given up past `most` pixels or
// at the mask's edge, so the mask is read a row at a time and little more.
void FillSmallHoles(glyph_ink::Mask& mask, int32_t w, int32_t h, int32_t most) {
    constexpr uint8_t kClear = 0, kInk = 1, kGrown = 2;
    std::vector<int32_t> region;
    for (int32_t y = 1; y + 1 < h; ++y) {
        const uint8_t* row = mask.data() + size_t(y) * size_t(w);
        for (int32_t x = 1; x + 1 < w; ++x) {
            if (row[x] != kClear || row[x - 1] != kInk) continue;
            int32_t end = x;
            while (end + 1 < w && row[end] == kClear && end - x < most)
                ++end;
            if (row[end] != kInk) continue;
            region.assign(1, y * w + x);
            mask[size_t(y * w + x)] = kGrown;
            bool closed = true;
            for (size_t next = 0; next < region.size() && closed; ++next) {
                const int32_t at = region[next], ax = at % w, ay = at / w;
                if (ax == 0 || ay == 0 || ax == w - 1 || ay == h - 1) {
                    closed = false;
                    break;
                }
                for (const int32_t beside : {at - 1, at + 1, at - w, at + w})
                    if (mask[size_t(beside)] == kClear) {
                        mask[size_t(beside)] = kGrown;
                        region.push_back(beside);
                    }
                closed = int32_t(region.size()) <= most;
            }
            for (const int32_t at : region)
                mask[size_t(at)] = closed ? kInk : kClear;
        }
    }
}

// A turned text as a font draws it: the font by what its face was built from.
struct TurnedTextKey {
    int32_t pixelSize, weight, stretch;
    bool italic, underline, strikeOut;
    uint64_t angle; // the angle's bits
    QPoint pen;
    QString text;
    bool operator==(const TurnedTextKey&) const = default;
};

struct TurnedTextKeyHash {
    size_t operator()(const TurnedTextKey& key) const {
        const size_t h = qHashMulti(0, key.pixelSize, key.weight, key.stretch, key.italic, key.underline,
                                    key.strikeOut, key.angle, key.pen.x(), key.pen.y());
        return qHash(key.text, h);
    }
};

// The mask of `text` drawn by Qt with `font` turned `angle` degrees about the point `at` of a mask
// of `size`, its pen at `pen` about that point.
glyph_ink::Mask DrawnMask(const QFont& font, const QString& text, double angle, QPoint pen, QPoint at,
                          QSize size) {
    QImage cover(size, QImage::Format_Alpha8);
    cover.fill(0);
    QPainter painter(&cover);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.translate(at);
    painter.rotate(-angle);
    painter.drawText(pen, text);
    painter.end();
    return glyph_ink::Inked(cover, 1);
}

// The clear pixels, about the reference point, that Qt leaves inside the strokes of a turned text:
// its clear regions of a few pixels, where it has more holes than its level text and the level
// text has none as small.
std::vector<QPoint> MendsOf(const QFont& font, int32_t ascent, int32_t height, int32_t advance,
                            const QString& text, double angle, QPoint pen) {
    const int32_t pad = height / 4 + 2;
    const QRect level(pen.x() - pad, pen.y() - ascent - pad, advance + 2 * pad, height + 2 * pad);
    const QRect box = QTransform().rotate(-angle).mapRect(QRectF(level)).toAlignedRect();
    if (box.isEmpty() || int64_t{box.width()} * box.height() > kMostOutlinePixels) return {};
    const int32_t w = box.width(), h = box.height();
    const glyph_ink::Mask turned = DrawnMask(font, text, angle, pen, -box.topLeft(), box.size());
    const int32_t holes = glyph_ink::ShapeOf(turned, w, h).holes;
    if (holes == 0) return {};
    glyph_ink::Mask levelMask = DrawnMask(font, text, 0.0, pen, -level.topLeft(), level.size());
    if (glyph_ink::ShapeOf(levelMask, level.width(), level.height()).holes >= holes) return {};
    const glyph_ink::Mask levelBefore = levelMask;
    FillSmallHoles(levelMask, level.width(), level.height(), kMostStrokeGap);
    if (levelMask != levelBefore) return {};
    glyph_ink::Mask mended = turned;
    FillSmallHoles(mended, w, h, kMostStrokeGap);
    std::vector<QPoint> mends;
    for (int32_t at = 0; at < w * h; ++at)
        if (mended[size_t(at)] != turned[size_t(at)])
            mends.emplace_back(box.left() + at % w, box.top() + at / w);
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
    // their cell; a turned text may lie anywhere within its length of the reference point.
    const int32_t margin = face.ascent + face.descent;
    const int32_t length = angle == 0.0 ? 0 : std::abs(dx) + width;
    if (OutsideClip(cell.translated(ref.x, ref.y)
                        .adjusted(-margin - length, -margin - length, margin + length, margin + length)))
        return true;

    // Text is copied whatever the raster operation, as the pens' operations do not apply to it.
    ApplyCopy();
    painter_->setPen(ToQColor(Ink(textColour_)));
    if (angle == 0.0) {
        if (opaque) painter_->fillRect(cell.translated(ref.x, ref.y), ToQColor(Ink(bkColour_)));
        painter_->drawText(QPoint(ref.x + dx, ref.y + baseline), string);
        Drawn(cell.translated(ref.x, ref.y).adjusted(-2, -2, 2, 2));
        return true;
    }
    QTransform turn;
    turn.translate(ref.x, ref.y);
    turn.rotate(-angle);
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
    painter_->save();
    painter_->setTransform(turn, true);
    painter_->drawText(QPoint(dx, baseline), string);
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
    const TurnedText* ink = face.Turned().Ink(text, angle, pen);
    if (!ink) return false;
    box = ink->box.translated(ref);
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

// Finding the mends costs several times drawing the text, so those of the texts drawn are kept.
void TDC::MendTurnedOutline(const TextFace& face, const QString& text, double angle, QPoint pen, QPoint ref) {
    // Only pixels are mended, where the painter draws onto device pixels as they are.
    const QPaintEngine* engine = painter_->paintEngine();
    if (!painterPlain_ || !engine || engine->type() != QPaintEngine::Raster) return;
    thread_local std::unordered_map<TurnedTextKey, std::vector<QPoint>, TurnedTextKeyHash> kept;
    uint64_t angleBits = 0;
    std::memcpy(&angleBits, &angle, sizeof angleBits);
    const QFont& font = face.font;
    TurnedTextKey key{font.pixelSize(),
                      font.weight(),
                      font.stretch(),
                      font.italic(),
                      font.underline(),
                      font.strikeOut(),
                      angleBits,
                      pen,
                      text};
    auto known = kept.find(key);
    if (known == kept.end()) {
        if (kept.size() >= kKeptMends) kept.clear();
        std::vector<QPoint> mends =
            MendsOf(font, face.ascent, face.ascent + face.descent, face.Advance(text), text, angle, pen);
        known = kept.emplace(std::move(key), std::move(mends)).first;
    }
    if (known->second.empty()) return;
    pixels_.clear();
    for (const QPoint at : known->second)
        pixels_.push_back({ref.x() + at.x(), ref.y() + at.y()});
    PutPixels(pixels_.data(), pixels_.size(), textColour_, false);
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
