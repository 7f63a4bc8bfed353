// Altering a finished room: re-opening it removes its generated parts and lists what lies inside it;
// the listed contents then follow the room's moves, quarter turns and side shifts.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "document/document.h"
#include "document/program_state.h"
#include "tests/support/program_directory.h"
#include "tools/room_tools.h"

namespace {

using Make = std::function<std::unique_ptr<TObject>()>;
constexpr int32_t G = 10150; // the room's group, also an external wall's length
const int32_t kNone[12] = {};

std::unique_ptr<TObject> Text(int32_t x, int32_t y) {
    return std::make_unique<TTextobj>(kGroundFloor, kText, 1, 0, 7, 7, x, 0, 900, 0, y, 50, 0, "sofa", "Sans",
                                      0, 6, 400, 100);
}
std::unique_ptr<TObject> Line(int32_t kind, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t group = 7,
                              int32_t view = kGroundFloor) {
    return std::make_unique<TLineobj>(view, kind, 1, 0, group, group, x1, 0, x2, 0, y1, y2, 0, 0, 0);
}
// The second face lies dy above the first.
std::unique_ptr<TObject> Wall(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t dy = 0,
                              int32_t group = 7, int32_t view = kGroundFloor) {
    return std::make_unique<TIntwallobj>(view, kIntWall, 1, 0, group, group, x1, 0, x2, 0, y1, y2, 0, 100, 0,
                                         0, 0, 0, 1, 0, x1, 0, y1 + dy, x2, y2 + dy, kNone, 0, 0);
}
// Third point (x1 + 100, y1 + 100), second and fourth 10 along.
std::unique_ptr<TObject> Dim(int32_t x1, int32_t y1, int32_t angle, int32_t group = 7) {
    return std::make_unique<TDimensobj>(kGroundFloor, kManualDimension, 1, 0, group, group, x1, 0, x1 + 10, 0,
                                        y1, y1, 0, 1, x1 + 100, y1 + 100, x1 + 90, y1 + 100, angle);
}
std::unique_ptr<TObject> Room(int32_t kind, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                              int32_t group = G) {
    return std::make_unique<TRoomobj>(kGroundFloor, kind, 1, 0, group, group, x1, 0, x2, 0, y1, y2, 0, 2, 10,
                                      x2 - x1, y1 - y2, 0, "Bed 1", "", "");
}
std::unique_ptr<TObject> Opening(int32_t view, int32_t count) {
    auto p = std::make_unique<TOpeningobj>();
    p->kind = kOpening, p->view = view, p->count = count;
    for (int32_t i = 0; i < count; ++i)
        p->px[i] = 2000 + i, p->py[i] = 2000;
    return p;
}

// The coordinates the kind is placed by: the corners, then an arc's radial points, a wall's second
// face, a dimension's further points and orientation.
std::vector<int32_t> Points(const TObject& o) {
    std::vector<int32_t> v{o.x1, o.y1, o.x2, o.y2};
    if (const auto* a = dynamic_cast<const TArcobj*>(&o)) v.insert(v.end(), {a->sx, a->sy, a->ex, a->ey});
    if (const auto* w = dynamic_cast<const TIntwallobj*>(&o))
        v.insert(v.end(), {w->q1x, w->q1y, w->q2x, w->q2y});
    if (const auto* d = dynamic_cast<const TDimensobj*>(&o))
        v.insert(v.end(), {d->d1x, d->d1y, d->d2x, d->d2y, d->value2});
    return v;
}

class RoomAlter : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGlobals();
        ObjectList.Flush();
        ObjectList.ProgramDirectory = dir.Path();
        ObjectList.SetDrawingName("HOUSE");
        MetricUnits = 1;
        CurrentView = kGroundFloor;
        tool.Kind = tool.Mode = kReopenedRoom;
    }
    void TearDown() override {
        ObjectList.Flush();
        ResetGlobals();
    }

    void Corners(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
        tool.RoomX1() = x1, tool.RoomY1() = y1, tool.RoomX2() = x2, tool.RoomY2() = y2;
    }
    // The only object, listed, after one call.
    std::vector<int32_t> Transformed(const Make& make, int32_t mode, int32_t side, int32_t step) {
        ObjectList.Flush();
        ObjectList.Add(make());
        dir.WriteFile("CFG/TEMP.CFG", "2\n");
        dir.WriteFile("CFG/COPY.CFG", "30000 0 0\n0 0 0\n"); // an index of no object is passed over
        tool.TransformContents(mode, side, step);
        return Points(*ObjectList[0]);
    }

    testsupport::ProgramDirectory dir;
    TDRoomobjtool tool;
};

TEST_F(RoomAlter, ReopeningRemovesOnlyTheRoomsGeneratedPartsOnItsFloor) {
    const int32_t attr[4] = {};
    ObjectList.Add(std::make_unique<TExtwallobj>(kGroundFloor, kExtWall, 1, 0, G, G, 0, 0, 10150, 0, 0, 0, 0,
                                                 110, 0, 0, 0, 0, 1, 900, kNone, 0, 0, attr));
    // A line keyed as long as G, drawn on its own: its group field holds that length.
    ObjectList.Add(std::make_unique<TLineobj>(kGroundFloor, kLine, 1, 0, 0, G, 5000, 0, 5000 + G, 0, 6000,
                                              6000, 0, 0, 0));
    ObjectList.Add(Wall(1000, 4000, 1000, 1000, 0, G));
    ObjectList.Add(Line(kLine, 975, 2000, 1025, 2000, G)); // mask line
    ObjectList.Add(Wall(1000, 4000, 4000, 4000, 0, G, kFirstFloor));
    ObjectList.Add(Room(kFinishedRoom, 1000, 4000, 4000, 1000));
    ObjectList.Add(Wall(2000, 3000, 2000, 1500)); // the user's partition inside the room
    ObjectList.Add(Dim(1000, 3700, 900, G));      // the last object
    tool.PickedIndex = 5;
    tool.Command(tool.PickedIndex);

    std::vector<int32_t> kinds;
    for (int32_t i = 0; i < ObjectList.count; ++i)
        kinds.push_back(ObjectList[i]->kind);
    EXPECT_EQ(kinds, (std::vector<int32_t>{kExtWall, kLine, kIntWall, kReopenedRoom, kIntWall}));
    EXPECT_EQ(tool.PickedIndex, 3);
    EXPECT_EQ(tool.Mode, 0);
    EXPECT_EQ(dir.ReadFile("CFG/COPY.CFG"), "4 1000 4000\n");
    EXPECT_EQ(ObjectList[4]->aux1, 1); // carried walls are passed over by the snap
    EXPECT_NE(dir.ReadFile("DWGS/HOUSE.DB0").find("29001"), std::string::npos);
    EXPECT_EQ(std::vector<int32_t>({tool.BoxLeft, tool.BoxTop, tool.BoxRight, tool.BoxBottom}),
              std::vector<int32_t>({887, 4113, 4113, 887}));
}

TEST_F(RoomAlter, ContentsAreWhatLiesStrictlyInsideTheWidenedRoom) {
    const std::pair<Make, bool> cases[] = {
        {[] { return Text(987, 2000); }, false}, // on the widened edge
        {[] { return Text(988, 2000); }, true},
        {[] { return Text(3990, 4010); }, true}, // by its anchor alone
        {[] { return Line(kLine, 2000, 2000, 4020, 2000); }, false},
        {[] { return Dim(3850, 2000, 900); }, true}, // by its first corner and third point
        {[] { return Dim(3950, 2000, 900); }, false},
        {[] { return Opening(kFirstFloor, 4); }, true},
        {[] { return Opening(kGroundFloor, 0); }, true},
        {[] { return Line(kLine, 2000, 2000, 2100, 2000, 7, kFirstFloor); }, false},
        {[] { return Room(kFinishedRoom, 1500, 3000, 2000, 2000, 99); }, true},
        {[] { return Room(kDesignRoom, 1500, 3000, 2000, 2000, 99); }, false},
        {[] { return Wall(1000, 2000, 3000, 2000, 100, 98); }, false}, // built for the room beside
        {[] { return Line(kLine, 2000, 2025, 2000, 2075, 98); }, false},
        {[] { return Wall(1000, 2000, 3000, 2000, 100, 97); }, true}, // of no room
    };
    for (const auto& [make, listed] : cases) {
        ObjectList.Flush();
        ObjectList.Add(make());
        ObjectList.Add(Room(kFinishedRoom, 4000, 4000, 7000, 1000, 98));
        Corners(1000, 4000, 4000, 1000);
        tool.PickedIndex = 0;
        tool.ListRoomContents();
        EXPECT_EQ(ObjectList.ReadTempCount(), listed ? 1 : 0) << Points(*ObjectList[0])[0];
    }
}

TEST_F(RoomAlter, QuarterTurnIsExactAboutTheRoomsCentre) {
    Corners(0, 1000, 2000, 0); // centre (1000, 500)
    const std::pair<Make, std::vector<int32_t>> cases[] = {
        {[] { return Line(kLine, 1000, 500, 2000, 500); }, {1000, 500, 1000, -500}},
        {[] { return Dim(1000, 500, 2700); }, {1000, 500, 1000, 490, 1100, 400, 1100, 410, 0}},
        {[] { return Dim(1000, 500, 900); }, {1000, 500, 1000, 490, 1100, 400, 1100, 410, 1800}},
        {[] { return Room(kFinishedRoom, 900, 600, 1100, 400); }, {1100, 600, 900, 400}},
        // A text turns its anchor; its second angle word and its offset word are no position.
        {[] { return Text(1100, 500); }, {1000, 400, 900, 50}},
    };
    for (const auto& [make, expected] : cases)
        EXPECT_EQ(Transformed(make, 2, 0, 0), expected);
    EXPECT_EQ(tool.LastX, 1000);
    EXPECT_EQ(tool.LastY, 500);
    for (const auto& [x1, x2, cx] : {std::tuple{0, 5, 2}, std::tuple{-5, 0, -3}}) {
        Corners(x1, 1000, x2, 0);
        Transformed(cases[0].first, 2, 0, 0);
        EXPECT_EQ(tool.LastX, cx);
    }
}

TEST_F(RoomAlter, SideShiftCarriesContentsAndStretchesPartitionsAcrossIt) {
    struct Case {
        Make make;
        int32_t mode, side;
        std::vector<int32_t> expected;
    };
    const Case cases[] = {
        {[] { return Line(kRectangle, 0, 100, 50, 0); }, 4, 2, {10, 100, 60, 0}},
        {[] {
             return std::make_unique<TArcobj>(kGroundFloor, kArc, 1, 0, 7, 7, 0, 0, 50, 0, 100, 0, 0, 0, 50,
                                              50, 100);
         },
         4,
         2,
         {10, 100, 60, 0, 10, 50, 60, 100}},
        {[] { return Wall(0, 50, 100, 50, 100); }, 3, 4, {10, 50, 100, 50, 10, 150, 100, 150}},
        {[] { return Wall(0, 0, 0, 100); }, 3, 4, {10, 0, 10, 100, 10, 0, 10, 100}},
        {[] { return Room(kFinishedRoom, 10, 90, 20, 80); }, 4, 2, {10, 90, 20, 80}},
        {[] { return Line(kLine, 10, 10, 20, 20); }, 5, 2, {10, 10, 20, 20}}, // no such mode
    };
    for (const Case& c : cases)
        EXPECT_EQ(Transformed(c.make, c.mode, c.side, 10), c.expected);
}

TEST_F(RoomAlter, RepeatedMovesCarryEachNewDisplacementOnce) {
    tool.PickX1() = 1000;
    tool.PickY1() = 4000;
    Corners(1010, 4000, 4010, 1000);
    EXPECT_EQ(Transformed([] { return Line(kLine, 0, 0, 5, 5); }, 1, 0, 0),
              (std::vector<int32_t>{10, 0, 15, 5}));
    Corners(1010, 4005, 4010, 1005);
    EXPECT_EQ(Transformed([] { return Line(kLine, 0, 0, 5, 5); }, 1, 0, 0),
              (std::vector<int32_t>{0, 5, 5, 10}));
    // An empty list changes nothing, not even the move origin.
    dir.WriteFile("CFG/TEMP.CFG", "0\n");
    Corners(2000, 4005, 5000, 1005);
    tool.TransformContents(1, 0, 0);
    EXPECT_EQ(tool.PickX1(), 1010);
}

} // namespace
