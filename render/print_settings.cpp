#include "render/print_settings.h"

#include <cmath>

#include "platform/file_io.h"
#include "platform/settings_file.h"
#include "resources/default_settings.h"

namespace render {

namespace {

std::string CfgPath(const std::string& dir, const char* name) {
    return dir + "CFG/" + name;
}

std::string Cut(const std::string& s) {
    return s.substr(0, kTitleCapacity);
}

} // namespace

FloorTitles ReadFloorTitles(const std::string& dir) {
    int32_t n[5] = {};
    char t[5][kTitleCapacity + 1] = {};
    pl::ScanSettings(CfgPath(dir, "TITLE2D.CFG"), DefaultSettings("TITLE2D.CFG"),
                     "%d %d %d %d %d %1t%2t%3t%4t%5t", &n[0], &n[1], &n[2], &n[3], &n[4], t[0],
                     kTitleCapacity + 1, t[1], kTitleCapacity + 1, t[2], kTitleCapacity + 1, t[3],
                     kTitleCapacity + 1, t[4], kTitleCapacity + 1);
    FloorTitles titles;
    for (int i = 0; i < 5; ++i)
        titles.titles[i] =
            std::string(t[i], std::min<size_t>(std::max(n[i], 0), std::char_traits<char>::length(t[i])));
    return titles;
}

bool WriteFloorTitles(const std::string& dir, const FloorTitles& titles) {
    std::string t[5];
    for (int i = 0; i < 5; ++i)
        t[i] = Cut(titles.titles[i]);
    t[3] = kFootingTitle;
    const std::string text = pl::Format("%d %d %d %d %d %s%s%s%s%s\n", static_cast<int32_t>(t[0].size()),
                                        static_cast<int32_t>(t[1].size()), static_cast<int32_t>(t[2].size()),
                                        static_cast<int32_t>(t[3].size()), static_cast<int32_t>(t[4].size()),
                                        t[0].c_str(), t[1].c_str(), t[2].c_str(), t[3].c_str(), t[4].c_str());
    return pl::WriteTextFile(CfgPath(dir, "TITLE2D.CFG"), text);
}

std::string CalibrationFilePath(const std::string& dir, int32_t metric) {
    return CfgPath(dir, metric != 0 ? "PRNTCALM.CFG" : "PRNTCALI.CFG");
}

Calibration ReadCalibration(const std::string& dir, int32_t metric) {
    const char* name = metric != 0 ? "PRNTCALM.CFG" : "PRNTCALI.CFG";
    Calibration c;
    pl::ScanSettings(CalibrationFilePath(dir, metric), DefaultSettings(name), "%d %lf", &c.length, &c.factor);
    // A factor that could not correct anything sensibly prints unscaled instead.
    if (!std::isfinite(c.factor) || c.factor <= 0.0 || c.factor > 10.0) c.factor = 1.0;
    return c;
}

int32_t CalibrationExpectedLength(int32_t metric) {
    return metric != 0 ? 15000 : 14976;
}

double CalibrationFactor(int32_t metric, int32_t entered) {
    const int32_t expected = CalibrationExpectedLength(metric);
    if (entered == expected) return 1.0;
    const double c = metric != 0 ? 1.0 / 30000.0 : 1.0 / 29952.0;
    return 1.0 + 2.0 * (expected - entered) * c;
}

bool WriteCalibration(const std::string& dir, int32_t metric, int32_t entered) {
    return pl::WriteTextFile(CalibrationFilePath(dir, metric),
                             pl::Format("%d %lf", entered, CalibrationFactor(metric, entered)));
}

} // namespace render
