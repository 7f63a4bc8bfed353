// The line branch of the tool family: the rubber-band line with keyed input and the cross-hair,
// and the line-object tool that creates lines, dimensions and labels. Every wall, room, opening
// and stairs tool builds on TLineobjtool.
#pragma once

#include <cstdint>
#include <optional>

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

    // True when the last release was a click while the keys went on from a start Enter gave: the
    // click is the new start, and nothing was drawn (nor is there a line to label).
    [[nodiscard]] bool ClickGaveNewStart() const { return clickGaveNewStart_; }
    // True once a keyed line was drawn and the chain holds its end, where the pointer now lies and
    // the next Enter goes on from: the step in progress, which a first Escape lets go of.
    [[nodiscard]] bool HoldsChainEnd() const { return chainEnd_; }
    // Where an arrow key's segment starts: the first point, snapped onto the end of the last object
    // when it lies within a unit of it.
    [[nodiscard]] POINT KeyedSegmentStart() const;
    // Whether a release here ends a drag that would draw a line from a start on the sheet's left or
    // bottom edge, where no line starts (a click is no drag: after Enter it is a new start).
    [[nodiscard]] bool DragStartsOnAxis(TDC& dc, const RECT& client, const TPoint& release) const;

protected:
    // The outline and base-change kinds follow the pointer with a cross-hair instead of a band.
    bool ShowsCrosshair() const;
    // Whether a release lies within a click's slip of the press, which gave (X0, Y0).
    bool NearPress(TDC& dc, const RECT& client, const TPoint& release) const;

private:
    bool clickGaveNewStart_ = false;
    bool chainEnd_ = false;
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
    // The way the next arrow key's step takes the picked line's or wall's end in the extend and
    // shorten modes: where the end stands, in drawing units, and the arrow key of the way it goes,
    // which is the one pressed for an extension and its opposite for a shortening. Nothing when no
    // end would move.
    struct EndTravel {
        POINT from;
        uint32_t towards;
    };
    [[nodiscard]] std::optional<EndTravel> EditedEndTravel(uint32_t key, int32_t step) const;
    // The picked object while it is a line or a partition, else nothing.
    [[nodiscard]] const TObject* PickedForEndEdit() const;
    // A line or wall picked for an edit of its end is blanked on screen until the edit is made: a
    // tool ending before that leaves the window to be repainted whole.
    [[nodiscard]] bool EndingNeedsRepaint() const override;
    // The manual-dimension tool's typed measurement.
    int32_t& MeasuredLength() { return BoxLeft; }
};
