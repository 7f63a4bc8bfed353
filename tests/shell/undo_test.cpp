// Undo in the drawing window: the last object goes (with its group), five times in a row; the sixth
// only suggests the erase tool.
#include "document/program_state.h"
#include "resources/command_ids.h"
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
};

TEST_F(Undo, FiveInARowThenTheSixthIsRefusedAndTheSeventhWorks) {
    OpenWithLines(7);
    for (int i = 0; i < 5; ++i)
        PressUndo();
    EXPECT_EQ(FileCount(), kRecords + 2);
    EXPECT_EQ(ObjectList.count, kRecords + 2);
    PressUndo();
    EXPECT_EQ(FileCount(), kRecords + 2);
    EXPECT_TRUE(ui.LogContains("to delete in bulk, why not try using the Delete/Erase Icon?"));
    PressUndo();
    EXPECT_EQ(FileCount(), kRecords + 1);
    EXPECT_EQ(client->Tool->Kind, toolkind::kPick);
}

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

} // namespace
