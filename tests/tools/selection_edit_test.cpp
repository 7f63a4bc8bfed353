// Turning, copying and erasing the selection with the move tool family on an offscreen image: what
// the document, the paste file and the working file hold afterwards.
#include <gtest/gtest.h>

#include <QImage>

#include <memory>
#include <string>
#include <vector>

#include "document/coordinate_mapping.h"
#include "document/document.h"
#include "document/program_state.h"
#include "document/record_format.h"
#include "platform/dc.h"
#include "tests/support/program_directory.h"
#include "tools/move_tool.h"

namespace {

std::unique_ptr<TObject> Of(int32_t kind, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    std::unique_ptr<TObject> o = MakeObjectForKind(kind, RecordKinds::Paste);
    if (!o) o = MakeObjectForKind(kind);
    o->view = kGroundFloor;
    o->kind = kind;
    o->x1 = x1, o->y1 = y1, o->x2 = x2, o->y2 = y2;
    return o;
}

class SelectionEdit : public ::testing::Test {
protected:
    void SetUp() override {
        ObjectList.ProgramDirectory = dir.Path();
        ObjectList.SetDrawingName("EDIT");
        CurrentView = kGroundFloor;
        ZoomDivisor = 1;
        ViewExtentX = 600;
        ViewExtentY = 300;
        SetDrawingMapping(nullptr, dc, client);
    }
    void List(const std::vector<std::string>& entries) {
        std::string text;
        for (const std::string& e : entries)
            text += e + "\n";
        dir.WriteFile("CFG/COPY.CFG", text);
        dir.WriteFile("CFG/TEMP.CFG", std::to_string(entries.size()) + "\n");
    }

    testsupport::ProgramDirectory dir;
    QImage image{600, 300, QImage::Format_RGB32};
    TDC dc{image};
    TRect client{0, 0, 600, 300};
};

TEST_F(SelectionEdit, TurnTakesEveryListedEntryAndPassesOverStaleOnes) {
    ObjectList.Add(Of(kLine, 400, 150, 500, 150));
    List({"0 0 0", "99 0 0", "0 0 0", "-1 0 0"});
    TMoveobjtool tool;
    tool.AnchorX = 300;
    tool.AnchorY = 150;
    tool.RotationStep = 90;
    tool.RotateSelection(dc, client, 0, 0);
    EXPECT_EQ(ObjectList[0]->x1, 200) << "listed twice, turned twice";
    EXPECT_EQ(ObjectList[0]->x2, 100);
    EXPECT_TRUE(tool.MovePending());
}

TEST_F(SelectionEdit, CentredTextShiftIsMeasuredInTheTextsOwnFont) {
    int32_t half[2] = {};
    for (const int32_t height : {10, 40}) {
        ObjectList.Flush();
        ObjectList.Add(std::make_unique<TTextobj>(kGroundFloor, kText, 1, 0, 0, 0, 1000, 0, 0, 0, 0, 0, 0,
                                                  "WIDE TEXT", "Arial", 0, 1, 400, height));
        List({"0 0 0"});
        TMoveobjtool tool;
        tool.RotationStep = 90; // about (0, 0): (x, 0) goes to (0, -x)
        tool.RotateSelection(dc, client, 0, 0);
        half[height == 40] = 1000 + ObjectList[0]->y1;
    }
    EXPECT_GT(half[0], 5);
    EXPECT_NEAR(half[1], 4 * half[0], half[0] / 2 + 2);
}

TEST_F(SelectionEdit, PasteFileHoldsALineRelativeToTheCopyCentre) {
    IdCounter = 42;
    ObjectList.Add(
        std::make_unique<TLineobj>(kGroundFloor, kLine, 1, 0, 7, 8, 1000, 0, 3000, 0, 2000, 2000, 0, 0, 0));
    List({"0 2000 1500"});
    TCopyobjtool tool;
    tool.WritePasteFile();
    EXPECT_EQ(dir.ReadFile("LIBS/PASTE.CFG"), "1 0 0 0 1 42\n1\n1 50 7 8 -1000 0 1000 0 500 500 0 0 0 1 0\n");
    MetricUnits = 0;
    tool.WritePasteFile();
    EXPECT_EQ(dir.ReadFile("LIBS/PASTE.CFG").substr(0, 10), "1 0 0 0 0 ");
    tool.LibraryMode() = 1;
    MetricUnits = 1;
    tool.WritePasteFile();
    EXPECT_EQ(dir.ReadFile("LIBS/PASTE.CFG").substr(0, 10), "1 0 0 0 0 ") << "gathered for a library";
}

TEST_F(SelectionEdit, CopyThenPasteRoundTripsEveryWrittenKind) {
    const std::vector<int32_t> written = {1,     11, 25, 31, 41, 25000, 25100, 28000, 500,
                                          27000, 4,  3,  5,  6,  18,    7,     8};
    std::vector<std::string> entries;
    SheetWidth = SheetHeight = 1000; // the paste lands on it unmoved
    for (const int32_t kind : {kExtWall, kIntWall, kFinishedRoom, kMarkerLineFirst, kFloorRecord}) {
        entries.push_back(std::to_string(ObjectList.count) + " 100 100");
        ObjectList.Add(Of(kind, 150, 150, 160, 160));
    }
    for (const int32_t kind : written) {
        entries.push_back(std::to_string(ObjectList.count) + " 100 100");
        ObjectList.Add(Of(kind, 150, 150, 160, 160));
        if (auto* poly = dynamic_cast<TPolyobj*>(ObjectList[ObjectList.count - 1])) {
            poly->count = 3;
            poly->px[0] = poly->px[1] = poly->px[2] = 130;
        }
        if (auto* arc = dynamic_cast<TArcobj*>(ObjectList[ObjectList.count - 1])) arc->sx = arc->ex = 150;
    }
    List(entries);
    TCopyobjtool().WritePasteFile();
    EXPECT_EQ(dir.ReadFile("LIBS/PASTE.CFG").substr(0, 3), "17 ")
        << "walls, rooms and records are not copied";

    const int32_t first = ObjectList.count;
    ASSERT_EQ(ObjectList.InsertLibrary(kPasteFileName), FileResult::Ok);
    ASSERT_EQ(ObjectList.count - first, 17);
    for (int32_t i = 0; i < 17; ++i) {
        const TObject* o = ObjectList[first + i];
        EXPECT_EQ(o->kind, written[static_cast<size_t>(i)]);
        const auto* poly = dynamic_cast<const TPolyobj*>(o);
        EXPECT_EQ(poly ? poly->px[2] : o->x1, (poly ? 30 : 50) + 600 / 8) << o->kind; // at the insert point
    }
}

TEST_F(SelectionEdit, EraseRemovesTheListedObjectsButNotExternalWalls) {
    for (int32_t i = 0; i < 9; ++i)
        ObjectList.Add(Of(i == 5 ? kExtWall : i == 7 ? kIntWall : kLine, i, 0, i, 10));
    ObjectList[1]->id = 30001;
    List({"2 0 0", "3 0 0", "4 0 0", "7 0 0", "5 0 0", "8 0 0", "3 0 0", "99 0 0"});
    TEraseobjtool tool;
    tool.EraseSelection(dc, client, 0, 0);

    TList file;
    file.ProgramDirectory = dir.Path();
    file.SetDrawingName("EDIT");
    ASSERT_EQ(file.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
    const int32_t kept[] = {0, 1, 5, 6}; // in their old order; the unselected 30001 stays
    for (const TList* list : {&ObjectList, &file}) {
        ASSERT_EQ(list->count, 4);
        for (int32_t i = 0; i < 4; ++i)
            EXPECT_EQ((*list)[i]->x1, kept[i]);
    }
    EXPECT_EQ(tool.Mode, movestate::kErased);
    EXPECT_EQ(dir.ReadFile("CFG/TEMP.CFG"), "0\n");
}

} // namespace
