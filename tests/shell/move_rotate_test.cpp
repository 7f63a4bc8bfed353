// Move or Rotate and Zoom up in the drawing window, driven as a user drives them: a dragged
// rectangle selects, a click takes the reference point, a click or an arrow key moves, Enter locks
// the move into the working file.
#include <QCoreApplication>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <cstdint>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "editing/centre_drawing.h"
#include "document/program_state.h"
#include "platform/cursor.h"
#include "platform/detail/client_view.h"
#include "platform/test_script.h"
#include "resources/command_ids.h"
#include "resources/dialogs/library_templates.h"
#include "tests/shell/drawing_window_fixture.h"
#include "tests/shell/input_fixture.h"
#include "tools/move_tool.h"

namespace {

class MoveRotate : public InputTest {
protected:
    // A line, a text and a symbol inside the pixel square (150, 100)-(250, 200), and a line outside.
    void OpenWithObjects(bool atTheSheetsTopLeft = false) {
        Open();
        for (int bar : {SB_HORZ, SB_VERT})
            if (atTheSheetsTopLeft) child->View()->Bar(bar)->triggerAction(QAbstractSlider::SliderToMinimum);
        QCoreApplication::processEvents();
        a = DrawingAt(TPoint(160, 190));
        b = DrawingAt(TPoint(240, 110));
        std::vector<std::unique_ptr<TObject>> objects;
        objects.push_back(inputs::Line(a.x, a.y, b.x, b.y));
        objects.push_back(std::make_unique<TTextobj>(kGroundFloor, kText, 1, 0, 0, 0, a.x, 0, 900, 0, b.y, 0,
                                                     0, "DOOR", "Arial", 0, 3, 400, 20));
        const int32_t px[3] = {a.x, b.x, b.x};
        const int32_t py[3] = {a.y, a.y, b.y};
        const int32_t none[4] = {};
        objects.push_back(std::make_unique<TPolyobj>(kGroundFloor, 500, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, px,
                                                     py, none, none, 3, 0, 0, 0, 0, 0, 0));
        const POINT far = DrawingAt(TPoint(400, 150));
        objects.push_back(inputs::Line(far.x, far.y, far.x + 500, far.y));
        for (auto& o : objects)
            ObjectList.Add(std::move(o));
        ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
        child->Invalidate(true);
        child->UpdateWindow();
    }

    void SelectAll() {
        client->ProcessCommand(cmd::kMoveRotate);
        Drag(TPoint(150, 100), TPoint(250, 200));
    }

    // The working file read back whole, each object with its class's own fields.
    const TList& File() {
        file.Flush();
        file.ProgramDirectory = ObjectList.ProgramDirectory;
        file.SetDrawingName(ObjectList.DrawingName);
        const int32_t units = MetricUnits, ids = IdCounter;
        EXPECT_EQ(file.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
        MetricUnits = units;
        IdCounter = ids;
        return file;
    }

    // The ground floor's house, then the site plan drawn from it: its walls as the file holds them.
    std::vector<TPoint> OpenSitePlanOfAHouse() {
        Open();
        const POINT low = DrawingAt(TPoint(150, 200)), high = DrawingAt(TPoint(250, 100));
        groundCornerX = low.x;
        ObjectList.Add(make::ExtWall(kGroundFloor, low.x, low.y, low.x, high.y));
        ObjectList.Add(make::ExtWall(kGroundFloor, low.x, high.y, high.x, high.y));
        ObjectList.Add(make::ExtWall(kGroundFloor, high.x, high.y, high.x, low.y));
        ObjectList.Add(make::ExtWall(kGroundFloor, high.x, low.y, low.x, low.y));
        EXPECT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
        SaveState = 0; // nothing to save before the site plan starts
        client->CmSitePlan();
        child = client->ActiveDrawingWindow();
        EXPECT_EQ(CurrentView, kSitePlan);
        return WallsOf(kSitePlan);
    }
    // Where each of the view's walls starts in the file, measured from `from`.
    std::vector<TPoint> WallsOf(int32_t view, const TPoint& from = {}) const {
        std::vector<TPoint> corners;
        for (const auto& o : FileObjects())
            if (o->kind == kExtWall && o->view == view) corners.emplace_back(o->x1 - from.x, o->y1 - from.y);
        return corners;
    }
    // The site plan's house selected, its corner clicked and a click `by` pixels from it.
    void MoveTheHouse(const std::vector<TPoint>& walls, const TPoint& by) {
        const TPoint corner = PixelOf(walls[0].x, walls[0].y), far = PixelOf(walls[2].x, walls[2].y);
        client->ProcessCommand(cmd::kMoveRotate);
        Drag(TPoint(std::min(corner.x, far.x) - 20, std::max(corner.y, far.y) + 20),
             TPoint(std::max(corner.x, far.x) + 20, std::min(corner.y, far.y) - 20));
        EXPECT_EQ(dir.ReadFile("CFG/TEMP.CFG"), "4\n");
        Click(corner);
        Click(TPoint(corner.x + by.x, corner.y + by.y));
    }

    POINT a{}, b{};
    int32_t groundCornerX = 0;
    TList file;
};

TEST_F(MoveRotate, ClickAndArrowKeyMoveTheSelectionAndEnterLocksIt) {
    OpenWithObjects();
    SelectAll();
    EXPECT_EQ(dir.ReadFile("CFG/TEMP.CFG"), "3\n");
    EXPECT_EQ(client->Tool->Mode, movestate::kSelected);

    const TPoint anchor(160, 190), to(200, 170);
    Click(anchor);
    Click(to);
    Key(Qt::Key_Right);
    const POINT start = DrawingAt(anchor);
    const POINT end = DrawingAt(TPoint(to.x + 1, to.y)); // one pixel at the start-up scale
    const int32_t dx = end.x - start.x, dy = end.y - start.y;
    ASSERT_NE(dx, 0);
    ASSERT_NE(dy, 0);
    // The pointer sits on the moved reference point.
    POINT cursor{};
    GetCursorPos(&cursor);
    TPoint screen = PixelOf(end.x, end.y);
    child->ClientToScreen(screen);
    EXPECT_EQ(cursor.x, screen.x);
    EXPECT_EQ(cursor.y, screen.y);
    EXPECT_EQ(File()[3]->x1, a.x) << "nothing is written before Enter";

    Key(Qt::Key_Return);
    const TList& saved = File();
    EXPECT_EQ(saved[3]->x1, a.x + dx);
    EXPECT_EQ(saved[3]->y2, b.y + dy);
    EXPECT_EQ(saved[4]->x1, a.x + dx);
    EXPECT_EQ(saved[4]->y1, b.y + dy);
    const auto* symbol = dynamic_cast<const TPolyobj*>(saved[5]);
    ASSERT_NE(symbol, nullptr);
    EXPECT_EQ(symbol->px[2], b.x + dx);
    EXPECT_EQ(symbol->py[2], b.y + dy);
    EXPECT_EQ(saved[6]->x1, DrawingAt(TPoint(400, 150)).x) << "the object outside stays";
    EXPECT_EQ(client->Tool->Kind, toolkind::kPick);
}

TEST_F(MoveRotate, TheHouseMovesOnTheSitePlan) {
    const std::vector<TPoint> before = OpenSitePlanOfAHouse();
    ASSERT_EQ(before.size(), 4u);
    const TPoint corner = PixelOf(before[0].x, before[0].y);
    MoveTheHouse(before, TPoint(30, -10));
    Key(Qt::Key_Return);

    const std::vector<TPoint> after = WallsOf(kSitePlan);
    ASSERT_EQ(after.size(), 4u);
    const POINT moved = DrawingAt(TPoint(corner.x + 30, corner.y - 10));
    const POINT start = DrawingAt(corner);
    for (size_t i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i].x - before[i].x, moved.x - start.x);
        EXPECT_EQ(after[i].y - before[i].y, moved.y - start.y);
    }
    EXPECT_EQ(WallsOf(kGroundFloor)[0].x, groundCornerX) << "the ground floor stays";
}

TEST_F(MoveRotate, APendingMoveSurvivesARepaint) {
    OpenWithObjects();
    SelectAll();
    Click(TPoint(160, 190));
    Click(TPoint(200, 170));
    const int32_t moved = ObjectList[3]->x1;
    ASSERT_NE(moved, a.x);
    child->Invalidate(true);
    child->UpdateWindow();
    EXPECT_EQ(ObjectList[3]->x1, moved);
    EXPECT_TRUE(client->Tool->Kind == toolkind::kMove && client->Tool->Mode == movestate::kMoving);
}

TEST_F(MoveRotate, RightButtonDuringADragAbandonsItWithoutAPrompt) {
    OpenWithObjects();
    client->ProcessCommand(cmd::kMoveRotate);
    client->Tool->Mode = movestate::kSelecting;
    QTest::mousePress(View(), Qt::RightButton, {}, QPoint(200, 150));
    QTest::mouseRelease(View(), Qt::RightButton, {}, QPoint(200, 150));
    EXPECT_EQ(client->Tool->Mode, movestate::kIdle);
}

TEST_F(MoveRotate, UndoForgetsTheSelection) {
    OpenWithObjects();
    SelectAll();
    client->ProcessCommand(cmd::kUndo);
    EXPECT_EQ(dir.ReadFile("CFG/TEMP.CFG"), "0\n");
}

TEST_F(MoveRotate, ZoomUpShowsTheDraggedArea) {
    Open();
    const POINT low = DrawingAt(TPoint(100, 200));
    const POINT high = DrawingAt(TPoint(300, 100));
    client->ProcessCommand(cmd::kZoomUp);
    Drag(TPoint(100, 200), TPoint(300, 100));
    // The area fills the window's width; the origin snaps to whole scroll steps of 16 pixels.
    const TRect rc = child->GetClientRect();
    EXPECT_NEAR(PixelOf(high.x, high.y).x - PixelOf(low.x, low.y).x, rc.right, 2);
    EXPECT_GE(PixelOf(low.x, low.y).x, 0);
    EXPECT_LE(PixelOf(low.x, low.y).x, 16);
    EXPECT_EQ(client->Tool->Kind, toolkind::kLine) << "the tool kept at Zoom up comes back";
}

// A click is no rectangle: Zoom UP goes on waiting, so the drag after it zooms and draws no line.
TEST_F(MoveRotate, ZoomUpIgnoresAClick) {
    Open();
    const int32_t x = ViewExtentX, y = ViewExtentY, ox = ScrollOriginX;
    const std::string before = dir.ReadFile("DWGS/HOUSE.DB0");
    client->ProcessCommand(cmd::kZoomUp);
    Click(TPoint(100, 200));
    EXPECT_EQ(ViewExtentX, x);
    EXPECT_EQ(ViewExtentY, y);
    EXPECT_EQ(ScrollOriginX, ox);
    Drag(TPoint(100, 200), TPoint(300, 100));
    EXPECT_NE(ViewExtentX, x) << "the drag did not zoom";
    EXPECT_EQ(dir.ReadFile("DWGS/HOUSE.DB0"), before) << "the drag drew";
    EXPECT_EQ(client->Tool->Kind, toolkind::kLine);
}

// A move given up by Escape never reaches the file, whatever zoom (and the site plan's centring with
// it) comes before the Escape or after it: the walls stay where they were beside a line off the house.
using Zooms = std::pair<int32_t, int32_t>; // before the Escape, after it; 0 for none
class CancelledMoveOnTheSitePlan : public MoveRotate, public ::testing::WithParamInterface<Zooms> {};

TEST_P(CancelledMoveOnTheSitePlan, NeverReachesTheFile) {
    const std::vector<TPoint> before = OpenSitePlanOfAHouse();
    ASSERT_EQ(before.size(), 4u);
    const TPoint corner = PixelOf(before[0].x, before[0].y);
    const POINT mark = DrawingAt(TPoint(corner.x - 60, corner.y + 40));
    ObjectList.Add(inputs::Line(mark.x, mark.y, mark.x + 500, mark.y, kSitePlan));
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    const auto fromMark = [this] {
        const auto objects = FileObjects();
        return WallsOf(kSitePlan, TPoint(objects.back()->x1, objects.back()->y1));
    };
    const std::vector<TPoint> placed = fromMark();
    MoveTheHouse(before, TPoint(100, 0));
    if (GetParam().first) client->ProcessCommand(GetParam().first);
    Key(Qt::Key_Escape);
    if (GetParam().second) client->ProcessCommand(GetParam().second);
    client->ProcessCommand(cmd::kNormalSize);
    EXPECT_EQ(fromMark(), placed);
    EXPECT_EQ(client->Tool->Kind, toolkind::kMove) << "the Move tool waits for a new selection";
    const editing::CentringShift shift = editing::CentreViewInMemory(kSitePlan); // none: centred
    EXPECT_EQ(shift.dx, 0);
    EXPECT_EQ(shift.dy, 0);
}

INSTANTIATE_TEST_SUITE_P(Zooms, CancelledMoveOnTheSitePlan,
                         ::testing::Values(Zooms{0, 0}, Zooms{0, cmd::kHalfSize}, Zooms{0, cmd::kFitScreen},
                                           Zooms{cmd::kNormalSize, 0}, Zooms{cmd::kHalfSize, cmd::kFitScreen},
                                           Zooms{cmd::kFitScreen, cmd::kHalfSize}));

// A right press turns the selection about the point pressed by the degrees typed (none: a click on it
// and a click at the point move it there); a turn or move carrying a point of it past the sheet's edge
// is refused with the sheet message and changes nothing. (press, degrees, whether it leaves the sheet)
// The turns are of what a copy's drag listed, pressed right after Move or Rotate.
class TurnAboutAPress : public MoveRotate,
                        public ::testing::WithParamInterface<std::tuple<TPoint, const char*, bool>> {};

TEST_P(TurnAboutAPress, StaysOnTheSheetOrIsRefused) {
    const auto [at, degrees, leaves] = GetParam();
    OpenWithObjects(true);
    client->ProcessCommand(degrees ? cmd::kCopy : cmd::kMoveRotate), Drag(TPoint(150, 100), TPoint(250, 200));
    if (degrees) client->ProcessCommand(cmd::kMoveRotate);
    const std::string before = dir.ReadFile("DWGS/HOUSE.DB0");
    if (degrees) {
        pl::script::AnswerInput(degrees);
        QTest::mouseClick(View(), Qt::RightButton, {}, QPoint(at.x, at.y));
    } else {
        Click(TPoint(200, 150));
        Click(at);
    }
    Key(Qt::Key_Return);
    EXPECT_EQ(ui.LogContains("Distance would take you outside the programme's total drawing sizes"), leaves);
    EXPECT_EQ(dir.ReadFile("DWGS/HOUSE.DB0") == before, leaves);
    const auto on = [](int32_t v, int32_t sheet) { return v >= 0 && v <= sheet * ZoomDivisor; };
    for (int32_t i = 0; i < ObjectList.count; ++i)
        if (const TObject* o = ObjectList[i]; o && o->kind == kLine) {
            EXPECT_TRUE(on(o->x1, SheetWidth) && on(o->x2, SheetWidth) && on(o->y1, SheetHeight) &&
                        on(o->y2, SheetHeight))
                << o->x1 << ", " << o->y1 << " to " << o->x2 << ", " << o->y2;
        }
}

INSTANTIATE_TEST_SUITE_P(
    RightPress, TurnAboutAPress,
    ::testing::Values(std::tuple{TPoint(200, 150), "90", false}, std::tuple{TPoint(200, 150), "45", false},
                      std::tuple{TPoint(200, 2), "180", true}, std::tuple{TPoint(200, 2), "135", true},
                      std::tuple{TPoint(2, 150), "180", true}, std::tuple{TPoint(260, 250), nullptr, false},
                      std::tuple{TPoint(200, 2), nullptr, true}, std::tuple{TPoint(5, 150), nullptr, true}));

// Nothing before a move changes it: a turn refused at the sheet's edge (before or after the reference
// click), a click off the library symbol whose reference is asked for, a right click before anything
// is selected, or one after a drag over empty paper that follows a copy (each says nothing is selected,
// no turn is asked).
// The selection goes from the reference click to the next click; the rest stays.
enum Before { kNothing, kRefusedTurn, kRefusedTurnAfterReference, kPaperClick, kObjectClick, kRightClick };
constexpr int kEmptyDrag = kRightClick + 1;

class BeforeAMove : public MoveRotate, public ::testing::WithParamInterface<std::tuple<int, bool, bool>> {};

TEST_P(BeforeAMove, IsNothingToIt) {
    const auto [before, symbol, metric] = GetParam();
    if (symbol ? before >= kRightClick : before == kPaperClick || before == kObjectClick)
        GTEST_SKIP() << "a symbol is selected at once; a plain move takes any click as its reference";
    MetricUnits = metric;
    OpenWithObjects(true);
    const size_t first = symbol ? FileObjects().size() : 3, end = symbol ? SIZE_MAX : 6;
    if (symbol) pl::script::AnswerDialog(kLibraryListDialogId, {{{{kLibraryListBoxId, "WC"}}, IDOK}});
    if (before == kEmptyDrag) client->ProcessCommand(cmd::kCopy), Drag(TPoint(150, 100), TPoint(250, 200));
    client->ProcessCommand(symbol ? cmd::kLibraryPlumbing : cmd::kMoveRotate);
    if (before == kEmptyDrag) Drag(TPoint(420, 230), TPoint(480, 270));
    if (before >= kRightClick) QTest::mouseClick(View(), Qt::RightButton, {}, QPoint(300, 250));
    if (!symbol) Drag(TPoint(150, 100), TPoint(250, 200));
    const TPoint reference =
        symbol ? PixelOf(ObjectList[first]->x1, ObjectList[first]->y1) : TPoint(160, 190);
    const auto was = FileObjects();
    const bool refused = before == kRefusedTurn || before == kRefusedTurnAfterReference;
    if (before == kRefusedTurnAfterReference) Click(reference);
    if (refused)
        pl::script::AnswerInput("180"), QTest::mouseClick(View(), Qt::RightButton, {}, QPoint(200, 2));
    if (before == kPaperClick) Click(TPoint(450, 250));
    if (before == kObjectClick) Click(TPoint(420, 150));
    if (before != kRefusedTurnAfterReference) Click(reference);
    Click(TPoint(300, 220));
    Key(Qt::Key_Return);
    EXPECT_EQ(ui.LogContains("outside the programme's total drawing sizes"), refused);
    EXPECT_EQ(ui.Log().find("Nothing selected - drag a rectangle") != ui.Log().rfind("Nothing selected"),
              before == kEmptyDrag);
    EXPECT_EQ(ui.LogContains("Nothing selected - drag a rectangle"), before >= kRightClick);
    EXPECT_EQ(ui.LogContains("title=\"ROTATE\""), refused);
    const auto now = FileObjects();
    ASSERT_EQ(now.size(), was.size());
    const POINT from = DrawingAt(reference), to = DrawingAt(TPoint(300, 220));
    for (size_t i = 3; i < now.size(); ++i) {
        if (IsPolygonKind(now[i]->kind)) continue;
        EXPECT_EQ(std::pair(now[i]->x1 - was[i]->x1, now[i]->y1 - was[i]->y1),
                  i >= first && i < end ? std::pair(to.x - from.x, to.y - from.y) : std::pair(0, 0))
            << i;
    }
}

INSTANTIATE_TEST_SUITE_P(SymbolOrSelectionInBothUnits, BeforeAMove,
                         ::testing::Combine(::testing::Range(0, kEmptyDrag + 1), ::testing::Bool(),
                                            ::testing::Bool()));

} // namespace
