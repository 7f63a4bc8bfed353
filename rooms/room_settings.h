// The settings files of the room layout: the partition thickness of the room functions per floor
// (CFG/RMPTNM.CFG, CFG/RMPTNI.CFG), the size-label and colour options of the next design room
// (CFG/NEWRM.CFG), the design-room fill colours (CFG/RMCLR.CFG), the merging distance of the snapping
// (CFG/MERGEM.CFG, CFG/MERGEI.CFG), the layout grid (CFG/LYTGRIDM.CFG,
// CFG/LYTGRIDI.CFG), the largest free room (CFG/MAX.CFG), the layout's size and bounds
// (CFG/RECT.CFG, CFG/BOUNDS.CFG) and whether the size report shows (CFG/SIZE.CFG). Readers complete
// a missing or short file from the shipped defaults, and read a value outside its range as shipped;
// writers replace the file atomically.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "document/cfg_files.h"
#include "platform/win_types.h"

// --- Partition thickness of the room functions ---
// The field a view uses: 0 for views 40 and 50, 1 for 41 and 51, 2 for 42 and 52; no field (-1)
// for any other view.
int32_t PartitionField(int32_t view);
// The thickness the room-partition dialogs allow, in the file's units (imperial: 1/24 inch).
FieldRange RoomPartitionRange(int32_t metricUnits);
// The three values of the unit system's file (metricUnits 1: RMPTNM, else RMPTNI).
std::array<int32_t, 3> ReadRoomPartitions(int32_t metricUnits);
// Writes "%d %d %d" with no line end.
[[nodiscard]] bool WriteRoomPartitions(int32_t metricUnits, const std::array<int32_t, 3>& values);
// The thickness of the view's field, or `otherwise` on a view with no field.
int32_t RoomPartitionThickness(int32_t view, int32_t metricUnits, int32_t otherwise);
// The thickness of the partitions rooms get on a floor: the view's field, the last field on a floor
// with none of its own (the fourth level, the footing plan).
int32_t FloorPartitionThickness(int32_t view, int32_t metricUnits);

// --- Options of the next design room ---
enum class RoomSizeOption : int32_t { None = 0, BothOld = 1, Both = 2, Horizontal = 3, Vertical = 4 };
// The four size radios of the room dialogs, in order.
constexpr RoomSizeOption kSizeRadioOptions[4] = {RoomSizeOption::None, RoomSizeOption::Both,
                                                 RoomSizeOption::Horizontal, RoomSizeOption::Vertical};
// The radio (0 to 3) that shows a stored size option; -1 for a value none shows.
constexpr int32_t SizeRadioFor(int32_t option) {
    switch (static_cast<RoomSizeOption>(option)) {
    case RoomSizeOption::None:
        return 0;
    case RoomSizeOption::BothOld:
    case RoomSizeOption::Both:
        return 1;
    case RoomSizeOption::Horizontal:
        return 2;
    case RoomSizeOption::Vertical:
        return 3;
    }
    return -1;
}
enum class RoomColourOption : int32_t { NoChoice = 0, NoColour = 1, WetArea = 2, Bedroom = 3, Other = 4 };
struct NewRoomOptions {
    int32_t sizeOption = 0;   // a RoomSizeOption
    int32_t colourOption = 0; // a RoomColourOption
};
NewRoomOptions ReadNewRoomOptions();
// Writes "%d %d" with no line end.
[[nodiscard]] bool WriteNewRoomOptions(const NewRoomOptions& options);

// Fill colours of wet areas, bedrooms and other rooms.
std::array<COLORREF, 3> ReadRoomFillColours();
// Writes "%ld %ld %ld\n".
[[nodiscard]] bool WriteRoomFillColours(const std::array<COLORREF, 3>& colours);

// --- Layout grid: spacing (at least 250 mm or 240 units of 1/24 inch) and colour ---
struct LayoutGridSettings {
    int32_t spacing = 0;
    COLORREF colour = 0;
};
FieldRange LayoutGridRange(int32_t metricUnits);
LayoutGridSettings ReadLayoutGridSettings(int32_t metricUnits);
// Writes "%d %ld\n".
[[nodiscard]] bool WriteLayoutGridSettings(int32_t metricUnits, const LayoutGridSettings& grid);

// --- Measured and published sizes ---
struct RoomSize {
    int32_t width = 0;
    int32_t length = 0;
};
// The largest free room of the last measuring click; nothing when the file is missing, short or
// holds a size beyond any sheet.
std::optional<RoomSize> ReadMaxRoom();
// Writes "%ld %ld" with no line end.
[[nodiscard]] bool WriteMaxRoom(const RoomSize& size);

// --- Merging distance of the design-room snapping (CFG/MERGEM.CFG mm, CFG/MERGEI.CFG 1/24 inch) ---
// At least 50 mm or 48 units, the least the merge-distance command stores.
FieldRange MergeDistanceRange(int32_t metricUnits);
int32_t ReadRoomMergeDistance(int32_t metricUnits);
// Writes "%d\n".
[[nodiscard]] bool WriteRoomMergeDistance(int32_t metricUnits, int32_t distance);
// Width, length and area of the layout's rectangle; nothing when the file is missing or short.
struct LayoutRect {
    int32_t width = 0;
    int32_t length = 0;
    int32_t area = 0;
};
std::optional<LayoutRect> ReadLayoutRect();
[[nodiscard]] bool WriteLayoutRect(int32_t width, int32_t length);

// The four bounds, in this order: min x, max y, max x, min y.
struct LayoutBounds {
    int32_t minX = 200000;
    int32_t maxY = 0;
    int32_t maxX = 0;
    int32_t minY = 200000;
};
LayoutBounds ReadLayoutBounds();
[[nodiscard]] bool WriteLayoutBounds(const LayoutBounds& bounds);

// The second value of CFG/SIZE.CFG is 0 when the building-rectangle report is to show.
bool SizeReportWanted();
