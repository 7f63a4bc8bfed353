// Windows and doors placed as a user does: the command, its dialogs, the pointer on a wall and Enter.
#include <QTest>

#include "document/program_state.h"
#include "platform/test_script.h"
#include "resources/command_ids.h"
#include "resources/dialogs/opening_templates.h"
#include "tests/shell/input_fixture.h"
#include "tools/tool_kinds.h"
#include "tools/window_tool.h"

namespace {

using pl::script::DialogStep;

class Openings : public InputTest {
protected:
    // A metric floor with an external wall along x (drawn face at y, bearing 900, body below) and a
    // partition along x (first face at y - 2000, second face 100 below).
    void OpenFloor() {
        Open();
        const POINT c = DrawingAt(TPoint(300, 250));
        x = c.x, y = c.y;
        auto wall = std::make_unique<TExtwallobj>();
        wall->view = kGroundFloor, wall->kind = kExtWall, wall->id = 10001, wall->penWidth = 1;
        wall->x1 = x - 4000, wall->y1 = y, wall->x2 = x + 4000, wall->y2 = y;
        wall->thickness1 = 275, wall->direction = 900, wall->state = 1;
        wall->p1x = x - 4000, wall->p1y = y - 275, wall->p2x = x + 4000, wall->p2y = y - 275;
        ObjectList.Add(std::move(wall));
        const int32_t attr[4] = {};
        ObjectList.Add(std::make_unique<TIntwallobj>(
            kGroundFloor, kIntWall, 1, 0, 10002, 10002, x - 3000, 0, x + 3000, 0, y - 2000, y - 2000, 0, 100,
            0, 0, 0, 0, 1, 2700, x - 3000, 0, y - 2100, x + 3000, y - 2100, attr, 0, 0));
        IdCounter = 2;
        ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
        child->Invalidate(true);
        child->UpdateWindow();
    }
    void EnterAt(int32_t dx, int32_t dy) {
        const TPoint at = PixelOf(x + dx, y + dy);
        MoveTo(TPoint(at.x + 1, at.y));
        MoveTo(at);
        Key(Qt::Key_Return);
    }
    // The pieces of one opening as the working file holds them.
    std::vector<const TObject*> FileGroup(int32_t group) {
        file.Flush();
        file.ProgramDirectory = ObjectList.ProgramDirectory;
        file.SetDrawingName(ObjectList.DrawingName);
        const int32_t ids = IdCounter;
        EXPECT_EQ(file.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
        IdCounter = ids;
        std::vector<const TObject*> found;
        for (int32_t i = 0; i < file.count; ++i)
            if (file[i]->group == group) found.push_back(file[i]);
        return found;
    }
    void TearDown() override {
        file.Flush();
        InputTest::TearDown();
    }
    TList file;
    int32_t x = 0, y = 0;
};

TEST_F(Openings, AWindowWithItsSizesIsCutIntoTheExternalWall) {
    OpenFloor();
    dir.WriteFile("CFG/WIND.CFG", "1 900 900 1 0 9 0 0 0 0 0 0 ");
    pl::script::AnswerDialog(
        kWindowDialogId,
        {DialogStep{{{kWindowWidth, "1200"}, {kWindowHeight, "1050"}, {kWindowShowSizes, "1"}}, IDOK}});
    client->ProcessCommand(cmd::kWindows);
    ASSERT_EQ(client->Tool->Kind, toolkind::kOpening);
    EXPECT_EQ(client->Tool->Dragging, 1);
    EnterAt(0, -50);
    EXPECT_EQ(IdCounter, 3);
    EXPECT_EQ(client->Tool->Kind, toolkind::kPick);
    const auto pieces = FileGroup(10003);
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0]->kind, kOpeningPolygon);
    EXPECT_EQ(static_cast<const TPolyobj*>(pieces[0])->p6, BackgroundColour);
    EXPECT_EQ(pieces[1]->kind, kOutlineLine);
    ASSERT_EQ(pieces[2]->kind, kSizeLabel);
    EXPECT_STREQ(static_cast<const TTextobj*>(pieces[2])->text, "1200 w x 1050 h");
}

TEST_F(Openings, AHingedDoorInThePartitionGetsItsLeafAndSwing) {
    OpenFloor();
    pl::script::AnswerDialog(
        kExtDoorDialogId,
        {DialogStep{{{kDoorWidthEdit, "800"}, {kDoorNumberEdit, "1"}, {kDoorHinged, "1"}}, IDOK}});
    pl::script::AnswerDialog(kDoorSwingDialogId, {DialogStep{{{kSwingRadios[4], "1"}}, IDOK}});
    client->ProcessCommand(cmd::kDoors);
    ASSERT_EQ(client->Tool->Kind, toolkind::kOpening);
    EXPECT_EQ(dir.ReadFile("CFG/DOOR.CFG"), "6 0 800 1 800 1 0 0 0 0 0 0 ");
    EnterAt(0, -2000);
    const auto pieces = FileGroup(10003);
    ASSERT_EQ(pieces.size(), 6u) << ui.Log(); // two face gaps, two jambs, the leaf and its swing
    EXPECT_EQ(pieces[4]->kind, kOutlineLine);
    EXPECT_EQ(pieces[5]->kind, kArc);
    EXPECT_EQ(pieces[0]->id, 10002);
}

TEST_F(Openings, EnterOnNoWallChangesNothing) {
    OpenFloor();
    pl::script::AnswerDialog(kWindowDialogId, {DialogStep{{}, IDOK}});
    client->ProcessCommand(cmd::kWindows);
    const std::string before = dir.ReadFile("DWGS/HOUSE.DB0");
    const int32_t count = ObjectList.count;
    pl::script::AnswerMessageBox(IDOK);
    EnterAt(0, 1000);
    EXPECT_TRUE(ui.LogContains("No wall marked")) << ui.Log();
    EXPECT_EQ(ObjectList.count, count);
    EXPECT_EQ(dir.ReadFile("DWGS/HOUSE.DB0"), before);
    EXPECT_EQ(client->Tool->Kind, toolkind::kPick);
}

TEST_F(Openings, ACancelledDialogLeavesThePickTool) {
    OpenFloor();
    const std::string door = dir.ReadFile("CFG/DOOR.CFG");
    pl::script::AnswerDialog(kExtDoorDialogId, {DialogStep{{}, IDCANCEL}});
    client->ProcessCommand(cmd::kDoors);
    EXPECT_EQ(client->Tool->Kind, toolkind::kPick);
    EXPECT_EQ(dir.ReadFile("CFG/DOOR.CFG"), door);
}

// A door width left as offered stays in the file as it was stored, and the door is as wide as stored.
TEST_F(Openings, ADoorLeftAsOfferedKeepsItsStoredWidth) {
    MetricUnits = 0;
    OpenFloor();
    dir.WriteFile("CFG/DOOR.CFG", "6 0 820 1 820 1 0 0 0 0 0 0 ");
    pl::script::AnswerDialog(kExtDoorDialogId, {DialogStep{{}, IDOK}});
    pl::script::AnswerDialog(kDoorSwingDialogId, {DialogStep{{}, IDOK}});
    client->ProcessCommand(cmd::kDoors);
    EXPECT_EQ(dir.ReadFile("CFG/DOOR.CFG"), "6 0 820 1 820 1 0 0 0 0 0 0 ");
    EXPECT_EQ(dynamic_cast<TWindowobjtool&>(*client->Tool).OpeningWidth, 774); // 32 1/4"
}

struct RobeCase {
    const char* opening; // typed in the wardrobe box; none: as offered
    bool refused;
    int32_t metric = 1;
    const char* width = "600"; // none: as offered, from the shipped door
    const char* number = "2";
    const char* file = "24 0 1200 1 600 2 0 0 0 0 0 0 "; // DOOR.CFG after the request
    const char* stored = nullptr;                        // DOOR.CFG before it; none: as shipped
};

class WardrobeOpening : public Openings, public ::testing::WithParamInterface<RobeCase> {};

// A refusal writes nothing and ends the request; the opening offered is taken as it stands.
TEST_P(WardrobeOpening, MayNotBeWiderThanItsDoors) {
    const RobeCase& c = GetParam();
    MetricUnits = c.metric;
    OpenFloor();
    if (c.stored) dir.WriteFile("CFG/DOOR.CFG", c.stored);
    DialogStep door{{{kDoorNumberEdit, c.number}, {kDoorWardrobe, "1"}}}, robe;
    if (c.width) door.Values.emplace_back(kDoorWidthEdit, c.width);
    if (c.opening) robe.Values.emplace_back(kRobeOpening, c.opening);
    pl::script::AnswerDialog(kExtDoorDialogId, {door});
    pl::script::AnswerDialog(kRobeDialogId, {robe});
    if (c.refused) pl::script::AnswerMessageBox(IDOK);
    client->ProcessCommand(cmd::kDoors);
    EXPECT_EQ(ui.LogContains("You cannot have an opening bigger"), c.refused) << ui.Log();
    EXPECT_EQ(dir.ReadFile("CFG/DOOR.CFG"), c.file);
    EXPECT_EQ(client->Tool->Kind, c.refused ? toolkind::kPick : toolkind::kOpening);
}

INSTANTIATE_TEST_SUITE_P(
    Widths, WardrobeOpening,
    ::testing::Values(RobeCase{"1300", true}, RobeCase{"1200", false},
                      RobeCase{nullptr, false, 0, nullptr, "1", "24 0 1590 1 820 2 0 0 0 0 0 0 "},
                      RobeCase{"65", true, 0, nullptr, "1", "24 0 820 1 820 2 0 0 0 0 0 0 "},
                      RobeCase{nullptr, false, 0, nullptr, "2", "24 0 1590 1 820 2 0 0 0 0 0 0 ",
                               "24 0 1500 1 820 2 0 0 0 0 0 0 "},
                      RobeCase{nullptr, false, 1, "900", "2", "24 0 1750 1 900 2 0 0 0 0 0 0 ",
                               "24 0 1500 1 820 2 0 0 0 0 0 0 "})); // the doors changed: their opening

} // namespace
