#include "tools/opening_settings.h"

#include <cmath>
#include <limits>

#include "document/cfg_files.h"
#include "document/program_state.h"
#include "platform/file_io.h"
#include "platform/settings_file.h"

namespace {

const char* FileName(OpeningFile file) {
    return file == OpeningFile::Window ? "WIND.CFG" : "DOOR.CFG";
}

// Degrees to radians as the door symbols have always been drawn: pi taken as 3.14159.
constexpr double kRadiansPerDegree = 0.017453277777777776;

} // namespace

std::array<FieldRange, 11> OpeningRanges(OpeningFile file, int32_t metricUnits) {
    constexpr FieldRange kAny{std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()};
    constexpr FieldRange kFlag{0, 1};
    // Lengths as the dialogs of the drawing's units store what they take: millimetres, or whole
    // inches x 24. A file last written in the other units reads as shipped, as its dialog would
    // refuse what it shows.
    const int32_t unit = metricUnits == 1 ? 1 : kImperialUnitsPerInch;
    const FieldRange size{kOpeningSizeRange.low * unit, kOpeningSizeRange.high * unit};
    const FieldRange unitValue{unit, unit};
    if (file == OpeningFile::Window) {
        // Kind (chosen by no dialog), width, height, unit, sizes shown, label points 7 or 9, cill shown.
        return {kAny, size, size, unitValue, kFlag, FieldRange{7, 9, 2}, kFlag, kAny, kAny, kAny, kAny};
    }
    // Kind (one no dialog offers is kept, and checks no type), 0, total width (the most doors of the
    // widest size), unit, door width, number of doors, hand 0 to 2, then words carried along.
    const FieldRange total{size.low, kMostDoors * size.high};
    return {kAny, kAny, total, unitValue, size, FieldRange{1, kMostDoors}, FieldRange{0, 2},
            kAny, kAny, kAny,  kAny};
}

OpeningSettings ReadOpeningSettings(OpeningFile file) {
    OpeningSettings s;
    char label[OpeningSettings::kLabelCapacity + 1] = {};
    auto& v = s.values;
    const char* format = "%d %d %d %d %d %d %d %d %d %d %d %d %12t";
    const std::string_view shipped = ShippedSettings(FileName(file));
    // The counted label is cut to its capacity and the rest of it skipped; a negative count reads none.
    pl::ScanSettings(CfgPath(FileName(file)), shipped, format, &v[0], &v[1], &v[2], &v[3], &v[4], &v[5],
                     &v[6], &v[7], &v[8], &v[9], &v[10], &v[11], label, static_cast<int>(sizeof label));
    s.label = label;
    std::array<int32_t, 12> fallback{};
    auto& f = fallback;
    (void)pl::sscanf(shipped, "%d %d %d %d %d %d %d %d %d %d %d %d", &f[0], &f[1], &f[2], &f[3], &f[4], &f[5],
                     &f[6], &f[7], &f[8], &f[9], &f[10], &f[11]);
    const auto ranges = OpeningRanges(file, MetricUnits);
    bool damaged = false;
    for (size_t i = 0; i < ranges.size(); ++i) {
        if (ranges[i].Holds(v[i])) continue;
        v[i] = fallback[i];
        damaged = true;
    }
    // The values stand for this opening whether or not the file could be mended.
    if (damaged) (void)WriteOpeningSettings(file, s);
    return s;
}

bool WriteOpeningSettings(OpeningFile file, const OpeningSettings& settings) {
    const auto& v = settings.values;
    const std::string label = settings.label.substr(0, OpeningSettings::kLabelCapacity);
    const std::string body =
        pl::Format("%d %d %d %d %d %d %d %d %d %d %d %d %s", v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7],
                   v[8], v[9], v[10], static_cast<int32_t>(label.size()), label.c_str());
    return pl::WriteTextFile(CfgPath(FileName(file)), body);
}

DoorStyle ReadDoorStyle() {
    constexpr const char* kFormat = "%d %d %lf %lf";
    const std::string_view shipped = ShippedSettings("INTERN.CFG");
    DoorStyle fallback;
    pl::sscanf(shipped, kFormat, &fallback.angle, &fallback.thickness, &fallback.sine, &fallback.cosine);
    DoorStyle style = fallback;
    pl::ScanSettings(CfgPath("INTERN.CFG"), shipped, kFormat, &style.angle, &style.thickness, &style.sine,
                     &style.cosine);
    // A hand-edited value the door dialog could not have written is read as shipped: the sine and
    // cosine scale the door's width, so anything beyond one (or not a number) would throw the leaf
    // off the sheet. The file is then written back whole.
    bool damaged = false;
    auto keep = [&damaged](bool usable, auto& value, auto shippedValue) {
        if (usable) return;
        value = shippedValue;
        damaged = true;
    };
    keep(kDoorAngleRange.Holds(style.angle), style.angle, fallback.angle);
    keep(kDoorThicknessRange.Holds(style.thickness), style.thickness, fallback.thickness);
    keep(std::fabs(style.sine) <= 1.0, style.sine, fallback.sine);
    keep(std::fabs(style.cosine) <= 1.0, style.cosine, fallback.cosine);
    // The values stand for this door whether or not the file could be mended; the next reader
    // falls back again.
    if (damaged) (void)WriteDoorStyle(style.angle, style.thickness);
    return style;
}

bool WriteDoorStyle(int32_t swingAngle, int32_t doorThickness) {
    const double radians = swingAngle * kRadiansPerDegree;
    return pl::WriteTextFile(CfgPath("INTERN.CFG"), pl::Format("%d %d %lf %lf", swingAngle, doorThickness,
                                                               std::sin(radians), std::cos(radians)));
}
