#include "tools/shape_tools.h"

TArctool::TArctool() {
    ArcPhase = 0;
    X0 = 0;
    X1 = 0;
}

// Previews and keyed input are in tools/shape_input.cpp; the objects created in
// tools/object_creation.cpp.

void TCircletool::ShiftHeld(int32_t dx, int32_t dy) {
    TLinetool::ShiftHeld(dx, dy);
    CentreX += dx;
    CentreY += dy;
}

void TArctool::ShiftHeld(int32_t dx, int32_t dy) {
    TLinetool::ShiftHeld(dx, dy);
    ArcStartX += dx;
    ArcStartY += dy;
    ArcEndX += dx;
    ArcEndY += dy;
}
