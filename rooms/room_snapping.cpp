#include "rooms/room_snapping.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "document/document.h"
#include "document/house_outline.h"
#include "document/objects.h"
#include "document/record_format.h"

namespace {

// The dropped room's edges (y1 the top) and its size, widened so that no comparison can overflow.
struct Edges {
    int64_t x1, x2, y1, y2, w, h;
};

Edges EdgesOf(const TRoomobj& r) {
    return {r.x1, r.x2, r.y1, r.y2, r.value3, r.value4};
}

// The nearest match so far on one axis and the room's new left edge or top that it asks for.
struct Pull {
    int64_t distance;
    int64_t target = 0;
};

struct AxisPulls {
    Pull across;
    Pull upDown;
};

int64_t Distance(int64_t a, int64_t b) {
    return a > b ? a - b : b - a;
}

TRoomobj* RoomAtIndex(TList& list, int32_t index) {
    return dynamic_cast<TRoomobj*>(list[index]);
}

// Only the position changes: the width and length fields define the room's size.
void PlaceAcross(TRoomobj& room, int64_t x1) {
    room.x1 = Clamp32(x1);
    room.x2 = Clamp32(x1 + room.value3);
}

void PlaceUpDown(TRoomobj& room, int64_t y1) {
    room.y1 = Clamp32(y1);
    room.y2 = Clamp32(y1 - room.value4);
}

// A wall counts only where the room's edge is not already on it, so that an exact fit on one side
// still lets a near wall on the other side pull the room.
void TryWall(Pull& pull, int64_t edge, int64_t value, int64_t target) {
    if (edge == value) return;
    const int64_t gap = Distance(edge, value);
    if (gap < pull.distance) {
        pull.distance = gap;
        pull.target = target;
    }
}

// An external wall pulls with its inner face, and only along the axis it stands across; where the
// room lies along the wall does not matter.
void PullToExternalWall(AxisPulls& walls, const HouseOutline& house, const TExtwallobj& wall,
                        const Edges& e) {
    const bool horizontal = wall.y1 == wall.y2;
    if (!horizontal && wall.x1 != wall.x2) return;
    const WallFace face = house.InnerFace(wall);
    const int64_t ax = face.x1, ay = face.y1, bx = face.x2, by = face.y2;
    if (horizontal) {
        const int64_t top = std::max(ay, by);
        const int64_t bottom = std::min(ay, by);
        TryWall(walls.upDown, e.y1, top, top);
        TryWall(walls.upDown, e.y2, bottom, bottom + e.h);
    } else {
        const int64_t left = std::min(ax, bx);
        const int64_t right = std::max(ax, bx);
        TryWall(walls.across, e.x1, left, left);
        TryWall(walls.across, e.x2, right, right - e.w);
    }
}

// A partition offers the face turned towards a room beside it and the ends both faces reach to a room
// across its end. The exclusion tests measure to the far face, so a wall thicker than the running
// distance never draws a room beside it.
void PullToInternalWall(AxisPulls& walls, const TIntwallobj& wall, const Edges& e) {
    if (wall.x1 != wall.x2 && wall.y1 != wall.y2) return;
    const int64_t x1 = wall.x1, x2 = wall.x2, y1 = wall.y1, y2 = wall.y2;
    const int64_t q1x = wall.q1x, q2x = wall.q2x, q1y = wall.q1y, q2y = wall.q2y;
    const int64_t left = std::max(std::min(x1, x2), std::min(q1x, q2x));
    const int64_t right = std::min(std::max(x1, x2), std::max(q1x, q2x));
    const int64_t top = std::min(std::max(y1, y2), std::max(q1y, q2y));
    const int64_t bottom = std::max(std::min(y1, y2), std::min(q1y, q2y));
    const int64_t dx = walls.across.distance;
    const int64_t dy = walls.upDown.distance;
    const bool upDownOff = (left - dx > e.x1 && right - dx > e.x2) ||
                           (left + dx < e.x1 && right + dx < e.x2) || bottom - dy > e.y1 || top + dy < e.y2;
    const bool acrossOff = left - dx > e.x2 || right + dx < e.x1 || (top + dy < e.y1 && bottom + dy < e.y2) ||
                           (bottom - dy > e.y2 && top - dy > e.y1);
    if (left > 0 && !acrossOff) {
        TryWall(walls.across, e.x1, left, left);
        TryWall(walls.across, e.x2, right, right - e.w);
    }
    if (top > 0 && !upDownOff) {
        TryWall(walls.upDown, e.y1, top, top);
        TryWall(walls.upDown, e.y2, bottom, bottom + e.h);
    }
}

struct Rule {
    bool holds;
    int64_t distance;
    int64_t target;
};

// The first rule that holds and is strictly nearer than the running distance wins its group; with
// rooms a distance of 0 counts, so an alignment already made is kept.
void FirstRule(Pull& pull, std::initializer_list<Rule> rules) {
    for (const Rule& r : rules) {
        if (r.holds && r.distance < pull.distance) {
            pull.distance = r.distance;
            pull.target = r.target;
            return;
        }
    }
}

bool NearRoom(const Edges& e, const TRoomobj& other, int64_t d) {
    const int64_t ox1 = other.x1, ox2 = other.x2, oy1 = other.y1, oy2 = other.y2;
    const bool across = Distance(e.x1, ox2) < d || Distance(ox1, e.x2) < d || Distance(e.x1, ox1) < d ||
                        Distance(e.x2, ox2) < d;
    const bool upDown = Distance(e.y2, oy1) < d || Distance(oy2, e.y1) < d || Distance(e.y1, oy1) < d ||
                        Distance(oy2, e.y2) < d;
    return across && upDown;
}

// Beside another room the dropped one keeps a partition clear; in line with it the edges meet.
void PullToRoom(AxisPulls& rooms, const TRoomobj& other, const Edges& e, int64_t d, int64_t p) {
    if (!NearRoom(e, other, d)) return;
    const int64_t ox1 = other.x1, ox2 = other.x2, oy1 = other.y1, oy2 = other.y2;
    const int64_t w = e.w, h = e.h;
    FirstRule(rooms.across, {{e.x1 >= ox2, e.x1 - ox2, ox2 + p},
                             {e.x1 >= ox1, e.x1 - ox1, ox1},
                             {ox1 >= e.x1, ox1 - e.x1, ox1},
                             {ox2 >= e.x1, ox2 - e.x1, ox2 + p}});
    FirstRule(rooms.across, {{e.x2 >= ox2, e.x2 - ox2, ox2 - w},
                             {ox2 >= e.x2, ox2 - e.x2, ox2 - w},
                             {e.x2 >= ox1, e.x2 - ox1, ox1 - p - w},
                             {ox1 >= e.x2, ox1 - e.x2, ox1 - p - w}});
    FirstRule(rooms.upDown, {{e.y1 >= oy1, e.y1 - oy1, oy1},
                             {e.y1 >= oy2, e.y1 - oy2, oy2 - p},
                             {oy2 >= e.y1, oy2 - e.y1, oy2 - p},
                             {oy1 >= e.y1, oy1 - e.y1, oy1}});
    FirstRule(rooms.upDown, {{e.y2 >= oy1, e.y2 - oy1, oy1 + p + h},
                             {oy1 >= e.y2, oy1 - e.y2, oy1 + p + h},
                             {oy2 >= e.y2, oy2 - e.y2, oy2 + h},
                             {e.y2 >= oy2, e.y2 - oy2, oy2 + h}});
}

void CollectPulls(TList& list, int32_t view, int32_t picked, const Edges& e, int64_t d, int64_t p,
                  AxisPulls& walls, AxisPulls& rooms) {
    const HouseOutline house(list, view);
    for (int32_t i = 0; i < list.count; ++i) {
        const TObject* o = list[i];
        if (i == picked || !o || o->view != view) continue;
        if (o->kind == kIntWall && o->aux1 == kMovesWithRoom) continue;
        if (const auto* ext = dynamic_cast<const TExtwallobj*>(o); ext && o->kind == kExtWall)
            PullToExternalWall(walls, house, *ext, e);
        else if (const auto* in = dynamic_cast<const TIntwallobj*>(o); in && o->kind == kIntWall)
            PullToInternalWall(walls, *in, e);
        else if (const auto* room = dynamic_cast<const TRoomobj*>(o); room && o->kind == kDesignRoom)
            PullToRoom(rooms, *room, e, d, p);
    }
}

// Rooms strictly nearer on both axes win, then walls strictly nearer on both; otherwise a wall match
// on one axis goes with a room match on the other, the later step overriding an earlier one.
void TakeNearest(TRoomobj& room, const AxisPulls& walls, const AxisPulls& rooms, int64_t d) {
    if (walls.across.distance > rooms.across.distance && walls.upDown.distance > rooms.upDown.distance) {
        PlaceAcross(room, rooms.across.target);
        PlaceUpDown(room, rooms.upDown.target);
        return;
    }
    if (walls.across.distance < rooms.across.distance && walls.upDown.distance < rooms.upDown.distance) {
        PlaceAcross(room, walls.across.target);
        PlaceUpDown(room, walls.upDown.target);
        return;
    }
    if (walls.across.distance < d) {
        PlaceAcross(room, walls.across.target);
        if (rooms.upDown.distance < d) PlaceUpDown(room, rooms.upDown.target);
    }
    if (walls.upDown.distance < d) {
        PlaceUpDown(room, walls.upDown.target);
        if (rooms.across.distance < d) PlaceAcross(room, rooms.across.target);
    }
}

// The outer edges of the other design rooms among the first kBlockRoomLimit of the view.
struct Block {
    int64_t x1 = 200000, x2 = 0, y1 = 0, y2 = 200000;
};

} // namespace

void SnapRoomToNeighbours(TList& list, int32_t view, int32_t picked, int32_t mergeDistance,
                          int32_t partition) {
    TRoomobj* room = RoomAtIndex(list, picked);
    if (!room) return;
    const Edges e = EdgesOf(*room);
    const int64_t d = mergeDistance;
    AxisPulls walls{{d}, {d}};
    AxisPulls rooms{{d}, {d}};
    CollectPulls(list, view, picked, e, d, partition, walls, rooms);
    TakeNearest(*room, walls, rooms, d);
}

void SnapRoomToBlock(TList& list, int32_t view, int32_t picked, int32_t mergeDistance) {
    TRoomobj* room = RoomAtIndex(list, picked);
    if (!room) return;
    std::vector<int32_t> table;
    for (int32_t i = 0; i < list.count && static_cast<int32_t>(table.size()) < kBlockRoomLimit; ++i)
        if (const TObject* o = list[i]; o && o->kind == kDesignRoom && o->view == view) table.push_back(i);
    if (table.size() < 2) return;
    Block b;
    for (const int32_t i : table) {
        if (i == picked) continue;
        const TObject& o = *list[i];
        b.x1 = std::min<int64_t>(b.x1, o.x1);
        b.x2 = std::max<int64_t>(b.x2, o.x2);
        b.y1 = std::max<int64_t>(b.y1, o.y1);
        b.y2 = std::min<int64_t>(b.y2, o.y2);
    }
    const Edges e = EdgesOf(*room);
    const int64_t d = mergeDistance;
    // Only the nearer edge of each axis is tried; on a tie the left edge and the top.
    if (Distance(e.x2, b.x2) < Distance(e.x1, b.x1)) {
        if (Distance(e.x2, b.x2) < d) PlaceAcross(*room, b.x2 - e.w);
    } else if (Distance(e.x1, b.x1) < d) {
        PlaceAcross(*room, b.x1);
    }
    if (Distance(e.y2, b.y2) < Distance(e.y1, b.y1)) {
        if (Distance(e.y2, b.y2) < d) PlaceUpDown(*room, b.y2 + e.h);
    } else if (Distance(e.y1, b.y1) < d) {
        PlaceUpDown(*room, b.y1);
    }
}
