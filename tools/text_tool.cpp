#include "tools/text_tool.h"

TTexttool::TTexttool() {
    PointPlaced = 0;
    TextLength = 0;
    TypedCount = 0;
    X1 = 0;
    Aux2 = 0;
}

// Placing, typing and creating texts come with the text tool.
void TTexttool::ButtonDown(TDC&, RECT&, POINT*) {}
void TTexttool::Draw(TDC&, int32_t) {}
void TTexttool::SetText(TDC&, RECT&, POINT*, const char*) {}
void TTexttool::Char(TDC&, RECT&, uint32_t) {}
void TTextobjtool::CreateObject(TDC&, RECT&) {}
