// Saving and leaving a drawing: Save, Save As, the auto-save toggle, the save question and Exit.
//
// The working file always holds the current drawing; the saved state lives in the scratch copy.
// Saving copies the document to both, declining brings the scratch copy back. A write that fails is
// reported and the drawing stays marked modified.
#include <string>

#include "dialogs/help_context.h"
#include "dialogs/save_dialogs.h"
#include "document/checked_file.h"
#include "document/document.h"
#include "document/program_state.h"
#include "document/working_file_step.h"
#include "platform/file_io.h"
#include "platform/frame_window.h"
#include "platform/gadget_window.h"
#include "platform/help.h"
#include "platform/message_box.h"
#include "shell/auto_save_setting.h"
#include "shell/child.h"
#include "shell/child_tool_call.h"
#include "shell/client.h"
#include "shell/view_switching.h"
#include "tools/drawing_tool.h"

namespace {

constexpr int32_t kCentreSitePlan = 59;
constexpr int32_t kAutoSaveOn = 2;
constexpr int32_t kAutoSaveOff = 1;

// The working file, then the scratch copy; true when both were written.
bool WriteBoth(TClient& client) {
    // A working file that could not be written has been told.
    if (!SaveWorkingFile(ObjectList)) return false;
    if (ObjectList.WriteDrawingFile(filemode::kScratch, pl::Sync::ToDisk) == FileResult::Ok) return true;
    const std::string text =
        NotSavedText("saved", "its saved copy", ObjectList.DrawingFilePath(filemode::kScratch));
    MessageBox(client.GetHandle(), text.c_str(), "Save", MB_OK | MB_ICONEXCLAMATION);
    return false;
}

} // namespace

void TClient::CmFileSave() {
    HelpContextId = kFileContext;
    if (DrawingState <= 1) return;
    if (WriteBoth(*this) && SaveState == 1) SaveState = 0;
}

void TClient::CeFileSave(TCommandEnabler& ce) {
    if (SaveState == 1) {
        ce.Enable(true);
    } else if (SaveState == 0 || SaveState == 2) {
        ce.Enable(false);
    }
}

void TClient::CeFileSaveAs(TCommandEnabler& ce) {
    ce.Enable(ObjectList.count > 0);
}

void TClient::CeAutoSave(TCommandEnabler& ce) {
    ce.SetCheck(SaveState == kAutoSaveOn ? TCommandEnabler::Checked : TCommandEnabler::Unchecked);
}

void TClient::CmAutoSave() {
    SaveState = SaveState == kAutoSaveOn ? kAutoSaveOff : kAutoSaveOn;
    if (!shell::WriteAutoSave(SaveState))
        MessageBox("The auto save setting could not be kept in CFG/SAVE.CFG.", "AUTO SAVE",
                   MB_OK | MB_ICONEXCLAMATION);
}

bool TClient::SaveIfModified() {
    if (SaveState == 1) {
        TSavedlg question(GetHandle(), kSaveQuestionDialogId);
        question.Execute();
        if (question.SaveFailed) return false;
        SaveState = 0;
    } else if (SaveState == kAutoSaveOn) {
        return SaveWorkingFile(ObjectList);
    }
    return true;
}

void TClient::CmFileSaveAs() {
    HelpContextId = kFileContext;
    TChild* child = ActiveDrawingWindow();
    if (DrawingState <= 1 || !child) return;
    if (SaveState == 1) {
        // What the user saves here is saved for good: the saved copy follows the working file, so
        // declining to save later does not take it back.
        if (!WriteBoth(*this)) return;
        SaveState = 0;
    }
    if (StatusBar)
        StatusBar->SetText("GUIDE: Saves this file group to a new drawing name, original is still in use");
    child->SaveDrawingAs();
}

void TClient::CmExit() {
    if (CurrentView == kSitePlan) {
        RestoreTool(toolkind::kLine);
        // Leaving goes on after a failed write: it has been told, and the save question follows.
        if (Tool && Tool->Kind == toolkind::kLine)
            static_cast<void>(shell::CallTool(*this, [&] { Tool->Command(kCentreSitePlan); }));
    }
    shell::ReturnLayoutRoomsOnLeaving();
    if (ObjectList.count > 4) {
        // A save that failed keeps the program running, so the user can try again.
        if ((SaveState == 1 || SaveState == kAutoSaveOn) && !SaveIfModified()) return;
    }
    // Declining brought back the saved copy, which may have been saved on the layout.
    shell::ReturnLayoutRoomsOnLeaving();
    ObjectList.Flush();
    if (HelpMode == helpmode::kPages) {
        HtmlHelpA(nullptr, nullptr, HH_CLOSE_ALL, 0);
        HtmlHelpA(nullptr, nullptr, HH_UNINITIALIZE, HelpCookie);
    }
    if (Frame) Frame->CloseWindow(0);
}
