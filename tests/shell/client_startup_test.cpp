#include <gtest/gtest.h>

#include "document/document.h"
#include "document/program_state.h"
#include "shell/client.h"
#include "tests/support/program_directory.h"
#include "tools/line_tool.h"

namespace {

class ClientStartUp : public ::testing::Test {
protected:
    void SetUp() override { ResetGlobals(); }
    void TearDown() override { ResetGlobals(); }
    testsupport::ProgramDirectory dir;
};

TEST_F(ClientStartUp, RecordsTheProgramDirectoryAndInstallsTheLineTool) {
    TClient client(dir.Path());
    EXPECT_EQ(ObjectList.ProgramDirectory, dir.Path());
    ASSERT_NE(client.Tool, nullptr);
    EXPECT_NE(dynamic_cast<TLineobjtool*>(client.Tool.get()), nullptr);
    EXPECT_EQ(client.Tool->Kind, 1);
    EXPECT_EQ(client.Tool->Mode, 0);
    EXPECT_EQ(client.Tool->PenWidth, 1);
    EXPECT_NE(client.Printer, nullptr);
    EXPECT_EQ(client.Frame, nullptr);
    EXPECT_EQ(client.StatusBar, nullptr);
    EXPECT_EQ(client.FontColour, 0u);
}

TEST_F(ClientStartUp, GlobalsNotReadFromFilesKeepTheirStartValues) {
    TClient client(dir.Path());
    EXPECT_EQ(SheetWidth, 1);
    EXPECT_EQ(SheetHeight, 1);
    EXPECT_EQ(MetricUnits, 1);
    EXPECT_EQ(ScrollOriginX, 0);
    EXPECT_EQ(ScrollOriginY, 0);
    EXPECT_EQ(DefaultTextHeight, 10);
    EXPECT_EQ(DefaultTextWeight, 400);
    EXPECT_EQ(CurrentView, 8);
    EXPECT_EQ(HelpContextId, 100);
    EXPECT_EQ(DrawingState, 0);
    EXPECT_EQ(PlanDisplayMode, 0);
    EXPECT_EQ(LayoutGridFlag, 2);
    EXPECT_EQ(PenWidth, 1);
    EXPECT_EQ(IdCounter, 1);
    EXPECT_EQ(PenScale, 1);
    EXPECT_EQ(PenScaleF, 1.0f);
    EXPECT_EQ(ViewExtentX, 624);
    EXPECT_EQ(ViewExtentY, 346);
    EXPECT_EQ(ZoomDivisor, 1);
    EXPECT_EQ(TextScale, 0);
}

TEST_F(ClientStartUp, WithoutADirectoryTakesTheExecutablesFolder) {
    TClient client;
    const std::string& directory = ObjectList.ProgramDirectory;
    ASSERT_FALSE(directory.empty());
    EXPECT_EQ(directory.back(), '/');
    EXPECT_EQ(directory.front(), '/');
}

TEST_F(ClientStartUp, ReadsTheColoursInFileOrder) {
    dir.WriteFile("CFG/CLR.CFG", "255 65280 16711680\n");
    TClient client(dir.Path());
    EXPECT_EQ(BackgroundColour, RGB(255, 0, 0));
    EXPECT_EQ(PenColour, RGB(0, 255, 0));
    EXPECT_EQ(SelectColour, RGB(0, 0, 255));
    EXPECT_EQ(client.GetBkgndColor(), RGB(255, 0, 0));
}

TEST_F(ClientStartUp, MissingColourFileFallsBackAndIsWrittenBack) {
    ASSERT_TRUE(std::remove(dir.File("CFG/CLR.CFG").c_str()) == 0);
    TClient client(dir.Path());
    EXPECT_EQ(BackgroundColour, RGB(255, 255, 255));
    EXPECT_EQ(PenColour, RGB(0, 0, 0));
    EXPECT_EQ(SelectColour, RGB(255, 0, 0));
    EXPECT_EQ(dir.ReadFile("CFG/CLR.CFG"), "16777215 0 255\n");
}

TEST_F(ClientStartUp, ShortColourFileKeepsWhatItHas) {
    dir.WriteFile("CFG/CLR.CFG", "0");
    TClient client(dir.Path());
    EXPECT_EQ(BackgroundColour, RGB(0, 0, 0));
    EXPECT_EQ(PenColour, RGB(0, 0, 0));
    EXPECT_EQ(SelectColour, RGB(255, 0, 0));
}

struct SaveCase {
    const char* stored;
    int32_t state;
};

class SaveStateAtStart : public ClientStartUp, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SaveStateAtStart, OnlyAutoSaveSurvivesTheStart) {
    dir.WriteFile("CFG/SAVE.CFG", GetParam().stored);
    TClient client(dir.Path());
    EXPECT_EQ(SaveState, GetParam().state);
}

INSTANTIATE_TEST_SUITE_P(Stored, SaveStateAtStart,
                         ::testing::Values(SaveCase{"1", 0}, SaveCase{"2", 2}, SaveCase{"0", 0},
                                           SaveCase{"7", 0}, SaveCase{"", 0}, SaveCase{"x", 0}));

TEST_F(ClientStartUp, MissingSaveFileCountsAsOffAndIsRestored) {
    ASSERT_TRUE(std::remove(dir.File("CFG/SAVE.CFG").c_str()) == 0);
    TClient client(dir.Path());
    EXPECT_EQ(SaveState, 0);
    EXPECT_EQ(dir.ReadFile("CFG/SAVE.CFG"), "1");
}

TEST_F(ClientStartUp, ChoosesTheBuiltInHtmlHelp) {
    TClient client(dir.Path());
    EXPECT_EQ(HelpMode, 1);
}

TEST_F(ClientStartUp, InstallingAToolReplacesTheOldOne) {
    TClient client(dir.Path());
    auto fresh = std::make_unique<TLineobjtool>();
    fresh->Kind = 21;
    TDrawingtool* raw = fresh.get();
    client.InstallTool(std::move(fresh));
    EXPECT_EQ(client.Tool.get(), raw);
    EXPECT_EQ(client.Tool->Kind, 21);
}

} // namespace
