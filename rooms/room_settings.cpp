#include "rooms/room_settings.h"

#include <algorithm>
#include <limits>
#include <string>

#include "document/cfg_files.h"
#include "platform/file_io.h"

namespace {

const char* PartitionFile(int32_t metricUnits) {
    return metricUnits == 1 ? "RMPTNM.CFG" : "RMPTNI.CFG";
}

const char* GridFile(int32_t metricUnits) {
    return metricUnits == 1 ? "LYTGRIDM.CFG" : "LYTGRIDI.CFG";
}

const char* MergeFile(int32_t metricUnits) {
    return metricUnits != 0 ? "MERGEM.CFG" : "MERGEI.CFG";
}

// A size or a bound of the room layout: the sheets span at most 192000 drawing units, and 200000
// marks "no room"; a bound may lie as far off the sheet the other way.
constexpr FieldRange kLayoutReach{0, 200000};
constexpr FieldRange kBoundReach{-200000, 200000};

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

FieldRange RoomPartitionRange(int32_t metricUnits) {
    // The room-partition dialogs: 25 to 900 mm, 1 to 30 inches.
    return metricUnits == 1 ? FieldRange{25, 900} : FieldRange{24, 30 * 24};
}

std::array<int32_t, 3> ReadRoomPartitions(int32_t metricUnits) {
    const FieldRange thickness = RoomPartitionRange(metricUnits);
    return ReadRangedSettings(PartitionFile(metricUnits), std::array{thickness, thickness, thickness});
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
    // The size radios offer no sizes, both, horizontal or vertical; the older "both" is a size of a
    // room already drawn, no choice for the next one.
    const JointRule offered{0, 1, [](std::span<const int32_t> v) {
                                return SizeRadioFor(v[0]) >= 0 &&
                                       static_cast<RoomSizeOption>(v[0]) != RoomSizeOption::BothOld;
                            }};
    const auto v = ReadRangedSettings("NEWRM.CFG", std::array{FieldRange{0, 4}, FieldRange{0, 4}}, offered);
    return {v[0], v[1]};
}

bool WriteNewRoomOptions(const NewRoomOptions& o) {
    return pl::WriteTextFile(CfgPath("NEWRM.CFG"), pl::Format("%d %d", o.sizeOption, o.colourOption));
}

std::array<COLORREF, 3> ReadRoomFillColours() {
    const auto v = ReadRangedSettings("RMCLR.CFG", std::array{kColourRange, kColourRange, kColourRange});
    return {static_cast<COLORREF>(v[0]), static_cast<COLORREF>(v[1]), static_cast<COLORREF>(v[2])};
}

bool WriteRoomFillColours(const std::array<COLORREF, 3>& c) {
    return pl::WriteTextFile(CfgPath("RMCLR.CFG"),
                             pl::Format("%ld %ld %ld\n", static_cast<int32_t>(c[0]),
                                        static_cast<int32_t>(c[1]), static_cast<int32_t>(c[2])));
}

FieldRange LayoutGridRange(int32_t metricUnits) {
    // A spacing below the least would flood the view with lines, and 0 would divide by zero.
    return metricUnits == 1 ? FieldRange{250, kMostTypedSetting}
                            : FieldRange{240, kMostTypedSetting * kImperialUnitsPerInch};
}

LayoutGridSettings ReadLayoutGridSettings(int32_t metricUnits) {
    const auto v =
        ReadRangedSettings(GridFile(metricUnits), std::array{LayoutGridRange(metricUnits), kColourRange});
    return {v[0], static_cast<COLORREF>(v[1])};
}

bool WriteLayoutGridSettings(int32_t metricUnits, const LayoutGridSettings& grid) {
    return pl::WriteTextFile(CfgPath(GridFile(metricUnits)),
                             pl::Format("%d %ld\n", grid.spacing, static_cast<int32_t>(grid.colour)));
}

std::optional<RoomSize> ReadMaxRoom() {
    const auto v = ReadRangedRecord("MAX.CFG", std::array{kLayoutReach, kLayoutReach});
    if (!v) return std::nullopt;
    return RoomSize{(*v)[0], (*v)[1]};
}

bool WriteMaxRoom(const RoomSize& s) {
    return pl::WriteTextFile(CfgPath("MAX.CFG"), pl::Format("%ld %ld", s.width, s.length));
}

FieldRange MergeDistanceRange(int32_t metricUnits) {
    // Below the least the snapping would be useless or negative.
    return metricUnits != 0 ? FieldRange{50, kMostTypedSetting}
                            : FieldRange{48, kMostTypedSetting * kImperialUnitsPerInch};
}

int32_t ReadRoomMergeDistance(int32_t metricUnits) {
    return ReadRangedSettings(MergeFile(metricUnits), std::array{MergeDistanceRange(metricUnits)})[0];
}

bool WriteRoomMergeDistance(int32_t metricUnits, int32_t distance) {
    return pl::WriteTextFile(CfgPath(MergeFile(metricUnits)), pl::Format("%d\n", distance));
}

std::optional<LayoutRect> ReadLayoutRect() {
    constexpr FieldRange kArea{0, std::numeric_limits<int32_t>::max()};
    const auto v = ReadRangedRecord("RECT.CFG", std::array{kLayoutReach, kLayoutReach, kArea});
    if (!v) return std::nullopt;
    return LayoutRect{(*v)[0], (*v)[1], (*v)[2]};
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
    // The grids and the fit are anchored on these: a bound beyond any sheet would add a grid line
    // for every step between it and the window.
    const auto v =
        ReadRangedSettings("BOUNDS.CFG", std::array{kBoundReach, kBoundReach, kBoundReach, kBoundReach});
    return {v[0], v[1], v[2], v[3]};
}

bool WriteLayoutBounds(const LayoutBounds& b) {
    return pl::WriteTextFile(CfgPath("BOUNDS.CFG"),
                             pl::Format("%ld %ld %ld %ld\n", b.minX, b.maxY, b.maxX, b.minY));
}

bool SizeReportWanted() {
    // The first value is not used; the second is 0 to show the report, 1 not to.
    constexpr FieldRange kAny{std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()};
    return ReadRangedSettings("SIZE.CFG", std::array{kAny, FieldRange{0, 1}})[1] == 0;
}
