// Screen drawing of walls, normal and solid: the face lines with the pen the dispatch selected, and
// for the solid style a band filled with the stock black brush whatever the colour or selection. A
// partition's faces and band stop at its doorways.
#include "document/objects.h"
#include "platform/dc.h"
#include "render/partition_painting.h"
#include "render/screen_units.h"
#include "render/wall_shapes.h"

namespace {

constexpr render::ScreenTransform kScreen{};

} // namespace

void TIntwallobj::Draw(TDC& dc) {
    render::DrawPartition(dc, *this, nullptr);
}

void TExtwallobj::Draw(TDC& dc) {
    render::DrawWallFaces(dc, kScreen, *this);
}

void TIntwallobj::DrawSolid(TDC& dc) {
    render::DrawSolidPartition(dc, *this, nullptr);
}

void TExtwallobj::DrawSolid(TDC& dc) {
    render::DrawSolidWall(dc, kScreen, *this);
}

void render::DrawPartition(TDC& dc, const TIntwallobj& wall, const FaceGapIndex* doorways) {
    DrawPartitionFaces(dc, kScreen, wall, DoorwaysOf(wall, kScreen, doorways), wall.penWidth);
}

void render::DrawSolidPartition(TDC& dc, const TIntwallobj& wall, const FaceGapIndex* doorways) {
    DrawSolidWall(dc, kScreen, wall, doorways);
}
