// Design rooms on the room layout as a user meets them: New DESIGN Room with its dialogs, dragging a
// room, the keyed enlarge and shrink, deleting, the menu's refusals, the building-rectangle report and
// the marking of the external walls.
#include <memory>
#include <QCoreApplication>
#include <QImage>
#include <QWidget>
#include <string>

#include "document/program_state.h"
#include "platform/gadgets.h"
#include "platform/test_script.h"
#include "resources/dialogs/room_templates.h"
#include "resources/dialogs/wall_templates.h"
#include "rooms/design_room.h"
#include "tests/shell/input_fixture.h"
#include "tools/room_tools.h"

namespace {

using pl::script::DialogStep;

template <class... T> std::vector<std::unique_ptr<TObject>> Objects(std::unique_ptr<T>... objects) {
    std::vector<std::unique_ptr<TObject>> list;
    (list.push_back(std::move(objects)), ...);
    return list;
}

class DesignRoomSteps : public InputTest {
protected:
    void OpenLayout(std::vector<std::unique_ptr<TObject>> objects = {}) {
        CurrentView = kRoomLayout;
        Open(std::move(objects));
    }

    static std::unique_ptr<TRoomobj> Room(int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                                          int32_t view = kRoomLayout) {
        return std::make_unique<TRoomobj>(view, kDesignRoom, 1, 0, 10002, 10002, x1, 0, x2, 0, y1, y2, 0, 2,
                                          10, x2 - x1, y1 - y2, 0, "room", "", "");
    }

    static void NewRoom(const char* name, const char* width, const char* length) {
        const int32_t base = kNewRoomDialogId;
        pl::script::AnswerDialog(base, {DialogStep{{{base + roomdlg::kName, name},
                                                    {base + roomdlg::kHorizontal, width},
                                                    {base + roomdlg::kVertical, length}},
                                                   IDOK}});
    }

    // The design rooms of the working file, in file order.
    std::vector<TRoomobj> FileRooms() const {
        TList copy;
        copy.ProgramDirectory = ObjectList.ProgramDirectory;
        copy.SetDrawingName(ObjectList.DrawingName);
        const int32_t units = MetricUnits;
        const int32_t ids = IdCounter;
        EXPECT_EQ(copy.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
        MetricUnits = units;
        IdCounter = ids;
        std::vector<TRoomobj> rooms;
        for (int32_t i = 0; i < copy.count; ++i)
            if (const auto* r = dynamic_cast<const TRoomobj*>(copy[i]); r && IsDesignRoom(r))
                rooms.push_back(*r);
        return rooms;
    }

    // A pixel inside the room, off its centre square.
    TPoint Inside(const TRoomobj& r) const { return PixelOf(r.x1 + 200, r.y2 + 200); }

    std::string Guide() const { return client->StatusBar->GetText(); }
};

TEST_F(DesignRoomSteps, FirstRoomAsksThePartitionAndTheNextOnlyItsDialog) {
    OpenLayout();
    pl::script::AnswerDialog(kRoomPartitionDialogId, {DialogStep{{{roomdlg::kThickness, "110"}}, IDOK}});
    NewRoom("kitchen", "3600", "4200");
    client->CmNewDesignRoom();
    NewRoom("b", "3000", "3000");
    client->CmNewDesignRoom();

    EXPECT_EQ(dir.ReadFile("CFG/RMPTNM.CFG"), "110 100 100");
    const std::vector<TRoomobj> rooms = FileRooms();
    ASSERT_EQ(rooms.size(), 2u);
    const RoomCorner spot = NewRoomSpot(4200);
    EXPECT_EQ(rooms[0].x1, spot.x);
    EXPECT_EQ(rooms[0].y1, spot.y);
    EXPECT_EQ(rooms[0].x2 - rooms[0].x1, 3600);
    EXPECT_EQ(rooms[0].y1 - rooms[0].y2, 4200);
    EXPECT_STREQ(rooms[0].name, "kitchen");
    EXPECT_STREQ(rooms[0].widthText, "3600");
    EXPECT_STREQ(rooms[0].lengthText, "4200");
    EXPECT_STREQ(rooms[1].name, "none");
    EXPECT_EQ(rooms[1].id - rooms[0].id, 2);
    EXPECT_EQ(Guide(), "GUIDE: place cursor in room, move with LB down (align to Room)");
}

TEST_F(DesignRoomSteps, CancelledRoomDialogMakesNoRoom) {
    OpenLayout(Objects(Room(1000, 4000, 4000, 1000)));
    pl::script::AnswerDialog(kNewRoomDialogId, {DialogStep{{}, IDCANCEL}});
    client->CmNewDesignRoom();
    EXPECT_EQ(FileRooms().size(), 1u);
}

TEST_F(DesignRoomSteps, DraggedRoomFollowsThePointerAndIsSaved) {
    OpenLayout();
    // A room in view: the drag follows the pointer only inside the window.
    const POINT corner = DrawingAt(TPoint(40, child->GetClientRect().bottom - 40));
    ObjectList.Add(Room(corner.x, corner.y + 3000, corner.x + 3000, corner.y));
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    client->CmMoveRoom();
    client->RestoreTool(kDesignRoom); // state 0: a press takes the room for dragging
    const TRoomobj before = FileRooms()[0];
    const TPoint from = Inside(before);
    const TPoint to(from.x + 40, from.y - 20);
    Drag(from, to);
    const POINT a = DrawingAt(from);
    const POINT b = DrawingAt(to);
    const TRoomobj after = FileRooms()[0];
    EXPECT_EQ(after.x1 - before.x1, b.x - a.x);
    EXPECT_EQ(after.y2 - before.y2, b.y - a.y);
    EXPECT_EQ(after.value3, before.value3);
    EXPECT_EQ(client->Tool->Mode, 0);
}

TEST_F(DesignRoomSteps, EnlargeUpByAStepGrowsTheTopAndRemakesTheLengthText) {
    OpenLayout(Objects(Room(1000, 4000, 4000, 1000)));
    client->CmExpandRoom();
    Click(Inside(FileRooms()[0]));
    pl::script::AnswerInput("300");
    Key(Qt::Key_Up);
    Key(Qt::Key_Up); // the step is done: the next arrow asks nothing and changes nothing
    const TRoomobj room = FileRooms()[0];
    EXPECT_EQ(room.y1, 4300);
    EXPECT_EQ(room.value4, 3300);
    EXPECT_STREQ(room.lengthText, "3300");
    EXPECT_STREQ(room.widthText, "");
    EXPECT_TRUE(ui.LogContains("ADJUST ROOM")) << ui.Log();
}

TEST_F(DesignRoomSteps, MoveRoomByATypedStep) {
    OpenLayout(Objects(Room(1000, 4000, 4000, 1000)));
    client->CmMoveRoom();
    Click(Inside(FileRooms()[0]));
    pl::script::AnswerInput("500");
    Key(Qt::Key_Right);
    const TRoomobj room = FileRooms()[0];
    EXPECT_EQ(room.x1, 1500);
    EXPECT_EQ(room.x2, 4500);
    EXPECT_EQ(room.value3, 3000);
    EXPECT_EQ(client->Tool->Mode, 0);
}

TEST_F(DesignRoomSteps, ShrinkByTheWholeWidthOrAZeroStepChangesNothing) {
    OpenLayout(Objects(Room(1000, 4000, 4000, 1000)));
    client->CmShrinkRoom();
    Click(Inside(FileRooms()[0]));
    pl::script::AnswerInput("3000");
    Key(Qt::Key_Left);
    client->CmShrinkRoom();
    Click(Inside(FileRooms()[0]));
    pl::script::AnswerInput("0");
    Key(Qt::Key_Left);
    const TRoomobj room = FileRooms()[0];
    EXPECT_EQ(room.x1, 1000);
    EXPECT_EQ(room.value3, 3000);
}

TEST_F(DesignRoomSteps, DeleteRemovesThePickedRoomAndClearsTheSelection) {
    OpenLayout(Objects(Room(1000, 4000, 4000, 1000), Room(5000, 4000, 8000, 1000)));
    dir.WriteFile("CFG/TEMP.CFG", "3\n");
    client->CmDeleteDesignRoom();
    Click(Inside(FileRooms()[0]));
    const std::vector<TRoomobj> rooms = FileRooms();
    ASSERT_EQ(rooms.size(), 1u);
    EXPECT_EQ(rooms[0].x1, 5000);
    EXPECT_EQ(dir.ReadFile("CFG/TEMP.CFG"), "0\n");
}

TEST_F(DesignRoomSteps, ClickOutsideEveryRoomIsReportedAndTheToolGoes) {
    OpenLayout(Objects(Room(1000, 4000, 4000, 1000)));
    client->CmDeleteDesignRoom();
    pl::script::AnswerMessageBox(IDOK);
    Click(PixelOf(6000, 2000));
    EXPECT_TRUE(ui.LogContains("no room selected")) << ui.Log();
    EXPECT_EQ(client->Tool->Kind, toolkind::kPick);
    EXPECT_EQ(FileRooms().size(), 1u);
}

struct Refusal {
    int32_t view;
    void (*command)(TClient&);
    const char* text;
};

TEST_F(DesignRoomSteps, CommandOnTheWrongViewOrFloorIsRefused) {
    const Refusal cases[] = {
        Refusal{45, [](TClient& c) { c.CmExpandRoom(); },
                "Not available while marking walls - select VIEW/LAYOUT"},
        Refusal{59, [](TClient& c) { c.CmShrinkRoom(); }, "You must be in a PLAN VIEW to use this function"},
        Refusal{50, [](TClient& c) { c.CmAlterRoom(); },
                "There are already design rooms on this floor - use DesignRooms/FINISH first"},
        Refusal{51, [](TClient& c) { c.CmAlterRoom(); }, "There are no fixed rooms"},
        Refusal{51, [](TClient& c) { c.CmFinishDesignRooms(); },
                "There are no design rooms to lock in and finish drawing"},
        Refusal{49, [](TClient& c) { c.CmLayoutGrid(); },
                "You must be in a LAYOUT VIEW to use this function"},
        Refusal{50, [](TClient& c) { c.CmMarkExternalWalls(); },
                "You must be in a LAYOUT VIEW to use this function, to mark the external wall "
                "corners"}};
    OpenLayout(Objects(Room(1000, 4000, 4000, 1000, kGroundFloor)));
    for (const Refusal& c : cases) {
        CurrentView = c.view;
        const int32_t kind = client->Tool->Kind;
        pl::script::AnswerMessageBox(IDOK);
        c.command(*client);
        EXPECT_TRUE(ui.LogContains(c.text)) << c.view << ui.Log();
        EXPECT_EQ(client->Tool->Kind, kind);
    }
}

struct ImperialCase {
    const char* name;
    int32_t width, length; // of two rooms side by side, in 1/24 inch
    const char* sizes;
};

class ImperialReport : public DesignRoomSteps, public ::testing::WithParamInterface<ImperialCase> {};

TEST_P(ImperialReport, GivesFeetInchesAndSquareFeet) {
    const ImperialCase& c = GetParam();
    MetricUnits = 0;
    OpenLayout(Objects(Room(0, c.length, 1800, 0), Room(1800, c.length, c.width, 0)));
    child->DatumMode = 1;
    child->ExternalRectangleSize(0);
    EXPECT_EQ(Guide(), std::string(c.sizes) + " sq.ft, click Extwall icon when Layout finished");
    EXPECT_EQ(child->DatumMode, 4);
    EXPECT_EQ(child->DatumX, 0);
    EXPECT_EQ(child->DatumY, c.length);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ImperialReport,
    ::testing::Values(ImperialCase{"WholeSquareFeet", 3600, 2880,
                                   "width 12 ft 6 inches,length 10 ft 0 inches, Internal House Area "
                                   "(Rectangle)125.00"},
                      ImperialCase{"FractionOfASquareFoot", 7344, 2832,
                                   "width 25 ft 6 inches,length 9 ft 10 inches, Internal House Area "
                                   "(Rectangle)250.75"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DesignRoomSteps, LayoutGridToggles) {
    OpenLayout();
    LayoutGridFlag = 1;
    client->CmLayoutGrid();
    EXPECT_EQ(LayoutGridFlag, 0);
    client->CmLayoutGrid();
    EXPECT_EQ(LayoutGridFlag, 1);
}

TEST_F(DesignRoomSteps, InsertHidesTheLayoutGridAndShowsItAgain) {
    OpenLayout();
    // Two rooms in the middle of the window: the grid frames them.
    const POINT c = DrawingAt(TPoint(View()->width() / 2, View()->height() / 2));
    ObjectList.Add(Room(c.x - 1800, c.y + 1500, c.x, c.y - 1500));
    ObjectList.Add(Room(c.x, c.y + 1500, c.x + 1800, c.y - 1500));
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    LayoutGridFlag = 1;
    child->Invalidate(true);
    const int grid = GridPixelsOnScreen();
    ASSERT_GT(grid, 0);
    Key(Qt::Key_Insert);
    EXPECT_EQ(GridPixelsOnScreen(), 0);
    Key(Qt::Key_Insert);
    EXPECT_EQ(GridPixelsOnScreen(), grid);
    EXPECT_EQ(FileCount(), 5); // the grid never stays in the drawing
}

TEST_F(DesignRoomSteps, MarkingExternalWallsAsksBeforeClearingTheFloors) {
    OpenLayout(Objects(Room(1000, 4000, 4000, 1000), inputs::Line(0, 0, 1000, 0, kGroundFloor)));
    pl::script::AnswerMessageBox(IDNO);
    client->CmMarkExternalWalls();
    EXPECT_EQ(CurrentView, kRoomLayout);
    EXPECT_EQ(FileCount(), 5);

    pl::script::AnswerMessageBox(IDYES);
    pl::script::AnswerDialog(kPlanDialogId, {DialogStep{{}, IDCANCEL}}); // the walls' construction
    client->CmMarkExternalWalls();
    EXPECT_EQ(CurrentView, 45);
    EXPECT_EQ(FileCount(), 4); // the floor records and the room
    // One room: the datum is the room's own top-left corner.
    EXPECT_EQ(child->DatumX, 1000);
    EXPECT_EQ(child->DatumY, 4000);
    EXPECT_EQ(child->DatumMode, 4);
}

} // namespace
