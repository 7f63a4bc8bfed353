// The Edit menu's tool commands of plan editing.
#include <memory>

#include "shell/child.h"
#include "shell/client.h"
#include "document/program_state.h"
#include "tools/move_tool.h"

namespace {

constexpr int32_t kEditHelp = 230;
constexpr int32_t kMoveFamilyDatumMode = 3;

} // namespace

void TClient::CmMoveRotate() {
    if (DrawingState <= 1) return;
    HelpContextId = kEditHelp;
    if (SaveState == 0) SaveState = 1;
    auto tool = std::make_unique<TMoveobjtool>();
    tool->Kind = toolkind::kMove;
    tool->Mode = movestate::kIdle;
    tool->ToolView = CurrentView;
    InstallTool(std::move(tool));
    ShowToolName("Move");
    ShowGuide("DRAG LB completely over item - click LB on a ref.pt, then use LB(MOVE) or RB(ROTATE) press "
              "ENTER to lock");
    if (TChild* child = ActiveDrawingWindow()) child->DatumMode = kMoveFamilyDatumMode;
}
