#include <gtest/gtest.h>

#include <QTextBrowser>

#include "platform/help.h"
#include "tests/support/program_directory.h"
#include "tests/support/scripted_ui.h"

TEST(Help, TopicAddressesSplitIntoFilePageAndWindow) {
    const pl::HelpTopic topic = pl::ParseHelpTopic("tvhelp.chm::/intwall.htm>wind");
    EXPECT_EQ(topic.File, "tvhelp.chm");
    EXPECT_EQ(topic.Page, "intwall.htm");
    EXPECT_EQ(topic.Window, "wind");
    const pl::HelpTopic fileOnly = pl::ParseHelpTopic("tvhelp.chm");
    EXPECT_EQ(fileOnly.File, "tvhelp.chm");
    EXPECT_EQ(fileOnly.Page, "");
    EXPECT_EQ(pl::ParseHelpTopic("tvhelp.chm::/intro.htm>basewind").Window, "basewind");
    EXPECT_EQ(pl::ParseHelpTopic("tvhelp.chm::/view.htm").Page, "view.htm");
}

TEST(Help, PagesComeFromTheProgramsHelpFolderOnly) {
    pl::SetHelpProgramDirectory("/opt/tv/");
    EXPECT_EQ(pl::HelpPageFile("file.htm"), "/opt/tv/help/file.htm");
    EXPECT_EQ(pl::HelpPageFile("../CFG/METRIC.CFG"), "");
    EXPECT_EQ(pl::HelpPageFile("/etc/passwd"), "");
}

TEST(Help, HtmlHelpShowsThePageInOneWindow) {
    testsupport::ScriptedUi ui;
    testsupport::ProgramDirectory dir;
    dir.WriteFile("help/intwall.htm", "<html><body><b>Internal walls</b></body></html>");
    dir.WriteFile("help/view.htm", "<html><body>Views</body></html>");
    pl::SetHelpProgramDirectory(dir.Path());
    QWidget* first = HtmlHelpA(nullptr, "tvhelp.chm::/intwall.htm>wind", HH_DISPLAY_TOPIC, 0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(pl::CurrentHelpPage(), "intwall.htm");
    EXPECT_TRUE(pl::HelpWindow()->toPlainText().contains("Internal walls"));
    QWidget* second = HtmlHelpA(nullptr, "tvhelp.chm::/view.htm>basewind", HH_DISPLAY_TOPIC, 0);
    EXPECT_EQ(first, second);
    EXPECT_TRUE(pl::HelpWindow()->toPlainText().contains("Views"));
    HtmlHelpA(nullptr, "tvhelp.chm::/missing.htm>wind", HH_DISPLAY_TOPIC, 0);
    EXPECT_TRUE(pl::HelpWindow()->toPlainText().contains("cannot be found"));
    EXPECT_TRUE(
        ui.LogContains("HtmlHelp \"tvhelp.chm::/intwall.htm>wind\" command=0x0 page=\"intwall.htm\""));
    HtmlHelpA(nullptr, nullptr, HH_CLOSE_ALL, 0);
    EXPECT_EQ(pl::HelpWindow(), nullptr);
}

TEST(Help, InitialiseHandsOutACookie) {
    uint32_t cookie = 0;
    HtmlHelpA(nullptr, nullptr, HH_INITIALIZE, reinterpret_cast<uintptr_t>(&cookie));
    EXPECT_NE(cookie, 0u);
}

TEST(Help, WinHelpMapsContextsThroughTheProgramsTable) {
    testsupport::ScriptedUi ui;
    testsupport::ProgramDirectory dir;
    dir.WriteFile("help/file.htm", "<p>Files</p>");
    pl::SetHelpProgramDirectory(dir.Path());
    pl::SetWinHelpPageMap(
        [](int32_t context) { return context == 200 ? std::string("file.htm") : std::string(); });
    EXPECT_EQ(WinHelpA(nullptr, "tvwhlp.hlp", HELP_CONTEXT, 200), 1);
    EXPECT_EQ(pl::CurrentHelpPage(), "file.htm");
    EXPECT_EQ(WinHelpA(nullptr, "tvwhlp.hlp", HELP_CONTEXT, 999), 0);
    EXPECT_EQ(WinHelpA(nullptr, "tvwhlp.hlp", HELP_CONTENTS, 500), 1);
    EXPECT_EQ(pl::CurrentHelpPage(), "content.htm");
    EXPECT_TRUE(ui.LogContains("WinHelp \"tvwhlp.hlp\" command=0x1 data=200 page=\"file.htm\""));
    pl::SetWinHelpPageMap(nullptr);
    pl::CloseHelpWindow();
}
