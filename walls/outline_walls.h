// Turning an outline marked on the room layout into external walls. The marked sides (lines of kind
// 11 on the marking view) are the inner faces of the future walls, taken clockwise; each is first
// fitted to the design rooms lining it, then becomes a wall whose outer face lies the wall's
// thickness further out. An outline marked the other way round is first turned clockwise.
#pragma once

#include <cstdint>
#include <vector>

class TList;

namespace walls {

// The marking view lies this far above its room layout (40 → 45), and its floor this far above it
// (45 → 50).
constexpr int32_t kMarkingViewOffset = 5;

// The marked sides: the kind-11 lines of `view`, in the order they were marked (document order).
// Nothing else counts as a side, whatever follows them in the document.
std::vector<int32_t> MarkedSides(const TList& document, int32_t view);

// Puts an outline marked anticlockwise into the order the clockwise marking of the same corners
// from the same start gives: each side turned end for end, the sides in reverse order. A clockwise
// outline, and one of fewer than three sides, stay as they are.
void MakeClockwise(TList& document, const std::vector<int32_t>& sides);

// Makes each square side exactly as long as the design rooms of `roomView` lining it, with a
// partition between neighbouring rooms, when that sum is within `tolerance` of its marked length;
// its start and direction stay, its group holds the fitted length. When any side changed, the chain
// is closed again: each side starts where the one before ends, a neighbour sliding sideways to stay
// square.
void FitSidesToRooms(TList& document, const std::vector<int32_t>& sides, int32_t roomView, int32_t partition,
                     int32_t tolerance);

// A wall face made from a square side whose neighbours are square too.
struct PushedFace {
    int32_t x1;
    int32_t y1;
    int32_t x2;
    int32_t y2;
    int32_t length;
};

// The side from (x1, y1) to (x2, y2) of bearing `angle` moved out (to the left of travel) by the
// thickness: each end by its own side's step, and by the neighbour's too where the neighbour turns at
// a right angle; an end where the neighbour folds straight back stays.
PushedFace PushSideOut(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t angle, int32_t previousAngle,
                       int32_t nextAngle, int32_t thickness);

// Removes every kind-11 line of `view`.
void RemoveMarkedSides(TList& document, int32_t view);

} // namespace walls
