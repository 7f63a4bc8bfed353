// The top-left corner of the current floor's external walls: the DATUM reference of the drawing
// window's distance read-out.
#pragma once

#include <cstdint>

class TList;

// Smallest x and largest y of the external walls of the view (the floor below when the view has
// none; the outline polygons on the site plan), each cut down to a multiple of the zoom divisor.
// Both 0, and false, when there is nothing to measure.
bool FindWallCorner(const TList& document, int32_t view, int32_t zoomDivisor, int32_t& x, int32_t& y);

// The same on CurrentView at ZoomDivisor for the drawing window: (0, 0) when there is nothing to
// measure, so the reference of walls since erased does not linger.
void FindWallCorner(TList& document, int32_t& x, int32_t& y);
