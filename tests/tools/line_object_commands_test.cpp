// The line-object tool's class operations: lengthening and shortening a chosen line at its nearer
// end, and the floor area enclosed by the external walls.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "document/document.h"
#include "document/program_state.h"
#include "tests/support/floor_records.h"
#include "tests/support/made_objects.h"
#include "tools/floor_area.h"
#include "tools/line_tool.h"

namespace {

class LineObjectTool : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGlobals();
        ObjectList.Flush();
        CurrentView = kGroundFloor;
        MetricUnits = 1;
        ZoomDivisor = 5;
        testsupport::AddStartingFloorRecords(ObjectList);
    }
    void TearDown() override {
        ObjectList.Flush();
        ResetGlobals();
    }

    int32_t AddLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
        ObjectList.Add(
            std::make_unique<TLineobj>(CurrentView, kLine, 1, 0, 0, 0, x1, 0, x2, 0, y1, y2, 0, 0, 0));
        return ObjectList.count - 1;
    }

    void AddWall(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t view = kGroundFloor) {
        ObjectList.Add(testsupport::Made<TExtwallobj>(kExtWall, x1, y1, x2, y2, view));
    }

    // A closed outline through the points, in the order given.
    void AddOutline(const std::vector<POINT>& points) {
        for (size_t i = 0; i < points.size(); ++i) {
            const POINT& a = points[i];
            const POINT& b = points[(i + 1) % points.size()];
            AddWall(a.x, a.y, b.x, b.y);
        }
    }

    int32_t Area() {
        TLineobjtool tool;
        AddExtwallTotals(tool);
        return ObjectList.GetFloorArea();
    }

    TLineobjtool tool;
};

TEST_F(LineObjectTool, ShortenMovesTheNearerEndOfAHorizontalLine) {
    const int32_t i = AddLine(1000, 3000, 5000, 3000);
    tool.Mode = 3;
    tool.PickKind = i;
    tool.Start(500, 4800, 3000);
    EXPECT_EQ(ObjectList[i]->x1, 1000);
    EXPECT_EQ(ObjectList[i]->x2, 4500);
    tool.Start(500, 1100, 3000);
    EXPECT_EQ(ObjectList[i]->x1, 1500);
}

TEST_F(LineObjectTool, LengthenMovesTheNearerEndOutward) {
    const int32_t i = AddLine(5000, 3000, 1000, 3000); // drawn right to left
    tool.Mode = 2;
    tool.PickKind = i;
    tool.Start(400, 1200, 3000);
    EXPECT_EQ(ObjectList[i]->x2, 600);
    tool.Start(400, 4900, 3000);
    EXPECT_EQ(ObjectList[i]->x1, 5400);
}

// A vertical line moves its y ends; the words beside the coordinates are left alone.
TEST_F(LineObjectTool, VerticalLinesMoveTheirYEnds) {
    const int32_t i = AddLine(2000, 1000, 2000, 6000);
    ObjectList[i]->aux1 = 77;
    ObjectList[i]->aux2 = 88;
    tool.Mode = 2;
    tool.PickKind = i;
    tool.Start(1000, 2000, 5500);
    EXPECT_EQ(ObjectList[i]->y2, 7000);
    tool.Mode = 3;
    tool.Start(300, 2000, 1200);
    EXPECT_EQ(ObjectList[i]->y1, 1300);
    EXPECT_EQ(ObjectList[i]->x1, 2000);
    EXPECT_EQ(ObjectList[i]->x2, 2000);
    EXPECT_EQ(ObjectList[i]->aux1, 77);
    EXPECT_EQ(ObjectList[i]->aux2, 88);
}

TEST_F(LineObjectTool, ShorteningByTheWholeLengthIsRefused) {
    const int32_t i = AddLine(1000, 3000, 2000, 3000);
    tool.Mode = 3;
    tool.PickKind = i;
    tool.Start(1000, 1900, 3000);
    tool.Start(5000, 1900, 3000);
    EXPECT_EQ(ObjectList[i]->x1, 1000);
    EXPECT_EQ(ObjectList[i]->x2, 2000);
}

TEST_F(LineObjectTool, NoObjectObliqueLinesAndOtherModesChangeNothing) {
    const int32_t i = AddLine(1000, 1000, 3000, 2000);
    tool.Mode = 2;
    for (int32_t index : {30001, -1, 999}) {
        tool.PickKind = index;
        tool.Start(500, 0, 0);
    }
    tool.PickKind = i;
    tool.Start(500, 1000, 1000);
    EXPECT_EQ(ObjectList[i]->x1, 1000);
    EXPECT_EQ(ObjectList[i]->y2, 2000);
    const int32_t j = AddLine(1000, 3000, 5000, 3000);
    tool.Mode = 0;
    tool.PickKind = j;
    tool.Start(500, 4800, 3000);
    EXPECT_EQ(ObjectList[j]->x2, 5000);
}

TEST_F(LineObjectTool, ClockwiseRectangleOfTenByFiveMetresIsFiftySquareMetres) {
    AddOutline({{10000, 20000}, {20000, 20000}, {20000, 15000}, {10000, 15000}});
    EXPECT_EQ(Area(), 50);
}

TEST_F(LineObjectTool, AnticlockwiseOutlineGivesThePositiveArea) {
    AddOutline({{10000, 15000}, {20000, 15000}, {20000, 20000}, {10000, 20000}});
    EXPECT_EQ(Area(), 50);
}

// A staircase of eighteen walls, more than seven running each way.
TEST_F(LineObjectTool, OutlinesOfManyWallsAreSummedWhole) {
    std::vector<POINT> steps;
    // A staircase: 8 steps of 1 m across and 1 m down, closed along the bottom and the left.
    int32_t x = 0;
    int32_t y = 8000;
    steps.push_back({x, y});
    for (int32_t k = 0; k < 8; ++k) {
        x += 1000;
        steps.push_back({x, y});
        y -= 1000;
        steps.push_back({x, y});
    }
    steps.push_back({0, 0});
    for (auto& p : steps)
        p.x += 5000, p.y += 5000;
    AddOutline(steps);
    EXPECT_EQ(Area(), 36); // 8 + 7 + ... + 1 square metres
}

TEST_F(LineObjectTool, ObliqueOutlineCountsTheTrapezoids) {
    // A right triangle with legs of 10 m and 6 m.
    AddOutline({{10000, 10000}, {20000, 10000}, {10000, 16000}});
    EXPECT_EQ(Area(), 30);
}

TEST_F(LineObjectTool, ImperialAreaIsInSquareFeet) {
    MetricUnits = 0;
    ZoomDivisor = 6;
    // 20 feet by 15 feet in 1/24 inch.
    AddOutline({{0, 4320}, {5760, 4320}, {5760, 0}, {0, 0}});
    EXPECT_EQ(Area(), 300);
}

TEST_F(LineObjectTool, AViewWithoutWallsHasNoArea) {
    ObjectList.SetFloorArea(12);
    AddWall(0, 0, 10000, 0, kFirstFloor); // another floor's wall does not count
    EXPECT_EQ(Area(), 0);
}

TEST_F(LineObjectTool, AnAlmostEmptyDocumentKeepsItsArea) {
    ObjectList.Flush();
    ObjectList.SetFloorArea(12);
    AddWall(0, 0, 10000, 0);
    EXPECT_EQ(Area(), 12);
}

TEST_F(LineObjectTool, CommandOneOnAnUpperFloorRecomputesTheArea) {
    CurrentView = kFirstFloor;
    for (int32_t k = 0; k < 4; ++k)
        AddWall(0, 0, 0, 0, kGroundFloor);
    const std::vector<POINT> square{{0, 4000}, {4000, 4000}, {4000, 0}, {0, 0}};
    for (size_t k = 0; k < square.size(); ++k)
        AddWall(square[k].x, square[k].y, square[(k + 1) % 4].x, square[(k + 1) % 4].y, kFirstFloor);
    tool.Command(1);
    EXPECT_EQ(ObjectList.GetFloorArea(), 16);
    tool.Command(7); // any other code does nothing
    EXPECT_EQ(ObjectList.GetFloorArea(), 16);
}

} // namespace
