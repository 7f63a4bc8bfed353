#include "tools/window_tool.h"

// Marking walls and placing openings come with the walls subsystem.
void TWindowobjtool::MouseMove(TDC&, RECT&, int32_t, int32_t) {}
void TWindowobjtool::Draw(TDC&, int32_t) {}
void TWindowobjtool::KeyDown(TDC& dc, RECT& client, uint32_t key, POINT* point, int32_t step) {
    MarkWall(dc, client, key, point, step);
}
void TWindowobjtool::Start(int32_t a, int32_t b, int32_t c) {
    LoadSettings(a, b, c);
}
void TWindowobjtool::MarkWall(TDC&, RECT&, uint32_t, POINT*, int32_t) {}
void TWindowobjtool::LoadSettings(int32_t, int32_t, int32_t) {}
