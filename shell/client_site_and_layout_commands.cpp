// The Views menu's site plan, room layout and floor area: the site plan starts from the ground
// floor's walls or is shown as it is, the room layout takes the ground floor's finished rooms back as
// design rooms, and the floor area shows the areas stored with the floors.
#include <memory>

#include "document/checked_file.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/message_box.h"
#include "shell/child.h"
#include "shell/client.h"
#include "shell/view_switching.h"
#include "tools/line_tool.h"
#include "tools/room_tools.h"
#include "tools/working_file.h"
#include "walls/site_plan_copy.h"

namespace {

constexpr int32_t kViewsHelp = 210;
constexpr int32_t kLayoutHelp = 260;
constexpr int32_t kLastPlanView = kFourthLevel;

void InstallPickTool(TClient& client) {
    auto pick = std::make_unique<TLineobjtool>();
    pick->Kind = toolkind::kPick;
    client.InstallTool(std::move(pick));
    client.ShowToolName("Pick tool");
}

// A fresh site plan: the ground floor's walls, scaled down by the site plan's view, and its title.
void StartSitePlan(TClient& client) {
    client.ShowGuide("GUIDE: use EDIT/MOVE ROTATE if you need to alter position of house ");
    const WorkingFileStep step;
    const int32_t view = CurrentView;
    CurrentView = kSitePlan;
    if (CopyGroundWallsToSitePlan(ObjectList)) ObjectList.MakeTitleBlock();
    // Neither the copies nor the title are in the file: the view the user was on stays.
    if (step.Failed()) {
        CurrentView = view;
        return;
    }
    client.OpenViewWindow(1, ".STE");
}

// False when the working file could not be written (the user has been told).
[[nodiscard]] tools::WriteResult EraseSitePlan() {
    for (int32_t i = ObjectList.count - 1; i >= 0; --i) {
        const TObject* o = ObjectList[i];
        if (o && o->view == kSitePlan) ObjectList.RemoveAt(i);
    }
    return tools::SaveWorkingFile();
}

} // namespace

void TClient::CmSitePlan() {
    if (DrawingState <= 1) return;
    shell::ReturnLayoutRoomsOnLeaving();
    if (SaveState > 0 && !SaveIfModified()) return;
    HelpContextId = kViewsHelp;
    InstallPickTool(*this);
    const bool present = ObjectList.FloorHasObjects(kSitePlan) != 0;
    if (!ActiveDrawingWindow()) return;
    PlanDisplayMode = displaymode::kPlain;
    if (!present) {
        StartSitePlan(*this);
        return;
    }
    const int answer = MessageBox("Select YES to view your site plan\nSelect NO to draw a NEW site plan "
                                  "(existing one will be erased)",
                                  "SITE PLAN", MB_YESNO);
    if (answer == IDYES) {
        CurrentView = kSitePlan;
        InstallPickTool(*this);
        OpenViewWindow(0, ".STE");
        return;
    }
    if (tools::Failed(EraseSitePlan())) return;
    StartSitePlan(*this);
}

void TClient::CmRoomLayout() {
    if (DrawingState <= 1 || !ActiveDrawingWindow()) return;
    HelpContextId = kLayoutHelp;
    if (tools::Failed(shell::LeaveSitePlan(*this))) return;
    if (SaveState > 0 && !SaveIfModified()) return;
    // The ground floor's finished rooms go back to the layout as design rooms.
    if (!shell::SwapRooms(kFinishedRoom, kGroundFloor, kDesignRoom, kRoomLayout)) {
        MessageBox("There was no layout view for this drawing, use FILE/NEW and select 'layout design rooms'",
                   "LAYOUT DESIGN ROOMS", MB_OK);
        return;
    }
    // Showing the rooms on the layout changes nothing of the drawing: leaving turns them back.
    if (!WriteOrTell(ObjectList, filemode::kWorking)) return;
    ObjectList.Flush();
    CurrentView = kRoomLayout;
    OpenViewWindow(0, ".LYT");
    InstallTool(std::make_unique<TDRoomobjtool>());
    LayoutGridFlag = 1;
    Tool->Colour = PenColour;
}

void TClient::CmFloorArea() {
    if (CurrentView < kGroundFloor || CurrentView > kLastPlanView) {
        MessageBox("You must be in a PLAN VIEW to use this function", "AREA", MB_OK);
        return;
    }
    if (TChild* child = ActiveDrawingWindow()) child->FloorAreaDialog();
}
