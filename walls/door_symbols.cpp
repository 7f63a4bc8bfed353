#include "walls/door_symbols.h"

#include <memory>

#include "document/document.h"
#include "document/objects.h"
#include "walls/door_symbol_pieces.h"
#include "walls/opening_construction.h"
#include "walls/opening_frame.h"

namespace doorsymbol {

namespace {

std::unique_ptr<TObject> LinePiece(const Opening& o, int32_t penWidth, int32_t x1, int32_t y1, int32_t x2,
                                   int32_t y2) {
    return std::make_unique<TLineobj>(o.view, kOutlineLine, penWidth, 0, o.wallId, o.openingId, x1, o.level, x2,
                                      o.level, y1, y2, o.colour, 0, 0);
}

} // namespace

void Leaf(const Opening& o, TList& document, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    AddOpeningPiece(o, document, LinePiece(o, o.doorThickness, x1, y1, x2, y2));
}

void Frame(const Opening& o, TList& document, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    AddOpeningPiece(o, document, LinePiece(o, 1, x1, y1, x2, y2));
}

void Swing(const Opening& o, TList& document, int32_t cx, int32_t cy, int32_t r, int32_t sx, int32_t sy, int32_t ex,
           int32_t ey) {
    constexpr int32_t kDotted = 2;
    auto arc = std::make_unique<TArcobj>(o.view, kArc, 1, kDotted, o.wallId, o.openingId, cx - r, 0, cx + r, 0,
                                         cy + r, cy - r, o.colour, sx, sy, ex, ey);
    AddOpeningPiece(o, document, std::move(arc));
}

int32_t ExchangedSwing(int32_t code) {
    switch (code) {
    case 1: return 4;
    case 4: return 1;
    case 2: return 3;
    case 3: return 2;
    case 5: return 8;
    case 8: return 5;
    case 6: return 7;
    case 7: return 6;
    default: return code;
    }
}

} // namespace doorsymbol

void RotatePoint(Opening& o, const TList& document, int32_t x, int32_t y) {
    const POINT p = FrameOf(o, document).Place(o.px, o.py, x, y);
    o.px = p.x;
    o.py = p.y;
}

void MakeOpeningSymbol(Opening& o, TList& document) {
    using namespace doorsymbol;
    switch (o.kind) {
    case 6:
    case 16: HingedDoor(o, document); break;
    case 7:
    case 17:
    case 19: DoubleDoor(o, document); break;
    case 10:
    case 20: EntryFrame(o, document); break;
    case 3:
    case 13: SlidingFramed(o, document); break;
    case 21: FoldingDoors(o, document); break;
    case 22: IntoWallDoor(o, document); break;
    case 23: IntoWallPair(o, document); break;
    case 24: Wardrobe(o, document); break;
    default: break;
    }
}
