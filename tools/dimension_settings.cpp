#include "tools/dimension_settings.h"

#include <string>

#include "document/document.h"
#include "platform/file_io.h"
#include "platform/settings_file.h"
#include "resources/default_settings.h"

namespace {

const char* OffsetFileName(int32_t metricUnits) {
    return metricUnits == 1 ? "MOFFSET.CFG" : "IOFFSET.CFG";
}

std::string CfgPath(const char* name) {
    return ObjectList.ProgramDirectory + "CFG/" + name;
}

bool Within(int32_t value, OffsetRange range) {
    return value >= range.low && value <= range.high;
}

// Text heights are points; the dialogs offer 9 and 10, older files may hold others that still draw.
bool SensibleHeight(int32_t value) {
    return value >= 1 && value <= 100;
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
    const char* name = OffsetFileName(metricUnits);
    const std::string_view shipped = DefaultSettings(name);
    const char* format = "%d %d %d %d %d %d %d";
    DimensionSettings fallback;
    pl::sscanf(shipped, format, &fallback.roomOffset, &fallback.externalOffset, &fallback.overallOffset,
               &fallback.textOrientation, &fallback.dimensionTextHeight, &fallback.roomDimensionTextHeight,
               &fallback.roomNameTextHeight);
    DimensionSettings s = fallback;
    pl::ScanSettings(CfgPath(name), shipped, format, &s.roomOffset, &s.externalOffset, &s.overallOffset,
                     &s.textOrientation, &s.dimensionTextHeight, &s.roomDimensionTextHeight,
                     &s.roomNameTextHeight);
    if (!Within(s.roomOffset, RoomOffsetRange(metricUnits))) s.roomOffset = fallback.roomOffset;
    if (!Within(s.externalOffset, ExternalOffsetRange(metricUnits)))
        s.externalOffset = fallback.externalOffset;
    if (!Within(s.overallOffset, OverallOffsetRange(metricUnits))) s.overallOffset = fallback.overallOffset;
    if (s.textOrientation != 0 && s.textOrientation != kParallelText)
        s.textOrientation = fallback.textOrientation;
    for (int32_t DimensionSettings::*height :
         {&DimensionSettings::dimensionTextHeight, &DimensionSettings::roomDimensionTextHeight,
          &DimensionSettings::roomNameTextHeight})
        if (!SensibleHeight(s.*height)) s.*height = fallback.*height;
    return s;
}

bool WriteDimensionSettings(int32_t metricUnits, const DimensionSettings& s) {
    const std::string text =
        pl::Format("%d %d %d %d %d %d %d", s.roomOffset, s.externalOffset, s.overallOffset, s.textOrientation,
                   s.dimensionTextHeight, s.roomDimensionTextHeight, s.roomNameTextHeight);
    return pl::WriteTextFile(CfgPath(OffsetFileName(metricUnits)), text);
}

ArrowSettings ReadArrowSettings() {
    const std::string_view shipped = DefaultSettings("ARROW.CFG");
    ArrowSettings fallback;
    pl::sscanf(shipped, "%d %d", &fallback.length, &fallback.headStyle);
    ArrowSettings a = fallback;
    pl::ScanSettings(CfgPath("ARROW.CFG"), shipped, "%d %d", &a.length, &a.headStyle);
    // The file holds whichever units were in force when it was written: whole inches x 24 at most.
    if (!Within(a.length, {kArrowLengthRange.low, kArrowLengthRange.high * 24})) a.length = fallback.length;
    if (a.headStyle < 1 || a.headStyle > 4) a.headStyle = fallback.headStyle;
    return a;
}

bool WriteArrowSettings(const ArrowSettings& a) {
    return pl::WriteTextFile(CfgPath("ARROW.CFG"), pl::Format("%d %d", a.length, a.headStyle));
}
