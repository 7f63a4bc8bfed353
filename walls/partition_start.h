// Preparing a keyed partition segment: the start is put onto the face of a wall it touches, and the
// free length from the start to the next wall face in the chosen direction is measured.
#pragma once

#include <cstdint>
#include <optional>

#include "document/objects.h"

class TList;

// Direction codes of a keyed segment (and the sides of a second face): up, right, down, left.
constexpr int32_t kDirectionUp = 1;
constexpr int32_t kDirectionRight = 2;
constexpr int32_t kDirectionDown = 3;
constexpr int32_t kDirectionLeft = 4;

// Moves (x, y) onto the first horizontal or vertical wall face of the view it lies on within 30
// units (external walls: the drawn face, then the inner layer line; partitions: the first face,
// then the second). Oblique faces are not used.
void SnapStartToFace(const TList& document, int32_t view, int32_t& x, int32_t& y);

// At the beginning of a chain a segment must not run along its own thickness: a second face above
// or below allows only left and right, one to the right or left only up and down.
bool RunsAlongThickness(int32_t side, int32_t direction);

struct FreeSpan {
    std::optional<int32_t> Length; // to the nearest face beyond 2 x zoomDivisor; none past 34000
    int32_t LastBearing = 0;       // bearing of the last wall examined
    int32_t Across = 0;            // the segment's signed width beside its line (see WidthAcross)
};

// The distance from (x, y) in the direction to the next wall face of the view that the partition
// meets, passing over the partition at passOver (the chain's last segment, which it turns from). across is
// the partition's signed width beside the line it runs on (positive toward greater coordinates); a face
// ending at that line counts only on the partition's side of it. With across 0 the side is not known, and
// only a face reaching past the line on both sides counts.
FreeSpan MeasureFreeLength(const TList& document, int32_t view, int32_t zoomDivisor, int32_t x, int32_t y,
                           int32_t direction, int32_t across = 0, int32_t passOver = kNoObject);

// The signed width beside a segment keyed in the direction with its second face on the side (a
// direction code); 0 when the side runs along the segment.
int32_t WidthAcross(int32_t side, int32_t direction, int32_t thickness);

// The same for a segment going on from the end (x, y) of a chain whose last segment is the partition
// at the index: its second face turns with that partition's, as the segment's outline will take it.
int32_t ChainWidthAcross(TList& document, int32_t previous, int32_t x, int32_t y, int32_t side,
                         int32_t direction, int32_t thickness);

// The partition a chain's next segment turns from: the view's last partition, when its first face ends
// at the start (x, y) or within the snap tolerance (3 x zoomDivisor) of it; else kNoObject.
int32_t ChainPrevious(const TList& document, int32_t view, int32_t zoomDivisor, int32_t x, int32_t y);

// A keyed segment from (x, y) in the direction: a chain's first segment (chainSide 0) lies on the side
// chosen, a later one turns from the segment before it (chainSide the side code of its chain). The free
// length to the first wall face it meets; 0 when it would run into an external wall at once.
FreeSpan MeasureSegmentStart(TList& document, int32_t view, int32_t zoomDivisor, int32_t x, int32_t y,
                             int32_t direction, int32_t side, int32_t chainSide, int32_t thickness);
