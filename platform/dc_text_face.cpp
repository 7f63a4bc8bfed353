// Device context: building the face of a selected font, and the cache that shares faces between
// contexts and paints. Every face is the shipped font; sizes go through the mapping.
#include "platform/dc_text_face.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QRawFont>
#include <QTextLayout>
#include <vector>

#include "platform/font_face.h"

namespace {

constexpr size_t kCachedFaces = 32;
constexpr qsizetype kCachedAdvances = 1024;
constexpr qsizetype kCachedLayouts = 256;
constexpr qsizetype kCachedGlyphOutlines = 512;
// Below this pixel size Qt draws glyphs from its cache, level or turned, where a text's glyph runs and
// its drawText ink the same pixels; larger turned glyphs are filled as outlines, which the two place
// apart.
constexpr int32_t kSmallestFilledGlyph = 64;

// What `make` gives for `text`, remembered in `kept`, which is emptied once it holds `most`.
template <class Value, class Make>
const Value& Remembered(QHash<QString, Value>& kept, qsizetype most, const QString& text, Make make) {
    const auto known = kept.constFind(text);
    if (known != kept.constEnd()) return *known;
    if (kept.size() >= most) kept.clear();
    return *kept.insert(text, make());
}

// The glyphs of `text` laid out as drawText lays it out, its baseline at y = 0 and its pen at x = 0.
QList<QGlyphRun> GlyphsOf(const QFont& font, const QString& text) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    QList<QGlyphRun> runs = line.isValid() ? line.glyphRuns() : QList<QGlyphRun>();
    const qreal baseline = line.isValid() ? line.ascent() : 0.0;
    for (QGlyphRun& run : runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF& at : positions)
            at.ry() -= baseline;
        run.setPositions(positions);
    }
    return runs;
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

// The Qt font of a logical font under a mapping; pixelSize receives the size chosen.
QFont BuildFont(const LOGFONT& log, const TMapping& mapping, int32_t& pixelSize) {
    QFont font(ShippedFontFamily());
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
    font.setKerning(false);
    // Hinted outlines with hinted, whole-pixel advances: without antialiasing, outlines snapped to the
    // grid at unhinted fractional positions leave uneven gaps between the letters of small text.
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setWeight(NearestWeight(log.lfWeight));
    font.setItalic(log.lfItalic != 0);
    font.setUnderline(log.lfUnderline != 0);
    font.setStrikeOut(log.lfStrikeOut != 0);
    // Negative heights are character heights (the em); positive ones whole cells; 0 a 12-point cell.
    if (log.lfHeight < 0) {
        pixelSize = std::max(1, mapping.HeightToDevice(-log.lfHeight));
    } else {
        const int32_t cell = log.lfHeight == 0 ? std::max(1, RoundToPixel(mapping.ResolutionY() / 6.0))
                                               : std::max(1, mapping.HeightToDevice(log.lfHeight));
        pixelSize = PixelSizeForCell(font, cell);
    }
    font.setPixelSize(pixelSize);
    if (log.lfWidth != 0) {
        const int32_t natural = QFontMetrics(font).averageCharWidth();
        const int32_t wanted = std::max(1, mapping.WidthToDevice(std::abs(log.lfWidth)));
        if (natural > 0) font.setStretch(std::clamp(int32_t(std::lround(100.0 * wanted / natural)), 1, 4000));
    }
    return font;
}

} // namespace

TDC::TextFace::TextFace(const LOGFONT& logFont, const TMapping& mapping)
    : log(logFont), scaleX(mapping.ScaleX()), scaleY(mapping.ScaleY()), resolutionY(mapping.ResolutionY()),
      font(BuildFont(logFont, mapping, pixelSize)), metrics(font) {
    ascent = metrics.ascent();
    descent = metrics.descent();
    leading = std::max(0, metrics.leading());
    averageWidth = metrics.averageCharWidth();
    maxWidth = metrics.maxWidth();
}

// The face name takes no part: every face is drawn with the shipped font.
bool TDC::TextFace::Matches(const LOGFONT& other, const TMapping& mapping) const {
    return mapping.ScaleX() == scaleX && mapping.ScaleY() == scaleY && mapping.ResolutionY() == resolutionY &&
           other.lfHeight == log.lfHeight && other.lfWidth == log.lfWidth && other.lfWeight == log.lfWeight &&
           other.lfItalic == log.lfItalic && other.lfUnderline == log.lfUnderline &&
           other.lfStrikeOut == log.lfStrikeOut && other.lfCharSet == log.lfCharSet &&
           other.lfOutPrecision == log.lfOutPrecision && other.lfClipPrecision == log.lfClipPrecision &&
           other.lfQuality == log.lfQuality && other.lfPitchAndFamily == log.lfPitchAndFamily;
}

const TurnedGlyphs& TDC::TextFace::Turned() const {
    if (!turned_) turned_ = TurnedGlyphs::Shared(font);
    return *turned_;
}

std::shared_ptr<const TurnedGlyphs> TDC::TextFace::TurnedShared() const {
    Turned();
    return turned_;
}

int32_t TDC::TextFace::Advance(const QString& text) const {
    return Remembered(advances_, kCachedAdvances, text, [&] { return metrics.horizontalAdvance(text); });
}

const QList<QGlyphRun>* TDC::TextFace::LaidOut(const QString& text) const {
    // Decorations are drawn by drawText alone.
    if (pixelSize >= kSmallestFilledGlyph || font.underline() || font.strikeOut()) return nullptr;
    return &Remembered(laidOut_, kCachedLayouts, text, [&] { return GlyphsOf(font, text); });
}

QPainterPath TDC::TextFace::Outline(const QString& text) const {
    const QList<QGlyphRun>& runs = Remembered(outlined_, kCachedLayouts, text, [&] { return GlyphsOf(font, text); });
    QPainterPath outline;
    outline.setFillRule(Qt::WindingFill);
    for (const QGlyphRun& run : runs) {
        const QRawFont raw = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i) {
            auto kept = glyphOutlines_.constFind(glyphs[i]);
            if (kept == glyphOutlines_.constEnd()) {
                if (glyphOutlines_.size() >= kCachedGlyphOutlines) glyphOutlines_.clear();
                kept = glyphOutlines_.insert(glyphs[i], raw.pathForGlyph(glyphs[i]));
            }
            outline.addPath(kept->translated(positions[i]));
        }
    }
    return outline;
}

std::vector<std::shared_ptr<const TDC::TextFace>>& TDC::TextFace::Cached() {
    thread_local std::vector<std::shared_ptr<const TextFace>> faces;
    return faces;
}

std::shared_ptr<const TDC::TextFace> TDC::TextFace::Shared(const LOGFONT& log, const TMapping& mapping) {
    // Fonts must not outlive the application's font database, so the main thread's faces go with it.
    static std::once_flag registered;
    std::call_once(registered, [] { qAddPostRoutine([] { Cached().clear(); }); });
    auto& faces = Cached();
    for (auto it = faces.begin(); it != faces.end(); ++it) {
        if (!(*it)->Matches(log, mapping)) continue;
        std::rotate(faces.begin(), it, it + 1);
        return faces.front();
    }
    if (faces.size() >= kCachedFaces) faces.pop_back();
    faces.insert(faces.begin(), std::make_shared<const TextFace>(log, mapping));
    return faces.front();
}
