#include "tools/window_tool.h"

// Marking walls and placing openings come with the walls subsystem.
void TWindowobjtool::MouseMove(TDC&, TRect&, int32_t, int32_t) {}
void TWindowobjtool::Draw(TDC&, int32_t) {}
void TWindowobjtool::KeyDown(TDC& dc, TRect& client, uint32_t key, TPoint* point, int32_t step) {
    MarkWall(dc, client, key, point, step);
}
void TWindowobjtool::Start(int32_t a, int32_t b, int32_t c) {
    LoadSettings(a, b, c);
}
void TWindowobjtool::MarkWall(TDC&, TRect&, uint32_t, TPoint*, int32_t) {}
void TWindowobjtool::LoadSettings(int32_t, int32_t, int32_t) {}
