#include "walls/extwall_measure.h"

#include <algorithm>
#include <cstdlib>

#include "document/document.h"
#include "document/house_outline.h"
#include "document/objects.h"

namespace walls {

namespace {

bool IsExternalWallOf(const TObject* o, int32_t view) {
    return o && o->kind == kExtWall && o->view == view;
}

bool IsDesignRoomKind(int32_t kind) {
    return kind == kDesignRoom || kind == kReopenedRoom;
}

// The wall's start is a corner of the outline on the far side of p in the direction.
bool WallBeyond(const TObject& wall, int32_t direction, Point32 p) {
    switch (direction) {
    case 2:
        return wall.y1 == wall.y2 && wall.x1 > p.x;
    case 4:
        return wall.y1 == wall.y2 && wall.x1 < p.x;
    case 1:
        return wall.x1 == wall.x2 && wall.y1 > p.y;
    case 3:
        return wall.x1 == wall.x2 && wall.y1 < p.y;
    default:
        return false;
    }
}

int32_t GapToRoom(const TObject& wall, int32_t t, const TObject& room, int32_t direction) {
    switch (direction) {
    case 2:
        return wall.x1 - t - room.x2;
    case 4:
        return room.x1 - wall.x1 - t;
    case 1:
        return wall.y1 - t - room.y1;
    default:
        return room.y2 - wall.y1 - t;
    }
}

// How far the face toward the inside of the house lies back from the corner toward p: the wall's
// thickness when its layers were put inside the keyed outline, nothing when they lie outside it and
// the keyed line is itself that face.
int32_t InnerFaceDepth(const HouseOutline& house, const TObject& wall) {
    const auto* w = dynamic_cast<const TExtwallobj*>(&wall);
    if (!w) return 0;
    return house.KeyedLineInside(*w) ? 0 : w->thickness1 + w->thickness2 + w->thickness3;
}

} // namespace

int32_t ShrinkLimit(const TList& document, int32_t view, int32_t direction, Point32 p, Point32 lastWall[2]) {
    int32_t best = kNothingFound;
    const HouseOutline house(document, view);
    for (int32_t i = 0; i < document.count; ++i) {
        const TObject* wall = document[i];
        if (!IsExternalWallOf(wall, view)) continue;
        lastWall[0] = {wall->x1, wall->y1};
        lastWall[1] = {wall->x2, wall->y2};
        if (!WallBeyond(*wall, direction, p)) continue;
        const int32_t t = InnerFaceDepth(house, *wall);
        for (int32_t r = 0; r < document.count; ++r) {
            const TObject* room = document[r];
            if (!room || !IsDesignRoomKind(room->kind)) continue;
            best = std::min(best, GapToRoom(*wall, t, *room, direction));
        }
    }
    return best;
}

void SnapToNearWallEnd(const TList& document, int32_t view, int32_t radius, Point32& start) {
    auto near = [&](int32_t x, int32_t y) {
        return std::abs(start.x - x) < radius && std::abs(start.y - y) < radius;
    };
    for (int32_t i = 0; i < document.count; ++i) {
        const TObject* wall = document[i];
        if (!IsExternalWallOf(wall, view)) continue;
        if (near(wall->x1, wall->y1)) {
            start = {wall->x1, wall->y1};
            return;
        }
        if (near(wall->x2, wall->y2)) {
            start = {wall->x2, wall->y2};
            return;
        }
    }
}

int32_t FreeDistanceAhead(const TList& document, int32_t view, int32_t direction, int32_t radius,
                          Point32 start) {
    int32_t best = kNothingFound;
    for (int32_t i = 0; i < document.count; ++i) {
        const TObject* wall = document[i];
        if (!IsExternalWallOf(wall, view)) continue;
        const Point32 s{wall->x1, wall->y1};
        const Point32 e{wall->x2, wall->y2};
        int32_t distance = kNothingFound;
        switch (direction) {
        case 2: {
            const Point32 q = e.x < s.x ? e : s;
            if (q.x > start.x && std::abs(q.y - start.y) < radius) distance = q.x - start.x;
            break;
        }
        case 4: {
            const Point32 q = e.x > s.x ? e : s;
            if (q.x < start.x && std::abs(q.y - start.y) < radius) distance = start.x - q.x;
            break;
        }
        case 1: {
            const Point32 q = e.y < s.y ? e : s;
            if (q.y > start.y && std::abs(q.x - start.x) < radius) distance = q.y - start.y;
            break;
        }
        case 3: {
            const Point32 q = e.y > s.y ? e : s;
            if (q.y < start.y && std::abs(q.x - start.x) < radius) distance = start.y - q.y;
            break;
        }
        default:
            return kNothingFound;
        }
        best = std::min(best, distance);
    }
    return best;
}

} // namespace walls
