// The room-layout grid: temporary lines added to the document just before a repaint and dropped right
// after it, so that no grid line is ever stored. On the layout view a solid frame round the design
// rooms with a dotted grid inside it; on the wall-marking view a dotted grid over the whole window,
// anchored at the top-left corner of the rooms.
#include <memory>
#include <vector>

#include "document/document.h"
#include "document/drawing_file_modes.h"
#include "document/program_state.h"
#include "document/working_file_step.h"
#include "rooms/design_room.h"
#include "rooms/layout_grid.h"
#include "rooms/room_settings.h"

namespace {

constexpr int32_t kMarkingView = 45;
constexpr int32_t kSolid = 0;
constexpr int32_t kDotted = 2;

void AddGridLine(TList& list, int32_t style, COLORREF colour, int32_t x1, int32_t y1, int32_t x2,
                 int32_t y2) {
    list.Add(
        std::make_unique<TLineobj>(CurrentView, kLine, 1, style, 0, 0, x1, 0, x2, 0, y1, y2, colour, 0, 0));
}

// The design rooms of the view, in list order; the last one is left out while it sits at the new-room
// spot.
std::vector<const TRoomobj*> RoomsToFrame(const TList& list) {
    std::vector<const TRoomobj*> rooms;
    for (int32_t i = 0; i < list.count; ++i)
        if (IsDesignRoom(list[i]) && list[i]->view == CurrentView)
            if (const auto* r = dynamic_cast<const TRoomobj*>(list[i])) rooms.push_back(r);
    if (rooms.size() > 1 && AtNewRoomSpot(*rooms.back())) rooms.pop_back();
    return rooms;
}

// Bounds taken from the rooms' sizes: right = x1 + width, bottom = y1 - length.
LayoutBounds SizeBounds(const std::vector<const TRoomobj*>& rooms) {
    LayoutBounds b;
    for (const TRoomobj* r : rooms) {
        if (r->x1 < b.minX) b.minX = r->x1;
        if (r->x1 + r->value3 > b.maxX) b.maxX = r->x1 + r->value3;
        if (r->y1 > b.maxY) b.maxY = r->y1;
        if (r->y1 - r->value4 < b.minY) b.minY = r->y1 - r->value4;
    }
    return b;
}

void FramedGrid(TList& list, const LayoutBounds& b, const LayoutGridSettings& g) {
    const COLORREF c = g.colour;
    AddGridLine(list, kSolid, c, b.minX, b.maxY, b.minX, b.minY);
    AddGridLine(list, kSolid, c, b.minX, b.maxY, b.maxX, b.maxY);
    AddGridLine(list, kSolid, c, b.maxX, b.maxY, b.maxX, b.minY);
    AddGridLine(list, kSolid, c, b.minX, b.minY, b.maxX, b.minY);
    const int32_t s = g.spacing;
    for (int32_t j = 0; j <= (b.maxX - b.minX) / s; ++j)
        AddGridLine(list, kDotted, c, b.minX + j * s, b.minY, b.minX + j * s, b.maxY);
    for (int32_t j = 0; j <= (b.maxY - b.minY) / s; ++j)
        AddGridLine(list, kDotted, c, b.minX, b.maxY - j * s, b.maxX, b.maxY - j * s);
}

void LayoutViewGrid(TList& list, bool roomsOnDisk) {
    const std::vector<const TRoomobj*> rooms = RoomsToFrame(list);
    if (rooms.size() <= 1) return;
    const LayoutGridSettings grid = ReadLayoutGridSettings(MetricUnits);
    const LayoutBounds bounds = SizeBounds(rooms);
    // From here the list holds only the grid: the rooms must be safe on disk first, so a failed write
    // leaves the view without its grid rather than without its rooms.
    if (!roomsOnDisk && !WriteWorkingFile(list)) return;
    list.Flush();
    FramedGrid(list, bounds, grid);
}

// The corner the marking grid runs from: the published bounds when the layout has two rooms or more
// (only then are they written), else the one room's own top-left corner, as the marking's DATUM.
LayoutBounds MarkingAnchor(const TList& list) {
    const TObject* only = nullptr;
    int32_t rooms = 0;
    for (int32_t i = 0; i < list.count; ++i) {
        if (!IsDesignRoom(list[i]) || list[i]->view != kRoomLayout) continue;
        only = list[i];
        ++rooms;
    }
    if (rooms != 1) return ReadLayoutBounds();
    LayoutBounds anchor;
    anchor.minX = only->x1;
    anchor.maxY = only->y1;
    return anchor;
}

void MarkingViewGrid(TList& list) {
    const LayoutGridSettings g = ReadLayoutGridSettings(MetricUnits);
    const LayoutBounds anchor = MarkingAnchor(list);
    const int32_t x0 = anchor.minX;
    const int32_t y0 = anchor.maxY;
    const int32_t z = ZoomDivisor;
    const int32_t wl = ScrollOriginX * z;
    const int32_t wr = (ScrollOriginX + ViewExtentX) * z;
    const int32_t wb = ScrollOriginY * z;
    const int32_t wt = (ScrollOriginY + ViewExtentY) * z;
    const int32_t s = g.spacing;
    const COLORREF c = g.colour;
    AddGridLine(list, kDotted, c, x0, wt, x0, wb);
    AddGridLine(list, kDotted, c, wl, y0, wr, y0);
    for (int32_t j = 1; j <= (x0 - wl) / s + 1; ++j)
        AddGridLine(list, kDotted, c, x0 - j * s, wt, x0 - j * s, wb);
    for (int32_t j = 1; j <= (wr - x0) / s + 1; ++j)
        AddGridLine(list, kDotted, c, x0 + j * s, wt, x0 + j * s, wb);
    for (int32_t j = 1; j <= (y0 - wb) / s + 1; ++j)
        AddGridLine(list, kDotted, c, wl, y0 - j * s, wr, y0 - j * s);
    for (int32_t j = 1; j <= (wt - y0) / s + 1; ++j)
        AddGridLine(list, kDotted, c, wl, y0 + j * s, wr, y0 + j * s);
}

void MakeGrid(TList& list, bool roomsOnDisk) {
    if (CurrentView == kRoomLayout)
        LayoutViewGrid(list, roomsOnDisk);
    else if (CurrentView == kMarkingView)
        MarkingViewGrid(list);
}

} // namespace

void TList::MakeLayoutGrid() {
    MakeGrid(*this, false);
}

void MakeLayoutGridOfFileRooms(TList& list) {
    MakeGrid(list, true);
}
