// The dimension settings dialogs: what they show from their files, what OK writes, and that nothing
// is written while a field is out of range.
#include <gtest/gtest.h>

#include <QLineEdit>

#include <string>

#include "dialogs/dimension_dialogs.h"
#include "document/dimension_settings.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/test_script.h"
#include "resources/dialogs/dimension_templates.h"
#include "tests/support/program_directory.h"
#include "tests/support/scripted_ui.h"

namespace {

using pl::script::DialogStep;

class DimensionDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGlobals();
        ObjectList.ProgramDirectory = dir.Path();
    }
    void TearDown() override { ResetGlobals(); }

    std::string EditText(const TDialog& dialog, int32_t id) const {
        const auto* edit = qobject_cast<const QLineEdit*>(dialog.Control(id));
        return edit ? edit->text().toStdString() : "(none)";
    }

    testsupport::ProgramDirectory dir;
    testsupport::ScriptedUi ui;
};

TEST_F(DimensionDialogs, ImperialOffsetIsStoredInTwentyFourthsAndShownInInches) {
    MetricUnits = 0;
    pl::script::AnswerDialog(kOffsetImpDialogId, {DialogStep{{{dimdlg::kImpRoomOffset, "18"}}, IDOK}});
    TOffsetimpdlg first(nullptr);
    ASSERT_EQ(first.Execute(), IDOK);
    EXPECT_EQ(dir.ReadFile("CFG/IOFFSET.CFG"), "432 576 1152 0 9 9 10");

    pl::script::AnswerDialog(kOffsetImpDialogId, {DialogStep{{}, IDCANCEL}});
    TOffsetimpdlg again(nullptr);
    again.Execute();
    EXPECT_EQ(EditText(again, dimdlg::kImpRoomOffset), "18");
}

TEST_F(DimensionDialogs, ParallelTextAndSizesAreWritten) {
    pl::script::AnswerDialog(kOffsetDialogId, {DialogStep{{{dimdlg::kParallel, "1"},
                                                           {dimdlg::kDimension10, "1"},
                                                           {dimdlg::kRoomName9, "1"},
                                                           {dimdlg::kOverallOffset, "1500"}},
                                                          IDOK}});
    TOffsetdlg dialog(nullptr);
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dir.ReadFile("CFG/MOFFSET.CFG"), "300 600 1500 2700 10 9 9");
    EXPECT_EQ(ReadDimensionSettings(1).textOrientation, kParallelText);
}

TEST_F(DimensionDialogs, OutOfRangeOffsetIsRefusedAndTheFileUnchanged) {
    dir.WriteFile("CFG/MOFFSET.CFG", "300 600 1200 0 9 9 10");
    pl::script::AnswerDialog(kOffsetDialogId,
                             {DialogStep{{{dimdlg::kRoomOffset, "99"}}, IDOK}, DialogStep{{}, IDCANCEL}});
    TOffsetdlg dialog(nullptr);
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(dir.ReadFile("CFG/MOFFSET.CFG"), "300 600 1200 0 9 9 10");
}

TEST_F(DimensionDialogs, ArrowLengthAndHeadStyleAreWritten) {
    MetricUnits = 0;
    dir.WriteFile("CFG/ARROW.CFG", "288 3");
    pl::script::AnswerDialog(
        kArrowDialogId, {DialogStep{{{dimdlg::kArrowLength, "6"}, {dimdlg::kHeadStyle1 + 1, "1"}}, IDOK}});
    TArrowdlg dialog(nullptr);
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dir.ReadFile("CFG/ARROW.CFG"), "144 2");

    pl::script::AnswerDialog(kArrowDialogId,
                             {DialogStep{{{dimdlg::kArrowLength, "4"}}, IDOK}, DialogStep{{}, IDCANCEL}});
    TArrowdlg refused(nullptr);
    EXPECT_EQ(refused.Execute(), IDCANCEL);
    EXPECT_EQ(dir.ReadFile("CFG/ARROW.CFG"), "144 2");
}

struct StoredArrowCase {
    const char* name;
    int32_t metric;
    const char* stored;
    const char* shown; // the length the dialog opens with
    const char* kept;
};

class StoredArrow : public DimensionDialogs, public ::testing::WithParamInterface<StoredArrowCase> {};

// The arrow is read in the range its dialog takes in the drawing's units, so the dialog opens on a
// length its OK accepts; what it could not have written reads as shipped and is written back.
TEST_P(StoredArrow, OpensOnALengthItsDialogTakes) {
    const StoredArrowCase& c = GetParam();
    MetricUnits = c.metric;
    dir.WriteFile("CFG/ARROW.CFG", c.stored);
    pl::script::AnswerDialog(kArrowDialogId, {DialogStep{{}, IDOK}});
    ASSERT_EQ(TArrowdlg(nullptr).Execute(), IDOK) << ui.Log();
    EXPECT_TRUE(ui.LogContains(std::string("26601=\"") + c.shown + "\"")) << ui.Log();
    EXPECT_EQ(dir.ReadFile("CFG/ARROW.CFG"), c.kept);
}

INSTANTIATE_TEST_SUITE_P(Lengths, StoredArrow,
                         ::testing::Values(StoredArrowCase{"MetricLongest", 1, "5000 2", "5000", "5000 2"},
                                           StoredArrowCase{"MetricBeyond", 1, "120000 2", "288", "288 2"},
                                           StoredArrowCase{"MetricShortest", 1, "5 4", "5", "5 4"},
                                           StoredArrowCase{"MetricTooShort", 1, "4 4", "288", "288 4"},
                                           StoredArrowCase{"ImperialWholeInches", 0, "4800 3", "200",
                                                           "4800 3"},
                                           StoredArrowCase{"ImperialPartInch", 0, "100 3", "12", "288 3"},
                                           StoredArrowCase{"ImperialTooShort", 0, "96 3", "12", "288 3"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DimensionDialogs, ShortOrBadSettingsFallBackFieldByField) {
    dir.WriteFile("CFG/MOFFSET.CFG", "250 99999");
    const DimensionSettings s = ReadDimensionSettings(1);
    EXPECT_EQ(s.roomOffset, 250);
    EXPECT_EQ(s.externalOffset, 600); // out of range: the shipped value
    EXPECT_EQ(s.overallOffset, 1200);
    EXPECT_EQ(s.roomNameTextHeight, 10);
    EXPECT_EQ(dir.ReadFile("CFG/MOFFSET.CFG"), "250 600 1200 0 9 9 10"); // rewritten whole

    dir.WriteFile("CFG/ARROW.CFG", "abc");
    EXPECT_EQ(ReadArrowSettings(1).length, 288);
    EXPECT_EQ(ReadArrowSettings(1).headStyle, 1);
}

} // namespace
