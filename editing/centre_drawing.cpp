#include "editing/centre_drawing.h"

#include <algorithm>
#include <limits>

#include "document/checked_file.h"
#include "document/document.h"
#include "document/objects.h"
#include "document/program_state.h"

namespace editing {

namespace {

constexpr int32_t kBoxStartMin = 300000;
constexpr int32_t kBoxStartMax = 0;

// A damaged record can hold coordinates near the ends of the range: the sum stays inside it.
void Add(int32_t& value, int32_t delta) {
    const int64_t sum = int64_t{value} + delta;
    value = static_cast<int32_t>(
        std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

void AddPoint(int32_t& x, int32_t& y, int32_t dx, int32_t dy) {
    Add(x, dx);
    Add(y, dy);
}

// One axis of the box. A value that lowers the minimum is not compared with the maximum, so the first
// value seen becomes the minimum only; a closed outline always brings a later, larger one.
struct Range {
    int32_t min = kBoxStartMin;
    int32_t max = kBoxStartMax;
    bool seen = false;

    void Note(int32_t v) {
        seen = true;
        if (v < min)
            min = v;
        else if (v > max)
            max = v;
    }
    // The box centre is taken as the maximum less half the extent.
    int32_t OffsetTo(int32_t centre) const {
        const int64_t middle = int64_t{max} - (int64_t{max} - min) / 2;
        return static_cast<int32_t>(std::clamp<int64_t>(centre - middle, std::numeric_limits<int32_t>::min(),
                                                         std::numeric_limits<int32_t>::max()));
    }
};

bool IsShapeKind(int32_t k) {
    return k >= kEllipse && k <= kRoundRect;
}

// The plain lines of a drawing: the marker lines of the room layout do not count for the site plan.
bool IsDrawnLineKind(int32_t k) {
    return k == kLine || k == kOutlineLine || (k >= kLineTypeFirst && k <= kLineTypeLast);
}

void NoteForBox(const TObject& o, int32_t mode, Range& xs, Range& ys) {
    const int32_t k = o.kind;
    const bool corners = mode == kSitePlan ? IsDrawnLineKind(k) || IsShapeKind(k) || k == kExtWall || k == kIntWall
                                           : k == kExtWall;
    if (corners) {
        xs.Note(o.x1);
        xs.Note(o.x2);
        ys.Note(o.y1);
        ys.Note(o.y2);
    } else if (mode == kSitePlan && IsTextKind(k)) {
        xs.Note(o.x1);
        ys.Note(o.y1);
    }
}

void TranslateCorners(TObject& o, int32_t dx, int32_t dy) {
    AddPoint(o.x1, o.y1, dx, dy);
    AddPoint(o.x2, o.y2, dx, dy);
}

void TranslateExtWall(TObject& o, int32_t dx, int32_t dy) {
    TranslateCorners(o, dx, dy);
    auto* w = dynamic_cast<TExtwallobj*>(&o);
    if (!w) return;
    // Every layer line, whatever the wall's thicknesses: a layer added later starts in the right place.
    for (int32_t* p : {&w->p1x, &w->p2x, &w->p3x, &w->p4x, &w->p5x, &w->p6x})
        Add(*p, dx);
    for (int32_t* p : {&w->p1y, &w->p2y, &w->p3y, &w->p4y, &w->p5y, &w->p6y})
        Add(*p, dy);
}

void TranslateIntWall(TObject& o, int32_t dx, int32_t dy) {
    TranslateCorners(o, dx, dy);
    if (auto* w = dynamic_cast<TIntwallobj*>(&o)) {
        AddPoint(w->q1x, w->q1y, dx, dy);
        AddPoint(w->q2x, w->q2y, dx, dy);
    }
}

void TranslateArc(TObject& o, int32_t dx, int32_t dy) {
    TranslateCorners(o, dx, dy);
    if (auto* a = dynamic_cast<TArcobj*>(&o)) {
        AddPoint(a->sx, a->sy, dx, dy);
        AddPoint(a->ex, a->ey, dx, dy);
    }
}

void TranslateArrow(TObject& o, int32_t dx, int32_t dy) {
    TranslateCorners(o, dx, dy);
    if (auto* a = dynamic_cast<TArrowobj*>(&o)) {
        AddPoint(a->h1x, a->h1y, dx, dy);
        AddPoint(a->h2x, a->h2y, dx, dy);
        AddPoint(a->h3x, a->h3y, dx, dy);
        AddPoint(a->h4x, a->h4y, dx, dy);
    }
}

void TranslateDimension(TObject& o, int32_t dx, int32_t dy) {
    TranslateCorners(o, dx, dy);
    if (auto* d = dynamic_cast<TDimensobj*>(&o)) {
        AddPoint(d->d1x, d->d1y, dx, dy);
        AddPoint(d->d2x, d->d2y, dx, dy);
    }
}

void TranslatePoints(TObject& o, int32_t dx, int32_t dy) {
    auto* poly = dynamic_cast<TPolyobj*>(&o);
    if (!poly) return;
    const int32_t n = std::clamp(poly->count, 0, TPolyobj::kMaxPoints);
    for (int32_t i = 0; i < n; ++i)
        AddPoint(poly->px[i], poly->py[i], dx, dy);
}

} // namespace

void TranslateForCentring(TObject& o, int32_t dx, int32_t dy) {
    const int32_t k = o.kind;
    if (IsLineKind(k) || IsTextKind(k) || IsShapeKind(k) || IsRoomRecordKind(k) || IsFloorRecordKind(k)) {
        TranslateCorners(o, dx, dy);
    } else if (k == kArc) {
        TranslateArc(o, dx, dy);
    } else if (k == kExtWall) {
        TranslateExtWall(o, dx, dy);
    } else if (k == kIntWall) {
        TranslateIntWall(o, dx, dy);
    } else if (IsArrowKind(k)) {
        TranslateArrow(o, dx, dy);
    } else if (IsDimensionKind(k)) {
        TranslateDimension(o, dx, dy);
    } else if (IsPolygonKind(k) || k == kMarkerPolygon || k == kOpening) {
        TranslatePoints(o, dx, dy);
    }
}

} // namespace editing

void CentreDrawing(TDrawingtool&, int32_t mode) {
    editing::Range xs;
    editing::Range ys;
    for (int32_t i = 0; i < ObjectList.count; ++i) {
        const TObject* o = ObjectList[i];
        if (o && o->view == CurrentView) editing::NoteForBox(*o, mode, xs, ys);
    }
    // Nothing to centre on: the floor stays where it is rather than jumping by the box's start values,
    // and is still written, since the callers' edits are saved here.
    if (xs.seen && ys.seen) {
        const int32_t cx = SheetWidth * ZoomDivisor / 2;
        const int32_t cy = SheetHeight * ZoomDivisor / 2;
        const int32_t dx = xs.OffsetTo(cx);
        const int32_t dy = ys.OffsetTo(cy);
        for (int32_t i = 0; i < ObjectList.count; ++i) {
            TObject* o = ObjectList[i];
            if (o && o->view == CurrentView) editing::TranslateForCentring(*o, dx, dy);
        }
    }
    // A failed write has been told; the document in memory keeps the centred floor.
    (void)WriteOrTell(ObjectList, filemode::kWorking);
}
