#include "walls/extwall_edit.h"

#include <algorithm>
#include <cstdlib>

#include "document/document.h"
#include "document/objects.h"
#include "document/sheet_edge.h"
#include "walls/extwall_snapping.h"

namespace walls {

namespace {

constexpr int32_t kLayerLines = 3;

// Entry of layer line k (0-based) at the start or the end of a wall.
int32_t Entry(int32_t line, bool atStart) {
    return 2 * line + (atStart ? 0 : 1);
}

bool IsVertical(const TObject& w) {
    return w.x1 == w.x2 && w.y1 != w.y2;
}
bool IsHorizontal(const TObject& w) {
    return w.y1 == w.y2 && w.x1 != w.x2;
}

void StoreFace(const ExtWallWork& w, TExtwallobj& wall) {
    wall.x1 = w.x1;
    wall.y1 = w.y1;
    wall.x2 = w.x2;
    wall.y2 = w.y2;
    StoreLayerPoints(w, wall);
}

// A free, square-cut end (1 start, 2 end) for a neighbour whose corner with the edited wall is gone.
void FreeEnd(TExtwallobj* wall, int32_t ends) {
    if (!wall) return;
    ExtWallWork o = LoadWall(*wall);
    OutlineFree(o, ends);
    StoreLayerPoints(o, *wall);
}

// Whether the end of the wall nearer (u, v), measured along the wall, is its start. At equal distances
// the upper end of a vertical wall and the left end of a horizontal one move.
bool StartIsNearer(const ExtWallWork& w, bool vertical, int32_t u, int32_t v) {
    const int64_t a = vertical ? w.y1 : w.x1;
    const int64_t b = vertical ? w.y2 : w.x2;
    const int64_t p = vertical ? v : u;
    const int64_t toStart = std::abs(p - a);
    const int64_t toEnd = std::abs(p - b);
    if (toStart != toEnd) return toStart < toEnd;
    return vertical ? a > b : a < b;
}

} // namespace

WallBox ExtentBeforeEdit(const TExtwallobj& wall) {
    const bool fourLine = wall.thickness2 > 0;
    const int32_t px = fourLine ? wall.p6x : wall.p2x;
    const int32_t py = fourLine ? wall.p6y : wall.p2y;
    return {std::min(wall.x1, px), std::max(wall.x1, px), std::max(wall.y1, py), std::min(wall.y1, py)};
}

int32_t MoveNearerEnd(TList& document, int32_t view, int32_t index, int32_t step, int32_t u, int32_t v,
                      bool rejoin) {
    TExtwallobj* wall = ExternalWallAt(document, index);
    if (!wall || !(IsVertical(*wall) || IsHorizontal(*wall))) return walledit::kAngledWall;
    const bool vertical = IsVertical(*wall);
    const int32_t length = vertical ? std::abs(wall->y2 - wall->y1) : std::abs(wall->x2 - wall->x1);
    if (step <= -length) return walledit::kTooShort;

    int32_t previous = kNoObject;
    int32_t next = kNoObject;
    FindTouchingWalls(document, view, index, previous, next);

    ExtWallWork w = LoadWall(*wall);
    const bool startMoves = StartIsNearer(w, vertical, u, v);
    int32_t& moved = vertical ? (startMoves ? w.y1 : w.y2) : (startMoves ? w.x1 : w.x2);
    const int32_t other = vertical ? (startMoves ? w.y2 : w.y1) : (startMoves ? w.x2 : w.x1);
    moved += moved > other ? step : -step;
    wall->group = std::abs(moved - other);
    // The moved end becomes square whatever corner it had: all three lines, also of a two-line wall.
    for (int32_t k = 0; k < kLayerLines; ++k) {
        int32_t* axis = vertical ? w.layerY : w.layerX;
        axis[Entry(k, startMoves)] = moved;
    }

    if (rejoin) {
        StoreFace(w, *wall);
        FindTouchingWalls(document, view, index, previous, next);
        // The wall met there is cornered as a new wall's neighbour is: from a free end.
        TExtwallobj* met = ExternalWallAt(document, startMoves ? previous : next);
        if (met) {
            FreeEnd(met, startMoves ? kFinishEnd : kStartEnd);
            JoinCorner(w, *met, startMoves ? kJoinStart : kJoinEnd);
        }
    } else {
        FreeEnd(ExternalWallAt(document, startMoves ? previous : next), startMoves ? kFinishEnd : kStartEnd);
    }
    StoreFace(w, *wall);
    return walledit::kDone;
}

void DeleteWall(TList& document, int32_t view, int32_t index) {
    if (!ExternalWallAt(document, index)) return;
    int32_t previous = kNoObject;
    int32_t next = kNoObject;
    FindTouchingWalls(document, view, index, previous, next);
    FreeEnd(ExternalWallAt(document, previous), kFinishEnd);
    FreeEnd(ExternalWallAt(document, next), kStartEnd);
    document.RemoveAt(index);
}

void RetypeWall(TList& document, int32_t view, int32_t index, int32_t layer1, int32_t layer2,
                int32_t layer3) {
    TExtwallobj* wall = ExternalWallAt(document, index);
    if (!wall) return;
    int32_t previous = kNoObject;
    int32_t next = kNoObject;
    FindTouchingWalls(document, view, index, previous, next);
    TExtwallobj* before = ExternalWallAt(document, previous);
    TExtwallobj* after = ExternalWallAt(document, next);
    FreeEnd(before, kFinishEnd);
    FreeEnd(after, kStartEnd);

    wall->thickness1 = layer1;
    wall->thickness2 = layer2;
    wall->thickness3 = layer3;
    ExtWallWork w = LoadWall(*wall);
    // Lines 2 and 3 of a former four-line construction must not linger in a two-line wall.
    for (int32_t k = Entry(1, true); k < 2 * kLayerLines; ++k)
        w.layerX[k] = w.layerY[k] = 0;
    if (before)
        JoinCorner(w, *before, kJoinStart);
    else
        OutlineFree(w, kStartEnd);
    if (after)
        JoinCorner(w, *after, kJoinEnd);
    else
        OutlineFree(w, kFinishEnd);
    StoreLayerPoints(w, *wall);
}

int32_t SplitWall(TExtwallobj& wall, int32_t u, int32_t v, SecondHalf& half) {
    const bool horizontal = IsHorizontal(wall);
    if (!horizontal && !IsVertical(wall)) return walledit::kAngledWall;
    const ExtWallWork whole = LoadWall(wall);
    const int32_t a = horizontal ? whole.x1 : whole.y1;
    const int32_t b = horizontal ? whole.x2 : whole.y2;
    const int32_t cut = horizontal ? u : v;
    if (cut <= std::min(a, b) || cut >= std::max(a, b)) return walledit::kNoSplit;

    // The wall keeps the part with the smaller coordinate: its start part when it runs right or up,
    // its end part when it runs left or down. The second half holds the rest.
    const bool keepsStart = a < b;
    ExtWallWork kept = whole;
    ExtWallWork rest = whole;
    int32_t* keptAxis = horizontal ? kept.layerX : kept.layerY;
    int32_t* restAxis = horizontal ? rest.layerX : rest.layerY;
    int32_t& keptEnd = keepsStart ? (horizontal ? kept.x2 : kept.y2) : (horizontal ? kept.x1 : kept.y1);
    int32_t& restEnd = keepsStart ? (horizontal ? rest.x1 : rest.y1) : (horizontal ? rest.x2 : rest.y2);
    keptEnd = cut;
    restEnd = cut;
    const int32_t lines = whole.layer2 > 0 ? kLayerLines : 1;
    for (int32_t k = 0; k < lines; ++k) {
        keptAxis[Entry(k, !keepsStart)] = cut;
        restAxis[Entry(k, keepsStart)] = cut;
    }
    // The document takes no wall starting on an axis or without length: test before cutting, so a
    // refused half leaves the wall whole.
    if (StartsOnAnAxis(rest.x1, rest.y1)) return walledit::kHalfOnAxis;
    if (rest.x1 == rest.x2 && rest.y1 == rest.y2) return walledit::kNoSplit;

    half.wall = rest;
    half.length = std::abs(keepsStart ? b - cut : a - cut);
    wall.group -= half.length;
    StoreFace(kept, wall);
    return walledit::kDone;
}

} // namespace walls
