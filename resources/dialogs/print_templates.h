// The templates of the dialogs of printing, calibration, titles, units and the whole-drawing turn.
#pragma once

#include <cstdint>

#include "platform/dialog_template.h"

inline constexpr int32_t kPrintPlanDialogId = 19500; // "print plan views"
inline constexpr int32_t kTitlesDialogId = 20000;    // "drawing titles"
inline constexpr int32_t kCalibrateMetricDialogId = 3200;
inline constexpr int32_t kCalibrateImperialDialogId = 3300;
inline constexpr int32_t kManipulateDialogId = 19000; // "manipulate drawing file"

// Registers every template above (again is harmless).
void RegisterPrintDialogTemplates();
