// The rectangle the current floor occupies, handed to the printed page, the fit-to-screen zoom and
// the base expansion through CFG/EXTENTS.CFG. Which objects count follows what is drawn: the
// external walls, or the automatic dimensions around them when those are shown, and on paper also
// the texts with room below the lowest for the scale caption.
#include <cstdint>

#include "document/dimension_settings.h"
#include "document/document.h"
#include "document/extents_file.h"
#include "document/objects.h"
#include "document/plan_display_modes.h"
#include "document/program_state.h"
#include "platform/file_io.h"

namespace {

// Start values: an empty floor writes them, and readers recognise it by them.
constexpr int32_t kNoMin = 200000;
constexpr int32_t kNoMax = 0;

bool IsAutoDimensionKind(int32_t kind) {
    return kind == kAutoArrow || kind == kAutoDimension;
}

struct Extents {
    int32_t minX = kNoMin;
    int32_t maxX = kNoMax;
    int32_t maxY = kNoMax;
    int32_t minY = kNoMin;
    // Whether a coordinate has been counted yet: the start values stand for an empty floor, not for
    // bounds, since a drawing in feet and inches reaches below 0 near the sheet's foot.
    bool anyX = false;
    bool anyY = false;

    void AddX(int32_t x) {
        if (!anyX || x < minX) minX = x;
        if (!anyX || x > maxX) maxX = x;
        anyX = true;
    }
    void AddY(int32_t y) {
        if (!anyY || y < minY) minY = y;
        if (!anyY || y > maxY) maxY = y;
        anyY = true;
    }
    void AddCorners(const TObject& o) {
        AddX(o.x1);
        AddX(o.x2);
        AddY(o.y1);
        AddY(o.y2);
    }
    // A text counts by its anchor. On paper the lowest text leaves room for the scale caption below
    // it; a text above everything else covers the height of its letters. One text can be both (the
    // first counted always is): a floor of texts alone would otherwise keep no top and print blank.
    void AddText(const TObject& o, bool printing, int32_t margin) {
        AddX(o.x1);
        if (!anyY || o.y1 < minY) minY = printing ? o.y1 - margin : o.y1;
        if (!anyY || o.y1 > maxY) maxY = o.y1 + 20 * ZoomDivisor;
        anyY = true;
    }
};

// The margin under the lowest printed text: four dimension-arrow offsets and the overall-dimension
// offset of the dimension settings.
int32_t CaptionMargin() {
    const DimensionSettings s = ReadDimensionSettings(MetricUnits);
    return s.externalOffset * 4 + s.overallOffset;
}

} // namespace

void TList::ComputeExtents() {
    const int32_t margin = CaptionMargin();
    const bool printing = CurrentView >= kPrintViewOffset;
    const int32_t floorOnPaper = CurrentView - kPrintViewOffset;
    auto onFloor = [&](const TObject& o) { return o.view == CurrentView || o.view == floorOnPaper; };

    // The document is filled first, so that the choice between walls and dimensions looks at the
    // drawing that is measured.
    if (count == 0)
        (void)ReadDrawingFile(filemode::kWorking); // a new drawing has no file yet: it measures as empty

    bool hasAutoDimensions = false;
    for (int32_t i = 0; i < count && !hasAutoDimensions; ++i) {
        const TObject& o = *At(i);
        hasAutoDimensions = onFloor(o) && IsAutoDimensionKind(o.kind);
    }

    const bool sitePlan = CurrentView == kSitePlan || CurrentView == kSitePlan + kPrintViewOffset;
    const int32_t mode = PlanDisplayMode;
    const bool dimensionsHidden = mode >= displaymode::kPlain && mode < displaymode::kWallsSolid &&
                                  (displaymode::Units(mode) == displaymode::kNoDimensions ||
                                   displaymode::Units(mode) == displaymode::kOverlayNoDimensions);

    Extents e;
    for (int32_t i = 0; i < count; ++i) {
        const TObject& o = *At(i);
        if (sitePlan) {
            if (!onFloor(o)) continue;
            if (o.kind == kLine || o.kind == kExtWall) {
                e.AddCorners(o);
            } else if (IsTextKind(o.kind)) {
                e.AddText(o, printing, margin);
            }
        } else if (IsTextKind(o.kind)) {
            // Texts stretch the rectangle only on paper.
            if (printing && o.view == floorOnPaper) e.AddText(o, printing, margin);
        } else if (!hasAutoDimensions || dimensionsHidden) {
            if (o.kind == kExtWall && onFloor(o)) e.AddCorners(o);
        } else if (IsAutoDimensionKind(o.kind) && onFloor(o)) {
            e.AddCorners(o);
        }
    }

    // An empty floor takes the rectangle of the floor below's automatic dimensions.
    if (!e.anyX) {
        for (int32_t i = 0; i < count; ++i) {
            const TObject& o = *At(i);
            if (IsAutoDimensionKind(o.kind) && o.view == CurrentView - 1) e.AddCorners(o);
        }
    }

    // Its readers take a file they cannot read for an empty floor, which they refuse to fit or print.
    (void)WriteExtentsFile({e.minX, e.maxX, e.maxY, e.minY});
}
