#include "render/bitmap_extents.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "document/document.h"
#include "document/sheet_edge.h"
#include "platform/bitmap.h"
#include "render/floor_selection.h"
#include "render/shape_drawing.h"
#include "render/text_turn.h"

namespace render {

namespace {

// Pixels round a text's cell for glyphs that overhang it.
constexpr int32_t kGlyphOverhang = 1;

// Notes the box a text covers in the bitmap: its cell as the print operation anchors it, at its
// stored height in pixels, turned by its angle, k drawing units a pixel. A style that anchors nothing
// keeps the anchoring of the text before it, so its box is taken on every side of the anchor.
void NoteTextBox(DrawnExtents& e, TDC& dc, const TTextobj& text, int32_t k) {
    dc.SelectObject(TextFont(text, text.height));
    TEXTMETRIC metrics;
    dc.GetTextMetrics(metrics);
    const int32_t w = dc.GetTextExtent(text.text, std::clamp(text.textLength, 0, TTextobj::kTextCapacity)).cx;
    const int32_t h = metrics.tmHeight;
    dc.RestoreFont();
    double left = -w, right = w, top = -h, bottom = h; // device pixels about the anchor, y down
    uint32_t align = 0;
    if (TextAlignment(text.style, PrintedAngle(text.angle), TA_BOTTOM, align)) {
        left = (align & TA_CENTER) == TA_CENTER ? -(w / 2) : 0;
        right = left + w;
        top = (align & TA_BOTTOM) ? -h : 0;
        bottom = top + h;
    }
    left -= kGlyphOverhang, top -= kGlyphOverhang, right += kGlyphOverhang, bottom += kGlyphOverhang;
    // The device turns the text counter-clockwise as seen by its escapement; the bitmap's y runs down.
    const double turn = -TextEscapement(text.angle) / 10.0 * (std::numbers::pi / 180.0);
    const double c = std::cos(turn), s = std::sin(turn);
    for (const auto& [px, py] : {std::pair{left, top}, {right, top}, {right, bottom}, {left, bottom}}) {
        const double dx = (px * c - py * s) * k;
        const double dy = -(px * s + py * c) * k;
        const auto held = [](double v) { return static_cast<int32_t>(std::clamp(v, -1e9, 1e9)); };
        e.NoteX(held(std::floor(text.x1 + dx))), e.NoteX(held(std::ceil(text.x1 + dx)));
        e.NoteY(held(std::floor(text.y1 + dy))), e.NoteY(held(std::ceil(text.y1 + dy)));
    }
}

// Notes the lines a wall is drawn with beyond the corners the stored extents take: an external
// wall's layer lines, which lie a wall's thickness off its keyed line, and a partition's second face.
void NoteWallFaces(DrawnExtents& e, const TObject& object) {
    const auto note = [&](int32_t x, int32_t y) { e.NoteX(x), e.NoteY(y); };
    if (const auto* wall = object.kind == kExtWall ? dynamic_cast<const TExtwallobj*>(&object) : nullptr) {
        note(wall->p1x, wall->p1y), note(wall->p2x, wall->p2y);
        if (wall->thickness2 >= 1)
            note(wall->p3x, wall->p3y), note(wall->p4x, wall->p4y), note(wall->p5x, wall->p5y),
                note(wall->p6x, wall->p6y);
    } else if (object.kind == kIntWall) {
        NoteStoredPoints(e, object); // both faces
    }
}

} // namespace

DrawnExtents MeasureBitmapView(TList& list) {
    DrawnExtents e;
    const int32_t k = DrawnExtents::BitmapDivisor();
    // Texts are measured in the fonts the bitmap draws them with.
    TDib scratch(1, 1);
    TMemoryDC dc(scratch);
    const auto note = [&](TObject& object, int32_t) {
        e.Note(object);
        NoteWallFaces(e, object);
        if (const auto* text = IsTextKind(object.kind) ? dynamic_cast<const TTextobj*>(&object) : nullptr)
            NoteTextBox(e, dc, *text, k);
    };
    if (CurrentView == kSitePlan) {
        ForEachSitePlanObject(list, note);
    } else {
        ForEachFloorObject(list, note);
    }
    e.SetPrintExtents();
    return e;
}

} // namespace render
