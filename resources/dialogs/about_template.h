// The About box's template: the program's name and version and a few notices.
#pragma once

#include <cstdint>

#include "platform/dialog_template.h"

inline constexpr int32_t kAboutDialogId = 9030;

pl::DialogTemplate AboutDialogTemplate();

// Registers the template under kAboutDialogId (again is harmless).
void RegisterAboutDialogTemplate();
