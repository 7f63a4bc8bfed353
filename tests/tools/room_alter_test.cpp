// Altering a finished room: re-opening it removes its generated parts and lists what lies inside it;
// the listed contents then follow the room's moves, quarter turns and side shifts.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "document/document.h"
#include "document/program_state.h"
#include "tests/support/program_directory.h"
#include "tools/room_tools.h"

namespace {

constexpr int32_t G = 10150; // the room's group, also an external wall's length
const int32_t kNoAttr[4] = {};

std::unique_ptr<TObject> Text(int32_t x, int32_t y, int32_t view = kGroundFloor) {
    return std::make_unique<TTextobj>(view, kText, 1, 0, 7, 7, x, 0, 900, 0, y, 50, 0, "sofa", "Sans", 0, 6,
                                      400, 100);
}
std::unique_ptr<TObject> Line(int32_t kind, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t group = 7,
                              int32_t view = kGroundFloor) {
    return std::make_unique<TLineobj>(view, kind, 1, 0, group, group, x1, 0, x2, 0, y1, y2, 0, 0, 0);
}
std::unique_ptr<TObject> Partition(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t group = 7,
                                   int32_t view = kGroundFloor, int32_t dy = 100) {
    return std::make_unique<TIntwallobj>(view, kIntWall, 1, 0, group, group, x1, 0, x2, 0, y1, y2, 0, 100, 0,
                                         0, 0, 0, 1, 0, x1, 0, y1 + dy, x2, y2 + dy, kNoAttr, 0, 0);
}
std::unique_ptr<TObject> Dimension(int32_t x1, int32_t y1, int32_t x3, int32_t y3, int32_t angle,
                                   int32_t group = 7, int32_t kind = kManualDimension) {
    return std::make_unique<TDimensobj>(kGroundFloor, kind, 1, 0, group, group, x1, 0, x1 + 10, 0, y1, y1, 0,
                                        1, x3, y3, x3 - 10, y3, angle);
}
std::unique_ptr<TObject> Arrow(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    return std::make_unique<TArrowobj>(kGroundFloor, kManualArrow, 1, 0, 7, 7, x1, 0, x2, 0, y1, y2, 0, x1,
                                       y1, x1, y1, x2, y2, x2, y2);
}
std::unique_ptr<TObject> Room(int32_t kind, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                              int32_t group = G) {
    return std::make_unique<TRoomobj>(kGroundFloor, kind, 1, 0, group, group, x1, 0, x2, 0, y1, y2, 0, 2, 10,
                                      x2 - x1, y1 - y2, 0, "Bed 1", "", "");
}
std::unique_ptr<TObject> Polygon(int32_t kind, int32_t view, int32_t count, int32_t x, int32_t y) {
    std::unique_ptr<TPolyobj> p;
    if (kind == kOpening)
        p = std::make_unique<TOpeningobj>();
    else
        p = std::make_unique<TPolyobj>();
    p->kind = kind;
    p->view = view;
    p->count = count;
    for (int32_t i = 0; i < count; ++i)
        p->px[i] = x + i, p->py[i] = y;
    return p;
}
std::unique_ptr<TObject> ExtWall(int32_t group) {
    const int32_t layers[12] = {};
    return std::make_unique<TExtwallobj>(kGroundFloor, kExtWall, 1, 0, group, group, 0, 0, 10150, 0, 0, 0, 0,
                                         110, 0, 0, 0, 0, 1, 900, layers, 0, 0, kNoAttr);
}

// Every coordinate the kind places itself by, in one list: the corners, then an arc's radial points,
// a wall's second face, a dimension's further points and its orientation.
std::vector<int32_t> Points(const TObject& o) {
    std::vector<int32_t> v{o.x1, o.y1, o.x2, o.y2};
    if (const auto* a = dynamic_cast<const TArcobj*>(&o)) v.insert(v.end(), {a->sx, a->sy, a->ex, a->ey});
    if (const auto* w = dynamic_cast<const TIntwallobj*>(&o))
        v.insert(v.end(), {w->q1x, w->q1y, w->q2x, w->q2y});
    if (const auto* d = dynamic_cast<const TDimensobj*>(&o))
        v.insert(v.end(), {d->d1x, d->d1y, d->d2x, d->d2y, d->value2});
    if (const auto* p = dynamic_cast<const TPolyobj*>(&o))
        for (int32_t i = 0; i < p->count; ++i)
            v.insert(v.end(), {p->px[i], p->py[i]});
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
        ZoomDivisor = 5;
        CurrentView = kGroundFloor;
        tool.Kind = tool.Mode = kReopenedRoom;
    }
    void TearDown() override {
        ObjectList.Flush();
        ResetGlobals();
    }

    static void Add(std::unique_ptr<TObject> o) { ObjectList.Add(std::move(o)); }
    void Corners(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
        tool.RoomX1() = x1, tool.RoomY1() = y1, tool.RoomX2() = x2, tool.RoomY2() = y2;
    }
    std::vector<int32_t> Kinds() const {
        std::vector<int32_t> kinds;
        for (int32_t i = 0; i < ObjectList.count; ++i)
            kinds.push_back(ObjectList[i]->kind);
        return kinds;
    }

    testsupport::ProgramDirectory dir;
    TDRoomobjtool tool;
};

TEST_F(RoomAlter, ReopeningRemovesOnlyTheRoomsGeneratedPartsOnItsFloor) {
    Add(ExtWall(G)); // its length happens to be the room's group
    Add(Partition(1000, 4000, 1000, 1000, G));
    Add(Line(kLine, 975, 2000, 1025, 2000, G)); // mask line
    Add(Line(kRoomNameLabel, 2500, 2500, 2500, 2500, G));
    Add(Partition(1000, 4000, 4000, 4000, G, kFirstFloor));
    Add(Room(kFinishedRoom, 1000, 4000, 4000, 1000));
    Add(Text(2000, 2000));
    Add(Line(kSizeLabel, 2500, 3700, 2500, 3700, G));
    Add(Dimension(1000, 3700, 4000, 3700, 900, G)); // the last object
    tool.PickedIndex = 5;
    tool.Command(tool.PickedIndex);

    EXPECT_EQ(Kinds(), (std::vector<int32_t>{kExtWall, kIntWall, kReopenedRoom, kText}));
    EXPECT_EQ(tool.PickedIndex, 2);
    EXPECT_EQ(tool.Mode, 0);
    EXPECT_EQ(tool.RoomX1(), 1000);
    EXPECT_EQ(tool.RoomY2(), 1000);
    EXPECT_EQ(dir.ReadFile("CFG/TEMP.CFG"), "1\n");
    EXPECT_EQ(dir.ReadFile("CFG/COPY.CFG"), "3 1000 4000\n");
    EXPECT_NE(dir.ReadFile("DWGS/HOUSE.DB0").find("29001"), std::string::npos);
    // The repaint box: the room widened by 113 units.
    EXPECT_EQ(tool.BoxLeft, 887);
    EXPECT_EQ(tool.BoxRight, 4113);
    EXPECT_EQ(tool.BoxTop, 4113);
    EXPECT_EQ(tool.BoxBottom, 887);
}

TEST_F(RoomAlter, NoRoomOrNoFinishedRoomReopensNothing) {
    Add(Room(kDesignRoom, 1000, 4000, 4000, 1000));
    Add(Line(kLine, 2000, 2000, 2100, 2000, G));
    tool.Command(kNoObject);
    EXPECT_FALSE(dir.Exists("DWGS/HOUSE.DB0"));
    EXPECT_EQ(tool.Mode, kReopenedRoom);
    // Not a finished room: nothing is removed, but the file is written and the rectangle listed.
    Corners(1000, 4000, 4000, 1000);
    tool.PickedIndex = 0;
    tool.Command(0);
    EXPECT_EQ(Kinds(), (std::vector<int32_t>{kDesignRoom, kLine}));
    EXPECT_TRUE(dir.Exists("DWGS/HOUSE.DB0"));
    EXPECT_EQ(tool.Mode, 0);
    EXPECT_EQ(dir.ReadFile("CFG/TEMP.CFG"), "1\n");
}

struct ContentCase {
    const char* what;
    std::function<std::unique_ptr<TObject>()> make;
    bool listed;
};

TEST_F(RoomAlter, ContentsAreWhatLiesStrictlyInsideTheWidenedRoom) {
    const ContentCase cases[] = {
        {"text on the widened edge", [] { return Text(987, 2000); }, false},
        {"text just inside it", [] { return Text(988, 2000); }, true},
        {"text by its anchor alone", [] { return Text(3990, 4010); }, true},
        {"line half out", [] { return Line(kLine, 2000, 2000, 4020, 2000); }, false},
        {"arrow half out", [] { return Arrow(2000, 2000, 2000, 900); }, false},
        {"dimension by corner and third point", [] { return Dimension(1100, 2000, 3900, 2000, 900, 7); },
         true},
        {"opening of another floor", [] { return Polygon(kOpening, kFirstFloor, 4, 2000, 2000); }, true},
        {"line of another floor", [] { return Line(kLine, 2000, 2000, 2100, 2000, 7, kFirstFloor); }, false},
        {"symbol without points", [] { return Polygon(500, kGroundFloor, 0, 0, 0); }, true},
        {"finished room inside", [] { return Room(kFinishedRoom, 1500, 3000, 2000, 2000, 99); }, true},
        {"design room inside", [] { return Room(kDesignRoom, 1500, 3000, 2000, 2000, 99); }, false},
        {"external wall inside", [] { return ExtWall(3); }, false},
    };
    for (const ContentCase& c : cases) {
        ObjectList.Flush();
        Add(Room(kReopenedRoom, 1000, 4000, 4000, 1000));
        Add(c.make());
        Corners(1000, 4000, 4000, 1000);
        tool.PickedIndex = 0;
        tool.ListRoomContents();
        EXPECT_EQ(ObjectList.ReadTempCount(), c.listed ? 1 : 0) << c.what;
    }
}

TEST_F(RoomAlter, ListedPartitionIsMarkedSoTheRoomDoesNotSnapToIt) {
    Add(Partition(2000, 3000, 2000, 1500));
    Add(Partition(2000, 3000, 2000, 900)); // reaches out of the room: not carried, not marked
    Corners(1000, 4000, 4000, 1000);
    tool.PickedIndex = 0;
    tool.ListRoomContents();
    EXPECT_EQ(ObjectList[0]->aux1, 1);
    EXPECT_EQ(ObjectList[1]->aux1, 0);
}

struct TransformCase {
    const char* what;
    int32_t mode, side, step;
    RECT room; // left, top, right, bottom
    std::function<std::unique_ptr<TObject>()> make;
    std::vector<int32_t> expected; // Points() after the call
};

TEST_F(RoomAlter, ContentsFollowTheRoomsTurnsAndSideShifts) {
    const TransformCase cases[] = {
        {"line turns a quarter clockwise",
         2,
         0,
         0,
         {0, 1000, 2000, 0},
         [] { return Line(kLine, 1000, 500, 2000, 500); },
         {1000, 500, 1000, -500}},
        {"dimension 2700 turns to 0",
         2,
         0,
         0,
         {0, 1000, 2000, 0},
         [] { return Dimension(1000, 500, 1000, 600, 2700); },
         {1000, 500, 1000, 490, 1100, 500, 1100, 510, 0}},
        {"dimension 900 turns to 1800",
         2,
         0,
         0,
         {0, 1000, 2000, 0},
         [] { return Dimension(1000, 500, 1000, 500, 900); },
         {1000, 500, 1000, 490, 1000, 500, 1000, 510, 1800}},
        {"finished room turns",
         2,
         0,
         0,
         {0, 1000, 2000, 0},
         [] { return Room(kFinishedRoom, 900, 600, 1100, 400); },
         {1100, 600, 900, 400}},
        {"text turns its anchor, keeps its angle words",
         2,
         0,
         0,
         {0, 1000, 2000, 0},
         [] { return Text(1100, 500); },
         {1000, 400, 900, 50}},
        {"rectangle goes out with the right side",
         4,
         2,
         10,
         {0, 100, 50, 0},
         [] {
             return std::make_unique<TRectangleobj>(kGroundFloor, kRectangle, 1, 0, 7, 7, 0, 0, 50, 0, 100, 0,
                                                    0);
         },
         {10, 100, 60, 0}},
        {"arc goes out with the right side",
         4,
         2,
         10,
         {0, 100, 50, 0},
         [] {
             return std::make_unique<TArcobj>(kGroundFloor, kArc, 1, 0, 7, 7, 0, 0, 50, 0, 100, 0, 0, 0, 50,
                                              50, 100);
         },
         {10, 100, 60, 0, 10, 50, 60, 100}},
        {"partition across the left side shortens",
         3,
         4,
         10,
         {0, 100, 100, 0},
         [] { return Partition(0, 50, 100, 50); },
         {10, 50, 100, 50, 10, 150, 100, 150}},
        {"partition along the left side moves in",
         3,
         4,
         10,
         {0, 100, 100, 0},
         [] { return Partition(0, 0, 0, 100, 7, kGroundFloor, 0); },
         {10, 0, 10, 100, 10, 0, 10, 100}},
        {"partition across the top lengthens",
         4,
         1,
         10,
         {0, 100, 100, 0},
         [] { return Partition(50, 0, 50, 90, 7, kGroundFloor, 0); },
         {50, 0, 50, 100, 50, 0, 50, 100}},
        {"finished room stays on a side shift",
         4,
         2,
         10,
         {0, 100, 100, 0},
         [] { return Room(kFinishedRoom, 10, 90, 20, 80); },
         {10, 90, 20, 80}},
        {"a mode of no meaning changes nothing",
         5,
         2,
         10,
         {0, 100, 100, 0},
         [] { return Line(kLine, 10, 10, 20, 20); },
         {10, 10, 20, 20}},
    };
    for (const TransformCase& c : cases) {
        ObjectList.Flush();
        Add(c.make());
        dir.WriteFile("CFG/TEMP.CFG", "2\n");
        dir.WriteFile("CFG/COPY.CFG", "30000 0 0\n0 0 0\n"); // an index of no object is passed over
        Corners(c.room.left, c.room.top, c.room.right, c.room.bottom);
        tool.TransformContents(c.mode, c.side, c.step);
        EXPECT_EQ(Points(*ObjectList[0]), c.expected) << c.what;
    }
}

TEST_F(RoomAlter, TurnCentreTruncatesTowardZeroAndIsLeftInThePointer) {
    dir.WriteFile("CFG/TEMP.CFG", "1\n");
    dir.WriteFile("CFG/COPY.CFG", "0 0 0\n");
    const struct { int32_t x1, x2, cx; } cases[] = {{0, 5, 2}, {-5, 0, -3}, {0, 2000, 1000}};
    for (const auto& c : cases) {
        Corners(c.x1, 1001, c.x2, 0);
        tool.TransformContents(2, 0, 0);
        EXPECT_EQ(tool.LastX, c.cx);
        EXPECT_EQ(tool.LastY, 501);
    }
}

TEST_F(RoomAlter, RepeatedMovesCarryEachNewDisplacementOnce) {
    Add(Text(2000, 2000));
    dir.WriteFile("CFG/TEMP.CFG", "1\n");
    dir.WriteFile("CFG/COPY.CFG", "0 0 0\n");
    tool.PickX1() = 1000;
    tool.PickY1() = 4000;
    Corners(1010, 4000, 4010, 1000);
    tool.TransformContents(1, 0, 0);
    EXPECT_EQ(ObjectList[0]->x1, 2010);
    Corners(1010, 4005, 4010, 1005);
    tool.TransformContents(1, 0, 0);
    EXPECT_EQ(ObjectList[0]->x1, 2010);
    EXPECT_EQ(ObjectList[0]->y1, 2005);
    // An empty list changes nothing, not even the move origin.
    dir.WriteFile("CFG/TEMP.CFG", "0\n");
    Corners(2000, 4005, 5000, 1005);
    tool.TransformContents(1, 0, 0);
    EXPECT_EQ(tool.PickX1(), 1010);
}

} // namespace
