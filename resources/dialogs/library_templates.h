// The symbol-library dialogs' templates: naming a new library file (resource 16000) and the list of
// a group's library files (resource 15500).
#pragma once

#include <cstdint>

#include "platform/dialog_template.h"

constexpr int32_t kAddToLibraryDialogId = 16000;
constexpr int32_t kLibraryNameEditId = 16001;
constexpr int32_t kPlumbingRadioId = 16002;
constexpr int32_t kElectricalRadioId = 16003;
constexpr int32_t kFurnitureRadioId = 16004;
constexpr int32_t kMiscellaneousRadioId = 16005;

constexpr int32_t kLibraryListDialogId = 15500;
constexpr int32_t kLibraryListBoxId = 15501;

void RegisterLibraryDialogTemplates();
