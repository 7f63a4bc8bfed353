// Replacing the current tool outside the menu commands: a fresh tool for a kind code, the neutral
// Pick tool, or the user's own tool made fresh. The drawing window's handlers use these whenever a
// step ends, is cancelled or must start over with a clean tool.
#include <memory>

#include "document/program_state.h"
#include "shell/chosen_tool.h"
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
    Chosen.reset();
    ShowToolName("Pick Tool");
    ShowGuide("GUIDE: Select a function or drawing tool");
    HelpContextId = kPickHelp;
}

void TClient::RestoreTool(int32_t kind) {
    switch (kind) {
    case toolkind::kArc:
        InstallTool(Make<TArcobjtool>(toolkind::kArc));
        return;
    case toolkind::kText:
        InstallTool(Make<TTextobjtool>(toolkind::kText));
        return;
    case toolkind::kEllipse:
        InstallTool(Make<TEllipseobjtool>(toolkind::kEllipse));
        return;
    case toolkind::kCircle:
        InstallTool(Make<TCircleobjtool>(toolkind::kCircle));
        return;
    case toolkind::kRectangle:
        InstallTool(Make<TRectangleobjtool>(toolkind::kRectangle));
        return;
    case toolkind::kRoundRect:
        InstallTool(Make<TRndrectobjtool>(toolkind::kRoundRect));
        return;
    case toolkind::kMove:
        CmMoveRotate();
        return;
    case toolkind::kCopy:
        CmCopy();
        return;
    case toolkind::kPickQuiet:
    case toolkind::kPick:
        InstallTool(Make<TLineobjtool>(toolkind::kPick));
        ShowGuide("GUIDE: pick tool");
        return;
    case 22:
        InstallTool(Make<TLineobjtool>(22));
        return;
    case toolkind::kTextAtClick:
        InstallTool(Make<TTextobjtool>(toolkind::kTextAtClick));
        return;
    case toolkind::kFixedRoom:
        InstallTool(Make<TRoomobjtool>(toolkind::kFixedRoom));
        return;
    case 78:
        InstallTool(Make<TMoveobjtool>(toolkind::kMove));
        return;
    case toolkind::kLineQuiet:
        InstallTool(Make<TLineobjtool>(toolkind::kLine));
        return;
    case toolkind::kExtWallEdit:
        InstallTool(Make<TLineobjtool>(toolkind::kExtWallEdit));
        return;
    case toolkind::kExtWall:
        InstallTool(Make<TExtwallobjtool>(toolkind::kExtWall));
        return;
    case toolkind::kIntWall:
        InstallTool(Make<TIntwallobjtool>(toolkind::kIntWall));
        return;
    case toolkind::kOpening:
        InstallTool(Make<TWindowobjtool>(toolkind::kOpening));
        return;
    case toolkind::kDesignRoom:
        InstallTool(Make<TDRoomobjtool>(toolkind::kDesignRoom));
        return;
    case toolkind::kReopenedRoom:
        InstallTool(Make<TDRoomobjtool>(toolkind::kReopenedRoom));
        return;
    default:
        CmLine();
        return;
    }
}
