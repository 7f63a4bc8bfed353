#include "shell/child_tool_call.h"

#include <algorithm>

#include "document/coordinate_mapping.h"
#include "document/document.h"
#include "document/program_state.h"
#include "document/sheet_edge.h"
#include "platform/cursor.h"
#include "platform/gadget_window.h"
#include "platform/gadgets.h"
#include "platform/message_box.h"
#include "shell/chosen_tool.h"
#include "shell/held_start.h"

namespace shell {

ToolStand::ToolStand(const TClient& client)
    : tool_(client.Tool.get()), copy_(client.Tool ? client.Tool->Clone() : nullptr),
      keyEntryPhase_(KeyEntryPhase), lastOutlineEndX_(LastOutlineEndX), lastOutlineEndY_(LastOutlineEndY),
      toolName_(client.ToolGadget ? client.ToolGadget->GetText() : ""),
      guide_(client.StatusBar ? client.StatusBar->GetText() : "") {}

void ToolStand::Restore(TClient& client) const {
    KeyEntryPhase = keyEntryPhase_;
    LastOutlineEndX = lastOutlineEndX_;
    LastOutlineEndY = lastOutlineEndY_;
    // The status bar names the tool that stands again, not one the step went on to.
    client.ShowToolName(toolName_.c_str());
    client.ShowGuide(guide_.c_str());
    if (!copy_) return;
    // A tool replaced during the step may have been made where the old one stood: it takes the
    // state back only when it is of the class the copy is of.
    if (client.Tool && client.Tool.get() == tool_ && client.Tool->TakeState(*copy_)) return;
    // The step went on to another tool before its write failed: the one it began with comes back.
    client.InstallTool(copy_->Clone());
}

void ToolStand::Reinstall(TClient& client) const {
    KeyEntryPhase = keyEntryPhase_;
    LastOutlineEndX = lastOutlineEndX_;
    LastOutlineEndY = lastOutlineEndY_;
    if (copy_) client.InstallTool(copy_->Clone());
    client.ShowToolName(toolName_.c_str());
    client.ShowGuide(guide_.c_str());
}

namespace {

bool StepInProgress(const TClient& client) {
    return client.Chosen && client.Chosen->StepInProgress(client);
}

WorkingFileStep::Memory MemoryAtStart(const TClient& client) {
    return client.Tool && client.Tool->HoldsUnwrittenEdits() ? WorkingFileStep::Memory::AheadOfTheFile
                                                             : WorkingFileStep::Memory::AsTheFile;
}

} // namespace

ToolStep::ToolStep(TClient& client) : client_(client), watch_(MemoryAtStart(client)) {
    if (!watch_.Outermost()) return;
    KeepToolIfNoneKept(client);
    objectsBefore_ = ObjectList.count;
    // A step that begins with nothing in progress may be a start: what it changes is kept as it was.
    if (TChild* window = client.ActiveDrawingWindow(); window && !StepInProgress(client))
        RecordStart(*window);
    if (!tools::Failed(watch_.Result())) stand_.emplace(client);
}

ToolStep::~ToolStep() {
    if (!stand_) return;
    if (tools::Failed(watch_.Result())) {
        stand_->Restore(client_);
        return;
    }
    // A piece of a chain stored, the chain going on from its end: that end is the next piece's
    // start, which a refusal of the next piece keeps.
    if (TChild* window = client_.ActiveDrawingWindow();
        window && ObjectList.count > objectsBefore_ && StepInProgress(client_))
        RecordStart(*window);
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
    const TRect area = window.GetClientRect();
    if (p.x >= area.left && p.x < area.right && p.y >= area.top && p.y < area.bottom) {
        window.PointerInArea = p;
        return p;
    }
    if (window.PointerInArea) return *window.PointerInArea;
    return TPoint(std::clamp(p.x, area.left, std::max(area.left, area.right - 1)),
                  std::clamp(p.y, area.top, std::max(area.top, area.bottom - 1)));
}

bool RefusedPastSheet(TChild& window, const TRect& client, const TPoint& pixel, bool lineStart) {
    const POINT logical = PixelToLogical(window, client, pixel);
    const int64_t x = int64_t{logical.x} * ZoomDivisor, y = int64_t{logical.y} * ZoomDivisor;
    if (OnSheet(x, y) && !(lineStart && StartsOnAnAxis(x, y))) return false;
    BoxKeepingCursor(window, kPastSheetText, kPastSheetCaption, MB_OK | MB_ICONEXCLAMATION);
    return true;
}

} // namespace shell
