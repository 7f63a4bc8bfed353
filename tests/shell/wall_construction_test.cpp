// The drawing window's external-wall construction request: the dialogs File New runs, the settings
// file and the floor record they leave, the floors and tools that ask no side, and Cancel.
#include <filesystem>

#include "dialogs/wall_type_dialogs.h"
#include "shell/plan_dialog_steps.h"
#include "tests/shell/file_commands_fixture.h"
#include "tools/wall_tools.h"

namespace {

class WallConstruction : public FileCommandsTest {
protected:
    TChild& ActiveChild() const { return *client->ActiveDrawingWindow(); }
};

const TObject& Record(int32_t floor) {
    return *ObjectList[ObjectList.FindKind(floor + kFloorRecordBase)];
}

TEST_F(WallConstruction, NewMetricDrawingStoresTheConstructionAndTheGroundFloorHeights) {
    dir.WriteFile("CFG/EXTWALLM.CFG", "275 0 0 10 2000 2300 2300 7 8 255");
    AnswerNew("SMITH");
    pl::script::AnswerDialog(kPlanDialogId, {{{{kPlanSolid230, "1"}}, IDOK}});
    pl::script::AnswerDialog(kExtSideDialogId, {{{{kExtSideBelow, "1"}}, IDOK}});
    client->ProcessCommand(230);

    EXPECT_EQ(dir.ReadFile("CFG/EXTWALLM.CFG"), "230 0 0 25 2550 2300 2300 7 8 255");
    ASSERT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
    EXPECT_EQ(Record(kGroundFloor).aux1, 25);
    EXPECT_EQ(Record(kGroundFloor).aux2, 2550);
    EXPECT_EQ(client->Tool->Kind, toolkind::kExtWall);
    EXPECT_EQ(client->Tool->PickKind, 1);
}

TEST_F(WallConstruction, FirstFloorInInchesGetsNoBaseAndTheUpperHeight) {
    New("SMITH", 2, false);
    dir.WriteFile("CFG/EXTWALLI.CFG", "108 48 108 24 2328 2000 2000 0 0 0");
    CurrentView = kFirstFloor;
    pl::script::AnswerDialog(kPlanImpDialogId, {{{{kPlanImpWalling144, "1"}}, IDOK}});
    pl::script::AnswerDialog(kExtSideDialogId, {{{{kExtSideRight, "1"}}, IDOK}});
    ActiveChild().RunPlanDialog(plandialog::kExternalWall);

    EXPECT_EQ(dir.ReadFile("CFG/EXTWALLI.CFG"), "144 0 0 0 2328 2304 2000 0 0 0");
    EXPECT_EQ(Record(kFirstFloor).aux1, 0);
    EXPECT_EQ(Record(kFirstFloor).aux2, 2328);
    EXPECT_EQ(client->Tool->PickKind, 4);
}

TEST_F(WallConstruction, AnUnsavedConstructionNamesItsFileInCfg) {
    New("SMITH", 2, false);
    ASSERT_TRUE(std::filesystem::remove(dir.File("CFG/EXTWALLI.CFG")) &&
                std::filesystem::create_directory(dir.File("CFG/EXTWALLI.CFG")));
    pl::script::AnswerDialog(kPlanImpDialogId, {{{{kPlanImpWalling144, "1"}}, IDOK}});
    pl::script::AnswerDialog(kExtSideDialogId, {{{}, IDOK}});
    pl::script::AnswerMessageBox(IDOK);
    ActiveChild().RunPlanDialog(plandialog::kExternalWall);
    EXPECT_TRUE(ui.LogContains("could not be saved in CFG/EXTWALLI.CFG.")) << ui.Log();
}

class SideAsked : public WallConstruction, public ::testing::WithParamInterface<int32_t> {};

// Only the external-wall tool itself asks for the side: the copy of the floor below (1001) and the
// outline marked on the room layout (11) do not.
TEST_P(SideAsked, NotForToolsOtherThanTheExternalWallTool) {
    New("SMITH");
    client->Tool->Kind = GetParam();
    pl::script::AnswerDialog(kPlanDialogId, {{{{kPlanWalling100, "1"}}, IDOK}});
    ActiveChild().RunPlanDialog(plandialog::kExternalWall);
    EXPECT_TRUE(dir.ReadFile("CFG/EXTWALLM.CFG").starts_with("100 0 0 "));
}

INSTANTIATE_TEST_SUITE_P(WallConstruction, SideAsked,
                         ::testing::Values(toolkind::kExtWallAlt, toolkind::kOutline));

TEST_F(WallConstruction, CancelWritesNothingAndLeavesThePickTool) {
    New("SMITH");
    const std::string before = dir.ReadFile("CFG/EXTWALLM.CFG");
    pl::script::AnswerDialog(kPlanDialogId, {{{{kPlanCustom, "1"}}, IDOK}});
    pl::script::AnswerDialog(kPlanCustDialogId, {{{}, IDCANCEL}});
    ActiveChild().RunPlanDialog(plandialog::kExternalWall);
    EXPECT_EQ(dir.ReadFile("CFG/EXTWALLM.CFG"), before);
    EXPECT_EQ(client->Tool->Kind, toolkind::kPick);
}

} // namespace
