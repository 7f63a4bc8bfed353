#include "tools/opening_settings.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "document/cfg_files.h"
#include "document/program_state.h"
#include "platform/file_io.h"
#include "platform/settings_file.h"
#include "walls/opening.h"

namespace {

const char* FileName(OpeningFile file) {
    return file == OpeningFile::Window ? "WIND.CFG" : "DOOR.CFG";
}

// Degrees to radians as the door symbols have always been drawn: pi taken as 3.14159.
constexpr double kRadiansPerDegree = 0.017453277777777776;

// The sine and cosine as the file stores them for the angle: six places after the point.
bool OfTheAngle(const DoorStyle& style) {
    constexpr double kStoredPlaces = 1e-6;
    const double radians = style.angle * kRadiansPerDegree;
    // A value that is not a number fails both comparisons.
    return std::fabs(style.sine - std::sin(radians)) <= kStoredPlaces &&
           std::fabs(style.cosine - std::cos(radians)) <= kStoredPlaces;
}

// Value 4 holds the units the lengths are written in: millimetres, or 1/24 inch.
constexpr int32_t kUnitField = 4;
constexpr int32_t kMillimetreUnit = 1;

// The units value of a drawing of the given units.
int32_t OpeningUnitValue(int32_t metricUnits) {
    return metricUnits == 1 ? kMillimetreUnit : kImperialUnitsPerInch;
}

// The kinds each file may hold: those the window tool builds and labels as windows, and those the
// door dialogs write or group with them.
bool ListedOpeningKind(OpeningFile file, int32_t kind) {
    using namespace openingkind;
    if (file == OpeningFile::Window) {
        for (const int32_t window : {kWindow, kWindowAlike, kUnlinedWindow})
            if (InEitherSeries(kind, window)) return true;
        return false;
    }
    for (const int32_t door :
         {kSlidingFramed, kWallOpening, kHingedDoor, kDoubleDoor, kGarageDoor, kEntryFrame})
        if (InEitherSeries(kind, door)) return true;
    return kind == kFolding || kind == kIntoWall || kind == kIntoWallPair || kind == kWardrobe;
}

// A length written in one units value, in another, before any rounding.
double LengthInUnits(int32_t length, int32_t fromUnit, int32_t toUnit) {
    constexpr double kMillimetresPerInch = 25.4;
    if (fromUnit == toUnit) return length;
    return fromUnit == kMillimetreUnit ? length * kImperialUnitsPerInch / kMillimetresPerInch
                                       : length * kMillimetresPerInch / kImperialUnitsPerInch;
}

// A converted length as the file keeps it: whole eighths of an inch, which the size labels show
// exactly, or the nearest millimetre.
int32_t KeptLength(double converted, int32_t toUnit) {
    constexpr int32_t kUnitsPerEighth = kImperialUnitsPerInch / 8;
    const int64_t kept = toUnit == kMillimetreUnit
                             ? std::llround(converted)
                             : std::llround(converted / kUnitsPerEighth) * kUnitsPerEighth;
    return static_cast<int32_t>(
        std::clamp<int64_t>(kept, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// The length fields of each file, 1-based: the window's width and height; the door's total and
// door width.
std::array<int32_t, 2> LengthFields(OpeningFile file) {
    return file == OpeningFile::Window ? std::array{2, 3} : std::array{3, 5};
}

// The lengths of `s`, written in `fromUnit`, in `toUnit`, with what they were before any rounding.
void IntoUnits(OpeningFile file, OpeningSettings& s, int32_t fromUnit, int32_t toUnit) {
    for (const int32_t field : LengthFields(file)) {
        const size_t i = static_cast<size_t>(field - 1);
        s.unrounded[i] = LengthInUnits(s.values[i], fromUnit, toUnit);
        if (fromUnit != toUnit) s.values[i] = KeptLength(s.unrounded[i], toUnit);
    }
    s.values[kUnitField - 1] = toUnit;
}

} // namespace

std::array<FieldRange, 11> OpeningRanges(OpeningFile file, int32_t metricUnits) {
    constexpr FieldRange kFlag{0, 1};
    // Words the dialogs always write as 0: the file keeps them only to write them back.
    constexpr FieldRange kZero{0, 0};
    // The kind is checked against the kinds listed for the file (ListedOpeningKind); every kind lies
    // within this.
    constexpr FieldRange kKind{1, 24};
    // Lengths as the dialogs of the given units store what they take: millimetres, or whole inches
    // x 24. The reader checks a file in the units it was written in, before it converts it.
    const int32_t unit = OpeningUnitValue(metricUnits);
    const FieldRange size{kOpeningSizeRange.low * unit, kOpeningSizeRange.high * unit};
    const FieldRange unitValue{unit, unit};
    if (file == OpeningFile::Window) {
        // Kind, width, height, unit, sizes shown, label points 7 or 9, cill shown, then the words
        // the window dialog clears (the window tool's hand among them).
        return {kKind, size, size, unitValue, kFlag, FieldRange{7, 9, 2}, kFlag, kZero, kZero, kZero, kZero};
    }
    // Kind, 0, total width (the most doors of the widest size), unit, door width, number of doors,
    // folding hand 0 to 2, two words cleared, the doors' place in an entry frame 0 to 2, a word
    // cleared.
    const FieldRange total{size.low, kMostDoors * size.high};
    constexpr FieldRange kSide{0, 2};
    return {kKind, kZero, total, unitValue, size, FieldRange{1, kMostDoors},
            kSide, kZero, kZero, kSide,     kZero};
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
    const int32_t unit = OpeningUnitValue(MetricUnits);
    bool damaged = false;
    // Lengths in no known units are not taken in any: they read as shipped in the drawing's.
    int32_t written = v[kUnitField - 1];
    if (written != kMillimetreUnit && written != kImperialUnitsPerInch) {
        written = unit;
        v[kUnitField - 1] = unit;
        for (const int32_t field : LengthFields(file))
            v[static_cast<size_t>(field - 1)] = std::numeric_limits<int32_t>::min();
    }
    // What ships is in millimetres; a value is checked, and mended, in the units it was written in,
    // so that a size the dialogs of those units take is never lost to a rounding on the way.
    OpeningSettings fallback;
    auto& f = fallback.values;
    (void)pl::sscanf(shipped, "%d %d %d %d %d %d %d %d %d %d %d %d", &f[0], &f[1], &f[2], &f[3], &f[4], &f[5],
                     &f[6], &f[7], &f[8], &f[9], &f[10], &f[11]);
    IntoUnits(file, fallback, f[kUnitField - 1], written);
    const auto ranges = OpeningRanges(file, written == kMillimetreUnit ? 1 : 0);
    for (size_t i = 0; i < ranges.size(); ++i) {
        if (ranges[i].Holds(v[i]) && (i > 0 || ListedOpeningKind(file, v[i]))) continue;
        v[i] = f[i];
        damaged = true;
    }
    s.stored = v;
    IntoUnits(file, s, written, unit);
    // The values stand for this opening whether or not the file could be mended.
    if (damaged) (void)WriteOpeningSettings(file, s.AsStored());
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
    // cosine scale the door's width, so a pair that is not the angle's draws a leaf of the wrong
    // length, or of none. The file is then written back whole.
    bool damaged = false;
    auto keep = [&damaged](bool usable, auto& value, auto shippedValue) {
        if (usable) return;
        value = shippedValue;
        damaged = true;
    };
    keep(kDoorAngleRange.Holds(style.angle), style.angle, fallback.angle);
    keep(kDoorThicknessRange.Holds(style.thickness), style.thickness, fallback.thickness);
    // A sine and cosine not of the angle read as shipped with the angle they belong to.
    if (!OfTheAngle(style)) {
        style.angle = fallback.angle;
        style.sine = fallback.sine;
        style.cosine = fallback.cosine;
        damaged = true;
    }
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
