#include "tools/partition_settings.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "document/document.h"
#include "platform/file_io.h"
#include "platform/settings_file.h"
#include "resources/default_settings.h"

namespace {

// Degrees to radians as the door symbols have always been drawn: pi taken as 3.14159.
constexpr double kRadiansPerDegree = 0.017453277777777776;

const char* ThicknessFile(int32_t metricUnits) {
    return metricUnits == 1 ? "PTNM.CFG" : "PTNI.CFG";
}

std::string Cfg(const char* name) {
    return ObjectList.ProgramDirectory + "CFG/" + name;
}

} // namespace

int32_t ReadPartitionThickness(int32_t metricUnits) {
    const char* name = ThicknessFile(metricUnits);
    int32_t thickness = 0;
    pl::ScanSettings(Cfg(name), DefaultSettings(name), "%d", &thickness);
    // A hand-edited value is kept within what the dialogs accept: 25 to 900 mm, or 1 inch to 50 and
    // fifteen sixteenths.
    return metricUnits == 1 ? std::clamp(thickness, 25, 900) : std::clamp(thickness, 24, 1222);
}

bool WritePartitionThickness(int32_t metricUnits, int32_t thickness) {
    return pl::WriteTextFile(Cfg(ThicknessFile(metricUnits)), pl::Format("%d", thickness));
}

DoorDefaults ReadDoorDefaults() {
    DoorDefaults d;
    pl::ScanSettings(Cfg("DOORSZE.CFG"), DefaultSettings("DOORSZE.CFG"), "%d %d", &d.SizeMillimetres,
                     &d.SizeImperial);
    double sine = 0;
    double cosine = 0;
    pl::ScanSettings(Cfg("INTERN.CFG"), DefaultSettings("INTERN.CFG"), "%d %d %lf %lf", &d.SwingAngle,
                     &d.DoorThickness, &sine, &cosine);
    return d;
}

bool WriteDoorSize(int32_t millimetres, int32_t imperial) {
    return pl::WriteTextFile(Cfg("DOORSZE.CFG"), pl::Format("%d %d", millimetres, imperial));
}

bool WriteDoorStyle(int32_t swingAngle, int32_t doorThickness) {
    const double radians = swingAngle * kRadiansPerDegree;
    return pl::WriteTextFile(Cfg("INTERN.CFG"), pl::Format("%d %d %lf %lf", swingAngle, doorThickness,
                                                           std::sin(radians), std::cos(radians)));
}
