// The Windows and Doors/Openings commands: install the door and window tool, run its dialogs, and
// let the preview follow the pointer until a key marks the wall.
#include <memory>

#include "document/program_state.h"
#include "shell/child.h"
#include "shell/client.h"
#include "shell/plan_dialog_steps.h"
#include "tools/window_tool.h"
#include "tools/working_file.h"

namespace {

constexpr int32_t kOpeningHelp = 290;
constexpr int32_t kPreconditionView = 2;

bool OnFloorPlan() {
    return CurrentView >= kGroundFloor && CurrentView <= kFourthLevel;
}

bool IsAnyOf(int32_t kind, std::initializer_list<int32_t> kinds) {
    for (int32_t k : kinds)
        if (k == kind) return true;
    return false;
}

// The guide of the door kinds, or null for a kind that leaves the guide line as it is.
const char* DoorGuide(int32_t kind) {
    if (IsAnyOf(kind, {3, 13, 21, 24})) return "GUIDE: press enter when cursor is nearer the face wall line";
    if (IsAnyOf(kind, {5, 6, 9, 15, 16, 19})) return "GUIDE: press enter when cursor is between wall lines";
    if (IsAnyOf(kind, {7, 10, 17, 20}))
        return "press enter when cursor is near to side of wall doors will hinged on";
    if (IsAnyOf(kind, {22, 23}))
        return "press enter when cursor nearer face wall line - if INWALL sliders  mark between lines";
    return nullptr;
}

// Installs the tool and runs the dialog; the tool when the user confirmed it, else null.
TWindowobjtool* InstallOpeningTool(TClient& client, int32_t dialogKind) {
    if (DrawingState <= 1) return nullptr;
    TChild* child = client.ActiveDrawingWindow();
    if (!child) return nullptr;
    if (!OnFloorPlan()) {
        child->ShowPrecondition(kPreconditionView);
        return nullptr;
    }
    client.ShowToolName("Window");
    HelpContextId = kOpeningHelp;
    if (SaveState == 0) SaveState = 1;
    client.InstallTool(std::make_unique<TWindowobjtool>());
    child->RunPlanDialog(dialogKind);
    // A cancelled dialog has put the Pick tool in its place.
    auto* tool = dynamic_cast<TWindowobjtool*>(client.Tool.get());
    if (!tool || tool->Kind != toolkind::kOpening) return nullptr;
    if (tools::Failed(tools::SaveWorkingFile())) {
        client.SelectPickTool();
        return nullptr;
    }
    return tool;
}

} // namespace

void TClient::CmWindows() {
    TWindowobjtool* tool = InstallOpeningTool(*this, plandialog::kWindow);
    if (!tool) return;
    if (IsAnyOf(tool->OpeningKind, {1, 2, 4, 11, 12}))
        ShowGuide("GUIDE: move to the window wall position and press enter");
    tool->Dragging = 1;
}

void TClient::CmDoors() {
    TWindowobjtool* tool = InstallOpeningTool(*this, plandialog::kDoor);
    if (!tool) return;
    if (const char* guide = DoorGuide(tool->OpeningKind)) ShowGuide(guide);
    tool->Dragging = 1;
}
