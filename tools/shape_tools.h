// The shape tools of the line branch: rectangle, rounded rectangle, circle, ellipse and arc. Each
// preview class draws only the rubber band; its "objtool" subclass adds the object it creates.
#pragma once

#include "tools/line_tool.h"

class TRectangletool : public TLinetool {
public:
    TOOL_STATE_COPIES(TRectangletool)
    void Draw(TDC& dc, int32_t flag) override;
    void KeyDown(TDC& dc, TRect& client, uint32_t key, TPoint* point, int32_t step) override;

private:
    // Which sides the arrows have keyed since the corner: a side may end on the sheet's left or
    // bottom edge, at 0, so the end itself cannot tell.
    bool acrossKeyed_ = false;
    bool upKeyed_ = false;
};

class TRectangleobjtool : public TRectangletool {
public:
    TOOL_STATE_COPIES(TRectangleobjtool)
    TRectangleobjtool() { Kind = toolkind::kRectangle; }
    tools::WriteResult CreateObject(TDC& dc, TRect& client) override;
};

class TRoundrecttool : public TRectangletool {
public:
    TOOL_STATE_COPIES(TRoundrecttool)
    void Draw(TDC& dc, int32_t flag) override;
    // The corner radius of the rounded rectangle.
    int32_t& CornerRadius() { return Count; }
};

class TRndrectobjtool : public TRoundrecttool {
public:
    TOOL_STATE_COPIES(TRndrectobjtool)
    TRndrectobjtool() { Kind = toolkind::kRoundRect; }
    tools::WriteResult CreateObject(TDC& dc, TRect& client) override;
};

class TCircletool : public TLinetool {
public:
    TOOL_STATE_COPIES(TCircletool)
    void ButtonDown(TDC& dc, TRect& client, TPoint* point) override;
    void ButtonUp(TDC& dc, TRect& client, TPoint* point) override;
    void MouseMove(TDC& dc, TRect& client, int32_t x, int32_t y) override;
    void Draw(TDC& dc, int32_t flag) override;
    void KeyDown(TDC& dc, TRect& client, uint32_t key, TPoint* point, int32_t step) override;
    void ShiftHeld(int32_t dx, int32_t dy) override;
    // The radius of a keyed circle.
    int32_t& Radius() { return Count; }

    int32_t CentreX = 0; // drawing units; cleared after each circle
    int32_t CentreY = 0;
};

class TCircleobjtool : public TCircletool {
public:
    TOOL_STATE_COPIES(TCircleobjtool)
    TCircleobjtool() { Kind = toolkind::kCircle; }
    tools::WriteResult CreateObject(TDC& dc, TRect& client) override;
};

class TEllipsetool : public TLinetool {
public:
    TOOL_STATE_COPIES(TEllipsetool)
    void Draw(TDC& dc, int32_t flag) override;
};

class TEllipseobjtool : public TEllipsetool {
public:
    TOOL_STATE_COPIES(TEllipseobjtool)
    TEllipseobjtool() { Kind = toolkind::kEllipse; }
    tools::WriteResult CreateObject(TDC& dc, TRect& client) override;
};

class TArctool : public TLinetool {
public:
    TOOL_STATE_COPIES(TArctool)
    TArctool();
    void Draw(TDC& dc, int32_t flag) override;
    void KeyDown(TDC& dc, TRect& client, uint32_t key, TPoint* point, int32_t step) override;
    void ShiftHeld(int32_t dx, int32_t dy) override;

    int32_t ArcStartX = 0; // the arc's start; scratch while the two keyed points are ordered
    int32_t ArcStartY = 0;
    int32_t ArcEndX = 0; // the first keyed point, then the arc's end
    int32_t ArcEndY = 0;
    int32_t ArcPhase = 0; // 0 before the first keyed point, 1 after it
    int32_t ArcSpare1 = 0;
    int32_t ArcSpare2 = 0;
};

class TArcobjtool : public TArctool {
public:
    TOOL_STATE_COPIES(TArcobjtool)
    TArcobjtool() { Kind = toolkind::kArc; }
    tools::WriteResult CreateObject(TDC& dc, TRect& client) override;
};
