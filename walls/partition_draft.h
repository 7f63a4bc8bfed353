// The partition being built, as the internal-wall tool hands it to the wall geometry: its first face
// (the line the user draws), its bearing and thickness, the side of its second face and the second
// face the geometry computes. Lengths in drawing units, bearings in tenths of a degree clockwise from
// up (0 up, 900 right, 1800 down, 2700 left).
#pragma once

#include <cstdint>

#include "document/objects.h"

class TList;

struct PartitionDraft {
    int32_t X0 = 0; // first face, start
    int32_t Y0 = 0;
    int32_t X1 = 0; // first face, end
    int32_t Y1 = 0;
    int32_t Angle = 0;
    int32_t Thickness = 0;
    // Side of the second face: 1 above, 2 right, 3 below, 4 left. A join may replace it by 1 or 3
    // taken from the wall joined, so a chain keeps its second face on one side.
    int32_t Side = 0;
    // The first segment of a chain: its side is the one the user chose, and a join that would put the
    // second face on the other side is not made.
    bool SideChosen = false;
    // Set when the start lies on the end of a partition that the side chosen kept it from joining.
    bool StartLeftUnjoined = false;
    int32_t FaceStartX = 0; // second face
    int32_t FaceStartY = 0;
    int32_t FaceEndX = 0;
    int32_t FaceEndY = 0;
    // Which ends met an internal wall (kStartMet, kEndMet, kBothMet), else as it was.
    int32_t Mode = 0;
    // Set to kNoWall when the end met a wall face: the free length no longer holds.
    int32_t FreeLength = 0;
};

// Where the ends of a new partition met an internal wall: the tool hides the met face there.
constexpr int32_t kStartMet = 1000;
constexpr int32_t kEndMet = 2000;
constexpr int32_t kBothMet = 3000;

// One tenth of a degree in radians, as every wall computation turns bearings into angles.
constexpr double kRadiansPerTenth = 0.001745;

constexpr bool IsSquareBearing(int32_t bearing) {
    return bearing == 0 || bearing == 900 || bearing == 1800 || bearing == 2700;
}

// A bearing folded into 0..900: its angle to the nearer of up and down.
constexpr int32_t FoldedBearing(int32_t bearing) {
    if (bearing <= 900) return bearing;
    if (bearing <= 1800) return 1800 - bearing;
    if (bearing <= 2700) return bearing - 1800;
    return 3600 - bearing;
}

// The partition (kind 1500) at an index, or null for any other object or no object.
TIntwallobj* PartitionAt(const TList& document, int32_t index);

// Whether the partition's first face starts, or ends, exactly at the point (false for no partition).
bool StartsAt(const TIntwallobj* wall, int32_t x, int32_t y);
bool EndsAt(const TIntwallobj* wall, int32_t x, int32_t y);
