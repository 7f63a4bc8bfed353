// The mapping of the drawing window: isotropic, y up, the scroll origin at the bottom-left corner.
#pragma once

#include "platform/win_types.h"

class TDC;

namespace render {

// Sets the window mapping from the zoom and scroll state and the client rectangle (only its right
// and bottom are used), a transparent background of BackgroundColour and plain copy drawing.
void SetUpDrawingWindow(TDC& dc, const RECT& client);

} // namespace render
