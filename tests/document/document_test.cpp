#include <gtest/gtest.h>

#include "tests/document/document_fixture.h"

namespace {

class DocumentArrayTest : public DocumentTest {};

TEST_F(DocumentArrayTest, RoomGrowsByTensAsObjectsAreAppended) {
    EXPECT_EQ(ObjectList.Room(), 51);
    for (int i = 0; i < 51; ++i)
        ObjectList.Add(make::Line(kLine, i, 0, i, 1));
    EXPECT_EQ(ObjectList.Room(), 51);
    ObjectList.Add(make::Line(kLine, 0, 0, 0, 1));
    EXPECT_EQ(ObjectList.Room(), 61);
    for (int i = 0; i < 10; ++i)
        ObjectList.Add(make::Line(kLine, 0, 0, 0, 1));
    EXPECT_EQ(ObjectList.count, 62);
    EXPECT_EQ(ObjectList.Room(), 71);
    ObjectList.Flush();
    EXPECT_EQ(ObjectList.count, 0);
    EXPECT_EQ(ObjectList.Room(), 71);
    EXPECT_EQ(ObjectList[0], nullptr);
}

TEST_F(DocumentArrayTest, RemoveAtClosesTheGap) {
    for (int i = 0; i < 3; ++i)
        ObjectList.Add(make::Line(kLine, i, 0, i, 1));
    ObjectList.RemoveAt(1);
    ASSERT_EQ(ObjectList.count, 2);
    EXPECT_EQ(ObjectList[1]->x1, 2);
    ObjectList.RemoveAt(5); // outside: nothing happens
    EXPECT_EQ(ObjectList.count, 2);
}

TEST_F(DocumentArrayTest, EmptyDocumentAnswersNone) {
    EXPECT_EQ(ObjectList.FindKind(kLine), kNoObject);
    EXPECT_EQ(ObjectList.FindObject(pickmode::kWall, 0, 0), kNoObject);
    EXPECT_EQ(ObjectList.FindObject(pickmode::kText, 0, 0), kNoObject);
    EXPECT_EQ(ObjectList.RoomKindAt(0, 0), 0);
    EXPECT_EQ(ObjectList.FloorHasObjects(kGroundFloor), 0);
    EXPECT_EQ(ObjectList.UpperFloorsUsed(), 0);
}

TEST_F(DocumentArrayTest, FindKindGivesTheFirstInArrayOrder) {
    ObjectList.Add(make::Line(kLine, 0, 0, 1, 1));
    ObjectList.Add(make::Line(kOutlineLine, 0, 0, 1, 1));
    ObjectList.Add(make::Line(kOutlineLine, 0, 0, 1, 1));
    EXPECT_EQ(ObjectList.FindKind(kOutlineLine), 1);
}

TEST_F(DocumentArrayTest, RoomEdgesAreOutside) {
    ZoomDivisor = 5;
    ObjectList.Add(make::Room(kFinishedRoom, 0, 1000, 1000, 0, "finished"));
    ObjectList.Add(make::Room(kReopenedRoom, 0, 1000, 1000, 0, "room"));
    EXPECT_EQ(ObjectList.RoomKindAt(100, 100), kReopenedRoom);
    EXPECT_EQ(ObjectList.RoomKindAt(0, 100), 0);   // x = 0 on the left edge
    EXPECT_EQ(ObjectList.RoomKindAt(200, 100), 0); // x = 1000 on the right edge
    EXPECT_EQ(ObjectList.RoomKindAt(100, 200), 0); // y = 1000 on the top edge
    EXPECT_EQ(ObjectList.RoomKindAt(1, 1), kReopenedRoom);
    CurrentView = kFirstFloor;
    EXPECT_EQ(ObjectList.RoomKindAt(100, 100), 0);
}

TEST_F(DocumentArrayTest, WallPickUsesTheWidenedBoxesStrictly) {
    ZoomDivisor = 1;
    // Internal wall 100 thick: margin 50 + 1 around each face.
    ObjectList.Add(make::IntWall(0, 0, 1000, 0, 100));
    EXPECT_EQ(ObjectList.FindObject(pickmode::kWall, 500, 50), 0);
    EXPECT_EQ(ObjectList.FindObject(pickmode::kWall, 500, -150), 0); // near the second face (y = -100)
    EXPECT_EQ(ObjectList.FindObject(pickmode::kWall, 500, 51), kNoObject);
    EXPECT_EQ(ObjectList.FindObject(pickmode::kWall, -51, 0), kNoObject);
    EXPECT_EQ(ObjectList.FindObject(pickmode::kWall, -50, 0), 0);
    // External wall 275 thick: margin 137 + 1; the inner box is p5-p6 of a four-line wall.
    ObjectList.Flush();
    ObjectList.Add(make::ExtWall(0, 5000, 1000, 5000));
    EXPECT_EQ(ObjectList.FindObject(pickmode::kWall, 500, 5000 + 137), 0);
    EXPECT_EQ(ObjectList.FindObject(pickmode::kWall, 500, 5000 + 138), kNoObject);
    EXPECT_EQ(ObjectList.FindObject(pickmode::kWall, 500, 5000 - 275 - 137), 0);
    EXPECT_EQ(ObjectList.FindObject(pickmode::kWall, 500, 5000 - 275 - 138), kNoObject);
    EXPECT_EQ(ObjectList.FindObject(7, 500, 5000), kNoObject);
}

TEST_F(DocumentArrayTest, TextPickLooksAroundTheAnchor) {
    ZoomDivisor = 2;
    ObjectList.Add(make::Line(kLine, 0, 0, 1, 1));
    ObjectList.Add(make::Text(kSizeLabel, 1000, 1000, "3600", "Sans"));
    EXPECT_EQ(ObjectList.FindObject(pickmode::kText, 500, 500), 1);
    EXPECT_EQ(ObjectList.FindObject(pickmode::kText, 550, 500), kNoObject); // 1100 - 100 is not below 1000
    EXPECT_EQ(ObjectList.FindObject(pickmode::kText, 549, 451), 1);
}

TEST_F(DocumentArrayTest, FloorHasObjectsIgnoresFloorRecords) {
    for (int32_t f : {kGroundFloor, kFirstFloor, kSecondFloor, kFourthLevel})
        ObjectList.Add(make::FloorRecord(f));
    EXPECT_EQ(ObjectList.FloorHasObjects(kGroundFloor), 0);
    EXPECT_EQ(ObjectList.FloorHasObjects(kFourthLevel), 0);
    auto line = make::Line(kLine, 0, 0, 1, 1);
    line->view = kFirstFloor;
    ObjectList.Add(std::move(line));
    EXPECT_EQ(ObjectList.FloorHasObjects(kFirstFloor), 1);
    EXPECT_EQ(ObjectList.FloorHasObjects(500), 0);
    ObjectList.Add(make::Polygon(500, 3, 0, 0));
    EXPECT_EQ(ObjectList.FloorHasObjects(500), 1);
}

TEST_F(DocumentArrayTest, PrintViewReloadsTheWorkingFileFirst) {
    auto line = make::Line(kLine, 0, 0, 1, 1);
    line->view = kSecondFloor;
    ObjectList.Add(std::move(line));
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    ObjectList.Flush();
    CurrentView = 1050;
    EXPECT_EQ(ObjectList.FloorHasObjects(kSecondFloor), 1);
    EXPECT_EQ(ObjectList.count, 1);
}

TEST_F(DocumentArrayTest, UpperFloorsUsedReadsTheFileAndLeavesTheGroundFloor) {
    for (int32_t f : {kGroundFloor, kFirstFloor, kSecondFloor})
        ObjectList.Add(make::FloorRecord(f));
    auto line = make::Line(kLine, 0, 0, 1, 1);
    line->view = kFirstFloor;
    ObjectList.Add(std::move(line));
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    CurrentView = kSitePlan;
    EXPECT_EQ(ObjectList.UpperFloorsUsed(), 1);
    EXPECT_EQ(CurrentView, kGroundFloor);
    auto upper = make::Line(kLine, 0, 0, 1, 1);
    upper->view = kSecondFloor;
    ObjectList.Add(std::move(upper));
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    EXPECT_EQ(ObjectList.UpperFloorsUsed(), 2);
}

TEST_F(DocumentArrayTest, FloorAreaIsTruncatedTowardZero) {
    ObjectList.FloorArea = 12.9f;
    EXPECT_EQ(ObjectList.GetFloorArea(), 12);
    ObjectList.FloorArea = -0.5f;
    EXPECT_EQ(ObjectList.GetFloorArea(), 0);
    ObjectList.SetFloorArea(-7);
    EXPECT_EQ(ObjectList.GetFloorArea(), -7);
}

TEST_F(DocumentArrayTest, DrawingNameIsCutTo24Characters) {
    ObjectList.SetDrawingName("abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(std::string(ObjectList.DrawingName), "abcdefghijklmnopqrstuvwx");
}

TEST(DrawingObjects, DefaultsAndIdentifiers) {
    ResetGlobals();
    PenColour = RGB(1, 2, 3);
    EXPECT_EQ(TRectangleobj().colour, RGB(1, 2, 3));
    EXPECT_EQ(TRectangleobj().penWidth, 1);
    EXPECT_EQ(TLineobj().colour, 0u);
    EXPECT_EQ(TLineobj().penWidth, 0);
    EXPECT_EQ(TDimensobj().value, 1);
    IdCounter = 5;
    EXPECT_EQ(NextFloorCompositeId(kFirstFloor), 11006);
    EXPECT_EQ(NextCompositeId(), 7);
    EXPECT_EQ(FloorIdBase(kSitePlan), 0);
    ResetGlobals();
}

TEST(DrawingObjects, StringsAndPointsStayWithinTheirFields) {
    TTextobj t;
    t.SetText(std::string(100, 'x').c_str());
    EXPECT_EQ(t.textLength, 79);
    TRoomobj r(50, kDesignRoom, 1, 0, 1, 1, 0, 0, 10, 0, 10, 0, 0, 0, 0, 10, 10, 0,
               "a very long room name indeed", "12345678901234567890", "");
    EXPECT_EQ(r.nameLength, 20);
    EXPECT_EQ(r.widthTextLength, 16);
    EXPECT_EQ(r.lengthTextLength, 0);
    int32_t xs[30] = {};
    TPolyobj p(50, 131, 1, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, xs, xs, xs, nullptr, 30, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(p.count, 17);
}

} // namespace
