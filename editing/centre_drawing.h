// Centring a floor on the sheet: every object of the current view moves so that the centre of the
// view's bounding box lies on the centre of the sheet; the working file is then rewritten.
#pragma once

#include <cstdint>

class TDrawingtool;

// mode 59: the site plan's lines, shapes, walls and text anchors make the box; 1 and 2: the external
// walls only.
void CentreDrawing(TDrawingtool& tool, int32_t mode);
