// Replacing the current tool outside the menu commands: a fresh tool for a kind code, or the neutral
// Pick tool. The drawing window's handlers use these whenever a step ends, is cancelled or must
// start over with a clean tool.
#include <memory>

#include "document/program_state.h"
#include "shell/client.h"
#include "tools/line_tool.h"
#include "tools/move_tool.h"
#include "tools/room_tools.h"
#include "tools/shape_tools.h"
#include "tools/text_tool.h"
#include "tools/wall_tools.h"
#include "tools/window_tool.h"

namespace {

constexpr int32_t kPickHelp = 500;

template <class Tool> std::unique_ptr<TDrawingtool> Make(int32_t kind) {
    auto tool = std::make_unique<Tool>();
    tool->Kind = kind;
    return tool;
}

} // namespace

void TClient::SelectPickTool() {
    InstallTool(Make<TLineobjtool>(toolkind::kPick));
    ShowToolName("Pick Tool");
    ShowGuide("GUIDE: Select a function or drawing tool");
    HelpContextId = kPickHelp;
}

void TClient::RestoreTool(int32_t kind) {
    switch (kind) {
    case 3:
        InstallTool(Make<TArcobjtool>(3));
        return;
    case 4:
        InstallTool(Make<TTextobjtool>(4));
        return;
    case 5:
        InstallTool(Make<TEllipseobjtool>(5));
        return;
    case 6:
        InstallTool(Make<TCircleobjtool>(6));
        return;
    case 14:
        CmMoveRotate();
        return;
    case 15:
        CmCopy();
        return;
    case 20:
    case 21:
        InstallTool(Make<TLineobjtool>(toolkind::kPick));
        ShowGuide("GUIDE: pick tool");
        return;
    case 22:
        InstallTool(Make<TLineobjtool>(22));
        return;
    case 24:
        InstallTool(Make<TTextobjtool>(24));
        return;
    case 71:
        InstallTool(Make<TRoomobjtool>(71));
        return;
    case 78:
        InstallTool(Make<TMoveobjtool>(toolkind::kMove));
        return;
    case 85:
        InstallTool(Make<TLineobjtool>(toolkind::kLine));
        return;
    case 999:
        InstallTool(Make<TLineobjtool>(999));
        return;
    case 1000:
        InstallTool(Make<TExtwallobjtool>(1000));
        return;
    case 1500:
        InstallTool(Make<TIntwallobjtool>(1500));
        return;
    case 2000:
        InstallTool(Make<TWindowobjtool>(2000));
        return;
    case 29000:
        InstallTool(Make<TDRoomobjtool>(29000));
        return;
    case 29001:
        InstallTool(Make<TDRoomobjtool>(29001));
        return;
    default:
        CmLine();
        return;
    }
}
