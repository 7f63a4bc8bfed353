#include "dialogs/custom_wall_dialogs.h"

#include <string>

#include "dialogs/dialog_building.h"
#include "dialogs/dialog_help.h"
#include "dialogs/fraction_entry.h"
#include "dialogs/wall_type_dialogs.h"
#include "document/document.h"
#include "platform/file_io.h"
#include "platform/message_box.h"
#include "platform/settings_file.h"
#include "resources/default_settings.h"
#include "resources/dialogs/wall_templates.h"

namespace {

constexpr const char* kFormat = "%d %d %d %d";

const char* FileName(int32_t metricUnits) {
    return metricUnits == 0 ? "CUSTIMP.CFG" : "CUST.CFG";
}

// Inches edit range, then the fraction edits' (numerator 0 to 7, denominator 0 to 8).
constexpr int32_t kInchesRange[3][2] = {{1, 30}, {0, 25}, {0, 20}};
constexpr int32_t kInchesIds[3] = {kPlanImpCustTotal, kPlanImpCustOutside, kPlanImpCustCavity};

} // namespace

CustomWall ReadCustomWall(const std::string& dir, int32_t metricUnits) {
    CustomWall wall;
    pl::ScanSettings(dir + "CFG/" + FileName(metricUnits), DefaultSettings(FileName(metricUnits)), kFormat,
                     &wall.lines, &wall.total, &wall.outside, &wall.cavity);
    return wall;
}

bool WriteCustomWall(const std::string& dir, int32_t metricUnits, const CustomWall& wall) {
    return pl::WriteTextFile(dir + "CFG/" + FileName(metricUnits),
                             pl::Format(kFormat, wall.lines, wall.total, wall.outside, wall.cavity));
}

void TCustomwalldlg::CmHelp() {
    dialogs::ShowDialogHelp(this, "tvhelp.chm::/extwall.htm>wind", 251);
}

void TCustomwalldlg::Finish(const CustomWall& wall, int32_t metricUnits) {
    const bool fourLines = wall.lines > 2;
    if (fourLines && wall.outside + wall.cavity >= wall.total) {
        MessageBox(this,
                   "The outside layer and the cavity together must be less than the total width of the "
                   "wall.",
                   "CUSTOM WALL", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!WriteCustomWall(ObjectList.ProgramDirectory, metricUnits, wall)) {
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
      Lines(dialogs::RangeEdit(this, kPlanCustLines, 4, 2, 4)),
      Total(dialogs::RangeEdit(this, kPlanCustTotal, 5, 25, 900)),
      Outside(dialogs::RangeEdit(this, kPlanCustOutside, 5, 0, 800)),
      Cavity(dialogs::RangeEdit(this, kPlanCustCavity, 5, 0, 790)) {}

void TPlancustdlg::SetupWindow() {
    TDialog::SetupWindow();
    const CustomWall wall = ReadCustomWall(ObjectList.ProgramDirectory, 1);
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
      Lines(dialogs::RangeEdit(this, kPlanImpCustLines, 4, 2, 4)) {
    for (int32_t i = 0; i < 3; ++i) {
        Inches[i] = dialogs::RangeEdit(this, kInchesIds[i], 5, kInchesRange[i][0], kInchesRange[i][1]);
        Numerator[i] = dialogs::RangeEdit(this, kInchesIds[i] + 1, 3, 0, 7);
        Denominator[i] = dialogs::RangeEdit(this, kInchesIds[i] + 2, 3, 0, 8);
    }
}

void TPlanimpcustdlg::SetupWindow() {
    TDialog::SetupWindow();
    const CustomWall wall = ReadCustomWall(ObjectList.ProgramDirectory, 0);
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
