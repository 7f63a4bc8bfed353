// The small settings files of printing and titles: the floor titles and the printer calibration.
// Every reader falls back to the shipped defaults field by field and never fails.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace render {

// CFG/TITLE2D.CFG: the titles of ground, first, second floor, footing plan and site plan.
struct FloorTitles {
    std::array<std::string, 5> titles;
};
constexpr int32_t kTitleCapacity = 24;
constexpr const char* kFootingTitle = "footing plan";

FloorTitles ReadFloorTitles(const std::string& programDirectory);
// Writes the five titles, each cut to 24 characters, the fourth always "footing plan".
[[nodiscard]] bool WriteFloorTitles(const std::string& programDirectory, const FloorTitles& titles);

// CFG/PRNTCALM.CFG (metric) or CFG/PRNTCALI.CFG: the entered test length and the factor.
struct Calibration {
    int32_t length = 0;
    double factor = 1.0;
};
std::string CalibrationFilePath(const std::string& programDirectory, int32_t metric);
// A factor that is missing, not a number or not above 0 reads as 1.0.
Calibration ReadCalibration(const std::string& programDirectory, int32_t metric);
// The expected test length: 15000 mm, or 52 feet in 1/24 inch.
int32_t CalibrationExpectedLength(int32_t metric);
// 1.0 exactly for the expected length, else 1 + (expected - entered) / expected.
double CalibrationFactor(int32_t metric, int32_t entered);
[[nodiscard]] bool WriteCalibration(const std::string& programDirectory, int32_t metric, int32_t entered);

} // namespace render
