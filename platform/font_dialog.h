// The font common dialog. The LOGFONT goes in (with CF_INITTOLOGFONTSTRUCT) and comes back with the
// choice; PointSize is in tenths of a point; heights use the screen's 96 pixels per inch.
#pragma once

#include <cstdint>
#include <QFont>
#include <QWidget>

#include "platform/logfont.h"
#include "platform/tcolor.h"

constexpr uint32_t CF_SCREENFONTS = 0x1;
constexpr uint32_t CF_PRINTERFONTS = 0x2;
constexpr uint32_t CF_INITTOLOGFONTSTRUCT = 0x40;
constexpr uint32_t CF_EFFECTS = 0x100;
constexpr uint32_t CF_LIMITSIZE = 0x2000;

class TChooseFontDialog {
public:
    struct TData {
        uint32_t Flags = 0;
        uint32_t Error = 0;
        void* DC = nullptr; // unused: the screen's metrics are taken
        LOGFONT LogFont;
        int32_t PointSize = 0; // tenths of a point
        TColor Color;
        char* Style = nullptr;
        uint16_t FontType = 0;
        int32_t SizeMin = 0;
        int32_t SizeMax = 0;
    };
    TChooseFontDialog(QWidget* parent, TData& data, const char* title = nullptr);
    // IDOK with LogFont, PointSize (and Color) set, or IDCANCEL with data unchanged.
    int Execute();

private:
    QWidget* parent_;
    TData& data_;
    const char* title_;
};

namespace pl {
// The font the dialog opens on: the stored face, size, weight and slant, under the name of the face's
// own style of that weight and slant, which the dialog shows highlighted.
QFont FontDialogStart(const TChooseFontDialog::TData& data);
// lfHeight for a point size in tenths: -MulDiv(points, 96, 72) as the screen gives it.
int32_t LogFontHeightForPointSize(int32_t tenths);
} // namespace pl
