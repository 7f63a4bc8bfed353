// Screen drawing of the annotation objects: dimension arrows, dimension lines with their end marks,
// and rooms (the filled rectangle with the name and size labels).
#include <algorithm>
#include <cmath>

#include "document/document.h"
#include "document/objects.h"
#include "platform/dc.h"
#include "render/screen_units.h"
#include "shell/globals.h"

using render::Scr;

namespace {

void Line(TDC& dc, int32_t ax, int32_t ay, int32_t bx, int32_t by) {
    dc.MoveToEx(ax, ay);
    dc.LineTo(bx, by);
}

struct Offset {
    int32_t dx, dy;
};

// An open arrow head with its tip at the point (two strokes) and a cross bar through it, in
// logical units, for each end of a dimension by its direction.
struct EndMarks {
    Offset fromP[4];
    Offset fromD[4];
};

bool EndMarksFor(int32_t direction, EndMarks& marks) {
    switch (direction) {
    case 900:
        marks = {{{20, 5}, {20, -5}, {0, 20}, {0, -20}}, {{-20, 5}, {-20, -5}, {0, 20}, {0, -20}}};
        return true;
    case 1800:
        marks = {{{5, -20}, {-5, -20}, {20, 0}, {-20, 0}}, {{5, 20}, {-5, 20}, {20, 0}, {-20, 0}}};
        return true;
    case 2700:
        marks = {{{-20, 5}, {-20, -5}, {0, 20}, {0, -20}}, {{20, 5}, {20, -5}, {0, 20}, {0, -20}}};
        return true;
    case 0:
    case 3600:
        marks = {{{5, 20}, {-5, 20}, {20, 0}, {-20, 0}}, {{5, -20}, {-5, -20}, {20, 0}, {-20, 0}}};
        return true;
    default:
        return false;
    }
}

} // namespace

void TArrowobj::Draw(TDC& dc) {
    const int32_t px = Scr(x1), py = Scr(y1);
    Line(dc, px, py, Scr(x2), Scr(y2));
    Line(dc, px, py, Scr(h1x), Scr(h1y));
    Line(dc, px, py, Scr(h2x), Scr(h2y));
    Line(dc, Scr(h3x), Scr(h3y), Scr(h4x), Scr(h4y));
}

void TDimensobj::Draw(TDC& dc) {
    // Only the plain head style is drawn by the dimension itself.
    EndMarks marks;
    if (value != 1 || !EndMarksFor(value2, marks)) return;
    const int32_t px = Scr(x1), py = Scr(y1);
    const int32_t dx = Scr(d1x), dy = Scr(d1y);
    Line(dc, px, py, Scr(x2), Scr(y2));
    for (const Offset& o : marks.fromP)
        Line(dc, px, py, px + o.dx, py + o.dy);
    Line(dc, dx, dy, Scr(d2x), Scr(d2y));
    for (const Offset& o : marks.fromD)
        Line(dc, dx, dy, dx + o.dx, dy + o.dy);
}

void TRoomobj::Draw(TDC& dc) {
    // 1. On the wall-marking views of the room layout the rooms are left unfilled.
    const COLORREF fill = CurrentView >= 45 && CurrentView <= 49 ? BackgroundColour : fillColour;
    dc.SelectObject(TBrush(fill));

    // 2. The outline is widened by about one screen pixel to the right and downward.
    const int32_t d = static_cast<float>(PenScale) == PenScaleF
                          ? PenScale
                          : static_cast<int32_t>(std::floor(PenScaleF + 0.5f));
    // 3.
    dc.Rectangle(Scr(x1), Scr(y1), Scr(x2) + d, Scr(y2) - d);
    dc.RestoreBrush();

    // 4. Label font.
    const char* face = ObjectList.DefaultFontName;
    const auto labelFont = [&](int32_t escapement) {
        return TFont(face, render::Saturate(int64_t{value2} * ZoomDivisor), 0, escapement, 0, FW_BOLD, 0, 0,
                     0, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, VARIABLE_PITCH);
    };
    dc.SelectObject(labelFont(0));
    dc.SetTextAlign(TA_CENTER | TA_BOTTOM);
    TEXTMETRIC metrics;
    dc.GetTextMetrics(metrics);
    const int32_t th = metrics.tmHeight;
    const int32_t aw = metrics.tmAveCharWidth;

    // 5. Label centre, formed in drawing units before the division.
    const int32_t cx = Scr(render::Saturate(int64_t{x1} + value3 / 2));
    const int32_t cy = Scr(render::Saturate(int64_t{y1} - value4 / 2));

    const int32_t nName = std::clamp(nameLength, 0, kNameCapacity);
    const int32_t nWidth = std::clamp(widthTextLength, 0, kSizeTextCapacity);
    const int32_t nLength = std::clamp(lengthTextLength, 0, kSizeTextCapacity);
    dc.SetBkMode(OPAQUE);
    dc.SetTextColor(PenColour);
    if (static_cast<int64_t>(aw) * nName > value3) {
        // 6. A name wider than the room turns the labels to run down the room.
        dc.SelectObject(labelFont(2700));
        dc.TextOut(cx, cy, name, nName);
        dc.TextOut(cx + 2 * (th / 3), cy, widthText, nWidth);
        dc.TextOut(cx - 2 * (th / 3), cy, lengthText, nLength);
    } else {
        // 7.
        dc.TextOut(cx, cy, name, nName);
        dc.TextOut(cx, cy - th, widthText, nWidth);
        dc.TextOut(cx, cy - 2 * th, lengthText, nLength);
    }
    // 8.
    dc.RestoreFont();
    dc.SetBkMode(TRANSPARENT);
}
