// The partitions of one room being finished: surveyed from the floor's walls, laid out in the
// internal-wall tool piece by piece and appended with their mask lines, then the room's labels.
#include <memory>

#include "document/document.h"
#include "document/program_state.h"
#include "rooms/partition_pieces.h"
#include "rooms/room_settings.h"
#include "rooms/room_sides.h"
#include "tools/room_labels.h"
#include "tools/wall_tools.h"

namespace {

// A mask line stops one inch or 25 mm short of each partition face.
int32_t MaskInset(int32_t metricUnits) {
    return metricUnits == 1 ? 25 : 24;
}

// The background-coloured line that paints over a wall's face line where a partition meets it.
void AddMaskLine(const Segment& s, int32_t group) {
    ObjectList.Add(std::make_unique<TLineobj>(CurrentView, kLine, 1, 0, group, group, s.x1, 0, s.x2, 0, s.y1,
                                              s.y2, BackgroundColour, 0, 0));
}

} // namespace

void TIntwallobjtool::BuildRoomPartitions(int32_t roomIndex) {
    const TObject* room = ObjectList[roomIndex];
    if (!room) return;
    Thickness = FloorPartitionThickness(CurrentView, MetricUnits);
    WallGroup() = room->group;
    WallId() = WallGroup();
    Colour = PenColour;
    LineStyle = 0;
    PenWidth = 1;
    const RoomSides sides = SurveyRoomSides(ObjectList, CurrentView, RoomEdges{X0, X1, Y0, Y1},
                                            EdgeSnapTolerance(MetricUnits, PenScaleF));
    for (const PartitionPiece& piece : PlanPartitions(sides, Thickness, MaskInset(MetricUnits))) {
        X0 = piece.first.x1;
        Y0 = piece.first.y1;
        X1 = piece.first.x2;
        Y1 = piece.first.y2;
        FaceStartX = piece.second.x1;
        FaceStartY = piece.second.y1;
        FaceEndX = piece.second.x2;
        FaceEndY = piece.second.y2;
        Angle = piece.angle;
        AddPartitionWall();
        for (const Segment& mask : piece.masks)
            AddMaskLine(mask, WallGroup());
    }
    const RoomEdges& e = sides.edges;
    LabelRoom(*this, roomIndex, e.left, e.right, e.top, e.bottom);
    Y0 = 0;
}
