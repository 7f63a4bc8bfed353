// Command 7 of the external-wall tool: the outline marked on the room layout becomes the
// ground floor's external walls, fitted to the design rooms and pushed out by the wall thickness.
#include <string>

#include "document/document.h"
#include "document/program_state.h"
#include "rooms/room_settings.h"
#include "tools/extwall_settings.h"
#include "tools/wall_tools.h"
#include "tools/working_file.h"
#include "walls/extwall_outline.h"
#include "walls/outline_walls.h"

namespace {

// The partition placed between neighbouring rooms (the first value of the room-partition file).
int32_t RoomPartition() {
    return ReadRoomPartitions(MetricUnits)[0];
}

// How near a room's edge must lie to a side to line it: one inch or 25 mm at the start-up zoom.
int32_t SideTolerance() {
    return static_cast<int32_t>((MetricUnits == 0 ? 6.0 : 5.0) * PenScaleF);
}

int32_t BearingOf(int32_t index) {
    const auto* side = dynamic_cast<const TLineobj*>(ObjectList[index]);
    return side ? side->angle : 0;
}

} // namespace

void TExtwallobjtool::PrepareOutlineWalls() {
    const std::vector<int32_t> sides = walls::MarkedSides(ObjectList, CurrentView);
    // The keys take the corners either way round; the walls are those of the clockwise marking.
    walls::MakeClockwise(ObjectList, sides);
    walls::FitSidesToRooms(ObjectList, sides, CurrentView - walls::kMarkingViewOffset, RoomPartition(),
                           SideTolerance());
}

void TExtwallobjtool::BuildOutlineWalls() {
    const ExtWallSettings s = ReadExtWallSettings(MetricUnits);
    LayerThickness1 = s.layer1;
    LayerThickness2 = s.layer2;
    LayerThickness3 = s.layer3;
    const std::vector<int32_t> sides = walls::MarkedSides(ObjectList, CurrentView);
    const int32_t markingView = CurrentView;
    CurrentView += walls::kMarkingViewOffset;
    Kind = toolkind::kExtWall;
    // The clockwise order of the sides, not an outward side, puts each wall's layers inside.
    DirectionCode() = 0;
    for (size_t at = 0; at < sides.size(); ++at)
        BuildSideWall(sides, at);
    walls::RemoveMarkedSides(ObjectList, markingView);
    ObjectList.ForgetSelection();
    // The step's last change: a failed write has been told and ends the caller's step.
    static_cast<void>(tools::SaveWorkingFile());
}

void TExtwallobjtool::BuildSideWall(const std::vector<int32_t>& sides, size_t at) {
    const size_t n = sides.size();
    const TObject& side = *ObjectList[sides[at]];
    const int32_t previous = BearingOf(sides[(at + n - 1) % n]);
    const int32_t next = BearingOf(sides[(at + 1) % n]);
    Angle = BearingOf(sides[at]);
    X0 = side.x1;
    Y0 = side.y1;
    X1 = side.x2;
    Y1 = side.y2;
    if (walls::IsSquareBearing(Angle) && walls::IsSquareBearing(previous) && walls::IsSquareBearing(next)) {
        const int32_t thickness = LayerThickness1 + LayerThickness2 + LayerThickness3;
        const walls::PushedFace f = walls::PushSideOut(X0, Y0, X1, Y1, Angle, previous, next, thickness);
        X0 = f.x1;
        Y0 = f.y1;
        X1 = f.x2;
        Y1 = f.y2;
        SegmentLength = f.length;
    } else {
        TrimWallEnd(sides[at], Angle, previous, 1);
        TrimWallEnd(sides[at], next, Angle, 2);
    }
    SnapWallEnds(1);
    AppendExternalWall();
}
