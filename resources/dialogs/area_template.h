// The floor-area dialog's template: the total and the area of each of the three floors, closed with
// OK.
#pragma once

#include <cstdint>

#include "platform/dialog_template.h"

inline constexpr int32_t kAreaDialogId = 17000;

namespace areadlg {
inline constexpr int32_t kTotal = 17001;
inline constexpr int32_t kGround = 17002;
inline constexpr int32_t kFirst = 17003;
inline constexpr int32_t kSecond = 17004;
inline constexpr int32_t kTextLimit = 24;
} // namespace areadlg

pl::DialogTemplate AreaDialogTemplate();
// Registers the template under kAreaDialogId (again is harmless).
void RegisterAreaDialogTemplate();
