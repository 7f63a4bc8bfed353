// Device context: text. Sizes are logical units through the mapping; every face is the shipped
// font; escapement turns the text counter-clockwise on the device and never mirrors it.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <QPainter>
#include <QString>
#include <QTransform>

#include "platform/dc_text_face.h"
#include "platform/font_face.h"

namespace {

QColor ToQColor(COLORREF colour) {
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

int32_t CellHeight(const QFont& font, int32_t pixelSize) {
    QFont sized(font);
    sized.setPixelSize(pixelSize);
    const QFontMetrics metrics(sized);
    return metrics.ascent() + metrics.descent();
}

// The pixel size whose cell (ascent + descent) comes closest to the wanted height without passing it.
int32_t PixelSizeForCell(const QFont& font, int32_t cell) {
    static double ratio = 0;
    if (ratio <= 0) {
        QFont reference(font);
        reference.setPixelSize(1000);
        const QFontMetricsF metrics(reference);
        ratio = (metrics.ascent() + metrics.descent()) / 1000.0;
        if (ratio <= 0) ratio = 1.0;
    }
    int32_t size = std::max(1, int32_t(std::lround(cell / ratio)));
    for (int i = 0; i < 8 && size > 1 && CellHeight(font, size) > cell; ++i)
        --size;
    for (int i = 0; i < 8 && CellHeight(font, size + 1) <= cell; ++i)
        ++size;
    return size;
}

QFont::Weight NearestWeight(int32_t weight) {
    if (weight <= 0) return QFont::Normal;
    static const QFont::Weight weights[] = {QFont::Thin,   QFont::ExtraLight, QFont::Light,
                                            QFont::Normal, QFont::Medium,     QFont::DemiBold,
                                            QFont::Bold,   QFont::ExtraBold,  QFont::Black};
    const int32_t index = std::clamp((weight + 50) / 100, 1, 9) - 1;
    return weights[index];
}

} // namespace

bool TDC::TextFace::Matches(const LOGFONT& other, double sx, double sy) const {
    return sx == scaleX && sy == scaleY && std::memcmp(&log, &other, sizeof(LOGFONT)) == 0;
}

const TDC::TextFace& TDC::Face() const {
    const LOGFONT& log = font_.GetLogFont();
    if (face_ && face_->Matches(log, mapping_.ScaleX(), mapping_.ScaleY())) return *face_;
    auto face = std::make_unique<TextFace>();
    face->log = log;
    face->scaleX = mapping_.ScaleX();
    face->scaleY = mapping_.ScaleY();

    QFont font(ShippedFontFamily());
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
    font.setKerning(false);
    font.setWeight(NearestWeight(log.lfWeight));
    font.setItalic(log.lfItalic != 0);
    font.setUnderline(log.lfUnderline != 0);
    font.setStrikeOut(log.lfStrikeOut != 0);
    // Negative heights are character heights (the em); positive ones whole cells; 0 a 12-point cell.
    if (log.lfHeight < 0) {
        face->pixelSize = std::max(1, mapping_.HeightToDevice(-log.lfHeight));
    } else {
        const int32_t cell = log.lfHeight == 0 ? std::max(1, RoundToPixel(mapping_.ResolutionY() / 6.0))
                                               : std::max(1, mapping_.HeightToDevice(log.lfHeight));
        face->pixelSize = PixelSizeForCell(font, cell);
    }
    font.setPixelSize(face->pixelSize);
    if (log.lfWidth != 0) {
        const int32_t natural = QFontMetrics(font).averageCharWidth();
        const int32_t wanted = std::max(1, mapping_.WidthToDevice(std::abs(log.lfWidth)));
        if (natural > 0) font.setStretch(std::clamp(int32_t(std::lround(100.0 * wanted / natural)), 1, 4000));
    }
    const QFontMetrics metrics(font);
    face->font = font;
    face->ascent = metrics.ascent();
    face->descent = metrics.descent();
    face->leading = std::max(0, metrics.leading());
    face->averageWidth = metrics.averageCharWidth();
    face->maxWidth = metrics.maxWidth();
    face->angle = log.lfEscapement / 10.0;
    face_ = std::move(face);
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
    const int32_t width = (centred || right || opaque) ? painter_->fontMetrics().horizontalAdvance(string)
                                                       : int32_t(string.size()) * face.maxWidth;
    const int32_t dx = centred ? -(width / 2) : right ? -width : 0;
    int32_t baseline = face.ascent; // TA_TOP
    if ((textAlign_ & TA_BASELINE) == TA_BASELINE)
        baseline = 0;
    else if (textAlign_ & TA_BOTTOM)
        baseline = -face.descent;
    const QRect cell(dx, baseline - face.ascent, width, face.ascent + face.descent);

    // Text is copied whatever the raster operation, as the pens' operations do not apply to it.
    ApplyCopy();
    painter_->setPen(ToQColor(textColour_));
    if (face.angle == 0.0) {
        if (opaque) painter_->fillRect(cell.translated(ref.x, ref.y), ToQColor(bkColour_));
        painter_->drawText(QPoint(ref.x + dx, ref.y + baseline), string);
        Drawn(cell.translated(ref.x, ref.y).adjusted(-2, -2, 2, 2));
        return true;
    }
    QTransform turn;
    turn.translate(ref.x, ref.y);
    turn.rotate(-face.angle);
    painter_->save();
    painter_->setTransform(turn, true);
    if (opaque) painter_->fillRect(cell, ToQColor(bkColour_));
    painter_->drawText(QPoint(dx, baseline), string);
    painter_->restore();
    Drawn(turn.mapRect(QRectF(cell)).toAlignedRect().adjusted(-2, -2, 2, 2));
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
    const QFontMetrics metrics(face.font);
    size->cx = mapping_.WidthToLogical(metrics.horizontalAdvance(TextOf(text, len)));
    size->cy = mapping_.HeightToLogical(face.ascent + face.descent);
    return true;
}

SIZE TDC::GetTextExtent(const char* text, int32_t len) const {
    SIZE size;
    GetTextExtentPoint(text, len, &size);
    return size;
}
