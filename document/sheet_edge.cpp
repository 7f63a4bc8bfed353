#include "document/sheet_edge.h"

#include <algorithm>

#include "document/document.h"
#include "document/program_state.h"

namespace {

// The sheet's far edges in drawing units. A coordinate is on the sheet when, taken as an unsigned
// number of 64 bits, it is at most its edge: a negative one turns into a number past any edge. A
// sheet of a damaged size below nothing holds its corner alone.
struct Edges {
    uint64_t right;
    uint64_t top;

    static Edges OfTheSheet() { return {static_cast<uint64_t>(SheetRight()), static_cast<uint64_t>(SheetTop())}; }
    bool Holds(int64_t x, int64_t y) const {
        return static_cast<uint64_t>(x) <= right && static_cast<uint64_t>(y) <= top;
    }
};

} // namespace

int64_t SheetRight() {
    return std::max<int64_t>(int64_t{SheetWidth} * ZoomDivisor, 0);
}

int64_t SheetTop() {
    return std::max<int64_t>(int64_t{SheetHeight} * ZoomDivisor, 0);
}

int64_t Fitted(int64_t at, int64_t lo, int64_t hi, int64_t from, int64_t to) {
    if (at + hi > to) at = to - hi;
    if (at + lo < from) at = from - lo;
    return at;
}

bool OnSheet(int64_t x, int64_t y) {
    return Edges::OfTheSheet().Holds(x, y);
}

bool OnSheet(const DrawnExtents& extents, int64_t dx, int64_t dy) {
    return extents.Empty() ||
           (OnSheet(extents.minX + dx, extents.minY + dy) && OnSheet(extents.maxX + dx, extents.maxY + dy));
}

bool StoredOnSheet(const TObject& object) {
    const Edges edges = Edges::OfTheSheet();
    return EveryStoredPoint(object, [&](int32_t x, int32_t y) { return edges.Holds(x, y); });
}

void NoteStoredPoints(DrawnExtents& extents, const TObject& object) {
    static_cast<void>(EveryStoredPoint(object, [&](int32_t x, int32_t y) {
        extents.NoteX(x), extents.NoteY(y);
        return true;
    }));
}

int32_t CountPastSheet(const TList& list) {
    const Edges edges = Edges::OfTheSheet();
    const auto on = [&](int32_t x, int32_t y) { return edges.Holds(x, y); };
    int32_t past = 0;
    for (int32_t i = 0; i < list.count; ++i)
        if (const TObject* o = list[i]; o && !EveryStoredPoint(*o, on)) ++past;
    return past;
}
