// Undo in the drawing window: the last object goes (with its group), five times in a row; the sixth
// only suggests the erase tool.
#include "document/program_state.h"
#include "document/record_format.h"
#include "platform/test_script.h"
#include "resources/command_ids.h"
#include "resources/dialogs/library_templates.h"
#include "resources/dialogs/partition_templates.h"
#include "tests/shell/input_fixture.h"

namespace {

constexpr int32_t kRecords = 3;

std::unique_ptr<TLineobj> GroupedLine(int32_t x, int32_t group, int32_t id) {
    auto line = inputs::Line(x, 20000, x + 1000, 20000);
    line->group = group;
    line->id = id;
    return line;
}

class Undo : public InputTest {
protected:
    void OpenWithLines(int32_t n) {
        std::vector<std::unique_ptr<TObject>> lines;
        for (int32_t i = 0; i < n; ++i)
            lines.push_back(inputs::Line(10000 + 100 * i, 20000, 11000 + 100 * i, 21000));
        Open(std::move(lines));
    }
    void PressUndo() { ASSERT_TRUE(client->ProcessCommand(cmd::kUndo)); }
    // Starts the tool of `command` at `at` by Enter and keys a segment of `length` to the right.
    void KeyRight(int32_t command, TPoint at, int32_t length) {
        client->ProcessCommand(command), MoveTo(at), Key(Qt::Key_Return);
        pl::script::AnswerInput(std::to_string(length)), Key(Qt::Key_Right);
    }
    std::string Body() const { // the working file after its header line
        const std::string file = dir.ReadFile("DWGS/HOUSE.DB0");
        return file.substr(file.find('\n'));
    }
};

// Plainly, and with a click and an Escape between them: neither chooses a tool.
class UndoInARow : public Undo, public ::testing::WithParamInterface<bool> {};
TEST_P(UndoInARow, FiveThenTheSixthIsRefusedAndTheSeventhWorks) {
    OpenWithLines(7);
    for (int i = 0; i < 5; ++i)
        if (PressUndo(); GetParam()) Click(PixelOf(10500, 20500)), Key(Qt::Key_Escape);
    EXPECT_EQ(FileCount(), kRecords + 2);
    EXPECT_EQ(ObjectList.count, kRecords + 2);
    PressUndo();
    EXPECT_EQ(FileCount(), kRecords + 2);
    EXPECT_TRUE(ui.LogContains("to delete in bulk, why not try using the Delete/Erase Icon?"));
    PressUndo();
    EXPECT_EQ(FileCount(), kRecords + 1);
    EXPECT_EQ(client->Tool->Kind, toolkind::kPick);
}
INSTANTIATE_TEST_SUITE_P(PlainOrEscaped, UndoInARow, ::testing::Bool());

TEST_F(Undo, TheLastLineDrawnIsTheOneRemoved) {
    OpenWithLines(2);
    PressUndo();
    const auto objects = FileObjects();
    ASSERT_EQ(objects.size(), size_t{kRecords + 1});
    EXPECT_EQ(objects.back()->x1, 10000);
}

TEST_F(Undo, ChoosingAToolStartsTheCountAgain) {
    OpenWithLines(8);
    for (int i = 0; i < 5; ++i)
        PressUndo();
    client->CmLine();
    PressUndo();
    EXPECT_EQ(FileCount(), kRecords + 2);
}

TEST_F(Undo, AGroupGoesWholeAndTheRestKeepTheirOrder) {
    std::vector<std::unique_ptr<TObject>> objects;
    objects.push_back(GroupedLine(10000, 10500, 10500));
    objects.push_back(GroupedLine(12000, 0, 0));
    objects.push_back(GroupedLine(14000, 10500, 10500));
    objects.push_back(GroupedLine(16000, 7, 0));
    objects.push_back(GroupedLine(18000, 10500, 10500));
    Open(std::move(objects));
    PressUndo();
    const auto left = FileObjects();
    ASSERT_EQ(left.size(), size_t{kRecords + 2});
    EXPECT_EQ(left[kRecords]->x1, 12000);
    EXPECT_EQ(left[kRecords + 1]->x1, 16000);
}

TEST_F(Undo, ALineWhoseIdDiffersFromItsGroupGoesAlone) {
    std::vector<std::unique_ptr<TObject>> objects;
    objects.push_back(GroupedLine(10000, 10500, 10500));
    objects.push_back(GroupedLine(12000, 10500, 3));
    Open(std::move(objects));
    PressUndo();
    const auto left = FileObjects();
    ASSERT_EQ(left.size(), size_t{kRecords + 1});
    EXPECT_EQ(left.back()->x1, 10000);
}

TEST_F(Undo, TheLastObjectOnAnotherFloorStays) {
    std::vector<std::unique_ptr<TObject>> objects;
    objects.push_back(inputs::Line(10000, 20000, 11000, 20000, kFirstFloor));
    Open(std::move(objects));
    PressUndo();
    EXPECT_EQ(FileCount(), kRecords + 1);
    EXPECT_TRUE(
        ui.LogContains("Last object drawn was not on this floor - change the view to undo that object"));
}

TEST_F(Undo, NothingHappensWithoutAnOpenDrawing) {
    OpenWithLines(1);
    DrawingState = 1;
    PressUndo();
    EXPECT_EQ(FileCount(), kRecords + 1);
}

TEST_F(Undo, ADrawnLineCanBeUndone) {
    Open();
    Drag(TPoint(120, 240), TPoint(360, 90));
    ASSERT_EQ(FileCount(), kRecords + 1);
    PressUndo();
    EXPECT_EQ(FileCount(), kRecords);
}

// A line keyed as long as the number of the group the next partition takes keeps that length in its
// group field, no group: Undo of the partition, on either floor, leaves the line.
class UndoBesideAKeyedLine : public Undo, public ::testing::WithParamInterface<int32_t> {};

TEST_P(UndoBesideAKeyedLine, TakesThePartitionAndLeavesTheLine) {
    Open();
    CurrentView = GetParam();
    const int32_t length = FloorIdBase(CurrentView) + IdCounter + 1;
    KeyRight(cmd::kLine, TPoint(60, 200), length);
    Key(Qt::Key_Escape);
    const std::string before = Body();
    pl::script::AnswerDialog(kPartitionDialogId,
                             {{{{kPartitionThickness, "100"}, {kPartitionAbove, "1"}}, IDOK}});
    KeyRight(cmd::kInternalWall, TPoint(100, 100), 2000);
    ASSERT_EQ(FileObjects().back()->group, length) << "the partition's group";
    for (const int32_t kind : {kLine, kOutlineLine, 41, kMarkerLineFirst}) { // kept as a session stored it
        KeyRight(cmd::kLine, TPoint(60, 240), length), Key(Qt::Key_Escape);
        ObjectList[ObjectList.count - 1]->kind = kind, PressUndo();
        EXPECT_EQ(FileObjects().back()->kind, kIntWall) << kind << ": Undo of a line keyed next goes alone";
    }
    PressUndo();
    EXPECT_EQ(Body(), before);
}

INSTANTIATE_TEST_SUITE_P(Floors, UndoBesideAKeyedLine, ::testing::Values(kGroundFloor, kFirstFloor));

// Undo after a paste or an inserted symbol takes back that insertion whole and alone: the copied
// pieces, the first insertion and an external wall whose length equals the new group's number stay.
class UndoAfterInsert : public Undo,
                        public ::testing::WithParamInterface<std::tuple<std::string, int32_t>> {};

TEST_P(UndoAfterInsert, TakesBackThatInsertionAlone) {
    const auto [name, metric] = GetParam();
    MetricUnits = metric;
    // A door, and the pieces of a symbol as the tools make them: a text (group 7), a rectangle (none),
    // a manual dimension and its arrow (identifier and group 9), a stair line (the stairs' identifier).
    std::vector<std::unique_ptr<TObject>> copied;
    for (int32_t x : {10000, 12000, 14000})
        copied.push_back(GroupedLine(x, 10201, 10201));
    constexpr std::tuple<int32_t, int32_t, int32_t> kPieces[] = {
        {kText, 0, 7}, {kRectangle, 0, 0}, {kManualDimension, 9, 9}, {kManualArrow, 9, 9}, {kLine, 5, 0}};
    for (const auto& [kind, id, group] : kPieces) {
        auto& o = *copied.emplace_back(MakeObjectForKind(kind));
        o.view = kGroundFloor, o.kind = kind, o.id = id, o.group = group, o.x1 = o.y1 = 20000,
        o.x2 = o.y2 = 20500;
    }
    Open(std::move(copied));
    ASSERT_EQ(ObjectList.WriteTempCount(0), FileResult::Ok);
    for (int32_t i = kRecords; i < ObjectList.count; ++i)
        ASSERT_EQ(ObjectList.WriteCopyCfg(i, 10000, 20000), FileResult::Ok);
    for (const char* file : {"PASTE.CFG", "DOOR.PLM"})
        ASSERT_EQ(ObjectList.SaveLibrary(file), FileResult::Ok);
    const auto insert = [&] {
        if (name == "PASTE") return child->StartPaste();
        pl::script::AnswerDialog(kLibraryListDialogId, {{{{kLibraryListBoxId, name}}, IDOK}});
        client->ProcessCommand(name == "POWERPOINT" ? cmd::kLibraryElectrical : cmd::kLibraryPlumbing);
    };
    insert();
    auto wall = std::make_unique<TExtwallobj>();
    wall->view = kGroundFloor, wall->kind = kExtWall, wall->group = 10001 + IdCounter;
    wall->x1 = wall->y1 = wall->y2 = 10000, wall->x2 = wall->x1 + wall->group;
    ObjectList.Add(std::move(wall));
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    const std::string before = Body();
    insert();
    PressUndo();
    EXPECT_EQ(Body(), before);
}

INSTANTIATE_TEST_SUITE_P(Inserts, UndoAfterInsert,
                         ::testing::Values(std::tuple{"PASTE", 1}, std::tuple{"DOOR", 1}, std::tuple{"WC", 1},
                                           std::tuple{"WC", 0}, std::tuple{"POWERPOINT", 1}));

} // namespace
