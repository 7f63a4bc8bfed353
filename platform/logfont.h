// The logical-font record of the windowing interface, as the font dialog and the text code exchange it.
#pragma once

#include <cstdint>

constexpr int LF_FACESIZE = 32;

struct LOGFONT {
    int32_t lfHeight = 0; // negative: character height; positive: cell height
    int32_t lfWidth = 0;
    int32_t lfEscapement = 0; // tenths of a degree
    int32_t lfOrientation = 0;
    int32_t lfWeight = 0; // 400 normal, 700 bold
    uint8_t lfItalic = 0;
    uint8_t lfUnderline = 0;
    uint8_t lfStrikeOut = 0;
    uint8_t lfCharSet = 0;
    uint8_t lfOutPrecision = 0;
    uint8_t lfClipPrecision = 0;
    uint8_t lfQuality = 0;
    uint8_t lfPitchAndFamily = 0;
    char lfFaceName[LF_FACESIZE] = {};
};
