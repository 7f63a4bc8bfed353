// Fitting a new partition to the walls of its floor before it is made: its ends snap onto nearby
// partition ends, and an end that lies on a wall face at an angle is trimmed along that face.
#pragma once

#include <cstdint>

#include "walls/partition_draft.h"

class TList;

// The partitions a new one was snapped to (document indices, kNoObject when none).
struct SnappedWalls {
    int32_t AtStart = kNoObject;
    int32_t AtEnd = kNoObject;
};

// Moves the whole partition so that an end lying within 3 x zoomDivisor (both axes, strictly) of an
// end of another partition of the view coincides with it, and orients it so that its ends fit the
// walls joined (reversing it, and its bearing, when its start met a start).
SnappedWalls SnapPartitionEnds(PartitionDraft& draft, const TList& document, int32_t view,
                               int32_t zoomDivisor);

// Finds the walls (external or internal) of the view on whose face an end of the partition lies (an
// external wall's face toward the inside of the house, whichever way round its outline was keyed and
// whichever side of the keyed line its layers lie), marks in draft.Mode which ends met an internal
// wall, and trims an end that meets its wall at an angle.
void TrimWallEnds(PartitionDraft& draft, const TList& document, int32_t view, int32_t zoomDivisor);

// Whether the end of a partition whose first face ends at (x, y) and second face at (fx, fy) meets the
// partition on one of its faces: it lies on the face within the tolerance, and a square end meets a
// square face only lying along it.
bool EndMeetsWall(const TIntwallobj& wall, int32_t x, int32_t y, int32_t fx, int32_t fy, int32_t tolerance);

// Slides the second face's end (end 1 the start, 2 the end) along the face of the wall at the index
// so that the partition's thickness is kept across the angle, toward the side of the first face the
// second lies on, so that the two never cross. A wall parallel to the partition, or an end whose
// second face lies on the first face's line, leaves the face as it is.
void TrimWallEnd(PartitionDraft& draft, const TList& document, int32_t wall, int32_t end);
