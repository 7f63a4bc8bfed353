// Templates of the stairs dialogs: flight width, stairwell length and storey height in millimetres
// (2550) or in feet and inches (3080), the kind of stair and where its top tread lies on the screen.
#pragma once

#include <cstdint>

#include "platform/dialog_template.h"

inline constexpr int32_t kStairsDialogId = 2550;
inline constexpr int32_t kStairsImpDialogId = 3080;

namespace stairsdlg {
// Metric.
inline constexpr int32_t kWidth = 2551;
inline constexpr int32_t kStairwell = 2559;
inline constexpr int32_t kStorey = 2560;
inline constexpr int32_t kHalfwayLanding = 2552;
inline constexpr int32_t kStraightFlight = 2553;
inline constexpr int32_t kTopAtTop = 2554;
inline constexpr int32_t kTopAtRight = 2558;
inline constexpr int32_t kTopAtBottom = 2557;
inline constexpr int32_t kTopAtLeft = 2555;
// Feet and inches.
inline constexpr int32_t kImpWidth = 3081;
inline constexpr int32_t kImpStairwellFeet = 3082;
inline constexpr int32_t kImpStairwellInches = 3083;
inline constexpr int32_t kImpStoreyFeet = 3091;
inline constexpr int32_t kImpStoreyInches = 3092;
inline constexpr int32_t kImpHalfwayLanding = 3084;
inline constexpr int32_t kImpStraightFlight = 3085;
inline constexpr int32_t kImpTopAtTop = 3086;
inline constexpr int32_t kImpTopAtRight = 3087;
inline constexpr int32_t kImpTopAtBottom = 3089;
inline constexpr int32_t kImpTopAtLeft = 3090;
} // namespace stairsdlg

pl::DialogTemplate StairsDialogTemplate();
pl::DialogTemplate StairsImpDialogTemplate();
// Registers both templates (again is harmless).
void RegisterStairsDialogTemplates();
