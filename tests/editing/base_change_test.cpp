// Expanding and shrinking the floor-plan base: what moves, what stretches and is re-texted, and what a
// shrink refuses.
#include "editing/base_change.h"

#include <string>

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

} // namespace

namespace {

using namespace basetest;
using namespace editing::basedir;

// A fixed room (2000, 5000)-(6000, 2000) as the builder leaves it: its own partitions 100 thick with
// their second face on its sides, a width line 300 below its top and a length line 300 right of its
// left side, each with 200 long arrows and a label, and its name; an outline round it.
struct FixedRoom {
    TRoomobj& room = Room(2000, 5000, 6000, 2000, 77);
    TIntwallobj* walls[4] = {&Partition(1900, 5000, 1900, 2000, 2000), // left
                             &Partition(6100, 5000, 6100, 2000, 6000), // right
                             &Partition(2000, 5100, 6000, 5100, 5000), // top
                             &Partition(2000, 1900, 6000, 1900, 2000)};
    TDimensobj& width = Size(2000, 4700, 2200, 4700, 6000, 4700, 5800, 4700, 901);
    TTextobj& widthLabel = Label(kSizeLabel, 4000, 4700, 901, 77);
    TDimensobj& length = Size(2300, 5000, 2300, 4800, 2300, 2000, 2300, 2200, 902);
    TTextobj& lengthLabel = Label(kSizeLabel, 2300, 3500, 902, 77);
    TTextobj& name = Label(kRoomNameLabel, 4000, 3500, 0, 77);

    FixedRoom() { Outline(1000, 1000, 7000, 6000); }

    // (x1, y1)-(x2, y2) the first face, `at` the second face's x (upright) or y (level).
    static TIntwallobj& Partition(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t at) {
        TIntwallobj& w = Add<TIntwallobj>(kIntWall, x1, y1, x2, y2);
        w.group = 77;
        const bool upright = x1 == x2;
        w.q1x = upright ? at : x1, w.q2x = upright ? at : x2;
        w.q1y = upright ? y1 : at, w.q2y = upright ? y2 : at;
        return w;
    }
    static TDimensobj& Size(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4,
                            int32_t y4, int32_t id) {
        TDimensobj& d = Add<TDimensobj>(kManualDimension, x1, y1, x2, y2);
        d.d1x = x3, d.d1y = y3, d.d2x = x4, d.d2y = y4, d.id = id, d.group = 77;
        return d;
    }
};

using Crossing = std::tuple<int32_t, bool, int32_t>; // direction, shrink, distance from the side that stays

class RoomCrossed : public ::testing::TestWithParam<Crossing> {
protected:
    void SetUp() override {
        ObjectList.ProgramDirectory = dir.Path();
        ObjectList.SetDrawingName("BASE");
        CurrentView = kGroundFloor;
        MetricUnits = 1;
        ZoomDivisor = 1;
        SheetWidth = 40000;
        SheetHeight = 30000;
    }
    void TearDown() override { ObjectList.Flush(); }
    testsupport::ProgramDirectory dir;
};

// Wherever the line runs through a room, from the side that stays to just short of the side that
// moves, the room, its partitions and its size lines agree afterwards, their labels with them.
TEST_P(RoomCrossed, TheRoomItsWallsAndItsSizeLinesAgree) {
    const auto [direction, shrink, d] = GetParam();
    FixedRoom f;
    const bool alongY = direction == kUp || direction == kDown;
    const int32_t size = alongY ? 3000 : 4000;
    const int32_t from = d >= 0 ? d : size + d;
    const int32_t at = direction == kRight ? 2000 + from
                       : direction == kLeft ? 6000 - from
                       : direction == kUp   ? 2000 + from
                                            : 5000 - from;
    ASSERT_TRUE(editing::ExpandShrinkBase({shrink, direction, 150, alongY ? 4000 : at, alongY ? at : 3500},
                                          Digits));
    const TRoomobj& r = f.room;
    const int32_t grown = size + (shrink ? -150 : 150);
    EXPECT_EQ(alongY ? r.value4 : r.value3, grown);
    EXPECT_EQ(alongY ? r.y1 - r.y2 : r.x2 - r.x1, grown);
    EXPECT_STREQ(alongY ? r.lengthText : r.widthText, Digits(grown).c_str());
    // Each partition's second face stays on the room's side.
    EXPECT_EQ(f.walls[0]->q1x, r.x1);
    EXPECT_EQ(f.walls[1]->q1x, r.x2);
    EXPECT_EQ(f.walls[2]->q1y, r.y1);
    EXPECT_EQ(f.walls[3]->q1y, r.y2);
    // The size lines' measured ends lie on the room's sides, each set off from its side as before.
    EXPECT_EQ(f.width.x1, r.x1);
    EXPECT_EQ(f.width.d1x, r.x2);
    EXPECT_EQ(r.y1 - f.width.y1, 300);
    EXPECT_EQ(f.length.y1, r.y1);
    EXPECT_EQ(f.length.d1y, r.y2);
    EXPECT_EQ(f.length.x1 - r.x1, 300);
    // Their labels read the room's sizes and stay by their lines.
    EXPECT_STREQ(f.widthLabel.text, alongY ? "" : r.widthText);
    EXPECT_STREQ(f.lengthLabel.text, alongY ? r.lengthText : "");
    EXPECT_EQ(f.widthLabel.y1, f.width.y1);
    EXPECT_NEAR(f.widthLabel.x1, (r.x1 + r.x2) / 2.0, 1);
    EXPECT_EQ(f.lengthLabel.x1, f.length.x1);
    EXPECT_NEAR(f.lengthLabel.y1, (r.y1 + r.y2) / 2.0, 1);
    EXPECT_NEAR(f.name.x1, (r.x1 + r.x2) / 2.0, 1);
    EXPECT_NEAR(f.name.y1, (r.y1 + r.y2) / 2.0, 1);
}

// Distances: on the side that stays, inside its arrow, between the arrow and the other size line,
// just past that line, the middle, inside the far arrow and just short of the side that moves.
INSTANTIATE_TEST_SUITE_P(Lines, RoomCrossed,
                         ::testing::Combine(::testing::Values(kUp, kRight, kDown, kLeft), ::testing::Bool(),
                                            ::testing::Values(0, 100, 250, 350, 1500, -150, -50)));

} // namespace
