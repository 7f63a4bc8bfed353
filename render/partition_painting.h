// A partition in the normal, solid and hatched styles, on the screen (and on paper, which paints
// through the screen's operations) and in the bitmap, with its doorways looked up in the index of the
// paint pass. The partition's own drawing operations run these with no index, so a partition painted
// on its own finds its doorways in the drawing. The normal and solid styles draw the faces with the
// pen the caller selected, the object's width.
#pragma once

#include <cstdint>

#include "document/objects.h"
#include "platform/dc.h"
#include "render/partition_doorways.h"

namespace render {

void DrawPartition(TDC& dc, const TIntwallobj& wall, const FaceGapIndex* doorways);
void DrawSolidPartition(TDC& dc, const TIntwallobj& wall, const FaceGapIndex* doorways);
void DrawHatchedPartition(TDC& dc, TIntwallobj& wall, int32_t selected, const FaceGapIndex* doorways);
void PrintPartition(TDC& dc, const TIntwallobj& wall, int32_t divisor, int32_t yBase, int32_t yOffset,
                    const FaceGapIndex* doorways);
void PrintSolidPartition(TDC& dc, const TIntwallobj& wall, int32_t divisor, int32_t yBase, int32_t yOffset,
                         const FaceGapIndex* doorways);
void PrintHatchedPartition(TDC& dc, TIntwallobj& wall, int32_t selected, int32_t divisor, int32_t yBase,
                           int32_t yOffset, const FaceGapIndex* doorways);

} // namespace render
