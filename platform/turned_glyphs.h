// The glyphs of one small font turned to an angle (internal to the layer). Turning the pixels of a
// level text, or filling turned outlines at any one share of cover, breaks the thin strokes of
// some letters and runs others together; so each glyph is turned on its own, placed where the level
// text places it, and inked at the share of cover that keeps its strokes joined and its holes open
// as the level glyph has them, without touching the letter before it.
#pragma once

#include <cstdint>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QRect>
#include <QString>
#include <QTransform>
#include <unordered_map>
#include <vector>

class TurnedGlyphs {
public:
    TurnedGlyphs(const QFont& font, double angle);

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

private:
    // A glyph turned with its origin at one of a few fractions of a pixel: the inked pixels of its
    // box that keep the level glyph's shape, in the order they are preferred.
    struct Glyph {
        QRect box; // from the pixel holding the origin
        std::vector<std::vector<uint8_t>> inkings;
    };

    const Glyph& GlyphAt(QChar ch, int32_t phaseX, int32_t phaseY) const;
    QImage LevelGlyph(QChar ch) const;

    QFont font_;
    double angle_;
    mutable std::unordered_map<uint32_t, Glyph> glyphs_; // elements stay put as it grows
    int32_t ascent_;
    int32_t pad_;
    mutable QHash<QChar, QImage> levelGlyphs_;
};
