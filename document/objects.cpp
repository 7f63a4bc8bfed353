#include "document/objects.h"

#include <algorithm>
#include <cstring>

#include "document/program_state.h"

int32_t FloorIdBase(int32_t view) {
    switch (view) {
    case kGroundFloor:
        return 10000;
    case kFirstFloor:
        return 11000;
    case kSecondFloor:
        return 12000;
    case kFourthLevel:
        return 13000;
    default:
        return 0;
    }
}

int32_t NextCompositeId() {
    return ++IdCounter;
}

int32_t NextFloorCompositeId(int32_t view) {
    return FloorIdBase(view) + NextCompositeId();
}

namespace {

// Copies at most `capacity` characters and terminates; returns the stored length.
int32_t StoreString(char* field, int32_t capacity, const char* s) {
    const size_t n = s ? std::min<size_t>(std::strlen(s), static_cast<size_t>(capacity)) : 0;
    if (n > 0) std::memcpy(field, s, n);
    field[n] = '\0';
    return static_cast<int32_t>(n);
}

} // namespace

TObject::TObject() : colour(PenColour) {}

TObject::TObject(int32_t view, int32_t kind, int32_t penWidth, int32_t penStyle, int32_t id, int32_t group,
                 int32_t x1, int32_t aux1, int32_t x2, int32_t aux2, int32_t y1, int32_t y2, COLORREF colour)
    : view(view), kind(kind), penWidth(penWidth), penStyle(penStyle), id(id), group(group), x1(x1),
      aux1(aux1), x2(x2), aux2(aux2), y1(y1), y2(y2), colour(colour) {}

void TObject::CopyInts17(const int32_t* source, int32_t n, int32_t* target) {
    std::fill(target, target + 17, 0);
    n = std::clamp<int32_t>(n, 0, 17);
    if (source) std::copy(source, source + n, target);
}

void TObject::CopyInts4(const int32_t* source, int32_t* target) {
    if (source) std::copy(source, source + 4, target);
}

// A new line starts with no pen width, style or colour: its creator or its record sets them.
TLineobj::TLineobj() {
    penWidth = 0;
    colour = 0;
}

TLineobj::TLineobj(int32_t view, int32_t kind, int32_t penWidth, int32_t penStyle, int32_t id, int32_t group,
                   int32_t x1, int32_t aux1, int32_t x2, int32_t aux2, int32_t y1, int32_t y2,
                   COLORREF colour, int32_t angle, int32_t extra)
    : TObject(view, kind, penWidth, penStyle, id, group, x1, aux1, x2, aux2, y1, y2, colour), angle(angle),
      extra(extra) {}

TTextobj::TTextobj() = default;

TTextobj::TTextobj(int32_t view, int32_t kind, int32_t penWidth, int32_t penStyle, int32_t id, int32_t group,
                   int32_t x1, int32_t aux1, int32_t x2, int32_t aux2, int32_t y1, int32_t y2,
                   COLORREF colour, const char* text, const char* fontName, int32_t angle, int32_t style,
                   int32_t weight, int32_t height)
    : TObject(view, kind, penWidth, penStyle, id, group, x1, aux1, x2, aux2, y1, y2, colour), angle(angle),
      style(style), weight(weight), height(height) {
    SetText(text);
    SetFontName(fontName);
}

void TTextobj::SetText(const char* s) {
    textLength = StoreString(text, kTextCapacity, s);
}
void TTextobj::SetFontName(const char* s) {
    fontNameLength = StoreString(fontName, kFontNameCapacity, s);
}

TExtwallobj::TExtwallobj() = default;

TExtwallobj::TExtwallobj(int32_t view, int32_t kind, int32_t penWidth, int32_t penStyle, int32_t id,
                         int32_t group, int32_t x1, int32_t aux1, int32_t x2, int32_t aux2, int32_t y1,
                         int32_t y2, COLORREF colour, int32_t thickness1, int32_t thickness2,
                         int32_t thickness3, int32_t setting1, int32_t setting2, int32_t state,
                         int32_t direction, const int32_t layerPoints[12], int32_t value1, int32_t value2,
                         const int32_t attr[4])
    : TObject(view, kind, penWidth, penStyle, id, group, x1, aux1, x2, aux2, y1, y2, colour),
      thickness1(thickness1), thickness2(thickness2), thickness3(thickness3), setting1(setting1),
      setting2(setting2), state(state), direction(direction), value1(value1), value2(value2) {
    if (layerPoints) {
        int32_t* const fields[12] = {&p1x, &p1y, &p2x, &p2y, &p3x, &p3y, &p4x, &p4y, &p5x, &p5y, &p6x, &p6y};
        for (int i = 0; i < 12; ++i)
            *fields[i] = layerPoints[i];
    }
    CopyInts4(attr, this->attr);
}

TIntwallobj::TIntwallobj() = default;

TIntwallobj::TIntwallobj(int32_t view, int32_t kind, int32_t penWidth, int32_t penStyle, int32_t id,
                         int32_t group, int32_t x1, int32_t aux1, int32_t x2, int32_t aux2, int32_t y1,
                         int32_t y2, COLORREF colour, int32_t thickness, int32_t setting1, int32_t setting2,
                         int32_t setting3, int32_t setting4, int32_t state, int32_t direction, int32_t q1x,
                         int32_t q1value, int32_t q1y, int32_t q2x, int32_t q2y, const int32_t attr[4],
                         int32_t value1, int32_t value2)
    : TObject(view, kind, penWidth, penStyle, id, group, x1, aux1, x2, aux2, y1, y2, colour),
      thickness(thickness), setting1(setting1), setting2(setting2), setting3(setting3), setting4(setting4),
      state(state), direction(direction), q1x(q1x), q1value(q1value), q1y(q1y), q2x(q2x), q2y(q2y),
      value1(value1), value2(value2) {
    CopyInts4(attr, this->attr);
}

TArrowobj::TArrowobj() = default;

TArrowobj::TArrowobj(int32_t view, int32_t kind, int32_t penWidth, int32_t penStyle, int32_t id,
                     int32_t group, int32_t x1, int32_t aux1, int32_t x2, int32_t aux2, int32_t y1,
                     int32_t y2, COLORREF colour, int32_t h1x, int32_t h1y, int32_t h2x, int32_t h2y,
                     int32_t h3x, int32_t h3y, int32_t h4x, int32_t h4y)
    : TObject(view, kind, penWidth, penStyle, id, group, x1, aux1, x2, aux2, y1, y2, colour), h1x(h1x),
      h1y(h1y), h2x(h2x), h2y(h2y), h3x(h3x), h3y(h3y), h4x(h4x), h4y(h4y) {}

TDimensobj::TDimensobj() = default;

TDimensobj::TDimensobj(int32_t view, int32_t kind, int32_t penWidth, int32_t penStyle, int32_t id,
                       int32_t group, int32_t x1, int32_t aux1, int32_t x2, int32_t aux2, int32_t y1,
                       int32_t y2, COLORREF colour, int32_t value, int32_t d1x, int32_t d1y, int32_t d2x,
                       int32_t d2y, int32_t value2)
    : TObject(view, kind, penWidth, penStyle, id, group, x1, aux1, x2, aux2, y1, y2, colour), value(value),
      d1x(d1x), d1y(d1y), d2x(d2x), d2y(d2y), value2(value2) {}

TPolyobj::TPolyobj() = default;

TPolyobj::TPolyobj(int32_t view, int32_t kind, int32_t penWidth, int32_t penStyle, int32_t id, int32_t group,
                   int32_t x1, int32_t aux1, int32_t x2, int32_t aux2, int32_t y1, int32_t y2,
                   COLORREF colour, const int32_t* px, const int32_t* py, const int32_t* ph,
                   const int32_t attr[4], int32_t count, int32_t p1, int32_t p2, int32_t p3, int32_t p4,
                   int32_t p5, int32_t p6)
    : TObject(view, kind, penWidth, penStyle, id, group, x1, aux1, x2, aux2, y1, y2, colour),
      count(std::clamp<int32_t>(count, 0, kMaxPoints)), p1(p1), p2(p2), p3(p3), p4(p4), p5(p5), p6(p6) {
    CopyInts17(px, this->count, this->px);
    CopyInts17(py, this->count, this->py);
    CopyInts17(ph, this->count, this->ph);
    CopyInts4(attr, this->attr);
}

TOpeningobj::TOpeningobj() = default;

TRoomobj::TRoomobj() = default;

TRoomobj::TRoomobj(int32_t view, int32_t kind, int32_t penWidth, int32_t penStyle, int32_t id, int32_t group,
                   int32_t x1, int32_t aux1, int32_t x2, int32_t aux2, int32_t y1, int32_t y2,
                   COLORREF colour, int32_t value1, int32_t value2, int32_t value3, int32_t value4,
                   COLORREF fillColour, const char* name, const char* widthText, const char* lengthText)
    : TObject(view, kind, penWidth, penStyle, id, group, x1, aux1, x2, aux2, y1, y2, colour), value1(value1),
      value2(value2), value3(value3), value4(value4), fillColour(fillColour) {
    SetName(name);
    SetWidthText(widthText);
    SetLengthText(lengthText);
}

void TRoomobj::SetName(const char* s) {
    nameLength = StoreString(name, kNameCapacity, s);
}
void TRoomobj::SetWidthText(const char* s) {
    widthTextLength = StoreString(widthText, kSizeTextCapacity, s);
}
void TRoomobj::SetLengthText(const char* s) {
    lengthTextLength = StoreString(lengthText, kSizeTextCapacity, s);
}

// A new floor record, like a line, starts with no pen width, style or colour.
TInfoobj::TInfoobj() {
    penWidth = 0;
    colour = 0;
}

TInfoobj::TInfoobj(int32_t view, int32_t kind, int32_t penWidth, int32_t penStyle, int32_t id, int32_t group,
                   int32_t x1, int32_t aux1, int32_t x2, int32_t aux2, int32_t y1, int32_t y2,
                   COLORREF colour, int32_t value)
    : TObject(view, kind, penWidth, penStyle, id, group, x1, aux1, x2, aux2, y1, y2, colour), value(value) {}

TArcobj::TArcobj() = default;

TArcobj::TArcobj(int32_t view, int32_t kind, int32_t penWidth, int32_t penStyle, int32_t id, int32_t group,
                 int32_t x1, int32_t aux1, int32_t x2, int32_t aux2, int32_t y1, int32_t y2, COLORREF colour,
                 int32_t sx, int32_t sy, int32_t ex, int32_t ey)
    : TObject(view, kind, penWidth, penStyle, id, group, x1, aux1, x2, aux2, y1, y2, colour), sx(sx), sy(sy),
      ex(ex), ey(ey) {}

TRndrectobj::TRndrectobj() = default;

TRndrectobj::TRndrectobj(int32_t view, int32_t kind, int32_t penWidth, int32_t penStyle, int32_t id,
                         int32_t group, int32_t x1, int32_t aux1, int32_t x2, int32_t aux2, int32_t y1,
                         int32_t y2, COLORREF colour, int32_t corner)
    : TRectangleobj(view, kind, penWidth, penStyle, id, group, x1, aux1, x2, aux2, y1, y2, colour),
      corner(corner) {}
