// The painting entries of a pass over a whole drawing: what TObject's Paint, PaintWide and
// PaintForPrint do, with the doorways of the drawing's partitions gathered once for the pass instead
// of searched for in the whole drawing by each partition.
#pragma once

#include <cstdint>
#include <optional>

#include "document/document.h"
#include "document/objects.h"
#include "platform/dc.h"
#include "render/partition_doorways.h"

namespace render {

// The face gaps of the drawing when the wall style shows walls, whose doorways every style leaves
// open; none when the walls are hidden.
std::optional<FaceGapIndex> DoorwaysForWallStyle(const TList& drawing);

// Each paints as the TObject operation of the same target, with the pass's doorways (null: each
// partition finds its own in the drawing).
void PaintOnScreen(TObject& object, TDC& dc, int32_t selected, const FaceGapIndex* doorways);
void PaintOnPaper(TObject& object, TDC& dc, const FaceGapIndex* doorways);
void PaintInBitmap(TObject& object, TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset,
                   const FaceGapIndex* doorways);

} // namespace render
