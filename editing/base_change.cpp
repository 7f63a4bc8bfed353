#include "editing/base_change.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>

#include "document/document.h"
#include "document/extents_file.h"
#include "document/objects.h"
#include "document/program_state.h"
#include "editing/label_retext.h"
#include "platform/file_io.h"

namespace editing {

namespace {

// How far the search for the walls round the shrink point reaches; a side with no wall nearer keeps it.
constexpr int32_t kWallReach = 125000;

// --- Shrink checks ---

// The working floor's extents, as the computation writes them to the extents file; nothing when the
// floor is empty.
std::optional<ExtentsFile> ReadFloorExtents() {
    ObjectList.ComputeExtents();
    const ExtentsFile e = ReadExtentsFile();
    if (e.Empty()) return std::nullopt;
    return e;
}

// The nearest external wall on one side of the shrink point: its distance and its coordinate.
struct Side {
    int64_t distance = kWallReach;
    int32_t at = kWallReach;

    void Offer(int64_t d, int32_t c) {
        if (d < distance) distance = d, at = c;
    }
    bool Found() const { return at != kWallReach; }
};

struct WallsAround {
    Side left, right, below, above;
};

// Only upright and level walls count; one lying on the point's own x or y takes no part.
WallsAround FindWallsAround(int32_t x, int32_t y) {
    WallsAround w;
    for (int32_t i = 0; i < ObjectList.count; ++i) {
        const TObject* o = ObjectList[i];
        if (!o || o->kind != kExtWall || o->view != CurrentView) continue;
        if (o->x1 == o->x2) {
            if (o->x1 < x) w.left.Offer(int64_t{x} - o->x1, o->x1);
            if (o->x1 > x) w.right.Offer(int64_t{o->x1} - x, o->x1);
        } else if (o->y1 == o->y2) {
            if (o->y1 < y) w.below.Offer(int64_t{y} - o->y1, o->y1);
            if (o->y1 > y) w.above.Offer(int64_t{o->y1} - y, o->y1);
        }
    }
    return w;
}

// The line a shrink starts from, or nothing when the shrink is refused. The line moves back so that a
// wall on the moving side nearer than the amount lands on it.
std::optional<BaseLine> ShrinkLine(const BaseChange& c) {
    const std::optional<ExtentsFile> e = ReadFloorExtents();
    if (!e) return std::nullopt;
    BaseLine line{c.direction, 0, -c.amount};
    const int64_t span = line.AlongY() ? int64_t{e->maxY} - e->minY : int64_t{e->maxX} - e->minX;
    if (span < c.amount) return std::nullopt;

    const WallsAround w = FindWallsAround(c.x, c.y);
    if (!w.left.Found() || !w.right.Found() || !w.below.Found() || !w.above.Found()) return std::nullopt;
    int32_t x = c.x;
    int32_t y = c.y;
    switch (c.direction) {
    case basedir::kUp:
        if (w.above.distance < c.amount) y = w.above.at - c.amount;
        break;
    case basedir::kDown:
        if (w.below.distance < c.amount) y = w.below.at + c.amount;
        break;
    case basedir::kRight:
        if (w.right.distance < c.amount) x = w.right.at - c.amount;
        break;
    case basedir::kLeft:
        if (w.left.distance < c.amount) x = w.left.at + c.amount;
        break;
    default:
        break;
    }
    line.at = line.On(x, y);
    return line;
}

int64_t Span(int32_t a, int32_t b) {
    return std::llabs(int64_t{a} - b);
}

bool Cuts(const BaseLine& line, int32_t a, int32_t b) {
    return (line.Beyond(a) && line.Before(b)) || (line.Beyond(b) && line.Before(a));
}

// A room's two sides on the axis: the one the base grows toward moves when the room stretches.
struct RoomSides {
    int32_t moving, staying;
};

RoomSides SidesOf(const BaseLine& line, int32_t c1, int32_t c2) {
    const int32_t lo = std::min(c1, c2), hi = std::max(c1, c2);
    return line.Positive() ? RoomSides{hi, lo} : RoomSides{lo, hi};
}

// A room stretches when its moving side lies beyond the line and its other side does not: a line
// on that other side moves every wall beyond it and none before, so the room widens with them.
bool Stretches(const BaseLine& line, int32_t c1, int32_t c2) {
    const RoomSides s = SidesOf(line, c1, c2);
    return line.Beyond(s.moving) && !line.Beyond(s.staying);
}

// Shrinking must not turn a cut wall, room or dimension line inside out.
bool WouldInvert(const BaseLine& line, TObject& o) {
    const int64_t a = line.amount;
    const int32_t k = o.kind;
    if (k == kExtWall || k == kIntWall) {
        const int32_t c1 = line.On(o.x1, o.y1);
        const int32_t c2 = line.On(o.x2, o.y2);
        if (!Cuts(line, c1, c2)) return false;
        return Span(c1, c2) + a <= 0 || (k == kExtWall && int64_t{o.group} + a <= 0);
    }
    if (IsRoomRecordKind(k)) {
        const int32_t c1 = line.On(o.x1, o.y1);
        const int32_t c2 = line.On(o.x2, o.y2);
        if (!Stretches(line, c1, c2)) return false;
        const auto* room = dynamic_cast<const TRoomobj*>(&o);
        const int32_t size = room ? (line.AlongY() ? room->value4 : room->value3) : 1;
        return Span(c1, c2) + a <= 0 || int64_t{size} + a <= 0;
    }
    if (k == kManualDimension) {
        auto* d = dynamic_cast<TDimensobj*>(&o);
        if (!d) return false;
        const int32_t first = line.On(d->x1, d->y1);
        const int32_t second = line.On(d->d1x, d->d1y);
        if (!Cuts(line, first, second)) return false;
        return Span(first, second) + a <= 0;
    }
    return false;
}

bool AnyWouldInvert(const BaseLine& line) {
    for (int32_t i = 0; i < ObjectList.count; ++i) {
        TObject* o = ObjectList[i];
        if (o && o->view == CurrentView && WouldInvert(line, *o)) return true;
    }
    return false;
}

// --- Main pass, one rule per family ---

void ExtWall(const BaseLine& line, TExtwallobj& w) {
    int32_t& c1 = line.On(w.x1, w.y1);
    int32_t& c2 = line.On(w.x2, w.y2);
    if (std::min(c1, c2) < line.at && line.at < std::max(c1, c2)) AddClamped(w.group, line.amount);
    const bool layered = w.thickness2 > 0;
    if (line.Beyond(c1)) {
        line.Shift(c1);
        line.Shift(line.On(w.p1x, w.p1y));
        if (layered) {
            line.Shift(line.On(w.p3x, w.p3y));
            line.Shift(line.On(w.p5x, w.p5y));
        }
    }
    if (line.Beyond(c2)) {
        line.Shift(c2);
        line.Shift(line.On(w.p2x, w.p2y));
        if (layered) {
            line.Shift(line.On(w.p4x, w.p4y));
            line.Shift(line.On(w.p6x, w.p6y));
        }
    }
}

// A polygon, symbol or opening moves only when the whole of it lies beyond the line.
void Polygon(const BaseLine& line, TPolyobj& p) {
    const int32_t n = std::clamp(p.count, 0, TPolyobj::kMaxPoints);
    for (int32_t i = 0; i < n; ++i)
        if (!line.Beyond(line.On(p.px[i], p.py[i]))) return;
    for (int32_t i = 0; i < n; ++i)
        line.Shift(line.On(p.px[i], p.py[i]));
}

void StretchRoom(const BaseLine& line, TRoomobj& r, LengthFormatter text) {
    switch (line.direction) {
    case basedir::kUp:
        line.Shift(r.y1);
        break;
    case basedir::kRight:
        line.Shift(r.x2);
        break;
    case basedir::kDown:
        line.Shift(r.y2);
        break;
    default:
        line.Shift(r.x1);
        break;
    }
    int32_t& size = line.AlongY() ? r.value4 : r.value3;
    AddClamped(size, line.amount);
    const std::string sizeText = text ? text(size) : std::to_string(size);
    if (line.AlongY())
        r.SetLengthText(sizeText.c_str());
    else
        r.SetWidthText(sizeText.c_str());
    ShiftRoomLabel(line.direction, r.group, line.amount);
}

// (x1, y1) is the top left corner and (x2, y2) the bottom right one.
void Room(const BaseLine& line, TRoomobj& r, LengthFormatter text) {
    int32_t& c1 = line.On(r.x1, r.y1);
    int32_t& c2 = line.On(r.x2, r.y2);
    if (line.Beyond(c1) && line.Beyond(c2)) {
        line.Shift(c1);
        line.Shift(c2);
        return;
    }
    if (Stretches(line, c1, c2)) StretchRoom(line, r, text);
}

void IntWall(const BaseLine& line, TIntwallobj& w) {
    int32_t& c1 = line.On(w.x1, w.y1);
    int32_t& c2 = line.On(w.x2, w.y2);
    if (line.Beyond(c1)) {
        line.Shift(c1);
        line.Shift(line.On(w.q1x, w.q1y));
    }
    if (line.Beyond(c2)) {
        line.Shift(c2);
        line.Shift(line.On(w.q2x, w.q2y));
    }
}

void Arrow(const BaseLine& line, TArrowobj& a) {
    int32_t& c1 = line.On(a.x1, a.y1);
    int32_t& c2 = line.On(a.x2, a.y2);
    if (!line.Beyond(c1) || !line.Beyond(c2)) return;
    for (int32_t* c : {&c1, &c2, &line.On(a.h1x, a.h1y), &line.On(a.h2x, a.h2y), &line.On(a.h3x, a.h3y),
                       &line.On(a.h4x, a.h4y)})
        line.Shift(*c);
}

// (x1, y1)-(x2, y2) and (x3, y3)-(x4, y4) are the two pieces; x1 and x3 the measured ends, which
// decide: a line crossing inside an arrow still measures between the two ends.
void Dimension(const BaseLine& line, int32_t index, TDimensobj& d, LengthFormatter text) {
    int32_t& c1 = line.On(d.x1, d.y1);
    int32_t& c2 = line.On(d.x2, d.y2);
    int32_t& c3 = line.On(d.d1x, d.d1y);
    int32_t& c4 = line.On(d.d2x, d.d2y);
    if (line.Beyond(c1) && line.Before(c3)) {
        UpdateDimensionText(line.direction, index, d.id, line.amount, text);
        line.Shift(c1);
        line.Shift(c2);
    } else if (line.Beyond(c3) && line.Before(c1)) {
        UpdateDimensionText(line.direction, index, d.id, line.amount, text);
        line.Shift(c3);
        line.Shift(c4);
    } else if (line.Beyond(c1) && line.Beyond(c3)) {
        for (int32_t* c : {&c1, &c2, &c3, &c4})
            line.Shift(*c);
    }
}

// A room the line stretches, as it was before anything moved.
struct StretchedRoom {
    RoomSides sides;
    // A point of the room's dimensions goes with the side it lies nearer.
    bool Moves(int32_t c) const { return Span(c, sides.moving) < Span(c, sides.staying); }
};
using StretchedRooms = std::map<int32_t, StretchedRoom>; // by the room's group

// The rooms of the view that the line stretches, found before anything moves.
StretchedRooms FindStretchedRooms(const BaseLine& line) {
    StretchedRooms rooms;
    for (int32_t i = 0; i < ObjectList.count; ++i) {
        TObject* o = ObjectList[i];
        if (!o || o->view != CurrentView || !IsRoomRecordKind(o->kind) || o->group == 0) continue;
        const int32_t c1 = line.On(o->x1, o->y1);
        const int32_t c2 = line.On(o->x2, o->y2);
        if (!Stretches(line, c1, c2)) continue;
        rooms.emplace(o->group, StretchedRoom{SidesOf(line, c1, c2)});
    }
    return rooms;
}

// A stretched room carries its own size lines: each point goes with the room side it lies nearer, so
// a size line across the stretch keeps its ends on the room's sides and is measured again, and one
// along it stays by the side it was set off from.
void CarriedDimension(const BaseLine& line, int32_t index, TDimensobj& d, const StretchedRoom& room,
                      LengthFormatter text) {
    int32_t* c[4] = {&line.On(d.x1, d.y1), &line.On(d.x2, d.y2), &line.On(d.d1x, d.d1y),
                     &line.On(d.d2x, d.d2y)};
    bool moves[4];
    for (int i = 0; i < 4; ++i)
        moves[i] = room.Moves(*c[i]);
    // The label goes as its line does; one that stays is flagged too, so that the pass over the
    // labels beyond the line leaves it by its line.
    if (moves[0] != moves[2])
        UpdateDimensionText(line.direction, index, d.id, line.amount, text);
    else
        CarryDimensionLabel(line.direction, d.id, moves[0] ? line.amount : 0);
    for (int i = 0; i < 4; ++i)
        if (moves[i]) line.Shift(*c[i]);
}

// Each end of a line by itself.
void Line(const BaseLine& line, TObject& o) {
    int32_t& c1 = line.On(o.x1, o.y1);
    int32_t& c2 = line.On(o.x2, o.y2);
    if (line.Beyond(c1)) line.Shift(c1);
    if (line.Beyond(c2)) line.Shift(c2);
}

void Text(const BaseLine& line, TObject& o) {
    if (!line.Beyond(line.On(o.x1, o.y1))) return;
    line.Shift(line.On(o.x1, o.y1));
    line.Shift(line.On(o.x2, o.y2));
}

void Arc(const BaseLine& line, TArcobj& a) {
    int32_t& start = line.On(a.sx, a.sy);
    int32_t& end = line.On(a.ex, a.ey);
    if (!line.Beyond(start) || !line.Beyond(end)) return;
    for (int32_t* c : {&line.On(a.x1, a.y1), &line.On(a.x2, a.y2), &start, &end})
        line.Shift(*c);
}

void Shape(const BaseLine& line, TObject& o) {
    int32_t& c1 = line.On(o.x1, o.y1);
    int32_t& c2 = line.On(o.x2, o.y2);
    if (!line.Beyond(c1) || !line.Beyond(c2)) return;
    line.Shift(c1);
    line.Shift(c2);
}

bool IsPlainLineKind(int32_t k) {
    return k == kLine || k == kOutlineLine || (k >= kLineTypeFirst && k <= kLineTypeLast);
}

template <typename T> void Apply(TObject& o, const BaseLine& line, void (*rule)(const BaseLine&, T&)) {
    if (auto* typed = dynamic_cast<T*>(&o)) rule(line, *typed);
}

void MainPassRule(const BaseLine& line, int32_t index, TObject& o, const StretchedRooms& rooms,
                  LengthFormatter text) {
    const int32_t k = o.kind;
    if (k == kExtWall) {
        Apply<TExtwallobj>(o, line, ExtWall);
    } else if (IsPolygonKind(k) || k == kOpening) {
        Apply<TPolyobj>(o, line, Polygon);
    } else if (IsRoomRecordKind(k)) {
        if (auto* room = dynamic_cast<TRoomobj*>(&o)) Room(line, *room, text);
    } else if (k == kIntWall) {
        Apply<TIntwallobj>(o, line, IntWall);
    } else if (k == kManualArrow) {
        Apply<TArrowobj>(o, line, Arrow);
    } else if (k == kManualDimension) {
        auto* dim = dynamic_cast<TDimensobj*>(&o);
        const auto room = dim && dim->group != 0 ? rooms.find(dim->group) : rooms.end();
        if (room != rooms.end())
            CarriedDimension(line, index, *dim, room->second, text);
        else if (dim)
            Dimension(line, index, *dim, text);
    } else if (IsPlainLineKind(k)) {
        Line(line, o);
    } else if (k == kText || k == kDialogText) {
        Text(line, o);
    } else if (k == kArc) {
        Apply<TArcobj>(o, line, Arc);
    } else if (k >= kEllipse && k <= kRoundRect) {
        Shape(line, o);
    }
}

// The labels a stretched room or dimension line has placed already are only unflagged; the others
// beyond the line move whole.
void LabelPass(const BaseLine& line) {
    for (int32_t i = 0; i < ObjectList.count; ++i) {
        TObject* o = ObjectList[i];
        if (!o || o->view != CurrentView || o->kind < kAutoDimensionText || o->kind > kFloorTitle) continue;
        if (o->aux1 > 0)
            o->aux1 = 0;
        else
            Text(line, *o);
    }
}

bool KnownDirection(int32_t d) {
    return d == basedir::kUp || d == basedir::kRight || d == basedir::kDown || d == basedir::kLeft;
}

} // namespace

bool ExpandShrinkBase(const BaseChange& change, LengthFormatter text) {
    if (!KnownDirection(change.direction) || change.amount < 1) return false;
    std::optional<BaseLine> line;
    if (change.shrink) {
        line = ShrinkLine(change);
        if (!line || AnyWouldInvert(*line)) return false;
    } else {
        int32_t x = change.x;
        int32_t y = change.y;
        line = BaseLine{change.direction, 0, change.amount};
        line->at = line->On(x, y);
    }
    const StretchedRooms rooms = FindStretchedRooms(*line);
    for (int32_t i = 0; i < ObjectList.count; ++i) {
        TObject* o = ObjectList[i];
        if (o && o->view == CurrentView) MainPassRule(*line, i, *o, rooms, text);
    }
    LabelPass(*line);
    return true;
}

} // namespace editing
