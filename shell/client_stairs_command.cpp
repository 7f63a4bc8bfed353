// The Stairs command: stairs join two floors, so it needs a drawing with an upper floor and is run on
// the lower of the two floors.
#include <memory>

#include "document/document.h"
#include "document/program_state.h"
#include "platform/message_box.h"
#include "shell/child.h"
#include "shell/client.h"
#include "tools/stairs_tool.h"
#include "tools/working_file.h"

namespace {

constexpr int32_t kStairsHelp = 280;
constexpr int32_t kPreconditionView = 2;
constexpr int32_t kStairsStart = 10;

// Whether the drawing has a floor above the ground floor. The check reloads the document and leaves
// the ground floor current; the stairs go on the floor shown, so the view is put back. While the
// tool holds edits waiting for Enter (a selection moved, a paste or a symbol being placed), the file
// lacks them and a reload would drop them: memory, which holds the whole drawing, is asked instead.
bool HasUpperFloor(const TDrawingtool* tool) {
    if (tool && tool->HoldsUnwrittenEdits())
        return ObjectList.FloorHasObjects(kFirstFloor) != 0 || ObjectList.FloorHasObjects(kSecondFloor) != 0;
    const int32_t view = CurrentView;
    const bool used = ObjectList.UpperFloorsUsed() != 0;
    CurrentView = view;
    return used;
}

} // namespace

void TClient::CmStairs() {
    if (DrawingState <= 1) return;
    HelpContextId = kStairsHelp;
    if (!HasUpperFloor(Tool.get())) {
        MessageBox("You only have one floor", "STAIRS", MB_OK);
        return;
    }
    TChild* child = ActiveDrawingWindow();
    if (!child) return;
    if (CurrentView < kGroundFloor || CurrentView > kFourthLevel) {
        child->ShowPrecondition(kPreconditionView);
        return;
    }
    if (SaveState > 1 && tools::Failed(tools::SaveWorkingFile())) return;
    if (SaveState == 0) SaveState = 1;
    InstallTool(std::make_unique<TStepobjtool>());
    ShowToolName("STAIRS/WELLS");
    ShowGuide("GUIDE: You MUST have the LOWER floor of the two floors involved, showing");
    child->StartMultilines(kStairsStart);
}
