#include "shell/child_tool_call.h"

#include "document/coordinate_mapping.h"
#include "document/program_state.h"
#include "platform/cursor.h"
#include "platform/message_box.h"

namespace shell {

ToolStand::ToolStand(const TDrawingtool* tool)
    : tool_(tool), shared_(tool ? *tool : TDrawingtool()), keyEntryPhase_(KeyEntryPhase),
      lastOutlineEndX_(LastOutlineEndX), lastOutlineEndY_(LastOutlineEndY) {}

void ToolStand::Restore(TDrawingtool* tool) const {
    KeyEntryPhase = keyEntryPhase_;
    LastOutlineEndX = lastOutlineEndX_;
    LastOutlineEndY = lastOutlineEndY_;
    // A call that installed another tool has left that one where it starts.
    if (!tool || tool != tool_) return;
    static_cast<TDrawingtool&>(*tool) = shared_;
}

int BoxKeepingCursor(TChild& window, const char* text, const char* caption, uint32_t type) {
    POINT before{};
    GetCursorPos(&before);
    const int answer = window.MessageBox(text, caption, type);
    SetCursorPos(before.x, before.y);
    return answer;
}

POINT PixelToLogical(TChild& window, const TRect& client, const TPoint& pixel) {
    TClientDC dc(&window);
    POINT p{};
    ClientToDrawing(nullptr, dc, client, pixel.x, pixel.y, &p.x, &p.y);
    return p;
}

POINT LogicalToPixel(TChild& window, const TRect& client, int32_t x, int32_t y) {
    TClientDC dc(&window);
    POINT p{};
    DrawingToClient(nullptr, dc, client, x, y, &p.x, &p.y);
    return p;
}

TPoint CursorInClient(TChild& window) {
    POINT screen{};
    GetCursorPos(&screen);
    TPoint p(screen.x, screen.y);
    window.ScreenToClient(p);
    return p;
}

} // namespace shell
