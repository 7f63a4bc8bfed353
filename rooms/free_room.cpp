#include "rooms/free_room.h"

#include <algorithm>
#include <utility>

#include "document/document.h"
#include "document/house_outline.h"
#include "document/objects.h"
#include "document/record_format.h"

namespace {

constexpr int64_t kFar = 300000; // start of every search for a smallest value, and "no bound"

// A face line with its ends ordered: xa <= xb, yb <= ya.
struct Face {
    int64_t xa, xb, ya, yb;
};

Face Ordered(int64_t x1, int64_t y1, int64_t x2, int64_t y2) {
    return {std::min(x1, x2), std::max(x1, x2), std::max(y1, y2), std::min(y1, y2)};
}

bool OnBox(const Face& f, int64_t px, int64_t py) {
    return f.xa <= px && px <= f.xb && f.yb <= py && py <= f.ya;
}

// The face of an external wall toward the inside of the house.
Face InnerFace(const HouseOutline& house, const TExtwallobj& w) {
    const FaceBox b = house.InnerFaceBox(w);
    return {b.left, b.right, b.top, b.bottom};
}

bool Examined(const TObject* o, int32_t view) {
    if (!o || o->view != view) return false;
    return o->kind == kDesignRoom || o->kind == kReopenedRoom || o->kind == kExtWall || o->kind == kIntWall;
}

struct Extent {
    int64_t minX = kFar, maxX = 0, maxY = 0, minY = kFar;

    void WidenX(int64_t a, int64_t b) {
        minX = std::min(minX, a);
        maxX = std::max(maxX, b);
    }
    void WidenY(int64_t top, int64_t bottom) {
        maxY = std::max(maxY, top);
        minY = std::min(minY, bottom);
    }
};

// Widens the extent by one object; false when the click lies on it.
bool WidenBy(Extent& ext, const HouseOutline& house, const TObject& o, int64_t px, int64_t py) {
    if (o.kind == kExtWall) {
        const auto* wall = dynamic_cast<const TExtwallobj*>(&o);
        if (!wall) return true;
        const Face f = InnerFace(house, *wall);
        if (OnBox(f, px, py)) return false;
        // An oblique face does not widen the extent.
        if (f.xa == f.xb)
            ext.WidenX(f.xa, f.xb);
        else if (f.ya == f.yb)
            ext.WidenY(f.ya, f.yb);
        return true;
    }
    if (o.kind == kIntWall) {
        const auto* wall = dynamic_cast<const TIntwallobj*>(&o);
        if (!wall) return true;
        for (const Face& f : {Ordered(wall->x1, wall->y1, wall->x2, wall->y2),
                              Ordered(wall->q1x, wall->q1y, wall->q2x, wall->q2y)}) {
            if (OnBox(f, px, py)) return false;
            ext.WidenX(f.xa, f.xb);
            ext.WidenY(f.ya, f.yb);
        }
        return true;
    }
    const Face room{o.x1, o.x2, o.y1, o.y2};
    if (OnBox(room, px, py)) return false;
    ext.WidenX(room.xa, room.xb);
    ext.WidenY(room.ya, room.yb);
    return true;
}

// The four bounds of the free rectangle; 0 and kFar mean that nothing bounds that side yet.
struct Bounds {
    int64_t left = 0, right = kFar, below = 0, above = kFar;

    void Right(int64_t v) { right = std::min(right, v); }
    void Left(int64_t v) { left = std::max(left, v); }
    void Below(int64_t v) { below = std::max(below, v); }
    void Above(int64_t v) { above = std::min(above, v); }
};

// Rooms bound with one partition thickness kept clear.
void BoundByRoom(Bounds& b, const TObject& r, int64_t px, int64_t py, int64_t t) {
    const int64_t x1 = r.x1, x2 = r.x2, y1 = r.y1, y2 = r.y2;
    if (y2 < py && py < y1) {
        if (px < x1)
            b.Right(x1 - t);
        else if (px > x2)
            b.Left(x2 + t);
    } else if (py > y1) {
        if (x1 <= px && px < x2) b.Below(y1 + t);
    } else if (py < y2) {
        if (x1 <= px && px < x2) b.Above(y2 - t);
    }
}

void BoundByExternalWall(Bounds& b, const Face& f, int64_t px, int64_t py) {
    if (f.xa < px && px < f.xb) {
        if (py > f.ya)
            b.Below(f.ya);
        else if (py < f.yb)
            b.Above(f.yb);
    } else if (f.yb < py && py < f.ya) {
        if (px < f.xa)
            b.Right(f.xa);
        else if (px > f.xb)
            b.Left(f.xb);
    }
}

// A partition bounds with the face turned towards the click.
void BoundByInternalWall(Bounds& b, const TIntwallobj& w, int64_t px, int64_t py) {
    const bool firstLeft = w.x1 <= w.q1x;
    int64_t xL1 = firstLeft ? w.x1 : w.q1x, xL2 = firstLeft ? w.x2 : w.q2x;
    int64_t xR1 = firstLeft ? w.q1x : w.x1, xR2 = firstLeft ? w.q2x : w.x2;
    const bool firstUp = w.y1 >= w.q1y;
    int64_t yU1 = firstUp ? w.y1 : w.q1y, yU2 = firstUp ? w.y2 : w.q2y;
    int64_t yD1 = firstUp ? w.q1y : w.y1, yD2 = firstUp ? w.q2y : w.y2;
    if (xL2 < xL1) {
        std::swap(xL1, xL2);
        std::swap(xR1, xR2);
    }
    if (yU1 < yU2) {
        std::swap(yU1, yU2);
        std::swap(yD1, yD2);
    }
    if (yU2 < py && py < yU1) {
        if (px < xL1)
            b.Right(xL1);
        else if (px > xR2)
            b.Left(xR2);
    } else if (py > yU1) {
        if (xL1 <= px && px < xL2) b.Below(yU1);
    } else if (py < yD2 && xL1 <= px && px < xL2) {
        b.Above(yD2);
    }
}

void BoundBy(Bounds& b, const HouseOutline& house, const TObject& o, int64_t px, int64_t py, int64_t t) {
    if (o.kind == kExtWall) {
        if (const auto* wall = dynamic_cast<const TExtwallobj*>(&o))
            BoundByExternalWall(b, InnerFace(house, *wall), px, py);
    } else if (o.kind == kIntWall) {
        if (const auto* wall = dynamic_cast<const TIntwallobj*>(&o)) BoundByInternalWall(b, *wall, px, py);
    } else {
        BoundByRoom(b, o, px, py, t);
    }
}

} // namespace

std::optional<FreeRoomExtent> MeasureFreeRoomExtent(const TList& list, int32_t view, int32_t x, int32_t y) {
    if (list.count == 1) return std::nullopt;
    Extent ext;
    const HouseOutline house(list, view);
    for (int32_t i = 0; i < list.count; ++i) {
        const TObject* o = list[i];
        if (Examined(o, view) && !WidenBy(ext, house, *o, x, y)) return std::nullopt;
    }
    return FreeRoomExtent{Clamp32(ext.minX), Clamp32(ext.maxX), Clamp32(ext.maxY), Clamp32(ext.minY)};
}

std::optional<FreeRoomSize> MeasureFreeRoom(const TList& list, int32_t view, int32_t x, int32_t y,
                                            int32_t partition, const FreeRoomExtent& extent) {
    if (x < extent.minX || x > extent.maxX || y > extent.maxY || y < extent.minY) return std::nullopt;
    const int64_t t = partition;
    Bounds b;
    const HouseOutline house(list, view);
    for (int32_t i = 0; i < list.count; ++i) {
        const TObject* o = list[i];
        if (Examined(o, view)) BoundBy(b, house, *o, x, y, t);
    }
    if (b.left == 0) b.left = int64_t{extent.minX} - t;
    if (b.right == kFar) b.right = int64_t{extent.maxX} + t;
    if (b.below == 0) b.below = int64_t{extent.minY} - t;
    if (b.above == kFar) b.above = int64_t{extent.maxY} + t;
    return FreeRoomSize{Clamp32(b.right - b.left), Clamp32(b.above - b.below)};
}
