#include "dialogs/manipulate_dialog.h"

#include "dialogs/dialog_building.h"
#include "dialogs/dialog_help.h"
#include "document/document.h"
#include "platform/controls.h"
#include "platform/validators.h"
#include "resources/dialogs/print_templates.h"

namespace {

constexpr int32_t kCodes[4] = {90, 180, 270, 1};

} // namespace

TManipdlg::TManipdlg(QWidget* parent, int32_t resId)
    : TDialog(parent, dialogs::WithTemplates<RegisterPrintDialogTemplates>(resId)) {
    NameEdit = new TEdit(this, 19001, 25);
    // The name becomes a file name: letters, digits, comma and blank only.
    NameEdit->SetValidator(new TFilterValidator("A-Za-z0-9, "));
    for (int i = 0; i < 4; ++i)
        Choices[i] = new TRadioButton(this, 19002 + i);
}

void TManipdlg::SetupWindow() {
    TDialog::SetupWindow();
    Choices[0]->Check();
    NameEdit->SetText(ObjectList.DrawingName);
}

void TManipdlg::CmOk() {
    if (!Validate()) return;
    NameEdit->GetText(Name, sizeof Name);
    Code = 90;
    for (int i = 0; i < 4; ++i) {
        if (Choices[i]->GetCheck() == BF_CHECKED) {
            Code = kCodes[i];
            break;
        }
    }
    CloseWindow(IDOK);
}

void TManipdlg::CmHelp() {
    dialogs::ShowDialogHelp(this, "tvhelp.chm::/file.htm>wind", 200);
}
