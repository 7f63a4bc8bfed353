// Keying an outline of external walls in the drawing window as a user does: Enter at a corner, an
// arrow and a length for each wall, the offered free length to close it, every corner joined.
#include <algorithm>
#include <cmath>

#include "document/program_state.h"
#include "platform/test_script.h"
#include "resources/dialogs/file_templates.h"
#include "resources/dialogs/wall_templates.h"
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

// The house keyed after File New, with the pointer moved a little between two Enters at the start.
class ShakyOutlineStart : public KeyedOutline, public ::testing::WithParamInterface<TPoint> {};

// Layer points near their own face ends (never at the sheet origin), the house's sides with their
// lines inside, the first wall stored along its own bearing, and the closed outline measured.
TEST_P(ShakyOutlineStart, FirstWallKeepsItsBearingAndTheHouseCloses) {
    pl::script::AnswerDialog(
        kNewDrawingDialogId,
        {{{{kNewNameEdit, "HOUSE"}, {kStartWallsRadio, "1"}, {kNewMetricRadio, "1"}}, IDOK}});
    pl::script::AnswerDialog(kPlanDialogId, {{{{kPlanCavity275, "1"}}, IDOK}});
    pl::script::AnswerDialog(kExtSideDialogId, {{{}, IDOK}}); // secondary lines below
    client->ProcessCommand(230);
    ASSERT_NE(child = client->ActiveDrawingWindow(), nullptr);
    MoveTo(TPoint(200, 150));
    Key(Qt::Key_Return);
    MoveTo(TPoint(200 + GetParam().x, 150 + GetParam().y));
    Key(Qt::Key_Return);
    for (const auto& [key, length] : {std::pair{Qt::Key_Right, "12000"}, std::pair{Qt::Key_Down, "9000"},
                                      std::pair{Qt::Key_Left, "12000"}, std::pair{Qt::Key_Up, "9000"}}) {
        pl::script::AnswerInput(length);
        Key(key);
    }
    EXPECT_TRUE(ui.LogContains("Total Building Area this floor: 108 sq. metres"));

    TList file;
    ASSERT_EQ(testsupport::ReadWorkingFileInto(file), FileResult::Ok);
    std::vector<const TExtwallobj*> walls;
    int32_t arrows = 0;
    for (int32_t i = 0; i < file.count; ++i) {
        if (const auto* w = dynamic_cast<const TExtwallobj*>(file[i])) walls.push_back(w);
        arrows += file[i]->kind == kAutoArrow;
    }
    EXPECT_GT(arrows, 0);
    ASSERT_EQ(walls.size(), GetParam().x == 0 ? 4u : 5u);
    const TExtwallobj& first = *walls.front();
    const double bearing = std::atan2(first.x2 - first.x1, first.y2 - first.y1) * 1800 / M_PI;
    EXPECT_NEAR(first.direction, std::fmod(bearing + 3600, 3600), 1);
    const TExtwallobj& top = *walls[walls.size() - 4]; // the 12000 wall keyed first
    // The closing wall's inner line meets the top wall's at the first corner of the house.
    EXPECT_EQ(std::pair(walls.back()->p2x, walls.back()->p2y), std::pair(top.p1x, top.p1y));
    for (const TExtwallobj* w : walls) {
        const int32_t xs[6] = {w->p1x, w->p2x, w->p3x, w->p4x, w->p5x, w->p6x};
        const int32_t ys[6] = {w->p1y, w->p2y, w->p3y, w->p4y, w->p5y, w->p6y};
        for (int k = 0; k < 6; ++k)
            EXPECT_LT(std::hypot(xs[k] - (k % 2 ? w->x2 : w->x1), ys[k] - (k % 2 ? w->y2 : w->y1)), 1000)
                << "wall " << w->id << " point " << k;
        // Inside the house: within the box from the top wall's left end to 12000 right, 9000 down.
        if (w->group < 9000) continue;
        const int32_t mx = (xs[0] + xs[1]) / 2, my = (ys[0] + ys[1]) / 2;
        const int32_t left = std::min(top.x1, top.x2);
        EXPECT_TRUE(mx > left && mx < left + 12000 && my < top.y1 && my > top.y1 - 9000) << "wall " << w->id;
    }
}

INSTANTIATE_TEST_SUITE_P(KeyedOutline, ShakyOutlineStart,
                         ::testing::Values(TPoint(0, 0), TPoint(-2, -2), TPoint(-2, 2), TPoint(2, 2),
                                           TPoint(-20, -20)));

} // namespace
