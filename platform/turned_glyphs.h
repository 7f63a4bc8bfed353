// The glyphs of one small font turned to an angle (internal to the layer). Turning the pixels of a
// level text, or filling turned outlines at any one share of cover, breaks the thin strokes of
// some letters and runs others together; so each glyph is turned on its own, placed where the level
// text places it, and inked at the share of cover that keeps its strokes joined and its holes open
// as the level glyph has them, without touching the letter before it.
#pragma once

#include <cstdint>
#include <memory>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRect>
#include <QString>
#include <QTransform>
#include <unordered_map>
#include <vector>

class TurnedGlyphs {
public:
    TurnedGlyphs(const QFont& font, double angle);

    // The turned glyphs of a font at an angle, shared by every face that draws them: turning and
    // inking glyphs costs far more than drawing them, and a repaint draws the same texts again.
    static std::shared_ptr<TurnedGlyphs> Shared(const QFont& font, double angle);

    // The ink of `text` as an image of `colour`, its pen starting at `pen` (level pixels) and moving
    // on by the level advances, turned onto the device by `turn`; `box` receives the pixels it
    // covers. Null when the text would be too large to be worth it.
    QImage Draw(const QString& text, QPointF pen, const QTransform& turn, QColor colour, QRect& box) const;

    // Pieces of ink (joined at edges or corners) and closed holes (joined at edges) of a mask.
    struct Shape {
        int32_t pieces = 0;
        int32_t holes = 0;
        bool operator==(const Shape&) const = default;
    };
    // A glyph written level: its pixels, their shape and its outline, alike at every angle.
    struct Level {
        QImage pixels; // the glyph's origin at (pad, pad + ascent)
        Shape shape;
        QPainterPath outline;
    };
    struct LevelGlyphs;

private:
    using Bits = std::vector<bool>; // an inking, packed: glyphs are kept by the thousand
    // A glyph turned with its origin at one of a few fractions of a pixel, and the inkings of its box
    // that keep the level glyph's shape, found as they are asked for, most fitting first.
    struct Glyph {
        QRect box;             // from the pixel holding the origin
        QImage covers[2];      // shares of each pixel the outline covers, and the level pixels turned
        QTransform levelPlace; // the level pixels onto the box
        const Level* level = nullptr;
        std::vector<Bits> inkings;
        int32_t tried = 0;
        Bits nearest; // the inking nearest the level shape where none keeps it
        int32_t nearestDistance = 0;
    };

    Glyph& GlyphAt(QChar ch, int32_t phaseX, int32_t phaseY) const;
    const Bits* Inking(Glyph& glyph, size_t index) const;
    static void TurnLevelPixels(Glyph& glyph);

    double angle_;
    std::shared_ptr<LevelGlyphs> level_;
    bool shaped_; // tall enough to seek inkings that keep the level shapes
    mutable std::unordered_map<uint32_t, Glyph> glyphs_; // elements stay put as it grows
};
