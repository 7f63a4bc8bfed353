#include "document/sheet_edge.h"

#include "document/document.h"
#include "document/program_state.h"

bool OnSheet(int64_t x, int64_t y) {
    return x >= 0 && y >= 0 && x <= int64_t{SheetWidth} * ZoomDivisor &&
           y <= int64_t{SheetHeight} * ZoomDivisor;
}

bool OnSheet(const DrawnExtents& extents, int64_t dx, int64_t dy) {
    return extents.Empty() ||
           (OnSheet(extents.minX + dx, extents.minY + dy) && OnSheet(extents.maxX + dx, extents.maxY + dy));
}

bool StoredOnSheet(const TObject& object) {
    DrawnExtents extents;
    extents.Note(object);
    // A partition's second face is its own.
    if (const auto* wall = object.kind == kIntWall ? dynamic_cast<const TIntwallobj*>(&object) : nullptr) {
        extents.NoteX(wall->x1), extents.NoteX(wall->x2), extents.NoteY(wall->y1), extents.NoteY(wall->y2);
        extents.NoteX(wall->q1x), extents.NoteX(wall->q2x), extents.NoteY(wall->q1y),
            extents.NoteY(wall->q2y);
    }
    return OnSheet(extents);
}

int32_t CountPastSheet(const TList& list) {
    int32_t past = 0;
    for (int32_t i = 0; i < list.count; ++i)
        if (const TObject* o = list[i]; o && !StoredOnSheet(*o)) ++past;
    return past;
}
