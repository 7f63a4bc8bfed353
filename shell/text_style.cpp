// The drawing's default text style, loaded whenever a drawing opens and after the default font
// changes.
#include <algorithm>
#include <cstring>
#include <QApplication>
#include <QPalette>

#include "document/document.h"
#include "document/program_state.h"
#include "platform/dc.h"
#include "platform/file_io.h"
#include "platform/settings_file.h"
#include "platform/window_dc.h"
#include "resources/default_settings.h"
#include "shell/client.h"
#include "shell/drawing_start.h"

namespace {

// Draft-quality output, variable pitch: what the text code asks the font mapper for.
constexpr uint8_t kProofQuality = 2;
constexpr uint8_t kVariablePitch = 2;
constexpr int32_t kPointsPerInch = 72;

COLORREF WindowTextColour() {
    const QColor c = QApplication::palette().color(QPalette::WindowText);
    return RGB(c.red(), c.green(), c.blue());
}

constexpr int32_t kLargestPoints = 1000;
constexpr int32_t kHeaviestWeight = 1000;

} // namespace

void LoadTextStyle(TClient& client) {
    int32_t height = DefaultTextHeight;
    int32_t weight = DefaultTextWeight;
    int32_t length = 0;
    char face[sizeof ObjectList.DefaultFontName] = {};
    // The face is counted by the third field; a longer one is cut to what the document can hold.
    pl::ScanSettings(ObjectList.ProgramDirectory + "CFG/TEXT.CFG", DefaultSettings("TEXT.CFG"), "%d %d %d%3t",
                     &height, &weight, &length, face, static_cast<int>(sizeof face));
    // A height or weight no font can have is damage: the shipped values stand (their text holds both).
    if (height < 1 || height > kLargestPoints || weight < 0 || weight > kHeaviestWeight)
        (void)pl::sscanf(DefaultSettings("TEXT.CFG"), "%d %d", &height, &weight);
    DefaultTextHeight = height;
    DefaultTextWeight = weight;
    std::memcpy(ObjectList.DefaultFontName, face, sizeof face);
    ObjectList.DefaultFontName[sizeof ObjectList.DefaultFontName - 1] = '\0';

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
