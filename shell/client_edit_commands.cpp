// The Edit menu's tool commands of plan editing.
#include <memory>

#include "document/document.h"
#include "document/program_state.h"
#include "shell/child.h"
#include "shell/client.h"
#include "tools/move_tool.h"

namespace {

constexpr int32_t kEditHelp = 230;
constexpr int32_t kMoveFamilyDatumMode = datummode::kShown;
constexpr int32_t kPrintingViews = 100;

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

// Copy and Paste change nothing in the drawing by themselves, so the drawing does not count as
// modified for them.
void TClient::CmCopy() {
    if (DrawingState <= 1) return;
    TChild* child = ActiveDrawingWindow();
    if (!child) return;
    HelpContextId = kEditHelp;
    InstallTool(std::make_unique<TCopyobjtool>());
    ShowGuide("GUIDE: press LEFT Button and DRAG over objects to COPY - use PASTE to insert the copy");
    child->DatumMode = kMoveFamilyDatumMode;
}

void TClient::CmPaste() {
    if (DrawingState <= 1) return;
    HelpContextId = kEditHelp;
    InstallTool(std::make_unique<TMoveobjtool>());
    if (TChild* child = ActiveDrawingWindow()) child->StartPaste();
}

void TClient::CmErase() {
    if (DrawingState <= 1 || CurrentView >= kPrintingViews || ObjectList.count == 0) return;
    HelpContextId = kEditHelp;
    if (SaveState == 0) SaveState = 1;
    InstallTool(std::make_unique<TEraseobjtool>());
    ShowToolName("Delete");
    ShowGuide("DRAG LB completely over items to DELETE - WALLS will not be deleted with this function - USE "
              "DELETE/WALLS");
    if (TChild* child = ActiveDrawingWindow()) child->DatumMode = kMoveFamilyDatumMode;
}
