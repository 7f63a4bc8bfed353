// Where a dropped design room goes: flush against walls or one partition beside a neighbouring room
// (left drop), in line with the block of the other rooms (right drop). The size always stays.
#include <vector>

#include "rooms/room_snapping.h"
#include "tests/rooms/rooms_fixture.h"

namespace {

struct Box {
    int32_t x1, y1, x2, y2;
};
// A wall by its first face line and the face that pulls: an external wall's inner face (kExtWall) or
// an internal wall's second face (kIntWall); aux1 1 marks a wall listed with a re-opened room.
struct Wall {
    int32_t kind;
    Box first, face;
    int32_t aux1 = 0;
};

void AddWall(const Wall& w) {
    std::unique_ptr<TObject> o;
    if (w.kind == kExtWall) {
        auto e = std::make_unique<TExtwallobj>();
        e->p1x = w.face.x1, e->p1y = w.face.y1, e->p2x = w.face.x2, e->p2y = w.face.y2;
        o = std::move(e);
    } else {
        auto i = std::make_unique<TIntwallobj>();
        i->q1x = w.face.x1, i->q1y = w.face.y1, i->q2x = w.face.x2, i->q2y = w.face.y2;
        o = std::move(i);
    }
    o->view = kRoomLayout, o->kind = w.kind, o->aux1 = w.aux1;
    o->x1 = w.first.x1, o->y1 = w.first.y1, o->x2 = w.first.x2, o->y2 = w.first.y2;
    ObjectList.Add(std::move(o));
}

// External walls by their inner face, the outer face 275 beyond.
Wall Vertical(int32_t x, int32_t from = -10000, int32_t to = 10000) {
    return {kExtWall, {x + 275, from, x + 275, to}, {x, from, x, to}};
}
Wall Horizontal(int32_t y) {
    return {kExtWall, {-10000, y + 275, 10000, y + 275}, {-10000, y, 10000, y}};
}
// A partition from y 0 to 5000 with faces at x a and b.
Wall Partition(int32_t a, int32_t b, int32_t aux1 = 0) {
    return {kIntWall, {a, 0, a, 5000}, {b, 0, b, 5000}, aux1};
}

struct SnapCase {
    const char* name;
    std::vector<Wall> walls;
    std::vector<Box> others;
    Box dropped;
    int32_t distance;
    int32_t x1, y1; // where the dropped room ends
};

const Box kOther{0, 4000, 3000, 0};
// A room 3000 wide and 4000 long with its top-left corner at (x, y).
Box At(int32_t x, int32_t y) {
    return {x, y, x + 3000, y - 4000};
}

class WallSnap : public RoomsTest, public ::testing::WithParamInterface<SnapCase> {};

TEST_P(WallSnap, DroppedRoomEndsInPlace) {
    const SnapCase& c = GetParam();
    for (const Box& o : c.others)
        Add(Room(o.x1, o.y1, o.x2, o.y2));
    for (const Wall& w : c.walls)
        AddWall(w);
    Add(Room(c.dropped.x1, c.dropped.y1, c.dropped.x2, c.dropped.y2));
    const int32_t picked = ObjectList.count - 1;
    SnapRoomToNeighbours(ObjectList, kRoomLayout, picked, c.distance, 50);
    const TObject& room = *ObjectList[picked];
    EXPECT_EQ(room.x1, c.x1);
    EXPECT_EQ(room.y1, c.y1);
    EXPECT_EQ(room.x2 - room.x1, 3000);
    EXPECT_EQ(room.y1 - room.y2, 4000);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, WallSnap, ::testing::Values(
    SnapCase{"RightOfRoomOnePartitionApart", {}, {kOther}, At(3030, 4010), 100, 3050, 4000},
    SnapCase{"LeftOfRoomOnePartitionApart", {}, {kOther}, At(-3030, 4010), 100, -3050, 4000},
    // An edge already on a wall holds nothing; the far wall pulls even from wholly above.
    SnapCase{"ExactFitStillMoves", {Vertical(0), Vertical(3020, 20000, 30000)}, {}, At(0, 4000), 50, 20, 4000},
    SnapCase{"AngledWallNeverPulls", {{kExtWall, {3300, 0, 3400, 5000}, {3020, 0, 3020, 5000}}}, {}, At(0, 4000), 50, 0, 4000},
    SnapCase{"AlignedRoomEdgeBeatsAWall", {Vertical(40)}, {kOther}, At(0, 8030), 100, 0, 8050},
    SnapCase{"WallsNearerOnBoth", {Vertical(6040), Horizontal(4080)}, {kOther}, At(3030, 4060), 100, 3040, 4080},
    SnapCase{"RoomsNearerOnBoth", {Vertical(6080), Horizontal(4130)}, {kOther}, At(3030, 4060), 100, 3050, 4000},
    SnapCase{"RoomAcrossWallUpDown", {Vertical(6070), Horizontal(4080)}, {kOther}, At(3030, 4060), 100, 3050, 4080},
    SnapCase{"PartitionFaceTowardsTheRoom", {Partition(3020, 3070)}, {}, At(0, 4000), 100, 20, 4000},
    SnapCase{"ListedPartitionIgnored", {Partition(3020, 3070, kMovesWithRoom)}, {}, At(0, 4000), 100, 0, 4000},
    // Measured to the far face: 20 + 100 is beyond 50.
    SnapCase{"ThickPartitionOutOfReach", {Partition(3020, 3120)}, {}, At(0, 4000), 50, 0, 4000}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct BlockCase {
    const char* name;
    std::vector<Box> others; // listed after the dropped room
    Box dropped;
    int32_t x1, y1;
};

class BlockSnap : public RoomsTest, public ::testing::WithParamInterface<BlockCase> {};

TEST_P(BlockSnap, DroppedRoomLinesUpWithTheBlock) {
    const BlockCase& c = GetParam();
    Add(Room(c.dropped.x1, c.dropped.y1, c.dropped.x2, c.dropped.y2));
    for (const Box& o : c.others)
        Add(Room(o.x1, o.y1, o.x2, o.y2));
    SnapRoomToBlock(ObjectList, kRoomLayout, 0, 50);
    EXPECT_EQ(ObjectList[0]->x1, c.x1);
    EXPECT_EQ(ObjectList[0]->y1, c.y1);
    EXPECT_EQ(ObjectList[0]->x2 - ObjectList[0]->x1, c.dropped.x2 - c.dropped.x1);
}

std::vector<Box> TwentyRooms() {
    std::vector<Box> rooms(19, Box{1000, 4000, 5000, 0});
    rooms.push_back({16000, 4000, 20000, 0}); // the 21st design room takes no part
    return rooms;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, BlockSnap, ::testing::Values(
    BlockCase{"RightEdge", {{1000, 4000, 5000, 0}, {5000, 4000, 9000, 0}}, {6030, 9000, 9030, 7000}, 6000, 9000},
    BlockCase{"TieTriesTheLeftEdge", {{1000, 4000, 9000, 0}}, {980, 9000, 9020, 7000}, 1000, 9000},
    BlockCase{"OnlyTheFirstTwenty", TwentyRooms(), {17030, 9000, 20030, 7000}, 17030, 9000}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
