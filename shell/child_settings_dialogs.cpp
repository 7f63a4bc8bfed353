// The drawing window's default-settings dialogs: each kind runs its dialogs, lets them update their
// settings file, then brings the window up to date.
#include "dialogs/dimension_dialogs.h"
#include "dialogs/door_defaults_dialog.h"
#include "document/program_state.h"
#include "shell/child.h"
#include "shell/client.h"
#include "shell/settings_steps.h"

namespace {

namespace settingskind {
constexpr int32_t kDoors = 1;
constexpr int32_t kDimensions = 2;
constexpr int32_t kFont = 3;
constexpr int32_t kColours = 5;
constexpr int32_t kPenColour = 6;
constexpr int32_t kArrowStyle = 7;
constexpr int32_t kCalibration = 11;
constexpr int32_t kRoomColours = 13;
constexpr int32_t kRoomMerge = 14;
} // namespace settingskind

constexpr int32_t kRefreshKind = 3; // RunToolDialog: paint the document now over the window
constexpr int32_t kDoorsDialog = 5400;
constexpr int32_t kPenColourSelector = 1;

// Runs the dialogs of a kind; false for a kind that has none.
bool RunKindDialogs(TChild& window, int32_t kind) {
    TClient& client = window.Client();
    QWidget* parent = client.GetHandle();
    switch (kind) {
    case settingskind::kDoors:
        TConfigdlg(parent, kDoorsDialog).Execute();
        return true;
    case settingskind::kDimensions:
        if (MetricUnits == 1)
            TOffsetdlg(parent).Execute();
        else
            TOffsetimpdlg(parent).Execute();
        return true;
    case settingskind::kColours:
        shell::RunScreenColourChoices(client, true);
        return true;
    case settingskind::kPenColour:
        client.ShowGuide("GUIDE: Select PEN COLOUR");
        client.ChooseColour(kPenColourSelector);
        return true;
    case settingskind::kArrowStyle:
        TArrowdlg(parent).Execute();
        return true;
    case settingskind::kCalibration:
        shell::RunCalibrationSteps(client, parent);
        return true;
    case settingskind::kRoomColours:
        shell::RunRoomColourChoices(client, "GUIDE: Select OTHER ROOM COLOUR");
        return true;
    case settingskind::kRoomMerge:
        shell::RunMergeSteps(client, parent, shell::kDrawingMergeTexts);
        return true;
    default:
        return false;
    }
}

// The kinds whose settings show in the drawing repaint it; colours and calibration only refresh.
bool RepaintsAfter(int32_t kind) {
    return kind != settingskind::kColours && kind != settingskind::kCalibration;
}

} // namespace

void TChild::RunSettingsDialog(int32_t kind) {
    if (kind == settingskind::kFont) {
        shell::RunFontSteps(Client(), Client().GetHandle());
        Invalidate(true);
        return;
    }
    if (!RunKindDialogs(*this, kind)) return;
    if (RepaintsAfter(kind)) Invalidate(false);
    if (LayoutGridFlag == 1) RunToolDialog(kRefreshKind);
}
