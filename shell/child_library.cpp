// The drawing window's library and paste operations: inserting a symbol from a library group with a
// preview while the list is open, pasting what was last copied, and gathering part of the plan for
// a new library file. Both insertions end with the new objects selected for the move tool.
#include <memory>

#include "dialogs/library_list_dialog.h"
#include "document/checked_file.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/message_box.h"
#include "resources/dialogs/library_templates.h"
#include "shell/child.h"
#include "shell/child_tool_call.h"
#include "shell/client.h"
#include "tools/move_tool.h"
#include "tools/tool_kinds.h"

namespace {

constexpr int32_t kLibraryHelp = 330;
constexpr int32_t kMoveToolKind = 78; // RestoreTool: a fresh move tool

// Replaces the current tool with a move tool whose selection is every object from firstIndex on.
TMoveobjtool* SelectAppendedForMoving(TChild& window, int32_t firstIndex) {
    TClient& client = window.Client();
    TRect rc = window.GetClientRect();
    client.RestoreTool(kMoveToolKind);
    auto* tool = dynamic_cast<TMoveobjtool*>(client.Tool.get());
    if (!tool) return nullptr;
    tool->Kind = toolkind::kMove;
    tool->Window = &window;
    if (tools::Failed(shell::CallTool(window, [&](TDC& dc) { tool->SelectAppended(dc, rc, firstIndex, 0); })))
        return nullptr;
    tool->Mode = movestate::kSelected;
    return tool;
}

// Takes the preview out again and leaves the drawing as it was at entry.
void CancelInsertion(TChild& window, int32_t savedCount, int32_t savedView, int32_t savedIdCounter) {
    while (ObjectList.count > savedCount)
        ObjectList.RemoveAt(ObjectList.count - 1);
    CurrentView = savedView;
    // The preview's identifiers are gone with it: the counter goes back so the file is as before.
    IdCounter = savedIdCounter;
    // A selection listed before the insertion may name indices the preview shifted.
    ObjectList.ForgetSelection();
    if (!WriteOrTell(ObjectList, filemode::kWorking)) return;
    window.Client().Tool->Kind = toolkind::kPickQuiet;
    window.InvalidateArea(invalidatekind::kLibraryStrip);
}

} // namespace

void TChild::InsertLibrarySymbol(int32_t group) {
    TClient& client = Client();
    const int32_t savedView = CurrentView;
    const int32_t savedIdCounter = IdCounter;
    const int32_t savedCount = ObjectList.count;
    client.SelectPickTool();
    // After the pick tool, whose own guide would replace it while the list is open.
    client.ShowGuide("click LB to preview choices in bottom left corner, press ENTER when correct");
    // The library page answers F1 while the list is open and after it, whatever the pick tool set.
    HelpContextId = kLibraryHelp;

    TLiblistdlg dialog(client.GetHandle(), kLibraryListDialogId, group);
    dialog.Previewed = [this] { InvalidateArea(invalidatekind::kLibraryStrip); };
    if (dialog.Execute() != IDOK) return CancelInsertion(*this, savedCount, savedView, savedIdCounter);

    TMoveobjtool* tool = SelectAppendedForMoving(*this, savedCount);
    if (!tool) return;
    tool->SymbolFromLibrary = true;
    client.ShowGuide("GUIDE: click reference point on library object & click new position");
    HelpContextId = kLibraryHelp;
}

void TChild::StartPaste() {
    TClient& client = Client();
    const int32_t firstNew = ObjectList.count;
    // A missing paste file (nothing copied yet) inserts nothing and so selects nothing.
    if (ObjectList.InsertLibrary("PASTE.CFG") == FileResult::Damaged) {
        while (ObjectList.count > firstNew)
            ObjectList.RemoveAt(ObjectList.count - 1);
        MessageBox("What was copied could not be read back (LIBS/PASTE.CFG is damaged): nothing was pasted.",
                   "PASTE", MB_OK | MB_ICONEXCLAMATION);
    }
    if (!WriteOrTell(ObjectList, filemode::kWorking)) return;
    InvalidateArea(invalidatekind::kLibraryStrip);
    TMoveobjtool* tool = SelectAppendedForMoving(*this, firstNew);
    if (!tool) return;
    client.ShowGuide("GUIDE: click LEFT Button on reference point and MOVE,press ENTER to finish");
    tool->ToolView = CurrentView;
}

void TChild::StartAddToLibrary() {
    TClient& client = Client();
    client.RestoreTool(toolkind::kCopy);
    // Re-creating the copy tool goes through the Copy command, which sets the editing help; the
    // gathering belongs to the library page.
    HelpContextId = kLibraryHelp;
    // The gathering needs a copy tool even where the Copy command left the current tool in place.
    if (!dynamic_cast<TCopyobjtool*>(client.Tool.get())) client.InstallTool(std::make_unique<TCopyobjtool>());
    static_cast<TCopyobjtool&>(*client.Tool).LibraryMode() = copymode::kForLibrary;
    client.ShowGuide("GUIDE: click LB just outside one corner and DRAG over new library item");
}
