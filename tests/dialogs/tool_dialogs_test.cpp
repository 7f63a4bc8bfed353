// The tool dialogs as a user meets them: what they show when they open, what OK hands back, and what
// their validators refuse.
#include <gtest/gtest.h>

#include <QLabel>

#include <cstring>
#include <string>

#include "dialogs/feet_dialog.h"
#include "dialogs/line_style_dialog.h"
#include "dialogs/line_text_dialog.h"
#include "dialogs/text_details_dialog.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/test_script.h"
#include "resources/dialogs/feet_template.h"
#include "resources/dialogs/tool_dialog_templates.h"
#include "tests/support/scripted_ui.h"

namespace {

using pl::script::DialogStep;

std::string LabelText(const TDialog& dialog, int32_t id) {
    const auto* label = qobject_cast<const QLabel*>(dialog.Control(id));
    return label ? label->text().toStdString() : std::string("(no label)");
}

class ToolDialogs : public ::testing::Test {
protected:
    void SetUp() override { ResetGlobals(); }
    void TearDown() override { ResetGlobals(); }
    testsupport::ScriptedUi ui;
};

struct StyleCase {
    int32_t radio;
    int32_t width;
    int32_t style;
};

class LineStyleChoice : public ToolDialogs, public ::testing::WithParamInterface<StyleCase> {};

TEST_P(LineStyleChoice, GivesWidthAndStyle) {
    const StyleCase& c = GetParam();
    pl::script::AnswerDialog(kLineStyleDialogId, {DialogStep{{{c.radio, "1"}}, IDOK}});
    TLinedlg dialog(nullptr, kLineStyleDialogId);
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.ToolPenWidth, c.width);
    EXPECT_EQ(dialog.ToolPenStyle, c.style);
}

INSTANTIATE_TEST_SUITE_P(Radios, LineStyleChoice,
                         ::testing::Values(StyleCase{14001, 1, 0}, StyleCase{14002, 2, 0},
                                           StyleCase{14003, 1, 1}, StyleCase{14004, 1, 2},
                                           StyleCase{14005, 1, 3}));

TEST_F(ToolDialogs, LineStyleOpensOnSolidThinAndCancelKeepsTheMembers) {
    pl::script::AnswerDialog(kLineStyleDialogId, {DialogStep{{{14003, "1"}}, IDCANCEL}});
    TLinedlg dialog(nullptr, kLineStyleDialogId);
    dialog.ToolPenWidth = 7;
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(dialog.ToolPenWidth, 7);
    EXPECT_TRUE(ui.LogContains("14001=1"));
}

TEST_F(ToolDialogs, TextDetailsShowTheFontAndDefaultToCentredHorizontal) {
    std::strcpy(ObjectList.DefaultFontName, "DejaVu Sans");
    DefaultTextWeight = 700;
    DefaultTextHeight = 12;
    pl::script::AnswerDialog(kTextDetailsDialogId, {DialogStep{{}, IDOK}});
    TTextdlg dialog(nullptr, kTextDetailsDialogId);
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.TextAlignment, 1);
    EXPECT_EQ(dialog.TextAngle, 0);
    EXPECT_EQ(LabelText(dialog, 2305), "DejaVu Sans");
    EXPECT_EQ(LabelText(dialog, 2306), "700");
    EXPECT_EQ(LabelText(dialog, 2307), "12");
}

TEST_F(ToolDialogs, TextDetailsToTheRightAndVertical) {
    pl::script::AnswerDialog(kTextDetailsDialogId, {DialogStep{{{2302, "1"}, {2304, "1"}}, IDOK}});
    TTextdlg dialog(nullptr, kTextDetailsDialogId);
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.TextAlignment, 2);
    EXPECT_EQ(dialog.TextAngle, 2700);
}

TEST_F(ToolDialogs, TextDetailsHelpShowsTheToolsPage) {
    HelpMode = 1;
    pl::script::AnswerDialog(kTextDetailsDialogId, {DialogStep{{}, IDHELP}, DialogStep{{}, IDCANCEL}});
    TTextdlg dialog(nullptr, kTextDetailsDialogId);
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_TRUE(ui.LogContains("tools3.htm"));
}

TEST_F(ToolDialogs, LineTextTakesTwentyOneCharactersAndTheSide) {
    pl::script::AnswerDialog(kLineTextDialogId,
                             {DialogStep{{{2691, "A TEXT OF MORE THAN TWENTY-ONE"}, {2693, "1"}}, IDOK}});
    TLtxtdlg dialog(nullptr, kLineTextDialogId);
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_STREQ(dialog.Text, "A TEXT OF MORE THAN T");
    EXPECT_EQ(dialog.Side, 2);
}

struct FeetCase {
    int32_t length;
    const char* shown; // feet, inches, numerator, denominator as the log shows them
};

class FeetOpening : public ToolDialogs, public ::testing::WithParamInterface<FeetCase> {};

TEST_P(FeetOpening, SplitsTheStartLength) {
    pl::script::AnswerDialog(kFeetDialogId, {DialogStep{{}, IDCANCEL}});
    TFeetdlg dialog(nullptr, kFeetDialogId, nullptr, GetParam().length);
    dialog.Execute();
    EXPECT_TRUE(ui.LogContains(GetParam().shown)) << ui.Log();
}

INSTANTIATE_TEST_SUITE_P(Lengths, FeetOpening,
                         ::testing::Values(FeetCase{30, "9501=\"0\" 9502=\"1\" 9503=\"1\" 9504=\"4\""},
                                           FeetCase{3461, "9501=\"12\" 9502=\"0\" 9503=\"0\" 9504=\"0\""},
                                           FeetCase{3540, "9501=\"12\" 9502=\"3\" 9503=\"1\" 9504=\"2\""},
                                           FeetCase{0, "9501=\"0\" 9502=\"0\" 9503=\"0\" 9504=\"0\""}));

TEST_F(ToolDialogs, FeetOutOfRangeKeepsTheDialogOpen) {
    pl::script::AnswerDialog(kFeetDialogId,
                             {DialogStep{{{9502, "12"}}, IDOK}, DialogStep{{{9502, "11"}}, IDOK}});
    TFeetdlg dialog(nullptr, kFeetDialogId, nullptr, 0);
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_STREQ(dialog.InchesText, "11");
    EXPECT_TRUE(ui.LogContains("Please enter a value from 0 to 11"));
}

} // namespace
