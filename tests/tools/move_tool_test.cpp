// The move tool on an offscreen image: the selection its rectangle lists, the zoom window, the key
// step, moving the listed objects and painting one object in a caller's colour.
#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <functional>
#include <memory>
#include <string>

#include "document/coordinate_mapping.h"
#include "document/document.h"
#include "document/plan_display_modes.h"
#include "document/program_state.h"
#include "platform/dc.h"
#include "platform/virtual_keys.h"
#include "tests/platform/pixel_probe.h"
#include "tests/support/made_objects.h"
#include "tests/support/program_directory.h"
#include "tools/move_tool.h"

namespace {

constexpr int kW = 600, kH = 300;

std::unique_ptr<TLineobj> Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t penWidth = 1) {
    return std::make_unique<TLineobj>(kGroundFloor, kLine, penWidth, 0, 0, 0, x1, 0, x2, 0, y1, y2, 0, 0, 0);
}

std::unique_ptr<TTextobj> Text(int32_t x, int32_t y, int32_t weight, int32_t height) {
    return std::make_unique<TTextobj>(kGroundFloor, kText, 1, 0, 0, 0, x, 0, 900, 0, y, 0, 0, "HHHH", "Arial",
                                      0, 3, weight, height);
}

std::unique_ptr<TPolyobj> Square(int32_t x, int32_t y, int32_t side) {
    const int32_t px[4] = {x, x + side, x + side, x};
    const int32_t py[4] = {y, y, y + side, y + side};
    const int32_t ph[4] = {};
    const int32_t attr[4] = {};
    return std::make_unique<TPolyobj>(kGroundFloor, 500, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, px, py, ph, attr, 4,
                                      0, 0, 0, 0, 0, 0);
}

// One logical unit per pixel, y up from the bottom edge.
class MoveTool : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGlobals();
        ObjectList.Flush();
        ObjectList.ProgramDirectory = dir.Path();
        CurrentView = kGroundFloor;
        ZoomDivisor = 1;
        ViewExtentX = kW;
        ViewExtentY = kH;
        // The sheet is the window: a move or turn that leaves it is refused.
        SheetWidth = kW;
        SheetHeight = kH;
        image.fill(Qt::white);
        SetDrawingMapping(nullptr, dc, client);
    }
    void TearDown() override {
        ObjectList.Flush();
        ResetGlobals();
    }

    static TPoint Px(int32_t x, int32_t y) { return TPoint(x, kH - y); }

    void Drag(TMoveobjtool& tool, TPoint from, TPoint to) {
        tool.ButtonDown(dc, client, &from);
        tool.MouseMove(dc, client, (from.x + to.x) / 2, (from.y + to.y) / 2);
        tool.MouseMove(dc, client, to.x, to.y);
        tool.ButtonUp(dc, client, &to);
    }

    void List(const std::string& entries, int32_t count) {
        dir.WriteFile("CFG/COPY.CFG", entries);
        dir.WriteFile("CFG/TEMP.CFG", std::to_string(count) + "\n");
    }

    testsupport::ProgramDirectory dir;
    QImage image{kW, kH, QImage::Format_RGB32};
    TDC dc{image};
    TRect client{0, 0, kW, kH};
};

struct DragCase {
    int32_t toolKind;
    POINT from, to;
    const char* temp;
    const char* copy; // null: not looked at
};

class SelectionDrag : public MoveTool, public ::testing::WithParamInterface<DragCase> {};

TEST_P(SelectionDrag, ListsTheObjectsStrictlyInside) {
    const DragCase& c = GetParam();
    ObjectList.Add(std::make_unique<TInfoobj>(kGroundFloor, 32000, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0));
    ObjectList.Add(Line(400, 10, 500, 20));
    ObjectList.Add(Line(100, 100, 200, 200));
    dir.WriteFile("CFG/COPY.CFG", "7 7 7\n");
    std::unique_ptr<TMoveobjtool> tool =
        c.toolKind == toolkind::kCopy ? std::make_unique<TCopyobjtool>() : std::make_unique<TMoveobjtool>();
    const QImage before = image.copy();

    Drag(*tool, Px(c.from.x, c.from.y), Px(c.to.x, c.to.y));

    EXPECT_EQ(dir.ReadFile("CFG/TEMP.CFG"), c.temp);
    if (c.copy) {
        EXPECT_EQ(dir.ReadFile("CFG/COPY.CFG"), c.copy);
    }
    // A rectangle round nothing lists nothing, and the tool waits for the drag again.
    const bool any = c.temp[0] != '\0';
    EXPECT_EQ(tool->Mode, any ? movestate::kSelected : movestate::kIdle);
    EXPECT_EQ(tool->SelectedCount, any ? c.temp[0] - '0' : 0);
    EXPECT_EQ(tool->SelectionMade, any ? 1 : 0);
    EXPECT_EQ(image, before) << "the band leaves nothing behind";
}

INSTANTIATE_TEST_SUITE_P(
    Drags, SelectionDrag,
    ::testing::Values(DragCase{toolkind::kMove, {99, 99}, {201, 201}, "1\n", "2 99 99\n"},
                      DragCase{toolkind::kMove, {201, 201}, {99, 99}, "1\n", "2 99 99\n"},
                      DragCase{toolkind::kMove, {201, 99}, {99, 201}, "1\n", "2 99 99\n"},
                      DragCase{toolkind::kMove, {100, 99}, {201, 201}, "", "7 7 7\n"},
                      DragCase{toolkind::kMove, {150, 150}, {150, 150}, "", "7 7 7\n"},
                      DragCase{toolkind::kCopy, {201, 201}, {99, 99}, "1\n", "2 150 150\n"},
                      DragCase{toolkind::kCopy, {0, 0}, {600, 300}, "2\n", "1 300 150\n2 300 150\n"}));

TEST_F(MoveTool, BandIsDottedAndAnAbandonedDragTakesItAlong) {
    const QImage before = image.copy();
    TMoveobjtool tool;
    TPoint from = Px(100, 200);
    tool.ButtonDown(dc, client, &from);
    tool.MouseMove(dc, client, 200, 200);
    tool.MouseMove(dc, client, 300, 250);
    int inked = 0;
    for (int x = 100; x < 130; ++x)
        inked += pixelprobe::Inked(image, x, 100);
    EXPECT_EQ(inked, 15);
    tool.Button2Up(dc, client, &from);
    EXPECT_EQ(image, before);
}

TEST_F(MoveTool, ArrowKeyStepFollowsThePenScale) {
    struct {
        float penScale;
        int32_t step;
    } const cases[] = {{5.0f, 1}, {7.5f, 1}, {2.5f, 2}, {1.0f, 5}, {0.0f, 1}};
    ZoomDivisor = 5;
    for (const auto& c : cases) {
        PenScaleF = c.penScale;
        TMoveobjtool tool;
        TPoint at(300, 100);
        tool.KeyDown(dc, client, VK_RIGHT, &at, 0);
        tool.KeyDown(dc, client, VK_UP, &at, 0);
        EXPECT_EQ(at, TPoint(300 + c.step, 100 - c.step)) << c.penScale;
        tool.KeyDown(dc, client, VK_RETURN, &at, 0);
        EXPECT_EQ(at, TPoint(300 + c.step, 100 - c.step)) << "Enter moves nothing";
    }
}

TEST_F(MoveTool, MoveShiftsTheListedObjectsAndPassesOverStaleEntries) {
    ObjectList.Add(Line(100, 100, 200, 200));
    ObjectList.Add(Text(50, 60, 400, 10));
    ObjectList.Add(Line(300, 30, 310, 40));
    List("0 0 0\n-1 0 0\n99 0 0\n1 0 0\nbroken\n2 0 0\n", 6);
    TMoveobjtool tool;
    tool.SetAnchor(dc, client, Px(100, 100).x, Px(100, 100).y);
    tool.MoveSelection(dc, client, Px(130, 110).x, Px(130, 110).y);

    EXPECT_EQ(ObjectList[0]->x1, 130);
    EXPECT_EQ(ObjectList[0]->y2, 210);
    EXPECT_EQ(ObjectList[1]->x1, 80);
    EXPECT_EQ(ObjectList[1]->y1, 70);
    EXPECT_EQ(ObjectList[2]->x1, 300) << "after an unreadable line nothing is read";
    EXPECT_EQ(tool.AnchorX, 130);
    EXPECT_EQ(tool.AnchorY, 110);
    EXPECT_TRUE(tool.MovePending());
}

TEST_F(MoveTool, ReleaseWhileMovingWipesTheOldPlaceAndPaintsTheNew) {
    ObjectList.Add(Line(100, 100, 100, 200));
    List("0 0 0\n", 1);
    TMoveobjtool tool;
    tool.PaintObject(dc, 0);
    ASSERT_TRUE(pixelprobe::Inked(image, 100, kH - 150));
    tool.SetAnchor(dc, client, Px(100, 100).x, Px(100, 100).y);
    tool.Mode = movestate::kMoving;
    TPoint to = Px(140, 100);
    tool.ButtonUp(dc, client, &to);
    EXPECT_FALSE(pixelprobe::Inked(image, 100, kH - 150));
    EXPECT_TRUE(pixelprobe::Inked(image, 140, kH - 150));
}

// Painting in the object's colour, then in the background colour, leaves the background.
class PaintAndWipe : public MoveTool, public ::testing::WithParamInterface<int> {};

TEST_P(PaintAndWipe, WipeLeavesTheBackground) {
    switch (GetParam()) {
    case 0:
        ObjectList.Add(Line(50, 50, 400, 250, 3));
        break;
    case 1:
        ObjectList.Add(Text(100, 100, 700, 20));
        break;
    case 2:
        ObjectList.Add(Square(100, 100, 80));
        break;
    default: {
        auto arc = std::make_unique<TArcobj>(kGroundFloor, kArc, 1, 0, 0, 0, 100, 0, 300, 0, 250, 50, 0, 300,
                                             150, 100, 150);
        ObjectList.Add(std::move(arc));
    }
    }
    TMoveobjtool tool;
    tool.SelectionMade = 1;
    tool.PaintObject(dc, 0);
    ASSERT_GT(pixelprobe::CountInked(image), 0);
    tool.WipeObject(dc, 0);
    EXPECT_EQ(pixelprobe::CountInked(image), 0);
}

INSTANTIATE_TEST_SUITE_P(Kinds, PaintAndWipe, ::testing::Range(0, 4));

TEST_F(MoveTool, WipeTakesOffATextAsTheWindowPaintedIt) {
    TextScale = 3;
    ObjectList.Add(Text(100, 100, 700, 20));
    ObjectList[0]->Draw(dc);
    ASSERT_GT(pixelprobe::CountInked(image), 0);
    TMoveobjtool tool;
    tool.WipeObject(dc, 0);
    EXPECT_EQ(pixelprobe::CountInked(image), 0);
}

TEST_F(MoveTool, TextFromWeight500IsBold) {
    TMoveobjtool tool;
    int ink[2] = {};
    for (const int32_t weight : {499, 500}) {
        image.fill(Qt::white);
        ObjectList.Flush();
        ObjectList.Add(Text(100, 100, weight, 30));
        tool.PaintObject(dc, 0);
        ink[weight - 499] = pixelprobe::CountInked(image);
    }
    EXPECT_GT(ink[1], ink[0] * 5 / 4);
}

TEST_F(MoveTool, UnsetTextScaleTakesThePenScaleAndTheSitePlanTriplesIt) {
    PenScale = 3;
    TextScale = 0;
    TMoveobjtool tool;
    int height[2] = {};
    for (const int32_t view : {kGroundFloor, kSitePlan}) {
        CurrentView = view;
        image.fill(Qt::white);
        ObjectList.Flush();
        ObjectList.Add(Text(10, 10, 400, 20));
        tool.PaintObject(dc, 0);
        height[view == kSitePlan] = pixelprobe::InkBounds(image).height();
        EXPECT_EQ(TextScale, 3);
    }
    EXPECT_GT(height[0], 30); // 60 units high, the capitals a good half of it
    EXPECT_LT(height[0], 61);
    EXPECT_NEAR(height[1], 3 * height[0], 6);
}

TEST_F(MoveTool, CoordinatesAreDividedTowardZero) {
    ZoomDivisor = 5;
    ScrollOriginX = -10; // logical -1 at pixel 9, 1 at pixel 11
    SetDrawingMapping(nullptr, dc, client);
    ObjectList.Add(Line(-7, 250, -7, 1000, 0));
    ObjectList.Add(Line(7, 250, 7, 1000, 0));
    TMoveobjtool tool;
    tool.PaintObject(dc, 0);
    tool.PaintObject(dc, 1);
    EXPECT_TRUE(pixelprobe::Inked(image, 9, kH - 100));
    EXPECT_TRUE(pixelprobe::Inked(image, 11, kH - 100));
    EXPECT_FALSE(pixelprobe::Inked(image, 10, kH - 100));
}

TEST_F(MoveTool, PolygonIsOutlinedAsTheWindowShowsItWhetherOrNotASelectionIsListed) {
    ObjectList.Add(Square(100, 100, 80));
    ObjectList[0]->colour = RGB(200, 0, 0);
    for (const int32_t made : {0, 1}) {
        image.fill(QColor(128, 128, 128));
        TMoveobjtool tool;
        tool.SelectionMade = made;
        tool.PaintObject(dc, 0);
        EXPECT_EQ(image.pixel(140, kH - 140), 0xFF808080u) << "what lies inside stays";
        EXPECT_EQ(image.pixel(100, kH - 140), 0xFFC80000u);
    }
}

// A move wipes the object with the marks the window painted and paints the marks the window would:
// afterwards the window holds exactly what a full repaint of the moved drawing shows.
struct MovedKind {
    const char* name;
    std::function<std::unique_ptr<TObject>()> make; // drawing units, ZoomDivisor 5
    int32_t displayMode = displaymode::kPlain;
};

std::unique_ptr<TObject> Dimension(int32_t orientation, int32_t x1, int32_t y1, int32_t x3, int32_t y3) {
    // Two pieces, each from a measured end toward the middle.
    const int32_t mx = (x1 + x3) / 2, my = (y1 + y3) / 2;
    return std::make_unique<TDimensobj>(kGroundFloor, kAutoDimension, 1, 0, 0, 0, x1, 0, mx, 0, y1, my, 0, 1,
                                        x3, y3, mx, my, orientation);
}

std::unique_ptr<TObject> Poly(int32_t kind, COLORREF fill) {
    const int32_t px[4] = {1000, 1500, 1500, 1000};
    const int32_t py[4] = {500, 500, 900, 900};
    const int32_t none[4] = {};
    return std::make_unique<TPolyobj>(kGroundFloor, kind, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, RGB(0, 0, 200), px,
                                      py, py, none, 4, 0, 0, 0, 0, 0, fill);
}

std::unique_ptr<TObject> Wall(int32_t thickness2) {
    const int32_t layers[12] = {1000, 600, 2000, 600, 1000, 640, 2000, 640, 1000, 680, 2000, 680};
    const int32_t none[4] = {};
    return std::make_unique<TExtwallobj>(kGroundFloor, kExtWall, 1, 0, 0, 0, 1000, 0, 2000, 0, 500, 500, 0,
                                         100, thickness2, 0, 0, 0, 1, 1, layers, 0, 0, none);
}

class WipeAndRepaint : public MoveTool, public ::testing::WithParamInterface<MovedKind> {};

TEST_P(WipeAndRepaint, LeavesWhatAFullRepaintOfTheMovedDrawingShows) {
    ZoomDivisor = 5;
    PlanDisplayMode = GetParam().displayMode;
    TextScale = 2;
    ObjectList.Add(GetParam().make());
    ObjectList.Paint(dc, client);
    ASSERT_GT(pixelprobe::CountInked(image), 0);
    List("0 0 0\n", 1);
    TMoveobjtool tool;
    tool.SelectionMade = 1;
    tool.SetAnchor(dc, client, 300, 150);
    tool.Mode = movestate::kMoving;
    TPoint to(337, 131);
    tool.ButtonUp(dc, client, &to);
    const QImage moved = image.copy();

    image.fill(Qt::white);
    ObjectList.Paint(dc, client);
    int differing = 0;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            differing += moved.pixel(x, y) != image.pixel(x, y);
    EXPECT_EQ(differing, 0);
}

const MovedKind kMovedKinds[] = {
    MovedKind{"Line", [] { return Line(500, 500, 2000, 1200, 2); }},
    MovedKind{"DashedLine",
              [] {
                  auto l = Line(500, 500, 2000, 500);
                  l->penStyle = 1;
                  return l;
              }},
    MovedKind{"Arc",
              [] {
                  return std::make_unique<TArcobj>(kGroundFloor, kArc, 1, 0, 0, 0, 1000, 0, 1500, 0, 1000,
                                                   500, 0, 1500, 750, 1000, 750);
              }},
    MovedKind{"Text", [] { return Text(1000, 700, 700, 20); }},
    MovedKind{"CentredText",
              [] {
                  return std::make_unique<TTextobj>(kGroundFloor, kText, 1, 0, 0, 0, 1000, 0, 0, 0, 700, 0, 0,
                                                    "2000", "Arial", 0, 1, 400, 20);
              }},
    MovedKind{"Ellipse", [] { return testsupport::Made<TEllipseobj>(kEllipse, 1000, 1000, 1800, 600); }},
    MovedKind{"Circle", [] { return testsupport::Made<TCircleobj>(kCircle, 1000, 1000, 1400, 600); }},
    MovedKind{"Rectangle",
              [] { return testsupport::Made<TRectangleobj>(kRectangle, 1000, 1000, 1800, 600); }},
    MovedKind{"RoundRect",
              [] {
                  return std::make_unique<TRndrectobj>(kGroundFloor, kRoundRect, 1, 0, 0, 0, 1000, 0, 1800, 0,
                                                       1000, 600, 0, 60);
              }},
    MovedKind{"ExtWall", [] { return Wall(0); }},
    MovedKind{"TwoLayerExtWall", [] { return Wall(40); }},
    MovedKind{"HatchedExtWall", [] { return Wall(40); }, displaymode::kWallsHatched},
    MovedKind{"SolidExtWall", [] { return Wall(40); }, displaymode::kWallsSolid},
    MovedKind{"IntWall",
              [] {
                  const int32_t none[4] = {};
                  return std::make_unique<TIntwallobj>(kGroundFloor, kIntWall, 1, 0, 0, 0, 1000, 0, 2000, 0,
                                                       500, 500, 0, 50, 0, 0, 0, 0, 1, 1, 1000, 0, 550, 2000,
                                                       550, none, 0, 0);
              }},
    MovedKind{"OutlineSymbol", [] { return Poly(500, RGB(0, 200, 0)); }},
    MovedKind{"FilledSymbol", [] { return Poly(210, RGB(0, 200, 0)); }},
    MovedKind{"OpeningPolygon", [] { return Poly(kOpeningPolygon, RGB(0, 200, 0)); }},
    MovedKind{"Arrow",
              [] {
                  return std::make_unique<TArrowobj>(kGroundFloor, kAutoArrow, 1, 0, 0, 0, 1000, 0, 1800, 0,
                                                     700, 700, 0, 1100, 730, 1100, 670, 1000, 800, 1000, 600);
              }},
    MovedKind{"LevelDimension0", [] { return Dimension(900, 1000, 700, 2000, 700); }},
    MovedKind{"LevelDimension2700", [] { return Dimension(2700, 1000, 700, 2000, 700); }},
    MovedKind{"UprightDimension0", [] { return Dimension(0, 1200, 400, 1200, 1200); }},
    MovedKind{"UprightDimension1800", [] { return Dimension(1800, 1200, 400, 1200, 1200); }},
    MovedKind{"UprightDimension3600", [] { return Dimension(3600, 1200, 400, 1200, 1200); }}};

INSTANTIATE_TEST_SUITE_P(Kinds, WipeAndRepaint, ::testing::ValuesIn(kMovedKinds),
                         [](const ::testing::TestParamInfo<MovedKind>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
