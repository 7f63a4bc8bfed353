// The Views menu's floor commands: the ground floor, which finishes the layout's design rooms, and
// the first and second floors, which start an empty floor either from a copy of the outside walls of
// the floor below or from a new outline drawn over it. Also the two steps they share with the drawing
// window: the automatic dimensions of a floor and the overlay of the floor below.
#include <memory>

#include "document/document.h"
#include "document/overlay_file.h"
#include "document/program_state.h"
#include "platform/message_box.h"
#include "shell/child.h"
#include "shell/child_tool_call.h"
#include "shell/client.h"
#include "shell/plan_dialog_steps.h"
#include "shell/view_switching.h"
#include "shell/view_title.h"
#include "tools/line_tool.h"
#include "tools/wall_tools.h"
#include "tools/working_file.h"

namespace {

constexpr int32_t kViewsHelp = 210;
constexpr int32_t kCopyWallsOfFloorBelow = 3;
constexpr int32_t kDimensionsAndArea = 8;

// What differs between the first and the second floor.
struct UpperFloor {
    int32_t floor;
    int32_t below;
    const char* extension;
    const char* drawBelowFirst;
    const char* sameOutside;
};

constexpr UpperFloor kFirst{kFirstFloor, kGroundFloor, ".PL1",
                            "You should draw the ground floor, then the first floor",
                            "Will the outside dimensions be the same as the ground floor?"};
constexpr UpperFloor kSecond{kSecondFloor, kFirstFloor, ".PL2",
                             "You should draw the first floor, then the second floor",
                             "Will the outside dimensions be the same as the first floor?"};

// The floor already holds a drawing: it opens as it is.
void ShowExistingFloor(TClient& client, const UpperFloor& f) {
    CurrentView = f.floor;
    if (SaveState == 1) SaveState = 0;
    client.OpenViewWindow(0, f.extension);
    client.Tool->Kind = toolkind::kPick;
    client.ShowToolName("Pick tool");
}

// Yes: the outside walls of the floor below are copied with their dimensions, area and title.
void CopyFloorBelow(TClient& client, const UpperFloor& f) {
    client.Tool->Kind = toolkind::kExtWallAlt;
    // The window takes the scale of the view it opens on, whichever view it was opened from.
    CurrentView = f.floor;
    client.OpenViewWindow(1, f.extension);
    TChild* child = client.ActiveDrawingWindow();
    if (!child) return;
    const tools::WriteWatch watch;
    child->RunPlanDialog(plandialog::kExternalWall);
    // A cancelled wall dialog has left the pick tool: the floor stays empty.
    if (!dynamic_cast<TExtwallobjtool*>(client.Tool.get())) return;
    client.Tool->Kind = toolkind::kExtWall;
    if (!tools::Failed(watch.Result()))
        static_cast<void>(shell::CallTool(client, [&] { client.Tool->Command(kCopyWallsOfFloorBelow); }));
    // A write that failed leaves the file as before the step: no dimensions, area or title follow.
    if (tools::Failed(watch.Result())) {
        client.SelectPickTool();
        return;
    }
    child->InvalidateArea(invalidatekind::kWhole);
    client.AutoDimensions();
    if (!tools::Failed(watch.Result())) ObjectList.MakeTitleBlock();
    if (tools::Failed(watch.Result())) {
        client.SelectPickTool();
        return;
    }
    CurrentView = f.floor;
    client.SelectPickTool();
}

// No: the external-wall tool draws a new outline over the floor below.
void DrawOverFloorBelow(TClient& client, const UpperFloor& f) {
    client.Tool->Kind = toolkind::kExtWall;
    CurrentView = f.floor;
    client.LoadOverlay();
    // Opening the window names the pick tool; the wall tool stays current, so it is named after.
    client.ShowToolName("Wall Outline");
    client.ShowGuide("GUIDE: Draw external wall outline over lower floor view");
    if (TChild* child = client.ActiveDrawingWindow()) child->RunPlanDialog(plandialog::kExternalWall);
}

void OpenUpperFloor(TClient& client, const UpperFloor& f) {
    if (DrawingState <= 1) return;
    HelpContextId = kViewsHelp;
    if (tools::Failed(shell::LeaveSitePlan(client))) return;
    // Refused for want of the floor below, the layout stays as it is.
    if (ObjectList.FloorHasObjects(f.below) != 0) shell::ReturnLayoutRoomsOnLeaving();
    if (SaveState > 0 && !client.SaveIfModified()) return;
    PlanDisplayMode = shell::WithoutOverlay(PlanDisplayMode);
    if (ObjectList.FloorHasObjects(f.below) == 0) {
        client.MessageBox(f.drawBelowFirst, "FLOOR PLANS", MB_OK);
        return;
    }
    if (ObjectList.FloorHasObjects(f.floor) != 0) {
        ShowExistingFloor(client, f);
        return;
    }
    const bool same = client.MessageBox(f.sameOutside, "WALL DIMENSIONS", MB_YESNO) == IDYES;
    if (SaveState == 0) SaveState = 1;
    client.InstallTool(std::make_unique<TExtwallobjtool>());
    if (same)
        CopyFloorBelow(client, f);
    else
        DrawOverFloorBelow(client, f);
}

// The overlay flags that show a floor with the one below it, and the floor's extension.
OverlayFlags FloorWithFloorBelow(int32_t view, const char*& extension) {
    OverlayFlags flags;
    extension = "";
    if (view == kFirstFloor) {
        flags.ground = flags.first = 1;
    } else if (view == kSecondFloor) {
        flags.first = flags.second = 1;
    } else if (view == kFourthLevel) {
        flags.fourthLevel = flags.ground = 1;
    } else {
        return flags;
    }
    extension = shell::ViewTitleExtension(view);
    return flags;
}

} // namespace

void TClient::CmGroundFloor() {
    if (DrawingState <= 1) return;
    HelpContextId = kViewsHelp;
    if (ObjectList.FloorHasObjects(kGroundFloor) == 0) {
        MessageBox("There is no plan drawing - finish your layout by marking the external walls first",
                   "FLOOR PLANS", MB_OK);
        return;
    }
    if (tools::Failed(shell::LeaveSitePlan(*this))) return;
    if (SaveState > 0 && !SaveIfModified()) return;
    PlanDisplayMode = shell::WithoutOverlay(PlanDisplayMode);
    // After the question, whatever the answer: declining brings back the saved copy, which may have
    // been saved on the layout, and returning the rooms rewrites an unmodified saved copy as well.
    if (!shell::ReturnLayoutRooms()) return;
    CurrentView = kGroundFloor;
    OpenViewWindow(0, ".PLN");
    Tool->Kind = toolkind::kPick;
    ShowToolName("Pick tool");
}

void TClient::CmFirstFloor() {
    OpenUpperFloor(*this, kFirst);
}

void TClient::CmSecondFloor() {
    OpenUpperFloor(*this, kSecond);
}

void TClient::AutoDimensions() {
    if (DrawingState <= 1) return;
    if (CurrentView < kGroundFloor || CurrentView > kFourthLevel) {
        MessageBox("click View/Plan of floor first", "AUTO DIMENSIONS", MB_OK);
        return;
    }
    if (SaveState == 0) SaveState = 1;
    auto pick = std::make_unique<TLineobjtool>();
    pick->Kind = toolkind::kPick;
    InstallTool(std::move(pick));
    ShowToolName("Pick tool");
    if (TChild* child = ActiveDrawingWindow()) child->AutoDimensionAndArea(kDimensionsAndArea);
}

void TClient::LoadOverlay() {
    ObjectList.Flush();
    const char* extension = "";
    const OverlayFlags flags = FloorWithFloorBelow(CurrentView, extension);
    if (!WriteOverlayFile(ObjectList.ProgramDirectory, flags))
        MessageBox("The overlay settings could not be written to CFG/OVERLAY.CFG.", "OVERLAYS",
                   MB_OK | MB_ICONEXCLAMATION);
    PlanDisplayMode = displaymode::kOverlayFloorBelow;
    OpenViewWindow(1, extension);
}
