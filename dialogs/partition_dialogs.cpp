#include "dialogs/partition_dialogs.h"

#include <algorithm>
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

constexpr int32_t kPartitionHelp = 253;
constexpr const char* kPartitionHelpPage = "tvhelp.chm::/intwall.htm>wind";

// A thickness that could not be stored is told; the dialog stays open so nothing typed is lost.
bool Stored(TDialog* dialog, int32_t metricUnits, int32_t thickness) {
    // Inches with a fraction can pass the edits and still exceed the thickness the reader takes.
    const FieldRange range = PartitionThicknessRange(metricUnits);
    if (WritePartitionThickness(metricUnits, std::clamp(thickness, range.low, range.high))) return true;
    MessageBox(dialog,
               metricUnits == 1 ? "The partition thickness could not be saved in CFG/PTNM.CFG."
                                : "The partition thickness could not be saved in CFG/PTNI.CFG.",
               "INTERNAL WALLS", MB_OK | MB_ICONEXCLAMATION);
    return false;
}

constexpr int32_t kSideCodes[4] = {4, 2, 1, 3};

} // namespace

PartitionSideRadios::PartitionSideRadios(TDialog* dialog, int32_t firstId) {
    for (int32_t i = 0; i < 4; ++i)
        radios_[i] = new TRadioButton(dialog, firstId + i);
}

void PartitionSideRadios::CheckLeft() {
    radios_[0]->Check();
}

int32_t PartitionSideRadios::Side() const {
    for (int32_t i = 0; i < 4; ++i)
        if (radios_[i]->GetCheck() == BF_CHECKED) return kSideCodes[i];
    return kSideCodes[0];
}

TDbledlg::TDbledlg(QWidget* parent, int32_t resId)
    : TDialog(parent, dialogs::WithTemplates<RegisterPartitionDialogTemplates>(resId)),
      Thickness(dialogs::RangeEdit(this, kPartitionThickness, 5, PartitionThicknessRange(1).low,
                                   PartitionThicknessRange(1).high)),
      Sides(this, kPartitionLeft) {}

void TDbledlg::SetupWindow() {
    TDialog::SetupWindow();
    Thickness->SetText(std::to_string(ReadPartitionThickness(1)));
    // Every run starts on LEFT.
    Sides.CheckLeft();
}

void TDbledlg::CmOk() {
    if (!Validate()) return;
    Thickness->GetText(ThicknessText, sizeof ThicknessText);
    SideCode = Sides.Side();
    if (!Stored(this, 1, pl::atoi(ThicknessText))) return;
    CloseWindow(IDOK);
}

void TDbledlg::CmHelp() {
    dialogs::ShowDialogHelp(this, kPartitionHelpPage, kPartitionHelp);
}

TDbleimpdlg::TDbleimpdlg(QWidget* parent, int32_t resId)
    : TDialog(parent, dialogs::WithTemplates<RegisterPartitionDialogTemplates>(resId)),
      Inches(dialogs::RangeEdit(this, kPartitionImpInches, 5,
                                PartitionThicknessRange(0).low / kImperialUnitsPerInch,
                                PartitionThicknessRange(0).high / kImperialUnitsPerInch)),
      Numerator(dialogs::RangeEdit(this, kPartitionImpNumerator, 3, 0, 15)),
      Denominator(dialogs::RangeEdit(this, kPartitionImpDenominator, 3, 0, 16)),
      Sides(this, kPartitionImpLeft) {}

void TDbleimpdlg::SetupWindow() {
    TDialog::SetupWindow();
    StoredThickness = ReadPartitionThickness(0);
    const InchesAndFraction shown = InchesAndFractionOf(StoredThickness);
    Inches->SetText(std::to_string(shown.Inches));
    if (shown.HasFraction) {
        Numerator->SetText(std::to_string(shown.Numerator));
        Denominator->SetText(std::to_string(shown.Denominator));
    }
    Offer.Remember({Inches, Numerator, Denominator});
    Sides.CheckLeft();
}

void TDbleimpdlg::CmOk() {
    if (!Validate()) return;
    Inches->GetText(InchesText, sizeof InchesText);
    Numerator->GetText(NumeratorText, sizeof NumeratorText);
    Denominator->GetText(DenominatorText, sizeof DenominatorText);
    SideCode = Sides.Side();
    // A thickness finer than the eighths the edits show is kept while the user leaves it as offered.
    const int32_t thickness = Offer.Untouched()
                                  ? StoredThickness
                                  : LengthFromInchesAndFraction(InchesText, NumeratorText, DenominatorText);
    if (!Stored(this, 0, thickness)) return;
    CloseWindow(IDOK);
}

void TDbleimpdlg::CmHelp() {
    dialogs::ShowDialogHelp(this, kPartitionHelpPage, kPartitionHelp);
}
