// Centring a floor on the sheet: what makes the box, what moves, and what the working file stores.
#include "editing/centre_drawing.h"

#include "tests/editing/base_edit_fixture.h"
#include "tools/wall_tools.h"

namespace {

using namespace basetest;

class Centring : public Floor {
protected:
    void Centre(int32_t mode) { CentreDrawing(tool, mode); }
    TExtwallobjtool tool;
};

TEST_F(Centring, EveryListedKindOfTheFloorMovesByTheOffsetOfTheWallBox) {
    Outline(1000, 1000, 9000, 5000);
    TExtwallobj& layered = Wall(2000, 2000, 3000, 2000); // no second layer: its further lines move all the same
    TRoomobj& room = Room(2000, 4000, 4000, 2000, 7);
    TIntwallobj& partition = Add<TIntwallobj>(kIntWall, 5000, 1000, 5000, 5000);
    partition.q1x = 5100, partition.q2y = 5000;
    TArcobj& arc = Add<TArcobj>(kArc, 0, 0, 100, 100);
    arc.ex = 50;
    TDimensobj& dim = Add<TDimensobj>(kManualDimension, 1000, 500, 2000, 500);
    dim.d2x = 9000;
    TPolyobj& opening = Add<TOpeningobj>(kOpening, 0, 0, 0, 0);
    opening.count = 1, opening.px[0] = 3000, opening.py[0] = 1000;
    TObject& record = Add(kFloorRecord, 10, 10, 10, 10);
    TObject& newRoom = Add(kNewRoom, 10, 10, 20, 20);
    TExtwallobj& upstairs = Wall(0, 0, 100000, 0, 0, kFirstFloor);

    Centre(1);

    EXPECT_EQ(ObjectList[0]->x1, 16000);
    EXPECT_EQ(ObjectList[0]->y1, 13000);
    EXPECT_EQ(layered.p6x, 18000);
    EXPECT_EQ(layered.p5y, 14000);
    EXPECT_EQ(room.x1, 17000);
    EXPECT_EQ(room.y2, 14000);
    EXPECT_EQ(partition.q1x, 20100);
    EXPECT_EQ(partition.q2y, 17000);
    EXPECT_EQ(arc.ex, 15050);
    EXPECT_EQ(arc.sy, 12000);
    EXPECT_EQ(dim.d2x, 24000);
    EXPECT_EQ(opening.px[0], 18000);
    EXPECT_EQ(opening.x1, 0); // an opening is its points
    EXPECT_EQ(record.x2, 15010);
    EXPECT_EQ(newRoom.x1, 10);
    EXPECT_EQ(upstairs.x2, 100000);

    // The file stores points relative to the sheet centre: the outline at ±4000 by ±2000, and reads
    // back to the same floor.
    const std::string file = dir.ReadFile("DWGS/BASE.DB0");
    EXPECT_NE(file.find("-4000"), std::string::npos);
    EXPECT_NE(file.find("-2000"), std::string::npos);
    ObjectList.Flush();
    ASSERT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
    EXPECT_EQ(ObjectList[1]->x1, 24000);
    EXPECT_EQ(ObjectList[1]->y2, 17000);
}

TEST_F(Centring, ACentredFloorStaysWhereItIs) {
    Outline(16000, 13000, 24000, 17000);
    Centre(2);
    EXPECT_EQ(ObjectList[2]->x1, 16000);
    EXPECT_EQ(ObjectList[2]->y1, 17000);
}

// The first value on an axis is its minimum only: the maximum 5 comes later, and the centre is 5 - 2.
TEST_F(Centring, AnOddExtentCentresOnTheMaximumLessHalfTheExtent) {
    Wall(0, 0, 5, 0);
    Wall(0, 0, 0, 5);
    Centre(1);
    EXPECT_EQ(ObjectList[0]->x2, 5 + 20000 - 3);
    EXPECT_EQ(ObjectList[1]->y2, 5 + 15000 - 3);
}

TEST_F(Centring, AFloorWithoutWallsIsNotShiftedButStillWritten) {
    TObject& line = Add(kLine, 100, 100, 200, 200);
    Centre(1);
    EXPECT_EQ(line.x1, 100);
    EXPECT_TRUE(dir.Exists("DWGS/BASE.DB0"));
}

// On the site plan a text counts by its anchor alone; arcs and polygons do not count yet move.
TEST_F(Centring, SitePlanBoxIsLinesShapesWallsAndTextAnchors) {
    CurrentView = kSitePlan;
    Add(kLine, 1000, 1000, 3000, 1000, kSitePlan);
    TTextobj& text = Add<TTextobj>(kText, 5000, 3000, 90000, 90000, kSitePlan);
    TArcobj& arc = Add<TArcobj>(kArc, -50000, -50000, 100, 100, kSitePlan);
    TPolyobj& poly = Add<TPolyobj>(200, 0, 0, 0, 0, kSitePlan);
    poly.count = 1, poly.px[0] = 80000, poly.py[0] = 80000;
    Centre(kSitePlan);
    // Box 1000..5000 by 1000..3000: the offset is (17000, 13000).
    EXPECT_EQ(text.x1, 22000);
    EXPECT_EQ(text.y2, 103000);
    EXPECT_EQ(arc.x1, -33000);
    EXPECT_EQ(poly.px[0], 97000);
}

} // namespace
