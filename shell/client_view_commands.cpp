// The Views menu's display mode and overlay commands: both run their dialog on the active drawing
// window, which repaints or reopens the view.
#include "document/checked_file.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/message_box.h"
#include "shell/child.h"
#include "shell/client.h"

namespace {

constexpr int32_t kViewsHelp = 210;
constexpr int32_t kDisplayModeDialog = 11;
constexpr int32_t kOverlayDialog = 20;

} // namespace

void TClient::CmDisplayMode() {
    if (DrawingState <= 1) return;
    if (CurrentView == kSitePlan) {
        MessageBox("Not available on the site plan view", "DISPLAY MODE", MB_OK);
        return;
    }
    HelpContextId = kViewsHelp;
    if (TChild* child = ActiveDrawingWindow()) child->RunPlanDialog(kDisplayModeDialog);
}

void TClient::CmOverlays() {
    if (DrawingState <= 1 || ObjectList.count == 0) return;
    HelpContextId = kViewsHelp;
    if (!WriteOrTell(ObjectList, filemode::kWorking)) return;
    constexpr int32_t kLayoutOfUpperFloors = 45;
    if (CurrentView == kRoomLayout || CurrentView == kLayoutOfUpperFloors || CurrentView == kSitePlan) {
        MessageBox("You can only use overlays on PLAN views (ground, first & second floors)", "OVERLAYS", MB_OK);
        return;
    }
    if (TChild* child = ActiveDrawingWindow()) child->RunPlanDialog(kOverlayDialog);
}
