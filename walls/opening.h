// One door, window or wall opening as it is cut into a wall: where it sits, what it is, and what its
// pieces are drawn with. The door and window tool fills it from its settings and the wall it marked;
// the construction and the door symbols read it and build plain drawing objects from it.
#pragma once

#include <cstdint>

#include "platform/win_types.h"

// Opening kinds (the first value of the window and door settings files).
namespace openingkind {
constexpr int32_t kWindow = 1;        // a window drawn with a line along the wall's middle; 11 the same
constexpr int32_t kWindowAlike = 2;   // drawn as kWindow; 12 the same
constexpr int32_t kSlidingFramed = 3; // sliding door(s) with side frames; 13 the same
constexpr int32_t kUnlinedWindow = 4; // a window without the middle line; 14 the same
constexpr int32_t kWallOpening = 5;   // 15 the same
constexpr int32_t kHingedDoor = 6;    // one hinged door; 16 the same
constexpr int32_t kDoubleDoor = 7;    // two hinged doors meeting in the middle; 17 the same
constexpr int32_t kGarageDoor = 9;    // 19 the same
constexpr int32_t kEntryFrame = 10;   // hinged door(s) in a frame with side panels; 20 the same
constexpr int32_t kFolding = 21;
constexpr int32_t kIntoWall = 22;     // one door sliding into the wall
constexpr int32_t kIntoWallPair = 23; // two doors sliding into the wall
constexpr int32_t kWardrobe = 24;     // wardrobe sliders passing each other
constexpr int32_t kSecondSeries = 10; // 13, 15, 16, ... are 3, 5, 6, ... drawn alike

// The kind k is `base` of either series (3 or 13, 6 or 16, ...).
constexpr bool InEitherSeries(int32_t k, int32_t base) {
    return k == base || k == base + kSecondSeries;
}

constexpr bool IsHinged(int32_t k) {
    return InEitherSeries(k, kHingedDoor);
}
} // namespace openingkind

// The wall the opening is cut into.
constexpr int32_t kExternalWallClass = 1;
constexpr int32_t kInternalWallClass = 2;

// The side of the wall the pointer lay on: the face that holds the reference point, or the other one.
constexpr int32_t kNearFace = 1;
constexpr int32_t kFarFace = 3;

struct Opening {
    int32_t kind = 0;
    int32_t px = 0; // the reference point P on the wall's reference face (for hinged doors the middle)
    int32_t py = 0;
    int32_t width = 0;     // W, along the wall
    int32_t thickness = 0; // T, the wall's
    int32_t angle = 0;     // the wall's direction, tenths of a degree (0 = +y, clockwise)
    int32_t wallClass = kExternalWallClass;
    int32_t wallId = 0;
    int32_t openingId = 0; // the group every piece shares
    int32_t level = 0;     // the height the pieces carry
    int32_t floorBase = 0;
    int32_t view = 0;
    COLORREF colour = 0;
    int32_t cillFlag = 0;
    int32_t sizeLabelFlag = 0;

    // Doors.
    int32_t doorWidth = 0;  // D
    int32_t doorCount = 1;  // n
    int32_t swingCode = 0;  // 1 to 8
    int32_t faceSide = kNearFace;
    int32_t symbolOption = 1; // folding hand, or the frame position of sliding doors with side frames
    int32_t framePosition = 0;
    int32_t intoWall = 0; // 1: the doors slide into the wall
    int32_t doorThickness = 1; // pen width of moving leaves and panels
    double doorSine = 1.0;     // of the door opening angle
    double doorCosine = 0.0;
};

constexpr bool IsSquareAngle(int32_t a) {
    return a == 0 || a == 900 || a == 1800 || a == 2700 || a == 3600;
}
