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
    const FieldRange range = render::CalibrationLengthRange(1);
    Length = dialogs::RangeEdit(this, 3201, 7, range.low, range.high);
}

void TPrntcalmdlg::SetupWindow() {
    TDialog::SetupWindow();
    const render::Calibration c = render::ReadCalibration(1);
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
    constexpr int32_t kFoot = 12 * kImperialUnitsPerInch;
    const FieldRange range = render::CalibrationLengthRange(0);
    Feet = dialogs::RangeEdit(this, 3302, 4, range.low / kFoot, range.high / kFoot);
    Inches = dialogs::RangeEdit(this, 3301, 4, 0, 11);
}

void TPrntcalidlg::SetupWindow() {
    TDialog::SetupWindow();
    const render::Calibration c = render::ReadCalibration(0);
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
