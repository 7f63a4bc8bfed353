// The feet-and-inches length dialog's template (resource 9500).
#pragma once

#include <cstdint>

#include "platform/dialog_template.h"

constexpr int32_t kFeetDialogId = 9500;
constexpr int32_t kFeetEditId = 9501;
constexpr int32_t kInchesEditId = 9502;
constexpr int32_t kNumeratorEditId = 9503;
constexpr int32_t kDenominatorEditId = 9504;

pl::DialogTemplate FeetDialogTemplate();
void RegisterFeetDialogTemplate();
