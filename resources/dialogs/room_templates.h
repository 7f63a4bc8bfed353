// Templates of the design-room dialogs: the partition thickness of the room functions (millimetres,
// inches and a fraction), and the name, size, colour and size labels of a new design room, typed or
// preset to the largest free room (each metric and in feet and inches).
#pragma once

#include <cstdint>

#include "platform/dialog_template.h"

inline constexpr int32_t kRoomPartitionDialogId = 21000;
inline constexpr int32_t kRoomPartitionImpDialogId = 21500;
inline constexpr int32_t kNewRoomDialogId = 22000;
inline constexpr int32_t kNewRoomImpDialogId = 22500;
inline constexpr int32_t kMaxRoomDialogId = 23000;
inline constexpr int32_t kMaxRoomImpDialogId = 23500;

namespace roomdlg {
// Partition thickness.
inline constexpr int32_t kThickness = 21001;
inline constexpr int32_t kInches = 21501;
inline constexpr int32_t kNumerator = 21502;
inline constexpr int32_t kDenominator = 21503;

// Offsets from a room dialog's resource id: metric dialogs.
inline constexpr int32_t kName = 1;
inline constexpr int32_t kHorizontal = 2;
inline constexpr int32_t kVertical = 3;
inline constexpr int32_t kColourFirst = 4; // no colour, wet area, bedroom, other rooms
inline constexpr int32_t kSizeFirst = 9;   // no sizes, both, horizontal, vertical
// Feet-and-inches dialogs: width feet, inches, numerator, denominator, then the same for the length.
inline constexpr int32_t kWidthFeet = 2;
inline constexpr int32_t kLengthFeet = 6;
inline constexpr int32_t kImpColourFirst = 10;
inline constexpr int32_t kImpSizeFirst = 15;
} // namespace roomdlg

// Registers the six templates (again is harmless).
void RegisterRoomDialogTemplates();
