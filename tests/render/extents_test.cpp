// The extents file for the current floor: which objects count on the screen and on paper, and what
// an empty floor writes.
#include <gtest/gtest.h>

#include <memory>

#include "document/document.h"
#include "document/objects.h"
#include "document/program_state.h"
#include "tests/support/drawing_fixture.h"

namespace {

class Extents : public testsupport::DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        MetricUnits = 1;
        ZoomDivisor = 5;
        CurrentView = kGroundFloor;
        PlanDisplayMode = 0;
    }

    void Add(int32_t view, int32_t kind, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
        std::unique_ptr<TObject> o;
        if (kind == kExtWall)
            o = std::make_unique<TExtwallobj>();
        else if (kind == kAutoArrow)
            o = std::make_unique<TArrowobj>();
        else if (kind == kAutoDimension)
            o = std::make_unique<TDimensobj>();
        else if (IsTextKind(kind))
            o = std::make_unique<TTextobj>();
        else
            o = std::make_unique<TLineobj>();
        o->view = view, o->kind = kind, o->x1 = x1, o->y1 = y1, o->x2 = x2, o->y2 = y2;
        ObjectList.Add(std::move(o));
    }
    void AddTwoWalls(int32_t view = kGroundFloor) {
        Add(view, kExtWall, 1000, 5000, 9000, 5000);
        Add(view, kExtWall, 9000, 5000, 9000, 1000);
    }
    std::string Computed() {
        ObjectList.ComputeExtents();
        return dir.ReadFile("CFG/EXTENTS.CFG");
    }
};

TEST_F(Extents, ExternalWallsGiveTheirRectangle) {
    AddTwoWalls();
    Add(kFirstFloor, kExtWall, -500, 9999, 20000, 9999); // another floor
    Add(kGroundFloor, kLine, -500, -500, 30000, 30000);  // not a wall
    EXPECT_EQ(Computed(), "1000 9000 5000 1000");
}

TEST_F(Extents, AWallDrawnRightToLeftCountsBothEnds) {
    Add(kGroundFloor, kExtWall, 9000, 5000, 1000, 5000);
    EXPECT_EQ(Computed(), "1000 9000 5000 5000");
}

TEST_F(Extents, ShownAutomaticDimensionsTakeOverFromTheWalls) {
    AddTwoWalls();
    Add(kGroundFloor, kAutoArrow, 400, 5600, 9600, 5600);
    Add(kGroundFloor, kAutoDimension, 9600, 5600, 9600, 400);
    EXPECT_EQ(Computed(), "400 9600 5600 400");
    for (int32_t hidden : {1, 3, 11, 13}) {
        PlanDisplayMode = hidden;
        EXPECT_EQ(Computed(), "1000 9000 5000 1000") << hidden;
    }
    PlanDisplayMode = 12;
    EXPECT_EQ(Computed(), "400 9600 5600 400");
}

TEST_F(Extents, TextsCountOnlyOnPaperWithRoomForTheCaption) {
    AddTwoWalls();
    Add(kGroundFloor, kText, 5000, 500, 5000, 500);   // below the walls
    Add(kGroundFloor, kText, 2000, 6000, 2000, 6000); // above the walls
    EXPECT_EQ(Computed(), "1000 9000 5000 1000");

    // On paper: margin = 600 x 4 + 1200 from the metric dimension settings.
    CurrentView = kGroundFloor + kPrintViewOffset;
    EXPECT_EQ(Computed(), "1000 9000 " + std::to_string(6000 + 20 * 5) + " " + std::to_string(500 - 3600));
}

TEST_F(Extents, TheSitePlanCountsLinesWallsAndTexts) {
    CurrentView = kSitePlan;
    Add(kSitePlan, kLine, -100, 200, 300, 400);
    Add(kSitePlan, kExtWall, 0, 0, 50, 50);
    Add(kSitePlan, kText, 1000, 100, 1000, 100);
    Add(kSitePlan, kAutoArrow, -9000, -9000, 9000, 9000);
    EXPECT_EQ(Computed(), "-100 1000 400 0");
}

TEST_F(Extents, AnEmptyFloorBorrowsTheDimensionsOfTheFloorBelow) {
    AddTwoWalls(kGroundFloor);
    Add(kGroundFloor, kAutoArrow, 400, 5600, 9600, 5600);
    Add(kGroundFloor, kAutoDimension, 9600, 5600, 9600, 400);
    CurrentView = kFirstFloor;
    EXPECT_EQ(Computed(), "400 9600 5600 400");
}

TEST_F(Extents, AnEmptyFloorWithNothingBelowWritesTheStartValues) {
    AddTwoWalls(kGroundFloor);
    CurrentView = kFirstFloor;
    EXPECT_EQ(Computed(), "200000 0 0 200000");
}

TEST_F(Extents, AnEmptyDocumentIsFilledFromTheWorkingFile) {
    AddTwoWalls();
    Add(kGroundFloor, kAutoArrow, 400, 5600, 9600, 5600);
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    ObjectList.Flush();
    // Read first, so the automatic dimensions in the file are seen and decide.
    EXPECT_EQ(Computed(), "400 9600 5600 5600");
    EXPECT_EQ(ObjectList.count, 3);
}

TEST_F(Extents, FeetAndInchesReadTheirOwnDimensionSettings) {
    MetricUnits = 0;
    ZoomDivisor = 6;
    dir.WriteFile("CFG/IOFFSET.CFG", "288 240 192 0 9 9 10");
    Add(kGroundFloor, kText, 5000, 500, 5000, 500);
    CurrentView = kGroundFloor + kPrintViewOffset;
    EXPECT_EQ(Computed(), "5000 5000 620 " + std::to_string(500 - (4 * 240 + 192))); // its top: 500 + 20 x 6
}

} // namespace
