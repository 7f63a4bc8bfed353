#include "dialogs/units_file.h"

#include <array>
#include <string>

#include "document/cfg_files.h"
#include "platform/file_io.h"

int32_t ReadMetricSetting() {
    return ReadRangedSettings("METRIC.CFG", std::array{FieldRange{0, 1}})[0];
}

bool WriteMetricSetting(int32_t metric) {
    return pl::WriteTextFile(CfgPath("METRIC.CFG"), std::to_string(metric));
}

int32_t ReadStartSetting() {
    return ReadRangedSettings("START.CFG", std::array{FieldRange{1, 2}})[0];
}

bool WriteStartSetting(int32_t start) {
    return pl::WriteTextFile(CfgPath("START.CFG"), std::to_string(start));
}
