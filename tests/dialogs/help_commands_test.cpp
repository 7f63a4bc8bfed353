#include <gtest/gtest.h>
#include <ostream>
#include <string>

#include "dialogs/help_commands.h"

namespace {

using Kind = HelpRequest::Kind;
constexpr int32_t kHtml = 1;
constexpr int32_t kWinHelp = 2;
constexpr int32_t kDrawingOpen = 2;

TEST(ContextHelp, NeedsAnOpenDrawing) {
    for (int32_t state : {0, 1}) {
        const HelpRequest request = HelpMenuRequest(HelpMenuCommand::Context, kHtml, 253, state);
        EXPECT_EQ(request.kind, Kind::Message);
        EXPECT_EQ(request.text, "You must open a drawing FILE first");
        EXPECT_EQ(request.caption, "CONTEXT HELP");
    }
}

TEST(ContextHelp, ShowsTheCurrentTopicInEitherHelpSystem) {
    const HelpRequest html = HelpMenuRequest(HelpMenuCommand::Context, kHtml, 253, kDrawingOpen);
    EXPECT_EQ(html.kind, Kind::HtmlTopic);
    EXPECT_EQ(html.address, "tvhelp.chm::/intwall.htm>wind");

    const HelpRequest unknown = HelpMenuRequest(HelpMenuCommand::Context, kHtml, 999, kDrawingOpen);
    EXPECT_EQ(unknown.address, "tvhelp.chm::/intro.htm>wind");

    const HelpRequest winHelp = HelpMenuRequest(HelpMenuCommand::Context, kWinHelp, 999, kDrawingOpen);
    EXPECT_EQ(winHelp.kind, Kind::WinHelpContext);
    EXPECT_EQ(winHelp.address, "tvwhlp.hlp");
    EXPECT_EQ(winHelp.context, 999);
}

TEST(KeyHelp, UsesTheHelpSystemInForceWithoutADrawingCheck) {
    EXPECT_EQ(KeyHelpRequest(kHtml, 210).address, "tvhelp.chm::/view.htm>wind");
    const HelpRequest winHelp = KeyHelpRequest(kWinHelp, 210);
    EXPECT_EQ(winHelp.kind, Kind::WinHelpContext);
    EXPECT_EQ(winHelp.context, 210);
}

TEST(PageHelp, DoesNothingUnderContextNumberHelp) {
    EXPECT_EQ(PageHelpRequest(kWinHelp, 253).kind, Kind::None);
    EXPECT_EQ(PageHelpRequest(0, 253).kind, Kind::None);
    EXPECT_EQ(PageHelpRequest(kHtml, 253).address, "tvhelp.chm::/intwall.htm>wind");
}

struct MenuTopicCase {
    HelpMenuCommand command;
    const char* page;
    int32_t context;
};

void PrintTo(const MenuTopicCase& c, std::ostream* out) {
    *out << c.page;
}

class HelpMenuTopicTest : public ::testing::TestWithParam<MenuTopicCase> {};

TEST_P(HelpMenuTopicTest, OpensItsPageInTheMenuWindowOrItsNumber) {
    const MenuTopicCase& c = GetParam();
    const HelpRequest html = HelpMenuRequest(c.command, kHtml, 253, 0);
    EXPECT_EQ(html.kind, Kind::HtmlTopic);
    EXPECT_EQ(html.address, std::string("tvhelp.chm::/") + c.page + ">basewind");

    const HelpRequest winHelp = HelpMenuRequest(c.command, kWinHelp, 253, 0);
    EXPECT_EQ(winHelp.kind, Kind::WinHelpContext);
    EXPECT_EQ(winHelp.address, "tvwhlp.hlp");
    EXPECT_EQ(winHelp.context, c.context);
}

INSTANTIATE_TEST_SUITE_P(FixedTopics, HelpMenuTopicTest,
                         ::testing::Values(MenuTopicCase{HelpMenuCommand::Intro, "intro.htm", 400},
                                           MenuTopicCase{HelpMenuCommand::Examples, "examples.htm", 100},
                                           MenuTopicCase{HelpMenuCommand::Hints, "hint.htm", 110},
                                           MenuTopicCase{HelpMenuCommand::HowTo, "howto.htm", 103},
                                           MenuTopicCase{HelpMenuCommand::QuickStart, "qstart.htm", 107}),
                         [](const ::testing::TestParamInfo<MenuTopicCase>& info) {
                             return std::to_string(info.param.context);
                         });

TEST(HelpContents, OpensTheTableOfContentsOrTheContentsTopic) {
    const HelpRequest html = HelpMenuRequest(HelpMenuCommand::Contents, kHtml, 253, 0);
    EXPECT_EQ(html.kind, Kind::HtmlContents);
    EXPECT_EQ(html.address, "tvhelp.chm");

    const HelpRequest winHelp = HelpMenuRequest(HelpMenuCommand::Contents, kWinHelp, 253, 0);
    EXPECT_EQ(winHelp.kind, Kind::WinHelpContents);
    EXPECT_EQ(winHelp.context, 500);
}

TEST(HelpSearch, OpensTheIndexOrExplainsItIsMissing) {
    const HelpRequest html = HelpMenuRequest(HelpMenuCommand::Search, kHtml, 253, 0);
    EXPECT_EQ(html.kind, Kind::HtmlIndex);
    EXPECT_EQ(html.address, "tvhelp.chm::/intro.htm>basewind");
    EXPECT_EQ(html.keyword, "base");

    const HelpRequest winHelp = HelpMenuRequest(HelpMenuCommand::Search, kWinHelp, 253, 0);
    EXPECT_EQ(winHelp.kind, Kind::Message);
    EXPECT_EQ(winHelp.text,
              "Only available for the graphic help system that uses Interner Explorer4 or later");
    EXPECT_EQ(winHelp.caption, "HELP INDEX");
}

TEST(DialogHelp, ShowsTheDialogsOwnTopic) {
    EXPECT_EQ(DialogHelpRequest(kHtml, "file.htm", 200).address, "tvhelp.chm::/file.htm>wind");
    const HelpRequest winHelp = DialogHelpRequest(kWinHelp, "file.htm", 200);
    EXPECT_EQ(winHelp.kind, Kind::WinHelpContext);
    EXPECT_EQ(winHelp.context, 200);
}

} // namespace
