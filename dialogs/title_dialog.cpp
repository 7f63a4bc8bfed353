#include "dialogs/title_dialog.h"

#include "dialogs/dialog_building.h"
#include "dialogs/dialog_help.h"
#include "platform/controls.h"
#include "platform/message_box.h"
#include "render/print_settings.h"
#include "resources/dialogs/print_templates.h"

namespace {

// Edits of titles 1, 2, 3 and 5; the footing plan's title is fixed.
constexpr int32_t kEditIds[4] = {20001, 20002, 20003, 20005};
constexpr int kTitleIndex[4] = {0, 1, 2, 4};

} // namespace

TTitle2Ddlg::TTitle2Ddlg(QWidget* parent, const std::string& programDirectory, int32_t resId)
    : TDialog(parent, dialogs::WithTemplates<RegisterPrintDialogTemplates>(resId)),
      ProgramDirectory(programDirectory) {
    for (int i = 0; i < 4; ++i)
        Titles[i] = new TEdit(this, kEditIds[i], 25);
}

void TTitle2Ddlg::SetupWindow() {
    TDialog::SetupWindow();
    const render::FloorTitles titles = render::ReadFloorTitles();
    for (int i = 0; i < 4; ++i)
        Titles[i]->SetText(titles.titles[kTitleIndex[i]]);
}

void TTitle2Ddlg::CmOk() {
    render::FloorTitles titles;
    for (int i = 0; i < 4; ++i) {
        char text[render::kTitleCapacity + 1] = {};
        Titles[i]->GetText(text, sizeof text);
        titles.titles[kTitleIndex[i]] = text;
    }
    titles.titles[3] = render::kFootingTitle;
    if (!render::WriteFloorTitles(titles)) {
        ::MessageBox(this, "The drawing titles could not be saved", "drawing titles",
                     MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    CloseWindow(IDOK);
}

void TTitle2Ddlg::CmHelp() {
    dialogs::ShowDialogHelp(this, "tvhelp.chm::/custom.htm>wind", 310);
}
