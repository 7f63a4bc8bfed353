// What Save as bitmap draws, probed on the saved file: a turned text spaced as its level text, a
// window box with straight sides, and every text inside the frame.
#include <algorithm>
#include <array>
#include <cmath>
#include <QImage>
#include <QString>
#include <string>
#include <tuple>
#include <vector>

#include "document/program_state.h"
#include "tests/platform/pixel_probe.h"
#include "tests/shell/drawing_window_fixture.h"
#include "tests/support/scripted_ui.h"

namespace {

using pixelprobe::Inked;

class BitmapPicture : public DrawingWindowTest {
protected:
    // The drawing saved as the ground floor's bitmap and read back.
    QImage Saved(std::vector<std::unique_ptr<TObject>> objects, int32_t view = kGroundFloor) {
        WriteDrawing(std::move(objects));
        DrawingState = 2;
        CurrentView = view;
        if (!child) Open();
        testsupport::ScriptedUi ui;
        client->CmSaveBitmap();
        const char* suffix = view == kSitePlan ? "STE" : view == kFirstFloor ? "FST" : "GND";
        return QImage(QString::fromStdString(dir.File(std::string("DWGS/HOUSE") + suffix + ".BMP")))
            .convertToFormat(QImage::Format_RGB32);
    }

    static std::unique_ptr<TTextobj> Text(int32_t x, int32_t y, const char* text, int32_t angle,
                                          int32_t style) {
        auto t = make::Text(kGroundFloor, x, y);
        t->kind = kAutoDimensionText;
        t->SetText(text);
        t->height = 9;
        t->angle = angle;
        t->style = style;
        return t;
    }
};

// The longest run of ink down a column.
int LongestRun(const QImage& image, int x) {
    int longest = 0, run = 0;
    for (int y = 0; y < image.height(); ++y) {
        run = Inked(image, x, y) ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

// The most that the shares of two pictures' ink lying within some length of the ink's start differ,
// each along a direction turned its `degrees` clockwise from +x (ink between the top and bottom 10
// rows; 1 when either has none).
double MostApart(const QImage& a, double aDegrees, const QImage& b, double bDegrees) {
    const auto along = [](const QImage& image, double degrees) {
        const double r = degrees * M_PI / 180.0;
        std::vector<double> t;
        for (int y = 10; y < image.height() - 10; ++y)
            for (int x = 0; x < image.width(); ++x)
                if (Inked(image, x, y)) t.push_back(x * std::cos(r) + y * std::sin(r));
        std::sort(t.begin(), t.end());
        return t;
    };
    const std::vector<double> ta = along(a, aDegrees), tb = along(b, bDegrees);
    if (ta.empty() || tb.empty()) return 1.0;
    double most = 0;
    for (double length = 0; length < 100; length += 1) {
        const auto share = [length](const std::vector<double>& t) {
            return double(std::lower_bound(t.begin(), t.end(), t[0] + length + 1) - t.begin()) /
                   double(t.size());
        };
        most = std::max(most, std::abs(share(ta) - share(tb)));
    }
    return most;
}

struct TurnedCase {
    int32_t angle;  // stored
    double reading; // the way the text reads on the picture, degrees clockwise from +x
};

class TurnedTextInBitmap : public BitmapPicture, public ::testing::WithParamInterface<TurnedCase> {};

// The dimension of a 45-degree wall at the small size the bitmap writes it: turned, its letters follow
// one another along its line as in the level text, not two by two over each other.
TEST_P(TurnedTextInBitmap, LiesAlongItsLineAsTheLevelText) {
    const auto saved = [&](int32_t angle) {
        std::vector<std::unique_ptr<TObject>> o;
        for (const int32_t y : {Cy() - 3000, Cy() + 3000}) // the bottom and the top
            o.push_back(make::Line(kGroundFloor, Cx() - 3000, y, Cx() + 3000, y));
        o.push_back(Text(Cx(), Cy(), "2828", angle, 6));
        return Saved(std::move(o));
    };
    // A letter two pixels out of its place moves about a tenth of the ink.
    EXPECT_LT(MostApart(saved(0), 0, saved(GetParam().angle), GetParam().reading), 0.08);
}

INSTANTIATE_TEST_SUITE_P(Angles, TurnedTextInBitmap,
                         ::testing::Values(TurnedCase{450, 45}, TurnedCase{3150, -45}, TurnedCase{2700, -90},
                                           TurnedCase{1350, 135}),
                         [](const auto& info) { return "Angle" + std::to_string(info.param.angle); });

// A window's box on a wall along y and along x, its corners turned into place a unit either side of a
// pixel's edge: its inner side is one line over the wall's, with nothing beside it inside the box.
class WindowBoxInBitmap : public BitmapPicture, public ::testing::WithParamInterface<bool> {};

TEST_P(WindowBoxInBitmap, HasStraightSides) {
    const bool alongY = GetParam();
    const int32_t x0 = Cx() / 25 * 25, top = Cy() + 4000;
    // u across the wall from its outer face, v along it; the wall is 275 thick and the box 1200 long.
    const auto at = [&](int32_t u, int32_t v) {
        return alongY ? POINT{x0 + u, top - 3000 + v} : POINT{x0 + v, top - 1000 - u};
    };
    const POINT c[4] = {at(0, 0), at(0, 1200), at(275, 1200), at(274, 0)};
    const int32_t xs[4] = {c[0].x, c[1].x, c[2].x, c[3].x}, ys[4] = {c[0].y, c[1].y, c[2].y, c[3].y};
    const int32_t hs[4] = {}, attr[4] = {};
    std::vector<std::unique_ptr<TObject>> objects;
    objects.push_back(make::Line(kGroundFloor, x0 - 500, top, x0 + 500, top)); // the top of the picture
    const POINT a = at(275, -1000), b = at(275, 2200);
    objects.push_back(make::Line(kGroundFloor, a.x, a.y, b.x, b.y)); // the wall's inner face
    objects.push_back(std::make_unique<TPolyobj>(kGroundFloor, kOpeningPolygon, 1, 0, 1, 1, 0, 0, 0, 0, 0, 0,
                                                 0, xs, ys, hs, attr, 4, 0, 0, 0, 0, 0, BackgroundColour));
    QImage bmp = Saved(std::move(objects));
    if (!alongY) bmp = bmp.transformed(QTransform().rotate(90)); // the wall then runs down the columns
    int inner = 0;
    for (int x = 1; x < bmp.width() - 1; ++x)
        if (LongestRun(bmp, x) > LongestRun(bmp, inner)) inner = x;
    EXPECT_GT(LongestRun(bmp, inner), 100);
    // Only the box's ends and the line along the top cross the columns beside it.
    EXPECT_LE(LongestRun(bmp, inner - 1), 1);
    EXPECT_LE(LongestRun(bmp, inner + 1), 1);
}

INSTANTIATE_TEST_SUITE_P(Walls, WindowBoxInBitmap, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "AlongY" : "AlongX"; });

struct EdgeCase {
    const char* name;
    int32_t dx, dy, angle, style; // the anchor from the centre of a 4000 by 4000 square; the text
};

class TextAtBitmapEdge : public BitmapPicture, public ::testing::WithParamInterface<EdgeCase> {};

// A text centred on the edge of what the view shows, as the overall dimensions of a house are, lies
// whole inside the bitmap with room to spare.
TEST_P(TextAtBitmapEdge, LiesWholeInsideTheFrame) {
    const EdgeCase c = GetParam();
    std::vector<std::unique_ptr<TObject>> objects;
    objects.push_back(make::Line(kGroundFloor, Cx() - 2000, Cy() - 2000, Cx() + 2000, Cy() + 2000));
    objects.push_back(Text(Cx() + c.dx, Cy() + c.dy, "40' 3 1/2''", c.angle, c.style));
    const QImage bmp = Saved(std::move(objects));
    const QRect ink = pixelprobe::InkBounds(bmp);
    EXPECT_TRUE(bmp.rect().adjusted(4, 4, -4, -4).contains(ink))
        << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
}

INSTANTIATE_TEST_SUITE_P(Edges, TextAtBitmapEdge,
                         ::testing::Values(EdgeCase{"Left", -2000, 0, 0, 6}, EdgeCase{"Right", 2000, 0, 0, 6},
                                           EdgeCase{"Top", 0, 2000, 0, 6}, EdgeCase{"Bottom", 0, -2000, 0, 4},
                                           EdgeCase{"ReadingUpAtTheTop", 0, 2000, 2700, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

// An 8000 by 6000 house of walls keyed clockwise with their faces `out` outside the keyed line, alone
// on the view as the site plan copies them, with a note at the sheet's foot or not: all of it inside.
class WallsInBitmap : public BitmapPicture, public ::testing::WithParamInterface<std::tuple<int32_t, int32_t, bool>> {};
TEST_P(WallsInBitmap, LieWholeInsideTheFrame) {
    const auto [view, out, note] = GetParam();
    std::vector<std::unique_ptr<TObject>> objects;
    for (const auto& [x1, y1, x2, y2, nx, ny] : {std::array{-4, 3, 4, 3, 0, 1}, {4, 3, 4, -3, 1, 0},
                                                 {4, -3, -4, -3, 0, -1}, {-4, -3, -4, 3, -1, 0}}) {
        auto wall = make::ExtWall(view, Cx() + x1 * 1000, Cy() + y1 * 1000, Cx() + x2 * 1000, Cy() + y2 * 1000);
        wall->p1x = wall->x1 + nx * out, wall->p1y = wall->y1 + ny * out;
        wall->p2x = wall->x2 + nx * out, wall->p2y = wall->y2 + ny * out;
        objects.push_back(std::move(wall));
    }
    if (note) objects.push_back(Text(Cx() - 2000, 300, "NOTE", 0, 6));
    const QImage bmp = Saved(std::move(objects), view);
    const QRect ink = pixelprobe::InkBounds(bmp);
    EXPECT_TRUE(!bmp.isNull() && bmp.rect().adjusted(4, 4, -4, -4).contains(ink)) << ink.x() << "," << ink.y();
}
INSTANTIATE_TEST_SUITE_P(Views, WallsInBitmap,
                         ::testing::Values(std::tuple{kGroundFloor, 275, false}, std::tuple{kFirstFloor, 400, false},
                                           std::tuple{kSitePlan, 275, false}, std::tuple{kSitePlan, 275, true}));

} // namespace
