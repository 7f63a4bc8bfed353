// Finding the wall an opening goes into: the first external wall or partition of the view that
// holds the pointer within half its thickness of one of its faces and has room for the opening
// there. The point is moved onto the face that holds openings (the drawn face of an external wall,
// the left face of a partition); hinged doors then move from the hinge to the middle of the opening.
#pragma once

#include <cstdint>

#include "document/objects.h"

class TList;

struct OpeningRequest {
    int32_t kind = 0;
    int32_t width = 0; // W
    int32_t mode = 0;  // the swing chosen for hinged doors (1 to 8; 0 none)
};

struct WallMark {
    int32_t index = kNoObject; // the wall's place in the document; kNoObject when none took it
    int32_t px = 0;              // the reference point on the wall
    int32_t py = 0;
    int32_t faceSide = 1;
    int32_t angle = 0;
    int32_t wallClass = 1;
    int32_t thickness = 0;
    int32_t wallId = 0;
};

WallMark FindOpeningWall(const TList& document, int32_t view, int32_t px, int32_t py, const OpeningRequest& request);

// For a hinged door: from the hinge to the middle of the opening, by half its width along the wall.
void MoveHingeToMiddle(WallMark& mark, int32_t width, int32_t swingCode);
