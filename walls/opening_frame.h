// Where the pieces of an opening go on their wall. Every piece is laid out with the wall along x, the
// reference face at y = P.y and the wall's body up to y = P.y + T, as on a wall running left (bearing
// 2700); the frame carries such a point onto the wall as it is stored: along the wall's own faces,
// with the body's depth reaching its other face, so that the jambs meet both faces at any angle, and
// exact on square walls.
#pragma once

#include <cstdint>

#include "platform/win_types.h"
#include "walls/opening.h"

class TList;
class TObject;

struct OpeningFrame {
    int32_t originX = 0; // where P goes: onto the reference face
    int32_t originY = 0;
    double alongX = 1; // a unit of local x
    double alongY = 0;
    double acrossX = 0; // a unit of local y, stretched so that T reaches the other face
    double acrossY = 1;

    // The local point (x, y), about P at (px, py), on the wall in whole units.
    POINT Place(int32_t px, int32_t py, int32_t x, int32_t y) const;
};

// The frame of the opening on the wall it was marked on: the wall of the opening's view and id whose
// reference face passes nearest P, within half the wall. It runs along the opening's direction, with
// P moved square onto that face and the depth reaching the wall's other face; without such a wall,
// about P with the depth as it is.
OpeningFrame FrameOf(const Opening& opening, const TList& document);

// Carries every point of a piece (a line's ends, an arc's box and ends, a polygon's points) from the
// local layout onto the wall.
void PlacePiece(const Opening& opening, const OpeningFrame& frame, TObject& piece);
