// Pointer movement, typed characters and key release in the drawing window. Every movement reaches the
// current tool (which draws its rubber band); while a DATUM reference is set the cursor-distance
// gadget shows the pointer's distance from it. Characters feed the text typed in place.
#include <cstdlib>

#include "document/document.h"
#include "document/program_state.h"
#include "platform/cursor.h"
#include "platform/dc.h"
#include "platform/gadgets.h"
#include "rooms/design_room_modes.h"
#include "shell/child.h"
#include "shell/child_tool_call.h"
#include "shell/client.h"
#include "shell/datum_readout.h"
#include "tools/drawing_tool.h"
#include "tools/working_file.h"

namespace {
constexpr uint kEscapeChar = 0x1B; // the character the Escape key types after its key message
} // namespace

void TChild::EvMouseMove(uint, const TPoint& point) {
    if (DatumMode < datummode::kOff) return;
    TClient& client = Client();
    TDrawingtool* tool = client.Tool.get();
    tool->Window = this;
    TRect rc = GetClientRect();
    if (point.x >= 0 && point.y >= 0 && point.x < rc.right && point.y < rc.bottom) PointerInArea = point;
    const bool onlyWhileDragging = tool->Kind == toolkind::kOpening || tool->Kind == toolkind::kStairs;
    // The Zoom UP rectangle's band follows the pointer, the tool's preview stays where it was.
    if (ZoomWait)
        ZoomWait->Move(*this, point);
    else if (!onlyWhileDragging || tool->Dragging == 1)
        // A move writes nothing the step goes on from: a failed write has been told.
        static_cast<void>(
            shell::CallTool(*this, [&](TDC& dc) { tool->MouseMove(dc, rc, point.x, point.y); }));
    if (DatumMode <= datummode::kOff) return;

    const POINT logical = shell::PixelToLogical(*this, rc, point);
    const int32_t xd = logical.x * ZoomDivisor;
    const int32_t yd = logical.y * ZoomDivisor;
    // A pointer that comes close to the reference on one axis pulls the reference along on it.
    const auto t = static_cast<int32_t>(PenScaleF * (MetricUnits == 1 ? 5.0f : 6.0f) * 0.5f);
    if (DatumX - t < xd && xd < DatumX + t + 1) DatumX = xd;
    if (DatumY - t < yd && yd < DatumY + t + 1) DatumY = yd;
    ShowDatumReadout(point);
}

void TChild::ShowDatumReadout(const TPoint& point) {
    TClient& client = Client();
    if (DatumMode < datummode::kAwaitingClick || DatumMode > datummode::kShownWithBearing ||
        !client.DistanceGadget)
        return;
    const POINT logical = shell::PixelToLogical(*this, GetClientRect(), point);
    const std::string text = shell::DatumReadout(
        logical.x * ZoomDivisor - DatumX, logical.y * ZoomDivisor - DatumY, DatumMode, MetricUnits == 1);
    client.DistanceGadget->SetText(text.c_str());
}

TChild::Datum TChild::DatumNow() const {
    const TClient& client = Client();
    return {DatumX, DatumY, DatumMode, client.DistanceGadget ? client.DistanceGadget->GetText() : ""};
}

void TChild::PutBackDatum(const Datum& before) {
    DatumX = before.x;
    DatumY = before.y;
    // The feet-and-inches thickness box only hides the read-out (the next repaint shows it again):
    // a reference it hid goes on measuring.
    const bool hidden = before.mode == datummode::kOff && (before.x != 0 || before.y != 0);
    DatumMode = hidden ? datummode::kShownWithBearing : before.mode;
    // A read-out that measures nothing says again what it said.
    if (TClient& client = Client(); client.DistanceGadget)
        client.DistanceGadget->SetText(before.readout.c_str());
    ShowDatumReadout(shell::CursorInClient(*this));
}

void TChild::EvChar(uint key, uint, uint) {
    // The key or press is one step: all or nothing in the file, told once, the tool put back.
    const shell::ToolStep step(Client());
    TClient& client = Client();
    // Escape is no letter: its key has taken back or ended what it does.
    if (client.Tool->Kind != toolkind::kTextAtClick || key == kEscapeChar) return;
    client.Tool->Window = this;
    TRect rc = GetClientRect();
    client.ShowGuide("GUIDE: press ENTER once for newline - T W I C E to FINISH");
    if (key == '\r' && TextLineEnded) {
        DestroyCaret();
        SetCursor(nullptr, IDC_CROSS);
        client.Tool->Kind = 20;
        client.ShowToolName("None");
        client.ShowGuide("GUIDE: select tool or function");
        TextLineEnded = false;
        return;
    }
    TextLineEnded = false;
    if (tools::Failed(shell::CallTool(*this, [&](TDC& dc) { client.Tool->Char(dc, rc, key); }))) return;
    if (key != 13) return;

    const auto* last =
        dynamic_cast<const TTextobj*>(ObjectList.count > 0 ? ObjectList[ObjectList.count - 1] : nullptr);
    if (!last || last->kind != kDialogText) {
        DestroyCaret();
        SetCursor(nullptr, IDC_CROSS);
        client.SelectPickTool();
        client.Tool->Kind = 20;
        client.ShowToolName("Pick tool");
        client.ShowGuide("GUIDE: select tool or function");
        return;
    }
    TextLineEnded = true;
    TDrawingtool& tool = *client.Tool;
    tool.PickKind = last->angle;
    tool.CursorX = last->style;
    const int32_t spacing = tool.Count;
    tool.X0 = last->angle == 0 ? last->x1 : last->x1 + spacing;
    tool.Y0 = last->angle == 0 ? last->y1 - spacing : last->y1;
    if (ZoomDivisor == 0) return;
    const POINT pixel = shell::LogicalToPixel(*this, rc, tool.X0 / ZoomDivisor, tool.Y0 / ZoomDivisor);
    TPoint screen(pixel.x, pixel.y);
    ClientToScreen(screen);
    SetCursorPos(screen.x, screen.y);
}

void TChild::EvKeyUp(uint, uint, uint) {
    // The key or press is one step: all or nothing in the file, told once, the tool put back.
    const shell::ToolStep step(Client());
    TClient& client = Client();
    TDrawingtool& tool = *client.Tool;
    const bool designRoom = tool.Kind == toolkind::kDesignRoom || tool.Kind == toolkind::kReopenedRoom;
    if (!designRoom || tool.Mode != roommode::kMoveFine) return;
    TRect rc = GetClientRect();
    if (tools::Failed(tools::SaveWorkingFile())) return;
    MergeStep(rc);
    tool.CursorX = 0;
}
