// The floor-area reports of the drawing window: the area of the current floor's external walls is
// stored in the floor's record, which keeps it with the drawing, and told to the user.
#include <string>

#include "dialogs/area_dialog.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/mdi_client.h"
#include "platform/message_box.h"
#include "shell/child.h"
#include "shell/child_tool_call.h"
#include "shell/client.h"
#include "tools/line_modes.h"
#include "tools/working_file.h"

namespace {

constexpr int32_t kLayoutGridRefresh = 3;
// The floor views the dialog is shown on: the three floors, the fourth level and its footing.
constexpr int32_t kLastAreaView = 54;

// Stores the document's area in the current floor's record; a view without one (the site plan)
// keeps it nowhere. Then the working file is rewritten; false when that failed.
[[nodiscard]] tools::WriteResult StoreFloorArea(int32_t area) {
    const int32_t index = ObjectList.FindKind(CurrentView + kFloorRecordBase);
    if (auto* record = dynamic_cast<TInfoobj*>(ObjectList[index])) record->value = area;
    return tools::SaveWorkingFile();
}

void ReportArea(TChild& window, int32_t area) {
    if (MetricUnits != 0 && MetricUnits != 1) return;
    const char* unit = MetricUnits == 1 ? "sq. metres" : "sq. feet";
    const std::string text =
        "Area and Dimensions should be checked manually\nTotal Building Area this floor: " +
        std::to_string(area) + " " + unit;
    shell::BoxKeepingCursor(window, text.c_str(), "External Area", MB_OK);
}

} // namespace

void TChild::AutoDimensionAndArea(int32_t) {
    TClient& client = Client();
    TRect rc = GetClientRect();
    const tools::WriteResult written =
        tools::Failed(shell::CallTool(client, [&] { client.Tool->Command(1); }))
            ? tools::WriteResult::Failed
            : shell::CallTool(*this, [&](TDC& dc) { client.Tool->AutoDimension(dc, rc, 0, 0, 0, 111); });
    const int32_t area = ObjectList.GetFloorArea();
    // A failed write has been told and ends the step; the screen shows the file again.
    if (!tools::Failed(written) && !tools::Failed(StoreFloorArea(area))) ReportArea(*this, area);
    Invalidate(true);
}

void TChild::ShowBuildingArea(int32_t kind) {
    TClient& client = Client();
    client.ShowGuide("GUIDE: for HELP - press button if showing or press F1 key");
    if (kind != 2) return;
    const int32_t area = ObjectList.GetFloorArea();
    if (tools::Failed(StoreFloorArea(area))) return;
    ReportArea(*this, area);
    client.ShowGuide("GUIDE: Pick drawingtool");
    client.Tool->Kind = toolkind::kPickIdle;
}

void TChild::FloorAreaDialog() {
    if (CurrentView < kGroundFloor || CurrentView > kLastAreaView) return;
    TAreadlg dialog(GetHandle(), kAreaDialogId);
    // OK is the only answer; the dialog changes nothing.
    dialog.Execute();
    if (LayoutGridFlag == 1) RunToolDialog(kLayoutGridRefresh);
}
