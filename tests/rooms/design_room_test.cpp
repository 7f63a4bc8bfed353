// Design-room geometry: which room a click takes, what an arrow key with a step does to it, and the
// feet-and-inches entry of sizes.
#include "platform/virtual_keys.h"
#include "rooms/design_room.h"
#include "rooms/design_room_modes.h"
#include "tests/rooms/rooms_fixture.h"

namespace {

using DesignRoomTest = RoomsTest;

TEST_F(DesignRoomTest, ClickTakesTheFirstRoomStrictlyContainingIt) {
    Add(Room(0, 3000, 3000, 0));
    Add(Room(2000, 4000, 5000, 1000, kReopenedRoom)); // overlaps the first, searched with it
    Add(Room(6000, 3000, 9000, 0, kFinishedRoom));
    EXPECT_EQ(RoomAt(ObjectList, kRoomLayout, 2500, 2000, false), 0);
    EXPECT_EQ(RoomAt(ObjectList, kRoomLayout, 4000, 3500, false), 1);
    EXPECT_EQ(RoomAt(ObjectList, kRoomLayout, 3000, 2000, false), 1); // on the first room's edge
    EXPECT_EQ(RoomAt(ObjectList, kRoomLayout, 5000, 2000, false), kNoObject);
    EXPECT_EQ(RoomAt(ObjectList, kRoomLayout, 7000, 2000, false), kNoObject);
    EXPECT_EQ(RoomAt(ObjectList, kRoomLayout, 7000, 2000, true), 2);
    EXPECT_EQ(RoomAt(ObjectList, 41, 2500, 2000, false), kNoObject);
}

TEST_F(DesignRoomTest, CentreSquareIsSixtyTimesTheZoomEachWay) {
    const auto room = Room(0, 4000, 3000, 0); // centre (1500, 2000), square +-300 at Z 5
    EXPECT_TRUE(InCentreSquare(*room, 1799, 1701));
    EXPECT_FALSE(InCentreSquare(*room, 1800, 2000));
    EXPECT_FALSE(InCentreSquare(*room, 1500, 2300));
}

struct KeyCase {
    int32_t state;
    uint32_t key;
    int32_t step;
    RoomKeyResult result;
    int32_t x1, y1, x2, y2, width, length;
};

class RoomKeys : public DesignRoomTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(RoomKeys, ArrowWithStepChangesOneSideOrMovesTheRoom) {
    const KeyCase& c = GetParam();
    auto room = Room(1000, 5000, 4000, 1000); // 3000 wide, 4000 long
    EXPECT_EQ(ApplyRoomKey(*room, c.state, SideOfArrow(c.key), c.step), c.result);
    EXPECT_EQ(room->x1, c.x1);
    EXPECT_EQ(room->y1, c.y1);
    EXPECT_EQ(room->x2, c.x2);
    EXPECT_EQ(room->y2, c.y2);
    EXPECT_EQ(room->value3, c.width);
    EXPECT_EQ(room->value4, c.length);
}

INSTANTIATE_TEST_SUITE_P(
    States, RoomKeys,
    ::testing::Values(
        KeyCase{roommode::kEnlarge, VK_UP, 300, RoomKeyResult::LengthChanged, 1000, 5300, 4000, 1000, 3000,
                4300},
        KeyCase{roommode::kEnlarge, VK_DOWN, 300, RoomKeyResult::LengthChanged, 1000, 5000, 4000, 700, 3000,
                4300},
        KeyCase{roommode::kEnlarge, VK_LEFT, 300, RoomKeyResult::WidthChanged, 700, 5000, 4000, 1000, 3300,
                4000},
        KeyCase{roommode::kShrink, VK_RIGHT, 300, RoomKeyResult::WidthChanged, 1000, 5000, 3700, 1000, 2700,
                4000},
        KeyCase{roommode::kShrink, VK_UP, 300, RoomKeyResult::LengthChanged, 1000, 4700, 4000, 1000, 3000,
                3700},
        KeyCase{roommode::kShrink, VK_LEFT, 3000, RoomKeyResult::Refused, 1000, 5000, 4000, 1000, 3000, 4000},
        KeyCase{roommode::kShrink, VK_DOWN, 4001, RoomKeyResult::Refused, 1000, 5000, 4000, 1000, 3000, 4000},
        KeyCase{roommode::kMoveByStep, VK_RIGHT, 300, RoomKeyResult::Moved, 1300, 5000, 4300, 1000, 3000,
                4000},
        KeyCase{roommode::kMoveFine, VK_DOWN, 300, RoomKeyResult::Moved, 1000, 4975, 4000, 975, 3000, 4000},
        KeyCase{roommode::kEnlarge, VK_RETURN, 300, RoomKeyResult::Nothing, 1000, 5000, 4000, 1000, 3000,
                4000}));

struct FeetCase {
    int32_t feet, inches, numerator, denominator, units;
};
class FeetEntry : public ::testing::TestWithParam<FeetCase> {};

TEST_P(FeetEntry, FractionCountsOnlyAsHalvesQuartersOrEighths) {
    const FeetCase& c = GetParam();
    EXPECT_EQ(FeetInchesUnits(c.feet, c.inches, c.numerator, c.denominator), c.units);
}

INSTANTIATE_TEST_SUITE_P(Sizes, FeetEntry,
                         ::testing::Values(FeetCase{10, 6, 1, 2, 3036}, FeetCase{10, 6, 1, 3, 3024},
                                           FeetCase{10, 6, 3, 8, 3033}, FeetCase{10, 6, 3, 5, 3024},
                                           FeetCase{10, 6, 4, 4, 3024}, FeetCase{10, 6, 3, 2, 3024},
                                           FeetCase{0, 4, 2, 4, 108}, FeetCase{0, 4, 3, 6, 96}));

TEST(FeetSplit, EighthsShowAndOtherRemaindersShowNothing) {
    const FeetInches exact = SplitFeetInches(3033);
    EXPECT_EQ(exact.feet, 10);
    EXPECT_EQ(exact.inches, 6);
    EXPECT_EQ(exact.numerator, 3);
    EXPECT_EQ(exact.denominator, 8);
    const FeetInches odd = SplitFeetInches(3035);
    EXPECT_EQ(odd.inches, 6);
    EXPECT_EQ(odd.numerator, 0);
    EXPECT_EQ(odd.denominator, 0);
    EXPECT_EQ(SplitFeetInches(108).numerator, 1);
    EXPECT_EQ(SplitFeetInches(108).denominator, 2);
}

TEST(RoomName, LongNamesMakeNoRoomAndSingleLettersAreNone) {
    EXPECT_EQ(RoomNameFrom("k"), "none");
    EXPECT_EQ(RoomNameFrom(""), "");
    EXPECT_EQ(RoomNameFrom("sixteen letters!"), "sixteen letters!");
    EXPECT_EQ(RoomNameFrom("seventeen letters"), std::nullopt);
}

} // namespace
