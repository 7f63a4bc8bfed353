// Nothing is stored past the sheet's edge, by whatever road a point reaches the drawing, and the
// window shows what lies past the sheet in a colour of its own.
#include <QTest>

#include <algorithm>
#include <tuple>

#include "document/program_state.h"
#include "document/sheet_edge.h"
#include "platform/cursor.h"
#include "platform/scroller.h"
#include "platform/test_script.h"
#include "resources/command_ids.h"
#include "resources/dialogs/feet_template.h"
#include "resources/dialogs/library_templates.h"
#include "resources/dialogs/partition_templates.h"
#include "resources/dialogs/room_templates.h"
#include "resources/dialogs/tool_dialog_templates.h"
#include "tests/shell/input_fixture.h"
#include "tests/support/made_objects.h"

namespace {

using pl::script::DialogStep;

// clang-format off
enum class Road { EnterCircle, EnterLine, EnterBelow, WallBelow, WallLeft, ClickText, DatumClick, DragCircleOut,
                  Paste, Symbol, Turn, MoveRoom, NewRoomLands, PasteLands, SymbolLands };
constexpr int32_t kCommands[] = {cmd::kCircle, cmd::kLine, cmd::kCircle, cmd::kInternalWall, cmd::kInternalWall,
    cmd::kText, 0, cmd::kCircle, cmd::kCopy, cmd::kLibraryPlumbing, cmd::kMoveRotate, cmd::kMoveRoom,
    cmd::kNewDesignRoom, cmd::kPaste, cmd::kLibraryPlumbing};
// clang-format on

// Every point the file stores of the object lies on the sheet, by the sheet's own numbers.
bool OnTheSheet(const TObject& o) {
    const int64_t right = int64_t{SheetWidth} * ZoomDivisor, top = int64_t{SheetHeight} * ZoomDivisor;
    const auto on = [&](int64_t x, int64_t y) { return x >= 0 && y >= 0 && x <= right && y <= top; };
    const auto* w = dynamic_cast<const TIntwallobj*>(&o);
    return o.kind >= kFloorRecord || (on(o.x1, o.y1) && (IsTextKind(o.kind) || on(o.x2, o.y2)) &&
                                      (!w || (on(w->q1x, w->q1y) && on(w->q2x, w->q2y))));
}

class PastSheet : public InputTest, public ::testing::WithParamInterface<std::tuple<int32_t, Road>> {};

// (view, road) on the smallest sheet: the site plan shows it whole with room round it, a floor or a
// layout is scrolled to its lower left corner. Below has x on the sheet; a partition runs along the bottom or
// left edge, side outward, refused before a length is asked. The paste, symbol and turn carry three lines
// near that corner 2000 left or a quarter turn down, a room goes 25000 left, past the sheet. What the program
// places itself lands in sight.
TEST_P(PastSheet, StoresNothingAndSaysSo) {
    const auto [view, road] = GetParam();
    dir.WriteFile("CFG/DWGSIZEM.CFG", "4000 4000");
    CurrentView = view;
    Open();
    const bool lands = road >= Road::NewRoomLands, wall = road == Road::WallBelow || road == Road::WallLeft;
    if (view != kSitePlan && !lands)
        child->Scroller->XPos = 0, child->Scroller->YPos = child->ScrollRangeY, child->Invalidate(true);
    for (const int32_t y : {1000, 1500, 2000})
        if (road >= Road::Paste) ObjectList.Add(inputs::Line(1000, y, 3000, y, view));
    if (road == Road::MoveRoom)
        ObjectList.Add(testsupport::Made<TRoomobj>(kDesignRoom, 1000, 3000, 3000, 1000, view));
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    child->Invalidate(true);
    child->UpdateWindow();
    if (road == Road::ClickText) pl::script::AnswerDialog(kTextDetailsDialogId, {DialogStep{{}, IDOK}});
    if (road == Road::Symbol || road >= Road::PasteLands) {
        ASSERT_EQ(ObjectList.WriteTempCount(0), FileResult::Ok);
        for (int32_t i = ObjectList.count - 3; i < ObjectList.count; ++i)
            ASSERT_EQ(ObjectList.WriteCopyCfg(i, 3000, 2000), FileResult::Ok);
        ASSERT_EQ(ObjectList.SaveLibrary(road == Road::PasteLands ? kPasteFileName : "SINK.PLM"),
                  FileResult::Ok);
        if (road != Road::PasteLands)
            pl::script::AnswerDialog(kLibraryListDialogId, {{{{kLibraryListBoxId, "SINK"}}, IDOK}});
    }
    const int32_t room = kNewRoomDialogId, tall = room + roomdlg::kVertical; // too tall above the view's foot
    if (road == Road::NewRoomLands)
        pl::script::AnswerDialog(kRoomPartitionDialogId, {{{}, IDOK}}),
            pl::script::AnswerDialog(room,
                                     {{{{room + roomdlg::kHorizontal, "1000"}, {tall, "18000"}}, IDOK}});
    // Each road's command, the datum's a key of its own; then the pointer's steps in order.
    const int32_t side = road == Road::WallBelow ? kPartitionBelow : kPartitionLeft;
    if (wall)
        pl::script::AnswerDialog(kPartitionDialogId, {{{{kPartitionThickness, "100"}, {side, "1"}}, IDOK}});
    if (road == Road::DatumClick) Key(Qt::Key_Tab);
    if (road != Road::DatumClick) client->ProcessCommand(kCommands[static_cast<int>(road)]);
    TPoint past = wall ? PixelOf(side == kPartitionLeft ? 0 : 1000, side == kPartitionLeft ? 1000 : 0)
                       : PixelOf(road == Road::EnterBelow ? 1000 : -1000, -1000);
    while (wall && (DrawingAt(past).x <= 0 || DrawingAt(past).y <= 0)) // on the sheet, within 100 of the edge
        side == kPartitionLeft ? ++past.x : --past.y;
    if (road <= Road::WallLeft) {
        MoveTo(past);
        Key(Qt::Key_Return);
        Key(road == Road::WallLeft ? Qt::Key_Up : Qt::Key_Right);
    }
    if (road == Road::ClickText || road == Road::DatumClick) Click(past);
    if (road == Road::DragCircleOut) Drag(PixelOf(1000, 1000), past);
    if (road == Road::Paste || road == Road::Turn) Drag(PixelOf(500, 2500), PixelOf(3500, 500));
    if (road == Road::Paste) client->ProcessCommand(cmd::kPaste);
    if (road == Road::Turn) pl::script::AnswerInput("90");
    if (road == Road::Turn)
        QTest::mouseClick(View(), Qt::RightButton, {}, QPoint(PixelOf(1000, 1000).x, PixelOf(1000, 1000).y));
    if (road == Road::MoveRoom)
        Click(PixelOf(1500, 1500)), pl::script::AnswerInput("25000"), Key(Qt::Key_Left);
    // The symbol's reference point is where it landed; a paste takes any.
    const int32_t lastX = ObjectList[ObjectList.count - 1]->x2, lastY = ObjectList[ObjectList.count - 1]->y2;
    for (const int32_t dx : {0, -2000}) // a click reads the drawing again: keep the point, not the object
        if (road == Road::Paste || road == Road::Symbol) Click(PixelOf(lastX + dx, lastY));
    if (road >= Road::Paste && road <= Road::Turn) Key(Qt::Key_Return);
    EXPECT_EQ(ui.LogContains(kPastSheetText), !lands);
    for (const auto& o : FileObjects())
        EXPECT_TRUE(OnTheSheet(*o) && (!lands || o->kind >= kDesignRoom ||
                                       child->GetClientRect().Contains(PixelOf(o->x1, o->y1))))
            << "kind " << o->kind << " at " << o->x1 << ", " << o->y1;
}

INSTANTIATE_TEST_SUITE_P(SitePlan, PastSheet,
                         ::testing::Combine(::testing::Values(kSitePlan),
                                            ::testing::Values(Road::EnterCircle, Road::EnterLine,
                                                              Road::ClickText, Road::DatumClick,
                                                              Road::DragCircleOut, Road::Paste, Road::Symbol,
                                                              Road::Turn)));
INSTANTIATE_TEST_SUITE_P(FloorAndLayout, PastSheet,
                         ::testing::Combine(::testing::Values(kGroundFloor, kRoomLayout),
                                            ::testing::Values(Road::DragCircleOut, Road::Paste, Road::Turn)));
INSTANTIATE_TEST_SUITE_P(OneEdge, PastSheet,
                         ::testing::Values(std::tuple{kSitePlan, Road::EnterBelow},
                                           std::tuple{kGroundFloor, Road::WallBelow},
                                           std::tuple{kGroundFloor, Road::WallLeft},
                                           std::tuple{kRoomLayout, Road::MoveRoom},
                                           std::tuple{kRoomLayout, Road::NewRoomLands}));
INSTANTIATE_TEST_SUITE_P(Landing, PastSheet,
                         ::testing::Combine(::testing::Values(kSitePlan, kGroundFloor, kFirstFloor,
                                                              kSecondFloor, kRoomLayout),
                                            ::testing::Values(Road::PasteLands, Road::SymbolLands)));

using PastSheetShown = InputTest;

TEST_F(PastSheetShown, InItsOwnColourOnTheSitePlan) {
    dir.WriteFile("CFG/DWGSIZEM.CFG", "4000 4000");
    CurrentView = kSitePlan;
    Open();
    const QImage shown = View()->grab().toImage();
    const int32_t right = SheetWidth * ZoomDivisor, top = SheetHeight * ZoomDivisor;
    // Past every edge one grey that is not the paper; the sheet's corners inside are the paper.
    const COLORREF paper = BackgroundColour,
                   grey = shown.pixel(PixelOf(-1000, top / 2).x, PixelOf(-1000, top / 2).y);
    EXPECT_NE(grey & 0xFFFFFF, paper & 0xFFFFFF);
    const std::tuple<int32_t, int32_t, COLORREF> probes[] = {
        {-1000, top / 2, grey},        {right / 2, -1000, grey}, {right + 1000, top / 2, grey},
        {right / 2, top + 1000, grey}, {1000, 1000, paper},      {right - 1000, top - 1000, paper}};
    for (const auto& [x, y, colour] : probes)
        EXPECT_EQ(shown.pixel(PixelOf(x, y).x, PixelOf(x, y).y) & 0xFFFFFF, colour & 0xFFFFFF)
            << x << ", " << y;
}

// (partition, metric) the view at the top of the sheet, the pointer from the drawing area onto the
// toolbar just above it: Enter and Down 2000 (6' 6") start where the pointer last was in the area.
class EnterOffTheArea : public InputTest, public ::testing::WithParamInterface<std::tuple<bool, bool>> {};

TEST_P(EnterOffTheArea, TakesThePointersLastPlaceInTheArea) {
    const auto [partition, metric] = GetParam();
    MetricUnits = metric;
    Open();
    child->Scroller->YPos = 0, child->Invalidate(true);
    child->UpdateWindow();
    if (partition) {
        pl::script::AnswerDialog(metric ? kPartitionDialogId : kPartitionImpDialogId,
                                 {DialogStep{{{metric ? kPartitionRight : kPartitionImpRight, "1"}}, IDOK}});
        client->ProcessCommand(cmd::kInternalWall);
    }
    int32_t before = FileCount();
    MoveTo(TPoint(300, 5));
    const QPoint toolbar = View()->mapToGlobal(QPoint(300, -17));
    SetCursorPos(toolbar.x(), toolbar.y());
    Key(Qt::Key_Return);
    metric ? pl::script::AnswerInput("2000")
           : pl::script::AnswerDialog(kFeetDialogId,
                                      {DialogStep{{{kFeetEditId, "6"}, {kInchesEditId, "6"}}, IDOK}});
    Key(Qt::Key_Down);
    EXPECT_FALSE(ui.LogContains(kPastSheetText));
    const auto objects = FileObjects();
    const POINT start = DrawingAt(TPoint(300, 5));
    ASSERT_GT(static_cast<int32_t>(objects.size()), before);
    EXPECT_EQ(std::pair(objects[before]->x1, objects[before]->y1), std::pair(start.x, start.y));
    for (const auto& o : objects)
        EXPECT_TRUE(OnTheSheet(*o)) << "kind " << o->kind << " at " << o->x1 << ", " << o->y1;
}

INSTANTIATE_TEST_SUITE_P(Tools, EnterOffTheArea, ::testing::Combine(::testing::Bool(), ::testing::Bool()));

// (command, edge: left right bottom top, metric) on the smallest sheet, a start on the sheet's edge (or the
// pixel nearest it) and 1500 (5' 0") along the edge, a rectangle's side back onto the edge: drawn, but a
// line or partition never starts on the left or bottom edge: refused with the sheet message at Enter (and
// a line at a click there after Enter), and the next start, 20 pixels in, is drawn from where it is keyed. A
// floor's area ends a pixel above the sheet's foot, where a partition is drawn. It is offered the free length
// ahead within 34000, else the one it held. Road 1 drags from the edge inward; road 2 keys a piece from 20
// pixels in left onto the edge, and the chain's next arrow would start there: refused, that piece kept.
constexpr int32_t kOutlineWall = -1; // File New's wall keyed onto the edge (road 3: Enter there) is refused
class StartOnTheEdge : public InputTest,
                       public ::testing::WithParamInterface<std::tuple<int32_t, int, bool, int>> {};

TEST_P(StartOnTheEdge, DrawsTheKeyedLengthOrSaysWhyNot) {
    const auto [command, edge, metric, road] = GetParam();
    const bool upright = edge < 2, far = edge % 2, wall = command == cmd::kInternalWall,
               outline = command == kOutlineWall, down = outline && !upright,
               refused = road || (!far && command != cmd::kRectangle && command != cmd::kEllipse &&
                                  !(wall && edge == 2));
    dir.WriteFile("CFG/DWGSIZEM.CFG", "4000 4000"), dir.WriteFile("CFG/DWGSIZEI.CFG", "4000 4000");
    MetricUnits = metric, CurrentView = wall || outline ? kGroundFloor : kSitePlan;
    Open();
    if (wall || outline)
        child->Scroller->XPos = far * child->Scroller->XRange,
        child->Scroller->YPos = !far * child->ScrollRangeY;
    child->Invalidate(true);
    const auto at = [&](int32_t i) { return upright ? TPoint(i, 300) : TPoint(300, i); };
    const auto in = [&](int32_t i) { // how far the pixel lies in from the edge
        const POINT p = DrawingAt(at(i));
        return far ? (upright ? SheetRight() - p.x : SheetTop() - p.y) : int64_t{upright ? p.x : p.y};
    };
    int32_t i = 0;
    for (int32_t j = 0; j < 700; ++j)
        if (in(j) >= 0 && (in(i) < 0 || in(j) < in(i))) i = j;
    const int32_t box = metric ? kPartitionDialogId : kPartitionImpDialogId,
                  rect = command == cmd::kRectangle;
    if (wall) pl::script::AnswerDialog(box, {{{{box + "\2\1\3\4"[edge], "1"}}, IDOK}}); // inward
    if (command == cmd::kMultiline) pl::script::AnswerInput("3");
    if (outline) client->RestoreTool(toolkind::kExtWall), client->Tool->PickKind = 1; // as File New leaves it
    if (!outline) client->ProcessCommand(command);
    client->Tool->Count = 2400; // a free length an earlier start measured
    int32_t before = FileCount();
    const auto length = [&] {
        metric ? pl::script::AnswerInput("1500")
               : pl::script::AnswerDialog(kFeetDialogId, {{{{kFeetEditId, "5"}}, IDOK}});
    };
    const int32_t in20 = i + (edge % 3 ? -20 : 20), arrow = upright ? Qt::Key_Down : Qt::Key_Right;
    if (road >= 2) MoveTo(at(in20)), Key(Qt::Key_Return);
    const POINT p20 = DrawingAt(at(in20));
    if (road == 2) pl::script::AnswerInput(std::to_string(down ? p20.y : p20.x));
    if (road == 2 && command == cmd::kLineText) pl::script::AnswerDialog(2690, {{{{2691, "ROAD"}}, IDOK}});
    if (road == 2) Key(down ? Qt::Key_Down : Qt::Key_Left), before = outline ? before : FileCount();
    if (road == 3) MoveTo(at(i)), Key(Qt::Key_Return);
    if (const size_t asked = ui.Log().size(); refused) { // told at Enter, nothing asked, nothing held
        if (road < 2) road ? Drag(at(i), at(in20)) : (MoveTo(at(i)), Key(Qt::Key_Return));
        if (!outline) Key(arrow);
        const bool clicks = !road && (command == cmd::kLine || command == cmd::kLineText); // a click too
        if (clicks) MoveTo(at(in20)), Key(Qt::Key_Return), Click(at(i)), Key(arrow);
        EXPECT_EQ(std::tuple(FileCount(), ui.LogContains(kPastSheetText), ui.Log().find("initial", asked),
                             ui.Log().rfind(kPastSheetText) != ui.Log().find(kPastSheetText)),
                  std::tuple(before, true, std::string::npos, clicks));
        EXPECT_TRUE(road != 2 || outline ||
                    std::ranges::any_of(FileObjects(), [](auto& o) { return o->x1 && !o->x2; }));
    }
    length();
    if (command == cmd::kLineText) pl::script::AnswerDialog(2690, {{{{2691, "ROAD"}}, IDOK}});
    MoveTo(at(rect || refused ? in20 : i));
    const POINT start = DrawingAt(at(rect || refused ? in20 : i));
    if (!outline) Key(Qt::Key_Return);
    Key(arrow);
    const int keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Down, Qt::Key_Up};
    if (rect) length(), Key(keys[edge]);
    ASSERT_GT(FileCount(), before);
    EXPECT_EQ(
        std::tuple(ui.LogContains(kPastSheetText), FileObjects()[before]->x1, FileObjects()[before]->y1),
        std::tuple(refused, start.x, start.y));
    const int64_t free = upright ? start.y : 300000 - start.x; // down to the sheet's foot, right to nothing
    EXPECT_TRUE(!wall || !metric || road ||
                ui.LogContains("initial=\"" + std::to_string(free <= 34000 ? free : 2400) + "\""));
}

INSTANTIATE_TEST_SUITE_P(ToolsEdgesUnits, StartOnTheEdge,
                         ::testing::Combine(::testing::Values(cmd::kInternalWall, cmd::kLine, cmd::kLineText,
                                                              cmd::kMultiline, cmd::kRectangle,
                                                              cmd::kEllipse),
                                            ::testing::Range(0, 4), ::testing::Bool(), ::testing::Values(0)));
INSTANTIATE_TEST_SUITE_P(Drags, StartOnTheEdge,
                         ::testing::Combine(::testing::Values(cmd::kLine, cmd::kLineText),
                                            ::testing::Values(0, 2), ::testing::Bool(),
                                            ::testing::Values(1)));
INSTANTIATE_TEST_SUITE_P(
    Chains, StartOnTheEdge,
    ::testing::Values(std::tuple{cmd::kInternalWall, 2, true, 2}, std::tuple{cmd::kLineText, 0, true, 2},
                      std::tuple{kOutlineWall, 0, true, 2}, std::tuple{kOutlineWall, 2, true, 2},
                      std::tuple{kOutlineWall, 0, true, 3}, std::tuple{kOutlineWall, 0, false, 3}));

} // namespace
