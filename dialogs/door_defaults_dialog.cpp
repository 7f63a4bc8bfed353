#include "dialogs/door_defaults_dialog.h"

#include <string>

#include "dialogs/dialog_building.h"
#include "dialogs/dialog_help.h"
#include "dialogs/fraction_entry.h"
#include "platform/controls.h"
#include "platform/file_io.h"
#include "platform/message_box.h"
#include "resources/dialogs/partition_templates.h"
#include "tools/partition_settings.h"

namespace {

constexpr int32_t kDoorHelp = 310;
constexpr int32_t kAngles[3] = {30, 60, 90};
constexpr int32_t kThicknesses[2] = {1, 2};
constexpr int32_t kUnitsPerInch = 24;

} // namespace

TConfigdlg::TConfigdlg(QWidget* parent, int32_t resId)
    : TDialog(parent, dialogs::WithTemplates<RegisterPartitionDialogTemplates>(resId)),
      Millimetres(dialogs::RangeEdit(this, kDoorSizeMillimetres, 5, kDoorMillimetresRange.low,
                                     kDoorMillimetresRange.high)),
      InchesEdit(dialogs::RangeEdit(this, kDoorSizeInches, 4, kDoorImperialRange.low / kUnitsPerInch,
                                    kDoorImperialRange.high / kUnitsPerInch)),
      Angles{new TRadioButton(this, kDoorAngle30), new TRadioButton(this, kDoorAngle60),
             new TRadioButton(this, kDoorAngle90)},
      Thicknesses{new TRadioButton(this, kDoorThin), new TRadioButton(this, kDoorThick)} {}

void TConfigdlg::SetupWindow() {
    TDialog::SetupWindow();
    const DoorDefaults read = ReadDoorDefaults();
    Millimetres->SetText(std::to_string(read.SizeMillimetres));
    InchesEdit->SetText(std::to_string(NearestWholeInches(read.SizeImperial)));
    StoredInches = read.SizeImperial;
    InchesOffer.Remember({InchesEdit});
    // What was read stays when OK finds no radio of a group checked.
    SwingAngle = read.SwingAngle;
    DoorThickness = read.DoorThickness;
    for (int32_t i = 0; i < 3; ++i)
        if (read.SwingAngle == kAngles[i]) Angles[i]->Check();
    for (int32_t i = 0; i < 2; ++i)
        if (read.DoorThickness == kThicknesses[i]) Thicknesses[i]->Check();
}

void TConfigdlg::CmOk() {
    if (!Validate()) return;
    Millimetres->GetText(MillimetreText, sizeof MillimetreText);
    InchesEdit->GetText(InchText, sizeof InchText);
    for (int32_t i = 2; i >= 0; --i)
        if (Angles[i]->GetCheck() == BF_CHECKED) SwingAngle = kAngles[i];
    for (int32_t i = 1; i >= 0; --i)
        if (Thicknesses[i]->GetCheck() == BF_CHECKED) DoorThickness = kThicknesses[i];
    const int32_t inches = InchesOffer.Untouched() ? StoredInches : pl::atoi(InchText) * kUnitsPerInch;
    const bool written =
        WriteDoorSize(pl::atoi(MillimetreText), inches) && WriteDoorStyle(SwingAngle, DoorThickness);
    if (!written) {
        MessageBox(this, "The door settings could not be saved in CFG/DOORSZE.CFG and CFG/INTERN.CFG.",
                   "DOOR STYLES", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    CloseWindow(IDOK);
}

void TConfigdlg::CmHelp() {
    dialogs::ShowDialogHelp(this, "tvhelp.chm::/custom.htm>wind", kDoorHelp);
}
