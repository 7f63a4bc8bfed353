// The layer lines of an external wall. The drawn line of an external wall is its outer face; its
// further lines lie on the right of the direction of travel from start to end, at L1, L1 + L2 and
// L1 + L2 + L3 from the face. These routines place the ends of those lines: square-cut at a free end,
// cornered where the wall meets the wall before or after it in the outline.
#pragma once

#include <cstdint>

class TExtwallobj;
class TList;

namespace walls {

// An external wall while its corners are worked out: the wall being built by the tool, or a wall of
// the document loaded for a moment.
struct ExtWallWork {
    int32_t x1 = 0; // outer face, start to end
    int32_t y1 = 0;
    int32_t x2 = 0;
    int32_t y2 = 0;
    int32_t angle = 0; // bearing of the face from start to end, tenths of a degree clockwise from +y
    int32_t layer1 = 0;
    int32_t layer2 = 0; // 0: a two-line wall (face and line 1 only)
    int32_t layer3 = 0;
    // Entry 0 line 1 start, 1 line 1 end, 2 line 2 start, 3 line 2 end, 4 line 3 start, 5 line 3 end.
    int32_t layerX[6] = {};
    int32_t layerY[6] = {};
};

// Which ends a free-end routine computes.
enum FreeEnds : int32_t { kBothEnds = 0, kStartEnd = 1, kFinishEnd = 2 };

// Corner codes: 1 the working wall's start meets the end of the other wall, 2 its end meets the
// other's start; 10 and 20 the other wall's own end and start at those two corners.
enum JoinCode : int32_t { kJoinStart = 1, kJoinEnd = 2, kJoinOtherEnd = 10, kJoinOtherStart = 20 };

bool IsSquareBearing(int32_t angle);

// The external wall at a document index; null for kNoObject or any other object.
TExtwallobj* ExternalWallAt(const TList& document, int32_t index);

ExtWallWork LoadWall(const TExtwallobj& wall);
// Writes the layer points of the work back into the wall (nothing else of it changes).
void StoreLayerPoints(const ExtWallWork& work, TExtwallobj& wall);

// Free, square-cut ends for a square bearing; any other bearing writes nothing.
void OutlineOrthoFree(ExtWallWork& w, int32_t ends);
// Free, square-cut ends for any bearing, through the bearing's sine and cosine.
void OutlineObliqueFree(ExtWallWork& w, int32_t ends);
// The one of the two that fits the wall's bearing.
void OutlineFree(ExtWallWork& w, int32_t ends);

// The corner of two square walls (codes 1 and 2). Perpendicular walls meet at their layer lines;
// walls in line or folding back give this wall a free end and leave the other alone.
void OutlineOrthoJoin(ExtWallWork& w, TExtwallobj& other, int32_t code);
// The corner mitred along its bisector (codes 1, 2, 10, 20); a corner is always the pair 1 then 10,
// or 2 then 20.
void OutlineObliqueJoin(ExtWallWork& w, TExtwallobj& other, int32_t code);

// The corner at one end of the working wall (code 1 its start, 2 its end) with the wall met there, for
// both walls: two square walls by the square join, any other pair by the mitre; a corner that folds
// back leaves both with square free ends.
void JoinCorner(ExtWallWork& w, TExtwallobj& other, int32_t code);

// The layer points of the wall at both ends: an end joined to the wall snapped there (its end on
// this start, its start on this end, both coordinates equal) is cornered with it, every other end is
// free. startWall and endWall are document indices or kNoObject.
void ComputeOutline(ExtWallWork& w, TList& document, int32_t startWall, int32_t endWall);

} // namespace walls
