// The partition thickness (CFG/PTNM.CFG in millimetres, CFG/PTNI.CFG in 1/24 inch) and the door
// defaults (CFG/DOORSZE.CFG, CFG/INTERN.CFG). A missing or short file reads as its shipped default,
// field by field, as does a value outside its dialog's range, and the file is written back whole.
#pragma once

#include <cstdint>

#include "document/cfg_files.h"
#include "tools/opening_settings.h"

// The thickness the partition dialogs allow, in the file's units (imperial: 1/24 inch).
FieldRange PartitionThicknessRange(int32_t metricUnits);
// The thickness in the units of the file chosen by metricUnits (1 millimetres, 0 feet and inches).
int32_t ReadPartitionThickness(int32_t metricUnits);
[[nodiscard]] bool WritePartitionThickness(int32_t metricUnits, int32_t thickness);

struct DoorDefaults {
    int32_t SizeMillimetres = 0;
    int32_t SizeImperial = 0;  // 1/24 inch
    int32_t SwingAngle = 0;    // degrees: 30, 60 or 90
    int32_t DoorThickness = 0; // 1 minimum, 2 maximum
};

// The door sizes the door-defaults dialog allows: 100 to 5000 mm, 4 to 200 inches.
inline constexpr FieldRange kDoorMillimetresRange{100, 5000};
inline constexpr FieldRange kDoorImperialRange{4 * kImperialUnitsPerInch, 200 * kImperialUnitsPerInch};

DoorDefaults ReadDoorDefaults();
[[nodiscard]] bool WriteDoorSize(int32_t millimetres, int32_t imperial);
