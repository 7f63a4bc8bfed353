#include "shell/zoom_drag.h"

#include "document/program_state.h"
#include "platform/gadget_window.h"
#include "platform/gadgets.h"
#include "platform/window_dc.h"
#include "shell/child.h"
#include "shell/client.h"
#include "tools/move_tool.h"

namespace shell {

ZoomDrag::ZoomDrag(const TClient& client)
    : rectangle_(std::make_unique<TMoveobjtool>()),
      toolName_(client.ToolGadget ? client.ToolGadget->GetText() : ""),
      guide_(client.StatusBar ? client.StatusBar->GetText() : ""), helpContext_(HelpContextId) {
    rectangle_->Mode = movestate::kZoomWaiting;
}

ZoomDrag::~ZoomDrag() = default;

void ZoomDrag::Press(TChild& window, const TPoint& point) {
    TRect rc = window.GetClientRect();
    TPoint at = point;
    TClientDC dc(&window);
    rectangle_->Window = &window;
    rectangle_->ButtonDown(dc, rc, &at);
}

void ZoomDrag::Move(TChild& window, const TPoint& point) {
    if (!Dragging()) return;
    TRect rc = window.GetClientRect();
    TClientDC dc(&window);
    rectangle_->MouseMove(dc, rc, point.x, point.y);
}

bool ZoomDrag::Dragging() const {
    return rectangle_->Mode == movestate::kZoomDragging;
}

bool ZoomDrag::Release(TChild& window, const TPoint& point) {
    TRect rc = window.GetClientRect();
    TPoint at = point;
    TClientDC dc(&window);
    rectangle_->ButtonUp(dc, rc, &at);
    // A rectangle too small to show sends the drag back to waiting; the view stays as it was.
    return rectangle_->Mode == movestate::kZoomDragging;
}

void ZoomDrag::HandBack(TClient& client) const {
    client.ShowToolName(toolName_.c_str());
    client.ShowGuide(guide_.c_str());
    HelpContextId = helpContext_;
}

} // namespace shell
