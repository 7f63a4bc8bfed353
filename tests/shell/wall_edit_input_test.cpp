// Editing the external walls of a closed outline from the commands, as a user does: pick a wall with
// the mouse, answer the amount or the wall-type dialog, and find the result in the working file.
#include <cstdlib>

#include "dialogs/wall_type_dialogs.h"
#include "document/program_state.h"
#include "platform/test_script.h"
#include "resources/command_ids.h"
#include "resources/dialogs/wall_templates.h"
#include "tests/shell/input_fixture.h"
#include "tests/support/working_file_copy.h"
#include "tools/extwall_edit_modes.h"
#include "tools/wall_tools.h"

namespace {

constexpr int32_t kRecords = 3;

class WallEditInput : public InputTest {
protected:
    // A clockwise outline of four cavity walls over the middle of the window; the top wall is
    // the second (document index kRecords + 1).
    void OpenBox() {
        dir.WriteFile("CFG/EXTWALLM.CFG", "110 55 110 25 2550 2300 2300 0 0 0");
        Open();
        const POINT a = DrawingAt(TPoint(150, 350));
        const POINT c = DrawingAt(TPoint(550, 100));
        left = a.x / 100 * 100, bottom = a.y / 100 * 100, right = c.x / 100 * 100, top = c.y / 100 * 100;
        Build(left, bottom, left, top, 0);
        Build(left, top, right, top, 900);
        Build(right, top, right, bottom, 1800);
        Build(right, bottom, left, bottom, 2700);
        child->Invalidate(true);
        child->UpdateWindow();
    }
    static void Build(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t angle) {
        TExtwallobjtool t;
        t.X0 = x1, t.Y0 = y1, t.X1 = x2, t.Y1 = y2, t.Angle = angle;
        t.SegmentLength = std::abs(x2 - x1) + std::abs(y2 - y1);
        t.SnapWallEnds(1);
        ASSERT_EQ(t.AddExternalWall(), tools::WriteResult::Ok);
    }
    // The top wall clicked at a fraction of its length from the left.
    void PickTop(int32_t command, double along) {
        client->ProcessCommand(command);
        const TPoint at = PixelOf(left + static_cast<int32_t>((right - left) * along), top);
        MoveTo(at);
        Click(at);
    }
    // The external walls of the working file, read back whole.
    std::vector<TExtwallobj> FileWalls() const {
        TList copy;
        EXPECT_EQ(testsupport::ReadWorkingFileInto(copy), FileResult::Ok);
        std::vector<TExtwallobj> walls;
        for (int32_t i = 0; i < copy.count; ++i)
            if (const auto* w = dynamic_cast<const TExtwallobj*>(copy[i])) walls.push_back(*w);
        return walls;
    }

    int32_t left = 0, right = 0, top = 0, bottom = 0;
};

struct CommandCase {
    int32_t command;
    int32_t mode;
    const char* guide;
};

class WallEditCommand : public WallEditInput, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(WallEditCommand, InstallsThePickOfItsModeOnAFloorOnly) {
    Open();
    client->ProcessCommand(GetParam().command);
    EXPECT_EQ(client->Tool->Kind, toolkind::kExtWallEdit);
    EXPECT_EQ(client->Tool->Mode, GetParam().mode);
    EXPECT_EQ(HelpContextId, 251);
    EXPECT_TRUE(ui.LogContains(GetParam().guide));

    client->CmLine();
    CurrentView = kSitePlan;
    client->ProcessCommand(GetParam().command);
    EXPECT_EQ(client->Tool->Kind, toolkind::kLine);
}

INSTANTIATE_TEST_SUITE_P(
    WallEditInput, WallEditCommand,
    ::testing::Values(
        CommandCase{cmd::kLengthenWall, extwallmode::kLengthen, "nearer to end to lengthen"},
        CommandCase{cmd::kAlterBase, extwallmode::kShorten, "nearer to end to shorten"},
        CommandCase{cmd::kDeleteExternalWall, extwallmode::kDelete, "EXTERNAL wall to DELETE"},
        CommandCase{cmd::kSplitWall, extwallmode::kSplit, "external wall  at point to split wall to two"},
        CommandCase{cmd::kChangeWallType, extwallmode::kChangeType, "external wall to change wall type"}));

TEST_F(WallEditInput, LengthenTheTopWallAtItsRightEnd) {
    OpenBox();
    pl::script::AnswerInput("500");
    PickTop(cmd::kLengthenWall, 0.9);
    const auto walls = FileWalls();
    ASSERT_EQ(walls.size(), 4u);
    EXPECT_EQ(walls[1].x2, right + 500);
    EXPECT_EQ(walls[1].group, right + 500 - left);
    EXPECT_EQ(walls[1].x1, left);
}

TEST_F(WallEditInput, ShorteningByTheWholeLengthIsRefusedWithAMessage) {
    OpenBox();
    const std::string before = dir.ReadFile("DWGS/HOUSE.DB0");
    pl::script::AnswerInput(std::to_string(right - left));
    pl::script::AnswerMessageBox(IDOK);
    PickTop(cmd::kAlterBase, 0.9);
    EXPECT_TRUE(ui.LogContains("The wall is not long enough to shorten by that amount"));
    EXPECT_TRUE(ui.LogContains("NO ACTION"));
    EXPECT_EQ(dir.ReadFile("DWGS/HOUSE.DB0"), before);
}

TEST_F(WallEditInput, DeleteLeavesThreeWalls) {
    OpenBox();
    PickTop(cmd::kDeleteExternalWall, 0.5);
    EXPECT_EQ(FileWalls().size(), 3u);
    EXPECT_EQ(client->Tool->Kind, toolkind::kPick);
}

TEST_F(WallEditInput, SplitByEnterAtTheCursorAddsTheSecondHalf) {
    OpenBox();
    client->ProcessCommand(cmd::kSplitWall);
    const int32_t cut = (left + right) / 2 / 100 * 100;
    const TPoint at = PixelOf(cut, top);
    MoveTo(TPoint(at.x + 1, at.y));
    MoveTo(at);
    Key(Qt::Key_Return);
    const auto walls = FileWalls();
    ASSERT_EQ(walls.size(), 5u);
    const POINT c = DrawingAt(at);
    EXPECT_EQ(walls[1].x2, c.x);
    EXPECT_EQ(walls[4].x1, c.x);
    EXPECT_EQ(walls[4].x2, right);
    // Again where it was split, by Enter and by a click: nothing to split, nothing written.
    const std::string split = dir.ReadFile("DWGS/HOUSE.DB0");
    for (bool click : {false, true}) {
        const size_t told = ui.Log().size();
        pl::script::AnswerMessageBox(IDOK);
        client->ProcessCommand(cmd::kSplitWall);
        click ? Click(at) : Key(Qt::Key_Return);
        EXPECT_EQ(dir.ReadFile("DWGS/HOUSE.DB0"), split);
        EXPECT_EQ(client->Tool->Kind, toolkind::kPick);
        EXPECT_NE(ui.Log().find("The wall cannot be split at its end", told), std::string::npos) << ui.Log();
    }
}

TEST_F(WallEditInput, ChangeTypeFromTheDialogRebuildsTheWall) {
    OpenBox();
    pl::script::AnswerDialog(kPlanDialogId, {{{{kPlanSolid230, "1"}}, IDOK}});
    PickTop(cmd::kChangeWallType, 0.5);
    const auto walls = FileWalls();
    ASSERT_EQ(walls.size(), 4u);
    EXPECT_EQ(walls[1].thickness1, 230);
    EXPECT_EQ(walls[1].thickness2, 0);
    EXPECT_EQ(dir.ReadFile("CFG/EXTWALLM.CFG"), "230 0 0 25 2550 2300 2300 0 0 0");
    EXPECT_EQ(client->Tool->Kind, toolkind::kPick);
}

struct HeightsCase {
    const char* name;
    int32_t view;
    const char* file;
};

class TypeChangeHeights : public WallEditInput, public ::testing::WithParamInterface<HeightsCase> {};

// The type change stores the floor's standard heights with the construction; other views keep them.
TEST_P(TypeChangeHeights, WrittenForTheCurrentFloor) {
    OpenBox();
    CurrentView = GetParam().view;
    auto tool = std::make_unique<TExtwallobjtool>();
    tool->Mode = extwallmode::kChangeType;
    tool->DirectionCode() = kRecords + 1;
    client->InstallTool(std::move(tool));
    pl::script::AnswerDialog(kPlanDialogId, {{{{kPlanSolid230, "1"}}, IDOK}});
    child->ExtWallStep();
    EXPECT_EQ(dir.ReadFile("CFG/EXTWALLM.CFG"), GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(
    WallEditInput, TypeChangeHeights,
    ::testing::Values(HeightsCase{"FirstFloor", kFirstFloor, "230 0 0 0 2550 2400 2300 0 0 0"},
                      HeightsCase{"SitePlan", kSitePlan, "230 0 0 25 2550 2300 2300 0 0 0"}),
    [](const auto& info) { return info.param.name; });

TEST_F(WallEditInput, CancelInTheCustomDialogChangesNothing) {
    OpenBox();
    const std::string drawing = dir.ReadFile("DWGS/HOUSE.DB0");
    const std::string settings = dir.ReadFile("CFG/EXTWALLM.CFG");
    pl::script::AnswerDialog(kPlanDialogId, {{{{kPlanCustom, "1"}}, IDOK}});
    pl::script::AnswerDialog(kPlanCustDialogId, {{{}, IDCANCEL}});
    PickTop(cmd::kChangeWallType, 0.5);
    EXPECT_EQ(dir.ReadFile("DWGS/HOUSE.DB0"), drawing);
    EXPECT_EQ(dir.ReadFile("CFG/EXTWALLM.CFG"), settings);
    EXPECT_EQ(client->Tool->Kind, toolkind::kPick);
}

} // namespace
