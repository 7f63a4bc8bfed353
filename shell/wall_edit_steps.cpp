#include "shell/wall_edit_steps.h"

#include "document/sheet_edge.h"
#include "platform/message_box.h"
#include "shell/child.h"
#include "shell/child_tool_call.h"
#include "shell/client.h"
#include "tools/drawing_tool.h"
#include "walls/extwall_edit.h"

namespace shell {

bool WallEditRefused(TChild& window, int32_t code) {
    if (code == walls::walledit::kHalfOnAxis) {
        BoxKeepingCursor(window, kPastSheetText, kPastSheetCaption, MB_OK | MB_ICONEXCLAMATION);
        return true;
    }
    const char* why = code == walls::walledit::kAngledWall ? "Angled walls cannot be altered"
                      : code == walls::walledit::kTooShort
                          ? "The wall is not long enough to shorten by that amount"
                      : code == walls::walledit::kNoSplit ? "The wall cannot be split at its end"
                                                          : nullptr;
    if (!why) return false;
    BoxKeepingCursor(window, why, "NO ACTION", MB_OK | MB_ICONEXCLAMATION);
    return true;
}

bool SplitPickedWall(TChild& window, TRect& rc, int32_t x, int32_t y) {
    TClient& client = window.Client();
    // A split that could not be written ends the step: its dimensions are not tried.
    if (tools::Failed(CallTool(client, [&] { client.Tool->Start(0, x, y); }))) return false;
    if (WallEditRefused(window, client.Tool->Dragging)) {
        client.SelectPickTool();
        return false;
    }
    return !tools::Failed(
        CallTool(window, [&](TDC& dc) { client.Tool->AutoDimension(dc, rc, 0, 0, 0, 111); }));
}

} // namespace shell
