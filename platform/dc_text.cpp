// Device context: text. Sizes are logical units through the mapping; every face is the shipped
// font; escapement turns the text counter-clockwise on the device and never mirrors it.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QTransform>

#include "platform/dc_text_face.h"

namespace {

QColor ToQColor(COLORREF colour) {
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

// Above this many pixels a level copy of a turned text costs more memory than its drawing is worth.
constexpr int64_t kMostLevelPixels = int64_t{1} << 22;
// Glyphs turned one by one land up to two pixels off their places: that runs small letters into one
// another, but is lost in letters this tall, which are drawn turned as they are, at no extra cost.
constexpr int32_t kTallestLevelText = 40;
// The share of a device pixel a turned stroke must cover to ink it, out of 255: low enough that a
// one-pixel stroke turned to any angle stays joined, high enough that it stays thin.
constexpr int kInkedCover = 80;

// A text written level on a transparent image, `pad` pixels round its cell for overhanging glyphs,
// its base line `ascent` + `pad` from the top. Null when it would be too large.
QImage LevelText(const QFont& font, const QString& text, QColor colour, int32_t width, int32_t ascent,
                 int32_t height, int32_t pad) {
    const int32_t w = width + 2 * pad, h = height + 2 * pad;
    if (w < 1 || h < 1 || int64_t{w} * h > kMostLevelPixels) return QImage();
    QImage level(w, h, QImage::Format_ARGB32_Premultiplied);
    level.fill(Qt::transparent);
    QPainter painter(&level);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QPoint(pad, pad + ascent), text);
    return level;
}

// The level image turned by `place` (image pixels to painter pixels) onto the pixels of `box`, which
// receives their rectangle: each pixel is of the ink where the turned strokes cover enough of it,
// and clear elsewhere, so the text stays as sharp as a level one.
QImage Turned(const QImage& level, const QTransform& place, QColor colour, QRect& box) {
    box = place.mapRect(QRectF(level.rect())).toAlignedRect();
    if (box.isEmpty() || int64_t{box.width()} * box.height() > 2 * kMostLevelPixels) return QImage();
    QImage turned(box.size(), QImage::Format_ARGB32_Premultiplied);
    turned.fill(Qt::transparent);
    {
        QPainter painter(&turned);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.setTransform(place * QTransform::fromTranslate(-box.left(), -box.top()));
        painter.drawImage(QPoint(0, 0), level);
    }
    const QRgb ink = colour.rgb();
    for (int y = 0; y < turned.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(turned.scanLine(y));
        for (int x = 0; x < turned.width(); ++x)
            line[x] = qAlpha(line[x]) >= kInkedCover ? ink : 0;
    }
    return turned;
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
    const int32_t length = face.angle == 0.0 ? 0 : std::abs(dx) + width;
    if (OutsideClip(cell.translated(ref.x, ref.y)
                        .adjusted(-margin - length, -margin - length, margin + length, margin + length)))
        return true;

    // Text is copied whatever the raster operation, as the pens' operations do not apply to it.
    ApplyCopy();
    painter_->setPen(ToQColor(Ink(textColour_)));
    if (face.angle == 0.0) {
        if (opaque) painter_->fillRect(cell.translated(ref.x, ref.y), ToQColor(Ink(bkColour_)));
        painter_->drawText(QPoint(ref.x + dx, ref.y + baseline), string);
        Drawn(cell.translated(ref.x, ref.y).adjusted(-2, -2, 2, 2));
        return true;
    }
    QTransform turn;
    turn.translate(ref.x, ref.y);
    turn.rotate(-face.angle);
    painter_->save();
    painter_->setTransform(turn, true);
    if (opaque) painter_->fillRect(cell, ToQColor(Ink(bkColour_)));
    // A turned text is its level text turned. Glyphs turned one by one land up to two pixels off their
    // places, which runs the letters of a small text into one another: so the text is written level,
    // spaced as a level text is, and its strokes are turned onto the device. A recorded page keeps its
    // glyphs, to be drawn at whatever resolution it is played back.
    const int32_t pad = std::max(2, (face.ascent + face.descent) / 3);
    const QColor colour = painter_->pen().color();
    const QImage level = recording_ || face.ascent + face.descent > kTallestLevelText
                             ? QImage()
                             : LevelText(face.font, string, colour, measured ? width : face.Advance(string),
                                         face.ascent, face.ascent + face.descent, pad);
    QRect box;
    const QImage turned =
        level.isNull()
            ? QImage()
            : Turned(level, QTransform::fromTranslate(dx - pad, baseline - face.ascent - pad) * turn, colour,
                     box);
    if (turned.isNull()) {
        painter_->drawText(QPoint(dx, baseline), string);
        painter_->restore();
        Drawn(turn.mapRect(QRectF(cell)).toAlignedRect().adjusted(-2, -2, 2, 2));
        return true;
    }
    painter_->restore();
    painter_->drawImage(box.topLeft(), turned);
    Drawn(box | turn.mapRect(QRectF(cell)).toAlignedRect());
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
