// The line branch's input: drawing by dragging with the left button, drawing by keys (Enter places
// points, arrow keys draw segments of a typed length), the exclusive-or rubber band, the cross-hair
// of the outline tools, and the pick of a line or internal wall for the move, extend and shorten
// modes.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "document/coordinate_mapping.h"
#include "document/document.h"
#include "document/program_state.h"
#include "document/sheet_edge.h"
#include "platform/dc.h"
#include "platform/virtual_keys.h"
#include "tools/cancelled_line.h"
#include "tools/centre_aid_modes.h"
#include "tools/line_modes.h"
#include "tools/line_tool.h"
#include "tools/picked_end.h"
#include "tools/tool_geometry.h"
#include "tools/wall_tools.h"
#include "tools/working_file.h"

namespace {

// How far a click may slip, in pixels either way, and still be a click.
constexpr int32_t kClickSlipPixels = 20;

bool IsOutlineKind(int32_t kind) {
    return kind == toolkind::kOutline || kind == toolkind::kExtWall;
}

bool StrictlyBetween(int32_t v, int32_t a, int32_t b) {
    return v > std::min(a, b) && v < std::max(a, b);
}

// 1 when the square segment lies under the point, 0 when it is square but too far off across its
// axis, -1 when it is not square or the point is beyond its ends.
int32_t SquareSegmentHit(int32_t px, int32_t py, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t t) {
    if (y1 == y2 && x1 != x2) {
        if (!StrictlyBetween(px, x1, x2)) return -1;
        return std::abs(py - y1) < t ? 1 : 0;
    }
    if (x1 == x2 && y1 != y2) {
        if (!StrictlyBetween(py, y1, y2)) return -1;
        return std::abs(px - x1) < t ? 1 : 0;
    }
    return -1;
}

bool PicksObject(const TObject& object, int32_t px, int32_t py, int32_t t) {
    if (object.kind == kLine)
        return SquareSegmentHit(px, py, object.x1, object.y1, object.x2, object.y2, t) == 1;
    if (object.kind == kIntWall) {
        const int32_t first = SquareSegmentHit(px, py, object.x1, object.y1, object.x2, object.y2, t);
        if (first == 1) return true;
        if (first != 0) return false;
        const auto& wall = static_cast<const TIntwallobj&>(object);
        return SquareSegmentHit(px, py, wall.q1x, wall.q1y, wall.q2x, wall.q2y, t) == 1;
    }
    return false;
}

} // namespace

TLinetool::TLinetool() {
    Kind = toolkind::kLine;
    PenWidth = 1;
    LineStyle = 0;
    Dragging = 0;
    CursorX = 0;
    CursorY = 0;
    Angle = 0;
}

void TLinetool::ButtonDown(TDC& dc, TRect& client, TPoint* point) {
    const POINT p = tools::PixelToDrawing(dc, client, point->x, point->y);
    if (Mode >= intwall::kMoveEnd && Mode <= intwall::kShortenEnd) {
        X0 = p.x;
        Y0 = p.y;
        const int32_t t = 10 * ZoomDivisor + 1;
        int32_t picked = 0;
        for (int32_t i = 0; i < ObjectList.count; ++i) {
            const TObject* object = ObjectList[i];
            if (!object || object->view != CurrentView) continue;
            if (PicksObject(*object, X0, Y0, t)) {
                picked = i;
                break;
            }
        }
        // Index 0 is the first floor record of every drawing, so it doubles as "nothing found".
        if (picked == 0) {
            Mode = kNoObject;
            return;
        }
        CursorX = picked;
        PickKind = ObjectList[picked]->kind;
        return;
    }
    if (Mode == linemode::kLineText) Mode = linemode::kLineTextDrawing;
    chainEnd_ = false;
    if (Mode < aidmode::kMidpointFirst) X0 = X1 = Y0 = Y1 = 0;
    Dragging = 0;
    if (PressGoesToAid(dc, client, *point)) return;
    if (Kind == toolkind::kLine || Kind == toolkind::kEllipse) {
        Dragging = 1;
        PenWidth = ::PenWidth;
        Colour = PenColour;
        X0 = X1 = p.x;
        Y0 = Y1 = p.y;
    }
}

bool TLinetool::ShowsCrosshair() const {
    return (Kind == toolkind::kBaseChange && Mode > toolmode::kIdle) || Kind == toolkind::kOutline;
}

void TLinetool::MouseMove(TDC& dc, TRect& client, int32_t x, int32_t y) {
    if (Dragging != 1) return;
    if (ShowsCrosshair()) {
        int32_t lx = 0;
        int32_t ly = 0;
        ClientToDrawing(nullptr, dc, client, x, y, &lx, &ly);
        const bool inside =
            x > client.left + 10 && x < client.right - 10 && y > client.top + 10 && y < client.bottom - 10;
        if (Kind == toolkind::kOutline && !inside) {
            if (ChainState == 2) DrawCrosshair(dc, CrosshairStyle);
            CursorX = lx;
            CursorY = ly;
            ChainState = 0;
            return;
        }
        if (lx == CursorX && ly == CursorY && ChainState == 2) return;
        if (ChainState == 2) DrawCrosshair(dc, CrosshairStyle);
        CursorX = lx;
        CursorY = ly;
        DrawCrosshair(dc, CrosshairStyle);
        ChainState = 2;
        return;
    }
    KeyEntryPhase = Mode == linemode::kMultilineModelEnd ? 2 : 1;
    const POINT p = tools::PixelToDrawing(dc, client, x, y);
    if (p.x == X0 && p.y == Y0) return;
    Draw(dc, 0);
    X1 = p.x;
    Y1 = p.y;
    Draw(dc, 0);
}

void TLinetool::ButtonUp(TDC& dc, TRect& client, TPoint* point) {
    clickGaveNewStart_ = false;
    if (Dragging != 1) return;
    Dragging = 0;
    const POINT p = tools::PixelToDrawing(dc, client, point->x, point->y);
    Draw(dc, 0);
    X1 = p.x;
    Y1 = p.y;
    dc.SetROP2(R2_COPYPEN);
    // While the keys go on from a start Enter gave, a click (or one that slipped a few pixels) is a
    // new start at the press: nothing is drawn, and the next arrow key draws from there, a line with
    // text with its label.
    if (Kind == toolkind::kLine && (Mode == toolmode::kIdle || Mode == linemode::kLineTextDrawing) &&
        PointPlaced == 1 && NearPress(dc, client, *point)) {
        X1 = X0;
        Y1 = Y0;
        clickGaveNewStart_ = true;
        return;
    }
    if (tools::Failed(CreateObject(dc, client))) return;
    if (Kind == toolkind::kLine && Mode == toolmode::kIdle) {
        // A drag drew its line whole, a click drew none: either began afresh, and leaves no point for
        // the keys to go on from. The next Enter is a start, as after a keyed line.
        PointPlaced = 0;
        X0 = X1 = Y0 = Y1 = 0;
    }
    if (Mode == linemode::kLineTextDrawing) {
        const bool click = std::abs(X1 - X0) <= 2 * ZoomDivisor && std::abs(Y1 - Y0) <= 2 * ZoomDivisor;
        if (click)
            MarkLineCancelled(*this);
        else
            Y0 = 0;
    }
}

bool TLinetool::NearPress(TDC& dc, const RECT& client, const TPoint& release) const {
    const POINT at = tools::PixelToDrawing(dc, client, release.x, release.y);
    const POINT slip =
        tools::PixelToDrawing(dc, client, release.x + kClickSlipPixels, release.y + kClickSlipPixels);
    return std::abs(at.x - X0) <= std::abs(slip.x - at.x) && std::abs(at.y - Y0) <= std::abs(slip.y - at.y);
}

POINT TLinetool::KeyedSegmentStart() const {
    POINT start{X0, Y0};
    if (ObjectList.count > 4) {
        const TObject* last = ObjectList[ObjectList.count - 1];
        if (std::abs(X0 - last->x2) < ZoomDivisor) start.x = last->x2;
        if (std::abs(Y0 - last->y2) < ZoomDivisor) start.y = last->y2;
    }
    return start;
}

bool TLinetool::DragStartsOnAxis(TDC& dc, const RECT& client, const TPoint& release) const {
    if (Kind != toolkind::kLine || Dragging != 1 || !StartsOnAnAxis(X0, Y0)) return false;
    if (PointPlaced == 1 && NearPress(dc, client, release)) return false;
    const POINT p = tools::PixelToDrawing(dc, client, release.x, release.y);
    return p.x != X0 || p.y != Y0;
}

void TLinetool::Draw(TDC& dc, int32_t) {
    if (ZoomDivisor == 0) return;
    tools::SelectPreviewPen(dc, Colour);
    dc.MoveTo(X0 / ZoomDivisor, Y0 / ZoomDivisor);
    dc.LineTo(X1 / ZoomDivisor, Y1 / ZoomDivisor);
    tools::RestoreCopyPen(dc);
}

// While dragging, the band (or shape) from the start to the last pointer point is on screen, and
// the cross-hair once the pointer has drawn it.
void TLinetool::RedrawPreview(TDC& dc) {
    if (Dragging != 1) return;
    if (!ShowsCrosshair())
        Draw(dc, 0);
    else if (ChainState == 2)
        DrawCrosshair(dc, CrosshairStyle);
}

void TLinetool::DrawCrosshair(TDC& dc, int32_t style) {
    dc.SetROP2(R2_NOTXORPEN);
    dc.SelectObject(TPen(PenColour, 1, PS_SOLID));
    const int32_t x = CursorX;
    const int32_t y = CursorY;
    if (style == 1 || style == 3) {
        dc.MoveTo(x, 0);
        dc.LineTo(x, y - 100);
        dc.MoveTo(x, y + 100);
        dc.LineTo(x, 20000);
    }
    if (style == 2 || style == 3) {
        dc.MoveTo(0, y);
        dc.LineTo(x - 100, y);
        dc.MoveTo(x + 100, y);
        dc.LineTo(30000, y);
    }
    tools::RestoreCopyPen(dc);
}

// A slot of the table that nothing calls.
void TLinetool::Spare() {}

namespace {

// The copies of a multi-line: spread between the model line (the last object) and the cursor, in
// the axis the cursor lies further along.
void MakeMultilineCopies(TLinetool& tool, TDC& dc, TRect& client, POINT p) {
    const int32_t n = tool.Count - 1;
    const TObject* model = ObjectList.count > 0 ? ObjectList[ObjectList.count - 1] : nullptr;
    // A count below 2 leaves no spacing to divide by, and only a line can be copied.
    if (n < 1 || !model || model->kind != kLine) return;
    const int32_t ax = model->x1;
    const int32_t ay = model->y1;
    const int32_t dx = model->x2 - model->x1;
    const int32_t dy = model->y2 - model->y1;
    const bool alongY = std::abs(p.y - ay) > std::abs(p.x - ax);
    const int32_t total = alongY ? p.y - ay : p.x - ax;
    const int32_t spacing = total / n;
    for (int32_t i = 0; i < n; ++i) {
        const int32_t shift = total - i * spacing;
        tool.X0 = alongY ? ax : ax + shift;
        tool.Y0 = alongY ? ay + shift : ay;
        tool.X1 = tool.X0 + dx;
        tool.Y1 = tool.Y0 + dy;
        // One message for a failed write, and no copy made after it.
        if (tools::Failed(tool.CreateObject(dc, client))) return;
    }
}

// The bearing of an oblique keyed segment in tenths of a degree, clockwise from up.
int32_t ObliqueAngle(int32_t dx, int32_t dy) {
    const double thousandths =
        std::atan(std::abs(static_cast<double>(dx)) / std::abs(static_cast<double>(dy))) * 57295.78;
    const int32_t whole = static_cast<int32_t>(thousandths);
    int32_t q = whole / 100;
    if (whole % 100 > 49) ++q;
    if (dx > 0 && dy > 0) return q;
    if (dx > 0) return 1800 - q;
    if (dy < 0) return 1800 + q;
    return 3600 - q;
}

// The outline tools draw with a pen of width 1; their first key starts the chain.
void StartOutlineKeys(TLinetool& tool) {
    ::PenWidth = 1;
    tool.PenWidth = 1;
    if (tool.PointPlaced == 0) {
        KeyEntryPhase = 1;
        tool.PointPlaced = 1;
    } else {
        KeyEntryPhase = 2;
    }
}

// An arrow key draws a square segment of the typed length from the first point, which first snaps
// onto the end of the last object when it lies within a unit of it.
void ArrowDrawsSegment(TLinetool& tool, TDC& dc, TRect& client, uint32_t key, int32_t step) {
    const POINT start = tool.KeyedSegmentStart();
    tool.X0 = start.x;
    tool.Y0 = start.y;
    tool.SegmentLength = step;
    tool.X1 = tool.X0;
    tool.Y1 = tool.Y0;
    if (key == VK_UP) tool.Y1 = tool.Y0 + step;
    if (key == VK_DOWN) tool.Y1 = tool.Y0 - step;
    if (key == VK_LEFT) tool.X1 = tool.X0 - step;
    if (key == VK_RIGHT) tool.X1 = tool.X0 + step;
    tool.CursorX = tool.X1 / ZoomDivisor;
    tool.CursorY = tool.Y1 / ZoomDivisor;
    if (tool.Kind == toolkind::kExtWall) {
        LastOutlineEndX = tool.X1;
        LastOutlineEndY = tool.Y1;
        tool.Angle = key == VK_UP ? 0 : key == VK_DOWN ? 1800 : key == VK_LEFT ? 2700 : 900;
    }
    if (tools::Failed(tool.CreateObject(dc, client))) return;
    KeyEntryPhase = 2;
}

// The first Enter of a keyed line gives its start.
void EnterPlacesStart(TLinetool& tool, TDC& dc, TRect& client, const TPoint& point) {
    tool.X0 = tool.Y0 = 0;
    tool.PenWidth = ::PenWidth;
    tool.Colour = PenColour;
    const POINT p = tools::PixelToDrawing(dc, client, point.x, point.y);
    tool.X0 = p.x;
    tool.Y0 = p.y;
    if (tool.Kind == 9) {
        tool.Draw(dc, 0);
        // The step's last change: a failed write has been told and ends the caller's step.
        static_cast<void>(tool.CreateObject(dc, client));
    }
}

// An outline's keyed end within ten units of square becomes square; its length and bearing are kept
// for the wall built on it.
void SquareOutlineEnd(TLinetool& tool) {
    tool.Angle = 0;
    const int32_t t = 10 * ZoomDivisor;
    if (std::abs(tool.X1 - tool.X0) < t)
        tool.X1 = tool.X0;
    else if (std::abs(tool.Y1 - tool.Y0) < t)
        tool.Y1 = tool.Y0;
    const int32_t dx = tool.X1 - tool.X0;
    const int32_t dy = tool.Y1 - tool.Y0;
    if (dy == 0 && dx != 0) {
        tool.Angle = dx > 0 ? 900 : 2700;
        tool.SegmentLength = std::abs(dx);
    } else if (dx == 0 && dy != 0) {
        tool.Angle = dy < 0 ? 1800 : 0;
        tool.SegmentLength = std::abs(dy);
    } else if (dx != 0) {
        tool.SegmentLength =
            static_cast<int32_t>(std::hypot(static_cast<double>(dx), static_cast<double>(dy)));
        tool.Angle = ObliqueAngle(dx, dy);
    }
    LastOutlineEndX = tool.X1;
    LastOutlineEndY = tool.Y1;
}

// The second Enter gives the end and draws the line; the next line starts there.
void EnterPlacesEnd(TLinetool& tool, TDC& dc, TRect& client, const TPoint& point, bool outline) {
    const POINT p = tools::PixelToDrawing(dc, client, point.x, point.y);
    // The band of the multi-line's model follows the pointer until the end is placed.
    if (tool.Mode == linemode::kMultilineModelEnd && tool.Dragging == 1) tool.Draw(dc, 0);
    tool.X1 = p.x;
    tool.Y1 = p.y;
    if (outline) SquareOutlineEnd(tool);
    tool.CursorX = tool.X1 / ZoomDivisor;
    tool.CursorY = tool.Y1 / ZoomDivisor;
    if (tools::Failed(tool.CreateObject(dc, client))) return;
    tool.X0 = tool.X1;
    tool.Y0 = tool.Y1;
    tool.Angle = 0;
}

// After the key: the cursor goes to the end just drawn, and the next key starts or continues a line.
void FollowKeyedPoint(TLinetool& tool, TDC& dc, bool outline) {
    if (KeyEntryPhase == 1) {
        if (outline) {
            tool.CursorX = tool.X0 / ZoomDivisor;
            tool.CursorY = tool.Y0 / ZoomDivisor;
            KeyEntryPhase = 2;
        }
        return;
    }
    if (tool.Kind == toolkind::kExtWall)
        tools::PutCursorOnDrawingPoint(tool, dc, LastOutlineEndX, LastOutlineEndY);
    else
        tools::PutCursorOnDrawingPoint(tool, dc, tool.X1, tool.Y1);
    if (outline) {
        KeyEntryPhase = 2;
        tool.ChainState = 1;
        tool.X0 = tool.X1;
        tool.Y0 = tool.Y1;
    } else if (tool.Mode == linemode::kLineTextDrawing) {
        tool.X0 = tool.X1;
        tool.Y0 = tool.Y1;
        KeyEntryPhase = 1;
    } else {
        KeyEntryPhase = 1;
    }
}

// The multi-line moves on from its model's start to its end, then to the copies.
void AdvanceMultiline(TLinetool& tool) {
    if (tool.Mode == linemode::kMultilineModel) {
        tool.Mode = linemode::kMultilineModelEnd;
        tool.Dragging = 1;
        tool.X1 = tool.X0;
        tool.Y1 = tool.Y0;
    } else if (tool.Mode == linemode::kMultilineModelEnd) {
        tool.Mode = linemode::kMultilineCopies;
        tool.Dragging = 0;
        tool.PointPlaced = 0;
    }
}

// The picked square line's end goes by the arrow key as the edit says, out along the arrow or back
// against it; a move leaves the line where it is. The box about the line before and after is left
// for the repaint that draws it whole. True when the end moved.
bool MovePickedLineEnd(TLinetool& tool, uint32_t key, int32_t step) {
    TObject* line = ObjectList[tool.CursorX];
    const int32_t mode = tool.Mode;
    tool.Mode = toolmode::kIdle;
    tool.PointPlaced = intwall::kEdited;
    if (!line || line->kind != kLine) return false;
    tool.BoxLeft = tool.BoxRight = line->x1;
    tool.BoxTop = tool.BoxBottom = line->y1;
    tools::WidenBoxToLine(tool, *line);
    const auto shift = mode == intwall::kMoveEnd
                           ? std::nullopt
                           : tools::ShiftOfEnd(*line, key, mode == intwall::kShortenEnd ? -step : step);
    if (!shift) return false;
    tools::ShiftedEnd(*line, *shift) += shift->by;
    tools::WidenBoxToLine(tool, *line);
    return true;
}

} // namespace

void TLinetool::KeyDown(TDC& dc, TRect& client, uint32_t key, TPoint* point, int32_t step) {
    if (Mode >= intwall::kMoveEnd && Mode <= intwall::kShortenEnd) {
        // The step's last change: a failed write has been told and ends the caller's step.
        if (MovePickedLineEnd(*this, key, step)) static_cast<void>(tools::SaveWorkingFile());
        return;
    }
    if (Mode == linemode::kLineText) Mode = linemode::kLineTextDrawing;
    if (Mode == linemode::kMultilineCopies) {
        const POINT p = tools::PixelToDrawing(dc, client, point->x, point->y);
        Dragging = 0;
        MakeMultilineCopies(*this, dc, client, p);
        Mode = toolmode::kIdle;
        return;
    }
    PenWidth = ::PenWidth;
    Colour = PenColour;
    const bool outline = IsOutlineKind(Kind);
    if (outline) StartOutlineKeys(*this);
    // A tool that holds no point takes Enter as its start, whatever phase an earlier tool's keys
    // left: else the end would be stored from the cleared point at the sheet's corner.
    else if (key == VK_RETURN && PointPlaced == 0 && Mode == toolmode::kIdle)
        KeyEntryPhase = 1;
    const bool arrow = key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT;
    if (arrow)
        ArrowDrawsSegment(*this, dc, client, key, step);
    else if (key == VK_RETURN && KeyEntryPhase == 1)
        EnterPlacesStart(*this, dc, client, *point);
    else if (key == VK_RETURN && KeyEntryPhase == 2)
        EnterPlacesEnd(*this, dc, client, *point, outline);
    // A plain line drawn by the keys leaves the chain's end held; an Enter's start takes its place.
    chainEnd_ = Kind == toolkind::kLine && Mode == toolmode::kIdle && KeyEntryPhase == 2;
    FollowKeyedPoint(*this, dc, outline);
    AdvanceMultiline(*this);
}
