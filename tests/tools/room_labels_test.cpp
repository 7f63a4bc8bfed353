// The label step of a finished room: name label, size pairs or combined text, and their ids.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "document/document.h"
#include "document/program_state.h"
#include "tests/support/clean_state.h"
#include "tests/support/program_directory.h"
#include "tools/room_labels.h"
#include "tools/wall_tools.h"

namespace {

constexpr int32_t kGroup = 10040;

class RoomLabels : public testsupport::CleanStateTest {
protected:
    void SetUp() override {
        ObjectList.ProgramDirectory = dir.Path();
        MetricUnits = 1;
        ZoomDivisor = 5;
        CurrentView = kGroundFloor;
        IdCounter = 40;
        dir.WriteFile("CFG/MOFFSET.CFG", "500 600 1200 0 9 9 10");
        dir.WriteFile("CFG/ARROW.CFG", "100 1");
    }

    // Labels a finished room of the name and size option with edges 1001..2000 x, 4000..1000 y.
    void Label(const char* name, int32_t sizeOption) {
        auto room = std::make_unique<TRoomobj>();
        room->kind = kFinishedRoom;
        room->value1 = sizeOption;
        room->SetName(name);
        room->SetWidthText("999");
        room->SetLengthText("3000");
        ObjectList.Add(std::move(room));
        tool.ObjectId = kGroup;
        LabelRoom(tool, 0, 1001, 2000, 4000, 1000);
    }

    std::vector<const TObject*> Made() const {
        std::vector<const TObject*> made;
        for (int32_t i = 1; i < ObjectList.count; ++i)
            made.push_back(ObjectList[i]);
        return made;
    }
    static const TTextobj& Text(const TObject* o) { return *dynamic_cast<const TTextobj*>(o); }
    static const TDimensobj& Line(const TObject* o) { return *dynamic_cast<const TDimensobj*>(o); }

    testsupport::ProgramDirectory dir;
    TIntwallobjtool tool;
};

TEST_F(RoomLabels, BothSizesMakeNameThenWidthPairThenLengthPair) {
    Label("kitchen", 2);
    const auto made = Made();
    ASSERT_EQ(made.size(), 5u);
    const TTextobj& name = Text(made[0]);
    EXPECT_EQ(name.kind, kRoomNameLabel);
    EXPECT_EQ(name.id, kGroup + 1);
    EXPECT_EQ((std::vector<int32_t>{name.x1, name.y1}),
              (std::vector<int32_t>{1500, 2500})); // truncated centre
    EXPECT_STREQ(name.text, "kitchen");

    const TTextobj& width = Text(made[1]);
    EXPECT_EQ(width.kind, kSizeLabel);
    EXPECT_EQ(width.id, kGroup + 2);
    EXPECT_EQ((std::vector<int32_t>{width.x1, width.y1, width.height}),
              (std::vector<int32_t>{1500, 3500, 9}));
    const TDimensobj& h = Line(made[2]);
    EXPECT_EQ(h.id, kGroup + 2);
    EXPECT_EQ((std::vector<int32_t>{h.x1, h.y1, h.x2, h.y2, h.d1x, h.d1y, h.d2x, h.d2y, h.value, h.value2}),
              (std::vector<int32_t>{1001, 3500, 1101, 3500, 2000, 3500, 1900, 3500, 1, 900}));

    const TTextobj& length = Text(made[3]);
    EXPECT_EQ(length.id, kGroup + 3);
    EXPECT_EQ((std::vector<int32_t>{length.x1, length.y1, length.angle}),
              (std::vector<int32_t>{1501, 2500, 0}));
    EXPECT_STREQ(length.text, "3000");
    const TDimensobj& v = Line(made[4]);
    EXPECT_EQ((std::vector<int32_t>{v.x1, v.y1, v.x2, v.y2, v.d1x, v.d1y, v.d2x, v.d2y, v.value2}),
              (std::vector<int32_t>{1501, 4000, 1501, 3900, 1501, 1000, 1501, 1100, 1800}));
    for (const TObject* o : made)
        EXPECT_EQ(o->group, kGroup);
    EXPECT_EQ(IdCounter, 43);
    EXPECT_EQ(tool.ObjectId, kGroup + 3);
}

struct OptionCase {
    const char* name;
    int32_t sizeOption;
    std::vector<int32_t> kinds;
    int32_t idsUsed;
};

class RoomLabelOptions : public RoomLabels, public ::testing::WithParamInterface<OptionCase> {};

TEST_P(RoomLabelOptions, MakeTheirObjectsAndAdvanceTheIds) {
    const OptionCase& c = GetParam();
    Label(c.name, c.sizeOption);
    std::vector<int32_t> kinds;
    for (const TObject* o : Made())
        kinds.push_back(o->kind);
    EXPECT_EQ(kinds, c.kinds);
    EXPECT_EQ(IdCounter, 40 + c.idsUsed);
}

INSTANTIATE_TEST_SUITE_P(Table, RoomLabelOptions,
                         ::testing::Values(OptionCase{"hall", 0, {kRoomNameLabel}, 1},
                                           OptionCase{"none", 3, {kSizeLabel, kManualDimension}, 2},
                                           OptionCase{"none", 4, {kSizeLabel, kManualDimension}, 2},
                                           OptionCase{"hall", 1, {kRoomNameLabel, kRoomNameLabel}, 1},
                                           OptionCase{"hall", 7, {kRoomNameLabel}, 1}));

TEST_F(RoomLabels, CombinedTextStandsBelowTheNameWithTheDropInY2) {
    Label("hall", 1);
    const TTextobj& combined = Text(Made()[1]);
    EXPECT_STREQ(combined.text, "999 x 3000");
    EXPECT_EQ(combined.id, kGroup + 1);
    EXPECT_EQ(combined.y1, 2500 - 250);
    EXPECT_EQ(combined.y2, 250);
}

} // namespace
