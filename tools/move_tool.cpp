#include "tools/move_tool.h"

// Selecting, moving, turning, erasing and the paste file come with plan editing.
void TMoveobjtool::ButtonDown(TDC&, TRect&, TPoint*) {}
void TMoveobjtool::ButtonUp(TDC&, TRect&, TPoint*) {}
void TMoveobjtool::Button2Down(TDC&, TRect&, TPoint*) {}
void TMoveobjtool::MouseMove(TDC&, TRect&, int32_t, int32_t) {}
void TMoveobjtool::KeyDown(TDC&, TRect&, uint32_t, TPoint*, int32_t) {}
void TMoveobjtool::ShowLengthLabel(TDC& dc, TRect& client, int32_t firstIndex, int32_t mode) {
    SelectAppended(dc, client, firstIndex, mode);
}
void TMoveobjtool::SelectAppended(TDC&, TRect&, int32_t, int32_t) {}

// A plain move does nothing more with a fresh selection.
void TMoveobjtool::ApplySelection(TDC&, TRect&, int32_t, int32_t) {}

void TEraseobjtool::ApplySelection(TDC&, TRect&, int32_t, int32_t) {}

void TCopyobjtool::ApplySelection(TDC&, TRect&, int32_t, int32_t) {
    WritePasteFile();
}
void TCopyobjtool::WritePasteFile() {}
