#include "dialogs/text_details_dialog.h"

#include <string>

#include "dialogs/dialog_building.h"
#include "dialogs/help_commands.h"
#include "document/document.h"
#include "document/program_state.h"
#include "resources/dialogs/tool_dialog_templates.h"

TTextdlg::TTextdlg(QWidget* parent, int32_t resId)
    : TDialog(dialogs::WithTemplates<RegisterToolDialogTemplates>(parent), resId) {
    Centred = new TRadioButton(this, tooldlg::kCentred);
    ToRight = new TRadioButton(this, tooldlg::kToRight);
    Horizontal = new TRadioButton(this, tooldlg::kHorizontal);
    Vertical = new TRadioButton(this, tooldlg::kVertical);
    FontName = new TStatic(this, tooldlg::kFontName, 32);
    FontWeight = new TStatic(this, tooldlg::kFontWeight, 10);
    PointSize = new TStatic(this, tooldlg::kPointSize, 5);
}

void TTextdlg::SetupWindow() {
    TDialog::SetupWindow();
    FontName->SetText(ObjectList.DefaultFontName);
    FontWeight->SetText(std::to_string(DefaultTextWeight));
    PointSize->SetText(std::to_string(DefaultTextHeight));
    Centred->Check();
    Horizontal->Check();
}

void TTextdlg::CmOk() {
    if (Centred->GetCheck() == BF_CHECKED)
        TextAlignment = 1;
    else if (ToRight->GetCheck() == BF_CHECKED)
        TextAlignment = 2;
    if (Horizontal->GetCheck() == BF_CHECKED)
        TextAngle = 0;
    else if (Vertical->GetCheck() == BF_CHECKED)
        TextAngle = 2700;
    CloseWindow(IDOK);
}

void TTextdlg::CmHelp() {
    ShowHelp(this, DialogHelpRequest(HelpMode, "tools3.htm", 242));
}
