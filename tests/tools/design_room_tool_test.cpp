// The design-room tool's new rooms (place, identifiers, size texts, fill colour) and the internal
// wall made from a partition laid out in a tool.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "document/document.h"
#include "document/program_state.h"
#include "tests/support/program_directory.h"
#include "tools/intwall_object.h"
#include "tools/room_tools.h"
#include "tools/wall_tools.h"

namespace {

class NewDesignRoom : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGlobals();
        ObjectList.Flush();
        ObjectList.ProgramDirectory = dir.Path();
        ObjectList.SetDrawingName("HOUSE");
        SheetWidth = 16000;
        SheetHeight = 10000;
        ZoomDivisor = 5;
        ScrollOriginX = ScrollOriginY = 0;
        MetricUnits = 1;
        CurrentView = kRoomLayout;
        std::strcpy(ObjectList.CurrentRoomName, "kitchen");
    }
    void TearDown() override {
        ObjectList.Flush();
        ResetGlobals();
    }

    static const TRoomobj& Made(int32_t width, int32_t length) {
        TDRoomobjtool tool;
        tool.Start(width, length, 0);
        return *dynamic_cast<const TRoomobj*>(ObjectList[ObjectList.count - 1]);
    }

    testsupport::ProgramDirectory dir;
};

TEST_F(NewDesignRoom, MetricRoomSitsAtTheLowerLeftWithItsTexts) {
    const TRoomobj& r = Made(3600, 4200);
    EXPECT_EQ(r.kind, kDesignRoom);
    EXPECT_EQ(r.x1, 50);
    EXPECT_EQ(r.y1, 4250);
    EXPECT_EQ(r.x2, 3650);
    EXPECT_EQ(r.y2, 50);
    EXPECT_STREQ(r.name, "kitchen");
    EXPECT_STREQ(r.widthText, "3600");
    EXPECT_STREQ(r.lengthText, "4200");
    EXPECT_NE(dir.ReadFile("DWGS/HOUSE.DB0").find("29000"), std::string::npos);
}

TEST_F(NewDesignRoom, IdentifiersAreTwoApartOnTheFloorsBase) {
    const int32_t first = Made(3000, 3000).id;
    const int32_t second = Made(3000, 3000).id;
    EXPECT_EQ(second - first, 2);
    EXPECT_EQ(first, 10000 + IdCounter - 2);
    CurrentView = 41;
    const int32_t onLayout = Made(3000, 3000).id;
    EXPECT_EQ(onLayout, 10000 + IdCounter);
    CurrentView = kFirstFloor;
    const int32_t onFloor = Made(3000, 3000).id;
    EXPECT_EQ(onFloor, 11000 + IdCounter);
}

TEST_F(NewDesignRoom, ImperialTextsAreFeetInchesAndEighths) {
    MetricUnits = 0;
    ZoomDivisor = 6;
    const TRoomobj& r = Made(972, 984);
    EXPECT_STREQ(r.widthText, "3' 4 1/2''");
    EXPECT_STREQ(r.lengthText, "3' 5''");
    EXPECT_STREQ(Made(5, 984).widthText, "0' 0 0/0''"); // no whole eighth
}

TEST_F(NewDesignRoom, FillAndSizeLabelsComeFromTheNewRoomFile) {
    dir.WriteFile("CFG/RMCLR.CFG", "111 222 333\n");
    dir.WriteFile("CFG/NEWRM.CFG", "3 4");
    EXPECT_EQ(Made(3000, 3000).fillColour, 333u);
    EXPECT_EQ(Made(3000, 3000).value1, 3);
    dir.WriteFile("CFG/NEWRM.CFG", "0 1");
    EXPECT_EQ(Made(3000, 3000).fillColour, BackgroundColour);
    // The fixed-room dialogs write no colour choice: the room keeps the tool's own.
    dir.WriteFile("CFG/NEWRM.CFG", "2 0");
    EXPECT_EQ(Made(3000, 3000).fillColour, BackgroundColour);
}

TEST_F(NewDesignRoom, PartitionLaidOutInAToolBecomesAWallEvenWithCoincidentFaces) {
    TIntwallobjtool tool;
    tool.X0 = tool.FaceStartX = 1000;
    tool.Y0 = tool.FaceStartY = 2000;
    tool.X1 = tool.FaceEndX = 4000;
    tool.Y1 = tool.FaceEndY = 2000;
    tool.Thickness = 100;
    ASSERT_EQ(CreateIntwallObject(tool), tools::WriteResult::Ok);
    const auto* wall = dynamic_cast<const TIntwallobj*>(ObjectList[ObjectList.count - 1]);
    ASSERT_NE(wall, nullptr);
    EXPECT_EQ(wall->state, 1);
    EXPECT_EQ(wall->q2x, 4000);
    EXPECT_EQ(wall->thickness, 100);
    EXPECT_NE(dir.ReadFile("DWGS/HOUSE.DB0").find("1500"), std::string::npos);
}

} // namespace
