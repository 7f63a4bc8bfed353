// Templates of the external-wall construction dialogs: the wall type (metric and feet and inches),
// the custom wall's sizes (both unit systems) and the side of the secondary lines.
#pragma once

#include <cstdint>

#include "platform/dialog_template.h"

inline constexpr int32_t kPlanDialogId = 2480;
inline constexpr int32_t kPlanCavity275 = 2481;
inline constexpr int32_t kPlanSolid230 = 2482;
inline constexpr int32_t kPlanVeneer240 = 2483;
inline constexpr int32_t kPlanWalling200 = 2484;
inline constexpr int32_t kPlanWalling100 = 2485;
inline constexpr int32_t kPlanWalling75 = 2486;
inline constexpr int32_t kPlanCustom = 2487;
inline constexpr int32_t kPlanWalling150 = 2494;

inline constexpr int32_t kPlanImpDialogId = 2900;
inline constexpr int32_t kPlanImpCavity264 = 2904;
inline constexpr int32_t kPlanImpSolid216 = 2905;
inline constexpr int32_t kPlanImpVeneer228 = 2906;
inline constexpr int32_t kPlanImpWalling192 = 2907;
inline constexpr int32_t kPlanImpWalling144 = 2908;
inline constexpr int32_t kPlanImpWalling96 = 2909;
inline constexpr int32_t kPlanImpWalling72 = 2910;
inline constexpr int32_t kPlanImpCustom = 2911;

inline constexpr int32_t kPlanCustDialogId = 5300;
inline constexpr int32_t kPlanCustLines = 5301;
inline constexpr int32_t kPlanCustTotal = 5302;
inline constexpr int32_t kPlanCustOutside = 5303;
inline constexpr int32_t kPlanCustCavity = 5304;

inline constexpr int32_t kPlanImpCustDialogId = 5350;
inline constexpr int32_t kPlanImpCustLines = 5351;
inline constexpr int32_t kPlanImpCustTotal = 5352;   // then its numerator 5353 and denominator 5354
inline constexpr int32_t kPlanImpCustOutside = 5355; // 5356, 5357
inline constexpr int32_t kPlanImpCustCavity = 5358;  // 5359, 5360

inline constexpr int32_t kExtSideDialogId = 4200;
inline constexpr int32_t kExtSideBelow = 4201;
inline constexpr int32_t kExtSideAbove = 4202;
inline constexpr int32_t kExtSideLeft = 4203;
inline constexpr int32_t kExtSideRight = 4204;

pl::DialogTemplate PlanDialogTemplate();
pl::DialogTemplate PlanImpDialogTemplate();
pl::DialogTemplate PlanCustDialogTemplate();
pl::DialogTemplate PlanImpCustDialogTemplate();
pl::DialogTemplate ExtSideDialogTemplate();

// Registers the five templates under their ids (again is harmless).
void RegisterWallDialogTemplates();
