// The stairs dialogs: what they start with, what their validators refuse, and their help page.
#include <gtest/gtest.h>

#include "dialogs/stairs_dialogs.h"
#include "document/program_state.h"
#include "platform/test_script.h"
#include "resources/dialogs/stairs_templates.h"
#include "tests/support/scripted_ui.h"

namespace {

using pl::script::DialogStep;

class StairsDialogs : public ::testing::Test {
protected:
    void SetUp() override { ResetGlobals(); }
    void TearDown() override { ResetGlobals(); }
    testsupport::ScriptedUi ui;
};

TEST_F(StairsDialogs, OkAsOpenedGivesAHalfwayLandingWithTheTopTreadOnTheLeft) {
    pl::script::AnswerDialog(kStairsDialogId, {DialogStep{{}, IDOK}});
    TStrsdlg dialog(nullptr, kStairsDialogId);
    ASSERT_EQ(dialog.Execute(), IDOK);
    const StairsEntry e = dialog.Entry();
    EXPECT_EQ(e.flightKind, 1);
    EXPECT_EQ(e.topTread, 4);
}

TEST_F(StairsDialogs, AWidthBelowOneFlightStaysOpen) {
    pl::script::AnswerDialog(kStairsDialogId,
                             {DialogStep{{{stairsdlg::kWidth, "700"}}, IDOK}, DialogStep{{}, IDCANCEL}});
    TStrsdlg dialog(nullptr, kStairsDialogId);
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_TRUE(ui.LogContains("from 800 to 6000")) << ui.Log();
}

TEST_F(StairsDialogs, ImperialInchesOfNoneAddNothing) {
    pl::script::AnswerDialog(kStairsImpDialogId, {DialogStep{{{stairsdlg::kImpStairwellFeet, "7"},
                                                              {stairsdlg::kImpStairwellInches, "0"},
                                                              {stairsdlg::kImpTopAtBottom, "1"}},
                                                             IDOK}});
    TStrsimpdlg dialog(nullptr, kStairsImpDialogId);
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.Entry().stairwell, 2016);
    EXPECT_EQ(dialog.Entry().topTread, 3);
}

TEST_F(StairsDialogs, HelpShowsTheOtherToolsPage) {
    HelpMode = 1;
    pl::script::AnswerDialog(kStairsImpDialogId, {DialogStep{{}, IDHELP}, DialogStep{{}, IDCANCEL}});
    TStrsimpdlg dialog(nullptr, kStairsImpDialogId);
    dialog.Execute();
    EXPECT_TRUE(ui.LogContains("other.htm")) << ui.Log();
}

} // namespace
