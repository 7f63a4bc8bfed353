#include "dialogs/stairs_dialogs.h"

#include "dialogs/dialog_building.h"
#include "dialogs/dialog_help.h"
#include "platform/controls.h"
#include "platform/file_io.h"
#include "resources/dialogs/stairs_templates.h"

namespace {

constexpr const char* kHelpPage = "tvhelp.chm::/other.htm>wind";
constexpr int32_t kHelpContext = 280;
constexpr int32_t kUnitsPerInch = 24;

// The stairs dialogs count the characters typed; the edit's limit holds the terminator too.
TEdit* RangeEdit(TDialog* dialog, int32_t id, int32_t characters, int32_t low, int32_t high) {
    return dialogs::RangeEdit(dialog, id, characters + 1, low, high);
}

// The first checked radio of a group gives its 1-based position; none leaves the value as it was.
template <size_t N> void TakeChecked(TRadioButton* const (&radios)[N], int32_t& value) {
    for (size_t i = 0; i < N; ++i) {
        if (radios[i]->GetCheck() == BF_CHECKED) {
            value = static_cast<int32_t>(i) + 1;
            return;
        }
    }
}

int32_t FeetAndInches(const char* feet, const char* inches) {
    const int32_t in = pl::atol(inches);
    return (pl::atol(feet) * 12 + (in > 0 ? in : 0)) * kUnitsPerInch;
}

} // namespace

TStrsdlg::TStrsdlg(QWidget* parent, int32_t resId)
    : TDialog(parent, dialogs::WithTemplates<RegisterStairsDialogTemplates>(resId)) {
    using namespace stairsdlg;
    Width = RangeEdit(this, kWidth, 6, 800, 6000);
    Stairwell = RangeEdit(this, kStairwell, 6, 0, 7500);
    Storey = RangeEdit(this, kStorey, 6, 2000, 7500);
    Flights[0] = new TRadioButton(this, kHalfwayLanding);
    Flights[1] = new TRadioButton(this, kStraightFlight);
    Positions[0] = new TRadioButton(this, kTopAtTop);
    Positions[1] = new TRadioButton(this, kTopAtRight);
    Positions[2] = new TRadioButton(this, kTopAtBottom);
    Positions[3] = new TRadioButton(this, kTopAtLeft);
}

void TStrsdlg::SetupWindow() {
    TDialog::SetupWindow();
    Flights[0]->Check();
    Positions[3]->Check();
}

void TStrsdlg::CmOk() {
    if (!Validate()) return;
    Width->GetText(WidthText, sizeof WidthText);
    Stairwell->GetText(StairwellText, sizeof StairwellText);
    Storey->GetText(StoreyText, sizeof StoreyText);
    TakeChecked(Flights, FlightKind);
    TakeChecked(Positions, TopTread);
    CloseWindow(IDOK);
}

void TStrsdlg::CmHelp() {
    dialogs::ShowDialogHelp(this, kHelpPage, kHelpContext);
}

StairsEntry TStrsdlg::Entry() const {
    return {pl::atol(WidthText), pl::atol(StairwellText), pl::atol(StoreyText), FlightKind, TopTread};
}

TStrsimpdlg::TStrsimpdlg(QWidget* parent, int32_t resId)
    : TDialog(parent, dialogs::WithTemplates<RegisterStairsDialogTemplates>(resId)) {
    using namespace stairsdlg;
    Width = RangeEdit(this, kImpWidth, 5, 32, 240);
    StairwellFeet = RangeEdit(this, kImpStairwellFeet, 4, 0, 25);
    StairwellInches = RangeEdit(this, kImpStairwellInches, 4, 0, 11);
    StoreyFeet = RangeEdit(this, kImpStoreyFeet, 6, 6, 15);
    StoreyInches = RangeEdit(this, kImpStoreyInches, 4, 0, 11);
    Flights[0] = new TRadioButton(this, kImpHalfwayLanding);
    Flights[1] = new TRadioButton(this, kImpStraightFlight);
    Positions[0] = new TRadioButton(this, kImpTopAtTop);
    Positions[1] = new TRadioButton(this, kImpTopAtRight);
    Positions[2] = new TRadioButton(this, kImpTopAtBottom);
    Positions[3] = new TRadioButton(this, kImpTopAtLeft);
}

void TStrsimpdlg::SetupWindow() {
    TDialog::SetupWindow();
    Flights[0]->Check();
    Positions[3]->Check();
}

void TStrsimpdlg::CmOk() {
    if (!Validate()) return;
    Width->GetText(WidthText, sizeof WidthText);
    StairwellFeet->GetText(StairwellFeetText, sizeof StairwellFeetText);
    StairwellInches->GetText(StairwellInchesText, sizeof StairwellInchesText);
    StoreyFeet->GetText(StoreyFeetText, sizeof StoreyFeetText);
    StoreyInches->GetText(StoreyInchesText, sizeof StoreyInchesText);
    TakeChecked(Flights, FlightKind);
    TakeChecked(Positions, TopTread);
    CloseWindow(IDOK);
}

void TStrsimpdlg::CmHelp() {
    dialogs::ShowDialogHelp(this, kHelpPage, kHelpContext);
}

StairsEntry TStrsimpdlg::Entry() const {
    return {pl::atol(WidthText) * kUnitsPerInch, FeetAndInches(StairwellFeetText, StairwellInchesText),
            FeetAndInches(StoreyFeetText, StoreyInchesText), FlightKind, TopTread};
}
