// Nothing is stored past the sheet's edge, by whatever road a point reaches the drawing, and the
// window shows what lies past the sheet in a colour of its own.
#include <QTest>

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
#include "resources/dialogs/tool_dialog_templates.h"
#include "tests/shell/input_fixture.h"

namespace {

using pl::script::DialogStep;

enum class Road {
    EnterCircle,
    EnterLine,
    EnterBelow,
    PartitionBelow,
    PartitionLeft,
    ClickText,
    DatumClick,
    DragCircleOut,
    Paste,
    Symbol,
    Turn
};

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
// layout is scrolled to its lower left corner. Below puts x on the sheet; a partition runs along the
// bottom or left edge with its side outward. The paste, symbol and turn carry three lines near that
// corner 2000 left or a quarter turn down, past the sheet.
TEST_P(PastSheet, StoresNothingAndSaysSo) {
    const auto [view, road] = GetParam();
    dir.WriteFile("CFG/DWGSIZEM.CFG", "4000 4000");
    CurrentView = view;
    Open();
    if (view != kSitePlan)
        child->Scroller->XPos = 0, child->Scroller->YPos = child->ScrollRangeY, child->Invalidate(true);
    for (const int32_t y : {1000, 1500, 2000})
        if (road >= Road::Paste) ObjectList.Add(inputs::Line(1000, y, 3000, y, view));
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    child->Invalidate(true);
    child->UpdateWindow();
    if (road == Road::ClickText) pl::script::AnswerDialog(kTextDetailsDialogId, {DialogStep{{}, IDOK}});
    if (road == Road::Symbol) {
        ASSERT_EQ(ObjectList.WriteTempCount(0), FileResult::Ok);
        for (int32_t i = ObjectList.count - 3; i < ObjectList.count; ++i)
            ASSERT_EQ(ObjectList.WriteCopyCfg(i, 3000, 2000), FileResult::Ok);
        ASSERT_EQ(ObjectList.SaveLibrary("SINK.PLM"), FileResult::Ok);
        pl::script::AnswerDialog(kLibraryListDialogId, {{{{kLibraryListBoxId, "SINK"}}, IDOK}});
    }
    // Each road's command, the datum's a key of its own; then the pointer's steps in order.
    constexpr int32_t kCommands[] = {
        cmd::kCircle,    cmd::kLine, cmd::kCircle, cmd::kInternalWall, cmd::kInternalWall,
        cmd::kText,      0,          cmd::kCircle, cmd::kCopy,         cmd::kLibraryPlumbing,
        cmd::kMoveRotate};
    const bool partition = road == Road::PartitionBelow || road == Road::PartitionLeft;
    if (partition)
        pl::script::AnswerDialog(
            kPartitionDialogId,
            {DialogStep{{{kPartitionThickness, "100"},
                         {road == Road::PartitionBelow ? kPartitionBelow : kPartitionLeft, "1"}},
                        IDOK}});
    if (road == Road::DatumClick) Key(Qt::Key_Tab);
    if (road != Road::DatumClick) client->ProcessCommand(kCommands[static_cast<int>(road)]);
    TPoint past = PixelOf(road == Road::EnterBelow ? 1000 : -1000, -1000);
    // The partition starts on the sheet, within its thickness of the edge.
    if (partition) past = road == Road::PartitionBelow ? PixelOf(1000, 0) : PixelOf(0, 1000);
    while (partition && (DrawingAt(past).x <= 0 || DrawingAt(past).y <= 0))
        road == Road::PartitionBelow ? --past.y : ++past.x;
    if (road <= Road::PartitionLeft) {
        MoveTo(past);
        Key(Qt::Key_Return);
        if (partition) pl::script::AnswerInput("2000");
        Key(road == Road::PartitionLeft ? Qt::Key_Up : Qt::Key_Right);
    }
    if (road == Road::ClickText || road == Road::DatumClick) Click(past);
    if (road == Road::DragCircleOut) Drag(PixelOf(1000, 1000), past);
    if (road == Road::Paste || road == Road::Turn) Drag(PixelOf(500, 2500), PixelOf(3500, 500));
    if (road == Road::Paste) client->ProcessCommand(cmd::kPaste);
    if (road == Road::Turn) pl::script::AnswerInput("90");
    if (road == Road::Turn)
        QTest::mouseClick(View(), Qt::RightButton, {}, QPoint(PixelOf(1000, 1000).x, PixelOf(1000, 1000).y));
    // The reference point where the symbol landed (a paste takes any), then 2000 left of it.
    const TObject& last = *ObjectList[ObjectList.count - 1];
    const POINT ref = road == Road::Symbol ? POINT{last.x2, last.y2} : POINT{3000, 2000};
    for (const int32_t dx : {0, -2000})
        if (road == Road::Paste || road == Road::Symbol) Click(PixelOf(ref.x + dx, ref.y));
    if (road >= Road::Paste) Key(Qt::Key_Return);
    EXPECT_TRUE(ui.LogContains(kPastSheetText));
    for (const auto& o : FileObjects())
        EXPECT_TRUE(OnTheSheet(*o)) << "kind " << o->kind << " at " << o->x1 << ", " << o->y1;
}

INSTANTIATE_TEST_SUITE_P(SitePlan, PastSheet,
                         ::testing::Combine(::testing::Values(kSitePlan),
                                            ::testing::Values(Road::EnterCircle, Road::EnterLine,
                                                              Road::EnterBelow, Road::ClickText,
                                                              Road::DatumClick, Road::DragCircleOut,
                                                              Road::Paste, Road::Symbol, Road::Turn)));
INSTANTIATE_TEST_SUITE_P(FloorAndLayout, PastSheet,
                         ::testing::Combine(::testing::Values(kGroundFloor, kRoomLayout),
                                            ::testing::Values(Road::DragCircleOut, Road::Paste, Road::Turn)));
INSTANTIATE_TEST_SUITE_P(Floor, PastSheet,
                         ::testing::Combine(::testing::Values(kGroundFloor),
                                            ::testing::Values(Road::PartitionBelow, Road::PartitionLeft)));

// (view, symbol) at the view each opens with: a paste or a library symbol lands on the sheet in sight.
class Landing : public InputTest, public ::testing::WithParamInterface<std::tuple<int32_t, bool>> {};

TEST_P(Landing, IsOnTheSheetInSightAndNeverRefused) {
    const auto [view, symbol] = GetParam();
    dir.WriteFile("CFG/DWGSIZEM.CFG", "4000 4000");
    CurrentView = view;
    std::vector<std::unique_ptr<TObject>> lines;
    for (const int32_t y : {1000, 1500, 2000})
        lines.push_back(inputs::Line(1000, y, 3000, y, view));
    Open(std::move(lines));
    ASSERT_EQ(ObjectList.WriteTempCount(0), FileResult::Ok);
    for (int32_t i = ObjectList.count - 3; i < ObjectList.count; ++i)
        ASSERT_EQ(ObjectList.WriteCopyCfg(i, 3000, 2000), FileResult::Ok);
    ASSERT_EQ(ObjectList.SaveLibrary(symbol ? "SINK.PLM" : kPasteFileName), FileResult::Ok);
    if (symbol) pl::script::AnswerDialog(kLibraryListDialogId, {{{{kLibraryListBoxId, "SINK"}}, IDOK}});
    const int32_t before = FileCount();
    client->ProcessCommand(symbol ? cmd::kLibraryPlumbing : cmd::kPaste);
    EXPECT_FALSE(ui.LogContains(kPastSheetText));
    const auto objects = FileObjects();
    ASSERT_EQ(static_cast<int32_t>(objects.size()), before + 3);
    const TRect shown = child->GetClientRect();
    const auto inSight = [&](int32_t x, int32_t y) { return shown.Contains(PixelOf(x, y)); };
    for (int32_t i = before; i < before + 3; ++i)
        EXPECT_TRUE(OnTheSheet(*objects[i]) && inSight(objects[i]->x1, objects[i]->y1) &&
                    inSight(objects[i]->x2, objects[i]->y2))
            << objects[i]->x1 << ", " << objects[i]->y1;
}

INSTANTIATE_TEST_SUITE_P(EveryView, Landing,
                         ::testing::Combine(::testing::Values(kGroundFloor, kFirstFloor, kSecondFloor,
                                                              kSitePlan, kRoomLayout),
                                            ::testing::Bool()));

using PastSheetShown = InputTest;

TEST_F(PastSheetShown, InItsOwnColourOnTheSitePlan) {
    dir.WriteFile("CFG/DWGSIZEM.CFG", "4000 4000");
    CurrentView = kSitePlan;
    Open();
    const QImage shown = View()->grab().toImage();
    const int32_t right = SheetWidth * ZoomDivisor, top = SheetHeight * ZoomDivisor;
    // Past each edge one colour that is not the paper's; the sheet's corners inside are the paper.
    const auto at = [&](int32_t x, int32_t y) {
        return shown.pixel(PixelOf(x, y).x, PixelOf(x, y).y) & 0xFFFFFF;
    };
    const QRgb grey = at(-1000, top / 2), paper = BackgroundColour & 0xFFFFFF;
    EXPECT_NE(grey, paper);
    for (const auto& [x, y] : {std::pair{right / 2, -1000}, {right + 1000, top / 2}, {right / 2, top + 1000}})
        EXPECT_EQ(at(x, y), grey) << x << ", " << y;
    EXPECT_EQ(at(1000, 1000), paper);
    EXPECT_EQ(at(right - 1000, top - 1000), paper);
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
    const int32_t before = FileCount();
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
    ASSERT_GT(static_cast<int32_t>(objects.size()), before);
    const POINT start = DrawingAt(TPoint(300, 5));
    EXPECT_EQ(std::pair(objects[before]->x1, objects[before]->y1), std::pair(start.x, start.y));
    for (const auto& o : objects)
        EXPECT_TRUE(OnTheSheet(*o)) << "kind " << o->kind << " at " << o->x1 << ", " << o->y1;
}

INSTANTIATE_TEST_SUITE_P(Tools, EnterOffTheArea, ::testing::Combine(::testing::Bool(), ::testing::Bool()));

} // namespace
