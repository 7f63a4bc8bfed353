#include "tools/opening_settings.h"

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
    const std::string body = pl::Format("%d %d %d %d %d %d %d %d %d %d %d %d %s", v[0], v[1], v[2], v[3], v[4],
                                        v[5], v[6], v[7], v[8], v[9], v[10],
                                        static_cast<int32_t>(label.size()), label.c_str());
    return pl::WriteTextFile(PathOf(FileName(file)), body);
}

DoorStyle ReadDoorStyle() {
    DoorStyle style;
    pl::ScanSettings(PathOf("INTERN.CFG"), DefaultSettings("INTERN.CFG"), "%d %d %lf %lf", &style.angle,
                     &style.thickness, &style.sine, &style.cosine);
    return style;
}
