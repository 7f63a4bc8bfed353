// The partitions that close the open parts of a finished room's sides, and the mask lines that paint
// over a wall's face line where a partition runs into an internal wall. Plain geometry from the side
// survey (rooms/room_sides.h).
#pragma once

#include <cstdint>
#include <vector>

#include "rooms/room_sides.h"

struct Segment {
    int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const Segment&) const = default;
};

// One partition: its first face T outside the room, its second face on the room's edge, the first
// face's bearing, and the mask lines at its first end (upper or left) and then its second.
struct PartitionPiece {
    Segment first;
    Segment second;
    int32_t angle = 0;
    std::vector<Segment> masks;
};

// The pieces in the order left, right, top, bottom side, one along each part of a side that no wall
// face covers; a side's pieces in order from its upper (left) end. thickness is T, inset the gap K kept
// between a mask line and each partition face.
std::vector<PartitionPiece> PlanPartitions(const RoomSides& sides, int32_t thickness, int32_t inset);
