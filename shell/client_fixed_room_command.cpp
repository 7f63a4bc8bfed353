// New Room (fixed): installs the fixed-room tool on a floor plan; the drawing window's fixed-room
// step takes over after the click.
#include <memory>

#include "document/objects.h"
#include "document/program_state.h"
#include "platform/message_box.h"
#include "shell/client.h"
#include "tools/room_tools.h"

namespace {

constexpr int32_t kFixedRoomHelp = 270;

} // namespace

void TClient::CmNewRoom() {
    if (DrawingState <= 1) return;
    HelpContextId = kFixedRoomHelp;
    if (SaveState == 0) SaveState = 1;
    ShowToolName(" Room");
    if (CurrentView < kGroundFloor || CurrentView > kFourthLevel) {
        MessageBox("Wrong View - select  View then Plan", "", MB_OK);
        return;
    }
    InstallTool(std::make_unique<TRoomobjtool>());
    ShowGuide("GUIDE: Click cursor in new ROOM area, near corner to work from");
}
