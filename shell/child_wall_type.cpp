// A picked external wall given another construction: the wall-type dialogs of the unit system, the
// choice stored with the floor's standard heights in the external-wall settings file, then the edit
// tool rebuilds the wall and its corners.
#include "document/document.h"
#include "document/program_state.h"
#include "shell/child.h"
#include "shell/child_tool_call.h"
#include "shell/client.h"
#include "shell/plan_dialog_steps.h"
#include "tools/drawing_tool.h"
#include "tools/extwall_settings.h"
#include "tools/working_file.h"

void TChild::ExtWallStep() {
    TClient& client = Client();
    ExtWallSettings settings = ReadExtWallSettings(MetricUnits);
    // A cancelled dialog changes nothing: neither the settings file nor the drawing.
    if (!shell::ChooseWallType(*this, settings)) {
        client.SelectPickTool();
        return;
    }
    shell::SetFloorHeights(settings);
    // A failed write has been reported; the picked wall still takes the chosen construction.
    shell::SaveWallSettings(*this, settings);
    // The edit tool has written the retyped wall; a failure there has been told once already.
    if (tools::Failed(shell::CallTool(
            client, [&] { client.Tool->Start(settings.layer1, settings.layer2, settings.layer3); })))
        return;
    // The step's last change: a failed write has been told.
    static_cast<void>(tools::SaveWorkingFile());
}
