// The move tool family: drag a rectangle to select, then move, turn, copy to the paste file or
// erase the selection. The move tool also serves the zoom window and the placing of pasted objects
// and library symbols.
#pragma once

#include "tools/drawing_tool.h"

class TMoveobjtool : public TDrawingtool {
public:
    TMoveobjtool() { Kind = toolkind::kMove; }

    void ButtonDown(TDC& dc, TRect& client, TPoint* point) override;
    void ButtonUp(TDC& dc, TRect& client, TPoint* point) override;
    void Button2Down(TDC& dc, TRect& client, TPoint* point) override;
    void MouseMove(TDC& dc, TRect& client, int32_t x, int32_t y) override;
    void KeyDown(TDC& dc, TRect& client, uint32_t key, TPoint* point, int32_t step) override;
    void ShowLengthLabel(TDC& dc, TRect& client, int32_t firstIndex, int32_t mode) override;

    // The operation the move branch adds to the family's table: what happens to a fresh selection.
    virtual void ApplySelection(TDC& dc, TRect& client, int32_t x, int32_t y);

    // Makes the objects appended from firstIndex on the selection (the step behind ShowLengthLabel).
    void SelectAppended(TDC& dc, TRect& client, int32_t firstIndex, int32_t mode);

    int32_t& InputFlag() { return PointPlaced; } // keys reach the tool only while 0

    int32_t ToolView = 0;      // the view the command started on
    int32_t LibraryMode = 0;   // 1 when the copy tool gathers a library item
    int32_t SelectionMade = 0; // 1 once a selection has been listed
    int32_t RotationStep = 0;  // whole degrees
    int32_t SelMinX = 0;       // the normalised rectangle of the last drag
    int32_t SelMaxX = 0;
    int32_t SelMinY = 0;
    int32_t SelMaxY = 0;
    int32_t SelectedCount = 0;
    int32_t RefX = 0; // first corner of the drag, then the reference point
    int32_t RefY = 0;
    int32_t AnchorX = 0; // second corner, then the move anchor and rotation centre
    int32_t AnchorY = 0;
    int32_t CurrentX = 0;
    int32_t CurrentY = 0;
};

class TEraseobjtool : public TMoveobjtool {
public:
    TEraseobjtool() { Kind = toolkind::kErase; }
    void ApplySelection(TDC& dc, TRect& client, int32_t x, int32_t y) override;
};

class TCopyobjtool : public TMoveobjtool {
public:
    TCopyobjtool() { Kind = toolkind::kCopy; }
    void ApplySelection(TDC& dc, TRect& client, int32_t x, int32_t y) override;
    // Writes the selection to the paste file unless it is gathered for a library.
    void WritePasteFile();
};
