#include "tools/opening_settings.h"

#include <cmath>

#include "document/document.h"
#include "platform/file_io.h"
#include "platform/settings_file.h"
#include "resources/default_settings.h"

namespace {

const char* FileName(OpeningFile file) {
    return file == OpeningFile::Window ? "WIND.CFG" : "DOOR.CFG";
}

std::string PathOf(const char* name) {
    return ObjectList.ProgramDirectory + "CFG/" + name;
}

} // namespace

OpeningSettings ReadOpeningSettings(OpeningFile file) {
    OpeningSettings s;
    char label[OpeningSettings::kLabelCapacity + 1] = {};
    auto& v = s.values;
    // The counted label is cut to its capacity and the rest of it skipped; a negative count reads none.
    pl::ScanSettings(PathOf(FileName(file)), DefaultSettings(FileName(file)),
                     "%d %d %d %d %d %d %d %d %d %d %d %d %12t", &v[0], &v[1], &v[2], &v[3], &v[4], &v[5],
                     &v[6], &v[7], &v[8], &v[9], &v[10], &v[11], label, static_cast<int>(sizeof label));
    s.label = label;
    return s;
}

bool WriteOpeningSettings(OpeningFile file, const OpeningSettings& settings) {
    const auto& v = settings.values;
    const std::string label = settings.label.substr(0, OpeningSettings::kLabelCapacity);
    const std::string body =
        pl::Format("%d %d %d %d %d %d %d %d %d %d %d %d %s", v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7],
                   v[8], v[9], v[10], static_cast<int32_t>(label.size()), label.c_str());
    return pl::WriteTextFile(PathOf(FileName(file)), body);
}

DoorStyle ReadDoorStyle() {
    constexpr const char* kFormat = "%d %d %lf %lf";
    const std::string_view shipped = DefaultSettings("INTERN.CFG");
    DoorStyle fallback;
    pl::sscanf(shipped, kFormat, &fallback.angle, &fallback.thickness, &fallback.sine, &fallback.cosine);
    DoorStyle style = fallback;
    pl::ScanSettings(PathOf("INTERN.CFG"), shipped, kFormat, &style.angle, &style.thickness, &style.sine,
                     &style.cosine);
    // A hand-edited value the door dialog could not have written is read as shipped: the sine and
    // cosine scale the door's width, so anything beyond one (or not a number) would throw the leaf
    // off the sheet.
    if (style.angle != 30 && style.angle != 60 && style.angle != 90) style.angle = fallback.angle;
    if (style.thickness != 1 && style.thickness != 2) style.thickness = fallback.thickness;
    if (!(std::fabs(style.sine) <= 1.0)) style.sine = fallback.sine;
    if (!(std::fabs(style.cosine) <= 1.0)) style.cosine = fallback.cosine;
    return style;
}
