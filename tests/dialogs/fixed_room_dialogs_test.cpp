// The new-fixed-room dialogs: the measured free size and the last size-line choice they open with,
// what OK writes, and that a refused size writes nothing.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRadioButton>

#include <string>
#include <vector>

#include "dialogs/fixed_room_dialogs.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/test_script.h"
#include "resources/dialogs/fixed_room_templates.h"
#include "tests/support/clean_state.h"
#include "tests/support/program_directory.h"
#include "tests/support/scripted_ui.h"

namespace {

using pl::script::DialogStep;
using namespace fixedroomdlg;

class FixedRoomDialogs : public testsupport::CleanStateTest {
protected:
    void SetUp() override {
        ObjectList.ProgramDirectory = dir.Path();
        MetricUnits = 1;
    }
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

TEST_F(FixedRoomDialogs, MetricOpensWithTheFreeSizeAndOkWritesTheChoiceWithNoColour) {
    dir.WriteFile("CFG/ROOM.CFG", "3600 2400");
    dir.WriteFile("CFG/NEWRM.CFG", "3 4");
    pl::script::AnswerDialog(kFixedRoomDialogId,
                             {DialogStep{{{kName, "lounge"}, {kSizeFirst + 1, "1"}}, IDOK}});
    TRoomdlg dialog(nullptr);
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(EditText(dialog, kHorizontal), "3600");
    EXPECT_EQ(EditText(dialog, kVertical), "2400");
    EXPECT_EQ(dir.ReadFile("CFG/NEWRM.CFG"), "2 0");
    EXPECT_STREQ(dialog.NameText, "lounge");
    EXPECT_EQ(dialog.Width(), 3600);
    EXPECT_EQ(dialog.Length(), 2400);
    EXPECT_EQ(dialog.SizeOption, 2);
}

TEST_F(FixedRoomDialogs, OpensWithTheLastSizeLinesAndEmptySizesWithoutAMeasurement) {
    dir.WriteFile("CFG/NEWRM.CFG", "3 1");
    pl::script::AnswerDialog(kFixedRoomDialogId, {DialogStep{{}, IDCANCEL}});
    TRoomdlg dialog(nullptr);
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_TRUE(Checked(dialog, kSizeFirst + 2));
    EXPECT_EQ(EditText(dialog, kHorizontal), " ");
    EXPECT_EQ(dir.ReadFile("CFG/NEWRM.CFG"), "3 1");
}

struct StoredRoomCase {
    const char* room; // CFG/ROOM.CFG, the measured free size; null: no measurement
    const char* shown;
    const char* options = "2 1"; // CFG/NEWRM.CFG
    const char* mended = "2 1";
};

class StoredRoomFiles : public FixedRoomDialogs, public ::testing::WithParamInterface<StoredRoomCase> {};

// The free size is shown only when the file holds both sizes, each one a sheet could hold. Options no
// dialog offers, the older "both sizes" of rooms already drawn among them, open as shipped and are
// written back.
TEST_P(StoredRoomFiles, ShowOnlyAWholeFreeSizeAndOfferedOptions) {
    const StoredRoomCase& c = GetParam();
    if (c.room) dir.WriteFile("CFG/ROOM.CFG", c.room);
    dir.WriteFile("CFG/NEWRM.CFG", c.options);
    pl::script::AnswerDialog(kFixedRoomDialogId, {DialogStep{{}, IDCANCEL}});
    TRoomdlg dialog(nullptr);
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(EditText(dialog, kHorizontal), c.shown);
    EXPECT_TRUE(Checked(dialog, kSizeFirst + 1));
    EXPECT_EQ(dir.ReadFile("CFG/NEWRM.CFG"), c.mended);
}

INSTANTIATE_TEST_SUITE_P(FixedRoomDialogs, StoredRoomFiles,
                         ::testing::Values(StoredRoomCase{nullptr, " "}, StoredRoomCase{"3600 2400", "3600"},
                                           StoredRoomCase{"3600", " "}, StoredRoomCase{"3600 -1", " "},
                                           StoredRoomCase{"200001 2400", " "},
                                           StoredRoomCase{nullptr, " ", "7 9", "2 1"},
                                           StoredRoomCase{nullptr, " ", "1 3", "2 3"},
                                           StoredRoomCase{nullptr, " ", "-1 0", "2 0"}));

TEST_F(FixedRoomDialogs, SizeOutsideItsRangeKeepsTheDialogOpenAndWritesNothing) {
    dir.WriteFile("CFG/ROOM.CFG", "150001 2400");
    dir.WriteFile("CFG/NEWRM.CFG", "2 1");
    pl::script::AnswerDialog(kFixedRoomDialogId,
                             {DialogStep{{{kSizeFirst, "1"}}, IDOK}, DialogStep{{{kVertical, "399"}}, IDOK},
                              DialogStep{{}, IDCANCEL}});
    TRoomdlg dialog(nullptr);
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(dir.ReadFile("CFG/NEWRM.CFG"), "2 1");
}

TEST_F(FixedRoomDialogs, ImperialSplitsTheFreeSizeIntoFeetInchesAndEighths) {
    MetricUnits = 0;
    dir.WriteFile("CFG/ROOM.CFG", "3033 2880");
    pl::script::AnswerDialog(kFixedRoomImpDialogId, {DialogStep{{}, IDOK}});
    TRoomimpdlg dialog(nullptr);
    ASSERT_EQ(dialog.Execute(), IDOK);
    std::vector<std::string> shown;
    for (int32_t i = 0; i < 8; ++i)
        shown.push_back(EditText(dialog, kImpWidthFeet + i));
    EXPECT_EQ(shown, (std::vector<std::string>{"10", "6", "3", "8", "10", "0", "0", "0"}));
    EXPECT_EQ(dialog.Width(), 3033);
    EXPECT_EQ(dialog.Length(), 2880);
}

} // namespace
