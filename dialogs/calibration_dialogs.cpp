#include "dialogs/calibration_dialogs.h"

#include "dialogs/dialog_building.h"
#include "dialogs/dialog_help.h"
#include "platform/controls.h"
#include "platform/file_io.h"
#include "render/print_settings.h"
#include "resources/dialogs/print_templates.h"

TPrntcalmdlg::TPrntcalmdlg(QWidget* parent, const std::string& programDirectory, int32_t resId)
    : TDialog(parent, dialogs::WithTemplates<RegisterPrintDialogTemplates>(resId)),
      ProgramDirectory(programDirectory) {
    Length = dialogs::RangeEdit(this, 3201, 7, 14000, 16000);
}

void TPrntcalmdlg::SetupWindow() {
    TDialog::SetupWindow();
    const render::Calibration c = render::ReadCalibration(ProgramDirectory, 1);
    char text[16];
    Length->SetText(pl::ltoa(c.length, text, 10));
}

void TPrntcalmdlg::CmOk() {
    if (!Validate()) return;
    Length->GetText(LengthText, sizeof LengthText);
    CloseWindow(IDOK);
}

void TPrntcalmdlg::CmHelp() {
    dialogs::ShowDialogHelp(this, "tvhelp.chm::/print.htm>wind", 360);
}

TPrntcalidlg::TPrntcalidlg(QWidget* parent, const std::string& programDirectory, int32_t resId)
    : TDialog(parent, dialogs::WithTemplates<RegisterPrintDialogTemplates>(resId)),
      ProgramDirectory(programDirectory) {
    Feet = dialogs::RangeEdit(this, 3302, 4, 40, 60);
    Inches = dialogs::RangeEdit(this, 3301, 4, 0, 11);
}

void TPrntcalidlg::SetupWindow() {
    TDialog::SetupWindow();
    const render::Calibration c = render::ReadCalibration(ProgramDirectory, 0);
    const int32_t inches = c.length / 24;
    char text[16];
    Feet->SetText(pl::ltoa(inches / 12, text, 10));
    Inches->SetText(pl::ltoa(inches % 12, text, 10));
}

void TPrntcalidlg::CmOk() {
    if (!Validate()) return;
    Feet->GetText(FeetText, sizeof FeetText);
    Inches->GetText(InchesText, sizeof InchesText);
    CloseWindow(IDOK);
}

void TPrntcalidlg::CmHelp() {
    dialogs::ShowDialogHelp(this, "tvhelp.chm::/print.htm>wind", 360);
}
