// The drawing steps that the screen operations and their print twins have in common. Each takes a
// transform `T` that places a stored point and sizes a stored length: `ScreenTransform` (divided by
// ZoomDivisor, y left to the window's mapping) or `PrintTransform` (the bitmap's divisor, y turned
// over). Only the transform differs; the calls on the device context are the same.
#pragma once

#include <algorithm>
#include <cstdint>

#include "document/document.h"
#include "document/objects.h"
#include "document/program_state.h"
#include "platform/dc.h"
#include "render/text_turn.h"

namespace render {

template <class T> void DrawSegment(TDC& dc, const T& t, int32_t ax, int32_t ay, int32_t bx, int32_t by) {
    dc.MoveToEx(t.X(ax), t.Y(ay));
    dc.LineTo(t.X(bx), t.Y(by));
}

// A segment between two points already placed on the device.
inline void DeviceSegment(TDC& dc, int32_t ax, int32_t ay, int32_t bx, int32_t by) {
    dc.MoveToEx(ax, ay);
    dc.LineTo(bx, by);
}

template <class T> void DrawArcShape(TDC& dc, const T& t, const TArcobj& a) {
    dc.Arc(t.X(a.x1), t.Y(a.y1), t.X(a.x2), t.Y(a.y2), t.X(a.sx), t.Y(a.sy), t.X(a.ex), t.Y(a.ey));
}

// Ellipses, circles, rectangles and rounded rectangles are outlines only: whatever brush the context
// held, they are never filled.
template <class T> void DrawHollowEllipse(TDC& dc, const T& t, const TObject& o) {
    dc.SelectStockObject(NULL_BRUSH);
    dc.Ellipse(t.X(o.x1), t.Y(o.y1), t.X(o.x2), t.Y(o.y2));
}

template <class T> void DrawHollowRectangle(TDC& dc, const T& t, const TObject& o) {
    dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(t.X(o.x1), t.Y(o.y1), t.X(o.x2), t.Y(o.y2));
}

template <class T> void DrawHollowRoundRect(TDC& dc, const T& t, const TRndrectobj& r) {
    dc.SelectStockObject(NULL_BRUSH);
    const int32_t ellipse = t.Len(2 * int64_t{r.corner}); // sized in drawing units, then divided
    dc.RoundRect(t.X(r.x1), t.Y(r.y1), t.X(r.x2), t.Y(r.y2), ellipse, ellipse);
}

// The anchoring of a text at its point, `baseLine` being where the text's foot sits (the screen's
// base line, the bottom of the cell on paper). False where the style sets none: the text then keeps
// the alignment the context holds from the text drawn before it.
inline bool TextAlignment(int32_t style, int32_t angle, uint32_t baseLine, uint32_t& align) {
    switch (style) {
    case 1:
        if (angle == 0) {
            align = TA_CENTER | baseLine;
            return true;
        }
        if (angle == 2700) {
            align = TA_LEFT | baseLine;
            return true;
        }
        return false;
    case 2:
    case 3:
        align = TA_LEFT | baseLine;
        return true;
    case 4:
        align = TA_CENTER | TA_TOP;
        return true;
    case 5:
        align = TA_LEFT | TA_TOP;
        return true;
    case 6:
        align = TA_CENTER | baseLine;
        return true;
    default:
        return false;
    }
}

// A text's own font at `height`, turned by its own angle.
inline TFont TextFont(const TTextobj& text, int32_t height) {
    const int32_t fontWeight = text.weight < 500 ? FW_NORMAL : FW_BOLD;
    return TFont(text.fontName, height, 0, TextEscapement(text.angle), 0, fontWeight, 0, 0, 0, ANSI_CHARSET,
                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, VARIABLE_PITCH);
}

// A text in its own font at `height`, turned by its own angle, in its own colour over a transparent
// background; `alignAngle` is the angle its style's anchoring reads.
template <class T>
void DrawTextShape(TDC& dc, const T& t, const TTextobj& text, int32_t height, int32_t alignAngle,
                   uint32_t baseLine) {
    dc.SelectObject(TextFont(text, height));
    uint32_t align = 0;
    if (TextAlignment(text.style, alignAngle, baseLine, align)) dc.SetTextAlign(align);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(text.colour); // a text keeps its own colour, selected or overlaid
    dc.TextOut(t.X(text.x1), t.Y(text.y1), text.text,
               std::clamp(text.textLength, 0, TTextobj::kTextCapacity));
    dc.RestoreFont();
}

// The closed outlines 131 to 149 and 500: one segment per point, the last joining the first.
inline bool IsClosedOutlineKind(int32_t kind) {
    return (kind >= 131 && kind <= 149) || kind == 500;
}

template <class T> void DrawClosedOutline(TDC& dc, const T& t, const TPolyobj& p) {
    const int32_t n = std::clamp(p.count, 0, TPolyobj::kMaxPoints);
    for (int32_t i = 0; i < n; ++i) {
        const int32_t j = (i + 1) % n;
        DrawSegment(dc, t, p.px[i], p.py[i], p.px[j], p.py[j]);
    }
}

// The points of a polygon placed on the device, the y of each taken from `ys` (`py`, or `ph` for the
// filled symbols); returns how many there are.
template <class T>
int32_t PolygonPoints(const T& t, const TPolyobj& p, const int32_t* ys,
                      POINT (&points)[TPolyobj::kMaxPoints]) {
    const int32_t n = std::clamp(p.count, 0, TPolyobj::kMaxPoints);
    for (int32_t i = 0; i < n; ++i)
        points[i] = POINT{t.X(p.px[i]), t.Y(ys[i])};
    return n;
}

template <class T> void DrawArrowShape(TDC& dc, const T& t, const TArrowobj& a) {
    DrawSegment(dc, t, a.x1, a.y1, a.x2, a.y2);
    DrawSegment(dc, t, a.x1, a.y1, a.h1x, a.h1y);
    DrawSegment(dc, t, a.x1, a.y1, a.h2x, a.h2y);
    DrawSegment(dc, t, a.h3x, a.h3y, a.h4x, a.h4y);
}

// A dimension of the plain head style: the two segments, each with an open arrow head at its point
// (two strokes) and a cross bar through it, the strokes `s` and `l` long on the device, turned by
// the dimension's direction. Any other head style or direction draws nothing.
template <class T> void DrawDimensionShape(TDC& dc, const T& t, const TDimensobj& d, int32_t s, int32_t l) {
    struct Offset {
        int32_t dx, dy;
    };
    struct Marks {
        Offset fromP[4];
        Offset fromD[4];
    } marks;
    if (d.value != 1) return;
    switch (d.value2) {
    case 900:
        marks = {{{l, s}, {l, -s}, {0, l}, {0, -l}}, {{-l, s}, {-l, -s}, {0, l}, {0, -l}}};
        break;
    case 1800:
        marks = {{{s, -l}, {-s, -l}, {l, 0}, {-l, 0}}, {{s, l}, {-s, l}, {l, 0}, {-l, 0}}};
        break;
    case 2700:
        marks = {{{-l, s}, {-l, -s}, {0, l}, {0, -l}}, {{l, s}, {l, -s}, {0, l}, {0, -l}}};
        break;
    case 0:
    case 3600:
        marks = {{{s, l}, {-s, l}, {l, 0}, {-l, 0}}, {{s, -l}, {-s, -l}, {l, 0}, {-l, 0}}};
        break;
    default:
        return;
    }
    const int32_t px = t.X(d.x1), py = t.Y(d.y1);
    const int32_t dx = t.X(d.d1x), dy = t.Y(d.d1y);
    DeviceSegment(dc, px, py, t.X(d.x2), t.Y(d.y2));
    for (const Offset& o : marks.fromP)
        DeviceSegment(dc, px, py, px + o.dx, py + o.dy);
    DeviceSegment(dc, dx, dy, t.X(d.d2x), t.Y(d.d2y));
    for (const Offset& o : marks.fromD)
        DeviceSegment(dc, dx, dy, dx + o.dx, dy + o.dy);
}

// A room's name and size labels about (cx, cy) in a bold label font of `fontHeight`, always in
// PenColour over an opaque background. A name wider than the room (average character width times
// its length against the room's width in drawing units) turns the labels to run down the room;
// otherwise they stand level, each line `lineStep` times the text height from the one before (down
// the device: -1 on the screen, whose y rises, +1 on paper).
inline void WriteRoomLabels(TDC& dc, const TRoomobj& room, int32_t fontHeight, int32_t cx, int32_t cy,
                            int32_t lineStep) {
    const char* face = ObjectList.DefaultFontName;
    const auto labelFont = [&](int32_t escapement) {
        return TFont(face, fontHeight, 0, escapement, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, PROOF_QUALITY, VARIABLE_PITCH);
    };
    dc.SelectObject(labelFont(0));
    dc.SetTextAlign(TA_CENTER | TA_BOTTOM);
    TEXTMETRIC metrics;
    dc.GetTextMetrics(metrics);
    const int32_t th = metrics.tmHeight;
    const int32_t aw = metrics.tmAveCharWidth;

    const int32_t nName = std::clamp(room.nameLength, 0, TRoomobj::kNameCapacity);
    const int32_t nWidth = std::clamp(room.widthTextLength, 0, TRoomobj::kSizeTextCapacity);
    const int32_t nLength = std::clamp(room.lengthTextLength, 0, TRoomobj::kSizeTextCapacity);
    dc.SetBkMode(OPAQUE);
    dc.SetTextColor(PenColour);
    if (static_cast<int64_t>(aw) * nName > room.value3) {
        dc.SelectObject(labelFont(2700));
        dc.TextOut(cx, cy, room.name, nName);
        dc.TextOut(cx + 2 * (th / 3), cy, room.widthText, nWidth);
        dc.TextOut(cx - 2 * (th / 3), cy, room.lengthText, nLength);
    } else {
        dc.TextOut(cx, cy, room.name, nName);
        dc.TextOut(cx, cy + lineStep * th, room.widthText, nWidth);
        dc.TextOut(cx, cy + lineStep * 2 * th, room.lengthText, nLength);
    }
    dc.RestoreFont();
    dc.SetBkMode(TRANSPARENT);
}

} // namespace render
