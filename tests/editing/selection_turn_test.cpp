// Turning selected objects: exact quarter turns, rounded fine steps, the text and dimension angle
// words, and which points of each kind turn.
#include <gtest/gtest.h>

#include <memory>

#include "document/objects.h"
#include "editing/selection_turn.h"

namespace {

struct PointCase {
    int32_t step, cx, cy, x, y;
    POINT expected;
};

class TurnPoint : public ::testing::TestWithParam<PointCase> {};

TEST_P(TurnPoint, TurnsClockwiseAboutTheCentre) {
    const PointCase& c = GetParam();
    const POINT p = editing::SelectionTurn(c.step, c.cx, c.cy).Apply(c.x, c.y);
    EXPECT_EQ(p.x, c.expected.x);
    EXPECT_EQ(p.y, c.expected.y);
}

INSTANTIATE_TEST_SUITE_P(Steps, TurnPoint,
                         ::testing::Values(PointCase{90, 0, 0, 0, 1000, {1000, 0}},
                                           PointCase{90, 0, 0, 1000, 0, {0, -1000}},
                                           PointCase{90, 0, 0, 1000, 1000, {1000, -1000}},
                                           PointCase{180, 100, 100, 300, 150, {-100, 50}},
                                           PointCase{270, 100, 100, 300, 150, {50, 300}},
                                           PointCase{-90, 0, 0, 1000, 0, {0, 1000}},
                                           PointCase{5, 0, 0, 1000, 0, {996, -87}},
                                           PointCase{-5, 0, 0, 1000, 0, {996, 87}},
                                           PointCase{45, 0, 0, 1000, 0, {707, -707}}));

TEST(SelectionTurn, WholeTurnsMoveNothing) {
    for (const int32_t step : {0, 360, -360})
        EXPECT_TRUE(editing::SelectionTurn(step, 5, 5).MovesNothing()) << step;
    EXPECT_FALSE(editing::SelectionTurn(90, 5, 5).MovesNothing());
    EXPECT_FALSE(editing::SelectionTurn(1, 5, 5).MovesNothing());
}

struct AngleCase {
    int32_t angle, step, expected;
};

class TextAngle : public ::testing::TestWithParam<AngleCase> {};

TEST_P(TextAngle, RisesByTenTimesTheStepAndNeverReadsUpsideDown) {
    const AngleCase& c = GetParam();
    EXPECT_EQ(editing::TurnedTextAngle(c.angle, c.step), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, TextAngle,
                         ::testing::Values(AngleCase{0, 90, 900}, AngleCase{900, 90, 0}, AngleCase{450, 90, 3150},
                                           AngleCase{0, 180, 0}, AngleCase{0, 5, 50}, AngleCase{0, -5, -50}));

std::unique_ptr<TTextobj> Text(int32_t style, int32_t angle) {
    return std::make_unique<TTextobj>(kGroundFloor, kText, 1, 0, 0, 0, 1000, 7, 900, 0, 0, 44, 0, "AB", "Arial",
                                      angle, style, 400, 100);
}

TEST(TurnObject, CentredLevelTextTurnsAboutItsLeftEnd) {
    const editing::SelectionTurn turn(90, 0, 0);
    for (const int32_t angle : {0, 900}) {
        auto text = Text(1, angle);
        int32_t step = 90;
        editing::TurnObject(*text, turn, step, [](const TTextobj&) { return 200; });
        EXPECT_EQ(text->style, angle == 0 ? 3 : 1);
        EXPECT_EQ(text->y1, angle == 0 ? -800 : -1000) << "the anchor moved left before it turned";
        EXPECT_EQ(text->x2, 1800);
        EXPECT_EQ(text->y2, 44);
        EXPECT_EQ(text->aux1, 7);
    }
}

TEST(TurnObject, StepAbove355LeavesTextAnglesAndBecomesZero) {
    auto text = Text(3, 450);
    auto dim = std::make_unique<TDimensobj>();
    dim->kind = kAutoDimension;
    dim->value2 = 900;
    int32_t step = 358;
    const editing::SelectionTurn turn(step, 0, 0);
    editing::TurnObject(*text, turn, step, {});
    editing::TurnObject(*dim, turn, step, {});
    EXPECT_EQ(step, 0);
    EXPECT_EQ(text->angle, 450);
    EXPECT_EQ(text->x2, 900);
    EXPECT_EQ(text->y1, 35) << "the anchor still turns by two degrees";
    EXPECT_EQ(dim->value2, 920) << "dimensions advance by the step the turn was made with";
}

TEST(TurnObject, DimensionOrientationIsCorrectedOnceOnly) {
    for (const auto& [step, before, after] : {std::tuple{90, 900, 0}, {-5, 3590, 3640}}) {
        TDimensobj dim;
        dim.kind = kManualDimension;
        dim.value2 = before;
        dim.d2x = 1000;
        int32_t s = step;
        editing::TurnObject(dim, editing::SelectionTurn(step, 0, 0), s, {});
        EXPECT_EQ(dim.value2, after);
        EXPECT_EQ(dim.d2y, step == 90 ? -1000 : 87);
    }
}

TEST(TurnObject, SingleLayerExternalWallTurnsAllSixFacePoints) {
    TExtwallobj wall;
    wall.kind = kExtWall;
    wall.thickness2 = 0;
    wall.p5x = wall.p6x = 1000;
    int32_t step = 90;
    editing::TurnObject(wall, editing::SelectionTurn(step, 0, 0), step, {});
    EXPECT_EQ(wall.p5y, -1000);
    EXPECT_EQ(wall.p6y, -1000);
}

TEST(TurnObject, PolygonTurnsItsPointsInUseOnly) {
    TPolyobj poly;
    poly.kind = 500;
    poly.x1 = poly.px[0] = poly.px[1] = 1000;
    poly.px[2] = 1000; // beyond the count
    poly.count = 2;
    poly.p6 = 0x123456;
    int32_t step = 90;
    const editing::RepaintPen pen = editing::TurnObject(poly, editing::SelectionTurn(step, 0, 0), step, {});
    EXPECT_EQ(poly.py[1], -1000);
    EXPECT_EQ(poly.py[2], 0);
    EXPECT_EQ(poly.x1, 1000);
    EXPECT_EQ(pen.colour, 0x123456u) << "painted again in its fill colour";
}

} // namespace
