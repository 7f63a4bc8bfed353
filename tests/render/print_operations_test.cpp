// The print operations of the bitmap export, the printed-floor and bitmap painters' choice of
// objects, and the scale caption and floor title.
#include <gtest/gtest.h>
#include <QImage>

#include "platform/dc.h"
#include "render/print_settings.h"
#include "tests/render/render_fixture.h"
#include "tests/support/drawing_fixture.h"

using namespace rendertest;

namespace {

// A white image whose device units are pixels, y down: the bitmap export's memory context.
class BitmapCanvas {
public:
    BitmapCanvas() : image_(200, 400, QImage::Format_RGB32), dc_(std::make_unique<TDC>(image_)) {
        image_.fill(Qt::white);
    }
    TDC& Dc() { return *dc_; }
    bool Dark(int x, int y) {
        dc_.reset();
        const bool dark = qGray(image_.pixel(x, y)) < 128;
        dc_ = std::make_unique<TDC>(image_);
        return dark;
    }
    // Runs of dark pixels along row y from x0 to x1.
    int DarkRuns(int y, int x0, int x1) {
        dc_.reset();
        int runs = 0;
        bool inRun = false;
        for (int x = x0; x <= x1; ++x) {
            const bool dark = qGray(image_.pixel(x, y)) < 128;
            runs += dark && !inRun;
            inRun = dark;
        }
        dc_ = std::make_unique<TDC>(image_);
        return runs;
    }
    int Ink() {
        dc_.reset();
        int n = 0;
        for (int y = 0; y < image_.height(); ++y)
            for (int x = 0; x < image_.width(); ++x)
                n += image_.pixel(x, y) != qRgb(255, 255, 255);
        dc_ = std::make_unique<TDC>(image_);
        return n;
    }

private:
    QImage image_;
    std::unique_ptr<TDC> dc_;
};

class PrintOperations : public testsupport::DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        UseStandardSheet();
    }
};

TEST_F(PrintOperations, PointsArePlacedThroughTheBitmapTransform) {
    PrintMinX = 10;
    BitmapCanvas canvas;
    auto line = MakeLine(kGroundFloor, 1000, 4000, 2000, 5000);
    const TPen pen(kBlack, 1, PS_SOLID);
    canvas.Dc().SelectObject(pen);
    line->Print(canvas.Dc(), 25, 5000, 300);
    // (1000, 4000) to (30, 340) and (2000, 5000) to (70, 300): the y axis is turned over.
    EXPECT_TRUE(canvas.Dark(30, 340));
    EXPECT_TRUE(canvas.Dark(50, 320));
    EXPECT_FALSE(canvas.Dark(30, 300));
}

// The hatch of a printed wall takes the screen's spacings divided by ZoomDivisor: the count of pairs
// uses 140 / z while each pair advances by 125 / z + 15 / z.
struct PrintedHatchCase {
    int32_t zoom;
    int32_t pairs;
    int32_t lastPairAt; // x where the last pair's first stroke crosses the middle of the wall
};

class PrintedHatch : public PrintOperations, public ::testing::WithParamInterface<PrintedHatchCase> {};

TEST_P(PrintedHatch, PairsFollowTheDividedPattern) {
    const PrintedHatchCase c = GetParam();
    ZoomDivisor = c.zoom;
    PrintMinX = 0;
    // (0, 0) to (5000, 0), 100 thick, divisor 25: t = 4 and a span of 200 pixels, lying from row
    // 20 (the first face) to row 24 (the second) with yOffset 20.
    auto wall = MakeIntWall(kGroundFloor, 0, 0, 5000, 0, 0, -100, 100, 900);
    wall->penWidth = 1;
    BitmapCanvas canvas;
    wall->PrintHatched(canvas.Dc(), 0, 25, 0, 20);
    EXPECT_EQ(wall->setting3, 3);
    EXPECT_EQ(canvas.DarkRuns(22, 0, 199), 2 * c.pairs);
    EXPECT_TRUE(canvas.Dark(6, 22)); // the first stroke runs from x 4 on the second face to 8
    EXPECT_TRUE(canvas.Dark(c.lastPairAt, 22));
    EXPECT_EQ(canvas.DarkRuns(22, c.lastPairAt + 4, 199), 0);
}

// z 5: (200 - 8) / 28 + 1 = 7 pairs, 3 apart, every 28. z 6: 9 pairs counted with 23, 2 apart,
// every 22.
INSTANTIATE_TEST_SUITE_P(Zooms, PrintedHatch,
                         ::testing::Values(PrintedHatchCase{5, 7, 6 + 6 * 28},
                                           PrintedHatchCase{6, 9, 6 + 8 * 22}));

TEST_F(PrintOperations, TextKeepsItsAngleAndOnlyOpeningPolygonsAreFilled) {
    BitmapCanvas canvas;
    auto text = MakeText(kGroundFloor, kText, 2500, 5000, "HALL", kBlack, 1, 20, 450);
    text->Print(canvas.Dc(), 25, 5000, 100);
    EXPECT_EQ(text->angle, 450);
    EXPECT_GT(canvas.Ink(), 0);

    BitmapCanvas symbols;
    auto filledSymbol = MakePolygon(kGroundFloor, 220, {{500, 500}, {2500, 500}, {2500, 2500}});
    filledSymbol->Print(symbols.Dc(), 25, 5000, 100);
    EXPECT_EQ(symbols.Ink(), 0);
    auto opening = MakePolygon(kGroundFloor, kOpeningPolygon,
                               {{500, 500}, {2500, 500}, {2500, 2500}, {500, 2500}}, kBlack, kBlack);
    opening->Print(symbols.Dc(), 25, 5000, 100);
    EXPECT_TRUE(symbols.Dark(60, 260)); // inside the filled square
}

TEST_F(PrintOperations, PaintingForPaperOrBitmapNeverChangesThePenWidthKept) {
    BitmapCanvas canvas;
    PenScale = 6;
    auto wall = MakeExtWall(kGroundFloor, 500, 3000, 4500, 3000, 100, 0, 0, 900);
    wall->penWidth = 10;
    wall->PaintForPrint(canvas.Dc(), 0, 25, 5000, 100);
    EXPECT_EQ(wall->penWidth, 10);
    wall->PaintWide(canvas.Dc());
    EXPECT_EQ(wall->penWidth, 10);
}

TEST_F(PrintOperations, PrintedFloorLeavesOutOnlyTheAutomaticDimensionsInModeOne) {
    ZoomDivisor = 1;
    PenScale = 1;
    ObjectList.Add(MakeLine(kGroundFloor, 10, 10, 190, 10));
    ObjectList.Add(MakeDimension(kGroundFloor, kAutoDimension, 10, 50, 190, 50, 10, 52, 190, 52, 900));
    ObjectList.Add(MakeDimension(kGroundFloor, kManualDimension, 10, 90, 190, 90, 10, 92, 190, 92, 900));
    ObjectList.Add(MakeLine(kFirstFloor, 10, 130, 190, 130));
    BitmapCanvas canvas;
    CurrentView = kGroundFloor; // not a printed view: nothing
    ObjectList.PaintFloorForPrint(canvas.Dc());
    EXPECT_EQ(canvas.Ink(), 0);
    CurrentView = 1050;
    PlanDisplayMode = 1;
    ObjectList.PaintFloorForPrint(canvas.Dc());
    EXPECT_TRUE(canvas.Dark(100, 10));
    EXPECT_FALSE(canvas.Dark(100, 50));
    EXPECT_TRUE(canvas.Dark(100, 90));
    EXPECT_FALSE(canvas.Dark(100, 130));
}

TEST_F(PrintOperations, BitmapOfAPrintingViewPaintsNothing) {
    ObjectList.Add(MakeLine(kGroundFloor, 0, 25000, 4000, 25000));
    PrintMinX = 0;
    PrintHeight = 400;
    BitmapCanvas canvas;
    CurrentView = 100;
    ObjectList.PaintToBitmap(canvas.Dc());
    EXPECT_EQ(canvas.Ink(), 0);
    CurrentView = kGroundFloor;
    ObjectList.PaintToBitmap(canvas.Dc());
    EXPECT_GT(canvas.Ink(), 0);
}

TEST_F(PrintOperations, ScaleCaptionSitsUnderTheTitleAndIsCountedOnce) {
    MetricUnits = 1;
    dir.WriteFile("CFG/MOFFSET.CFG", "300 400 1200 0 9 9 10");
    ObjectList.Add(MakeText(kGroundFloor, kFloorTitle, 8000, 3000, "ground floor plan"));
    ObjectList.Add(MakeExtWall(kGroundFloor, 1000, 5000, 9000, 5000, 100, 0, 0, 900));
    CurrentView = 1050;
    ASSERT_EQ(ObjectList.AddScaleCaption(50, 1), 1);
    const auto* caption = dynamic_cast<const TTextobj*>(ObjectList[ObjectList.count - 1]);
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->y1, 2600); // g = 400 x 50 / 100 = 200 below the title, twice
    EXPECT_EQ(caption->x1, 8000);
    EXPECT_EQ(caption->view, kGroundFloor);
    EXPECT_STREQ(caption->text, "scale 1 : 50");

    ASSERT_EQ(ObjectList.AddScaleCaption(50, 0), 1);
    EXPECT_STREQ(dynamic_cast<const TTextobj*>(ObjectList[ObjectList.count - 1])->text, "");

    ObjectList.Flush();
    EXPECT_EQ(ObjectList.AddScaleCaption(50, 1), 0); // nothing on the floor: no caption
}

TEST_F(PrintOperations, TitleOfTheSameTextIsReplacedAndAChangedOneKept) {
    MetricUnits = 1;
    dir.WriteFile("CFG/MOFFSET.CFG", "300 400 1200 0 9 9 10");
    CurrentView = kGroundFloor;
    ObjectList.Add(MakeExtWall(kGroundFloor, 1000, 5000, 9000, 5000, 100, 0, 0, 900));
    ObjectList.MakeTitleBlock();
    ObjectList.MakeTitleBlock();
    int titles = 0;
    for (int32_t i = 0; i < ObjectList.count; ++i)
        titles += ObjectList[i]->kind == kFloorTitle;
    EXPECT_EQ(titles, 1);
    const auto* title = dynamic_cast<const TTextobj*>(ObjectList[ObjectList.count - 1]);
    EXPECT_STREQ(title->text, "ground floor plan");
    EXPECT_EQ(title->y1, 5000 - (2 * 400 + 1200));
    EXPECT_EQ(title->x1, 16000 * 5 / 2);

    render::FloorTitles changed = render::ReadFloorTitles();
    changed.titles[0] = "GROUND FLOOR";
    ASSERT_TRUE(render::WriteFloorTitles(changed));
    EXPECT_EQ(dir.ReadFile("CFG/TITLE2D.CFG"),
              "12 16 17 12 9 GROUND FLOORfirst floor plansecond floor planfooting plansite plan\n");
    ObjectList.MakeTitleBlock();
    titles = 0;
    for (int32_t i = 0; i < ObjectList.count; ++i)
        titles += ObjectList[i]->kind == kFloorTitle;
    EXPECT_EQ(titles, 2);
}

TEST_F(PrintOperations, TitlesWithOuterBlanksReadBackAsWritten) {
    render::FloorTitles titles;
    titles.titles = {" ground floor plan", "  first ", "second", "", "site plan "};
    ASSERT_TRUE(render::WriteFloorTitles(titles));
    const render::FloorTitles read = render::ReadFloorTitles();
    EXPECT_EQ(read.titles[0], " ground floor plan");
    EXPECT_EQ(read.titles[1], "  first ");
    EXPECT_EQ(read.titles[2], "second");
    EXPECT_EQ(read.titles[4], "site plan ");
}

TEST(CalibrationFactor, FollowsTheMeasuredLength) {
    EXPECT_EQ(render::CalibrationFactor(1, 15000), 1.0);
    EXPECT_NEAR(render::CalibrationFactor(1, 15150), 0.99, 1e-12);
    EXPECT_NEAR(render::CalibrationFactor(1, 14850), 1.01, 1e-12);
    EXPECT_NEAR(render::CalibrationFactor(0, 15120), 1.0 - 144.0 / 14976.0, 1e-12);
}

TEST_F(PrintOperations, UnusableCalibrationFactorReadsAsOne) {
    dir.WriteFile("CFG/PRNTCALM.CFG", "15000 -3");
    EXPECT_EQ(render::ReadCalibration(1).factor, 1.0);
    dir.WriteFile("CFG/PRNTCALM.CFG", "15150 0.990000");
    EXPECT_DOUBLE_EQ(render::ReadCalibration(1).factor, 0.99);
}

} // namespace
