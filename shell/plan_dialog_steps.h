// The requests of the drawing window's plan dialogs (TChild::RunPlanDialog) and the steps behind the
// wall, window and door requests.
#pragma once

#include <cstdint>

class TChild;
struct ExtWallSettings;

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
// The wall-type dialog of the unit system and, for a custom wall, the custom-wall dialog: their three
// layers go into the settings; false when the user cancelled either.
bool ChooseWallType(TChild& window, ExtWallSettings& settings);
// The standard base and wall height of the current floor (no change on other views).
void SetFloorHeights(ExtWallSettings& settings);
// Writes the external-wall settings file; a failure is told to the user and gives false.
bool SaveWallSettings(TChild& window, const ExtWallSettings& settings);
// The window dialog, then the door and window tool started with its choice.
void RunWindowDialog(TChild& window);
// The door dialog and its follow-up, then the door and window tool started with the choice.
void RunDoorDialogs(TChild& window);

} // namespace shell
