#include "tests/document/document_fixture.h"

#include <sstream>

namespace make {

namespace {
int32_t next = 1;
int32_t Unique() {
    return next++;
}

template <class T> void Common(T& o, int32_t kind) {
    o.view = kGroundFloor;
    o.kind = kind;
    o.penWidth = 2;
    o.penStyle = 1;
    o.id = 10000 + Unique();
    o.group = Unique();
    o.colour = RGB(10, 20, 30);
}
} // namespace

std::unique_ptr<TLineobj> Line(int32_t kind, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    auto o = std::make_unique<TLineobj>();
    Common(*o, kind);
    o->x1 = x1, o->y1 = y1, o->x2 = x2, o->y2 = y2, o->aux1 = Unique(), o->aux2 = Unique();
    o->angle = 900, o->extra = Unique();
    return o;
}

std::unique_ptr<TTextobj> Text(int32_t kind, int32_t x, int32_t y, const char* text, const char* font) {
    auto o = std::make_unique<TTextobj>();
    Common(*o, kind);
    o->penWidth = 1, o->penStyle = 0; // texts carry no pen in their record
    o->x1 = x, o->y1 = y, o->x2 = 1800, o->y2 = Unique(), o->aux1 = 1;
    o->SetText(text);
    o->SetFontName(font);
    o->angle = 2700, o->style = 6, o->weight = 700, o->height = 250;
    return o;
}

std::unique_ptr<TExtwallobj> ExtWall(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    auto o = std::make_unique<TExtwallobj>();
    Common(*o, kExtWall);
    o->penWidth = 1, o->penStyle = 0;
    o->x1 = x1, o->y1 = y1, o->x2 = x2, o->y2 = y2, o->aux1 = -25, o->aux2 = 2550;
    o->thickness1 = 110, o->thickness2 = 55, o->thickness3 = 110, o->setting1 = Unique();
    o->setting2 = Unique(), o->state = 1, o->direction = 900;
    o->p1x = x1, o->p1y = y1 - 110, o->p2x = x2, o->p2y = y2 - 110, o->p3x = x1, o->p3y = y1 - 165;
    o->p4x = x2, o->p4y = y2 - 165, o->p5x = x1, o->p5y = y1 - 275, o->p6x = x2, o->p6y = y2 - 275;
    o->value1 = Unique(), o->value2 = Unique();
    for (int32_t& a : o->attr)
        a = Unique();
    return o;
}

std::unique_ptr<TIntwallobj> IntWall(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t thickness) {
    auto o = std::make_unique<TIntwallobj>();
    Common(*o, kIntWall);
    o->penWidth = 1, o->penStyle = 0;
    o->x1 = x1, o->y1 = y1, o->x2 = x2, o->y2 = y2, o->aux1 = 0, o->aux2 = 7;
    o->thickness = thickness, o->setting1 = Unique(), o->setting2 = Unique(), o->setting3 = 3;
    o->setting4 = Unique(), o->state = 1, o->direction = 0;
    o->q1x = x1, o->q1value = Unique(), o->q1y = y1 - thickness, o->q2x = x2, o->q2y = y2 - thickness;
    for (int32_t& a : o->attr)
        a = Unique();
    o->value1 = Unique(), o->value2 = Unique();
    return o;
}

std::unique_ptr<TArrowobj> Arrow(int32_t kind, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    auto o = std::make_unique<TArrowobj>();
    Common(*o, kind);
    o->penWidth = 1, o->penStyle = 0;
    o->x1 = x1, o->y1 = y1, o->x2 = x2, o->y2 = y2;
    o->h1x = x1 + 10, o->h1y = y1 + 5, o->h2x = x1 + 10, o->h2y = y1 - 5;
    o->h3x = x1, o->h3y = y1 + 20, o->h4x = x1, o->h4y = y1 - 20;
    return o;
}

std::unique_ptr<TDimensobj> Dimension(int32_t kind, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    auto o = std::make_unique<TDimensobj>();
    Common(*o, kind);
    o->penWidth = 1, o->penStyle = 0;
    o->x1 = x1, o->y1 = y1, o->x2 = x2, o->y2 = y2;
    o->value = 2, o->d1x = x2 + 100, o->d1y = y2, o->d2x = x2 + 50, o->d2y = y2, o->value2 = 900;
    return o;
}

std::unique_ptr<TPolyobj> Polygon(int32_t kind, int32_t points, int32_t x, int32_t y) {
    auto o = std::make_unique<TPolyobj>();
    Common(*o, kind);
    o->penWidth = 1, o->penStyle = 0;
    o->count = points;
    for (int32_t i = 0; i < points; ++i)
        o->px[i] = x + 10 * i, o->py[i] = y - 7 * i, o->ph[i] = 5 * i - 3;
    for (int32_t& a : o->attr)
        a = Unique();
    o->p1 = Unique(), o->p2 = Unique(), o->p3 = Unique(), o->p4 = Unique(), o->p5 = Unique();
    o->p6 = RGB(1, 2, 3);
    return o;
}

std::unique_ptr<TOpeningobj> Opening(int32_t x, int32_t y) {
    auto o = std::make_unique<TOpeningobj>();
    Common(*o, kOpening);
    o->penWidth = 1, o->penStyle = 0;
    o->count = 4;
    for (int32_t i = 0; i < 4; ++i)
        o->px[i] = x + 100 * (i % 2), o->py[i] = y + 50 * (i / 2), o->ph[i] = 900;
    for (int32_t& a : o->attr)
        a = Unique();
    o->p1 = Unique(), o->p2 = Unique(), o->p3 = Unique(), o->p4 = Unique(), o->p5 = Unique();
    o->p6 = Unique(), o->value1 = Unique(), o->value2 = Unique();
    return o;
}

std::unique_ptr<TRoomobj> Room(int32_t kind, int32_t left, int32_t top, int32_t right, int32_t bottom,
                               const char* name) {
    auto o = std::make_unique<TRoomobj>();
    Common(*o, kind);
    o->penWidth = 1, o->penStyle = 0, o->colour = PenColour;
    o->x1 = left, o->y1 = top, o->x2 = right, o->y2 = bottom;
    o->value1 = 2, o->value2 = 250, o->value3 = right - left, o->value4 = top - bottom;
    o->fillColour = RGB(200, 220, 255);
    o->SetName(name);
    o->SetWidthText("3600");
    o->SetLengthText("4200 x");
    return o;
}

std::unique_ptr<TInfoobj> FloorRecord(int32_t floor) {
    auto o = std::make_unique<TInfoobj>();
    Common(*o, floor + kFloorRecordBase);
    o->view = floor, o->aux1 = 25, o->aux2 = 2550, o->x1 = 1, o->x2 = 2, o->y1 = 3, o->y2 = 4;
    o->value = 120;
    return o;
}

std::unique_ptr<TArcobj> Arc(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    auto o = std::make_unique<TArcobj>();
    Common(*o, kArc);
    o->x1 = x1, o->y1 = y1, o->x2 = x2, o->y2 = y2, o->aux1 = 3, o->aux2 = 4;
    o->sx = x2, o->sy = (y1 + y2) / 2, o->ex = (x1 + x2) / 2, o->ey = y1;
    return o;
}

std::unique_ptr<TObject> Box(int32_t kind, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    std::unique_ptr<TObject> o;
    if (kind == kEllipse) o = std::make_unique<TEllipseobj>();
    if (kind == kCircle) o = std::make_unique<TCircleobj>();
    if (kind == kRectangle) o = std::make_unique<TRectangleobj>();
    if (kind == kRoundRect) {
        auto r = std::make_unique<TRndrectobj>();
        r->corner = 40;
        o = std::move(r);
    }
    Common(*o, kind);
    o->x1 = x1, o->y1 = y1, o->x2 = x2, o->y2 = y2, o->aux1 = 8, o->aux2 = 9;
    return o;
}

std::vector<std::unique_ptr<TObject>> OneOfEveryKind(int32_t cx, int32_t cy) {
    std::vector<std::unique_ptr<TObject>> all;
    for (int32_t k : {kLine, kOutlineLine, 41, 99, kMarkerLineFirst, kMarkerLineLast})
        all.push_back(Line(k, cx - 300, cy + 200, cx + 400, cy - 100));
    all.push_back(ExtWall(cx - 5000, cy + 4000, cx + 5000, cy + 4000));
    all.push_back(IntWall(cx - 1000, cy, cx + 1000, cy, 100));
    all.push_back(Arrow(kAutoArrow, cx, cy, cx + 600, cy));
    all.push_back(Arrow(kManualArrow, cx, cy - 10, cx, cy + 600));
    all.push_back(Dimension(kAutoDimension, cx, cy, cx + 3000, cy));
    all.push_back(Dimension(kManualDimension, cx - 1, cy - 1, cx - 3000, cy - 1));
    all.push_back(Opening(cx + 77, cy - 77));
    all.push_back(Room(kDesignRoom, cx - 2000, cy + 1500, cx + 1000, cy - 500, "living room"));
    all.push_back(Room(kReopenedRoom, cx, cy, cx + 10, cy - 10, " lead blank"));
    all.push_back(Room(kFinishedRoom, cx, cy, cx + 3600, cy - 4200, "bed 2"));
    for (int32_t k : {kOpeningPolygon, 131, 200, 500, 24999, kMarkerPolygon})
        all.push_back(Polygon(k, k == 500 ? 17 : 3, cx - 50, cy + 50));
    all.push_back(Polygon(300, 0, cx, cy));
    for (int32_t f : {kGroundFloor, kFirstFloor, kSecondFloor, kFourthLevel})
        all.push_back(FloorRecord(f));
    all.push_back(FloorRecord(32101 - kFloorRecordBase));
    for (int32_t k : {kText, kDialogText, kAutoDimensionText, kSizeLabel, kRoomNameLabel, kFloorTitle})
        all.push_back(Text(k, cx + 12, cy - 34, "Kitchen  & dining", "DejaVu Sans"));
    all.push_back(Text(kText, cx, cy, "  two leading blanks", " Font"));
    all.push_back(Text(kText, cx, cy, "", ""));
    all.push_back(Arc(cx - 100, cy + 100, cx + 100, cy - 100));
    for (int32_t k : {kEllipse, kCircle, kRectangle, kRoundRect})
        all.push_back(Box(k, cx - 20 * k, cy + 30, cx + 20, cy - 40 * k));
    return all;
}

} // namespace make

namespace {

void Put(std::ostringstream& s, const char* name, int64_t v) {
    s << name << '=' << v << ' ';
}
void PutArray(std::ostringstream& s, const char* name, const int32_t* v, int n) {
    s << name << "=[";
    for (int i = 0; i < n; ++i)
        s << v[i] << (i + 1 < n ? "," : "");
    s << "] ";
}

} // namespace

std::string Describe(const TObject& o) {
    std::ostringstream s;
    s << typeid(o).name() << ' ';
    Put(s, "view", o.view), Put(s, "kind", o.kind), Put(s, "penWidth", o.penWidth);
    Put(s, "penStyle", o.penStyle), Put(s, "id", o.id), Put(s, "group", o.group), Put(s, "x1", o.x1);
    Put(s, "aux1", o.aux1), Put(s, "x2", o.x2), Put(s, "aux2", o.aux2), Put(s, "y1", o.y1);
    Put(s, "y2", o.y2), Put(s, "colour", o.colour);
    if (auto* l = dynamic_cast<const TLineobj*>(&o)) Put(s, "angle", l->angle), Put(s, "extra", l->extra);
    if (auto* t = dynamic_cast<const TTextobj*>(&o)) {
        s << "text='" << t->text << "' font='" << t->fontName << "' ";
        Put(s, "textLength", t->textLength), Put(s, "fontNameLength", t->fontNameLength);
        Put(s, "angle", t->angle), Put(s, "style", t->style), Put(s, "weight", t->weight);
        Put(s, "height", t->height);
    }
    if (auto* w = dynamic_cast<const TExtwallobj*>(&o)) {
        const int32_t v[] = {w->thickness1, w->thickness2, w->thickness3, w->setting1, w->setting2, w->state,
                             w->direction,  w->p1x,        w->p1y,        w->p2x,      w->p2y,      w->p3x,
                             w->p3y,        w->p4x,        w->p4y,        w->p5x,      w->p5y,      w->p6x,
                             w->p6y,        w->value1,     w->value2};
        PutArray(s, "wall", v, 21), PutArray(s, "attr", w->attr, 4);
    }
    if (auto* w = dynamic_cast<const TIntwallobj*>(&o)) {
        const int32_t v[] = {w->thickness, w->setting1,  w->setting2, w->setting3, w->setting4,
                             w->state,     w->direction, w->q1x,      w->q1value,  w->q1y,
                             w->q2x,       w->q2y,       w->value1,   w->value2};
        PutArray(s, "wall", v, 14), PutArray(s, "attr", w->attr, 4);
    }
    if (auto* a = dynamic_cast<const TArrowobj*>(&o)) {
        const int32_t v[] = {a->h1x, a->h1y, a->h2x, a->h2y, a->h3x, a->h3y, a->h4x, a->h4y};
        PutArray(s, "head", v, 8);
    }
    if (auto* d = dynamic_cast<const TDimensobj*>(&o)) {
        const int32_t v[] = {d->value, d->d1x, d->d1y, d->d2x, d->d2y, d->value2};
        PutArray(s, "dim", v, 6);
    }
    if (auto* p = dynamic_cast<const TPolyobj*>(&o)) {
        PutArray(s, "px", p->px, 17), PutArray(s, "py", p->py, 17), PutArray(s, "ph", p->ph, 17);
        PutArray(s, "attr", p->attr, 4);
        const int32_t v[] = {p->count, p->p1, p->p2, p->p3, p->p4, p->p5, p->p6};
        PutArray(s, "poly", v, 7);
    }
    if (auto* op = dynamic_cast<const TOpeningobj*>(&o))
        Put(s, "value1", op->value1), Put(s, "value2", op->value2);
    if (auto* r = dynamic_cast<const TRoomobj*>(&o)) {
        const int32_t v[] = {
            r->nameLength, r->widthTextLength, r->lengthTextLength, r->value1,
            r->value2,     r->value3,          r->value4,           static_cast<int32_t>(r->fillColour)};
        PutArray(s, "room", v, 8);
        s << "name='" << r->name << "' width='" << r->widthText << "' length='" << r->lengthText << "' ";
    }
    if (auto* i = dynamic_cast<const TInfoobj*>(&o)) Put(s, "value", i->value);
    if (auto* a = dynamic_cast<const TArcobj*>(&o)) {
        const int32_t v[] = {a->sx, a->sy, a->ex, a->ey};
        PutArray(s, "arc", v, 4);
    }
    if (auto* r = dynamic_cast<const TRndrectobj*>(&o)) Put(s, "corner", r->corner);
    return s.str();
}
