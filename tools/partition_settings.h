// The partition thickness (CFG/PTNM.CFG in millimetres, CFG/PTNI.CFG in 1/24 inch) and the door
// defaults (CFG/DOORSZE.CFG, CFG/INTERN.CFG). A missing or short file reads as its shipped default,
// field by field, and is written back whole.
#pragma once

#include <cstdint>

// The thickness in the units of the file chosen by metricUnits (1 millimetres, 0 feet and inches).
int32_t ReadPartitionThickness(int32_t metricUnits);
[[nodiscard]] bool WritePartitionThickness(int32_t metricUnits, int32_t thickness);

struct DoorDefaults {
    int32_t SizeMillimetres = 0;
    int32_t SizeImperial = 0;  // 1/24 inch
    int32_t SwingAngle = 0;    // degrees: 30, 60 or 90
    int32_t DoorThickness = 0; // 1 minimum, 2 maximum
};

DoorDefaults ReadDoorDefaults();
[[nodiscard]] bool WriteDoorSize(int32_t millimetres, int32_t imperial);
// Writes the angle and thickness with the sine and cosine of the angle, as the door symbols read them.
[[nodiscard]] bool WriteDoorStyle(int32_t swingAngle, int32_t doorThickness);
