// The stairs tool on its own: the treads and run worked out from the storey height and the settings
// file, the refusals, the lines of each top-tread position, and the outline that follows the pointer.
#include <gtest/gtest.h>

#include <QImage>

#include <array>
#include <cstdio>
#include <memory>

#include "document/coordinate_mapping.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/dc.h"
#include "tests/platform/pixel_probe.h"
#include "tests/support/floor_records.h"
#include "tests/support/program_directory.h"
#include "tools/stairs_tool.h"

namespace {

using stairs::Segment;

class StairsTool : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGlobals();
        ObjectList.Flush();
        ObjectList.ProgramDirectory = dir.Path();
        MetricUnits = 1;
        CurrentView = kGroundFloor;
        testsupport::AddStartingFloorRecords(ObjectList);
        dir.WriteFile("CFG/STAIRSM.CFG", "200 250");
        tool.StoreyHeight() = 2600;
    }
    void TearDown() override {
        ObjectList.Flush();
        ResetGlobals();
    }
    testsupport::ProgramDirectory dir;
    TStepobjtool tool;
};

TEST_F(StairsTool, HalfwayLandingSplitsTheRiseIntoTwoFlights) {
    ASSERT_EQ(tool.NewStairs(900, 0, stairs::kHalfwayLanding), StairsStart::Ready);
    EXPECT_EQ(tool.TreadCount, 5);
    EXPECT_EQ(tool.RunLength, 2150);
}

TEST_F(StairsTool, StraightFlightRunsTheWholeRise) {
    ASSERT_EQ(tool.NewStairs(900, 2000, stairs::kStraightFlight), StairsStart::Ready);
    EXPECT_EQ(tool.TreadCount, 12);
    EXPECT_EQ(tool.RunLength, 3000);
}

TEST_F(StairsTool, AMissingSettingsFileGivesTheShippedSizesAndIsWrittenBack) {
    std::remove(dir.File("CFG/STAIRSM.CFG").c_str());
    ASSERT_EQ(tool.NewStairs(900, 0, stairs::kStraightFlight), StairsStart::Ready);
    EXPECT_EQ(tool.RiserHeight, 175);
    EXPECT_EQ(tool.TreadGoing, 250);
    EXPECT_EQ(dir.ReadFile("CFG/STAIRSM.CFG"), "175 250");
}

struct Refusal {
    const char* settings;
    int32_t view;
    StairsStart expected;
};

class StairsRefused : public StairsTool, public ::testing::WithParamInterface<Refusal> {};

TEST_P(StairsRefused, LeavesTheToolUnprepared) {
    dir.WriteFile("CFG/STAIRSM.CFG", GetParam().settings);
    CurrentView = GetParam().view;
    EXPECT_EQ(tool.NewStairs(900, 0, stairs::kHalfwayLanding), GetParam().expected);
    EXPECT_EQ(tool.RunLength, 0);
    EXPECT_FALSE(StairsRefusalText(GetParam().expected).empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, StairsRefused,
                         ::testing::Values(Refusal{"3000 250", kGroundFloor, StairsStart::NoFlight},
                                           Refusal{"7500 400", kGroundFloor, StairsStart::NoFlight},
                                           Refusal{"1400 250", kGroundFloor, StairsStart::NoFlight},
                                           Refusal{"200 250", kSecondFloor, StairsStart::NoFloorAbove}));

struct FirstEdge {
    int32_t flightKind;
    int32_t topTread;
    Segment edge;
};

class StairsFirstEdge : public ::testing::TestWithParam<FirstEdge> {};

// W 900 (h 450), run 2150 for the landing; a 3000 flight; pointer at (10000, 20000).
TEST_P(StairsFirstEdge, StartsAtThePointer) {
    const FirstEdge& c = GetParam();
    const stairs::Flight f{c.topTread, 900, 250, 5, c.flightKind == stairs::kHalfwayLanding ? 2150 : 3000};
    const auto lines = c.flightKind == stairs::kHalfwayLanding
                           ? stairs::HalfwayLandingLines(f, 10000, 20000)
                           : stairs::StraightFlightLines(f, 10000, 20000, 3000);
    ASSERT_FALSE(lines.empty());
    const Segment& s = lines.front();
    EXPECT_EQ((std::array{s.x0, s.y0, s.x1, s.y1}), (std::array{c.edge.x0, c.edge.y0, c.edge.x1, c.edge.y1}));
}

INSTANTIATE_TEST_SUITE_P(Positions, StairsFirstEdge,
                         ::testing::Values(FirstEdge{1, 1, {10900, 20000, 9100, 20000}},
                                           FirstEdge{1, 2, {10000, 20900, 7850, 20900}},
                                           FirstEdge{1, 3, {9100, 20000, 10900, 20000}},
                                           FirstEdge{1, 4, {10000, 20900, 10000, 19100}},
                                           FirstEdge{2, 1, {9550, 20000, 9550, 17000}},
                                           FirstEdge{2, 2, {10000, 19550, 10000, 20450}},
                                           FirstEdge{2, 3, {9550, 20000, 10450, 20000}},
                                           FirstEdge{2, 4, {10000, 20450, 10000, 19550}}));

TEST(StairsLines, HalfwayLandingHasItsLandingDivisionAndTreads) {
    const auto lines = stairs::HalfwayLandingLines({stairs::kTopAtTop, 900, 250, 5, 2150}, 0, 0);
    ASSERT_EQ(lines.size(), 11u);
    const Segment landing = lines[4];
    const Segment division = lines[5];
    const Segment tread1 = lines[6];
    EXPECT_EQ((std::array{landing.x0, landing.y0, landing.x1, landing.y1}),
              (std::array{-900, -1250, 900, -1250}));
    EXPECT_EQ((std::array{division.x0, division.y0, division.x1, division.y1}), (std::array{0, 0, 0, -1250}));
    EXPECT_EQ((std::array{tread1.x0, tread1.y0, tread1.x1, tread1.y1}), (std::array{-900, -250, 900, -250}));
}

TEST(StairsLines, StraightFlightHasATreadEveryGoing) {
    const stairs::Flight f{stairs::kTopAtLeft, 900, 250, 12, 3000};
    EXPECT_EQ(stairs::StraightFlightLines(f, 0, 0, 3000).size(), 16u);
    EXPECT_EQ(stairs::StraightFlightLines(f, 0, 0, 2000).size(), 12u);
    EXPECT_EQ(stairs::StraightFlightLines(f, 0, 0, 2000).back().x0, 2000);
}

class StairsOutline : public StairsTool {
protected:
    void SetUp() override {
        StairsTool::SetUp();
        ZoomDivisor = 5;
        ViewExtentX = 4000; // ten logical units a pixel
        ViewExtentY = 3000;
        image.fill(Qt::white);
        ASSERT_EQ(tool.NewStairs(900, 0, stairs::kHalfwayLanding), StairsStart::Ready);
        tool.Dragging = 1;
    }
    void Move(int32_t x, int32_t y) {
        TDC dc(image);
        tool.MouseMove(dc, client, x, y);
    }
    QImage image{400, 300, QImage::Format_RGB32};
    TRect client{0, 0, 400, 300};
};

TEST_F(StairsOutline, FollowsThePointerLeavingNothingBehind) {
    Move(100, 100);
    Move(250, 150);
    QImage alone(400, 300, QImage::Format_RGB32);
    alone.fill(Qt::white);
    TDC dc(alone);
    SetDrawingMapping(nullptr, dc, client);
    tool.Draw(dc, 0);
    EXPECT_EQ(image, alone) << "only the outline at the pointer shows";
    int inkAtPointer = 0;
    for (int y = 145; y <= 155; ++y)
        inkAtPointer += image.pixel(250, y) != QColor(Qt::white).rgb();
    EXPECT_GT(inkAtPointer, 0) << "the top tread's edge runs through the pointer";
}

TEST_F(StairsOutline, IsDotted) {
    Move(250, 150);
    const pixelprobe::RowInk edge = pixelprobe::FullestRow(image);
    ASSERT_GT(edge.ink, 20);
    EXPECT_GE(edge.runs, edge.ink / 4);
}

TEST_F(StairsOutline, IsNotRedrawnAtTheSamePoint) {
    Move(250, 150);
    const QImage shown = image.copy();
    Move(250, 150);
    EXPECT_EQ(image, shown);
}

} // namespace
