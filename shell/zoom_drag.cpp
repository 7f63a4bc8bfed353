#include "shell/zoom_drag.h"

#include <cstdlib>

#include "document/program_state.h"
#include "platform/gadget_window.h"
#include "platform/gadgets.h"
#include "platform/window_dc.h"
#include "shell/child.h"
#include "shell/client.h"
#include "tools/round_hundredths.h"
#include "tools/tool_geometry.h"

namespace shell {

namespace {

constexpr int32_t kSmallestZoom = 2; // logical units on each axis; a click is not a zoom rectangle

int32_t Logical(int32_t drawing) {
    return ZoomDivisor == 0 ? drawing : drawing / ZoomDivisor;
}

// The pointer in drawing units, on a context left with the drawing mapping for the band.
POINT AtPointer(TDC& dc, const TRect& client, const TPoint& point) {
    return tools::PixelToDrawing(dc, client, point.x, point.y);
}

} // namespace

ZoomDrag::ZoomDrag(const TClient& client)
    : toolName_(client.ToolGadget ? client.ToolGadget->GetText() : ""),
      guide_(client.StatusBar ? client.StatusBar->GetText() : ""), helpContext_(HelpContextId) {}

void ZoomDrag::Press(TChild& window, const TPoint& point) {
    TClientDC dc(&window);
    first_ = last_ = AtPointer(dc, window.GetClientRect(), point);
    dragging_ = true;
}

void ZoomDrag::Move(TChild& window, const TPoint& point) {
    if (!dragging_) return;
    TClientDC dc(&window);
    const POINT at = AtPointer(dc, window.GetClientRect(), point);
    tools::DrawDottedBand(dc, first_, last_);
    last_ = at;
    tools::DrawDottedBand(dc, first_, last_);
}

bool ZoomDrag::Release(TChild& window, const TPoint& point) {
    const TRect rc = window.GetClientRect();
    TClientDC dc(&window);
    const POINT at = AtPointer(dc, rc, point);
    // The band is taken off where it was last drawn, which is the release point unless the pointer
    // jumped without a move message.
    tools::DrawDottedBand(dc, first_, last_);
    last_ = at;
    dragging_ = false;
    return ShowRectangle(rc);
}

bool ZoomDrag::ShowRectangle(const TRect& client) const {
    const int32_t ox = Logical(first_.x), oy = Logical(first_.y);
    const int32_t lx = Logical(last_.x), ly = Logical(last_.y);
    if (std::abs(lx - ox) < kSmallestZoom || std::abs(ly - oy) < kSmallestZoom || client.right <= 0 ||
        client.bottom <= 0)
        return false;
    ViewExtentX = last_.x > first_.x ? lx - ox : ox - lx;
    ScrollOriginX = last_.x > first_.x ? ox : lx;
    ViewExtentY = last_.y > first_.y ? ly - oy : oy - ly;
    ScrollOriginY = last_.y > first_.y ? oy : ly;

    const float r = static_cast<float>(client.right) / static_cast<float>(client.bottom);
    const auto w = static_cast<float>(ViewExtentX);
    const auto h = static_cast<float>(ViewExtentY);
    if (h * r > w)
        ViewExtentX = RoundHundredths(h * r);
    else
        ViewExtentY = RoundHundredths(w / r);
    PenScaleF = static_cast<float>(ViewExtentX) / static_cast<float>(client.right);
    return true;
}

void ZoomDrag::HandBack(TClient& client) const {
    client.ShowToolName(toolName_.c_str());
    client.ShowGuide(guide_.c_str());
    HelpContextId = helpContext_;
}

} // namespace shell
