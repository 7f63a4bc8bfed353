// The keys of an engaged tool (a start point is placed): an arrow asks for a length in its direction
// and the tool takes the step; Enter finishes or continues; the window then scrolls, moves the DATUM
// reference, shows the distance from the outline's start, finishes closed outlines and internal
// walls, asks for the text of a line with text and saves design rooms.
#pragma once

#include "platform/geometry.h"

class TChild;

namespace shell {

// One key for the window's engaged current tool; `cursor` is the mouse cursor in client pixels.
void EngagedKey(TChild& window, uint key, TPoint& cursor, TRect& client);

} // namespace shell
