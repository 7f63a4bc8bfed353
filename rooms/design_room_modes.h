// The states of the design-room tool (its Mode) and the phases of a drag (its DragPhase), shared by
// the room geometry, the tool and the drawing window.
#pragma once

#include <cstdint>

namespace roommode {
constexpr int32_t kIdle = 0;        // a click takes a room for dragging (so does every state below 5)
constexpr int32_t kDragSnapped = 5; // taken off its centre: snapped on the drop
constexpr int32_t kDragFree = 6;    // taken at its centre square: dropped as it is
constexpr int32_t kEnlarge = 20;    // an arrow key with a step moves one side out
constexpr int32_t kShrink = 21;     // ... in
constexpr int32_t kRotate = 30;
constexpr int32_t kDelete = 40;
constexpr int32_t kMove = 50;            // the next left click gives 55, a right click 65
constexpr int32_t kMoveByStep = 55;      // an arrow key with a step moves the room
constexpr int32_t kMoveFine = 65;        // each arrow key moves the room 25 units
constexpr int32_t kMeasure = 1000;       // the largest free room at the next click
constexpr int32_t kOutsideWalls = 10001; // measuring failed: the click was outside the walls
constexpr int32_t kAngledWall = 10002;   // measuring failed: a measuring wall was angled
constexpr int32_t kAlter = 29001;        // the next click re-opens a finished room (kind 29001 too)

constexpr bool TakesArrowKeys(int32_t mode) {
    return mode == kEnlarge || mode == kShrink || mode == kMoveByStep || mode == kMoveFine;
}
} // namespace roommode

namespace dragphase {
constexpr int32_t kNoMoveYet = 0;
constexpr int32_t kOutlineShown = 1;
constexpr int32_t kOutside = 10; // the pointer left the client area
} // namespace dragphase

// What TransformContents does to the contents of a re-opened finished room.
namespace contentsmode {
constexpr int32_t kMove = 1;   // by the room's displacement since it was last taken
constexpr int32_t kTurn = 2;   // a quarter turn clockwise about the room's centre
constexpr int32_t kShrink = 3; // one side moves in by the step
constexpr int32_t kGrow = 4;   // ... out
} // namespace contentsmode
