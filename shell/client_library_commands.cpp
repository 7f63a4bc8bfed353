// The library commands: ADD to a library gathers part of the plan for a new library file; the four
// group commands install the move tool and let the drawing window insert a symbol of the group.
#include <memory>

#include "document/program_state.h"
#include "shell/child.h"
#include "shell/client.h"
#include "tools/move_tool.h"
#include "tools/tool_kinds.h"

namespace {

constexpr int32_t kLibraryHelp = 330;

namespace librarygroup {
constexpr int32_t kPlumbing = 1;
constexpr int32_t kElectrical = 2;
constexpr int32_t kFurniture = 3;
constexpr int32_t kMiscellaneous = 4;
} // namespace librarygroup

void InsertFromGroup(TClient& client, int32_t group) {
    if (DrawingState <= 1) return;
    HelpContextId = kLibraryHelp;
    if (SaveState == 0) SaveState = 1;
    auto tool = std::make_unique<TMoveobjtool>();
    tool->Kind = toolkind::kMove;
    tool->Mode = movestate::kIdle;
    client.InstallTool(std::move(tool));
    if (TChild* child = client.ActiveDrawingWindow()) child->InsertLibrarySymbol(group);
}

} // namespace

void TClient::CmAddToLibrary() {
    if (DrawingState <= 1) return;
    HelpContextId = kLibraryHelp;
    if (TChild* child = ActiveDrawingWindow()) child->StartAddToLibrary();
}

void TClient::CmLibraryPlumbing() {
    InsertFromGroup(*this, librarygroup::kPlumbing);
}
void TClient::CmLibraryElectrical() {
    InsertFromGroup(*this, librarygroup::kElectrical);
}
void TClient::CmLibraryFurniture() {
    InsertFromGroup(*this, librarygroup::kFurniture);
}
void TClient::CmLibraryMisc() {
    InsertFromGroup(*this, librarygroup::kMiscellaneous);
}
