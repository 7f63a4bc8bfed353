// The root of the tool family. The client window owns exactly one current tool; the drawing window
// turns every mouse and keyboard message into one call of a virtual operation of it. The base holds
// the whole shared state (points, pen, kind, mode); subclasses add a few fields and override the
// operations that differ.
#pragma once

#include <cstdint>
#include <memory>
#include <typeinfo>

#include "platform/geometry.h"
#include "tools/tool_kinds.h"
#include "tools/working_file.h"

class TDC;
class TWindow;

// The two members by which a tool class is copied whole (see TDrawingtool::Clone).
#define TOOL_STATE_COPIES(Class)                                                                             \
    [[nodiscard]] std::unique_ptr<TDrawingtool> Clone() const override {                                     \
        return std::make_unique<Class>(*this);                                                               \
    }                                                                                                        \
    [[nodiscard]] bool TakeState(const TDrawingtool& copy) override {                                        \
        if (typeid(*this) != typeid(Class) || typeid(copy) != typeid(Class)) return false;                   \
        *this = static_cast<const Class&>(copy);                                                             \
        return true;                                                                                         \
    }

class TDrawingtool {
public:
    TDrawingtool() = default;
    virtual ~TDrawingtool() = default;

    // Virtual operations in the order of the table; the base leaves every one of them empty
    // except the two centre aids.
    virtual void ButtonDown(TDC& dc, TRect& client, TPoint* point);
    virtual void ButtonUp(TDC& dc, TRect& client, TPoint* point);
    virtual void Button2Down(TDC& dc, TRect& client, TPoint* point);
    virtual void Button2Up(TDC& dc, TRect& client, TPoint* point);
    virtual void MouseMove(TDC& dc, TRect& client, int32_t x, int32_t y);
    virtual void Draw(TDC& dc, int32_t flag);
    virtual void BuildRoom(TDC& dc, TRect& client, int32_t width, int32_t length);
    virtual void KeyDown(TDC& dc, TRect& client, uint32_t key, TPoint* point, int32_t step);
    virtual void SetText(TDC& dc, TRect& client, TPoint* point, const char* text);
    virtual void Char(TDC& dc, TRect& client, uint32_t character);
    // Makes the finished shape one drawing object and writes the working file. A shape too small to
    // make writes nothing and is Ok; on Failed the step that asked ends there.
    [[nodiscard]] virtual tools::WriteResult CreateObject(TDC& dc, TRect& client);
    virtual void AutoDimension(TDC& dc, TRect& client, int32_t a, int32_t b, int32_t c, int32_t code);
    virtual void ShowLengthLabel(TDC& dc, TRect& client, int32_t flag, int32_t unused);
    virtual void Command(int32_t code);
    virtual void Start(int32_t a, int32_t b, int32_t c);
    virtual void MidpointAid(TDC& dc, TRect& client, int32_t x, int32_t y);
    virtual void ThreePointAid(TDC& dc, TRect& client, int32_t x, int32_t y);
    // Draws once more the preview the tool holds on screen between messages (a band, an outline, a
    // cross-hair), on a context with the drawing mapping; nothing when none is shown. Previews are
    // drawn by exclusive-or, so this wipes the preview from the window that shows it, and brings it
    // back into a window repainted without it, where the next pointer move expects it. What a tool
    // shows in ink only comes back by it, over a repaint (see EndingNeedsRepaint).
    virtual void RedrawPreview(TDC& dc);
    // True while the window shows work of the tool that the working file does not hold and that no
    // second drawing takes off: letters typed in ink, a selection moved but not placed. The window is
    // repainted whole when such a tool ends.
    [[nodiscard]] virtual bool EndingNeedsRepaint() const;
    // True while the document in memory holds edits of the tool that the working file does not (a
    // selection moved or turned and not yet placed): a step that fails must put those back as well.
    [[nodiscard]] virtual bool HoldsUnwrittenEdits() const;
    // True while such edits are objects the tool brought into the drawing (a paste, a library
    // symbol) and moved where the user wants them: however the tool ends, they stay there, as Enter
    // leaves them, rather than going back to where they first came in.
    [[nodiscard]] virtual bool EndingPlacesEdits() const;
    // Hands a press to the centre aid whose mode the tool is in (30, 31 CENTRE; 35 to 37 CENTRE
    // CENTRE); false when the tool is in none of them and the press is the tool's own.
    bool PressGoesToAid(TDC& dc, TRect& client, const TPoint& point);
    // The drawing under the tool has moved by (dx, dy) drawing units (the site plan centred on the
    // sheet by a zoom): the points the tool holds on it move alike, so that what it makes of them
    // lands where the user gave them. The base moves the start and end points.
    virtual void ShiftHeld(int32_t dx, int32_t dy);

    // A copy of the whole tool in its own class, and the taking back of every field from such a
    // copy of this tool: a step whose write failed puts the tool back as it stood before the step.
    // Each tool class gives itself both with TOOL_STATE_COPIES. A copy of another class is refused,
    // changing nothing: a tool made during the step where the old one stood is not the old one.
    [[nodiscard]] virtual std::unique_ptr<TDrawingtool> Clone() const;
    [[nodiscard]] virtual bool TakeState(const TDrawingtool& copy);

    // Shared state, in this order. Every field but PenWidth starts at 0.
    TWindow* Window = nullptr;  // the drawing window that delivered the current input
    COLORREF Colour = 0;        // preview pen and new objects
    int32_t PointPlaced = 0;    // 1 once a first point is placed
    int32_t CursorX = 0;        // pointer x, window units
    int32_t PickKind = 0;       // kind of the picked object
    int32_t Mode = 0;           // mode or state code
    int32_t Kind = 0;           // kind code, equal to the kind of the objects created
    int32_t SavedMode = 0;      // mode resumed after a centre aid
    int32_t PenWidth = 1;       // preview and new objects
    int32_t LineStyle = 0;      // 0 solid, 1 dash, 2 dot, 3 dash-dot
    int32_t Dragging = 0;       // 1 while a rubber band is live
    int32_t Count = 0;          // multi-line count, radius, corner radius or text height
    int32_t Angle = 0;          // tenths of a degree clockwise from up
    int32_t CursorY = 0;        // pointer y, window units
    int32_t CrosshairStyle = 0; // 1 vertical, 2 horizontal, 3 both
    int32_t ObjectId = 0;       // identifier shared by the pieces of a composite object
    int32_t SegmentLength = 0;  // length of the last keyed segment
    int32_t ChainState = 0;     // 2 cross-hair on screen; 1 after a keyed outline segment
    int32_t X0 = 0;             // start point, drawing units
    int32_t Aux1 = 0;
    int32_t X1 = 0; // end point, drawing units
    int32_t Aux2 = 0;
    int32_t Y0 = 0;
    int32_t Y1 = 0;
    int32_t BoxLeft = 0; // four working words, each subclass gives them its own role
    int32_t BoxRight = 0;
    int32_t BoxTop = 0;
    int32_t BoxBottom = 0;
    int32_t Scrolled = 0; // 1 when the view scrolled during the last drag
    // 1 once Enter gave the point the tool holds: the arrow keys go on from it, and a press of the
    // left button while it is held is passed over (see TChild::EvLButtonDown).
    int32_t KeyedStart = 0;
    // Of the Pick tool: the undos made in a row since it was installed.
    int32_t UndosInARow = 0;
};
