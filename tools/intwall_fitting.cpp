// The internal-wall tool's hand-over to the wall geometry: fitting a new partition to the walls it
// meets before it is made, and preparing a keyed segment at its start.
#include <algorithm>
#include <utility>
#include <vector>

#include "document/document.h"
#include "document/program_state.h"
#include "tools/partition_settings.h"
#include "tools/wall_tools.h"
#include "walls/partition_in_wall.h"
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

bool TIntwallobjtool::SnapWallEnds(int32_t snap) {
    PartitionDraft draft = DraftOf(*this);
    SnappedWalls walls;
    if (snap > 0) walls = SnapPartitionEnds(draft, ObjectList, CurrentView, ZoomDivisor);
    draft.Thickness = ReadPartitionThickness(MetricUnits);
    // The outline re-corners the partitions joined; a refused partition leaves them as they were.
    std::vector<std::pair<TIntwallobj*, TIntwallobj>> joined;
    for (const int32_t wall : {walls.AtStart, walls.AtEnd})
        if (TIntwallobj* w = PartitionAt(ObjectList, wall)) joined.emplace_back(w, *w);
    ComputeOutline(draft, ObjectList, walls.AtStart, walls.AtEnd);
    if (StartsInsideWall(ObjectList, CurrentView, draft.X0, draft.Y0, draft.FaceStartX, draft.FaceStartY,
                         draft.X1, draft.Y1)) {
        for (auto& [w, before] : joined)
            *w = before;
        return false;
    }
    std::fill(std::begin(WallSettings), std::end(WallSettings), 0);
    FaceAux = 0;
    Aux1 = 0;
    Aux2 = 0;
    SavedMode = CurrentView;
    TrimWallEnds(draft, ObjectList, CurrentView, ZoomDivisor);
    TakeDraft(*this, draft);
    return true;
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
    const FreeSpan free = MeasureSegmentStart(ObjectList, CurrentView, ZoomDivisor, X0, Y0, direction,
                                              SecondFaceSide(), CursorY, ReadPartitionThickness(MetricUnits));
    Angle = free.LastBearing;
    if (free.Length) FreeLength() = *free.Length;
    const bool upright = direction == kDirectionUp || direction == kDirectionDown;
    SecondFaceStart = {upright ? X0 + free.Across : X0, upright ? Y0 : Y0 + free.Across};
    Dragging = 0;
}
