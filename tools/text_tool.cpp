#include "tools/text_tool.h"

TTexttool::TTexttool() {
    PointPlaced = 0;
    TextLength = 0;
    TypedCount = 0;
    X1 = 0;
    Aux2 = 0;
}

// Placing, typing and creating texts come with the text tool.
void TTexttool::ButtonDown(TDC&, TRect&, TPoint*) {}
void TTexttool::Draw(TDC&, int32_t) {}
void TTexttool::SetText(TDC&, TRect&, TPoint*, const char*) {}
void TTexttool::Char(TDC&, TRect&, uint32_t) {}
