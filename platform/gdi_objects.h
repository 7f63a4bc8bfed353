// Pens, brushes and fonts as the program's drawing code makes them, with the numeric constants of
// the drawing interface it is written against. The objects are plain descriptions: a device context
// keeps its own copy of what is selected, so releasing an object while it is selected is harmless.
#pragma once

#include <cstdint>
#include <string>

#include "platform/win_types.h"

// Pen styles; the numbers are also the tools' line-style codes.
constexpr int32_t PS_SOLID = 0;
constexpr int32_t PS_DASH = 1;
constexpr int32_t PS_DOT = 2;
constexpr int32_t PS_DASHDOT = 3;
constexpr int32_t PS_DASHDOTDOT = 4;
constexpr int32_t PS_NULL = 5;

// Raster operations of pens and brushes (SetROP2). Others than these three draw as R2_COPYPEN.
constexpr int32_t R2_XORPEN = 7;
constexpr int32_t R2_NOTXORPEN = 10;
constexpr int32_t R2_COPYPEN = 13;

// Text alignment (SetTextAlign): one horizontal and one vertical flag or'ed together.
constexpr uint32_t TA_NOUPDATECP = 0;
constexpr uint32_t TA_LEFT = 0;
constexpr uint32_t TA_TOP = 0;
constexpr uint32_t TA_RIGHT = 2;
constexpr uint32_t TA_CENTER = 6;
constexpr uint32_t TA_BOTTOM = 8;
constexpr uint32_t TA_BASELINE = 24;

// Mapping modes.
constexpr int32_t MM_TEXT = 1;
constexpr int32_t MM_LOMETRIC = 2;
constexpr int32_t MM_HIMETRIC = 3;
constexpr int32_t MM_LOENGLISH = 4;
constexpr int32_t MM_HIENGLISH = 5;
constexpr int32_t MM_TWIPS = 6;
constexpr int32_t MM_ISOTROPIC = 7;
constexpr int32_t MM_ANISOTROPIC = 8;

// Background modes.
constexpr int32_t TRANSPARENT = 1;
constexpr int32_t OPAQUE = 2;

// Font weights.
constexpr int32_t FW_DONTCARE = 0;
constexpr int32_t FW_THIN = 100;
constexpr int32_t FW_EXTRALIGHT = 200;
constexpr int32_t FW_LIGHT = 300;
constexpr int32_t FW_NORMAL = 400;
constexpr int32_t FW_MEDIUM = 500;
constexpr int32_t FW_SEMIBOLD = 600;
constexpr int32_t FW_BOLD = 700;
constexpr int32_t FW_EXTRABOLD = 800;
constexpr int32_t FW_HEAVY = 900;

// Font creation details; accepted and kept, the face substitution makes them moot.
constexpr uint8_t ANSI_CHARSET = 0;
constexpr uint8_t DEFAULT_CHARSET = 1;
constexpr uint8_t OUT_DEFAULT_PRECIS = 0;
constexpr uint8_t OUT_TT_PRECIS = 4;
constexpr uint8_t CLIP_DEFAULT_PRECIS = 0;
constexpr uint8_t DEFAULT_QUALITY = 0;
constexpr uint8_t DRAFT_QUALITY = 1;
constexpr uint8_t PROOF_QUALITY = 2;
constexpr uint8_t DEFAULT_PITCH = 0;
constexpr uint8_t FIXED_PITCH = 1;
constexpr uint8_t VARIABLE_PITCH = 2;
constexpr uint8_t FF_DONTCARE = 0x00;
constexpr uint8_t FF_ROMAN = 0x10;
constexpr uint8_t FF_SWISS = 0x20;
constexpr uint8_t FF_MODERN = 0x30;

// Stock objects (SelectStockObject).
constexpr int32_t WHITE_BRUSH = 0;
constexpr int32_t LTGRAY_BRUSH = 1;
constexpr int32_t GRAY_BRUSH = 2;
constexpr int32_t DKGRAY_BRUSH = 3;
constexpr int32_t BLACK_BRUSH = 4;
constexpr int32_t NULL_BRUSH = 5;
constexpr int32_t HOLLOW_BRUSH = NULL_BRUSH;
constexpr int32_t WHITE_PEN = 6;
constexpr int32_t BLACK_PEN = 7;
constexpr int32_t NULL_PEN = 8;
constexpr int32_t OEM_FIXED_FONT = 10;
constexpr int32_t ANSI_FIXED_FONT = 11;
constexpr int32_t ANSI_VAR_FONT = 12;
constexpr int32_t SYSTEM_FONT = 13;
constexpr int32_t DEVICE_DEFAULT_FONT = 14;
constexpr int32_t SYSTEM_FIXED_FONT = 16;
constexpr int32_t DEFAULT_GUI_FONT = 17;

// GetPixel's answer outside the device or on a device that cannot be read.
constexpr COLORREF CLR_INVALID = 0xFFFFFFFFu;

constexpr int32_t LF_FACESIZE = 32;

// A font description as the font dialog exchanges it.
struct LOGFONT {
    int32_t lfHeight = 0;
    int32_t lfWidth = 0;
    int32_t lfEscapement = 0;
    int32_t lfOrientation = 0;
    int32_t lfWeight = FW_NORMAL;
    uint8_t lfItalic = 0;
    uint8_t lfUnderline = 0;
    uint8_t lfStrikeOut = 0;
    uint8_t lfCharSet = DEFAULT_CHARSET;
    uint8_t lfOutPrecision = OUT_DEFAULT_PRECIS;
    uint8_t lfClipPrecision = CLIP_DEFAULT_PRECIS;
    uint8_t lfQuality = DEFAULT_QUALITY;
    uint8_t lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    char lfFaceName[LF_FACESIZE] = {};
    bool operator==(const LOGFONT&) const = default;
};

// Font measurements in logical units of the device context that measured them.
struct TEXTMETRIC {
    int32_t tmHeight = 0; // ascent + descent
    int32_t tmAscent = 0;
    int32_t tmDescent = 0;
    int32_t tmInternalLeading = 0; // tmHeight minus the character height
    int32_t tmExternalLeading = 0;
    int32_t tmAveCharWidth = 0;
    int32_t tmMaxCharWidth = 0;
    int32_t tmWeight = 0;
    uint8_t tmItalic = 0;
    uint8_t tmUnderlined = 0;
    uint8_t tmStruckOut = 0;
    uint8_t tmPitchAndFamily = 0;
    uint8_t tmCharSet = 0;
};

// A pen: width in logical units (0 = the thinnest line the device draws), style PS_*.
class TPen {
public:
    explicit TPen(COLORREF colour = RGB(0, 0, 0), int32_t width = 1, int32_t style = PS_SOLID)
        : colour_(colour), width_(width), style_(style) {}

    COLORREF Colour() const { return colour_; }
    int32_t Width() const { return width_; }
    int32_t Style() const { return style_; }
    bool operator==(const TPen&) const = default;

private:
    COLORREF colour_;
    int32_t width_;
    int32_t style_;
};

// A solid brush, or the hollow stock brush that leaves insides untouched.
class TBrush {
public:
    explicit TBrush(COLORREF colour = RGB(255, 255, 255)) : colour_(colour) {}
    static TBrush Hollow() {
        TBrush brush;
        brush.hollow_ = true;
        return brush;
    }

    COLORREF Colour() const { return colour_; }
    bool IsHollow() const { return hollow_; }
    bool operator==(const TBrush&) const = default;

private:
    COLORREF colour_;
    bool hollow_ = false;
};

// A logical font. Height is in logical units: negative = character height, positive = cell height,
// 0 = a default size. Escapement is in tenths of a degree, counter-clockwise as seen on the device.
// Every face is drawn with the one font file the program ships.
class TFont {
public:
    TFont(const char* face, int32_t height, int32_t width = 0, int32_t escapement = 0, int32_t orientation = 0,
          int32_t weight = FW_NORMAL, uint8_t italic = 0, uint8_t underline = 0, uint8_t strikeout = 0,
          uint8_t charSet = DEFAULT_CHARSET, uint8_t outputPrecision = OUT_DEFAULT_PRECIS,
          uint8_t clipPrecision = CLIP_DEFAULT_PRECIS, uint8_t quality = DEFAULT_QUALITY,
          uint8_t pitchAndFamily = DEFAULT_PITCH | FF_DONTCARE);
    explicit TFont(const LOGFONT& logFont) : log_(logFont) {}

    const LOGFONT& GetLogFont() const { return log_; }
    std::string FaceName() const { return log_.lfFaceName; }
    int32_t Height() const { return log_.lfHeight; }
    int32_t Escapement() const { return log_.lfEscapement; }
    int32_t Weight() const { return log_.lfWeight; }

    // The font a new device context starts with.
    static TFont System();
    bool operator==(const TFont&) const = default;

private:
    LOGFONT log_;
};

// True when two fonts would draw alike.
bool SameFont(const TFont& a, const TFont& b);
