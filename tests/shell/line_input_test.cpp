// Drawing lines in the drawing window by keys and by the mouse, as a user does, and checking what
// reaches the working file.
#include <QTest>

#include <ostream>
#include <string>

#include "dialogs/feet_dialog.h"
#include "document/program_state.h"
#include "platform/cursor.h"
#include "platform/gadget_window.h"
#include "platform/gadgets.h"
#include "platform/test_script.h"
#include "resources/dialogs/feet_template.h"
#include "tests/shell/input_fixture.h"
#include "tools/line_tool.h"

namespace {

using pl::script::DialogStep;

const TObject& LastOf(const std::vector<std::unique_ptr<TObject>>& objects) {
    return *objects.back();
}

// The three floor records File New seeds come first in every drawing.
constexpr int32_t kRecords = 3;

class KeyedLine : public InputTest {};

TEST_F(KeyedLine, EnterArrowAndMillimetresMakeALine) {
    Open();
    const TPoint at(200, 150);
    MoveTo(at);
    Key(Qt::Key_Return);
    const POINT start = DrawingAt(at);
    EXPECT_EQ(client->Tool->PointPlaced, 1);
    pl::script::AnswerInput("2500");
    Key(Qt::Key_Right);

    const auto objects = FileObjects();
    ASSERT_EQ(objects.size(), size_t{kRecords + 1});
    const TObject& line = LastOf(objects);
    EXPECT_EQ(line.kind, kLine);
    EXPECT_EQ(line.view, kGroundFloor);
    EXPECT_EQ(line.x1, start.x);
    EXPECT_EQ(line.y1, start.y);
    EXPECT_EQ(line.x2, start.x + 2500);
    EXPECT_EQ(line.y2, start.y);
    EXPECT_TRUE(ui.LogContains("title=\"LINE\""));
    EXPECT_TRUE(ui.LogContains("RIGHT:"));
    // The step is over: the next Enter places a new start.
    EXPECT_EQ(client->Tool->PointPlaced, 0);
}

TEST_F(KeyedLine, FeetInchesAndEighthsMakeALine) {
    MetricUnits = 0;
    Open();
    ASSERT_EQ(ZoomDivisor, 6);
    const TPoint at(220, 200);
    // The previous test may have left the pointer here while the window put the cursor elsewhere: a
    // move that changes nothing would not reach the window.
    MoveTo(TPoint(at.x + 1, at.y));
    MoveTo(at);
    Key(Qt::Key_Return);
    const POINT start = DrawingAt(at);
    // 10' 6 3/8'' is 126 inches and three 24ths.
    pl::script::AnswerDialog(
        kFeetDialogId,
        {DialogStep{
            {{kFeetEditId, "10"}, {kInchesEditId, "6"}, {kNumeratorEditId, "3"}, {kDenominatorEditId, "8"}},
            IDOK}});
    Key(Qt::Key_Up);

    const auto objects = FileObjects();
    const TObject& line = LastOf(objects);
    EXPECT_EQ(line.x2, start.x);
    EXPECT_EQ(line.y2, start.y + 3033);
}

TEST_F(KeyedLine, AFractionOverZeroAddsNothing) {
    MetricUnits = 0;
    Open();
    MoveTo(TPoint(221, 200));
    MoveTo(TPoint(220, 200));
    Key(Qt::Key_Return);
    const POINT start = DrawingAt(TPoint(220, 200));
    pl::script::AnswerDialog(
        kFeetDialogId,
        {DialogStep{
            {{kFeetEditId, "1"}, {kInchesEditId, "0"}, {kNumeratorEditId, "5"}, {kDenominatorEditId, "0"}},
            IDOK}});
    Key(Qt::Key_Left);
    EXPECT_EQ(LastOf(FileObjects()).x2, start.x - 288);
}

class MetricLimit : public InputTest, public ::testing::WithParamInterface<std::pair<const char*, bool>> {};

TEST_P(MetricLimit, LengthsOutsideOneTo69999AreRefused) {
    Open();
    MoveTo(TPoint(150, 150));
    Key(Qt::Key_Return);
    pl::script::AnswerInput(GetParam().first);
    Key(Qt::Key_Down);
    // A length the prompt takes makes a line, or meets the sheet's own limit.
    const bool taken = FileCount() == kRecords + 1 ||
                       ui.LogContains("Distance would take you outside the programme's total drawing sizes");
    EXPECT_EQ(taken, GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Lengths, MetricLimit,
                         ::testing::Values(std::pair{"69999", true}, std::pair{"1", true},
                                           std::pair{"70000", false}, std::pair{"0", false},
                                           std::pair{"-5", false}, std::pair{"abc", false}));

// A step that would leave the sheet is refused with a warning and changes nothing: the line's first
// step, the rectangle's second side.
// The parameter: the rectangle tool, else the line tool.
class StepOffTheSheet : public InputTest, public ::testing::WithParamInterface<bool> {};

TEST_P(StepOffTheSheet, IsRefusedAndMakesNothing) {
    Open();
    if (GetParam())
        client->CmRectangle();
    else
        client->CmLine();
    MoveTo(TPoint(150, 150));
    Key(Qt::Key_Return);
    if (GetParam()) {
        pl::script::AnswerInput("2000");
        Key(Qt::Key_Up);
    }
    pl::script::AnswerInput("69999");
    Key(Qt::Key_Right);
    EXPECT_TRUE(ui.LogContains("Distance would take you outside the programme's total drawing sizes"));
    EXPECT_EQ(FileCount(), kRecords);
    EXPECT_EQ(ObjectList.count, kRecords);
}

INSTANTIATE_TEST_SUITE_P(Tools, StepOffTheSheet, ::testing::Bool());

TEST_F(KeyedLine, CancelledLengthLeavesTheToolEngaged) {
    Open();
    MoveTo(TPoint(150, 150));
    Key(Qt::Key_Return);
    pl::script::CancelInput();
    Key(Qt::Key_Down);
    EXPECT_EQ(FileCount(), kRecords);
    EXPECT_EQ(client->Tool->PointPlaced, 1);
}

TEST_F(KeyedLine, LineWithTextDrawsItsLineAndEndsWithThePickTool) {
    Open();
    client->CmLineText();
    EXPECT_EQ(client->ToolGadget->GetText(), std::string("1, LINE solid+txt"));
    MoveTo(TPoint(150, 150));
    Key(Qt::Key_Return);
    const POINT start = DrawingAt(TPoint(150, 150));
    pl::script::AnswerInput("1200");
    // The line-text dialog follows the line; cancelling it returns to the Pick tool.
    pl::script::AnswerDialog(2690, {{{}, IDCANCEL}});
    Key(Qt::Key_Right);
    const auto objects = FileObjects();
    const TObject& line = LastOf(objects);
    EXPECT_EQ(line.x1, start.x);
    EXPECT_EQ(line.x2, start.x + 1200);
    EXPECT_EQ(client->Tool->Kind, toolkind::kPick);
}

TEST_F(KeyedLine, MultiLineCopiesSpreadBetweenTheModelAndTheCursor) {
    Open();
    client->Tool->Mode = 40; // as Draw Multilines leaves it after asking for three lines
    client->Tool->Count = 3;
    const TPoint start(100, 300);
    MoveTo(start);
    Key(Qt::Key_Return);
    MoveTo(TPoint(400, 300));
    Key(Qt::Key_Return);
    MoveTo(TPoint(100, 100));
    Key(Qt::Key_Return);

    const auto objects = FileObjects();
    ASSERT_EQ(objects.size(), size_t{kRecords + 3});
    const TObject& model = *objects[kRecords];
    const TObject& far = *objects[kRecords + 1];
    const TObject& near = *objects[kRecords + 2];
    const int32_t offset = DrawingAt(TPoint(100, 100)).y - model.y1;
    EXPECT_EQ(far.y1, model.y1 + offset);
    EXPECT_EQ(near.y1, model.y1 + offset - offset / 2);
    EXPECT_EQ(far.x2 - far.x1, model.x2 - model.x1);
    EXPECT_EQ(client->Tool->Mode, 0);
}

// Line + Text on the site plan: each labelled line goes on from the end of the last.
class SitePlanLine : public InputTest {
protected:
    struct Ends {
        int32_t x1, y1, x2, y2;
        bool operator==(const Ends&) const = default;
    };

    void OpenSitePlan(bool metric) {
        MetricUnits = metric ? 1 : 0;
        CurrentView = kSitePlan;
        Open();
        client->CmLineText();
    }
    // The answer to the next arrow's length prompt: millimetres, or whole feet.
    static void NextLength(int32_t amount) {
        if (MetricUnits == 1) {
            pl::script::AnswerInput(std::to_string(amount));
            return;
        }
        pl::script::AnswerDialog(kFeetDialogId, {DialogStep{{{kFeetEditId, std::to_string(amount)},
                                                             {kInchesEditId, "0"},
                                                             {kNumeratorEditId, "0"},
                                                             {kDenominatorEditId, "0"}},
                                                            IDOK}});
    }
    static void NextLabel(const char* text) {
        pl::script::AnswerDialog(2690, {DialogStep{{{2691, text}}, IDOK}});
    }
    Ends LastLine() const {
        const auto objects = FileObjects();
        for (auto o = objects.rbegin(); o != objects.rend(); ++o)
            if ((*o)->kind == kLine) return {(*o)->x1, (*o)->y1, (*o)->x2, (*o)->y2};
        ADD_FAILURE() << "no line in the working file";
        return {};
    }
    std::string Guide() const { return client->StatusBar->GetText(); }
};

struct ClickCase {
    const char* name;
    bool metric;
    bool click; // a click without a drag comes between the two lines
};

void PrintTo(const ClickCase& c, std::ostream* out) {
    *out << c.name;
}

class LineAfterClick : public SitePlanLine, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(LineAfterClick, GoesOnFromTheLastEndOrWaitsForAStart) {
    const ClickCase c = GetParam();
    OpenSitePlan(c.metric);
    const int32_t first = c.metric ? 6000 : 60;
    const int32_t second = c.metric ? 2000 : 20;
    const int32_t secondUnits = c.metric ? second : second * 12 * 24;
    const TPoint at(150, 150);
    MoveTo(at);
    Key(Qt::Key_Return);
    NextLength(first);
    NextLabel("ROAD");
    Key(Qt::Key_Right);
    const Ends road = LastLine();
    if (!c.click) {
        NextLength(second);
        NextLabel("PATH");
        Key(Qt::Key_Left);
        EXPECT_EQ(LastLine(), (Ends{road.x2, road.y2, road.x2 - secondUnits, road.y2}));
        return;
    }

    const int32_t before = FileCount();
    Click(TPoint(300, 100));
    NextLength(second);
    Key(Qt::Key_Left);
    // The click left no point to go on from: nothing is drawn, and the guide asks for a start.
    EXPECT_EQ(FileCount(), before);
    EXPECT_EQ(Guide(), "ENTER start of line, then arrow key direction, OR press LeftButton & DRAG");
    EXPECT_EQ(client->Tool->PointPlaced, 0);
    // Enter gives the start again; the keyed line is drawn from it and labelled.
    const TPoint next(200, 300);
    MoveTo(next);
    Key(Qt::Key_Return);
    NextLength(second);
    NextLabel("PATH");
    Key(Qt::Key_Left);
    const POINT start = DrawingAt(next);
    EXPECT_EQ(LastLine(), (Ends{start.x, start.y, start.x - secondUnits, start.y}));
}

INSTANTIATE_TEST_SUITE_P(SitePlan, LineAfterClick,
                         ::testing::Values(ClickCase{"Millimetres", true, false},
                                           ClickCase{"Feet", false, false},
                                           ClickCase{"ClickThenMillimetres", true, true},
                                           ClickCase{"ClickThenFeet", false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// The sheet check of a keyed line goes from where the line starts, wherever the pointer was left.
struct SheetCase {
    const char* name;
    bool endHigh;     // the last line ends high in the window, else low
    bool pointerAway; // the pointer was left at the other edge of the window
};

void PrintTo(const SheetCase& c, std::ostream* out) {
    *out << c.name;
}

class LineNearTheSheetEdge : public SitePlanLine, public ::testing::WithParamInterface<SheetCase> {};

TEST_P(LineNearTheSheetEdge, IsCheckedFromWhereItStarts) {
    const SheetCase c = GetParam();
    OpenSitePlan(true);
    const int32_t bottom = child->GetClientRect().bottom;
    const TPoint high(150, 40), low(150, bottom - 40);
    const TPoint from = c.endHigh ? high : low;
    const TPoint other = c.endHigh ? low : high;
    MoveTo(from);
    Key(Qt::Key_Return);
    NextLength(1000);
    NextLabel("ROAD");
    Key(Qt::Key_Right);
    const Ends road = LastLine();
    if (c.pointerAway) MoveTo(other);
    // Down by a length that reaches the sheet's bottom edge from the higher of the two points only.
    const int32_t length = (road.y2 + DrawingAt(other).y) / 2;
    ASSERT_GT(length, 0);
    ASSERT_LE(length, 69999);
    ASSERT_EQ(road.y2 >= length, c.endHigh);
    const int32_t before = FileCount();
    NextLength(length);
    if (c.endHigh) NextLabel("PATH");
    Key(Qt::Key_Down);
    const bool refused =
        ui.LogContains("Distance would take you outside the programme's total drawing sizes");
    EXPECT_EQ(refused, !c.endHigh);
    if (c.endHigh) {
        EXPECT_EQ(LastLine(), (Ends{road.x2, road.y2, road.x2, road.y2 - length}));
    } else {
        EXPECT_EQ(FileCount(), before);
    }
}

INSTANTIATE_TEST_SUITE_P(SitePlan, LineNearTheSheetEdge,
                         ::testing::Values(SheetCase{"InsidePointerOnTheEnd", true, false},
                                           SheetCase{"InsidePointerBelow", true, true},
                                           SheetCase{"PastTheSheetPointerOnTheEnd", false, false},
                                           SheetCase{"PastTheSheetPointerAbove", false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

class DraggedLine : public InputTest {};

TEST_F(DraggedLine, PressDragAndReleaseMakeALine) {
    Open();
    const TPoint from(120, 240);
    const TPoint to(360, 90);
    Drag(from, to);
    const auto objects = FileObjects();
    ASSERT_EQ(objects.size(), size_t{kRecords + 1});
    const TObject& line = LastOf(objects);
    EXPECT_EQ(line.x1, DrawingAt(from).x);
    EXPECT_EQ(line.y1, DrawingAt(from).y);
    EXPECT_EQ(line.x2, DrawingAt(to).x);
    EXPECT_EQ(line.y2, DrawingAt(to).y);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(child->InputDC, nullptr);
}

TEST_F(DraggedLine, AClickWithoutDragMakesNothing) {
    Open();
    Click(TPoint(200, 200));
    EXPECT_EQ(FileCount(), kRecords);
}

// The click is the reference while the line is dragged; the repaint after the line puts the
// reference back on the walls' corner.
TEST_F(DraggedLine, TheClickSetsTheDatumReference) {
    Open();
    const TPoint from(120, 240), to(300, 240);
    Drag(from, to);
    const std::string dx = std::to_string(DrawingAt(to).x - DrawingAt(from).x);
    EXPECT_TRUE(std::string(client->DistanceGadget->GetText()).starts_with("h " + dx + ": v 0 "));
}

class CentreAids : public InputTest {};

TEST_F(CentreAids, CentreFindsTheMiddleOfTwoClicksAndResumesTheTool) {
    Open();
    client->CmCentre();
    EXPECT_EQ(client->Tool->Mode, 30);
    Click(TPoint(100, 100));
    Click(TPoint(300, 201));
    const POINT a = DrawingAt(TPoint(100, 100));
    const POINT b = DrawingAt(TPoint(300, 201));
    EXPECT_EQ(client->Tool->X0, a.x + (b.x - a.x) / 2);
    EXPECT_EQ(client->Tool->Y0, b.y + (a.y - b.y) / 2);
    EXPECT_EQ(client->Tool->Mode, 0);
    EXPECT_EQ(FileCount(), kRecords);
}

TEST_F(CentreAids, CentreIsRefusedDuringAMultiLine) {
    Open();
    client->Tool->Mode = 40;
    client->CmCentre();
    EXPECT_EQ(client->Tool->Mode, 40);
    EXPECT_TRUE(ui.LogContains("caption=\"CENTRE\""));
}

TEST_F(CentreAids, CentreCentreFindsTheMiddleOfThreeCorners) {
    Open();
    client->CmCentreCentre();
    Click(TPoint(100, 300));
    Click(TPoint(100, 100));
    Click(TPoint(400, 100));
    const POINT corner = DrawingAt(TPoint(100, 300));
    const POINT opposite = DrawingAt(TPoint(400, 100));
    EXPECT_EQ(client->Tool->X0, corner.x + (opposite.x - corner.x) / 2);
    EXPECT_EQ(client->Tool->Y0, opposite.y + (corner.y - opposite.y) / 2);
    EXPECT_EQ(client->Tool->Mode, 0);
}

} // namespace

namespace {

class OutlineReadout : public InputTest {};

TEST_F(OutlineReadout, AKeyedWallShowsItsDistanceFromTheStartPoint) {
    Open();
    client->RestoreTool(toolkind::kExtWall);
    const TPoint at(200, 300);
    MoveTo(at);
    Key(Qt::Key_Return);
    EXPECT_EQ(child->StartX, DrawingAt(at).x);
    EXPECT_EQ(child->DatumMode, 4);
    pl::script::AnswerInput("2500");
    Key(Qt::Key_Right);
    EXPECT_EQ(std::string(client->StatusBar->GetText()), "Distance from START POINT h 2500: v 0");
    EXPECT_EQ(child->DatumX, DrawingAt(at).x + 2500);
    const auto objects = FileObjects();
    const TObject& wall = *objects.back();
    EXPECT_EQ(wall.kind, kExtWall);
    EXPECT_EQ(wall.x2 - wall.x1, 2500);
}

TEST_F(OutlineReadout, AShortWallShowsNoDistance) {
    Open();
    client->RestoreTool(toolkind::kExtWall);
    MoveTo(TPoint(200, 300));
    Key(Qt::Key_Return);
    pl::script::AnswerInput("100");
    Key(Qt::Key_Up);
    EXPECT_EQ(std::string(client->StatusBar->GetText()), "Continue - if same details use arrow keys or Enter "
                                                         "endpoint - click Extwall icon if changing detail");
}

} // namespace
