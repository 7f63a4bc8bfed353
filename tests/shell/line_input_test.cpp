// Drawing lines in the drawing window by keys and by the mouse, as a user does, and checking what
// reaches the working file.
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <array>
#include <string>
#include <tuple>

#include "dialogs/feet_dialog.h"
#include "document/program_state.h"
#include "platform/cursor.h"
#include "platform/gadget_window.h"
#include "platform/gadgets.h"
#include "platform/test_script.h"
#include "resources/command_ids.h"
#include "resources/dialogs/feet_template.h"
#include "resources/dialogs/partition_templates.h"
#include "tests/shell/input_fixture.h"
#include "tools/line_tool.h"

namespace {

using pl::script::DialogStep;

const TObject& LastOf(const std::vector<std::unique_ptr<TObject>>& objects) {
    return *objects.back();
}

// The three floor records File New seeds come first in every drawing.
constexpr int32_t kRecords = 3;
constexpr char kAsksForAStart[] = "ENTER start of line, then arrow key direction, OR press LeftButton & DRAG";

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
    // Any length but 0 (or none) that is refused is told.
    EXPECT_EQ(ui.LogContains("The length must be from 1 to 69999 mm"), !taken && std::atoi(GetParam().first) != 0);
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

TEST_F(KeyedLine, CancelledLengthLetsTheStartGo) {
    Open();
    MoveTo(TPoint(150, 150));
    Key(Qt::Key_Return);
    pl::script::CancelInput();
    Key(Qt::Key_Down);
    EXPECT_EQ(FileCount(), kRecords);
    EXPECT_EQ(client->Tool->PointPlaced, 0);
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
    void SetUp() override {
        InputTest::SetUp();
        CurrentView = kSitePlan;
        Open();
        client->CmLineText();
    }
    // A line keyed from the pointer (a start placed by Enter), or from the last line's end, labelled.
    void KeyLine(int qtKey, int32_t millimetres, bool label = true) {
        pl::script::AnswerInput(std::to_string(millimetres));
        if (label) pl::script::AnswerDialog(2690, {DialogStep{{{2691, "ROAD"}}, IDOK}});
        Key(qtKey);
    }
    std::array<int32_t, 4> LastLine() const {
        const auto objects = FileObjects();
        for (auto o = objects.rbegin(); o != objects.rend(); ++o)
            if ((*o)->kind == kLine) return {(*o)->x1, (*o)->y1, (*o)->x2, (*o)->y2};
        return {};
    }
};

// (a click without a drag comes between the two lines; Line + Text labels them, else plain Line)
class LineAfterClick : public SitePlanLine, public ::testing::WithParamInterface<std::tuple<bool, bool>> {};

TEST_P(LineAfterClick, GoesOnFromTheLastEndOrFromTheClickOrWaitsForAStart) {
    const auto [afterAClick, labelled] = GetParam();
    if (!labelled) client->CmLine();
    MoveTo(TPoint(150, 150));
    Key(Qt::Key_Return);
    KeyLine(Qt::Key_Right, 6000, labelled);
    const auto road = LastLine();
    if (!afterAClick) {
        KeyLine(Qt::Key_Left, 2000, labelled);
        EXPECT_EQ(LastLine(), (std::array{road[2], road[3], road[2] - 2000, road[3]}));
        return;
    }
    const int32_t before = FileCount();
    Click(TPoint(300, 100));
    if (labelled) {
        // The labelled chain held its end: the click is a new start, and the arrow draws from it.
        KeyLine(Qt::Key_Left, 2000);
        const POINT click = DrawingAt({300, 100});
        EXPECT_EQ(LastLine(), (std::array{click.x, click.y, click.x - 2000, click.y}));
        return;
    }
    // A plain line with no start asks for no length.
    Key(Qt::Key_Left);
    // The click left no point to go on from: nothing is drawn, and the guide asks for a start.
    EXPECT_EQ(FileCount(), before);
    EXPECT_STREQ(client->StatusBar->GetText(), kAsksForAStart);
    const TPoint next(200, 300);
    MoveTo(next);
    Key(Qt::Key_Return);
    KeyLine(Qt::Key_Left, 2000, labelled);
    const POINT start = DrawingAt(next);
    EXPECT_EQ(LastLine(), (std::array{start.x, start.y, start.x - 2000, start.y}));
}

INSTANTIATE_TEST_SUITE_P(SitePlan, LineAfterClick,
                         ::testing::Values(std::tuple{false, true}, std::tuple{true, true},
                                           std::tuple{true, false}),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param) ? "AfterAClick" : "StraightOn") +
                                    (std::get<1>(info.param) ? "" : "Unlabelled");
                         });

// The sheet check of a keyed line goes from where the line starts, wherever the pointer was left.
// (the last line ends high in the window, else low; the pointer was left at the other edge)
class LineNearTheSheetEdge : public SitePlanLine,
                             public ::testing::WithParamInterface<std::tuple<bool, bool>> {};

TEST_P(LineNearTheSheetEdge, IsCheckedFromWhereItStarts) {
    const auto [endHigh, pointerAway] = GetParam();
    const TPoint high(150, 40), low(150, child->GetClientRect().bottom - 40);
    MoveTo(endHigh ? high : low);
    Key(Qt::Key_Return);
    KeyLine(Qt::Key_Right, 1000);
    const auto road = LastLine();
    if (pointerAway) MoveTo(endHigh ? low : high);
    // Down by a length that leaves the sheet from the lower of the two edges only.
    const int32_t length = (road[3] + DrawingAt(endHigh ? low : high).y) / 2;
    ASSERT_LE(length, 69999);
    ASSERT_EQ(road[3] >= length, endHigh);
    const int32_t before = FileCount();
    KeyLine(Qt::Key_Down, length, endHigh);
    EXPECT_EQ(ui.LogContains("Distance would take you outside the programme's total drawing sizes"),
              !endHigh);
    if (endHigh) {
        EXPECT_EQ(LastLine(), (std::array{road[2], road[3], road[2], road[3] - length}));
    } else {
        EXPECT_EQ(FileCount(), before);
    }
}

INSTANTIATE_TEST_SUITE_P(SitePlan, LineNearTheSheetEdge,
                         ::testing::Combine(::testing::Bool(), ::testing::Bool()), [](const auto& info) {
                             return std::string(std::get<0>(info.param) ? "OnTheSheet" : "PastTheSheet") +
                                    (std::get<1>(info.param) ? "PointerAway" : "PointerOnTheEnd");
                         });

// The other tools that key a step from a point of their own (a rectangle's corner, the end of the
// last wall, the end of a picked wall): the sheet check goes from that point too, wherever the
// pointer was left.
struct OwnPointTool {
    const char* name;
    void (*choose)(TClient&);
    bool across;           // a first step to the right comes before the one checked (a side, a wall)
    int32_t editsEnd = 0;  // the command that edits the lower end of a partition picked by a click
    bool shortens = false; // the end goes back up its wall, so it can never leave the sheet
    // A partition whose end the key moves, or one whose edit moves no end (drawn down from its upper
    // end, or level): never told of the sheet, wherever the pointer is.
    enum class Picked { Moving, AsLongAsTheStep, ShorterThanTheStep, Across } picked = Picked::Moving;
    bool line = false; // a line is picked in the partition's place
};

const OwnPointTool kOwnPointTools[] = {
    {"Rectangle", [](TClient& c) { c.CmRectangle(); }, true},
    {"RoundedRectangle",
     [](TClient& c) {
         c.CmRoundRect();
         pl::script::AnswerInput("50"); // the corner radius, asked at the Enter
     },
     true},
    // A keyed ellipse is made by its one arrow.
    {"Ellipse", [](TClient& c) { c.CmEllipse(); }, false},
    {"ExternalWall",
     [](TClient& c) {
         c.RestoreTool(toolkind::kExtWall);
         c.Tool->PickKind = 1;
     },
     true},
    {"InternalWall",
     [](TClient& c) {
         pl::script::AnswerDialog(kPartitionDialogId,
                                  {DialogStep{{{kPartitionThickness, "100"}, {kPartitionBelow, "1"}}, IDOK}});
         c.ProcessCommand(cmd::kInternalWall);
     },
     true},
    {"ExtendedWallEnd", nullptr, false, cmd::kExtendInternalWall},
    {"ShortenedWallEnd", nullptr, false, cmd::kShortenInternalWall, true},
    {"ExtendedLineEnd", nullptr, false, cmd::kExtendInternalWall, false, OwnPointTool::Picked::Moving, true},
    {"ShortenedLineEnd", nullptr, false, cmd::kShortenInternalWall, true, OwnPointTool::Picked::Moving, true},
    {"LineShortenedPastItsLength", nullptr, false, cmd::kShortenInternalWall, true,
     OwnPointTool::Picked::ShorterThanTheStep, true},
    {"WallShortenedByItsLength", nullptr, false, cmd::kShortenInternalWall, true,
     OwnPointTool::Picked::AsLongAsTheStep},
    {"WallShortenedPastItsLength", nullptr, false, cmd::kShortenInternalWall, true,
     OwnPointTool::Picked::ShorterThanTheStep},
    {"WallExtendedAcrossItself", nullptr, false, cmd::kExtendInternalWall, false,
     OwnPointTool::Picked::Across},
};

// Steps to the sheet's lower edge exactly, and the least length that can be typed past it (1 mm, 1/8
// inch: less than a zoom unit), in the units.
enum class ToTheEdge { No, Metric, Imperial };
const char* const kToTheEdgeNames[] = {"TheSheet", "TheEdgeMetric", "TheEdgeImperial"};

std::vector<std::tuple<OwnPointTool, bool, ToTheEdge>> OwnPointSteps() {
    std::vector<std::tuple<OwnPointTool, bool, ToTheEdge>> steps;
    for (const OwnPointTool& tool : kOwnPointTools)
        for (const bool startHigh : {false, true}) {
            if (startHigh || !tool.shortens || tool.picked != OwnPointTool::Picked::Moving)
                steps.emplace_back(tool, startHigh, ToTheEdge::No);
            if (tool.shortens || tool.picked != OwnPointTool::Picked::Moving) continue;
            steps.emplace_back(tool, startHigh, ToTheEdge::Metric);
            if (tool.editsEnd) steps.emplace_back(tool, startHigh, ToTheEdge::Imperial);
        }
    return steps;
}

// (the step starts high in the window and the pointer was left low, else the reverse; or the step
// ends on the sheet's edge, else past it)
class StepNearTheSheetEdge : public InputTest,
                             public ::testing::WithParamInterface<std::tuple<OwnPointTool, bool, ToTheEdge>> {
};

TEST_P(StepNearTheSheetEdge, IsCheckedFromWhereItStarts) {
    const auto [tool, startHigh, edge] = GetParam();
    if (edge == ToTheEdge::Imperial) MetricUnits = 0;
    Open();
    const TPoint high(150, 40), low(150, child->GetClientRect().bottom - 40);
    const TPoint at = startHigh ? high : low, away = startHigh ? low : high;
    const int32_t start = DrawingAt(at).y;
    // Down by a length that leaves the sheet from the lower of the two points only.
    int32_t length = (start + DrawingAt(away).y) / 2;
    if (edge != ToTheEdge::No) length = start + (startHigh ? 0 : edge == ToTheEdge::Metric ? 1 : 3);
    ASSERT_EQ(start >= length, startHigh);
    // The lowest point the step reaches.
    int32_t reached = start - length;
    if (tool.editsEnd) {
        // A partition up from its lower end: an extension takes that end from the start down, and a
        // shortening from the length below the start back up to it.
        using enum OwnPointTool::Picked;
        const int32_t x = DrawingAt(at).x,
                      lower = tool.shortens && tool.picked == Moving ? start - length : start;
        if (tool.shortens) reached = start;
        const int32_t top = tool.picked == AsLongAsTheStep      ? start + length
                            : tool.picked == ShorterThanTheStep ? start + length / 2
                                                                : start + 1000;
        // Its ends; the second face of a partition lies 100 to the right, or above a level one.
        std::array e{x, lower, x, top};
        if (tool.picked == Across) e = {x - 1000, start, x + 1000, start};
        if (tool.picked == AsLongAsTheStep || tool.picked == ShorterThanTheStep) e = {x, top, x, lower};
        const int32_t attr[4] = {}, r = e[1] == e[3] ? 0 : 100, u = 100 - r;
        if (tool.line)
            ObjectList.Add(inputs::Line(e[0], e[1], e[2], e[3]));
        else
            ObjectList.Add(std::make_unique<TIntwallobj>(
                kGroundFloor, kIntWall, 1, 0, 10005, 10005, e[0], 0, e[2], 0, e[1], e[3], 0, 100, 0, 0, 0, 0,
                1, 0, e[0] + r, 0, e[1] + u, e[2] + r, e[3] + u, attr, 0, 0));
        ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
        client->ProcessCommand(tool.editsEnd);
        Click(PixelOf(x, tool.picked == Across ? start : start + 500));
    } else {
        tool.choose(*client);
        MoveTo(at);
        Key(Qt::Key_Return);
        // The step checked starts at the height of the Enter.
        if (tool.across) {
            pl::script::AnswerInput("1000");
            Key(Qt::Key_Right);
        }
    }
    MoveTo(away);
    const int32_t before = FileCount();
    const std::string file = dir.ReadFile("DWGS/HOUSE.DB0");
    if (MetricUnits == 1)
        pl::script::AnswerInput(std::to_string(length));
    else
        pl::script::AnswerDialog(kFeetDialogId,
                                 {DialogStep{{{kFeetEditId, std::to_string(length / 288)},
                                              {kInchesEditId, std::to_string(length % 288 / 24)},
                                              {kNumeratorEditId, std::to_string(length % 24 / 3)},
                                              {kDenominatorEditId, "8"}}}});
    Key(Qt::Key_Down);
    const bool told = ui.LogContains("Distance would take you outside the programme's total drawing sizes");
    if (tool.picked != OwnPointTool::Picked::Moving) {
        EXPECT_FALSE(told);
        EXPECT_EQ(dir.ReadFile("DWGS/HOUSE.DB0"), file);
        return;
    }
    // An outline's wall never ends on the sheet's foot, where the outline could go on no further.
    const bool stored = startHigh && !(reached == 0 && std::string(tool.name) == "ExternalWall");
    EXPECT_EQ(told, !stored);
    const auto objects = FileObjects();
    if (!stored) {
        EXPECT_EQ(static_cast<int32_t>(objects.size()), before);
    }
    EXPECT_EQ(std::any_of(
                  objects.begin(), objects.end(),
                  [&](const auto& o) { return o->kind < kFloorRecord && std::min(o->y1, o->y2) == reached; }),
              stored);
}

INSTANTIATE_TEST_SUITE_P(OwnPoint, StepNearTheSheetEdge, ::testing::ValuesIn(OwnPointSteps()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "On" : "Past") +
                                    kToTheEdgeNames[static_cast<int>(std::get<2>(info.param))];
                         });

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

// A click after Enter, or one that slipped a few pixels, is a new start: the arrow draws from it.
TEST_F(DraggedLine, AClickAfterEnterIsANewStart) {
    Open();
    MoveTo(TPoint(120, 240));
    Key(Qt::Key_Return);
    Drag(TPoint(300, 100), TPoint(320, 80));
    EXPECT_STREQ(client->StatusBar->GetText(), kAsksForAStart);
    pl::script::AnswerInput("2500"), Key(Qt::Key_Right);
    EXPECT_EQ(LastOf(FileObjects()).x2, DrawingAt({300, 100}).x + 2500);
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

// Line and Line + Text after Enter and a click elsewhere (on the paper, on a line, a double click, a
// drag of a few pixels), on the floors and the site plan: the click is the new start, and the arrow
// draws from it, labelled, as an Enter there does. (labelled, the click, the view, metric)
const char* const kClickNames[] = {"OnPaper", "OnALine", "Double", "SmallDrag"};
class ClickAfterEnter : public InputTest,
                        public ::testing::WithParamInterface<std::tuple<bool, int, std::pair<int32_t, bool>>> {};

TEST_P(ClickAfterEnter, IsANewStartAsEnterThereIs) {
    const auto [labelled, click, floor] = GetParam();
    const auto [view, metric] = floor;
    CurrentView = view, MetricUnits = metric;
    const TPoint enter(120, 240), at(click == 1 ? 150 : 300, click == 1 ? 150 : 100);
    Open();
    ObjectList.Add(inputs::Line(DrawingAt({60, 150}).x, DrawingAt({60, 150}).y, DrawingAt({180, 150}).x,
                                DrawingAt({180, 150}).y, view));
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    // What the keys add to the file, from an Enter at the start and the click, else an Enter at the click.
    const auto keyed = [&](bool clicked) {
        client->ProcessCommand(labelled ? cmd::kLineText : cmd::kLine);
        const size_t before = FileObjects().size();
        MoveTo(TPoint(enter.x + 1, enter.y)), MoveTo(clicked ? enter : at), Key(Qt::Key_Return);
        if (clicked) click == 3 ? Drag(at, TPoint(at.x + 3, at.y + 2)) : Click(at);
        if (clicked && click == 2) Click(at);
        metric ? pl::script::AnswerInput("1200")
               : pl::script::AnswerDialog(kFeetDialogId, {DialogStep{{{kFeetEditId, "4"}, {kInchesEditId, "0"}}}});
        if (labelled) pl::script::AnswerDialog(2690, {DialogStep{{{2691, "ROAD"}}, IDOK}});
        Key(Qt::Key_Right);
        std::vector<std::tuple<int32_t, int32_t, int32_t, int32_t, int32_t>> added;
        const auto objects = FileObjects();
        for (size_t i = before; i < objects.size(); ++i)
            added.emplace_back(objects[i]->kind, objects[i]->x1, objects[i]->y1, objects[i]->x2, objects[i]->y2);
        return added;
    };
    const auto control = keyed(false);
    ASSERT_EQ(control.size(), labelled ? 2u : 1u);
    EXPECT_EQ(keyed(true), control);
}

INSTANTIATE_TEST_SUITE_P(
    LineKinds, ClickAfterEnter,
    ::testing::Combine(::testing::Bool(), ::testing::Values(0, 1, 2, 3),
                       ::testing::Values(std::pair{kGroundFloor, true}, std::pair{kGroundFloor, false},
                                         std::pair{kFirstFloor, true}, std::pair{kSitePlan, true})),
    [](const auto& i) {
        return std::string(std::get<0>(i.param) ? "LineText" : "Line") + kClickNames[std::get<1>(i.param)] +
               std::to_string(std::get<2>(i.param).first) + (std::get<2>(i.param).second ? "Metric" : "Imperial");
    });

// Escape after a keyed line lets go of the chain's end and leaves Line chosen, waiting for a start as
// when it was chosen; a second Escape ends the tool. (the view, metric)
class EscapeInALineChain : public InputTest, public ::testing::WithParamInterface<std::pair<int32_t, bool>> {};

TEST_P(EscapeInALineChain, FirstLetsGoOfTheEndAndTheSecondEndsTheTool) {
    std::tie(CurrentView, MetricUnits) = GetParam();
    Open();
    client->ProcessCommand(cmd::kLine);
    const std::string chosen = std::string(client->ToolGadget->GetText()) + client->StatusBar->GetText();
    MoveTo({121, 240}), MoveTo({120, 240}), Key(Qt::Key_Return);
    MetricUnits ? pl::script::AnswerInput("1500")
                : pl::script::AnswerDialog(kFeetDialogId, {DialogStep{{{kFeetEditId, "5"}}}});
    Key(Qt::Key_Right);
    ASSERT_EQ(FileCount(), kRecords + 1);
    Key(Qt::Key_Escape);
    EXPECT_EQ(std::string(client->ToolGadget->GetText()) + client->StatusBar->GetText(), chosen);
    Key(Qt::Key_Escape);
    EXPECT_STREQ(client->ToolGadget->GetText(), "Pick Tool");
    EXPECT_EQ(FileCount(), kRecords + 1);
}

INSTANTIATE_TEST_SUITE_P(Views, EscapeInALineChain,
                         ::testing::Values(std::pair{kGroundFloor, 1}, std::pair{kGroundFloor, 0},
                                           std::pair{kFirstFloor, 1}, std::pair{kSecondFloor, 1},
                                           std::pair{kSitePlan, 1}, std::pair{kSitePlan, 0}));

// A drag of a few pixels (which draws its short line) leaves the tool waiting for a start, as no drag.
// After Enter a drag that slips at most 20 pixels each way is a new start at its press; a longer one, or
// one straight down, draws its line, and the tool waits for a start. (pixels across, down; after Enter)
class DragThenKeyedLine : public InputTest,
                          public ::testing::WithParamInterface<std::tuple<int, int, bool>> {};

TEST_P(DragThenKeyedLine, DrawsItsLineOrIsANewStart) {
    const auto [dx, dy, enter] = GetParam();
    Open();
    if (enter) MoveTo(TPoint(120, 240)), Key(Qt::Key_Return);
    const TPoint press(300, 100), release(300 + dx, 100 + dy);
    if (dx || dy) Drag(press, release);
    const bool newStart = enter && std::abs(dx) <= 20 && std::abs(dy) <= 20;
    if (!newStart) MoveTo(TPoint(200, 150)), Key(Qt::Key_Return);
    pl::script::AnswerInput("2500");
    Key(Qt::Key_Right);
    const POINT s = DrawingAt(newStart ? press : TPoint(200, 150)), p = DrawingAt(press),
                r = DrawingAt(release);
    const auto objects = FileObjects();
    const TObject& line = LastOf(objects);
    EXPECT_EQ(std::tuple(line.x1, line.y1, line.x2, line.y2), std::tuple(s.x, s.y, s.x + 2500, s.y));
    const TObject& dragged = *objects[objects.size() - 2];
    EXPECT_EQ((dx || dy) && !newStart,
              std::tuple(dragged.x1, dragged.y1, dragged.x2, dragged.y2) == std::tuple(p.x, p.y, r.x, r.y));
}

INSTANTIATE_TEST_SUITE_P(Pixels, DragThenKeyedLine,
                         ::testing::Values(std::tuple{0, 0, false}, std::tuple{1, 0, false},
                                           std::tuple{3, 0, false}, std::tuple{8, 0, false},
                                           std::tuple{20, 0, false}, std::tuple{20, -20, true},
                                           std::tuple{21, 0, true}, std::tuple{0, 21, true},
                                           std::tuple{0, 60, true}, std::tuple{-40, 40, true}));

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
