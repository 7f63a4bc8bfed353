// Turning, copying and erasing a selection in the drawing window, driven as a user drives them: a
// right click asks for the clockwise degrees, the keypad's plus turns 5 more, Enter locks the turn;
// Copy and Erase/Delete act on the dragged rectangle.
#include <QTest>

#include <cerrno>
#include <cmath>
#include <filesystem>

#include "document/program_state.h"
#include "platform/file_io.h"
#include "platform/test_script.h"
#include "resources/command_ids.h"
#include "tests/shell/input_fixture.h"
#include "tools/move_tool.h"

namespace {

class SelectionEditInput : public InputTest {
protected:
    // Two level lines inside the pixel square (150, 100)-(250, 200), one outside.
    void OpenWithLines() {
        Open();
        a = DrawingAt(TPoint(160, 150));
        b = DrawingAt(TPoint(240, 150));
        far = DrawingAt(TPoint(400, 150));
        ObjectList.Add(inputs::Line(a.x, a.y, b.x, b.y));
        ObjectList.Add(inputs::Line(a.x, b.y - 500, b.x, b.y - 500));
        ObjectList.Add(inputs::Line(far.x, far.y, far.x + 500, far.y));
        ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    }
    void DragOverLines() { Drag(TPoint(150, 100), TPoint(250, 200)); }

    POINT a{}, b{}, far{};
};

TEST_F(SelectionEditInput, RightClickTurnsByTheTypedStepPlusFiveMoreAndEnterLocks) {
    OpenWithLines();
    client->ProcessCommand(cmd::kMoveRotate);
    DragOverLines();
    pl::script::AnswerInput("90");
    QTest::mouseClick(View(), Qt::RightButton, {}, QPoint(160, 150));
    EXPECT_TRUE(ui.LogContains("title=\"ROTATE\" prompt=\"clockwise\" initial=\"90\""));
    const int32_t length = b.x - a.x;
    EXPECT_EQ(ObjectList[3]->x2, a.x);
    EXPECT_EQ(ObjectList[3]->y2, a.y - length) << "a quarter turn clockwise is exact";

    QTest::keyClick(View(), Qt::Key_Plus, Qt::KeypadModifier);
    const double turned = -95.0 * 3.141592653589793 / 180.0;
    EXPECT_NEAR(ObjectList[3]->x2, a.x + length * std::cos(turned), 1.0);
    EXPECT_NEAR(ObjectList[3]->y2, a.y + length * std::sin(turned), 1.0);
    EXPECT_EQ(FileObjects()[3]->x2, b.x) << "nothing is written before Enter";

    Key(Qt::Key_Return);
    EXPECT_EQ(FileObjects()[3]->x2, ObjectList[3]->x2);
    EXPECT_EQ(FileObjects()[5]->x1, far.x);
}

TEST_F(SelectionEditInput, CopyWritesThePasteFileAndLeavesTheDrawingUnmodified) {
    OpenWithLines();
    SaveState = 0;
    client->ProcessCommand(cmd::kCopy);
    DragOverLines();
    EXPECT_EQ(dir.ReadFile("LIBS/PASTE.CFG").substr(0, 10), "2 0 0 0 1 ");
    EXPECT_EQ(SaveState, 0);
    ASSERT_TRUE(std::filesystem::remove(dir.File("LIBS/PASTE.CFG")) &&
                std::filesystem::create_directory(dir.File("LIBS/PASTE.CFG")));
    pl::script::AnswerMessageBox(IDOK);
    client->ProcessCommand(cmd::kCopy);
    DragOverLines();
    EXPECT_TRUE(ui.LogContains("could not be written to LIBS/PASTE.CFG.")) << ui.Log();
    // A folder that cannot be written is named.
    ASSERT_TRUE(std::filesystem::remove(dir.File("LIBS/PASTE.CFG")));
    const std::string libs = dir.Path() + "LIBS/";
    pl::OnFileCall(
        [&](pl::FileCall, auto&, const std::string& to) { return to.starts_with(libs) ? EACCES : 0; });
    pl::script::AnswerMessageBox(IDOK), client->ProcessCommand(cmd::kCopy), DragOverLines();
    pl::OnFileCall({});
    EXPECT_TRUE(ui.LogContains("The copy could not be written to LIBS/PASTE.CFG (the folder " + libs +
                               " cannot be written).\\nPaste inserts the previous copy."))
        << ui.Log();
}

TEST_F(SelectionEditInput, EraseByDragRemovesTheObjectsAndReturnsToThePickTool) {
    OpenWithLines();
    client->ProcessCommand(cmd::kErase);
    DragOverLines();
    const auto objects = FileObjects();
    ASSERT_EQ(objects.size(), 4u);
    EXPECT_EQ(objects[3]->x1, far.x);
    EXPECT_EQ(client->Tool->Kind, toolkind::kPick);

    ObjectList.Flush();
    client->ProcessCommand(cmd::kErase);
    EXPECT_EQ(client->Tool->Kind, toolkind::kPick) << "silent on an empty drawing";
}

} // namespace
