// Walls in the three styles: the face lines, the hatch strokes inside the wall, the solid band.
#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "document/drawn_extents.h"
#include "render/bitmap_extents.h"
#include "render/printed_page.h"
#include "tests/render/render_fixture.h"
#include "tests/support/program_directory.h"
#include "walls/door_symbols.h"
#include "walls/opening_construction.h"

using namespace rendertest;

namespace {

class WallDrawing : public ::testing::Test {
protected:
    void SetUp() override { ResetForCanvas(400, 300); }
    void TearDown() override { ObjectList.Flush(); }

    // Paints one object with the current display mode and returns the canvas.
    static std::unique_ptr<Canvas> Painted(TObject& object, int32_t selected = 0) {
        auto canvas = std::make_unique<Canvas>(400, 300);
        canvas->SetUpWindow();
        object.Paint(canvas->Dc(), canvas->Client(), selected);
        return canvas;
    }
};

// A horizontal internal wall 300 long, 40 thick, red, second face below.
std::unique_ptr<TIntwallobj> HorizontalPartition() {
    return MakeIntWall(kGroundFloor, 50, 150, 350, 150, 0, -40, 40, 900, kRed);
}

struct ModeCase {
    int32_t mode;
    const char* expected; // "normal", "hatched", "solid", "none"
};

class WallDisplayModes : public WallDrawing, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(WallDisplayModes, InternalWallFollowsTheTensDigit) {
    PlanDisplayMode = GetParam().mode;
    auto wall = HorizontalPartition();
    auto canvas = Painted(*wall);
    const std::string expected = GetParam().expected;
    const bool facesShown = expected != "none";
    EXPECT_EQ(canvas->At(200, 150) == kRed, facesShown);
    EXPECT_EQ(canvas->At(200, 110) == kRed, facesShown);
    // Inside the band, halfway between the faces.
    const int32_t hatchRuns = canvas->RunsAlongRow(kRed, 130, 60, 340);
    const int32_t black = canvas->Count(kBlack, 60, 115, 340, 145);
    if (expected == "hatched") {
        EXPECT_GE(hatchRuns, 4);
        EXPECT_EQ(black, 0);
    } else if (expected == "solid") {
        EXPECT_EQ(hatchRuns, 0);
        EXPECT_EQ(black, 281 * 31);
    } else {
        EXPECT_EQ(hatchRuns, 0);
        EXPECT_EQ(black, 0);
    }
    if (expected == "none") {
        EXPECT_EQ(canvas->InkCount(), 0);
    }
}

TEST_P(WallDisplayModes, ExternalCavityWallFollowsTheTensDigit) {
    PlanDisplayMode = GetParam().mode;
    auto wall = MakeExtWall(kGroundFloor, 40, 200, 360, 200, 30, 20, 30, 900, kBlue);
    auto canvas = Painted(*wall);
    const std::string expected = GetParam().expected;
    // Solid shows the outer face and line C around the band; the others show all four lines.
    const bool facesShown = expected != "none";
    const bool layersShown = expected == "normal" || expected == "hatched";
    for (int32_t y : {200, 120})
        EXPECT_EQ(canvas->At(200, y) == kBlue, facesShown) << y;
    for (int32_t y : {170, 150})
        EXPECT_EQ(canvas->At(200, y) == kBlue, layersShown) << y;
    const int32_t outerRuns = canvas->RunsAlongRow(kBlue, 185, 50, 350);
    const int32_t innerRuns = canvas->RunsAlongRow(kBlue, 135, 50, 350);
    if (expected == "hatched") {
        EXPECT_GE(outerRuns, 4);
        EXPECT_GE(innerRuns, 4);
    } else {
        EXPECT_EQ(outerRuns, 0);
        EXPECT_EQ(innerRuns, 0);
    }
    // The solid band runs from the outer face to line C, cavity included.
    EXPECT_EQ(canvas->At(200, 160) == kBlack, expected == "solid");
    EXPECT_EQ(canvas->At(200, 185) == kBlack, expected == "solid");
}

INSTANTIATE_TEST_SUITE_P(TensDigit, WallDisplayModes,
                         ::testing::Values(ModeCase{-1, "normal"}, ModeCase{0, "normal"},
                                           ModeCase{9, "normal"}, ModeCase{10, "hatched"},
                                           ModeCase{19, "hatched"}, ModeCase{20, "solid"},
                                           ModeCase{29, "solid"}, ModeCase{30, "none"},
                                           ModeCase{35, "none"}));

TEST_F(WallDrawing, HorizontalHatchMatchesTheWorkedExample) {
    // 0..5000 along x, second face at -100, thickness 100, zoom 5: t = 20, seven pairs of strokes
    // starting (20, 0)-(40, -20) and (35, 0)-(55, -20), 140 apart.
    ZoomDivisor = 5;
    ViewExtentX = 1100;
    ViewExtentY = 100;
    ScrollOriginX = -50;
    ScrollOriginY = -60;
    Canvas canvas(1100, 100, -50, -60);
    canvas.SetUpWindow();
    auto wall = MakeIntWall(kGroundFloor, 0, 0, 5000, 0, 0, -100, 100, 900, kRed);
    wall->DrawHatched(canvas.Dc(), 0);
    EXPECT_EQ(canvas.RunsAlongRow(kRed, -10, -40, 1040), 14);
    // The first stroke of each pair passes (30, -10), the second (45, -10); the last pair is 840 on.
    for (int32_t k = 0; k < 7; ++k) {
        EXPECT_EQ(canvas.At(30 + 140 * k, -10), kRed) << k;
        EXPECT_EQ(canvas.At(45 + 140 * k, -10), kRed) << k;
    }
    EXPECT_NE(canvas.At(30 + 140 * 7, -10), kRed);
    EXPECT_EQ(wall->setting3, 3);
}

TEST_F(WallDrawing, ShortWallStillGetsOnePair) {
    // 30 long and 40 thick: (30 - 80) / 140 + 1 = 1 pair.
    auto wall = MakeIntWall(kGroundFloor, 100, 150, 130, 150, 0, -40, 40, 900, kRed);
    Canvas canvas;
    canvas.SetUpWindow();
    wall->DrawHatched(canvas.Dc(), 0);
    EXPECT_EQ(canvas.RunsAlongRow(kRed, 130, 90, 250), 2);
}

TEST_F(WallDrawing, VerticalInternalWallIsHatchedDownward) {
    auto wall = MakeIntWall(kGroundFloor, 150, 280, 150, 20, 40, 0, 40, 1800, kRed);
    Canvas canvas;
    canvas.SetUpWindow();
    wall->DrawHatched(canvas.Dc(), 0);
    int32_t runs = 0;
    bool inside = false;
    for (int32_t y = 275; y >= 25; --y) {
        const bool hit = canvas.At(170, y) == kRed;
        if (hit && !inside) ++runs;
        inside = hit;
    }
    EXPECT_GE(runs, 2);
}

TEST_F(WallDrawing, HatchedWallOfASelectedObjectUsesTheSelectColour) {
    PlanDisplayMode = 10;
    auto wall = HorizontalPartition();
    auto canvas = Painted(*wall, 1);
    EXPECT_EQ(canvas->At(200, 150), kSelect);
    EXPECT_GE(canvas->RunsAlongRow(kSelect, 130, 60, 340), 4);
    EXPECT_EQ(canvas->CountAll(kRed), 0);
}

TEST_F(WallDrawing, SolidBandIsBlackEvenWhenSelected) {
    PlanDisplayMode = 20;
    auto wall = HorizontalPartition();
    auto canvas = Painted(*wall, 1);
    EXPECT_EQ(canvas->At(200, 130), kBlack);
    EXPECT_EQ(canvas->At(200, 150), kSelect);
}

TEST_F(WallDrawing, ThinCavityShowsItsLinesButHatchesOnlyTheOuterLeaf) {
    PlanDisplayMode = 10;
    auto wall = MakeExtWall(kGroundFloor, 40, 200, 360, 200, 30, 2, 30, 900, kBlue);
    auto canvas = Painted(*wall);
    for (int32_t y : {200, 170, 168, 138})
        EXPECT_EQ(canvas->At(200, y), kBlue) << y;
    EXPECT_GE(canvas->RunsAlongRow(kBlue, 185, 50, 350), 4);
    EXPECT_EQ(canvas->RunsAlongRow(kBlue, 153, 50, 350), 0);
    EXPECT_EQ(wall->setting1, 3);
    EXPECT_EQ(wall->setting2, 0);
}

TEST_F(WallDrawing, CavityWallMarksBothLeavesHatched) {
    PlanDisplayMode = 10;
    auto wall = MakeExtWall(kGroundFloor, 40, 200, 360, 200, 30, 20, 30, 900, kBlue);
    Painted(*wall);
    EXPECT_EQ(wall->setting1, 3);
    EXPECT_EQ(wall->setting2, 3);
}

TEST_F(WallDrawing, VerticalExternalWallHatchesBothLeaves) {
    PlanDisplayMode = 10;
    auto wall = MakeExtWall(kGroundFloor, 100, 40, 100, 260, 30, 20, 30, 0, kBlue);
    auto canvas = Painted(*wall);
    const auto runsDownColumn = [&](int32_t x) {
        int32_t runs = 0;
        bool inside = false;
        for (int32_t y = 255; y >= 45; --y) {
            const bool hit = canvas->At(x, y) == kBlue;
            if (hit && !inside) ++runs;
            inside = hit;
        }
        return runs;
    };
    EXPECT_GE(runsDownColumn(115), 2);
    EXPECT_GE(runsDownColumn(165), 2);
}

// A wall that is neither along x nor along y, at a direction whose sine is 0, would need strokes
// of infinite length: it shows its faces and no hatch, as at direction 2700.
class ObliqueWithoutSlope : public WallDrawing, public ::testing::WithParamInterface<int32_t> {};

TEST_P(ObliqueWithoutSlope, InternalWallShowsOnlyItsFaces) {
    auto wall = MakeIntWall(kGroundFloor, 100, 40, 140, 260, 40, 0, 40, GetParam(), kRed);
    PlanDisplayMode = 0;
    auto normal = Painted(*wall);
    PlanDisplayMode = 10;
    auto hatched = Painted(*wall);
    EXPECT_GT(normal->InkCount(), 0);
    EXPECT_TRUE(normal->Image() == hatched->Image());
}

TEST_P(ObliqueWithoutSlope, ExternalWallShowsOnlyItsLines) {
    auto wall = MakeExtWall(kGroundFloor, 100, 40, 140, 260, 30, 0, 0, GetParam(), kBlue);
    wall->p1x = 130;
    wall->p2x = 170;
    PlanDisplayMode = 0;
    auto normal = Painted(*wall);
    PlanDisplayMode = 10;
    auto hatched = Painted(*wall);
    EXPECT_TRUE(normal->Image() == hatched->Image());
}

INSTANTIATE_TEST_SUITE_P(Directions, ObliqueWithoutSlope, ::testing::Values(0, 1800, 3600));

TEST_F(WallDrawing, InternalWallAtDirection2700GetsNoHatch) {
    auto wall = MakeIntWall(kGroundFloor, 50, 100, 350, 140, 0, -40, 40, 2700, kRed);
    PlanDisplayMode = 0;
    auto normal = Painted(*wall);
    PlanDisplayMode = 10;
    auto hatched = Painted(*wall);
    EXPECT_TRUE(normal->Image() == hatched->Image());
}

// Oblique walls in each quarter get vertical strokes inside the wall's box.
class ObliqueHatch : public WallDrawing, public ::testing::WithParamInterface<int32_t> {};

TEST_P(ObliqueHatch, InternalWallGetsStrokes) {
    // A wall rising or falling at 45 degrees, drawn from the end its direction starts at.
    const int32_t d = GetParam();
    const bool eastward = d < 1800;
    const bool rising = d < 900 || d > 2700;
    const int32_t x1 = eastward ? 20 : 380, x2 = eastward ? 380 : 20;
    const int32_t y1 = rising ? 20 : 280, y2 = rising ? 280 : 20;
    auto wall = MakeIntWall(kGroundFloor, x1, y1, x2, y2, 0, 0, 28, d, kRed);
    // Second face 40 units across the wall.
    wall->q1x = x1 + 20;
    wall->q2x = x2 + 20;
    wall->q1y = y1 - 20 * (rising == eastward ? 1 : -1);
    wall->q2y = y2 - 20 * (rising == eastward ? 1 : -1);
    PlanDisplayMode = 0;
    auto normal = Painted(*wall);
    PlanDisplayMode = 10;
    auto hatched = Painted(*wall);
    EXPECT_GT(hatched->CountAll(kRed), normal->CountAll(kRed) + 20);
}

// A partition hatched from either face and a cavity wall, on the screen and in the bitmap (y turned
// over, a pixel a unit): strokes in the leaves, none past a face or an end.
TEST_P(ObliqueHatch, StrokesKeepInsideTheWall) {
    const double r = GetParam() * 3.14159265358979 / 1800, ax = std::sin(r), ay = std::cos(r);
    ResetForCanvas(600, 600, 0, 1700);
    PlanDisplayMode = 10;
    for (const int32_t side : {1, -1}) {
        int32_t p[16], attr[4] = {}; // the ends of the outer face and of the three layer lines beyond it
        for (int32_t k = 0; k < 16; k += 2) {
            const double u = k % 4 ? 260 : -260, v = side * 13 * (k / 4);
            std::tie(p[k], p[k + 1]) = std::pair(int32_t(std::lround(300 + u * ax + v * ay)),
                                                 int32_t(std::lround(2000 + u * ay - v * ax)));
        }
        TExtwallobj cavity(kGroundFloor, kExtWall, 1, 0, 0, 0, p[0], 0, p[2], 0, p[1], p[3], kRed, 13, 13, 13,
                           0, 0, 1, GetParam(), p + 4, 0, 0, attr);
        auto partition = MakeIntWall(kGroundFloor, p[0], p[1], p[2], p[3], p[12] - p[0], p[13] - p[1], 39,
                                     GetParam(), kRed);
        for (TObject* wall : {static_cast<TObject*>(partition.get()), static_cast<TObject*>(&cavity)})
            for (const bool bitmap : {false, true}) {
                Canvas canvas(600, 600, 0, 1700);
                bitmap ? wall->PaintForPrint(canvas.Dc(), 0, 1, 2300, 0)
                       : wall->PaintInWindow(canvas.Dc(), canvas.Client(), 0);
                int32_t outside = 0, inLeaves = 0;
                for (int32_t x = 0; x < 600; ++x)
                    for (int32_t y = 1700; y < 2300; ++y) {
                        const double u = (x - 300) * ax + (y - 2000) * ay,
                                     v = side * ((x - 300) * ay - (y - 2000) * ax);
                        outside += canvas.At(x, y) == kRed && (v < -1.5 || v > 40.5 || std::fabs(u) > 261.5);
                        inLeaves += canvas.At(x, y) == kRed && std::fabs(std::fabs(v - 19.5) - 13) < 4;
                    }
                EXPECT_TRUE(outside == 0 && inLeaves > 0) << wall->kind << " bitmap " << bitmap << side;
            }
    }
}

INSTANTIATE_TEST_SUITE_P(Quarters, ObliqueHatch,
                         ::testing::Values(450, 1350, 2250, 3150, 300, 600, 1200, 1500, 2100, 2400, 3000,
                                           3300));

TEST_F(WallDrawing, NearlyVerticalObliqueWallDoesNotOverflow) {
    PlanDisplayMode = 10;
    for (int32_t d : {1, 1799, 1801, 3599}) {
        auto wall = MakeIntWall(kGroundFloor, 100, 20, 101, 280, 40, 0, 40, d, kRed);
        auto canvas = Painted(*wall);
        EXPECT_GT(canvas->CountAll(kRed), 0) << d;
        auto ext = MakeExtWall(kGroundFloor, 100, 20, 101, 280, 30, 20, 30, d, kBlue);
        Painted(*ext);
    }
}

TEST_F(WallDrawing, ZeroLengthWallTakesTheHorizontalCase) {
    auto wall = MakeIntWall(kGroundFloor, 200, 150, 200, 150, 0, -40, 40, 900, kRed);
    Canvas canvas;
    canvas.SetUpWindow();
    wall->DrawHatched(canvas.Dc(), 0);
    // (0 - 80) / 140 + 1 = 1 pair from (240, 150) toward (280, 110).
    EXPECT_EQ(canvas.At(260, 130), kRed);
}

TEST_F(WallDrawing, HatchPenIsThinnestAtPenScaleOne) {
    PenScale = 1;
    auto wall = HorizontalPartition();
    wall->penWidth = 4;
    Canvas canvas;
    canvas.SetUpWindow();
    wall->DrawHatched(canvas.Dc(), 0);
    // The faces are 4 wide; each hatch stroke crosses a row in one pixel.
    EXPECT_GE(canvas.Count(kRed, 200, 146, 200, 154), 4);
    const int32_t runs = canvas.RunsAlongRow(kRed, 130, 60, 340);
    EXPECT_GE(runs, 4);
    EXPECT_EQ(canvas.Count(kRed, 60, 130, 340, 130), runs);
}

// A partition 40 thick through (400, 300) with a doorway 300 wide cut at that point as the door tool
// cuts it, or with only background lines of its own over the faces there, as a junction leaves them,
// or cut into a parallel wall of the same id (the walls of a room share theirs), into a wall of
// another id there, or into the wall of the same id and place on another floor. Sizes are logical
// units, a pixel each or zoomed to so many millimetres a pixel at the metric normal scale, or as the
// page or the bitmap places them.
constexpr int32_t kBitmap = -1;
struct DoorwayCase {
    std::string name;
    int32_t direction, mode;
    int32_t kind;          // of the opening; 0 for junction lines, which open no doorway
    int32_t elsewhere = 0; // how far the wall the opening is cut into lies from this one
    int32_t wallId = 10002;
    int32_t view = kGroundFloor;
    double mmPerPixel = 0;
    bool alone = false; // painted on its own, without the opening's pieces, as the move tool paints it
    int32_t shift = 0;  // stored units added to every x and y, which the rounding of each point meets
    int32_t print = 0;  // printed at 1 : print on a 600 dpi page, or saved as the bitmap (kBitmap)
    int32_t inner = 0;  // the width of a narrower opening cut again within the doorway
    bool overlaid = false; // the floor overlaid on the first floor's, in the select colour

    bool CutsThisWall() const {
        return kind != 0 && elsewhere == 0 && wallId == 10002 && view == kGroundFloor;
    }
};

class PartitionDoorway : public WallDrawing, public ::testing::WithParamInterface<DoorwayCase> {
protected:
    static constexpr int32_t kWidth = 300, kThickness = 40, kMargin = 3, kCx = 400, kCy = 300, kSeen = 320;

    // The stored point u along the wall from the doorway's middle and v across it toward the second
    // face.
    POINT At(double u, double v) const {
        return {int32_t(std::lround(kCx + u * ax_ + v * ay_)) * ZoomDivisor + GetParam().shift,
                int32_t(std::lround(kCy + u * ay_ - v * ax_)) * ZoomDivisor + GetParam().shift};
    }
    // The floor on the screen, or as a page prints it, or as Save as bitmap paints it (y turned over),
    // its frame, which takes in the opening's pieces but not the partition, moved well into the image.
    QImage Painted(int32_t mode) {
        const DoorwayCase& c = GetParam();
        PlanDisplayMode = mode;
        if (c.overlaid) {
            ObjectList.ProgramDirectory = directory_.Path();
            directory_.WriteFile("CFG/OVERLAY.CFG", "0 1 1 0 0");
            PlanDisplayMode += displaymode::kOverlay, SelectColour = kRed;
        }
        Canvas canvas(int32_t(std::lround(ViewExtentX / PenScaleF)),
                      int32_t(std::lround(ViewExtentY / PenScaleF)));
        if (c.print == kBitmap) {
            const DrawnExtents e = render::MeasureBitmapView(ObjectList);
            const int32_t d = DrawnExtents::BitmapDivisor(), top = DrawnExtents::kHeightMargin / 2 + 100;
            canvas.Dc().SetViewportOrgEx(100, 100);
            ObjectList.PaintToBitmap(canvas.Dc());
            left_ = (PrintMinX - 100.0) * d / ZoomDivisor, perPixel_ = double(d) / ZoomDivisor;
            bottom_ = (e.maxY + double(top - canvas.Image().height()) * d) / ZoomDivisor;
            return canvas.Image().copy();
        }
        canvas.SetUpWindow();
        CurrentView = c.print > 0 ? kPrintViewOffset + kGroundFloor : kGroundFloor;
        c.print > 0 ? ObjectList.PaintFloorForPrint(canvas.Dc())
        : c.alone   ? ObjectList[0]->Paint(canvas.Dc(), canvas.Client(), 0)
                    : ObjectList.Paint(canvas.Dc(), canvas.Client());
        left_ = ScrollOriginX, bottom_ = ScrollOriginY, perPixel_ = PenScaleF;
        return canvas.Image().copy();
    }

    // Pixels of the colour (CLR_INVALID: any ink) from `from` to `to` along the wall and from `nearSide`
    // to `farSide` across it, by default inside the wall clear of its faces.
    int32_t InkBetween(const QImage& on, COLORREF colour, double from, double to, double nearSide = kMargin,
                       double farSide = kThickness - kMargin) const {
        double x0 = on.width(), x1 = 0, y0 = on.height(), y1 = 0; // the stretch's box of pixels
        for (const double u : {from, to})
            for (const double v : {nearSide, farSide}) {
                const double x = (kCx + u * ax_ + v * ay_ - left_) / perPixel_,
                             y = (kCy + u * ay_ - v * ax_ - bottom_) / perPixel_;
                x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
            }
        int32_t n = 0;
        const int32_t h = on.height();
        for (int32_t x = std::max(0, int32_t(x0) - 1); x <= std::min(on.width() - 1, int32_t(x1) + 1); ++x)
            for (int32_t y = std::max(1, int32_t(y0) - 1); y <= std::min(h, int32_t(y1) + 1); ++y) {
                const double lx = left_ + x * perPixel_ - kCx, ly = bottom_ + y * perPixel_ - kCy;
                const double u = lx * ax_ + ly * ay_, v = lx * ay_ - ly * ax_;
                if (u < from || u > to || v < nearSide || v > farSide) continue;
                const QRgb p = on.pixel(x, h - y);
                const COLORREF at = RGB(qRed(p), qGreen(p), qBlue(p));
                n += colour == CLR_INVALID ? at != kWhite : at == colour;
            }
        return n;
    }
    double ax_ = 0, ay_ = 0; // the unit step along the wall
    testsupport::ProgramDirectory directory_;
    // The logical point of the pictures' bottom-left pixel, and the logical units a pixel spans.
    double left_ = 0, bottom_ = 0, perPixel_ = 1;
};

TEST_P(PartitionDoorway, LeavesNoWallInkBetweenTheJambs) {
    const DoorwayCase c = GetParam();
    ResetForCanvas(2 * kCx, 2 * kCy);
    if (c.mmPerPixel > 0) {
        // A page at the print values (zoomed up, a window) showing the wall by the doorway at any angle.
        const bool paper = c.print > 0;
        MetricUnits = 1;
        ZoomDivisor = paper ? render::PrintZoomDivisor(1) : 5;
        PenScale = paper ? render::PrintMultipliersFor(1, c.print, 2, 2).pen : 5;
        PenScaleF = float(c.mmPerPixel / ZoomDivisor);
        ViewExtentX = paper ? 2 * kSeen : std::max(int32_t(2 * kCx * PenScaleF), 2 * kSeen);
        ViewExtentY = paper ? 2 * kSeen : std::max(int32_t(2 * kCy * PenScaleF), 2 * kSeen);
        ScrollOriginX = kCx - ViewExtentX / 2, ScrollOriginY = kCy - ViewExtentY / 2;
    }
    ax_ = std::sin(c.direction * 3.14159265358979 / 1800),
    ay_ = std::cos(c.direction * 3.14159265358979 / 1800);
    const POINT start = At(-350, 0), end = At(350, 0), second = At(0, kThickness), middle = At(0, 0);
    auto wall = MakeIntWall(kGroundFloor, start.x, start.y, end.x, end.y, second.x - middle.x,
                            second.y - middle.y, kThickness * ZoomDivisor, c.direction, kRed);
    wall->id = 10002;
    ObjectList.Add(std::move(wall));
    Opening o;
    const POINT p = At(0, -c.elsewhere);
    o.kind = c.kind, o.px = p.x, o.py = p.y, o.width = kWidth * ZoomDivisor,
    o.thickness = kThickness * ZoomDivisor, o.angle = c.direction;
    o.wallClass = kInternalWallClass, o.wallId = c.wallId, o.openingId = 10003, o.view = c.view;
    // A door that slides into the wall lies along its middle over the pocket beyond the jamb.
    o.doorWidth = o.width, o.swingCode = 1, o.intoWall = 1, o.colour = kBlue;
    if (c.kind == 0) {
        for (const int32_t v : {0, kThickness}) {
            const POINT a = At(-kWidth / 2, v), b = At(kWidth / 2, v);
            ObjectList.Add(std::make_unique<TLineobj>(kGroundFloor, kLine, 1, 0, 10002, 10002, a.x, 0, b.x, 0,
                                                      a.y, b.y, kWhite, 0, 0));
        }
    } else {
        BuildOpening(o, ObjectList);
        MakeOpeningSymbol(o, ObjectList);
    }
    if (c.inner > 0) {
        o.width = c.inner * ZoomDivisor, o.openingId = 10004;
        BuildOpening(o, ObjectList);
    }
    const QImage canvas = Painted(c.mode), normal = Painted(displaymode::kWallsNormal);
    // Clear of the jambs' pens: on paper two pixels past half their width, elsewhere two pixels; wall ink
    // is sought a unit clear at least on the screen, which places an opening's pieces to whole units.
    const double j = c.print > 0        ? PenScale / 2.0 + 2 * perPixel_
                     : c.mmPerPixel > 0 ? 2 * perPixel_
                                        : kMargin,
                 m = c.print == 0 && c.mmPerPixel > 0 ? std::max(j, 1.0) : j, half = kWidth / 2;
    const COLORREF ink = c.mode == displaymode::kWallsSolid ? kBlack : kRed;
    // Wall ink across the doorway, the faces (the wall's colour in every style) and all.
    const auto across = [&](COLORREF on) {
        return InkBetween(canvas, on, m - half, half - m, -m, kThickness + m);
    };
    EXPECT_EQ(across(kRed) + across(kBlack) > 0, !c.CutsThisWall());
    // Beside the doorway, both sides together (oblique strokes stand over 150 units apart along a wall at
    // 45 degrees), the band or strokes go on inside the faces where the scale leaves room between them.
    const auto beside = [&](const QImage& on, COLORREF colour, double nearSide, double farSide) {
        return InkBetween(on, colour, half + m, half + 150, nearSide, farSide) +
               InkBetween(on, colour, -half - 150, -half - m, nearSide, farSide);
    };
    const double clear = std::max(m, double(kMargin));
    const int32_t inside = beside(canvas, ink, clear, kThickness - clear);
    EXPECT_TRUE(kThickness <= 2 * clear || (inside > 0) == (c.mode != displaymode::kPlain)) << inside;
    // The faces reach the jambs.
    EXPECT_GT(std::min(InkBetween(canvas, kRed, half + j, half + 2 * j, -j, j / 2),
                       InkBetween(canvas, kRed, -half - 2 * j, -half - j, -j, j / 2)),
              0);
    // On paper, where faces and jambs are as wide, no pixel along a face's middle is left white between
    // the jamb's ink and the face's.
    for (const double v : {0.0, double(kThickness)})
        for (const double from : {half, -half - 2.0 * PenScale})
            EXPECT_TRUE(c.print <= 0 || InkBetween(canvas, kWhite, from, from + 2.0 * PenScale,
                                                   v - PenScale / 4.0, v + PenScale / 4.0) == 0)
                << v << " " << from;
    for (const double from : {half, -half - perPixel_}) // on the screen, a unit a pixel or less
        EXPECT_TRUE(c.print || c.mode != displaymode::kPlain || !c.CutsThisWall() || perPixel_ < 1 ||
                    InkBetween(canvas, kWhite, from, from + perPixel_, -perPixel_ / 3, perPixel_ / 3) == 0)
            << "a face pixel left white by the jamb";
    // Faces and all, a doorway holds no more ink than in the normal style, the wall beside it more.
    const double out = -kThickness / 2.0, far = 1.5 * kThickness;
    if (c.CutsThisWall()) {
        EXPECT_LE(InkBetween(canvas, CLR_INVALID, m - half, half - m, out, far),
                  InkBetween(normal, CLR_INVALID, m - half, half - m, out, far));
    }
    EXPECT_EQ(beside(canvas, CLR_INVALID, out, far) > beside(normal, CLR_INVALID, out, far),
              c.mode != displaymode::kPlain);
}

// An opening cut in the ground floor's partition overlaid on the first floor.
DoorwayCase Overlaid(const char* name, int32_t direction, int32_t mode, int32_t print = 0) {
    return {.name = name, .direction = direction, .mode = mode, .kind = openingkind::kWallOpening,
            .mmPerPixel = print ? 25.0 : 0, .print = print, .overlaid = true};
}

INSTANTIATE_TEST_SUITE_P(
    Styles, PartitionDoorway,
    ::testing::Values(
        DoorwayCase{"AlongXNormal", 900, 0, openingkind::kWallOpening},
        DoorwayCase{"AlongXHatched", 900, 10, openingkind::kWallOpening},
        DoorwayCase{"AlongXSolid", 900, 20, openingkind::kWallOpening},
        DoorwayCase{"AlongYHatched", 1800, 10, openingkind::kWallOpening},
        DoorwayCase{"AlongYSolid", 1800, 20, openingkind::kWallOpening},
        DoorwayCase{"ObliqueHatched", 450, 10, openingkind::kWallOpening},
        DoorwayCase{"ObliqueSolid", 450, 20, openingkind::kWallOpening},
        DoorwayCase{"IntoWallDoorHatched", 900, 10, openingkind::kIntoWall},
        DoorwayCase{"IntoWallDoorSolid", 1800, 20, openingkind::kIntoWall},
        DoorwayCase{"JunctionHatched", 900, 10, 0}, DoorwayCase{"JunctionSolid", 900, 20, 0},
        DoorwayCase{"ParallelWallHatched", 900, 10, openingkind::kWallOpening, 200},
        DoorwayCase{"OtherWallsIdSolid", 900, 20, openingkind::kWallOpening, 0, 10004},
        DoorwayCase{"OtherFloorHatched", 900, 10, openingkind::kWallOpening, 0, 10002, kFirstFloor},
        DoorwayCase{"AloneHatched", 900, 10, openingkind::kWallOpening, 0, 10002, kGroundFloor, 0, true},
        DoorwayCase{"AloneObliqueNormal", 450, 0, openingkind::kHingedDoor, 0, 10002, kGroundFloor, 0, true},
        DoorwayCase{"AloneObliqueSolid", 450, 20, openingkind::kHingedDoor, 0, 10002, kGroundFloor, 0, true},
        DoorwayCase{"NestedHatched", 450, 10, openingkind::kWallOpening, 0, 10002, kGroundFloor, 0, false, 0,
                    0, 100},
        Overlaid("OverlaidNormal", 900, 0), Overlaid("OverlaidAlongY", 1800, 0),
        Overlaid("OverlaidObliqueHatched", 450, 10), Overlaid("OverlaidSolid", 900, 20),
        Overlaid("OverlaidBitmap", 900, 0, kBitmap)),
    [](const ::testing::TestParamInfo<DoorwayCase>& info) { return info.param.name; });

// Shrunk by half, normal, zoomed up once and twice: openings, hinged and sliding doors along y,
// oblique and along x. Printed at 1 : 100 and 1 : 50 at angles in every quarter and square, and saved
// as the bitmap, where the turned pieces of an opening miss the faces' pixels.
std::vector<DoorwayCase> AtEachZoom() {
    std::vector<DoorwayCase> rows;
    for (const auto& [zoom, mm] :
         {std::pair{"ShrunkByHalf", 50.0}, {"Normal", 25.0}, {"Up", 9.0}, {"UpTwice", 3.0}})
        for (const auto& [name, kind] : {std::pair{"Opening", openingkind::kWallOpening},
                                         {"Hinged", openingkind::kHingedDoor},
                                         {"Sliding", openingkind::kIntoWall}})
            for (const auto& [d, at] :
                 {std::pair{0, 0}, {450, 0}, {450, 1}, {450, 3}, {900, 0}, {1350, 0}, {1350, 1}, {1350, 3}})
                for (const auto& [style, mode] : {std::pair{"Normal", 0}, {"Hatched", 10}, {"Solid", 20}})
                    rows.push_back({zoom + (name + std::to_string(d / 10)) + style +
                                        (at ? "At" + std::to_string(at) : ""),
                                    d, mode, kind, 0, 10002, kGroundFloor, mm, false, at});
    // Up to 1.64 mm a pixel, a unit three pixels, oblique in every quarter (at 17 degrees no hatch is near).
    for (const int32_t d : {170, 450, 1030, 1350, 2330, 2400})
        for (const auto& [style, mode] : {std::pair{"Normal", 0}, {"Hatched", 10}, {"Solid", 20}})
            if (d != 170 || mode != 10)
                rows.push_back({"UpToThreePixelsAUnitOpening" + std::to_string(d / 10) + style, d, mode,
                                openingkind::kWallOpening, 0, 10002, kGroundFloor, 1.64});
    for (const auto& [where, print] : {std::pair{"Paper100", 100}, {"Paper50", 50}, {"Bitmap", kBitmap}})
        for (const int32_t d : {450, 900, 1030, 2330, 3030})
            for (const auto& [style, mode] : {std::pair{"Normal", 0}, {"Hatched", 10}, {"Solid", 20}})
                rows.push_back({where + ("Opening" + std::to_string(d / 10)) + style, d, mode,
                                openingkind::kWallOpening, 0, 10002, kGroundFloor,
                                print > 0 ? print * 25.4 / 600 : 25.0, false, 0, print});
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Zooms, PartitionDoorway, ::testing::ValuesIn(AtEachZoom()),
                         [](const ::testing::TestParamInfo<DoorwayCase>& info) { return info.param.name; });

TEST_F(WallDrawing, WallsAtTheEndsOfTheCoordinateRangeShowTheirPartInTheWindow) {
    // A damaged record: walls spanning the whole 32-bit range, along x, along y and oblique. Each
    // is drawn where it crosses the window, without a stroke for every hatch of its length.
    PlanDisplayMode = 10;
    const int32_t lo = -2000000000, hi = 2000000000;
    auto alongX = MakeIntWall(kGroundFloor, lo, 150, hi, 150, 0, -40, 40, 900, kRed);
    auto alongY = MakeIntWall(kGroundFloor, 150, hi, 150, lo, 40, 0, 40, 1800, kRed);
    auto oblique = MakeIntWall(kGroundFloor, lo, lo, hi, hi, 40, -40, 40, 450, kRed);
    auto outer = MakeExtWall(kGroundFloor, lo, 200, hi, 200, 30, 20, 30, 900, kBlue);
    for (const auto& [wall, colour] : {std::pair<TObject*, COLORREF>{alongX.get(), kRed},
                                       {alongY.get(), kRed},
                                       {oblique.get(), kRed},
                                       {outer.get(), kBlue}})
        EXPECT_GT(Painted(*wall)->CountAll(colour), 0) << wall->x1 << " " << wall->y1;
}

} // namespace
