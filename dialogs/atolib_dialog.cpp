#include "dialogs/atolib_dialog.h"

#include <string>

#include "dialogs/dialog_building.h"
#include "dialogs/dialog_help.h"
#include "dialogs/library_list_dialog.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/controls.h"
#include "platform/file_io.h"
#include "platform/message_box.h"
#include "platform/validators.h"
#include "platform/window.h"
#include "resources/dialogs/library_templates.h"

namespace {

constexpr int32_t kLibraryHelp = 330;
constexpr int32_t kNameLimit = 25; // 24 characters and the terminator

} // namespace

TAtolibdlg::TAtolibdlg(TWindow* parent, int32_t resId)
    : TDialog(parent ? parent->GetHandle() : nullptr,
              dialogs::WithTemplates<RegisterLibraryDialogTemplates>(resId)),
      NameEdit(new TEdit(this, kLibraryNameEditId, kNameLimit)),
      Groups{new TRadioButton(this, kPlumbingRadioId), new TRadioButton(this, kElectricalRadioId),
             new TRadioButton(this, kFurnitureRadioId), new TRadioButton(this, kMiscellaneousRadioId)} {
    NameEdit->SetValidator(new TFilterValidator("A-Za-z0-9, "));
}

void TAtolibdlg::SetupWindow() {
    TDialog::SetupWindow();
    Groups[0]->Check();
}

void TAtolibdlg::CmOk() {
    NameEdit->GetText(Name, sizeof Name);
    for (int32_t i = 0; i < 4; ++i)
        if (Groups[i]->GetCheck() == BF_CHECKED) Group = i + 1;
    if (Name[0] == '\0') {
        MessageBox(this, "Type a name for the library item first.", "LIBRARY", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const std::string fileName = Name + LibraryExtension(Group, MetricUnits);
    if (pl::FileExists(ObjectList.ProgramDirectory + "LIBS/" + fileName)) {
        const std::string question = "The library file " + fileName + " exists already. Replace it?";
        if (MessageBox(this, question.c_str(), "LIBRARY", MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    }
    if (ObjectList.SaveLibraryCategory(Group, Name) != FileResult::Ok) {
        const std::string text = "The library file LIBS/" + fileName + " could not be written.";
        MessageBox(this, text.c_str(), "LIBRARY", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    CloseWindow(IDOK);
}

void TAtolibdlg::CmHelp() {
    dialogs::ShowDialogHelp(this, "tvhelp.chm::/library.htm>wind", kLibraryHelp);
}
