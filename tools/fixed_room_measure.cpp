// The fixed-room tool's click: the free space round the click, bounded on each side by the nearest
// wall face or design room, and the corner it is nearest; the free size goes to CFG/ROOM.CFG for the
// room dialogs.
#include "document/coordinate_mapping.h"
#include "document/document.h"
#include "document/house_outline.h"
#include "document/program_state.h"
#include "platform/message_box.h"
#include "platform/window.h"
#include "rooms/fixed_room_settings.h"
#include "rooms/room_settings.h"
#include "tools/room_tools.h"

namespace {

constexpr int32_t kFar = 300000;
constexpr int32_t kNone = 0;

struct Bound {
    int32_t at;
    int32_t index = 0;
};

// The nearest bound found so far on each side of the click (X, Y).
struct Search {
    int32_t X, Y;
    Bound left{kNone}, right{kFar}, top{kFar}, bottom{kNone};

    // A candidate replaces a bound only when strictly nearer, so the first of equals stays.
    void Left(int32_t at, int32_t i) {
        if (at > left.at) left = {at, i};
    }
    void Right(int32_t at, int32_t i) {
        if (at < right.at) right = {at, i};
    }
    void Top(int32_t at, int32_t i) {
        if (at < top.at) top = {at, i};
    }
    void Bottom(int32_t at, int32_t i) {
        if (at > bottom.at) bottom = {at, i};
    }
    bool Enclosed() const {
        return left.at != kNone && right.at != kFar && top.at != kFar && bottom.at != kNone;
    }
};

bool Between(int32_t v, int32_t a, int32_t b) {
    return (a < v && v < b) || (b < v && v < a);
}

// An oblique face bounds the click only with the end nearer to it, and only when it lies wholly to
// one side of the click.
void ObliqueSegment(Search& s, int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t i) {
    if (Between(s.Y, ay, by)) {
        if (ax < bx && ax > s.X) s.Right(ax, i);
        if (ax > bx && bx > s.X) s.Right(bx, i);
        if (ax < bx && bx < s.X) s.Left(bx, i);
        if (ax > bx && ax < s.X) s.Left(ax, i);
    } else if (Between(s.X, ax, bx)) {
        if (ay < by && ay > s.Y) s.Top(ay, i);
        if (ay > by && by > s.Y) s.Top(by, i);
        if (ay < by && by < s.Y) s.Bottom(by, i);
        if (ay > by && ay < s.Y) s.Bottom(ay, i);
    }
}

void Segment(Search& s, int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t angle, int32_t i) {
    if (ax == bx) {
        if (!Between(s.Y, ay, by)) return;
        if (ax > s.X) s.Right(ax, i);
        if (ax < s.X) s.Left(ax, i);
    } else if (ay == by) {
        if (!Between(s.X, ax, bx)) return;
        if (ay > s.Y) s.Top(ay, i);
        if (ay < s.Y) s.Bottom(ay, i);
    } else if (angle > 0) {
        ObliqueSegment(s, ax, ay, bx, by, i);
    }
}

// A design room keeps the partition thickness clear round it.
void GrownRoom(Search& s, const TObject& room, int32_t t, int32_t i) {
    const int32_t l = room.x1 - t, r = room.x2 + t, top = room.y1 + t, b = room.y2 - t;
    if (Between(s.Y, b, top)) {
        if (l > s.X)
            s.Right(l, i);
        else if (r < s.X)
            s.Left(r, i);
    }
    if (Between(s.X, l, r)) {
        if (b > s.Y)
            s.Top(b, i);
        else if (top < s.Y)
            s.Bottom(top, i);
    }
}

void Visit(Search& s, const HouseOutline& house, const TObject& o, int32_t t, int32_t i) {
    if (const auto* w = dynamic_cast<const TExtwallobj*>(&o); w && o.kind == kExtWall) {
        const WallFace inner = house.InnerFace(*w);
        Segment(s, inner.x1, inner.y1, inner.x2, inner.y2, w->direction, i);
    } else if (const auto* p = dynamic_cast<const TIntwallobj*>(&o); p && o.kind == kIntWall) {
        Segment(s, p->x1, p->y1, p->x2, p->y2, p->direction, i);
        Segment(s, p->q1x, p->q1y, p->q2x, p->q2y, p->direction, i);
    } else if (o.kind == kDesignRoom) {
        GrownRoom(s, o, t, i);
    }
}

// Midway counts as nearer the left (top): the room needs a corner to start from.
int32_t NearerSide(int32_t toFirst, int32_t toSecond) {
    return toFirst <= toSecond ? fixedroom::kNearerLeft : fixedroom::kNearerRight;
}

} // namespace

void TRoomobjtool::ButtonDown(TDC& dc, TRect& client, TPoint* point) {
    if (Kind != toolkind::kFixedRoom || point == nullptr) return;
    const int32_t t = FloorPartitionThickness(CurrentView, MetricUnits);
    LeftBound = RightBound = TopBound = BottomBound = 0;
    int32_t lx = 0, ly = 0;
    ClientToDrawing(nullptr, dc, client, point->x, point->y, &lx, &ly);
    Search s{lx * ZoomDivisor, ly * ZoomDivisor};
    const HouseOutline house(ObjectList, CurrentView);
    for (int32_t i = 0; i < ObjectList.count; ++i)
        if (const TObject* o = ObjectList[i]; o && o->view == CurrentView) Visit(s, house, *o, t, i);
    if (!s.Enclosed()) {
        PointPlaced = 1;
        return;
    }
    LeftBound = s.left.index;
    RightBound = s.right.index;
    TopBound = s.top.index;
    BottomBound = s.bottom.index;
    FreeSpace[0] = s.left.at;
    FreeSpace[1] = s.right.at;
    FreeSpace[2] = s.top.at;
    FreeSpace[3] = s.bottom.at;
    NearerSideX = NearerSide(s.X - s.left.at, s.right.at - s.X);
    NearerSideY = NearerSide(s.top.at - s.Y, s.Y - s.bottom.at);
    PointPlaced = 0;
    if (!WriteFreeRoomSize(s.right.at - s.left.at, s.top.at - s.bottom.at))
        ::MessageBox(
            Window ? Window->GetHandle() : nullptr,
            "The free size could not be written to CFG/ROOM.CFG: the room dialog shows the last one.",
            "NEW ROOM", MB_OK | MB_ICONEXCLAMATION);
}

void TRoomobjtool::KeyDown(TDC&, TRect&, uint32_t, TPoint*, int32_t) {}
