// The internal-wall commands: Draw Internal Wall with its thickness dialog, the delete pick, and the
// line tool's pick of a partition whose end the next arrow key moves, extends or shortens.
#include <memory>

#include "document/program_state.h"
#include "shell/child.h"
#include "shell/client.h"
#include "tools/line_tool.h"
#include "tools/wall_tools.h"

namespace {

constexpr int32_t kInternalWallHelp = 253;
constexpr int32_t kPreconditionView = 2;
constexpr int32_t kPartitionDialog = 9;

bool OnFloorPlan() {
    return CurrentView >= kGroundFloor && CurrentView <= kFourthLevel;
}

// The shared start of the commands that need a drawing window on a floor plan: the window, or null
// when the command stops here (after the precondition message when the view is wrong).
TChild* FloorPlanWindow(TClient& client) {
    if (DrawingState <= 1) return nullptr;
    TChild* child = client.ActiveDrawingWindow();
    if (!child) return nullptr;
    if (!OnFloorPlan()) {
        child->ShowPrecondition(kPreconditionView);
        return nullptr;
    }
    return child;
}

void StartCommand() {
    HelpContextId = kInternalWallHelp;
    if (SaveState == 0) SaveState = 1;
}

void InstallEndPick(TClient& client, int32_t mode, const char* name, const char* guide) {
    if (!FloorPlanWindow(client)) return;
    StartCommand();
    auto tool = std::make_unique<TLineobjtool>();
    tool->Kind = toolkind::kLine;
    tool->Mode = mode;
    client.InstallTool(std::move(tool));
    client.ShowToolName(name);
    client.ShowGuide(guide);
}

} // namespace

void TClient::CmInternalWall() {
    TChild* child = FloorPlanWindow(*this);
    if (!child) return;
    StartCommand();
    InstallTool(std::make_unique<TIntwallobjtool>());
    ShowToolName("Internal Wall");
    ShowGuide("ENTER start, ARROW direction key or for angles ENTER to finish)-PLUS key to close end");
    child->RunToolDialog(kPartitionDialog);
    // A cancelled thickness dialog leaves the pick tool: there is no side to draw the second face on.
    if (!Tool || Tool->Kind != toolkind::kIntWall) return;
    ShowGuide("GUIDE: Press F1 key for ALL methods of drawing internal walls");
}

void TClient::CmDeleteInternalWall() {
    if (DrawingState <= 1 || !OnFloorPlan()) return;
    StartCommand();
    auto tool = std::make_unique<TIntwallobjtool>();
    tool->Kind = toolkind::kIntWallDelete;
    InstallTool(std::move(tool));
    ShowToolName("DELETE Wall");
    ShowGuide("GUIDE: press ENTER on a line of INTERNAL wall to DELETE");
}

void TClient::CmMoveInternalWall() {
    InstallEndPick(*this, intwall::kMoveEnd, "Move", "Click Left Button on internal wall or line to move");
}

void TClient::CmExtendInternalWall() {
    InstallEndPick(*this, intwall::kExtendEnd, "Extend",
                   "Click Left Button on internal wall or line to EXTEND");
}

void TClient::CmShortenInternalWall() {
    InstallEndPick(*this, intwall::kShortenEnd, "Shorten",
                   "Click Left Button on internal wall or line to SHORTEN");
}
