// The drawing symbols of doors, built after the opening is cut: leaves as lines, the swing of hinged
// doors as dotted arcs (on square walls only), sliding, folding and wardrobe panels beside or in the
// wall, and the side panels of an entry frame. Laid out like the opening itself (the wall along x,
// the reference face at y = P.y, the body up to P.y + T) and turned into the wall's direction.
#pragma once

#include <cstdint>

#include "walls/opening.h"

class TList;

// Appends the symbol of the opening's kind; kinds without one add nothing. The opening's swing code
// is exchanged on walls that run the other way (the preview showed the door from the other side).
void MakeOpeningSymbol(Opening& opening, TList& document);

// Carries the local point (x, y) onto the wall as the pieces are, and makes the result P.
void RotatePoint(Opening& opening, const TList& document, int32_t x, int32_t y);
