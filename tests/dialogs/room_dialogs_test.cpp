// The design-room dialogs and the partition-thickness dialogs: what they show from their files, what
// OK writes, and that an invalid entry or Escape writes nothing.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRadioButton>

#include <string>

#include "dialogs/design_room_dialogs.h"
#include "dialogs/room_partition_dialogs.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/test_script.h"
#include "resources/dialogs/room_templates.h"
#include "tests/support/program_directory.h"
#include "tests/support/scripted_ui.h"

namespace {

using pl::script::DialogStep;

class RoomDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGlobals();
        ObjectList.ProgramDirectory = dir.Path();
        MetricUnits = 1;
        CurrentView = kRoomLayout;
    }
    void TearDown() override { ResetGlobals(); }

    static std::string EditText(const TDialog& dialog, int32_t id) {
        const auto* edit = qobject_cast<const QLineEdit*>(dialog.Control(id));
        return edit ? edit->text().toStdString() : "(none)";
    }
    static bool Checked(const TDialog& dialog, int32_t id) {
        const auto* radio = qobject_cast<const QRadioButton*>(dialog.Control(id));
        return radio && radio->isChecked();
    }

    testsupport::ProgramDirectory dir;
    testsupport::ScriptedUi ui;
};

TEST_F(RoomDialogs, PartitionReplacesOnlyTheCurrentFloorsField) {
    dir.WriteFile("CFG/RMPTNM.CFG", "100 100 100");
    CurrentView = 41;
    pl::script::AnswerDialog(kRoomPartitionDialogId, {DialogStep{{{roomdlg::kThickness, "110"}}, IDOK}});
    TRmpttndlg dialog(nullptr);
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dir.ReadFile("CFG/RMPTNM.CFG"), "100 110 100");
}

TEST_F(RoomDialogs, PartitionOutOfRangeOrEscapeLeavesTheFile) {
    dir.WriteFile("CFG/RMPTNM.CFG", "100 100 100");
    pl::script::AnswerDialog(kRoomPartitionDialogId,
                             {DialogStep{{{roomdlg::kThickness, "24"}}, IDOK}, DialogStep{{}, IDCANCEL}});
    TRmpttndlg dialog(nullptr);
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(dir.ReadFile("CFG/RMPTNM.CFG"), "100 100 100");
}

TEST_F(RoomDialogs, ImperialPartitionIsStoredInTwentyFourthsAndShownAgain) {
    MetricUnits = 0;
    CurrentView = kGroundFloor;
    pl::script::AnswerDialog(
        kRoomPartitionImpDialogId,
        {DialogStep{{{roomdlg::kInches, "4"}, {roomdlg::kNumerator, "1"}, {roomdlg::kDenominator, "2"}},
                    IDOK}});
    TRmpttnimpdlg first(nullptr);
    ASSERT_EQ(first.Execute(), IDOK);
    EXPECT_EQ(dir.ReadFile("CFG/RMPTNI.CFG"), "108 96 96");

    pl::script::AnswerDialog(kRoomPartitionImpDialogId, {DialogStep{{}, IDCANCEL}});
    TRmpttnimpdlg again(nullptr);
    again.Execute();
    EXPECT_EQ(EditText(again, roomdlg::kInches), "4");
    EXPECT_EQ(EditText(again, roomdlg::kNumerator), "1");
    EXPECT_EQ(EditText(again, roomdlg::kDenominator), "2");
}

TEST_F(RoomDialogs, NewRoomWritesSizeLabelsAndColourAndKeepsTheTexts) {
    const int32_t base = kNewRoomDialogId;
    pl::script::AnswerDialog(base, {DialogStep{{{base + roomdlg::kName, "kitchen"},
                                                {base + roomdlg::kHorizontal, "3600"},
                                                {base + roomdlg::kSizeFirst + 3, "1"},
                                                {base + roomdlg::kColourFirst + 2, "1"}},
                                               IDOK}});
    TTroomdlg dialog(nullptr);
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dir.ReadFile("CFG/NEWRM.CFG"), "4 3");
    EXPECT_STREQ(dialog.NameText, "kitchen");
    EXPECT_EQ(dialog.Width(), 3600);
    EXPECT_EQ(dialog.Length(), 3000);
}

// Whatever colour the last room took, the box offers none, and OK on the offer gives none.
TEST_F(RoomDialogs, NewRoomOpensWithTheLastSizeLabelsAndNoColour) {
    dir.WriteFile("CFG/NEWRM.CFG", "1 3");
    pl::script::AnswerDialog(kNewRoomDialogId, {DialogStep{{}, IDOK}});
    TTroomdlg dialog(nullptr);
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_TRUE(Checked(dialog, kNewRoomDialogId + roomdlg::kSizeFirst + 1));
    EXPECT_TRUE(Checked(dialog, kNewRoomDialogId + roomdlg::kColourFirst));
    EXPECT_EQ(dir.ReadFile("CFG/NEWRM.CFG"), "2 1");
}

TEST_F(RoomDialogs, SizeOutOfRangeKeepsTheDialogOpenAndWritesNothing) {
    dir.WriteFile("CFG/NEWRM.CFG", "2 1");
    const int32_t base = kNewRoomDialogId;
    pl::script::AnswerDialog(
        base, {DialogStep{{{base + roomdlg::kHorizontal, "99"}, {base + roomdlg::kSizeFirst, "1"}}, IDOK},
               DialogStep{{}, IDCANCEL}});
    TTroomdlg dialog(nullptr);
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(dir.ReadFile("CFG/NEWRM.CFG"), "2 1");
}

TEST_F(RoomDialogs, ImperialSizesCountOnlyEighthLikeFractions) {
    MetricUnits = 0;
    const int32_t base = kNewRoomImpDialogId;
    const int32_t w = base + roomdlg::kWidthFeet;
    const int32_t l = base + roomdlg::kLengthFeet;
    pl::script::AnswerDialog(base, {DialogStep{{{w, "10"},
                                                {w + 1, "6"},
                                                {w + 2, "3"},
                                                {w + 3, "8"},
                                                {l, "10"},
                                                {l + 1, "6"},
                                                {l + 2, "3"},
                                                {l + 3, "5"}},
                                               IDOK}});
    TTroomimpdlg dialog(nullptr);
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.Width(), 3033);
    EXPECT_EQ(dialog.Length(), 3024);
}

TEST_F(RoomDialogs, LargestRoomPresetShowsFeetInchesAndEighths) {
    MetricUnits = 0;
    const int32_t base = kMaxRoomImpDialogId;
    pl::script::AnswerDialog(base, {DialogStep{{}, IDCANCEL}});
    TMaxroomimpdlg dialog(nullptr, base, 3033, 3035);
    dialog.Execute();
    const int32_t w = base + roomdlg::kWidthFeet;
    const int32_t l = base + roomdlg::kLengthFeet;
    EXPECT_EQ(EditText(dialog, w) + " " + EditText(dialog, w + 1) + " " + EditText(dialog, w + 2) + "/" +
                  EditText(dialog, w + 3),
              "10 6 3/8");
    EXPECT_EQ(EditText(dialog, l) + " " + EditText(dialog, l + 1) + " " + EditText(dialog, l + 2) + "/" +
                  EditText(dialog, l + 3),
              "10 6 0/0");
}

} // namespace
