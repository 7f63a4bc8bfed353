// The door and window tool: the settings it loads, its preview, and an opening placed with its label.
#include <gtest/gtest.h>

#include <QImage>

#include "document/document.h"
#include "document/program_state.h"
#include "platform/dc.h"
#include "tests/support/drawing_fixture.h"
#include "tools/window_tool.h"

namespace {

class WindowTool : public testsupport::DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        UseStandardSheet();
        MetricUnits = 1;
        CurrentView = kGroundFloor;
        image.fill(Qt::white);
    }
    QImage image{400, 300, QImage::Format_RGB32};
    TRect client{0, 0, 400, 300};
};

struct StartCase {
    int32_t kind;
    bool rewritten;
};

class StartUpWidth : public WindowTool, public ::testing::WithParamInterface<StartCase> {};

TEST_P(StartUpWidth, IsTheHingedDoorsWidthOnly) {
    const std::string file = std::to_string(GetParam().kind) + " 0 1600 1 800 2 0 0 0 0 0 3 abc";
    dir.WriteFile("CFG/DOOR.CFG", file);
    TWindowobjtool tool;
    tool.Start(900, TWindowobjtool::kLoadDoor, 0);
    if (GetParam().rewritten) {
        EXPECT_EQ(dir.ReadFile("CFG/DOOR.CFG"),
                  std::to_string(GetParam().kind) + " 0 1600 1 900 2 0 0 0 0 0 3 abc");
        EXPECT_EQ(tool.OpeningWidth, 900);
    } else {
        EXPECT_EQ(dir.ReadFile("CFG/DOOR.CFG"), file);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, StartUpWidth,
                         ::testing::Values(StartCase{6, true}, StartCase{16, true}, StartCase{7, false},
                                           StartCase{3, false}, StartCase{5, false}));

TEST_F(WindowTool, AnUpperFloorStandsOnTheFloorsBelowWithoutARecordCountingNothing) {
    ObjectList.Add(std::make_unique<TInfoobj>(50, 32000, 1, 0, 0, 0, 0, 0, 0, 2550 * 5, 0, 0, 0, 0));
    ObjectList.Add(std::make_unique<TInfoobj>(52, 32002, 1, 0, 0, 0, 0, 0, 0, 99999, 0, 0, 0, 0));
    CurrentView = kSecondFloor;
    dir.WriteFile("CFG/WIND.CFG", "1 1200 1050 1 1 9 0 0 0 0 0 0 ");
    TWindowobjtool tool;
    tool.Start(0, TWindowobjtool::kLoadWindow, 0);
    EXPECT_EQ(tool.FloorBase, 2550); // floor 51 has no record
    EXPECT_EQ(tool.OpeningLevel(), 2551);
}

TEST_F(WindowTool, ThePreviewMovesOnlyWhenThePointerDoesAndNeverOnTheLayout) {
    TDC dc(image);
    TWindowobjtool tool;
    tool.OpeningWidth = 2000;
    tool.MouseMove(dc, client, 200, 150);
    const QImage drawn = image.copy();
    EXPECT_NE(drawn, [] {
        QImage blank(400, 300, QImage::Format_RGB32);
        blank.fill(Qt::white);
        return blank;
    }());
    tool.MouseMove(dc, client, 200, 150);
    EXPECT_EQ(image, drawn);
    TWindowobjtool layout;
    layout.OpeningWidth = 2000;
    CurrentView = kRoomLayout;
    image.fill(Qt::white);
    const QImage blank = image.copy();
    layout.MouseMove(dc, client, 100, 100);
    EXPECT_EQ(image, blank);
    EXPECT_EQ(layout.PreviewDrawn(), 0);
}

struct LabelCase {
    const char* name;
    int32_t metric;
    const char* stored;
    const char* label;
};

class WindowLabel : public WindowTool, public ::testing::WithParamInterface<LabelCase> {};

// The size label is drawn in the drawing's units whichever units the settings were written in, and a
// kind no window is read as is the shipped one.
TEST_P(WindowLabel, ShowsTheSizesInTheDrawingsUnits) {
    MetricUnits = GetParam().metric;
    dir.WriteFile("CFG/WIND.CFG", GetParam().stored);
    TWindowobjtool tool;
    tool.Start(0, TWindowobjtool::kLoadWindow, 0);
    tool.WorkX = 40000, tool.WorkY = 25000, tool.WallThickness = 264, tool.Angle = 2700;
    const int32_t ids = IdCounter;
    TDC dc(image);
    tool.PlaceOpening(dc, client, 0);
    EXPECT_EQ(IdCounter, ids + 1);
    ASSERT_EQ(ObjectList.count, 3);
    const auto* label = dynamic_cast<const TTextobj*>(ObjectList[2]);
    ASSERT_NE(label, nullptr);
    EXPECT_STREQ(label->text, GetParam().label);
    EXPECT_EQ(label->group, 10000 + IdCounter);
    EXPECT_EQ(label->y1, 25000 - (MetricUnits == 1 ? 50 : 48));
    EXPECT_NE(dir.ReadFile("DWGS/HOUSE.DB0").find(GetParam().label), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Files, WindowLabel,
    ::testing::Values(
        LabelCase{"Inches", 0, "1 864 1155 24 1 9 0 0 0 0 0 0 ", "3' 0'' x 4' 0 1/8''"},
        LabelCase{"ShippedInFeetAndInches", 0, "1 1200 1050 1 1 9 0 0 0 0 0 0 ", "3' 11 1/4'' x 3' 5 3/8''"},
        LabelCase{"InchesInAMetricDrawing", 1, "1 864 1032 24 1 9 0 0 0 0 0 0 ", "914 w x 1092 h"},
        LabelCase{"KindOutOfReach", 1, "2147483647 1200 1050 1 1 9 0 0 0 0 0 0 ", "1200 w x 1050 h"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTool, MarkingOnlyBuildsNothing) {
    TWindowobjtool tool;
    tool.OpeningKind = 1;
    const int32_t ids = IdCounter;
    TDC dc(image);
    tool.PlaceOpening(dc, client, TWindowobjtool::kMarkOnly);
    EXPECT_EQ(ObjectList.count, 0);
    EXPECT_EQ(IdCounter, ids);
}

} // namespace
