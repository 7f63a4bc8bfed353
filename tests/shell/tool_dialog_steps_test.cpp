// The drawing window's tool steps and the shape commands: line text, number of lines, text placing,
// the tool's line style and its gadget, the rotate check, and what a cancelled dialog leaves.
#include <QLineEdit>
#include <QTest>

#include "document/program_state.h"
#include "platform/file_io.h"
#include "platform/gadgets.h"
#include "platform/input_dialog.h"
#include "platform/test_script.h"
#include "platform/when_modal.h"
#include "tests/shell/input_fixture.h"
#include "tools/text_tool.h"

namespace {

using pl::script::DialogStep;

class ToolSteps : public InputTest {
protected:
    std::string Gadget() const { return client->ToolGadget->GetText(); }
};

TEST_F(ToolSteps, LineTextToTheRightIsWrittenExactly) {
    Open();
    pl::script::AnswerDialog(2690, {DialogStep{{{2691, "ABCD"}, {2693, "1"}}, IDOK}});
    child->RunToolDialog(8);
    EXPECT_EQ(dir.ReadFile("CFG/LTEXT.CFG"), "2 4/nABCD");
}

TEST_F(ToolSteps, LineTextKeepsTwentyOneCharactersAtMost) {
    Open();
    pl::script::AnswerDialog(2690, {DialogStep{{{2691, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"}}, IDOK}});
    child->RunToolDialog(8);
    EXPECT_EQ(dir.ReadFile("CFG/LTEXT.CFG"), "1 21/nABCDEFGHIJKLMNOPQRSTU");
}

TEST_F(ToolSteps, EmptyOrCancelledLineTextLeavesTheFile) {
    Open();
    dir.WriteFile("CFG/LTEXT.CFG", "1 3/nOLD");
    pl::script::AnswerDialog(2690, {DialogStep{{{2691, ""}}, IDOK}});
    child->RunToolDialog(8);
    EXPECT_EQ(dir.ReadFile("CFG/LTEXT.CFG"), "1 3/nOLD");
    EXPECT_NE(client->Tool->Y0, 125000);

    pl::script::AnswerDialog(2690, {DialogStep{{{2691, "NEW"}}, IDCANCEL}});
    child->RunToolDialog(8);
    EXPECT_EQ(dir.ReadFile("CFG/LTEXT.CFG"), "1 3/nOLD");
    EXPECT_EQ(client->Tool->Y0, 125000);
}

TEST_F(ToolSteps, MultilinesTakeTheNumberOfLines) {
    Open();
    pl::script::AnswerInput("3");
    client->CmMultiline();
    EXPECT_EQ(client->Tool->Mode, 40);
    EXPECT_EQ(client->Tool->Count, 3);
    EXPECT_EQ(Gadget(), "1,Multiline");
}

// The box offers a count it takes: Enter alone starts the tool, with nothing refused.
TEST_F(ToolSteps, MultilinesStartOnTheOfferedNumberOfLines) {
    Open();
    pl::script::Enable(false);
    const auto box = pl::whenModal<TInputDialog>([](TInputDialog* shown) {
        // A refusal after it is told through the script, not left open.
        pl::script::Enable(true);
        QTest::keyClick(shown->findChild<QLineEdit*>("edit"), Qt::Key_Return);
    });
    client->CmMultiline();
    EXPECT_TRUE(box->Fired);
    EXPECT_EQ(std::pair(client->Tool->Mode, client->Tool->Count), std::pair(40, 2));
    EXPECT_FALSE(ui.LogContains("Number of Lines must be from 2 to 100"));
}

class MultilineRefusal : public ToolSteps, public ::testing::WithParamInterface<const char*> {};

// Fewer than two lines leave nothing to space out (and nothing to divide by); more than a hundred
// are not offered. Either way the user is told and the tool draws no copies.
TEST_P(MultilineRefusal, CountOutsideTwoToAHundredIsRefused) {
    Open();
    pl::script::AnswerInput(GetParam());
    client->CmMultiline();
    EXPECT_EQ(client->Tool->Mode, 40);
    EXPECT_EQ(client->Tool->Count, 0);
    EXPECT_TRUE(ui.LogContains("Number of Lines must be from 2 to 100"));
}

INSTANTIATE_TEST_SUITE_P(Counts, MultilineRefusal,
                         ::testing::Values("Number of Lines", "0", "1", "-5", "101"));

TEST_F(ToolSteps, CancelledNumberOfLinesInstallsThePickTool) {
    Open();
    pl::script::CancelInput();
    client->CmMultiline();
    EXPECT_EQ(client->Tool->Kind, toolkind::kPick);
}

struct TextChoice {
    const char* alignment;
    const char* direction;
    int32_t kind;
    int32_t style;
    int32_t angle;
};

class TextStart : public ToolSteps, public ::testing::WithParamInterface<TextChoice> {};

TEST_P(TextStart, DialogChoicesSetKindStyleAndAngle) {
    const TextChoice& c = GetParam();
    Open();
    pl::script::AnswerDialog(2300, {DialogStep{{{c.alignment[0] == 'c' ? 2301 : 2302, "1"},
                                                {c.direction[0] == 'h' ? 2303 : 2304, "1"}},
                                               IDOK}});
    client->CmText();
    EXPECT_EQ(client->Tool->Kind, c.kind);
    EXPECT_EQ(client->Tool->CursorX, c.style);
    EXPECT_EQ(client->Tool->PickKind, c.angle);
    EXPECT_EQ(Gadget(), "Text");
}

INSTANTIATE_TEST_SUITE_P(Choices, TextStart,
                         ::testing::Values(TextChoice{"centre", "horizontal", 4, 1, 0},
                                           TextChoice{"centre", "vertical", 4, 6, 2700},
                                           TextChoice{"right", "horizontal", 24, 2, 0},
                                           TextChoice{"right", "vertical", 24, 2, 2700}));

TEST_F(ToolSteps, TextStartShowsTheGuidesAsWritten) {
    Open();
    pl::script::AnswerDialog(2300, {DialogStep{{}, IDOK}});
    client->CmText();
    EXPECT_TRUE(ui.LogContains("GUIDE: click LEFT button on TEXT centre point - press Enter when fnished "));
    pl::script::AnswerDialog(2300, {DialogStep{{{2302, "1"}}, IDOK}});
    client->CmText();
    EXPECT_TRUE(ui.LogContains(
        "click LEFT button on TEXT starting point - then type away - press Enter when finished "));
}

// Escape after a line of a text typed at a click ends that text: the next text starts at its own click.
TEST_F(ToolSteps, TextAfterAnEscapedTextStartsAtItsClick) {
    Open();
    for (const char* typed : {"AB", "XY"}) {
        pl::script::AnswerDialog(2300, {DialogStep{{{2302, "1"}, {2303, "1"}}, IDOK}});
        client->CmText();
        Click(typed[0] == 'A' ? TPoint(100, 100) : TPoint(200, 200));
        QTest::keyClicks(View(), typed);
        Key(Qt::Key_Return);
        Key(Qt::Key_Escape);
    }
    EXPECT_NE(dir.ReadFile("DWGS/HOUSE.DB0").find("XY"), std::string::npos);
}

TEST_F(ToolSteps, CancelledTextDetailsLeaveTheFreshTextTool) {
    Open();
    pl::script::AnswerDialog(2300, {DialogStep{{{2304, "1"}}, IDCANCEL}});
    client->CmText();
    EXPECT_EQ(client->Tool->Kind, toolkind::kText);
    EXPECT_EQ(client->Tool->CursorX, 0);
    EXPECT_EQ(client->Tool->PickKind, 0);
}

TEST_F(ToolSteps, ThickLineStyleShowsWidthAndToolName) {
    Open();
    pl::script::AnswerDialog(14000, {DialogStep{{{14002, "1"}}, IDOK}});
    client->CmToolLineStyle();
    EXPECT_EQ(PenWidth, 2);
    EXPECT_EQ(client->Tool->LineStyle, 0);
    EXPECT_EQ(Gadget(), "2,Line");
}

TEST_F(ToolSteps, DottedStyleGoesToTheToolAndStaysForTheNextLine) {
    Open();
    pl::script::AnswerDialog(14000, {DialogStep{{{14004, "1"}}, IDOK}});
    client->CmToolLineStyle();
    EXPECT_EQ(client->Tool->LineStyle, 2);
    EXPECT_EQ(PenWidth, 1);
    PenWidth = 3;
    client->CmLine();
    EXPECT_EQ(Gadget(), "3,LINE dot");
}

TEST_F(ToolSteps, CancelledLineStyleStillRewritesTheGadget) {
    Open();
    client->CmRectangle();
    PenWidth = 2;
    client->Tool->LineStyle = 3;
    pl::script::AnswerDialog(14000, {DialogStep{{{14001, "1"}}, IDCANCEL}});
    client->CmToolLineStyle();
    EXPECT_EQ(client->Tool->LineStyle, 3);
    EXPECT_EQ(PenWidth, 2);
    EXPECT_EQ(Gadget(), "2,"); // a rectangle tool has no name here
}

TEST_F(ToolSteps, ShapeCommandsNameTheirToolWithThePen) {
    Open();
    PenWidth = 2;
    client->CmArc();
    EXPECT_EQ(Gadget(), "2,Arc");
    EXPECT_EQ(client->Tool->Kind, toolkind::kArc);
    client->CmEllipse();
    EXPECT_EQ(Gadget(), "2,Ellipse");
    client->CmCircle();
    EXPECT_EQ(Gadget(), "2,Circle");
    client->CmRectangle();
    EXPECT_EQ(Gadget(), "2,Rectangle");
    client->CmRoundRect();
    EXPECT_EQ(Gadget(), "2,RoundRect");
    client->CmChangeText();
    EXPECT_EQ(Gadget(), "Change text");
    EXPECT_EQ(client->Tool->Kind, toolkind::kChangeText);
    EXPECT_EQ(HelpContextId, 230);
}

TEST_F(ToolSteps, RectangleNeedsOnlyAStartedDrawing) {
    Open();
    DrawingState = 1;
    client->CmArc();
    EXPECT_EQ(client->Tool->Kind, toolkind::kLine);
    client->CmRectangle();
    EXPECT_EQ(client->Tool->Kind, toolkind::kRectangle);
}

TEST_F(ToolSteps, RotateCheckFindsRectanglesInTheSelection) {
    std::vector<std::unique_ptr<TObject>> objects;
    objects.push_back(inputs::Line(1000, 1000, 5000, 1000));
    objects.push_back(
        std::make_unique<TRectangleobj>(kGroundFloor, kRectangle, 1, 0, 0, 0, 100, 0, 900, 0, 100, 800, 0));
    Open(std::move(objects));
    // Index 3 is the line, 4 the rectangle; a stale index far beyond the document is skipped.
    dir.WriteFile("CFG/TEMP.CFG", "2\n");
    dir.WriteFile("CFG/COPY.CFG", "3 0 0\n900 0 0\n");
    EXPECT_EQ(child->CheckRotateSelection(), 0);
    dir.WriteFile("CFG/COPY.CFG", "3 0 0\n4 0 0\n");
    pl::script::AnswerMessageBox(IDOK);
    EXPECT_EQ(child->CheckRotateSelection(), 1);
    EXPECT_TRUE(ui.LogContains("RECT and RNDRECT objects only rotate in 90, 180 and 270 degree increments"));
}

TEST_F(ToolSteps, RotateCheckWithoutASelectionListAllowsOnlySquareTurns) {
    Open();
    dir.WriteFile("CFG/TEMP.CFG", "1\n");
    pl::RemoveFile(dir.File("CFG/COPY.CFG"));
    EXPECT_EQ(child->CheckRotateSelection(), 1);
}

} // namespace

namespace {

class ChangeColour : public InputTest {};

TEST_F(ChangeColour, WithoutADrawingChoosesThePenColour) {
    DrawingState = 0;
    pl::script::AnswerColour(0x0000ff);
    client->CmChangeColour();
    EXPECT_EQ(PenColour, 0x0000ffu);
    EXPECT_TRUE(ui.LogContains("GUIDE: Select PEN COLOUR"));
}

TEST_F(ChangeColour, CancelledColourKeepsThePen) {
    DrawingState = 0;
    PenColour = 0x123456;
    pl::script::CancelColour();
    client->CmChangeColour();
    EXPECT_EQ(PenColour, 0x123456u);
}

} // namespace
