#include "shell/child_stairs_start.h"

#include <optional>

#include "dialogs/stairs_dialogs.h"
#include "document/program_state.h"
#include "platform/message_box.h"
#include "resources/dialogs/stairs_templates.h"
#include "shell/child.h"
#include "shell/child_tool_call.h"
#include "shell/client.h"
#include "tools/stairs_tool.h"

namespace {

constexpr int32_t kRefresh = 3;

std::optional<StairsEntry> AskForStairs(TClient& client) {
    if (MetricUnits == 1) {
        TStrsdlg dialog(client.GetHandle(), kStairsDialogId);
        if (dialog.Execute() != IDOK) return std::nullopt;
        return dialog.Entry();
    }
    TStrsimpdlg dialog(client.GetHandle(), kStairsImpDialogId);
    if (dialog.Execute() != IDOK) return std::nullopt;
    return dialog.Entry();
}

} // namespace

namespace shell {

bool StartStairs(TChild& window) {
    TClient& client = window.Client();
    auto* tool = dynamic_cast<TStepobjtool*>(client.Tool.get());
    if (!tool) return false;
    const std::optional<StairsEntry> entry = AskForStairs(client);
    window.Invalidate(false);
    if (!entry) {
        client.SelectPickTool();
        return false;
    }
    tool->StoreyHeight() = entry->storeyHeight;
    tool->TopTread() = entry->topTread;
    const StairsStart start = tool->NewStairs(entry->width, entry->stairwell, entry->flightKind);
    if (start != StairsStart::Ready) {
        shell::BoxKeepingCursor(window, StairsRefusalText(start).c_str(), "STAIRS",
                                MB_OK | MB_ICONEXCLAMATION);
        client.SelectPickTool();
        return false;
    }
    if (LayoutGridFlag == 1) window.RunToolDialog(kRefresh);
    client.ShowGuide("GUIDE: STAIRS & STAIRWELL  Press ENTER when position is correct");
    tool->Dragging = 1;
    return true;
}

} // namespace shell
