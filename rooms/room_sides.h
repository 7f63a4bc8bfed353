// How far the walls of a floor already close each side of a room being finished: every wall face lying
// on each side and the side code that says which parts of the side stay open. External walls whose
// inner face lies within a few pixels of an edge first pull that edge onto the face. Plain geometry
// over the document; walls are never changed here.
#pragma once

#include <cstdint>
#include <vector>

#include "document/objects.h"
#include "rooms/side_cover.h"

class TList;

// Side codes: how the wall faces on a side's edge cover the side.
namespace sidecode {
constexpr int32_t kCovered = 0;        // the whole side
constexpr int32_t kFree = 1;           // no wall face on the edge
constexpr int32_t kLowerCovered = 2;   // vertical sides: the upper part is open
constexpr int32_t kUpperCovered = 3;   // vertical sides: the lower part is open
constexpr int32_t kRightCovered = 4;   // horizontal sides: the left part is open
constexpr int32_t kLeftCovered = 5;    // horizontal sides: the right part is open
constexpr int32_t kMiddleV = 12;       // vertical sides: open above and below the face
constexpr int32_t kMiddleH = 14;       // horizontal sides: open left and right of the face
constexpr int32_t kOpenBetween = 6;    // covered at both corners, open between faces
constexpr int32_t kExternalLower = 22; // 2, 3, 4 and 5 when the face is an external wall's
constexpr int32_t kExternalUpper = 33;
constexpr int32_t kExternalRight = 44;
constexpr int32_t kExternalLeft = 55;
} // namespace sidecode

// Edges of a room; y grows upwards, so top > bottom.
struct RoomEdges {
    int32_t left = 0;
    int32_t right = 0;
    int32_t top = 0;
    int32_t bottom = 0;
};

struct RoomSide {
    int32_t code = sidecode::kFree;
    std::vector<SideFace> faces; // every face or wall that covers a stretch of the side
};

struct RoomSides {
    RoomEdges edges; // after the snapping to external walls
    RoomSide left, right, top, bottom;
};

// The snap distance of an edge to an external wall's inner face: a few screen pixels in drawing units.
int32_t EdgeSnapTolerance(int32_t metricUnits, float penScale);

// Surveys the walls of the view round a room with the given edges: every face on a side's edge, and
// every wall reaching out from a side's edge, covers its stretch of that side. A tolerance of 0 moves
// no edge.
RoomSides SurveyRoomSides(const TList& list, int32_t view, const RoomEdges& room, int32_t tolerance);
