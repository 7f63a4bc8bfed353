#include <gtest/gtest.h>

#include "tests/document/document_fixture.h"

namespace {

class LibraryFilesTest : public DocumentTest {
protected:
    void SetUp() override {
        DocumentTest::SetUp();
        ViewExtentX = 800, ViewExtentY = 600, ScrollOriginX = 10, ScrollOriginY = 20, ZoomDivisor = 5;
    }
    int32_t InsertX() const { return (800 / 8 + 10) * 5; }
    int32_t InsertY() const { return (600 / 6 + 20) * 5; }
};

TEST_F(LibraryFilesTest, FirstSelectionLineReplacesTheBufferAndLaterOnesAppend) {
    dir.WriteFile("CFG/COPY.CFG", "9 9 9\n");
    ASSERT_EQ(ObjectList.WriteTempCount(0), FileResult::Ok);
    ASSERT_EQ(ObjectList.WriteCopyCfg(3, -10, 20), FileResult::Ok);
    ASSERT_EQ(ObjectList.WriteCopyCfg(4, 30, 40), FileResult::Ok);
    EXPECT_EQ(dir.ReadFile("CFG/COPY.CFG"), "3 -10 20\n4 30 40\n");
    EXPECT_EQ(dir.ReadFile("CFG/TEMP.CFG"), "2\n");
    EXPECT_EQ(ObjectList.ReadTempCount(), 2);
}

TEST_F(LibraryFilesTest, MissingOrDamagedCountIsAnEmptySelection) {
    EXPECT_EQ(ObjectList.ReadTempCount(), 0);
    dir.WriteFile("CFG/TEMP.CFG", "-4\n");
    EXPECT_EQ(ObjectList.ReadTempCount(), 0);
}

TEST_F(LibraryFilesTest, EmptySelectionSavesOnlyTheHeader) {
    IdCounter = 12;
    ASSERT_EQ(ObjectList.WriteTempCount(0), FileResult::Ok);
    ASSERT_EQ(ObjectList.SaveLibrary("EMPTY.PLM"), FileResult::Ok);
    EXPECT_EQ(dir.ReadFile("LIBS/EMPTY.PLM"), "0 0 0 0 2 12\n");
    EXPECT_EQ(ObjectList.InsertLibrary("EMPTY.PLM"), FileResult::Ok);
    EXPECT_EQ(ObjectList.count, 0);
}

TEST_F(LibraryFilesTest, SymbolRoundTripLandsOnTheInsertPoint) {
    ObjectList.Add(make::Line(kLine, 5000, 6000, 5400, 6100));
    ObjectList.Add(make::Room(kNewRoom, 0, 10, 10, 0, "not stored"));
    ObjectList.Add(make::Polygon(131, 3, 7000, 7000));
    ASSERT_EQ(ObjectList.WriteTempCount(0), FileResult::Ok);
    ASSERT_EQ(ObjectList.WriteCopyCfg(0, 5000, 6000), FileResult::Ok);
    ASSERT_EQ(ObjectList.WriteCopyCfg(1, 0, 0), FileResult::Ok);
    ASSERT_EQ(ObjectList.WriteCopyCfg(2, 7000, 7000), FileResult::Ok);
    MetricUnits = 1;
    ASSERT_EQ(ObjectList.SaveLibraryCategory(3, "CHAIR"), FileResult::Ok);
    EXPECT_EQ(ObjectList.count, 3); // saving leaves the document as it was
    const std::string lib = dir.ReadFile("LIBS/CHAIR.FUM");
    EXPECT_EQ(lib.substr(0, lib.find('\n')), "2 0 0 0 2 1");
    EXPECT_NE(lib.find("\n1 50 "), std::string::npos);

    ObjectList.Flush();
    CurrentView = kFirstFloor;
    ASSERT_EQ(ObjectList.InsertLibrary("CHAIR.FUM"), FileResult::Ok);
    ASSERT_EQ(ObjectList.count, 2);
    EXPECT_EQ(ObjectList[0]->x1, InsertX());
    EXPECT_EQ(ObjectList[0]->y1, InsertY());
    EXPECT_EQ(ObjectList[0]->x2, InsertX() + 400);
    EXPECT_EQ(ObjectList[0]->view, kFirstFloor);
    EXPECT_EQ(static_cast<TPolyobj*>(ObjectList[1])->px[1], InsertX() + 10);
    EXPECT_EQ(PolyHeightMin, -3);
}

// An external wall keeps its face length in its group field: inserted, it still measures it.
TEST_F(LibraryFilesTest, AnInsertedExternalWallKeepsItsLength) {
    ObjectList.Add(make::ExtWall(5000, 6000, 15011, 6000));
    ObjectList[0]->group = 10011;
    ASSERT_EQ(ObjectList.WriteTempCount(0), FileResult::Ok);
    ASSERT_EQ(ObjectList.WriteCopyCfg(0, 5000, 6000), FileResult::Ok);
    ASSERT_EQ(ObjectList.SaveLibrary("WALL.PLM"), FileResult::Ok);
    ASSERT_EQ(ObjectList.InsertLibrary("WALL.PLM"), FileResult::Ok);
    EXPECT_EQ(ObjectList[1]->group, 10011);
}

TEST_F(LibraryFilesTest, ImperialExtensionsAndUnknownGroups) {
    MetricUnits = 0;
    ASSERT_EQ(ObjectList.WriteTempCount(0), FileResult::Ok);
    ASSERT_EQ(ObjectList.SaveLibraryCategory(1, "SINK"), FileResult::Ok);
    EXPECT_TRUE(dir.Exists("LIBS/SINK.PLI"));
    EXPECT_EQ(ObjectList.SaveLibraryCategory(5, "SINK"), FileResult::OpenFailed);
}

TEST_F(LibraryFilesTest, StaleSelectionEntriesAreSkipped) {
    ObjectList.Add(make::Line(kLine, 0, 0, 10, 10));
    dir.WriteFile("CFG/COPY.CFG", "7 0 0\n-1 0 0\n0 0 0\nbroken\n0 0 0\n");
    dir.WriteFile("CFG/TEMP.CFG", "5\n");
    ASSERT_EQ(ObjectList.SaveLibrary("STALE.MSM"), FileResult::Ok);
    const std::string lib = dir.ReadFile("LIBS/STALE.MSM");
    EXPECT_EQ(lib.substr(0, 2), "1 ");
}

TEST_F(LibraryFilesTest, InsertingNeverSetsTheIdentifierCounterBack) {
    dir.WriteFile("LIBS/OLD.PLM", "0 0 0 0 2 3\n");
    IdCounter = 50;
    ASSERT_EQ(ObjectList.InsertLibrary("OLD.PLM"), FileResult::Ok);
    EXPECT_EQ(IdCounter, 50);
    dir.WriteFile("LIBS/NEW.PLM", "0 0 0 0 2 80\n");
    ASSERT_EQ(ObjectList.InsertLibrary("NEW.PLM"), FileResult::Ok);
    EXPECT_EQ(IdCounter, 80);
}

TEST_F(LibraryFilesTest, PasteFileKindsAreRead) {
    dir.WriteFile("LIBS/PASTE.CFG", "2 0 0 0 1 5\n25\n25 50 1 0 0 0 10 0 0 0 0 0 0 1 0\n18\n"
                                    "18 50 1 0 0 0 10 0 0 10 0 1 0\n");
    ASSERT_EQ(ObjectList.InsertLibrary("PASTE.CFG"), FileResult::Ok);
    ASSERT_EQ(ObjectList.count, 2);
    EXPECT_NE(dynamic_cast<TLineobj*>(ObjectList[0]), nullptr);
    EXPECT_NE(dynamic_cast<TCircleobj*>(ObjectList[1]), nullptr);
}

TEST_F(LibraryFilesTest, PasteFileEndingBeforeItsCountGivesWhatItHolds) {
    dir.WriteFile("LIBS/PASTE.CFG", "3 0 0 0 1 5\n6\n6 50 1 0 0 0 10 0 0 10 0 1 0\n");
    ASSERT_EQ(ObjectList.InsertLibrary("PASTE.CFG"), FileResult::Ok);
    EXPECT_EQ(ObjectList.count, 1);
}

TEST_F(LibraryFilesTest, MissingLibraryInsertsNothing) {
    EXPECT_EQ(ObjectList.InsertLibrary("NONE.PLM"), FileResult::OpenFailed);
    EXPECT_EQ(ObjectList.count, 0);
}

} // namespace
