// Finishing design rooms with the internal-wall tool: partitions and mask lines in the document and the
// working file, the rooms retyped onto the floor, the cleared wall marks and the repaint box.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "document/document.h"
#include "document/program_state.h"
#include "tests/support/program_directory.h"
#include "tools/wall_tools.h"

namespace {

class FinishRooms : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGlobals();
        ObjectList.Flush();
        ObjectList.ProgramDirectory = dir.Path();
        ObjectList.SetDrawingName("HOUSE");
        ZoomDivisor = 5;
        MetricUnits = 1;
        CurrentView = kGroundFloor;
    }
    void TearDown() override {
        ObjectList.Flush();
        ResetGlobals();
    }

    static void Room(int32_t x1, int32_t y1, int32_t x2, int32_t y2, const char* name = "Bed 1",
                     int32_t group = 10005, int32_t view = kGroundFloor) {
        ObjectList.Add(std::make_unique<TRoomobj>(view, kDesignRoom, 1, 0, group, group, x1, 0, x2, 0, y1, y2,
                                                  0, 0, 10, x2 - x1, y1 - y2, 0, name, "", ""));
    }

    // The tool as command 527 installs it, started in the given finishing mode.
    static TIntwallobjtool Finish(int32_t mode = 1) {
        TIntwallobjtool tool;
        tool.Mode = intwall::kFinishRooms;
        tool.Start(0, 0, mode);
        return tool;
    }

    static std::vector<const TObject*> OfKind(const TList& list, int32_t kind) {
        std::vector<const TObject*> found;
        for (int32_t i = 0; i < list.count; ++i)
            if (list[i]->kind == kind) found.push_back(list[i]);
        return found;
    }

    static std::vector<const TIntwallobj*> Partitions() {
        std::vector<const TIntwallobj*> walls;
        for (const TObject* o : OfKind(ObjectList, kIntWall))
            walls.push_back(static_cast<const TIntwallobj*>(o));
        return walls;
    }

    // The number of objects of the kind in the working file as read back.
    int32_t InFile(int32_t kind) const {
        TList copy;
        copy.ProgramDirectory = dir.Path();
        copy.SetDrawingName("HOUSE");
        const int32_t units = MetricUnits;
        EXPECT_EQ(copy.ReadDrawingFile(1), FileResult::Ok);
        MetricUnits = units;
        return static_cast<int32_t>(OfKind(copy, kind).size());
    }

    testsupport::ProgramDirectory dir;
};

TEST_F(FinishRooms, RoomInTheOpenGetsFourPartitionsOfTheFloorsThickness) {
    Room(1000, 4000, 4000, 1000);
    Finish();
    struct Expected {
        int32_t x1, y1, x2, y2, q1x, q1y, q2x, q2y, angle;
    };
    const Expected expected[] = {{900, 4100, 900, 900, 1000, 4000, 1000, 1000, 1800},
                                 {4100, 4100, 4100, 900, 4000, 4000, 4000, 1000, 1800},
                                 {900, 4100, 4100, 4100, 1000, 4000, 4000, 4000, 900},
                                 {900, 900, 4100, 900, 1000, 1000, 4000, 1000, 900}};
    const auto walls = Partitions();
    ASSERT_EQ(walls.size(), 4u);
    for (size_t i = 0; i < walls.size(); ++i) {
        const TIntwallobj& w = *walls[i];
        const Expected& e = expected[i];
        EXPECT_EQ((std::vector{w.x1, w.y1, w.x2, w.y2, w.q1x, w.q1y, w.q2x, w.q2y, w.direction}),
                  (std::vector{e.x1, e.y1, e.x2, e.y2, e.q1x, e.q1y, e.q2x, e.q2y, e.angle}))
            << i;
        EXPECT_EQ((std::vector{w.view, w.id, w.group, w.thickness, w.state}),
                  (std::vector{kGroundFloor, 10005, 10005, 100, 1}));
    }
    EXPECT_TRUE(OfKind(ObjectList, kLine).empty());
    const auto labels = OfKind(ObjectList, kRoomNameLabel);
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ((std::vector{labels[0]->x1, labels[0]->y1, labels[0]->id, labels[0]->group}),
              (std::vector{2500, 2500, 10006, 10005}));
    EXPECT_EQ(ObjectList[0]->kind, kFinishedRoom);
    EXPECT_EQ(InFile(kIntWall), 4);
    EXPECT_EQ(InFile(kFinishedRoom), 1);
}

TEST_F(FinishRooms, SharedSideIsBuiltOnceAndMaskedWhereTheNeighbourMeetsIt) {
    Room(1000, 4000, 4000, 1000, "Bed 1", 10005);
    Room(4000, 4000, 7000, 1000, "Bed 2", 10009);
    Finish();
    int32_t onSharedLine = 0;
    for (const TIntwallobj* w : Partitions())
        if (w->q1x == 4000 && w->q2x == 4000) ++onSharedLine;
    EXPECT_EQ(onSharedLine, 1);
    EXPECT_EQ(Partitions().size(), 7u);
    const auto masks = OfKind(ObjectList, kLine);
    ASSERT_EQ(masks.size(), 2u);
    EXPECT_EQ((std::vector{masks[0]->x1, masks[0]->y1, masks[0]->x2, masks[0]->y2, masks[0]->group}),
              (std::vector{4000, 4075, 4000, 4025, 10009}));
    EXPECT_EQ(masks[1]->colour, BackgroundColour);
}

TEST_F(FinishRooms, OnlyTheExactSpaceNamesAreLeftWithoutPartitions) {
    const struct {
        const char* name;
        size_t partitions;
    } cases[] = {{"space", 0}, {"SPACE", 0}, {"Space", 4}};
    for (const auto& c : cases) {
        ObjectList.Flush();
        Room(1000, 4000, 4000, 1000, c.name);
        Finish();
        EXPECT_EQ(Partitions().size(), c.partitions) << c.name;
        EXPECT_EQ(ObjectList[0]->kind, kFinishedRoom) << c.name;
    }
}

TEST_F(FinishRooms, LayoutRoomsAreFinishedOntoTheFloor) {
    Room(1000, 4000, 4000, 1000, "Bed 1", 10005, kRoomLayout);
    Room(1000, 4000, 4000, 1000, "Bed 2", 10009, 41);
    Finish(2);
    EXPECT_EQ((std::vector{ObjectList[0]->kind, ObjectList[0]->view}),
              (std::vector{kFinishedRoom, kGroundFloor}));
    EXPECT_EQ((std::vector{ObjectList[1]->kind, ObjectList[1]->view}), (std::vector{kDesignRoom, 41}));
    const auto walls = Partitions();
    ASSERT_EQ(walls.size(), 4u);
    for (const TIntwallobj* w : walls)
        EXPECT_EQ(w->view, kGroundFloor);
}

TEST_F(FinishRooms, WallMarksAreClearedOnEveryFloorEvenWithoutRooms) {
    const int32_t attr[4] = {};
    ObjectList.Add(std::make_unique<TIntwallobj>(kFirstFloor, kIntWall, 1, 0, 1, 1, 0, 1, 0, 0, 500, 0, 0,
                                                 100, 0, 0, 0, 0, 1, 0, 100, 0, 500, 100, 0, attr, 0, 0));
    const TIntwallobjtool tool = Finish();
    EXPECT_EQ(ObjectList[0]->aux1, 0);
    EXPECT_EQ(ObjectList.count, 1);
    EXPECT_EQ(InFile(kIntWall), 1);
    EXPECT_EQ((std::vector{tool.BoxLeft, tool.BoxRight, tool.BoxTop, tool.BoxBottom}),
              (std::vector{300000, 0, 0, 300000}));
}

TEST_F(FinishRooms, BoxEnclosesTheFinishedRoomsWidenedByTwoThicknessesOnScreen) {
    Room(1000, 4000, 4000, 1000);
    Room(6000, 9000, 8000, 2000, "Bed 2", 10009);
    const TIntwallobjtool tool = Finish();
    EXPECT_EQ((std::vector{tool.BoxLeft, tool.BoxRight, tool.BoxTop, tool.BoxBottom}),
              (std::vector{0, 9000, 10000, 0}));
}

TEST_F(FinishRooms, ModeOtherThanOneOrTwoChangesNothing) {
    Room(1000, 4000, 4000, 1000);
    Finish(3);
    EXPECT_EQ(ObjectList.count, 1);
    EXPECT_EQ(ObjectList[0]->kind, kDesignRoom);
    EXPECT_FALSE(dir.Exists("DWGS/HOUSE.DB0"));
}

} // namespace
