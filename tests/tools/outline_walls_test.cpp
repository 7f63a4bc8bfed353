// The outline marked on the room layout turned into the ground floor's external walls (the
// external-wall tool's command 7): sides fitted to the design rooms, faces pushed out by the wall
// thickness, the marked lines gone.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "document/document.h"
#include "document/program_state.h"
#include "tests/support/program_directory.h"
#include "tools/wall_tools.h"
#include "walls/outline_walls.h"

namespace {

constexpr int32_t kMarkingView = kRoomLayout + walls::kMarkingViewOffset;
constexpr int32_t kOutlineToWalls = 7;

using Points = std::vector<int32_t>;

class OutlineWalls : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGlobals();
        ObjectList.Flush();
        ObjectList.ProgramDirectory = dir.Path();
        ObjectList.SetDrawingName("LAYOUT");
        CurrentView = kMarkingView;
        MetricUnits = 1;
        ZoomDivisor = 5;
        PenScaleF = 5.0f;
        dir.WriteFile("CFG/EXTWALLM.CFG", "110 55 110 25 2550 2400 2400 0 0 0");
        dir.WriteFile("CFG/RMPTNM.CFG", "100 100 100");
    }
    void TearDown() override {
        ObjectList.Flush();
        ResetGlobals();
    }

    // Marks a closed outline through the corners, clockwise, as the layout's marking tool leaves it.
    static void Mark(const std::vector<std::pair<int32_t, int32_t>>& corners) {
        for (size_t i = 0; i < corners.size(); ++i) {
            const auto [x1, y1] = corners[i];
            const auto [x2, y2] = corners[(i + 1) % corners.size()];
            Side(x1, y1, x2, y2);
        }
    }
    static void Side(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
        ObjectList.Add(std::make_unique<TLineobj>(kMarkingView, kOutlineLine, 1, 0, 0, 0, x1, 0, x2, 0, y1,
                                                  y2, 0, Bearing(x1, y1, x2, y2), 0));
    }
    static int32_t Bearing(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
        if (x1 == x2) return y2 > y1 ? 0 : 1800;
        if (y1 == y2) return x2 > x1 ? 900 : 2700;
        return y2 > y1 ? (x2 > x1 ? 450 : 3150) : (x2 > x1 ? 1350 : 2250);
    }
    static void Room(int32_t left, int32_t top, int32_t right, int32_t bottom) {
        ObjectList.Add(std::make_unique<TRoomobj>(kRoomLayout, kDesignRoom, 1, 0, 0, 0, left, 0, right, 0,
                                                  top, bottom, 0, 0, 0, 0, 0, 0, "ROOM", "", ""));
    }
    static std::vector<const TObject*> OfKind(int32_t kind) {
        std::vector<const TObject*> found;
        for (int32_t i = 0; i < ObjectList.count; ++i)
            if (ObjectList[i]->kind == kind) found.push_back(ObjectList[i]);
        return found;
    }
    static std::vector<const TExtwallobj*> BuildWalls() {
        TExtwallobjtool tool;
        tool.Command(kOutlineToWalls);
        std::vector<const TExtwallobj*> walls;
        for (const TObject* o : OfKind(kExtWall))
            walls.push_back(dynamic_cast<const TExtwallobj*>(o));
        return walls;
    }

    testsupport::ProgramDirectory dir;
};

struct FitCase {
    int32_t marked;
    int32_t fitted;
};

class Fit : public OutlineWalls, public ::testing::WithParamInterface<FitCase> {};

// Two rooms of 3000 and 4000 with a 100 partition fill a top side within 25 units, or do not.
TEST_P(Fit, TopSideTakesTheRoomsLengthWithinTheTolerance) {
    const int32_t right = 1000 + GetParam().marked;
    Mark({{1000, 2000}, {1000, 5000}, {right, 5000}, {right, 2000}});
    Room(1000, 5000, 4000, 2000);
    Room(4100, 5000, 8100, 2000);
    TExtwallobjtool tool;
    tool.PrepareOutlineWalls();
    const auto sides = OfKind(kOutlineLine);
    ASSERT_EQ(sides.size(), 4u);
    EXPECT_EQ(sides[1]->x2 - sides[1]->x1, GetParam().fitted);
    EXPECT_EQ(sides[2]->x1, sides[1]->x2);
}

INSTANTIATE_TEST_SUITE_P(OutlineWalls, Fit, ::testing::Values(FitCase{7120, 7100}, FitCase{7130, 7130}));

TEST_F(OutlineWalls, SquareOutlineGivesWallsWhoseInnerLinesLieOnTheMarkedSides) {
    Mark({{1000, 1000}, {1000, 5000}, {5000, 5000}, {5000, 1000}});
    const auto walls = BuildWalls();
    ASSERT_EQ(walls.size(), 4u);
    EXPECT_EQ(CurrentView, kGroundFloor);
    EXPECT_TRUE(OfKind(kOutlineLine).empty());
    const std::vector<Points> faces{
        {725, 725, 725, 5275}, {725, 5275, 5275, 5275}, {5275, 5275, 5275, 725}, {5275, 725, 725, 725}};
    for (size_t i = 0; i < walls.size(); ++i) {
        const TExtwallobj& w = *walls[i];
        EXPECT_EQ((Points{w.x1, w.y1, w.x2, w.y2}), faces[i]) << "wall " << i;
        EXPECT_EQ(w.view, kGroundFloor);
        EXPECT_EQ(w.group, 4550);
    }
    // The innermost line of the left wall runs on the marked side, corner to corner.
    EXPECT_EQ((Points{walls[0]->p5x, walls[0]->p5y, walls[0]->p6x, walls[0]->p6y}),
              (Points{1000, 1000, 1000, 5000}));
}

TEST_F(OutlineWalls, ConcaveCornerStopsTheSideShortOfTheMarkedCorner) {
    Mark({{1000, 1000}, {1000, 3000}, {3000, 3000}, {3000, 5000}, {5000, 5000}, {5000, 1000}});
    const auto walls = BuildWalls();
    ASSERT_EQ(walls.size(), 6u);
    EXPECT_EQ((Points{walls[1]->x2, walls[1]->y2}), (Points{2725, 3275}));
    EXPECT_EQ((Points{walls[2]->x1, walls[2]->y1}), (Points{2725, 3275}));
}

TEST_F(OutlineWalls, ObliqueSideStillClosesTheOutline) {
    Mark({{1000, 1000}, {1000, 4000}, {4000, 4000}, {6000, 2000}, {6000, 1000}});
    const auto walls = BuildWalls();
    ASSERT_EQ(walls.size(), 5u);
    for (size_t i = 0; i < walls.size(); ++i) {
        const TExtwallobj& next = *walls[(i + 1) % walls.size()];
        EXPECT_EQ((Points{walls[i]->x2, walls[i]->y2}), (Points{next.x1, next.y1})) << "corner " << i;
    }
    EXPECT_EQ(walls[2]->direction, 1350);
}

// A wall cornered at an angle at one end and square at the other: every layer line of a wall that
// runs straight up, down or across runs so too.
TEST_F(OutlineWalls, StraightWallsKeepTheirLayerLinesParallelBesideAnAngledCorner) {
    Mark({{10000, 20000}, {16000, 20000}, {18000, 18000}, {18000, 14000}, {10000, 14000}});
    const auto walls = BuildWalls();
    ASSERT_EQ(walls.size(), 5u);
    for (size_t i = 0; i < walls.size(); ++i) {
        const TExtwallobj& w = *walls[i];
        if (w.x1 != w.x2 && w.y1 != w.y2) continue;
        const Points starts = w.x1 == w.x2 ? Points{w.p1x, w.p3x, w.p5x} : Points{w.p1y, w.p3y, w.p5y};
        const Points ends = w.x1 == w.x2 ? Points{w.p2x, w.p4x, w.p6x} : Points{w.p2y, w.p4y, w.p6y};
        EXPECT_EQ(starts, ends) << "wall " << i;
    }
}

// Corners keyed anticlockwise from the same start build the clockwise marking's walls.
TEST_F(OutlineWalls, AnOutlineMarkedAnticlockwiseBuildsTheClockwiseWalls) {
    using Corners = std::vector<std::pair<int32_t, int32_t>>;
    const auto built = [](const Corners& corners) {
        ObjectList.Flush(), CurrentView = kMarkingView;
        Room(1000, 5000, 4000, 2000), Room(4100, 5000, 7100, 2000), Mark(corners);
        std::vector<Points> walls;
        for (const TExtwallobj* w : BuildWalls())
            walls.push_back({w->x1, w->y1, w->x2, w->y2, w->group, w->p1x, w->p1y, w->p6x, w->p6y});
        return walls;
    };
    for (const Corners& cw :
         {Corners{{1000, 2000}, {1000, 5000}, {7110, 5000}, {7110, 2000}},
          Corners{{1000, 1000}, {1000, 3000}, {3000, 3000}, {3000, 5000}, {5000, 5000}, {5000, 1000}},
          Corners{{1000, 1000}, {1000, 4000}, {4000, 4000}, {6000, 2000}, {6000, 1000}}}) {
        Corners acw{cw.front()};
        acw.insert(acw.end(), cw.rbegin(), cw.rend() - 1);
        EXPECT_EQ(built(acw), built(cw)) << cw.size() << " corners";
    }
}

// Only the marked lines are sides, whatever else follows the first of them in the document.
TEST_F(OutlineWalls, ObjectsAmongTheMarkedLinesAreNotSides) {
    Side(1000, 1000, 1000, 5000);
    Room(1500, 4000, 2500, 3000);
    Side(1000, 5000, 5000, 5000);
    Side(5000, 5000, 5000, 1000);
    Side(5000, 1000, 1000, 1000);
    const auto walls = BuildWalls();
    EXPECT_EQ(walls.size(), 4u);
    EXPECT_EQ(OfKind(kDesignRoom).size(), 1u);
}

} // namespace
