// The pieces every door family is drawn with, shared by the family files of the door symbols.
#pragma once

#include <cstdint>

#include "walls/opening.h"

class TList;

namespace doorsymbol {

// The sliding panels' distance from the wall's middle line or faces.
constexpr int32_t kPanelOffset = 25;

// A leaf or panel that moves: drawn with the door thickness pen.
void Leaf(const Opening& o, TList& document, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
// A frame line or fixed panel: one unit wide.
void Frame(const Opening& o, TList& document, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
// A dotted swing of radius r about (cx, cy) from (sx, sy) to (ex, ey).
void Swing(const Opening& o, TList& document, int32_t cx, int32_t cy, int32_t r, int32_t sx, int32_t sy, int32_t ex,
           int32_t ey);

// The wall's middle line.
inline int32_t MiddleY(const Opening& o) {
    return o.py + o.thickness / 2;
}

// Swing codes seen from the other side of the wall: 1 and 4, 2 and 3, 5 and 8, 6 and 7 exchange.
int32_t ExchangedSwing(int32_t code);
// Walls whose direction reverses the swing the preview showed.
inline bool ReversesSwing(int32_t angle) {
    return angle >= 900 && angle <= 2699;
}

void HingedDoor(Opening& o, TList& document);
void DoubleDoor(Opening& o, TList& document);
void EntryFrame(Opening& o, TList& document);
void SlidingFramed(Opening& o, TList& document);
void IntoWallDoor(Opening& o, TList& document);
void IntoWallPair(Opening& o, TList& document);
void Wardrobe(Opening& o, TList& document);
void FoldingDoors(Opening& o, TList& document);

} // namespace doorsymbol
