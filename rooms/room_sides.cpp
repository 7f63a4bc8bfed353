#include "rooms/room_sides.h"

#include <algorithm>

#include "document/document.h"
#include "document/house_outline.h"

namespace {

// Nearest faces start beyond the sheet: nothing at or below 0 counts on the left and bottom sides,
// nothing at or above this on the right and top sides.
constexpr int32_t kFarEdge = 300000;

// A wall face put in order: xa <= xb and ya >= yb.
struct Face {
    int32_t xa, ya, xb, yb;
};

Face Ordered(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    return {std::min(x1, x2), std::max(y1, y2), std::max(x1, x2), std::min(y1, y2)};
}

// The face of an external wall toward the inside of the house.
Face InnerFace(const HouseOutline& house, const TExtwallobj& w) {
    const WallFace f = house.InnerFace(w);
    return Ordered(f.x1, f.y1, f.x2, f.y2);
}

// Faces of the room's own sides, filled while the document is scanned.
class Survey {
public:
    Survey(const RoomEdges& room, int32_t tolerance) : e_(room), tolerance_(tolerance) {}

    void Internal(const TIntwallobj& w, int32_t index) {
        const Face one = Ordered(w.x1, w.y1, w.x2, w.y2);
        const Face two = Ordered(w.q1x, w.q1y, w.q2x, w.q2y);
        // The second face is taken to run parallel to the first.
        if (one.xa == one.xb) {
            TryVertical(one, index);
            TryVertical(two, index);
        } else if (one.ya == one.yb) {
            TryHorizontal(one, index);
            TryHorizontal(two, index);
        }
    }

    void External(const Face& f, int32_t index) {
        if (f.xa == f.xb) {
            if (Near(e_.left, f.xa))
                e_.left = f.xa;
            else if (Near(e_.right, f.xb))
                e_.right = f.xb;
            TryVertical(f, index);
        } else if (f.ya == f.yb) {
            if (Near(e_.top, f.ya))
                e_.top = f.ya;
            else if (Near(e_.bottom, f.yb))
                e_.bottom = f.yb;
            TryHorizontal(f, index);
        }
    }

    const RoomEdges& Edges() const { return e_; }
    int32_t nearLeft = 0, nearRight = kFarEdge, nearTop = kFarEdge, nearBottom = 0;
    int32_t wallLeft = kNoObject, wallRight = kNoObject, wallTop = kNoObject, wallBottom = kNoObject;

private:
    bool Near(int32_t edge, int32_t face) const {
        return face - tolerance_ < edge && edge < face + tolerance_;
    }

    void TryVertical(const Face& f, int32_t index) {
        if (!((f.ya >= e_.top && f.yb < e_.top) || (f.ya <= e_.top && f.ya > e_.bottom))) return;
        if (f.xa <= e_.left && f.xa > nearLeft) {
            nearLeft = f.xa;
            wallLeft = index;
        } else if (f.xb >= e_.right && f.xb < nearRight) {
            nearRight = f.xb;
            wallRight = index;
        }
    }

    void TryHorizontal(const Face& f, int32_t index) {
        if (!((f.xa <= e_.left && f.xb > e_.left) || (f.xa >= e_.left && f.xa < e_.right))) return;
        if (f.ya >= e_.top && f.ya < nearTop) {
            nearTop = f.ya;
            wallTop = index;
        } else if (f.yb <= e_.bottom && f.yb > nearBottom) {
            nearBottom = f.yb;
            wallBottom = index;
        }
    }

    RoomEdges e_;
    int32_t tolerance_;
};

enum class Side { Left, Right, Top, Bottom };

// The face of the side's wall that a side code measures: an external wall's inner face, or the face
// of an internal wall nearer the room.
Face MeasuredFace(const HouseOutline& house, const TObject& wall, Side side) {
    if (const auto* ext = dynamic_cast<const TExtwallobj*>(&wall)) return InnerFace(house, *ext);
    const auto& w = static_cast<const TIntwallobj&>(wall);
    bool second = false;
    switch (side) {
    case Side::Left:
        second = w.q1x > w.x1;
        break;
    case Side::Right:
        second = w.q1x < w.x1;
        break;
    case Side::Top:
        second = w.q1y < w.y1;
        break;
    case Side::Bottom:
        second = w.q1y > w.y1;
        break;
    }
    return second ? Ordered(w.q1x, w.q1y, w.q2x, w.q2y) : Ordered(w.x1, w.y1, w.x2, w.y2);
}

// A face that fits none of the coverage cases (it can be the wall's other face, or an edge moved
// after the wall was found) leaves the side free: it gets a full partition.
int32_t VerticalCode(int32_t top, int32_t bottom, int32_t upper, int32_t lower, bool external) {
    using namespace sidecode;
    if (top <= upper && bottom >= lower) return kCovered;
    if (top > upper && bottom < lower) return kMiddleV;
    if (top > upper && bottom < upper) return external ? kExternalLower : kLowerCovered;
    if (bottom < lower && top > lower) return external ? kExternalUpper : kUpperCovered;
    return kFree;
}

int32_t HorizontalCode(int32_t left, int32_t right, int32_t leftEnd, int32_t rightEnd, bool external) {
    using namespace sidecode;
    if (left >= leftEnd && right <= rightEnd) return kCovered;
    if (left < leftEnd && right > rightEnd) return kMiddleH;
    if (left < leftEnd && right > leftEnd) return external ? kExternalRight : kRightCovered;
    if (right > rightEnd && left < rightEnd) return external ? kExternalLeft : kLeftCovered;
    return kFree;
}

RoomSide Classify(const TList& list, const HouseOutline& house, const RoomEdges& e, Side side,
                  int32_t nearest, int32_t edge, int32_t wall) {
    RoomSide s;
    const TObject* object = list[wall];
    if (nearest != edge || !object) return s;
    s.wall = wall;
    s.wallKind = object->kind;
    const Face f = MeasuredFace(house, *object, side);
    const bool external = object->kind == kExtWall;
    if (side == Side::Left || side == Side::Right) {
        s.high = f.ya;
        s.low = f.yb;
        s.code = VerticalCode(e.top, e.bottom, f.ya, f.yb, external);
    } else {
        s.high = f.xb;
        s.low = f.xa;
        s.code = HorizontalCode(e.left, e.right, f.xa, f.xb, external);
    }
    return s;
}

} // namespace

int32_t EdgeSnapTolerance(int32_t metricUnits, float penScale) {
    return static_cast<int32_t>((metricUnits == 0 ? 6.0 : 5.0) * penScale + 1.0);
}

RoomSides SurveyRoomSides(const TList& list, int32_t view, const RoomEdges& room, int32_t tolerance) {
    Survey survey(room, tolerance);
    const HouseOutline house(list, view);
    for (int32_t i = 0; i < list.count; ++i) {
        const TObject* o = list[i];
        if (!o || o->view != view) continue;
        if (o->kind == kIntWall) {
            if (const auto* w = dynamic_cast<const TIntwallobj*>(o)) survey.Internal(*w, i);
        } else if (o->kind == kExtWall) {
            if (const auto* w = dynamic_cast<const TExtwallobj*>(o)) survey.External(InnerFace(house, *w), i);
        }
    }
    RoomSides sides;
    sides.edges = survey.Edges();
    const RoomEdges& e = sides.edges;
    sides.left = Classify(list, house, e, Side::Left, survey.nearLeft, e.left, survey.wallLeft);
    sides.right = Classify(list, house, e, Side::Right, survey.nearRight, e.right, survey.wallRight);
    sides.top = Classify(list, house, e, Side::Top, survey.nearTop, e.top, survey.wallTop);
    sides.bottom = Classify(list, house, e, Side::Bottom, survey.nearBottom, e.bottom, survey.wallBottom);
    return sides;
}
