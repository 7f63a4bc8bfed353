// The print operations of the simple shapes, texts, arrows, dimensions and rooms: the twins of the
// screen drawing, with every point placed through the bitmap transform instead of the mapping.
#include <algorithm>
#include <array>

#include "document/document.h"
#include "document/objects.h"
#include "platform/dc.h"
#include "render/print_transform.h"
#include "shell/globals.h"

using render::PrintTransform;

namespace {

void Line(TDC& dc, int32_t ax, int32_t ay, int32_t bx, int32_t by) {
    dc.MoveToEx(ax, ay);
    dc.LineTo(bx, by);
}

// The anchoring of a printed text: as on the screen, with the bottom of the text where the screen
// uses the base line.
bool PrintAlignmentOf(int32_t style, int32_t angle, uint32_t& align) {
    switch (style) {
    case 1:
        if (angle == 0) {
            align = TA_CENTER | TA_BOTTOM;
            return true;
        }
        if (angle == 2700) {
            align = TA_LEFT | TA_BOTTOM;
            return true;
        }
        return false;
    case 2:
    case 3:
        align = TA_LEFT | TA_BOTTOM;
        return true;
    case 4:
        align = TA_CENTER | TA_TOP;
        return true;
    case 5:
        align = TA_LEFT | TA_TOP;
        return true;
    case 6:
        align = TA_CENTER | TA_BOTTOM;
        return true;
    default:
        return false;
    }
}

// The y axis is turned over on the bitmap, so the escapement turns the other way round.
int32_t PrintedAngle(int32_t angle) {
    if (angle == 2700) angle = 900;
    if (angle > 0 && angle < 900) return angle + 2700;
    if (angle > 2700) return angle - 2700;
    return angle;
}

struct Offset {
    int32_t dx, dy;
};

} // namespace

void TObject::Print(TDC&, int32_t, int32_t, int32_t) {}
void TObject::PrintSolid(TDC&, int32_t, int32_t, int32_t) {}
void TObject::PrintHatched(TDC&, int32_t, int32_t, int32_t, int32_t) {}

void TLineobj::Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) {
    const PrintTransform t{divisor, yBase, yOffset};
    Line(dc, t.X(x1), t.Y(y1), t.X(x2), t.Y(y2));
}

void TArcobj::Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) {
    const PrintTransform t{divisor, yBase, yOffset};
    dc.Arc(t.X(x1), t.Y(y1), t.X(x2), t.Y(y2), t.X(sx), t.Y(sy), t.X(ex), t.Y(ey));
}

void TEllipseobj::Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) {
    const PrintTransform t{divisor, yBase, yOffset};
    dc.SelectStockObject(NULL_BRUSH);
    dc.Ellipse(t.X(x1), t.Y(y1), t.X(x2), t.Y(y2));
}

void TCircleobj::Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) {
    const PrintTransform t{divisor, yBase, yOffset};
    dc.SelectStockObject(NULL_BRUSH);
    dc.Ellipse(t.X(x1), t.Y(y1), t.X(x2), t.Y(y2));
}

void TRectangleobj::Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) {
    const PrintTransform t{divisor, yBase, yOffset};
    dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(t.X(x1), t.Y(y1), t.X(x2), t.Y(y2));
}

void TRndrectobj::Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) {
    const PrintTransform t{divisor, yBase, yOffset};
    dc.SelectStockObject(NULL_BRUSH);
    const int32_t ellipse = t.Len(2 * corner);
    dc.RoundRect(t.X(x1), t.Y(y1), t.X(x2), t.Y(y2), ellipse, ellipse);
}

void TTextobj::Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) {
    const PrintTransform t{divisor, yBase, yOffset};
    const int32_t printed = PrintedAngle(angle); // the object's own angle is never changed
    const int32_t fontWeight = weight < 500 ? FW_NORMAL : FW_BOLD;
    const TFont font(fontName, height, 0, printed, 0, fontWeight, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, PROOF_QUALITY, VARIABLE_PITCH);
    dc.SelectObject(font);
    uint32_t align = 0;
    if (PrintAlignmentOf(style, printed, align)) dc.SetTextAlign(align);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(colour);
    dc.TextOut(t.X(x1), t.Y(y1), text, std::clamp(textLength, 0, kTextCapacity));
    dc.RestoreFont();
}

void TPolyobj::Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) {
    const PrintTransform t{divisor, yBase, yOffset};
    const int32_t n = std::clamp(count, 0, kMaxPoints);
    if ((kind >= 131 && kind <= 149) || kind == 500) {
        for (int32_t i = 0; i < n; ++i) {
            const int32_t j = (i + 1) % n;
            Line(dc, t.X(px[i]), t.Y(py[i]), t.X(px[j]), t.Y(py[j]));
        }
    } else if (kind == kOpeningPolygon) {
        POINT points[kMaxPoints];
        for (int32_t i = 0; i < n; ++i)
            points[i] = POINT{t.X(px[i]), t.Y(py[i])};
        dc.SelectObject(TBrush(p6));
        dc.Polygon(points, n);
        dc.RestoreBrush();
    }
    // Every other kind, the filled symbols 200 to 249 among them, is not exported.
}

void TArrowobj::Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) {
    const PrintTransform t{divisor, yBase, yOffset};
    const int32_t px = t.X(x1), py = t.Y(y1);
    Line(dc, px, py, t.X(x2), t.Y(y2));
    Line(dc, px, py, t.X(h1x), t.Y(h1y));
    Line(dc, px, py, t.X(h2x), t.Y(h2y));
    Line(dc, t.X(h3x), t.Y(h3y), t.X(h4x), t.Y(h4y));
}

void TDimensobj::Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) {
    const PrintTransform t{divisor, yBase, yOffset};
    if (value != 1) return;
    const int32_t s = t.Len(5), l = t.Len(20);
    using Marks = std::array<Offset, 4>;
    Marks fromP, fromD;
    switch (value2) {
    case 900:
        fromP = Marks{{{l, s}, {l, -s}, {0, l}, {0, -l}}};
        fromD = Marks{{{-l, s}, {-l, -s}, {0, l}, {0, -l}}};
        break;
    case 1800:
        fromP = Marks{{{s, -l}, {-s, -l}, {l, 0}, {-l, 0}}};
        fromD = Marks{{{s, l}, {-s, l}, {l, 0}, {-l, 0}}};
        break;
    case 2700:
        fromP = Marks{{{-l, s}, {-l, -s}, {0, l}, {0, -l}}};
        fromD = Marks{{{l, s}, {l, -s}, {0, l}, {0, -l}}};
        break;
    case 0:
    case 3600:
        fromP = Marks{{{s, l}, {-s, l}, {l, 0}, {-l, 0}}};
        fromD = Marks{{{s, -l}, {-s, -l}, {l, 0}, {-l, 0}}};
        break;
    default:
        return;
    }
    const int32_t px = t.X(x1), py = t.Y(y1), dx = t.X(d1x), dy = t.Y(d1y);
    Line(dc, px, py, t.X(x2), t.Y(y2));
    for (const Offset& o : fromP)
        Line(dc, px, py, px + o.dx, py + o.dy);
    Line(dc, dx, dy, t.X(d2x), t.Y(d2y));
    for (const Offset& o : fromD)
        Line(dc, dx, dy, dx + o.dx, dy + o.dy);
}

void TRoomobj::Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) {
    const PrintTransform t{divisor, yBase, yOffset};
    const int32_t x0 = t.X(x1), y0 = t.Y(y1), w = t.Len(value3), l = t.Len(value4);
    // 1. Outline with the pen of the context.
    Line(dc, x0, y0, x0 + w, y0);
    Line(dc, x0 + w, y0, x0 + w, y0 + l);
    Line(dc, x0 + w, y0 + l, x0, y0 + l);
    Line(dc, x0, y0 + l, x0, y0);
    // 2. Fill.
    dc.SelectObject(TBrush(fillColour));
    dc.Rectangle(x0, y0, x0 + w + 1, y0 + l + 1);
    dc.RestoreBrush();
    // 3. Label font.
    const char* face = ObjectList.DefaultFontName;
    const auto labelFont = [&](int32_t escapement) {
        return TFont(face, DefaultTextHeight * PenScale, 0, escapement, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, VARIABLE_PITCH);
    };
    dc.SelectObject(labelFont(0));
    dc.SetTextAlign(TA_CENTER | TA_BOTTOM);
    TEXTMETRIC metrics;
    dc.GetTextMetrics(metrics);
    const int32_t th = metrics.tmHeight, aw = metrics.tmAveCharWidth;
    // 4. Label centre.
    const int32_t cx = x0 + w / 2, cy = y0 + l / 2;
    const int32_t nName = std::clamp(nameLength, 0, kNameCapacity);
    const int32_t nWidth = std::clamp(widthTextLength, 0, kSizeTextCapacity);
    const int32_t nLength = std::clamp(lengthTextLength, 0, kSizeTextCapacity);
    dc.SetBkMode(OPAQUE);
    dc.SetTextColor(PenColour);
    if (static_cast<int64_t>(aw) * nName > value3) {
        // 5. Turned labels.
        dc.SelectObject(labelFont(2700));
        dc.TextOut(cx, cy, name, nName);
        dc.TextOut(cx + 2 * (th / 3), cy, widthText, nWidth);
        dc.TextOut(cx - 2 * (th / 3), cy, lengthText, nLength);
    } else {
        // 6. Level labels, below the name.
        dc.TextOut(cx, cy, name, nName);
        dc.TextOut(cx, cy + th, widthText, nWidth);
        dc.TextOut(cx, cy + 2 * th, lengthText, nLength);
    }
    // 7.
    dc.RestoreFont();
    dc.SetBkMode(TRANSPARENT);
}
