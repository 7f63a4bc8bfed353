// The templates of the partition thickness dialogs (7000 metric, 7500 feet and inches) and of the
// door defaults dialog (5400), with the three door-angle pictures the last one shows.
#pragma once

#include <cstdint>

#include "platform/dialog_template.h"

constexpr int32_t kPartitionDialogId = 7000;
constexpr int32_t kPartitionLeft = 7001;
constexpr int32_t kPartitionRight = 7002;
constexpr int32_t kPartitionAbove = 7003;
constexpr int32_t kPartitionBelow = 7004;
constexpr int32_t kPartitionThickness = 7005;

constexpr int32_t kPartitionImpDialogId = 7500;
constexpr int32_t kPartitionImpLeft = 7501;
constexpr int32_t kPartitionImpRight = 7502;
constexpr int32_t kPartitionImpAbove = 7503;
constexpr int32_t kPartitionImpBelow = 7504;
constexpr int32_t kPartitionImpInches = 7505;
constexpr int32_t kPartitionImpNumerator = 7506;
constexpr int32_t kPartitionImpDenominator = 7507;

constexpr int32_t kDoorDefaultsDialogId = 5400;
constexpr int32_t kDoorAngleIcon30 = 5401;
constexpr int32_t kDoorAngleIcon60 = 5402;
constexpr int32_t kDoorAngleIcon90 = 5403;
constexpr int32_t kDoorAngle30 = 5404;
constexpr int32_t kDoorAngle60 = 5405;
constexpr int32_t kDoorAngle90 = 5406;
constexpr int32_t kDoorThin = 5407;
constexpr int32_t kDoorThick = 5408;
constexpr int32_t kDoorSizeMillimetres = 5410;
constexpr int32_t kDoorSizeInches = 5411;

pl::DialogTemplate PartitionDialogTemplate();
pl::DialogTemplate PartitionImpDialogTemplate();
pl::DialogTemplate DoorDefaultsDialogTemplate();
// Registers the three templates and the door-angle pictures.
void RegisterPartitionDialogTemplates();
