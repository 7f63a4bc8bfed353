#include "dialogs/about_dialog.h"

TAboutdlg::TAboutdlg(QWidget* parent, int32_t resId) : TDialog(parent, resId) {}

void TAboutdlg::CmOk() {
    CloseWindow(IDOK);
}
