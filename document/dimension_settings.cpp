#include "document/dimension_settings.h"

#include <string>

#include "document/cfg_files.h"
#include "platform/file_io.h"

namespace {

const char* OffsetFileName(int32_t metricUnits) {
    return metricUnits == 1 ? "MOFFSET.CFG" : "IOFFSET.CFG";
}

FieldRange FieldOf(OffsetRange range, int32_t metricUnits) {
    // The imperial dialog shows and writes whole inches.
    return {range.low, range.high, metricUnits == 1 ? 1 : 24};
}

} // namespace

OffsetRange RoomOffsetRange(int32_t metricUnits) {
    return metricUnits == 1 ? OffsetRange{100, 3000} : OffsetRange{6 * 24, 120 * 24};
}

OffsetRange ExternalOffsetRange(int32_t metricUnits) {
    return RoomOffsetRange(metricUnits);
}

OffsetRange OverallOffsetRange(int32_t metricUnits) {
    return metricUnits == 1 ? OffsetRange{100, 5000} : OffsetRange{6 * 24, 240 * 24};
}

DimensionSettings ReadDimensionSettings(int32_t metricUnits) {
    constexpr FieldRange kHeight{9, 10}; // the dialogs offer 9 and 10 points
    const std::array<FieldRange, 7> fields = {FieldOf(RoomOffsetRange(metricUnits), metricUnits),
                                              FieldOf(ExternalOffsetRange(metricUnits), metricUnits),
                                              FieldOf(OverallOffsetRange(metricUnits), metricUnits),
                                              FieldRange{0, kParallelText, kParallelText},
                                              kHeight,
                                              kHeight,
                                              kHeight};
    const auto v = ReadRangedSettings(OffsetFileName(metricUnits), fields);
    return {v[0], v[1], v[2], v[3], v[4], v[5], v[6]};
}

bool WriteDimensionSettings(int32_t metricUnits, const DimensionSettings& s) {
    const std::string text =
        pl::Format("%d %d %d %d %d %d %d", s.roomOffset, s.externalOffset, s.overallOffset, s.textOrientation,
                   s.dimensionTextHeight, s.roomDimensionTextHeight, s.roomNameTextHeight);
    return pl::WriteTextFile(CfgPath(OffsetFileName(metricUnits)), text);
}

FieldRange ArrowLengthRange(int32_t metricUnits) {
    // The dialog shows and writes the length in the drawing's own units: millimetres, or whole
    // inches.
    const int32_t unit = metricUnits == 1 ? 1 : 24;
    return {kArrowLengthRange.low * unit, kArrowLengthRange.high * unit, unit};
}

ArrowSettings ReadArrowSettings(int32_t metricUnits) {
    // The file holds no units of its own: a length the dialog of this drawing's units could not
    // have written reads as shipped, which suits both.
    const auto v =
        ReadRangedSettings("ARROW.CFG", std::array{ArrowLengthRange(metricUnits), FieldRange{1, 4}});
    return {v[0], v[1]};
}

bool WriteArrowSettings(const ArrowSettings& a) {
    return pl::WriteTextFile(CfgPath("ARROW.CFG"), pl::Format("%d %d", a.length, a.headStyle));
}
