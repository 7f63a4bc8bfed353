// Where a finished room's partitions go: the side codes read from the floor's walls and the pieces and
// mask lines laid out from them.
#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "rooms/partition_pieces.h"
#include "tests/rooms/rooms_fixture.h"

namespace {

using namespace sidecode;

// A wall with a face (x1, y1)-(x2, y2); an internal wall's other face lies (dx, dy) from it.
struct WallSpec {
    int32_t kind, x1, y1, x2, y2, dx, dy;
};

void AddWall(const WallSpec& w) {
    const int32_t attr[4] = {};
    if (w.kind == kIntWall) {
        ObjectList.Add(std::make_unique<TIntwallobj>(kGroundFloor, kIntWall, 1, 0, 1, 1, w.x1 + w.dx, 0,
                                                     w.x2 + w.dx, 0, w.y1 + w.dy, w.y2 + w.dy, 0, 100, 0, 0,
                                                     0, 0, 1, 0, w.x1, 0, w.y1, w.x2, w.y2, attr, 0, 0));
        return;
    }
    const int32_t innerFace[12] = {w.x1, w.y1, w.x2, w.y2}; // a one-layer wall: its first layer line
    ObjectList.Add(std::make_unique<TExtwallobj>(kGroundFloor, kExtWall, 1, 0, 1, 1, w.x1, 0, w.x2, 0, w.y1,
                                                 w.y2, 0, 275, 0, 0, 0, 0, 1, 0, innerFace, 0, 0, attr));
}

const RoomEdges kBed{1000, 4000, 4000, 1000};

struct SideCase {
    const char* what;
    WallSpec wall;
    RoomEdges room;
    std::array<int32_t, 4> codes; // left, right, top, bottom
    int32_t snappedLeft;
    WallSpec other = {}; // a second wall after the first, of kind 0 for none
};

class RoomSideCodes : public RoomsTest, public ::testing::WithParamInterface<SideCase> {};

TEST_P(RoomSideCodes, FollowTheWallFaceOnEachEdge) {
    const SideCase& c = GetParam();
    AddWall(c.wall);
    if (c.other.kind) AddWall(c.other);
    const RoomSides s = SurveyRoomSides(ObjectList, kGroundFloor, c.room, 6);
    EXPECT_EQ((std::array{s.left.code, s.right.code, s.top.code, s.bottom.code}), c.codes) << c.what;
    EXPECT_EQ(s.edges.left, c.snappedLeft) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Walls, RoomSideCodes,
    ::testing::Values(
        SideCase{
            "internal, whole left side", {kIntWall, 1000, 5000, 1000, 0, -100, 0}, kBed, {0, 1, 1, 1}, 1000},
        SideCase{"internal, middle of left",
                 {kIntWall, 1000, 3000, 1000, 2000, -100, 0},
                 kBed,
                 {12, 1, 1, 1},
                 1000},
        SideCase{"internal, lower right", {kIntWall, 4000, 2500, 4000, 0, 100, 0}, kBed, {1, 2, 1, 1}, 1000},
        SideCase{
            "internal, right of top", {kIntWall, 2500, 4000, 5000, 4000, 0, 100}, kBed, {1, 1, 4, 1}, 1000},
        SideCase{"external, upper left", {kExtWall, 1000, 5000, 1000, 2500}, kBed, {33, 1, 1, 1}, 1000},
        SideCase{"external, middle of bottom", {kExtWall, 2000, 1000, 3000, 1000}, kBed, {1, 1, 1, 14}, 1000},
        SideCase{"external within the snap distance", {kExtWall, 995, 5000, 995, 0}, kBed, {0, 1, 1, 1}, 995},
        SideCase{
            "external beyond the snap distance", {kExtWall, 994, 5000, 994, 0}, kBed, {1, 1, 1, 1}, 1000},
        SideCase{"face beyond the side's span",
                 {kIntWall, 1000, 1000, 1000, 0, -100, 0},
                 kBed,
                 {1, 1, 1, 1},
                 1000},
        // clang-format off
        SideCase{"internal then external along the top", {kIntWall, 0, 4000, 2500, 4000, 0, 100}, kBed, {1, 1, 0, 1}, 1000, {kExtWall, 2500, 4000, 5000, 4000}},
        SideCase{"external then internal down the left", {kExtWall, 1000, 5000, 1000, 2500}, kBed, {0, 1, 1, 1}, 1000, {kIntWall, 1000, 2500, 1000, 0, -100, 0}},
        SideCase{"internal and external, the middle of the bottom open", {kIntWall, 0, 1000, 2000, 1000, 0, -100}, kBed, {1, 1, 1, 6}, 1000, {kExtWall, 3000, 1000, 5000, 1000}},
        SideCase{"a partition reaching out from the right edge", {kIntWall, 4000, 2000, 6000, 2000, 0, 100}, kBed, {1, 12, 1, 1}, 1000},
        SideCase{"a partition standing clear of the right edge", {kIntWall, 4050, 2000, 6000, 2000, 0, 100}, kBed, {1, 1, 1, 1}, 1000},
        // clang-format on
        // No wall found on a left edge at 0 must not be read as the first object's wall.
        SideCase{"edge on the axis, no wall",
                 {kIntWall, 5000, 4000, 5000, 1000, 100, 0},
                 {0, 3000, 4000, 1000},
                 {1, 1, 1, 1},
                 0}));

RoomSides Sides(RoomSide left, RoomSide right = {}, RoomSide top = {}, RoomSide bottom = {}) {
    return RoomSides{kBed, left, right, top, bottom};
}

TEST(PartitionPieces, InternalWallInTheMiddleGivesTwoPiecesMaskedAtItsEnds) {
    const auto pieces = PlanPartitions(Sides({kMiddleV, {{2000, 3000, kIntWall}}}), 100, 25);
    ASSERT_EQ(pieces.size(), 5u);
    EXPECT_EQ(pieces[0].first, (Segment{900, 4100, 900, 3000}));
    EXPECT_EQ(pieces[0].angle, 0);
    EXPECT_EQ(pieces[0].masks, (std::vector<Segment>{{925, 3000, 975, 3000}}));
    EXPECT_EQ(pieces[1].first, (Segment{900, 2000, 900, 900}));
    EXPECT_EQ(pieces[1].second, (Segment{1000, 2000, 1000, 1000}));
    EXPECT_EQ(pieces[1].angle, 1800);
    EXPECT_EQ(pieces[1].masks, (std::vector<Segment>{{925, 2000, 975, 2000}}));
}

TEST(PartitionPieces, PartBetweenTwoWallsOfASideIsBuiltAloneMaskedAtTheInternalWall) {
    const auto pieces =
        PlanPartitions(Sides({kOpenBetween, {{3000, 5000, kIntWall}, {0, 2000, kExtWall}}}), 100, 25);
    ASSERT_EQ(pieces.size(), 4u);
    EXPECT_EQ(pieces[0].first, (Segment{900, 3000, 900, 2000}));
    EXPECT_EQ(pieces[0].second, (Segment{1000, 3000, 1000, 2000}));
    EXPECT_EQ(pieces[0].masks, (std::vector<Segment>{{925, 3000, 975, 3000}}));
    EXPECT_EQ(pieces[2].first, (Segment{1000, 4100, 4100, 4100})); // both corners of the left side closed
    EXPECT_EQ(pieces[3].first, (Segment{1000, 900, 4100, 900}));
}

TEST(PartitionPieces, ExternalWallOnTheUpperLeftClosesTheCornerWithoutMasks) {
    const auto pieces = PlanPartitions(Sides({kExternalUpper, {{2500, 5000, kExtWall}}}), 100, 25);
    ASSERT_EQ(pieces.size(), 4u);
    EXPECT_EQ(pieces[0].first, (Segment{900, 2500, 900, 900}));
    EXPECT_TRUE(pieces[0].masks.empty());
    EXPECT_EQ(pieces[2].first, (Segment{1000, 4100, 4100, 4100})); // the top stops on the corner line
    EXPECT_EQ(pieces[3].first, (Segment{900, 900, 4100, 900}));
}

} // namespace
