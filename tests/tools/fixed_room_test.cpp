// The fixed-room tool on documents built here: the free space a click finds, the partitions, mask
// lines and label the builder adds, and the size lines and finished room that end a room.
#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "document/document.h"
#include "document/program_state.h"
#include "platform/dc.h"
#include "rooms/free_room.h"
#include "rooms/room_snapping.h"
#include "tests/support/clean_state.h"
#include "tests/support/program_directory.h"
#include "tools/room_tools.h"
#include "tools/wall_tools.h"
#include "tools/working_file.h"

namespace {

std::unique_ptr<TIntwallobj> Wall(int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t qax, int32_t qay,
                                  int32_t qbx, int32_t qby, int32_t direction) {
    const int32_t attr[4] = {};
    return std::make_unique<TIntwallobj>(kGroundFloor, kIntWall, 1, 0, 10001, 10001, ax, 0, bx, 0, ay, by, 0,
                                         100, 0, 0, 0, 0, 1, direction, qax, 0, qay, qbx, qby, attr, 0, 0);
}
// A vertical partition with its drawn face at x and its second face at secondX, from top down.
std::unique_ptr<TIntwallobj> Upright(int32_t x, int32_t secondX, int32_t top, int32_t bottom) {
    return Wall(x, top, x, bottom, secondX, top, secondX, bottom, 1800);
}
std::unique_ptr<TIntwallobj> Across(int32_t y, int32_t secondY, int32_t left, int32_t right) {
    return Wall(left, y, right, y, left, secondY, right, secondY, 900);
}
// A vertical external wall whose inner face (first layer line, or third with a second layer) is at x.
std::unique_ptr<TExtwallobj> OuterWall(int32_t x, int32_t top, int32_t bottom, bool fourLines) {
    int32_t p[12] = {x, top, x, bottom, x, top, x, bottom, x, top, x, bottom};
    if (fourLines) p[0] = p[2] = x - 300; // the first layer line lies farther out
    const int32_t attr[4] = {};
    return std::make_unique<TExtwallobj>(kGroundFloor, kExtWall, 1, 0, 1, 1, x - 400, 0, x - 400, 0, top,
                                         bottom, 0, 110, fourLines ? 55 : 0, fourLines ? 110 : 0, 0, 0, 1,
                                         1800, p, 0, 0, attr);
}
std::unique_ptr<TRoomobj> DesignRoom(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    return std::make_unique<TRoomobj>(kGroundFloor, kDesignRoom, 1, 0, 1, 1, x1, 0, x2, 0, y1, y2, 0, 2, 9,
                                      x2 - x1, y1 - y2, 0, "den", "", "");
}

// What bounds the box on the left.
using LeftSide = std::unique_ptr<TObject> (*)();
std::unique_ptr<TObject> LeftWall() {
    return Upright(1000, 900, 3800, 900);
}
std::unique_ptr<TObject> SwappedFaces() {
    return Upright(900, 1000, 3800, 900);
}
std::unique_ptr<TObject> ShortWall() {
    return Upright(1000, 900, 3000, 1500);
}
std::unique_ptr<TObject> TwoLineOuter() {
    return OuterWall(1200, 3800, 900, false);
}
std::unique_ptr<TObject> FourLineOuter() {
    return OuterWall(1300, 3800, 900, true);
}
std::unique_ptr<TObject> LowOuter() {
    return OuterWall(1000, 2500, 500, false);
}
std::unique_ptr<TObject> LeftDesignRoom() {
    return DesignRoom(0, 3800, 700, 900);
}
std::unique_ptr<TObject> Nothing() {
    return nullptr;
}

class FixedRoom : public testsupport::CleanStateTest {
protected:
    void SetUp() override {
        ObjectList.ProgramDirectory = dir.Path();
        ObjectList.SetDrawingName("ROOMS");
        image.fill(Qt::white);
        ViewExtentX = 400 * 5;
        ViewExtentY = 300 * 5;
        ZoomDivisor = 5;
        MetricUnits = 1;
        CurrentView = kGroundFloor;
        IdCounter = 10;
        std::snprintf(ObjectList.CurrentRoomName, sizeof ObjectList.CurrentRoomName, "hall");
        dir.WriteFile("CFG/ROOM.CFG", "1 1");
    }

    // The box of partitions 100 thick with inner faces x 1000 / 4600, y 1000 / 3700, its left side
    // as the case asks.
    void Box(LeftSide left, bool withTop = true) {
        if (auto o = left()) ObjectList.Add(std::move(o));
        ObjectList.Add(Upright(4600, 4700, 3800, 900));
        if (withTop) ObjectList.Add(Across(3700, 3800, 900, 4700));
        ObjectList.Add(Across(1000, 900, 900, 4700));
    }

    // A click at drawing (x, y): pixels are 25 drawing units, y up from the bottom.
    void ClickAt(int32_t x, int32_t y) {
        TDC dc(image);
        TPoint p(x / 25, 300 - y / 25);
        tool.ButtonDown(dc, client, &p);
    }
    void Build(int32_t w, int32_t h) {
        TDC dc(image);
        tool.BuildRoom(dc, client, w / ZoomDivisor, h / ZoomDivisor);
    }
    std::vector<const TObject*> Added(int32_t kind, int32_t from) const {
        std::vector<const TObject*> found;
        for (int32_t i = from; i < ObjectList.count; ++i)
            if (ObjectList[i]->kind == kind) found.push_back(ObjectList[i]);
        return found;
    }

    testsupport::ProgramDirectory dir;
    QImage image{400, 300, QImage::Format_RGB32};
    TRect client{0, 0, 400, 300};
    TRoomobjtool tool;
};

struct FreeCase {
    LeftSide left;
    bool withTop;
    const char* roomCfg;
    int32_t pointPlaced;
};

class FreeSpace : public FixedRoom, public ::testing::WithParamInterface<FreeCase> {};

TEST_P(FreeSpace, ClickMeasuresTheSpaceBetweenTheNearestFaces) {
    Box(GetParam().left, GetParam().withTop);
    ClickAt(2000, 2000);
    EXPECT_EQ(dir.ReadFile("CFG/ROOM.CFG"), GetParam().roomCfg);
    EXPECT_EQ(tool.PointPlaced, GetParam().pointPlaced);
}

INSTANTIATE_TEST_SUITE_P(Table, FreeSpace,
                         ::testing::Values(FreeCase{LeftWall, true, "3600 2700", 0},
                                           FreeCase{SwappedFaces, true, "3600 2700", 0},
                                           FreeCase{TwoLineOuter, true, "3400 2700", 0},
                                           FreeCase{FourLineOuter, true, "3300 2700", 0},
                                           FreeCase{LeftDesignRoom, true, "3800 2700", 0},
                                           FreeCase{LeftWall, false, "1 1", 1},
                                           FreeCase{Nothing, true, "1 1", 1}));

// Houses built as keyed, clockwise from the top left or back round from the bottom left, the first
// wall's layers below or above it, of one layer or three, with partitions drawn along keyed lines; a
// click at (x, y) near a corner of the inside is offered the inside (w x h with the walls outside the
// keyed line); a fixed room of it, or a design room dropped beside it and finished, needs n partitions,
// none of them inside a wall or over a partition already there. Shrinking the base left from the click
// stops `shrink` short of the room.
struct Opening { // a partition from keyed x a to b across an opening on the line of keyed y, its face on
    int32_t a, b, y, side; // the line of the inner faces of a house above it (side 1) or below (-1)
};
struct HouseCase {
    std::vector<POINT> corners; // clockwise from the top left
    int32_t x, y, w, h, n, shrink;
    std::vector<Opening> runs = {};
    int32_t insetsY = 2;            // wall thicknesses h loses with the walls inside the keyed line
    std::vector<POINT> strays = {}; // walls keyed after the house, from each even point to the next
};
// The box a wall's faces and layer lines span, and whether two such boxes share more than an edge.
std::array<int32_t, 4> Band(const TObject& o) {
    std::vector<int32_t> xs{o.x1, o.x2}, ys{o.y1, o.y2};
    if (const auto* w = dynamic_cast<const TIntwallobj*>(&o))
        xs = {o.x1, o.x2, w->q1x, w->q2x}, ys = {o.y1, o.y2, w->q1y, w->q2y};
    if (const auto* w = dynamic_cast<const TExtwallobj*>(&o)) // its first layer line, and its third
        xs = {o.x1, o.x2, w->p1x, w->p2x, w->p5x, w->p6x}, ys = {o.y1, o.y2, w->p1y, w->p2y, w->p5y, w->p6y};
    if (xs.size() == 6 && !dynamic_cast<const TExtwallobj&>(o).thickness2) xs.resize(4), ys.resize(4);
    const auto [x0, x1] = std::minmax_element(xs.begin(), xs.end());
    const auto [y0, y1] = std::minmax_element(ys.begin(), ys.end());
    return {*x0, *x1, *y0, *y1};
}
bool Overlap(const std::array<int32_t, 4>& a, const std::array<int32_t, 4>& b) {
    return a[0] < b[1] && b[0] < a[1] && a[2] < b[3] && b[2] < a[3];
}

class HouseCorners : public FixedRoom,
                     public ::testing::WithParamInterface<std::tuple<HouseCase, bool, bool, bool, bool>> {};

TEST_P(HouseCorners, RoomsTakeTheInsideOfTheWalls) {
    const auto [c, clockwise, above, cavity, design] = GetParam();
    dir.WriteFile("CFG/EXTWALLM.CFG",
                  cavity ? "110 55 110 25 2550 2400 2400 0 0 0" : "230 0 0 25 2550 2400 2400 0 0 0");
    TExtwallobjtool walls;
    const auto key = [&](POINT a, POINT b) {
        walls.X0 = a.x, walls.Y0 = a.y, walls.X1 = b.x, walls.Y1 = b.y,
        walls.SegmentLength = std::abs(b.x - a.x + b.y - a.y);
        walls.Angle = a.x == b.x ? (b.y > a.y ? 0 : 1800) : (b.x > a.x ? 900 : 2700),
        walls.DirectionCode() = above ? 3 : 1;
        walls.SnapWallEnds(1);
        ASSERT_EQ(walls.AddExternalWall(), tools::WriteResult::Ok);
    };
    for (size_t i = 0, n = c.corners.size(); i < n; ++i)
        key(c.corners[clockwise ? i : n - 1 - i], c.corners[clockwise ? (i + 1) % n : (2 * n - 2 - i) % n]);
    for (size_t i = 0; i + 1 < c.strays.size(); i += 2)
        key(c.strays[i], c.strays[i + 1]);
    const int32_t inset = clockwise != above ? (cavity ? 275 : 230) : 0, w = c.w - 2 * inset,
                  h = c.h - c.insetsY * inset;
    for (const Opening& r : c.runs) {
        const int32_t y = r.y + r.side * inset;
        ObjectList.Add(Across(y, y - r.side * 100, r.a + inset, r.b - inset));
    }
    const auto free = MeasureFreeRoom(ObjectList, kGroundFloor, c.x, c.y, 100,
                                      *MeasureFreeRoomExtent(ObjectList, kGroundFloor, c.x, c.y));
    EXPECT_EQ(std::pair(free->width, free->length), std::pair(w, h)) << "the largest free room";
    const int32_t before = (ClickAt(c.x, c.y), ObjectList.count), *box = tool.FreeSpace;
    if (design) { // a design room of that box finished onto the floor
        ObjectList.Add(std::make_unique<TRoomobj>(kGroundFloor, kDesignRoom, 1, 0, 9, 9, box[0] + 50, 0,
                                                  box[1] + 50, 0, box[2], box[3], 0, 0, 10, w, h, 0, "den",
                                                  "", ""));
        walls.DirectionCode() = 4, walls.Count = c.x / ZoomDivisor, walls.CursorY = c.y / ZoomDivisor;
        walls.Command(1); // the base shrinks left to the room, unless it reaches past the L's corner there
        EXPECT_EQ(walls.Count, c.shrink);
        SnapRoomToNeighbours(ObjectList, kGroundFloor, ObjectList.count - 1, 100, 100); // dropped 50 off
        EXPECT_EQ(ObjectList[ObjectList.count - 1]->x1, box[0]) << "pulled onto the inner face";
        TIntwallobjtool finish;
        finish.Mode = intwall::kFinishRooms, finish.Start(0, 0, 1);
    } else {
        Build(w, h);
    }
    EXPECT_EQ(dir.ReadFile("CFG/ROOM.CFG"), std::to_string(w) + " " + std::to_string(h));
    EXPECT_EQ(Added(kIntWall, before).size(), size_t(c.n));
    for (const TObject* made : Added(kIntWall, before))
        for (int32_t i = 0; i < before; ++i)
            EXPECT_FALSE(Overlap(Band(*made), Band(*ObjectList[i])))
                << "a partition at " << made->x1 << ", " << made->y1 << " in the band of wall " << i;
}

const std::vector<POINT> kU{{1000, 7000}, {3500, 7000}, {3500, 4500}, {5500, 4500},
                            {5500, 7000}, {8000, 7000}, {8000, 1500}, {1000, 1500}};
const std::vector<POINT> kT{{1000, 7000}, {8000, 7000}, {8000, 4500}, {5500, 4500},
                            {5500, 1500}, {3500, 1500}, {3500, 4500}, {1000, 4500}};
const std::vector<POINT> kBox{{1000, 6000}, {7000, 6000}, {7000, 2000}, {1000, 2000}};
const std::vector<POINT> kL{{1000, 6000}, {7000, 6000}, {7000, 3500},
                            {4500, 3500}, {4500, 1500}, {1000, 1500}};
// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, HouseCorners, ::testing::Combine(::testing::Values(
    HouseCase{kBox, 1500, 5500, 6000, 4000, 0, 50}, HouseCase{kBox, 6500, 5500, 6000, 4000, 0, 50},
    HouseCase{kBox, 6500, 2500, 6000, 4000, 0, 50}, HouseCase{kBox, 1500, 2500, 6000, 4000, 0, 50},
    HouseCase{kL, 1500, 5500, 6000, 4500, 2, 50}, HouseCase{kL, 6500, 5500, 6000, 2500, 1, 0},
    HouseCase{kL, 6500, 4000, 6000, 2500, 1, 0}, HouseCase{kL, 4000, 2000, 3500, 4500, 1, 50},
    HouseCase{kL, 1500, 2000, 3500, 4500, 1, 50}, HouseCase{kU, 1500, 6500, 2500, 5500, 1, 50},
    HouseCase{kBox, 1500, 5500, 6000, 4000, 0, 50, {}, 2, {{1000, 6000}, {1000, 6800}}}, // a stray wall
    HouseCase{kBox, 1500, 5500, 6000, 4000, 0, 50, {}, 2, {{7000, 6000}, {7000, 6800}, {7000, 6000}, {7700, 6000}}},
    HouseCase{kBox, 1500, 5500, 6000, 4000, 0, 50, {}, 2, {{7000, 6000}, {7000, 6800}, {7000, 6800}, {7700, 6800}}},
    HouseCase{kU, 1500, 2000, 7000, 3000, 1, 50, {{1000, 3500, 4500, -1}}},
    HouseCase{kU, 1500, 2000, 7000, 3000, 0, 50, {{1000, 3500, 4500, -1}, {5500, 8000, 4500, -1}}},
    HouseCase{kU, 7500, 2000, 7000, 3000, 1, 0, {{5500, 8000, 4500, -1}}},
    HouseCase{kU, 7500, 5500, 2500, 2400, 0, 50, {{5500, 8000, 4500, -1}}, 0},
    HouseCase{kT, 1500, 6500, 7000, 2500, 1, 50}, HouseCase{kT, 1500, 6500, 7000, 2500, 0, 50, {{3500, 5500, 4500, 1}}},
    HouseCase{kT, 4000, 2000, 2000, 5500, 2, 50}, HouseCase{kT, 4000, 2000, 2000, 2900, 0, 50, {{3500, 5500, 4500, 1}}, 0}),
    ::testing::Bool(), ::testing::Bool(), ::testing::Bool(), ::testing::Bool()));
// clang-format on

TEST_F(FixedRoom, ClickRemembersTheNearerCornerAndMidwayCountsAsLeft) {
    Box(LeftWall);
    ClickAt(2000, 2000);
    EXPECT_EQ(tool.NearerSideX, fixedroom::kNearerLeft);
    EXPECT_EQ(tool.NearerSideY, fixedroom::kNearerRight); // nearer the bottom
    TRoomobjtool midway;
    TDC dc(image);
    TPoint p(2800 / 25, 300 - 3000 / 25); // x exactly halfway between 1000 and 4600
    midway.ButtonDown(dc, client, &p);
    EXPECT_EQ(midway.NearerSideX, fixedroom::kNearerLeft);
}

struct BuildCase {
    const char* name;
    LeftSide left;
    int32_t width, length;
    int32_t metric;
    int32_t partitions, masks, idsUsed;
};

class RoomBuild : public FixedRoom, public ::testing::WithParamInterface<BuildCase> {};

TEST_P(RoomBuild, GetsPartitionsAndMaskLinesWhereItsSidesAreOpen) {
    const BuildCase& c = GetParam();
    MetricUnits = c.metric;
    Box(c.left);
    const int32_t before = ObjectList.count;
    ClickAt(2000, 2000);
    Build(c.width, c.length);
    EXPECT_EQ(Added(kIntWall, before).size(), static_cast<size_t>(c.partitions));
    EXPECT_EQ(Added(kLine, before).size(), static_cast<size_t>(c.masks));
    ASSERT_EQ(Added(kRoomNameLabel, before).size(), 1u);
    EXPECT_EQ(IdCounter - 10, c.idsUsed);
    for (int32_t i = before; i < ObjectList.count; ++i)
        EXPECT_EQ(ObjectList[i]->group, 10011);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RoomBuild,
    ::testing::Values(BuildCase{"FillsTheSpace", LeftWall, 3600, 2700, 1, 0, 0, 2},
                      BuildCase{"Smaller", LeftWall, 3000, 2000, 1, 2, 2, 4},
                      BuildCase{"MiddleOfShortWall", ShortWall, 3600, 2700, 1, 2, 4, 4},
                      BuildCase{"LowerPartOfOuterWall", LowOuter, 3600, 2700, 1, 1, 1, 3},
                      BuildCase{"BesideDesignRoom", LeftDesignRoom, 2000, 2700, 1, 2, 4, 4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FixedRoom, OpenCornerIsClosedByBothFirstFacesAndMasksStopShortOfTheFaces) {
    for (const int32_t metric : {1, 0}) {
        SCOPED_TRACE(metric);
        ObjectList.Flush();
        MetricUnits = metric;
        Box(LeftWall);
        ClickAt(2000, 2000);
        Build(3000, 2000);
        const int32_t t = metric == 1 ? 100 : 96, k = metric == 1 ? 25 : 24;
        const auto walls = Added(kIntWall, 0);
        const auto& right = *dynamic_cast<const TIntwallobj*>(walls[walls.size() - 2]);
        const auto& top = *dynamic_cast<const TIntwallobj*>(walls.back());
        EXPECT_EQ((std::vector<int32_t>{right.x1, right.y1, right.y2, right.q1x, right.q1y, right.direction}),
                  (std::vector<int32_t>{4000 + t, 3000 + t, 1000, 4000, 3000, 1800}));
        EXPECT_EQ((std::vector<int32_t>{top.y1, top.x1, top.x2, top.q1y, top.q2x, top.direction}),
                  (std::vector<int32_t>{3000 + t, 1000, 4000 + t, 3000, 4000, 900}));
        const auto masks = Added(kLine, 0);
        ASSERT_EQ(masks.size(), 2u);
        EXPECT_EQ((std::vector<int32_t>{masks[0]->x1, masks[0]->x2, masks[0]->y1}),
                  (std::vector<int32_t>{4000 + t - k, 4000 + k, 1000}));
        EXPECT_EQ((std::vector<int32_t>{masks[1]->y1, masks[1]->y2, masks[1]->x1}),
                  (std::vector<int32_t>{3000 + t - k, 3000 + k, 1000}));
        EXPECT_EQ(masks[0]->colour, BackgroundColour);
    }
}

// The floor's room-partition thickness builds the partitions, whatever Draw Internal Wall is set to,
// as finishing a room does.
struct ThicknessCase {
    int32_t metric;
    const char* roomFile;
    const char* roomValues;
    const char* wallFile;
    const char* wallValue;
    int32_t thickness;
};

class FloorThickness : public FixedRoom, public ::testing::WithParamInterface<ThicknessCase> {};

TEST_P(FloorThickness, BuildsThePartitions) {
    const ThicknessCase& c = GetParam();
    MetricUnits = c.metric;
    dir.WriteFile(std::string("CFG/") + c.roomFile, c.roomValues);
    dir.WriteFile(std::string("CFG/") + c.wallFile, c.wallValue);
    Box(LeftWall);
    ClickAt(2000, 2000);
    Build(3000, 2000);
    const auto walls = Added(kIntWall, 4);
    ASSERT_EQ(walls.size(), 2u);
    for (const TObject* wall : walls)
        EXPECT_EQ(dynamic_cast<const TIntwallobj&>(*wall).thickness, c.thickness);
    EXPECT_EQ(walls[0]->x1, 4000 + c.thickness); // the right partition's outer face
}

INSTANTIATE_TEST_SUITE_P(
    Units, FloorThickness,
    ::testing::Values(ThicknessCase{1, "RMPTNM.CFG", "150 100 100", "PTNM.CFG", "100", 150},
                      ThicknessCase{0, "RMPTNI.CFG", "144 96 96", "PTNI.CFG", "96", 144},
                      ThicknessCase{1, "RMPTNM.CFG", "100 100 100", "PTNM.CFG", "75", 100},
                      ThicknessCase{0, "RMPTNI.CFG", "720 96 96", "PTNI.CFG", "96", 720},
                      ThicknessCase{0, "RMPTNI.CFG", "744 96 96", "PTNI.CFG", "96", 96}));

// The height word of the partitions file becomes the partitions' and the label's first word, where 1
// marks the contents of a re-opened room and a moved label: any other value there reads as shipped.
TEST_F(FixedRoom, PartitionsFileHeightWordOtherThanZeroReadsAsShipped) {
    dir.WriteFile("CFG/INTWALL.CFG", "0 1 0 0 0 0 0 0 0");
    Box(LeftWall);
    ClickAt(2000, 2000);
    const int32_t before = ObjectList.count;
    Build(3000, 2000);
    for (const int32_t kind : {kIntWall, kRoomNameLabel})
        for (const TObject* o : Added(kind, before))
            EXPECT_EQ(o->aux1, 0) << "kind " << kind;
    EXPECT_EQ(dir.ReadFile("CFG/INTWALL.CFG"), "0 0 0 0 0 0 0 0 0");
}

TEST_F(FixedRoom, LabelSitsAtTheCentreFromTheNearerCorner) {
    Box(LeftWall);
    ClickAt(4000, 2000); // nearer the right
    Build(3005, 2700);
    const TObject& label = *Added(kRoomNameLabel, 0)[0];
    EXPECT_EQ(label.x1, 4600 - 3005 / 2);
    EXPECT_EQ(label.y1, 1000 + 2700 / 2);
    EXPECT_STREQ(dynamic_cast<const TTextobj&>(label).text, "hall");
    EXPECT_EQ(tool.LeftBound, 1595);
    EXPECT_EQ(tool.TopBound, 3700);
}

class SizeAnnotations : public FixedRoom {
protected:
    // The room of the example: 3600 x 2700 with its left at 1000 and its top at 9000.
    void Annotate(int32_t option, int32_t width = 3600, int32_t length = 2700) {
        dir.WriteFile("CFG/MOFFSET.CFG", "300 600 1200 0 9 10 10");
        tool.LeftBound = 1000;
        tool.RightBound = 1000 + width;
        tool.TopBound = 9000;
        tool.BottomBound = 9000 - length;
        tool.ObjectId = 10014;
        tool.SegmentLength = 10011;
        tool.RoomBuilt = true;
        TDC dc(image);
        tool.AutoDimension(dc, client, option, width / ZoomDivisor, length / ZoomDivisor, 111);
    }
    std::vector<int32_t> Kinds() const {
        std::vector<int32_t> kinds;
        for (int32_t i = 0; i < ObjectList.count; ++i)
            kinds.push_back(ObjectList[i]->kind);
        return kinds;
    }
};

TEST_F(SizeAnnotations, BothSizesPlaceLinesAndLabelsOffTheTopLeft) {
    Annotate(2);
    ASSERT_EQ(Kinds(), (std::vector<int32_t>{kManualDimension, kSizeLabel, kManualDimension, kSizeLabel,
                                             kFinishedRoom}));
    EXPECT_EQ(ObjectList[0]->x1, 1300);
    EXPECT_EQ(ObjectList[0]->id, 10015);
    const auto& length = *dynamic_cast<const TTextobj*>(ObjectList[1]);
    EXPECT_EQ((std::vector<int32_t>{length.x1, length.y1, length.height}),
              (std::vector<int32_t>{1300, 7650, 10}));
    EXPECT_STREQ(length.text, "2700");
    const auto& width = *dynamic_cast<const TTextobj*>(ObjectList[3]);
    EXPECT_EQ((std::vector<int32_t>{width.x1, width.y1, width.id}),
              (std::vector<int32_t>{2800, 8700, 10016}));
    const auto& room = *dynamic_cast<const TRoomobj*>(ObjectList[4]);
    EXPECT_EQ((std::vector<int32_t>{room.id, room.group, room.value1, room.value2, room.value3, room.value4}),
              (std::vector<int32_t>{10016, 10011, 2, 9, 3600, 2700}));
    EXPECT_STREQ(room.name, "hall");
    EXPECT_EQ(IdCounter, 12);
    EXPECT_NE(dir.ReadFile("DWGS/ROOMS.DB0").find("29500"), std::string::npos);
}

TEST_F(SizeAnnotations, OptionsChooseThePairs) {
    const std::vector<std::pair<int32_t, std::vector<int32_t>>> cases = {
        {0, {kFinishedRoom}},
        {3, {kManualDimension, kSizeLabel, kFinishedRoom}},
        {4, {kManualDimension, kSizeLabel, kFinishedRoom}}};
    for (const auto& [option, kinds] : cases) {
        ObjectList.Flush();
        Annotate(option);
        EXPECT_EQ(Kinds(), kinds) << option;
        EXPECT_EQ(ObjectList[ObjectList.count - 1]->id, 10016) << option;
    }
    EXPECT_EQ(ObjectList[0]->x1, 1300); // option 4 made the vertical line
    EXPECT_EQ(ObjectList[0]->x2, 1300);
}

TEST_F(SizeAnnotations, ImperialTextsAreFeetInchesAndEighths) {
    MetricUnits = 0;
    ZoomDivisor = 6;
    Annotate(2, 2958, 2736);
    const auto& room = *dynamic_cast<const TRoomobj*>(ObjectList[ObjectList.count - 1]);
    EXPECT_STREQ(room.widthText, "10' 3 1/4''");
    EXPECT_STREQ(room.lengthText, "9' 6''");
}

} // namespace
