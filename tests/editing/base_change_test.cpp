// Expanding and shrinking the floor-plan base: what moves, what stretches and is re-texted, and what a
// shrink refuses.
#include "editing/base_change.h"

#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "editing/label_retext.h"
#include "tests/editing/base_edit_fixture.h"

namespace {

using namespace basetest;
using namespace editing::basedir;

std::string Digits(int32_t length) {
    return std::to_string(length);
}

class BaseChange : public Floor {
protected:
    bool Change(bool shrink, int32_t direction, int32_t amount, int32_t x, int32_t y) {
        return editing::ExpandShrinkBase({shrink, direction, amount, x, y}, Digits);
    }
};

// The room of the worked example, with its name label, a line below it and a dimension line along
// it: pieces 1000-2500 and 5000-4500, so that a line between 1000 and 4500 stretches it.
struct Plan {
    TRoomobj& room = Room(1000, 5000, 5000, 1000, 77);
    TTextobj& name = Label(kRoomNameLabel, 3000, 3000, 0, 77);
    TObject& line = Add(kLine, 2000, 500, 6000, 500);
    TDimensobj& dim = Add<TDimensobj>(kManualDimension, 1000, 6000, 2500, 6000);
    TTextobj& dimText = Label(kSizeLabel, 3000, 6100, 0, 0);
    Plan() {
        dim.id = dimText.id = 901;
        dim.d1x = 5000, dim.d2x = 4500, dim.d1y = dim.d2y = 6000;
    }
};

TEST_F(BaseChange, ExpandingStretchesTheCutRoomLineAndDimensionWithTheirTexts) {
    Plan p;
    ASSERT_TRUE(Change(false, kRight, 300, 4000, 0));
    EXPECT_EQ(p.room.x2 - p.room.x1, 4300);
    EXPECT_EQ(p.room.value3, 4300);
    EXPECT_STREQ(p.room.widthText, "4300");
    EXPECT_EQ(p.room.widthTextLength, 4);
    EXPECT_EQ(p.name.x1, 3150);
    EXPECT_EQ(p.name.aux1, 0);
    EXPECT_EQ(p.line.x2 - p.line.x1, 4300);
    // The measured end beyond the line moves; the label shows the new length, half the amount along.
    EXPECT_EQ(p.dim.d1x, 5300);
    EXPECT_EQ(p.dim.d2x, 4800);
    EXPECT_EQ(p.dim.x2, 2500);
    EXPECT_STREQ(p.dimText.text, "4300");
    EXPECT_EQ(p.dimText.x1, 3150);
    EXPECT_EQ(p.dimText.aux1, 0);
}

TEST_F(BaseChange, ALineThroughAnArrowStillStretchesTheDimensionBetweenItsMeasuredEnds) {
    Plan p;
    ASSERT_TRUE(Change(false, kRight, 300, 4700, 0)); // between the inner end 4500 and the end 5000
    EXPECT_EQ(p.dim.d1x, 5300);
    EXPECT_EQ(p.dim.d2x, 4800);
    EXPECT_STREQ(p.dimText.text, "4300");
}

TEST_F(BaseChange, WallsStretchOrMoveWithTheirLayersAndCutShapesStay) {
    TExtwallobj& crossing = Wall(1000, 1000, 9000, 1000, 55);
    TExtwallobj& beyond = Wall(6000, 2000, 6000, 4000, 0);
    beyond.p3x = beyond.p5x = 6200;
    TPolyobj& poly = Add<TPolyobj>(200, 0, 0, 0, 0);
    poly.count = 2, poly.px[0] = 3000, poly.px[1] = 6000;
    TArcobj& arc = Add<TArcobj>(kArc, 3000, 0, 6000, 0);
    arc.sx = 3000, arc.ex = 6000;
    TObject& ellipse = Add(kEllipse, 3000, 0, 6000, 0);
    TTextobj& other = Label(kRoomNameLabel, 8000, 0, 0, 5, kFirstFloor);

    ASSERT_TRUE(Change(false, kRight, 300, 4000, 0));
    EXPECT_EQ(crossing.group, 8300);
    EXPECT_EQ(crossing.x2, 9300);
    EXPECT_EQ(crossing.p6x, 9300); // a second layer: face lines 3 and 4 follow
    EXPECT_EQ(crossing.p5x, 1000);
    EXPECT_EQ(beyond.group, 2000);
    EXPECT_EQ(beyond.x1, 6300);
    EXPECT_EQ(beyond.p1x, 6300);
    EXPECT_EQ(beyond.p3x, 6200); // no second layer: its further lines stay
    EXPECT_EQ(poly.px[1], 6000);
    EXPECT_EQ(arc.ex, 6000);
    EXPECT_EQ(ellipse.x2, 6000);
    EXPECT_EQ(other.x1, 8000);
}

TEST_F(BaseChange, ADimensionWhollyBeyondMovesWithItsTextAndALabelBeyondMoves) {
    Plan p;
    ASSERT_TRUE(Change(false, kLeft, 300, 6500, 0));
    EXPECT_EQ(p.dim.x1, 700);
    EXPECT_EQ(p.dim.d2x, 4200);
    EXPECT_STREQ(p.dimText.text, ""); // not re-texted
    EXPECT_EQ(p.dimText.x1, 2700);    // moved whole by the label pass
}

TEST_F(BaseChange, AnObjectOnTheLineKeepsThatCoordinate) {
    Plan p;
    ASSERT_TRUE(Change(false, kUp, 300, 0, 5000));
    EXPECT_EQ(p.room.y1, 5000);
    EXPECT_EQ(p.dim.y1, 6300);
}

struct HalfCase {
    int32_t direction, amount, dx, dy;
};

class LabelHalves : public BaseChange, public ::testing::WithParamInterface<HalfCase> {};

TEST_P(LabelHalves, MoveByHalfTheAmountTruncatedTowardZero) {
    const HalfCase c = GetParam();
    TTextobj& first = Label(kRoomNameLabel, 100, 100, 0, 8, kFirstFloor); // any view
    TTextobj& second = Label(kRoomNameLabel, 100, 100, 0, 8);
    editing::ShiftRoomLabel(c.direction, 8, c.amount);
    EXPECT_EQ(first.x1 - 100, c.dx);
    EXPECT_EQ(first.y1 - 100, c.dy);
    EXPECT_EQ(first.aux1, 1);
    EXPECT_EQ(second.x1, 100); // only the first label of the group
}

INSTANTIATE_TEST_SUITE_P(Directions, LabelHalves,
                         ::testing::Values(HalfCase{kRight, 5, 2, 0}, HalfCase{kRight, -5, -2, 0},
                                           HalfCase{kUp, 7, 0, 3}, HalfCase{kDown, 7, 0, -3},
                                           HalfCase{kLeft, -7, 3, 0}));

TEST_F(BaseChange, ADimensionLabelWithoutItsLineIsOnlyFlagged) {
    TTextobj& label = Label(kSizeLabel, 100, 100, 44, 0);
    Add(kLine, 0, 0, 10, 0);
    editing::UpdateDimensionText(kRight, 1, 44, 300, Digits);
    EXPECT_EQ(label.aux1, 1);
    EXPECT_EQ(label.x1, 100);
    EXPECT_STREQ(label.text, "");
}

struct RefusalCase {
    const char* name;
    int32_t amount, x, y;
    bool extraRoom;
};

class ShrinkRefusals : public BaseChange, public ::testing::WithParamInterface<RefusalCase> {};

// Each refusal leaves every object as it was.
TEST_P(ShrinkRefusals, ChangeNothing) {
    const RefusalCase c = GetParam();
    Outline(1000, 1000, 9000, 5000);
    if (c.extraRoom) Room(7000, 4000, 7600, 2000, 3);
    ASSERT_FALSE(Change(true, kRight, c.amount, c.x, c.y)) << c.name;
    EXPECT_EQ(ObjectList[1]->x1, 9000) << c.name;
    EXPECT_EQ(ObjectList[0]->group, 8000) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Shrink, ShrinkRefusals,
                         ::testing::Values(RefusalCase{"no wall above the point", 300, 4000, 6000, false},
                                           RefusalCase{"floor narrower than the amount", 8500, 4000, 3000, false},
                                           RefusalCase{"a room would turn inside out", 1500, 8000, 3000, true}));

TEST_F(BaseChange, ShrinkingMovesTheLineSoTheNearestWallLandsOnIt) {
    Outline(1000, 1000, 9000, 5000);
    ASSERT_TRUE(Change(true, kRight, 1500, 8000, 3000));
    EXPECT_EQ(ObjectList[1]->x1, 7500);
    EXPECT_EQ(ObjectList[0]->group, 6500);
}

TEST_F(BaseChange, AnEmptyFloorCannotShrink) {
    EXPECT_FALSE(Change(true, kRight, 300, 4000, 3000));
}

class RoomCrossed : public BaseChange,
                    public ::testing::WithParamInterface<std::tuple<int32_t, bool, int32_t>> {};

// A fixed room with partitions 100 thick (second face on its sides), a width line 300 below its top
// and a length line 300 right of its left side (200 long arrows, labels 901 and 902), crossed at the
// distance from the side that stays (or from the one that moves, minus): all of it agrees afterwards.
TEST_P(RoomCrossed, TheRoomItsWallsAndItsSizeLinesAgree) {
    const auto [direction, shrink, d] = GetParam();
    Outline(1000, 1000, 7000, 6000);
    TRoomobj& r = Room(2000, 5000, 6000, 2000, 77);
    std::vector<TIntwallobj*> w;
    for (const int32_t at : {1900, 6100, 5100, 1900}) {
        const bool upright = w.size() < 2;
        const int32_t inner = at + (at < 3000 ? 100 : -100);
        w.push_back(&Add<TIntwallobj>(kIntWall, upright ? at : 2000, upright ? 5000 : at, upright ? at : 6000,
                                      upright ? 2000 : at));
        (upright ? w.back()->q1x : w.back()->q1y) = inner;
    }
    TDimensobj& across = Add<TDimensobj>(kManualDimension, 2000, 4700, 2200, 4700);
    TDimensobj& along = Add<TDimensobj>(kManualDimension, 2300, 5000, 2300, 4800);
    across.d1x = 6000, across.d1y = 4700, along.d1x = 2300, along.d1y = 2000, across.d2x = 5800;
    across.d2y = 4700, along.d2x = 2300, along.d2y = 2200, across.id = 901, along.id = 902;
    across.group = along.group = 77;
    TTextobj& acrossText = Label(kSizeLabel, 4000, 4700, 901, 77);
    TTextobj& alongText = Label(kSizeLabel, 2300, 3500, 902, 77);
    TTextobj& name = Label(kRoomNameLabel, 4000, 3500, 0, 77);
    const bool y = direction == kUp || direction == kDown;
    const int32_t from = d >= 0 ? d : (y ? 3000 : 4000) + d;
    const int32_t at =
        direction == kRight || direction == kUp ? 2000 + from : (direction == kLeft ? 6000 : 5000) - from;
    ASSERT_TRUE(Change(shrink, direction, 150, y ? 4000 : at, y ? at : 3500));
    const int32_t grown = (y ? 3000 : 4000) + (shrink ? -150 : 150), cx = (r.x1 + r.x2) / 2,
                  cy = (r.y1 + r.y2) / 2;
    EXPECT_EQ(std::vector<int32_t>({y ? r.value4 : r.value3,
                                    y ? r.y1 - r.y2 : r.x2 - r.x1,
                                    atoi(y ? r.lengthText : r.widthText),
                                    atoi(y ? alongText.text : acrossText.text),
                                    w[0]->q1x,
                                    w[1]->q1x,
                                    w[2]->q1y,
                                    w[3]->q1y,
                                    across.x1,
                                    across.d1x,
                                    across.y1 + 300,
                                    along.y1,
                                    along.d1y,
                                    along.x1 - 300,
                                    acrossText.y1,
                                    alongText.x1,
                                    acrossText.x1,
                                    name.x1,
                                    alongText.y1,
                                    name.y1}),
              std::vector<int32_t>({grown, grown, grown, grown, r.x1,      r.x2,     r.y1, r.y2, r.x1, r.x2,
                                    r.y1,  r.y1,  r.y2,  r.x1,  across.y1, along.x1, cx,   cx,   cy,   cy}));
}

INSTANTIATE_TEST_SUITE_P(Lines, RoomCrossed,
                         ::testing::Combine(::testing::Values(kUp, kRight, kDown, kLeft), ::testing::Bool(),
                                            ::testing::Values(0, 100, 250, 350, 1500, -150, -50)));

} // namespace
