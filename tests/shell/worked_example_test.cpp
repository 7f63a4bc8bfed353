// The worked examples of the help pages played as a newcomer plays them: each step's keys, clicks and
// dialog answers in the page's order, then what the page promises the user will see. Every step first
// finds its words in the page, so that an edit of the page that changes a step fails here until the
// step is played again as the page now tells it.
#include <QRect>

#include "document/plan_display_modes.h"
#include "tests/shell/help_steps_fixture.h"

namespace {

using namespace helpsteps;

// The box around objects from `first` on, in drawing units.
QRect Extent(const std::vector<std::unique_ptr<TObject>>& objects, size_t first) {
    QRect box;
    for (size_t i = first; i < objects.size(); ++i)
        box |= QRect(QPoint(objects[i]->x1, objects[i]->y1), QPoint(objects[i]->x2, objects[i]->y2))
                   .normalized();
    return box;
}

// Example 3 keeps its ground floor, section 1, for both answers of section 2.
class WorkedExample : public HelpPageSteps {
protected:
    void Wall(int key, const char* feet, const char* inches, const char* numerator, const char* denominator) {
        pl::script::AnswerDialog(kFeetDialogId, {DialogStep{{{kFeetEditId, feet},
                                                             {kInchesEditId, inches},
                                                             {kNumeratorEditId, numerator},
                                                             {kDenominatorEditId, denominator}},
                                                            IDOK}});
        Key(key);
    }
    void GroundFloor() {
        Play("example3.htm");
        Says(
            "File > New..., title Brown, drawing external walls, dimensions in feet & inches, OK. Choose "
            "cavity brick, 11 inch thick, 4 lines, OK, then in the multi line drawing dialog choose the side "
            "on which the inner lines lie, OK.");
        pl::script::AnswerDialog(
            kNewDrawingDialogId,
            {{{{kNewNameEdit, "Brown"}, {kStartWallsRadio, "1"}, {kNewImperialRadio, "1"}}, IDOK}});
        pl::script::AnswerDialog(kPlanImpDialogId, {{{{kPlanImpCavity264, "1"}}, IDOK}});
        // Its Help button first: the page it opens points to where the dialog is explained.
        pl::script::AnswerDialog(kExtSideDialogId, {{{}, IDHELP}, {{}, IDOK}});
        Command(cmd::kFileNew);
        ASSERT_NE(child, nullptr);
        EXPECT_TRUE(Shown("Dialog 4200 \"multi line drawing\"")) << ui.Log();
        EXPECT_EQ(pl::CurrentHelpPage(), "other.htm");
        EXPECT_TRUE(PageText("other.htm")
                        .startsWith("Other menu - dimensions and stairs The Help button of the multi line "
                                    "drawing dialog opens this page: that dialog is explained below, under "
                                    "Which side the wall lines lie."));

        Says(
            "Press Enter on the first corner. For each wall press the arrow key; the measurement dialog asks "
            "for feet, inches and a fraction. For 40 feet 6 1/2 inches type 40, 6, 1 and 2.");
        Says("Draw four walls: 40' 6 1/2'' right, 28' down, 40' 6 1/2'' left, 28' up. The outline closes.");
        MoveTo(TPoint(101, 100));
        MoveTo(TPoint(100, 100));
        Key(Qt::Key_Return);
        Wall(Qt::Key_Right, "40", "6", "1", "2");
        Wall(Qt::Key_Down, "28", "0", "0", "0");
        Wall(Qt::Key_Left, "40", "6", "1", "2");
        Wall(Qt::Key_Up, "28", "0", "0", "0");
        ASSERT_EQ(CountOn(kGroundFloor, kExtWall), 4) << ui.Log();
        EXPECT_TRUE(Shown("Total Building Area this floor: 1135 sq. feet"));
    }
};

TEST_F(WorkedExample, QuickStart) {
    Play("qstart.htm");
    Says("File > New... Type the client's name");
    Says("choose drawing external walls and metric dimensions, and press OK.");
    AnswerNew("SMITH", kStartWallsRadio);
    Says("Choose, for example, cavity brick - 275 m.m (4 lines) and press OK; then choose on which side");
    pl::script::AnswerDialog(kPlanDialogId, {{{{kPlanCavity275, "1"}}, IDOK}});
    pl::script::AnswerDialog(kExtSideDialogId, {{{}, IDOK}});
    Command(cmd::kFileNew);
    ASSERT_NE(child, nullptr);

    Says("Move the cursor to where the first corner should be and press Enter.");
    Says("Press the right arrow key, type 12000 in the length box and press OK. The first wall is drawn 12 "
         "metres to the right.");
    Says("In the length box, or in any other box that waits for an answer, F1 opens nothing: answer the box "
         "first");
    KeyOutline({});
    ArrowPressingF1InTheBox(Qt::Key_Right, "12000");
    EXPECT_EQ(pl::HelpWindow(), nullptr);
    ASSERT_EQ(Count(kExtWall), 1);
    EXPECT_EQ(Objects(kExtWall)[0].x2 - Objects(kExtWall)[0].x1, 12000);

    Says("Press the down arrow and type 8000, the left arrow and 12000, the up arrow and 8000. When the last "
         "wall meets the first corner the outline closes and the walls are dimensioned. A message box, "
         "External Area, shows the building area (96 sq. metres): press OK. The Pick tool is current again.");
    Arrow(Qt::Key_Down, "8000");
    Arrow(Qt::Key_Left, "12000");
    Arrow(Qt::Key_Up, "8000");
    const auto walls = Objects(kExtWall);
    ASSERT_EQ(walls.size(), 4u);
    const POINT c{walls[0].x1, walls[0].y1};
    EXPECT_EQ(Count(kAutoDimensionText), 4);
    EXPECT_TRUE(Shown("caption=\"External Area\"")) << ui.Log();
    EXPECT_TRUE(Shown("Total Building Area this floor: 96 sq. metres"));
    EXPECT_EQ(ToolKind(), toolkind::kPick);
    Says("With the Pick tool current on the ground floor, as after each of steps 5 to 8, it opens the Views "
         "page.");
    EXPECT_EQ(F1(), "view.htm");

    Says(
        "Walls & Base > Draw Internal Wall: confirm the wall thickness, move the cursor onto the inside face "
        "of an external wall, press Enter, then an arrow key for the direction and type the length.");
    pl::script::AnswerDialog(kPartitionDialogId, {{{}, IDOK}});
    Command(cmd::kInternalWall);
    Says("Press F1 in the drawing window for help. It opens the page of the function you chose last, for "
         "example Internal walls while step 6 waits for the start of the wall.");
    EXPECT_EQ(F1(), "intwall.htm");
    EnterAt(c.x + 6000, c.y - 275);
    Arrow(Qt::Key_Down, "7450");
    EXPECT_EQ(Count(kIntWall), 1);
    EXPECT_EQ(F1(), "view.htm");

    Says("Doors/Openings: choose hinged doors, the door width and the number of doors, OK. The doors dialog "
         "offers the top left swing picture, which fits a side wall: press OK, move the cursor onto the left "
         "wall, between its lines, and press Enter.");
    pl::script::AnswerDialog(kExtDoorDialogId, {{{{kDoorHinged, "1"}}, IDOK}});
    pl::script::AnswerDialog(kDoorSwingDialogId, {{{}, IDOK}});
    Command(cmd::kDoors);
    EnterAt(c.x + 137, c.y - 4000);
    EXPECT_FALSE(Shown("No wall marked"));
    EXPECT_EQ(Count(kArc), 1) << "the door's swing";
    EXPECT_EQ(F1(), "view.htm");

    Says("For the front or back wall choose a picture of the two right-hand columns instead");
    AnswerHingedDoor("820", 5);
    Command(cmd::kDoors);
    EnterAt(c.x + 3000, c.y - 8000 + 137);
    EXPECT_EQ(Count(kArc), 2);

    Says("File > Save, then File > Print... to print the ground floor at 1:100.");
    Command(cmd::kFileSave);
    EXPECT_EQ(dir.ReadFile("CFG/tmp.cfg"), dir.ReadFile("DWGS/SMITH.DB0"));
    PrintToPdf({{kGroundCopies, "1"}, {kGroundScale, "100"}});
    EXPECT_TRUE(Shown("Printed")) << ui.Log();
    EXPECT_TRUE(dir.Exists("plan.pdf"));
    EXPECT_EQ(F1(), "view.htm");
}

TEST_F(WorkedExample, HouseFromItsWalls) {
    Play("example1.htm");
    Says("File > New..., type Smith as the title, choose drawing external walls and metric dimensions, OK.");
    AnswerNew("Smith", kStartWallsRadio);
    Says("In the external wall dialog choose cavity brick - 275 m.m (4 lines), OK, then choose the side on "
         "which the inner lines lie.");
    pl::script::AnswerDialog(kPlanDialogId, {{{{kPlanCavity275, "1"}}, IDOK}});
    pl::script::AnswerDialog(kExtSideDialogId, {{{{kExtSideBelow, "1"}}, IDOK}});
    Command(cmd::kFileNew);
    ASSERT_NE(child, nullptr);

    Says("Put the cursor near the top left of the sheet and press Enter.");
    Says("Right arrow, 14000, OK. Down arrow, 9000, OK. Left arrow, 14000, OK. Up arrow, 9000, OK.");
    const POINT c = KeyOutline(
        {{Qt::Key_Right, "14000"}, {Qt::Key_Down, "9000"}, {Qt::Key_Left, "14000"}, {Qt::Key_Up, "9000"}});
    Says("The outline closes on the first corner: each wall gets its dimension and a message box, External "
         "Area, shows the building area (126 sq. metres). Press OK.");
    EXPECT_EQ(Count(kExtWall), 4);
    EXPECT_EQ(Count(kAutoDimensionText), 4);
    EXPECT_TRUE(Shown("Total Building Area this floor: 126 sq. metres")) << ui.Log();

    Says("Walls & Base > Draw Internal Wall, confirm the thickness (100 mm).");
    pl::script::AnswerDialog(kPartitionDialogId, {{{{kPartitionThickness, "100"}}, IDOK}});
    Command(cmd::kInternalWall);
    Says("Put the cursor on the inside face of the top wall, 6 m from the left, press Enter, then the down "
         "arrow and the length to the bottom wall.");
    EnterAt(c.x + 6000, c.y - 275);
    Arrow(Qt::Key_Down, "8450");
    ASSERT_EQ(Count(kIntWall), 1);
    EXPECT_EQ(Objects(kIntWall)[0].y2, c.y - 9000 + 275);

    Says("Doors/Openings: hinged doors, width 820, 1 door, OK. The front wall runs across, so in the doors "
         "dialog choose a swing picture of the two right-hand columns, OK");
    Says("Put the cursor on the front wall, between its lines, and press Enter.");
    AnswerHingedDoor("820", 5);
    Command(cmd::kDoors);
    EnterAt(c.x + 3000, c.y - 9000 + 137);
    EXPECT_FALSE(Shown("No wall marked"));
    EXPECT_EQ(Count(kArc), 1) << "the door's swing";

    Says("Windows: width 1800, height 1200, OK; put the cursor on a wall and press Enter.");
    pl::script::AnswerDialog(kWindowDialogId,
                             {DialogStep{{{kWindowWidth, "1800"}, {kWindowHeight, "1200"}}, IDOK}});
    Command(cmd::kWindows);
    const int32_t before = static_cast<int32_t>(FileObjects().size());
    EnterAt(c.x + 10000, c.y - 137);
    EXPECT_GT(static_cast<int32_t>(FileObjects().size()), before);
    EXPECT_FALSE(Shown("No wall marked"));
    EXPECT_EQ(F1(), "view.htm") << "the Pick tool on the ground floor, as after any window";

    Says(
        "Other > New Room (fixed), click inside the left room near its top left corner, confirm the internal "
        "wall thickness (asked for the first room only), type LIVING as the room name, OK. Repeat for the "
        "right room.");
    Command(cmd::kNewRoom);
    pl::script::AnswerDialog(kRoomPartitionDialogId, {{{}, IDOK}});
    pl::script::AnswerDialog(kFixedRoomDialogId, {{{{fixedroomdlg::kName, "LIVING"}}, IDOK}});
    ClickAt(c.x + 800, c.y - 800);
    Command(cmd::kNewRoom);
    pl::script::AnswerDialog(kFixedRoomDialogId, {{{{fixedroomdlg::kName, "BEDROOM"}}, IDOK}});
    ClickAt(c.x + 7000, c.y - 800);
    EXPECT_EQ(Count(kFinishedRoom), 2);
    const std::string drawing = dir.ReadFile("DWGS/Smith.DB0");
    EXPECT_NE(drawing.find("LIVING"), std::string::npos);
    EXPECT_NE(drawing.find("BEDROOM"), std::string::npos);

    Says("File > Save, then File > Print... with 1 copy of the ground floor at scale 100.");
    Command(cmd::kFileSave);
    EXPECT_EQ(dir.ReadFile("CFG/tmp.cfg"), dir.ReadFile("DWGS/Smith.DB0"));
    PrintToPdf({{kGroundCopies, "1"}, {kGroundScale, "100"}});
    EXPECT_TRUE(dir.Exists("plan.pdf"));
}

TEST_F(WorkedExample, SymbolLibraries) {
    Play("library.htm");
    Open();
    Says("Choose the group in the Libraries menu: Plumbing, Electrical, Furniture or Miscellaneous.");
    Says("The library files list shows the symbols of that group. Each one you select is shown at the lower "
         "left of the drawing window");
    pl::script::AnswerDialog(kLibraryListDialogId, {{{{kLibraryListBoxId, "WC"}}, IDOK}});
    Command(cmd::kLibraryPlumbing);
    auto symbol = FileObjects();
    ASSERT_GT(symbol.size(), 3u);
    const TObject first = *symbol[3];
    const TPoint shown = PixelOf(first.x1, first.y1);
    EXPECT_LT(shown.x, View()->width() / 4);
    EXPECT_GT(shown.y, View()->height() * 3 / 4);

    Says(
        "Press OK. As the GUIDE line says (GUIDE: click reference point on library object & click new "
        "position), click a reference point on the symbol, then click where that point goes, and press Enter "
        "to leave the symbol there.");
    EXPECT_TRUE(Shown("GUIDE: click reference point on library object & click new position"));
    const POINT to = DrawingAt(TPoint(300, 200));
    ClickAt(first.x1, first.y1);
    Click(TPoint(300, 200));

    Says("Once the reference point is clicked, the keypad + and - keys fine-tune the turn, except on a "
         "symbol that holds a rectangle, such as the WC of the Plumbing group (its cistern is a rectangle): "
         "there they only answer RECT and RNDRECT objects only rotate in 90, 180 and 270 degree increments "
         "and leave the symbol as it is.");
    QTest::keyClick(View(), Qt::Key_Plus, Qt::KeypadModifier);
    QTest::keyClick(View(), Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_TRUE(Shown("RECT and RNDRECT objects only rotate in 90, 180 and 270 degree increments"));
    Says("The right mouse button turns it: a box, ROTATE, asks how many degrees clockwise, offering 90.");
    pl::script::AnswerInput("90");
    QTest::mouseClick(View(), Qt::RightButton, {}, QPoint(300, 200));
    EXPECT_TRUE(Shown("InputDialog title=\"ROTATE\" prompt=\"clockwise\" initial=\"90\""));
    Key(Qt::Key_Return);
    const auto turned = FileObjects();
    const TObject placed = *turned[3];
    EXPECT_NEAR(placed.x1, to.x, 50); // two pixels
    EXPECT_NEAR(placed.y1, to.y, 50);
    // A quarter turn and nothing more: the symbol's width and depth change places.
    const QRect before = Extent(symbol, 3), after = Extent(turned, 3);
    EXPECT_NEAR(after.width(), before.height(), 2);
    EXPECT_NEAR(after.height(), before.width(), 2);

    Says("Cancel removes the symbol shown and places nothing.");
    const int32_t count = FileCount();
    pl::script::AnswerDialog(kLibraryListDialogId, {{{{kLibraryListBoxId, "WC"}}, IDCANCEL}});
    Command(cmd::kLibraryPlumbing);
    EXPECT_EQ(FileCount(), count);

    Says("Draw the symbol anywhere on a floor, with lines, shapes and text.");
    Command(cmd::kLine);
    const POINT at = DrawingAt(TPoint(400, 300));
    EnterAt(at.x, at.y);
    Arrow(Qt::Key_Right, "600");
    Says("Choose Libraries > ADD to a library and drag a rectangle completely over it.");
    Says("In the new library file dialog type a name (up to 24 letters, no file extension) and choose the "
         "group: Plumbing, Electrical, Furniture or Miscellaneous. Press OK.");
    pl::script::AnswerDialog(kAddToLibraryDialogId,
                             {{{{kLibraryNameEditId, "BASIN"}, {kPlumbingRadioId, "1"}}, IDOK}});
    Command(cmd::kAddToLibrary);
    Settle();
    Drag(PixelOf(at.x - 500, at.y + 500), PixelOf(at.x + 1100, at.y - 500));
    EXPECT_TRUE(dir.Exists("LIBS/BASIN.PLM")) << ui.Log();

    Says("The symbol is now offered in that group in every drawing with the same units.");
    const int32_t drawn = FileCount();
    pl::script::AnswerDialog(kLibraryListDialogId, {{{{kLibraryListBoxId, "BASIN"}}, IDOK}});
    Command(cmd::kLibraryPlumbing);
    EXPECT_EQ(FileCount(), drawn + 1);
}

TEST_F(WorkedExample, HouseFromItsRooms) {
    Play("example2.htm");
    Says("File > New..., title Jones, choose layout design rooms and metric dimensions, OK. The room layout "
         "opens.");
    AnswerNew("Jones", kStartRoomsRadio);
    Says("Confirm the thickness of the internal walls that the rooms will get.");
    pl::script::AnswerDialog(kRoomPartitionDialogId, {{{}, IDOK}});
    Says("The new design room dialog asks for the first room: room name LOUNGE, horizontal size 5000, "
         "vertical size 4200, OK. The room appears at the lower left of the window.");
    AnswerRoom("LOUNGE", "5000", "4200");
    Command(cmd::kFileNew);
    ASSERT_EQ(CurrentView, kRoomLayout);
    ASSERT_EQ(Count(kDesignRoom), 1);
    // Room positions below are taken from the spot where new rooms appear.
    const TObject lounge = Objects(kDesignRoom)[0];
    const POINT s{lounge.x1, lounge.y2};
    const TPoint shown = PixelOf(s.x, s.y);
    EXPECT_LT(shown.x, View()->width() / 4);
    EXPECT_GT(shown.y, View()->height() * 3 / 4);
    Says("There is no grid yet: the layout grid frames the rooms once two of them stand away from that "
         "new-room spot (Insert switches the grid off and on).");
    EXPECT_EQ(GridPixelsOnScreen(), 0);
    Key(Qt::Key_Insert);
    Key(Qt::Key_Insert);
    EXPECT_EQ(GridPixelsOnScreen(), 0);

    Says(
        "Design Rooms > New DESIGN Room for each further room (horizontal by vertical size): KITCHEN 3600 by "
        "3000, BED 1 3600 by 3400, BATH 2400 by 2000.");
    Says("After a new room, press the left button inside a room and drag it against its neighbour. A room "
         "let go less than the DESIGN Room Merge distance off its neighbour on both axes (100 mm unless you "
         "change it: less than 4 pixels at the scale the drawing opens with) is pulled into line, a "
         "partition apart; let go 4 pixels off or more on either axis, it stays where you let go.");
    Says(
        "Where the new room lies on an older one, the press takes the older room: drag that one away and the "
        "new room stays at the lower left.");
    const auto dragRoom = [&](int32_t x, int32_t y, int32_t dx, int32_t dy) {
        Settle();
        Drag(PixelOf(s.x + x, s.y + y), PixelOf(s.x + x + dx, s.y + y + dy));
    };
    AnswerRoom("KITCHEN", "3600", "3000");
    Command(cmd::kNewDesignRoom);
    EXPECT_EQ(PixelOf(s.x + 100, s.y).x - shown.x, 4) << "the merge distance on the screen";
    // The lounge is let go 5 pixels right of the kitchen's right side, then 2 pixels back.
    Settle();
    const TPoint taken = PixelOf(s.x + 4500, s.y + 3800);
    const TPoint fiveOff(taken.x + PixelOf(s.x + 3600, s.y).x + 5 - shown.x, taken.y);
    Drag(taken, fiveOff);
    const int32_t fiveOffX = Objects(kDesignRoom)[0].x1;
    EXPECT_GT(fiveOffX, s.x + 3600 + 100) << "not pulled";
    EXPECT_EQ(fiveOffX - s.x, DrawingAt(fiveOff).x - DrawingAt(taken).x) << "left where it was let go";
    Settle();
    Drag(fiveOff, TPoint(fiveOff.x - 2, fiveOff.y));
    EXPECT_EQ(Objects(kDesignRoom)[0].x1, s.x + 3700) << "3 pixels off: pulled";
    AnswerRoom("BED 1", "3600", "3400");
    Command(cmd::kNewDesignRoom);
    dragRoom(1800, 3200, 0, 3900);
    AnswerRoom("BATH", "2400", "2000");
    Command(cmd::kNewDesignRoom);
    dragRoom(3000, 2500, 3700, 4300);
    EXPECT_GT(GridPixelsOnScreen(), 0);
    const auto rooms = Objects(kDesignRoom);
    ASSERT_EQ(rooms.size(), 4u);
    EXPECT_EQ(rooms[0].x1, s.x + 3700) << "the lounge is pulled into line a partition away";
    EXPECT_EQ(rooms[1].y2, s.y + 4300) << "the kitchen sits on the lounge";

    Says("Dragging a room with the right button instead lines it up with the outer edges of the other rooms "
         "when it is let go less than the same distance off them");
    Settle();
    const TPoint bath = PixelOf(s.x + 300, s.y + 300);
    RightDrag(bath, TPoint(bath.x + 3, bath.y));
    EXPECT_EQ(Objects(kDesignRoom)[3].x1, s.x) << "back in line with the bedroom's left side";

    Says(
        "Expand Room or Shrink Room: click a room, then press the arrow key of the side to move and type the "
        "distance.");
    // Expanding makes the group a rectangle, 8700 by 7300.
    const auto expand = [&](int32_t x, int32_t y, int key, const char* distance) {
        Command(cmd::kExpandRoom);
        ClickAt(s.x + x, s.y + y);
        Arrow(key, distance);
    };
    expand(1000, 1000, Qt::Key_Up, "1800");
    expand(1000, 1000, Qt::Key_Right, "1200");
    expand(5000, 5000, Qt::Key_Right, "1400");
    EXPECT_EQ(Objects(kDesignRoom)[3].x2, s.x + 3600);
    EXPECT_EQ(Objects(kDesignRoom)[3].y1, s.y + 3800);
    EXPECT_EQ(Objects(kDesignRoom)[1].x2, s.x + 8700);

    Says("Design Rooms > Mark External Walls on LAYOUT; choose the wall construction.");
    pl::script::AnswerDialog(kPlanDialogId, {{{{kPlanCavity275, "1"}}, IDOK}});
    Command(cmd::kMarkExternalWalls);
    Says(
        "Press Enter on each outside corner of the group of rooms, going clockwise; the arrow keys fine-tune "
        "the cursor. When you are back at the first corner the outline becomes external walls on the ground "
        "floor and the rooms are finished with their walls, names and sizes.");
    for (const POINT corner :
         {POINT{0, 7300}, POINT{8700, 7300}, POINT{8700, 0}, POINT{0, 0}, POINT{0, 7300}})
        EnterAt(s.x + corner.x, s.y + corner.y);
    EXPECT_EQ(CurrentView, kGroundFloor);
    EXPECT_EQ(Count(kExtWall), 4);
    EXPECT_EQ(Count(kFinishedRoom), 4);
    const std::string drawing = dir.ReadFile("DWGS/Jones.DB0");
    for (const char* name : {"LOUNGE", "KITCHEN", "BED 1", "BATH"})
        EXPECT_NE(drawing.find(name), std::string::npos) << name;
    EXPECT_TRUE(Shown("caption=\"External Area\""));

    Says("Put in doors and windows as in Example 1.");
    // The walls stand on the ground floor's own coordinates, outside the marked corners.
    TObject front = Objects(kExtWall)[0];
    for (const TObject& wall : Objects(kExtWall))
        if (wall.y1 == wall.y2 && wall.y1 < front.y1) front = wall;
    AnswerHingedDoor("820", 5);
    Command(cmd::kDoors);
    EnterAt((front.x1 + front.x2) / 2, front.y1 + 137);
    EXPECT_EQ(Count(kArc), 1) << ui.Log();
}

TEST_F(WorkedExample, TwoStoreysInFeetAndInches) {
    GroundFloor();
    if (HasFatalFailure()) return;
    // Internal walls, doors and windows are played in the first example.

    Says("Views > First Floor. Leaving a floor with changes not yet saved first asks Do you wish to save the "
         "drawing changes?: answer YES. The question Will the outside dimensions be the same as the ground "
         "floor? appears: answer Yes. Choose the wall construction of the upper floor; the outside walls of "
         "the "
         "ground floor are copied up and dimensioned.");
    pl::script::AnswerDialog(kSaveQuestionDialogId, {{{}, IDOK}});
    pl::script::AnswerMessageBox(IDYES);
    pl::script::AnswerDialog(kPlanImpDialogId, {{{{kPlanImpCavity264, "1"}}, IDOK}});
    Command(cmd::kFirstFloor);
    EXPECT_TRUE(Shown("Will the outside dimensions be the same as the ground floor?")) << ui.Log();
    EXPECT_EQ(CurrentView, kFirstFloor);
    EXPECT_EQ(CountOn(kFirstFloor, kExtWall), 4);
    EXPECT_EQ(CountOn(kFirstFloor, kAutoDimensionText), 4);

    Says("Add the upper rooms' internal walls.");
    TObject back{};
    for (const TObject& w : Objects(kExtWall))
        if (w.view == kFirstFloor && w.y1 == w.y2 && w.y1 > back.y1) back = w;
    pl::script::AnswerDialog(kPartitionImpDialogId, {{{}, IDOK}});
    Command(cmd::kInternalWall);
    EnterAt(back.x1 + 4000, back.y1 - 264);
    Wall(Qt::Key_Down, "12", "0", "0", "0");
    EXPECT_EQ(CountOn(kFirstFloor, kIntWall), 1) << ui.Log();

    Says(
        "Views > Ground Floor, then Other > Stairs...: the lower of the two floors must be showing. Give the "
        "stair sizes and place the stairs.");
    pl::script::AnswerDialog(kSaveQuestionDialogId, {{{}, IDOK}}); // leaving a floor with changes, as above
    Command(cmd::kGroundFloor);
    ASSERT_EQ(CurrentView, kGroundFloor);
    pl::script::AnswerDialog(kStairsImpDialogId, {{{}, IDOK}});
    Command(cmd::kStairs);
    const auto walls = Objects(kExtWall);
    EnterAt((walls[0].x1 + walls[0].x2) / 2, walls[0].y1 - 4000);
    EXPECT_GT(CountOn(kGroundFloor, kLine), 0) << "the flight";
    EXPECT_GT(CountOn(kFirstFloor, kLine), 0) << "the stairwell";

    Says("Views > Show Overlays...: tick ground floor and first floor to see one floor over the other; the "
         "highest floor ticked is the one you work on.");
    pl::script::AnswerDialog(kOverlayDialogId, {{{{kOverlayGround, "1"}, {kOverlayFirst, "1"}}, IDOK}});
    Command(cmd::kOverlays);
    EXPECT_EQ(CurrentView, kFirstFloor);

    Says("File > Print...: 1 copy of the ground and of the first floor at scale 96 (1/8 inch to the foot). "
         "After the overlays the print plan views dialog opens with print NO external dimensions ticked: "
         "clear it, or both floors print without their dimensions.");
    PrintToPdf({{kGroundCopies, "1"},
                {kGroundScale, "96"},
                {kFirstCopies, "1"},
                {kFirstScale, "96"},
                {kNoExternalDimensions, "0"}});
    EXPECT_TRUE(Shown("19509=1")) << "ticked as the dialog opens";
    EXPECT_EQ(dir.ReadFile("CFG/PRNTLST.CFG").substr(0, 9), "1 96 1050") << ui.Log();
    EXPECT_TRUE(dir.Exists("plan.pdf"));
    EXPECT_EQ(displaymode::Units(PlanDisplayMode), displaymode::kEverything) << "printed with dimensions";
}

TEST_F(WorkedExample, TwoStoreysUpperOutlineOfItsOwn) {
    GroundFloor();
    if (HasFatalFailure()) return;
    Says(
        "Answering No instead shows the ground floor underneath in the overlay colour (red unless changed in "
        "Customise) so that you can draw a different outline over it: choose the wall construction and the "
        "side of the wall lines, then key the walls as on the ground floor.");
    pl::script::AnswerDialog(kSaveQuestionDialogId, {{{}, IDOK}});
    pl::script::AnswerMessageBox(IDNO);
    pl::script::AnswerDialog(kPlanImpDialogId, {{{{kPlanImpCavity264, "1"}}, IDOK}});
    pl::script::AnswerDialog(kExtSideDialogId, {{{}, IDOK}});
    Command(cmd::kFirstFloor);
    ASSERT_EQ(CurrentView, kFirstFloor);
    EXPECT_TRUE(Shown("GUIDE: Draw external wall outline over lower floor view")) << ui.Log();
    EXPECT_GT(PixelsOnScreen(0xFF0000), 1000) << "the ground floor's walls underneath, red";

    MoveTo(TPoint(101, 100));
    MoveTo(TPoint(100, 100));
    Key(Qt::Key_Return);
    Wall(Qt::Key_Right, "20", "0", "0", "0");
    Wall(Qt::Key_Down, "28", "0", "0", "0");
    Wall(Qt::Key_Left, "20", "0", "0", "0");
    Wall(Qt::Key_Up, "28", "0", "0", "0");
    EXPECT_EQ(CountOn(kFirstFloor, kExtWall), 4) << ui.Log();
    EXPECT_EQ(CountOn(kGroundFloor, kExtWall), 4);
}

} // namespace
