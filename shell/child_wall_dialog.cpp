// The external-wall construction chosen through the drawing window: the dialogs, then the settings
// file every new external wall is built from, and the floor's record of its base and height.
#include <string>

#include "dialogs/custom_wall_dialogs.h"
#include "dialogs/wall_type_dialogs.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/cursor.h"
#include "platform/message_box.h"
#include "resources/dialogs/wall_templates.h"
#include "shell/child.h"
#include "shell/client.h"
#include "shell/plan_dialog_steps.h"
#include "tools/drawing_tool.h"
#include "tools/extwall_settings.h"
#include "tools/working_file.h"

namespace shell {

namespace {

// The constants of a unit system: base level, ground-floor height, upper-floor height (drawing
// units) and where the cursor waits on the room layout (client pixels).
struct UnitConstants {
    int32_t baseLevel;
    int32_t groundHeight;
    int32_t upperHeight;
    int32_t cursorPoint;
};

constexpr UnitConstants kMetric{25, 2550, 2400, 25};
constexpr UnitConstants kImperial{24, 2328, 2304, 24};

constexpr int32_t kCustomWall = 1;

bool OnRoomLayout() {
    return CurrentView >= kRoomLayout && CurrentView < kGroundFloor;
}

} // namespace

bool ChooseWallType(TChild& window, ExtWallSettings& settings) {
    const bool metric = MetricUnits != 0;
    int32_t code = 0;
    if (metric) {
        TPlandlg dialog(window.GetHandle(), kPlanDialogId);
        if (dialog.Execute() != IDOK) return false;
        code = dialog.WallTypeCode;
        settings.layer1 = dialog.Layer1, settings.layer2 = dialog.Layer2, settings.layer3 = dialog.Layer3;
    } else {
        TPlanimpdlg dialog(window.GetHandle(), kPlanImpDialogId);
        if (dialog.Execute() != IDOK) return false;
        code = dialog.WallTypeCode;
        settings.layer1 = dialog.Layer1, settings.layer2 = dialog.Layer2, settings.layer3 = dialog.Layer3;
    }
    window.Invalidate(false);
    if (code != kCustomWall) return true;

    auto takeCustom = [&](auto&& dialog) {
        if (dialog.Execute() != IDOK) return false;
        settings.layer1 = dialog.Layer1, settings.layer2 = dialog.Layer2, settings.layer3 = dialog.Layer3;
        return true;
    };
    const bool chosen = metric ? takeCustom(TPlancustdlg(window.GetHandle(), kPlanCustDialogId))
                               : takeCustom(TPlanimpcustdlg(window.GetHandle(), kPlanImpCustDialogId));
    if (!chosen) return false;
    window.Invalidate(false);
    return true;
}

namespace {

// The outward side of the drawn face; asked only of the external-wall tool itself (not while an
// outline is marked on the room layout, nor while a floor copies the walls below).
bool ChooseSide(TChild& window) {
    TDrawingtool& tool = *window.Client().Tool;
    if (tool.Kind != toolkind::kExtWall) return true;
    TExtsidedlg dialog(window.GetHandle(), kExtSideDialogId);
    if (dialog.Execute() != IDOK) return false;
    tool.PickKind = dialog.SideCode;
    window.Invalidate(false);
    return true;
}

} // namespace

void SetFloorHeights(ExtWallSettings& settings) {
    const UnitConstants& units = MetricUnits != 0 ? kMetric : kImperial;
    if (CurrentView == kGroundFloor) {
        settings.heights[0] = units.baseLevel;
        settings.heights[1] = units.groundHeight;
    } else if (CurrentView == kFirstFloor) {
        settings.heights[0] = 0;
        settings.heights[2] = units.upperHeight;
    } else if (CurrentView == kSecondFloor) {
        settings.heights[0] = 0;
        settings.heights[3] = units.upperHeight;
    }
}

bool SaveWallSettings(TChild& window, const ExtWallSettings& settings) {
    if (WriteExtWallSettings(MetricUnits, settings)) return true;
    const std::string text = std::string("The wall construction could not be saved in CFG/") +
                             ExtWallSettingsName(MetricUnits) +
                             ".\nNew walls keep the construction saved before.";
    MessageBox(window.GetHandle(), text.c_str(), "EXTERNAL WALLS", MB_OK | MB_ICONEXCLAMATION);
    return false;
}

namespace {

// On the room layout the outline is marked with the full-window cross-hair from the first move.
void ReadyLayoutCrosshair(TChild& window, const UnitConstants& units) {
    TPoint p(units.cursorPoint, units.cursorPoint);
    window.ClientToScreen(p);
    SetCursorPos(p.x, p.y);
    TDrawingtool& tool = *window.Client().Tool;
    tool.Dragging = 1;
    tool.CrosshairStyle = 3;
    tool.ChainState = 2;
    window.Invalidate(true);
}

// Every floor's record keeps the base level H1 and the ground-floor height H2.
void UpdateFloorRecord(const ExtWallSettings& settings) {
    const int32_t index = ObjectList.FindKind(CurrentView + kFloorRecordBase);
    TObject* record = ObjectList[index];
    if (!record) return;
    record->aux1 = settings.heights[0];
    record->aux2 = settings.heights[1];
}

} // namespace

void RunExternalWallDialogs(TChild& window) {
    TClient& client = window.Client();
    client.ShowGuide(
        CurrentView >= kGroundFloor
            ? "HINT for ANGLED walls, press 'a' key then arrow keys to finetune cursor, 'a' again "
              "for normal input)"
            : "press ENTER on each house internal corner CLOCKWISE, back at start pt. press ENTER ");
    const UnitConstants& units = MetricUnits != 0 ? kMetric : kImperial;
    ExtWallSettings settings = ReadExtWallSettings(MetricUnits);

    if (!ChooseWallType(window, settings)) {
        client.SelectPickTool();
        return;
    }
    client.Tool->Mode = toolmode::kIdle;
    if (!ChooseSide(window)) {
        client.SelectPickTool();
        return;
    }
    SetFloorHeights(settings);
    // A failed write has been reported; the walls built next use the construction saved before.
    SaveWallSettings(window, settings);
    if (OnRoomLayout()) ReadyLayoutCrosshair(window, units);
    UpdateFloorRecord(settings);
    // The step's last change: a failed write has been told.
    static_cast<void>(tools::SaveWorkingFile());
}

} // namespace shell
