// Moving one selected object by an offset, by the coordinate fields its kind stores. Fields that are
// not coordinates (aux1, aux2, heights, sizes) never move.
#pragma once

#include <cstdint>

#include "platform/win_types.h"

class TObject;

namespace editing {

// How a moved object is painted again at its new place.
struct RepaintPen {
    bool paint = false; // openings, rooms and records are left to the next full repaint
    COLORREF colour = 0;
    int32_t penStyle = 0;
};

// Shifts the object by (dx, dy) drawing units and says how to repaint it. Rooms and floor records
// stay where they are. An internal wall moves both its faces.
RepaintPen ShiftObject(TObject& object, int32_t dx, int32_t dy);

} // namespace editing
