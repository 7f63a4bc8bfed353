// The worked examples of the help pages played as a newcomer plays them: each step's keys, clicks and
// dialog answers in the page's order, then what the page promises the user will see. Every step first
// finds its words in the page, so that an edit of the page that changes a step fails here until the
// step is played again as the page now tells it.
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
#include "resources/dialogs/file_templates.h"
#include "resources/dialogs/fixed_room_templates.h"
#include "resources/dialogs/library_templates.h"
#include "resources/dialogs/opening_templates.h"
#include "resources/dialogs/partition_templates.h"
#include "resources/dialogs/print_templates.h"
#include "resources/dialogs/room_templates.h"
#include "resources/dialogs/wall_templates.h"
#include "tests/shell/input_fixture.h"
#include "tools/tool_kinds.h"

namespace {

using pl::script::DialogStep;

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
    static void AnswerHingedDoor(const char* width, int32_t swing) {
        pl::script::AnswerDialog(
            kExtDoorDialogId,
            {DialogStep{{{kDoorWidthEdit, width}, {kDoorNumberEdit, "1"}, {kDoorHinged, "1"}}, IDOK}});
        pl::script::AnswerDialog(kDoorSwingDialogId, {DialogStep{{{kSwingRadios[swing - 1], "1"}}, IDOK}});
    }
    // File Print with one copy of the ground floor at 1:100, printed into a PDF file.
    void PrintGroundFloor() {
        QPrinter& printer = client->Printer->GetQPrinter();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(dir.File("plan.pdf")));
        pl::script::AnswerPrint(1);
        pl::script::AnswerDialog(kPrintPlanDialogId, {{{{19501, "1"}, {19504, "100"}}, IDOK}});
        Command(cmd::kPrint);
    }

    std::vector<TObject> Objects(int32_t kind) const {
        std::vector<TObject> found;
        for (const auto& o : FileObjects())
            if (o->kind == kind) found.push_back(*o);
        return found;
    }
    int32_t Count(int32_t kind) const { return static_cast<int32_t>(Objects(kind).size()); }
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
    PrintGroundFloor();
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
    PrintGroundFloor();
    EXPECT_TRUE(dir.Exists("plan.pdf"));
}

} // namespace
