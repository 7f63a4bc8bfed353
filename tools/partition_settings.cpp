#include "tools/partition_settings.h"

#include <array>

#include "platform/file_io.h"

namespace {

const char* ThicknessFile(int32_t metricUnits) {
    return metricUnits == 1 ? "PTNM.CFG" : "PTNI.CFG";
}

} // namespace

FieldRange PartitionThicknessRange(int32_t metricUnits) {
    // 25 to 900 mm, or 1 inch to 50 and fifteen sixteenths.
    return metricUnits == 1 ? FieldRange{25, 900} : FieldRange{24, 1222};
}

int32_t ReadPartitionThickness(int32_t metricUnits) {
    return ReadRangedSettings(ThicknessFile(metricUnits),
                              std::array{PartitionThicknessRange(metricUnits)})[0];
}

bool WritePartitionThickness(int32_t metricUnits, int32_t thickness) {
    return pl::WriteTextFile(CfgPath(ThicknessFile(metricUnits)), pl::Format("%d", thickness));
}

DoorDefaults ReadDoorDefaults() {
    const auto size =
        ReadRangedSettings("DOORSZE.CFG", std::array{kDoorMillimetresRange, kDoorImperialRange});
    const DoorStyle style = ReadDoorStyle();
    return {size[0], size[1], style.angle, style.thickness};
}

bool WriteDoorSize(int32_t millimetres, int32_t imperial) {
    return pl::WriteTextFile(CfgPath("DOORSZE.CFG"), pl::Format("%d %d", millimetres, imperial));
}
