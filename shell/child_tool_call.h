// How the drawing window calls its current tool: every operation runs on a client device context of
// the window made for that one call, held in InputDC while it runs and deleted right after, so no
// device context lives from one message to the next.
#pragma once

#include <memory>

#include "platform/window_dc.h"
#include "shell/child.h"
#include "tools/working_file.h"

namespace shell {

// True when no write of the working file failed during the call; when one did, the tool has told the
// user and the caller's step ends there.
template <class Call> bool CallTool(TChild& window, Call&& call) {
    struct Release {
        TChild& window;
        ~Release() { window.InputDC.reset(); }
    } release{window};
    const int failedBefore = tools::FailedWrites();
    window.InputDC = std::make_unique<TClientDC>(&window);
    call(static_cast<TDC&>(*window.InputDC));
    return tools::FailedWrites() == failedBefore;
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
