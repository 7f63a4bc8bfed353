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

// The tool goes into the zoom holding what the user gave it, and comes back so after it. Letters
// typed to the right of a click alone are ended first, as the text they are, where the user clicked
// (as Enter ends them): the text tool then comes back waiting for a click before it takes any
// typing. False when the text or the drawing could not be written: the user has been told, and the
// zoom goes no further.
[[nodiscard]] bool TakeToolIntoZoom(TClient& client, TChild* child) {
    if (!child) return false;
    TDrawingtool& tool = *client.Tool;
    const bool typing = tool.Kind == toolkind::kTextAtClick;
    TRect rc = child->GetClientRect();
    if (typing && tools::Failed(shell::CallTool(*child, [&](TDC& dc) { tool.Char(dc, rc, '\r'); })))
        return false;
    if (!WriteOrTell(ObjectList, filemode::kWorking)) return false;
    child->RestoreKind = tool.Kind;
    child->ZoomedTool = client.ZoomedCurrentTool(typing);
    return true;
}

// Where the view's first object stands: centring moves every object of the view alike.
POINT FirstPointOfView() {
    for (int32_t i = 0; i < ObjectList.count; ++i)
        if (const TObject* o = ObjectList[i]; o && o->view == CurrentView) return {o->x1, o->y1};
    return {};
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
    if (!TakeToolIntoZoom(*this, child)) return;
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
    if (!TakeToolIntoZoom(client, child)) return;

    if (CurrentView == kSitePlan) {
        // The site plan is centred on the sheet before it is zoomed. A drawing that moves for it
        // moves from under the points the tool held, which are then ended: the tool comes back as
        // chosen.
        auto ended = client.ZoomedCurrentTool(true);
        const POINT before = FirstPointOfView();
        client.RestoreTool(toolkind::kLine);
        if (tools::Failed(shell::CallTool(client, [&] { client.Tool->Command(kCentreSitePlan); }))) return;
        if (const POINT after = FirstPointOfView(); after.x != before.x || after.y != before.y)
            child->ZoomedTool = std::move(ended);
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
