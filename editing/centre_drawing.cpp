#include "editing/centre_drawing.h"

#include <algorithm>
#include <limits>

#include "document/checked_file.h"
#include "document/document.h"
#include "document/objects.h"
#include "document/program_state.h"
#include "editing/object_points.h"

namespace editing {

namespace {

constexpr int32_t kBoxStartMin = 300000;
constexpr int32_t kBoxStartMax = 0;

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
    const bool corners = mode == kSitePlan
                             ? IsDrawnLineKind(k) || IsShapeKind(k) || k == kExtWall || k == kIntWall
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
    MovePoint(o.x1, o.y1, dx, dy);
    MovePoint(o.x2, o.y2, dx, dy);
}

// Every layer line of an external wall, whatever its thicknesses: a layer added later starts in the
// right place.
void TranslateOwnPoints(TObject& o, int32_t dx, int32_t dy) {
    ForEachOwnPoint(o, WallLayers::All, [dx, dy](int32_t& x, int32_t& y) { MovePoint(x, y, dx, dy); });
}

} // namespace

void TranslateForCentring(TObject& o, int32_t dx, int32_t dy) {
    const int32_t k = o.kind;
    if (IsLineKind(k) || IsTextKind(k) || IsShapeKind(k) || IsRoomRecordKind(k) || IsFloorRecordKind(k)) {
        TranslateCorners(o, dx, dy);
    } else if (k == kArc || k == kExtWall || k == kIntWall || IsArrowKind(k) || IsDimensionKind(k)) {
        TranslateCorners(o, dx, dy);
        TranslateOwnPoints(o, dx, dy);
    } else if (IsPolygonKind(k) || k == kMarkerPolygon || k == kOpening) {
        TranslateOwnPoints(o, dx, dy);
    }
}

} // namespace editing

namespace editing {

CentringShift CentreViewInMemory(int32_t mode) {
    Range xs;
    Range ys;
    for (int32_t i = 0; i < ObjectList.count; ++i) {
        const TObject* o = ObjectList[i];
        if (o && o->view == CurrentView) NoteForBox(*o, mode, xs, ys);
    }
    // Nothing to centre on: the floor stays where it is rather than jumping by the box's start values.
    if (!xs.seen || !ys.seen) return {};
    const CentringShift shift{xs.OffsetTo(SheetWidth * ZoomDivisor / 2),
                              ys.OffsetTo(SheetHeight * ZoomDivisor / 2)};
    for (int32_t i = 0; i < ObjectList.count; ++i) {
        TObject* o = ObjectList[i];
        if (o && o->view == CurrentView) TranslateForCentring(*o, shift.dx, shift.dy);
    }
    return shift;
}

} // namespace editing

void CentreDrawing(TDrawingtool&, int32_t mode) {
    editing::CentreViewInMemory(mode);
    // Written even when nothing moved, since the callers' edits are saved here. A failed write has
    // been told and has put the step back, the document with it.
    (void)WriteOrTell(ObjectList, filemode::kWorking);
}
