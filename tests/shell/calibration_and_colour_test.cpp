// Printer calibration and the colour settings: what the dialogs answered by the test leave in the
// settings files and the shared colours.
#include <gtest/gtest.h>

#include "document/document.h"
#include "document/program_state.h"
#include "shell/client.h"
#include "tests/support/program_directory.h"
#include "tests/support/scripted_ui.h"

namespace {

class ClientSettings : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGlobals();
        client = std::make_unique<TClient>(dir.Path());
        DrawingState = 0;
    }
    void TearDown() override {
        client.reset();
        ResetGlobals();
    }
    void ChooseUnits(bool metric) { pl::script::AnswerDialog(5450, {{{{metric ? 5451 : 5452, "1"}}, IDOK}}); }
    testsupport::ProgramDirectory dir;
    std::unique_ptr<TClient> client;
};

TEST_F(ClientSettings, MetricCalibrationWritesTheLengthAndFactor) {
    testsupport::ScriptedUi ui;
    ChooseUnits(true);
    pl::script::AnswerDialog(3200, {{{{3201, "15150"}}, IDOK}});
    client->CmCalibratePrinter();
    EXPECT_EQ(dir.ReadFile("CFG/PRNTCALM.CFG"), "15150 0.990000");

    ChooseUnits(true);
    pl::script::AnswerDialog(3200, {{{{3201, "15000"}}, IDOK}});
    client->CmCalibratePrinter();
    EXPECT_EQ(dir.ReadFile("CFG/PRNTCALM.CFG"), "15000 1.000000");

    ChooseUnits(true);
    pl::script::AnswerDialog(3200, {{{{3201, "14850"}}, IDOK}});
    client->CmCalibratePrinter();
    EXPECT_EQ(dir.ReadFile("CFG/PRNTCALM.CFG"), "14850 1.010000");
}

TEST_F(ClientSettings, ImperialCalibrationTakesFeetAndInches) {
    testsupport::ScriptedUi ui;
    ChooseUnits(false);
    pl::script::AnswerDialog(3300, {{{{3302, "52"}, {3301, "6"}}, IDOK}});
    client->CmCalibratePrinter();
    EXPECT_EQ(dir.ReadFile("CFG/PRNTCALI.CFG"), "15120 0.990385");
    EXPECT_EQ(MetricUnits, 0);
}

TEST_F(ClientSettings, CalibrationDialogShowsTheStoredLengthAndRefusesOutOfRange) {
    dir.WriteFile("CFG/PRNTCALI.CFG", "15120 0.990385");
    testsupport::ScriptedUi ui;
    ChooseUnits(false);
    // 61 feet is outside the dialog's range: refused, then cancelled.
    pl::script::AnswerDialog(3300, {{{{3302, "61"}}, IDOK}, {{}, IDCANCEL}});
    client->CmCalibratePrinter();
    EXPECT_EQ(dir.ReadFile("CFG/PRNTCALI.CFG"), "15120 0.990385");
    EXPECT_TRUE(ui.LogContains("3302=\"52\"")) << ui.Log();
    EXPECT_TRUE(ui.LogContains("3301=\"6\"")) << ui.Log();
}

TEST_F(ClientSettings, BackgroundAloneIsNotSavedUntilTheDrawingColourIs) {
    dir.WriteFile("CFG/CLR.CFG", "16777215 0 255\n");
    testsupport::ScriptedUi ui;
    pl::script::AnswerColour(RGB(10, 20, 30));
    client->ChooseColour(2);
    EXPECT_EQ(BackgroundColour, RGB(10, 20, 30));
    EXPECT_EQ(dir.ReadFile("CFG/CLR.CFG"), "16777215 0 255\n");

    pl::script::AnswerColour(RGB(0, 0, 200));
    client->ChooseColour(3);
    EXPECT_EQ(PenColour, RGB(0, 0, 200));
    EXPECT_EQ(dir.ReadFile("CFG/CLR.CFG"),
              std::to_string(RGB(10, 20, 30)) + " " + std::to_string(RGB(0, 0, 200)) + " 255\n");

    // A cancelled dialog keeps (and writes) the value it had.
    pl::script::CancelColour();
    client->ChooseColour(5);
    EXPECT_EQ(SelectColour, 255u);
}

TEST_F(ClientSettings, RoomAndGridColoursReplaceOnlyTheirOwnValue) {
    dir.WriteFile("CFG/RMCLR.CFG", "255 65280 16711680\n");
    testsupport::ScriptedUi ui;
    pl::script::AnswerColour(0);
    client->ChooseColour(7);
    EXPECT_EQ(dir.ReadFile("CFG/RMCLR.CFG"), "255 0 16711680\n");

    MetricUnits = 0;
    dir.WriteFile("CFG/LYTGRIDI.CFG", "480 12632256\n");
    pl::script::AnswerColour(RGB(0, 128, 0));
    client->ChooseColour(4);
    EXPECT_EQ(dir.ReadFile("CFG/LYTGRIDI.CFG"), "480 " + std::to_string(RGB(0, 128, 0)) + "\n");
    EXPECT_EQ(dir.ReadFile("CFG/LYTGRIDM.CFG"), "1000 12632256\n");
}

} // namespace
