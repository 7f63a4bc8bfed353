#include "dialogs/feet_dialog.h"

#include <string>

#include "dialogs/tool_dialog_help.h"
#include "platform/validators.h"
#include "resources/dialogs/tool_dialog_templates.h"

namespace {

QWidget* WithTemplates(QWidget* parent) {
    RegisterToolDialogTemplates();
    return parent;
}

TEdit* RangeEdit(TDialog* dialog, int32_t id, int32_t limit, int32_t max) {
    auto* edit = new TEdit(dialog, id, limit);
    edit->SetValidator(new TRangeValidator(0, max));
    return edit;
}

} // namespace

TFeetdlg::TFeetdlg(QWidget* parent, int32_t resId, const void*, int32_t initialLength)
    : TDialog(WithTemplates(parent), resId), InitialLength(initialLength) {
    Feet = RangeEdit(this, tooldlg::kFeet, 6, 350);
    Inches = RangeEdit(this, tooldlg::kInches, 7, 11);
    Numerator = RangeEdit(this, tooldlg::kNumerator, 4, 15);
    Denominator = RangeEdit(this, tooldlg::kDenominator, 4, 16);
}

void TFeetdlg::SetupWindow() {
    TDialog::SetupWindow();
    if (InitialLength < 1) {
        for (TEdit* edit : {Feet, Inches, Numerator, Denominator})
            edit->SetText("0");
        return;
    }
    const int32_t wholeInches = InitialLength / 24;
    const int32_t remainder = InitialLength % 24;
    Feet->SetText(std::to_string(wholeInches / 12));
    Inches->SetText(std::to_string(wholeInches % 12));
    if (remainder == 0) return; // the fraction keeps the template's 0
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
    Feet->GetText(FeetText, sizeof FeetText);
    Inches->GetText(InchesText, sizeof InchesText);
    Numerator->GetText(NumeratorText, sizeof NumeratorText);
    Denominator->GetText(DenominatorText, sizeof DenominatorText);
    CloseWindow(IDOK);
}

void TFeetdlg::CmHelp() {
    ShowToolDialogHelp(this, "tvhelp.chm::/other.htm>wind", 280);
}
