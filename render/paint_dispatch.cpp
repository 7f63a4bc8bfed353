// The one painting entry of every drawing object: chooses the drawing operation from the kind and
// the wall style (tens digit of PlanDisplayMode), makes the object's pen for that one call and
// releases it again.
#include "render/paint_dispatch.h"

#include "document/objects.h"
#include "document/plan_display_modes.h"
#include "document/program_state.h"
#include "platform/dc.h"
#include "render/partition_painting.h"
#include "render/window_setup.h"

namespace {

enum class Target { Screen, Paper, Bitmap };

bool IsWall(int32_t kind) {
    return kind == kExtWall || kind == kIntWall;
}

// Walls shown cross hatched make their own pens, widened from `penWidth`.
bool DrawnHatched(const TObject& object) {
    return IsWall(object.kind) && PlanDisplayMode >= displaymode::kWallsHatched &&
           PlanDisplayMode < displaymode::kWallsSolid;
}

// Texts choose their own font and colour; the filled polygons 200 to 249 make their own pen on the
// screen, and the opening polygon outlines itself with the context's initial pen on paper.
bool DrawnWithoutPen(int32_t kind, Target target) {
    if (IsTextKind(kind)) return true;
    if (target == Target::Screen) return kind >= 200 && kind <= 249;
    return kind == kOpeningPolygon;
}

// The widened width of the printed page and the bitmap must reach every drawing operation of this
// one paint (hatched walls build their own pens from `penWidth`), yet the object has to keep the
// width the user drew: the working file is written after a page with a scale caption.
class PaintTimeWidth {
public:
    PaintTimeWidth(TObject& object, int32_t width) : object_(object), saved_(object.penWidth) {
        object_.penWidth = width;
    }
    ~PaintTimeWidth() { object_.penWidth = saved_; }
    PaintTimeWidth(const PaintTimeWidth&) = delete;
    PaintTimeWidth& operator=(const PaintTimeWidth&) = delete;

private:
    TObject& object_;
    int32_t saved_;
};

// Half a pen `width` device or logical units wide, in stored units of which `divisor` make one of those.
double HalfPenStored(int32_t width, int32_t divisor) {
    return width / 2.0 * (divisor == 0 ? 1 : divisor);
}

// Runs the operation the kind and wall style call for, with the object's pen selected where the
// operation expects one. `Ops` supplies Plain, Solid and Hatched for the target.
template <class Ops>
void Dispatch(TObject& object, TDC& dc, Target target, COLORREF colour, int32_t selected, const Ops& ops) {
    if (DrawnWithoutPen(object.kind, target)) {
        ops.Plain(object, dc);
        return;
    }
    const auto withPen = [&](auto operation) {
        const TPen pen(colour, object.penWidth, object.penStyle);
        dc.SelectObject(pen);
        operation();
        dc.RestoreObjects();
    };
    if (IsWall(object.kind) && PlanDisplayMode >= displaymode::kWallsHatched) {
        if (PlanDisplayMode < displaymode::kWallsSolid) {
            ops.Hatched(object, dc, selected); // makes its own pens
        } else if (PlanDisplayMode < displaymode::kWallsHidden) {
            withPen([&] { ops.Solid(object, dc); });
        }
        return; // hidden walls are not shown
    }
    withPen([&] { ops.Plain(object, dc); });
}

// The object as a partition, which the operations below hand the pass's doorways; null for any other
// object, which runs its own drawing operation.
TIntwallobj* AsPartition(TObject& object) {
    return object.kind == kIntWall ? dynamic_cast<TIntwallobj*>(&object) : nullptr;
}

struct ScreenOperations {
    const render::FaceGapIndex* doorways;
    void Plain(TObject& o, TDC& dc) const {
        if (const TIntwallobj* wall = AsPartition(o))
            render::DrawPartition(dc, *wall, doorways);
        else
            o.Draw(dc);
    }
    void Solid(TObject& o, TDC& dc) const {
        if (const TIntwallobj* wall = AsPartition(o))
            render::DrawSolidPartition(dc, *wall, doorways);
        else
            o.DrawSolid(dc);
    }
    void Hatched(TObject& o, TDC& dc, int32_t selected) const {
        if (TIntwallobj* wall = AsPartition(o))
            render::DrawHatchedPartition(dc, *wall, selected, doorways);
        else
            o.DrawHatched(dc, selected);
    }
};

// The print operations place the points themselves, with the bitmap's divisor and offsets.
struct PrintOperations {
    int32_t divisor, yBase, yOffset;
    const render::FaceGapIndex* doorways;
    void Plain(TObject& o, TDC& dc) const {
        if (const TIntwallobj* wall = AsPartition(o))
            render::PrintPartition(dc, *wall, divisor, yBase, yOffset, doorways);
        else
            o.Print(dc, divisor, yBase, yOffset);
    }
    void Solid(TObject& o, TDC& dc) const {
        if (const TIntwallobj* wall = AsPartition(o))
            render::PrintSolidPartition(dc, *wall, divisor, yBase, yOffset, doorways);
        else
            o.PrintSolid(dc, divisor, yBase, yOffset);
    }
    void Hatched(TObject& o, TDC& dc, int32_t) const {
        if (TIntwallobj* wall = AsPartition(o))
            render::PrintHatchedPartition(dc, *wall, 0, divisor, yBase, yOffset, doorways);
        else
            o.PrintHatched(dc, 0, divisor, yBase, yOffset);
    }
};

} // namespace

namespace render {

std::optional<FaceGapIndex> DoorwaysForWallStyle(const TList& drawing) {
    if (PlanDisplayMode >= displaymode::kWallsHidden) return {};
    return FaceGapIndex(drawing);
}

void PaintOnScreen(TObject& object, TDC& dc, int32_t selected, const FaceGapIndex* doorways) {
    const COLORREF colour = selected >= 1 ? SelectColour : object.colour;
    const FaceGapDrawnIn drawnIn(object, HalfPenStored(object.penWidth, ZoomDivisor));
    Dispatch(object, dc, Target::Screen, colour, selected, ScreenOperations{doorways});
}

void PaintOnPaper(TObject& object, TDC& dc, const FaceGapIndex* doorways) {
    const int32_t w = object.penWidth == 2 ? 2 : 1;
    // A hatched wall widens its own pens by PenScale, as on the screen; widened here as well, its
    // outline would reach far past both faces and its hatch strokes would run into one band.
    const bool widened = object.penStyle != 2 && !DrawnHatched(object);
    const PaintTimeWidth width(object, widened ? w * PenScale : w);
    const FaceGapDrawnIn drawnIn(object, HalfPenStored(object.penWidth, ZoomDivisor));
    Dispatch(object, dc, Target::Paper, object.colour, 0, ScreenOperations{doorways});
}

void PaintInBitmap(TObject& object, TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset,
                   const FaceGapIndex* doorways) {
    int32_t adjusted = object.penWidth;
    if (adjusted > 2 && ZoomDivisor != 0) adjusted /= ZoomDivisor;
    if (object.penStyle == 2) adjusted = 1;
    const PaintTimeWidth width(object, adjusted);
    const FaceGapDrawnIn drawnIn(object, HalfPenStored(adjusted, divisor));
    Dispatch(object, dc, Target::Bitmap, object.colour, 0,
             PrintOperations{divisor, yBase, yOffset, doorways});
}

} // namespace render

void TObject::Paint(TDC& dc, const RECT&, int32_t selected) {
    render::PaintOnScreen(*this, dc, selected, nullptr);
}

void TObject::PaintInWindow(TDC& dc, const RECT& client, int32_t selected) {
    render::SetUpDrawingWindow(dc, client);
    render::PaintOnScreen(*this, dc, selected, nullptr);
}

void TObject::PaintWide(TDC& dc) {
    render::PaintOnPaper(*this, dc, nullptr);
}

void TObject::PaintForPrint(TDC& dc, int32_t, int32_t divisor, int32_t yBase, int32_t yOffset) {
    render::PaintInBitmap(*this, dc, divisor, yBase, yOffset, nullptr);
}
