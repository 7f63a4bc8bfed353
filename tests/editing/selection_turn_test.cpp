// Turning selected objects: exact quarter turns, rounded fine steps, the text and dimension angle
// words, and which points of each kind turn.
#include <gtest/gtest.h>

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
    const editing::SelectionTurn turn(c.step, c.cx, c.cy);
    const POINT p = turn.MovesNothing() ? POINT{c.x, c.y} : turn.Apply(c.x, c.y);
    EXPECT_EQ(p.x, c.expected.x);
    EXPECT_EQ(p.y, c.expected.y);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, TurnPoint,
    ::testing::Values(PointCase{90, 0, 0, 0, 1000, {1000, 0}}, PointCase{90, 0, 0, 1000, 0, {0, -1000}},
                      PointCase{90, 0, 0, 1000, 1000, {1000, -1000}},
                      PointCase{180, 100, 100, 300, 150, {-100, 50}},
                      PointCase{270, 100, 100, 300, 150, {50, 300}}, PointCase{5, 0, 0, 1000, 0, {996, -87}},
                      PointCase{-5, 0, 0, 1000, 0, {996, 87}}, PointCase{0, 0, 0, 1000, 0, {1000, 0}},
                      PointCase{360, 0, 0, 0, 1000, {0, 1000}}));

TEST(TurnText, AngleRisesByTenTimesTheStepAndNeverReadsUpsideDown) {
    const int32_t cases[][3] = {{0, 90, 900}, {900, 90, 0}, {450, 90, 3150},
                                {0, 180, 0},  {0, 5, 50},   {0, -5, -50}};
    for (const auto& c : cases)
        EXPECT_EQ(editing::TurnedTextAngle(c[0], c[1]), c[2]) << c[0] << " by " << c[1];
}

TEST(TurnText, CentredLevelTextTurnsAboutItsLeftEndAndItsWordsAdvance) {
    for (const int32_t angle : {0, 900}) {
        TTextobj text(kGroundFloor, kText, 1, 0, 0, 0, 1000, 7, 900, 0, 0, 44, 0, "AB", "Arial", angle, 1,
                      400, 10);
        int32_t step = 90;
        editing::TurnObject(text, editing::SelectionTurn(90, 0, 0), step,
                            [](const TTextobj&) { return 200; });
        EXPECT_EQ(text.style, angle == 0 ? 3 : 1);
        EXPECT_EQ(text.y1, angle == 0 ? -800 : -1000) << "the anchor moved left before it turned";
        EXPECT_EQ(text.x2, 1800);
        EXPECT_EQ(text.y2, 44);
    }
}

TEST(TurnText, StepAbove355LeavesTextAnglesButNotDimensions) {
    TTextobj text(kGroundFloor, kText, 1, 0, 0, 0, 1000, 0, 900, 0, 0, 0, 0, "AB", "Arial", 450, 3, 400, 10);
    TDimensobj dim;
    dim.kind = kAutoDimension;
    dim.value2 = 900;
    int32_t step = 358;
    const editing::SelectionTurn turn(step, 0, 0);
    editing::TurnObject(text, turn, step, {});
    editing::TurnObject(dim, turn, step, {});
    EXPECT_EQ(step, 0);
    EXPECT_EQ(text.angle, 450);
    EXPECT_EQ(text.x2, 900);
    EXPECT_EQ(text.y1, 35) << "the anchor still turns by two degrees";
    EXPECT_EQ(dim.value2, 920);
}

struct RoundCase {
    int32_t kind, step;
    RECT box, expected; // left, top, right, bottom: x1, y1, x2, y2
};

class TurnRound : public ::testing::TestWithParam<RoundCase> {};

TEST_P(TurnRound, KeepsItsShapeAndTurnsItsCentre) {
    const RoundCase& c = GetParam();
    TObject round(kGroundFloor, c.kind, 1, 0, 0, 0, c.box.left, 0, c.box.right, 0, c.box.top, c.box.bottom,
                  0);
    int32_t step = c.step;
    editing::TurnObject(round, editing::SelectionTurn(c.step, 0, 0), step, {});
    EXPECT_EQ(round.x1, c.expected.left);
    EXPECT_EQ(round.y1, c.expected.top);
    EXPECT_EQ(round.x2, c.expected.right);
    EXPECT_EQ(round.y2, c.expected.bottom);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, TurnRound,
    ::testing::Values(RoundCase{kCircle, 50, {1000, 1845, 1845, 1000}, {1581, 248, 2426, -597}},
                      RoundCase{kEllipse, -30, {1000, 1400, 2000, 1000}, {199, 1989, 1199, 1589}},
                      RoundCase{kEllipse, 90, {1000, 1200, 1800, 1000}, {1200, -1000, 1000, -1800}}));

TEST(TurnObject, KindsTurnTheirOwnPoints) {
    TDimensobj dim;
    dim.kind = kManualDimension;
    dim.value2 = 3590;
    TExtwallobj wall; // one layer: face lines 3 and 4 unused, and turned all the same
    wall.kind = kExtWall;
    wall.p6x = 1000;
    TPolyobj poly;
    poly.kind = 500;
    poly.x1 = poly.px[0] = poly.px[2] = 1000;
    poly.count = 2;
    poly.p6 = 0x123456;
    int32_t step = -5;
    editing::TurnObject(dim, editing::SelectionTurn(-5, 0, 0), step, {});
    EXPECT_EQ(dim.value2, 3640) << "corrected once only";
    step = 90;
    editing::TurnObject(wall, editing::SelectionTurn(90, 0, 0), step, {});
    EXPECT_EQ(wall.p6y, -1000);
    const editing::RepaintPen pen = editing::TurnObject(poly, editing::SelectionTurn(90, 0, 0), step, {});
    EXPECT_EQ(poly.py[0], -1000);
    EXPECT_EQ(poly.py[2], 0) << "beyond the point count";
    EXPECT_EQ(poly.x1, 1000);
    EXPECT_EQ(pen.colour, 0x123456u) << "painted again in its fill colour";
}

} // namespace
