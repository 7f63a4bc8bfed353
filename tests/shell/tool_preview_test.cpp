// A tool's preview (band, outline, cross-hair, typed letters, a selection moved but not placed) never
// outlives the tool: another command chosen while it shows, after a full repaint and a further move
// during the drag, leaves what a full repaint shows. A command that keeps the tool keeps what waits
// for Enter, shown as a full repaint shows it.
#include <QCoreApplication>
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <deque>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "document/program_state.h"
#include "editing/centre_drawing.h"
#include "platform/detail/client_view.h"
#include "platform/gadget_window.h"
#include "platform/gadgets.h"
#include "platform/test_script.h"
#include "resources/command_ids.h"
#include "resources/command_texts.h"
#include "resources/dialogs/library_templates.h"
#include "resources/dialogs/opening_templates.h"
#include "resources/dialogs/partition_templates.h"
#include "resources/dialogs/stairs_templates.h"
#include "resources/dialogs/tool_dialog_templates.h"
#include "resources/main_menu.h"
#include "tests/platform/pixel_probe.h"
#include "tests/shell/drawing_window_fixture.h"
#include "tests/shell/input_fixture.h"
#include "tests/support/working_file_copy.h"
#include "tools/move_tool.h"

namespace {

using pl::script::DialogStep;

class PreviewOfAnEndingTool;

struct PreviewCase {
    const char* name;
    void (PreviewOfAnEndingTool::*start)();
    int32_t view = kGroundFloor;
    // Lets go of a button the row still holds when the test is over.
    void (PreviewOfAnEndingTool::*letGo)() = nullptr;
    // Instead of Tools > Line, a command that leaves the tool current, on a drawing of one floor.
    int32_t keepingCommand = 0;
    // A paste or symbol, placed where the user put it however the tool ends.
    bool stays = false;
    // The command whose tool the row holds, chosen with its dialogs closed as Cancel closes them.
    int32_t command = 0;
    // Nothing drawn on the view: nothing to fit, nothing to centre.
    bool bare = false;
    // A site plan left where drawn: the first zoom centres it, and what the tool holds, on the sheet.
    bool offCentre = false;
};

class PreviewOfAnEndingTool : public InputTest, public ::testing::WithParamInterface<PreviewCase> {
public:
    // A partition keyed down from a point, then the band from its end to the pointer.
    void InternalWallBand() {
        pl::script::AnswerDialog(kPartitionDialogId,
                                 {DialogStep{{{kPartitionThickness, "100"}, {kPartitionRight, "1"}}, IDOK}});
        client->ProcessCommand(cmd::kInternalWall);
        EnterAt(TPoint(200, 100));
        pl::script::AnswerInput("1000");
        Key(Qt::Key_Down);
    }
    void DoorSwing() {
        pl::script::AnswerDialog(
            kExtDoorDialogId,
            {DialogStep{{{kDoorWidthEdit, "800"}, {kDoorNumberEdit, "1"}, {kDoorHinged, "1"}}, IDOK}});
        pl::script::AnswerDialog(kDoorSwingDialogId, {DialogStep{{{kSwingRadios[1], "1"}}, IDOK}});
        client->ProcessCommand(cmd::kDoors);
    }
    void StairsOutline() {
        pl::script::AnswerDialog(
            kStairsDialogId, {DialogStep{{{stairsdlg::kWidth, "900"}, {stairsdlg::kStorey, "2600"}}, IDOK}});
        client->ProcessCommand(cmd::kStairs);
    }
    void MultilineModelBand() {
        pl::script::AnswerInput("3");
        client->ProcessCommand(cmd::kMultiline);
        EnterAt(TPoint(100, 300));
    }
    void ExpandBaseCrosshair() {
        client->ProcessCommand(cmd::kExpandBase);
        Key(Qt::Key_Right);
    }
    // Letters typed to the right of a click, down the sheet, are drawn in ink until Enter makes them a text.
    void TypedText() { TypedTextIn(tooldlg::kVertical); }
    void TypedLevelText() { TypedTextIn(tooldlg::kHorizontal); }
    void TypedTextIn(int32_t direction) {
        pl::script::AnswerDialog(kTextDetailsDialogId,
                                 {DialogStep{{{tooldlg::kToRight, "1"}, {direction, "1"}}, IDOK}});
        client->ProcessCommand(cmd::kText);
        Click(TPoint(180, 220));
        QTest::keyClicks(View(), "ABCDEF");
    }
    void OutlineKeyed() {
        dir.WriteFile("CFG/EXTWALLM.CFG", "110 55 110 25 2550 2400 2400 0 0 0");
        client->RestoreTool(toolkind::kExtWall);
        client->Tool->PickKind = 1;
        EnterAt(TPoint(100, 300));
        pl::script::AnswerInput("3000");
        Key(Qt::Key_Up);
    }
    void LabelledLineKeyed() {
        pl::script::AnswerDialog(kLineStyleDialogId, {DialogStep{{{tooldlg::kDashedThin, "1"}}, IDOK}});
        client->ProcessCommand(cmd::kToolLineStyle);
        client->ProcessCommand(cmd::kLineText);
        EnterAt(TPoint(150, 150));
        pl::script::AnswerInput("6000");
        pl::script::AnswerDialog(2690, {DialogStep{{{2691, "ROAD"}}, IDOK}});
        Key(Qt::Key_Right);
        // The label of a line the next Enter may go on with.
        pl::script::AnswerDialog(2690, {DialogStep{{}, IDCANCEL}});
    }
    // With a wall whose face the second point snaps onto, whatever the zoom.
    void DimensionFromItsFirstPoint() {
        AddWall(TPoint(260, 0), TPoint(260, 700));
        wall = {ObjectList[ObjectList.count - 1]->x1, DrawingAt(TPoint(150, 150)).y};
        ShapeFromItsFirstPoint(cmd::kManualDimension);
    }
    void RectangleFromItsFirstCorner() { ShapeWithAWidth(cmd::kRectangle); }
    void RoundRectFromItsFirstCorner() {
        pl::script::AnswerInput("50");
        ShapeWithAWidth(cmd::kRoundRect);
    }
    void ShapeWithAWidth(int32_t command) {
        ShapeFromItsFirstPoint(command);
        pl::script::AnswerInput("2000");
        Key(Qt::Key_Right);
        MoveTo(TPoint(250, 200));
    }
    void Up1500() {
        pl::script::AnswerInput("1500");
        Key(Qt::Key_Up);
    }
    void EnterAtTheWall() {
        MoveTo(PixelOf(wall.x, wall.y));
        pl::script::AnswerInput("3000");
        Key(Qt::Key_Return);
    }
    void EllipseFromItsFirstPoint() { ShapeFromItsFirstPoint(cmd::kEllipse); }
    void EraseChosen() { client->ProcessCommand(cmd::kErase); }
    void ShapeFromItsFirstPoint(int32_t command) {
        client->ProcessCommand(command);
        EnterAt(TPoint(150, 150));
        finish = command == cmd::kManualDimension ? &PreviewOfAnEndingTool::EnterAtTheWall
                                                  : &PreviewOfAnEndingTool::Up1500;
    }
    void LibrarySymbolMoved() {
        pl::script::AnswerDialog(kLibraryListDialogId, {DialogStep{{{kLibraryListBoxId, "WC"}}, IDOK}});
        client->ProcessCommand(cmd::kLibraryPlumbing);
        Click(PixelOf(ObjectList[ObjectList.count - 1]->x1, ObjectList[ObjectList.count - 1]->y1));
        Click(TPoint(230, 150));
    }
    void SelectionMoved() {
        AddLineToMove();
        client->ProcessCommand(cmd::kMoveRotate);
        Drag(TPoint(150, 100), TPoint(250, 200));
        MoveByClicks();
    }
    void PasteMoved() {
        AddLineToMove();
        client->ProcessCommand(cmd::kCopy);
        Drag(TPoint(150, 100), TPoint(250, 200));
        client->ProcessCommand(cmd::kPaste);
        MoveByClicks();
    }
    // The selection rectangle: the window runs the rest while the left button is held.
    void MoveToolBand() {
        client->ProcessCommand(cmd::kMoveRotate);
        QTimer::singleShot(0, View(), [this] {
            RepaintMoveAndChooseLine();
            QTest::mouseRelease(View(), Qt::LeftButton, {}, QPoint(340, 280));
        });
        QTest::mousePress(View(), Qt::LeftButton, {}, QPoint(150, 100));
        QCoreApplication::processEvents();
    }
    // A design room dragged by the right button: its outline follows the pointer.
    void DesignRoomOutline() {
        const POINT low = DrawingAt(TPoint(150, 250)), high = DrawingAt(TPoint(300, 120));
        ObjectList.Add(std::make_unique<TRoomobj>(kRoomLayout, kDesignRoom, 1, 0, 10002, 10002, low.x, 0,
                                                  high.x, 0, high.y, low.y, 0, 2, 10, high.x - low.x,
                                                  high.y - low.y, 0, "room", "", ""));
        ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
        child->Invalidate(true);
        child->UpdateWindow();
        QTest::mousePress(View(), Qt::RightButton, {}, QPoint(170, 230));
    }
    // Move Design Room, the room taken by a click and moved one step by an arrow and a length.
    void DesignRoomMovedByStep() {
        DesignRoomOutline();
        LetGoOfRight();
        client->ProcessCommand(cmd::kMoveRoom);
        Click(TPoint(170, 230));
        pl::script::AnswerInput("500");
        Key(Qt::Key_Right);
    }
    void LetGoOfRight() { QTest::mouseRelease(View(), Qt::RightButton, {}, QPoint(340, 280)); }

    // The tool of the row's command, on a drawing of a wall and a line; its dialogs are closed
    // unanswered, as Cancel closes them.
    void ChosenByItsCommand() {
        client->ProcessCommand(GetParam().command);
        pl::script::Reset();
    }

protected:
    // Also after a failed expectation: a button left down would reach the next test's moves.
    void TearDown() override {
        if (GetParam().letGo && child) (this->*GetParam().letGo)();
        InputTest::TearDown();
    }
    void EnterAt(const TPoint& at) {
        MoveTo(TPoint(at.x + 1, at.y));
        MoveTo(at);
        Key(Qt::Key_Return);
    }
    // The row's tool in a fresh window, as the test began, with a floor to fit the view to.
    void Restart() {
        client->CloseChildren();
        QCoreApplication::processEvents();
        ResetGlobals();
        ObjectList.ProgramDirectory = dir.Path();
        MetricUnits = 1;
        CurrentView = GetParam().view;
        std::vector<std::unique_ptr<TObject>> objects;
        objects.push_back(inputs::Line(1000, 1000, 5000, 1000, kFirstFloor));
        Open(std::move(objects));
        if (!GetParam().bare) AddWall(TPoint(20, 20), TPoint(400, 20));
        (this->*GetParam().start)();
    }
    void AddWall(const TPoint& from, const TPoint& to) {
        const POINT a = DrawingAt(from), b = DrawingAt(to);
        ObjectList.Add(make::ExtWall(CurrentView, a.x, a.y, b.x, b.y));
        // The site plan as the program shows it, centred on the sheet.
        if (CurrentView == kSitePlan && !GetParam().offCentre) CentreDrawing(*client->Tool, kSitePlan);
        ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
        child->Invalidate(true);
        child->UpdateWindow();
    }
    // The file the row's finishing keys leave.
    std::string Finished() {
        (this->*finish)();
        if (!GetParam().offCentre)
            return dir.ReadFile("DWGS/" + std::string(ObjectList.DrawingName) + ".DB0");
        // Where the drawing lies on the sheet is the centring's: what was made is told from the wall.
        std::string made;
        const auto [x, y] = FirstPointOfView();
        for (const auto& o : FileObjects())
            if (o->view == CurrentView)
                for (const int32_t v : {o->kind, o->x1 - x, o->y1 - y, o->x2 - x, o->y2 - y})
                    made += std::to_string(v) + " ";
        return made;
    }
    // With the preview shown: a move, a full repaint, a further move, then another command.
    void RepaintMoveAndChooseLine() {
        MoveTo(TPoint(320, 260));
        child->Invalidate(true);
        child->UpdateWindow();
        repainted = child->BackBuffer()->copy();
        MoveTo(TPoint(340, 280));
        client->ProcessCommand(cmd::kLine);
        child->UpdateWindow();
        shown = child->BackBuffer()->copy();
    }
    // Where the view's first object stands.
    static POINT FirstPointOfView() {
        for (int32_t i = 0; i < ObjectList.count; ++i)
            if (const TObject* o = ObjectList[i]; o && o->view == CurrentView && o->kind < kFloorRecord)
                return {o->x1, o->y1};
        return {};
    }
    // A ground-floor line across the pixel square (150, 100)-(250, 200).
    void AddLineToMove() {
        const POINT a = DrawingAt(TPoint(160, 190)), b = DrawingAt(TPoint(240, 110));
        ObjectList.Add(inputs::Line(a.x, a.y, b.x, b.y));
        ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
        child->Invalidate(true);
        child->UpdateWindow();
    }
    // The selection's reference point and its new place, clicked; no Enter places it.
    void MoveByClicks() {
        Click(TPoint(160, 190));
        Click(TPoint(230, 150));
    }

    QImage repainted; // the full repaint during the drag
    QImage shown;     // the window once the other command is chosen
    POINT wall{};     // a point on the face of the last wall added
    // Keys that finish what the tool holds: after any zoom or scroll they make what they make with none.
    void (PreviewOfAnEndingTool::*finish)() = nullptr;
};

// Tools that hold something without drawing it: swept against the zooms and scroll bars.
const PreviewCase kHeldUnseen[] = {
    {"OutlineKeyed", &PreviewOfAnEndingTool::OutlineKeyed},
    {"LabelledLineKeyed", &PreviewOfAnEndingTool::LabelledLineKeyed, kSitePlan},
    {"DimensionFromItsFirstPoint", &PreviewOfAnEndingTool::DimensionFromItsFirstPoint},
    {"RectangleFromItsFirstCorner", &PreviewOfAnEndingTool::RectangleFromItsFirstCorner},
    {"DesignRoomMovedByStep", &PreviewOfAnEndingTool::DesignRoomMovedByStep, kRoomLayout},
    {"RoundRectFromItsFirstCorner", &PreviewOfAnEndingTool::RoundRectFromItsFirstCorner},
    {"EllipseFromItsFirstPoint", &PreviewOfAnEndingTool::EllipseFromItsFirstPoint},
    {"EraseChosen", &PreviewOfAnEndingTool::EraseChosen},
    {"DimensionOnTheSitePlanFromItsFirstPoint", &PreviewOfAnEndingTool::DimensionFromItsFirstPoint,
     kSitePlan},
    {"RectangleOnTheSitePlan", &PreviewOfAnEndingTool::RectangleFromItsFirstCorner, kSitePlan},
    {.name = "RectangleOnAnEmptySitePlan",
     .start = &PreviewOfAnEndingTool::RectangleFromItsFirstCorner,
     .view = kSitePlan,
     .bare = true},
    {.name = "EllipseOnAnEmptyFloor",
     .start = &PreviewOfAnEndingTool::EllipseFromItsFirstPoint,
     .bare = true},
    {.name = "RectangleOnAnOffCentreSitePlan",
     .start = &PreviewOfAnEndingTool::RectangleFromItsFirstCorner,
     .view = kSitePlan,
     .offCentre = true},
    {.name = "EllipseOnAnOffCentreSitePlan",
     .start = &PreviewOfAnEndingTool::EllipseFromItsFirstPoint,
     .view = kSitePlan,
     .offCentre = true},
};

TEST_P(PreviewOfAnEndingTool, GoesWithTheToolWhenAnotherCommandIsChosen) {
    // Something on the floor above, for the stairs.
    std::vector<std::unique_ptr<TObject>> objects;
    objects.push_back(inputs::Line(1000, 1000, 5000, 1000, kFirstFloor));
    CurrentView = GetParam().view;
    const int32_t keeping = GetParam().keepingCommand;
    Open(keeping ? decltype(objects){} : std::move(objects));
    (this->*GetParam().start)();
    std::string unplaced;
    if (keeping) {
        // Again after Tools > Line: a second paste or symbol comes in over the first and wipes it.
        client->ProcessCommand(cmd::kLine);
        child->UpdateWindow();
        (this->*GetParam().start)();
        unplaced = dir.ReadFile("DWGS/HOUSE.DB0");
        client->ProcessCommand(keeping);
        child->UpdateWindow();
        shown = child->BackBuffer()->copy();
    }
    if (shown.isNull()) RepaintMoveAndChooseLine();
    // A paste or symbol stays where the user put it.
    EXPECT_EQ(keeping || pixelprobe::CountDifferent(repainted, shown) > 0, !GetParam().stays) << "preview";

    child->Invalidate(true);
    child->UpdateWindow();
    EXPECT_EQ(pixelprobe::CountDifferent(shown, *child->BackBuffer()), 0);
    if (!keeping) return;
    Key(Qt::Key_Return);
    EXPECT_NE(dir.ReadFile("DWGS/HOUSE.DB0"), unplaced) << "what waited for Enter is lost";
}

// Each zoom and either scroll bar, chosen while the tool holds something, changes the view and
// nothing else: the same tool stays current with every setting and point it held, its name and guide
// on the status bar; the window shows what a full repaint shows; letters, Enter and Enter again
// afterwards write nothing where the user gave no point; letters typed at a click before the zoom
// and after it make one text there; keys that finish what a tool held make what they make with no
// zoom.
class HeldAcrossAZoom : public PreviewOfAnEndingTool {};
constexpr int32_t kZoomUpByAClick = -1; // a click too small to zoom to

TEST_P(HeldAcrossAZoom, IsKeptWholeByEveryZoomAndScroll) {
    const std::vector<int32_t> zooms{cmd::kZoomUp, cmd::kNormalSize, cmd::kHalfSize, cmd::kFitScreen,
                                     SB_HORZ,      SB_VERT,          kZoomUpByAClick};
    std::vector<int32_t> ways = zooms;
    // A paste or symbol waits through every other command too (Undo takes its last object away).
    for (const res::CommandText& c : res::CommandTexts())
        if (GetParam().stays && TClient::HasHandler(c.Id) && c.Id != cmd::kExit && c.Id != cmd::kUndo)
            ways.push_back(c.Id);
    std::string unzoomed; // what the row's finishing keys make with no zoom
    for (size_t n = 0; n < ways.size(); ++n) {
        const int32_t way = ways[n];
        SCOPED_TRACE(way);
        Restart();
        if (finish && unzoomed.empty()) {
            unzoomed = Finished();
            Restart();
        }
        // Everything the tool holds, with what the status bar says of it.
        const auto held = [this](const TDrawingtool& t) {
            return std::tuple(std::string(typeid(t).name()), t.Kind, t.Mode, t.LineStyle, t.PenWidth, t.Count,
                              t.CursorX, t.PickKind, t.Dragging, t.PointPlaced, t.X0, t.Y0, t.X1, t.Y1,
                              std::string(client->ToolGadget->GetText()),
                              std::string(client->StatusBar->GetText()));
        };
        const TDrawingtool* tool = client->Tool.get();
        const auto found = held(*tool);
        // The site plan's centring moves the drawing, and what the tool holds on it, alike.
        const POINT before = FirstPointOfView();
        const int32_t view = CurrentView;
        const POINT low = DrawingAt(TPoint(0, child->GetClientRect().bottom)),
                    high = DrawingAt(TPoint(child->GetClientRect().right, 0)),
                    click = DrawingAt(TPoint(180, 220));
        std::vector<POINT> placed; // where the user put what waits
        const int32_t waiting =
            GetParam().stays ? static_cast<TMoveobjtool&>(*client->Tool).SelectedCount : 0;
        for (int32_t i = ObjectList.count - waiting; i < ObjectList.count; ++i)
            placed.push_back({ObjectList[i]->x1, ObjectList[i]->y1});
        if (way == SB_HORZ || way == SB_VERT)
            child->View()->Bar(way)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        else
            client->ProcessCommand(way == kZoomUpByAClick ? cmd::kZoomUp : way);
        // A room layout refuses Zoom UP: no rectangle follows.
        const bool zoomsUp = CurrentView >= kGroundFloor;
        if (way == cmd::kZoomUp && zoomsUp) Drag(TPoint(100, 100), TPoint(300, 250));
        if (way == kZoomUpByAClick && zoomsUp) {
            Click(TPoint(200, 200)); // no rectangle: Zoom UP waits on, until the next command or key
            EXPECT_STREQ(client->StatusBar->GetText(),
                         "GUIDE: press Left Button, hold down and drag cursor over area to enlarge");
            child->EndZoomWait();
        }
        QCoreApplication::processEvents();
        // A dialog the command opened was closed unanswered, as Cancel closes it.
        if (GetParam().stays) pl::script::Reset();
        if (!(child = client->ActiveDrawingWindow())) continue;
        shown = child->BackBuffer()->copy();
        child->Invalidate(true);
        child->UpdateWindow();
        EXPECT_EQ(pixelprobe::CountDifferent(shown, *child->BackBuffer()), 0);
        if (n < zooms.size()) {
            EXPECT_EQ(client->Tool.get(), tool) << "the tool was replaced";
            const POINT after = FirstPointOfView();
            client->Tool->ShiftHeld(before.x - after.x, before.y - after.y);
            EXPECT_EQ(held(*client->Tool), found);
            client->Tool->ShiftHeld(after.x - before.x, after.y - before.y);
        }
        if (finish) {
            EXPECT_EQ(Finished(), unzoomed) << "what the tool held";
        }
        // Keys and Enter at the point where the user clicked before the zoom.
        MoveTo(PixelOf(click.x, click.y));
        // Enter may ask for a step of a tool that holds on: it is cancelled.
        pl::script::CancelInput();
        pl::script::CancelInput();
        QTest::keyClicks(View(), "DE");
        Key(Qt::Key_Return);
        Key(Qt::Key_Return);
        while (pl::script::TakeIfNext(pl::script::AnswerKind::Input) ||
               pl::script::TakeIfNext(pl::script::AnswerKind::Dialog)) {
        }
        if (GetParam().command) pl::script::Reset();
        TList file;
        ASSERT_EQ(testsupport::ReadWorkingFileInto(file), FileResult::Ok);
        bool typed = GetParam().start != &PreviewOfAnEndingTool::TypedText &&
                     GetParam().start != &PreviewOfAnEndingTool::TypedLevelText;
        for (int32_t i = 0; i < file.count; ++i) {
            const TObject& o = *file[i];
            std::erase_if(placed, [&](const POINT& p) { return p.x == o.x1 && p.y == o.y1; });
            if (o.view != CurrentView || o.kind >= kFloorRecord) continue;
            // What a command that opens another view shows lies elsewhere.
            EXPECT_TRUE(view != CurrentView ||
                        (o.x1 >= low.x && o.x1 <= high.x && o.y1 >= low.y && o.y1 <= high.y))
                << o.kind;
            const auto* text = dynamic_cast<const TTextobj*>(&o);
            typed = typed ||
                    (text && std::string(text->text) == "ABCDEFDE" && o.x1 == click.x && o.y1 == click.y);
        }
        EXPECT_TRUE(typed);
        EXPECT_TRUE(placed.empty()) << "not where the user put it";
    }
}

using Preview = PreviewOfAnEndingTool;
const PreviewCase kPreviews[] = {
    {"InternalWallBand", &PreviewOfAnEndingTool::InternalWallBand},
    {"DoorSwing", &PreviewOfAnEndingTool::DoorSwing},
    {"StairsOutline", &PreviewOfAnEndingTool::StairsOutline},
    {"MultilineModelBand", &PreviewOfAnEndingTool::MultilineModelBand},
    {"ExpandBaseCrosshair", &PreviewOfAnEndingTool::ExpandBaseCrosshair},
    {"TypedText", &PreviewOfAnEndingTool::TypedText},
    {"TypedLevelText", &PreviewOfAnEndingTool::TypedLevelText},
    {"LibrarySymbolMoved", &Preview::LibrarySymbolMoved, kGroundFloor, nullptr, 0, true},
    {"SelectionMoved", &PreviewOfAnEndingTool::SelectionMoved},
    {"PasteMoved", &Preview::PasteMoved, kGroundFloor, nullptr, 0, true},
    {"MoveToolBand", &PreviewOfAnEndingTool::MoveToolBand},
    {"SelectionMovedThenSave", &Preview::SelectionMoved, kGroundFloor, nullptr, cmd::kFileSave},
    {"PasteMovedThenSave", &Preview::PasteMoved, kGroundFloor, nullptr, cmd::kFileSave},
    {"LibrarySymbolMovedThenSave", &Preview::LibrarySymbolMoved, kGroundFloor, nullptr, cmd::kFileSave},
    {"SelectionMovedThenStairs", &Preview::SelectionMoved, kGroundFloor, nullptr, cmd::kStairs},
    {"PasteMovedThenStairs", &Preview::PasteMoved, kGroundFloor, nullptr, cmd::kStairs},
    {"LibrarySymbolMovedThenStairs", &Preview::LibrarySymbolMoved, kGroundFloor, nullptr, cmd::kStairs},
    {"DesignRoomOutline", &PreviewOfAnEndingTool::DesignRoomOutline, kRoomLayout,
     &PreviewOfAnEndingTool::LetGoOfRight},
};

INSTANTIATE_TEST_SUITE_P(Previews, PreviewOfAnEndingTool, ::testing::ValuesIn(kPreviews),
                         [](const ::testing::TestParamInfo<PreviewCase>& info) {
                             return std::string(info.param.name);
                         });

// The menus whose commands choose a tool for the floor plan and the site plan.
bool ChoosesATool(const std::string& caption) {
    return caption == "Edit" || caption == "Tools" || caption == "Walls && Base" || caption == "Other" ||
           caption == "Libraries";
}

// The previews' tools, less those that hold a button down (which leaves no menu to choose) and those
// with a command of their own (which repeat another row's start); the tools that hold something
// unseen; and every tool of the menus as its command leaves it, on a floor and on the site plan.
std::vector<PreviewCase> HeldAcrossAZoomCases() {
    std::vector<PreviewCase> cases;
    for (const PreviewCase& row : kPreviews)
        if (!row.letGo && row.start != &PreviewOfAnEndingTool::MoveToolBand && !row.keepingCommand)
            cases.push_back(row);
    cases.insert(cases.end(), std::begin(kHeldUnseen), std::end(kHeldUnseen));
    static std::deque<std::string> names; // the rows keep pointers into it
    for (const res::MenuPopup& popup : res::MainMenu()) {
        if (!ChoosesATool(popup.Caption)) continue;
        for (const res::MenuItem& item : popup.Items) {
            if (!item.Command || !TClient::HasHandler(item.Command)) continue;
            for (const int32_t view : {kGroundFloor, kSitePlan}) {
                names.push_back("Chosen" + std::to_string(item.Command) +
                                (view == kSitePlan ? "OnTheSitePlan" : ""));
                PreviewCase row{names.back().c_str(), &PreviewOfAnEndingTool::ChosenByItsCommand, view};
                row.command = item.Command;
                if (std::ranges::none_of(cases, [&](const PreviewCase& c) { return names.back() == c.name; }))
                    cases.push_back(row);
            }
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Previews, HeldAcrossAZoom, ::testing::ValuesIn(HeldAcrossAZoomCases()),
                         [](const ::testing::TestParamInfo<PreviewCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
