// The worked examples of the help pages played as a newcomer plays them: each step's keys, clicks and
// dialog answers in the page's order, then what the page promises the user will see. Every step first
// finds its words in the page, so that an edit of the page that changes a step fails here until the
// step is played again as the page now tells it.
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <QCoreApplication>
#include <QPrinter>
#include <QString>
#include <QTextDocumentFragment>
#include <sstream>

#include "document/program_state.h"
#include "platform/printer.h"
#include "platform/test_script.h"
#include "resources/command_ids.h"
#include "resources/dialogs/display_templates.h"
#include "resources/dialogs/feet_template.h"
#include "resources/dialogs/file_templates.h"
#include "resources/dialogs/fixed_room_templates.h"
#include "resources/dialogs/library_templates.h"
#include "resources/dialogs/opening_templates.h"
#include "resources/dialogs/partition_templates.h"
#include "resources/dialogs/print_templates.h"
#include "resources/dialogs/room_templates.h"
#include "resources/dialogs/stairs_templates.h"
#include "resources/dialogs/tool_dialog_templates.h"
#include "resources/dialogs/wall_templates.h"
#include "tests/shell/input_fixture.h"
#include "tools/tool_kinds.h"

namespace {

using pl::script::DialogStep;

// The copies and scale of the ground and first floor in the print plan views dialog.
constexpr int32_t kGroundCopies = 19501, kFirstCopies = 19502, kGroundScale = 19504, kFirstScale = 19505;

// A page's text as the help window shows it, blanks collapsed.
QString PageText(const std::string& page) {
    std::ifstream in(std::string(TREVALYN_DATA_DIR) + "/help/" + page, std::ios::binary);
    std::ostringstream html;
    html << in.rdbuf();
    return QTextDocumentFragment::fromHtml(QString::fromLatin1(html.str())).toPlainText().simplified();
}

class WorkedExample : public InputTest {
protected:
    void Play(const std::string& page) {
        page_ = page;
        text_ = PageText(page);
        ASSERT_FALSE(text_.isEmpty()) << page;
    }
    // The step about to be played is still the page's.
    void Says(const char* words) const {
        EXPECT_TRUE(text_.contains(QString::fromLatin1(words).simplified()))
            << page_ << " no longer says: " << words;
    }

    // A menu command or button; a drawing window it opens becomes the one the keys go to.
    void Command(int32_t id) {
        client->ProcessCommand(id);
        if (TChild* active = client->ActiveDrawingWindow()) child = active;
        Settle();
    }
    // The repaints the window still owes are done, as they are by the time a person acts again.
    void Settle() {
        if (child) child->UpdateWindow();
        QCoreApplication::processEvents();
    }
    static void AnswerNew(const char* name, int32_t startRadio) {
        pl::script::AnswerDialog(kNewDrawingDialogId,
                                 {{{{kNewNameEdit, name}, {startRadio, "1"}, {kNewMetricRadio, "1"}}, IDOK}});
    }
    void EnterAt(int32_t x, int32_t y) {
        Settle();
        const TPoint at = PixelOf(x, y);
        MoveTo(TPoint(at.x + 1, at.y));
        MoveTo(at);
        Key(Qt::Key_Return);
    }
    void ClickAt(int32_t x, int32_t y) {
        Settle();
        Click(PixelOf(x, y));
    }
    void Arrow(int qtKey, const char* length) {
        pl::script::AnswerInput(length);
        Key(qtKey);
    }
    // Enter at a pixel of the empty sheet, then the walls keyed round; the first corner as stored.
    POINT KeyOutline(std::initializer_list<std::pair<int, const char*>> walls) {
        MoveTo(TPoint(101, 100));
        MoveTo(TPoint(100, 100));
        Key(Qt::Key_Return);
        for (const auto& [key, length] : walls)
            Arrow(key, length);
        const auto first = Objects(kExtWall);
        return first.empty() ? POINT{} : POINT{first[0].x1, first[0].y1};
    }
    // The quick start's building, 12 by 8 metres of cavity brick: its top left corner as stored.
    POINT NewBuilding() {
        AnswerNew("SMITH", kStartWallsRadio);
        pl::script::AnswerDialog(kPlanDialogId, {{{{kPlanCavity275, "1"}}, IDOK}});
        pl::script::AnswerDialog(kExtSideDialogId, {{{}, IDOK}});
        Command(cmd::kFileNew);
        EXPECT_NE(child, nullptr);
        if (!child) return {};
        const POINT corner = KeyOutline({{Qt::Key_Right, "12000"},
                                         {Qt::Key_Down, "8000"},
                                         {Qt::Key_Left, "12000"},
                                         {Qt::Key_Up, "8000"}});
        Settle();
        return corner;
    }
    // The cursor distance box as last shown.
    std::string ReadOut() const {
        const std::string log = ui.Log();
        const size_t at = log.rfind("TextGadget 16 \"");
        if (at == std::string::npos) return {};
        const size_t from = at + 15;
        return log.substr(from, log.find('"', from) - from);
    }
    static void AnswerRoom(const char* name, const char* width, const char* length) {
        const int32_t base = kNewRoomDialogId;
        pl::script::AnswerDialog(base, {DialogStep{{{base + roomdlg::kName, name},
                                                    {base + roomdlg::kHorizontal, width},
                                                    {base + roomdlg::kVertical, length}},
                                                   IDOK}});
    }
    static void AnswerHingedDoor(const char* width, int32_t swing) {
        pl::script::AnswerDialog(
            kExtDoorDialogId,
            {DialogStep{{{kDoorWidthEdit, width}, {kDoorNumberEdit, "1"}, {kDoorHinged, "1"}}, IDOK}});
        pl::script::AnswerDialog(kDoorSwingDialogId, {DialogStep{{{kSwingRadios[swing - 1], "1"}}, IDOK}});
    }
    // File Print with the print plan views dialog answered (copies and scale of each floor), printed into
    // a PDF file.
    void PrintToPdf(std::vector<std::pair<int32_t, std::string>> copiesAndScales) {
        QPrinter& printer = client->Printer->GetQPrinter();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(dir.File("plan.pdf")));
        pl::script::AnswerPrint(1);
        pl::script::AnswerDialog(kPrintPlanDialogId, {{std::move(copiesAndScales), IDOK}});
        Command(cmd::kPrint);
    }

    std::vector<TObject> Objects(int32_t kind) const {
        std::vector<TObject> found;
        for (const auto& o : FileObjects())
            if (o->kind == kind) found.push_back(*o);
        return found;
    }
    int32_t Count(int32_t kind) const { return static_cast<int32_t>(Objects(kind).size()); }
    int32_t CountOn(int32_t view, int32_t kind) const {
        int32_t n = 0;
        for (const TObject& o : Objects(kind))
            n += o.view == view;
        return n;
    }
    bool Shown(const std::string& text) const { return ui.LogContains(text); }
    int32_t ToolKind() const { return client->Tool ? client->Tool->Kind : 0; }

    std::string page_;
    QString text_;
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
    KeyOutline({{Qt::Key_Right, "12000"}});
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

    Says(
        "Walls & Base > Draw Internal Wall: confirm the wall thickness, move the cursor onto the inside face "
        "of an external wall, press Enter, then an arrow key for the direction and type the length.");
    pl::script::AnswerDialog(kPartitionDialogId, {{{}, IDOK}});
    Command(cmd::kInternalWall);
    EnterAt(c.x + 6000, c.y - 275);
    Arrow(Qt::Key_Down, "7450");
    EXPECT_EQ(Count(kIntWall), 1);

    Says("Doors/Openings: choose hinged doors, the door width and the number of doors, OK. The doors dialog "
         "offers the top left swing picture, which fits a side wall: press OK, move the cursor onto the left "
         "wall, between its lines, and press Enter.");
    pl::script::AnswerDialog(kExtDoorDialogId, {{{{kDoorHinged, "1"}}, IDOK}});
    pl::script::AnswerDialog(kDoorSwingDialogId, {{{}, IDOK}});
    Command(cmd::kDoors);
    EnterAt(c.x + 137, c.y - 4000);
    EXPECT_FALSE(Shown("No wall marked"));
    EXPECT_EQ(Count(kArc), 1) << "the door's swing";

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
    Key(Qt::Key_Return);
    const TObject placed = *FileObjects()[3];
    EXPECT_NEAR(placed.x1, to.x, 50); // two pixels
    EXPECT_NEAR(placed.y1, to.y, 50);

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

TEST_F(WorkedExample, DoorSwingsFitTheirWalls) {
    Play("windoor.htm");
    Says("The pictures of the two left-hand columns show a wall running up and down the sheet: they fit the "
         "vertical walls, such as the side walls of a building. The pictures of the two right-hand columns "
         "show "
         "a wall running across: they fit the horizontal walls, such as the front and back walls.");
    Says("No wall marked (caption Marking Error - Please Retry) means that nothing was placed");
    Says("OK ends the function");
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
}

TEST_F(WorkedExample, TextAtEachClick) {
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

TEST_F(WorkedExample, DatumSetWithThePickTool) {
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
    Says(
        "After a new room, press the left button inside a room and drag it against its neighbour. Rooms that "
        "are dropped close to each other are pulled into line, a partition apart.");
    Says(
        "Where the new room lies on an older one, the press takes the older room: drag that one away and the "
        "new room stays at the lower left.");
    const auto dragRoom = [&](int32_t x, int32_t y, int32_t dx, int32_t dy) {
        Settle();
        Drag(PixelOf(s.x + x, s.y + y), PixelOf(s.x + x + dx, s.y + y + dy));
    };
    AnswerRoom("KITCHEN", "3600", "3000");
    Command(cmd::kNewDesignRoom);
    dragRoom(4500, 3800, 3600, 0);
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
    Play("example3.htm");
    Says("File > New..., title Brown, drawing external walls, dimensions in feet & inches, OK. Choose cavity "
         "brick, 11 inch thick, 4 lines.");
    pl::script::AnswerDialog(
        kNewDrawingDialogId,
        {{{{kNewNameEdit, "Brown"}, {kStartWallsRadio, "1"}, {kNewImperialRadio, "1"}}, IDOK}});
    pl::script::AnswerDialog(kPlanImpDialogId, {{{{kPlanImpCavity264, "1"}}, IDOK}});
    pl::script::AnswerDialog(kExtSideDialogId, {{{}, IDOK}});
    Command(cmd::kFileNew);
    ASSERT_NE(child, nullptr);

    Says(
        "Press Enter on the first corner. For each wall press the arrow key; the measurement dialog asks for "
        "feet, inches and a fraction. For 40 feet 6 1/2 inches type 40, 6, 1 and 2.");
    Says("Draw four walls: 40' 6 1/2'' right, 28' down, 40' 6 1/2'' left, 28' up. The outline closes.");
    const auto wall = [&](int key, const char* feet, const char* inches, const char* numerator,
                          const char* denominator) {
        pl::script::AnswerDialog(kFeetDialogId, {DialogStep{{{kFeetEditId, feet},
                                                             {kInchesEditId, inches},
                                                             {kNumeratorEditId, numerator},
                                                             {kDenominatorEditId, denominator}},
                                                            IDOK}});
        Key(key);
    };
    MoveTo(TPoint(101, 100));
    MoveTo(TPoint(100, 100));
    Key(Qt::Key_Return);
    wall(Qt::Key_Right, "40", "6", "1", "2");
    wall(Qt::Key_Down, "28", "0", "0", "0");
    wall(Qt::Key_Left, "40", "6", "1", "2");
    wall(Qt::Key_Up, "28", "0", "0", "0");
    ASSERT_EQ(CountOn(kGroundFloor, kExtWall), 4) << ui.Log();
    EXPECT_TRUE(Shown("Total Building Area this floor: 1135 sq. feet"));
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
    // The other answer, No, and the upper rooms' walls are not played.

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

    Says("File > Print...: 1 copy of the ground and of the first floor at scale 96 (1/8 inch to the foot).");
    PrintToPdf({{kGroundCopies, "1"}, {kGroundScale, "96"}, {kFirstCopies, "1"}, {kFirstScale, "96"}});
    EXPECT_EQ(dir.ReadFile("CFG/PRNTLST.CFG").substr(0, 9), "1 96 1050") << ui.Log();
    EXPECT_TRUE(dir.Exists("plan.pdf"));
}

TEST_F(WorkedExample, InternalWallsByKeys) {
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

    // Walls at an angle and closing an end with keypad + are not played.
}

TEST_F(WorkedExample, ManualDimensionAndStairsOfOneFloor) {
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

TEST_F(WorkedExample, Multilines) {
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

TEST_F(WorkedExample, ArcByItsHeight) {
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

TEST_F(WorkedExample, ZoomUpOnADraggedArea) {
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

TEST_F(WorkedExample, MoveASelection) {
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

TEST_F(WorkedExample, ExpandTheBase) {
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

TEST_F(WorkedExample, ExternalWallOutline) {
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

TEST_F(WorkedExample, FixedRoomMadeAndAltered) {
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
    Says("Choose FINISH Design Rooms to fix it again.");
    Command(cmd::kFinishDesignRooms);
    EXPECT_EQ(Count(kFinishedRoom), 1) << ui.Log();
}

} // namespace
