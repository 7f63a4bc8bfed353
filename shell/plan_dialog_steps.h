// The requests of the drawing window's plan dialogs (TChild::RunPlanDialog) and the steps behind the
// wall, window and door requests.
#pragma once

#include <cstdint>

class TChild;

namespace plandialog {

constexpr int32_t kExternalWall = 4;
constexpr int32_t kWindow = 6;
constexpr int32_t kDoor = 7;
constexpr int32_t kDisplayMode = 11;
constexpr int32_t kOverlays = 20;

} // namespace plandialog

namespace shell {

// The construction of new external walls: wall type, custom sizes, the side of the further lines,
// then the settings file, the floor's record and the working file.
void RunExternalWallDialogs(TChild& window);
// The window dialog, then the door and window tool started with its choice.
void RunWindowDialog(TChild& window);
// The door dialog and its follow-up, then the door and window tool started with the choice.
void RunDoorDialogs(TChild& window);

} // namespace shell
