// Save As: a copy of the whole drawing, every view, under a new client name. The program goes on
// working on the drawing that was open.
#include <string>

#include "dialogs/save_dialogs.h"
#include "document/checked_file.h"
#include "document/document.h"
#include "document/drawing_name.h"
#include "document/working_file_step.h"
#include "platform/message_box.h"
#include "shell/child.h"
#include "shell/client.h"
#include "shell/drawing_start.h"

namespace {

constexpr const char* kSavedAs = "saved under a new name";

// The drawing under the new name, which is not the working file of the open drawing.
bool WriteNamedCopy(TChild& child) {
    if (ObjectList.WriteDrawingFile(filemode::kWorking, pl::Sync::ToDisk) == FileResult::Ok) return true;
    const std::string text =
        NotSavedText(kSavedAs, "the file", ObjectList.DrawingFilePath(filemode::kWorking));
    MessageBox(child.GetHandle(), text.c_str(), "Save As", MB_OK | MB_ICONEXCLAMATION);
    return false;
}

} // namespace

void TChild::SaveDrawingAs() {
    if (ObjectList.count == 0) return;
    if (!SaveWorkingFile(ObjectList, kSavedAs)) return;
    const std::string current = ObjectList.DrawingName;

    TSaveasdlg dialog(GetHandle(), kSaveAsDialogId);
    const int answer = dialog.Execute();
    const std::optional<std::string> typed = DrawingNameFrom(dialog.NewName);
    if (answer != IDOK || !typed) {
        Invalidate(false);
        return;
    }
    const std::string& name = *typed;
    // Another drawing of that name is the user's work: it is replaced only when they say so.
    if (name != current && DrawingExists(name) && !ConfirmReplaceDrawing(Client(), name)) {
        Invalidate(false);
        return;
    }

    ObjectList.SetDrawingName(name);
    (void)WriteNamedCopy(*this); // told; the open drawing keeps its name either way
    ObjectList.SetDrawingName(current);
    Invalidate(false);
}
