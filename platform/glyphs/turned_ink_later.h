// Turned texts drawn plain while the search for their inkings is put off (internal to the layer).
// Finding how to ink a small turned glyph costs more than Qt's own drawing of it, so a screen paint
// may draw each text it has never inked plain, each glyph the cheap raster of its outline at its
// level place, as quickly as Qt would, and leave the search for later: the texts are listed here
// and inked when the window has time, after which it paints them again, as chosen. The screen ends
// as it would have been, had they been inked at once.
#pragma once

#include <cstdint>
#include <memory>
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QString>
#include <utility>
#include <vector>

class TurnedGlyphs;

class TurnedInkLater {
public:
    // The texts put off on the calling thread, whose fonts and kept texts they use.
    static TurnedInkLater& OfThread();

    // Puts off the inking of `text`, drawn with `glyphs` at `angle` from `pen` about its reference
    // point, of which `shown` shows (all where null); its pixels lie within `box` on `device`.
    void Add(const std::shared_ptr<const TurnedGlyphs>& glyphs, const QString& text, double angle, QPoint pen,
             const QRectF& shown, const void* device, const QRect& box);
    bool Pending() const { return next_ < texts_.size(); }
    // Inks the texts put off, the first put off first, until none is left or `mostMilliseconds` of
    // the thread's processor time are spent (no limit where negative); true when none is left.
    bool Finish(int64_t mostMilliseconds = -1);
    // The pixels of `device` drawn plain since the last Take, which must be painted again once
    // they are inked.
    QRect TakeArea(const void* device);
    // Forgets the texts put off, as when the fonts go.
    void Clear();

private:
    struct Text {
        std::weak_ptr<const TurnedGlyphs> glyphs;
        QString text;
        double angle;
        QPoint pen;
        QRectF shown;
    };
    std::vector<Text> texts_;
    size_t next_ = 0;                                  // the first not yet inked
    std::vector<std::pair<const void*, QRect>> areas_; // by device
};
