// Input of the text tool: the click that fixes where a typed text goes, a text handed over whole,
// and typing character by character with backspace and Enter.
#include <algorithm>
#include <cstring>

#include "document/coordinate_mapping.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/dc.h"
#include "platform/window.h"
#include "render/text_turn.h"
#include "tools/text_tool.h"
#include "tools/tool_geometry.h"

namespace {

constexpr uint32_t kBackspace = 8;
constexpr uint32_t kEnter = 13;
constexpr int32_t kMaxTyped = TTexttool::kTextCapacity - 1;

// Alignment on the anchor by style: centred styles sit on their bottom centre, the others start at
// the anchor; 4 and 5 hang from it.
uint32_t AlignmentOfStyle(int32_t style) {
    switch (style) {
    case 1:
    case 6:
        return TA_BOTTOM | TA_CENTER;
    case 4:
        return TA_TOP | TA_CENTER;
    case 5:
        return TA_TOP | TA_LEFT;
    default:
        return TA_BOTTOM | TA_LEFT;
    }
}

} // namespace

void TTexttool::ButtonDown(TDC& dc, TRect& client, TPoint* point) {
    if (Kind == toolkind::kText) {
        PressGoesToAid(dc, client, *point);
        return;
    }
    if (Kind == toolkind::kTextAtClick && Mode == textmode::kAwaitingClick) {
        const POINT p = tools::PixelToDrawing(dc, client, point->x, point->y);
        X0 = p.x;
        Y0 = p.y;
        PointPlaced = 1;
        Mode = textmode::kPlaced;
    }
}

void TTexttool::SetText(TDC& dc, TRect& client, TPoint* point, const char* text) {
    Colour = PenColour;
    const POINT p = tools::PixelToDrawing(dc, client, point->x, point->y);
    X0 = p.x;
    Y0 = p.y;
    // The text field holds 79 characters; anything longer is cut, never written past the buffer.
    const size_t n = text ? std::min(std::strlen(text), static_cast<size_t>(kMaxTyped)) : 0;
    std::memcpy(TextBuffer, text ? text : "", n);
    TextBuffer[n] = '\0';
    TextLength = static_cast<int32_t>(n);
    ++IdCounter;
    SegmentLength = IdCounter;
    // The step's last change: a failed write has been told and ends the caller's step.
    static_cast<void>(CreateObject(dc, client));
}

void TTexttool::Char(TDC& dc, TRect& client, uint32_t character) {
    // Before the click that places it a text has nowhere to go: the letters would land at the
    // sheet's corner, off screen.
    if (Mode == textmode::kAwaitingClick) return;
    if (character == kBackspace) {
        // Nothing typed: nothing to take back.
        if (TypedCount <= 0) return;
        EraseTyped(dc, client);
        --TypedCount;
        TextBuffer[TypedCount] = '\0';
        Draw(dc, 0);
        return;
    }
    if (character == kEnter) {
        if (TypedCount <= 0) return;
        // The text object paints itself where its own alignment puts it, which need not be the
        // pixels of the typed preview: the preview goes first so no second copy is left beside it.
        EraseTyped(dc, client);
        Colour = PenColour;
        TextLength = static_cast<int32_t>(std::strlen(TextBuffer));
        if (tools::Failed(CreateObject(dc, client))) return;
        TextLength = 0;
        TypedCount = 0;
        // The next character starts a new text; the one just made must not be created twice.
        TextBuffer[0] = '\0';
        return;
    }
    // Control characters have no place in a text, and the field ends at 79 characters.
    if (character < 32 || character > 255 || TypedCount >= kMaxTyped) return;
    Colour = PenColour;
    TextBuffer[TypedCount] = static_cast<char>(character);
    TextBuffer[TypedCount + 1] = '\0';
    ++TypedCount;
    SetDrawingMapping(nullptr, dc, client);
    Draw(dc, 0);
}

void TTexttool::RedrawPreview(TDC& dc) {
    if (TypedCount <= 0) return;
    // The line spacing stays the one the first key fixed, whatever the scale of the repaint.
    const int32_t lineHeight = TextHeight();
    Draw(dc, 0);
    TextHeight() = lineHeight;
}

// Repaints from the document the pixels the typed text covers. Drawing the letters again in the
// background colour would also wipe whatever lies under them (a wall's face, a line, another text),
// which only a later full repaint would bring back. The square round the anchor holds the text
// whichever way it turns and aligns.
void TTexttool::EraseTyped(TDC& dc, TRect& client) {
    if (!Window || ZoomDivisor == 0) return;
    SetDrawingMapping(nullptr, dc, client);
    const TFont font = TypedFont();
    dc.SelectObject(font);
    const SIZE extent = dc.GetTextExtent(TextBuffer, static_cast<int32_t>(std::strlen(TextBuffer)));
    dc.RestoreFont();
    POINT anchor{X0 / ZoomDivisor, Y0 / ZoomDivisor};
    dc.LPtoDP(&anchor, 1);
    const int32_t reach = extent.cx + extent.cy + 2;
    Window->InvalidateRect(TRect(anchor.x - reach, anchor.y - reach, anchor.x + reach + 1, anchor.y + reach + 1));
}

TFont TTexttool::TypedFont() const {
    const int32_t weight = DefaultTextWeight < 500 ? FW_NORMAL : FW_BOLD;
    return TFont(ObjectList.DefaultFontName, DefaultTextHeight * ZoomDivisor, 0,
                 render::TextEscapement(PickKind), 0, weight, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                 CLIP_DEFAULT_PRECIS, PROOF_QUALITY, VARIABLE_PITCH);
}

void TTexttool::Draw(TDC& dc, int32_t) {
    const TFont font = TypedFont();
    dc.SelectObject(font);
    TextLength = static_cast<int32_t>(std::strlen(TextBuffer));
    dc.SetTextAlign(AlignmentOfStyle(TextStyle()));
    if (TypedCount == 1) {
        // The first typed character fixes the spacing of the lines that follow.
        TEXTMETRIC tm{};
        dc.GetTextMetrics(tm);
        TextHeight() = (tm.tmHeight + tm.tmExternalLeading) * (ZoomDivisor + 1);
    }
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(Colour);
    if (ZoomDivisor != 0) dc.TextOut(X0 / ZoomDivisor, Y0 / ZoomDivisor, TextBuffer, TextLength);
    dc.RestoreFont();
}
