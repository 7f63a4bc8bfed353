// Folding doors: leaves in pairs folding to a V off the wall's middle line.
#include "walls/door_symbol_pieces.h"

namespace doorsymbol {

namespace {

// `count` leaves from the end at `start`, stepping a door width at a time in direction -dir: an even
// leaf goes out half a door along, an odd one comes back to meet it.
void FoldFrom(Opening& o, TList& document, int32_t start, int32_t dir, int32_t count, int32_t d, int32_t tipY) {
    const int32_t m = MiddleY(o);
    for (int32_t i = 0; i < count; ++i) {
        const int32_t x = start - dir * i * d;
        const int32_t tipX = i % 2 == 0 ? x - dir * (d / 2) : x + dir * (d / 2);
        Leaf(o, document, x, m, tipX, tipY);
    }
}

} // namespace

void FoldingDoors(Opening& o, TList& document) {
    int32_t n = o.doorCount;
    int32_t d = o.doorWidth;
    const int32_t w = n * d;
    // An odd number of doors folds as one more, each narrower, so that every leaf has its partner.
    if (n == 3 || n == 5 || n == 7 || n == 9) {
        n += 1;
        d = w / n;
    }
    const int32_t m = MiddleY(o);
    const int32_t tipY = o.faceSide == kNearFace ? m - d / 2 : m + d / 2;
    const int32_t right = o.px + w / 2;
    const int32_t left = o.px - w / 2;
    if (o.symbolOption == 1) {
        FoldFrom(o, document, right, 1, n, d, tipY);
    } else if (o.symbolOption == 2) {
        FoldFrom(o, document, left, -1, n, d, tipY);
    } else {
        FoldFrom(o, document, right, 1, n / 2, d, tipY);
        FoldFrom(o, document, left, -1, n / 2, d, tipY);
    }
}

} // namespace doorsymbol
