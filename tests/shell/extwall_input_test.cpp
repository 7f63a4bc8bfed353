// Keying an outline of external walls in the drawing window as a user does: Enter at a corner, an
// arrow and a length for each wall, the offered free length to close it, every corner joined.
#include <algorithm>

#include "document/program_state.h"
#include "platform/test_script.h"
#include "tests/shell/input_fixture.h"
#include "tests/support/working_file_copy.h"
#include "tools/wall_tools.h"

namespace {

class KeyedOutline : public InputTest {};

TEST_F(KeyedOutline, ClosedRectangleHasEveryCornerJoined) {
    dir.WriteFile("CFG/EXTWALLM.CFG", "110 55 110 25 2550 2400 2400 0 0 0");
    Open();
    client->RestoreTool(toolkind::kExtWall);
    client->Tool->PickKind = 1;
    MoveTo(TPoint(100, 300));
    Key(Qt::Key_Return);
    for (const auto& [key, length] : {std::pair{Qt::Key_Up, "3000"}, std::pair{Qt::Key_Right, "5000"},
                                      std::pair{Qt::Key_Down, "3000"}, std::pair{Qt::Key_Left, "5000"}}) {
        pl::script::AnswerInput(length);
        Key(key);
    }
    // The last wall was offered the free length back to the first corner.
    EXPECT_TRUE(ui.LogContains("prompt=\"LEFT:\" initial=\"5000\""));

    // The working file read into a document of the test's own.
    TList file;
    ASSERT_EQ(testsupport::ReadWorkingFileInto(file), FileResult::Ok);
    std::vector<const TExtwallobj*> walls;
    for (int32_t i = 0; i < file.count; ++i)
        if (const auto* wall = dynamic_cast<const TExtwallobj*>(file[i])) walls.push_back(wall);
    ASSERT_EQ(walls.size(), 4u);
    for (size_t i = 0; i < walls.size(); ++i) {
        const TExtwallobj& w = *walls[i];
        const TExtwallobj& next = *walls[(i + 1) % walls.size()];
        EXPECT_EQ(w.x2, next.x1);
        EXPECT_EQ(w.y2, next.y1);
        // Lines 1 and 3 of the two walls meet at the inner corners.
        EXPECT_EQ(w.p2x, next.p1x) << "corner " << i;
        EXPECT_EQ(w.p2y, next.p1y) << "corner " << i;
        EXPECT_EQ(w.p6x, next.p5x) << "corner " << i;
        EXPECT_EQ(w.p6y, next.p5y) << "corner " << i;
    }
    EXPECT_EQ(walls[0]->p1x, walls[0]->x1 + 110);
    EXPECT_EQ(walls[0]->p1y, walls[0]->y1 + 110);
    EXPECT_EQ(client->Tool->Kind, toolkind::kPick);
}

} // namespace

namespace {

// A wall keyed against its outward side is stored turned round; the next wall still starts where the
// user's key left the outline.
TEST_F(KeyedOutline, TurnedWallKeepsTheOutlineGoingFromTheKeyedEnd) {
    Open();
    client->RestoreTool(toolkind::kExtWall);
    client->Tool->PickKind = 1;
    MoveTo(TPoint(400, 300));
    Key(Qt::Key_Return);
    const POINT start = DrawingAt(TPoint(400, 300));
    pl::script::AnswerInput("5000");
    Key(Qt::Key_Left);
    pl::script::AnswerInput("3000");
    Key(Qt::Key_Up);

    TList file;
    ASSERT_EQ(testsupport::ReadWorkingFileInto(file), FileResult::Ok);
    ASSERT_EQ(file.count, 5);
    const TObject& first = *file[3];
    const TObject& second = *file[4];
    EXPECT_EQ(first.x1, start.x - 5000);
    EXPECT_EQ(first.x2, start.x);
    // The second wall runs up from the keyed end (stored turned round to lead into the first).
    EXPECT_EQ(second.x1, start.x - 5000);
    EXPECT_EQ(second.x2, start.x - 5000);
    EXPECT_EQ(std::min(second.y1, second.y2), start.y);
    EXPECT_EQ(std::max(second.y1, second.y2), start.y + 3000);
}

} // namespace
