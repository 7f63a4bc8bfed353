// The external-wall edit commands. Each installs the line tool of the edit kind carrying its mode;
// the drawing window's pick then hands the picked wall to an external-wall tool in that mode.
#include <memory>

#include "document/program_state.h"
#include "shell/client.h"
#include "tools/extwall_edit_modes.h"
#include "tools/line_tool.h"

namespace {

constexpr int32_t kWallEditHelp = 251;

// Only a floor plan has external walls to edit; on any other view the command does nothing.
void InstallWallEdit(TClient& client, int32_t mode, const char* name, const char* guide) {
    if (DrawingState <= 1 || CurrentView < kGroundFloor || CurrentView > kFourthLevel) return;
    HelpContextId = kWallEditHelp;
    if (SaveState == 0) SaveState = 1;
    auto tool = std::make_unique<TLineobjtool>();
    tool->Kind = toolkind::kExtWallEdit;
    tool->Mode = mode;
    client.InstallTool(std::move(tool));
    client.ShowToolName(name);
    client.ShowGuide(guide);
}

} // namespace

void TClient::CmLengthenWall() {
    InstallWallEdit(*this, extwallmode::kLengthen, "Lengthen",
                    "GUIDE: click LB on line of object nearer to end to lengthen");
}

void TClient::CmAlterBase() {
    InstallWallEdit(*this, extwallmode::kShorten, "Alter Base",
                    "GUIDE: click LB on line of object nearer to end to shorten");
}

void TClient::CmDeleteExternalWall() {
    InstallWallEdit(*this, extwallmode::kDelete, "DELETE Wall",
                    "GUIDE: click LB on line of EXTERNAL wall to DELETE");
}

void TClient::CmSplitWall() {
    InstallWallEdit(*this, extwallmode::kSplit, "Alter Walls",
                    "GUIDE: press ENTER on external wall  at point to split wall to two");
}

void TClient::CmChangeWallType() {
    InstallWallEdit(*this, extwallmode::kChangeType, "Alter Wall",
                    "GUIDE: click Left Button on external wall to change wall type");
}
