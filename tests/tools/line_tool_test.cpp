// The line tool on a device context of its own: the exclusive-or rubber band, the wall pick and the
// line it creates.
#include <gtest/gtest.h>

#include <QImage>

#include <tuple>

#include "document/document.h"
#include "document/program_state.h"
#include "platform/dc.h"
#include "tests/support/program_directory.h"
#include "tools/line_tool.h"
#include "tools/round_hundredths.h"
#include "tools/shape_tools.h"
#include "tools/wall_tools.h"
#include "tools/working_file.h"

namespace {

class LineTool : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGlobals();
        ObjectList.Flush();
        ObjectList.ProgramDirectory = "/nonexistent/";
        image.fill(Qt::white);
        ViewExtentX = 400 * 5;
        ViewExtentY = 300 * 5;
        ScrollOriginX = 1000;
        ScrollOriginY = 1000;
        ZoomDivisor = 5;
        PenColour = 0; // black: the band must still show on white
        tool.Kind = toolkind::kLine;
    }
    void TearDown() override {
        KeyEntryPhase = 1;
        LastOutlineEndX = LastOutlineEndY = 0;
        ObjectList.Flush();
        ResetGlobals();
    }

    QImage image{400, 300, QImage::Format_RGB32};
    TRect client{0, 0, 400, 300};
    TLinetool tool;
};

TEST_F(LineTool, TheRubberBandShowsAndErasesExactly) {
    const QImage before = image.copy();
    TDC dc(image);
    TPoint press(50, 250);
    tool.ButtonDown(dc, client, &press);
    ASSERT_EQ(tool.Dragging, 1);
    tool.MouseMove(dc, client, 300, 60);
    tool.MouseMove(dc, client, 310, 200);
    tool.MouseMove(dc, client, 120, 40);
    EXPECT_NE(image, before);
    tool.Draw(dc, 0); // the last erase, as the release does
    EXPECT_EQ(image, before);
}

TEST_F(LineTool, AMoveOntoTheStartLeavesTheBand) {
    TDC dc(image);
    TPoint press(50, 250);
    tool.ButtonDown(dc, client, &press);
    tool.MouseMove(dc, client, 200, 200);
    const QImage band = image.copy();
    tool.MouseMove(dc, client, 50, 250);
    EXPECT_EQ(image, band);
}

TEST_F(LineTool, WallPickFindsASquareLineAndRefusesAnObliqueOne) {
    ObjectList.Add(std::make_unique<TInfoobj>(50, 32000, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0));
    CurrentView = 50;
    // Pixel (100, 200) is logical (1500, 1500), drawing (7500, 7500), under this mapping.
    ObjectList.Add(std::make_unique<TLineobj>(50, kLine, 1, 0, 0, 0, 6000, 0, 9000, 0, 6000, 9000, 0, 0, 0));
    ObjectList.Add(std::make_unique<TLineobj>(50, kLine, 1, 0, 0, 0, 7000, 0, 8000, 0, 7520, 7520, 0, 0, 0));
    TDC dc(image);
    TPoint point(100, 200);
    tool.Mode = 300;
    tool.ButtonDown(dc, client, &point);
    EXPECT_EQ(tool.CursorX, 2);
    EXPECT_EQ(tool.PickKind, kLine);

    TLinetool missing;
    missing.Mode = 400;
    TPoint far(390, 10);
    missing.ButtonDown(dc, client, &far);
    EXPECT_EQ(missing.Mode, 30001);
}

TEST_F(LineTool, KeyedOutlineSegmentGetsItsBearingAndChains) {
    testsupport::ProgramDirectory dir;
    ObjectList.ProgramDirectory = dir.Path();
    ObjectList.SetDrawingName("KEYED");
    CurrentView = 50;
    TLineobjtool outline;
    outline.Kind = toolkind::kOutline;
    outline.PointPlaced = 1;
    outline.X0 = 7000;
    outline.Y0 = 7000;
    TDC dc(image);
    // Pixel (104, 196) is drawing (7600, 7600): a segment up and to the right at 45 degrees.
    TPoint cursor(104, 196);
    outline.KeyDown(dc, client, 0x0D, &cursor, 0);
    ASSERT_EQ(ObjectList.count, 1);
    const auto* line = dynamic_cast<const TLineobj*>(ObjectList[0]);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->angle, 450);
    EXPECT_EQ(line->x2, 7600);
    EXPECT_EQ(outline.SegmentLength, 848);
    EXPECT_EQ(outline.X0, 7600); // the next segment starts at the end
    EXPECT_EQ(outline.ChainState, 1);
}

// (start x, start y, what: a line, a rectangle, an external wall) a line or wall whose start lies on an
// axis is never made; a rectangle there is.
class StartOnAnAxis : public LineTool,
                      public ::testing::WithParamInterface<std::tuple<int32_t, int32_t, int>> {};

TEST_P(StartOnAnAxis, MakesNoLineOrWallButARectangle) {
    const auto [x, y, what] = GetParam();
    testsupport::ProgramDirectory dir;
    ObjectList.ProgramDirectory = dir.Path(), CurrentView = 50;
    TLineobjtool line;
    TRectangleobjtool box;
    TExtwallobjtool wall;
    TDrawingtool& t = what == 0   ? static_cast<TDrawingtool&>(line)
                      : what == 1 ? static_cast<TDrawingtool&>(box)
                                  : wall;
    t.X0 = x, t.Y0 = y, t.X1 = x + 3000, t.Y1 = y;
    TDC dc(image);
    ASSERT_EQ(what == 2 ? wall.AddExternalWall() : t.CreateObject(dc, client), tools::WriteResult::Ok);
    EXPECT_EQ(ObjectList.count, what == 1 || (x && y) ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Starts, StartOnAnAxis,
                         ::testing::Combine(::testing::Values(0, 1000), ::testing::Values(0, 1000),
                                            ::testing::Values(0, 1, 2)));

TEST(RoundHundredths, HalfUpThroughHundredths) {
    EXPECT_EQ(RoundHundredths(0.495), 0);
    EXPECT_EQ(RoundHundredths(0.5), 1);
    EXPECT_EQ(RoundHundredths(2.5), 3);
    EXPECT_EQ(RoundHundredths(2.49), 2);
    EXPECT_EQ(RoundHundredths(-2.7), -2);
}

} // namespace
