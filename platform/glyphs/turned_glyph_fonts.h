// The turned glyphs of the fonts in use (internal to the layer), the latest used first, kept within
// a count and the bytes of their level glyphs.
#pragma once

#include <memory>
#include <QFont>

class TurnedGlyphs;

class TurnedGlyphFonts {
public:
    // The turned glyphs of `font`, made when it is not among those kept.
    static std::shared_ptr<TurnedGlyphs> Of(const QFont& font);
};
