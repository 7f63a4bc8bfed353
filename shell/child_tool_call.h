// How the drawing window calls its current tool: every operation runs on a client device context of
// the window made for that one call, held in InputDC while it runs and deleted right after, so no
// device context lives from one message to the next.
#pragma once

#include <memory>

#include "platform/window_dc.h"
#include "shell/child.h"
#include "tools/drawing_tool.h"
#include "tools/working_file.h"

namespace shell {

// The state a tool shares with the whole family, and the keyed-outline state beside it, as they
// were before a call: a call whose write failed puts them back, so that the tool stands where it
// stood and the same keys do the step again.
class ToolStand {
public:
    explicit ToolStand(const TDrawingtool* tool);
    void Restore(TDrawingtool* tool) const;

private:
    const TDrawingtool* tool_;
    TDrawingtool shared_;
    int32_t keyEntryPhase_;
    int32_t lastOutlineEndX_;
    int32_t lastOutlineEndY_;
};

// What became of the writes of the working file made during the call. On Failed the tool has told
// the user, the document is the file again, the tool stands where it stood, and the caller's step
// ends there; a caller with nothing further to do may leave the result unread.
template <class Call> tools::WriteResult CallTool(TChild& window, Call&& call) {
    struct Release {
        TChild& window;
        ~Release() { window.InputDC.reset(); }
    } release{window};
    const tools::WriteWatch watch;
    const ToolStand stand(window.CurrentTool());
    window.InputDC = std::make_unique<TClientDC>(&window);
    call(static_cast<TDC&>(*window.InputDC));
    if (tools::Failed(watch.Result())) stand.Restore(window.CurrentTool());
    return watch.Result();
}

// A message box owned by the drawing window after which the mouse cursor is back where it was.
int BoxKeepingCursor(TChild& window, const char* text, const char* caption, uint32_t type);

// A client pixel in logical units of the drawing mapping (drawing units / ZoomDivisor), through a
// device context made for the conversion.
POINT PixelToLogical(TChild& window, const TRect& client, const TPoint& pixel);
// A logical point to client pixels.
POINT LogicalToPixel(TChild& window, const TRect& client, int32_t x, int32_t y);

// The mouse cursor in client pixels of the window.
TPoint CursorInClient(TChild& window);

} // namespace shell
