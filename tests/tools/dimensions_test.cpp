// Automatic dimensions of external walls built directly in the document, the overall dimensions of a
// building of more than four walls, and the snapping of manual dimension points onto faces.
#include <gtest/gtest.h>

#include <QImage>

#include <array>
#include <cmath>
#include <memory>
#include <numbers>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "document/coordinate_mapping.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/dc.h"
#include "tests/support/drawing_fixture.h"
#include "tests/support/floor_records.h"
#include "tests/support/made_objects.h"
#include "tools/dimensions.h"
#include "tools/line_modes.h"
#include "tools/line_tool.h"

namespace {

constexpr int32_t kOff = 600;      // the shipped external offset (mm)
constexpr int32_t kOverall = 1200; // the shipped overall offset (mm)

class Dimensions : public testsupport::DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        CurrentView = kGroundFloor;
        MetricUnits = 1;
        ZoomDivisor = 5;
        testsupport::AddStartingFloorRecords(ObjectList);
    }

    void Wall(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t length, int32_t bearing,
              int32_t view = kGroundFloor) {
        auto w = testsupport::Made<TExtwallobj>(kExtWall, x1, y1, x2, y2, view);
        w->group = length;
        w->direction = bearing;
        ObjectList.Add(std::move(w));
    }

    // 10000 x 5000 drawn clockwise from its lower left corner.
    void ClockwiseRectangle(int32_t view = kGroundFloor) {
        Wall(1000, 1000, 1000, 6000, 5000, 0, view);
        Wall(1000, 6000, 11000, 6000, 10000, 900, view);
        Wall(11000, 6000, 11000, 1000, 5000, 1800, view);
        Wall(11000, 1000, 1000, 1000, 10000, 2700, view);
    }

    void Run() { tool.AutoDimension(dc, client, 0, 0, 0, 111); }

    template <class T> std::vector<const T*> OfKind(int32_t kind, int32_t view = kGroundFloor) const {
        std::vector<const T*> found;
        for (int32_t i = 0; i < ObjectList.count; ++i)
            if (ObjectList[i]->kind == kind && ObjectList[i]->view == view)
                found.push_back(dynamic_cast<const T*>(ObjectList[i]));
        return found;
    }
    std::vector<const TTextobj*> Texts() const { return OfKind<TTextobj>(kAutoDimensionText); }
    std::vector<const TArrowobj*> Arrows() const { return OfKind<TArrowobj>(kAutoArrow); }

    QImage image{400, 300, QImage::Format_RGB32};
    TDC dc{image};
    TRect client{0, 0, 400, 300};
    TLineobjtool tool;
};

struct TextAt {
    std::string text;
    int32_t x, y, bearing, style;
};

TEST_F(Dimensions, ClockwiseRectangleGetsItsTextsOutside) {
    ClockwiseRectangle();
    Run();
    const auto texts = Texts();
    ASSERT_EQ(texts.size(), 4u);
    const TextAt expected[] = {{"5000", 1000 - kOff, 3500, 0, 6},
                               {"10000", 6000, 6000 + kOff, 900, 6},
                               {"5000", 11000 + kOff, 3500, 1800, 6},
                               {"10000", 6000, 1000 - kOff, 2700, 4}};
    for (size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(texts[i]->text, expected[i].text);
        EXPECT_EQ(texts[i]->x1, expected[i].x);
        EXPECT_EQ(texts[i]->y1, expected[i].y);
        EXPECT_EQ(texts[i]->x2, expected[i].bearing);
        EXPECT_EQ(texts[i]->style, expected[i].style);
        EXPECT_EQ(texts[i]->angle, 0);
        EXPECT_EQ(texts[i]->height, 9);
    }
    const auto arrows = Arrows();
    ASSERT_EQ(arrows.size(), 8u);
    // Each wall's two arrows and text share one fresh group.
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(arrows[2 * i]->group, texts[i]->group);
        EXPECT_EQ(arrows[2 * i + 1]->group, texts[i]->group);
    }
    EXPECT_NE(texts[0]->group, texts[1]->group);
    // The top wall's arrows sit on a line 600 above it, at its two ends.
    EXPECT_EQ(arrows[2]->x1, 1000);
    EXPECT_EQ(arrows[2]->y1, 6600);
    EXPECT_EQ(arrows[3]->x1, 11000);
    EXPECT_EQ(tool.Kind, toolkind::kAfterAutoDimensions);
    // And all of it is in the working file.
    TList copy;
    copy.ProgramDirectory = dir.Path();
    copy.SetDrawingName("HOUSE");
    ASSERT_EQ(copy.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
    EXPECT_EQ(copy.count, ObjectList.count);
}

struct SquareArrowCase {
    char dir;
    TPoint tail, barb1, barb2, witness1, witness2;
};

class SquareArrow : public Dimensions, public ::testing::WithParamInterface<SquareArrowCase> {};

// At zoom 5: the shaft 200 long, the head 100 long and 25 to each side, the witness line 100 each way.
TEST_P(SquareArrow, FollowsTheTableOfItsEnd) {
    const SquareArrowCase& c = GetParam();
    tool.ObjectId = 7;
    tool.SegmentLength = 99;
    AddArrow(tool, kAutoArrow, 1000, 2000, c.dir);
    const TArrowobj& a = *Arrows().at(0);
    EXPECT_EQ(TPoint(a.x1, a.y1), TPoint(1000, 2000));
    EXPECT_EQ(TPoint(a.x2, a.y2), c.tail);
    EXPECT_EQ(TPoint(a.h1x, a.h1y), c.barb1);
    EXPECT_EQ(TPoint(a.h2x, a.h2y), c.barb2);
    EXPECT_EQ(TPoint(a.h3x, a.h3y), c.witness1);
    EXPECT_EQ(TPoint(a.h4x, a.h4y), c.witness2);
    EXPECT_EQ(a.id, 7);
    EXPECT_EQ(a.group, 99);
}

INSTANTIATE_TEST_SUITE_P(
    Ends, SquareArrow,
    ::testing::Values(
        SquareArrowCase{'l', {1200, 2000}, {1100, 2025}, {1100, 1975}, {1000, 2100}, {1000, 1900}},
        SquareArrowCase{'r', {800, 2000}, {900, 2025}, {900, 1975}, {1000, 2100}, {1000, 1900}},
        SquareArrowCase{'t', {1000, 1800}, {975, 1900}, {1025, 1900}, {900, 2000}, {1100, 2000}},
        SquareArrowCase{'b', {1000, 2200}, {975, 2100}, {1025, 2100}, {900, 2000}, {1100, 2000}}));

TEST_F(Dimensions, FiveWallsAddTheOverallDimensionOfEveryRunOfTwo) {
    Wall(1000, 1000, 1000, 6000, 5000, 0);
    Wall(1000, 6000, 6000, 6000, 5000, 900);
    Wall(6000, 6000, 11000, 6000, 5000, 900);
    Wall(11000, 6000, 11000, 1000, 5000, 1800);
    Wall(11000, 1000, 1000, 1000, 10000, 2700);
    Run();
    const auto texts = Texts();
    ASSERT_EQ(texts.size(), 6u);
    const TTextobj& overall = *texts.back();
    EXPECT_STREQ(overall.text, "10000");
    EXPECT_EQ(overall.x1, 6000);
    EXPECT_EQ(overall.y1, 6000 + kOverall);
    EXPECT_EQ(overall.x2, 900);
    const auto arrows = Arrows();
    ASSERT_EQ(arrows.size(), 12u);
    EXPECT_EQ(TPoint(arrows[10]->x1, arrows[10]->y1), TPoint(1000, 6000 + kOverall));
    EXPECT_EQ(TPoint(arrows[11]->x1, arrows[11]->y1), TPoint(11000, 6000 + kOverall));
    EXPECT_EQ(arrows[11]->group, overall.group);
}

TEST_F(Dimensions, FourWallsGetNoOverallDimension) {
    // Two top walls, but only four walls in all.
    Wall(1000, 6000, 6000, 6000, 5000, 900);
    Wall(6000, 6000, 11000, 6000, 5000, 900);
    Wall(11000, 6000, 11000, 1000, 5000, 1800);
    Wall(11000, 1000, 1000, 1000, 10000, 2700);
    Run();
    EXPECT_EQ(Texts().size(), 4u);
}

// Outlines keyed clockwise from the top left (an arrow and a length in millimetres or feet) and the
// figures of their overall dimensions. A U's notch wall lies within its right side, yet reaches as low
// as it: the side still reads the 9000 (30') between its arrows, not 14000 (47').
using Outline = std::tuple<int32_t, const char*, const char*>;
class OverallDimension : public Dimensions, public ::testing::WithParamInterface<Outline> {};

TEST_P(OverallDimension, ReadsTheDistanceBetweenItsArrows) {
    const auto [metric, moves, figures] = GetParam();
    MetricUnits = metric;
    std::istringstream in(moves);
    int32_t x = 1000, y = 20000, length = 0;
    for (char arrow = 0; in >> arrow >> length;) {
        length *= metric ? 1 : 288;
        const int32_t dx = ((arrow == 'R') - (arrow == 'L')) * length,
                      dy = ((arrow == 'U') - (arrow == 'D')) * length;
        Wall(x, y, x + dx, y + dy, length, static_cast<int32_t>(std::string_view("URDL").find(arrow) * 900));
        x += dx, y += dy;
    }
    Run();
    std::string read;
    for (size_t i = OfKind<TExtwallobj>(kExtWall).size(); i < Texts().size(); ++i)
        read += Texts()[i]->text + std::string(";");
    EXPECT_EQ(read, figures);
}

INSTANTIATE_TEST_SUITE_P(
    Outlines, OverallDimension,
    ::testing::Values(Outline{1, "R12000 D9000 L4000 U5000 L4000 D5000 L4000 U9000", "9000;12000;"},
                      Outline{0, "R40 D30 L13 U17 L14 D17 L13 U30", "30' 0'';40' 0'';"},
                      Outline{1, "R12000 D5000 L5000 D4000 L7000 U9000", "9000;12000;"},
                      Outline{1, "R12000 D4000 L4000 D5000 L4000 U5000 L4000 U4000", "9000;12000;9000;"}));

// The walls' bearings are left untrusted (-1), or are their real ones, which turn with the wall.
class KeyedEitherWay : public Dimensions,
                       public ::testing::WithParamInterface<std::tuple<std::vector<int32_t>, bool>> {};
TEST_P(KeyedEitherWay, AnticlockwiseIsDimensionedAsClockwise) {
    const auto& [corners, realBearings] = GetParam();
    const auto bearing = [&](const int32_t* a, const int32_t* b) {
        const double turn = std::atan2(b[0] - a[0], b[1] - a[1]) * 1800 / std::numbers::pi;
        return realBearings ? static_cast<int32_t>(std::lround(turn + 3600)) % 3600 : -1;
    };
    std::multiset<std::vector<int32_t>> placed[2];
    for (int32_t w = 0, n = static_cast<int32_t>(corners.size() / 2); w < 2; ++w) {
        auto at = [&](int32_t k) { return corners.data() + 2 * (w ? k % n : (n - k % n) % n); };
        for (int32_t k = 0; k < n; ++k)
            Wall(at(k)[0], at(k)[1], at(k + 1)[0], at(k + 1)[1], 1, bearing(at(k), at(k + 1)),
                 CurrentView = kGroundFloor + w);
        Run();
        for (const auto* t : OfKind<TTextobj>(kAutoDimensionText, CurrentView))
            placed[w].insert({t->x1, t->y1, t->x2, t->style});
    }
    EXPECT_EQ(placed[0], placed[1]);
}
INSTANTIATE_TEST_SUITE_P(
    Houses, KeyedEitherWay, // corners x, y keyed anticlockwise: an L, a diamond
    ::testing::Combine(::testing::Values(std::vector{0, 800, 0, 0, 900, 0, 900, 400, 500, 400, 500, 800},
                                         std::vector{0, 500, 500, 0, 1000, 500, 500, 1000}),
                       ::testing::Bool()));
struct AngledCase {
    TPoint from, to;
    int32_t direction;
    int32_t textAngle;
};

class AngledWall : public Dimensions, public ::testing::WithParamInterface<AngledCase> {};

// Whatever the quadrant, both tips lie off the wall ends on its left-hand (outer) side, the shafts
// run inward along the wall, the witness lines cross the dimension line and the barbs straddle it.
TEST_P(AngledWall, ArrowsAndTextLieOnTheOuterSide) {
    const AngledCase& c = GetParam();
    Wall(c.from.x, c.from.y, c.to.x, c.to.y, 7071, c.direction);
    Run();
    const double dx = c.to.x - c.from.x, dy = c.to.y - c.from.y;
    const double len = std::hypot(dx, dy);
    const double ux = dx / len, uy = dy / len; // along the wall
    const double nx = -uy, ny = ux;            // its left-hand normal
    const auto arrows = Arrows();
    ASSERT_EQ(arrows.size(), 2u);
    const TPoint ends[] = {c.from, c.to};
    for (int end = 0; end < 2; ++end) {
        SCOPED_TRACE(end);
        const TArrowobj& a = *arrows[end];
        const double sign = end == 0 ? 1 : -1;
        EXPECT_NEAR(a.x1, ends[end].x + kOff * nx, 2);
        EXPECT_NEAR(a.y1, ends[end].y + kOff * ny, 2);
        EXPECT_NEAR(a.x2, a.x1 + sign * 200 * ux, 2);
        EXPECT_NEAR(a.y2, a.y1 + sign * 200 * uy, 2);
        EXPECT_NEAR((a.h3x + a.h4x) / 2.0, a.x1, 1);
        EXPECT_NEAR(std::hypot(a.h3x - a.h4x, a.h3y - a.h4y), 200, 3);
        EXPECT_NEAR((a.h1x + a.h2x) / 2.0, a.x1 + sign * 100 * ux, 2);
        EXPECT_NEAR((a.h1y + a.h2y) / 2.0, a.y1 + sign * 100 * uy, 2);
        EXPECT_EQ(a.id, 0);
    }
    const TTextobj& t = *Texts().at(0);
    EXPECT_NEAR(t.x1, (c.from.x + c.to.x) / 2.0 + kOff * nx, 2);
    EXPECT_NEAR(t.y1, (c.from.y + c.to.y) / 2.0 + kOff * ny, 2);
    EXPECT_EQ(t.angle, c.textAngle);
}

// A clockwise diamond (one wall per quadrant), a steep wall whose text turns half round, and walls
// whose direction field disagrees with them, which take their bearing from their ends.
INSTANTIATE_TEST_SUITE_P(Quadrants, AngledWall,
                         ::testing::Values(AngledCase{{10000, 20000}, {15000, 25000}, 450, 3150},
                                           AngledCase{{15000, 25000}, {20000, 20000}, 1350, 450},
                                           AngledCase{{20000, 20000}, {15000, 15000}, 2250, 3150},
                                           AngledCase{{15000, 15000}, {10000, 20000}, 3150, 450},
                                           AngledCase{{10000, 20000}, {12500, 15670}, 1500, 2400},
                                           AngledCase{{10000, 20000}, {15000, 25000}, 900, 3150},
                                           AngledCase{{15000, 15000}, {10000, 20000}, 3600, 450}));

TEST_F(AngledWall, ShortWallHasItsTextTwiceAsFarOut) {
    Wall(10000, 10000, 10020, 10020, 28, 450);
    Run();
    const TTextobj& t = *Texts().at(0);
    EXPECT_NEAR(t.x1, 10010 - 2 * kOff * std::sqrt(0.5), 2);
    EXPECT_NEAR(t.y1, 10010 + 2 * kOff * std::sqrt(0.5), 2);
}

TEST_F(Dimensions, WallOfNoLengthGetsNothing) {
    Wall(5000, 5000, 5000, 5000, 0, 0);
    Run();
    EXPECT_TRUE(Texts().empty());
    EXPECT_TRUE(Arrows().empty());
}

TEST_F(Dimensions, ImperialWallsShowFeetInchesAndEighths) {
    MetricUnits = 0;
    ZoomDivisor = 6;
    Wall(2000, 6000, 2000 + 2880, 6000, 2880, 900);
    Wall(8000, 6000, 8000 + 3540, 6000, 3540, 900);
    Run();
    const auto texts = Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_STREQ(texts[0]->text, "10' 0''");
    EXPECT_STREQ(texts[1]->text, "12' 3 1/2''");
    EXPECT_EQ(texts[0]->y1, 6000 + 576); // the shipped imperial offset, 24 inches
}

TEST_F(Dimensions, RerunRebuildsTheSameObjectsWithNewGroups) {
    ClockwiseRectangle();
    Run();
    std::vector<std::pair<int32_t, int32_t>> first;
    const int32_t firstGroup = Texts()[0]->group;
    for (const TArrowobj* a : Arrows())
        first.emplace_back(a->x1, a->y1);
    const int32_t count = ObjectList.count;
    Run();
    EXPECT_EQ(ObjectList.count, count);
    std::vector<std::pair<int32_t, int32_t>> second;
    for (const TArrowobj* a : Arrows())
        second.emplace_back(a->x1, a->y1);
    EXPECT_EQ(second, first);
    EXPECT_GT(Texts()[0]->group, firstGroup);
}

TEST_F(Dimensions, OtherViewsAndTheManualModesLeaveAutomaticDimensionsAlone) {
    ClockwiseRectangle();
    Run();
    CurrentView = kFirstFloor;
    ClockwiseRectangle(kFirstFloor);
    Run();
    EXPECT_EQ(Texts().size(), 4u);
    EXPECT_EQ(OfKind<TTextobj>(kAutoDimensionText, kFirstFloor).size(), 4u);

    // Without its top wall the ground floor would lose a dimension, but the manual steps rebuild none.
    CurrentView = kGroundFloor;
    ObjectList.RemoveAt(4);
    for (int32_t mode : {20, 21, 22}) {
        tool.Mode = mode;
        Run();
        EXPECT_EQ(Texts().size(), 4u);
        EXPECT_EQ(Arrows().size(), 8u);
    }
}

struct FaceCase {
    int32_t x, y;
    int32_t outX, outY;
};

class FaceSnap : public Dimensions, public ::testing::WithParamInterface<FaceCase> {
protected:
    void SetUp() override {
        Dimensions::SetUp();
        // A single-layer wall whose outer face runs up x = 5000 and whose inner face is x = 5300.
        auto w = std::make_unique<TExtwallobj>();
        w->view = kGroundFloor;
        w->kind = kExtWall;
        w->x1 = w->x2 = 5000;
        w->y1 = 1000;
        w->y2 = 6000;
        w->p1x = w->p2x = 5300;
        w->p1y = 1300;
        w->p2y = 5700;
        ObjectList.Add(std::move(w));
        // A partition along y = 8000 whose second face is y = 8100.
        ObjectList.Add(std::make_unique<TIntwallobj>(kGroundFloor, kIntWall, 1, 0, 0, 0, 1000, 0, 4000, 0,
                                                     8000, 8000, 0, 100, 0, 0, 0, 0, 1, 900, 1000, 0, 8100,
                                                     4000, 8100, std::array<int32_t, 4>{}.data(), 0, 0));
        // A design room from (20000, 9000) to (24000, 6000).
        auto room = std::make_unique<TRoomobj>();
        room->view = kGroundFloor;
        room->kind = kDesignRoom;
        room->x1 = 20000;
        room->y1 = 9000;
        room->x2 = 24000;
        room->y2 = 6000;
        ObjectList.Add(std::move(room));
    }
};

TEST_P(FaceSnap, PullsThePointWithinThirtyUnits) {
    const FaceCase& c = GetParam();
    int32_t x = kNoFace, y = kNoFace;
    FindWallAtPoint(tool, c.x, c.y, x, y);
    EXPECT_EQ(x, c.outX);
    EXPECT_EQ(y, c.outY);
}

INSTANTIATE_TEST_SUITE_P(Faces, FaceSnap,
                         ::testing::Values(FaceCase{5010, 3000, 5000,
                                                    kNoFace}, // 10 from the outer face: its x
                                           FaceCase{4971, 976, 5000, kNoFace}, // within 30 beyond its end too
                                           FaceCase{5030, 3000, kNoFace, kNoFace}, // 30 away is too far
                                           FaceCase{5290, 3000, 5300, kNoFace},    // the inner face
                                           FaceCase{2500, 8020, kNoFace, 8000},   // a partition's face: its y
                                           FaceCase{2500, 8095, kNoFace, 8100},   // and its second face
                                           FaceCase{20010, 7000, 20000, kNoFace}, // a design room's left edge
                                           FaceCase{23000, 6029, kNoFace, 6000},  // its bottom edge
                                           FaceCase{15000, 3000, kNoFace, kNoFace}));

class ManualDimension : public Dimensions {
protected:
    // Gives a manual-dimension point at a client pixel; returns where it lies in drawing units.
    POINT Enter(int32_t mode, int32_t px, int32_t py) {
        tool.Mode = mode;
        tool.AutoDimension(dc, client, px, py, 1, 122);
        return Drawing(px, py);
    }
    POINT Drawing(int32_t px, int32_t py) {
        POINT p{};
        ClientToDrawing(nullptr, dc, client, px, py, &p.x, &p.y);
        return POINT{p.x * ZoomDivisor, p.y * ZoomDivisor};
    }
    const TDimensobj* Dimension() const {
        const auto found = OfKind<TDimensobj>(kManualDimension, CurrentView);
        return found.empty() ? nullptr : found.back();
    }
};

TEST_F(ManualDimension, PointsFarFromEveryFaceAreMeasuredAsGiven) {
    const POINT a = Enter(20, 100, 200);
    const POINT b = Enter(21, 300, 180);
    const TDimensobj* d = Dimension();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->value2, 900);
    EXPECT_EQ(TPoint(d->x1, d->y1), TPoint(a.x, a.y));
    EXPECT_EQ(TPoint(d->d1x, d->d1y), TPoint(b.x, a.y));
    EXPECT_EQ(TPoint(d->x2, d->y2), TPoint(a.x + 288, a.y)); // the shipped arrow length
    EXPECT_EQ(tool.MeasuredLength(), b.x - a.x);
    EXPECT_EQ(d->value, 1);
}

TEST_F(ManualDimension, EqualExtentsGiveAHorizontalDimension) {
    Enter(20, 100, 200);
    Enter(21, 150, 150);
    ASSERT_NE(Dimension(), nullptr);
    EXPECT_EQ(Dimension()->value2, 900);
    EXPECT_EQ(tool.CrosshairStyle, 0);
}

TEST_F(ManualDimension, SecondFloorNumbersFromTwelveThousand) {
    CurrentView = kSecondFloor;
    IdCounter = 40;
    Enter(20, 100, 100);
    Enter(21, 110, 300);
    const TDimensobj* d = Dimension();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->id, 12041);
    EXPECT_EQ(d->group, 12041);
    EXPECT_EQ(d->value2, 1800); // measured downwards
    EXPECT_EQ(tool.CrosshairStyle, 1);
}

TEST_F(ManualDimension, SitePlanNumbersAsTheGroundFloor) {
    CurrentView = kSitePlan;
    IdCounter = 7;
    Enter(20, 100, 100);
    Enter(21, 300, 100);
    ASSERT_NE(Dimension(), nullptr);
    EXPECT_EQ(Dimension()->id, 10008);
}

} // namespace
