#include "dialogs/feet_dialog.h"

#include <string>

#include "dialogs/dialog_building.h"
#include "dialogs/help_commands.h"
#include "document/program_state.h"
#include "platform/controls.h"
#include "resources/dialogs/feet_template.h"

namespace {

int32_t RegisteredTemplate(int32_t resId) {
    if (resId == kFeetDialogId && !pl::FindDialogTemplate(kFeetDialogId)) RegisterFeetDialogTemplate();
    return resId;
}

TEdit* RangeEdit(TDialog* dialog, int32_t id, int32_t limit, int32_t max) {
    return dialogs::RangeEdit(dialog, id, limit, 0, max);
}

} // namespace

TFeetdlg::TFeetdlg(QWidget* parent, int32_t resId, TModule*, int32_t initialLength)
    : TDialog(parent, RegisteredTemplate(resId)), InitialLength(initialLength),
      Feet(RangeEdit(this, kFeetEditId, 6, 350)), Inches(RangeEdit(this, kInchesEditId, 7, 11)),
      Numerator(RangeEdit(this, kNumeratorEditId, 4, 15)),
      Denominator(RangeEdit(this, kDenominatorEditId, 4, 16)) {}

void TFeetdlg::SetupWindow() {
    TDialog::SetupWindow();
    if (InitialLength < 1) {
        for (TEdit* edit : {Feet, Inches, Numerator, Denominator})
            edit->SetText("0");
        return;
    }
    const int32_t allInches = InitialLength / 24;
    const int32_t remainder = InitialLength % 24;
    Feet->SetText(std::to_string(allInches / 12));
    Inches->SetText(std::to_string(allInches % 12));
    if (remainder <= 0) return;
    int32_t numerator = 0;
    int32_t denominator = 0;
    if (remainder % 3 == 0) {
        numerator = remainder / 3;
        denominator = 8;
        while (numerator % 2 == 0) {
            numerator /= 2;
            denominator /= 2;
        }
    }
    Numerator->SetText(std::to_string(numerator));
    Denominator->SetText(std::to_string(denominator));
}

void TFeetdlg::CmOk() {
    if (!Validate()) return;
    Feet->GetText(FeetText, sizeof FeetText);
    Inches->GetText(InchesText, sizeof InchesText);
    Numerator->GetText(NumeratorText, sizeof NumeratorText);
    Denominator->GetText(DenominatorText, sizeof DenominatorText);
    CloseWindow(IDOK);
}

void TFeetdlg::CmHelp() {
    ShowHelp(this, DialogHelpRequest(HelpMode, "other.htm", 280));
}
