#include "dialogs/line_text_dialog.h"

#include "dialogs/dialog_building.h"
#include "dialogs/help_commands.h"
#include "document/program_state.h"
#include "resources/dialogs/tool_dialog_templates.h"

TLtxtdlg::TLtxtdlg(QWidget* parent, int32_t resId)
    : TDialog(dialogs::WithTemplates<RegisterToolDialogTemplates>(parent), resId) {
    TextEdit = new TEdit(this, tooldlg::kLineText, kTextCapacity);
    LeftOrAbove = new TRadioButton(this, tooldlg::kLeftOrAbove);
    RightOrBelow = new TRadioButton(this, tooldlg::kRightOrBelow);
}

void TLtxtdlg::SetupWindow() {
    TDialog::SetupWindow();
    LeftOrAbove->Check();
}

void TLtxtdlg::CmOk() {
    TextEdit->GetText(Text, kTextCapacity);
    Side = RightOrBelow->GetCheck() == BF_CHECKED ? 2 : 1;
    CloseWindow(IDOK);
}

void TLtxtdlg::CmHelp() {
    ShowHelp(this, DialogHelpRequest(HelpMode, "tools3.htm", 242));
}
