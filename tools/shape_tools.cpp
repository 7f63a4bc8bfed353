#include "tools/shape_tools.h"

TArctool::TArctool() {
    ArcPhase = 0;
    X0 = 0;
    X1 = 0;
}

// Previews, keyed corners and the objects created come with the shape tools.
void TRectangletool::Draw(TDC&, int32_t) {}
void TRectangletool::KeyDown(TDC&, RECT&, uint32_t, POINT*, int32_t) {}
void TRectangleobjtool::CreateObject(TDC&, RECT&) {}

void TRoundrecttool::Draw(TDC&, int32_t) {}
void TRndrectobjtool::CreateObject(TDC&, RECT&) {}

void TCircletool::ButtonDown(TDC&, RECT&, POINT*) {}
void TCircletool::ButtonUp(TDC&, RECT&, POINT*) {}
void TCircletool::MouseMove(TDC&, RECT&, int32_t, int32_t) {}
void TCircletool::Draw(TDC&, int32_t) {}
void TCircletool::KeyDown(TDC&, RECT&, uint32_t, POINT*, int32_t) {}
void TCircleobjtool::CreateObject(TDC&, RECT&) {}

void TEllipsetool::Draw(TDC&, int32_t) {}
void TEllipseobjtool::CreateObject(TDC&, RECT&) {}

void TArctool::Draw(TDC&, int32_t) {}
void TArctool::KeyDown(TDC&, RECT&, uint32_t, POINT*, int32_t) {}
void TArcobjtool::CreateObject(TDC&, RECT&) {}
