// A sample floor with every kind of object, painted in the three wall styles and saved as PNG
// images under the build tree (render-samples/) for a person to look at.
#include <cmath>
#include <QCoreApplication>
#include <QDir>

#include "tests/render/render_fixture.h"

using namespace rendertest;

namespace {

constexpr int32_t kWidth = 800, kHeight = 600;
constexpr COLORREF kWallColour = RGB(0, 0, 128);

// An external wall of a clockwise outline: the layer lines lie on its right-hand side.
void AddExtWall(int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t direction) {
    const int32_t t1 = 110, t2 = 55, t3 = 110;
    const double len = std::hypot(bx - ax, by - ay);
    const double nx = (by - ay) / len, ny = -(bx - ax) / len;
    int32_t p[12];
    const int32_t offsets[3] = {t1, t1 + t2, t1 + t2 + t3};
    for (int32_t k = 0; k < 3; ++k) {
        p[4 * k + 0] = ax + static_cast<int32_t>(std::lround(nx * offsets[k]));
        p[4 * k + 1] = ay + static_cast<int32_t>(std::lround(ny * offsets[k]));
        p[4 * k + 2] = bx + static_cast<int32_t>(std::lround(nx * offsets[k]));
        p[4 * k + 3] = by + static_cast<int32_t>(std::lround(ny * offsets[k]));
    }
    const int32_t attr[4] = {};
    ObjectList.Add(std::make_unique<TExtwallobj>(kGroundFloor, kExtWall, 2, 0, 0, 0, ax, 0, bx, 0, ay, by,
                                                 kWallColour, t1, t2, t3, 0, 0, 1, direction, p, 0, 0, attr));
}

void AddIntWall(int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t dx, int32_t dy, int32_t direction) {
    auto wall = MakeIntWall(kGroundFloor, ax, ay, bx, by, dx, dy, 100, direction, kWallColour);
    wall->penWidth = 1;
    ObjectList.Add(std::move(wall));
}

void AddArrow(int32_t kind, int32_t x1, int32_t y1, int32_t x2, int32_t y2, POINT h1, POINT h2, POINT h3,
              POINT h4) {
    ObjectList.Add(std::make_unique<TArrowobj>(kGroundFloor, kind, 1, 0, 0, 0, x1, 0, x2, 0, y1, y2, kBlack,
                                               h1.x, h1.y, h2.x, h2.y, h3.x, h3.y, h4.x, h4.y));
}

void BuildSampleFloor() {
    // The house: a cavity-walled rectangle drawn clockwise, and an oblique wall beside it.
    AddExtWall(500, 2500, 3500, 2500, 900);
    AddExtWall(3500, 2500, 3500, 500, 1800);
    AddExtWall(3500, 500, 500, 500, 2700);
    AddExtWall(500, 500, 500, 2500, 0);
    AddExtWall(200, 2900, 900, 3600, 450);
    // Partitions along y, along x and oblique.
    AddIntWall(2000, 2225, 2000, 775, 100, 0, 1800);
    AddIntWall(2100, 1500, 3225, 1500, 0, -100, 900);
    AddIntWall(800, 900, 1300, 1400, 70, -70, 450);
    // A design room with its labels, a room name label.
    auto room = MakeRoom(kGroundFloor, kDesignRoom, 2150, 2200, 3200, 1550, "LOUNGE", RGB(200, 230, 255), 12);
    room->SetWidthText("3.05");
    room->SetLengthText("2.65");
    ObjectList.Add(std::move(room));
    ObjectList.Add(MakeText(kGroundFloor, kRoomNameLabel, 1200, 1900, "KITCHEN", kBlack, 6, 14));
    // A manual dimension above the house, its length text, and automatic dimension arrows on the left.
    ObjectList.Add(
        MakeDimension(kGroundFloor, kManualDimension, 500, 2900, 1800, 2900, 3500, 2900, 2200, 2900, 900));
    ObjectList.Add(MakeText(kGroundFloor, kSizeLabel, 2000, 2900, "3000", kBlack, 6, 12));
    AddArrow(kAutoArrow, 200, 500, 200, 1300, {150, 600}, {250, 600}, {100, 500}, {450, 500});
    AddArrow(kAutoArrow, 200, 2500, 200, 1700, {150, 2400}, {250, 2400}, {100, 2500}, {450, 2500});
    ObjectList.Add(MakeText(kGroundFloor, kAutoDimensionText, 180, 1500, "2000", kBlack, 1, 12, 2700));
    // Texts in several anchorings and the floor title.
    ObjectList.Add(MakeText(kGroundFloor, kDialogText, 3700, 3600, "TEXT STYLE 5", kRed, 5, 12));
    ObjectList.Add(MakeText(kGroundFloor, kText, 3700, 3450, "bold style 2", kBlack, 2, 12, 0, 700));
    ObjectList.Add(MakeText(kGroundFloor, kFloorTitle, 2000, 300, "ground floor plan", kBlack, 4, 16));
    // Lines and shapes to the right of the house.
    ObjectList.Add(MakeLine(kGroundFloor, 3700, 3200, 4800, 3200, kBlack));
    auto dashed = MakeLine(kGroundFloor, 3700, 3100, 4800, 3100, kGreen, 41);
    dashed->penStyle = PS_DASH;
    ObjectList.Add(std::move(dashed));
    ObjectList.Add(std::make_unique<TEllipseobj>(kGroundFloor, kEllipse, 1, 0, 0, 0, 3700, 0, 4300, 0, 3000,
                                                 2600, kBlue));
    ObjectList.Add(
        std::make_unique<TCircleobj>(kGroundFloor, kCircle, 1, 0, 0, 0, 4400, 0, 4800, 0, 3000, 2600, kRed));
    ObjectList.Add(std::make_unique<TRectangleobj>(kGroundFloor, kRectangle, 1, 0, 0, 0, 3700, 0, 4300, 0,
                                                   2500, 2100, kBlack));
    ObjectList.Add(std::make_unique<TRndrectobj>(kGroundFloor, kRoundRect, 1, 0, 0, 0, 4400, 0, 4800, 0, 2500,
                                                 2100, kBlack, 60));
    ObjectList.Add(std::make_unique<TArcobj>(kGroundFloor, kArc, 1, 0, 0, 0, 3700, 0, 4300, 0, 2000, 1400,
                                             kBlack, 4300, 1700, 4000, 2000));
    ObjectList.Add(MakePolygon(kGroundFloor, kOpeningPolygon, {{4400, 1400}, {4800, 1400}, {4600, 2000}},
                               kBlack, RGB(255, 200, 0)));
    ObjectList.Add(MakePolygon(kGroundFloor, 140,
                               {{3700, 1200}, {4300, 1200}, {4300, 800}, {4000, 600}, {3700, 800}}, kGreen));
    ObjectList.Add(MakePolygon(kGroundFloor, 210, {{4400, 1200}, {4800, 1200}, {4800, 700}, {4400, 700}},
                               kRed, RGB(180, 255, 180)));
    // A door swing in the bottom wall, and an opening outline.
    ObjectList.Add(std::make_unique<TArcobj>(kGroundFloor, kArc, 1, 0, 0, 0, 1900, 0, 2700, 0, 1025, 225,
                                             kBlack, 2700, 625, 2300, 1025));
    ObjectList.Add(MakeLine(kGroundFloor, 2300, 625, 2300, 1025, kBlack, kOutlineLine));
}

std::string SampleDirectory() {
    const QString dir = QCoreApplication::applicationDirPath() + "/render-samples";
    QDir().mkpath(dir);
    return dir.toStdString() + "/";
}

TEST(SampleDrawing, EveryKindPaintsInEachWallStyle) {
    // Two drawing units per logical unit, 2.5 logical units per pixel, as a zoomed-out window has.
    ResetForCanvas(2500, 1875);
    ZoomDivisor = 2;
    PenScale = 2;
    PenScaleF = 2.5f;
    BuildSampleFloor();
    const struct {
        int32_t mode;
        const char* name;
    } styles[] = {{0, "sample-normal.png"}, {10, "sample-hatched.png"}, {20, "sample-solid.png"}};
    int32_t wallInk[3] = {}, black[3] = {};
    for (int32_t i = 0; i < 3; ++i) {
        PlanDisplayMode = styles[i].mode;
        TextScale = 0;
        Canvas canvas(kWidth, kHeight);
        ObjectList.Paint(canvas.Dc(), canvas.Client());
        canvas.Save(SampleDirectory() + styles[i].name);
        wallInk[i] = canvas.CountAll(kWallColour);
        black[i] = canvas.CountAll(kBlack);
    }
    EXPECT_GT(wallInk[1], wallInk[0] + 200); // hatch strokes
    EXPECT_GT(black[2], black[0] + 5000);    // filled bands
    ObjectList.Flush();
}

} // namespace
