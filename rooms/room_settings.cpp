#include "rooms/room_settings.h"

#include <algorithm>
#include <limits>
#include <string>

#include "document/cfg_files.h"
#include "platform/file_io.h"
#include "platform/settings_file.h"

namespace {

const char* PartitionFile(int32_t metricUnits) {
    return metricUnits == 1 ? "RMPTNM.CFG" : "RMPTNI.CFG";
}

const char* GridFile(int32_t metricUnits) {
    return metricUnits == 1 ? "LYTGRIDM.CFG" : "LYTGRIDI.CFG";
}

// Reads a file that ships with no default as far as it goes; the reader never rewrites it.
bool ReadPlain(const char* name, std::string& text) {
    return pl::ReadTextFile(CfgPath(name), text);
}

} // namespace

int32_t PartitionField(int32_t view) {
    switch (view) {
    case 40:
    case 50:
        return 0;
    case 41:
    case 51:
        return 1;
    case 42:
    case 52:
        return 2;
    default:
        return -1;
    }
}

std::array<int32_t, 3> ReadRoomPartitions(int32_t metricUnits) {
    // The ranges of the room-partition dialogs: 25 to 900 mm, 1 to 30 inches.
    const FieldRange thickness = metricUnits == 1 ? FieldRange{25, 900} : FieldRange{24, 30 * 24};
    const FieldRange ranges[3] = {thickness, thickness, thickness};
    std::array<int32_t, 3> v{};
    ReadRangedSettings(PartitionFile(metricUnits), v, ranges);
    return v;
}

bool WriteRoomPartitions(int32_t metricUnits, const std::array<int32_t, 3>& v) {
    return pl::WriteTextFile(CfgPath(PartitionFile(metricUnits)), pl::Format("%d %d %d", v[0], v[1], v[2]));
}

int32_t RoomPartitionThickness(int32_t view, int32_t metricUnits, int32_t otherwise) {
    const int32_t field = PartitionField(view);
    if (field < 0) return otherwise;
    return ReadRoomPartitions(metricUnits)[static_cast<size_t>(field)];
}

int32_t FloorPartitionThickness(int32_t view, int32_t metricUnits) {
    constexpr size_t kLastField = 2;
    const int32_t field = PartitionField(view);
    return ReadRoomPartitions(metricUnits)[field < 0 ? kLastField : static_cast<size_t>(field)];
}

NewRoomOptions ReadNewRoomOptions() {
    NewRoomOptions o;
    pl::ScanSettings(CfgPath("NEWRM.CFG"), ShippedSettings("NEWRM.CFG"), "%d %d", &o.sizeOption,
                     &o.colourOption);
    return o;
}

bool WriteNewRoomOptions(const NewRoomOptions& o) {
    return pl::WriteTextFile(CfgPath("NEWRM.CFG"), pl::Format("%d %d", o.sizeOption, o.colourOption));
}

std::array<COLORREF, 3> ReadRoomFillColours() {
    int32_t v[3] = {};
    pl::ScanSettings(CfgPath("RMCLR.CFG"), ShippedSettings("RMCLR.CFG"), "%ld %ld %ld", &v[0], &v[1], &v[2]);
    return {static_cast<COLORREF>(v[0]), static_cast<COLORREF>(v[1]), static_cast<COLORREF>(v[2])};
}

LayoutGridSettings ReadLayoutGridSettings(int32_t metricUnits) {
    const char* name = GridFile(metricUnits);
    int32_t spacing = 0;
    int32_t colour = 0;
    pl::ScanSettings(CfgPath(name), ShippedSettings(name), "%d %ld", &spacing, &colour);
    // A hand-edited spacing below the dialog's limit would flood the view with lines, and 0 would
    // divide by zero.
    const int32_t least = metricUnits == 1 ? 250 : 240;
    return {std::max(spacing, least), static_cast<COLORREF>(colour)};
}

std::optional<RoomSize> ReadMaxRoom() {
    std::string text;
    RoomSize s;
    if (!ReadPlain("MAX.CFG", text) || pl::sscanf(text, "%ld %ld", &s.width, &s.length) != 2)
        return std::nullopt;
    return s;
}

bool WriteMaxRoom(const RoomSize& s) {
    return pl::WriteTextFile(CfgPath("MAX.CFG"), pl::Format("%ld %ld", s.width, s.length));
}

int32_t ReadRoomMergeDistance(int32_t metricUnits) {
    const char* name = metricUnits != 0 ? "MERGEM.CFG" : "MERGEI.CFG";
    int32_t distance = 0;
    pl::ScanSettings(CfgPath(name), ShippedSettings(name), "%d", &distance);
    // A hand-edited distance below the command's least would make snapping useless or negative.
    return std::max(distance, metricUnits != 0 ? 50 : 48);
}

std::optional<LayoutRect> ReadLayoutRect() {
    std::string text;
    LayoutRect r;
    if (!ReadPlain("RECT.CFG", text) || pl::sscanf(text, "%ld %ld %ld", &r.width, &r.length, &r.area) != 3)
        return std::nullopt;
    return r;
}

bool WriteLayoutRect(int32_t width, int32_t length) {
    // The area is stored in a 32-bit field: a layout of more than about 46 m square is written as
    // the largest value rather than wrapping to a negative one.
    const int64_t area = static_cast<int64_t>(width) * length;
    const auto stored = static_cast<int32_t>(
        std::clamp<int64_t>(area, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
    return pl::WriteTextFile(CfgPath("RECT.CFG"), pl::Format("%ld %ld %ld\n", width, length, stored));
}

LayoutBounds ReadLayoutBounds() {
    LayoutBounds b;
    pl::ScanSettings(CfgPath("BOUNDS.CFG"), ShippedSettings("BOUNDS.CFG"), "%ld %ld %ld %ld\n", &b.minX,
                     &b.maxY, &b.maxX, &b.minY);
    // The grids are anchored on these: a hand-edited bound beyond any sheet would add a grid line for
    // every step between it and the window, and overflow on the way. Such a field is read as shipped.
    constexpr int32_t kReach = 1000000;
    const LayoutBounds shipped;
    for (int32_t LayoutBounds::*field :
         {&LayoutBounds::minX, &LayoutBounds::maxY, &LayoutBounds::maxX, &LayoutBounds::minY})
        if (b.*field < -kReach || b.*field > kReach) b.*field = shipped.*field;
    return b;
}

bool WriteLayoutBounds(const LayoutBounds& b) {
    return pl::WriteTextFile(CfgPath("BOUNDS.CFG"),
                             pl::Format("%ld %ld %ld %ld\n", b.minX, b.maxY, b.maxX, b.minY));
}

bool SizeReportWanted() {
    int32_t unused = 0;
    int32_t show = 0;
    pl::ScanSettings(CfgPath("SIZE.CFG"), ShippedSettings("SIZE.CFG"), "%d %d", &unused, &show);
    return show == 0;
}
