// Painting one object of the selection, and wiping the whole selection, on the drawing window. The
// painter is its own compact routine rather than the objects' drawing operations: it paints with a
// caller's colour, so that the same strokes in the background colour take an object off the screen.
#include <algorithm>

#include "document/coordinate_mapping.h"
#include "document/document.h"
#include "document/program_state.h"
#include "editing/selection_list.h"
#include "platform/dc.h"
#include "render/screen_units.h"
#include "render/shape_drawing.h"
#include "render/text_turn.h"
#include "tools/move_tool.h"
#include "tools/tool_geometry.h"

namespace {

constexpr render::ScreenTransform kScreen{};
constexpr int32_t kMarkedDimensionStyle = 1;
constexpr int32_t kMarkLength = 20; // logical units
constexpr int32_t kMarkSpread = 5;

// Kinds painted as one segment.
bool IsSegmentKind(int32_t kind) {
    return kind == kLine || kind == 2 || kind == kOutlineLine || kind == 25 || kind == 31 ||
           (kind >= kLineTypeFirst && kind <= kLineTypeLast) ||
           (kind >= kMarkerLineFirst && kind <= kMarkerLineLast);
}

// Polygons and symbols, whose outline is drawn one unit wide; the wall kinds share the width.
bool IsThinKind(int32_t kind) {
    return (kind >= kOpeningPolygon && kind < kAutoArrow) || kind == kMarkerPolygon;
}

void DeviceStroke(TDC& dc, POINT from, int32_t dx, int32_t dy) {
    render::DeviceSegment(dc, from.x, from.y, from.x + dx, from.y + dy);
}

void PaintExtWall(TDC& dc, const TObject& o) {
    render::DrawSegment(dc, kScreen, o.x1, o.y1, o.x2, o.y2);
    const auto* wall = dynamic_cast<const TExtwallobj*>(&o);
    if (!wall) return;
    render::DrawSegment(dc, kScreen, wall->p1x, wall->p1y, wall->p2x, wall->p2y);
    if (wall->thickness2 <= 0) return;
    render::DrawSegment(dc, kScreen, wall->p3x, wall->p3y, wall->p4x, wall->p4y);
    render::DrawSegment(dc, kScreen, wall->p5x, wall->p5y, wall->p6x, wall->p6y);
}

// An internal wall as its two face lines, like an external wall's.
void PaintIntWall(TDC& dc, const TObject& o) {
    render::DrawSegment(dc, kScreen, o.x1, o.y1, o.x2, o.y2);
    if (const auto* wall = dynamic_cast<const TIntwallobj*>(&o))
        render::DrawSegment(dc, kScreen, wall->q1x, wall->q1y, wall->q2x, wall->q2y);
}

// The two pieces of a dimension; a plain-style dimension of a square orientation also gets its end
// marks: level ones (along x) for 900 and 2700, upright ones for 0, 1800 and 3600.
void PaintDimension(TDC& dc, const TObject& o) {
    const auto* d = dynamic_cast<const TDimensobj*>(&o);
    if (!d) return;
    const POINT p{render::Scr(d->x1), render::Scr(d->y1)};
    const POINT q{render::Scr(d->d1x), render::Scr(d->d1y)};
    const int32_t l = kMarkLength, s = kMarkSpread;
    const bool level = d->value2 == 900 || d->value2 == 2700;
    const bool upright = d->value2 == 0 || d->value2 == 1800 || d->value2 == 3600;
    const bool marked = d->value == kMarkedDimensionStyle && (level || upright);

    render::DeviceSegment(dc, p.x, p.y, render::Scr(d->x2), render::Scr(d->y2));
    if (marked && level) {
        for (const POINT m : {POINT{l, s}, POINT{l, -s}, POINT{0, l}, POINT{0, -l}})
            DeviceStroke(dc, p, m.x, m.y);
    } else if (marked) {
        for (const POINT m : {POINT{s, -l}, POINT{-s, -l}, POINT{s, 0}, POINT{-s, 0}})
            DeviceStroke(dc, p, m.x, m.y);
    }
    render::DeviceSegment(dc, q.x, q.y, render::Scr(d->d2x), render::Scr(d->d2y));
    if (marked && level) {
        for (const POINT m : {POINT{-l, s}, POINT{-l, -s}, POINT{0, l}, POINT{0, -l}})
            DeviceStroke(dc, q, m.x, m.y);
    } else if (marked) {
        for (const POINT m : {POINT{s, l}, POINT{-s, l}, POINT{s, 0}, POINT{-s, 0}})
            DeviceStroke(dc, q, m.x, m.y);
    }
}

// A text in its own font at its anchor, in the paint colour and with no pen. It stands on its base
// line as the window's painting puts it: standing on the bottom of its cell instead, the wiping pass
// would miss the descent of the text on the screen and leave its foot behind.
// The text's own font at the height the window paints it, in logical units.
TFont TextFont(const TTextobj& text) {
    const int32_t weight = text.weight < 500 ? FW_NORMAL : FW_BOLD;
    if (TextScale == 0) TextScale = PenScale;
    int64_t height = int64_t{text.height} * TextScale;
    if (CurrentView == kSitePlan) height *= 3;
    return TFont(text.fontName, render::Saturate(height), 0, render::TextEscapement(text.angle), 0, weight, 0,
                 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, VARIABLE_PITCH);
}

int32_t HeldTextLength(const TTextobj& text) {
    return std::clamp(text.textLength, 0, TTextobj::kTextCapacity);
}

void PaintText(TDC& dc, const TObject& o, COLORREF paintColour) {
    const auto* text = dynamic_cast<const TTextobj*>(&o);
    if (!text) return;
    const TFont font = TextFont(*text);
    uint32_t align = 0;
    if (render::TextAlignment(text->style, text->angle, TA_BASELINE, align)) dc.SetTextAlign(align);
    const TFont oldFont = dc.SelectObject(font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(paintColour);
    dc.TextOut(render::Scr(text->x1), render::Scr(text->y1), text->text, HeldTextLength(*text));
    dc.SelectObject(oldFont);
}

// One closed polygon: only its outline before a selection is listed, afterwards filled with the
// background colour in both passes.
void PaintPolygon(TDC& dc, const TObject& o, int32_t selectionMade) {
    const auto* poly = dynamic_cast<const TPolyobj*>(&o);
    if (!poly) return;
    POINT points[TPolyobj::kMaxPoints];
    const int32_t n = render::PolygonPoints(kScreen, *poly, poly->py, points);
    if (selectionMade == 0) {
        dc.SelectStockObject(NULL_BRUSH);
        dc.Polygon(points, n);
        return;
    }
    const TBrush oldBrush = dc.SelectObject(TBrush(BackgroundColour));
    dc.Polygon(points, n);
    dc.SelectObject(oldBrush);
}

void PaintShape(TDC& dc, const TObject& o, int32_t selectionMade) {
    const int32_t kind = o.kind;
    if (IsSegmentKind(kind)) {
        render::DrawSegment(dc, kScreen, o.x1, o.y1, o.x2, o.y2);
    } else if (kind == kArc) {
        if (const auto* arc = dynamic_cast<const TArcobj*>(&o)) render::DrawArcShape(dc, kScreen, *arc);
    } else if (kind == kEllipse || kind == kCircle) {
        render::DrawHollowEllipse(dc, kScreen, o);
    } else if (kind == kRectangle) {
        render::DrawHollowRectangle(dc, kScreen, o);
    } else if (kind == kRoundRect) {
        if (const auto* r = dynamic_cast<const TRndrectobj*>(&o))
            render::DrawHollowRoundRect(dc, kScreen, *r);
    } else if (kind == kExtWall) {
        PaintExtWall(dc, o);
    } else if (kind == kIntWall) {
        PaintIntWall(dc, o);
    } else if (IsPolygonKind(kind) || kind == kMarkerPolygon) {
        PaintPolygon(dc, o, selectionMade);
    } else if (IsArrowKind(kind)) {
        if (const auto* a = dynamic_cast<const TArrowobj*>(&o)) render::DrawArrowShape(dc, kScreen, *a);
    } else if (IsDimensionKind(kind)) {
        PaintDimension(dc, o);
    }
}

} // namespace

void TMoveobjtool::PaintObject(TDC& dc, int32_t index, COLORREF paintColour, int32_t penStyle) {
    const TObject* o = ObjectList[index];
    if (!o) return;
    PenWidth = IsThinKind(o->kind) ? 1 : o->penWidth;
    if (IsTextKind(o->kind)) {
        PaintText(dc, *o, paintColour);
        return;
    }
    const int64_t width = int64_t{PenWidth} * ZoomDivisor;
    const TPen oldPen = dc.SelectObject(TPen(paintColour, render::Saturate(width), penStyle));
    PaintShape(dc, *o, SelectionMade);
    dc.SelectObject(oldPen);
}

int32_t TMoveobjtool::TextHalfWidth(TDC& dc, const TTextobj& text) {
    const TFont oldFont = dc.SelectObject(TextFont(text));
    const SIZE extent = dc.GetTextExtent(text.text, HeldTextLength(text));
    dc.SelectObject(oldFont);
    return render::Saturate(int64_t{extent.cx} * ZoomDivisor / 2);
}

void TMoveobjtool::DrawSelection(TDC& dc, TRect& client, int32_t x, int32_t y) {
    const POINT p = tools::PixelToDrawing(dc, client, x, y);
    CurrentX = p.x;
    CurrentY = p.y;
    const auto entries = editing::ReadSelectionList();
    if (!entries) return;
    for (const editing::SelectionEntry& e : *entries) {
        const TObject* o = ObjectList[e.index];
        // The list outlives removals and drawings: an index of no object is passed over.
        if (!o || o->kind == kOpening) continue;
        PaintObject(dc, e.index, BackgroundColour, IsTextKind(o->kind) ? 0 : o->penStyle);
    }
}
