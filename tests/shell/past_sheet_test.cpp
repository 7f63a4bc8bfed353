// Nothing is stored past the sheet's edge, by whatever road a point reaches the drawing: an Enter, a
// click, a drag, a paste, a placed symbol or a turn, on a floor, the site plan and a room layout.
// The window shows what lies past the sheet in a colour of its own.
#include <QTest>

#include <string>
#include <tuple>
#include <utility>

#include "document/document.h"
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
#include "tools/tool_kinds.h"

namespace {

using pl::script::DialogStep;

enum class Road { EnterCircle, EnterLine, ClickText, DatumClick, DragCircleOut, Paste, Symbol, Turn };

struct PastSheetRow {
    const char* name;
    int32_t view;
    Road road;
};

class PastSheet : public InputTest, public ::testing::WithParamInterface<PastSheetRow> {
protected:
    // The smallest sheet. The site plan shows it whole with room round it; a floor or a layout is
    // scrolled to its lower left corner, with what lies past it outside the window.
    void OpenSmallSheet() {
        dir.WriteFile("CFG/DWGSIZEM.CFG", "4000 4000");
        CurrentView = GetParam().view;
        Open();
        if (CurrentView != kSitePlan) {
            child->Scroller->XPos = 0;
            child->Scroller->YPos = child->ScrollRangeY;
            child->Invalidate(true);
            child->UpdateWindow();
        }
        past_ = PixelOf(-1000, -1000);
    }
    // Three lines near the sheet's lower left corner, from x 1000 to 3000.
    void AddThreeLines() {
        for (const int32_t y : {1000, 1500, 2000})
            ObjectList.Add(inputs::Line(1000, y, 3000, y, CurrentView));
        ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
        child->Invalidate(true);
        child->UpdateWindow();
    }
    void DragRoundLines() { Drag(PixelOf(500, 2500), PixelOf(3500, 500)); }
    // The reference on the lines' right ends, the new position 2000 to the left of it: the lines
    // then start 1000 past the sheet's left edge.
    void MoveSelectionLeft(const POINT& rightEnd) {
        Click(PixelOf(rightEnd.x, rightEnd.y));
        Click(PixelOf(rightEnd.x - 2000, rightEnd.y));
        Key(Qt::Key_Return);
    }
    void EnterAt(const TPoint& at) {
        MoveTo(at);
        Key(Qt::Key_Return);
    }

    void Take(Road road) {
        switch (road) {
        case Road::EnterCircle:
            client->ProcessCommand(cmd::kCircle);
            EnterAt(past_);
            break;
        case Road::EnterLine:
            client->CmLine();
            EnterAt(past_);
            Key(Qt::Key_Right);
            break;
        case Road::ClickText:
            pl::script::AnswerDialog(kTextDetailsDialogId, {DialogStep{{}, IDOK}});
            client->ProcessCommand(cmd::kText);
            Click(past_);
            break;
        case Road::DatumClick:
            Key(Qt::Key_Tab);
            Click(past_);
            break;
        case Road::DragCircleOut:
            client->ProcessCommand(cmd::kCircle);
            Drag(PixelOf(1000, 1000), past_);
            break;
        case Road::Paste:
            AddThreeLines();
            client->ProcessCommand(cmd::kCopy);
            DragRoundLines();
            client->ProcessCommand(cmd::kPaste);
            MoveSelectionLeft(LastLineEnd());
            break;
        case Road::Symbol: {
            AddThreeLines();
            ASSERT_EQ(ObjectList.WriteTempCount(0), FileResult::Ok);
            for (int32_t i = ObjectList.count - 3; i < ObjectList.count; ++i)
                ASSERT_EQ(ObjectList.WriteCopyCfg(i, 2000, 1500), FileResult::Ok);
            ASSERT_EQ(ObjectList.SaveLibrary("SINK.PLM"), FileResult::Ok);
            pl::script::AnswerDialog(kLibraryListDialogId, {{{{kLibraryListBoxId, "SINK"}}, IDOK}});
            client->ProcessCommand(cmd::kLibraryPlumbing);
            MoveSelectionLeft(LastLineEnd());
            break;
        }
        case Road::Turn: {
            AddThreeLines();
            client->ProcessCommand(cmd::kMoveRotate);
            DragRoundLines();
            pl::script::AnswerInput("90");
            // A quarter turn clockwise about (1000, 1000) carries the lines below the sheet.
            const TPoint pivot = PixelOf(1000, 1000);
            QTest::mouseClick(View(), Qt::RightButton, {}, QPoint(pivot.x, pivot.y));
            Key(Qt::Key_Return);
            break;
        }
        }
    }
    POINT LastLineEnd() const {
        for (int32_t i = ObjectList.count - 1; i >= 0; --i)
            if (const TObject* o = ObjectList[i]; o && o->kind == kLine) return POINT{o->x2, o->y2};
        return POINT{};
    }

    TPoint past_;
};

TEST_P(PastSheet, StoresNothingAndSaysSo) {
    OpenSmallSheet();
    Take(GetParam().road);
    EXPECT_TRUE(ui.LogContains(kPastSheetText));
    for (const auto& o : FileObjects())
        EXPECT_TRUE(StoredOnSheet(*o)) << "kind " << o->kind << " at " << o->x1 << ", " << o->y1;
    EXPECT_EQ(CountPastSheet(ObjectList), 0);
}

constexpr PastSheetRow kPastSheetRows[] = {
    {"SitePlanEnterCircle", kSitePlan, Road::EnterCircle},
    {"SitePlanEnterLine", kSitePlan, Road::EnterLine},
    {"SitePlanClickText", kSitePlan, Road::ClickText},
    {"SitePlanDatumClick", kSitePlan, Road::DatumClick},
    {"SitePlanDragCircleOut", kSitePlan, Road::DragCircleOut},
    {"SitePlanPaste", kSitePlan, Road::Paste},
    {"SitePlanSymbol", kSitePlan, Road::Symbol},
    {"SitePlanTurn", kSitePlan, Road::Turn},
    {"FloorDragCircleOut", kGroundFloor, Road::DragCircleOut},
    {"FloorPaste", kGroundFloor, Road::Paste},
    {"FloorSymbol", kGroundFloor, Road::Symbol},
    {"FloorTurn", kGroundFloor, Road::Turn},
    {"RoomLayoutDragCircleOut", kRoomLayout, Road::DragCircleOut},
    {"RoomLayoutPaste", kRoomLayout, Road::Paste},
    {"RoomLayoutTurn", kRoomLayout, Road::Turn},
};

INSTANTIATE_TEST_SUITE_P(Roads, PastSheet, ::testing::ValuesIn(kPastSheetRows),
                         [](const auto& info) { return std::string(info.param.name); });

// (metric) on the site plan, which shows the whole sheet with room round it, the pixels past each edge
// show the colour of what is not the sheet and those on it the background.
class PastSheetShown : public InputTest, public ::testing::WithParamInterface<int32_t> {};

TEST_P(PastSheetShown, InItsOwnColour) {
    MetricUnits = GetParam();
    dir.WriteFile(MetricUnits != 0 ? "CFG/DWGSIZEM.CFG" : "CFG/DWGSIZEI.CFG", "4000 4000");
    CurrentView = kSitePlan;
    Open();
    QCoreApplication::processEvents();
    const QImage shown = View()->grab().toImage();
    const auto at = [&](int32_t x, int32_t y) {
        const TPoint p = PixelOf(x, y);
        return shown.pixel(p.x, p.y) & 0xFFFFFF;
    };
    const QRgb past = render::PastSheetColour() & 0xFFFFFF, paper = BackgroundColour & 0xFFFFFF;
    ASSERT_NE(past, paper);
    const int32_t right = SheetWidth * ZoomDivisor, top = SheetHeight * ZoomDivisor, in = 1000;
    // A grey reads the same as a COLORREF and as a pixel.
    EXPECT_EQ(at(-in, top / 2), past);
    EXPECT_EQ(at(right / 2, -in), past);
    EXPECT_EQ(at(right + in, top / 2), past);
    EXPECT_EQ(at(right / 2, top + in), past);
    for (const auto& [x, y] :
         {std::pair{in, in}, std::pair{right - in, top - in}, std::pair{right / 2, top / 2}})
        EXPECT_EQ(at(x, y), paper) << x << ", " << y;
}

INSTANTIATE_TEST_SUITE_P(Units, PastSheetShown, ::testing::Values(1, 0));

// (partition, metric) with the view at the top of the sheet, the pointer goes from the drawing area
// onto the toolbar just above it: Enter and Down 2000 (6' 6") start where the pointer last was in the
// area, on the sheet, and the step is stored with no word of the sheet.
class EnterOffTheArea : public InputTest, public ::testing::WithParamInterface<std::tuple<bool, bool>> {};

TEST_P(EnterOffTheArea, TakesThePointersLastPlaceInTheArea) {
    const auto [partition, metric] = GetParam();
    MetricUnits = metric ? 1 : 0;
    Open();
    child->Scroller->YPos = 0;
    child->Invalidate(true);
    child->UpdateWindow();
    if (partition) {
        if (metric)
            pl::script::AnswerDialog(kPartitionDialogId, {DialogStep{{{kPartitionRight, "1"}}, IDOK}});
        else
            pl::script::AnswerDialog(kPartitionImpDialogId, {DialogStep{{{kPartitionImpRight, "1"}}, IDOK}});
        client->ProcessCommand(cmd::kInternalWall);
    } else {
        client->CmLine();
    }
    const int32_t before = FileCount();
    MoveTo(TPoint(301, 5));
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
