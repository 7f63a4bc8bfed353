// How the drawing window calls its current tool: every operation runs on a client device context of
// the window made for that one call, held in InputDC while it runs and deleted right after, so no
// device context lives from one message to the next.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/window_dc.h"
#include "shell/child.h"
#include "shell/client.h"
#include "tools/drawing_tool.h"
#include "tools/working_file.h"

namespace shell {

// The whole current tool, and the keyed-outline state beside it, as they were before a step: a step
// whose write failed puts them back, so that the tool stands where it stood and the same keys do
// the step again.
class ToolStand {
public:
    explicit ToolStand(const TClient& client);
    void Restore(TClient& client) const;
    // A copy of the tool as it stood, installed in place of the current tool (which ends as any
    // replaced tool ends), with the status bar as it stood.
    void Reinstall(TClient& client) const;
    [[nodiscard]] const TDrawingtool* Copy() const { return copy_.get(); }

private:
    const TDrawingtool* tool_;
    std::unique_ptr<TDrawingtool> copy_;
    int32_t keyEntryPhase_;
    int32_t lastOutlineEndX_;
    int32_t lastOutlineEndY_;
    // What the status bar said of the tool: its name and the guide line.
    std::string toolName_;
    std::string guide_;
};

// A step of the user in the shell (a key, a press, a command) while it lives: the working file is
// written within it all or nothing (document/working_file_step.h), and when it is the user's step
// and one of its writes failed, it puts the tool back as the step found it when it ends.
class ToolStep {
public:
    explicit ToolStep(TClient& client);
    ~ToolStep();
    ToolStep(const ToolStep&) = delete;
    ToolStep& operator=(const ToolStep&) = delete;

    [[nodiscard]] tools::WriteResult Result() const { return watch_.Result(); }

private:
    TClient& client_;
    tools::WriteWatch watch_;
    std::optional<ToolStand> stand_;
    int32_t objectsBefore_ = 0;
};

// What became of the writes of the working file made during the call. On Failed the user has been
// told once, the document is as the step found it, the step's later writes are not tried, and the
// caller's step ends there; the tool is put back when the user's step ends.
template <class Call> [[nodiscard]] tools::WriteResult CallTool(TChild& window, Call&& call) {
    struct Release {
        TChild& window;
        ~Release() { window.InputDC.reset(); }
    } release{window};
    const ToolStep step(window.Client());
    window.InputDC = std::make_unique<TClientDC>(&window);
    call(static_cast<TDC&>(*window.InputDC));
    return step.Result();
}

// The same for an operation that draws nothing (Start, Command), where no drawing window may be at
// hand.
template <class Call> [[nodiscard]] tools::WriteResult CallTool(TClient& client, Call&& call) {
    const ToolStep step(client);
    call();
    return step.Result();
}

// A message box owned by the drawing window after which the mouse cursor is back where it was.
int BoxKeepingCursor(TChild& window, const char* text, const char* caption, uint32_t type);

// A client pixel in logical units of the drawing mapping (drawing units / ZoomDivisor), through a
// device context made for the conversion.
POINT PixelToLogical(TChild& window, const TRect& client, const TPoint& pixel);
// A logical point to client pixels.
POINT LogicalToPixel(TChild& window, const TRect& client, int32_t x, int32_t y);

// The point a key takes from the mouse cursor, in client pixels of the window: the cursor where it
// lies in the drawing area, else where it last lay there (kept as a place outside the window is),
// else the area's pixel nearest to it.
TPoint CursorInClient(TChild& window);

// A point given by the pointer past the sheet's edge is refused with the sheet message; true when
// it was, and the step then goes no further.
// A line or wall never starts on the sheet's left or bottom edge: with `lineStart` such a point is
// refused the same way, before any length is asked.
[[nodiscard]] bool RefusedPastSheet(TChild& window, const TRect& client, const TPoint& pixel,
                                    bool lineStart = false);

} // namespace shell
