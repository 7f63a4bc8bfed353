// The templates of the window dialog (6500) and the door dialogs (26500 door type, 10500 door swing,
// 13000 sliding door, 26540 wardrobe and into-wall sliders, 26570 folding doors, 6000 side frames),
// with the pictures of the swing and sliding choices drawn in code.
#pragma once

#include <cstdint>

#include "platform/dialog_template.h"

constexpr int32_t kWindowDialogId = 6500;
constexpr int32_t kWindowWidth = 6501;
constexpr int32_t kWindowHeight = 6502;
constexpr int32_t kWindowShowSizes = 6504;
constexpr int32_t kWindowShowCill = 6505;
constexpr int32_t kWindowText7 = 6506;
constexpr int32_t kWindowText9 = 6507;

constexpr int32_t kExtDoorDialogId = 26500;
constexpr int32_t kDoorWidthEdit = 26501;
constexpr int32_t kDoorNumberEdit = 26504;
constexpr int32_t kDoorHinged = 26505;
constexpr int32_t kDoorGarage = 26508;
constexpr int32_t kDoorSlidingFramed = 26515;
constexpr int32_t kDoorWallOpening = 26516;
constexpr int32_t kDoorEntryFrame = 26522;
constexpr int32_t kDoorFolding = 26523;
constexpr int32_t kDoorIntoWall = 26524;
constexpr int32_t kDoorWardrobe = 26525;

constexpr int32_t kRobeDialogId = 26540;
constexpr int32_t kRobeOpening = 26541;
constexpr int32_t kRobeIntoWall = 26542;

constexpr int32_t kFoldingDialogId = 26570;
constexpr int32_t kFoldingLeft = 26571;
constexpr int32_t kFoldingRight = 26572;
constexpr int32_t kFoldingCentre = 26573;

constexpr int32_t kEntryFrameDialogId = 6000;
constexpr int32_t kEntryFrameWidth = 6001;
constexpr int32_t kEntryFrameLeft = 6004;
constexpr int32_t kEntryFrameRight = 6005;
constexpr int32_t kEntryFrameCentral = 6006;

constexpr int32_t kSlidingDoorDialogId = 13000;
constexpr int32_t kSlidingIntoWall = 13002;
// The eight arrangement radios, by code 1 to 8, and their pictures.
constexpr int32_t kSlidingRadios[8] = {13003, 13004, 13005, 13006, 13007, 13008, 13009, 13010};
constexpr int32_t kSlidingIcons[8] = {13011, 13012, 13013, 13014, 13015, 13017, 13016, 13018};

constexpr int32_t kDoorSwingDialogId = 10500;
// The eight swing radios, by code 1 to 8, and their pictures.
constexpr int32_t kSwingRadios[8] = {10509, 10508, 10507, 10506, 10505, 10504, 10503, 10502};
constexpr int32_t kSwingIcons[8] = {10517, 10516, 10515, 10514, 10513, 10511, 10512, 10510};

pl::DialogTemplate WindowDialogTemplate();
pl::DialogTemplate ExtDoorDialogTemplate();
pl::DialogTemplate RobeDialogTemplate();
pl::DialogTemplate FoldingDialogTemplate();
pl::DialogTemplate EntryFrameDialogTemplate();
pl::DialogTemplate SlidingDoorDialogTemplate();
pl::DialogTemplate DoorSwingDialogTemplate();
// Registers the seven templates and the sixteen pictures.
void RegisterOpeningDialogTemplates();
