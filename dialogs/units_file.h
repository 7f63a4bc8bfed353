// The unit system and the way a new drawing starts, as CFG/METRIC.CFG and CFG/START.CFG keep them
// between runs. A missing or unreadable file reads as its shipped default and is written back.
#pragma once

#include <cstdint>
#include <string>

// 1 millimetres, 0 feet and inches (the value stored, whatever it is).
int32_t ReadMetricSetting(const std::string& programDirectory);
// False when the file could not be written; the previous file then stays.
bool WriteMetricSetting(const std::string& programDirectory, int32_t metric);

// 1 design rooms, 2 external walls (the value stored, whatever it is).
int32_t ReadStartSetting(const std::string& programDirectory);
bool WriteStartSetting(const std::string& programDirectory, int32_t start);
