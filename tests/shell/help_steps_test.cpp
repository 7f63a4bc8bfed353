// The numbered steps of the help pages that explain one function, played as a newcomer plays them and
// checked against what the page promises; each step's words must still stand in its page.
#include <array>
#include <QTest>
#include <string>
#include <vector>

#include "tests/shell/help_steps_fixture.h"

namespace {

using namespace helpsteps;
using HelpSteps = HelpPageSteps;

// intro.htm numbers advice on how any function is worked, not steps to play; examples.htm numbers the
// three examples, which the worked-example tests play.

TEST_F(HelpSteps, DoorSwingsFitTheirWalls) {
    Play("windoor.htm");
    Says("The pictures of the two left-hand columns show a wall running up and down the sheet: they fit the "
         "vertical walls, such as the side walls of a building. The pictures of the two right-hand columns "
         "show "
         "a wall running across: they fit the horizontal walls, such as the front and back walls.");
    Says("No wall marked (caption Marking Error - Please Retry) means that nothing was placed");
    Says("OK ends the function");
    Says("Choose Doors/Openings.");
    Says("Move the cursor onto the wall and press Enter. The GUIDE line says where the cursor must be");
    const POINT c = NewBuilding();
    // Pictures 1 to 4 stand in the two left-hand columns of the dialog, 5 to 8 in the right-hand ones.
    for (int32_t swing = 1; swing <= 8; ++swing) {
        for (const bool frontWall : {true, false}) {
            const int32_t arcs = Count(kArc);
            const size_t logged = ui.Log().size();
            AnswerHingedDoor("820", swing);
            Command(cmd::kDoors);
            if (frontWall)
                EnterAt(c.x + 1000 * swing, c.y - 8000 + 137);
            else
                EnterAt(c.x + 137, c.y - 900 * swing);
            const bool fits = frontWall == (swing >= 5);
            EXPECT_EQ(Count(kArc), arcs + (fits ? 1 : 0))
                << "swing " << swing << (frontWall ? " front" : " side");
            const bool refused =
                ui.Log().find("caption=\"Marking Error - Please Retry\" text=\"No wall marked\"", logged) !=
                std::string::npos;
            EXPECT_EQ(refused, !fits) << "swing " << swing;
            EXPECT_EQ(ToolKind(), toolkind::kPick);
        }
    }
    EXPECT_TRUE(Shown("GUIDE: press ENTER with cursor on wall"));
}

TEST_F(HelpSteps, TextAtEachClick) {
    Play("tools3.htm");
    Open();
    Says("Choose Text. The text details dialog shows the current font");
    pl::script::AnswerDialog(kTextDetailsDialogId, {{{}, IDOK}});
    Command(cmd::kText);
    Says("Click the left button where the text goes. A box titled Text asks Enter text, offering the word "
         "text: type over it and press OK. The text is placed at the click; Cancel places nothing.");
    const POINT at = DrawingAt(TPoint(200, 200));
    pl::script::AnswerInput("KITCHEN");
    ClickAt(at.x, at.y);
    EXPECT_TRUE(Shown("InputDialog title=\"Text\" prompt=\"Enter text\" initial=\"text\""));
    ASSERT_EQ(Count(kText), 1);
    EXPECT_NEAR(Objects(kText)[0].x1, at.x, 50);
    EXPECT_NEAR(Objects(kText)[0].y1, at.y, 50);
    pl::script::CancelInput();
    ClickAt(at.x, at.y - 2000);
    EXPECT_EQ(Count(kText), 1);

    Says("Each further click asks for another text in the same way, until you choose another function.");
    pl::script::AnswerInput("HALL");
    ClickAt(at.x + 3000, at.y);
    EXPECT_EQ(Count(kText), 2);
    EXPECT_NE(dir.ReadFile("DWGS/HOUSE.DB0").find("HALL"), std::string::npos);
}

TEST_F(HelpSteps, DatumSetWithThePickTool) {
    Play("icon.htm");
    const POINT c = NewBuilding();
    ASSERT_EQ(ToolKind(), toolkind::kPick);
    Says("With the Pick tool current (as it is after a door, a window or a closed outline), press the datum "
         "button, or the Tab key in the drawing window. The GUIDE line says DATUM ON - click reference "
         "point.");
    Key(Qt::Key_Tab);
    EXPECT_TRUE(Shown("StatusBar \"DATUM ON - click reference point"));
    Says("Click the left button on the point to measure from, for example a wall corner.");
    ClickAt(c.x + 2000, c.y - 2000);
    Says("Move the cursor: the box shows its distance from that point, also after you choose Line.");
    MoveTo(PixelOf(c.x + 3000, c.y - 2000));
    EXPECT_EQ(ReadOut().substr(0, 12), "h 1000: v 0 ");
    Says("Press the button or Tab again to put the datum back on the corner of the building.");
    Key(Qt::Key_Tab);
    Settle();
    MoveTo(PixelOf(c.x + 3000, c.y - 2000));
    EXPECT_EQ(ReadOut().substr(0, 16), "h 3000: v -2000 ");

    Says("A datum set with the Pick tool holds until the whole window is redrawn: Zoom > Back to Normal, for "
         "example, puts it back on the building's corner as well.");
    Key(Qt::Key_Tab);
    ClickAt(c.x + 2000, c.y - 2000);
    Settle();
    MoveTo(PixelOf(c.x + 3000, c.y - 2000));
    EXPECT_EQ(ReadOut().substr(0, 12), "h 1000: v 0 ");
    Command(cmd::kNormalSize);
    MoveTo(PixelOf(c.x + 3000, c.y - 2000));
    EXPECT_EQ(ReadOut().substr(0, 16), "h 3000: v -2000 ");
    // Set again, for the rest of step 3.
    Key(Qt::Key_Tab);
    ClickAt(c.x + 2000, c.y - 2000);
    Command(cmd::kLine);
    MoveTo(PixelOf(c.x + 4000, c.y - 2000));
    EXPECT_EQ(ReadOut().substr(0, 12), "h 2000: v 0 ");

    Says("With the Line tool (or another drawing tool) current, the window puts the datum back on the "
         "building's corner whenever it redraws, so a datum set then does not hold");
    Key(Qt::Key_Tab);
    ClickAt(c.x + 6000, c.y - 4000);
    Settle();
    MoveTo(PixelOf(c.x + 7000, c.y - 4000));
    EXPECT_EQ(ReadOut().substr(0, 17), "h 7000: v -4000 a");

    Says("While you drag a line with the mouse, the box measures from the line's start");
    Settle();
    Drag(PixelOf(c.x + 1000, c.y - 5000), PixelOf(c.x + 2500, c.y - 5000));
    EXPECT_EQ(ReadOut().substr(0, 12), "h 1500: v 0 ");
}

TEST_F(HelpSteps, InternalWallsByKeys) {
    Play("intwall.htm");
    const POINT c = NewBuilding();
    pl::script::AnswerDialog(kPartitionDialogId, {{{}, IDOK}});
    Command(cmd::kInternalWall);
    Says("Put the cursor on the face of a wall where the new wall starts and press Enter. The start snaps "
         "onto "
         "the face when the cursor is within 30 mm of it");
    EnterAt(c.x + 6000, c.y - 275 - 20);
    Says("Press the arrow key of the direction. The length box (WALL TO, or the measurement dialog in a "
         "feet-and-inches drawing) suggests the free length up to the next wall face; press OK to run the "
         "wall "
         "there, or type another length.");
    Arrow(Qt::Key_Down, "5000");
    EXPECT_TRUE(Shown("InputDialog title=\"WALL TO\" prompt=\"DOWN:\" initial=\"7450\"")) << ui.Log();
    Says("The end of one wall is the start of the next: press another arrow key to go on, for example to "
         "turn a "
         "corner.");
    Arrow(Qt::Key_Right, "2000");
    const auto walls = Objects(kIntWall);
    ASSERT_EQ(walls.size(), 2u);
    EXPECT_EQ(walls[0].y1, c.y - 275);
    EXPECT_EQ(walls[0].y2, c.y - 275 - 5000);
    EXPECT_EQ(walls[1].x1, walls[0].x2);
    EXPECT_EQ(walls[1].x2, walls[0].x2 + 2000);

    Says("For a wall at an angle, press Enter at its end instead of an arrow key.");
    EnterAt(walls[1].x2 + 2000, walls[1].y2 - 1500);
    ASSERT_EQ(Count(kIntWall), 3);
    const TObject angled = Objects(kIntWall)[2];
    EXPECT_EQ(angled.x1, walls[1].x2);
    EXPECT_EQ(angled.y1, walls[1].y2);
    EXPECT_NEAR(angled.x2 - angled.x1, 2000, 50);
    EXPECT_NEAR(angled.y1 - angled.y2, 1500, 50);

    Says("While a chain is open, every Enter ends a wall at the cursor, joined on to the last one.");
    EnterAt(c.x + 2000, c.y - 4000);
    ASSERT_EQ(Count(kIntWall), 4);
    EXPECT_EQ(Objects(kIntWall)[3].x1, angled.x2);
    EXPECT_EQ(Objects(kIntWall)[3].y1, angled.y2);

    Says("Press the keypad + key to close the open end of the last wall with a line.");
    const int32_t lines = Count(kLine);
    QTest::keyClick(View(), Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_EQ(Count(kLine), lines + 1);
    Says("The chain, and the function, end when a wall ends on the face of another wall or when you press "
         "the keypad +: the Pick tool is current again.");
    EXPECT_EQ(ToolKind(), toolkind::kPick);

    Says("To start a wall somewhere else, choose Draw Internal Wall again.");
    pl::script::AnswerDialog(kPartitionDialogId, {{{}, IDOK}});
    Command(cmd::kInternalWall);
    EnterAt(c.x + 1000, c.y - 275);
    Arrow(Qt::Key_Down, "7450");
    ASSERT_EQ(Count(kIntWall), 5);
    EXPECT_EQ(Objects(kIntWall)[4].x1, c.x + 1000);
    EXPECT_EQ(Objects(kIntWall)[4].y2, c.y - 8000 + 275);
    EXPECT_EQ(ToolKind(), toolkind::kPick) << "the wall ended on the face of the back wall";
}

TEST_F(HelpSteps, ManualDimensionAndStairsOfOneFloor) {
    Play("other.htm");
    Open();
    const POINT a = DrawingAt(TPoint(100, 200));
    Says("Put the cursor on the first point and press Enter.");
    Says("Put the cursor on the second point and press Enter.");
    Says("The measured length is offered in the Measurement box");
    Says(
        "type the real measurement if it differs and press OK. The dimension line with arrows and the figure "
        "is drawn.");
    const auto dimension = [&](int32_t y, const char* typed) {
        Command(cmd::kManualDimension);
        EnterAt(a.x, a.y - y);
        if (typed)
            pl::script::AnswerInput(typed);
        else
            pl::script::CancelInput();
        EnterAt(a.x + 4000, a.y - y);
    };
    dimension(0, "4010");
    EXPECT_TRUE(Shown("InputDialog title=\"Measurement\" prompt=\"\" initial=\"4000\"")) << ui.Log();
    ASSERT_EQ(Count(kSizeLabel), 1);
    EXPECT_NE(dir.ReadFile("DWGS/HOUSE.DB0").find("4010"), std::string::npos);
    EXPECT_EQ(Count(kManualDimension), 1);

    Says("Cancel at the last step leaves the dimension line drawn without its figure; Undo removes it.");
    dimension(2000, nullptr);
    EXPECT_EQ(Count(kManualDimension), 2);
    EXPECT_EQ(Count(kSizeLabel), 1);
    Command(cmd::kUndo);
    EXPECT_EQ(Count(kManualDimension), 1);

    Says("with one floor only the answer is You only have one floor.");
    Command(cmd::kStairs);
    EXPECT_TRUE(Shown("You only have one floor"));
}

TEST_F(HelpSteps, Multilines) {
    Play("tools.htm");
    Open();
    Says("Type the number of lines (up to 100).");
    pl::script::AnswerInput("5");
    Command(cmd::kMultiline);
    Says("Draw the first line with Enter and an arrow key, or by dragging.");
    const POINT a = DrawingAt(TPoint(100, 100));
    EnterAt(a.x, a.y);
    Arrow(Qt::Key_Right, "3000");
    Says("Move the cursor to where the last line should lie and press Enter: the other lines are spaced "
         "evenly "
         "between.");
    EnterAt(a.x, a.y - 2000);
    std::vector<int32_t> rows;
    for (const TObject& line : Objects(kLine)) {
        EXPECT_EQ(line.x2 - line.x1, 3000);
        rows.push_back(a.y - line.y1);
    }
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows, (std::vector<int32_t>{0, 500, 1000, 1500, 2000}));
}

TEST_F(HelpSteps, ArcByItsHeight) {
    Play("tools2.htm");
    Open();
    Command(cmd::kArc);
    const POINT a = DrawingAt(TPoint(100, 200));
    Says("Put the cursor on the first end point and press Enter.");
    EnterAt(a.x, a.y);
    Says("Put the cursor on the second end point and press Enter.");
    Says("Type the ARC HEIGHT: the distance from the line between the end points to the top of the arc");
    pl::script::AnswerInput("500");
    EnterAt(a.x + 3000, a.y);
    EXPECT_EQ(Count(kArc), 1) << ui.Log();

    Says("one clearly off gives the message Endpoint not horizontal or vertical and no arc is drawn.");
    Command(cmd::kArc);
    EnterAt(a.x, a.y - 2000);
    EnterAt(a.x + 3000, a.y - 3000);
    EXPECT_TRUE(Shown("Endpoint not horizontal or vertical")) << ui.Log();
    EXPECT_EQ(Count(kArc), 1);
}

TEST_F(HelpSteps, ZoomUpOnADraggedArea) {
    Play("zoom.htm");
    Open();
    const POINT low = DrawingAt(TPoint(100, 200));
    const POINT high = DrawingAt(TPoint(300, 100));
    Says("Choose Zoom > Zoom UP.");
    Command(cmd::kZoomUp);
    Says("Press the left mouse button at one corner of the area to enlarge, hold it down and drag over the "
         "area.");
    Says("Let go: the area fills the window.");
    Drag(TPoint(100, 200), TPoint(300, 100));
    Settle();
    EXPECT_NEAR(PixelOf(high.x, high.y).x - PixelOf(low.x, low.y).x, child->GetClientRect().right, 2);
}

// Help while Zoom UP waits, by F1 or Help > Context Help, from Pick or a drawing tool, is about the zoom.
TEST_F(HelpSteps, HelpWhileZoomUpWaitsShowsTheZoomsPage) {
    Open();
    for (const int32_t tool : {cmd::kRectangle, 0}) {
        SCOPED_TRACE(tool);
        tool ? Command(tool) : client->SelectPickTool();
        const std::string toolsPage = F1();
        Command(cmd::kZoomUp);
        EXPECT_EQ(F1(), "zoom.htm");
        pl::CloseHelpWindow();
        Command(cmd::kContextHelp);
        EXPECT_EQ(pl::CurrentHelpPage(), "zoom.htm");
        const float scale = PenScaleF;
        Drag(TPoint(100, 200), TPoint(300, 100));
        EXPECT_LT(PenScaleF, scale) << "the wait was ended";
        EXPECT_EQ(F1(), toolsPage);
    }
}

TEST_F(HelpSteps, MoveASelection) {
    Play("edit.htm");
    Open();
    const POINT a = DrawingAt(TPoint(150, 150));
    Command(cmd::kLine);
    EnterAt(a.x, a.y);
    Arrow(Qt::Key_Right, "2000");
    Command(cmd::kMoveRotate);
    Says("Drag the rectangle over the items.");
    Settle();
    Drag(PixelOf(a.x - 500, a.y + 500), PixelOf(a.x + 2500, a.y - 500));
    Says("Click the left button on a reference point of the selection.");
    ClickAt(a.x, a.y);
    Says("Move it with the left button.");
    ClickAt(a.x + 1000, a.y - 3000);
    Says("Press Enter to lock it in its new place.");
    Key(Qt::Key_Return);
    const auto lines = Objects(kLine);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NEAR(lines[0].x1, a.x + 1000, 50);
    EXPECT_NEAR(lines[0].y1, a.y - 3000, 50);
}

TEST_F(HelpSteps, ExpandTheBase) {
    Play("base.htm");
    const POINT c = NewBuilding();
    Says("Choose EXPAND or SHRINK Floorplan Base.");
    Command(cmd::kExpandBase);
    Says("Press the arrow key of the direction in which the plan is to grow or shrink (for example the right "
         "arrow to move the right-hand side).");
    Key(Qt::Key_Right);
    Says("Move the cursor: a line follows it across the plan. Press Enter when the line is where the plan "
         "should be stretched");
    Says("Type the distance in the EXPAND BASE BY or SHRINK BASE BY box in millimetres");
    Says("For expanding the box shows 0.");
    pl::script::AnswerInput("1000");
    EnterAt(c.x + 6000, c.y - 4000);
    EXPECT_TRUE(Shown("InputDialog title=\"EXPAND BASE BY\" prompt=\"\" initial=\"0\"")) << ui.Log();
    // The drawing is centred again on the sheet: the width tells the expansion.
    int32_t left = INT32_MAX, right = INT32_MIN;
    for (const TObject& wall : Objects(kExtWall)) {
        left = std::min({left, wall.x1, wall.x2});
        right = std::max({right, wall.x1, wall.x2});
    }
    EXPECT_EQ(right - left, 13000);
}

TEST_F(HelpSteps, ExternalWallOutline) {
    Play("extwall.htm");
    Says("Put the cursor on the first corner and press Enter.");
    Says("Press the arrow key of the wall's direction. The length box (LINE, or the measurement dialog in a "
         "feet-and-inches drawing) shows 0, or, when an end of an external wall lies straight ahead in that "
         "direction, the free length up to it");
    Says("Repeat for every wall. The status bar shows the distance from the start point");
    Says("When a wall ends on the first corner, the outline closes: the walls are joined at their corners, "
         "dimensions are added on the outside and the building area is shown.");
    const POINT c = NewBuilding();
    EXPECT_TRUE(Shown("InputDialog title=\"LINE\" prompt=\"RIGHT:\" initial=\"0\"")) << ui.Log();
    EXPECT_TRUE(Shown("InputDialog title=\"LINE\" prompt=\"UP:\" initial=\"8000\""));
    EXPECT_TRUE(Shown("StatusBar \"Distance from START POINT h 12000: v -8000\""));
    const auto walls = Objects(kExtWall);
    ASSERT_EQ(walls.size(), 4u);
    EXPECT_EQ(walls[3].x2, c.x);
    EXPECT_EQ(walls[3].y2, c.y);
    EXPECT_EQ(Count(kAutoDimensionText), 4);
    EXPECT_TRUE(Shown("caption=\"External Area\""));
}

TEST_F(HelpSteps, FixedRoomMadeAndAltered) {
    Play("froom.htm");
    const POINT c = NewBuilding();
    Says("Open a floor view and choose Other > New Room (fixed).");
    Command(cmd::kNewRoom);
    Says("Click the left button inside the space, near the corner the room should be measured from.");
    Says("For the first room of a floor you are then asked for the thickness of the internal walls the room "
         "functions build on this floor (Internal wall size for room functions).");
    Says("The new fixed room dialog shows the measured sizes. Type the room name");
    Says(
        "Choose which sizes are shown: show NO sizes, show BOTH sizes with arrows, or only the horizontal or "
        "the vertical size. Press OK.");
    pl::script::AnswerDialog(kRoomPartitionDialogId, {{{}, IDOK}});
    pl::script::AnswerDialog(kFixedRoomDialogId,
                             {{{{fixedroomdlg::kName, "HALL"}, {fixedroomdlg::kSizeFirst + 1, "1"}}, IDOK}});
    ClickAt(c.x + 800, c.y - 800);
    EXPECT_TRUE(Shown("\"new fixed room\" initial{8001=\"room\" 8002=\"11450\" 8003=\"7450\"")) << ui.Log();
    ASSERT_EQ(Count(kFinishedRoom), 1);

    Says("Choose Edit > Alter Finished Room (or the alter-rooms button) on the floor.");
    Command(cmd::kAlterRoom);
    Says("Click the left button on the room. It becomes a design room again");
    ClickAt(c.x + 3000, c.y - 3000);
    EXPECT_EQ(Count(kFinishedRoom), 0) << ui.Log();
    Says("Move, expand, shrink or rotate it with the Design Rooms functions.");
    Command(cmd::kShrinkRoom);
    ClickAt(c.x + 3000, c.y - 3000);
    Arrow(Qt::Key_Right, "1450");
    Says("Choose FINISH Design Rooms to fix it again.");
    Command(cmd::kFinishDesignRooms);
    ASSERT_EQ(Count(kFinishedRoom), 1) << ui.Log();
    const TObject room = Objects(kFinishedRoom)[0];
    EXPECT_EQ(room.x2 - room.x1, 11450 - 1450) << "fixed again as shrunk";
}

TEST_F(HelpSteps, WindowCutIntoAWall) {
    Play("windoor.htm");
    const POINT c = NewBuilding();
    Says("Choose Windows (Other menu or control bar).");
    Says("The window dialog asks for the width and height (4 to 9000, in millimetres");
    pl::script::AnswerDialog(kWindowDialogId, {{{{kWindowWidth, "1500"}, {kWindowHeight, "1000"}}, IDOK}});
    Command(cmd::kWindows);
    Says("Move the cursor onto the wall at the window's position and press Enter. The window is cut into the "
         "wall and drawn with its symbol.");
    EXPECT_TRUE(Shown("GUIDE: press ENTER with cursor between lines of the wall"));
    EnterAt(c.x + 4000, c.y - 137);
    EXPECT_FALSE(Shown("No wall marked"));
    EXPECT_EQ(Count(kOpeningPolygon), 1) << "the cut";
    ASSERT_EQ(Count(kOutlineLine), 1) << "the symbol";
    EXPECT_NEAR(Objects(kOutlineLine)[0].x1 - Objects(kOutlineLine)[0].x2, 1500, 2);

    Says("These values are remembered.");
    pl::script::AnswerDialog(kWindowDialogId, {{{}, IDCANCEL}});
    Command(cmd::kWindows);
    EXPECT_TRUE(Shown("initial{6501=\"1500\" 6502=\"1000\"")) << ui.Log();
}

TEST_F(HelpSteps, CalibrateThePrinter) {
    Play("print.htm");
    Says("Print a plan with a wall of known length: 15000 mm at 1:100 (150 mm on paper)");
    AnswerNew("SMITH", kStartWallsRadio);
    pl::script::AnswerDialog(kPlanDialogId, {{{{kPlanCavity275, "1"}}, IDOK}});
    pl::script::AnswerDialog(kExtSideDialogId, {{{}, IDOK}});
    Command(cmd::kFileNew);
    KeyOutline({{Qt::Key_Right, "15000"}});
    PrintToPdf({{kGroundCopies, "1"}, {kGroundScale, "100"}});
    EXPECT_TRUE(dir.Exists("plan.pdf"));
    // Step 2, measuring the printed wall with a ruler, is not played.
    Says("Choose Customise > Calibrate Printer and enter that length. Every later print is corrected by the "
         "difference.");
    pl::script::AnswerDialog(kCalibrateMetricDialogId, {{{{3201, "14800"}}, IDOK}});
    Command(cmd::kCalibratePrinter);
    EXPECT_TRUE(Shown("\"printer calibration\" initial{3201=\"15000\"}")) << ui.Log();
    EXPECT_EQ(dir.ReadFile("CFG/PRNTCALM.CFG"), "14800 1.013333");
}

TEST_F(HelpSteps, StairsBetweenTwoFloors) {
    Play("other.htm");
    const POINT c = NewBuilding();
    pl::script::AnswerDialog(kSaveQuestionDialogId, {{{}, IDOK}});
    pl::script::AnswerMessageBox(IDYES);
    pl::script::AnswerDialog(kPlanDialogId, {{{{kPlanCavity275, "1"}}, IDOK}});
    Command(cmd::kFirstFloor);
    ASSERT_EQ(CurrentView, kFirstFloor);
    Says("Show the lower of the two floors.");
    pl::script::AnswerDialog(kSaveQuestionDialogId, {{{}, IDOK}});
    Command(cmd::kGroundFloor);
    ASSERT_EQ(CurrentView, kGroundFloor);
    Says("Choose Other > Stairs.... The stairs dialog asks for the width of one flight");
    pl::script::AnswerDialog(kStairsDialogId, {{{{stairsdlg::kStraightFlight, "1"}}, IDOK}});
    Command(cmd::kStairs);
    Says("Move the pointer: a dotted outline of the stairs follows it. Press Enter when it is in place.");
    // The dotted outline is drawn straight onto the window and is not checked.
    EnterAt(c.x + 4000, c.y - 3000);
    Says("The flight is drawn on this floor and the stairwell on the floor above.");
    EXPECT_GT(CountOn(kGroundFloor, kLine), 0) << ui.Log();
    EXPECT_GT(CountOn(kFirstFloor, kLine), 0);
}

// What F1 opens with the Pick tool on a floor, after the step that left the Pick tool current, and the
// words of a page that tell it.
enum class LastStep { Arrival, InternalWall, Door, Window, ShownAgain, Moved };

struct F1Case {
    const char* name;
    int32_t floorCommand;
    LastStep last;
    std::string opens;
    std::string page;
    const char* words;
};

class F1WithThePickTool : public HelpPageSteps, public ::testing::WithParamInterface<F1Case> {
protected:
    // The floor reached from the ground floor, each upper one holding the copied walls of the one below.
    void CopyUp(int32_t floorCommand) {
        pl::script::AnswerDialog(kSaveQuestionDialogId, {{{}, IDOK}});
        pl::script::AnswerMessageBox(IDYES);
        pl::script::AnswerDialog(kPlanDialogId, {{{{kPlanCavity275, "1"}}, IDOK}});
        Command(floorCommand);
    }
    void Reach(int32_t floorCommand) {
        if (floorCommand == cmd::kSitePlan) {
            pl::script::AnswerDialog(kSaveQuestionDialogId, {{{}, IDOK}});
            return Command(cmd::kSitePlan);
        }
        if (floorCommand != cmd::kGroundFloor) CopyUp(cmd::kFirstFloor);
        if (floorCommand == cmd::kSecondFloor) CopyUp(cmd::kSecondFloor);
    }
    void PlayLastStep(LastStep last, int32_t floorCommand, const POINT& c) {
        const int32_t objects = FileCount();
        switch (last) {
        case LastStep::Arrival:
            return;
        case LastStep::InternalWall:
            pl::script::AnswerDialog(kPartitionDialogId, {{{}, IDOK}});
            Command(cmd::kInternalWall);
            EnterAt(c.x + 6000, c.y - 275);
            Arrow(Qt::Key_Down, "7450");
            break;
        case LastStep::Door:
            AnswerHingedDoor("820", 1);
            Command(cmd::kDoors);
            EnterAt(c.x + 137, c.y - 4000);
            break;
        case LastStep::Window:
            pl::script::AnswerDialog(kWindowDialogId,
                                     {{{{kWindowWidth, "1500"}, {kWindowHeight, "1000"}}, IDOK}});
            Command(cmd::kWindows);
            EnterAt(c.x + 3000, c.y - 137);
            break;
        case LastStep::ShownAgain:
            pl::script::AnswerDialog(kSaveQuestionDialogId, {{{}, IDOK}});
            Command(cmd::kGroundFloor);
            Command(floorCommand);
            return;
        case LastStep::Moved: // everything on the sheet, moved a few pixels
            Command(cmd::kMoveRotate);
            Drag(TPoint(1, 1), TPoint(600, 400));
            Click(TPoint(300, 200));
            Click(TPoint(305, 200));
            Key(Qt::Key_Return);
            return;
        }
        EXPECT_GT(FileCount(), objects) << ui.Log();
    }
};

TEST_P(F1WithThePickTool, OpensThePageTheHelpPromises) {
    const F1Case& row = GetParam();
    Play(row.page);
    Says(row.words);
    const POINT c = NewBuilding();
    Reach(row.floorCommand);
    PlayLastStep(row.last, row.floorCommand, c);
    ASSERT_EQ(CurrentView, row.floorCommand == cmd::kGroundFloor  ? kGroundFloor
                           : row.floorCommand == cmd::kFirstFloor ? kFirstFloor
                           : row.floorCommand == cmd::kSitePlan   ? kSitePlan
                                                                  : kSecondFloor);
    ASSERT_EQ(ToolKind(), toolkind::kPick);
    EXPECT_EQ(F1(), row.opens);
}

constexpr const char* kGroundFloorViews =
    "While the Pick tool is current on the ground floor (as it is after a closed outline, a door, a window "
    "or a print) F1 opens the Views page instead.";
constexpr const char* kUpperFloorContents =
    "On the first and second floors it does not: once a function has ended there and the Pick tool is "
    "current again (after the outside walls copied up by Views > First Floor or Second Floor, an internal "
    "wall, a door or a window), F1 opens the Contents page.";

INSTANTIATE_TEST_SUITE_P(
    Floors, F1WithThePickTool,
    ::testing::Values(
        F1Case{"GroundAfterOutline", cmd::kGroundFloor, LastStep::Arrival, "view.htm", "hint.htm",
               kGroundFloorViews},
        F1Case{"GroundAfterInternalWall", cmd::kGroundFloor, LastStep::InternalWall, "view.htm", "screen.htm",
               "with the Pick tool on the ground floor, the Views page;"},
        F1Case{"GroundAfterDoor", cmd::kGroundFloor, LastStep::Door, "view.htm", "content.htm",
               "F1 opens the Views page on the ground floor"},
        F1Case{"FirstAfterCopiedWalls", cmd::kFirstFloor, LastStep::Arrival, "content.htm", "hint.htm",
               kUpperFloorContents},
        F1Case{"FirstAfterInternalWall", cmd::kFirstFloor, LastStep::InternalWall, "content.htm",
               "content.htm",
               "Once a function has ended and the Pick tool is current again, F1 opens the Views page on the "
               "ground floor and this page on the first and second floors"},
        F1Case{"FirstAfterDoor", cmd::kFirstFloor, LastStep::Door, "content.htm", "hint.htm",
               kUpperFloorContents},
        F1Case{"FirstAfterWindow", cmd::kFirstFloor, LastStep::Window, "content.htm", "hint.htm",
               kUpperFloorContents},
        F1Case{"FirstShownAgain", cmd::kFirstFloor, LastStep::ShownAgain, "view.htm", "hint.htm",
               "Otherwise it opens the page of the function you chose last there, for example the Views page "
               "after Views > First Floor shows a floor already drawn."},
        F1Case{"SecondAfterCopiedWalls", cmd::kSecondFloor, LastStep::Arrival, "content.htm", "screen.htm",
               "on the first and second floors, once a function has ended there, the Contents page"},
        F1Case{"SecondAfterInternalWall", cmd::kSecondFloor, LastStep::InternalWall, "content.htm",
               "hint.htm", kUpperFloorContents},
        F1Case{
            "SitePlanAfterMove", cmd::kSitePlan, LastStep::Moved, "content.htm", "hint.htm",
            "The site plan is the same: once a selection moved there, a paste or a library symbol is placed "
            "with Enter, F1 opens the Contents page."}),
    [](const ::testing::TestParamInfo<F1Case>& info) { return std::string(info.param.name); });

// A room let go beside another, off it by some pixels across and some up: pulled into line a partition
// apart, or left where it was let go.
struct RoomDropCase {
    int32_t across;
    int32_t up;
    bool pulled;
};

class RoomLetGoBesideAnother : public HelpPageSteps, public ::testing::WithParamInterface<RoomDropCase> {};

TEST_P(RoomLetGoBesideAnother, IsPulledIntoLineOnlyWhenLessThanTheMergeDistanceOff) {
    const RoomDropCase& row = GetParam();
    Play("droom.htm");
    Says("press the left button inside a room, drag it and let go; it is pulled into line with a wall less "
         "than the distance set by DESIGN Room Merge off, or with another room less than that distance off "
         "on both axes (100 mm unless you change it: less than 4 pixels at the scale the drawing opens "
         "with). Let go that distance off or more, it stays where you let go.");
    AnswerNew("Jones", kStartRoomsRadio);
    pl::script::AnswerDialog(kRoomPartitionDialogId, {{{}, IDOK}});
    AnswerRoom("LOUNGE", "5000", "4200");
    Command(cmd::kFileNew);
    ASSERT_EQ(Count(kDesignRoom), 1);
    const TObject lounge = Objects(kDesignRoom)[0];
    const POINT s{lounge.x1, lounge.y2};
    // The kitchen appears on the lounge, at its lower left corner; the lounge is taken outside it.
    AnswerRoom("KITCHEN", "3600", "3000");
    Command(cmd::kNewDesignRoom);
    Settle();
    const TPoint corner = PixelOf(s.x, s.y);
    ASSERT_EQ(PixelOf(s.x + 100, s.y).x - corner.x, 4) << "the merge distance on the screen";
    const TPoint taken = PixelOf(s.x + 4500, s.y + 3800);
    const TPoint dropped(taken.x + PixelOf(s.x + 3600, s.y).x - corner.x + row.across, taken.y - row.up);
    Drag(taken, dropped);

    // Pulled: a partition right of the kitchen, in line with its bottom; else where it was let go.
    const TObject room = Objects(kDesignRoom)[0];
    EXPECT_EQ(room.x1 - s.x, row.pulled ? 3600 + 100 : DrawingAt(dropped).x - DrawingAt(taken).x);
    EXPECT_EQ(room.y2 - s.y, row.pulled ? 0 : DrawingAt(dropped).y - DrawingAt(taken).y);
}

INSTANTIATE_TEST_SUITE_P(Pixels, RoomLetGoBesideAnother,
                         ::testing::Values(RoomDropCase{3, 2, true}, RoomDropCase{4, 2, false},
                                           RoomDropCase{5, 2, false}, RoomDropCase{2, 3, true},
                                           RoomDropCase{2, 4, false}, RoomDropCase{2, 5, false}),
                         [](const auto& info) {
                             return std::to_string(info.param.across) + "Across" +
                                    std::to_string(info.param.up) + "Up";
                         });

// The drawn lines of a floor in their order in the file, as their end points.
std::vector<std::array<int32_t, 4>> LinesOf(const std::vector<TObject>& lines, int32_t view) {
    std::vector<std::array<int32_t, 4>> found;
    for (const TObject& line : lines)
        if (line.view == view) found.push_back({line.x1, line.y1, line.x2, line.y2});
    return found;
}

TEST_F(HelpSteps, UndoAfterStairs) {
    const POINT c = NewBuilding();
    pl::script::AnswerDialog(kSaveQuestionDialogId, {{{}, IDOK}});
    pl::script::AnswerMessageBox(IDYES);
    pl::script::AnswerDialog(kPlanDialogId, {{{{kPlanCavity275, "1"}}, IDOK}});
    Command(cmd::kFirstFloor);
    pl::script::AnswerDialog(kSaveQuestionDialogId, {{{}, IDOK}});
    Command(cmd::kGroundFloor);
    pl::script::AnswerDialog(kStairsDialogId, {{{{stairsdlg::kStraightFlight, "1"}}, IDOK}});
    Command(cmd::kStairs);
    EnterAt(c.x + 4000, c.y - 3000);
    const int32_t objects = FileCount();
    ASSERT_GT(CountOn(kFirstFloor, kLine), 5) << ui.Log();

    for (const char* page : {"icon.htm", "edit.htm"}) {
        Play(page);
        Says("the stairwell on the floor above is drawn");
        Says("so on the floor of the flight Undo answers Last object drawn was not on this floor");
        Says("on the floor above each press takes one line of the stairwell, the last tread line first.");
    }
    Command(cmd::kUndo);
    EXPECT_TRUE(
        Shown("text=\"Last object drawn was not on this floor - change the view to undo that object\""))
        << ui.Log();
    EXPECT_EQ(FileCount(), objects);

    pl::script::AnswerDialog(kSaveQuestionDialogId, {{{}, IDOK}});
    Command(cmd::kFirstFloor);
    ASSERT_EQ(CurrentView, kFirstFloor);
    const auto flight = LinesOf(Objects(kLine), kGroundFloor);
    auto stairwell = LinesOf(Objects(kLine), kFirstFloor);
    for (int press = 1; press <= 5; ++press) {
        Command(cmd::kUndo);
        stairwell.pop_back();
        EXPECT_EQ(LinesOf(Objects(kLine), kFirstFloor), stairwell) << "press " << press;
        EXPECT_EQ(LinesOf(Objects(kLine), kGroundFloor), flight) << "press " << press;
        EXPECT_EQ(FileCount(), objects - press);
    }
}

} // namespace
