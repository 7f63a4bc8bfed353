// The internal-wall tool's keys and rubber band: a partition is started with Enter and ended with a
// second Enter or an arrow key and a typed length; segments chain; the open end of the last one is
// closed with the keypad's plus; a picked partition is deleted or has one end moved.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>

#include "document/coordinate_mapping.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/dc.h"
#include "platform/virtual_keys.h"
#include "tools/picked_end.h"
#include "tools/tool_geometry.h"
#include "tools/wall_tools.h"
#include "tools/working_file.h"
#include "walls/partition_draft.h"

namespace {

// Pixels of the end-cap repaint box beyond the cap, and the gap a junction line leaves at each face
// so that the faces it runs between stay drawn.
constexpr int32_t kEndCapMarginPixels = 15;
constexpr int32_t kJunctionStepMetric = 25;
constexpr int32_t kJunctionStepImperial = 24;
constexpr int32_t kFarMinimum = 300000;

bool IsArrowKey(uint32_t key) {
    return key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN;
}

// The bearing from the start to the end in tenths of a degree, rounded from thousandths of a degree.
int32_t EnterBearing(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    if (x0 == x1) return y0 < y1 ? 0 : 1800;
    if (y0 == y1) return x0 < x1 ? 900 : 2700;
    const double degrees = std::atan(std::fabs(double(x1 - x0)) / std::fabs(double(y1 - y0))) * 180.0 / M_PI;
    const auto thousandths = static_cast<int32_t>(degrees * 1000);
    const int32_t a = thousandths / 100 + (thousandths % 100 > 49 ? 1 : 0);
    const bool right = x0 < x1;
    const bool up = y1 > y0;
    if (right) return up ? a : 1800 - a;
    return up ? 3600 - a : 1800 + a;
}

// Both ends of a junction come q closer to each other on every axis where they differ.
void PullTogether(int32_t& a, int32_t& b, int32_t q) {
    if (a == b) return;
    int32_t& lower = a < b ? a : b;
    int32_t& upper = a < b ? b : a;
    lower += q;
    upper -= q;
}

std::unique_ptr<TLineobj> PlainLine(int32_t id, int32_t group, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                                    COLORREF colour) {
    return std::make_unique<TLineobj>(CurrentView, kLine, 1, 0, id, group, x1, 0, x2, 0, y1, y2, colour, 0,
                                      0);
}

} // namespace

void TIntwallobjtool::MouseMove(TDC& dc, TRect& client, int32_t x, int32_t y) {
    if (Dragging != 1 || Kind != toolkind::kIntWall) return;
    const POINT p = tools::PixelToDrawing(dc, client, x, y);
    if (BandShown < 1) {
        X1 = p.x;
        Y1 = p.y;
        Draw(dc, 0);
        BandShown = 1;
        return;
    }
    if (p.x == X1 && p.y == Y1) return;
    Draw(dc, 0);
    X1 = p.x;
    Y1 = p.y;
    Draw(dc, 0);
}

void TIntwallobjtool::Draw(TDC& dc, int32_t) {
    if (Kind != toolkind::kIntWall || Dragging != 1 || ZoomDivisor == 0) return;
    tools::SelectPreviewPen(dc, PenColour);
    dc.MoveTo(X0 / ZoomDivisor, Y0 / ZoomDivisor);
    dc.LineTo(X1 / ZoomDivisor, Y1 / ZoomDivisor);
    tools::RestoreCopyPen(dc);
}

void TIntwallobjtool::RedrawPreview(TDC& dc) {
    if (BandShown == 1) Draw(dc, 0);
}

void TIntwallobjtool::TakeBandOff(TDC& dc, const TRect& client) {
    if (BandShown != 1) return;
    SetDrawingMapping(nullptr, dc, client);
    Draw(dc, 0);
    BandShown = 0;
}

void TIntwallobjtool::KeyDown(TDC& dc, TRect& client, uint32_t key, TPoint* point, int32_t step) {
    if (step == intwall::kDeletePickStep && Kind == toolkind::kIntWallDelete) {
        PickForDelete(dc, client, point);
        return;
    }
    if (Mode >= intwall::kMoveEnd && Mode <= intwall::kShortenEnd) {
        LoadWallForEdit(key, step);
        return;
    }
    RefusedInsideWall = false;
    const auto before = Clone();
    const int32_t idsBefore = IdCounter;
    Dragging = 0;
    PenWidth = 1;
    Colour = PenColour;
    LineStyle = 0;
    WallGroup() = 0;
    ChainState = 0;
    FirstOfChain = CursorY == 0;
    CursorY = 0;
    std::fill(std::begin(AttributeBlock), std::end(AttributeBlock), 0);
    POINT keyEnd{};
    bool made = false;
    if (key == VK_RETURN && Kind == toolkind::kIntWall)
        made = EnterKey(dc, client, point, keyEnd);
    else if (IsArrowKey(key) && PointPlaced == 1)
        made = ArrowKey(dc, client, key, step, keyEnd);
    else if (key == VK_ADD)
        CapOpenEnd();
    // A partition refused for lying inside a wall was never made: the tool stands as before the key,
    // the number it took is given back, and it says so to the window, whose DATUM goes back too.
    if (RefusedInsideWall) {
        static_cast<void>(TakeState(*before));
        IdCounter = idsBefore;
        RefusedInsideWall = true;
        return;
    }
    if (!made || tools::Failed(HideMetFaces(dc, client))) return;
    // The next segment starts where this key put the end, before the snapping moved it.
    X0 = keyEnd.x;
    Y0 = keyEnd.y;
}

void TIntwallobjtool::NewSegmentIdentity() {
    WallId() = NextFloorCompositeId(CurrentView);
    WallGroup() = WallId();
    PickKind = CursorX;
    CursorY = CursorX;
}

bool TIntwallobjtool::EnterKey(TDC& dc, TRect& client, TPoint* point, POINT& keyEnd) {
    const POINT p = tools::PixelToDrawing(dc, client, point->x, point->y);
    if (PointPlaced == 0) {
        X0 = p.x;
        Y0 = p.y;
        PointPlaced = 1;
        BandShown = 0;
        return false;
    }
    const int32_t t = static_cast<int32_t>(PenScaleF * (MetricUnits == 1 ? 5 : 6));
    X1 = p.x;
    Y1 = p.y;
    if (std::abs(X1 - X0) < t && std::abs(Y1 - Y0) < t) return false;
    BandShown = 0;
    NewSegmentIdentity();
    Angle = EnterBearing(X0, Y0, X1, Y1);
    keyEnd = {X1, Y1};
    // A failed write was told; the step ends with the tool where it stands.
    return !tools::Failed(CreateObject(dc, client));
}

bool TIntwallobjtool::ArrowKey(TDC& dc, TRect& client, uint32_t key, int32_t step, POINT& keyEnd) {
    NewSegmentIdentity();
    X1 = X0;
    Y1 = Y0;
    if (key == VK_UP) Y1 = Y0 + step, Angle = 0;
    if (key == VK_DOWN) Y1 = Y0 - step, Angle = 1800;
    if (key == VK_LEFT) X1 = X0 - step, Angle = 2700;
    if (key == VK_RIGHT) X1 = X0 + step, Angle = 900;
    keyEnd = {X1, Y1};
    if (tools::Failed(CreateObject(dc, client))) return false;
    BandShown = 0;
    return true;
}

// Where a new partition meets an internal wall, a background-coloured line over the met face hides
// it between the partition's two faces.
tools::WriteResult TIntwallobjtool::HideMetFaces(TDC& dc, TRect& client) {
    const bool startMet = Mode == kStartMet || Mode == kBothMet;
    const bool endMet = Mode == kEndMet || Mode == kBothMet;
    if (startMet) AddJunction(dc, client, X0, Y0, FaceStartX, FaceStartY);
    if (endMet) {
        AddJunction(dc, client, X1, Y1, FaceEndX, FaceEndY);
        Dragging = 0;
    }
    if (Mode >= kStartMet && Mode <= kBothMet) Mode = intwall::kDrawing;
    // Junction lines are part of the drawing: they reach the file now, not at the next edit.
    if (!startMet && !endMet) return tools::WriteResult::Ok;
    return tools::SaveWorkingFile();
}

void TIntwallobjtool::AddJunction(TDC& dc, TRect& client, int32_t& ax, int32_t& ay, int32_t& bx,
                                  int32_t& by) {
    const int32_t q = MetricUnits == 1 ? kJunctionStepMetric : kJunctionStepImperial;
    PullTogether(ax, bx, q);
    PullTogether(ay, by, q);
    auto line = PlainLine(WallId(), WallGroup(), ax, ay, bx, by, BackgroundColour);
    TObject* shown = line.get();
    ObjectList.Add(std::move(line));
    shown->PaintInWindow(dc, client, 0);
}

// Closes the open end of the view's last partition with a line across its two faces, and leaves the
// area to repaint in the tool.
void TIntwallobjtool::CapOpenEnd() {
    const TIntwallobj* wall = nullptr;
    for (int32_t i = ObjectList.count - 1; i >= 0 && !wall; --i) {
        const TObject* o = ObjectList[i];
        if (o && o->kind == kIntWall && o->view == CurrentView) wall = dynamic_cast<const TIntwallobj*>(o);
    }
    if (!wall) return;
    // The cap belongs to the partition it closes, so deleting the partition takes the cap with it.
    ObjectList.Add(PlainLine(wall->id, wall->group, wall->x2, wall->y2, wall->q2x, wall->q2y, Colour));
    const int32_t margin = kEndCapMarginPixels * PenScale;
    BoxLeft = X0 = std::min(wall->x2, wall->q2x) - margin;
    BoxRight = X1 = std::max(wall->x2, wall->q2x) + margin;
    BoxTop = Y0 = std::max(wall->y2, wall->q2y) + margin;
    BoxBottom = Y1 = std::min(wall->y2, wall->q2y) - margin;
    FreeLength() = intwall::kEndCapped;
    // The step's last change: a failed write has been told and ends the caller's step.
    static_cast<void>(tools::SaveWorkingFile());
}

void TIntwallobjtool::PickForDelete(TDC& dc, TRect& client, TPoint* point) {
    const POINT p = tools::PixelToDrawing(dc, client, point->x, point->y);
    X0 = p.x;
    Y0 = p.y;
    const int32_t index = ZoomDivisor != 0
                              ? ObjectList.FindObject(pickmode::kWall, p.x / ZoomDivisor, p.y / ZoomDivisor)
                              : kNoObject;
    const TObject* hit = ObjectList[index];
    // Only a partition's group is deleted: an external wall keeps its length in its group, and
    // group 0 would take every ungrouped object with it.
    if (!hit || hit->view != CurrentView || hit->kind != kIntWall || hit->group < FloorIdBase(kGroundFloor)) {
        Y0 = intwall::kRefused;
        return;
    }
    DeleteGroup(index);
}

void TIntwallobjtool::DeleteGroup(int32_t index) {
    const TObject* picked = ObjectList[index];
    if (!picked) return;
    const int32_t group = picked->group;
    WallGroup() = group;
    int32_t minX = kFarMinimum, minY = kFarMinimum, maxX = 0, maxY = 0;
    auto take = [&](int32_t x, int32_t y) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    };
    for (int32_t i = ObjectList.count - 1; i >= 0; --i) {
        const TObject* o = ObjectList[i];
        if (!o || !InGroup(*o, group) || o->view != CurrentView) continue;
        take(o->x1, o->y1);
        take(o->x2, o->y2);
        if (const auto* w = dynamic_cast<const TIntwallobj*>(o); w && w->q1x > 0) {
            take(w->q1x, w->q1y);
            take(w->q2x, w->q2y);
        }
        ObjectList.RemoveAt(i);
    }
    ObjectList.ForgetSelection();
    if (tools::Failed(tools::SaveWorkingFile())) return;
    const int32_t margin = 3 * ZoomDivisor;
    X0 = minX - margin;
    X1 = maxX + margin;
    Y0 = minY - margin;
    Y1 = maxY + margin;
}

void TIntwallobjtool::LoadWallForEdit(uint32_t key, int32_t step) {
    if (auto* wall = dynamic_cast<TIntwallobj*>(ObjectList[PickIndex()]); wall && wall->kind == kIntWall) {
        LoadEditedWall(*wall);
        if (Mode != intwall::kMoveEnd) MoveEditedEnd(*wall, key, Mode == intwall::kShortenEnd ? -step : step);
    }
    if (tools::Failed(tools::SaveWorkingFile())) return;
    PointPlaced = intwall::kEdited;
    Mode = intwall::kDrawing;
}

// The wall's faces into the tool, with a box 100 units wider than a square wall on every side.
void TIntwallobjtool::LoadEditedWall(const TIntwallobj& wall) {
    X0 = wall.x1, Y0 = wall.y1, X1 = wall.x2, Y1 = wall.y2;
    FaceStartX = wall.q1x, FaceStartY = wall.q1y, FaceEndX = wall.q2x, FaceEndY = wall.q2y;
    if (Y0 == Y1) {
        BoxLeft = std::min(X0, X1) - tools::kEditBoxMargin;
        BoxRight = std::max(X0, X1) + tools::kEditBoxMargin;
        BoxTop = std::max(Y0, FaceStartY) + tools::kEditBoxMargin;
        BoxBottom = std::min(Y0, FaceStartY) - tools::kEditBoxMargin;
    } else if (X0 == X1) {
        BoxTop = std::max(Y0, Y1) + tools::kEditBoxMargin;
        BoxBottom = std::min(Y0, Y1) - tools::kEditBoxMargin;
        BoxLeft = std::min(X0, FaceStartX) - tools::kEditBoxMargin;
        BoxRight = std::max(X0, FaceStartX) + tools::kEditBoxMargin;
    }
}

void TIntwallobjtool::MoveEditedEnd(TIntwallobj& wall, uint32_t key, int32_t amount) {
    const auto shift = tools::ShiftOfEnd(wall, key, amount);
    if (!shift) return;
    int32_t& face = shift->horizontal ? (shift->startMoves ? wall.q1x : wall.q2x)
                                      : (shift->startMoves ? wall.q1y : wall.q2y);
    tools::ShiftedEnd(wall, *shift) += shift->by;
    face += shift->by;
    // An extended wall reaches beyond the box of the wall before the edit: the box takes in the new
    // ends too, so the repaint shows all of it.
    tools::WidenBoxToLine(*this, wall);
}
