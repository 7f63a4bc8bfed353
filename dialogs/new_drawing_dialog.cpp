#include "dialogs/new_drawing_dialog.h"

#include "dialogs/dialog_building.h"
#include "dialogs/help_commands.h"
#include "dialogs/help_context.h"
#include "dialogs/units_file.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/validators.h"

namespace {

constexpr const char* kFileHelpPage = "file.htm";

} // namespace

TNewdlg::TNewdlg(QWidget* parent, int32_t resId)
    : TDialog(dialogs::WithTemplates<RegisterFileDialogTemplates>(parent), resId),
      NameEdit(new TEdit(this, kNewNameEdit, kClientNameLimit)),
      StartRooms(new TRadioButton(this, kStartRoomsRadio)),
      StartWalls(new TRadioButton(this, kStartWallsRadio)), Metric(new TRadioButton(this, kNewMetricRadio)),
      Imperial(new TRadioButton(this, kNewImperialRadio)) {
    NameEdit->SetValidator(new TFilterValidator(kClientNameCharacters));
}

void TNewdlg::SetupWindow() {
    TDialog::SetupWindow();
    NameEdit->SetText("client");
    if (ReadMetricSetting() == 1) {
        Metric->Check();
    } else {
        Imperial->Check();
    }
    StartChoice = ReadStartSetting();
    if (StartChoice == 1) {
        StartRooms->Check();
    } else {
        StartWalls->Check();
    }
}

void TNewdlg::CmOk() {
    // A refused name keeps the dialog open and writes no setting.
    if (!Validate()) return;
    NameEdit->GetText(ClientName, sizeof ClientName);
    if (Imperial->GetCheck() == BF_CHECKED) {
        MetricUnits = 0;
    } else if (Metric->GetCheck() == BF_CHECKED) {
        MetricUnits = 1;
    }
    // The choice holds for this drawing either way; only the next New's starting radio is lost.
    (void)WriteMetricSetting(MetricUnits);
    if (StartRooms->GetCheck() == BF_CHECKED) {
        StartChoice = 1;
    } else if (StartWalls->GetCheck() == BF_CHECKED) {
        StartChoice = 2;
    }
    (void)WriteStartSetting(StartChoice); // as the unit system above
    CloseWindow(IDOK);
}

void TNewdlg::CmHelp() {
    ShowHelp(this, DialogHelpRequest(HelpMode, kFileHelpPage, kFileContext));
}

TMeasdlg::TMeasdlg(QWidget* parent, int32_t resId)
    : TDialog(dialogs::WithTemplates<RegisterFileDialogTemplates>(parent), resId),
      Metric(new TRadioButton(this, kUnitsMetricRadio)),
      Imperial(new TRadioButton(this, kUnitsImperialRadio)) {}

void TMeasdlg::SetupWindow() {
    TDialog::SetupWindow();
    if (ReadMetricSetting() == 1) {
        Metric->Check();
    } else {
        Imperial->Check();
    }
}

void TMeasdlg::CmOk() {
    if (Metric->GetCheck() == BF_CHECKED) {
        MetricUnits = 1;
    } else if (Imperial->GetCheck() == BF_CHECKED) {
        MetricUnits = 0;
    }
    // The choice holds for this drawing either way; only the next dialog's starting radio is lost.
    (void)WriteMetricSetting(MetricUnits);
    CloseWindow(IDOK);
}
