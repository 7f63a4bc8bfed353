#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

#include "document/drawing_file.h"
#include "document/drawing_name.h"
#include "document/drawn_extents.h"
#include "document/record_format.h"
#include "platform/file_io.h"
#include "tests/document/document_fixture.h"

namespace {

class DrawingFileTest : public DocumentTest {};

TEST_F(DrawingFileTest, WorkedLineExampleIsByteExact) {
    auto line = std::make_unique<TLineobj>();
    line->view = 50, line->kind = 1, line->id = 7, line->penWidth = 1;
    line->x1 = Cx() + 100, line->y1 = Cy() + 200, line->x2 = Cx() + 300, line->y2 = Cy() + 200;
    ObjectList.Add(std::move(line));
    IdCounter = 9;
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    EXPECT_EQ(WorkingFile(), "1 0 0 0 1 9\n1\n1 50 7 0 100 0 300 0 200 200 0 0 0 1 0\n");
}

TEST_F(DrawingFileTest, TextRecordEndsWithFontNameThenText) {
    ObjectList.Add(make::Text(kText, Cx(), Cy(), "Hall", "Arial"));
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    const std::string file = WorkingFile();
    const std::string tail = " 4 2700 6 5 250 700 ArialHall\n";
    ASSERT_GE(file.size(), tail.size());
    EXPECT_EQ(file.substr(file.size() - tail.size()), tail);
}

TEST_F(DrawingFileTest, EmptyDocumentWritesOnlyTheHeaderAndKeepsDrawingState) {
    DrawingState = 1;
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    EXPECT_EQ(WorkingFile(), "0 0 0 0 1 1\n");
    EXPECT_EQ(DrawingState, 1);
    ObjectList.Add(make::Line(kLine, 0, 0, 1, 1));
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    EXPECT_EQ(DrawingState, 2);
}

TEST_F(DrawingFileTest, HeaderCountsOnlyTheRecordsWritten) {
    ObjectList.Add(make::Room(kNewRoom, 0, 10, 10, 0, "new"));
    ObjectList.Add(make::Line(kLine, 0, 0, 1, 1));
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    EXPECT_EQ(WorkingFile().substr(0, 2), "1 ");
    ObjectList.Flush();
    EXPECT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
    ASSERT_EQ(ObjectList.count, 1);
    EXPECT_EQ(ObjectList[0]->kind, kLine);
}

class RoundTripTest : public DocumentTest,
                      public ::testing::WithParamInterface<std::pair<int32_t, int32_t>> {};

TEST_P(RoundTripTest, EveryKindReadsBackWithEveryRecordedField) {
    SheetWidth = GetParam().first;
    SheetHeight = GetParam().second;
    auto objects = make::OneOfEveryKind(Cx(), Cy());
    std::vector<std::string> expected;
    for (auto& o : objects) {
        expected.push_back(Describe(*o));
        ObjectList.Add(std::move(o));
    }
    MetricUnits = 0;
    IdCounter = 4321;
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    ObjectList.Flush();
    MetricUnits = 1;
    IdCounter = 1;
    ASSERT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
    EXPECT_EQ(MetricUnits, 0);
    EXPECT_EQ(IdCounter, 4321);
    ASSERT_EQ(ObjectList.count, static_cast<int32_t>(expected.size()));
    for (int32_t i = 0; i < ObjectList.count; ++i)
        EXPECT_EQ(Describe(*ObjectList[i]), expected[i]) << i;
}

INSTANTIATE_TEST_SUITE_P(SheetSizes, RoundTripTest,
                         ::testing::Values(std::make_pair(16000, 10000), std::make_pair(12601, 7873)));

TEST_F(DrawingFileTest, ReadObjectsWithoutPenFieldsGetTheDefaults) {
    auto wall = make::ExtWall(0, 0, 100, 0);
    wall->penWidth = 5, wall->penStyle = 2;
    ObjectList.Add(std::move(wall));
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    ObjectList.Flush();
    ASSERT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
    EXPECT_EQ(ObjectList[0]->penWidth, 1);
    EXPECT_EQ(ObjectList[0]->penStyle, 0);
}

TEST_F(DrawingFileTest, HeightRangeAndPrintExtents) {
    auto wall = make::ExtWall(Cx() - 2500, Cy() + 1000, Cx() + 5000, Cy() + 1000);
    wall->aux1 = 25, wall->aux2 = 2550;
    ObjectList.Add(std::move(wall));
    ObjectList.Add(make::Polygon(131, 3, Cx(), Cy() - 500));                    // heights -3, 2, 7
    ObjectList.Add(make::Polygon(kMarkerPolygon, 2, Cx() - 100000, Cy()));      // no part in heights
    ObjectList.Add(make::IntWall(Cx() + 90000, Cy(), Cx() + 91000, Cy(), 100)); // no part in extents
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    EXPECT_EQ(PolyHeightMin, -3);
    EXPECT_EQ(PolyHeightMax, 7);
    ObjectList.Flush();
    ASSERT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
    EXPECT_EQ(PolyHeightMin, -3);
    EXPECT_EQ(PolyHeightMax, 2550);
    const int32_t minX = Cx() - 100000, maxX = Cx() + 5000;
    EXPECT_EQ(PrintMinX, minX / 25 - 10);
    EXPECT_EQ(PrintMaxX, maxX / 25 + 10);
    const int32_t minY = Cy() - 500 - 14, maxY = Cy() + 1000;
    EXPECT_EQ(PrintHeight, (maxY - minY) / 25 + 10);
}

// A read notes the heights and the drawn extent of every kind as the notes of any object do.
TEST_F(DrawingFileTest, ReadNotesEveryKindAsAnyObjectIsNoted) {
    auto objects = make::OneOfEveryKind(Cx(), Cy());
    auto arc = make::Arc(Cx(), Cy(), Cx() + 10, Cy() - 10); // its start and end past its box
    arc->sx = Cx() + 90000, arc->ey = Cy() - 90000;
    objects.push_back(std::move(arc));
    for (auto& object : objects) {
        SCOPED_TRACE(object->kind);
        ObjectList.Flush();
        ObjectList.Add(std::move(object));
        ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
        ObjectList.Flush();
        ASSERT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
        const std::tuple read{PolyHeightMin, PolyHeightMax, PrintMinX, PrintMaxX, PrintHeight};
        StartHeightRange();
        DrawnExtents extents;
        for (int32_t i = 0; i < ObjectList.count; ++i)
            NoteReadHeights(*ObjectList[i]), extents.Note(*ObjectList[i]);
        EndHeightRange();
        extents.SetPrintExtents();
        EXPECT_EQ(read, std::tuple(PolyHeightMin, PolyHeightMax, PrintMinX, PrintMaxX, PrintHeight));
    }
}

TEST_F(DrawingFileTest, PointsPastTheRangeStopAtItsEnd) {
    SetWorkingFile("1 0 0 0 1 5\n1\n1 50 7 0 2147483647 0 -2147483648 0 2147483600 -2147483648 0 0 0 1 0\n");
    ASSERT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
    const TObject& line = *ObjectList[0];
    EXPECT_EQ(std::tuple(line.x1, line.x2, line.y1, line.y2),
              std::tuple(INT32_MAX, INT32_MIN + Cx(), INT32_MAX, INT32_MIN + Cy()));
}

TEST_F(DrawingFileTest, EmptyBodyGivesTheStartExtents) {
    MetricUnits = 0;
    SetWorkingFile("0 0 0 0 0 1\n");
    ASSERT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
    EXPECT_EQ(PrintMinX, 300000 / 24 - 10);
    EXPECT_EQ(PrintMaxX, 10);
    EXPECT_EQ(PrintHeight, -300000 / 24 + 10);
    EXPECT_EQ(PolyHeightMin, 0);
}

TEST_F(DrawingFileTest, MissingFileLeavesDocumentAndGlobalsAlone) {
    ObjectList.Add(make::Line(kLine, 0, 0, 1, 1));
    IdCounter = 77;
    EXPECT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::OpenFailed);
    EXPECT_EQ(ObjectList.count, 1);
    EXPECT_EQ(IdCounter, 77);
    EXPECT_LE(PolyHeightMin, 0);
}

TEST_F(DrawingFileTest, ScratchCopiesLiveUnderTheProgramDirectory) {
    ObjectList.Add(make::Line(kLine, 0, 0, 1, 1));
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kScratch), FileResult::Ok);
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kRoomLayout), FileResult::Ok);
    EXPECT_TRUE(dir.Exists("CFG/tmp.cfg"));
    EXPECT_TRUE(dir.Exists("CFG/inroom.cfg"));
    ObjectList.Flush();
    EXPECT_EQ(ObjectList.ReadDrawingFile(filemode::kScratch), FileResult::Ok);
    EXPECT_EQ(ObjectList.count, 1);
}

TEST_F(DrawingFileTest, FailedWriteIsReportedAndKeepsThePreviousFile) {
    ObjectList.Add(make::Line(kLine, 0, 0, 1, 1));
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    const std::string before = WorkingFile();
    ObjectList.ProgramDirectory = dir.Path() + "missing/";
    ObjectList.Add(make::Line(kLine, 2, 2, 3, 3));
    EXPECT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::WriteFailed);
    ObjectList.ProgramDirectory = dir.Path();
    EXPECT_EQ(WorkingFile(), before);
}

TEST_F(DrawingFileTest, ClearDrawingFileEmptiesAndDeletes) {
    ObjectList.Add(make::Line(kLine, 0, 0, 1, 1));
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    ObjectList.ClearDrawingFile();
    EXPECT_EQ(ObjectList.count, 0);
    EXPECT_FALSE(dir.Exists("DWGS/HOUSE.DB0"));
    ObjectList.ClearDrawingFile(); // a missing file is no error
}

TEST_F(DrawingFileTest, NameThatCouldLeaveTheDrawingsFolderWritesNothing) {
    ObjectList.Add(make::Line(kLine, 0, 0, 1, 1));
    for (const char* name : {"../CFG/CLR", "A/B", "A\\B", "..", "X..Y"}) {
        ObjectList.SetDrawingName(name);
        EXPECT_NE(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok) << name;
    }
    EXPECT_FALSE(dir.Exists("CFG/CLR.DB0"));
    EXPECT_FALSE(dir.Exists("DWGS/A/B.DB0"));
}

struct NameCase {
    const char* typed;
    const char* name; // null: refused
};

class DrawingNameRule : public ::testing::TestWithParam<NameCase> {};

TEST_P(DrawingNameRule, TrimsOuterBlanksAndRefusesUnsafeNames) {
    const std::optional<std::string> name = DrawingNameFrom(GetParam().typed);
    if (GetParam().name) {
        ASSERT_TRUE(name.has_value()) << GetParam().typed;
        EXPECT_EQ(*name, GetParam().name);
    } else {
        EXPECT_FALSE(name.has_value()) << GetParam().typed;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, DrawingNameRule,
    ::testing::Values(NameCase{"HOUSE", "HOUSE"}, NameCase{"  my house ", "my house"}, NameCase{"A,1", "A,1"},
                      NameCase{"123456789012345678901234", "123456789012345678901234"},
                      NameCase{"1234567890123456789012345", nullptr}, NameCase{"", nullptr},
                      NameCase{"   ", nullptr}, NameCase{"*", nullptr}, NameCase{"A*", nullptr},
                      NameCase{"caf\xe9", nullptr}, NameCase{"../X", nullptr}, NameCase{"A.B", nullptr},
                      NameCase{"A/B", nullptr}, NameCase{"A\tB", nullptr}));

// A drawing kept as it was before a step is named "<name> before <n>", cut to the longest name (and
// off a blank it would end in), so that File > Open opens it as any drawing.
TEST(KeptName, IsADrawingNameOfItsOwn) {
    for (const auto& [name, n, kept] :
         {std::tuple("HOUSE", 1, "HOUSE before 1"),
          std::tuple("123456789012345678901234", 1, "123456789012345 before 1"),
          std::tuple("123456789012345678901234", 12, "12345678901234 before 12"),
          std::tuple("ABCDEFGHIJKLMN PQRSTUVWX", 1, "ABCDEFGHIJKLMN before 1")}) {
        EXPECT_EQ(KeptDrawingName(name, n), kept);
        EXPECT_EQ(DrawingNameFrom(kept), std::optional<std::string>(kept));
    }
}

// ---- Untrusted input ----

std::string LineRecord(int32_t id) {
    return "1\n1 50 " + std::to_string(id) + " 0 0 0 10 0 0 0 0 0 0 1 0\n";
}

TEST_F(DrawingFileTest, TruncatedRecordKeepsWholeObjectsAndReportsDamage) {
    const std::string full = "2 0 0 0 1 5\n" + LineRecord(1) + LineRecord(2);
    SetWorkingFile(full.substr(0, full.size() - 8));
    EXPECT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Damaged);
    ASSERT_EQ(ObjectList.count, 1);
    EXPECT_EQ(ObjectList[0]->id, 1);
}

TEST_F(DrawingFileTest, HeaderCountingMoreRecordsThanThereAreStopsAtTheEnd) {
    SetWorkingFile("2000000000 0 0 0 1 5\n" + LineRecord(1));
    EXPECT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Damaged);
    EXPECT_EQ(ObjectList.count, 1);
}

TEST_F(DrawingFileTest, UnknownKindLineBuildsNothingAndTheReadGoesOn) {
    for (const char* kind : {"2\n", "10\n", "-7\n"}) {
        ObjectList.Flush();
        SetWorkingFile("3 0 0 0 1 5\n" + LineRecord(1) + kind + LineRecord(3));
        EXPECT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Ok) << kind;
        ASSERT_EQ(ObjectList.count, 2) << kind;
        EXPECT_EQ(ObjectList[1]->id, 3) << kind;
    }
}

TEST_F(DrawingFileTest, NegativeCountReadsTheHeaderValuesAndNoRecords) {
    SetWorkingFile("-4 0 0 0 0 9\n" + LineRecord(1));
    MetricUnits = 1;
    EXPECT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
    EXPECT_EQ(ObjectList.count, 0);
    EXPECT_EQ(MetricUnits, 0);
    EXPECT_EQ(IdCounter, 9);
}

struct UnitsCase {
    const char* name;
    const char* units;
    bool taken; // else the header is damaged
};

class HeaderUnits : public DrawingFileTest, public ::testing::WithParamInterface<UnitsCase> {};

// Both readers of the working file take only feet and inches or metric; any other units are
// damage, which leaves the settings as they were and the file as it is.
TEST_P(HeaderUnits, AreFeetOrMetricElseDamage) {
    const UnitsCase& c = GetParam();
    const std::string file = std::string("1 0 0 0 ") + c.units + " 5\n" + LineRecord(1);
    SetWorkingFile(file);
    IdCounter = 3;
    const int32_t unitsBefore = MetricUnits;
    const FileResult result = c.taken ? FileResult::Ok : FileResult::Damaged;
    EXPECT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), result);
    EXPECT_EQ(IdCounter, c.taken ? 5 : 3);
    EXPECT_EQ(MetricUnits, c.taken ? std::stoi(c.units) : unitsBefore);

    ObjectList.Flush();
    EXPECT_EQ(ObjectList.ReadTransformed(1, "HOUSE"), result);
    if (!c.taken) {
        EXPECT_EQ(WorkingFile(), file);
    }
}

INSTANTIATE_TEST_SUITE_P(DrawingFile, HeaderUnits,
                         ::testing::Values(UnitsCase{"FeetAndInches", "0", true},
                                           UnitsCase{"Metric", "1", true}, UnitsCase{"Two", "2", false},
                                           UnitsCase{"MinusOne", "-1", false},
                                           UnitsCase{"Largest", "2147483647", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DrawingFileTest, KindLineThatDisagreesWithItsRecordIsDamage) {
    SetWorkingFile("1 0 0 0 1 5\n1\n1000 50 1 0 0 0 10 0 0 0 0 0 0 1 0\n");
    EXPECT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Damaged);
    EXPECT_EQ(ObjectList.count, 0);
}

TEST_F(DrawingFileTest, NonNumericFieldIsDamage) {
    SetWorkingFile("1 0 0 0 1 5\n1\n1 50 7 0 1x0 0 300 0 200 200 0 0 0 1 0\n");
    EXPECT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Damaged);
    EXPECT_EQ(ObjectList.count, 0);
    SetWorkingFile("1 0 0 0 1 5\n1\n1 50 7 0 99999999999 0 300 0 200 200 0 0 0 1 0\n");
    EXPECT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Damaged);
    SetWorkingFile("not a drawing");
    IdCounter = 3;
    EXPECT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Damaged);
    EXPECT_EQ(IdCounter, 3);
}

TEST_F(DrawingFileTest, LongStoredStringLengthsAreClampedAndTheSurplusSkipped) {
    const std::string name(30, 'N');
    SetWorkingFile("2 0 0 0 1 5\n29000\n29000 50 1 0 0 10 10 0 100 100 2 0 250 30 1 1 " + name + "ab\n" +
                   LineRecord(2));
    ASSERT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
    ASSERT_EQ(ObjectList.count, 2);
    const auto* room = dynamic_cast<TRoomobj*>(ObjectList[0]);
    ASSERT_NE(room, nullptr);
    EXPECT_EQ(std::string(room->name), std::string(20, 'N'));
    EXPECT_EQ(room->nameLength, 20);
    EXPECT_EQ(std::string(room->widthText), "a");
    EXPECT_EQ(std::string(room->lengthText), "b");
    EXPECT_EQ(ObjectList[1]->id, 2);
}

TEST_F(DrawingFileTest, NegativeStringLengthCountsAsZero) {
    SetWorkingFile("1 0 0 0 1 5\n4\n4 50 1 0 0 0 0 0 0 0 -5 0 1 2 10 400 ab\n");
    ASSERT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
    const auto* text = dynamic_cast<TTextobj*>(ObjectList[0]);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::string(text->fontName), "ab");
    EXPECT_EQ(text->textLength, 0);
}

TEST_F(DrawingFileTest, StringsRunningPastTheEndAreDamage) {
    SetWorkingFile("1 0 0 0 1 5\n4\n4 50 1 0 0 0 0 0 0 0 200000 0 1 2 10 400 ab");
    EXPECT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Damaged);
    EXPECT_EQ(ObjectList.count, 0);
}

TEST_F(DrawingFileTest, PolygonPointCountOutsideTheArrayIsDamage) {
    SetWorkingFile("1 0 0 0 1 5\n131\n131 50 1 0 0 0 0 0 18 0 0 0\n");
    EXPECT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Damaged);
    SetWorkingFile("1 0 0 0 1 5\n131\n131 50 1 0 0 0 0 0 -1 0 0 0\n");
    EXPECT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Damaged);
    EXPECT_EQ(ObjectList.count, 0);
}

TEST_F(DrawingFileTest, ReaderAcceptsWindowsLineEnds) {
    SetWorkingFile("1 0 0 0 1 5\r\n1\r\n1 50 7 0 100 0 300 0 200 200 0 0 0 1 0\r\n");
    ASSERT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
    EXPECT_EQ(ObjectList[0]->x2, Cx() + 300);
}

} // namespace
