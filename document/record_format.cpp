#include "document/record_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int32_t Clamp32(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

namespace {

// ---- Record layouts. Each visitor sees the fields in file order: I plain, X and Y coordinates,
// C a colour, N a point count, EndLine a line end, Strings for the length-counted strings. ----

template <class V> void VisitLine(V& v, TLineobj& o) {
    v.I(o.kind), v.I(o.view), v.I(o.id), v.I(o.group), v.X(o.x1), v.I(o.aux1), v.X(o.x2), v.I(o.aux2);
    v.Y(o.y1), v.Y(o.y2), v.I(o.extra), v.I(o.angle), v.C(o.colour), v.I(o.penWidth), v.I(o.penStyle);
    v.EndLine();
}

template <class V> void VisitAttr(V& v, int32_t (&attr)[4]) {
    for (int32_t& a : attr)
        v.I(a), v.EndLine();
}

template <class V> void VisitExtWall(V& v, TExtwallobj& o) {
    v.I(o.kind), v.I(o.view), v.I(o.id), v.I(o.group), v.I(o.state), v.X(o.x1), v.I(o.aux1), v.Y(o.y1);
    v.X(o.x2), v.I(o.aux2), v.Y(o.y2), v.X(o.p1x), v.Y(o.p1y), v.X(o.p2x), v.Y(o.p2y), v.X(o.p3x);
    v.Y(o.p3y), v.X(o.p4x), v.Y(o.p4y);
    v.EndLine();
    v.X(o.p5x), v.Y(o.p5y), v.X(o.p6x), v.Y(o.p6y), v.I(o.thickness1), v.I(o.thickness2);
    v.I(o.thickness3), v.I(o.setting1), v.I(o.setting2), v.I(o.direction);
    v.EndLine();
    v.I(o.value1), v.I(o.value2), v.C(o.colour);
    v.EndLine();
    VisitAttr(v, o.attr);
}

template <class V> void VisitIntWall(V& v, TIntwallobj& o) {
    v.I(o.kind), v.I(o.view), v.I(o.id), v.I(o.group), v.I(o.state), v.X(o.x1), v.I(o.aux1), v.Y(o.y1);
    v.X(o.x2), v.I(o.aux2), v.Y(o.y2), v.X(o.q1x), v.I(o.q1value), v.Y(o.q1y), v.X(o.q2x), v.Y(o.q2y);
    v.I(o.thickness), v.I(o.setting1), v.I(o.setting2), v.I(o.setting3), v.I(o.setting4);
    v.I(o.direction), v.I(o.value1), v.I(o.value2), v.C(o.colour);
    v.EndLine();
    VisitAttr(v, o.attr);
}

template <class V> void VisitArrow(V& v, TArrowobj& o) {
    v.I(o.kind), v.I(o.view), v.I(o.id), v.I(o.group), v.X(o.x1), v.Y(o.y1), v.X(o.x2), v.Y(o.y2);
    v.X(o.h1x), v.Y(o.h1y), v.X(o.h2x), v.Y(o.h2y), v.X(o.h3x), v.Y(o.h3y), v.X(o.h4x), v.Y(o.h4y);
    v.C(o.colour);
    v.EndLine();
}

template <class V> void VisitDimension(V& v, TDimensobj& o) {
    v.I(o.kind), v.I(o.view), v.I(o.id), v.I(o.group), v.X(o.x1), v.Y(o.y1), v.X(o.x2), v.Y(o.y2);
    v.X(o.d1x), v.Y(o.d1y), v.X(o.d2x), v.Y(o.d2y), v.I(o.value2), v.I(o.value), v.C(o.colour);
    v.EndLine();
}

template <class V> void VisitPolyPoints(V& v, TPolyobj& o) {
    const int32_t n = std::clamp<int32_t>(o.count, 0, TPolyobj::kMaxPoints);
    for (int32_t i = 0; i < n; ++i)
        v.X(o.px[i]), v.I(o.ph[i]), v.Y(o.py[i]), v.EndLine();
    VisitAttr(v, o.attr);
}

template <class V> void VisitPolyHead(V& v, TPolyobj& o) {
    v.I(o.kind), v.I(o.view), v.I(o.id), v.I(o.group), v.I(o.p4), v.I(o.p5), v.I(o.p2), v.I(o.p3);
    v.N(o.count), v.I(o.p1), v.I(o.p6), v.C(o.colour);
}

template <class V> void VisitPoly(V& v, TPolyobj& o) {
    VisitPolyHead(v, o);
    v.EndLine();
    VisitPolyPoints(v, o);
}

template <class V> void VisitOpening(V& v, TOpeningobj& o) {
    VisitPolyHead(v, o);
    v.I(o.value1), v.I(o.value2);
    v.EndLine();
    VisitPolyPoints(v, o);
}

template <class V> void VisitRoom(V& v, TRoomobj& o) {
    v.I(o.kind), v.I(o.view), v.I(o.id), v.I(o.group), v.X(o.x1), v.Y(o.y1), v.X(o.x2), v.Y(o.y2);
    v.I(o.value3), v.I(o.value4), v.I(o.value1), v.C(o.fillColour), v.I(o.value2);
    v.I(o.nameLength), v.I(o.widthTextLength), v.I(o.lengthTextLength);
    v.Str(o.name, TRoomobj::kNameCapacity, o.nameLength);
    v.Str(o.widthText, TRoomobj::kSizeTextCapacity, o.widthTextLength);
    v.Str(o.lengthText, TRoomobj::kSizeTextCapacity, o.lengthTextLength);
    v.EndStrings();
}

template <class V> void VisitInfo(V& v, TInfoobj& o) {
    v.I(o.kind), v.I(o.view), v.I(o.id), v.I(o.group), v.X(o.x1), v.I(o.aux1), v.Y(o.y1), v.X(o.x2);
    v.I(o.aux2), v.Y(o.y2), v.I(o.value), v.C(o.colour), v.I(o.penWidth), v.I(o.penStyle);
    v.EndLine();
}

template <class V> void VisitText(V& v, TTextobj& o) {
    v.I(o.kind), v.I(o.view), v.I(o.id), v.I(o.group), v.X(o.x1), v.Y(o.y1), v.I(o.x2), v.I(o.y2);
    v.I(o.aux1), v.C(o.colour), v.I(o.textLength), v.I(o.angle), v.I(o.style), v.I(o.fontNameLength);
    v.I(o.height), v.I(o.weight);
    v.Str(o.fontName, TTextobj::kFontNameCapacity, o.fontNameLength);
    v.Str(o.text, TTextobj::kTextCapacity, o.textLength);
    v.EndStrings();
}

template <class V> void VisitArc(V& v, TArcobj& o) {
    v.I(o.kind), v.I(o.view), v.I(o.id), v.I(o.group), v.X(o.x1), v.I(o.aux1), v.Y(o.y1), v.X(o.x2);
    v.I(o.aux2), v.Y(o.y2), v.X(o.sx), v.Y(o.sy), v.X(o.ex), v.Y(o.ey), v.C(o.colour), v.I(o.penWidth);
    v.I(o.penStyle);
    v.EndLine();
}

template <class V> void VisitBoxHead(V& v, TObject& o) {
    v.I(o.kind), v.I(o.view), v.I(o.id), v.I(o.group), v.X(o.x1), v.I(o.aux1), v.X(o.x2), v.I(o.aux2);
    v.Y(o.y1), v.Y(o.y2);
}

template <class V> void VisitBox(V& v, TObject& o) {
    VisitBoxHead(v, o);
    v.C(o.colour), v.I(o.penWidth), v.I(o.penStyle);
    v.EndLine();
}

template <class V> void VisitRoundRect(V& v, TRndrectobj& o) {
    VisitBoxHead(v, o);
    v.I(o.corner), v.C(o.colour), v.I(o.penWidth), v.I(o.penStyle);
    v.EndLine();
}

// The record family of a kind, in the order the writer tests them.
enum class Family {
    None,
    Line,
    ExtWall,
    IntWall,
    Arrow,
    Dimension,
    Opening,
    Room,
    Poly,
    Info,
    Text,
    Arc,
    Box,
    RoundRect
};

constexpr Family DrawingFamilyOf(int32_t k) {
    if (IsLineKind(k)) return Family::Line;
    if (k == kExtWall) return Family::ExtWall;
    if (k == kIntWall) return Family::IntWall;
    if (IsArrowKind(k)) return Family::Arrow;
    if (IsDimensionKind(k)) return Family::Dimension;
    if (k == kOpening) return Family::Opening;
    if (IsRoomRecordKind(k)) return Family::Room;
    if (IsPolygonKind(k) || k == kMarkerPolygon) return Family::Poly;
    if (IsFloorRecordKind(k)) return Family::Info;
    if (IsTextKind(k)) return Family::Text;
    if (k == kArc) return Family::Arc;
    if (k == kEllipse || k == kCircle || k == kRectangle) return Family::Box;
    if (k == kRoundRect) return Family::RoundRect;
    return Family::None;
}

constexpr int32_t kPastedLineKinds[] = {25, 31};
constexpr int32_t kPastedCircleKind = 18;

Family PasteFamilyOf(int32_t k) {
    if (k == kPastedLineKinds[0] || k == kPastedLineKinds[1]) return Family::Line;
    if (k == kPastedCircleKind) return Family::Box;
    if ((k >= kMarkerLineFirst && k <= kMarkerLineLast) || k == kExtWall || k == kIntWall ||
        IsRoomRecordKind(k) || IsFloorRecordKind(k))
        return Family::None;
    return DrawingFamilyOf(k);
}

Family FamilyOf(int32_t k, RecordKinds kinds) {
    if (kinds == RecordKinds::Paste) return PasteFamilyOf(k);
    return KindLookup<Family, DrawingFamilyOf>::For(k);
}

bool GroupFieldCarriesGroups(Family family) {
    switch (family) {
    case Family::Line:
    case Family::IntWall:
    case Family::Arrow:
    case Family::Dimension:
    case Family::Opening:
    case Family::Room:
    case Family::Poly:
    case Family::Text:
    case Family::Arc:
    case Family::Box:
    case Family::RoundRect:
        return true;
    case Family::ExtWall: // the wall's face length
    case Family::Info:    // a floor record: nothing
    case Family::None:
        return false;
    }
    return false;
}

// Calls the visitor with the object as the class its kind's record describes; false when the object
// is not of that class (or the kind has no record).
template <class V> bool VisitObject(V& v, TObject& o, Family family) {
    auto visit = [&v, &o](auto* typed, auto fn) {
        if (!typed) return false;
        fn(v, *typed);
        return true;
    };
    switch (family) {
    case Family::Line:
        return visit(dynamic_cast<TLineobj*>(&o), VisitLine<V>);
    case Family::ExtWall:
        return visit(dynamic_cast<TExtwallobj*>(&o), VisitExtWall<V>);
    case Family::IntWall:
        return visit(dynamic_cast<TIntwallobj*>(&o), VisitIntWall<V>);
    case Family::Arrow:
        return visit(dynamic_cast<TArrowobj*>(&o), VisitArrow<V>);
    case Family::Dimension:
        return visit(dynamic_cast<TDimensobj*>(&o), VisitDimension<V>);
    case Family::Opening:
        return visit(dynamic_cast<TOpeningobj*>(&o), VisitOpening<V>);
    case Family::Room:
        return visit(dynamic_cast<TRoomobj*>(&o), VisitRoom<V>);
    case Family::Poly:
        return visit(dynamic_cast<TPolyobj*>(&o), VisitPoly<V>);
    case Family::Info:
        return visit(dynamic_cast<TInfoobj*>(&o), VisitInfo<V>);
    case Family::Text:
        return visit(dynamic_cast<TTextobj*>(&o), VisitText<V>);
    case Family::Arc:
        return visit(dynamic_cast<TArcobj*>(&o), VisitArc<V>);
    case Family::Box:
        return visit(&o, VisitBox<V>);
    case Family::RoundRect:
        return visit(dynamic_cast<TRndrectobj*>(&o), VisitRoundRect<V>);
    case Family::None:
        break;
    }
    return false;
}

// ---- Writing ----

// Formats a record in a local buffer (a record is under a kilobyte) and hands it to the output in
// one piece.
class RecordWriter {
public:
    RecordWriter(std::string& out, RecordOrigin origin) : out_(out), origin_(origin) {}
    ~RecordWriter() { Flush(); }
    RecordWriter(const RecordWriter&) = delete;
    RecordWriter& operator=(const RecordWriter&) = delete;

    void I(const int32_t& v) { Put(v); }
    void X(const int32_t& v) { Put(Clamp32(int64_t{v} - origin_.x)); }
    void Y(const int32_t& v) { Put(Clamp32(int64_t{v} - origin_.y)); }
    void C(const COLORREF& v) { Put(static_cast<int32_t>(v)); }
    void N(const int32_t& v) { Put(std::clamp<int32_t>(v, 0, TPolyobj::kMaxPoints)); }
    // Turns the blank after the last value into the line end.
    void EndLine() {
        if (used_ > 0) {
            buf_[used_ - 1] = '\n';
        } else if (!out_.empty()) {
            out_.back() = '\n';
        }
    }
    // The numeric part ends with its blank; the strings follow with nothing between them.
    void Str(const char* s, int32_t, const int32_t& length) {
        Room(static_cast<size_t>(length));
        std::memcpy(buf_ + used_, s, static_cast<size_t>(length));
        used_ += static_cast<size_t>(length);
    }
    void EndStrings() {
        Room(1);
        buf_[used_++] = '\n';
    }

private:
    void Flush() {
        out_.append(buf_, used_);
        used_ = 0;
    }
    void Room(size_t n) {
        if (used_ + n > sizeof(buf_)) Flush();
    }
    void Put(int32_t v) {
        Room(12);
        char* end = std::to_chars(buf_ + used_, buf_ + used_ + 11, v).ptr;
        *end++ = ' ';
        used_ = static_cast<size_t>(end - buf_);
    }

    std::string& out_;
    RecordOrigin origin_;
    size_t used_ = 0;
    char buf_[2048];
};

// A string field's stored length is what it holds, never more than its capacity.
int32_t HeldLength(const char* s, int32_t capacity) {
    return static_cast<int32_t>(strnlen(s, static_cast<size_t>(capacity)));
}

} // namespace

bool KindCarriesGroups(int32_t kind) {
    return GroupFieldCarriesGroups(DrawingFamilyOf(kind)) || GroupFieldCarriesGroups(PasteFamilyOf(kind));
}

bool HoldsGroup(const TObject& o) {
    const bool line = DrawingFamilyOf(o.kind) == Family::Line || PasteFamilyOf(o.kind) == Family::Line;
    return KindCarriesGroups(o.kind) && (!line || o.id != 0);
}

bool InGroup(const TObject& o, int32_t group) {
    return group != 0 && o.group == group && HoldsGroup(o);
}

bool HasRecord(int32_t kind, RecordKinds kinds) {
    return FamilyOf(kind, kinds) != Family::None;
}

void AppendHeader(std::string& out, const int32_t values[6]) {
    RecordWriter w(out, {});
    for (int i = 0; i < 6; ++i)
        w.I(values[i]);
    w.EndLine();
}

bool AppendRecord(std::string& out, const TObject& object, RecordOrigin origin, RecordKinds kinds) {
    const Family family = FamilyOf(object.kind, kinds);
    if (family == Family::None) return false;
    const size_t start = out.size();
    bool written = false;
    {
        RecordWriter w(out, origin);
        w.I(object.kind);
        w.EndLine();
        auto& o = const_cast<TObject&>(object); // the writer only reads through the visitor
        if (family == Family::Text) {
            if (const auto* t = dynamic_cast<const TTextobj*>(&object)) {
                TTextobj copy = *t;
                copy.textLength = HeldLength(copy.text, TTextobj::kTextCapacity);
                copy.fontNameLength = HeldLength(copy.fontName, TTextobj::kFontNameCapacity);
                VisitText(w, copy);
                written = true;
            }
        } else if (family == Family::Room) {
            if (const auto* r = dynamic_cast<const TRoomobj*>(&object)) {
                TRoomobj copy = *r;
                copy.nameLength = HeldLength(copy.name, TRoomobj::kNameCapacity);
                copy.widthTextLength = HeldLength(copy.widthText, TRoomobj::kSizeTextCapacity);
                copy.lengthTextLength = HeldLength(copy.lengthText, TRoomobj::kSizeTextCapacity);
                VisitRoom(w, copy);
                written = true;
            }
        } else {
            written = VisitObject(w, o, family);
        }
    }
    if (!written) out.resize(start);
    return written;
}

// ---- Reading ----
//
// A record is read in two passes. The first parses every number the record holds into an array, in
// one tight loop, and learns whether the record is whole; the second builds the object and hands it
// the numbers and strings in the family's field order. Nothing is kept from a record that is not whole
// (one whose numbers are not all there is not even built), and no field is looked at twice.

namespace {

// The most numbers a record holds: an opening's head, seventeen points and the attributes. The
// layouts are checked against it where they are counted.
constexpr int32_t kMostNumbers = 69;

// How many numbers a family's record holds with no points, and which of them is the point count.
struct Layout {
    int32_t numbers = 0;
    int32_t countAt = -1;
};

// Counts a record's numbers as its visitor meets them, with the point count (if any) set to `points`.
class Counter {
public:
    explicit Counter(int32_t points) : points_(points) {}

    void I(int32_t&) { Number(); }
    void X(int32_t&) { Number(); }
    void Y(int32_t&) { Number(); }
    void C(COLORREF&) { Number(); }
    void N(int32_t& count) {
        countAt_ = numbers_;
        count = points_;
        Number();
    }
    void EndLine() {}
    void Str(char*, int32_t, int32_t&) { inStrings_ = true; }
    void EndStrings() {}

    Layout Result() const { return {numbers_, countAt_}; }
    bool NumberAfterString() const { return numberAfterString_; }

private:
    void Number() {
        ++numbers_;
        numberAfterString_ = numberAfterString_ || inStrings_;
    }

    int32_t points_;
    int32_t numbers_ = 0;
    int32_t countAt_ = -1;
    bool inStrings_ = false;
    bool numberAfterString_ = false;
};

// A fault in how the layouts are written, found once at start-up: no file can be read safely.
[[noreturn]] void LayoutFault(const char* what) {
    std::fprintf(stderr, "record layouts: %s\n", what);
    std::abort();
}

template <class T> Layout LayoutOf(void (*visit)(Counter&, T&)) {
    T empty;
    Counter none(0); // the layout proper: a polygon with no points
    visit(none, empty);
    T full;
    Counter most(TPolyobj::kMaxPoints);
    visit(most, full);
    // The reader parses a record's numbers in one pass before it takes the strings that follow them,
    // and reads every point as three numbers into an array of kMostNumbers.
    if (none.NumberAfterString() || most.NumberAfterString()) LayoutFault("a number follows a string");
    const Layout layout = none.Result();
    const int32_t pointNumbers = most.Result().numbers - layout.numbers;
    if (pointNumbers != (layout.countAt < 0 ? 0 : 3 * TPolyobj::kMaxPoints))
        LayoutFault("a point is not three numbers");
    if (most.Result().numbers > kMostNumbers) LayoutFault("a record holds more than kMostNumbers numbers");
    return layout;
}

using Layouts = std::array<Layout, static_cast<size_t>(Family::RoundRect) + 1>;

// Taken from the same visitors that write and fill the records, so the three cannot disagree.
Layouts CountLayouts() {
    Layouts all{};
    auto set = [&all](Family f, Layout l) { all[static_cast<size_t>(f)] = l; };
    set(Family::Line, LayoutOf<TLineobj>(VisitLine<Counter>));
    set(Family::ExtWall, LayoutOf<TExtwallobj>(VisitExtWall<Counter>));
    set(Family::IntWall, LayoutOf<TIntwallobj>(VisitIntWall<Counter>));
    set(Family::Arrow, LayoutOf<TArrowobj>(VisitArrow<Counter>));
    set(Family::Dimension, LayoutOf<TDimensobj>(VisitDimension<Counter>));
    set(Family::Opening, LayoutOf<TOpeningobj>(VisitOpening<Counter>));
    set(Family::Room, LayoutOf<TRoomobj>(VisitRoom<Counter>));
    set(Family::Poly, LayoutOf<TPolyobj>(VisitPoly<Counter>));
    set(Family::Info, LayoutOf<TInfoobj>(VisitInfo<Counter>));
    set(Family::Text, LayoutOf<TTextobj>(VisitText<Counter>));
    set(Family::Arc, LayoutOf<TArcobj>(VisitArc<Counter>));
    set(Family::Box, LayoutOf<TObject>(VisitBox<Counter>));
    set(Family::RoundRect, LayoutOf<TRndrectobj>(VisitRoundRect<Counter>));
    int32_t most = 0;
    for (const Layout& l : all)
        most = std::max(most, l.numbers + (l.countAt < 0 ? 0 : 3 * TPolyobj::kMaxPoints));
    if (most != kMostNumbers) LayoutFault("kMostNumbers is not the size of the largest record");
    return all;
}

const Layouts kLayouts = CountLayouts();

Layout LayoutFor(Family family) {
    return kLayouts[static_cast<size_t>(family)];
}

// Takes the numbers of a record whose kind line has been read: the head up to the point count, then
// the points the count asks for and the rest. False when the record is not whole.
bool TakeRecordNumbers(NumberScanner& scanner, Layout layout, int32_t* out) {
    const int32_t head = layout.countAt < 0 ? layout.numbers : layout.countAt + 1;
    if (!scanner.Take(out, head)) return false;
    if (layout.countAt < 0) return true;
    const int32_t count = out[layout.countAt];
    if (count < 0 || count > TPolyobj::kMaxPoints) return false;
    const int32_t total = layout.numbers + 3 * count;
    if (total > kMostNumbers) return false;
    return scanner.Take(out + head, total - head);
}

int32_t Offset(int32_t v, int32_t origin) {
    int32_t sum = 0;
    if (!__builtin_add_overflow(v, origin, &sum)) return sum;
    return origin < 0 ? INT32_MIN : INT32_MAX; // the sum saturates
}

// Gives an object its record: the numbers already parsed, in field order, then the strings straight
// from the text.
class RecordFiller {
public:
    RecordFiller(const int32_t* numbers, RecordOrigin origin, const char* cur, const char* end)
        : next_(numbers), origin_(origin), cur_(cur), end_(end) {}

    bool ok() const { return ok_; }
    const char* Position() const { return cur_; }

    void I(int32_t& v) { v = *next_++; }
    void X(int32_t& v) { v = Offset(*next_++, origin_.x); }
    void Y(int32_t& v) { v = Offset(*next_++, origin_.y); }
    void C(COLORREF& v) { v = static_cast<COLORREF>(*next_++); }
    void N(int32_t& v) { v = *next_++; }
    void EndLine() {}

    // Takes exactly the stored number of characters: the first string starts right after the one
    // blank that ends the numeric part, so leading blanks survive. Surplus characters beyond the
    // field are skipped, a negative length counts as 0.
    void Str(char* field, int32_t capacity, int32_t& length) {
        if (!ok_) return;
        if (!separatorTaken_) {
            if (cur_ >= end_ || !NumberScanner::IsSpace(*cur_)) {
                ok_ = false;
                return;
            }
            ++cur_;
            separatorTaken_ = true;
        }
        const int64_t stored = std::max<int32_t>(length, 0);
        if (stored > end_ - cur_) {
            ok_ = false;
            return;
        }
        const int32_t kept = static_cast<int32_t>(std::min<int64_t>(stored, capacity));
        std::memcpy(field, cur_, static_cast<size_t>(kept));
        field[kept] = '\0';
        length = kept;
        cur_ += stored;
    }
    void EndStrings() {}

private:
    const int32_t* next_;
    RecordOrigin origin_;
    const char* cur_;
    const char* end_;
    bool ok_ = true;
    bool separatorTaken_ = false;
};

// Where the readers' objects are made: on the heap, or in a document's pool.
struct HeapMaker {
    template <class T> T* Make() { return new T(); }
    void Discard(TObject* object) { delete object; }
};

struct PoolMaker {
    ObjectPool& pool;
    template <class T> T* Make() { return pool.Make<T>(); }
    void Discard(TObject* object) { pool.Destroy(object); }
};

template <class T, class Maker, class Filler, class Visit>
TObject* Build(Maker& maker, Filler& f, Visit visit) {
    T* object = maker.template Make<T>();
    visit(f, *object);
    return object;
}

// Builds the object of the kind's class and fills it, without a type test.
template <class Maker, class Filler> TObject* BuildRecord(Maker& m, Filler& f, Family family, int32_t kind) {
    switch (family) {
    case Family::Line:
        return Build<TLineobj>(m, f, VisitLine<Filler>);
    case Family::ExtWall:
        return Build<TExtwallobj>(m, f, VisitExtWall<Filler>);
    case Family::IntWall:
        return Build<TIntwallobj>(m, f, VisitIntWall<Filler>);
    case Family::Arrow:
        return Build<TArrowobj>(m, f, VisitArrow<Filler>);
    case Family::Dimension:
        return Build<TDimensobj>(m, f, VisitDimension<Filler>);
    case Family::Opening:
        return Build<TOpeningobj>(m, f, VisitOpening<Filler>);
    case Family::Room:
        return Build<TRoomobj>(m, f, VisitRoom<Filler>);
    case Family::Poly:
        return Build<TPolyobj>(m, f, VisitPoly<Filler>);
    case Family::Info:
        return Build<TInfoobj>(m, f, VisitInfo<Filler>);
    case Family::Text:
        return Build<TTextobj>(m, f, VisitText<Filler>);
    case Family::Arc:
        return Build<TArcobj>(m, f, VisitArc<Filler>);
    case Family::Box:
        if (kind == kEllipse) return Build<TEllipseobj>(m, f, VisitBox<Filler>);
        if (kind == kRectangle) return Build<TRectangleobj>(m, f, VisitBox<Filler>);
        return Build<TCircleobj>(m, f, VisitBox<Filler>);
    case Family::RoundRect:
        return Build<TRndrectobj>(m, f, VisitRoundRect<Filler>);
    case Family::None:
        break;
    }
    return nullptr;
}

// Leaves every field as the object's constructor set it.
struct NoFields {
    void I(int32_t&) {}
    void X(int32_t&) {}
    void Y(int32_t&) {}
    void C(COLORREF&) {}
    void N(int32_t&) {}
    void EndLine() {}
    void Str(char*, int32_t, int32_t&) {}
    void EndStrings() {}
};

} // namespace

std::unique_ptr<TObject> MakeObjectForKind(int32_t kind, RecordKinds kinds) {
    HeapMaker maker;
    NoFields none;
    return std::unique_ptr<TObject>(BuildRecord(maker, none, FamilyOf(kind, kinds), kind));
}

bool RecordReader::ReadHeader(int32_t values[6]) {
    int32_t v[6] = {};
    if (!numbers_.Take(v, 6)) return false;
    std::copy(v, v + 6, values);
    return true;
}

template <class Maker>
RecordReader::Status RecordReader::Read(RecordOrigin origin, RecordKinds kinds, Maker& maker,
                                        TObject*& object) {
    object = nullptr;
    int32_t kind = 0;
    // No kind line: the end of the text, or damage.
    if (!numbers_.TakeOne(kind)) return numbers_.AtEnd() ? Status::End : Status::Damaged;
    const Family family = FamilyOf(kind, kinds);
    // A kind of no family builds nothing and reads nothing further: the next line is a kind line.
    if (family == Family::None) return Status::Skipped;
    int32_t numbers[kMostNumbers];
    // The record repeats its kind; a different one means the lines have slipped.
    if (!TakeRecordNumbers(numbers_, LayoutFor(family), numbers) || numbers[0] != kind)
        return Status::Damaged;
    const char* const afterNumbers = numbers_.Position();
    RecordFiller filler(numbers, origin, afterNumbers, text_.data() + text_.size());
    TObject* made = BuildRecord(maker, filler, family, kind);
    if (!filler.ok()) {
        maker.Discard(made);
        return Status::Damaged;
    }
    // The strings after the numbers were read from the text itself.
    if (filler.Position() != afterNumbers) numbers_.MoveTo(filler.Position());
    object = made;
    return Status::Object;
}

RecordReader::Status RecordReader::Next(RecordOrigin origin, std::unique_ptr<TObject>& object,
                                        RecordKinds kinds) {
    HeapMaker maker;
    TObject* made = nullptr;
    const Status status = Read(origin, kinds, maker, made);
    object.reset(made);
    return status;
}

RecordReader::Status RecordReader::Next(RecordOrigin origin, ObjectPool& pool, TObject*& object,
                                        RecordKinds kinds) {
    PoolMaker maker{pool};
    return Read(origin, kinds, maker, object);
}
