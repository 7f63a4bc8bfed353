#include "dialogs/save_dialogs.h"

#include <string>

#include "dialogs/dialog_building.h"
#include "dialogs/help_commands.h"
#include "dialogs/help_context.h"
#include "document/checked_file.h"
#include "document/document.h"
#include "document/program_state.h"
#include "document/working_file_step.h"
#include "platform/message_box.h"
#include "platform/validators.h"

namespace {

constexpr const char* kFileHelpPage = "file.htm";

void ReportFailure(QWidget* owner, const std::string& text) {
    MessageBox(owner, text.c_str(), "Save", MB_OK | MB_ICONEXCLAMATION);
}

} // namespace

TSavedlg::TSavedlg(QWidget* parent, int32_t resId)
    : TDialog(dialogs::WithTemplates<RegisterFileDialogTemplates>(parent), resId) {}

void TSavedlg::CmOk() {
    // A working file that could not be written has been told.
    const bool drawing = SaveWorkingFile(ObjectList);
    const bool copy =
        drawing && ObjectList.WriteDrawingFile(filemode::kScratch, pl::Sync::ToDisk) == FileResult::Ok;
    SaveFailed = !(drawing && copy);
    if (drawing && !copy)
        ReportFailure(
            this, NotSavedText("saved", "its saved copy", ObjectList.DrawingFilePath(filemode::kScratch)));
    CloseWindow(IDOK);
}

void TSavedlg::CmNo() {
    ObjectList.Flush();
    const FileResult read = ObjectList.ReadDrawingFile(filemode::kScratch);
    if (read == FileResult::Ok && ObjectList.count == 0) {
        // Never saved: the drawing had no saved state to go back to.
        ObjectList.ClearDrawingFile();
    } else if (read == FileResult::Ok) {
        // A failed write has been told, and the drawing is read back from the file, which keeps the
        // changes: memory never shows a saved state the file does not hold.
        static_cast<void>(WriteWorkingFile(ObjectList));
    } else {
        // Without a readable saved copy nothing is known to go back to: the changes stay.
        ObjectList.Flush();
        (void)ObjectList.ReadDrawingFile(
            filemode::kWorking); // the one message below covers this read as well
        ReportFailure(this, "The saved copy " + ObjectList.DrawingFilePath(filemode::kScratch) +
                                " could not be read.\nThe drawing file keeps the changes.");
    }
    CloseWindow(IDOK);
}

TSaveasdlg::TSaveasdlg(QWidget* parent, int32_t resId)
    : TDialog(dialogs::WithTemplates<RegisterFileDialogTemplates>(parent), resId),
      NameEdit(new TEdit(this, kSaveAsNameEdit, kClientNameLimit)) {
    NameEdit->SetValidator(new TFilterValidator(kClientNameCharacters));
}

void TSaveasdlg::SetupWindow() {
    TDialog::SetupWindow();
    NameEdit->SetText("client");
}

void TSaveasdlg::CmOk() {
    if (!Validate()) return;
    NameEdit->GetText(NewName, sizeof NewName);
    CloseWindow(IDOK);
}

void TSaveasdlg::CmHelp() {
    ShowHelp(this, DialogHelpRequest(HelpMode, kFileHelpPage, kFileContext));
}
