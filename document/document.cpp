#include "document/document.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "document/program_state.h"

TList ObjectList;

TList::TList() : items_(kInitialRoom) {}

TList::~TList() {
    Flush();
}

void TList::EnsureRoom(int32_t index) {
    if (index < Room()) return;
    // Grow by the smallest multiple of the step that covers the index; new slots are empty.
    const int32_t missing = index + 1 - Room();
    const int32_t steps = (missing + kGrowth - 1) / kGrowth;
    items_.resize(static_cast<size_t>(Room()) + static_cast<size_t>(steps) * kGrowth);
}

void TList::Add(TObject* object) {
    Add(std::unique_ptr<TObject>(object));
}

void TList::Add(std::unique_ptr<TObject> object) {
    AddOwned(OwnedObject(object.release()));
}

void TList::AddOwned(OwnedObject object) {
    if (count < 0) count = 0;
    if (count >= Room()) EnsureRoom(count);
    items_[static_cast<size_t>(count)] = std::move(object);
    ++count;
}

void TList::Flush() {
    for (auto& item : items_)
        item.reset();
    count = 0;
}

void TList::Reserve(int32_t more) {
    if (more > 0) items_.reserve(static_cast<size_t>(std::max(count, 0)) + static_cast<size_t>(more));
}

void TList::Reset() {
    Flush();
    items_.clear();
    items_.resize(kInitialRoom);
    ProgramDirectory.clear();
    std::fill(std::begin(DrawingName), std::end(DrawingName), '\0');
    std::fill(std::begin(DrawingTitle), std::end(DrawingTitle), '\0');
    std::fill(std::begin(CurrentRoomName), std::end(CurrentRoomName), '\0');
    std::fill(std::begin(DefaultFontName), std::end(DefaultFontName), '\0');
    FloorArea = 0.0f;
}

TObject* TList::operator[](int32_t index) const {
    if (index < 0 || index >= count || index >= Room()) return nullptr;
    return items_[static_cast<size_t>(index)].get();
}

void TList::RemoveAt(int32_t index) {
    const int32_t used = std::min(count, Room());
    if (index < 0 || index >= used) return;
    auto first = items_.begin() + index;
    first->reset();
    std::rotate(first, first + 1, items_.begin() + used);
    --count;
}

int32_t TList::FindKind(int32_t kind) const {
    for (int32_t i = 0; i < count; ++i) {
        const TObject* o = (*this)[i];
        if (o && o->kind == kind) return i;
    }
    return kNoObject;
}

int32_t TList::RoomKindAt(int32_t x, int32_t y) const {
    const int64_t X = int64_t{x} * ZoomDivisor;
    const int64_t Y = int64_t{y} * ZoomDivisor;
    for (int32_t i = 0; i < count; ++i) {
        const TObject* o = (*this)[i];
        if (!o || (o->kind != kDesignRoom && o->kind != kReopenedRoom) || o->view != CurrentView) continue;
        // Strict on every side: a point on the edge belongs to no room.
        if (o->x1 < X && X < o->x2 && o->y2 < Y && Y < o->y1) return o->kind;
    }
    return 0;
}

int32_t TList::FloorHasObjects(int32_t code) {
    if (CurrentView > kPrintSetup) {
        Flush();
        (void)ReadDrawingFile(filemode::kWorking); // an unreadable file simply leaves the floor empty
    }
    if (code == 500 || code == 32100 || code == 32101) return FindKind(code) != kNoObject ? 1 : 0;
    // The per-floor records say nothing about what a floor holds, wherever they stand in the array.
    for (int32_t i = 0; i < count; ++i) {
        const TObject* o = (*this)[i];
        if (o && o->view == code && o->kind < kFloorRecord) return 1;
    }
    return 0;
}

int32_t TList::UpperFloorsUsed() {
    CurrentView = kGroundFloor;
    Flush();
    (void)ReadDrawingFile(filemode::kWorking); // an unreadable file simply has no upper floors
    bool first = false;
    for (int32_t i = 0; i < count; ++i) {
        const TObject* o = (*this)[i];
        if (!o || o->kind >= kFloorRecord) continue;
        if (o->view == kSecondFloor) return 2;
        if (o->view == kFirstFloor) first = true;
    }
    return first ? 1 : 0;
}

namespace {

struct Box {
    int64_t left, right, bottom, top;
};

Box Span(int32_t ax, int32_t ay, int32_t bx, int32_t by) {
    return {std::min(ax, bx), std::max(ax, bx), std::min(ay, by), std::max(ay, by)};
}

bool InsideWidened(const Box& b, int64_t m, int64_t X, int64_t Y) {
    return b.left - m < X && X < b.right + m && b.bottom - m < Y && Y < b.top + m;
}

} // namespace

int32_t TList::FindObject(int32_t mode, int32_t x, int32_t y) const {
    const int64_t Z = ZoomDivisor;
    const int64_t X = x * Z;
    const int64_t Y = y * Z;
    for (int32_t i = 0; i < count; ++i) {
        const TObject* o = (*this)[i];
        if (!o || o->view != CurrentView) continue;
        if (mode == pickmode::kText) {
            const bool text = o->kind == kText || o->kind == kDialogText || (o->kind >= 33 && o->kind <= 37);
            if (text && X - 50 * Z < o->x1 && o->x1 < X + 50 * Z && Y - 50 * Z < o->y1 && o->y1 < Y + 50 * Z)
                return i;
        } else if (mode == pickmode::kWall) {
            if (const auto* w = dynamic_cast<const TIntwallobj*>(o); w && o->kind == kIntWall) {
                const int64_t m = w->thickness / 2 + Z;
                if (InsideWidened(Span(w->x1, w->y1, w->x2, w->y2), m, X, Y) ||
                    InsideWidened(Span(w->q1x, w->q1y, w->q2x, w->q2y), m, X, Y))
                    return i;
            } else if (const auto* e = dynamic_cast<const TExtwallobj*>(o); e && o->kind == kExtWall) {
                const auto* w = e;
                const int64_t m = (int64_t{w->thickness1} + w->thickness2 + w->thickness3) / 2 + Z;
                const Box inner = w->thickness2 == 0 ? Span(w->p1x, w->p1y, w->p2x, w->p2y)
                                                     : Span(w->p5x, w->p5y, w->p6x, w->p6y);
                if (InsideWidened(Span(w->x1, w->y1, w->x2, w->y2), m, X, Y) || InsideWidened(inner, m, X, Y))
                    return i;
            }
        } else {
            return kNoObject;
        }
    }
    return kNoObject;
}

int32_t TList::GetFloorArea() const {
    const float a = std::trunc(FloorArea);
    if (!(a > -2147483648.0f && a < 2147483648.0f)) return 0;
    return static_cast<int32_t>(a);
}

void TList::SetFloorArea(int32_t value) {
    FloorArea = static_cast<float>(value);
}

void TList::SetDrawingName(std::string_view name) {
    const size_t n = std::min(name.size(), sizeof(DrawingName) - 1);
    std::memcpy(DrawingName, name.data(), n);
    DrawingName[n] = '\0';
}
