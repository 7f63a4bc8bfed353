#include "rooms/design_room.h"

#include <algorithm>

#include "document/document.h"
#include "document/program_state.h"
#include "document/record_format.h"
#include "document/sheet_edge.h"
#include "platform/virtual_keys.h"
#include "rooms/design_room_modes.h"

bool IsDesignRoom(const TObject* o) {
    return o && (o->kind == kDesignRoom || o->kind == kReopenedRoom);
}

bool HasDesignRoomOn(const TList& list, int32_t view) {
    for (int32_t i = 0; i < list.count; ++i)
        if (IsDesignRoom(list[i]) && list[i]->view == view) return true;
    return false;
}

bool HasAnyRoomOn(const TList& list, int32_t view) {
    return HasDesignRoomOn(list, view) || HasKindOn(list, kFinishedRoom, view);
}

bool HasKindOn(const TList& list, int32_t kind, int32_t view) {
    for (int32_t i = 0; i < list.count; ++i) {
        const TObject* o = list[i];
        if (o && o->kind == kind && o->view == view) return true;
    }
    return false;
}

RoomCorner NewRoomSpot(int32_t length, int32_t width) {
    const int64_t z = ZoomDivisor;
    // The room hangs from its top left corner; one too large for the sheet keeps its lower left
    // corner on it.
    const int64_t x = Fitted((ScrollOriginX + 2 * z) * z, 0, width, 0, SheetRight());
    const int64_t y = Fitted((ScrollOriginY + 2 * z) * z + length, -int64_t{length}, 0, 0, SheetTop());
    return {Clamp32(x), Clamp32(y)};
}

bool AtNewRoomSpot(const TObject& room) {
    const auto* r = dynamic_cast<const TRoomobj*>(&room);
    if (!r) return false;
    const RoomCorner spot = NewRoomSpot(r->value4, r->value3);
    return r->x1 == spot.x && r->y1 == spot.y;
}

int32_t FloorBase(int32_t view) {
    if (view < 51) return 10000;
    switch (view) {
    case 51:
        return 11000;
    case 52:
        return 12000;
    case 53:
        return 13000;
    default:
        return 14000;
    }
}

int32_t RoomAt(const TList& list, int32_t view, int32_t x, int32_t y, bool finished) {
    for (int32_t i = 0; i < list.count; ++i) {
        const TObject* o = list[i];
        if (!o || o->view != view) continue;
        const bool kindFits = finished ? o->kind == kFinishedRoom : IsDesignRoom(o);
        if (kindFits && o->x1 < x && x < o->x2 && o->y2 < y && y < o->y1) return i;
    }
    return kNoObject;
}

bool InCentreSquare(const TRoomobj& room, int32_t x, int32_t y) {
    const int32_t cx = room.x1 + room.value3 / 2;
    const int32_t cy = room.y1 - room.value4 / 2;
    const int32_t d = 60 * ZoomDivisor;
    return cx - d < x && x < cx + d && cy - d < y && y < cy + d;
}

int32_t SideOfArrow(uint32_t key) {
    switch (key) {
    case VK_UP:
        return 1;
    case VK_RIGHT:
        return 2;
    case VK_DOWN:
        return 3;
    case VK_LEFT:
        return 4;
    default:
        return 0;
    }
}

namespace {

void MoveRoom(TRoomobj& r, int32_t dx, int32_t dy) {
    r.x1 += dx;
    r.x2 += dx;
    r.y1 += dy;
    r.y2 += dy;
}

RoomKeyResult MoveSide(TRoomobj& r, int32_t side, int32_t s) {
    switch (side) {
    case 1:
        r.y1 += s;
        r.value4 += s;
        return RoomKeyResult::LengthChanged;
    case 3:
        r.y2 -= s;
        r.value4 += s;
        return RoomKeyResult::LengthChanged;
    case 4:
        r.x1 -= s;
        r.value3 += s;
        return RoomKeyResult::WidthChanged;
    case 2:
        r.x2 += s;
        r.value3 += s;
        return RoomKeyResult::WidthChanged;
    default:
        return RoomKeyResult::Nothing;
    }
}

RoomKeyResult MoveBy(TRoomobj& r, int32_t side, int32_t s) {
    const int32_t dx = side == 2 ? s : side == 4 ? -s : 0;
    const int32_t dy = side == 1 ? s : side == 3 ? -s : 0;
    if (dx == 0 && dy == 0) return RoomKeyResult::Nothing;
    MoveRoom(r, dx, dy);
    return RoomKeyResult::Moved;
}

} // namespace

RoomKeyResult ApplyRoomKey(TRoomobj& room, int32_t state, int32_t side, int32_t step) {
    switch (state) {
    case roommode::kEnlarge:
        return MoveSide(room, side, step);
    case roommode::kShrink: {
        const int32_t size = side == 1 || side == 3 ? room.value4 : room.value3;
        if (side >= 1 && side <= 4 && step >= size) return RoomKeyResult::Refused;
        return MoveSide(room, side, -step);
    }
    case roommode::kMoveByStep:
        return MoveBy(room, side, step);
    case roommode::kMoveFine:
        return MoveBy(room, side, kFineStep);
    default:
        return RoomKeyResult::Nothing;
    }
}

int32_t FeetInchesUnits(int32_t feet, int32_t inches, int32_t numerator, int32_t denominator) {
    int64_t units = (static_cast<int64_t>(feet) * 12 + inches) * 24;
    const bool eighthLike = numerator > 0 && denominator > 0 && numerator < denominator && denominator != 3 &&
                            denominator != 5 && denominator != 6 && denominator != 7;
    if (eighthLike) units += numerator * 24 / denominator;
    return static_cast<int32_t>(units);
}

FeetInches SplitFeetInches(int32_t length) {
    FeetInches f;
    const int32_t q = length / 24;
    const int32_t r = length % 24;
    f.feet = q / 12;
    f.inches = q % 12;
    f.hasRemainder = r > 0;
    if (r > 0 && r % 3 == 0) {
        int32_t numerator = r / 3;
        int32_t denominator = 8;
        while (numerator % 2 == 0) {
            numerator /= 2;
            denominator /= 2;
        }
        f.numerator = numerator;
        f.denominator = denominator;
    }
    return f;
}

std::optional<std::string> RoomNameFrom(const std::string& typed) {
    if (typed.size() > 16) return std::nullopt;
    if (typed.size() == 1) return std::string("none");
    return typed;
}
