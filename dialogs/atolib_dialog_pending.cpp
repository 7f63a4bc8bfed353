// PENDING: the add-to-library dialog belongs to the library commands. Until it is built the dialog
// answers Cancel at once. Whoever builds it replaces this file.
#include "dialogs/atolib_dialog.h"

#include "platform/win_types.h"

TAtolibdlg::TAtolibdlg(TWindow* parent, int32_t resId) : Parent(parent), ResId(resId) {}

int TAtolibdlg::Execute() {
    return IDCANCEL;
}
