// Nothing is stored past the sheet's edge, by whatever road a point reaches the drawing, and the
// window shows what lies past the sheet in a colour of its own.
#include <QTest>

#include <tuple>

#include "document/program_state.h"
#include "document/sheet_edge.h"
#include "platform/cursor.h"
#include "platform/scroller.h"
#include "platform/test_script.h"
#include "render/past_sheet.h"
#include "resources/command_ids.h"
#include "resources/dialogs/feet_template.h"
#include "resources/dialogs/library_templates.h"
#include "resources/dialogs/partition_templates.h"
#include "resources/dialogs/tool_dialog_templates.h"
#include "tests/shell/input_fixture.h"

namespace {

using pl::script::DialogStep;

enum class Road { EnterCircle, EnterLine, ClickText, DatumClick, DragCircleOut, Paste, Symbol, Turn };

class PastSheet : public InputTest, public ::testing::WithParamInterface<std::tuple<int32_t, Road>> {};

// (view, road) on the smallest sheet: the site plan shows it whole with room round it, a floor or a
// layout is scrolled to its lower left corner. The paste, symbol and turn carry three lines near that
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
        cmd::kCircle,          cmd::kLine,      cmd::kText, 0, cmd::kCircle, cmd::kCopy,
        cmd::kLibraryPlumbing, cmd::kMoveRotate};
    if (road == Road::DatumClick) Key(Qt::Key_Tab);
    if (road != Road::DatumClick) client->ProcessCommand(kCommands[static_cast<int>(road)]);
    const TPoint past = PixelOf(-1000, -1000);
    if (road <= Road::EnterLine) {
        MoveTo(past);
        Key(Qt::Key_Return);
        Key(Qt::Key_Right);
    }
    if (road == Road::ClickText || road == Road::DatumClick) Click(past);
    if (road == Road::DragCircleOut) Drag(PixelOf(1000, 1000), past);
    if (road == Road::Paste || road == Road::Turn) Drag(PixelOf(500, 2500), PixelOf(3500, 500));
    if (road == Road::Paste) client->ProcessCommand(cmd::kPaste);
    if (road == Road::Turn) pl::script::AnswerInput("90");
    if (road == Road::Turn)
        QTest::mouseClick(View(), Qt::RightButton, {}, QPoint(PixelOf(1000, 1000).x, PixelOf(1000, 1000).y));
    for (const int32_t x : {3000, 1000})
        if (road == Road::Paste || road == Road::Symbol) Click(PixelOf(x, 2000));
    if (road >= Road::Paste) Key(Qt::Key_Return);
    EXPECT_TRUE(ui.LogContains(kPastSheetText));
    for (const auto& o : FileObjects())
        EXPECT_TRUE(StoredOnSheet(*o)) << "kind " << o->kind << " at " << o->x1 << ", " << o->y1;
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

using PastSheetShown = InputTest;

TEST_F(PastSheetShown, InItsOwnColourOnTheSitePlan) {
    dir.WriteFile("CFG/DWGSIZEM.CFG", "4000 4000");
    CurrentView = kSitePlan;
    Open();
    const QImage shown = View()->grab().toImage();
    const int32_t right = SheetWidth * ZoomDivisor, top = SheetHeight * ZoomDivisor;
    // A grey reads the same as a COLORREF and as a pixel; the sheet's corners inside are the background.
    const COLORREF grey = render::PastSheetColour(), paper = BackgroundColour;
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
    EXPECT_GT(FileCount(), before);
    for (const auto& o : FileObjects())
        EXPECT_TRUE(StoredOnSheet(*o)) << "kind " << o->kind << " at " << o->x1 << ", " << o->y1;
}

INSTANTIATE_TEST_SUITE_P(Tools, EnterOffTheArea, ::testing::Combine(::testing::Bool(), ::testing::Bool()));

} // namespace
