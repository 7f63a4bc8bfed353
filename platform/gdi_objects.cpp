#include "platform/gdi_objects.h"

#include <cstring>

TFont::TFont(const char* face, int32_t height, int32_t width, int32_t escapement, int32_t orientation,
             int32_t weight, uint8_t italic, uint8_t underline, uint8_t strikeout, uint8_t charSet,
             uint8_t outputPrecision, uint8_t clipPrecision, uint8_t quality, uint8_t pitchAndFamily) {
    log_.lfHeight = height;
    log_.lfWidth = width;
    log_.lfEscapement = escapement;
    log_.lfOrientation = orientation;
    log_.lfWeight = weight;
    log_.lfItalic = italic;
    log_.lfUnderline = underline;
    log_.lfStrikeOut = strikeout;
    log_.lfCharSet = charSet;
    log_.lfOutPrecision = outputPrecision;
    log_.lfClipPrecision = clipPrecision;
    log_.lfQuality = quality;
    log_.lfPitchAndFamily = pitchAndFamily;
    if (face) {
        // The face name is cut to the field's size, never overrun.
        std::strncpy(log_.lfFaceName, face, LF_FACESIZE - 1);
        log_.lfFaceName[LF_FACESIZE - 1] = '\0';
    }
}

// A bold 16-pixel cell, like the system font a new context starts with.
TFont TFont::System() {
    return TFont("System", 16, 0, 0, 0, FW_BOLD);
}

bool SameFont(const TFont& a, const TFont& b) {
    const LOGFONT& x = a.GetLogFont();
    const LOGFONT& y = b.GetLogFont();
    return x.lfHeight == y.lfHeight && x.lfWidth == y.lfWidth && x.lfEscapement == y.lfEscapement &&
           x.lfWeight == y.lfWeight && x.lfItalic == y.lfItalic && x.lfUnderline == y.lfUnderline &&
           x.lfStrikeOut == y.lfStrikeOut;
}
