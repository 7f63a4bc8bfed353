// File New: the drawing written on disk, the settings it leaves, the window and tool it starts, the
// dialog's choices and name filter, and the questions that keep existing work.
#include "dialogs/new_drawing_dialog.h"
#include "platform/cursor.h"
#include "resources/dialogs/room_templates.h"
#include "tests/shell/file_commands_fixture.h"

namespace {

using NewDrawing = FileCommandsTest;

TEST_F(NewDrawing, MetricDrawingStartingWithExternalWalls) {
    New("SMITH", 2, true);

    EXPECT_EQ(HeaderOf("DWGS/SMITH.DB0"), "4 0 0 0 1 1");
    EXPECT_EQ(Contents("SMITH"), FloorRecords());
    EXPECT_EQ(dir.ReadFile("CFG/OVERLAY.CFG"), "0 0 0 0 0");
    EXPECT_EQ(dir.ReadFile("CFG/METRIC.CFG"), "1");
    EXPECT_EQ(dir.ReadFile("CFG/START.CFG"), "2");
    EXPECT_EQ(Titles(), std::vector<std::string>{"SMITH.PLN"});
    // The saved copy of a new drawing holds nothing.
    EXPECT_EQ(HeaderOf("CFG/tmp.cfg"), "0 0 0 0 1 1");

    EXPECT_EQ(DrawingState, 2);
    EXPECT_EQ(SaveState, 1);
    EXPECT_EQ(CurrentView, kGroundFloor);
    EXPECT_EQ(ZoomDivisor, 5);
    EXPECT_EQ(HelpContextId, 251);
    EXPECT_EQ(LayoutGridFlag, 0);
    EXPECT_STREQ(ObjectList.DrawingName, "SMITH");
    EXPECT_EQ(client->Tool->Kind, 1000);
    EXPECT_EQ(client->Tool->Mode, 0);
    EXPECT_EQ(client->Tool->PickKind, 1);
    EXPECT_EQ(client->Tool->PointPlaced, 0);

    TPoint corner(25, 25);
    client->ClientToScreen(corner);
    EXPECT_TRUE(ui.LogContains("SetCursorPos " + std::to_string(corner.x) + " " + std::to_string(corner.y)));
    EXPECT_EQ(dir.ReadFile("CFG/ZOOM.CFG"), std::to_string(ViewExtentX) + " " + std::to_string(ViewExtentY));
    EXPECT_TRUE(dir.ReadFile("CFG/ZSTAT.CFG").starts_with("0 " + std::to_string(ViewExtentX) + " "));
}

TEST_F(NewDrawing, ImperialDrawingStartingWithDesignRooms) {
    // The first room is asked for at once: its partition thickness, then the room itself.
    AnswerNew("JONES", 1, false);
    pl::script::AnswerDialog(kRoomPartitionImpDialogId, {{{}, IDCANCEL}});
    pl::script::AnswerDialog(kNewRoomImpDialogId, {{{}, IDCANCEL}});
    client->ProcessCommand(230);

    EXPECT_EQ(HeaderOf("DWGS/JONES.DB0"), "4 0 0 0 0 1");
    EXPECT_EQ(Contents("JONES"), FloorRecords());
    EXPECT_EQ(dir.ReadFile("CFG/METRIC.CFG"), "0");
    EXPECT_EQ(dir.ReadFile("CFG/START.CFG"), "1");
    EXPECT_EQ(Titles(), std::vector<std::string>{"JONES.LYT"});
    EXPECT_EQ(MetricUnits, 0);
    EXPECT_EQ(ZoomDivisor, 6);
    EXPECT_EQ(CurrentView, kRoomLayout);
    EXPECT_EQ(LayoutGridFlag, 1);
}

TEST_F(NewDrawing, DialogOpensOnTheStoredChoicesAndCancelChangesNothing) {
    dir.WriteFile("CFG/START.CFG", "1");
    dir.WriteFile("CFG/METRIC.CFG", "0");
    pl::script::AnswerDialog(kNewDrawingDialogId, {{{}, IDCANCEL}});
    client->ProcessCommand(230);
    EXPECT_TRUE(ui.LogContains("initial{2027=\"client\" 2208=1 2209=0 2026=0 2025=1}")) << ui.Log();
    EXPECT_TRUE(Titles().empty());
    EXPECT_EQ(DrawingState, 0);
    EXPECT_FALSE(dir.Exists("DWGS/client.DB0"));

    // Anything but 1 in the files selects external walls and feet and inches.
    dir.WriteFile("CFG/START.CFG", "7");
    dir.WriteFile("CFG/METRIC.CFG", "x");
    pl::script::AnswerDialog(kNewDrawingDialogId, {{{}, IDCANCEL}});
    client->ProcessCommand(230);
    EXPECT_TRUE(ui.LogContains("2208=0 2209=1 2026=1 2025=0}")) << ui.Log();
}

TEST_F(NewDrawing, NameKeepsOnlyLettersDigitsCommaAndBlankUpTo24) {
    New("../SM/ITH\\x.y");
    EXPECT_STREQ(ObjectList.DrawingName, "SMITHxy");
    EXPECT_TRUE(dir.Exists("DWGS/SMITHxy.DB0"));

    New("ABCDEFGHIJKLMNOPQRSTUVWXYZ, 0123");
    EXPECT_STREQ(ObjectList.DrawingName, "ABCDEFGHIJKLMNOPQRSTUVWX");
    EXPECT_EQ(Titles(), std::vector<std::string>{"ABCDEFGHIJKLMNOPQRSTUVWX.PLN"});
}

TEST_F(NewDrawing, OuterBlanksAreNoPartOfTheName) {
    New("  SMITH ");
    EXPECT_STREQ(ObjectList.DrawingName, "SMITH");
    EXPECT_TRUE(dir.Exists("DWGS/SMITH.DB0"));
}

TEST_F(NewDrawing, EmptyNameEndsQuietly) {
    AnswerNew("");
    client->ProcessCommand(230);
    AnswerNew("   ");
    client->ProcessCommand(230);
    EXPECT_TRUE(Titles().empty());
    EXPECT_EQ(DrawingState, 0);
    EXPECT_FALSE(dir.Exists("DWGS/.DB0"));
}

TEST_F(NewDrawing, ExistingDrawingIsReplacedOnlyWhenTheUserAgrees) {
    const std::string existing = "1 0 0 0 1 7\n32000\n50 32000 1 0 0 0 0 0 0 0 0 0 0 0\n";
    dir.WriteFile("DWGS/SMITH.DB0", existing);

    AnswerNew("SMITH");
    pl::script::AnswerMessageBox(IDNO);
    client->ProcessCommand(230);
    EXPECT_TRUE(ui.LogContains("SMITH already exists"));
    EXPECT_EQ(dir.ReadFile("DWGS/SMITH.DB0"), existing);
    EXPECT_TRUE(Titles().empty());

    AnswerNew("SMITH");
    pl::script::AnswerMessageBox(IDYES);
    AnswerWallConstruction();
    client->ProcessCommand(230);
    EXPECT_EQ(Contents("SMITH"), FloorRecords());
    EXPECT_EQ(Titles(), std::vector<std::string>{"SMITH.PLN"});
}

TEST_F(NewDrawing, DeclinedChangesOfANeverSavedDrawingLeaveNoWorkingFile) {
    New("SMITH");
    Draw(1000, 1000, 5000, 1000);
    ASSERT_EQ(Contents("SMITH").size(), 5u);

    AnswerSaveQuestion(IDNO);
    New("JONES");
    EXPECT_FALSE(dir.Exists("DWGS/SMITH.DB0"));
    EXPECT_EQ(Titles(), std::vector<std::string>{"JONES.PLN"});
}

TEST_F(NewDrawing, SavedAnswerKeepsTheDrawingAndANewDrawingOfFourRecordsNeverAsks) {
    New("SMITH");
    Draw(1000, 1000, 5000, 1000);
    AnswerSaveQuestion(IDOK);
    New("JONES");
    EXPECT_EQ(Contents("SMITH").size(), 5u);
    EXPECT_TRUE(Contents("JONES", 0).empty()); // the saved copy of the new drawing is empty
    // JONES holds only its floor records: leaving it asks nothing.
    New("BROWN");
    EXPECT_TRUE(dir.Exists("DWGS/JONES.DB0"));
}

TEST_F(NewDrawing, UnitsQuestionShowsAndStoresTheUnitSystem) {
    dir.WriteFile("CFG/METRIC.CFG", "0");
    pl::script::AnswerDialog(kUnitsDialogId, {{{{kUnitsMetricRadio, "1"}}, IDOK}});
    TMeasdlg units(client->GetHandle());
    EXPECT_EQ(units.Execute(), IDOK);
    EXPECT_TRUE(ui.LogContains("initial{5451=0 5452=1}")) << ui.Log();
    EXPECT_EQ(MetricUnits, 1);
    EXPECT_EQ(dir.ReadFile("CFG/METRIC.CFG"), "1");

    pl::script::AnswerDialog(kUnitsDialogId, {{{{kUnitsImperialRadio, "1"}}, IDOK}});
    TMeasdlg again(client->GetHandle());
    again.Execute();
    EXPECT_EQ(MetricUnits, 0);
    EXPECT_EQ(dir.ReadFile("CFG/METRIC.CFG"), "0");
}

TEST_F(NewDrawing, ForgetsTheSelectionOfTheDrawingBefore) {
    dir.WriteFile("CFG/TEMP.CFG", "3\n");
    New("SMITH");
    EXPECT_EQ(dir.ReadFile("CFG/TEMP.CFG"), "0\n");
}

TEST_F(NewDrawing, EscapeInAWallDialogLeavesThePickToolAndItsGuide) {
    struct Cancel {
        const char* name;
        std::vector<std::pair<int32_t, std::vector<pl::script::DialogStep>>> answers;
    };
    const Cancel cancels[] = {
        {"SMITH", {{kPlanDialogId, {{{}, IDCANCEL}}}}},
        {"JONES", {{kPlanDialogId, {{{{kPlanCavity275, "1"}}, IDOK}}}, {kExtSideDialogId, {{{}, IDCANCEL}}}}},
    };
    for (const Cancel& cancel : cancels) {
        SCOPED_TRACE(cancel.name);
        AnswerNew(cancel.name);
        for (const auto& [id, steps] : cancel.answers)
            pl::script::AnswerDialog(id, steps);
        client->ProcessCommand(230);
        EXPECT_EQ(client->Tool->Kind, 21);
        EXPECT_EQ(std::string(client->StatusBar->GetText()), "GUIDE: Select a function or drawing tool");
    }
}

} // namespace
