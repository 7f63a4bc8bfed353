#include "document/record_format.h"

#include <algorithm>
#include <charconv>
#include <cstring>

int32_t Clamp32(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

namespace {

bool IsSpace(char c) {
    return c == ' ' || static_cast<unsigned char>(c - '\t') < 5;
}

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

Family DrawingFamilyOf(int32_t k) {
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
    return kinds == RecordKinds::Paste ? PasteFamilyOf(k) : DrawingFamilyOf(k);
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

class RecordParser {
public:
    RecordParser(RecordReader& reader, RecordOrigin origin)
        : reader_(reader), cur_(reader.text_.data() + reader.pos_),
          end_(reader.text_.data() + reader.text_.size()), origin_(origin) {}
    ~RecordParser() { reader_.pos_ = static_cast<size_t>(cur_ - reader_.text_.data()); }
    RecordParser(const RecordParser&) = delete;
    RecordParser& operator=(const RecordParser&) = delete;

    bool ok() const { return ok_; }

    void I(int32_t& v) { ReadInt(v); }
    void X(int32_t& v) {
        if (ReadInt(v)) v = Clamp32(int64_t{v} + origin_.x);
    }
    void Y(int32_t& v) {
        if (ReadInt(v)) v = Clamp32(int64_t{v} + origin_.y);
    }
    void C(COLORREF& v) {
        int32_t c = 0;
        if (ReadInt(c)) v = static_cast<COLORREF>(c);
    }
    void N(int32_t& v) {
        if (ReadInt(v) && (v < 0 || v > TPolyobj::kMaxPoints)) ok_ = false;
    }
    void EndLine() {}

    // Takes exactly the stored number of characters: the first string starts right after the one
    // blank that ends the numeric part, so leading blanks survive. Surplus characters beyond the
    // field are skipped, a negative length counts as 0.
    void Str(char* field, int32_t capacity, int32_t& length) {
        if (!ok_) return;
        if (!separatorTaken_) {
            if (cur_ >= end_ || !IsSpace(*cur_)) {
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

    bool AtEnd() {
        while (cur_ < end_ && IsSpace(*cur_))
            ++cur_;
        return cur_ >= end_;
    }

    // An optionally signed decimal within the 32-bit range; anything else fails the record.
    bool ReadInt(int32_t& v) {
        if (!ok_) return false;
        const char* p = cur_;
        while (p < end_ && IsSpace(*p))
            ++p;
        const char* next = ParseInt(p, end_, v);
        if (!next) {
            ok_ = false;
            return false;
        }
        cur_ = next;
        return true;
    }

    // An optionally signed decimal of at most ten digits within the 32-bit range; null otherwise.
    [[gnu::noinline]] static const char* ParseInt(const char* p, const char* end, int32_t& v) {
        bool negative = false;
        if (p < end && (*p == '-' || *p == '+')) negative = *p++ == '-';
        const char* const digits = p;
        const char* const limit = end - p > 10 ? p + 10 : end;
        uint64_t value = 0;
        while (p < limit) {
            const unsigned d = static_cast<unsigned char>(*p) - unsigned{'0'};
            if (d > 9) break;
            value = value * 10 + d;
            ++p;
        }
        if (p == digits || (p < end && static_cast<unsigned char>(*p) - unsigned{'0'} <= 9)) return nullptr;
        if (value > (negative ? 2147483648ull : 2147483647ull)) return nullptr;
        v = negative ? static_cast<int32_t>(-static_cast<int64_t>(value)) : static_cast<int32_t>(value);
        return p;
    }

private:
    RecordReader& reader_;
    const char* cur_;
    const char* end_;
    RecordOrigin origin_;
    bool ok_ = true;
    bool separatorTaken_ = false;
};

std::unique_ptr<TObject> MakeObjectForKind(int32_t kind, RecordKinds kinds) {
    switch (FamilyOf(kind, kinds)) {
    case Family::Line:
        return std::make_unique<TLineobj>();
    case Family::ExtWall:
        return std::make_unique<TExtwallobj>();
    case Family::IntWall:
        return std::make_unique<TIntwallobj>();
    case Family::Arrow:
        return std::make_unique<TArrowobj>();
    case Family::Dimension:
        return std::make_unique<TDimensobj>();
    case Family::Opening:
        return std::make_unique<TOpeningobj>();
    case Family::Room:
        return std::make_unique<TRoomobj>();
    case Family::Poly:
        return std::make_unique<TPolyobj>();
    case Family::Info:
        return std::make_unique<TInfoobj>();
    case Family::Text:
        return std::make_unique<TTextobj>();
    case Family::Arc:
        return std::make_unique<TArcobj>();
    case Family::Box:
        if (kind == kEllipse) return std::make_unique<TEllipseobj>();
        if (kind == kRectangle) return std::make_unique<TRectangleobj>();
        return std::make_unique<TCircleobj>();
    case Family::RoundRect:
        return std::make_unique<TRndrectobj>();
    case Family::None:
        break;
    }
    return nullptr;
}

bool RecordReader::ReadHeader(int32_t values[6]) {
    RecordParser p(*this, {});
    int32_t v[6] = {};
    for (int32_t& x : v)
        p.ReadInt(x);
    if (!p.ok()) return false;
    std::copy(v, v + 6, values);
    return true;
}

namespace {

// Builds the object of the kind's class and reads its record into it, without a type test.
template <class T, class Fn> std::unique_ptr<TObject> ReadAs(RecordParser& p, Fn visit) {
    auto object = std::make_unique<T>();
    visit(p, *object);
    return object;
}

std::unique_ptr<TObject> ReadRecordOf(RecordParser& p, int32_t kind, RecordKinds kinds) {
    switch (FamilyOf(kind, kinds)) {
    case Family::Line:
        return ReadAs<TLineobj>(p, VisitLine<RecordParser>);
    case Family::ExtWall:
        return ReadAs<TExtwallobj>(p, VisitExtWall<RecordParser>);
    case Family::IntWall:
        return ReadAs<TIntwallobj>(p, VisitIntWall<RecordParser>);
    case Family::Arrow:
        return ReadAs<TArrowobj>(p, VisitArrow<RecordParser>);
    case Family::Dimension:
        return ReadAs<TDimensobj>(p, VisitDimension<RecordParser>);
    case Family::Opening:
        return ReadAs<TOpeningobj>(p, VisitOpening<RecordParser>);
    case Family::Room:
        return ReadAs<TRoomobj>(p, VisitRoom<RecordParser>);
    case Family::Poly:
        return ReadAs<TPolyobj>(p, VisitPoly<RecordParser>);
    case Family::Info:
        return ReadAs<TInfoobj>(p, VisitInfo<RecordParser>);
    case Family::Text:
        return ReadAs<TTextobj>(p, VisitText<RecordParser>);
    case Family::Arc:
        return ReadAs<TArcobj>(p, VisitArc<RecordParser>);
    case Family::Box:
        if (kind == kEllipse) return ReadAs<TEllipseobj>(p, VisitBox<RecordParser>);
        if (kind == kRectangle) return ReadAs<TRectangleobj>(p, VisitBox<RecordParser>);
        return ReadAs<TCircleobj>(p, VisitBox<RecordParser>);
    case Family::RoundRect:
        return ReadAs<TRndrectobj>(p, VisitRoundRect<RecordParser>);
    case Family::None:
        break;
    }
    return nullptr;
}

} // namespace

RecordReader::Status RecordReader::Next(RecordOrigin origin, std::unique_ptr<TObject>& object,
                                        RecordKinds kinds) {
    object.reset();
    const size_t start = pos_;
    std::unique_ptr<TObject> made;
    bool whole = false;
    {
        RecordParser p(*this, origin);
        if (p.AtEnd()) return Status::End;
        int32_t kind = 0;
        if (!p.ReadInt(kind)) return Status::Damaged;
        // A kind of no family builds nothing and reads nothing further: the next line is a kind line.
        if (FamilyOf(kind, kinds) == Family::None) return Status::Skipped;
        made = ReadRecordOf(p, kind, kinds);
        // The record repeats its kind; a different one means the lines have slipped.
        whole = made && p.ok() && made->kind == kind;
    }
    if (!whole) {
        pos_ = start;
        return Status::Damaged;
    }
    object = std::move(made);
    return Status::Object;
}
