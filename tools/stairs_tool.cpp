#include "tools/stairs_tool.h"

// The stairwell outline and its flights come with the stairs.
void TStepobjtool::MouseMove(TDC&, TRect&, int32_t, int32_t) {}
void TStepobjtool::Draw(TDC&, int32_t) {}
void TStepobjtool::KeyDown(TDC&, TRect&, uint32_t, TPoint*, int32_t) {}
void TStepobjtool::Start(int32_t width, int32_t runLength, int32_t flight) {
    NewStairs(width, runLength, flight);
}
void TStepobjtool::NewStairs(int32_t, int32_t, int32_t) {}
