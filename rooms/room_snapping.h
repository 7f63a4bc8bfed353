// Where a dropped design room is pulled to. Dropped with the left button it goes flush against the
// nearest wall face or one partition thickness beside a neighbouring room; dropped with the right
// button it lines up with the outer edges of the block of the other rooms. Either only moves the
// room: its width, length and texts stay.
#pragma once

#include <cstdint>

class TList;

// aux1 of an internal wall listed with a re-opened finished room: it moves with the room and so
// never attracts it.
constexpr int32_t kMovesWithRoom = 1;

// Design rooms beyond this many (kind 29000, in list order) take no part in the block.
constexpr int32_t kBlockRoomLimit = 20;

// Aligns the room at `picked` with the block of the other design rooms of the view when an edge
// lies within mergeDistance of the block's edge. Nothing with fewer than two design rooms.
void SnapRoomToBlock(TList& list, int32_t view, int32_t picked, int32_t mergeDistance);

// Pulls the room at `picked` onto the nearest horizontal or vertical wall face and beside or in
// line with the neighbouring design rooms within mergeDistance; beside a room it keeps `partition`
// clear.
void SnapRoomToNeighbours(TList& list, int32_t view, int32_t picked, int32_t mergeDistance,
                          int32_t partition);
