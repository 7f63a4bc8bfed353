#include "tools/extwall_settings.h"

#include <limits>

#include "document/cfg_files.h"
#include "platform/file_io.h"
#include "tools/custom_wall_settings.h"

namespace {

constexpr const char* kFormat = "%d %d %d %ld %ld %ld %ld %d %d %ld";

} // namespace

const char* ExtWallSettingsName(int32_t metricUnits) {
    return metricUnits == 0 ? "EXTWALLI.CFG" : "EXTWALLM.CFG";
}

std::array<FieldRange, 10> ExtWallRanges(int32_t metricUnits) {
    // The layers as the custom wall gives them: the first is the whole of a two-line wall or the
    // outside layer of a four-line one (which may be none), the second the cavity, the third what is
    // left.
    const auto custom = CustomWallRanges(metricUnits);
    const FieldRange first{0, custom[1].high}, cavity{0, custom[3].high}, rest{0, custom[1].high};
    // A storey up to 10 m (400 inches); the two further settings are carried into every wall as they
    // are, whatever they hold.
    const FieldRange height{0, metricUnits != 0 ? 10000 : 400 * kImperialUnitsPerInch};
    constexpr FieldRange kAny{std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()};
    return {first, cavity, rest, height, height, height, height, kAny, kAny, kColourRange};
}

ExtWallSettings ReadExtWallSettings(int32_t metricUnits) {
    // The layers together make the wall, as thick as the custom wall's whole may be.
    const FieldRange whole = CustomWallRanges(metricUnits)[1];
    const JointRule layers{0, 3, [whole](std::span<const int32_t> v) {
                               const int64_t sum = int64_t{v[0]} + v[1] + v[2];
                               return sum >= whole.low && sum <= whole.high;
                           }};
    const auto v = ReadRangedSettings(ExtWallSettingsName(metricUnits), ExtWallRanges(metricUnits), layers);
    return {v[0], v[1], v[2], {v[3], v[4], v[5], v[6]}, v[7], v[8], v[9]};
}

bool WriteExtWallSettings(int32_t metricUnits, const ExtWallSettings& s) {
    return pl::WriteTextFile(CfgPath(ExtWallSettingsName(metricUnits)),
                             pl::Format(kFormat, s.layer1, s.layer2, s.layer3, s.heights[0], s.heights[1],
                                        s.heights[2], s.heights[3], s.setting1, s.setting2, s.colour));
}
