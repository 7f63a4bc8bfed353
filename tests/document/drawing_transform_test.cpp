#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "document/dimension_settings.h"
#include "tests/document/document_fixture.h"
#include "tests/support/full_disk.h"

namespace {

class DrawingTransformTest : public DocumentTest {
protected:
    // Writes the document, turns or mirrors it through the working file and returns the result.
    void WriteAndTransform(int32_t how) {
        ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
        ASSERT_EQ(ObjectList.ReadTransformed(how, "TURNED"), FileResult::Ok);
    }
};

TEST_F(DrawingTransformTest, MirrorTwiceRestoresEveryObject) {
    auto objects = make::OneOfEveryKind(Cx(), Cy());
    std::vector<std::string> expected;
    for (auto& o : objects) {
        // An outside dimension's figure is set as drawn for its line: level text on an upright line.
        if (o->kind == kAutoDimensionText) static_cast<TTextobj&>(*o).angle = 0;
        expected.push_back(Describe(*o));
        ObjectList.Add(std::move(o));
    }
    WriteAndTransform(1);
    EXPECT_EQ(std::string(ObjectList.DrawingName), "TURNED");
    ASSERT_EQ(ObjectList.ReadTransformed(1, "HOUSE"), FileResult::Ok);
    ASSERT_EQ(ObjectList.count, static_cast<int32_t>(expected.size()));
    for (int32_t i = 0; i < ObjectList.count; ++i) {
        // Texts whose second angle is not 0 or 1800 keep their style; all else comes back exactly.
        EXPECT_EQ(Describe(*ObjectList[i]), expected[i]) << i;
    }
}

TEST_F(DrawingTransformTest, MirrorReflectsAboutTheSheetCentreAndExchangesEnds) {
    ObjectList.Add(make::Line(kLine, Cx() + 100, Cy() + 10, Cx() + 300, Cy() + 20));
    auto wall = make::ExtWall(Cx(), Cy(), Cx() + 1000, Cy());
    wall->direction = 2700;
    ObjectList.Add(std::move(wall));
    WriteAndTransform(1);
    const TObject* line = ObjectList[0];
    EXPECT_EQ(line->x1, Cx() - 300);
    EXPECT_EQ(line->y1, Cy() + 20);
    EXPECT_EQ(line->x2, Cx() - 100);
    EXPECT_EQ(line->y2, Cy() + 10);
    EXPECT_EQ(static_cast<const TExtwallobj*>(ObjectList[1])->direction, 900);
}

TEST_F(DrawingTransformTest, HalfTurnMapsALineExactly) {
    ObjectList.Add(make::Line(kLine, Cx() + 100, Cy(), Cx() + 200, Cy()));
    WriteAndTransform(180);
    const TObject* line = ObjectList[0];
    EXPECT_EQ(line->x1, Cx() - 100);
    EXPECT_EQ(line->y1, Cy());
    EXPECT_EQ(line->x2, Cx() - 200);
    EXPECT_EQ(line->y2, Cy());
}

TEST_F(DrawingTransformTest, QuarterTurnIsExactForEveryKind) {
    ObjectList.Add(make::Arrow(kManualArrow, Cx() + 333, Cy() + 7, Cx() + 1001, Cy() + 7));
    ObjectList.Add(make::Text(kText, Cx() + 1000, Cy() + 1, "A", "Sans"));
    WriteAndTransform(90);
    const auto* arrow = static_cast<const TArrowobj*>(ObjectList[0]);
    // Clockwise: (x, y) -> (cx + yf, cy - xf); a horizontal arrow becomes exactly vertical.
    EXPECT_EQ(arrow->x1, Cx() + 7);
    EXPECT_EQ(arrow->y1, Cy() - 333);
    EXPECT_EQ(arrow->x2, Cx() + 7);
    EXPECT_EQ(arrow->y2, Cy() - 1001);
    EXPECT_EQ(arrow->x1, arrow->x2);
    EXPECT_EQ(ObjectList[1]->x1, Cx() + 1);
    EXPECT_EQ(ObjectList[1]->y1, Cy() - 1000);
}

TEST_F(DrawingTransformTest, FourQuarterTurnsComeBackWhereTheyStarted) {
    ObjectList.Add(make::IntWall(Cx() - 1234, Cy() + 567, Cx() + 89, Cy() + 567, 100));
    ObjectList.Add(make::Polygon(131, 5, Cx() + 13, Cy() - 17));
    const std::string wall = Describe(*ObjectList[0]);
    const std::string poly = Describe(*ObjectList[1]);
    for (int i = 0; i < 4; ++i)
        WriteAndTransform(90);
    EXPECT_EQ(Describe(*ObjectList[0]), wall);
    EXPECT_EQ(Describe(*ObjectList[1]), poly);
}

TEST_F(DrawingTransformTest, WallDirectionTurnsInTenthsOfADegree) {
    auto wall = make::ExtWall(Cx(), Cy(), Cx() + 1000, Cy());
    wall->direction = 2700;
    ObjectList.Add(std::move(wall));
    WriteAndTransform(180);
    EXPECT_EQ(static_cast<const TExtwallobj*>(ObjectList[0])->direction, 900);
    WriteAndTransform(90);
    EXPECT_EQ(static_cast<const TExtwallobj*>(ObjectList[0])->direction, 1800);
}

using TurnRow = std::tuple<int32_t, int32_t, const char*>; // how, room kind or figure row, outcome
class TurnRows : public DrawingTransformTest, public ::testing::WithParamInterface<TurnRow> {};
class RoomTurns : public TurnRows {};
class LabelTurns : public TurnRows {};

// An 800 x 600 room at (-500, 400)-(300, -200) turns and mirrors as a rectangle: its corners in order
// (relative to the centre), width and length and their texts exchanged by a quarter turn.
TEST_P(RoomTurns, AsRectangles) {
    const auto [how, kind, expected] = GetParam();
    auto room = make::Room(kind, Cx() - 500, Cy() + 400, Cx() + 300, Cy() - 200, "hall");
    room->SetWidthText("800"), room->SetLengthText("600");
    ObjectList.Add(std::move(room));
    WriteAndTransform(how);
    const auto& r = *static_cast<const TRoomobj*>(ObjectList[0]);
    EXPECT_EQ(std::to_string(r.x1 - Cx()) + " " + std::to_string(r.y1 - Cy()) + " " +
                  std::to_string(r.x2 - Cx()) + " " + std::to_string(r.y2 - Cy()) + " " +
                  std::to_string(r.value3) + " " + r.widthText + " " + std::to_string(r.value4) + " " +
                  r.lengthText,
              expected);
}

INSTANTIATE_TEST_SUITE_P(Turns, RoomTurns,
                         ::testing::Values(TurnRow{90, kFinishedRoom, "-200 500 400 -300 600 600 800 800"},
                                           TurnRow{180, kDesignRoom, "-300 200 500 -400 800 800 600 600"},
                                           TurnRow{270, kReopenedRoom, "-400 300 200 -500 600 600 800 800"},
                                           TurnRow{1, kFinishedRoom, "-300 400 500 -200 800 800 600 600"}));

// A size line's label reads as one drawn on the turned line: level on a level line, upright on an
// upright one only under parallel text, on its baseline. Row: upright before (1) + parallel (2).
TEST_P(LabelTurns, ReadAsDrawnOnTheTurnedLine) {
    const auto [how, row, expected] = GetParam();
    DimensionSettings s = ReadDimensionSettings(MetricUnits);
    s.textOrientation = (row & 2) ? kParallelText : 0;
    ASSERT_TRUE(WriteDimensionSettings(MetricUnits, s));
    auto line = make::Dimension(kManualDimension, Cx(), Cy(), Cx(), Cy());
    line->id = 77, line->d1x = Cx() + ((row & 1) ? 0 : 1000), line->d1y = Cy() + ((row & 1) ? 1000 : 0);
    ObjectList.Add(std::move(line));
    auto label = make::Text(kSizeLabel, Cx(), Cy() + 500, "1000", "Sans");
    label->id = 77, label->style = 6, label->angle = row == 3 ? kParallelText : 0;
    ObjectList.Add(std::move(label));
    WriteAndTransform(how);
    const auto& t = *static_cast<const TTextobj*>(ObjectList[1]);
    EXPECT_EQ(std::to_string(t.angle) + " " + std::to_string(t.style), expected);
}

INSTANTIATE_TEST_SUITE_P(Turns, LabelTurns,
                         ::testing::Values(TurnRow{90, 0, "0 6"}, TurnRow{90, 1, "0 6"},
                                           TurnRow{90, 2, "2700 6"}, TurnRow{90, 3, "0 6"},
                                           TurnRow{180, 0, "0 6"}, TurnRow{180, 3, "2700 6"},
                                           TurnRow{270, 0, "0 6"}, TurnRow{270, 1, "0 6"},
                                           TurnRow{270, 2, "2700 6"}, TurnRow{270, 3, "0 6"}));

TEST_F(DrawingTransformTest, TitlesAreMadeAgainOnlyForFloorsInUseFromTheGroundUp) {
    auto ground = make::ExtWall(Cx(), Cy(), Cx() + 1000, Cy());
    ground->view = kGroundFloor;
    ObjectList.Add(std::move(ground));
    // Floor 52 holds a wall but floor 51 is empty: its title is not made again.
    auto second = make::ExtWall(Cx(), Cy() + 500, Cx() + 1000, Cy() + 500);
    second->view = kSecondFloor;
    ObjectList.Add(std::move(second));
    auto site = make::ExtWall(Cx(), Cy(), Cx() + 200, Cy()); // the site plan keeps its title
    site->view = kSitePlan;
    ObjectList.Add(std::move(site));
    CurrentView = kFirstFloor;
    WriteAndTransform(90);
    EXPECT_EQ(CurrentView, kFirstFloor);
    int32_t groundTitles = 0, secondTitles = 0, siteTitles = 0;
    for (int32_t i = 0; i < ObjectList.count; ++i) {
        if (ObjectList[i]->kind != kFloorTitle) continue;
        groundTitles += ObjectList[i]->view == kGroundFloor;
        secondTitles += ObjectList[i]->view == kSecondFloor;
        siteTitles += ObjectList[i]->view == kSitePlan;
    }
    EXPECT_EQ(groundTitles, 1);
    EXPECT_EQ(secondTitles, 0);
    EXPECT_EQ(siteTitles, 1);
}

TEST_F(DrawingTransformTest, ExtremeStoredValuesSaturateInsteadOfOverflowing) {
    // Hand-edited values at the ends of the 32-bit range: every turn and the mirror stay in range.
    SetWorkingFile("2 0 0 0 1 5\n1\n1 50 7 0 -2147483648 0 2147483647 0 2147483647 -2147483648 0 0 0 1 0\n"
                   "29500\n29500 50 8 0 2147483647 2147483647 -2147483648 -2147483648 0 0 0 0 0 1 0 0 a\n");
    for (int32_t how : {1, 90, 180, 270}) {
        ASSERT_EQ(ObjectList.ReadTransformed(how, "HOUSE"), FileResult::Ok) << how;
        ASSERT_EQ(ObjectList.count, 2) << how;
    }
    const TObject* room = ObjectList[1];
    EXPECT_LE(room->x1, room->x2); // the room turned, its corners saturated and put back in order
    EXPECT_GE(room->y1, room->y2);
}

TEST_F(DrawingTransformTest, TextRulesOfAQuarterTurn) {
    auto text = make::Text(kDialogText, Cx(), Cy(), "T", "Sans");
    text->angle = 0, text->style = 6, text->x2 = 3000;
    ObjectList.Add(std::move(text));
    auto label = make::Text(kRoomNameLabel, Cx() + 100, Cy(), "Hall", "Sans");
    label->y2 = 40;
    ObjectList.Add(std::move(label));
    WriteAndTransform(90);
    const auto* t = static_cast<const TTextobj*>(ObjectList[0]);
    EXPECT_EQ(t->angle, 2700);
    EXPECT_EQ(t->style, 4);
    EXPECT_EQ(t->x2, 300);
    // The label's anchor turns to (cx, cy - 100), then moves by its offset.
    EXPECT_EQ(ObjectList[1]->x1, Cx() + 40);
    EXPECT_EQ(ObjectList[1]->y1, Cy() - 140);
}

TEST_F(DrawingTransformTest, MissingWorkingFileLeavesTheDocumentEmpty) {
    ObjectList.Add(make::Line(kLine, 0, 0, 1, 1));
    EXPECT_EQ(ObjectList.ReadTransformed(90, "OTHER"), FileResult::OpenFailed);
    EXPECT_EQ(ObjectList.count, 0);
    EXPECT_EQ(std::string(ObjectList.DrawingName), "HOUSE");
    EXPECT_FALSE(dir.Exists("DWGS/OTHER.DB0"));
}

TEST_F(DrawingTransformTest, DamagedWorkingFileIsNotOverwritten) {
    SetWorkingFile("3 0 0 0 1 5\n1\n1 50 7 0 100 0 300 0 200 200 0 0 0 1 0\n");
    EXPECT_EQ(ObjectList.ReadTransformed(180, "HOUSE"), FileResult::Damaged);
    EXPECT_EQ(WorkingFile(), "3 0 0 0 1 5\n1\n1 50 7 0 100 0 300 0 200 200 0 0 0 1 0\n");
}

// A turned drawing that cannot be written leaves the open drawing in memory, as it was before.
TEST_F(DrawingTransformTest, AFailedTurnLeavesTheOpenDrawingInMemory) {
    ObjectList.Add(make::Line(kLine, Cx() + 100, Cy(), Cx() + 200, Cy()));
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    {
        const testsupport::FullDisk full(WorkingFile().size() / 2);
        EXPECT_EQ(ObjectList.ReadTransformed(180, "TURNED"), FileResult::WriteFailed);
    }
    EXPECT_EQ(std::string(ObjectList.DrawingName), "HOUSE");
    ASSERT_EQ(ObjectList.count, 1);
    EXPECT_EQ(ObjectList[0]->x1, Cx() + 100);
    EXPECT_FALSE(dir.Exists("DWGS/TURNED.DB0"));
}

class RotateObjectTest : public DocumentTest {};

TEST_F(RotateObjectTest, AngleRulesOfTheTwoModes) {
    // 2700 in mode 0 turns by 0 degrees: nothing moves.
    ObjectList.RotateObject(make::Line(kLine, 100, 0, 300, 50).release(), kLine, 2700, 0, 0, 0);
    EXPECT_EQ(ObjectList[0]->x1, 100);
    EXPECT_EQ(ObjectList[0]->y2, 50);
    // Mode 2: 900 turns by 180 degrees, and 2700 by 0.
    ObjectList.RotateObject(make::Line(kLine, 1000, 0, 1000, 0).release(), kLine, 900, 0, 0, 2);
    EXPECT_NEAR(ObjectList[1]->x1, -1000, 1);
    EXPECT_NEAR(ObjectList[1]->y1, 0, 1);
    ObjectList.RotateObject(make::Line(kLine, 1000, 0, 1000, 0).release(), kLine, 2700, 0, 0, 2);
    EXPECT_EQ(ObjectList[2]->x1, 1000);
    // 0 in mode 0 turns by 270 degrees counter-clockwise: (1000, 0) goes to about (0, -1000).
    ObjectList.RotateObject(make::Line(kLine, 1000, 0, 1000, 0).release(), kLine, 0, 0, 0, 0);
    EXPECT_NEAR(ObjectList[3]->x1, 0, 1);
    EXPECT_NEAR(ObjectList[3]->y1, -1000, 1);
    EXPECT_EQ(ObjectList.count, 4);
}

TEST_F(RotateObjectTest, UnlistedKindsAreAppendedUnchanged) {
    ObjectList.RotateObject(make::Text(kFloorTitle, 100, 200, "t", "f").release(), kFloorTitle, 0, 0, 0, 0);
    EXPECT_EQ(ObjectList[0]->x1, 100);
    EXPECT_EQ(ObjectList[0]->y1, 200);
}

} // namespace
