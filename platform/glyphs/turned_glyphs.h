// The glyphs of one small font turned to any angle (internal to the layer). Turning the pixels of a
// level text, or filling turned outlines at any one share of cover, breaks the thin strokes of
// some letters and runs others together; so each glyph is turned on its own, placed where the level
// text places it, and inked at the share of cover that keeps its strokes joined, its holes open and
// the weight of its ink as the level glyph has them, without touching the letters before it where
// the level letters stand apart. The plain inking is taken where it does all this, as it does for
// most glyphs; others are sought further. A quarter turn needs none of this: the level text's own
// pixels turn onto whole pixels.
#pragma once

#include <cstdint>
#include <memory>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QRect>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <unordered_map>
#include <vector>

#include "platform/glyphs/glyph_ink.h"
#include "platform/glyphs/turned_glyph_cache.h"

class TurnedGlyphs {
public:
    explicit TurnedGlyphs(const QFont& font);

    // The turned glyphs of a font, shared by every face that draws with it at any angle.
    static std::shared_ptr<TurnedGlyphs> Shared(const QFont& font);

    // True at a quarter, half or three quarters of a turn, where the level text turns exactly.
    static bool QuarterTurn(double angle);
    // The level text drawn at a quarter turn `angle` degrees counter-clockwise about the reference
    // point, its pen starting at `pen` (level pixels from the reference point), as an image of
    // `colour`; `box` receives the pixels it covers about the reference point. Null when the text
    // would be too large to be worth it.
    QImage DrawQuarterTurned(const QString& text, double angle, QPoint pen, QColor colour, QRect& box) const;
    // The ink of `text` at any other angle, its glyphs at their level places moved on by the level
    // advances. A text is inked alike wherever it lies; its letters past where `shown` (the pixels
    // that show, about the reference point; all where null) ends are left out. Null when the text
    // would be too large to be worth it; otherwise it stays put until the next text is inked.
    const TurnedText* Ink(const QString& text, double angle, QPoint pen,
                          const QRectF& shown = QRectF()) const;
    // The ink of `text` as Ink would give it, but each glyph the cheap raster of its outline at its
    // level place, nothing sought or kept: what a paint draws while the search is put off. Null
    // when the text would be too large to be worth it; otherwise it stays put until the next.
    const TurnedText* InkPlain(const QString& text, double angle, QPoint pen,
                               const QRectF& shown = QRectF()) const;
    // True when `text` drawn with this font at `angle` from `pen` was inked before: it is then inked
    // again from what was chosen, at less than Qt's cost.
    bool InkedBefore(const QString& text, double angle, QPoint pen) const;
    // What names `text` drawn with this font at `angle` from `pen` among the kept texts.
    TurnedGlyphCache::TextKey TextKeyOf(const QString& text, double angle, QPoint pen) const;

    using Shape = glyph_ink::Shape;
    // A glyph written level: its pixels, how many are inked, their shape, the clear pixels of its
    // holes and its outline.
    struct Level {
        QImage pixels; // the glyph's origin at (pad, pad + ascent)
        int32_t ink = 0;
        Shape shape;
        std::vector<QPoint> holes;
        QPainterPath outline;
        // No way of inking the glyph inks a pixel.
        bool Blank() const { return ink == 0 && outline.isEmpty(); }
    };

private:
    struct Covers;

    // Glyph origins are placed to a quarter of a pixel: closer than the eye sees, and few enough
    // turned copies of a glyph to keep.
    static constexpr int32_t kPhases = 4;

    const Level& LevelOf(QChar ch) const;
    // True when the level glyph of `second` written after `first` touches it, the two laid out letter
    // by letter.
    bool LevelTouches(QChar first, QChar second) const;
    // Whether the level text as drawn has each letter touch the one before, for a text Qt lays out
    // otherwise than letter by letter.
    void LayOut(const QString& text, std::vector<uint8_t>& touches) const;
    // True when glyph `second` of `font` drawn `along` pixels after glyph `first`, itself `from`
    // pixels from a whole pixel, touches it.
    bool GlyphsTouch(const QRawFont& font, quint32 first, quint32 second, double from, double along) const;
    TurnedGlyphCache::Key KeyOf(QChar ch, double angle, int32_t phaseX, int32_t phaseY) const;
    TurnedGlyph& GlyphAt(QChar ch, double angle, int32_t phaseX, int32_t phaseY) const;
    // The shares of each pixel of a box of `size` that `outline` placed by `place` covers.
    QImage FillOutline(const QPainterPath& outline, const QTransform& place, QSize size) const;
    Covers CoversOf(QChar ch, double angle, int32_t phaseX, int32_t phaseY) const;
    const Covers& CoversAt(const TurnedGlyphCache::Key& key, QChar ch, double angle, int32_t phaseX,
                           int32_t phaseY) const;
    // The stage past the last of the search, fewer for glyphs too small to keep their shapes.
    int32_t LastStage() const;
    void FindInkings(TurnedGlyph& glyph, const Level& level, const Covers& covers) const;
    void AddInking(uint8_t recipe, const Level& level, const Covers& covers, TurnedGlyph& glyph) const;
    // Adds to the glyph the inking `index` of the choice kept under `key`, made by `recipe`.
    void MakeInking(const TurnedGlyphCache::Key& key, int32_t index, uint8_t recipe, const Level& level,
                    const Covers& covers, TurnedGlyph& glyph) const;
    void KeepFlips(const TurnedGlyphCache::Key& key, int32_t inking, const Covers& covers,
                   const TurnedGlyph& glyph, int32_t index = -1) const;
    bool Inking(TurnedGlyph& glyph, QChar ch, double angle, int32_t phaseX, int32_t phaseY,
                int32_t index) const;
    // A glyph's place in a text: the pixel holding its origin and the fraction of a pixel it lies at.
    struct Placed {
        int32_t x, y, phaseX, phaseY;
    };
    // A text's letter that took no inking.
    static constexpr uint16_t kUnplaced = 0xFFFF;
    static Placed PlaceOf(QPointF origin);
    // How far along the level text, from the reference point, any of `shown` lies within reach of
    // its letters, the text turned by `turn` with its pen at `pen`.
    double ShownTo(const QRectF& shown, const QTransform& turn, QPointF pen) const;
    // True when the letter whose pen is at `pen` lies past `shownTo`, as do all after it; it is
    // then where the ink ends.
    bool PastShown(QPointF pen, double shownTo, TurnedText& ink) const;
    // Starts the ink of a text `advance` pixels long; false when it is too large to be worth inking.
    bool StartInk(int32_t advance, const QTransform& turn, QPointF pen, TurnedText& ink) const;
    // Makes `glyph` the glyph with only the cheap raster of its outline at the plain share of cover.
    void PlainInking(QChar ch, double angle, int32_t phaseX, int32_t phaseY, TurnedGlyph& glyph) const;
    // Makes `glyph` the glyph under `key` with only its inking `index`, from its kept choice; false
    // when no choice is kept.
    bool InkingOf(const TurnedGlyphCache::Key& key, QChar ch, double angle, int32_t phaseX, int32_t phaseY,
                  int32_t index, TurnedGlyph& glyph) const;
    bool InkAtPlaces(const QString& text, double angle, QPointF pen, double shownTo,
                     const std::vector<uint16_t>& places, TurnedText& ink) const;
    // `places` receives as many letters as were inked.
    bool InkGlyphByGlyph(const QString& text, double angle, QPointF pen, double shownTo, TurnedText& ink,
                         std::vector<uint16_t>& places) const;

    QFont font_;
    QFontMetrics metrics_;
    int32_t pad_;
    bool shaped_;     // tall enough to seek inkings that keep the level shapes
    uint64_t number_; // names this font's glyphs in the cache
    mutable size_t levelBytes_ = 0;
    mutable std::unordered_map<char16_t, Level> levels_;  // elements stay put as it grows
    mutable std::unordered_map<uint32_t, bool> touching_; // by pair of characters
    mutable std::shared_ptr<const Covers> lastCovers_;    // the turnings last made
    // The canvas outlines are filled on, and its painter, which ends before it goes.
    mutable QImage canvas_;
    mutable std::unique_ptr<QPainter> canvasPainter_;
    mutable TurnedGlyphCache::Key lastCoversKey_{};
    // By pair of glyphs and their places.
    mutable std::unordered_map<uint64_t, bool> glyphsTouching_;

    friend class TurnedGlyphFonts;
};
