// EXPAND and SHRINK Floorplan Base: each installs the external-wall tool in its base mode; the drawing
// window's arrow key then chooses the direction and Enter the line and the amount.
#include <memory>

#include "document/program_state.h"
#include "shell/client.h"
#include "tools/extwall_edit_modes.h"
#include "tools/wall_tools.h"

namespace {

constexpr int32_t kBaseHelp = 252;

// Only a floor plan has a base to change; on any other view the command does nothing.
void InstallBaseChange(TClient& client, int32_t mode, const char* name, const char* guide) {
    if (DrawingState <= 1 || CurrentView < kGroundFloor || CurrentView > kFourthLevel) return;
    HelpContextId = kBaseHelp;
    if (SaveState == 0) SaveState = 1;
    auto tool = std::make_unique<TExtwallobjtool>();
    tool->Kind = toolkind::kBaseChange;
    tool->Mode = mode;
    tool->PointPlaced = 0;
    client.InstallTool(std::move(tool));
    client.ShowToolName(name);
    client.ShowGuide(guide);
}

} // namespace

void TClient::CmExpandBase() {
    InstallBaseChange(*this, extwallmode::kExpandBase, "Enlarge Floor Plan",
                      "GUIDE: press ARROW key of direction to expand floor plan");
}

void TClient::CmShrinkBase() {
    InstallBaseChange(*this, extwallmode::kShrinkBase, "Shrink Floor Plan",
                      "*WARNING* press F1 first if unsure -press ARROW key of direction to shrink floor plan");
}
