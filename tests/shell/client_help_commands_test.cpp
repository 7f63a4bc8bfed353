// The Help menu commands of the client window, context help and the F1 key of the drawing window:
// what each asks of the help system in use.
#include <QCoreApplication>

#include "document/program_state.h"
#include "platform/help.h"
#include "platform/test_script.h"
#include "platform/virtual_keys.h"
#include "resources/command_ids.h"
#include "tests/shell/drawing_window_fixture.h"

namespace {

class HelpCommands : public DrawingWindowTest {
protected:
    void SetUp() override {
        DrawingWindowTest::SetUp();
        pl::SetHelpProgramDirectory(dir.Path());
    }
    void TearDown() override {
        pl::CloseHelpWindow();
        DrawingWindowTest::TearDown();
    }
    testsupport::ScriptedUi ui;
};

struct MenuCase {
    int32_t command;
    int32_t helpMode;
    const char* logged;
};

class HelpMenu : public HelpCommands, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(HelpMenu, AsksTheHelpSystemForItsTopic) {
    HelpMode = GetParam().helpMode;
    DrawingState = 2;
    HelpContextId = 253;
    ASSERT_TRUE(client->ProcessCommand(GetParam().command));
    EXPECT_TRUE(ui.LogContains(GetParam().logged)) << ui.Log();
}

INSTANTIATE_TEST_SUITE_P(
    Commands, HelpMenu,
    ::testing::Values(MenuCase{cmd::kHelpIntro, 1, "HtmlHelp \"tvhelp.chm::/intro.htm>basewind\""},
                      MenuCase{cmd::kHelpIntro, 2, "WinHelp \"tvwhlp.hlp\" command=0x1 data=400"},
                      MenuCase{cmd::kHelpContents, 1, "HtmlHelp \"tvhelp.chm\" command=0x1"},
                      MenuCase{cmd::kHelpContents, 2, "WinHelp \"tvwhlp.hlp\" command=0x3 data=500"},
                      MenuCase{cmd::kHelpSearch, 1,
                               "HtmlHelp \"tvhelp.chm::/intro.htm>basewind\" command=0x2"},
                      MenuCase{cmd::kHelpSearch, 2, "text=\"Only available for the graphic help system"},
                      MenuCase{cmd::kContextHelp, 1, "HtmlHelp \"tvhelp.chm::/intwall.htm>wind\""},
                      MenuCase{cmd::kContextHelp, 2, "WinHelp \"tvwhlp.hlp\" command=0x1 data=253"},
                      MenuCase{cmd::kExamples, 1, "HtmlHelp \"tvhelp.chm::/examples.htm>basewind\""},
                      MenuCase{cmd::kHints, 1, "HtmlHelp \"tvhelp.chm::/hint.htm>basewind\""},
                      MenuCase{cmd::kHowTo, 2, "WinHelp \"tvwhlp.hlp\" command=0x1 data=103"},
                      MenuCase{cmd::kQuickStart, 1, "HtmlHelp \"tvhelp.chm::/qstart.htm>basewind\""}));

TEST_F(HelpCommands, ContextHelpShowsThePageOfTheCurrentTopic) {
    HelpMode = 1;
    DrawingState = 2;
    for (auto [context, page] : {std::pair{253, "intwall.htm"},
                                 {220, "zoom.htm"},
                                 {500, "content.htm"},
                                 {999, "intro.htm"},
                                 {0, "intro.htm"}}) {
        HelpContextId = context;
        ASSERT_TRUE(client->ProcessCommand(cmd::kContextHelp));
        EXPECT_EQ(pl::CurrentHelpPage(), page) << context;
    }
}

TEST_F(HelpCommands, ContextHelpNeedsAnOpenDrawing) {
    HelpMode = 1;
    DrawingState = 1;
    ASSERT_TRUE(client->ProcessCommand(cmd::kContextHelp));
    EXPECT_TRUE(ui.LogContains("caption=\"CONTEXT HELP\" text=\"You must open a drawing FILE first\""));
    EXPECT_FALSE(ui.LogContains("HtmlHelp \"tvhelp.chm::/"));
}

TEST_F(HelpCommands, F1OnTheDrawingWindowShowsTheCurrentTopic) {
    HelpMode = 1;
    Open();
    HelpContextId = 251;
    child->EvKeyDown(VK_F1, 1, 0);
    EXPECT_EQ(pl::CurrentHelpPage(), "extwall.htm");
}

TEST_F(HelpCommands, AboutBoxOpensOverTheDrawingWindowAndChangesNothing) {
    Open();
    const int32_t state = DrawingState, context = HelpContextId;
    pl::script::AnswerDialog(9030, {{{}, IDOK}});
    ASSERT_TRUE(client->ProcessCommand(cmd::kAbout));
    EXPECT_EQ(pl::script::Pending(), 0u);
    EXPECT_EQ(DrawingState, state);
    EXPECT_EQ(HelpContextId, context);
}

} // namespace
