#include "dialogs/custom_wall_dialogs.h"

#include <string>

#include "dialogs/dialog_building.h"
#include "dialogs/dialog_help.h"
#include "dialogs/fraction_entry.h"
#include "dialogs/wall_type_dialogs.h"
#include "document/document.h"
#include "platform/file_io.h"
#include "platform/message_box.h"
#include "resources/dialogs/wall_templates.h"

namespace {

const char* FileName(int32_t metricUnits) {
    return metricUnits == 0 ? "CUSTIMP.CFG" : "CUST.CFG";
}

constexpr int32_t kInchesIds[3] = {kPlanImpCustTotal, kPlanImpCustOutside, kPlanImpCustCavity};

TEdit* EditOf(TDialog* dialog, int32_t id, int textLength, const FieldRange& range, int32_t unit = 1) {
    return dialogs::RangeEdit(dialog, id, textLength, range.low / unit, range.high / unit);
}

} // namespace

void TCustomwalldlg::CmHelp() {
    dialogs::ShowDialogHelp(this, "tvhelp.chm::/extwall.htm>wind", 251);
}

void TCustomwalldlg::Finish(const CustomWall& wall, int32_t metricUnits) {
    const bool fourLines = wall.lines > 2;
    // The fraction edits can carry a size past its whole-inch range; what the reader would refuse
    // is not stored.
    const auto ranges = CustomWallRanges(metricUnits);
    if (!ranges[1].Holds(wall.total) || !ranges[2].Holds(wall.outside) || !ranges[3].Holds(wall.cavity)) {
        MessageBox(this, "A size of the wall is larger than the dialog allows.", "CUSTOM WALL",
                   MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!LeavesAnInnerLayer(wall)) {
        MessageBox(this,
                   "The outside layer and the cavity together must be less than the total width of the "
                   "wall.",
                   "CUSTOM WALL", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!WriteCustomWall(metricUnits, wall)) {
        const std::string text =
            std::string("The custom wall could not be saved in CFG/") + FileName(metricUnits) + ".";
        MessageBox(this, text.c_str(), "CUSTOM WALL", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    Layer1 = fourLines ? wall.outside : wall.total;
    Layer2 = fourLines ? wall.cavity : 0;
    Layer3 = fourLines ? wall.total - (wall.outside + wall.cavity) : 0;
    CloseWindow(IDOK);
}

TPlancustdlg::TPlancustdlg(QWidget* parent, int32_t resId)
    : TCustomwalldlg(parent, WithWallTemplates(resId)),
      Lines(EditOf(this, kPlanCustLines, 4, CustomWallRanges(1)[0])),
      Total(EditOf(this, kPlanCustTotal, 5, CustomWallRanges(1)[1])),
      Outside(EditOf(this, kPlanCustOutside, 5, CustomWallRanges(1)[2])),
      Cavity(EditOf(this, kPlanCustCavity, 5, CustomWallRanges(1)[3])) {}

void TPlancustdlg::SetupWindow() {
    TDialog::SetupWindow();
    const CustomWall wall = ReadCustomWall(1);
    Lines->SetText(std::to_string(wall.lines));
    Total->SetText(std::to_string(wall.total));
    Outside->SetText(std::to_string(wall.outside));
    Cavity->SetText(std::to_string(wall.cavity));
}

void TPlancustdlg::CmOk() {
    // Nothing is stored until every field is within its range.
    if (!Validate()) return;
    Lines->GetText(LinesText, sizeof LinesText);
    Total->GetText(TotalText, sizeof TotalText);
    Outside->GetText(OutsideText, sizeof OutsideText);
    Cavity->GetText(CavityText, sizeof CavityText);
    Finish({pl::atoi(LinesText), pl::atoi(TotalText), pl::atoi(OutsideText), pl::atoi(CavityText)}, 1);
}

TPlanimpcustdlg::TPlanimpcustdlg(QWidget* parent, int32_t resId)
    : TCustomwalldlg(parent, WithWallTemplates(resId)),
      Lines(EditOf(this, kPlanImpCustLines, 4, CustomWallRanges(0)[0])) {
    const auto ranges = CustomWallRanges(0);
    for (int32_t i = 0; i < 3; ++i) {
        Inches[i] = EditOf(this, kInchesIds[i], 5, ranges[static_cast<size_t>(i) + 1], kImperialUnitsPerInch);
        Numerator[i] = dialogs::RangeEdit(this, kInchesIds[i] + 1, 3, 0, 7);
        Denominator[i] = dialogs::RangeEdit(this, kInchesIds[i] + 2, 3, 0, 8);
    }
}

void TPlanimpcustdlg::SetupWindow() {
    TDialog::SetupWindow();
    const CustomWall wall = ReadCustomWall(0);
    Lines->SetText(std::to_string(wall.lines));
    const int32_t lengths[3] = {wall.total, wall.outside, wall.cavity};
    for (int32_t i = 0; i < 3; ++i) {
        const InchesAndFraction shown = InchesAndFractionOf(lengths[i]);
        Inches[i]->SetText(std::to_string(shown.Inches));
        if (!shown.HasFraction) continue; // whole inches: the fraction edits keep their "0"
        Numerator[i]->SetText(std::to_string(shown.Numerator));
        Denominator[i]->SetText(std::to_string(shown.Denominator));
    }
}

void TPlanimpcustdlg::CmOk() {
    if (!Validate()) return;
    Lines->GetText(LinesText, sizeof LinesText);
    int32_t lengths[3] = {};
    for (int32_t i = 0; i < 3; ++i) {
        Inches[i]->GetText(InchesText[i], sizeof InchesText[i]);
        Numerator[i]->GetText(NumeratorText[i], sizeof NumeratorText[i]);
        Denominator[i]->GetText(DenominatorText[i], sizeof DenominatorText[i]);
        lengths[i] = LengthFromInchesAndFraction(InchesText[i], NumeratorText[i], DenominatorText[i]);
    }
    Finish({pl::atoi(LinesText), lengths[0], lengths[1], lengths[2]}, 0);
}
