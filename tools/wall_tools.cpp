#include "tools/wall_tools.h"

// Building, editing and snapping walls come with the walls subsystem.
void TExtwallobjtool::Start(int32_t a, int32_t b, int32_t c) {
    DispatchMode(a, b, c);
}
void TExtwallobjtool::DispatchMode(int32_t, int32_t, int32_t) {}

void TIntwallobjtool::MouseMove(TDC&, TRect&, int32_t, int32_t) {}
void TIntwallobjtool::Draw(TDC&, int32_t) {}
void TIntwallobjtool::KeyDown(TDC&, TRect&, uint32_t, TPoint*, int32_t) {}
void TIntwallobjtool::Start(int32_t, int32_t, int32_t) {}
