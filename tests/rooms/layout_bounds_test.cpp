// The layout's bounds published in CFG/RECT.CFG and CFG/BOUNDS.CFG, and the grid lines added for one
// repaint of the layout view.
#include <vector>

#include "rooms/design_room.h"
#include "rooms/room_settings.h"
#include "tests/rooms/rooms_fixture.h"

namespace {

constexpr const char* kShippedBounds = "200000 0 0 200000\n";

class LayoutBoundsTest : public RoomsTest {
protected:
    void TwoRooms() {
        Add(Room(1000, 4000, 3000, 2000));
        Add(Room(3000, 4000, 4500, 1000));
    }
    // A room of the given size at the new-room spot, as Start leaves it.
    static std::unique_ptr<TRoomobj> NewRoom(int32_t width, int32_t length) {
        const RoomCorner spot = NewRoomSpot(length);
        return Room(spot.x, spot.y, spot.x + width, spot.y - length);
    }
};

TEST_F(LayoutBoundsTest, TwoRoomsPublishTheirRectangleAndBounds) {
    TwoRooms();
    EXPECT_EQ(ObjectList.ComputeLayoutBounds(), 2);
    EXPECT_EQ(dir.ReadFile("CFG/BOUNDS.CFG"), "1000 4000 4500 1000\n");
    EXPECT_EQ(dir.ReadFile("CFG/RECT.CFG"), "3500 3000 10500000\n");
}

TEST_F(LayoutBoundsTest, OneRoomTouchesNeitherFile) {
    Add(Room(1000, 4000, 3000, 2000));
    EXPECT_EQ(ObjectList.ComputeLayoutBounds(), 1);
    EXPECT_EQ(dir.ReadFile("CFG/BOUNDS.CFG"), kShippedBounds);
    EXPECT_FALSE(dir.Exists("CFG/RECT.CFG"));
}

TEST_F(LayoutBoundsTest, RoomJustMadeAtTheNewRoomSpotIsLeftOutOnlyWhileLast) {
    Add(Room(1000, 4000, 3000, 2000));
    Add(NewRoom(500, 500));
    EXPECT_EQ(ObjectList.ComputeLayoutBounds(), 2);
    EXPECT_EQ(dir.ReadFile("CFG/BOUNDS.CFG"), "1000 4000 3000 2000\n");

    // Once something follows it, the room counts like any other.
    Add(std::make_unique<TTextobj>());
    EXPECT_EQ(ObjectList.ComputeLayoutBounds(), 2);
    const LayoutBounds b = ReadLayoutBounds();
    EXPECT_EQ(b.minY, NewRoomSpot(500).y - 500);
}

TEST_F(LayoutBoundsTest, WallMarkingViewBoundsTheGroundFloorLayout) {
    TwoRooms();
    CurrentView = 45;
    EXPECT_EQ(ObjectList.ComputeLayoutBounds(), 2);
    EXPECT_EQ(dir.ReadFile("CFG/BOUNDS.CFG"), "1000 4000 4500 1000\n");
}

TEST_F(LayoutBoundsTest, FloorViewWritesOnlyTheStartingBounds) {
    CurrentView = kGroundFloor;
    Add(Room(1000, 4000, 3000, 2000, kReopenedRoom, kGroundFloor));
    Add(Room(3000, 4000, 4500, 1000, kReopenedRoom, kGroundFloor));
    dir.WriteFile("CFG/BOUNDS.CFG", "1 2 3 4\n");
    EXPECT_EQ(ObjectList.ComputeLayoutBounds(), 2);
    EXPECT_EQ(dir.ReadFile("CFG/BOUNDS.CFG"), kShippedBounds);
    EXPECT_FALSE(dir.Exists("CFG/RECT.CFG"));
}

TEST_F(LayoutBoundsTest, HugeLayoutAreaIsClampedNotWrapped) {
    Add(Room(0, 60000, 30000, 0));
    Add(Room(30000, 60000, 60000, 0));
    ObjectList.ComputeLayoutBounds();
    EXPECT_EQ(dir.ReadFile("CFG/RECT.CFG"), "60000 60000 2147483647\n");
}

struct GridLine {
    int32_t style, x1, y1, x2, y2;
};

std::vector<GridLine> ListedLines() {
    std::vector<GridLine> lines;
    for (int32_t i = 0; i < ObjectList.count; ++i) {
        const TObject* o = ObjectList[i];
        if (o->kind == kLine) lines.push_back({o->penStyle, o->x1, o->y1, o->x2, o->y2});
    }
    return lines;
}

TEST_F(LayoutBoundsTest, GridFramesTheRoomsAndStoresNoLine) {
    TwoRooms();
    ObjectList.MakeLayoutGrid();
    const std::vector<GridLine> lines = ListedLines();
    ASSERT_EQ(ObjectList.count, static_cast<int32_t>(lines.size())); // only the grid is listed
    ASSERT_EQ(lines.size(), 4u + 4u + 4u);
    EXPECT_EQ(lines[2].x1, 4500); // right frame line
    for (int32_t j = 0; j < 4; ++j) {
        EXPECT_EQ(lines[4 + j].style, 2);
        EXPECT_EQ(lines[4 + j].x1, 1000 + 1000 * j);
    }
    // The rooms were written before the list was emptied, and no grid line was.
    ObjectList.Flush();
    ASSERT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
    EXPECT_EQ(ObjectList.count, 2);
    EXPECT_EQ(ObjectList[0]->kind, kDesignRoom);
}

TEST_F(LayoutBoundsTest, GridSkipsTheRoomAtTheNewRoomSpotAndNeedsTwoRooms) {
    Add(Room(1000, 4000, 3000, 2000));
    Add(NewRoom(500, 500));
    ObjectList.MakeLayoutGrid();
    EXPECT_EQ(ObjectList.count, 2);
    EXPECT_TRUE(ListedLines().empty());
}

TEST_F(LayoutBoundsTest, GridSpacingBelowItsLeastReadsAsShipped) {
    dir.WriteFile("CFG/LYTGRIDM.CFG", "249 255\n");
    EXPECT_EQ(ReadLayoutGridSettings(1).spacing, 1000);
    dir.WriteFile("CFG/LYTGRIDI.CFG", "-5 255\n");
    EXPECT_EQ(ReadLayoutGridSettings(0).spacing, 960);
}

TEST_F(LayoutBoundsTest, ManyRoomsAreAllFramed) {
    for (int32_t i = 0; i < 25; ++i)
        Add(Room(i * 1000, 3000, i * 1000 + 1000, 0));
    ObjectList.MakeLayoutGrid();
    EXPECT_EQ(ListedLines()[2].x1, 25000);
}

// With one room the bounds file is never rewritten: the grid runs from the room, not from what the
// file last held.
TEST_F(LayoutBoundsTest, MarkingGridOfOneRoomRunsFromTheRoom) {
    dir.WriteFile("CFG/BOUNDS.CFG", "7000 9000 9500 8000\n");
    Add(Room(1000, 4000, 3000, 2000));
    CurrentView = kRoomLayout + 5; // the layout while its external walls are marked
    ObjectList.MakeLayoutGrid();
    const std::vector<GridLine> lines = ListedLines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0].x1, 1000);
    EXPECT_EQ(lines[1].y1, 4000);
}

} // namespace
