// The largest free room round a click, and the quarter turn of a design room.
#include <optional>
#include <tuple>

#include "rooms/free_room.h"
#include "rooms/room_turn.h"
#include "tests/rooms/rooms_fixture.h"

namespace {

class FreeRoom : public RoomsTest {
protected:
    // Two rooms 4000 apart; a two-line external wall given by its inner face.
    void SetUp() override {
        RoomsTest::SetUp();
        Add(Room(1000, 9000, 5000, 1000));
        Add(Room(9000, 9000, 13000, 1000));
    }
    static void AddWall(int32_t y) {
        auto w = std::make_unique<TExtwallobj>();
        w->view = kRoomLayout, w->kind = kExtWall;
        w->x1 = w->p1x = 0, w->x2 = w->p2x = 14000, w->y1 = w->p1y = w->y2 = w->p2y = y;
        Add(std::move(w));
    }
    static std::optional<FreeRoomSize> At(int32_t x, int32_t y) {
        const auto extent = MeasureFreeRoomExtent(ObjectList, kRoomLayout, x, y);
        if (!extent) return std::nullopt;
        return MeasureFreeRoom(ObjectList, kRoomLayout, x, y, 100, *extent);
    }
};

TEST_F(FreeRoom, GapLessTwoPartitionsBetweenTheWalls) {
    AddWall(9800);
    EXPECT_EQ(At(7000, 5000)->length, 9800 - (1000 - 100)); // nothing below: the extent less one
    AddWall(200);
    const auto size = At(7000, 5000);
    EXPECT_EQ(size->width, 3800);
    EXPECT_EQ(size->length, 9600);
    Add(Room(3000, 9500, 7000, 9300)); // above, ending at the click's x: no bound
    EXPECT_EQ(At(7000, 5000)->length, 9600);
}

TEST_F(FreeRoom, ClickOnARoomOrAWallOrOutsideEverythingFails) {
    AddWall(200);
    EXPECT_FALSE(At(3000, 9000));  // a room's top edge
    EXPECT_FALSE(At(7000, 200));   // the wall's face
    EXPECT_FALSE(At(7000, 20000)); // above everything
    ObjectList.Flush();
    Add(Room(1000, 9000, 5000, 1000));
    EXPECT_FALSE(At(7000, 5000)); // a document of one object
}

TEST_F(FreeRoom, QuarterTurnKeepsTheCentreWithTruncatedHalves) {
    auto odd = Room(0, 2000, 3001, 0);
    QuarterTurn(*odd); // the y extent is 3000 while the length says 3001
    EXPECT_EQ(std::tie(odd->x1, odd->y1, odd->x2, odd->y2, odd->value3, odd->value4),
              std::make_tuple(500, 2500, 2500, -500, 2000, 3001));
}

} // namespace
