#include "tools/wall_tools.h"

// Building, editing and snapping walls come with the walls subsystem.
void TExtwallobjtool::CreateObject(TDC&, RECT&) {}
void TExtwallobjtool::Command(int32_t) {}
void TExtwallobjtool::Start(int32_t a, int32_t b, int32_t c) {
    DispatchMode(a, b, c);
}
void TExtwallobjtool::DispatchMode(int32_t, int32_t, int32_t) {}

void TIntwallobjtool::MouseMove(TDC&, RECT&, int32_t, int32_t) {}
void TIntwallobjtool::Draw(TDC&, int32_t) {}
void TIntwallobjtool::KeyDown(TDC&, RECT&, uint32_t, POINT*, int32_t) {}
void TIntwallobjtool::CreateObject(TDC&, RECT&) {}
void TIntwallobjtool::Start(int32_t, int32_t, int32_t) {}
