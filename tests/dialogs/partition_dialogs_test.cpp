// The partition thickness and door defaults dialogs as a user meets them: what they show from their
// files, what OK writes, and what their validators refuse before anything is written.
#include <gtest/gtest.h>

#include "dialogs/door_defaults_dialog.h"
#include "dialogs/partition_dialogs.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/test_script.h"
#include "resources/dialogs/partition_templates.h"
#include "tests/support/program_directory.h"
#include "tests/support/scripted_ui.h"

namespace {

using pl::script::DialogStep;

class PartitionDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGlobals();
        ObjectList.ProgramDirectory = dir.Path();
    }
    void TearDown() override { ResetGlobals(); }
    testsupport::ProgramDirectory dir;
    testsupport::ScriptedUi ui;
};

TEST_F(PartitionDialogs, MetricConfirmedAtOnceKeepsTheFileAndGivesLeft) {
    dir.WriteFile("CFG/PTNM.CFG", "100");
    pl::script::AnswerDialog(kPartitionDialogId, {DialogStep{{}, IDOK}});
    TDbledlg dialog(nullptr, kPartitionDialogId);
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.SideCode, 4);
    EXPECT_EQ(dir.ReadFile("CFG/PTNM.CFG"), "100");
}

struct SideCase {
    int32_t radio;
    int32_t side;
};

class PartitionSide : public PartitionDialogs, public ::testing::WithParamInterface<SideCase> {};

TEST_P(PartitionSide, RadioGivesItsSideCode) {
    pl::script::AnswerDialog(kPartitionDialogId, {DialogStep{{{GetParam().radio, "1"}}, IDOK}});
    TDbledlg dialog(nullptr, kPartitionDialogId);
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.SideCode, GetParam().side);
}

INSTANTIATE_TEST_SUITE_P(Radios, PartitionSide,
                         ::testing::Values(SideCase{kPartitionRight, 2}, SideCase{kPartitionAbove, 1},
                                           SideCase{kPartitionBelow, 3}));

TEST_F(PartitionDialogs, ThicknessOutOfRangeWritesNothingAndStaysOpen) {
    dir.WriteFile("CFG/PTNM.CFG", "100");
    pl::script::AnswerDialog(kPartitionDialogId,
                             {DialogStep{{{kPartitionThickness, "901"}}, IDOK}, DialogStep{{}, IDCANCEL}});
    TDbledlg dialog(nullptr, kPartitionDialogId);
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(dir.ReadFile("CFG/PTNM.CFG"), "100");
    EXPECT_TRUE(ui.LogContains("from 25 to 900")) << ui.Log();
}

struct FileCase {
    const char* contents;
    const char* shown;
};

class PartitionFile : public PartitionDialogs, public ::testing::WithParamInterface<FileCase> {};

TEST_P(PartitionFile, ShowsAThicknessTheDialogAccepts) {
    dir.WriteFile("CFG/PTNM.CFG", GetParam().contents);
    pl::script::AnswerDialog(kPartitionDialogId, {DialogStep{{}, IDCANCEL}});
    TDbledlg dialog(nullptr, kPartitionDialogId);
    dialog.Execute();
    EXPECT_TRUE(ui.LogContains(GetParam().shown)) << ui.Log();
}

INSTANTIATE_TEST_SUITE_P(Files, PartitionFile,
                         ::testing::Values(FileCase{"", "7005=\"100\""}, FileCase{"abc", "7005=\"100\""},
                                           FileCase{"-5", "7005=\"100\""},
                                           FileCase{"99999999999", "7005=\"100\""}));

struct InchCase {
    const char* numerator;
    const char* denominator;
    const char* stored;
};

class PartitionInches : public PartitionDialogs, public ::testing::WithParamInterface<InchCase> {};

TEST_P(PartitionInches, StoresInchesAndTheFractionsThatCount) {
    pl::script::AnswerDialog(kPartitionImpDialogId,
                             {DialogStep{{{kPartitionImpInches, "4"},
                                          {kPartitionImpNumerator, GetParam().numerator},
                                          {kPartitionImpDenominator, GetParam().denominator}},
                                         IDOK}});
    TDbleimpdlg dialog(nullptr, kPartitionImpDialogId);
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dir.ReadFile("CFG/PTNI.CFG"), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Fractions, PartitionInches,
                         ::testing::Values(InchCase{"3", "8", "105"}, InchCase{"1", "3", "96"},
                                           InchCase{"1", "16", "97"}, InchCase{"1", "2", "108"}));

struct ShownCase {
    const char* stored;
    const char* shown;
    const char* file = "CFG/PTNI.CFG"; // or the door sizes, which the door defaults offer
};

class PartitionInchesShown : public PartitionDialogs, public ::testing::WithParamInterface<ShownCase> {};

TEST_P(PartitionInchesShown, SplitsTheStoredThickness) {
    dir.WriteFile(GetParam().file, GetParam().stored);
    pl::script::AnswerDialog(kPartitionImpDialogId, {DialogStep{{}, IDCANCEL}});
    TDbleimpdlg dialog(nullptr, kPartitionImpDialogId);
    dialog.Execute();
    pl::script::AnswerDialog(kDoorDefaultsDialogId, {DialogStep{{}, IDCANCEL}});
    TConfigdlg(nullptr, kDoorDefaultsDialogId).Execute();
    EXPECT_TRUE(ui.LogContains(GetParam().shown)) << ui.Log();
}

INSTANTIATE_TEST_SUITE_P(Stored, PartitionInchesShown,
                         ::testing::Values(ShownCase{"105", "7505=\"4\" 7506=\"3\" 7507=\"8\""},
                                           ShownCase{"97", "7505=\"4\" 7506=\"0\" 7507=\"0\""},
                                           ShownCase{"96", "7505=\"4\" 7506=\"0\" 7507=\"0\""},
                                           ShownCase{"820 790", "5411=\"33\"", "CFG/DOORSZE.CFG"}));

TEST_F(PartitionDialogs, DoorSizesAreWrittenInBothUnits) {
    pl::script::AnswerDialog(kDoorDefaultsDialogId,
                             {DialogStep{{{kDoorSizeMillimetres, "900"}, {kDoorSizeInches, "36"}}, IDOK}});
    TConfigdlg dialog(nullptr, kDoorDefaultsDialogId);
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dir.ReadFile("CFG/DOORSZE.CFG"), "900 864");
}

TEST_F(PartitionDialogs, EscapeAfterARefusedSizeClosesOnceToldAndKeepsTheFile) {
    dir.WriteFile("CFG/DOORSZE.CFG", "820 864");
    pl::script::AnswerDialog(kDoorDefaultsDialogId,
                             {DialogStep{{{kDoorSizeMillimetres, "9"}}, IDOK}, DialogStep{{}, IDCANCEL}});
    EXPECT_EQ(TConfigdlg(nullptr, kDoorDefaultsDialogId).Execute(), IDCANCEL);
    EXPECT_EQ(ui.Log().find("value from 100"), ui.Log().rfind("value from")) << ui.Log();
    EXPECT_EQ(dir.ReadFile("CFG/DOORSZE.CFG"), "820 864");
}

struct StyleCase {
    int32_t angle;
    int32_t thickness;
    const char* written;
};

class DoorStyle : public PartitionDialogs, public ::testing::WithParamInterface<StyleCase> {};

TEST_P(DoorStyle, WritesAngleThicknessSineAndCosine) {
    pl::script::AnswerDialog(kDoorDefaultsDialogId,
                             {DialogStep{{{GetParam().angle, "1"}, {GetParam().thickness, "1"}}, IDOK}});
    TConfigdlg dialog(nullptr, kDoorDefaultsDialogId);
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dir.ReadFile("CFG/INTERN.CFG"), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Styles, DoorStyle,
                         ::testing::Values(StyleCase{kDoorAngle60, kDoorThick, "60 2 0.866025 0.500001"},
                                           StyleCase{kDoorAngle90, kDoorThin, "90 1 1.000000 0.000001"},
                                           StyleCase{kDoorAngle30, kDoorThin, "30 1 0.500000 0.866026"}));

TEST_F(PartitionDialogs, DoorStyleNotOfferedReadsAsShipped) {
    dir.WriteFile("CFG/INTERN.CFG", "45 3 0.707106 0.707107");
    dir.WriteFile("CFG/DOORSZE.CFG", "820 870");
    pl::script::AnswerDialog(kDoorDefaultsDialogId, {DialogStep{{}, IDOK}});
    TConfigdlg dialog(nullptr, kDoorDefaultsDialogId);
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dir.ReadFile("CFG/INTERN.CFG").substr(0, 5), "90 1 ");
    // 870 is 36 inches and a quarter: the whole inches are shown, and left as offered it stays.
    EXPECT_EQ(dir.ReadFile("CFG/DOORSZE.CFG"), "820 870");
}

struct StoredStyleCase {
    const char* stored;
    int32_t angle; // the radio the dialog opens with
    const char* kept;
};

class StoredDoorStyle : public PartitionDialogs, public ::testing::WithParamInterface<StoredStyleCase> {};

// A sine and cosine that are not the angle's read as shipped with the angle, and the file is written
// back whole; a style as the dialog writes it stays as it is.
TEST_P(StoredDoorStyle, OpensOnAnAngleWithItsOwnSineAndCosine) {
    dir.WriteFile("CFG/INTERN.CFG", GetParam().stored);
    pl::script::AnswerDialog(kDoorDefaultsDialogId, {DialogStep{{}, IDCANCEL}});
    EXPECT_EQ(TConfigdlg(nullptr, kDoorDefaultsDialogId).Execute(), IDCANCEL);
    EXPECT_TRUE(ui.LogContains(std::to_string(GetParam().angle) + "=1")) << ui.Log();
    EXPECT_EQ(dir.ReadFile("CFG/INTERN.CFG"), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, StoredDoorStyle,
    ::testing::Values(StoredStyleCase{"90 1 0 0", kDoorAngle90, "90 1 1.000000 0.000001"},
                      StoredStyleCase{"60 2 1.000000 0.000001", kDoorAngle90, "90 2 1.000000 0.000001"},
                      StoredStyleCase{"30 1 0.500000 nan", kDoorAngle90, "90 1 1.000000 0.000001"},
                      StoredStyleCase{"60 2 0.866025 0.500001", kDoorAngle60, "60 2 0.866025 0.500001"},
                      StoredStyleCase{"30 1 0.5 0.866026", kDoorAngle30, "30 1 0.5 0.866026"}));

TEST_F(PartitionDialogs, HelpShowsTheInternalWallAndDoorPages) {
    HelpMode = 1;
    pl::script::AnswerDialog(kPartitionImpDialogId, {DialogStep{{}, IDHELP}, DialogStep{{}, IDCANCEL}});
    TDbleimpdlg partition(nullptr, kPartitionImpDialogId);
    partition.Execute();
    EXPECT_TRUE(ui.LogContains("intwall.htm")) << ui.Log();
    pl::script::AnswerDialog(kDoorDefaultsDialogId, {DialogStep{{}, IDHELP}, DialogStep{{}, IDCANCEL}});
    TConfigdlg doors(nullptr, kDoorDefaultsDialogId);
    doors.Execute();
    EXPECT_TRUE(ui.LogContains("custom.htm")) << ui.Log();
}

} // namespace
