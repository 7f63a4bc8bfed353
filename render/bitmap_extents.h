// The extents of what the bitmap export of the current view shows, taken from the document as it is
// now (not from the last read of the working file), so that keyed objects count at once.
#pragma once

#include "document/drawn_extents.h"

class TList;

namespace render {

// Notes every object the bitmap of `CurrentView` paints, a text by the whole box it is drawn in, and
// sets PrintMinX, PrintMaxX and PrintHeight from the result. Empty when the view shows nothing.
DrawnExtents MeasureBitmapView(TList& list);

} // namespace render
