#include "shell/settings_steps.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "dialogs/calibration_dialogs.h"
#include "dialogs/fraction_entry.h"
#include "document/cfg_files.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/cursor.h"
#include "platform/file_io.h"
#include "platform/font_dialog.h"
#include "platform/gadget_window.h"
#include "platform/input_dialog.h"
#include "platform/message_box.h"
#include "platform/settings_file.h"
#include "render/print_settings.h"
#include "resources/default_settings.h"
#include "rooms/room_settings.h"
#include "shell/client.h"

namespace shell {

namespace {

constexpr int32_t kUnitsPerInch = kImperialUnitsPerInch;
// The input dialogs take six characters and the terminator.
constexpr int kNumberBuffer = 7;
constexpr uint32_t kFontFlags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;

// Colour selectors of TClient::ChooseColour.
constexpr int32_t kBackgroundColour = 2;
constexpr int32_t kDrawingColour = 3;
constexpr int32_t kGridColour = 4;
constexpr int32_t kOverlayColour = 5;
constexpr int32_t kWetAreaColour = 6;
constexpr int32_t kBedroomColour = 7;
constexpr int32_t kOtherRoomColour = 8;

void ReportUnsaved(QWidget* owner, const char* what) {
    const std::string text = std::string("The ") + what + " could not be saved";
    ::MessageBox(owner, text.c_str(), "SETTINGS", MB_OK | MB_ICONEXCLAMATION);
}

struct ColourChoice {
    const char* Message;
    const char* Caption;
    const char* Guide;
    int32_t Selector;
};

void ChooseAnnounced(TClient& client, const ColourChoice& choice, bool keepCursor) {
    POINT before{};
    if (keepCursor) GetCursorPos(&before);
    ::MessageBox(client.GetHandle(), choice.Message, choice.Caption, MB_OK);
    if (keepCursor) SetCursorPos(before.x, before.y);
    client.ShowGuide(choice.Guide);
    client.ChooseColour(choice.Selector);
}

// The typed number, 0 when the text is not one.
int32_t AskNumber(QWidget* parent, const char* title, const char* prompt, int32_t shown, bool& confirmed) {
    char buffer[kNumberBuffer] = {};
    std::snprintf(buffer, sizeof buffer, "%d", shown);
    confirmed = TInputDialog(parent, title, prompt, buffer, sizeof buffer).Execute() == IDOK;
    return pl::atoi(buffer);
}

} // namespace

bool WriteTextStyle() {
    const char* face = ObjectList.DefaultFontName;
    return pl::WriteTextFile(CfgPath("TEXT.CFG"),
                             pl::Format("%d %d %d%s", DefaultTextHeight, DefaultTextWeight,
                                        static_cast<int32_t>(std::strlen(face)), face));
}

bool RunFontSteps(TClient& client, QWidget* parent) {
    TChooseFontDialog::TData& data = client.FontData;
    data.Color = client.FontColour;
    const int32_t keptPointSize = data.PointSize;
    data.PointSize = DefaultTextHeight * 10;
    data.LogFont.lfHeight = pl::LogFontHeightForPointSize(data.PointSize);
    data.LogFont.lfWeight = DefaultTextWeight;
    static_assert(sizeof data.LogFont.lfFaceName >= sizeof ObjectList.DefaultFontName);
    std::memcpy(data.LogFont.lfFaceName, ObjectList.DefaultFontName, sizeof ObjectList.DefaultFontName);
    data.Flags = kFontFlags;
    if (TChooseFontDialog(parent, data).Execute() != IDOK) {
        data.PointSize = keptPointSize;
        return false;
    }
    client.FontColour = data.Color;
    std::memcpy(ObjectList.DefaultFontName, data.LogFont.lfFaceName, sizeof ObjectList.DefaultFontName);
    ObjectList.DefaultFontName[sizeof ObjectList.DefaultFontName - 1] = '\0';
    DefaultTextHeight = data.PointSize / 10;
    DefaultTextWeight = data.LogFont.lfWeight;
    if (!WriteTextStyle()) ReportUnsaved(parent, "default font");
    return true;
}

void RunScreenColourChoices(TClient& client, bool keepCursor) {
    static constexpr ColourChoice kChoices[] = {
        {"Select your BACKGROUND COLOUR in the next dialogue box", "BACKGROUND COLOUR",
         "GUIDE: Select BACKGROUND COLOUR", kBackgroundColour},
        {"Select your DRAWING COLOUR in the next dialogue box", "DRAWING COLOUR",
         "GUIDE: Select DRAWING COLOUR", kDrawingColour},
        {"Select your OVERLAY COLOUR in the next dialogue box", "OVERLAY COLOUR",
         "GUIDE: Select OVERLAY COLOUR", kOverlayColour},
    };
    for (const ColourChoice& choice : kChoices)
        ChooseAnnounced(client, choice, keepCursor);
}

void RunRoomColourChoices(TClient& client, const char* lastGuide) {
    const ColourChoice choices[] = {
        {"Select your WET AREA ROOM COLOUR in the next dialogue box", "WET AREA ROOM COLOUR",
         "GUIDE: Select WET AREA ROOM COLOUR", kWetAreaColour},
        {"Select your BEDROOM COLOUR in the next dialogue box", "BEDROOM COLOUR",
         "GUIDE: Select BEDROOM COLOUR", kBedroomColour},
        {"Select your OTHER ROOM COLOUR in the next dialogue box", "OTHER ROOMS COLOUR", lastGuide,
         kOtherRoomColour},
    };
    for (const ColourChoice& choice : choices)
        ChooseAnnounced(client, choice, false);
}

void RunCalibrationSteps(TClient& client, QWidget* parent) {
    const std::string& dir = ObjectList.ProgramDirectory;
    int32_t entered = 0;
    if (MetricUnits == 1) {
        TPrntcalmdlg dialog(parent, dir);
        if (dialog.Execute() != IDOK) return;
        entered = pl::atoi(dialog.LengthText);
    } else {
        TPrntcalidlg dialog(parent, dir);
        if (dialog.Execute() != IDOK) return;
        entered = (pl::atoi(dialog.FeetText) * 12 + pl::atoi(dialog.InchesText)) * kUnitsPerInch;
    }
    if (!render::WriteCalibration(MetricUnits, entered))
        ReportUnsaved(client.GetHandle(), "printer calibration");
}

void RunMergeSteps(TClient& client, QWidget* parent, const MergeTexts& texts) {
    const bool metric = MetricUnits == 1;
    const FieldRange range = MergeDistanceRange(MetricUnits);
    const int32_t stored = ReadRoomMergeDistance(MetricUnits);
    const int32_t offered = metric ? stored : NearestWholeInches(stored);
    client.ShowGuide(metric ? texts.MetricGuide : "GUIDE: input Merging distance for room alignment");
    bool confirmed = false;
    const int32_t typed = metric
                              ? AskNumber(parent, texts.MetricTitle, texts.MetricPrompt, offered, confirmed)
                              : AskNumber(parent, "Merging Distance", "Inches", offered, confirmed);
    // A distance left as offered stays as it was stored, finer than the whole inches shown; one typed is
    // stored in range, so the snapping never reads what the command itself wrote as damage.
    int32_t value = stored;
    if (confirmed && typed != offered)
        value =
            metric ? std::clamp(typed, range.low, range.high)
                   : std::clamp(typed, range.low / kUnitsPerInch, range.high / kUnitsPerInch) * kUnitsPerInch;
    if (!WriteRoomMergeDistance(MetricUnits, value)) ReportUnsaved(parent, "merge distance");
}

void RunLayoutGridSteps(TClient& client, QWidget* parent) {
    const FieldRange range = LayoutGridRange(MetricUnits);
    LayoutGridSettings grid = ReadLayoutGridSettings(MetricUnits);
    bool confirmed = false;
    if (MetricUnits == 1) {
        client.ShowGuide("GUIDE: input Room Layout Grid line spacing");
        const int32_t typed =
            AskNumber(parent, "Grid Spacing", "Spacing in millimetres", grid.spacing, confirmed);
        if (confirmed) grid.spacing = std::clamp(typed, range.low, range.high);
    } else {
        client.ShowGuide("GUIDE: input Grid line spacing");
        // A spacing left as offered stays as it was stored, finer than the whole inches shown.
        const int32_t inches = NearestWholeInches(grid.spacing);
        const int32_t typed = AskNumber(parent, "Grid Spacing", "Spacing in inches", inches, confirmed);
        if (confirmed && typed != inches)
            grid.spacing =
                std::clamp(typed, range.low / kUnitsPerInch, range.high / kUnitsPerInch) * kUnitsPerInch;
    }
    if (!WriteLayoutGridSettings(MetricUnits, grid)) ReportUnsaved(parent, "layout grid spacing");
    client.ShowGuide("GUIDE: Now select Grid line colour");
    client.ChooseColour(kGridColour);
}

} // namespace shell
