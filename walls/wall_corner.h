// The top-left corner of the current floor's external walls: the DATUM reference of the drawing
// window's distance read-out.
#pragma once

#include <cstdint>

class TList;

// Smallest x and largest y of the external walls of CurrentView (the floor below when the view has
// none; the outline on the site plan), each a multiple of ZoomDivisor. Leaves x and y as they were
// when there is nothing to measure.
void FindWallCorner(TList& document, int32_t& x, int32_t& y);
