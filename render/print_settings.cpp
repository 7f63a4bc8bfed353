#include "render/print_settings.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "document/cfg_files.h"
#include "platform/file_io.h"
#include "platform/settings_file.h"

namespace render {

namespace {

const char* CalibrationFile(int32_t metric) {
    return metric != 0 ? "PRNTCALM.CFG" : "PRNTCALI.CFG";
}

std::string Cut(const std::string& s) {
    return s.substr(0, kTitleCapacity);
}

} // namespace

FloorTitles ReadFloorTitles() {
    int32_t n[5] = {};
    char t[5][kTitleCapacity + 1] = {};
    const char* format = "%d %d %d %d %d %1t%2t%3t%4t%5t";
    auto scan = [&](auto&& scanner) {
        scanner(&n[0], &n[1], &n[2], &n[3], &n[4], t[0], kTitleCapacity + 1, t[1], kTitleCapacity + 1, t[2],
                kTitleCapacity + 1, t[3], kTitleCapacity + 1, t[4], kTitleCapacity + 1);
    };
    scan([&](auto... args) {
        pl::ScanSettings(CfgPath("TITLE2D.CFG"), ShippedSettings("TITLE2D.CFG"), format, args...);
    });
    // Each title is counted by its length: one length beyond what the dialog writes puts every
    // title after it out of step, so the whole file reads as shipped and is written back.
    if (std::any_of(std::begin(n), std::end(n),
                    [](int32_t length) { return length < 0 || length > kTitleCapacity; })) {
        scan([&](auto... args) { (void)pl::sscanf(ShippedSettings("TITLE2D.CFG"), format, args...); });
        (void)pl::WriteTextFile(CfgPath("TITLE2D.CFG"), std::string(ShippedSettings("TITLE2D.CFG")));
    }
    FloorTitles titles;
    for (int i = 0; i < 5; ++i)
        titles.titles[i] =
            std::string(t[i], std::min<size_t>(std::max(n[i], 0), std::char_traits<char>::length(t[i])));
    return titles;
}

bool WriteFloorTitles(const FloorTitles& titles) {
    std::string t[5];
    for (int i = 0; i < 5; ++i)
        t[i] = Cut(titles.titles[i]);
    t[3] = kFootingTitle;
    const std::string text = pl::Format("%d %d %d %d %d %s%s%s%s%s\n", static_cast<int32_t>(t[0].size()),
                                        static_cast<int32_t>(t[1].size()), static_cast<int32_t>(t[2].size()),
                                        static_cast<int32_t>(t[3].size()), static_cast<int32_t>(t[4].size()),
                                        t[0].c_str(), t[1].c_str(), t[2].c_str(), t[3].c_str(), t[4].c_str());
    return pl::WriteTextFile(CfgPath("TITLE2D.CFG"), text);
}

std::string CalibrationFilePath(int32_t metric) {
    return CfgPath(CalibrationFile(metric));
}

FieldRange CalibrationLengthRange(int32_t metric) {
    // The dialogs: 14000 to 16000 mm, or 40 feet to 60 feet 11 inches.
    constexpr int32_t kFoot = 12 * kImperialUnitsPerInch;
    return metric != 0
               ? FieldRange{14000, 16000}
               : FieldRange{40 * kFoot, 60 * kFoot + 11 * kImperialUnitsPerInch, kImperialUnitsPerInch};
}

Calibration ReadCalibration(int32_t metric) {
    const std::string_view shipped = ShippedSettings(CalibrationFile(metric));
    Calibration fallback;
    (void)pl::sscanf(shipped, "%d %lf", &fallback.length, &fallback.factor);
    Calibration c;
    pl::ScanSettings(CalibrationFilePath(metric), shipped, "%d %lf", &c.length, &c.factor);
    // The factor follows from a length the dialog takes: one outside what such a length gives (or not
    // a number) could not correct anything sensibly, and prints as shipped.
    const FieldRange range = CalibrationLengthRange(metric);
    const double most = CalibrationFactor(metric, range.low) + 1e-6;
    const double least = CalibrationFactor(metric, range.high) - 1e-6;
    const bool lengthDamaged = !range.Holds(c.length);
    const bool factorDamaged = !(c.factor >= least && c.factor <= most);
    if (lengthDamaged) c.length = fallback.length;
    if (factorDamaged) c.factor = fallback.factor;
    // The values stand whether or not the file could be mended; the next reader falls back again.
    if (lengthDamaged || factorDamaged)
        (void)pl::WriteTextFile(CalibrationFilePath(metric), pl::Format("%d %lf", c.length, c.factor));
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

bool WriteCalibration(int32_t metric, int32_t entered) {
    return pl::WriteTextFile(CalibrationFilePath(metric),
                             pl::Format("%d %lf", entered, CalibrationFactor(metric, entered)));
}

} // namespace render
