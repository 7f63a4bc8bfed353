// The largest free room at a click on the room layout: the axis-parallel rectangle round the point
// bounded on each side by the nearest wall face or design room (kept one partition thickness clear of
// rooms), measured over the design rooms, external walls' inner faces and partitions of the view.
#pragma once

#include <cstdint>
#include <optional>

class TList;

// The box of everything examined on the view (y up: maxY the top).
struct FreeRoomExtent {
    int32_t minX = 300000;
    int32_t maxX = 0;
    int32_t maxY = 0;
    int32_t minY = 300000;
};

// The extent of the view's rooms and walls; nothing when the click (drawing units) lies in a design
// room or on a wall face's box (edges included), or when the document holds a single object.
std::optional<FreeRoomExtent> MeasureFreeRoomExtent(const TList& list, int32_t view, int32_t x, int32_t y);

struct FreeRoomSize {
    int32_t width = 0;  // x extent
    int32_t length = 0; // y extent
};
// The free rectangle round the click within the extent; nothing when the click lies outside the
// extent. A side that nothing bounds reaches the extent plus one partition thickness.
std::optional<FreeRoomSize> MeasureFreeRoom(const TList& list, int32_t view, int32_t x, int32_t y,
                                            int32_t partition, const FreeRoomExtent& extent);
