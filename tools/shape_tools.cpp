#include "tools/shape_tools.h"

TArctool::TArctool() {
    ArcPhase = 0;
    X0 = 0;
    X1 = 0;
}

// Previews, keyed corners and the objects created come with the shape tools.
void TRectangletool::Draw(TDC&, int32_t) {}
void TRectangletool::KeyDown(TDC&, TRect&, uint32_t, TPoint*, int32_t) {}

void TRoundrecttool::Draw(TDC&, int32_t) {}

void TCircletool::ButtonDown(TDC&, TRect&, TPoint*) {}
void TCircletool::ButtonUp(TDC&, TRect&, TPoint*) {}
void TCircletool::MouseMove(TDC&, TRect&, int32_t, int32_t) {}
void TCircletool::Draw(TDC&, int32_t) {}
void TCircletool::KeyDown(TDC&, TRect&, uint32_t, TPoint*, int32_t) {}

void TEllipsetool::Draw(TDC&, int32_t) {}

void TArctool::Draw(TDC&, int32_t) {}
void TArctool::KeyDown(TDC&, TRect&, uint32_t, TPoint*, int32_t) {}
