// Erase: the objects the erase tool's rectangle listed leave the document, and the working file is
// written once. External walls have their own delete command and stay, as do the floor records.
#include "document/document.h"
#include "document/selection_list.h"
#include "editing/selection_erase.h"
#include "tools/move_tool.h"
#include "tools/tool_geometry.h"
#include "tools/working_file.h"

void TEraseobjtool::EraseSelection(TDC& dc, TRect& client, int32_t x, int32_t y) {
    const POINT p = tools::PixelToDrawing(dc, client, x, y);
    CurrentX = p.x;
    CurrentY = p.y;
    const auto entries = ReadSelectionList(ObjectList);
    if (!entries) return;
    editing::RemoveListed(ObjectList, *entries);
    // The list's indices would now name other objects.
    ObjectList.ForgetSelection();
    // A failed write has been told and ends the step: the file keeps the objects.
    if (tools::Failed(tools::SaveWorkingFile())) return;
    Mode = movestate::kErased;
}
