// Templates of the new-fixed-room dialogs: the room's name, its size (millimetres, or feet, inches
// and a fraction) and which size lines it shows.
#pragma once

#include <cstdint>

#include "platform/dialog_template.h"

inline constexpr int32_t kFixedRoomDialogId = 8000;
inline constexpr int32_t kFixedRoomImpDialogId = 8500;

namespace fixedroomdlg {
inline constexpr int32_t kName = 8001;
inline constexpr int32_t kHorizontal = 8002;
inline constexpr int32_t kVertical = 8003;
inline constexpr int32_t kSizeFirst = 8006; // no sizes, both, horizontal, vertical
inline constexpr int32_t kImpName = 8501;
inline constexpr int32_t kImpWidthFeet = 8502; // feet, inches, numerator, denominator; then the length's
inline constexpr int32_t kImpSizeFirst = 8514;
} // namespace fixedroomdlg

// Registers both templates (again is harmless).
void RegisterFixedRoomDialogTemplates();
