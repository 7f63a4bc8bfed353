// The Qt font and metrics a device context draws its selected font with (internal to the layer).
// Building one costs a font lookup and several metric queries, far more than drawing a short
// text, so faces are shared through a small process-wide cache and a context only looks one up
// when its font or its mapping's scale changes.
#pragma once

#include <memory>
#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QPainterPath>
#include <QString>
#include <vector>

#include "platform/dc.h"
#include "platform/glyphs/turned_glyphs.h"

struct TDC::TextFace {
    TextFace(const LOGFONT& logFont, const TMapping& mapping);

    LOGFONT log;
    double scaleX = 0;
    double scaleY = 0;
    int32_t resolutionY = 0;
    int32_t pixelSize = 0; // set while the font is built, so declared before it
    QFont font;
    QFontMetrics metrics;
    int32_t ascent = 0;
    int32_t descent = 0;
    int32_t leading = 0;
    int32_t averageWidth = 0;
    int32_t maxWidth = 0;

    // True when this face draws the given font under the given mapping. The font's angle takes no
    // part: a drawing may turn each of its texts its own way, all with one face.
    bool Matches(const LOGFONT& other, const TMapping& mapping) const;
    // The face's glyphs for small turned text, found on first use.
    const TurnedGlyphs& Turned() const;
    std::shared_ptr<const TurnedGlyphs> TurnedShared() const;
    // Advance of a text in device pixels. Drawings repeat their labels and sizes, so measured
    // texts are remembered rather than shaped again.
    int32_t Advance(const QString& text) const;
    // The glyphs of a text laid out as drawText lays it out, its baseline at y = 0 and its pen at
    // x = 0, to be drawn as glyph runs in its place where they ink the same pixels on a raster
    // device, level or turned; null where only drawText does. Qt lays a text out anew at every
    // drawText; laid-out texts are remembered as advances are, so a label drawn at many angles is
    // laid out once.
    const QList<QGlyphRun>* LaidOut(const QString& text) const;
    // The outline of a text's glyphs where drawText places them, its baseline at y = 0 and its pen
    // at x = 0, without the lines under or through it. Qt loads a glyph's outline from the font file
    // at every drawText too large for its glyph cache; each glyph's is kept here.
    QPainterPath Outline(const QString& text) const;

    // The shared face of a font under a mapping, built on first use. The cache is per thread, as
    // Qt's fonts are, holds a few dozen faces and drops the least recently used.
    static std::shared_ptr<const TextFace> Shared(const LOGFONT& logFont, const TMapping& mapping);

private:
    // Most recently used first.
    static std::vector<std::shared_ptr<const TextFace>>& Cached();

    mutable QHash<QString, int32_t> advances_;
    mutable QHash<QString, QList<QGlyphRun>> laidOut_;
    mutable QHash<QString, QList<QGlyphRun>> outlined_; // laid out at any size
    mutable QHash<quint32, QPainterPath> glyphOutlines_;
    mutable std::shared_ptr<TurnedGlyphs> turned_;
};
