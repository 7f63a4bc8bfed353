// The overlays and display-mode dialogs, driven by scripted answers, and the overlay settings file.
#include <gtest/gtest.h>

#include "dialogs/overlay_dialogs.h"
#include "document/document.h"
#include "document/overlay_file.h"
#include "document/program_state.h"
#include "resources/dialogs/display_templates.h"
#include "tests/support/program_directory.h"
#include "tests/support/scripted_ui.h"

namespace {

using pl::script::AnswerDialog;

class OverlayDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGlobals();
        ObjectList.ProgramDirectory = directory_.Path();
    }
    std::string File() const { return directory_.ReadFile("CFG/OVERLAY.CFG"); }
    void SetFile(const std::string& text) { directory_.WriteFile("CFG/OVERLAY.CFG", text); }

    testsupport::ProgramDirectory directory_;
};

// The control values the dialog showed when it opened, as the test log records them.
std::string Initial(const testsupport::ScriptedUi& ui) {
    const std::string log = ui.Log();
    const auto from = log.rfind("initial{");
    if (from == std::string::npos) return "";
    return log.substr(from + 8, log.find('}', from) - from - 8);
}

TEST_F(OverlayDialogs, FileReadsMissingAndShortFilesAsZeros) {
    OverlayFlags flags = ReadOverlayFile(directory_.Path());
    EXPECT_EQ(flags.ground + flags.first + flags.second + flags.fourthLevel + flags.outlines, 0);
    SetFile("1 1 x 1 1");
    flags = ReadOverlayFile(directory_.Path());
    EXPECT_EQ(flags.fourthLevel, 1);
    EXPECT_EQ(flags.ground, 1);
    EXPECT_EQ(flags.first, 0);
    EXPECT_EQ(flags.second, 0);
    EXPECT_EQ(flags.outlines, 0);
}

TEST_F(OverlayDialogs, FileIsWrittenInItsOneLineFormat) {
    OverlayFlags flags;
    flags.ground = 1;
    flags.second = 1;
    ASSERT_TRUE(WriteOverlayFile(directory_.Path(), flags));
    EXPECT_EQ(File(), "0 1 0 1 0");
    const OverlayFlags back = ReadOverlayFile(directory_.Path());
    EXPECT_EQ(back.ground, 1);
    EXPECT_EQ(back.second, 1);
}

TEST_F(OverlayDialogs, WriteIntoAMissingFolderFailsAndSaysSo) {
    EXPECT_FALSE(WriteOverlayFile(directory_.Path() + "nowhere/", OverlayFlags{}));
}

TEST_F(OverlayDialogs, NothingTickedOverlaysTheGroundFloor) {
    testsupport::ScriptedUi ui;
    SetFile("0 0 0 0 0");
    AnswerDialog(kOverlayDialogId, {{{}, IDOK}});
    TOverdlg dialog(nullptr, kOverlayDialogId);
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(File(), "0 1 0 0 0");
}

TEST_F(OverlayDialogs, AllFloorsWithDimensionsGiveModeTwoWithoutThemThree) {
    for (auto [dimensions, mode] : {std::pair{"1", 2}, std::pair{"0", 3}}) {
        testsupport::ScriptedUi ui;
        AnswerDialog(kOverlayDialogId, {{{{kOverlayGround, "1"},
                                          {kOverlayFirst, "1"},
                                          {kOverlaySecond, "1"},
                                          {kOverlayDimensions, dimensions}},
                                         IDOK}});
        TOverdlg dialog(nullptr, kOverlayDialogId);
        EXPECT_EQ(dialog.Execute(), IDOK);
        EXPECT_EQ(File(), "0 1 1 1 0");
        EXPECT_EQ(PlanDisplayMode, mode);
    }
}

TEST_F(OverlayDialogs, HatchedOverlaysOpenWithDimensionsClearAndReturnToNormalWalls) {
    testsupport::ScriptedUi ui;
    PlanDisplayMode = 12;
    SetFile("0 1 1 0 0");
    AnswerDialog(kOverlayDialogId, {{{}, IDOK}});
    TOverdlg dialog(nullptr, kOverlayDialogId);
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_NE(Initial(ui).find("5206=0"), std::string::npos) << Initial(ui);
    EXPECT_EQ(PlanDisplayMode, 3);
}

TEST_F(OverlayDialogs, OnlyFlagsOfExactlyOneAreTicked) {
    testsupport::ScriptedUi ui;
    SetFile("1 0 2 0 1");
    PlanDisplayMode = 2;
    AnswerDialog(kOverlayDialogId, {{{}, IDOK}});
    TOverdlg dialog(nullptr, kOverlayDialogId);
    EXPECT_EQ(dialog.Execute(), IDOK);
    const std::string initial = Initial(ui);
    EXPECT_NE(initial.find("5202=0"), std::string::npos) << initial;
    EXPECT_NE(initial.find("5203=0"), std::string::npos) << initial;
    EXPECT_NE(initial.find("5204=0"), std::string::npos) << initial;
    EXPECT_NE(initial.find("5206=1"), std::string::npos) << initial;
    EXPECT_EQ(File(), "0 1 0 0 0");
}

TEST_F(OverlayDialogs, MissingFileOpensWithNothingTicked) {
    testsupport::ScriptedUi ui;
    AnswerDialog(kOverlayDialogId, {{{{kOverlayFirst, "1"}}, IDOK}});
    TOverdlg dialog(nullptr, kOverlayDialogId);
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_NE(Initial(ui).find("5202=0"), std::string::npos);
    EXPECT_EQ(File(), "0 0 1 0 0");
}

TEST_F(OverlayDialogs, CancelChangesNeitherModeNorFile) {
    testsupport::ScriptedUi ui;
    SetFile("0 0 1 0 0");
    PlanDisplayMode = 20;
    AnswerDialog(kOverlayDialogId, {{{{kOverlayGround, "1"}}, IDCANCEL}});
    TOverdlg dialog(nullptr, kOverlayDialogId);
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(PlanDisplayMode, 20);
    EXPECT_EQ(File(), "0 0 1 0 0");
}

TEST_F(OverlayDialogs, UnwritableFileIsReportedAndTheModeStays) {
    testsupport::ScriptedUi ui;
    ObjectList.ProgramDirectory = directory_.Path() + "missing/";
    PlanDisplayMode = 0;
    AnswerDialog(kOverlayDialogId, {{{}, IDOK}, {{}, IDCANCEL}});
    TOverdlg dialog(nullptr, kOverlayDialogId);
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(PlanDisplayMode, 0);
    EXPECT_TRUE(ui.LogContains("OVERLAYS"));
}

TEST_F(OverlayDialogs, HelpShowsTheViewPage) {
    for (int32_t mode : {1, 2}) {
        testsupport::ScriptedUi ui;
        HelpMode = mode;
        AnswerDialog(kOverlayDialogId, {{{}, IDHELP}, {{}, IDCANCEL}});
        TOverdlg dialog(nullptr, kOverlayDialogId);
        dialog.Execute();
        EXPECT_TRUE(ui.LogContains(mode == 1 ? "HtmlHelp \"tvhelp.chm::/view.htm>wind\" command=0x0"
                                             : "WinHelp \"tvwhlp.hlp\" command=0x1 data=210"))
            << ui.Log();
    }
}

struct DisplayCase {
    int32_t before;
    const char* initial; // the checked controls when the dialog opens
    int32_t after;       // PlanDisplayMode after OK with nothing changed
};

class DisplayModeDialog : public OverlayDialogs, public ::testing::WithParamInterface<DisplayCase> {};

TEST_P(DisplayModeDialog, OpensFromTheModeAndConfirmsWithoutOverlays) {
    testsupport::ScriptedUi ui;
    PlanDisplayMode = GetParam().before;
    AnswerDialog(kDisplayModeDialogId, {{{}, IDOK}});
    TDisplandlg dialog(nullptr, kDisplayModeDialogId);
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(PlanDisplayMode, GetParam().after);
    EXPECT_NE(Initial(ui).find(GetParam().initial), std::string::npos) << Initial(ui);
}

INSTANTIATE_TEST_SUITE_P(Modes, DisplayModeDialog,
                         ::testing::Values(DisplayCase{0, "18501=1 18503=1 18504=0 18505=0", 0},
                                           DisplayCase{3, "18501=0 18503=1 18504=0 18505=0", 1},
                                           DisplayCase{22, "18501=1 18503=0 18504=0 18505=1", 20},
                                           DisplayCase{12, "18501=1 18503=0 18504=1 18505=0", 10},
                                           DisplayCase{21, "18501=0 18503=0 18504=0 18505=1", 21},
                                           DisplayCase{35, "18501=0 18503=0 18504=0 18505=0", 1}));

TEST_F(OverlayDialogs, DisplayModeChoicesSetTensAndUnits) {
    const struct {
        int32_t wall;
        const char* dimensions;
        int32_t mode;
    } cases[] = {{kDisplayHatched, "1", 10}, {kDisplaySolid, "0", 21}, {kDisplayNormal, "0", 1}};
    for (const auto& c : cases) {
        testsupport::ScriptedUi ui;
        PlanDisplayMode = 2;
        AnswerDialog(kDisplayModeDialogId, {{{{c.wall, "1"}, {kDisplayAllDimensions, c.dimensions}}, IDOK}});
        TDisplandlg dialog(nullptr, kDisplayModeDialogId);
        EXPECT_EQ(dialog.Execute(), IDOK);
        EXPECT_EQ(PlanDisplayMode, c.mode);
    }
}

TEST_F(OverlayDialogs, DisplayModeEscapeChangesNothing) {
    testsupport::ScriptedUi ui;
    PlanDisplayMode = 4;
    AnswerDialog(kDisplayModeDialogId, {{{{kDisplaySolid, "1"}}, IDCANCEL}});
    TDisplandlg dialog(nullptr, kDisplayModeDialogId);
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(PlanDisplayMode, 4);
}

} // namespace
