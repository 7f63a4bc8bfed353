// The rectangle that encloses the design rooms of a layout view, published for the zoom to fit, the
// building-rectangle report and the marking of the external walls on the layout.
#include "document/document.h"
#include "document/program_state.h"
#include "rooms/design_room.h"
#include "rooms/room_settings.h"

namespace {

constexpr int32_t kMarkingView = 45; // the ground floor's layout while its external walls are marked

int32_t CountDesignRooms(const TList& list, int32_t view) {
    int32_t n = 0;
    for (int32_t i = 0; i < list.count; ++i)
        if (IsDesignRoom(list[i]) && list[i]->view == view) ++n;
    return n;
}

// The objects the bounds look at: all, except a design room that was just made and still sits at the
// new-room spot as the last object of the list.
int32_t ObjectsToBound(const TList& list, int32_t view) {
    const TObject* last = list[list.count - 1];
    if (IsDesignRoom(last) && last->view == view && AtNewRoomSpot(*last)) return list.count - 1;
    return list.count;
}

LayoutBounds BoundsOfRooms(const TList& list, int32_t view, int32_t objects) {
    LayoutBounds b;
    for (int32_t i = 0; i < objects; ++i) {
        const TObject* o = list[i];
        if (!IsDesignRoom(o) || o->view != view) continue;
        if (o->x1 < b.minX) b.minX = o->x1;
        if (o->x2 > b.maxX) b.maxX = o->x2;
        if (o->y1 > b.maxY) b.maxY = o->y1;
        if (o->y2 < b.minY) b.minY = o->y2;
    }
    return b;
}

} // namespace

int32_t TList::ComputeLayoutBounds() {
    const int32_t view = CurrentView == kMarkingView ? kRoomLayout : CurrentView;
    const int32_t n = CountDesignRooms(*this, view);
    if (n < 2) return n;
    LayoutBounds bounds;
    if (view < kGroundFloor) {
        bounds = BoundsOfRooms(*this, view, ObjectsToBound(*this, view));
        // A write that fails leaves the last published values, which every reader copes with; the
        // count the callers act on is still right.
        if (!WriteLayoutRect(bounds.maxX - bounds.minX, bounds.maxY - bounds.minY)) return n;
    }
    if (!WriteLayoutBounds(bounds)) return n;
    return n;
}
