// The line branch of the tool family: the rubber-band line with keyed input and the cross-hair,
// and the line-object tool that creates lines, dimensions and labels. Every wall, room, opening
// and stairs tool builds on TLineobjtool.
#pragma once

#include "document/program_state.h"
#include "tools/drawing_tool.h"

class TLinetool : public TDrawingtool {
public:
    TOOL_STATE_COPIES(TLinetool)
    TLinetool();

    void ButtonDown(TDC& dc, TRect& client, TPoint* point) override;
    void ButtonUp(TDC& dc, TRect& client, TPoint* point) override;
    void MouseMove(TDC& dc, TRect& client, int32_t x, int32_t y) override;
    void Draw(TDC& dc, int32_t flag) override;
    void KeyDown(TDC& dc, TRect& client, uint32_t key, TPoint* point, int32_t step) override;
    void RedrawPreview(TDC& dc) override;

    // The two operations the line branch adds to the family's table.
    virtual void DrawCrosshair(TDC& dc, int32_t style);
    virtual void Spare();

protected:
    // The outline and base-change kinds follow the pointer with a cross-hair instead of a band.
    bool ShowsCrosshair() const;
};

class TLineobjtool : public TLinetool {
public:
    TOOL_STATE_COPIES(TLineobjtool)
    TLineobjtool() = default;

    tools::WriteResult CreateObject(TDC& dc, TRect& client) override;
    void AutoDimension(TDC& dc, TRect& client, int32_t a, int32_t b, int32_t c, int32_t code) override;
    void ShowLengthLabel(TDC& dc, TRect& client, int32_t flag, int32_t unused) override;
    void Command(int32_t code) override;
    void Start(int32_t a, int32_t b, int32_t c) override;

    // In the internal-wall pick modes (300, 400, 500): the document index of the picked line or wall.
    int32_t& PickIndex() { return CursorX; }
    int32_t PickIndex() const { return CursorX; }
    // The manual-dimension tool's typed measurement.
    int32_t& MeasuredLength() { return BoxLeft; }
};
