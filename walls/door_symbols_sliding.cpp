// Sliding doors: with side frames, sliding into the wall (one or two), and wardrobe sliders passing
// each other.
#include "walls/door_symbol_pieces.h"

namespace doorsymbol {

namespace {

// A run along the wall at one y.
struct Run {
    int32_t a;
    int32_t b;
};

void SingleFramed(Opening& o, TList& document, int32_t slideY, int32_t m) {
    if (o.symbolOption == 0) o.symbolOption = 1;
    const bool near = o.faceSide == kNearFace;
    const int32_t d = o.doorWidth;
    const int32_t left = o.px - o.width / 2;
    const int32_t right = o.px + o.width / 2;
    if ((near && o.symbolOption == 1) || (!near && o.symbolOption == 2)) {
        Leaf(o, document, left + d / 2, slideY, left + d / 2 + d, slideY);
        Frame(o, document, left + d, m, right, m);
    } else if ((near && o.symbolOption == 2) || (!near && o.symbolOption == 1)) {
        Leaf(o, document, right - d / 2, slideY, right - d / 2 - d, slideY);
        Frame(o, document, left, m, right - d, m);
    }
}

// Two sliders and two fixed panels, each a door wide; which end they start from follows the side and
// the frame position.
void PairFramed(Opening& o, TList& document, int32_t slideY, int32_t m) {
    const int32_t d = o.doorWidth;
    const int32_t h = o.width / 2;
    const int32_t p = o.px;
    const bool near = o.faceSide == kNearFace;
    const int32_t option = o.symbolOption;
    Run s1, s2, f1, f2;
    const bool fromLeft = (near && option == 1) || (!near && option == 2);
    const bool fromRight = (near && option == 2) || (!near && option == 1);
    if (fromLeft) {
        s1 = {p - h + d / 2, p - h + d / 2 + d};
        s2 = {s1.b + d, s1.b + 2 * d};
        f1 = {p - h, p - h + d};
        f2 = near ? Run{p + h, p - h + 3 * d} : Run{p - h + 3 * d, p + h};
    } else if (fromRight) {
        s1 = {p + h - d / 2, p + h - d / 2 - d};
        s2 = {s1.b - d, s1.b - 2 * d};
        f1 = {p + h, p + h - d};
        f2 = {p - h, p + h - 3 * d};
    } else if (near) {
        s1 = {p - d / 2, p - d / 2 - d};
        s2 = {p + d / 2, p + d / 2 + d};
        f1 = {p - d, p - h};
        f2 = {p + d, p + h};
    } else {
        s1 = {p + d / 2, p + d / 2 + d};
        s2 = {p - d / 2, p - d / 2 - d};
        f1 = {p + d, p + h};
        f2 = {p - d, p - h};
    }
    Leaf(o, document, s1.a, slideY, s1.b, slideY);
    Leaf(o, document, s2.a, slideY, s2.b, slideY);
    Frame(o, document, f1.a, m, f1.b, m);
    Frame(o, document, f2.a, m, f2.b, m);
}

// The line beside the wall the into-wall doors are drawn on, or the middle line when they slide into it.
int32_t IntoWallLine(const Opening& o, bool beforeFace) {
    if (o.intoWall == 1) return MiddleY(o);
    return beforeFace ? o.py - kPanelOffset : o.py + o.thickness + kPanelOffset;
}

} // namespace

void SlidingFramed(Opening& o, TList& document) {
    const int32_t m = MiddleY(o);
    const int32_t slideY = o.faceSide == kNearFace ? m + kPanelOffset : m - kPanelOffset;
    if (o.doorCount == 1) SingleFramed(o, document, slideY, m);
    if (o.doorCount == 2) PairFramed(o, document, slideY, m);
}

void IntoWallDoor(Opening& o, TList& document) {
    if (ReversesSwing(o.angle)) o.swingCode = ExchangedSwing(o.swingCode);
    const int32_t code = o.swingCode;
    if (code < 1 || code > 8) return;
    const bool towardLeft = code == 1 || code == 3 || code == 5 || code == 6;
    const bool beforeFace = code == 1 || code == 2 || code == 6 || code == 8;
    const int32_t y = IntoWallLine(o, beforeFace);
    Leaf(o, document, o.px, y, towardLeft ? o.px - o.width : o.px + o.width, y);
}

void IntoWallPair(Opening& o, TList& document) {
    o.width = o.doorCount * o.doorWidth;
    const int32_t d = o.doorWidth;
    const int32_t y = IntoWallLine(o, o.faceSide == kNearFace);
    const int32_t first = o.px - o.width / 2 - d / 2;
    const int32_t second = o.px + o.width / 2 + d / 2;
    Leaf(o, document, first, y, first + d, y);
    Leaf(o, document, second, y, second - d, y);
}

void Wardrobe(Opening& o, TList& document) {
    const bool near = o.faceSide == kNearFace;
    const int32_t d = o.doorWidth;
    // The front row lies as far before the middle line on the far side as behind it on the near side.
    const int32_t row1 = near ? MiddleY(o) + kPanelOffset : MiddleY(o) - kPanelOffset;
    const int32_t shift = o.doorThickness * kPanelOffset;
    const int32_t row2 = near ? row1 - shift : row1 + shift;
    for (int32_t j = 0; j < o.doorCount / 2; ++j) {
        const int32_t a = o.px - o.width / 2 + 2 * j * d;
        Leaf(o, document, a, row1, a + d, row1);
        const int32_t b = o.px + o.width / 2 - 2 * j * d;
        Leaf(o, document, b, row2, b - d, row2);
    }
}

} // namespace doorsymbol
