// The manual dimension: the user gives two points with Enter; they are pulled onto nearby wall faces
// and room edges, measured horizontally or vertically, and labelled with the measured length or the
// one the user types.
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "document/dimension_settings.h"
#include "document/document.h"
#include "document/program_state.h"
#include "tools/dimension_texts.h"
#include "tools/dimensions.h"
#include "tools/length_text.h"
#include "tools/line_modes.h"
#include "tools/line_tool.h"
#include "tools/tool_geometry.h"
#include "tools/working_file.h"

namespace {

// Manual dimensions on a view that is no floor number their identifiers as the ground floor does.
int32_t ManualDimensionId() {
    const int32_t base = FloorIdBase(CurrentView);
    return (base != 0 ? base : FloorIdBase(kGroundFloor)) + NextCompositeId();
}

bool Near(int32_t a, int32_t b) {
    return a - kFaceSnap < b && b < a + kFaceSnap;
}

// A square face line near the point gives its x (vertical) or y (horizontal); oblique lines never do.
bool LineHit(int32_t a, int32_t b, int32_t c, int32_t d, int32_t x, int32_t y, int32_t& outX, int32_t& outY) {
    const int32_t loX = std::min(a, c), hiX = std::max(a, c);
    const int32_t loY = std::min(b, d), hiY = std::max(b, d);
    if (a == c) {
        if (Near(a, x) && loY - kFaceSnap < y && y < hiY + kFaceSnap) {
            outX = a;
            return true;
        }
        return false;
    }
    if (b == d && Near(b, y) && loX - kFaceSnap < x && x < hiX + kFaceSnap) {
        outY = b;
        return true;
    }
    return false;
}

bool RoomEdgeHit(const TObject& room, int32_t x, int32_t y, int32_t& outX, int32_t& outY) {
    if (room.y2 - kFaceSnap < y && y < room.y1 + kFaceSnap) {
        if (Near(room.x1, x)) {
            outX = room.x1;
            return true;
        }
        if (Near(room.x2, x)) {
            outX = room.x2;
            return true;
        }
    }
    if (room.x1 - kFaceSnap < x && x < room.x2 + kFaceSnap) {
        if (Near(room.y1, y)) {
            outY = room.y1;
            return true;
        }
        if (Near(room.y2, y)) {
            outY = room.y2;
            return true;
        }
    }
    return false;
}

bool FaceHit(const TObject& o, int32_t x, int32_t y, int32_t& outX, int32_t& outY) {
    if (const auto* w = dynamic_cast<const TExtwallobj*>(&o); w && o.kind == kExtWall) {
        if (LineHit(w->x1, w->y1, w->x2, w->y2, x, y, outX, outY)) return true;
        // The inner face: the first layer line of a single-layer wall, else the third.
        return w->thickness2 < 1 ? LineHit(w->p1x, w->p1y, w->p2x, w->p2y, x, y, outX, outY)
                                 : LineHit(w->p5x, w->p5y, w->p6x, w->p6y, x, y, outX, outY);
    }
    if (const auto* w = dynamic_cast<const TIntwallobj*>(&o); w && o.kind == kIntWall) {
        return LineHit(w->x1, w->y1, w->x2, w->y2, x, y, outX, outY) ||
               LineHit(w->q1x, w->q1y, w->q2x, w->q2y, x, y, outX, outY);
    }
    if (o.kind == kDesignRoom || o.kind == kReopenedRoom) return RoomEdgeHit(o, x, y, outX, outY);
    return false;
}

// The point at the window position, moved onto a face found near it.
POINT SnappedPoint(TDrawingtool& tool, TDC& dc, const RECT& client, int32_t x, int32_t y) {
    POINT p = tools::PixelToDrawing(dc, client, x, y);
    int32_t fx = kNoFace;
    int32_t fy = kNoFace;
    FindWallAtPoint(tool, p.x, p.y, fx, fy);
    if (fx != kNoFace)
        p.x = fx;
    else if (fy != kNoFace)
        p.y = fy;
    return p;
}

struct Built {
    int32_t bearing, length;
    POINT tip1, tail1, tip2, tail2;
    int32_t anchor; // the text's y (vertical) or x (horizontal)
};

Built Measure(const TDrawingtool& t, int32_t arrow) {
    const int32_t x0 = t.X0, y0 = t.Y0, x1 = t.X1, y1 = t.Y1;
    const bool vertical = std::abs(x1 - x0) < std::abs(y1 - y0);
    if (vertical && y1 < y0)
        return {1800, y0 - y1, {x0, y0}, {x0, y0 - arrow}, {x0, y1}, {x0, y1 + arrow}, y1 + (y0 - y1) / 2};
    if (vertical)
        return {0, y1 - y0, {x0, y0}, {x0, y0 + arrow}, {x0, y1}, {x0, y1 - arrow}, y0 + (y1 - y0) / 2};
    if (x0 < x1)
        return {900, x1 - x0, {x0, y0}, {x0 + arrow, y0}, {x1, y0}, {x1 - arrow, y0}, x0 + (x1 - x0) / 2};
    return {2700, x0 - x1, {x0, y0}, {x0 - arrow, y0}, {x1, y0}, {x1 + arrow, y0}, x1 + (x0 - x1) / 2};
}

void SecondPoint(TLineobjtool& tool, TDC& dc, const RECT& client, int32_t x, int32_t y) {
    const ArrowSettings arrow = ReadArrowSettings(MetricUnits);
    tool.ObjectId = tool.SegmentLength = ManualDimensionId();
    tool.CrosshairStyle = 0;
    const POINT p = SnappedPoint(tool, dc, client, x, y);
    tool.X1 = p.x;
    tool.Y1 = p.y;
    const Built b = Measure(tool, arrow.length);
    tool.Angle = b.bearing;
    tool.MeasuredLength() = b.length;
    if (b.bearing == 0 || b.bearing == 1800) {
        tool.Y0 = b.anchor;
        tool.CrosshairStyle = 1;
    } else {
        tool.X0 = b.anchor;
    }
    auto dimension =
        std::make_unique<TDimensobj>(CurrentView, kManualDimension, 1, 0, tool.ObjectId, tool.ObjectId,
                                     b.tip1.x, 0, b.tail1.x, 0, b.tip1.y, b.tail1.y, tool.Colour,
                                     arrow.headStyle, b.tip2.x, b.tip2.y, b.tail2.x, b.tail2.y, b.bearing);
    dimension->PaintInWindow(dc, client, 0);
    ObjectList.Add(std::move(dimension));
}

void TextStep(TLineobjtool& tool, TDC& dc, const RECT& client, int32_t orientation, int32_t height) {
    const bool vertical = tool.CrosshairStyle == 1;
    auto text = MakeDimensionText({.kind = kSizeLabel,
                                   .id = tool.ObjectId,
                                   .group = tool.ObjectId,
                                   .x = tool.X0,
                                   .y = tool.Y0,
                                   .bearing = tool.Angle,
                                   .angle = orientation == kParallelText && vertical ? kParallelText : 0,
                                   .style = 6,
                                   .height = height},
                                  LengthText(tool.MeasuredLength()));
    text->PaintInWindow(dc, client, 0);
    ObjectList.Add(std::move(text));
    // The step's last change: a failed write has been told and ends the caller's step.
    static_cast<void>(tools::SaveWorkingFile());
}

} // namespace

void FindWallAtPoint(TDrawingtool&, int32_t x, int32_t y, int32_t& outX, int32_t& outY) {
    for (int32_t i = 0; i < ObjectList.count; ++i) {
        const TObject* o = ObjectList[i];
        if (o && o->view == CurrentView && FaceHit(*o, x, y, outX, outY)) return;
    }
}

void AddDimension(TDrawingtool& base, TDC& dc, const RECT& client, int32_t x, int32_t y,
                  int32_t textOrientation, int32_t textHeight) {
    auto* tool = dynamic_cast<TLineobjtool*>(&base);
    if (!tool) return;
    if (tool->Mode == linemode::kManualFirstPoint) {
        const POINT p = SnappedPoint(*tool, dc, client, x, y);
        tool->X0 = p.x;
        tool->Y0 = p.y;
    } else if (tool->Mode == linemode::kManualSecondPoint) {
        SecondPoint(*tool, dc, client, x, y);
    } else if (tool->Mode == linemode::kManualText) {
        TextStep(*tool, dc, client, textOrientation, textHeight);
    }
}
