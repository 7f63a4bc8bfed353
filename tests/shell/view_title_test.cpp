// The drawing window's title names the view it shows: after each Views command, and after the outline
// marked on the room layout has made the ground-floor plan.
#include <QMdiSubWindow>

#include <string>

#include "document/program_state.h"
#include "platform/test_script.h"
#include "resources/command_ids.h"
#include "resources/dialogs/wall_templates.h"
#include "tests/shell/drawing_window_fixture.h"
#include "tests/shell/input_fixture.h"

namespace {

class ViewTitle : public InputTest {
protected:
    // The title on the drawing window's frame once the pending paints ran.
    std::string ShownTitle() const {
        TChild* window = client->ActiveDrawingWindow();
        if (!window || !window->SubWindow()) return "";
        window->UpdateWindow();
        return window->SubWindow()->windowTitle().toStdString();
    }
};

TEST_F(ViewTitle, MarkingTheOutlineOnTheLayoutTitlesTheGroundFloorPlan) {
    CurrentView = kRoomLayout;
    Open();
    const TPoint corners[4] = {{150, 100}, {250, 100}, {250, 200}, {150, 200}}; // clockwise from top left
    const POINT a = DrawingAt(corners[0]), b = DrawingAt(corners[2]);
    ObjectList.Add(std::make_unique<TRoomobj>(kRoomLayout, kDesignRoom, 1, 0, 10002, 10002, a.x, 0, b.x, 0,
                                              a.y, b.y, 0, 2, 10, b.x - a.x, a.y - b.y, 0, "room", "", ""));
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    child->SetCaption("HOUSE.LYT"); // as File New titles a drawing started with design rooms

    pl::script::AnswerDialog(kPlanDialogId, {{{{kPlanCavity275, "1"}}, IDOK}});
    client->CmMarkExternalWalls();
    ASSERT_EQ(CurrentView, kWallMarking);
    EXPECT_EQ(ShownTitle(), "HOUSE.LYT");
    for (const TPoint& corner : {corners[0], corners[1], corners[2], corners[3], corners[0]}) {
        MoveTo(corner);
        Key(Qt::Key_Return);
    }
    ASSERT_EQ(CurrentView, kGroundFloor) << ui.Log();
    EXPECT_EQ(ShownTitle(), "HOUSE.PLN");
}

struct ViewsCase {
    int32_t command;
    int32_t startView;
    int32_t view;
    const char* title;
};

class ViewsCommand : public ViewTitle, public ::testing::WithParamInterface<ViewsCase> {};

// A drawing with every view in use: walls on the ground floor, a line on each upper floor and on the
// site plan, and a finished room for the room layout.
TEST_P(ViewsCommand, TitlesTheWindowWithTheViewsExtension) {
    CurrentView = GetParam().startView;
    Open();
    const POINT a = DrawingAt(TPoint(150, 200)), b = DrawingAt(TPoint(250, 100));
    ObjectList.Add(make::ExtWall(kGroundFloor, a.x, a.y, a.x, b.y));
    ObjectList.Add(make::ExtWall(kGroundFloor, a.x, b.y, b.x, b.y));
    ObjectList.Add(make::ExtWall(kGroundFloor, b.x, b.y, b.x, a.y));
    ObjectList.Add(make::ExtWall(kGroundFloor, b.x, a.y, a.x, a.y));
    for (const int32_t view : {kFirstFloor, kSecondFloor, kSitePlan})
        ObjectList.Add(inputs::Line(a.x, a.y, b.x, a.y, view));
    ObjectList.Add(std::make_unique<TRoomobj>(kGroundFloor, kFinishedRoom, 1, 0, 10009, 10009, a.x, 0, b.x, 0,
                                              b.y, a.y, 0, 2, 10, b.x - a.x, b.y - a.y, 0, "room", "", ""));
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    SaveState = 0;
    if (GetParam().command == cmd::kSitePlan) pl::script::AnswerMessageBox(IDYES); // keep the site plan
    client->ProcessCommand(GetParam().command);
    ASSERT_EQ(CurrentView, GetParam().view) << ui.Log();
    EXPECT_EQ(ShownTitle(), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(
    Views, ViewsCommand,
    ::testing::Values(ViewsCase{cmd::kGroundFloor, kFirstFloor, kGroundFloor, "HOUSE.PLN"},
                      ViewsCase{cmd::kFirstFloor, kGroundFloor, kFirstFloor, "HOUSE.PL1"},
                      ViewsCase{cmd::kSecondFloor, kGroundFloor, kSecondFloor, "HOUSE.PL2"},
                      ViewsCase{cmd::kSitePlan, kGroundFloor, kSitePlan, "HOUSE.STE"},
                      ViewsCase{cmd::kRoomLayout, kGroundFloor, kRoomLayout, "HOUSE.LYT"}));

} // namespace
