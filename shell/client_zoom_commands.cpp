// The zoom commands of the View menu. They change the view and nothing else: the user's tool stays
// current, the same tool holding what it held, with its name and guide on the status bar. Zoom UP
// waits for a rectangle dragged over the view; the other three let the drawing window compute the
// new view at once.
#include <optional>

#include "document/checked_file.h"
#include "document/document.h"
#include "document/program_state.h"
#include "editing/centre_drawing.h"
#include "platform/gadget_window.h"
#include "platform/message_box.h"
#include "shell/child.h"
#include "shell/child_tool_call.h"
#include "shell/client.h"
#include "shell/drawing_start.h"

namespace {

constexpr int32_t kZoomHelp = 220;

// The site plan moved onto the centre of the sheet and written, when it moved. Nothing when it could
// not be written: the user has been told, and the drawing stands where it stood.
[[nodiscard]] std::optional<editing::CentringShift> CentreAndWrite(TClient& client) {
    editing::CentringShift shift;
    const auto written = shell::CallTool(client, [&] {
        shift = editing::CentreViewInMemory(kSitePlan);
        if (shift.dx != 0 || shift.dy != 0) static_cast<void>(WriteOrTell(ObjectList, filemode::kWorking));
    });
    if (tools::Failed(written)) return std::nullopt;
    return shift;
}

// The site plan is centred on the sheet before it is zoomed, and the points the tool and the window
// hold on it go along. Edits waiting for Enter are in memory alone, and a centring would write them:
// the drawing then stays where it is. False when the moved drawing could not be written; the zoom
// goes no further.
[[nodiscard]] bool CentreSitePlan(TClient& client, TChild& child) {
    if (client.Tool && client.Tool->HoldsUnwrittenEdits()) return true;
    const auto shift = CentreAndWrite(client);
    if (!shift) return false;
    child.ShiftHeld(shift->dx, shift->dy);
    return true;
}

// The common road of the three immediate zooms.
void ZoomNow(TClient& client, int32_t kind) {
    if (DrawingState <= 1) return;
    TChild* child = client.ActiveDrawingWindow();
    if (!child) return;
    if (CurrentView == kSitePlan && !CentreSitePlan(client, *child)) return;
    DrawingState = 1;
    child->Zoom(kind);
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
    TChild* child = ActiveDrawingWindow();
    if (!child) return;
    child->WaitForZoomDrag();
    HelpContextId = kZoomHelp;
    child->DatumMode = datummode::kShown;
    if (StatusBar)
        StatusBar->SetText("GUIDE: press Left Button, hold down and drag cursor over area to enlarge");
}

void TClient::CmNormalSize() {
    ZoomNow(*this, zoomkind::kNormal);
}

void TClient::CmHalfSize() {
    ZoomNow(*this, zoomkind::kHalf);
}

void TClient::CmFitScreen() {
    ZoomNow(*this, zoomkind::kFit);
}
