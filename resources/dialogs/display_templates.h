// Templates of the two dialogs that choose how a floor plan is shown: the overlays dialog and the
// display-mode dialog.
#pragma once

#include <cstdint>

#include "platform/dialog_template.h"

inline constexpr int32_t kOverlayDialogId = 5200;
inline constexpr int32_t kOverlayGround = 5202;
inline constexpr int32_t kOverlayFirst = 5203;
inline constexpr int32_t kOverlaySecond = 5204;
inline constexpr int32_t kOverlayDimensions = 5206;

inline constexpr int32_t kDisplayModeDialogId = 18500;
inline constexpr int32_t kDisplayAllDimensions = 18501;
inline constexpr int32_t kDisplayNormal = 18503;
inline constexpr int32_t kDisplayHatched = 18504;
inline constexpr int32_t kDisplaySolid = 18505;

pl::DialogTemplate OverlayDialogTemplate();
pl::DialogTemplate DisplayModeDialogTemplate();

// Registers both templates under their ids (again is harmless).
void RegisterDisplayDialogTemplates();
