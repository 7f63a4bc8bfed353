// Which objects a dragged rectangle selects, and how a selected object moves: the kind rules of the
// selection and the per-kind table of the move, through the editing functions.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "document/objects.h"
#include "editing/selection_rules.h"
#include "editing/selection_shift.h"
#include "tests/support/made_objects.h"

namespace {

constexpr int32_t kMove = 14, kErase = 19;
constexpr int32_t kView = kGroundFloor;

template <class T = TObject>
std::unique_ptr<T> Of(int32_t kind, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t view = kView) {
    return testsupport::Made<T>(kind, x1, y1, x2, y2, view);
}

std::unique_ptr<TPolyobj> Poly(int32_t kind, std::initializer_list<POINT> points, int32_t view = kView) {
    auto p = kind == kOpening ? std::make_unique<TOpeningobj>() : std::make_unique<TPolyobj>();
    p->view = view;
    p->kind = kind;
    for (const POINT& q : points) {
        p->px[p->count] = q.x;
        p->py[p->count] = q.y;
        ++p->count;
    }
    return p;
}

// The box from (0, 0) to (500, 300), edges excluded.
const editing::SelectionBox kBox = editing::NormalisedBox(500, 300, 0, 0);

struct RuleCase {
    const char* name;
    std::function<std::unique_ptr<TObject>()> make;
    int32_t toolKind;
    bool selected;
};

class SelectionRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(SelectionRules, DecidesByTheKindsOwnPoints) {
    const RuleCase& c = GetParam();
    EXPECT_EQ(editing::IsSelected(*c.make(), kBox, c.toolKind, kView), c.selected) << c.name;
}

std::unique_ptr<TObject> Arc(int32_t sx, int32_t sy) {
    auto a = Of<TArcobj>(kArc, -100, -100, 600, 400); // the corners reach outside
    a->sx = sx;
    a->sy = sy;
    a->ex = 200;
    a->ey = 200;
    return a;
}

std::unique_ptr<TObject> IntWall(int32_t faceY) {
    auto w = Of<TIntwallobj>(kIntWall, 100, 100, 200, 100);
    w->q1x = 200;
    w->q1y = faceY;
    w->q2x = 100;
    w->q2y = faceY;
    return w;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SelectionRules,
    ::testing::Values(
        RuleCase{"line inside", [] { return Of(kLine, 100, 100, 200, 200); }, kMove, true},
        RuleCase{"line on the edge", [] { return Of(kLine, 0, 100, 200, 200); }, kMove, false},
        RuleCase{"line of another floor", [] { return Of(kLine, 100, 100, 200, 200, kFirstFloor); }, kMove,
                 false},
        RuleCase{"text by its anchor", [] { return Of(kText, 10, 10, 900, 1800); }, kMove, true},
        RuleCase{"arc by its end points", [] { return Arc(100, 100); }, kMove, true},
        RuleCase{"arc with an end outside", [] { return Arc(100, 300); }, kMove, false},
        RuleCase{"symbol with every point inside",
                 [] {
                     return Poly(500, {{10, 10}, {20, 290}});
                 },
                 kMove, true},
        RuleCase{"symbol with one point outside",
                 [] {
                     return Poly(500, {{10, 10}, {20, 300}});
                 },
                 kMove, false},
        RuleCase{"polygon of no points", [] { return Poly(100, {}); }, kMove, true},
        RuleCase{"opening of another floor",
                 [] {
                     return Poly(kOpening, {{10, 10}}, kFirstFloor);
                 },
                 kMove, true},
        RuleCase{"finished room by its corners", [] { return Of(kFinishedRoom, 10, 290, 490, 10); }, kMove,
                 true},
        RuleCase{"design room", [] { return Of(kDesignRoom, 10, 290, 490, 10); }, kErase, false},
        RuleCase{"external wall", [] { return Of<TExtwallobj>(kExtWall, 10, 10, 20, 10); }, kErase, false},
        RuleCase{"internal wall for the erase tool", [] { return IntWall(150); }, kErase, true},
        RuleCase{"internal wall for the move tool", [] { return IntWall(150); }, kMove, false},
        RuleCase{"internal wall whose face is outside", [] { return IntWall(300); }, kErase, false}));

struct SitePlanWallCase {
    int32_t view, toolKind, x1;
    bool selected;
};

class SitePlanWalls : public ::testing::TestWithParam<SitePlanWallCase> {};

// The house is moved on the site plan by its external walls, each judged by its lower-left end.
TEST_P(SitePlanWalls, OnlyTheMoveToolTakesThemThere) {
    const SitePlanWallCase& c = GetParam();
    const auto wall = Of<TExtwallobj>(kExtWall, 900, 10, c.x1, 20, c.view);
    EXPECT_EQ(editing::IsSelected(*wall, kBox, c.toolKind, c.view), c.selected);
}

INSTANTIATE_TEST_SUITE_P(Views, SitePlanWalls,
                         ::testing::Values(SitePlanWallCase{kSitePlan, kMove, 10, true},
                                           SitePlanWallCase{kSitePlan, kMove, 0, false},
                                           SitePlanWallCase{kSitePlan, 15, 10, false},
                                           SitePlanWallCase{kSitePlan, kErase, 10, false},
                                           SitePlanWallCase{kGroundFloor, kMove, 10, false}));

// Shifts by (+10, -20); the fields named move, every other keeps its value.
constexpr int32_t dx = 10, dy = -20;

TEST(SelectionShift, LinesAndTextsMoveBothPointsInTheirOwnPen) {
    auto line = Of(kLine, 1, 2, 3, 4);
    line->colour = RGB(1, 2, 3);
    line->penStyle = 2;
    line->aux1 = 7;
    const editing::RepaintPen pen = editing::ShiftObject(*line, dx, dy);
    EXPECT_EQ(line->x1, 11);
    EXPECT_EQ(line->y1, -18);
    EXPECT_EQ(line->x2, 13);
    EXPECT_EQ(line->y2, -16);
    EXPECT_EQ(line->aux1, 7);
    EXPECT_TRUE(pen.paint);
    EXPECT_EQ(pen.colour, RGB(1, 2, 3));
    EXPECT_EQ(pen.penStyle, 2);

    auto text = Of(kText, 0, 0, 900, 1800);
    text->penStyle = 3;
    EXPECT_EQ(editing::ShiftObject(*text, dx, dy).penStyle, 0);
    EXPECT_EQ(text->x2, 910); // not a position, shifted all the same
    EXPECT_EQ(text->y2, 1780);
}

TEST(SelectionShift, ExternalWallMovesItsFurtherLinesOnlyWhenItHasThem) {
    for (const int32_t thickness2 : {0, 50}) {
        auto wall = Of<TExtwallobj>(kExtWall, 0, 0, 100, 0);
        wall->thickness2 = thickness2;
        wall->p1x = wall->p3x = wall->p6y = 5;
        editing::ShiftObject(*wall, dx, dy);
        EXPECT_EQ(wall->x2, 110);
        EXPECT_EQ(wall->p1x, 15);
        EXPECT_EQ(wall->p3x, thickness2 > 0 ? 15 : 5);
        EXPECT_EQ(wall->p6y, thickness2 > 0 ? -15 : 5);
    }
}

TEST(SelectionShift, PolygonMovesItsPointsInUseAndRepaintsInItsFillColour) {
    auto symbol = Poly(500, {{1, 1}, {2, 2}});
    symbol->px[2] = 99; // beyond the count
    symbol->ph[0] = 40;
    symbol->x1 = 7;
    symbol->p6 = static_cast<int32_t>(RGB(9, 9, 9));
    const editing::RepaintPen pen = editing::ShiftObject(*symbol, dx, dy);
    EXPECT_EQ(symbol->px[1], 12);
    EXPECT_EQ(symbol->py[1], -18);
    EXPECT_EQ(symbol->px[2], 99);
    EXPECT_EQ(symbol->ph[0], 40);
    EXPECT_EQ(symbol->x1, 7);
    EXPECT_EQ(pen.colour, RGB(9, 9, 9));

    auto damaged = Poly(500, {{1, 1}});
    damaged->count = 400; // never past the 17 points there are
    editing::ShiftObject(*damaged, dx, dy);
    EXPECT_EQ(damaged->px[16], dx);
}

TEST(SelectionShift, OpeningsMoveUnpaintedAndRoomsStay) {
    auto opening = Poly(kOpening, {{1, 1}});
    EXPECT_FALSE(editing::ShiftObject(*opening, dx, dy).paint);
    EXPECT_EQ(opening->px[0], 11);
    for (const int32_t kind : {kDesignRoom, kReopenedRoom, kFinishedRoom, kFloorRecord}) {
        auto room = Of(kind, 1, 2, 3, 4);
        EXPECT_FALSE(editing::ShiftObject(*room, dx, dy).paint);
        EXPECT_EQ(room->x1, 1);
        EXPECT_EQ(room->y2, 4);
    }
}

TEST(SelectionShift, ArcsAndInternalWallsMoveTheirOwnPoints) {
    auto arc = Of<TArcobj>(kArc, 0, 0, 10, 10);
    arc->ey = 5;
    editing::ShiftObject(*arc, dx, dy);
    EXPECT_EQ(arc->sx, 10);
    EXPECT_EQ(arc->ey, -15);

    auto wall = Of<TIntwallobj>(kIntWall, 0, 0, 10, 0);
    wall->q1value = 3;
    editing::ShiftObject(*wall, dx, dy);
    EXPECT_EQ(wall->q2x, 10);
    EXPECT_EQ(wall->q1y, -20);
    EXPECT_EQ(wall->q1value, 3);
}

TEST(SelectionShift, CoordinatesAtTheEndsOfTheRangeStayInsideIt) {
    auto line = Of(kLine, 2147483640, -2147483640, 0, 0);
    editing::ShiftObject(*line, 100, -100);
    EXPECT_EQ(line->x1, 2147483647);
    EXPECT_EQ(line->y1, -2147483647 - 1);
}

} // namespace
