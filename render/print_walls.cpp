// The print operations of walls for the bitmap export: the face lines, the solid band and the
// cross-hatching, every point placed through the bitmap transform. The hatching follows the screen's
// cases, decided on the transformed values and on the wall's direction turned over with them (y runs
// downward there), with the pattern spacings divided by ZoomDivisor. Pens are the object's width as the
// caller adjusted it, never widened here.
#include "document/objects.h"
#include "document/program_state.h"
#include "platform/dc.h"
#include "render/partition_painting.h"
#include "render/print_transform.h"
#include "render/wall_shapes.h"

using render::PrintTransform;

namespace {

constexpr int32_t kHatchPattern = 3;

} // namespace

void TIntwallobj::Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) {
    render::PrintPartition(dc, *this, divisor, yBase, yOffset, nullptr);
}

void TExtwallobj::Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) {
    render::DrawWallFaces(dc, PrintTransform{divisor, yBase, yOffset}, *this);
}

void TIntwallobj::PrintSolid(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) {
    render::PrintSolidPartition(dc, *this, divisor, yBase, yOffset, nullptr);
}

void TExtwallobj::PrintSolid(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) {
    render::DrawSolidWall(dc, PrintTransform{divisor, yBase, yOffset}, *this);
}

void TIntwallobj::PrintHatched(TDC& dc, int32_t selected, int32_t divisor, int32_t yBase, int32_t yOffset) {
    render::PrintHatchedPartition(dc, *this, selected, divisor, yBase, yOffset, nullptr);
}

void TExtwallobj::PrintHatched(TDC& dc, int32_t selected, int32_t divisor, int32_t yBase, int32_t yOffset) {
    const PrintTransform t{divisor, yBase, yOffset};
    const COLORREF c = selected >= 1 ? SelectColour : colour;
    dc.SelectObject(TPen(c, penWidth, PS_SOLID));
    Print(dc, divisor, yBase, yOffset);
    dc.RestoreObjects();
    dc.SelectObject(TPen(c, penWidth, PS_SOLID));
    setting1 = kHatchPattern;
    const render::HatchPattern pattern = render::PrintHatchPattern();
    const render::PlacedWall placed = render::PlaceWall(*this, t, true);
    render::HatchOuterLeaf(dc, pattern, placed);
    if (thickness2 > 2) {
        setting2 = kHatchPattern;
        render::HatchInnerLeaf(dc, pattern, placed);
    }
    dc.RestoreObjects();
}

void render::PrintPartition(TDC& dc, const TIntwallobj& wall, int32_t divisor, int32_t yBase, int32_t yOffset,
                            const FaceGapIndex* doorways) {
    const PrintTransform t{divisor, yBase, yOffset};
    DrawPartitionFaces(dc, t, wall, DoorwaysOf(wall, t, doorways), wall.penWidth);
}

void render::PrintSolidPartition(TDC& dc, const TIntwallobj& wall, int32_t divisor, int32_t yBase,
                                 int32_t yOffset, const FaceGapIndex* doorways) {
    DrawSolidWall(dc, PrintTransform{divisor, yBase, yOffset}, wall, doorways);
}

void render::PrintHatchedPartition(TDC& dc, TIntwallobj& wall, int32_t selected, int32_t divisor,
                                   int32_t yBase, int32_t yOffset, const FaceGapIndex* doorways) {
    const PrintTransform t{divisor, yBase, yOffset};
    const COLORREF c = selected >= 1 ? SelectColour : wall.colour;
    const PlacedWall placed = PlaceWall(wall, t, true, doorways);
    dc.SelectObject(TPen(c, wall.penWidth, wall.penStyle));
    DrawPartitionFaces(dc, placed, wall.penWidth);
    dc.RestoreObjects();
    dc.SelectObject(TPen(c, wall.penWidth, PS_SOLID));
    wall.setting3 = kHatchPattern;
    HatchInternalWall(dc, PrintHatchPattern(), placed, wall.penWidth);
    dc.RestoreObjects();
}
