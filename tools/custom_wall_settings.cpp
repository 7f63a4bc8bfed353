#include "tools/custom_wall_settings.h"

#include "platform/file_io.h"

namespace {

const char* FileName(int32_t metricUnits) {
    return metricUnits == 0 ? "CUSTIMP.CFG" : "CUST.CFG";
}

// Whole eighths of an inch up to `inches` and seven eighths more: the dialog shows no finer part, so
// a size between eighths would open as one it then refuses or stores otherwise.
constexpr FieldRange Inches(int32_t least, int32_t inches) {
    constexpr int32_t kEighth = kImperialUnitsPerInch / 8;
    return {least, inches * kImperialUnitsPerInch + 7 * kEighth, kEighth};
}

} // namespace

std::array<FieldRange, 4> CustomWallRanges(int32_t metricUnits) {
    constexpr FieldRange kLines{2, 4};
    if (metricUnits != 0) return {kLines, FieldRange{25, 900}, FieldRange{0, 800}, FieldRange{0, 790}};
    return {kLines, Inches(kImperialUnitsPerInch, 30), Inches(0, 25), Inches(0, 20)};
}

bool LeavesAnInnerLayer(const CustomWall& wall) {
    return wall.lines <= 2 || int64_t{wall.outside} + wall.cavity < wall.total;
}

CustomWall ReadCustomWall(int32_t metricUnits) {
    // The sizes read as shipped together where the dialog would refuse to show them as they are.
    const JointRule sizes{1, 3, [](std::span<const int32_t> v) {
                              return LeavesAnInnerLayer({v[0], v[1], v[2], v[3]});
                          }};
    const auto v = ReadRangedSettings(FileName(metricUnits), CustomWallRanges(metricUnits), sizes);
    return {v[0], v[1], v[2], v[3]};
}

bool WriteCustomWall(int32_t metricUnits, const CustomWall& wall) {
    return pl::WriteTextFile(CfgPath(FileName(metricUnits)),
                             pl::Format("%d %d %d %d", wall.lines, wall.total, wall.outside, wall.cavity));
}
