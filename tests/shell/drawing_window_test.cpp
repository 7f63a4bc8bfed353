// The drawing window on a working file: what it paints, its scroll set-up and scrolling, keeping a
// keyed point in view, and its behaviour on a degenerate window or settings.
#include <QCoreApplication>
#include <QMessageBox>

#include "document/program_state.h"
#include "platform/cursor.h"
#include "platform/framework_error.h"
#include "platform/scroller.h"
#include "platform/test_script.h"
#include "platform/virtual_keys.h"
#include "platform/when_modal.h"
#include "tests/shell/drawing_window_fixture.h"

namespace {

class DrawingWindow : public DrawingWindowTest {
protected:
    // A window on the ground floor showing one horizontal line through the sheet centre.
    void OpenOnCentreLine() {
        Open();
        WriteDrawing({});
        WriteDrawing(LineAcrossCentre());
        DrawingState = 2;
        Repaint();
    }
    std::vector<std::unique_ptr<TObject>> LineAcrossCentre() {
        std::vector<std::unique_ptr<TObject>> objects;
        objects.push_back(make::Line(kGroundFloor, Cx() - 2000, Cy(), Cx() + 2000, Cy()));
        return objects;
    }
};

TEST_F(DrawingWindow, TakesTheTitleAndTheWindowClassBackground) {
    Open("HOUSE.PLN");
    EXPECT_EQ(child->GetCaption(), "HOUSE.PLN");
    EXPECT_STREQ(ObjectList.DrawingTitle, "HOUSE.PLN");
    EXPECT_STREQ(child->GetClassName(), "tv");
    EXPECT_EQ(child->GetClassRecord().Background, RGB(255, 255, 255));
    EXPECT_EQ(child->DatumMode, 1);
    EXPECT_EQ(child->InputDC, nullptr);
}

TEST_F(DrawingWindow, PaintsTheWorkingFileAndKeepsExactlyItsContents) {
    OpenOnCentreLine();
    EXPECT_TRUE(InkNear(PixelOf(Cx(), Cy())));
    EXPECT_TRUE(InkNear(PixelOf(Cx() - 1900, Cy())));
    EXPECT_FALSE(InkNear(PixelOf(Cx(), Cy() + 1000)));
    EXPECT_EQ(ObjectList.count, 1);
    // A second repaint reads the file again instead of adding to the document.
    Repaint();
    EXPECT_EQ(ObjectList.count, 1);
}

TEST_F(DrawingWindow, ReadsTheWorkingFileWhenOpenedOnADrawing) {
    Open();
    WriteDrawing(LineAcrossCentre());
    DrawingState = 2;
    child->CloseWindow();
    QCoreApplication::processEvents();
    Open();
    EXPECT_EQ(ObjectList.count, 1);
    EXPECT_TRUE(InkNear(PixelOf(Cx(), Cy())));
}

TEST_F(DrawingWindow, ADamagedWorkingFileStopsTheConstructionWithItsMessage) {
    dir.WriteFile("DWGS/HOUSE.DB0", "3 0 0 0 1 0\n1\n50 1 1 0 0 0 12");
    DrawingState = 2;
    try {
        TChild broken(*client, "HOUSE.PLN");
        FAIL() << "no error";
    } catch (const TXOwl& error) {
        EXPECT_NE(error.why().find("HOUSE.DB0"), std::string::npos);
    }
}

TEST_F(DrawingWindow, PaintsNothingBeforeADrawingIsReady) {
    Open();
    WriteDrawing(LineAcrossCentre());
    ObjectList.Flush();
    DrawingState = 1;
    Repaint();
    EXPECT_EQ(InkCount(), 0);
    EXPECT_EQ(ObjectList.count, 0);
}

TEST_F(DrawingWindow, ScrollSetupFitsTheSheetToTheWindow) {
    Open();
    const TRect rect = child->GetClientRect();
    ASSERT_GT(rect.right, 0);
    EXPECT_EQ(ViewExtentX, rect.right * 5);
    EXPECT_EQ(ViewExtentY, rect.bottom * 5);
    EXPECT_EQ(SheetWidth, 16000);
    // The height follows the window's proportion, in whole steps of 25 mm.
    const int32_t exact = static_cast<int32_t>(int64_t{16000} * ViewExtentY / ViewExtentX);
    EXPECT_EQ(SheetHeight % 25, 0);
    EXPECT_LE(std::abs(SheetHeight - exact), 12);
    EXPECT_EQ(dir.ReadFile("CFG/DWGSIZEM.CFG"), "16000 " + std::to_string(SheetHeight));
    // Centred on the sheet, on whole scroll steps of 16 pixels.
    EXPECT_EQ(ScrollOriginX % 80, 0);
    EXPECT_LE(std::abs(ScrollOriginX - ((16000 - ViewExtentX) / 2 + 80)), 80);
    EXPECT_EQ(child->Scroller->XUnit, 16);
    EXPECT_EQ(child->ScrollRangeY, static_cast<int32_t>((SheetHeight - ViewExtentY) / 80.0f));
}

TEST_F(DrawingWindow, SitePlanShowsThreeTimesAsMuch) {
    CurrentView = kSitePlan;
    Open("HOUSE.STE");
    const TRect rect = child->GetClientRect();
    EXPECT_FLOAT_EQ(PenScaleF, 15.0f);
    EXPECT_EQ(ViewExtentX, rect.right * 15);
}

TEST_F(DrawingWindow, FeetAndInchesRoundTheSheetToQuarterInches) {
    MetricUnits = 0;
    Open();
    EXPECT_EQ(ZoomDivisor, 6);
    EXPECT_FLOAT_EQ(PenScaleF, 4.0f);
    EXPECT_EQ(SheetWidth, 12600);
    EXPECT_EQ(SheetHeight % 24, 0);
}

TEST_F(DrawingWindow, ScrollingMovesTheOriginAndThePicture) {
    OpenOnCentreLine();
    const int32_t x0 = ScrollOriginX;
    const int32_t xPos = child->Scroller->XPos;
    const TPoint before = PixelOf(Cx(), Cy());
    child->EvHScroll(SB_LINEDOWN, 0);
    EXPECT_EQ(child->Scroller->XPos, xPos + 1);
    EXPECT_EQ(ScrollOriginX, x0 + 80);
    QCoreApplication::processEvents();
    Repaint();
    EXPECT_EQ(PixelOf(Cx(), Cy()).x, before.x - 16);
    EXPECT_TRUE(InkNear(PixelOf(Cx() - 1900, Cy())));

    const int32_t y0 = ScrollOriginY;
    child->EvVScroll(SB_LINEDOWN, 0);
    EXPECT_EQ(ScrollOriginY, y0 - 80); // the bar runs down, the drawing's y up
    EXPECT_EQ(child->GetScrollPos(SB_VERT),
              static_cast<int32_t>(child->Scroller->YPos / child->VScrollFactor));
}

TEST_F(DrawingWindow, ADraggedThumbCountsInPercentOfTheRange) {
    Open();
    child->EvHScroll(SB_THUMBPOSITION, 100);
    EXPECT_EQ(child->Scroller->XPos, child->Scroller->XRange);
    EXPECT_EQ(child->GetScrollPos(SB_HORZ), 100);
}

TEST_F(DrawingWindow, ScrollingTurnsTheLayoutGridOff) {
    Open();
    LayoutGridFlag = 1;
    child->EvVScroll(SB_LINEUP, 0);
    EXPECT_EQ(LayoutGridFlag, 0);
}

TEST_F(DrawingWindow, KeyedPointOnTheSheetEdgeIsAllowedOneMoreIsRefused) {
    testsupport::ScriptedUi ui;
    Open();
    const int32_t x = SheetWidth - 100;
    ScrollOriginX = SheetWidth - ViewExtentX;
    EXPECT_EQ(child->KeepCursorInView(100 * ZoomDivisor, VK_RIGHT, x * ZoomDivisor,
                                      (ScrollOriginY + 10) * ZoomDivisor),
              cursorview::kInView);
    EXPECT_EQ(child->KeepCursorInView(101 * ZoomDivisor, VK_RIGHT, x * ZoomDivisor,
                                      (ScrollOriginY + 10) * ZoomDivisor),
              cursorview::kOffSheet);
    EXPECT_TRUE(ui.LogContains("Distance would take you outside the programme's total drawing sizes"));
    EXPECT_EQ(child->KeepCursorInView(100 * ZoomDivisor, 41, x * ZoomDivisor, 0), cursorview::kInView);
}

TEST_F(DrawingWindow, KeyedPointPastTheVisibleEdgeScrollsItBackInside) {
    Open();
    const int32_t right = ScrollOriginX + ViewExtentX;
    const int32_t x = right - 10;
    ASSERT_EQ(child->KeepCursorInView(60 * ZoomDivisor, VK_RIGHT, x * ZoomDivisor,
                                      (ScrollOriginY + 10) * ZoomDivisor),
              cursorview::kScrolled);
    // The point now stands at least the margin inside the new edge, on whole scroll steps.
    EXPECT_GE(ScrollOriginX + ViewExtentX, x + 60);
    EXPECT_EQ(ScrollOriginX % 80, 0);
    EXPECT_EQ(child->Scroller->XPos * 80, ScrollOriginX);

    const int32_t bottom = ScrollOriginY;
    ASSERT_EQ(
        child->KeepCursorInView(60 * ZoomDivisor, VK_DOWN, 1000 * ZoomDivisor, (bottom + 10) * ZoomDivisor),
        cursorview::kScrolled);
    EXPECT_LE(ScrollOriginY, bottom + 10 - 60);
    EXPECT_EQ((child->ScrollRangeY - child->Scroller->YPos) * 80, ScrollOriginY);
}

TEST_F(DrawingWindow, KeyedPointNearTheSheetEdgeStopsTheViewAtTheEdge) {
    Open();
    ScrollOriginX = SheetWidth - ViewExtentX - 5;
    const int32_t x = SheetWidth - 10;
    ASSERT_EQ(child->KeepCursorInView(10 * ZoomDivisor, VK_RIGHT, x * ZoomDivisor,
                                      (ScrollOriginY + 10) * ZoomDivisor),
              cursorview::kScrolled);
    EXPECT_LE(ScrollOriginX + ViewExtentX, SheetWidth);
}

TEST_F(DrawingWindow, ZeroScrollUnitsAndAnEmptyWindowDivideByNothing) {
    // A zero unit reads as shipped; the horizontal one is kept at its least for the bar below.
    dir.WriteFile("CFG/SCROLL.CFG", "1 0");
    Open();
    EXPECT_EQ(child->Scroller->YUnit, 16);
    DrawingState = 2;
    Repaint();
    // A sheet exactly as wide as the view has no scroll range: the bar stays at its start.
    SheetWidth = ViewExtentX;
    child->SyncScrollOrigin(1);
    child->EvHScroll(SB_LINEDOWN, 0);
    EXPECT_EQ(child->GetScrollPos(SB_HORZ), 0);
}

struct ScrollStepCase {
    const char* stored;
    int32_t xUnit;
    int32_t yUnit;
};

class StoredScrollSteps : public DrawingWindow, public ::testing::WithParamInterface<ScrollStepCase> {};

// A step of no pixels or of more than 32 reads as shipped.
TEST_P(StoredScrollSteps, SetTheScrollerWithinTheirRange) {
    dir.WriteFile("CFG/SCROLL.CFG", GetParam().stored);
    Open();
    EXPECT_EQ(child->Scroller->XUnit, GetParam().xUnit);
    EXPECT_EQ(child->Scroller->YUnit, GetParam().yUnit);
}

INSTANTIATE_TEST_SUITE_P(DrawingWindow, StoredScrollSteps,
                         ::testing::Values(ScrollStepCase{"1 32", 1, 32}, ScrollStepCase{"33 0", 16, 16},
                                           ScrollStepCase{"64 8", 16, 8}, ScrollStepCase{"-1 64", 16, 16}));

TEST_F(DrawingWindow, SetDatumResetsTheReadOutOnFloorsOnly) {
    Open();
    child->DatumX = 7;
    child->DatumMode = 3;
    child->SetDatum(datummode::kOff);
    EXPECT_EQ(child->DatumX, 0);
    EXPECT_EQ(child->DatumMode, 1);
    EXPECT_STREQ(app.DistanceGadget->GetText(), "0");

    CurrentView = kRoomLayout;
    child->DatumMode = 3;
    child->SetDatum(datummode::kOff);
    EXPECT_EQ(child->DatumMode, 3);
}

// The DATUM reference is the top-left corner of the walls; with the walls erased it is the origin
// again, not the corner of walls that are gone.
TEST_F(DrawingWindow, DatumReferenceReturnsToTheOriginOnceTheWallsAreGone) {
    Open();
    std::vector<std::unique_ptr<TObject>> walls;
    walls.push_back(make::ExtWall(kGroundFloor, Cx() - 3001, Cy() + 2003, Cx() + 3000, Cy() + 2003));
    WriteDrawing(std::move(walls));
    DrawingState = 2;
    Repaint();
    EXPECT_EQ(child->DatumX, (Cx() - 3001) / ZoomDivisor * ZoomDivisor);
    EXPECT_EQ(child->DatumY, (Cy() + 2003) / ZoomDivisor * ZoomDivisor);

    WriteDrawing(LineAcrossCentre());
    Repaint();
    EXPECT_EQ(child->DatumX, 0);
    EXPECT_EQ(child->DatumY, 0);
}

TEST_F(DrawingWindow, NudgeMovesThePointerOnePixelForArrowsOnly) {
    Open();
    SetCursorPos(200, 200);
    child->NudgeCursor(39);
    child->NudgeCursor(40);
    POINT p{};
    GetCursorPos(&p);
    EXPECT_EQ(p.x, 201);
    EXPECT_EQ(p.y, 201);
    child->NudgeCursor(41);
    GetCursorPos(&p);
    EXPECT_EQ(p.x, 201);
    EXPECT_EQ(p.y, 201);
}

TEST_F(DrawingWindow, PreconditionMessageHasABlankTitleAndGivesThePointerBack) {
    Open();
    SetCursorPos(300, 250);
    QString title = "unset";
    QString text;
    auto watch = pl::whenModal<QMessageBox>([&](QMessageBox* box) {
        title = box->windowTitle();
        text = box->text();
        SetCursorPos(10, 10); // the user reaches for OK
        box->accept();
    });
    child->ShowPrecondition(2);
    EXPECT_TRUE(watch->Fired);
    EXPECT_EQ(title, "");
    EXPECT_EQ(text, "Select VIEW then the correct floor PLAN first");
    POINT p{};
    GetCursorPos(&p);
    EXPECT_EQ(p.x, 300);
    EXPECT_EQ(p.y, 250);
}

TEST_F(DrawingWindow, PreconditionOfAnotherKindShowsNothing) {
    testsupport::ScriptedUi ui;
    Open();
    child->ShowPrecondition(1);
    EXPECT_FALSE(ui.LogContains("MessageBox"));
}

} // namespace
