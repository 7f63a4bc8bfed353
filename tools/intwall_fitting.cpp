// The internal-wall tool's hand-over to the wall geometry: fitting a new partition to the walls it
// meets before it is made, and preparing a keyed segment at its start.
#include <algorithm>

#include "document/document.h"
#include "document/program_state.h"
#include "tools/partition_settings.h"
#include "tools/wall_tools.h"
#include "walls/partition_outline.h"
#include "walls/partition_snapping.h"
#include "walls/partition_start.h"

namespace {

PartitionDraft DraftOf(const TIntwallobjtool& t) {
    PartitionDraft d;
    d.X0 = t.X0, d.Y0 = t.Y0, d.X1 = t.X1, d.Y1 = t.Y1;
    d.Angle = t.Angle;
    d.Thickness = t.Thickness;
    d.Side = t.PickKind;
    d.SideChosen = t.FirstOfChain;
    d.FaceStartX = t.FaceStartX, d.FaceStartY = t.FaceStartY;
    d.FaceEndX = t.FaceEndX, d.FaceEndY = t.FaceEndY;
    d.Mode = t.Mode;
    d.FreeLength = t.Count;
    return d;
}

void TakeDraft(TIntwallobjtool& t, const PartitionDraft& d) {
    t.X0 = d.X0, t.Y0 = d.Y0, t.X1 = d.X1, t.Y1 = d.Y1;
    t.Angle = d.Angle;
    t.Thickness = d.Thickness;
    t.PickKind = d.Side;
    t.FaceStartX = d.FaceStartX, t.FaceStartY = d.FaceStartY;
    t.FaceEndX = d.FaceEndX, t.FaceEndY = d.FaceEndY;
    t.Mode = d.Mode;
    t.Count = d.FreeLength;
}

} // namespace

void TIntwallobjtool::SnapWallEnds(int32_t snap) {
    PartitionDraft draft = DraftOf(*this);
    SnappedWalls walls;
    if (snap > 0) walls = SnapPartitionEnds(draft, ObjectList, CurrentView, ZoomDivisor);
    draft.Thickness = ReadPartitionThickness(MetricUnits);
    std::fill(std::begin(WallSettings), std::end(WallSettings), 0);
    FaceAux = 0;
    Aux1 = 0;
    Aux2 = 0;
    SavedMode = CurrentView;
    ComputeOutline(draft, ObjectList, walls.AtStart, walls.AtEnd);
    TrimWallEnds(draft, ObjectList, CurrentView, ZoomDivisor);
    TakeDraft(*this, draft);
}

void TIntwallobjtool::Start(int32_t direction, int32_t, int32_t mode) {
    if (Mode == intwall::kFinishRooms) {
        FinishDesignRooms(mode);
        Dragging = 0;
        return;
    }
    if (Mode == intwall::kMoveEnd || Mode == intwall::kExtendEnd || Mode == intwall::kShortenEnd) {
        Y0 = intwall::kStartMarked;
        Dragging = 0;
        return;
    }
    SnapStartToFace(ObjectList, CurrentView, X0, Y0);
    if (CursorY == 0 && RunsAlongThickness(CursorX, direction)) {
        Y0 = intwall::kRefused;
        return;
    }
    // A chain's first segment lies on the side the user chose; later ones turn from the last segment,
    // which the measure passes over.
    const int32_t thickness = ReadPartitionThickness(MetricUnits);
    const int32_t previous = CursorY == 0 ? kNoObject : LastPartition(ObjectList, CurrentView);
    const int32_t across =
        previous == kNoObject ? WidthAcross(SecondFaceSide(), direction, thickness)
                              : ChainWidthAcross(ObjectList, previous, X0, Y0, CursorY, direction, thickness);
    const FreeSpan free =
        MeasureFreeLength(ObjectList, CurrentView, ZoomDivisor, X0, Y0, direction, across, previous);
    Angle = free.LastBearing;
    if (free.Length) FreeLength() = *free.Length;
    Dragging = 0;
}
