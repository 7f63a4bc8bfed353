// The drawing window's plan dialogs by kind. Display mode (11) and overlays (20) are here; the wall
// construction (4), window (6) and door (7) requests have files of their own.
#include <cstring>

#include "dialogs/overlay_dialogs.h"
#include "document/document.h"
#include "document/overlay_file.h"
#include "document/program_state.h"
#include "resources/dialogs/display_templates.h"
#include "shell/child.h"
#include "shell/client.h"
#include "shell/plan_dialog_steps.h"
#include "shell/view_switching.h"
#include "shell/view_title.h"

namespace {

// The display mode without an overlay units digit: what stays when only the working floor shows.
// Hidden walls keep their overlay.
int32_t PlainDisplayMode(int32_t mode) {
    if (mode < displaymode::kWallsNormal || mode >= displaymode::kWallsHidden) return mode;
    return shell::WithoutOverlay(mode);
}

} // namespace

void TChild::RunPlanDialog(int32_t kind) {
    Client().ShowGuide("GUIDE: Complete the Dialogue Box");
    if (kind == plandialog::kExternalWall) {
        shell::RunExternalWallDialogs(*this);
        return;
    }
    if (kind == plandialog::kWindow) {
        shell::RunWindowDialog(*this);
        return;
    }
    if (kind == plandialog::kDoor) {
        shell::RunDoorDialogs(*this);
        return;
    }
    if (kind == plandialog::kDisplayMode) {
        TDisplandlg(GetHandle(), kDisplayModeDialogId).Execute();
        Invalidate(true);
        return;
    }
    if (kind != plandialog::kOverlays) return;

    const int32_t plainMode = PlainDisplayMode(PlanDisplayMode);
    if (TOverdlg(GetHandle(), kOverlayDialogId).Execute() != IDOK) return;

    // The working floor is the highest ticked floor that holds objects.
    const std::string& dir = ObjectList.ProgramDirectory;
    OverlayFlags flags = ReadOverlayFile(dir);
    if (flags.second == 1 && ObjectList.FloorHasObjects(kSecondFloor) > 0) {
        CurrentView = kSecondFloor;
    } else {
        flags.second = 0;
    }
    if (flags.second == 0 && flags.first == 1) {
        if (ObjectList.FloorHasObjects(kFirstFloor) > 0) {
            CurrentView = kFirstFloor;
        } else {
            flags.first = 0;
        }
    }
    if (flags.second == 0 && flags.first == 0) CurrentView = kGroundFloor;
    const char* extension = shell::ViewTitleExtension(CurrentView);

    std::snprintf(ObjectList.DrawingTitle, sizeof ObjectList.DrawingTitle, "%s%s", ObjectList.DrawingName,
                  extension);
    // The window may be replaced by the one opened for the view: nothing of this one is used after.
    TClient& client = Client();
    client.OpenViewWindow(0, extension);
    (void)WriteOverlayFile(dir, flags);

    const bool onlySecond = flags.second == 1 && flags.fourthLevel == 0 && flags.ground == 0 &&
                            flags.first == 0 && flags.outlines == 0;
    const bool onlyFirst = flags.second == 0 && flags.first == 1 && flags.ground == 0;
    if (onlySecond || onlyFirst) PlanDisplayMode = plainMode;
}
