// The text tool: places a text at a click and takes it typed character by character, or from the
// text dialog. The base fields carry the text attributes.
#pragma once

#include "platform/gdi_objects.h"
#include "tools/drawing_tool.h"

class TTexttool : public TDrawingtool {
public:
    TOOL_STATE_COPIES(TTexttool)
    // Room for 79 characters and the terminator.
    static constexpr int32_t kTextCapacity = 80;

    TTexttool();

    void ButtonDown(TDC& dc, TRect& client, TPoint* point) override;
    void Draw(TDC& dc, int32_t flag) override;
    void SetText(TDC& dc, TRect& client, TPoint* point, const char* text) override;
    void Char(TDC& dc, TRect& client, uint32_t character) override;
    // The typed letters, drawn in ink: only a repaint takes them off.
    void RedrawPreview(TDC& dc) override;
    [[nodiscard]] bool EndingNeedsRepaint() const override { return TypedCount > 0; }

    int32_t& TextStyle() { return CursorX; }    // alignment style 1 to 6
    int32_t& TextAngle() { return PickKind; }   // 0 or 2700
    int32_t& TextHeight() { return Count; }     // line height, drawing units
    int32_t& TextId() { return SegmentLength; } // identifier of the text being created

    char TextBuffer[kTextCapacity] = {};
    int32_t TextLength = 0; // length of the text when it is drawn or created
    int32_t TypedCount = 0; // characters typed so far

private:
    // Takes the typed letters off by repainting what lies under them.
    void EraseTyped(TDC& dc, TRect& client);
    [[nodiscard]] TFont TypedFont() const;
};

class TTextobjtool : public TTexttool {
public:
    TOOL_STATE_COPIES(TTextobjtool)
    TTextobjtool() { Kind = toolkind::kText; }
    tools::WriteResult CreateObject(TDC& dc, TRect& client) override;
};
