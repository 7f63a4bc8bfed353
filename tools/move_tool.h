// The move tool family: drag a rectangle to select, then move, turn, copy to the paste file or
// erase the selection. The move tool also serves the placing of pasted objects and library symbols.
//
// The members are defined by concern:
//   tools/move_tool.cpp         the slot operations, SetAnchor, SelectAppended
//   tools/move_tool_drag.cpp    the rubber band and SelectInRect
//   tools/move_tool_paint.cpp   PaintObject, WipeObject and DrawSelection
//   tools/move_tool_shift.cpp   MoveSelection
//   tools/move_tool_turn.cpp    RotateSelection
//   tools/move_tool_copy.cpp    WritePasteFile
//   tools/move_tool_erase.cpp   EraseSelection
#pragma once

#include "platform/win_types.h"
#include "tools/drawing_tool.h"

namespace editing {
struct SelectionBox;
} // namespace editing

class TTextobj;

// States of the family (the tool's Mode).
namespace movestate {
constexpr int32_t kIdle = 0;      // waiting for a selection rectangle
constexpr int32_t kSelected = 2;  // a selection is listed; a click takes the anchor
constexpr int32_t kMoving = 3;    // every release and arrow key moves the selection
constexpr int32_t kSelecting = 5; // a selection rectangle is being dragged
constexpr int32_t kErased = 9;    // the erase tool after its erase
} // namespace movestate

// The copy tool's LibraryMode.
namespace copymode {
constexpr int32_t kForLibrary = 1; // the copy gathers a library item instead of placing a copy
} // namespace copymode

class TMoveobjtool : public TDrawingtool {
public:
    TOOL_STATE_COPIES(TMoveobjtool)
    TMoveobjtool() { Kind = toolkind::kMove; }

    void ButtonDown(TDC& dc, TRect& client, TPoint* point) override;
    void ButtonUp(TDC& dc, TRect& client, TPoint* point) override;
    void Button2Down(TDC& dc, TRect& client, TPoint* point) override;
    void Button2Up(TDC& dc, TRect& client, TPoint* point) override;
    void MouseMove(TDC& dc, TRect& client, int32_t x, int32_t y) override;
    void KeyDown(TDC& dc, TRect& client, uint32_t key, TPoint* point, int32_t step) override;
    void ShowLengthLabel(TDC& dc, TRect& client, int32_t firstIndex, int32_t mode) override;
    void RedrawPreview(TDC& dc) override;
    // The selection's objects are in the document, which moves them itself; the tool's points follow.
    void ShiftHeld(int32_t dx, int32_t dy) override;

    // The operation the move branch adds to the family's table: what happens to a fresh selection.
    virtual void ApplySelection(TDC& dc, TRect& client, int32_t x, int32_t y);

    // Makes the objects appended from firstIndex on the selection (the step behind ShowLengthLabel).
    void SelectAppended(TDC& dc, TRect& client, int32_t firstIndex, int32_t mode);
    // Lists the objects inside the dragged rectangle as the selection (the point is not used); a
    // rectangle round none of them lists nothing and leaves the tool waiting for the drag (Mode idle).
    void SelectInRect(TDC& dc, TRect& client, int32_t x, int32_t y);
    [[nodiscard]] bool SelectsAny(const editing::SelectionBox& box) const;
    // The clicked point becomes the anchor that follows the pointer.
    void SetAnchor(TDC& dc, TRect& client, int32_t x, int32_t y);
    // Wipes the selection off the window by painting it in the background colour.
    void DrawSelection(TDC& dc, TRect& client, int32_t x, int32_t y);
    // Paints one object of the document as the window paints it, and the same marks in the
    // background colour. Rooms, openings and floor records are left to the next full repaint.
    void PaintObject(TDC& dc, int32_t index);
    void WipeObject(TDC& dc, int32_t index);
    // Moves the selection by the distance from the anchor to the point and repaints it there.
    void MoveSelection(TDC& dc, TRect& client, int32_t x, int32_t y);
    // Turns the selection by RotationStep degrees clockwise about the anchor and repaints each
    // object in its own colour.
    void RotateSelection(TDC& dc, TRect& client, int32_t x, int32_t y);
    // True when turning the selection by RotationStep about the anchor would carry a point of it past
    // the sheet's edge.
    [[nodiscard]] bool TurnLeavesSheet() const;
    // The same for moving the anchor to the client point (x, y).
    [[nodiscard]] bool ShiftLeavesSheet(TDC& dc, TRect& client, int32_t x, int32_t y) const;

    // True when the drawing point (x, y) lies within `margin` drawing units of the rectangle the
    // selection's stored points cover (or when the selection cannot say where it lies).
    [[nodiscard]] bool NearSelection(int32_t x, int32_t y, int32_t margin) const;
    // True while the tool waits for a library symbol's reference point and the drawing point
    // (x, y), `margin` drawing units of leeway allowed, is not on the symbol: such a click is nothing.
    [[nodiscard]] bool ClickOffSymbol(int32_t x, int32_t y, int32_t margin) const {
        return SymbolFromLibrary && Mode == movestate::kSelected && !NearSelection(x, y, margin);
    }

    // True while a selection rectangle is being dragged.
    bool DraggingRectangle() const { return Mode == movestate::kSelecting; }
    // True once the selection has been changed in memory and not yet written: until Enter writes the
    // working file, the window repaints from the document rather than from the file.
    bool MovePending() const { return Changed; }
    // A pending move is dropped with the tool: the repaint shows the objects where the file has them.
    [[nodiscard]] bool EndingNeedsRepaint() const override { return MovePending(); }
    // A move or turn waiting for Enter is in memory alone: a failed step keeps it there.
    [[nodiscard]] bool HoldsUnwrittenEdits() const override { return MovePending(); }
    // A paste or symbol moved and not yet placed.
    [[nodiscard]] bool EndingPlacesEdits() const override { return MovePending() && SelectionBroughtIn; }

    int32_t& InputFlag() { return PointPlaced; } // keys reach the tool only while 0
    int32_t& LibraryMode() { return Count; }     // 1 when the copy tool gathers a library item

    int32_t ToolView = 0;      // the view the command started on
    int32_t SelectionMade = 0; // 1 once a selection has been listed
    int32_t RotationStep = 0;  // whole degrees
    // The last press or key would have carried the selection past the sheet's edge: nothing moved.
    bool LeftSheet = false;
    int32_t SelMinX = 0; // the normalised rectangle of the last drag
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
    bool SelectionBroughtIn = false; // the selection is what a paste or a library symbol appended
    // The last drag went round nothing: what an earlier copy or move listed is no selection of this one.
    bool DraggedRoundNothing = false;
    // The selection is a library symbol, whose reference point is clicked on the symbol itself.
    bool SymbolFromLibrary = false;

protected:
    // Draws the dotted band from (RefX, RefY) to (x, y), drawing units, by exclusive-or: a second
    // call with the same corners takes it off again.
    void DrawBand(TDC& dc, int32_t x, int32_t y);

private:
    // Half the width of a text in its own font, in drawing units.
    int32_t TextHalfWidth(TDC& dc, const TTextobj& text);
    bool Changed = false;
};

class TEraseobjtool : public TMoveobjtool {
public:
    TOOL_STATE_COPIES(TEraseobjtool)
    TEraseobjtool() { Kind = toolkind::kErase; }
    void ApplySelection(TDC& dc, TRect& client, int32_t x, int32_t y) override;
    // Removes the listed objects other than external walls and floor records from the document and
    // writes the working file once.
    void EraseSelection(TDC& dc, TRect& client, int32_t x, int32_t y);
};

class TCopyobjtool : public TMoveobjtool {
public:
    TOOL_STATE_COPIES(TCopyobjtool)
    TCopyobjtool() { Kind = toolkind::kCopy; }
    void ApplySelection(TDC& dc, TRect& client, int32_t x, int32_t y) override;
    // Writes the selection to the paste file, relative to each entry's reference point, unless it is
    // gathered for a library. A failed write is reported and keeps the previous paste file.
    void WritePasteFile();
};
