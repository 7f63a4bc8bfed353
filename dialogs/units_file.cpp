#include "dialogs/units_file.h"

#include "platform/file_io.h"
#include "platform/settings_file.h"
#include "resources/default_settings.h"

namespace {

int32_t ReadOne(const std::string& path, const char* name) {
    int32_t value = 0;
    pl::ScanSettings(path, DefaultSettings(name), "%d", &value);
    return value;
}

bool WriteOne(const std::string& path, int32_t value) {
    pl::File* file = pl::fopen(path, "w");
    if (!file) return false;
    pl::fprintf(file, "%d", value);
    return pl::fclose(file) == 0;
}

} // namespace

int32_t ReadMetricSetting(const std::string& programDirectory) {
    return ReadOne(programDirectory + "CFG/METRIC.CFG", "METRIC.CFG");
}

bool WriteMetricSetting(const std::string& programDirectory, int32_t metric) {
    return WriteOne(programDirectory + "CFG/METRIC.CFG", metric);
}

int32_t ReadStartSetting(const std::string& programDirectory) {
    return ReadOne(programDirectory + "CFG/START.CFG", "START.CFG");
}

bool WriteStartSetting(const std::string& programDirectory, int32_t start) {
    return WriteOne(programDirectory + "CFG/START.CFG", start);
}
