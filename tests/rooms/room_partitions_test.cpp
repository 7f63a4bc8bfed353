// Where a finished room's partitions go: the side codes read from the floor's walls and the pieces and
// mask lines laid out from them.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "rooms/partition_pieces.h"
#include "tests/rooms/rooms_fixture.h"

namespace {

using namespace sidecode;

// Internal wall with face 1 (x1, y1)-(x2, y2) and face 2 (qx1, qy1)-(qx2, qy2) on the ground floor.
std::unique_ptr<TIntwallobj> IntWall(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t qx1, int32_t qy1,
                                     int32_t qx2, int32_t qy2) {
    const int32_t attr[4] = {};
    return std::make_unique<TIntwallobj>(kGroundFloor, kIntWall, 1, 0, 1, 1, x1, 0, x2, 0, y1, y2, 0, 100, 0,
                                         0, 0, 0, 1, 0, qx1, 0, qy1, qx2, qy2, attr, 0, 0);
}

// External wall of one layer whose inner face (its first layer line) runs (x1, y1)-(x2, y2).
std::unique_ptr<TExtwallobj> ExtWall(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    const int32_t layers[12] = {x1, y1, x2, y2};
    const int32_t attr[4] = {};
    return std::make_unique<TExtwallobj>(kGroundFloor, kExtWall, 1, 0, 1, 1, x1 - 275, 0, x2 - 275, 0, y1, y2,
                                         0, 275, 0, 0, 0, 0, 1, 0, layers, 0, 0, attr);
}

struct SideCase {
    const char* what;
    std::function<void()> walls;
    RoomEdges room;
    std::array<int32_t, 4> codes; // left, right, top, bottom
    int32_t snappedLeft;
};

class RoomSideCodes : public RoomsTest, public ::testing::WithParamInterface<SideCase> {};

TEST_P(RoomSideCodes, FollowTheWallFaceOnEachEdge) {
    CurrentView = kGroundFloor;
    GetParam().walls();
    const RoomSides s = SurveyRoomSides(ObjectList, kGroundFloor, GetParam().room, 6);
    EXPECT_EQ((std::array{s.left.code, s.right.code, s.top.code, s.bottom.code}), GetParam().codes)
        << GetParam().what;
    EXPECT_EQ(s.edges.left, GetParam().snappedLeft) << GetParam().what;
}

const RoomEdges kBed{1000, 4000, 4000, 1000};

INSTANTIATE_TEST_SUITE_P(
    Walls, RoomSideCodes,
    ::testing::Values(
        SideCase{"open", [] {}, kBed, {kFree, kFree, kFree, kFree}, 1000},
        SideCase{"internal wall covering the left side",
                 [] { ObjectList.Add(IntWall(900, 5000, 900, 0, 1000, 5000, 1000, 0)); },
                 kBed,
                 {kCovered, kFree, kFree, kFree},
                 1000},
        SideCase{"internal wall in the middle of the left side",
                 [] { ObjectList.Add(IntWall(900, 3000, 900, 2000, 1000, 3000, 1000, 2000)); },
                 kBed,
                 {kMiddleV, kFree, kFree, kFree},
                 1000},
        SideCase{"internal wall on the lower part of the right side",
                 [] { ObjectList.Add(IntWall(4100, 2500, 4100, 0, 4000, 2500, 4000, 0)); },
                 kBed,
                 {kFree, kLowerCovered, kFree, kFree},
                 1000},
        SideCase{"internal wall on the right part of the top",
                 [] { ObjectList.Add(IntWall(2500, 4100, 5000, 4100, 2500, 4000, 5000, 4000)); },
                 kBed,
                 {kFree, kFree, kRightCovered, kFree},
                 1000},
        SideCase{"external wall on the upper part of the left side",
                 [] { ObjectList.Add(ExtWall(1000, 5000, 1000, 2500)); },
                 kBed,
                 {kExternalUpper, kFree, kFree, kFree},
                 1000},
        SideCase{"external wall in the middle of the bottom has no external code",
                 [] { ObjectList.Add(ExtWall(2000, 1000, 3000, 1000)); },
                 kBed,
                 {kFree, kFree, kFree, kMiddleH},
                 1000},
        SideCase{"external wall within the snap distance pulls the edge",
                 [] { ObjectList.Add(ExtWall(995, 5000, 995, 0)); },
                 kBed,
                 {kCovered, kFree, kFree, kFree},
                 995},
        SideCase{"external wall beyond the snap distance",
                 [] { ObjectList.Add(ExtWall(994, 5000, 994, 0)); },
                 kBed,
                 {kFree, kFree, kFree, kFree},
                 1000},
        SideCase{"a face beyond the side's span does not count",
                 [] { ObjectList.Add(IntWall(900, 1000, 900, 0, 1000, 1000, 1000, 0)); },
                 kBed,
                 {kFree, kFree, kFree, kFree},
                 1000},
        // No wall found on a left edge at 0 must not be read as the first object's wall.
        SideCase{"edge on the axis with no wall",
                 [] { ObjectList.Add(IntWall(5100, 4000, 5100, 1000, 5000, 4000, 5000, 1000)); },
                 RoomEdges{0, 3000, 4000, 1000},
                 {kFree, kFree, kFree, kFree},
                 0}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

RoomSides Sides(RoomSide left, RoomSide right, RoomSide top, RoomSide bottom) {
    return RoomSides{kBed, left, right, top, bottom};
}

RoomSide Side(int32_t code, int32_t kind = kIntWall, int32_t high = 0, int32_t low = 0) {
    return RoomSide{code, 0, kind, high, low};
}

TEST(PartitionPieces, RoomInTheOpenGetsFourOverlappingPieces) {
    const RoomSide free;
    const auto pieces = PlanPartitions(Sides(free, free, free, free), 100, 25);
    ASSERT_EQ(pieces.size(), 4u);
    const Segment first[] = {
        {900, 4100, 900, 900}, {4100, 4100, 4100, 900}, {900, 4100, 4100, 4100}, {900, 900, 4100, 900}};
    const Segment second[] = {{1000, 4000, 1000, 1000},
                              {4000, 4000, 4000, 1000},
                              {1000, 4000, 4000, 4000},
                              {1000, 1000, 4000, 1000}};
    const int32_t angles[] = {1800, 1800, 900, 900};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(pieces[i].first, first[i]) << i;
        EXPECT_EQ(pieces[i].second, second[i]) << i;
        EXPECT_EQ(pieces[i].angle, angles[i]) << i;
        EXPECT_TRUE(pieces[i].masks.empty()) << i;
    }
}

TEST(PartitionPieces, InternalWallInTheMiddleGivesTwoPiecesMaskedAtItsEnds) {
    const RoomSide free;
    const auto pieces =
        PlanPartitions(Sides(Side(kMiddleV, kIntWall, 3000, 2000), free, free, free), 100, 25);
    ASSERT_EQ(pieces.size(), 5u);
    EXPECT_EQ(pieces[0].first, (Segment{900, 4100, 900, 3000}));
    EXPECT_EQ(pieces[0].angle, 0);
    EXPECT_EQ(pieces[0].masks, (std::vector<Segment>{{925, 3000, 975, 3000}}));
    EXPECT_EQ(pieces[1].first, (Segment{900, 2000, 900, 900}));
    EXPECT_EQ(pieces[1].second, (Segment{1000, 2000, 1000, 1000}));
    EXPECT_EQ(pieces[1].angle, 1800);
    EXPECT_EQ(pieces[1].masks, (std::vector<Segment>{{925, 2000, 975, 2000}}));
}

TEST(PartitionPieces, ExternalWallOnTheUpperLeftClosesTheCornerWithoutMasks) {
    const RoomSide free;
    const auto pieces =
        PlanPartitions(Sides(Side(kExternalUpper, kExtWall, 5000, 2500), free, free, free), 100, 25);
    ASSERT_EQ(pieces.size(), 4u);
    EXPECT_EQ(pieces[0].first, (Segment{900, 2500, 900, 900}));
    EXPECT_TRUE(pieces[0].masks.empty());
    EXPECT_EQ(pieces[2].first, (Segment{1000, 4100, 4100, 4100})); // the top stops on the corner line
    EXPECT_EQ(pieces[3].first, (Segment{900, 900, 4100, 900}));
}

TEST(PartitionPieces, SideClosedByAnInternalWallMasksTheNeighboursEnds) {
    const RoomSide free;
    const auto pieces = PlanPartitions(Sides(free, Side(kCovered), free, free), 100, 25);
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[1].first, (Segment{900, 4100, 4000, 4100}));
    EXPECT_EQ(pieces[1].masks, (std::vector<Segment>{{4000, 4075, 4000, 4025}}));
    EXPECT_EQ(pieces[2].masks, (std::vector<Segment>{{4000, 925, 4000, 975}}));
}

} // namespace
