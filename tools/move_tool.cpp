#include "tools/move_tool.h"

// Selecting, moving, turning, erasing and the paste file come with plan editing.
void TMoveobjtool::ButtonDown(TDC&, RECT&, POINT*) {}
void TMoveobjtool::ButtonUp(TDC&, RECT&, POINT*) {}
void TMoveobjtool::Button2Down(TDC&, RECT&, POINT*) {}
void TMoveobjtool::MouseMove(TDC&, RECT&, int32_t, int32_t) {}
void TMoveobjtool::KeyDown(TDC&, RECT&, uint32_t, POINT*, int32_t) {}
void TMoveobjtool::ShowLengthLabel(TDC& dc, RECT& client, int32_t firstIndex, int32_t mode) {
    SelectAppended(dc, client, firstIndex, mode);
}
void TMoveobjtool::SelectAppended(TDC&, RECT&, int32_t, int32_t) {}

// A plain move does nothing more with a fresh selection.
void TMoveobjtool::ApplySelection(TDC&, RECT&, int32_t, int32_t) {}

void TEraseobjtool::ApplySelection(TDC&, RECT&, int32_t, int32_t) {}

void TCopyobjtool::ApplySelection(TDC&, RECT&, int32_t, int32_t) {
    WritePasteFile();
}
void TCopyobjtool::WritePasteFile() {}
