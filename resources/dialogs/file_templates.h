// Templates of the dialogs of the File menu: the new drawing, the units question, the save question
// and the copy of a drawing under a new client name.
#pragma once

#include <cstdint>

#include "platform/dialog_template.h"

inline constexpr int32_t kNewDrawingDialogId = 2024;
inline constexpr int32_t kUnitsDialogId = 5450;
inline constexpr int32_t kSaveQuestionDialogId = 26580;
inline constexpr int32_t kSaveAsDialogId = 9020;

// Control ids.
inline constexpr int32_t kNewNameEdit = 2027;
inline constexpr int32_t kStartRoomsRadio = 2208;
inline constexpr int32_t kStartWallsRadio = 2209;
inline constexpr int32_t kNewMetricRadio = 2026;
inline constexpr int32_t kNewImperialRadio = 2025;
inline constexpr int32_t kUnitsMetricRadio = 5451;
inline constexpr int32_t kUnitsImperialRadio = 5452;
inline constexpr int32_t kSaveAsNameEdit = 9021;

// Client names: 24 characters (the edits count the terminating zero) of letters, digits, comma and
// blank, so a name can never reach outside the drawings folder.
inline constexpr int32_t kClientNameLimit = 25;
inline constexpr const char* kClientNameCharacters = "A-Za-z0-9, ";

pl::DialogTemplate NewDrawingDialogTemplate();
pl::DialogTemplate UnitsDialogTemplate();
pl::DialogTemplate SaveQuestionDialogTemplate();
pl::DialogTemplate SaveAsDialogTemplate();

// Registers the four templates (again is harmless).
void RegisterFileDialogTemplates();
