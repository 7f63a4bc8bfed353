#include "tools/extwall_settings.h"

#include "platform/file_io.h"
#include "platform/settings_file.h"
#include "resources/default_settings.h"

namespace {

constexpr const char* kFormat = "%d %d %d %ld %ld %ld %ld %d %d %ld";

const char* FileName(int32_t metricUnits) {
    return metricUnits == 0 ? "EXTWALLI.CFG" : "EXTWALLM.CFG";
}

} // namespace

std::string ExtWallSettingsPath(const std::string& programDirectory, int32_t metricUnits) {
    return programDirectory + "CFG/" + FileName(metricUnits);
}

ExtWallSettings ReadExtWallSettings(const std::string& programDirectory, int32_t metricUnits) {
    ExtWallSettings s;
    pl::ScanSettings(ExtWallSettingsPath(programDirectory, metricUnits),
                     DefaultSettings(FileName(metricUnits)), kFormat, &s.layer1, &s.layer2, &s.layer3,
                     &s.heights[0], &s.heights[1], &s.heights[2], &s.heights[3], &s.setting1, &s.setting2,
                     &s.colour);
    return s;
}

bool WriteExtWallSettings(const std::string& programDirectory, int32_t metricUnits,
                          const ExtWallSettings& s) {
    return pl::WriteTextFile(ExtWallSettingsPath(programDirectory, metricUnits),
                             pl::Format(kFormat, s.layer1, s.layer2, s.layer3, s.heights[0], s.heights[1],
                                        s.heights[2], s.heights[3], s.setting1, s.setting2, s.colour));
}
