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
// Above this many pixels a turned text is drawn by Qt as it is.
constexpr int64_t kMostOutlinePixels = int64_t{1} << 22;

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
    if (!recording_ &&
        DrawTurnedOutline(face, string, angle, QPoint(dx, baseline), QPoint(ref.x, ref.y), box)) {
        Drawn(box.adjusted(-2, -2, 2, 2));
        return true;
    }
    painter_->save();
    painter_->setTransform(turn, true);
    painter_->drawText(QPoint(dx, baseline), string);
    painter_->restore();
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

// The text is filled as Qt fills it, into a mask of what can be seen of it; a clear region of the
// mask as small as a gap between strokes is inked where the level text has no hole that small.
bool TDC::DrawTurnedOutline(const TextFace& face, const QString& text, double angle, QPoint pen, QPoint ref,
                            QRect& box) {
    const int32_t height = face.ascent + face.descent, pad = height / 4 + 2;
    const QRectF level(pen.x() - pad, pen.y() - face.ascent - pad, face.Advance(text) + 2 * pad,
                       height + 2 * pad);
    box = QTransform().rotate(-angle).mapRect(level).toAlignedRect().translated(ref);
    // Only pixels are mended: a painter that scales or turns what it is given, or writes to paper or
    // a file rather than pixels, draws the text from its outlines itself.
    const QPaintEngine* engine = painter_->paintEngine();
    if (!painterPlain_ || !engine || engine->type() != QPaintEngine::Raster) return false;
    const QRect seen = box & (clipped_ ? clip_.boundingRect() & deviceRect_ : deviceRect_);
    if (seen.isEmpty()) return true;
    if (int64_t{seen.width()} * seen.height() > kMostOutlinePixels) return false;
    QImage cover(seen.size(), QImage::Format_Alpha8);
    cover.fill(0);
    {
        QPainter painter(&cover);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(face.font);
        painter.setPen(Qt::black);
        painter.translate(ref - seen.topLeft());
        painter.rotate(-angle);
        painter.drawText(pen, text);
    }
    const int32_t w = seen.width(), h = seen.height();
    glyph_ink::Mask mask = glyph_ink::Inked(cover, 1);
    const TextFace::Holes levelHoles = face.LevelHoles(text);
    // A text seen whole with no more holes than its level text has none amiss; one cut by the clip
    // may have lost holes of its own, so its holes are looked at one by one.
    const int32_t holes = glyph_ink::ShapeOf(mask, w, h).holes;
    if (holes > 0 && (seen != box || holes > levelHoles.count))
        for (const auto& hole : glyph_ink::HolesOf(mask, w, h))
            if (int32_t(hole.size()) <= kMostStrokeGap && int32_t(hole.size()) < levelHoles.smallest)
                for (const int32_t at : hole)
                    mask[size_t(at)] = 1;
    pixels_.clear();
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            if (mask[size_t(y * w + x)]) pixels_.push_back({seen.left() + x, seen.top() + y});
    if (image_) {
        PutPixels(pixels_.data(), pixels_.size(), textColour_, false);
        return true;
    }
    QImage image(seen.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(0);
    const QRgb inked = ToQColor(Ink(textColour_)).rgb();
    for (const POINT p : pixels_)
        reinterpret_cast<QRgb*>(image.scanLine(p.y - seen.top()))[p.x - seen.left()] = inked;
    painter_->drawImage(seen.topLeft(), image);
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
