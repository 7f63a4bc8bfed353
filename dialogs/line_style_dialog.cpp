#include "dialogs/line_style_dialog.h"

#include "dialogs/dialog_building.h"
#include "resources/dialogs/tool_dialog_templates.h"

namespace {

struct StyleChoice {
    int32_t Id;
    int32_t Width;
    int32_t Style;
};

constexpr StyleChoice kChoices[5] = {{tooldlg::kSolidThin, 1, 0},
                                     {tooldlg::kSolidThick, 2, 0},
                                     {tooldlg::kDashedThin, 1, 1},
                                     {tooldlg::kDottedThin, 1, 2},
                                     {tooldlg::kDotDashThin, 1, 3}};

} // namespace

TLinedlg::TLinedlg(QWidget* parent, int32_t resId)
    : TDialog(dialogs::WithTemplates<RegisterToolDialogTemplates>(parent), resId) {
    for (int i = 0; i < 5; ++i)
        Styles[i] = new TRadioButton(this, kChoices[i].Id);
}

void TLinedlg::SetupWindow() {
    TDialog::SetupWindow();
    Styles[0]->Check();
}

void TLinedlg::CmOk() {
    for (int i = 0; i < 5; ++i) {
        if (Styles[i]->GetCheck() == BF_CHECKED) {
            ToolPenWidth = kChoices[i].Width;
            ToolPenStyle = kChoices[i].Style;
            break;
        }
    }
    CloseWindow(IDOK);
}
