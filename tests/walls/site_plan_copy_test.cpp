// A new site plan starts from a copy of the ground floor's external walls.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "document/document.h"
#include "document/program_state.h"
#include "tests/support/program_directory.h"
#include "walls/site_plan_copy.h"

namespace {

class SitePlanCopy : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGlobals();
        ObjectList.Flush();
        ObjectList.ProgramDirectory = dir.Path();
        ObjectList.SetDrawingName("SITE");
        MetricUnits = 1;
    }
    void TearDown() override {
        ObjectList.Flush();
        ResetGlobals();
    }
    static void Wall(int32_t view, int32_t id) {
        const int32_t points[12] = {1000, 1890, 5000, 1890};
        const int32_t attr[4] = {7, 7, 7, 7};
        ObjectList.Add(std::make_unique<TExtwallobj>(view, kExtWall, 3, 2, id, 4000, 1000, 25, 5000, 2575,
                                                     2000, 2000, 255, 110, 0, 0, 4, 5, 9, 900, points, 6, 8,
                                                     attr));
    }
    bool FileWritten() const {
        return std::filesystem::exists(ObjectList.DrawingFilePath(filemode::kWorking));
    }

    testsupport::ProgramDirectory dir;
};

TEST_F(SitePlanCopy, CopiesOnlyTheGroundFloorsExternalWallsBesideWhatIsThere) {
    Wall(kGroundFloor, 10001);
    Wall(kFirstFloor, 11002);
    ObjectList.Add(std::make_unique<TLineobj>(kSitePlan, kLine, 1, 0, 0, 0, 0, 0, 900, 0, 0, 900, 0, 0, 0));
    ObjectList.Add(std::make_unique<TObject>(kGroundFloor, kIntWall, 1, 0, 3, 3, 0, 0, 10, 0, 0, 10, 0));
    ASSERT_TRUE(CopyGroundWallsToSitePlan(ObjectList));
    ASSERT_EQ(ObjectList.count, 5);
    EXPECT_EQ(ObjectList[2]->view, kSitePlan); // the plot line drawn before stays
    const auto& copy = dynamic_cast<const TExtwallobj&>(*ObjectList[4]);
    const auto& ground = dynamic_cast<const TExtwallobj&>(*ObjectList[0]);
    EXPECT_EQ(copy.view, kSitePlan);
    EXPECT_EQ(copy.id, 10001);
    EXPECT_EQ((std::vector<int32_t>{copy.penWidth, copy.penStyle, copy.state, copy.attr[0], copy.attr[3]}),
              (std::vector<int32_t>{1, 0, 1, 0, 0}));
    EXPECT_EQ((std::vector<int32_t>{copy.x1, copy.y1, copy.x2, copy.y2, copy.group, copy.aux2,
                                    copy.thickness1, copy.setting2, copy.direction, copy.p2x, copy.value2}),
              (std::vector<int32_t>{ground.x1, ground.y1, ground.x2, ground.y2, ground.group, ground.aux2,
                                    ground.thickness1, ground.setting2, ground.direction, ground.p2x,
                                    ground.value2}));
    EXPECT_TRUE(FileWritten());
}

TEST_F(SitePlanCopy, WritesTheFileWhenThereIsNothingToCopy) {
    Wall(kFirstFloor, 11002);
    ASSERT_TRUE(CopyGroundWallsToSitePlan(ObjectList));
    EXPECT_EQ(ObjectList.count, 1);
    EXPECT_TRUE(FileWritten());
}

} // namespace
