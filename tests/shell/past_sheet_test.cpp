// Nothing is stored past the sheet's edge, by whatever road a point reaches the drawing, and the
// window shows what lies past the sheet in a colour of its own.
#include <QTest>

#include <string>
#include <tuple>
#include <utility>

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

// (view, road) on the smallest sheet: the site plan shows it whole with room round it, a floor or a
// layout is scrolled to its lower left corner. The paste, symbol and turn carry three lines near that
// corner 2000 left or a quarter turn down, past the sheet.
class PastSheet : public InputTest, public ::testing::WithParamInterface<std::tuple<int32_t, Road>> {
protected:
    void MoveLinesLeft() {
        Click(PixelOf(3000, 2000));
        Click(PixelOf(1000, 2000));
        Key(Qt::Key_Return);
    }
};

TEST_P(PastSheet, StoresNothingAndSaysSo) {
    const auto [view, road] = GetParam();
    dir.WriteFile("CFG/DWGSIZEM.CFG", "4000 4000");
    CurrentView = view;
    Open();
    if (view != kSitePlan) {
        child->Scroller->XPos = 0, child->Scroller->YPos = child->ScrollRangeY;
        child->Invalidate(true);
        child->UpdateWindow();
    }
    const TPoint past = PixelOf(-1000, -1000);
    if (road >= Road::Paste) {
        for (const int32_t y : {1000, 1500, 2000})
            ObjectList.Add(inputs::Line(1000, y, 3000, y, view));
        ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
        child->Invalidate(true);
    }
    switch (road) {
    case Road::EnterCircle:
    case Road::EnterLine:
        client->ProcessCommand(road == Road::EnterLine ? cmd::kLine : cmd::kCircle);
        MoveTo(past);
        Key(Qt::Key_Return);
        Key(Qt::Key_Right);
        break;
    case Road::ClickText:
        pl::script::AnswerDialog(kTextDetailsDialogId, {DialogStep{{}, IDOK}});
        client->ProcessCommand(cmd::kText);
        Click(past);
        break;
    case Road::DatumClick:
        Key(Qt::Key_Tab);
        Click(past);
        break;
    case Road::DragCircleOut:
        client->ProcessCommand(cmd::kCircle);
        Drag(PixelOf(1000, 1000), past);
        break;
    case Road::Paste:
        client->ProcessCommand(cmd::kCopy);
        Drag(PixelOf(500, 2500), PixelOf(3500, 500));
        client->ProcessCommand(cmd::kPaste);
        MoveLinesLeft();
        break;
    case Road::Symbol:
        ASSERT_EQ(ObjectList.WriteTempCount(0), FileResult::Ok);
        for (int32_t i = ObjectList.count - 3; i < ObjectList.count; ++i)
            ASSERT_EQ(ObjectList.WriteCopyCfg(i, 3000, 2000), FileResult::Ok);
        ASSERT_EQ(ObjectList.SaveLibrary("SINK.PLM"), FileResult::Ok);
        pl::script::AnswerDialog(kLibraryListDialogId, {{{{kLibraryListBoxId, "SINK"}}, IDOK}});
        client->ProcessCommand(cmd::kLibraryPlumbing);
        MoveLinesLeft();
        break;
    case Road::Turn:
        client->ProcessCommand(cmd::kMoveRotate);
        Drag(PixelOf(500, 2500), PixelOf(3500, 500));
        pl::script::AnswerInput("90");
        QTest::mouseClick(View(), Qt::RightButton, {}, QPoint(PixelOf(1000, 1000).x, PixelOf(1000, 1000).y));
        Key(Qt::Key_Return);
        break;
    }
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

class PastSheetShown : public InputTest {};

TEST_F(PastSheetShown, InItsOwnColourOnTheSitePlan) {
    dir.WriteFile("CFG/DWGSIZEM.CFG", "4000 4000");
    CurrentView = kSitePlan;
    Open();
    QCoreApplication::processEvents();
    const QImage shown = View()->grab().toImage();
    const auto at = [&](int32_t x, int32_t y) {
        return shown.pixel(PixelOf(x, y).x, PixelOf(x, y).y) & 0xFFFFFF;
    };
    const int32_t right = SheetWidth * ZoomDivisor, top = SheetHeight * ZoomDivisor;
    // A grey reads the same as a COLORREF and as a pixel.
    for (const auto& [x, y] :
         {std::pair{-1000, top / 2}, {right / 2, -1000}, {right + 1000, top / 2}, {right / 2, top + 1000}})
        EXPECT_EQ(at(x, y), render::PastSheetColour() & 0xFFFFFF) << x << ", " << y;
    for (const auto& [x, y] : {std::pair{1000, 1000}, {right - 1000, top - 1000}})
        EXPECT_EQ(at(x, y), BackgroundColour & 0xFFFFFF) << x << ", " << y;
}

// (partition, metric) the view at the top of the sheet, the pointer from the drawing area onto the
// toolbar just above it: Enter and Down 2000 (6' 6") start where the pointer last was in the area.
class EnterOffTheArea : public InputTest, public ::testing::WithParamInterface<std::tuple<bool, bool>> {};

TEST_P(EnterOffTheArea, TakesThePointersLastPlaceInTheArea) {
    const auto [partition, metric] = GetParam();
    MetricUnits = metric ? 1 : 0;
    Open();
    child->Scroller->YPos = 0;
    child->Invalidate(true);
    child->UpdateWindow();
    if (partition) {
        pl::script::AnswerDialog(metric ? kPartitionDialogId : kPartitionImpDialogId,
                                 {DialogStep{{{metric ? kPartitionRight : kPartitionImpRight, "1"}}, IDOK}});
        client->ProcessCommand(cmd::kInternalWall);
    }
    const int32_t before = FileCount();
    MoveTo(TPoint(300, 5));
    TPoint toolbar(300, -17);
    child->ClientToScreen(toolbar);
    SetCursorPos(toolbar.x, toolbar.y);
    Key(Qt::Key_Return);
    if (metric)
        pl::script::AnswerInput("2000");
    else
        pl::script::AnswerDialog(kFeetDialogId,
                                 {DialogStep{{{kFeetEditId, "6"}, {kInchesEditId, "6"}}, IDOK}});
    Key(Qt::Key_Down);
    EXPECT_FALSE(ui.LogContains(kPastSheetText));
    const auto objects = FileObjects();
    EXPECT_GT(static_cast<int32_t>(objects.size()), before);
    for (const auto& o : objects)
        EXPECT_TRUE(StoredOnSheet(*o)) << "kind " << o->kind << " at " << o->x1 << ", " << o->y1;
}

INSTANTIATE_TEST_SUITE_P(Tools, EnterOffTheArea, ::testing::Combine(::testing::Bool(), ::testing::Bool()));

} // namespace
