// The Views menu's floors, site plan, room layout and floor area as a user meets them: the view and
// window each opens, the question an empty upper floor asks, what the answers leave, the rooms moved
// between the layout and the ground floor, and the refusals.
#include <array>
#include <memory>
#include <optional>
#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QWidget>
#include <vector>

#include "document/overlay_file.h"
#include "document/program_state.h"
#include "platform/test_script.h"
#include "resources/command_ids.h"
#include "resources/dialogs/file_templates.h"
#include "resources/dialogs/wall_templates.h"
#include "shell/view_switching.h"
#include "tests/shell/drawing_window_fixture.h"
#include "tests/support/floor_records.h"
#include "tests/support/full_disk.h"
#include "tools/room_tools.h"
#include "tools/wall_tools.h"

namespace {

using pl::script::AnswerMessageBox;

std::unique_ptr<TRoomobj> Room(int32_t view, int32_t kind) {
    auto room = std::make_unique<TRoomobj>();
    room->view = view;
    room->kind = kind;
    room->x1 = room->y1 = 1000;
    room->x2 = room->y2 = 4000;
    return room;
}

class FloorCommands : public DrawingWindowTest {
protected:
    // A drawing with its floor records and the given objects, open on the ground floor.
    void OpenWith(std::vector<std::unique_ptr<TObject>> objects, int32_t view = kGroundFloor) {
        for (auto& record : testsupport::StartingFloorRecords())
            objects.push_back(std::move(record));
        WriteDrawing(std::move(objects));
        DrawingState = 2;
        CurrentView = view;
        Open();
    }
    // A closed 6 m by 4 m outline, clockwise.
    std::vector<std::unique_ptr<TObject>> GroundOutline() {
        const int32_t x = Cx() - 3000;
        const int32_t y = Cy() - 2000;
        std::vector<std::unique_ptr<TObject>> o;
        o.push_back(make::ExtWall(kGroundFloor, x, y, x, y + 4000));
        o.push_back(make::ExtWall(kGroundFloor, x, y + 4000, x + 6000, y + 4000));
        o.push_back(make::ExtWall(kGroundFloor, x + 6000, y + 4000, x + 6000, y));
        o.push_back(make::ExtWall(kGroundFloor, x + 6000, y, x, y));
        return o;
    }
    int32_t CountOf(int32_t view, int32_t kind) const {
        int32_t n = 0;
        for (int32_t i = 0; i < ObjectList.count; ++i)
            if (ObjectList[i]->view == view && ObjectList[i]->kind == kind) ++n;
        return n;
    }
    void ReadBack() {
        ObjectList.Flush();
        ASSERT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
    }
    testsupport::ScriptedUi ui;
};

TEST_F(FloorCommands, GroundFloorIsRefusedWhileOnlyTheLayoutHoldsRooms) {
    std::vector<std::unique_ptr<TObject>> objects;
    objects.push_back(Room(kRoomLayout, kDesignRoom));
    OpenWith(std::move(objects), kRoomLayout);
    client->CmGroundFloor();
    EXPECT_TRUE(
        ui.LogContains("There is no plan drawing - finish your layout by marking the external walls first"));
    EXPECT_EQ(CurrentView, kRoomLayout);
}

TEST_F(FloorCommands, GroundFloorFinishesTheLayoutRoomsAndRoomLayoutTakesThemBack) {
    auto objects = GroundOutline();
    objects.push_back(Room(kRoomLayout, kDesignRoom));
    OpenWith(std::move(objects), kRoomLayout);
    client->CmGroundFloor();
    EXPECT_EQ(CurrentView, kGroundFloor);
    EXPECT_STREQ(ObjectList.DrawingTitle, "HOUSE.PLN");
    EXPECT_EQ(client->Tool->Kind, toolkind::kPick);
    ReadBack();
    EXPECT_EQ(CountOf(kGroundFloor, kFinishedRoom), 1);
    EXPECT_EQ(CountOf(kRoomLayout, kDesignRoom), 0);

    // Moving the rooms between the layout and the floor changes nothing to save: no question.
    client->CmRoomLayout();
    EXPECT_EQ(CurrentView, kRoomLayout);
    EXPECT_STREQ(ObjectList.DrawingTitle, "HOUSE.LYT");
    EXPECT_NE(dynamic_cast<TDRoomobjtool*>(client->Tool.get()), nullptr);
    EXPECT_EQ(LayoutGridFlag, 1);
    ReadBack();
    EXPECT_EQ(CountOf(kRoomLayout, kDesignRoom), 1);
    EXPECT_EQ(CountOf(kGroundFloor, kFinishedRoom), 0);
}

// With the disk full the question still comes first, and a save that fails leaves the rooms where
// the file holds them.
TEST_F(FloorCommands, GroundFloorOnAFullDiskAsksFirstAndMovesNothing) {
    auto objects = GroundOutline();
    objects.push_back(Room(kRoomLayout, kDesignRoom));
    OpenWith(std::move(objects), kRoomLayout);
    SaveState = 1;
    pl::script::AnswerDialog(kSaveQuestionDialogId, {{{}, IDOK}});
    {
        const testsupport::FullDisk full;
        client->CmGroundFloor();
    }
    EXPECT_TRUE(ui.LogContains("save drawing changes ?"));
    EXPECT_EQ(CountOf(kRoomLayout, kDesignRoom), 1);
    ReadBack();
    EXPECT_EQ(CountOf(kRoomLayout, kDesignRoom), 1);
}

TEST_F(FloorCommands, RoomLayoutWithoutFinishedRoomsIsRefused) {
    OpenWith(GroundOutline());
    client->CmRoomLayout();
    EXPECT_TRUE(ui.LogContains(
        "There was no layout view for this drawing, use FILE/NEW and select 'layout design rooms'"));
    EXPECT_EQ(CurrentView, kGroundFloor);
}

TEST_F(FloorCommands, FirstFloorWithObjectsOpensAtOnce) {
    auto objects = GroundOutline();
    objects.push_back(make::Line(kFirstFloor, Cx(), Cy(), Cx() + 1000, Cy()));
    OpenWith(std::move(objects));
    SaveState = 1;
    pl::script::AnswerDialog(kSaveQuestionDialogId, {{{}, IDOK}});
    client->CmFirstFloor();
    EXPECT_FALSE(ui.LogContains("WALL DIMENSIONS"));
    EXPECT_EQ(CurrentView, kFirstFloor);
    EXPECT_STREQ(ObjectList.DrawingTitle, "HOUSE.PL1");
    EXPECT_EQ(SaveState, 0);
    EXPECT_EQ(client->Tool->Kind, toolkind::kPick);
}

TEST_F(FloorCommands, ANewBackgroundShowsAtOnceInTheOpenWindowAndInTheNextOne) {
    auto objects = GroundOutline();
    objects.push_back(make::Line(kFirstFloor, Cx(), Cy(), Cx() + 1000, Cy()));
    OpenWith(std::move(objects));
    pl::script::AnswerColour(RGB(255, 255, 0));
    pl::script::CancelColour();
    pl::script::CancelColour();
    client->CmDefaultColours();
    const auto cornerOnScreen = [](TChild* window) {
        QCoreApplication::processEvents();
        return QColor(window->GetHandle()->grab().toImage().pixel(2, 2));
    };
    EXPECT_EQ(cornerOnScreen(child), QColor(255, 255, 0));
    client->CmFirstFloor();
    ASSERT_NE(client->ActiveDrawingWindow(), child);
    EXPECT_EQ(cornerOnScreen(client->ActiveDrawingWindow()), QColor(255, 255, 0));
}

TEST_F(FloorCommands, SecondFloorNeedsTheFirstFloorDrawn) {
    OpenWith(GroundOutline());
    client->CmSecondFloor();
    EXPECT_TRUE(ui.LogContains("You should draw the first floor, then the second floor"));
    EXPECT_EQ(CurrentView, kGroundFloor);
}

TEST_F(FloorCommands, SameOutsideCopiesTheWallsBelowWithDimensionsAndTitle) {
    OpenWith(GroundOutline());
    AnswerMessageBox(IDYES);
    pl::script::AnswerDialog(kPlanDialogId, {{{{kPlanSolid230, "1"}}, IDOK}});
    client->CmFirstFloor();
    EXPECT_TRUE(ui.LogContains("Will the outside dimensions be the same as the ground floor?"));
    EXPECT_EQ(CurrentView, kFirstFloor);
    EXPECT_STREQ(ObjectList.DrawingTitle, "HOUSE.PL1");
    EXPECT_EQ(client->Tool->Kind, toolkind::kPick);
    EXPECT_EQ(SaveState, 1);
    ReadBack();
    EXPECT_EQ(CountOf(kFirstFloor, kExtWall), 4);
    EXPECT_GT(CountOf(kFirstFloor, kAutoDimensionText), 0);
    EXPECT_EQ(CountOf(kFirstFloor, kFloorTitle), 1);
}

TEST_F(FloorCommands, SameOutsideWithTheWallDialogCancelledLeavesTheFloorEmpty) {
    OpenWith(GroundOutline());
    AnswerMessageBox(IDYES);
    pl::script::AnswerDialog(kPlanDialogId, {{{}, IDCANCEL}});
    client->CmFirstFloor();
    EXPECT_EQ(client->Tool->Kind, toolkind::kPick);
    ReadBack();
    EXPECT_EQ(CountOf(kFirstFloor, kExtWall), 0);
}

TEST_F(FloorCommands, NewOutsideOverlaysTheFloorBelowForTheWallTool) {
    OpenWith(GroundOutline());
    PlanDisplayMode = 10;
    AnswerMessageBox(IDNO);
    pl::script::AnswerDialog(kPlanDialogId, {{{{kPlanSolid230, "1"}}, IDOK}});
    pl::script::AnswerDialog(kExtSideDialogId, {{{}, IDOK}});
    client->CmFirstFloor();
    EXPECT_EQ(CurrentView, kFirstFloor);
    EXPECT_STREQ(ObjectList.DrawingTitle, "HOUSE.PL1");
    EXPECT_NE(dynamic_cast<TExtwallobjtool*>(client->Tool.get()), nullptr);
    EXPECT_EQ(client->Tool->Kind, toolkind::kExtWall);
    EXPECT_EQ(dir.ReadFile("CFG/OVERLAY.CFG"), "0 1 1 0 0");
    EXPECT_EQ(PlanDisplayMode, displaymode::kOverlayFloorBelow);
    EXPECT_TRUE(ui.LogContains("GUIDE: Draw external wall outline over lower floor view"));
}

TEST_F(FloorCommands, FloorCommandsDropTheOverlayFromTheDisplayMode) {
    auto objects = GroundOutline();
    objects.push_back(make::Line(kFirstFloor, Cx(), Cy(), Cx() + 1000, Cy()));
    OpenWith(std::move(objects));
    PlanDisplayMode = 23;
    client->CmFirstFloor();
    EXPECT_EQ(PlanDisplayMode, 21);
    PlanDisplayMode = 14;
    client->CmGroundFloor();
    EXPECT_EQ(PlanDisplayMode, 10);
}

TEST_F(FloorCommands, ANewSitePlanOpensWithoutAQuestion) {
    OpenWith(GroundOutline());
    client->CmSitePlan();
    EXPECT_FALSE(ui.LogContains("SITE PLAN"));
    EXPECT_EQ(CurrentView, kSitePlan);
    EXPECT_STREQ(ObjectList.DrawingTitle, "HOUSE.STE");
    EXPECT_EQ(client->Tool->Kind, toolkind::kPick);
}

TEST_F(FloorCommands, SitePlanAnsweredNoErasesTheOldOne) {
    auto objects = GroundOutline();
    for (int32_t i = 0; i < 12; ++i)
        objects.push_back(make::Line(kSitePlan, Cx(), Cy() + i * 100, Cx() + 1000, Cy() + i * 100));
    OpenWith(std::move(objects));
    AnswerMessageBox(IDNO);
    client->CmSitePlan();
    EXPECT_TRUE(ui.LogContains("Select NO to draw a NEW site plan (existing one will be erased)"));
    EXPECT_EQ(CurrentView, kSitePlan);
    ReadBack();
    EXPECT_EQ(CountOf(kSitePlan, kLine), 0);
    EXPECT_EQ(CountOf(kGroundFloor, kExtWall), 4);
}

TEST_F(FloorCommands, SitePlanAnsweredYesShowsItAsItIs) {
    auto objects = GroundOutline();
    objects.push_back(make::Line(kSitePlan, Cx(), Cy(), Cx() + 1000, Cy()));
    OpenWith(std::move(objects));
    AnswerMessageBox(IDYES);
    client->CmSitePlan();
    EXPECT_EQ(CurrentView, kSitePlan);
    ReadBack();
    EXPECT_EQ(CountOf(kSitePlan, kLine), 1);
}

TEST_F(FloorCommands, FloorAreaIsRefusedOffTheFloorPlans) {
    OpenWith(GroundOutline(), kSitePlan);
    client->CmFloorArea();
    EXPECT_TRUE(ui.LogContains("You must be in a PLAN VIEW to use this function"));
}

// Every view opened from every view in either unit, each question answered Yes (the first floor drawn
// where the second is opened): a floor and the layout at 25 mm (an inch) a pixel, the site plan at three.
class ViewScale : public FloorCommands, public ::testing::WithParamInterface<std::tuple<int, int, bool>> {};

TEST_P(ViewScale, IsTheOpenedViewsOwn) {
    const auto [from, to, metric] = GetParam();
    auto objects = GroundOutline(), upper = GroundOutline();
    for (auto& wall : upper)
        wall->view = kFirstFloor, objects.push_back(std::move(wall));
    objects.resize(to == 2 ? 8 : 4), objects.push_back(Room(kGroundFloor, kFinishedRoom));
    MetricUnits = metric, OpenWith(std::move(objects));
    pl::script::AnswerMissingWith([](pl::script::AnswerKind kind) {
        return std::optional(pl::script::Answer{.Kind = kind, .Button = IDYES, .Steps = {{}}});
    });
    for (const int view : std::array{from == 2 ? 1 : from, from, to}) // the second floor through the first
        client->ProcessCommand(std::array{cmd::kGroundFloor, cmd::kFirstFloor, cmd::kSecondFloor,
                                          cmd::kSitePlan, cmd::kRoomLayout}[view]);
    const int32_t pixel = ViewExtentX * ZoomDivisor / client->ActiveDrawingWindow()->GetClientRect().right;
    EXPECT_EQ(std::pair(CurrentView, pixel),
              std::pair((std::array{kGroundFloor, kFirstFloor, kSecondFloor, kSitePlan, kRoomLayout}[to]),
                        (metric ? 25 : 24) * (to == 3 ? 3 : 1)));
}
INSTANTIATE_TEST_SUITE_P(EveryPair, ViewScale,
                         ::testing::Combine(::testing::Range(0, 5), ::testing::Range(0, 5),
                                            ::testing::Bool()));

struct ModeCase {
    int32_t before;
    int32_t after;
};

class OverlayDropped : public ::testing::TestWithParam<ModeCase> {};

TEST_P(OverlayDropped, KeepsTheWallRendering) {
    EXPECT_EQ(shell::WithoutOverlay(GetParam().before), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Modes, OverlayDropped,
                         ::testing::Values(ModeCase{0, 0}, ModeCase{2, 0}, ModeCase{4, 0}, ModeCase{3, 1},
                                           ModeCase{1, 1}, ModeCase{12, 10}, ModeCase{13, 11},
                                           ModeCase{14, 10}, ModeCase{22, 20}, ModeCase{23, 21},
                                           ModeCase{24, 20}, ModeCase{21, 21}));

} // namespace
