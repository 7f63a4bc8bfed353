// Centring a floor on the sheet: every object of the current view moves so that the centre of the
// view's bounding box lies on the centre of the sheet; the working file is then rewritten.
#pragma once

#include <cstdint>

class TDrawingtool;
class TObject;

namespace editing {

// Adds (dx, dy) to every coordinate the object's kind stores: all the layer lines of an external
// wall, both faces of an internal wall, rooms and floor records too. Kinds without coordinates of
// their own (a new design room, 10) stay.
void TranslateForCentring(TObject& object, int32_t dx, int32_t dy);

struct CentringShift {
    int32_t dx = 0;
    int32_t dy = 0;
};

// Moves every object of the current view so that its box (as for CentreDrawing's mode) lies on the
// centre of the sheet, in memory alone, and gives the shift it made: nothing when no object makes
// the box.
CentringShift CentreViewInMemory(int32_t mode);

} // namespace editing

// mode 59: the site plan's lines, shapes, walls and text anchors make the box; any other mode (the
// callers pass 1 and 2): the external walls only. A view where nothing makes the box stays where it
// is. The tool is not read.
void CentreDrawing(TDrawingtool& tool, int32_t mode);
