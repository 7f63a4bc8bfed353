#include "tools/line_tool.h"

int32_t KeyEntryPhase = 1;
int32_t LastOutlineEndX = 0;
int32_t LastOutlineEndY = 0;

TLinetool::TLinetool() {
    Kind = toolkind::kLine;
    PenWidth = 1;
    LineStyle = 0;
    Dragging = 0;
    CursorX = 0;
    CursorY = 0;
    Angle = 0;
}

// Line input, the rubber band, keyed lines and the cross-hair are filled in with the line tools.
void TLinetool::ButtonDown(TDC&, TRect&, TPoint*) {}
void TLinetool::ButtonUp(TDC&, TRect&, TPoint*) {}
void TLinetool::MouseMove(TDC&, TRect&, int32_t, int32_t) {}
void TLinetool::Draw(TDC&, int32_t) {}
void TLinetool::KeyDown(TDC&, TRect&, uint32_t, TPoint*, int32_t) {}
void TLinetool::DrawCrosshair(TDC&, int32_t) {}

// A slot of the table that nothing calls.
void TLinetool::Spare() {}

// Object creation, automatic dimensions, the length label and the line-object commands come with
// their own subsystems.
void TLineobjtool::CreateObject(TDC&, TRect&) {}
void TLineobjtool::AutoDimension(TDC&, TRect&, int32_t, int32_t, int32_t, int32_t) {}
void TLineobjtool::ShowLengthLabel(TDC&, TRect&, int32_t, int32_t) {}
void TLineobjtool::Command(int32_t) {}
void TLineobjtool::Start(int32_t, int32_t, int32_t) {}
