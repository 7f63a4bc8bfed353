#include "tools/drawing_tool.h"

// The base leaves these operations empty: a tool that does not override one ignores that input.
void TDrawingtool::ButtonDown(TDC&, RECT&, POINT*) {}
void TDrawingtool::ButtonUp(TDC&, RECT&, POINT*) {}
void TDrawingtool::Button2Down(TDC&, RECT&, POINT*) {}
void TDrawingtool::Button2Up(TDC&, RECT&, POINT*) {}
void TDrawingtool::MouseMove(TDC&, RECT&, int32_t, int32_t) {}
void TDrawingtool::Draw(TDC&, int32_t) {}
void TDrawingtool::BuildRoom(TDC&, RECT&, int32_t, int32_t) {}
void TDrawingtool::KeyDown(TDC&, RECT&, uint32_t, POINT*, int32_t) {}
void TDrawingtool::SetText(TDC&, RECT&, POINT*, const char*) {}
void TDrawingtool::Char(TDC&, RECT&, uint32_t) {}
void TDrawingtool::CreateObject(TDC&, RECT&) {}
void TDrawingtool::AutoDimension(TDC&, RECT&, int32_t, int32_t, int32_t, int32_t) {}
void TDrawingtool::ShowLengthLabel(TDC&, RECT&, int32_t, int32_t) {}
void TDrawingtool::Command(int32_t) {}
void TDrawingtool::Start(int32_t, int32_t, int32_t) {}

// The centre aids work on the base fields of any tool; their steps come with the line input.
void TDrawingtool::MidpointAid(TDC&, RECT&, int32_t, int32_t) {}
void TDrawingtool::ThreePointAid(TDC&, RECT&, int32_t, int32_t) {}
