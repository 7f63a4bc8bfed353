// The zoom commands on a drawing window: the view they compute, the scroll state they leave and what
// the window then paints; and the invalidation kinds the edits use.
#include <filesystem>
#include <QCoreApplication>
#include <QTest>
#include <QTimer>
#include <tuple>

#include "document/program_state.h"
#include "platform/detail/client_view.h"
#include "platform/gadget_window.h"
#include "platform/gadgets.h"
#include "platform/scroller.h"
#include "resources/command_ids.h"
#include "tests/shell/drawing_window_fixture.h"
#include "tests/support/full_disk.h"
#include "tools/drawing_tool.h"
#include "tools/line_modes.h"

namespace {

const char* const kZoomGuide = "GUIDE: press Left Button, hold down and drag cursor over area to enlarge";

class Zooming : public DrawingWindowTest {
protected:
    void SetUp() override {
        DrawingWindowTest::SetUp();
        Open();
        rect = child->GetClientRect();
        ASSERT_GT(rect.right, 0);
        ASSERT_GT(rect.bottom, 0);
        // The normal extent as File New or Open stores it.
        dir.WriteFile("CFG/ZOOM.CFG", std::to_string(ViewExtentX) + " " + std::to_string(ViewExtentY));
        DrawingState = 2;
    }

    std::vector<std::unique_ptr<TObject>> Rectangle(int32_t halfWidth, int32_t halfHeight) {
        const int32_t l = Cx() - halfWidth, r = Cx() + halfWidth, b = Cy() - halfHeight,
                      t = Cy() + halfHeight;
        std::vector<std::unique_ptr<TObject>> walls;
        walls.push_back(make::ExtWall(kGroundFloor, l, t, r, t));
        walls.push_back(make::ExtWall(kGroundFloor, r, t, r, b));
        walls.push_back(make::ExtWall(kGroundFloor, r, b, l, b));
        walls.push_back(make::ExtWall(kGroundFloor, l, b, l, t));
        return walls;
    }

    // The scroller, the bars and the origin agree with each other after a zoom.
    void ExpectScrollStateInLine() {
        const float u = 16 * PenScaleF;
        const float v = 16 * PenScaleF;
        EXPECT_EQ(ScrollOriginX, static_cast<int32_t>(child->Scroller->XPos * PenScaleF * 16));
        EXPECT_EQ(ScrollOriginY,
                  static_cast<int32_t>((child->ScrollRangeY - child->Scroller->YPos) * PenScaleF * 16));
        EXPECT_EQ(child->ScrollRangeY, static_cast<int32_t>((SheetHeight - ViewExtentY) / v));
        EXPECT_EQ(child->Scroller->XRange, std::max(static_cast<int32_t>((SheetWidth - ViewExtentX) / u), 0));
        EXPECT_EQ(DrawingState, 2);
    }

    TRect rect;
};

TEST_F(Zooming, NormalSizeCentresTheNormalExtentAndRepaints) {
    WriteDrawing(Rectangle(4000, 2000));
    PenScaleF = 9.0f;
    ViewExtentX = 123;
    const int32_t help = HelpContextId;
    ASSERT_TRUE(client->ProcessCommand(cmd::kNormalSize));
    // The zoom changes the view only: F1 still tells of the tool.
    EXPECT_EQ(HelpContextId, help);
    EXPECT_FLOAT_EQ(PenScaleF, 5.0f);
    EXPECT_EQ(ViewExtentX, rect.right * 5);
    EXPECT_EQ(ViewExtentY, rect.bottom * 5);
    EXPECT_LE(std::abs(ScrollOriginX - ((SheetWidth - ViewExtentX) / 2 + 80)), 80);
    ExpectScrollStateInLine();
    child->UpdateWindow();
    EXPECT_TRUE(InkNear(PixelOf(Cx(), Cy() + 2000)));
    EXPECT_FALSE(InkNear(PixelOf(Cx(), Cy()), 5));
}

TEST_F(Zooming, NormalSizeOnTheSitePlanShowsThreeTimesTheArea) {
    CurrentView = kSitePlan;
    ASSERT_TRUE(client->ProcessCommand(cmd::kNormalSize));
    EXPECT_FLOAT_EQ(PenScaleF, 15.0f);
    EXPECT_EQ(ViewExtentX, rect.right * 15);
    EXPECT_EQ(ViewExtentY, rect.bottom * 15);
}

TEST_F(Zooming, ShrinkByHalfAddsNormalExtentsUntilTheSheetIsFull) {
    WriteDrawing(Rectangle(4000, 2000));
    const int32_t zx = ViewExtentX, zy = ViewExtentY;
    ASSERT_TRUE(client->ProcessCommand(cmd::kHalfSize));
    EXPECT_EQ(ViewExtentX, 2 * zx);
    EXPECT_EQ(ViewExtentY, 2 * zy);
    EXPECT_FLOAT_EQ(PenScaleF, static_cast<float>(2 * zx) / rect.right);
    ExpectScrollStateInLine();
    child->UpdateWindow();
    // The rectangle's top wall is half as long on the screen as at normal size.
    const TPoint left = PixelOf(Cx() - 4000, Cy() + 2000), right = PixelOf(Cx() + 4000, Cy() + 2000);
    EXPECT_NEAR(right.x - left.x, 8000 / 5 / PenScaleF, 1.0);
    EXPECT_TRUE(InkNear(PixelOf(Cx(), Cy() + 2000)));

    int32_t steps = 2;
    for (; steps < 20; ++steps) {
        const int32_t before = ViewExtentX;
        ASSERT_TRUE(client->ProcessCommand(cmd::kHalfSize));
        if (ViewExtentX == before) break;
        EXPECT_EQ(ViewExtentX, before + zx);
    }
    EXPECT_LT(steps, 20);
    EXPECT_GE((SheetWidth - ViewExtentX) / 2, 0);
    EXPECT_GE((SheetHeight - ViewExtentY) / 2, 0);
}

TEST_F(Zooming, ShrinkByHalfWhenZoomedInStartsFromTheNormalExtent) {
    const int32_t zx = ViewExtentX;
    PenScaleF = 2.0f;
    ViewExtentX = 100;
    ViewExtentY = 60;
    ASSERT_TRUE(client->ProcessCommand(cmd::kHalfSize));
    EXPECT_EQ(ViewExtentX, 2 * zx);
}

struct StoredExtentCase {
    const char* stored;
    bool taken; // false: the window's own normal extent is added
};

class StoredNormalExtent : public Zooming, public ::testing::WithParamInterface<StoredExtentCase> {};

// Shrink by half adds the stored normal extent only when the file holds both sides, each of some
// size; otherwise the window's own.
TEST_P(StoredNormalExtent, IsAddedOnlyWhenWhole) {
    dir.WriteFile("CFG/ZOOM.CFG", GetParam().stored);
    const int32_t own = rect.right * PenScale;
    ASSERT_EQ(ViewExtentX, own);
    ASSERT_TRUE(client->ProcessCommand(cmd::kHalfSize));
    EXPECT_EQ(ViewExtentX, own + (GetParam().taken ? 3000 : own));
}

INSTANTIATE_TEST_SUITE_P(Zooming, StoredNormalExtent,
                         ::testing::Values(StoredExtentCase{"3000 2000", true},
                                           StoredExtentCase{"3000", false}, StoredExtentCase{"3000 0", false},
                                           StoredExtentCase{"0 2000", false},
                                           StoredExtentCase{"3000 200001", false}));

TEST_F(Zooming, FitShowsTheWallsAcrossTheWindow) {
    // Three times as wide as high: wider than any window here, so the width decides.
    WriteDrawing(Rectangle(6000, 2000));
    ASSERT_TRUE(client->ProcessCommand(cmd::kFitScreen));
    EXPECT_EQ(dir.ReadFile("CFG/EXTENTS.CFG"),
              std::to_string(Cx() - 6000) + " " + std::to_string(Cx() + 6000) + " " +
                  std::to_string(Cy() + 2000) + " " + std::to_string(Cy() - 2000));
    const float a = static_cast<float>(rect.right) / rect.bottom;
    EXPECT_NEAR(ViewExtentY, ViewExtentX / a, 2.0);
    EXPECT_FLOAT_EQ(PenScaleF, static_cast<float>(ViewExtentX) / rect.right);
    ExpectScrollStateInLine();
    child->UpdateWindow();
    // The width decides: the walls span the window, with a few scroll steps to spare at each side,
    // and every wall stays in sight once the origin has snapped to whole steps.
    const TPoint topLeft = PixelOf(Cx() - 6000, Cy() + 2000), bottomRight = PixelOf(Cx() + 6000, Cy() - 2000);
    EXPECT_GE(topLeft.x, 0);
    EXPECT_LE(topLeft.x, 4 * 16);
    EXPECT_LT(bottomRight.x, rect.right);
    EXPECT_GE(bottomRight.x, rect.right - 4 * 16);
    EXPECT_GE(topLeft.y, 0);
    EXPECT_LT(bottomRight.y, rect.bottom);
    EXPECT_TRUE(InkNear(topLeft));
    EXPECT_TRUE(InkNear(bottomRight));
    EXPECT_TRUE(InkNear(PixelOf(Cx(), Cy() + 2000)));
}

TEST_F(Zooming, FitKeepsTheBottomWallOfATallFloorInSight) {
    // Six times as high as wide: the height decides. A view cut exactly to the extents would lose the
    // bottom wall once the origin snaps up to whole scroll steps; the fitted view keeps room for it.
    WriteDrawing(Rectangle(1000, 6000));
    ASSERT_TRUE(client->ProcessCommand(cmd::kFitScreen));
    const float a = static_cast<float>(rect.right) / rect.bottom;
    EXPECT_NEAR(ViewExtentX, ViewExtentY * a, 2.0);
    ExpectScrollStateInLine();
    child->UpdateWindow();
    const TPoint topLeft = PixelOf(Cx() - 1000, Cy() + 6000), bottomRight = PixelOf(Cx() + 1000, Cy() - 6000);
    EXPECT_GE(topLeft.y, 0);
    EXPECT_LE(topLeft.y, 4 * 16);
    EXPECT_LT(bottomRight.y, rect.bottom);
    EXPECT_GE(bottomRight.y, rect.bottom - 4 * 16);
    EXPECT_GE(topLeft.x, 0);
    EXPECT_LT(bottomRight.x, rect.right);
    EXPECT_TRUE(InkNear(topLeft));
    EXPECT_TRUE(InkNear(bottomRight));
    EXPECT_TRUE(InkNear(PixelOf(Cx(), Cy() - 6000)));
}

TEST_F(Zooming, FitOfAnEmptyFloorLeavesTheZoom) {
    WriteDrawing({});
    const int32_t vx = ViewExtentX, ox = ScrollOriginX;
    const float s = PenScaleF;
    ASSERT_TRUE(client->ProcessCommand(cmd::kFitScreen));
    EXPECT_EQ(dir.ReadFile("CFG/EXTENTS.CFG"), "200000 0 0 200000");
    EXPECT_EQ(ViewExtentX, vx);
    EXPECT_EQ(ScrollOriginX, ox);
    EXPECT_FLOAT_EQ(PenScaleF, s);
    EXPECT_EQ(DrawingState, 2);
}

TEST_F(Zooming, FitOfASingleShortWallDividesByNothing) {
    std::vector<std::unique_ptr<TObject>> walls;
    walls.push_back(make::ExtWall(kGroundFloor, Cx(), Cy() + 5, Cx() + 2, Cy() + 5));
    WriteDrawing(std::move(walls));
    ASSERT_TRUE(client->ProcessCommand(cmd::kFitScreen));
    EXPECT_GT(PenScaleF, 0.0f);
    EXPECT_GE(ViewExtentX, 1);
    EXPECT_GE(ViewExtentY, 1);
    EXPECT_EQ(DrawingState, 2);
}

TEST_F(Zooming, FitOnARoomLayoutWithoutRoomsChangesNothing) {
    CurrentView = kRoomLayout;
    const int32_t vx = ViewExtentX;
    ASSERT_TRUE(client->ProcessCommand(cmd::kFitScreen));
    EXPECT_EQ(ViewExtentX, vx);
    EXPECT_EQ(DrawingState, 2);
}

TEST_F(Zooming, ZoomUpRefusesOnTheRoomLayout) {
    testsupport::ScriptedUi ui;
    CurrentView = kRoomLayout;
    const int32_t kind = client->Tool->Kind;
    ASSERT_TRUE(client->ProcessCommand(cmd::kZoomUp));
    EXPECT_TRUE(ui.LogContains("caption=\"ZOOM UP\" text=\"Not available on room layouts\""));
    EXPECT_EQ(client->Tool->Kind, kind);
}

TEST_F(Zooming, ZoomUpHandsTheViewToTheRectangleDrag) {
    ASSERT_TRUE(client->ProcessCommand(cmd::kRectangle));
    const TDrawingtool* tool = client->Tool.get();
    const std::string name = app.ToolGadget->GetText(), guide = app.StatusBar->GetText();
    const int32_t help = HelpContextId;
    ASSERT_TRUE(client->ProcessCommand(cmd::kZoomUp));
    EXPECT_EQ(child->DatumMode, 3);
    EXPECT_EQ(HelpContextId, 220);
    EXPECT_STREQ(app.StatusBar->GetText(), kZoomGuide);
    char expected[128];
    std::snprintf(expected, sizeof expected, "0 %d %d %d %d %f", ViewExtentX, ViewExtentY, ScrollOriginX,
                  ScrollOriginY, static_cast<double>(PenScaleF));
    EXPECT_EQ(dir.ReadFile("CFG/ZSTAT.CFG"), expected);

    // The drag sets the view and brings the scroll state in line with it; the tool that waited
    // through it is the user's, named and guided as before.
    const float scale = PenScaleF;
    QTest::mousePress(child->View(), Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(child->View(), QPoint(200, 160));
    QTest::mouseRelease(child->View(), Qt::LeftButton, {}, QPoint(200, 160));
    EXPECT_NEAR(PenScaleF, scale * 100 / rect.right, 0.2f);
    ExpectScrollStateInLine();
    EXPECT_EQ(client->Tool.get(), tool);
    EXPECT_EQ(app.ToolGadget->GetText(), name);
    EXPECT_EQ(app.StatusBar->GetText(), guide);
    EXPECT_EQ(HelpContextId, help);
}

// The dragged rectangle becomes the view at the window's proportions from either corner; a click or a
// line of no width leaves the view as it was, and Zoom UP waiting. (from, to, whether it zooms)
using ZoomDrag = std::tuple<QPoint, QPoint, bool>;
class ZoomRectangle : public Zooming, public ::testing::WithParamInterface<ZoomDrag> {};

TEST_P(ZoomRectangle, BecomesTheViewOrLeavesZoomUpWaiting) {
    const auto [from, to, zooms] = GetParam();
    const float scale = PenScaleF;
    const int32_t extent = ViewExtentX, origin = ScrollOriginX;
    ASSERT_TRUE(client->ProcessCommand(cmd::kZoomUp));
    QTest::mousePress(child->View(), Qt::LeftButton, {}, from);
    QTest::mouseMove(child->View(), to);
    QTest::mouseRelease(child->View(), Qt::LeftButton, {}, to);
    if (zooms) {
        EXPECT_NEAR(PenScaleF, scale * 100 / rect.right, 0.2f);
        return ExpectScrollStateInLine();
    }
    EXPECT_EQ(std::pair(ViewExtentX, ScrollOriginX), std::pair(extent, origin));
    EXPECT_STREQ(app.StatusBar->GetText(), kZoomGuide);
}

INSTANTIATE_TEST_SUITE_P(Drags, ZoomRectangle,
                         ::testing::Values(ZoomDrag{{100, 100}, {200, 160}, true},
                                           ZoomDrag{{200, 160}, {100, 100}, true},
                                           ZoomDrag{{100, 100}, {100, 100}, false},
                                           ZoomDrag{{100, 100}, {100, 180}, false},
                                           ZoomDrag{{100, 100}, {180, 100}, false}));

// A command or a key chosen while Zoom UP waits for its rectangle ends the wait: the next drag is
// the tool's, and the view stays.
TEST_F(Zooming, ZoomUpGivesWayToACommandOrAKey) {
    for (const bool byKey : {false, true}) {
        SCOPED_TRACE(byKey);
        ASSERT_TRUE(client->ProcessCommand(cmd::kZoomUp));
        if (byKey)
            QTest::keyClick(child->View(), Qt::Key_Right);
        else
            ASSERT_TRUE(client->ProcessCommand(cmd::kRectangle));
        EXPECT_STRNE(app.StatusBar->GetText(), kZoomGuide);
        const float scale = PenScaleF;
        // The tool's press waits for the release while the button is held.
        QTimer::singleShot(0, child->View(), [this] {
            QTest::mouseMove(child->View(), QPoint(200, 160));
            QTest::mouseRelease(child->View(), Qt::LeftButton, {}, QPoint(200, 160));
        });
        QTest::mousePress(child->View(), Qt::LeftButton, {}, QPoint(100, 100));
        QCoreApplication::processEvents();
        EXPECT_FLOAT_EQ(PenScaleF, scale);
    }
}

TEST_F(Zooming, CommandsWaitForAnOpenDrawing) {
    DrawingState = 1;
    const int32_t vx = ViewExtentX;
    PenScaleF = 9.0f;
    ASSERT_TRUE(client->ProcessCommand(cmd::kNormalSize));
    ASSERT_TRUE(client->ProcessCommand(cmd::kZoomUp));
    EXPECT_EQ(ViewExtentX, vx);
    EXPECT_FLOAT_EQ(PenScaleF, 9.0f);
    EXPECT_FALSE(dir.Exists("CFG/ZSTAT.CFG"));
}

TEST_F(Zooming, AWindowWithoutClientAreaSkipsScrollSetUpAndZoom) {
    // Not yet shown, as a minimised window: no width or height to divide by.
    TChild hidden(*client, "HOUSE.PLN");
    ASSERT_TRUE(hidden.GetClientRect().IsEmpty());
    const int32_t vx = ViewExtentX, ox = ScrollOriginX;
    hidden.SetupScrolling();
    DrawingState = 1;
    hidden.Zoom(zoomkind::kNormal);
    hidden.Zoom(zoomkind::kFit);
    EXPECT_EQ(ViewExtentX, vx);
    EXPECT_EQ(ScrollOriginX, ox);
    EXPECT_EQ(DrawingState, 2);
}

// Invalidation repaints only the part asked for: a line drawn across the whole sheet after the last
// paint shows only inside that part.
class Invalidation : public Zooming {
protected:
    void AddLineAcrossTheView() {
        std::vector<std::unique_ptr<TObject>> objects;
        const int32_t y = (ScrollOriginY + ViewExtentY / 6) * ZoomDivisor; // low in the window
        objects.push_back(make::Line(kGroundFloor, 0, y, SheetWidth * ZoomDivisor, y));
        WriteDrawing(std::move(objects));
        lineRow = PixelOf(0, y).y;
    }
    bool InkInColumn(int x) const { return InkNear(TPoint(x, lineRow), 1); }
    int lineRow = 0;
};

TEST_F(Invalidation, KindThreeRepaintsTheLowerLeftStrip) {
    WriteDrawing({});
    child->InvalidateArea(invalidatekind::kWholeNow);
    AddLineAcrossTheView();
    child->InvalidateArea(invalidatekind::kLibraryStrip);
    child->UpdateWindow();
    EXPECT_TRUE(InkInColumn(rect.right / 8));
    EXPECT_FALSE(InkInColumn(rect.right / 2));
}

TEST_F(Invalidation, KindFifteenRepaintsTheToolsBox) {
    WriteDrawing({});
    child->InvalidateArea(invalidatekind::kWholeNow);
    AddLineAcrossTheView();
    TDrawingtool& tool = *client->Tool;
    const int32_t mid = (ScrollOriginX + ViewExtentX / 2) * ZoomDivisor;
    tool.BoxLeft = mid - 500;
    tool.BoxRight = mid + 500;
    tool.BoxTop = (ScrollOriginY + ViewExtentY) * ZoomDivisor;
    tool.BoxBottom = ScrollOriginY * ZoomDivisor;
    child->InvalidateArea(invalidatekind::kToolBox);
    child->UpdateWindow();
    EXPECT_TRUE(InkInColumn(PixelOf(mid, 0).x));
    EXPECT_FALSE(InkInColumn(rect.right / 8));
}

TEST_F(Invalidation, KindZeroRepaintsEverythingLater) {
    WriteDrawing({});
    child->InvalidateArea(invalidatekind::kWholeNow);
    AddLineAcrossTheView();
    child->InvalidateArea(invalidatekind::kWhole);
    EXPECT_FALSE(InkInColumn(rect.right / 2));
    child->UpdateWindow();
    EXPECT_TRUE(InkInColumn(rect.right / 2));
    EXPECT_TRUE(InkInColumn(rect.right / 8));
}

} // namespace

namespace {

// A zoom writes the working file only where it moves the drawing, the site plan centred on the
// sheet: a file that cannot be written then is told once and ends the step, the view as it was. On a
// floor the zoom writes nothing and goes ahead.
TEST_F(Zooming, AnUnwritableWorkingFileStopsOnlyTheZoomThatMovesTheDrawing) {
    for (const int32_t view : {kSitePlan, kGroundFloor}) {
        SCOPED_TRACE(view);
        CurrentView = view;
        std::vector<std::unique_ptr<TObject>> wall;
        wall.push_back(make::ExtWall(view, Cx() + 3000, Cy() + 1000, Cx() + 7000, Cy() + 1000));
        WriteDrawing(std::move(wall));
        testsupport::ScriptedUi ui;
        const testsupport::FullDisk full;
        for (const int32_t command : {cmd::kFitScreen, cmd::kHalfSize, cmd::kNormalSize}) {
            const int32_t extent = ViewExtentX;
            ASSERT_TRUE(client->ProcessCommand(command));
            EXPECT_EQ(ViewExtentX == extent, view == kSitePlan) << command;
        }
        size_t told = 0;
        for (size_t at = 0; (at = ui.Log().find("could not be written", at)) != std::string::npos; ++at)
            ++told;
        EXPECT_EQ(told, view == kSitePlan ? 3u : 0u);
        EXPECT_EQ(ObjectList[ObjectList.count - 1]->x1, Cx() + 3000) << "the drawing moved in memory";
    }
}

} // namespace
