// What lies past the sheet's edge is not paper: the drawing window shows it in its own colour, so
// that nobody takes it for a place to draw.
#pragma once

#include "platform/win_types.h"

class TDC;

namespace render {

// The background colour moved a step toward grey: darker on a light background, lighter on a dark one.
COLORREF PastSheetColour();

// Fills the view's area past the sheet, on a context with the window's mapping set.
void PaintPastSheet(TDC& dc);

} // namespace render
