// Hinged doors: one door, two doors meeting in the middle, and one or two doors in an entry frame
// with side panels.
#include "walls/door_symbol_pieces.h"
#include "walls/door_symbols.h"

namespace doorsymbol {

namespace {

// The door's opening offsets across (s) and along (c) the wall, for a leaf of the door width.
int32_t Across(const Opening& o) {
    return static_cast<int32_t>(o.doorWidth * o.doorSine);
}
int32_t Along(const Opening& o) {
    return static_cast<int32_t>(o.doorWidth * o.doorCosine);
}

} // namespace

void HingedDoor(Opening& o, TList& document) {
    if (ReversesSwing(o.angle)) o.swingCode = ExchangedSwing(o.swingCode);
    const int32_t code = o.swingCode;
    const int32_t d = o.doorWidth;
    const int32_t s = Across(o);
    const int32_t c = Along(o);
    const bool atLeft = code == 1 || code == 6 || code == 3 || code == 5;
    const bool onFace = code == 1 || code == 6 || code == 2 || code == 8;
    if (code < 1 || code > 8) return;
    const int32_t hx = atLeft ? o.px - d / 2 : o.px + d / 2;
    const int32_t hy = onFace ? o.py : o.py + o.thickness;
    const int32_t ex = atLeft ? hx + c : hx - c;
    const int32_t ey = onFace ? o.py - s : o.py + o.thickness + s;
    Leaf(o, document, hx, hy, ex, ey);
    if (!IsSquareAngle(o.angle)) return;
    // The swing runs from the closed position (the opening's other end on the same face) to the tip.
    const int32_t cx = atLeft ? o.px + d / 2 : o.px - d / 2;
    const bool fromClosed = code == 3 || code == 5 || code == 2 || code == 8;
    if (fromClosed)
        Swing(o, document, hx, hy, d, cx, hy, ex, ey);
    else
        Swing(o, document, hx, hy, d, ex, ey, cx, hy);
}

void DoubleDoor(Opening& o, TList& document) {
    if (o.kind == 19) o.faceSide = kNearFace;
    const bool near = o.faceSide == kNearFace;
    const int32_t d = o.doorWidth;
    const int32_t y0 = near ? o.py : o.py + o.thickness;
    const int32_t tipY = near ? y0 - Across(o) : y0 + Across(o);
    const int32_t c = Along(o);
    Leaf(o, document, o.px - d, y0, o.px - d + c, tipY);
    Leaf(o, document, o.px + d, y0, o.px + d - c, tipY);
    if (!IsSquareAngle(o.angle)) return;
    if (near) {
        Swing(o, document, o.px - d, y0, d, o.px - d + c, tipY, o.px, y0);
        Swing(o, document, o.px + d, y0, d, o.px, y0, o.px + d - c, tipY);
    } else {
        Swing(o, document, o.px - d, y0, d, o.px, y0, o.px - d + c, tipY);
        Swing(o, document, o.px + d, y0, d, o.px + d - c, tipY, o.px, y0);
    }
}

namespace {

// The doors inside the frame, moved toward the frame position and drawn as plain hinged doors.
void FrameDoors(Opening& o, TList& document) {
    const bool single = o.doorCount == 1;
    const int32_t d = single ? o.width / 2 - o.doorWidth / 2 : o.width / 2 - o.doorWidth;
    int32_t shift = 0;
    if (o.framePosition == 1) shift = o.faceSide == kNearFace ? -d : d;
    if (o.framePosition == 2) shift = o.faceSide == kNearFace ? d : -d;
    const Opening kept = o;
    o.kind = single ? openingkind::kHingedDoor : openingkind::kDoubleDoor;
    RotatePoint(o, document, o.px + shift, o.py);
    MakeOpeningSymbol(o, document);
    o.kind = kept.kind;
    o.px = kept.px;
    o.py = kept.py;
}

} // namespace

void EntryFrame(Opening& o, TList& document) {
    FrameDoors(o, document);
    const int32_t w = o.width;
    const int32_t panel = w - o.doorCount * o.doorWidth;
    const int32_t m = MiddleY(o);
    const int32_t left = o.px - w / 2;
    const int32_t right = o.px + w / 2;
    auto panelAt = [&](int32_t end, int32_t inner) {
        Frame(o, document, end, m, inner, m);
        Frame(o, document, inner, o.py, inner, o.py + o.thickness);
    };
    const bool near = o.faceSide == kNearFace;
    if (o.framePosition == 0) {
        panelAt(left, left + panel / 2);
        panelAt(right, right - panel / 2);
    } else if ((o.framePosition == 1 && near) || (o.framePosition == 2 && !near)) {
        panelAt(right, right - panel);
    } else if ((o.framePosition == 2 && near) || (o.framePosition == 1 && !near)) {
        panelAt(left, left + panel);
    }
}

} // namespace doorsymbol
