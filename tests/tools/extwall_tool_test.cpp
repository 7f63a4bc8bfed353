// The external-wall tool building walls: end snapping, the layer lines at free ends and at corners,
// the heights of the floor, and the commands that offer lengths and copy the floor below.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <utility>
#include <vector>

#include "document/document.h"
#include "document/program_state.h"
#include "tests/tools/extwall_fixture.h"
#include "tools/wall_tools.h"

namespace {

using Point = std::pair<int32_t, int32_t>;

class ExtWallTool : public ExtWallToolTest {
protected:
    // Builds one wall as the keyed outline does and returns it as appended.
    const TExtwallobj& Build(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t angle,
                             int32_t side = 1) {
        tool.X0 = x1, tool.Y0 = y1, tool.X1 = x2, tool.Y1 = y2;
        tool.Angle = angle;
        tool.SegmentLength =
            static_cast<int32_t>(std::hypot(static_cast<double>(x2 - x1), static_cast<double>(y2 - y1)));
        tool.DirectionCode() = side;
        tool.SnapWallEnds(1);
        EXPECT_EQ(tool.AddExternalWall(), tools::WriteResult::Ok);
        return Wall(ObjectList.count - 1);
    }
    static const TExtwallobj& Wall(int32_t index) {
        return dynamic_cast<const TExtwallobj&>(*ObjectList[index]);
    }

    static Point Start1(const TExtwallobj& w) { return {w.p1x, w.p1y}; }
    static Point End1(const TExtwallobj& w) { return {w.p2x, w.p2y}; }

    TExtwallobjtool tool;
};

TEST_F(ExtWallTool, FreeFourLineWallHasItsLinesBelowAndTheFloorHeights) {
    const TExtwallobj& w = Build(1000, 1000, 6000, 1000, 900);
    const std::vector<int32_t> points{w.p1x, w.p1y, w.p2x, w.p2y, w.p3x, w.p3y,
                                      w.p4x, w.p4y, w.p5x, w.p5y, w.p6x, w.p6y};
    EXPECT_EQ(points,
              (std::vector<int32_t>{1000, 890, 6000, 890, 1000, 835, 6000, 835, 1000, 725, 6000, 725}));
    EXPECT_EQ(w.aux1, 25);
    EXPECT_EQ(w.aux2, 2575);
    EXPECT_EQ(w.group, 5000);
    EXPECT_EQ(w.view, kGroundFloor);
    EXPECT_EQ(w.thickness3, 110);
    EXPECT_EQ(w.id, IdCounter);
}

struct StoredLayersCase {
    const char* name;
    const char* stored;
    std::vector<int32_t> layers;
    const char* kept = "110 55 110 10 2550 2400 2400 0 0 0"; // the shipped layers
};

class StoredLayers : public ExtWallTool, public ::testing::WithParamInterface<StoredLayersCase> {};

// A short settings file is completed field by field from the shipped default and written back; the
// layers are taken as the custom wall writes them, and read as shipped together where they would
// make a wall no dialog gives.
TEST_P(StoredLayers, BuildTheWallAsTheFileHoldsThem) {
    dir.WriteFile("CFG/EXTWALLM.CFG", GetParam().stored);
    const TExtwallobj& w = Build(1000, 1000, 6000, 1000, 900);
    EXPECT_EQ((std::vector<int32_t>{w.thickness1, w.thickness2, w.thickness3}), GetParam().layers);
    EXPECT_EQ(w.aux1, 10);
    EXPECT_EQ(w.aux2, 2560);
    EXPECT_EQ(dir.ReadFile("CFG/EXTWALLM.CFG"), GetParam().kept);
}

const StoredLayersCase kStoredLayers[] = {
    {"Short", "230 0 0 10", {230, 0, 0}, "230 0 0 10 2550 2400 2400 0 0 0"},
    {"NoOuterLeaf", "0 0 275 10 2550 2400 2400 0 0 0", {0, 0, 275}, "0 0 275 10 2550 2400 2400 0 0 0"},
    {"AsThickAsTheThickestWall",
     "500 300 100 10 2550 2400 2400 0 0 0",
     {500, 300, 100},
     "500 300 100 10 2550 2400 2400 0 0 0"},
    {"ThickerThanAnyWall", "500 300 200 10 2550 2400 2400 0 0 0", {110, 55, 110}},
    {"NoWallAtAll", "0 0 0 10 2550 2400 2400 0 0 0", {110, 55, 110}},
};

INSTANTIATE_TEST_SUITE_P(ExtWallTool, StoredLayers, ::testing::ValuesIn(kStoredLayers),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExtWallTool, ObliqueFreeWallOffsetsAlongItsBearing) {
    dir.WriteFile("CFG/EXTWALLM.CFG", "100 0 0 25 2550 2400 2400 0 0 0");
    const TExtwallobj& w = Build(1000, 1000, 4000, 4000, 450);
    EXPECT_EQ(Start1(w), Point(1070, 930));
    EXPECT_EQ(End1(w), Point(4070, 3930));
}

TEST_F(ExtWallTool, PerpendicularWallsMeetAtTheirLayerLines) {
    dir.WriteFile("CFG/EXTWALLM.CFG", "100 0 0 25 2550 2400 2400 0 0 0");
    Build(1000, 5000, 5000, 5000, 900);
    const TExtwallobj& second = Build(5000, 5000, 5000, 1000, 1800);
    EXPECT_EQ(Start1(second), Point(4900, 4900));
    EXPECT_EQ(End1(Wall(0)), Point(4900, 4900));
    EXPECT_EQ(End1(second), Point(4900, 1000));
}

TEST_F(ExtWallTool, ObliqueCornerIsMitredForBothWalls) {
    dir.WriteFile("CFG/EXTWALLM.CFG", "100 0 0 25 2550 2400 2400 0 0 0");
    Build(1000, 5000, 5000, 5000, 900);
    const TExtwallobj& second = Build(5000, 5000, 8000, 2000, 1350);
    const Point mitred = Start1(second);
    EXPECT_EQ(mitred.first, 4959); // on the bisector, 100 from both faces
    EXPECT_NEAR(mitred.second, 4900, 1);
    // The horizontal neighbour meets the mitre and stays exactly horizontal.
    EXPECT_EQ(End1(Wall(0)), Point(4959, 4900));
}

struct UncorneredCase {
    const char* name;
    Point end;
    int32_t angle;
    Point start1; // the second wall's line-1 start
};

class UncorneredJoin : public ExtWallTool, public ::testing::WithParamInterface<UncorneredCase> {};

// In line, or folding back on itself (exactly or nearly), a corner is left square and free; a fold
// never divides by a vanishing cosine.
TEST_P(UncorneredJoin, LeavesBothEndsSquare) {
    dir.WriteFile("CFG/EXTWALLM.CFG", "100 0 0 25 2550 2400 2400 0 0 0");
    Build(1000, 5000, 5000, 5000, 900);
    const UncorneredCase& c = GetParam();
    const TExtwallobj& second = Build(5000, 5000, c.end.first, c.end.second, c.angle);
    EXPECT_EQ(second.x1, 5000);
    EXPECT_EQ(Start1(second), c.start1);
    EXPECT_EQ(End1(Wall(0)), Point(5000, 4900));
}

INSTANTIATE_TEST_SUITE_P(ExtWallTool, UncorneredJoin,
                         ::testing::Values(UncorneredCase{"Straight", {9000, 5000}, 900, {5000, 4900}},
                                           UncorneredCase{"FoldBack", {1000, 5000}, 2700, {5000, 5100}},
                                           UncorneredCase{"NearFold", {1000, 5100}, 2714, {5002, 5099}}),
                         [](const auto& info) { return std::string(info.param.name); });

struct SnapCase {
    int32_t offset;
    bool snaps;
};

class SnapTolerance : public ExtWallTool, public ::testing::WithParamInterface<SnapCase> {};

TEST_P(SnapTolerance, OnlyStrictlyInsideThreeZoomUnits) {
    Build(1000, 5000, 5000, 5000, 900);
    const int32_t x = 5000 + GetParam().offset;
    const TExtwallobj& second = Build(x, 5000, x, 1000, 1800);
    EXPECT_EQ(second.x1 == 5000, GetParam().snaps);
    EXPECT_EQ(tool.PreviousWall == 0, GetParam().snaps);
}

INSTANTIATE_TEST_SUITE_P(ExtWallTool, SnapTolerance,
                         ::testing::Values(SnapCase{14, true}, SnapCase{15, false}));

TEST_F(ExtWallTool, WallStartingOnAWallsStartIsTurnedToLeadIntoIt) {
    Build(1000, 5000, 1000, 1000, 1800, 2);
    const TExtwallobj& second = Build(1002, 5003, 5002, 5003, 900);
    EXPECT_EQ(second.direction, 2700);
    EXPECT_EQ(Point(second.x1, second.y1), Point(5000, 5000));
    EXPECT_EQ(Point(second.x2, second.y2), Point(1000, 5000));
    EXPECT_EQ(tool.NextWall, 0);
    // Cornered with the wall it leads into: line 1 of each stops at the other's.
    EXPECT_EQ(End1(second), Point(890, 5110));
    EXPECT_EQ(Start1(Wall(0)), Point(890, 5110));
}

TEST_F(ExtWallTool, UnjoinedWallIsOrderedAwayFromItsOutwardSide) {
    const TExtwallobj& w = Build(6000, 1000, 1000, 1000, 2700, 1);
    EXPECT_EQ(w.x1, 1000);
    EXPECT_EQ(w.direction, 900);
}

// An angled wall stored square by an older program (bearing 900 on a short diagonal) met end to
// start still gives the new wall every line at that end, never a point left at 0.
TEST_F(ExtWallTool, WallMeetingAMisstoredAngledWallGetsAllItsLines) {
    const int32_t none[12] = {}, attr[4] = {};
    ObjectList.Add(std::make_unique<TExtwallobj>(kGroundFloor, kExtWall, 1, 0, 1, 70, 1000, 0, 1050, 0, 1000,
                                                 950, 0, 110, 55, 110, 0, 0, 1, 900, none, 0, 0, attr));
    const TExtwallobj& w = Build(6000, 1000, 1000, 1000, 2700, 3);
    EXPECT_EQ(std::vector<int32_t>({w.p2x, w.p2y, w.p4x, w.p4y, w.p6x, w.p6y}),
              std::vector<int32_t>({1000, 1110, 1000, 1165, 1000, 1275}));
}

// A wall made from a marked inner-face line: each end moves out along its corner's bisector by the
// wall's thickness, and the length follows the moved ends.
TEST_F(ExtWallTool, TrimmedEndsLieOnTheOuterFaceCorners) {
    ObjectList.Add(std::make_unique<TLineobj>(kRoomLayout + 5, kOutlineLine, 1, 0, 0, 0, 1000, 0, 1000, 0,
                                              1000, 5000, 0, 0, 0));
    const int32_t line = ObjectList.count - 1;
    tool.LayerThickness1 = 110, tool.LayerThickness2 = 55, tool.LayerThickness3 = 110;
    tool.TrimWallEnd(line, 0, 2700, 1); // up after a side running left
    tool.TrimWallEnd(line, 900, 0, 2);  // then right
    EXPECT_EQ(Point(tool.X0, tool.Y0), Point(725, 725));
    EXPECT_EQ(Point(tool.X1, tool.Y1), Point(725, 5275));
    EXPECT_EQ(tool.SegmentLength, 4550);
}

class ExtWallCommands : public ExtWallTool {
protected:
    // A closed clockwise rectangle on the ground floor, drawn from its lower left corner.
    void Rectangle() {
        Build(1000, 1000, 1000, 5000, 0, 4);
        Build(1000, 5000, 6000, 5000, 900);
        Build(6000, 5000, 6000, 1000, 1800);
        Build(6000, 1000, 1000, 1000, 2700);
    }
};

TEST_F(ExtWallCommands, KeyedStartSnapsAndOffersTheFreeLengthAhead) {
    Build(1000, 1000, 1000, 5000, 0, 4);
    Build(1000, 5000, 6000, 5000, 900);
    Build(6000, 5000, 6000, 1000, 1800);
    tool.X0 = 6004, tool.Y0 = 996;
    tool.ExtendDirection() = 4;
    tool.Command(2);
    EXPECT_EQ(tool.X0, 6000);
    EXPECT_EQ(tool.Y0, 1000);
    EXPECT_EQ(tool.Count, 5000);
    tool.ExtendDirection() = 3; // nothing ahead
    tool.Command(2);
    EXPECT_EQ(tool.Count, 0);
}

TEST_F(ExtWallCommands, ShrinkLimitIsNeverNegative) {
    Rectangle();
    auto limitFrom = [&](int32_t x, int32_t y) {
        tool.DirectionCode() = 2;
        tool.Count = x / ZoomDivisor, tool.CursorY = y / ZoomDivisor;
        tool.Command(1);
        return tool.Count;
    };
    EXPECT_EQ(limitFrom(3000, 3000), 0); // no design room anywhere
    ObjectList.Add(std::make_unique<TRoomobj>());
    auto& room = *ObjectList[ObjectList.count - 1];
    room.kind = kDesignRoom, room.view = kRoomLayout;
    room.x1 = 2000, room.x2 = 5500, room.y1 = 4000, room.y2 = 2000;
    EXPECT_EQ(limitFrom(3000, 3000), 6000 - 275 - 5500);
    room.x2 = 5900; // reaches past the inner face
    EXPECT_EQ(limitFrom(3000, 3000), 0);
}

TEST_F(ExtWallCommands, FloorBelowIsCopiedAsAClosedCorneredOutline) {
    Rectangle();
    CurrentView = kFirstFloor;
    tool.Command(3);
    std::vector<const TExtwallobj*> copied;
    for (int32_t i = 0; i < ObjectList.count; ++i)
        if (ObjectList[i]->view == kFirstFloor) copied.push_back(&Wall(i));
    ASSERT_EQ(copied.size(), 4u);
    for (size_t i = 0; i < copied.size(); ++i) {
        const TExtwallobj& w = *copied[i];
        const TExtwallobj& next = *copied[(i + 1) % copied.size()];
        EXPECT_EQ(Point(w.x2, w.y2), Point(next.x1, next.y1));
        EXPECT_EQ(End1(w), Start1(next)) << "corner " << i;
        EXPECT_EQ(w.aux1, 2575);
        EXPECT_EQ(w.aux2, 4975);
    }
    EXPECT_EQ(Start1(*copied[0]), Point(1110, 1110));
}

} // namespace
