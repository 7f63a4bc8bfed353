// The zoom commands of the View menu. Zoom UP hands the view to a rectangle drag of the move tool;
// the other three let the drawing window compute the new view at once.
#include <memory>

#include "document/checked_file.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/gadget_window.h"
#include "platform/message_box.h"
#include "resources/command_ids.h"
#include "shell/child.h"
#include "shell/child_tool_call.h"
#include "shell/client.h"
#include "shell/drawing_start.h"
#include "tools/move_tool.h"

namespace {

constexpr int32_t kZoomHelp = 220;
constexpr int32_t kCentreSitePlan = 59;

// A zoom gives a fresh tool, which waits for a click before it takes any typing; so letters typed
// to the right of a click first become the text they are, where the user clicked, as Enter ends
// them. False when the text could not be written: the user has been told, and the zoom goes no
// further.
[[nodiscard]] bool EndTypedText(TClient& client, TChild& child) {
    TDrawingtool& tool = *client.Tool;
    if (tool.Kind != toolkind::kTextAtClick) return true;
    TRect rc = child.GetClientRect();
    return !tools::Failed(shell::CallTool(child, [&](TDC& dc) { tool.Char(dc, rc, '\r'); }));
}

} // namespace

TChild* TClient::ActiveDrawingWindow() const {
    return dynamic_cast<TChild*>(GetActiveMDIChild());
}

void TClient::CmZoomUp() {
    if (DrawingState <= 1) return;
    if (CurrentView < kGroundFloor) {
        MessageBox("Not available on room layouts", "ZOOM UP", MB_OK);
        return;
    }
    WriteZoomState();
    HelpContextId = kZoomHelp;
    TChild* child = ActiveDrawingWindow();
    if (!child || !EndTypedText(*this, *child)) return;

    if (!WriteOrTell(ObjectList, filemode::kWorking)) return;
    child->RestoreKind = Tool->Kind;
    child->ZoomedTool = FreshCurrentTool();
    child->DatumMode = datummode::kShown;

    auto drag = std::make_unique<TMoveobjtool>();
    drag->Kind = toolkind::kMove;
    drag->Mode = movestate::kZoomWaiting;
    InstallTool(std::move(drag));
    if (StatusBar)
        StatusBar->SetText("GUIDE: press Left Button, hold down and drag cursor over area to enlarge");
}

// The common road of the three immediate zooms.
static void ZoomNow(TClient& client, int32_t command, int32_t kind) {
    if (DrawingState <= 1) return;
    HelpContextId = kZoomHelp;
    TChild* child = client.ActiveDrawingWindow();
    if (!child || !EndTypedText(client, *child)) return;

    if (!WriteOrTell(ObjectList, filemode::kWorking)) return;
    child->RestoreKind = client.Tool->Kind;
    child->ZoomedTool = client.FreshCurrentTool();

    if (CurrentView == kSitePlan) {
        // The site plan is centred on the sheet before it is zoomed.
        client.RestoreTool(toolkind::kLine);
        if (tools::Failed(shell::CallTool(client, [&] { client.Tool->Command(kCentreSitePlan); }))) return;
        if ((command == cmd::kNormalSize || command == cmd::kFitScreen) &&
            !WriteOrTell(ObjectList, filemode::kWorking))
            return;
    }

    DrawingState = 1;
    child->Zoom(kind);
}

void TClient::CmNormalSize() {
    ZoomNow(*this, cmd::kNormalSize, zoomkind::kNormal);
}

void TClient::CmHalfSize() {
    ZoomNow(*this, cmd::kHalfSize, zoomkind::kHalf);
}

void TClient::CmFitScreen() {
    ZoomNow(*this, cmd::kFitScreen, zoomkind::kFit);
}
