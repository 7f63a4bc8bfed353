// The unit system and the way a new drawing starts, as CFG/METRIC.CFG and CFG/START.CFG keep them
// between runs. A missing or unreadable file, or a choice the dialogs do not offer, reads as the
// shipped default and the file is written back.
#pragma once

#include <cstdint>

// 1 millimetres, 0 feet and inches.
int32_t ReadMetricSetting();
// False when the file could not be written; the previous file then stays.
[[nodiscard]] bool WriteMetricSetting(int32_t metric);

// 1 design rooms, 2 external walls.
int32_t ReadStartSetting();
[[nodiscard]] bool WriteStartSetting(int32_t start);
