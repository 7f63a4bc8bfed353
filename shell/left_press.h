// One left press of the drawing window as its handlers see it, shared by the general presses
// (shell/child_left_press.cpp) and those that pick an object to edit (shell/child_edit_press.cpp).
#pragma once

#include <optional>

#include "shell/child.h"
#include "shell/child_tool_call.h"
#include "shell/client.h"
#include "tools/drawing_tool.h"
#include "tools/working_file.h"

namespace shell {

inline bool IsDesignRoomKind(int32_t kind) {
    return kind == toolkind::kDesignRoom || kind == toolkind::kReopenedRoom;
}

// Puts the mouse cursor back on a client point of the window.
void CursorBackAt(TChild& window, const TPoint& point);

// One left press as its handlers see it. The tool is fetched afresh each time, since a handler may
// re-create it; the logical point is converted once, on first use.
struct Press {
    TChild& window;
    TClient& client;
    TPoint point;
    TRect rc;
    int32_t kind;
    int32_t mode;
    bool closing = true; // false: the press ends without the closing steps
    std::optional<POINT> logical;

    Press(TChild& w, const TPoint& p)
        : window(w), client(w.Client()), point(p), rc(w.GetClientRect()), kind(client.Tool->Kind),
          mode(client.Tool->Mode) {}

    TDrawingtool* Tool() const { return client.Tool.get(); }
    [[nodiscard]] tools::WriteResult ButtonDown() {
        return CallTool(window, [&](TDC& dc) { Tool()->ButtonDown(dc, rc, &point); });
    }
    const POINT& Logical() {
        if (!logical) logical = PixelToLogical(window, rc, point);
        return *logical;
    }
    // The press is over and the closing steps are skipped.
    bool Abandon() {
        closing = false;
        return true;
    }
};

// The external-wall edit picks the wall under the press and hands it to a tool of its kind.
bool PressInWallEdit(Press& press);
// The line tool's move, extend and shorten pick a square line or wall whose end the arrow keys
// then move.
bool PressPicksEndToEdit(Press& press);

} // namespace shell
