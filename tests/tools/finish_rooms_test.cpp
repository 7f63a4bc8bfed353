// Finishing design rooms with the internal-wall tool: partitions and mask lines in the document and the
// working file, the rooms retyped onto the floor, the cleared wall marks and the repaint box.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "document/document.h"
#include "document/program_state.h"
#include "tests/support/clean_state.h"
#include "tests/support/program_directory.h"
#include "tools/wall_tools.h"

namespace {

class FinishRooms : public testsupport::CleanStateTest {
protected:
    void SetUp() override {
        ObjectList.ProgramDirectory = dir.Path();
        ObjectList.SetDrawingName("HOUSE");
        ZoomDivisor = 5;
        MetricUnits = 1;
        CurrentView = kGroundFloor;
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

    template <class T = TObject> static std::vector<const T*> OfKind(int32_t kind) {
        std::vector<const T*> found;
        for (int32_t i = 0; i < ObjectList.count; ++i)
            if (ObjectList[i]->kind == kind) found.push_back(static_cast<const T*>(ObjectList[i]));
        return found;
    }

    // Records of the kind in the working file: each starts with its kind on a line of its own.
    size_t InFile(int32_t kind) const {
        const std::string text = dir.ReadFile("DWGS/HOUSE.DB0"), tag = "\n" + std::to_string(kind) + "\n";
        size_t n = 0;
        for (size_t at = text.find(tag); at != std::string::npos; at = text.find(tag, at + 1))
            ++n;
        return n;
    }

    testsupport::ProgramDirectory dir;
};

TEST_F(FinishRooms, RoomInTheOpenGetsFourPartitionsOfTheFloorsThicknessAndItsLabel) {
    Room(1000, 4000, 4000, 1000);
    Finish();
    const std::vector<std::vector<int32_t>> expected = {{900, 4100, 900, 900, 1000, 4000, 1000, 1000, 1800},
                                                        {4100, 4100, 4100, 900, 4000, 4000, 4000, 1000, 1800},
                                                        {900, 4100, 4100, 4100, 1000, 4000, 4000, 4000, 900},
                                                        {900, 900, 4100, 900, 1000, 1000, 4000, 1000, 900}};
    const auto walls = OfKind<TIntwallobj>(kIntWall);
    ASSERT_EQ(walls.size(), 4u);
    for (size_t i = 0; i < walls.size(); ++i) {
        const TIntwallobj& w = *walls[i];
        EXPECT_EQ((std::vector{w.x1, w.y1, w.x2, w.y2, w.q1x, w.q1y, w.q2x, w.q2y, w.direction}),
                  expected[i]);
        EXPECT_EQ((std::vector{w.view, w.id, w.group, w.thickness}),
                  (std::vector{kGroundFloor, 10005, 10005, 100}));
    }
    EXPECT_TRUE(OfKind(kLine).empty());
    const auto labels = OfKind(kRoomNameLabel);
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ((std::vector{labels[0]->x1, labels[0]->y1, labels[0]->id, labels[0]->group}),
              (std::vector{2500, 2500, 10006, 10005}));
    EXPECT_EQ(ObjectList[0]->kind, kFinishedRoom);
    EXPECT_EQ(InFile(kIntWall), 4u);
    EXPECT_EQ(InFile(kFinishedRoom), 1u);
}

TEST_F(FinishRooms, SharedSideIsBuiltOnceAndMaskedWhereTheSecondRoomMeetsIt) {
    Room(1000, 4000, 4000, 1000, "Bed 1", 10005);
    Room(4000, 4000, 7000, 1000, "Bed 2", 10009);
    const TIntwallobjtool tool = Finish();
    const auto walls = OfKind<TIntwallobj>(kIntWall);
    EXPECT_EQ(walls.size(), 7u);
    EXPECT_EQ(
        std::count_if(walls.begin(), walls.end(), [](auto* w) { return w->q1x == 4000 && w->q2x == 4000; }),
        1);
    // The first room's partitions fill the corner square past its right side: the second room's top
    // partition starts beyond it, on the first one's outer face, and masks that face there.
    const auto masks = OfKind(kLine);
    ASSERT_EQ(masks.size(), 2u);
    EXPECT_EQ((std::vector{masks[0]->x1, masks[0]->y1, masks[0]->x2, masks[0]->y2, masks[0]->group}),
              (std::vector{4100, 4075, 4100, 4025, 10009}));
    EXPECT_EQ(masks[1]->colour, BackgroundColour);
    // The repaint box encloses both rooms, widened by 2 x ZoomDivisor x T.
    EXPECT_EQ((std::vector{tool.BoxLeft, tool.BoxRight, tool.BoxTop, tool.BoxBottom}),
              (std::vector{0, 8000, 5000, 0}));
}

TEST_F(FinishRooms, OnlyTheExactSpaceNamesAreLeftWithoutPartitions) {
    for (const auto& [name, partitions] : {std::pair{"space", 0u}, {"SPACE", 0u}, {"Space", 4u}}) {
        ObjectList.Flush();
        Room(1000, 4000, 4000, 1000, name);
        Finish();
        EXPECT_EQ(OfKind(kIntWall).size(), partitions) << name;
        EXPECT_EQ(ObjectList[0]->kind, kFinishedRoom) << name;
    }
}

TEST_F(FinishRooms, LayoutRoomsAreFinishedOntoTheFloor) {
    Room(1000, 4000, 4000, 1000, "Bed 1", 10005, kRoomLayout);
    Room(1000, 4000, 4000, 1000, "Bed 2", 10009, 41);
    Finish(2);
    EXPECT_EQ((std::vector{ObjectList[0]->kind, ObjectList[0]->view}),
              (std::vector{kFinishedRoom, kGroundFloor}));
    EXPECT_EQ((std::vector{ObjectList[1]->kind, ObjectList[1]->view}), (std::vector{kDesignRoom, 41}));
    const auto walls = OfKind(kIntWall);
    ASSERT_EQ(walls.size(), 4u);
    EXPECT_EQ(walls[0]->view, kGroundFloor);
}

TEST_F(FinishRooms, WallMarksAreClearedOnEveryFloorEvenWithoutRooms) {
    const int32_t attr[4] = {};
    ObjectList.Add(std::make_unique<TIntwallobj>(kFirstFloor, kIntWall, 1, 0, 1, 1, 0, 1, 0, 0, 500, 0, 0,
                                                 100, 0, 0, 0, 0, 1, 0, 100, 0, 500, 100, 0, attr, 0, 0));
    const TIntwallobjtool tool = Finish();
    EXPECT_EQ(ObjectList[0]->aux1, 0);
    EXPECT_EQ(InFile(kIntWall), 1u);
    EXPECT_EQ((std::vector{tool.BoxLeft, tool.BoxRight, tool.BoxTop, tool.BoxBottom}),
              (std::vector{300000, 0, 0, 300000}));
}

} // namespace
