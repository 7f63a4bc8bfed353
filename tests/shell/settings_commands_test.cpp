// The Customise commands and the drawing window's settings kinds: what the dialogs answered by the
// test leave in the settings files, and the repaint that follows with the layout grid showing.
#include <cstring>

#include "document/program_state.h"
#include "tests/shell/drawing_window_fixture.h"

namespace {

constexpr int32_t kUnitsDialog = 5450;

void ChooseUnits(bool metric) {
    pl::script::AnswerDialog(kUnitsDialog, {{{{metric ? 5451 : 5452, "1"}}, IDOK}});
}

class SettingsCommands : public DrawingWindowTest {
protected:
    void OpenDrawing() {
        WriteDrawing({});
        ObjectList.Add(make::Line(kGroundFloor, Cx(), Cy(), Cx() + 500, Cy()));
        ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
        DrawingState = 2;
        Open();
    }
};

TEST_F(SettingsCommands, CalibrationStoresTheEnteredLengthAndItsFactor) {
    struct Case {
        int32_t metric;
        std::vector<std::pair<int32_t, std::string>> values;
        const char* file;
        const char* stored;
    };
    const Case cases[] = {
        {1, {{3201, "15000"}}, "CFG/PRNTCALM.CFG", "15000 1.000000"},
        {1, {{3201, "14850"}}, "CFG/PRNTCALM.CFG", "14850 1.010000"},
        {1, {{3201, "15300"}}, "CFG/PRNTCALM.CFG", "15300 0.980000"},
        {0, {{3302, "51"}, {3301, "6"}}, "CFG/PRNTCALI.CFG", "14832 1.009615"},
    };
    OpenDrawing();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        MetricUnits = c.metric;
        testsupport::ScriptedUi ui;
        pl::script::AnswerDialog(c.metric ? 3200 : 3300, {{c.values, IDOK}});
        child->RunSettingsDialog(11);
        EXPECT_EQ(dir.ReadFile(c.file), c.stored);
    }
    testsupport::ScriptedUi ui;
    pl::script::AnswerDialog(3300, {{{{3302, "50"}}, IDCANCEL}});
    child->RunSettingsDialog(11);
    EXPECT_EQ(dir.ReadFile("CFG/PRNTCALI.CFG"), "14832 1.009615");
}

TEST_F(SettingsCommands, MergeDistanceIsRaisedToItsMinimumAndRewrittenOnCancel) {
    struct Case {
        bool metric;
        bool confirm;
        const char* typed;
        const char* stored; // what the file held before
        const char* file;
        const char* expected;
    };
    const Case cases[] = {
        {false, true, "1", "96\n", "CFG/MERGEI.CFG", "48\n"},
        {true, true, "30", "100\n", "CFG/MERGEM.CFG", "50\n"},
        {true, true, "abc", "100\n", "CFG/MERGEM.CFG", "50\n"},
        {true, false, "", "20\n", "CFG/MERGEM.CFG", "100\n"}, // a damaged file shows the shipped value
        {true, false, "", "", "CFG/MERGEM.CFG", "100\n"},     // a missing file shows the shipped value
        {false, false, "", "120\n", "CFG/MERGEI.CFG", "120\n"},
        {false, false, "", "110\n", "CFG/MERGEI.CFG", "110\n"}, // 4 inches and 7/12 are offered as 5
        {false, true, "50", "1205\n", "CFG/MERGEI.CFG", "1205\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " " + c.typed + " over " + c.stored);
        dir.WriteFile(c.file, c.stored);
        testsupport::ScriptedUi ui;
        ChooseUnits(c.metric);
        if (c.confirm)
            pl::script::AnswerInput(c.typed);
        else
            pl::script::CancelInput();
        client->CmDesignRoomMerge();
        EXPECT_EQ(dir.ReadFile(c.file), c.expected);
    }
}

TEST_F(SettingsCommands, LayoutGridSpacingKeepsItsColour) {
    struct Case {
        bool metric;
        bool confirm;
        const char* typed;
        const char* stored;
        const char* expected;
    };
    const Case cases[] = {
        {false, true, "6", "960 255\n", "240 255\n"},
        {false, true, "12", "960 255\n", "288 255\n"},
        {false, false, "", "250 255\n", "250 255\n"},
        {true, true, "100", "1000 255\n", "250 255\n"},
        {true, true, "1200", "1000 255\n", "1200 255\n"},
        {false, false, "", "950 255\n", "950 255\n"}, // 39 inches and 7/12 are offered as 40
        {false, true, "40", "950 255\n", "950 255\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " over " + c.stored);
        const char* file = c.metric ? "CFG/LYTGRIDM.CFG" : "CFG/LYTGRIDI.CFG";
        dir.WriteFile(file, c.stored);
        testsupport::ScriptedUi ui;
        ChooseUnits(c.metric);
        if (c.confirm)
            pl::script::AnswerInput(c.typed);
        else
            pl::script::CancelInput();
        pl::script::CancelColour();
        client->CmDefaultLayoutGrid();
        EXPECT_EQ(dir.ReadFile(file), c.expected);
    }
}

TEST_F(SettingsCommands, FontWritesTheCountedFaceAndStartUpShowsTheStoredStyle) {
    dir.WriteFile("CFG/TEXT.CFG", "14 700 4Mono");
    testsupport::ScriptedUi ui;
    pl::script::CancelFont();
    client->CmDefaultFont();
    EXPECT_TRUE(ui.LogContains("ChooseFont initial=\"Mono\" 140/10pt weight 700")) << ui.Log();

    OpenDrawing();
    LOGFONT font{};
    std::strcpy(font.lfFaceName, "DejaVu Sans");
    font.lfWeight = 400;
    pl::script::AnswerFont(font, 105);
    client->CmDefaultFont();
    EXPECT_EQ(dir.ReadFile("CFG/TEXT.CFG"), "10 400 11DejaVu Sans");
    EXPECT_EQ(DefaultTextHeight, 10);
}

TEST_F(SettingsCommands, DoorsWithoutADrawingOpenTheDialogAtOnce) {
    testsupport::ScriptedUi ui;
    pl::script::AnswerDialog(5400, {{{}, IDCANCEL}});
    client->CmDefaultDoors();
    EXPECT_EQ(HelpContextId, 310);
}

TEST_F(SettingsCommands, FloorPlanTitlesMarkTheDrawingModifiedEvenWhenCancelled) {
    OpenDrawing();
    SaveState = 0;
    const std::string before = dir.ReadFile("DWGS/HOUSE.DB0");
    testsupport::ScriptedUi ui;
    pl::script::AnswerDialog(20000, {{{}, IDCANCEL}});
    client->CmFloorPlanTitles();
    EXPECT_EQ(SaveState, 1);
    client->CmCentreDrawing();
    EXPECT_EQ(dir.ReadFile("DWGS/HOUSE.DB0"), before);
}

TEST_F(SettingsCommands, FloorPlanTitleTypedReplacesTheOfferedTitle) {
    OpenDrawing();
    testsupport::ScriptedUi ui;
    pl::script::AnswerDialog(20000, {{{{20001, "cellar"}}, IDOK}});
    client->CmFloorPlanTitles();
    EXPECT_EQ(dir.ReadFile("CFG/TITLE2D.CFG").rfind("6 16 17 12 9 cellarfirst floor plan", 0), 0u);
}

// With the layout grid showing, every kind but the font paints the document over the window at once,
// which goes through the working file: an object only in memory reaches the file.
TEST_F(SettingsCommands, EveryKindButTheFontRefreshesOverTheLayoutGrid) {
    struct Case {
        int32_t kind;
        void (*answer)();
        bool refreshes;
    };
    const Case cases[] = {
        {1, [] { pl::script::AnswerDialog(5400, {{{}, IDCANCEL}}); }, true},
        {2, [] { pl::script::AnswerDialog(5500, {{{}, IDCANCEL}}); }, true},
        {3, [] { pl::script::CancelFont(); }, false},
        {5, [] { for (int i = 0; i < 3; ++i) pl::script::CancelColour(); }, true},
        {6, [] { pl::script::CancelColour(); }, true},
        {7, [] { pl::script::AnswerDialog(26600, {{{}, IDCANCEL}}); }, true},
        {11, [] { pl::script::AnswerDialog(3200, {{{}, IDCANCEL}}); }, true},
        {13, [] { for (int i = 0; i < 3; ++i) pl::script::CancelColour(); }, true},
        {14, [] { pl::script::CancelInput(); }, true},
    };
    OpenDrawing();
    LayoutGridFlag = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        ObjectList.Flush();
        ASSERT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
        const int32_t inFile = ObjectList.count;
        ObjectList.Add(make::Line(kGroundFloor, Cx(), Cy() + 300, Cx() + 500, Cy() + 300));
        testsupport::ScriptedUi ui;
        c.answer();
        child->RunSettingsDialog(c.kind);
        ObjectList.Flush();
        ASSERT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
        EXPECT_EQ(ObjectList.count, inFile + (c.refreshes ? 1 : 0));
        ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    }
}

} // namespace
