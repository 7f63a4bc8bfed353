// The glyphs of one small font turned to any angle (internal to the layer). Turning the pixels of a
// level text, or filling turned outlines at any one share of cover, breaks the thin strokes of
// some letters and runs others together; so each glyph is turned on its own, placed where the level
// text places it, and inked at the share of cover that keeps its strokes joined, its holes open and
// the weight of its ink as the level glyph has them, without touching the letter before it. A
// quarter turn needs none of this: the level text's own pixels turn onto whole pixels.
#pragma once

#include <cstdint>
#include <memory>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainterPath>
#include <QRect>
#include <QString>
#include <QTransform>
#include <unordered_map>
#include <vector>

#include "platform/glyph_ink.h"
#include "platform/turned_glyph_cache.h"

class TurnedGlyphs {
public:
    explicit TurnedGlyphs(const QFont& font);

    // The turned glyphs of a font, shared by every face that draws with it at any angle.
    static std::shared_ptr<TurnedGlyphs> Shared(const QFont& font);

    // The ink of `text` turned `angle` degrees counter-clockwise about `reference` as an image of
    // `colour`, its pen starting at `pen` (level pixels from the reference point) and moving on by the
    // level advances; `box` receives the pixels it covers. A text is inked alike wherever it lies.
    // Null when the text would be too large to be worth it.
    QImage Draw(const QString& text, double angle, QPoint pen, QPoint reference, QColor colour,
                QRect& box) const;

    using Shape = glyph_ink::Shape;
    // A glyph written level: its pixels, how many are inked, their shape, the clear pixels of its
    // holes and its outline.
    struct Level {
        QImage pixels; // the glyph's origin at (pad, pad + ascent)
        int32_t ink = 0;
        Shape shape;
        std::vector<QPoint> holes;
        QPainterPath outline;
    };

private:
    struct Covers;

    // Glyph origins are placed to a quarter of a pixel: closer than the eye sees, and few enough
    // turned copies of a glyph to keep.
    static constexpr int32_t kPhases = 4;

    const Level& LevelOf(QChar ch) const;
    TurnedGlyph& GlyphAt(QChar ch, double angle, int32_t phaseX, int32_t phaseY) const;
    Covers CoversOf(QChar ch, double angle, int32_t phaseX, int32_t phaseY) const;
    void FindInkings(TurnedGlyph& glyph, const Level& level, const Covers& covers) const;
    bool Inking(TurnedGlyph& glyph, QChar ch, double angle, int32_t phaseX, int32_t phaseY,
                int32_t index) const;
    QImage DrawQuarterTurned(const QString& text, double angle, QPoint pen, QColor colour, QRect& box) const;
    QImage DrawGlyphByGlyph(const QString& text, double angle, QPointF pen, QColor colour, QRect& box,
                            TurnedText& kept) const;

    QFont font_;
    QFontMetrics metrics_;
    int32_t pad_;
    bool shaped_;     // tall enough to seek inkings that keep the level shapes
    uint64_t number_; // names this font's glyphs in the cache
    mutable size_t levelBytes_ = 0;
    mutable std::unordered_map<char16_t, Level> levels_; // elements stay put as it grows

    friend class TurnedGlyphFonts;
};
