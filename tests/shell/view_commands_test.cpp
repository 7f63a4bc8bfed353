// The display-mode and overlay commands on a drawing window: the mode they leave, the floor the
// overlay opens on, the overlay file written back, and the refusals off the floor plans.
#include "document/overlay_file.h"
#include "document/program_state.h"
#include "platform/test_script.h"
#include "resources/dialogs/display_templates.h"
#include "tests/shell/drawing_window_fixture.h"

namespace {

using pl::script::AnswerDialog;

class ViewCommands : public DrawingWindowTest {
protected:
    void SetUp() override {
        DrawingWindowTest::SetUp();
        std::vector<std::unique_ptr<TObject>> objects;
        objects.push_back(make::Line(kGroundFloor, Cx(), Cy(), Cx() + 4000, Cy()));
        objects.push_back(make::Line(kFirstFloor, Cx(), Cy(), Cx(), Cy() + 4000));
        WriteDrawing(std::move(objects));
        DrawingState = 2;
        Open();
    }
};

TEST_F(ViewCommands, DisplayModeSetsHatchedWallsAndRepaints) {
    testsupport::ScriptedUi ui;
    PlanDisplayMode = 0;
    AnswerDialog(kDisplayModeDialogId, {{{{kDisplayHatched, "1"}, {kDisplayAllDimensions, "0"}}, IDOK}});
    client->CmDisplayMode();
    EXPECT_EQ(PlanDisplayMode, 11);
    EXPECT_EQ(HelpContextId, 210);
}

TEST_F(ViewCommands, DisplayModeIsRefusedOnTheSitePlan) {
    testsupport::ScriptedUi ui;
    CurrentView = kSitePlan;
    PlanDisplayMode = 0;
    client->CmDisplayMode();
    EXPECT_TRUE(ui.LogContains("Not available on the site plan view"));
    EXPECT_EQ(PlanDisplayMode, 0);
}

TEST_F(ViewCommands, OverlaysAreRefusedOnTheRoomLayout) {
    testsupport::ScriptedUi ui;
    CurrentView = kRoomLayout;
    client->CmOverlays();
    EXPECT_TRUE(ui.LogContains("You can only use overlays on PLAN views (ground, first & second floors)"));
}

TEST_F(ViewCommands, OverlayOfTheFirstFloorOpensItAsTheWorkingFloor) {
    testsupport::ScriptedUi ui;
    AnswerDialog(kOverlayDialogId,
                 {{{{kOverlayGround, "1"}, {kOverlayFirst, "1"}, {kOverlayDimensions, "1"}}, IDOK}});
    client->CmOverlays();
    EXPECT_EQ(CurrentView, kFirstFloor);
    EXPECT_STREQ(ObjectList.DrawingTitle, "HOUSE.PL1");
    EXPECT_EQ(dir.ReadFile("CFG/OVERLAY.CFG"), "0 1 1 0 0");
    EXPECT_EQ(PlanDisplayMode, 2);
}

TEST_F(ViewCommands, AnEmptyUpperFloorIsDroppedFromTheOverlay) {
    testsupport::ScriptedUi ui;
    AnswerDialog(kOverlayDialogId,
                 {{{{kOverlayGround, "1"}, {kOverlaySecond, "1"}, {kOverlayDimensions, "1"}}, IDOK}});
    client->CmOverlays();
    EXPECT_EQ(CurrentView, kGroundFloor);
    EXPECT_STREQ(ObjectList.DrawingTitle, "HOUSE.PLN");
    EXPECT_EQ(dir.ReadFile("CFG/OVERLAY.CFG"), "0 1 0 0 0");
}

TEST_F(ViewCommands, OnlyTheFirstFloorTickedShowsItWithoutOverlay) {
    testsupport::ScriptedUi ui;
    PlanDisplayMode = 10;
    AnswerDialog(kOverlayDialogId,
                 {{{{kOverlayGround, "0"}, {kOverlayFirst, "1"}, {kOverlayDimensions, "1"}}, IDOK}});
    client->CmOverlays();
    EXPECT_EQ(CurrentView, kFirstFloor);
    EXPECT_EQ(PlanDisplayMode, 10);
}

TEST_F(ViewCommands, CancelledOverlaysChangeNothing) {
    testsupport::ScriptedUi ui;
    dir.WriteFile("CFG/OVERLAY.CFG", "0 0 0 0 0");
    PlanDisplayMode = 0;
    AnswerDialog(kOverlayDialogId, {{{}, IDCANCEL}});
    client->CmOverlays();
    EXPECT_EQ(CurrentView, kGroundFloor);
    EXPECT_EQ(PlanDisplayMode, 0);
    EXPECT_EQ(dir.ReadFile("CFG/OVERLAY.CFG"), "0 0 0 0 0");
}

} // namespace
