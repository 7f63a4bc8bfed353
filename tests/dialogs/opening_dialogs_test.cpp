// The window and door dialogs: what they show from CFG/WIND.CFG and CFG/DOOR.CFG, the files their OK
// writes byte for byte, and what they refuse before anything is written.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <map>
#include <sstream>
#include <string>

#include "dialogs/door_defaults_dialog.h"
#include "dialogs/opening_dialogs.h"
#include "dialogs/partition_dialogs.h"
#include "dialogs/room_partition_dialogs.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/test_script.h"
#include "resources/dialogs/partition_templates.h"
#include "resources/dialogs/room_templates.h"
#include "tests/support/program_directory.h"
#include "tests/support/scripted_ui.h"

namespace {

using pl::script::DialogStep;

class OpeningDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGlobals();
        MetricUnits = 1;
        ObjectList.ProgramDirectory = dir.Path();
    }
    void TearDown() override { ResetGlobals(); }
    testsupport::ProgramDirectory dir;
    testsupport::ScriptedUi ui;
};

struct DoorTypeCase {
    const char* name;
    int32_t metric;
    int32_t radio;
    const char* width;
    const char* number;
    const char* file;
};

class DoorType : public OpeningDialogs, public ::testing::WithParamInterface<DoorTypeCase> {};

TEST_P(DoorType, WritesTheKindAndTotal) {
    const DoorTypeCase& c = GetParam();
    MetricUnits = c.metric;
    pl::script::AnswerDialog(
        kExtDoorDialogId,
        {DialogStep{{{kDoorWidthEdit, c.width}, {kDoorNumberEdit, c.number}, {c.radio, "1"}}, IDOK}});
    TExtdoordlg dialog(nullptr, kExtDoorDialogId);
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dir.ReadFile("CFG/DOOR.CFG"), c.file);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DoorType,
    ::testing::Values(
        DoorTypeCase{"HingedPair", 1, kDoorHinged, "800", "2", "7 0 1600 1 800 2 0 0 0 0 0 0 "},
        DoorTypeCase{"HingedOne", 1, kDoorHinged, "800", "1", "6 0 800 1 800 1 0 0 0 0 0 0 "},
        DoorTypeCase{"ImperialSlidingFramed", 0, kDoorSlidingFramed, "30", "3",
                     "3 0 2880 24 720 2 0 0 0 0 0 0 "},
        DoorTypeCase{"WardrobeOdd", 1, kDoorWardrobe, "600", "3", "24 0 1800 1 600 4 0 0 0 0 0 0 "},
        DoorTypeCase{"WardrobeOne", 1, kDoorWardrobe, "600", "1", "24 0 600 1 600 2 0 0 0 0 0 0 "},
        DoorTypeCase{"IntoWallFive", 1, kDoorIntoWall, "700", "5", "23 0 1400 1 700 2 0 0 0 0 0 0 "},
        DoorTypeCase{"WallOpeningFour", 1, kDoorWallOpening, "900", "4", "5 0 900 1 900 1 0 0 0 0 0 0 "}),
    [](const auto& info) { return std::string(info.param.name); });

struct StoredOpeningCase {
    const char* name;
    int32_t metric;
    bool window;
    const char* stored;
    const char* shown;            // controls the dialog opens with, as logged, one after another
    const char* mended = nullptr; // the file once the dialog is answered; none: as stored
    int32_t dialog = 0;           // a dialog other than the window or the door type
    int32_t answer = IDCANCEL;    // OK too leaves a size the user did not change as it was
    const char* file = nullptr;   // the settings file of a dialog that is not for an opening
    std::vector<std::pair<int32_t, std::string>> typed = {};
};

template <typename Dialog, bool... kept> int32_t Run(int32_t id) {
    return Dialog(nullptr, id, kept...).Execute();
}
const std::map<int32_t, int32_t (*)(int32_t)> kRun = {{kWindowDialogId, Run<TWindlg>},
                                                      {kExtDoorDialogId, Run<TExtdoordlg>},
                                                      {kRobeDialogId, Run<TRobedlg, true>},
                                                      {kEntryFrameDialogId, Run<TEntrydlg, true>},
                                                      {kFoldingDialogId, Run<TFoldingdlg, true>},
                                                      {kDoorDefaultsDialogId, Run<TConfigdlg>},
                                                      {kPartitionImpDialogId, Run<TDbleimpdlg>},
                                                      {kRoomPartitionImpDialogId, Run<TRmpttnimpdlg>}};

class StoredOpening : public OpeningDialogs, public ::testing::WithParamInterface<StoredOpeningCase> {};

// A file written in the other units opens converted and is left as it is; a kind or word no dialog
// writes opens as shipped, and the file is written back whole. OK keeps every size left as offered.
TEST_P(StoredOpening, OpensAsTheDrawingsUnitsReadItAndIsMendedOnlyWhenDamaged) {
    const StoredOpeningCase& c = GetParam();
    MetricUnits = c.metric;
    CurrentView = kGroundFloor;
    const std::string file = c.file ? c.file : c.window ? "CFG/WIND.CFG" : "CFG/DOOR.CFG";
    dir.WriteFile(file, c.stored);
    // Every write replaces the file by a new one: a file read as it stands keeps its own.
    const auto Inode = [&] {
        struct stat st {};
        return ::stat((dir.Path() + file).c_str(), &st) == 0 ? st.st_ino : 0;
    };
    const auto written = Inode();
    const int32_t id = c.dialog ? c.dialog : c.window ? kWindowDialogId : kExtDoorDialogId;
    pl::script::AnswerDialog(id, {DialogStep{c.typed, c.answer}});
    EXPECT_EQ(kRun.at(id)(id), c.answer) << ui.Log();
    std::istringstream shown(c.shown);
    for (std::string control; shown >> control;)
        EXPECT_TRUE(ui.LogContains(control)) << control << "\n" << ui.Log();
    EXPECT_EQ(dir.ReadFile(file), c.mended ? c.mended : c.stored);
    EXPECT_TRUE(c.answer == IDOK || (Inode() == written) == (c.mended == nullptr));
}

const std::vector<std::pair<int32_t, std::string>> kWidthTyped36 = {{kWindowWidth, "36"}};
const std::vector<std::pair<int32_t, std::string>> kHeightTyped40 = {{kWindowHeight, "40"}};
const std::vector<std::pair<int32_t, std::string>> kRobeTyped1100 = {{kRobeOpening, "1100"}};

const StoredOpeningCase kStoredOpenings[] = {
    {"ShippedInFeetAndInches", 0, true, "1 1200 1050 1 1 9 0 0 0 0 0 0 ", "6501=\"47\" 6502=\"41\""},
    {"InchesInAMetricDrawing", 1, true, "1 864 1032 24 1 9 0 0 0 0 0 4 sill", "6501=\"914\" 6502=\"1092\""},
    {"KindAndCarriedWordsOutOfReach", 1, true, "2147483647 1200 1050 1 1 9 0 5 -1 3 7 0 ", "6501=\"1200\"",
     "1 1200 1050 1 1 9 0 0 0 0 0 0 "},
    {"DoorKindInTheWindowFile", 1, true, "6 900 900 1 1 9 0 0 0 0 0 0 ", "6501=\"900\"",
     "1 900 900 1 1 9 0 0 0 0 0 0 "},
    {"LabelPointsEight", 1, true, "1 1200 1050 1 1 8 0 0 0 0 0 0 ", "6507=1",
     "1 1200 1050 1 1 9 0 0 0 0 0 0 "},
    {"UnitsOfNeither", 0, true, "1 900 900 7 1 9 0 0 0 0 0 0 ", "6501=\"47\"",
     "1 1134 993 24 1 9 0 0 0 0 0 0 "},
    {"SecondSeriesWindowKept", 1, true, "12 900 600 1 0 7 1 0 0 0 0 3 abc",
     "6501=\"900\" 6502=\"600\" 6506=1"},
    {"UnlistedDoorKind", 1, false, "99 0 800 1 800 1 0 0 7 0 0 8 two word", "26501=\"800\" 26505=1",
     "6 0 800 1 800 1 0 0 0 0 0 8 two word"},
    {"DoorWordsOutOfReach", 1, false, "21 2147483647 2400 1 800 3 3 5 5 -1 9 0 ", "26523=1",
     "21 0 2400 1 800 3 0 0 0 0 0 0 "},
    {"DoorMillimetresInFeetAndInches", 0, false, "6 0 820 1 820 1 0 0 0 0 0 0 ", "26501=\"32\""},
    {"WindowMillimetresToTheNearestInch", 0, true, "1 1190 1050 1 1 9 0 0 0 0 0 0 ",
     "6501=\"47\" 6502=\"41\""},
    {"DoorMillimetresToTheNearestInch", 0, false, "6 0 810 1 810 1 0 0 0 0 0 0 ", "26501=\"32\""},
    {"DoorInchesInAMetricDrawing", 1, false, "7 0 2304 24 1152 2 0 0 0 0 0 0 ", "26501=\"1219\" 26504=\"2\""},
    {"SecondSeriesDoorKept", 1, false, "16 0 800 1 800 1 0 0 0 2 0 0 ", "26505=1"},
    {"UnlinedWindowKept", 1, true, "4 900 600 1 1 9 0 0 0 0 0 0 ", "6501=\"900\""},
    {"SecondSeriesUnlinedWindowKept", 0, true, "14 864 576 24 1 9 0 0 0 0 0 0 ", "6501=\"36\""},
    // Millimetres are offered as the inch nearest to them, not to the eighth they convert to.
    {"WindowMillimetresRoundedOnce", 0, true, "1 1205 2400 1 1 9 0 0 0 0 0 0 ", "6501=\"47\" 6502=\"94\""},
    {"DoorMillimetresRoundedOnce", 0, false, "6 0 1205 1 1205 1 0 0 0 0 0 0 ", "26501=\"47\""},
    {"RobeOpeningRoundedOnce", 0, false, "24 0 1460 1 730 2 0 0 0 0 0 0 ", "26541=\"55\"", nullptr,
     kRobeDialogId},
    {"EntryFrameRoundedOnce", 0, false, "10 0 730 1 730 1 0 0 0 0 0 0 ", "6001=\"57\"", nullptr,
     kEntryFrameDialogId},
    {"SlidingFrameRoundedOnce", 0, false, "3 0 1460 1 730 1 0 0 0 0 0 0 ", "6001=\"57\"", nullptr,
     kEntryFrameDialogId},
    {"SecondSeriesSlidingFrameRoundedOnce", 0, false, "13 0 1460 1 730 1 0 0 0 1 0 0 ", "6001=\"57\"",
     nullptr, kEntryFrameDialogId},
    {"SmallWindowMillimetres", 0, true, "1 100 1050 1 1 9 0 0 0 0 0 0 ", "6501=\"4\" 6502=\"41\""},
    {"SmallDoorMillimetres", 0, false, "6 0 100 1 100 1 0 0 0 0 0 0 ", "26501=\"4\""},
    {"TinyWindowMillimetres", 0, true, "1 4 1050 1 1 9 0 0 0 0 0 0 ", "6501=\"4\""},
    {"WindowMillimetresKeptByOk", 0, true, "1 790 790 1 1 9 0 0 0 0 0 0 ", "6501=\"31\"", nullptr, 0, IDOK},
    {"SmallHeightConvertedWithATypedWidth", 0, true, "1 1200 100 1 1 9 0 0 0 0 0 0 ", "6502=\"4\"",
     "1 864 96 24 1 9 0 0 0 0 0 0 ", 0, IDOK, nullptr, kWidthTyped36},
    {"DoorMillimetresKeptByOk", 0, false, "6 0 100 1 100 1 0 0 0 0 0 0 ", "26501=\"4\"", nullptr, 0, IDOK},
    {"WardrobeDoorsWrittenWholeByOk", 1, false, "24 0 1590 1 820 2 0 0 0 0 0 0 ", "",
     "24 0 1640 1 820 2 0 0 0 0 0 0 ", 0, IDOK},
    {"EntryFrameDoorsWrittenWholeByOk", 1, false, "10 0 1900 1 820 1 0 0 0 2 0 0 ", "",
     "10 0 820 1 820 1 0 0 0 0 0 0 ", 0, IDOK},
    {"FoldingDoorsWrittenWholeByOk", 1, false, "21 0 1640 1 820 2 2 0 0 0 0 0 ", "",
     "21 0 1640 1 820 2 0 0 0 0 0 0 ", 0, IDOK},
    {"RobeMillimetresKeptByOk", 0, false, "24 0 1460 1 730 2 0 0 0 0 0 0 ", "26541=\"55\"",
     "24 0 1410 1 730 2 0 0 0 0 0 0 ", kRobeDialogId, IDOK},
    {"SlidingFrameKeptByOk", 0, false, "3 0 1460 1 730 1 0 0 0 1 0 0 ", "6001=\"57\"", nullptr,
     kEntryFrameDialogId, IDOK},
    {"EntryFrameKeptByOk", 0, false, "10 0 1460 1 730 1 0 0 0 0 0 0 ", "6001=\"57\" 6006=1", nullptr,
     kEntryFrameDialogId, IDOK},
    {"EntryFrameRightKeptByOk", 1, false, "10 0 2500 1 900 1 0 0 0 2 0 0 ", "6001=\"2500\" 6005=1", nullptr,
     kEntryFrameDialogId, IDOK},
    {"SlidingFrameLeftKeptByOk", 0, false, "3 0 3000 1 700 2 0 0 0 1 0 0 ", "6001=\"118\" 6004=1", nullptr,
     kEntryFrameDialogId, IDOK},
    {"FoldingRightKeptByOk", 1, false, "21 0 1800 1 900 2 2 0 0 0 0 0 ", "26572=1", nullptr, kFoldingDialogId,
     IDOK},
    {"FoldingCentreKeptByOk", 1, false, "21 0 1800 1 900 2 0 0 0 0 0 0 ", "26573=1", nullptr,
     kFoldingDialogId, IDOK},
    {"RobeOpeningTakenKeptByOk", 0, false, "24 0 1500 1 820 2 0 0 0 0 0 0 ", "26541=\"59\"", nullptr,
     kRobeDialogId, IDOK},
    {"WindowHeightTypedAlone", 0, true, "1 1200 1050 1 1 9 0 0 0 0 0 0 ", "6501=\"47\" 6502=\"41\"",
     "1 1134 960 24 1 9 0 0 0 0 0 0 ", 0, IDOK, nullptr, kHeightTyped40},
    {"RobeOpeningTyped", 1, false, "24 0 1200 1 600 2 0 0 0 0 0 0 ", "26541=\"1150\"",
     "24 0 1100 1 600 2 0 0 0 0 0 0 ", kRobeDialogId, IDOK, nullptr, kRobeTyped1100},
    {"DoorInchesKeptByOk", 1, false, "820 790", "5411=\"33\"", nullptr, kDoorDefaultsDialogId, IDOK,
     "CFG/DOORSZE.CFG"},
    {"PartitionFinerThanEighthsKeptByOk", 0, false, "97", "7505=\"4\"", nullptr, kPartitionImpDialogId, IDOK,
     "CFG/PTNI.CFG"},
    {"RoomPartitionFinerThanEighthsKeptByOk", 0, false, "97 97 97", "21501=\"4\"", nullptr,
     kRoomPartitionImpDialogId, IDOK, "CFG/RMPTNI.CFG"},
};

INSTANTIATE_TEST_SUITE_P(Files, StoredOpening, ::testing::ValuesIn(kStoredOpenings),
                         [](const auto& info) { return std::string(info.param.name); });

// OK on a file whose kind is not listed for doors writes the kind the shipped one gives, with the
// label carried.
TEST_F(OpeningDialogs, AnUnlistedKindIsTakenAsShippedWithItsLabel) {
    dir.WriteFile("CFG/DOOR.CFG", "99 0 800 1 800 1 0 0 7 0 0 8 two word");
    pl::script::AnswerDialog(kExtDoorDialogId, {DialogStep{{}, IDOK}});
    TExtdoordlg dialog(nullptr, kExtDoorDialogId);
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dir.ReadFile("CFG/DOOR.CFG"), "6 0 800 1 800 1 0 0 0 0 0 8 two word");
}

TEST_F(OpeningDialogs, AWidthOutOfRangeWritesNothing) {
    const std::string before = dir.ReadFile("CFG/DOOR.CFG");
    pl::script::AnswerDialog(kExtDoorDialogId,
                             {DialogStep{{{kDoorWidthEdit, "9001"}}, IDOK}, DialogStep{{}, IDCANCEL}});
    TExtdoordlg dialog(nullptr, kExtDoorDialogId);
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(dir.ReadFile("CFG/DOOR.CFG"), before);
}

// Sizes no dialog takes open as shipped, so OK is not refused for what the user never typed.
TEST_F(OpeningDialogs, SizesNoDialogTakesOpenAsShipped) {
    dir.WriteFile("CFG/WIND.CFG", "1 99999 -3 1 1 9 0 0 0 0 0 0 ");
    pl::script::AnswerDialog(kWindowDialogId, {DialogStep{{}, IDOK}});
    TWindlg dialog(nullptr, kWindowDialogId);
    ASSERT_EQ(dialog.Execute(), IDOK) << ui.Log();
    EXPECT_EQ(dir.ReadFile("CFG/WIND.CFG"), "1 1200 1050 1 1 9 0 0 0 0 0 0 ");
}

TEST_F(OpeningDialogs, TheWindowKeepsKindAndLabelAndClearsTheSpareWord) {
    MetricUnits = 0;
    dir.WriteFile("CFG/WIND.CFG", "2 870 1152 24 1 7 0 0 0 5 0 9 two words");
    pl::script::AnswerDialog(kWindowDialogId, {DialogStep{{{kWindowWidth, "36"}}, IDOK}});
    TWindlg dialog(nullptr, kWindowDialogId);
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_TRUE(ui.LogContains("6501=\"36\"")) << ui.Log(); // 870 shows as whole inches
    EXPECT_EQ(dir.ReadFile("CFG/WIND.CFG"), "2 870 1152 24 1 7 0 0 0 0 0 9 two words");
    EXPECT_EQ(dialog.SpareWord, 0);
}

TEST_F(OpeningDialogs, ALongLabelIsCutToThirtyAndANegativeLengthReadsNone) {
    dir.WriteFile("CFG/WIND.CFG", "1 1200 1050 1 0 3 0 0 0 0 0 35 ABCDEFGHIJKLMNOPQRSTUVWXYZ123456789");
    pl::script::AnswerDialog(kWindowDialogId, {DialogStep{{}, IDOK}});
    TWindlg first(nullptr, kWindowDialogId);
    ASSERT_EQ(first.Execute(), IDOK);
    EXPECT_EQ(dir.ReadFile("CFG/WIND.CFG"), "1 1200 1050 1 0 9 0 0 0 0 0 30 ABCDEFGHIJKLMNOPQRSTUVWXYZ1234");
    dir.WriteFile("CFG/WIND.CFG", "1 1200 1050 1 0 9 0 0 0 0 0 -4 ABC");
    pl::script::AnswerDialog(kWindowDialogId, {DialogStep{{}, IDOK}});
    TWindlg second(nullptr, kWindowDialogId);
    ASSERT_EQ(second.Execute(), IDOK);
    EXPECT_EQ(dir.ReadFile("CFG/WIND.CFG"), "1 1200 1050 1 0 9 0 0 0 0 0 0 ");
}

struct FrameCase {
    const char* name;
    const char* door;
    const char* typed;
    int32_t total;
    int32_t number;
};

class EntryFrame : public OpeningDialogs, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(EntryFrame, FrameHoldsItsDoors) {
    dir.WriteFile("CFG/DOOR.CFG", GetParam().door);
    pl::script::AnswerDialog(kEntryFrameDialogId, {DialogStep{{{kEntryFrameWidth, GetParam().typed}}, IDOK}});
    TEntrydlg dialog(nullptr, kEntryFrameDialogId);
    ASSERT_EQ(dialog.Execute(), IDOK);
    int total = 0, number = 0;
    ASSERT_EQ(std::sscanf(dir.ReadFile("CFG/DOOR.CFG").c_str(), "%*d %*d %d %*d %*d %d", &total, &number), 2);
    EXPECT_EQ(total, GetParam().total);
    EXPECT_EQ(number, GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, EntryFrame,
    ::testing::Values(FrameCase{"SlidingPairRaised", "3 0 2800 1 700 2 0 0 0 0 0 0 ", "2000", 2800, 2},
                      FrameCase{"EntryAsWideAsItsDoor", "10 0 900 1 900 1 0 0 0 0 0 0 ", "900", 1900, 1},
                      FrameCase{"EntryWiderKept", "10 0 900 1 900 1 0 0 0 0 0 0 ", "2000", 2000, 1},
                      FrameCase{"FiveDoorsBecomeTwo", "10 0 900 1 300 5 0 0 0 0 0 0 ", "2000", 2000, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OpeningDialogs, FoldingHandAndRobeOpeningChangeOnlyTheirField) {
    dir.WriteFile("CFG/DOOR.CFG", "24 0 3200 1 800 4 0 0 0 0 0 5 robes");
    pl::script::AnswerDialog(kFoldingDialogId, {DialogStep{{{kFoldingRight, "1"}}, IDOK}});
    TFoldingdlg folding(nullptr, kFoldingDialogId);
    ASSERT_EQ(folding.Execute(), IDOK);
    EXPECT_EQ(dir.ReadFile("CFG/DOOR.CFG"), "24 0 3200 1 800 4 2 0 0 0 0 5 robes");
    pl::script::AnswerDialog(kRobeDialogId, {DialogStep{{}, IDOK}});
    TRobedlg robe(nullptr, kRobeDialogId);
    ASSERT_EQ(robe.Execute(), IDOK);
    EXPECT_TRUE(ui.LogContains("26541=\"3050\"")) << ui.Log();
    EXPECT_EQ(dir.ReadFile("CFG/DOOR.CFG"), "24 0 3050 1 800 4 2 0 0 0 0 5 robes");
}

TEST_F(OpeningDialogs, EveryPictureRadioGivesItsOwnCode) {
    for (int32_t code = 1; code <= 8; ++code) {
        pl::script::AnswerDialog(kDoorSwingDialogId, {DialogStep{{{kSwingRadios[code - 1], "1"}}, IDOK}});
        TDoordlg swing(nullptr, kDoorSwingDialogId);
        ASSERT_EQ(swing.Execute(), IDOK);
        EXPECT_EQ(swing.SwingType, code);
        pl::script::AnswerDialog(kSlidingDoorDialogId, {DialogStep{{{kSlidingRadios[code - 1], "1"}}, IDOK}});
        TSdoordlg slide(nullptr, kSlidingDoorDialogId);
        ASSERT_EQ(slide.Execute(), IDOK);
        EXPECT_EQ(slide.SlideType, code);
    }
}

} // namespace
