// The common painting entry: which operation runs, with which pen.
#include "tests/render/render_fixture.h"

using namespace rendertest;

namespace {

class PaintDispatch : public ::testing::Test {
protected:
    void SetUp() override { ResetForCanvas(400, 300); }
    void TearDown() override { ObjectList.Flush(); }
};

// Counts the calls of the drawing operations, and the pen selected when each ran.
class RecordingObject : public TObject {
public:
    using TObject::TObject;
    void Draw(TDC& dc) override { Note("Draw", dc); }
    void DrawSolid(TDC& dc) override { Note("DrawSolid", dc); }
    void DrawHatched(TDC& dc, int32_t selected) override {
        Note("DrawHatched", dc);
        hatchedSelected = selected;
    }
    void Print(TDC& dc, int32_t divisor, int32_t, int32_t) override {
        Note("Print", dc);
        printDivisor = divisor;
    }
    void PrintSolid(TDC& dc, int32_t, int32_t, int32_t) override { Note("PrintSolid", dc); }
    void PrintHatched(TDC& dc, int32_t selected, int32_t, int32_t, int32_t) override {
        Note("PrintHatched", dc);
        hatchedSelected = selected;
    }

    std::string calls;
    TPen pen;
    int32_t widthSeen = -1;
    int32_t hatchedSelected = -1;
    int32_t printDivisor = 0;

private:
    void Note(const char* name, TDC& dc) {
        calls += std::string(calls.empty() ? "" : ",") + name;
        pen = dc.GetPen();
        widthSeen = penWidth;
    }
};

RecordingObject Make(int32_t kind) {
    return RecordingObject(kGroundFloor, kind, 3, PS_DASH, 0, 0, 0, 0, 0, 0, 0, 0, kRed);
}

std::string Painted(RecordingObject& object, int32_t selected = 0) {
    Canvas canvas;
    object.Paint(canvas.Dc(), canvas.Client(), selected);
    return object.calls;
}

struct DispatchCase {
    int32_t mode;
    const char* wallCall;
};

class WallStyle : public PaintDispatch, public ::testing::WithParamInterface<DispatchCase> {};

TEST_P(WallStyle, WallsFollowTheTensDigitAndOthersDrawPlainly) {
    PlanDisplayMode = GetParam().mode;
    for (int32_t kind : {kExtWall, kIntWall}) {
        RecordingObject wall = Make(kind);
        EXPECT_EQ(Painted(wall), GetParam().wallCall) << kind;
    }
    for (int32_t kind : {kLine, kArc, 140, kAutoDimension, kDesignRoom}) {
        RecordingObject other = Make(kind);
        EXPECT_EQ(Painted(other), "Draw") << kind;
        EXPECT_EQ(other.pen, TPen(kRed, 3, PS_DASH));
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, WallStyle,
                         ::testing::Values(DispatchCase{-5, "Draw"}, DispatchCase{0, "Draw"},
                                           DispatchCase{9, "Draw"}, DispatchCase{10, "DrawHatched"},
                                           DispatchCase{19, "DrawHatched"}, DispatchCase{20, "DrawSolid"},
                                           DispatchCase{29, "DrawSolid"}, DispatchCase{30, ""},
                                           DispatchCase{35, ""}));

TEST_F(PaintDispatch, ScreenPenUsesTheObjectsWidthAndStyleUnscaled) {
    // Style 2 does not force a width of 1 on the screen, and the pen scale does not widen it.
    PenScale = 4;
    RecordingObject line(kGroundFloor, kLine, 5, PS_DOT, 0, 0, 0, 0, 0, 0, 0, 0, kBlue);
    Painted(line);
    EXPECT_EQ(line.pen, TPen(kBlue, 5, PS_DOT));
}

TEST_F(PaintDispatch, SelectionPaintsInTheSelectColour) {
    RecordingObject line = Make(kLine);
    Painted(line, 2);
    EXPECT_EQ(line.pen.Colour(), kSelect);
    PlanDisplayMode = 20;
    RecordingObject wall = Make(kIntWall);
    Painted(wall, 1);
    EXPECT_EQ(wall.pen.Colour(), kSelect);
}

TEST_F(PaintDispatch, HatchedWallsMakeTheirOwnPenAndGetTheSelection) {
    PlanDisplayMode = 15;
    RecordingObject wall = Make(kExtWall);
    Painted(wall, 1);
    EXPECT_EQ(wall.hatchedSelected, 1);
    EXPECT_NE(wall.pen, TPen(kSelect, 3, PS_DASH)); // no pen of the object was selected for it
}

TEST_F(PaintDispatch, TextsAndOwnPenPolygonsGetNoPenOnTheScreen) {
    for (int32_t kind : {kText, kDialogText, 34, 35, 36, 37, 200, 249}) {
        RecordingObject object = Make(kind);
        Painted(object, 1);
        EXPECT_EQ(object.calls, "Draw") << kind;
        EXPECT_NE(object.pen.Colour(), kSelect) << kind;
    }
    RecordingObject opening = Make(kOpeningPolygon);
    Painted(opening, 1);
    EXPECT_EQ(opening.pen, TPen(kSelect, 3, PS_DASH));
}

TEST_F(PaintDispatch, PaintLeavesThePenOfTheContextAsItWas) {
    Canvas canvas;
    const TPen before = canvas.Dc().GetPen();
    RecordingObject line = Make(kLine);
    line.Paint(canvas.Dc(), canvas.Client(), 0);
    EXPECT_EQ(canvas.Dc().GetPen(), before);
}

TEST_F(PaintDispatch, PaintInWindowSetsUpTheWindowFirst) {
    ScrollOriginX = 100;
    ScrollOriginY = 50;
    Canvas canvas(400, 300, 100, 50);
    auto line = MakeLine(kGroundFloor, 110, 60, 200, 60, kRed);
    line->PaintInWindow(canvas.Dc(), canvas.Client(), 0);
    EXPECT_EQ(canvas.At(150, 60), kRed);
    EXPECT_EQ(canvas.Dc().GetMapMode(), MM_ISOTROPIC);
}

// The widened pens of paper and bitmap reach every operation of the one paint, but the object
// keeps the width its user drew: the working file may be written right after a printed page. Walls
// drawn solid are widened as lines are; only hatched walls widen their own pens.
struct WideCase {
    int32_t penWidth, penStyle, penScale, expected;
    int32_t kind = kLine;
    int32_t mode = 0;
};

class PaperWidth : public PaintDispatch, public ::testing::WithParamInterface<WideCase> {};

TEST_P(PaperWidth, WidthIsScaledForThePaintOnly) {
    PenScale = GetParam().penScale;
    PlanDisplayMode = GetParam().mode;
    RecordingObject line(kGroundFloor, GetParam().kind, GetParam().penWidth, GetParam().penStyle, 0, 0, 0, 0,
                         0, 0, 0, 0, kRed);
    Canvas canvas;
    line.PaintWide(canvas.Dc());
    EXPECT_EQ(line.pen.Width(), GetParam().expected);
    EXPECT_EQ(line.widthSeen, GetParam().expected);
    EXPECT_EQ(line.penWidth, GetParam().penWidth);
}

INSTANTIATE_TEST_SUITE_P(Widths, PaperWidth,
                         ::testing::Values(WideCase{3, 0, 5, 5}, WideCase{2, 0, 5, 10}, WideCase{0, 0, 5, 5},
                                           WideCase{2, 2, 5, 2}, WideCase{7, 2, 5, 1},
                                           WideCase{2, 0, 5, 10, kIntWall, 20},
                                           WideCase{1, 0, 4, 4, kExtWall, 25}));

// A hatched wall widens its own pens by the pen scale, so on paper it sees the weight alone.
TEST_F(PaintDispatch, PaperHatchedWallsSeeTheWeightUnwidenedAndNoSelection) {
    PenScale = 3;
    PlanDisplayMode = 10;
    RecordingObject wall = Make(kIntWall);
    Canvas canvas;
    wall.PaintWide(canvas.Dc());
    EXPECT_EQ(wall.calls, "DrawHatched");
    EXPECT_EQ(wall.widthSeen, 1);
    EXPECT_EQ(wall.hatchedSelected, 0);
    EXPECT_EQ(wall.penWidth, 3);
}

TEST_F(PaintDispatch, BitmapWidthIsDividedByTheZoomAboveTwo) {
    ZoomDivisor = 6;
    const struct { int32_t width, style, expected; } cases[] = {{5, 0, 0}, {2, 0, 2}, {13, 0, 2}, {13, 2, 1}};
    for (const auto& c : cases) {
        RecordingObject line(kGroundFloor, kLine, c.width, c.style, 0, 0, 0, 0, 0, 0, 0, 0, kRed);
        Canvas canvas;
        line.PaintForPrint(canvas.Dc(), 1, 25, 100, 50);
        EXPECT_EQ(line.calls, "Print");
        EXPECT_EQ(line.printDivisor, 25);
        EXPECT_EQ(line.pen.Width(), c.expected) << c.width;
        EXPECT_EQ(line.penWidth, c.width);
    }
}

TEST_F(PaintDispatch, BitmapUsesThePrintOperationsByWallStyle) {
    for (auto [mode, call] : {std::pair{0, "Print"}, std::pair{10, "PrintHatched"},
                              std::pair{20, "PrintSolid"}, std::pair{30, ""}}) {
        PlanDisplayMode = mode;
        RecordingObject wall = Make(kExtWall);
        Canvas canvas;
        wall.PaintForPrint(canvas.Dc(), 1, 25, 0, 0);
        EXPECT_EQ(wall.calls, call) << mode;
        if (mode == 10) {
            EXPECT_EQ(wall.hatchedSelected, 0);
        }
    }
}

TEST_F(PaintDispatch, OpeningPolygonGetsNoPenOnPaperOrInTheBitmap) {
    RecordingObject opening = Make(kOpeningPolygon);
    Canvas canvas;
    const TPen initial = canvas.Dc().GetPen();
    opening.PaintWide(canvas.Dc());
    EXPECT_EQ(opening.pen, initial);
    RecordingObject again = Make(kOpeningPolygon);
    again.PaintForPrint(canvas.Dc(), 0, 25, 0, 0);
    EXPECT_EQ(again.pen, initial);
}

} // namespace
