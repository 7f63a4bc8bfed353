#include <gtest/gtest.h>
#include <QTextBrowser>
#include <string>

#include "dialogs/help_commands.h"
#include "dialogs/help_context.h"
#include "platform/help.h"
#include "platform/test_script.h"

namespace {

// Shows the shipped pages straight from the source tree, with every call answered and logged.
class HelpShowTest : public ::testing::Test {
protected:
    void SetUp() override {
        pl::script::Enable(true);
        pl::script::Reset();
        pl::SetHelpProgramDirectory(std::string(TREVALYN_DATA_DIR) + "/");
        InstallWinHelpPageMap();
    }
    void TearDown() override {
        pl::CloseHelpWindow();
        EXPECT_TRUE(pl::script::Errors().empty()) << pl::script::LogText();
        pl::script::Reset();
        pl::script::Enable(false);
    }

    static std::string ShownTitle() {
        return pl::HelpWindow() ? pl::HelpWindow()->documentTitle().toStdString() : std::string();
    }
};

TEST_F(HelpShowTest, ContextHelpOpensThePageOfTheTopic) {
    ShowHelp(nullptr, HelpMenuRequest(HelpMenuCommand::Context, 1, 253, 2));
    EXPECT_EQ(pl::CurrentHelpPage(), "intwall.htm");
    EXPECT_EQ(ShownTitle(), "Internal walls");
}

// Every topic number reaches a page that loads, in both help systems.
TEST_F(HelpShowTest, EveryTopicShowsATitledPage) {
    for (const HelpTopic& topic : HelpTopics()) {
        SCOPED_TRACE(topic.context);
        ShowHelp(nullptr, KeyHelpRequest(2, topic.context));
        EXPECT_EQ(pl::CurrentHelpPage(), topic.page);
        EXPECT_FALSE(ShownTitle().empty());
        ShowHelp(nullptr, KeyHelpRequest(1, topic.context));
        EXPECT_EQ(pl::CurrentHelpPage(), topic.page);
    }
}

TEST_F(HelpShowTest, UnknownTopicUnderContextNumbersShowsTheIntroduction) {
    ShowHelp(nullptr, KeyHelpRequest(2, 999));
    EXPECT_EQ(pl::CurrentHelpPage(), "intro.htm");
}

TEST_F(HelpShowTest, ContentsAndIndexOpenTheirPages) {
    ShowHelp(nullptr, HelpMenuRequest(HelpMenuCommand::Contents, 1, 0, 0));
    EXPECT_EQ(pl::CurrentHelpPage(), "content.htm");
    ShowHelp(nullptr, HelpMenuRequest(HelpMenuCommand::Contents, 2, 0, 0));
    EXPECT_EQ(pl::CurrentHelpPage(), "content.htm");
    ShowHelp(nullptr, HelpMenuRequest(HelpMenuCommand::Search, 1, 0, 0));
    EXPECT_NE(pl::script::LogText().find("keyword=\"base\""), std::string::npos);
}

TEST_F(HelpShowTest, RefusalsShowTheirMessageAndNoHelp) {
    ShowHelp(nullptr, HelpMenuRequest(HelpMenuCommand::Context, 1, 253, 0));
    ShowHelp(nullptr, HelpMenuRequest(HelpMenuCommand::Search, 2, 253, 2));
    const std::string log = pl::script::LogText();
    EXPECT_NE(log.find("CONTEXT HELP"), std::string::npos);
    EXPECT_NE(log.find("HELP INDEX"), std::string::npos);
    EXPECT_EQ(log.find("Help \""), std::string::npos);
    EXPECT_EQ(pl::HelpWindow(), nullptr);
}

TEST_F(HelpShowTest, NothingUnderContextNumbersForPageHelp) {
    ShowHelp(nullptr, PageHelpRequest(2, 253));
    EXPECT_TRUE(pl::script::LogText().empty());
}

TEST_F(HelpShowTest, AboutBoxShowsNameAndVersionAndClosesWithOk) {
    pl::script::AnswerDialog(9030, {{{}, IDOK}});
    ShowAboutBox(nullptr);
    EXPECT_EQ(pl::script::Pending(), 0u);
    const std::string log = pl::script::LogText();
    EXPECT_NE(log.find("About TREVALYN"), std::string::npos) << log;
}

} // namespace
