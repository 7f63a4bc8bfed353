// The external-wall tool's whole-floor commands, asked for by the drawing window and the floor
// commands through Command(code).
#include <algorithm>

#include "document/document.h"
#include "document/program_state.h"
#include "editing/centre_drawing.h"
#include "tools/floor_area.h"
#include "tools/wall_tools.h"
#include "tools/working_file.h"
#include "walls/extwall_measure.h"

namespace {

enum ExtWallCommand : int32_t {
    kShrinkLimit = 1,
    kKeyedStart = 2,
    kCopyFloorBelow = 3,
    kRecentre = 5,
    kOutlineToWalls = 7,
};

// The outward side of a copied wall from its ends, as the end ordering of an unjoined wall reads it.
int32_t DirectionFromEnds(const TObject& wall) {
    if (wall.x1 < wall.x2) return 1;
    if (wall.x2 < wall.x1) return 3;
    if (wall.y2 < wall.y1) return 2;
    return 4;
}

} // namespace

void TExtwallobjtool::Command(int32_t code) {
    switch (code) {
    case kShrinkLimit:
        ShrinkLimitCommand();
        break;
    case kKeyedStart:
        KeyedStartCommand();
        break;
    case kCopyFloorBelow:
        CopyFloorBelowCommand();
        break;
    case kRecentre:
        RecentreCommand();
        break;
    case kOutlineToWalls:
        PrepareOutlineWalls();
        BuildOutlineWalls();
        break;
    default:
        break;
    }
}

// The amount offered for shrinking the base: never negative, since a room already reaching past the
// wall leaves nothing to shrink.
void TExtwallobjtool::ShrinkLimitCommand() {
    const walls::Point32 p{Count * ZoomDivisor, CursorY * ZoomDivisor};
    walls::Point32 last[2] = {{X0, Y0}, {X1, Y1}};
    const int32_t best = walls::ShrinkLimit(ObjectList, CurrentView, DirectionCode(), p, last);
    X0 = last[0].x;
    Y0 = last[0].y;
    X1 = last[1].x;
    Y1 = last[1].y;
    Count = best < walls::kNothingFound ? std::max(0, best) : 0;
}

void TExtwallobjtool::KeyedStartCommand() {
    const int32_t radius = 3 * ZoomDivisor;
    walls::Point32 start{X0, Y0};
    walls::SnapToNearWallEnd(ObjectList, CurrentView, radius, start);
    X0 = start.x;
    Y0 = start.y;
    const int32_t best = walls::FreeDistanceAhead(ObjectList, CurrentView, ExtendDirection(), radius, start);
    Count = best < walls::kNothingFound ? best : 0;
}

void TExtwallobjtool::CopyFloorBelowCommand() {
    for (int32_t i = 0; i < ObjectList.count; ++i) {
        const TObject* wall = ObjectList[i];
        if (!wall || wall->kind != kExtWall || wall->view != CurrentView - 1) continue;
        const auto* below = dynamic_cast<const TExtwallobj*>(wall);
        if (!below) continue;
        X0 = below->x1;
        Y0 = below->y1;
        X1 = below->x2;
        Y1 = below->y2;
        SegmentLength = below->group;
        Angle = below->direction;
        Kind = kExtWall;
        DirectionCode() = DirectionFromEnds(*below);
        SnapWallEnds(1);
        SavedMode = CurrentView;
        AppendExternalWall();
    }
    // The walls reach the file in one write, the step's last change: a failure has been told and
    // leaves the floor empty, as the file holds it.
    static_cast<void>(tools::SaveWorkingFile());
}

void TExtwallobjtool::RecentreCommand() {
    if (CurrentView == kGroundFloor) CentreDrawing(*this, 1);
    AddExtwallTotals(*this);
}
