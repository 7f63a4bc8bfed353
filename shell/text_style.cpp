// The drawing's default text style, loaded whenever a drawing opens and after the default font
// changes.
#include <algorithm>
#include <cstring>
#include <QApplication>
#include <QPalette>

#include "document/cfg_files.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/dc.h"
#include "platform/file_io.h"
#include "platform/settings_file.h"
#include "platform/window_dc.h"
#include "shell/client.h"
#include "shell/drawing_start.h"
#include "shell/settings_steps.h"

namespace {

// Draft-quality output, variable pitch: what the text code asks the font mapper for.
constexpr uint8_t kProofQuality = 2;
constexpr uint8_t kVariablePitch = 2;
constexpr int32_t kPointsPerInch = 72;

COLORREF WindowTextColour() {
    const QColor c = QApplication::palette().color(QPalette::WindowText);
    return RGB(c.red(), c.green(), c.blue());
}

// What the font dialog can give: a point size and a weight from thin to black.
constexpr FieldRange kPointsRange{1, 1000};
constexpr FieldRange kWeightRange{0, 1000};

} // namespace

void LoadTextStyle(TClient& client) {
    int32_t height = DefaultTextHeight;
    int32_t weight = DefaultTextWeight;
    int32_t length = 0;
    char face[sizeof ObjectList.DefaultFontName] = {};
    // The face is counted by the third field; a longer one is cut to what the document can hold.
    pl::ScanSettings(CfgPath("TEXT.CFG"), ShippedSettings("TEXT.CFG"), "%d %d %d%3t", &height, &weight,
                     &length, face, static_cast<int>(sizeof face));
    // A height or weight no font can have is damage: each reads as shipped, and the file is written
    // back whole so that no later reader meets it.
    int32_t shippedHeight = 0, shippedWeight = 0;
    (void)pl::sscanf(ShippedSettings("TEXT.CFG"), "%d %d", &shippedHeight, &shippedWeight);
    const bool damaged = !kPointsRange.Holds(height) || !kWeightRange.Holds(weight);
    DefaultTextHeight = kPointsRange.Holds(height) ? height : shippedHeight;
    DefaultTextWeight = kWeightRange.Holds(weight) ? weight : shippedWeight;
    std::memcpy(ObjectList.DefaultFontName, face, sizeof face);
    ObjectList.DefaultFontName[sizeof ObjectList.DefaultFontName - 1] = '\0';
    // A failed rewrite leaves the values in range all the same; the next load falls back again.
    if (damaged) (void)shell::WriteTextStyle();

    int32_t pixelsPerInch = 96;
    {
        TClientDC dc(&client);
        pixelsPerInch = dc.GetDeviceCaps(LOGPIXELSY);
    }
    TChooseFontDialog::TData& data = client.FontData;
    data = TChooseFontDialog::TData{};
    data.LogFont = LOGFONT{};
    data.LogFont.lfHeight = -pl::MulDiv(DefaultTextHeight, pixelsPerInch, kPointsPerInch);
    data.LogFont.lfWeight = DefaultTextWeight;
    data.LogFont.lfCharSet = 0;
    data.LogFont.lfOutPrecision = 0;
    data.LogFont.lfClipPrecision = 0;
    data.LogFont.lfQuality = kProofQuality;
    data.LogFont.lfPitchAndFamily = kVariablePitch;
    static_assert(sizeof data.LogFont.lfFaceName >= sizeof ObjectList.DefaultFontName);
    std::memcpy(data.LogFont.lfFaceName, ObjectList.DefaultFontName, sizeof ObjectList.DefaultFontName);
    data.PointSize = DefaultTextHeight * 10;
    client.FontColour = WindowTextColour();
}
