// The small settings files of printing and titles: the floor titles and the printer calibration.
// Every reader falls back to the shipped defaults field by field, also for a value out of range, and
// never fails.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "document/cfg_files.h"

namespace render {

// CFG/TITLE2D.CFG: the titles of ground, first, second floor, footing plan and site plan.
struct FloorTitles {
    std::array<std::string, 5> titles;
};
constexpr int32_t kTitleCapacity = 24;
constexpr const char* kFootingTitle = "footing plan";

FloorTitles ReadFloorTitles();
// Writes the five titles, each cut to 24 characters, the fourth always "footing plan".
[[nodiscard]] bool WriteFloorTitles(const FloorTitles& titles);

// CFG/PRNTCALM.CFG (metric) or CFG/PRNTCALI.CFG: the entered test length and the factor.
struct Calibration {
    int32_t length = 0;
    double factor = 1.0;
};
std::string CalibrationFilePath(int32_t metric);
// The test lengths the dialogs take, in the file's units.
FieldRange CalibrationLengthRange(int32_t metric);
// A length outside its range, or a factor no such length gives (or not a number), reads as shipped
// and the file is written back.
Calibration ReadCalibration(int32_t metric);
// The expected test length: 15000 mm, or 52 feet in 1/24 inch.
int32_t CalibrationExpectedLength(int32_t metric);
// 1.0 exactly for the expected length, else 1 + (expected - entered) / expected.
double CalibrationFactor(int32_t metric, int32_t entered);
[[nodiscard]] bool WriteCalibration(int32_t metric, int32_t entered);

} // namespace render
