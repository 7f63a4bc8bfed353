#include "shell/view_switching.h"
#include "shell/child_tool_call.h"

#include "document/checked_file.h"
#include "document/document.h"
#include "document/objects.h"
#include "document/program_state.h"
#include "shell/client.h"
#include "tools/working_file.h"

namespace {

constexpr int32_t kCentreSitePlan = 59;

} // namespace

namespace shell {

tools::WriteResult LeaveSitePlan(TClient& client) {
    if (CurrentView != kSitePlan) return tools::WriteResult::Ok;
    client.RestoreTool(toolkind::kPick);
    if (tools::Failed(CallTool(client, [&] { client.Tool->Command(kCentreSitePlan); })))
        return tools::WriteResult::Failed;
    return tools::SaveWorkingFile();
}

bool ReturnLayoutRooms() {
    if (ObjectList.FloorHasObjects(kGroundFloor) == 0) return true;
    if (!SwapRooms(kDesignRoom, kRoomLayout, kFinishedRoom, kGroundFloor)) return true;
    if (!WriteOrTell(ObjectList, filemode::kWorking)) return false;
    // Unmodified, the saved copy is this drawing, perhaps saved while on the layout: it gets its rooms
    // back as well, so declining a later save question cannot bring back the layout rooms.
    return SaveState == 1 || WriteOrTell(ObjectList, filemode::kScratch);
}

bool SwapRooms(int32_t fromKind, int32_t fromView, int32_t toKind, int32_t toView) {
    bool changed = false;
    for (int32_t i = 0; i < ObjectList.count; ++i) {
        TObject* o = ObjectList[i];
        if (!o || o->kind != fromKind || o->view != fromView) continue;
        o->kind = toKind;
        o->view = toView;
        changed = true;
    }
    return changed;
}

void ReturnLayoutRoomsOnLeaving() {
    if (CurrentView == kRoomLayout) (void)ReturnLayoutRooms(); // a failed write has been told
}

int32_t WithoutOverlay(int32_t mode) {
    const int32_t units = displaymode::Units(mode);
    if (units == displaymode::kOverlay || units == displaymode::kOverlayFloorBelow) return mode - units;
    if (units == displaymode::kOverlayNoDimensions) return mode - units + displaymode::kNoDimensions;
    return mode;
}

} // namespace shell
