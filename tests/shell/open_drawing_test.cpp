// File Open: which file opens, the windows it opens, the saved copy it leaves, the text style it
// loads, and the refusals that change nothing.
#include <cerrno>

#include "platform/dc.h"
#include "platform/file_io.h"
#include "platform/window_dc.h"
#include "resources/dialogs/room_templates.h"
#include "tests/shell/file_commands_fixture.h"

namespace {

class OpenDrawing : public FileCommandsTest {
protected:
    // A saved drawing SMITH with one line on the ground floor, no window open.
    void MakeSmith() {
        New("SMITH");
        Draw(1000, 1000, 5000, 1000);
        client->ProcessCommand(237);
        ASSERT_EQ(SaveState, 0);
        client->CloseChildren();
        ObjectList.Flush();
    }
};

TEST_F(OpenDrawing, AFilePickedInAnyFolderOpensTheDrawingOfThatNameInDwgs) {
    MakeSmith();
    const std::string opened = dir.ReadFile("DWGS/SMITH.DB0");
    dir.WriteFile("elsewhere/SMITH.DB0", "0 0 0 0 1 1\n");

    Open(dir.File("elsewhere/SMITH.DB0"));
    EXPECT_EQ(Titles(), std::vector<std::string>{"SMITH.PLN"});
    EXPECT_EQ(DrawingState, 2);
    EXPECT_EQ(SaveState, 0);
    EXPECT_EQ(CurrentView, kGroundFloor);
    EXPECT_EQ(client->Tool->Kind, 21);
    EXPECT_EQ(ObjectList.count, 5);
    // The saved copy is the drawing as opened.
    EXPECT_EQ(dir.ReadFile("CFG/tmp.cfg"), opened);
    EXPECT_EQ(dir.ReadFile("DWGS/SMITH.DB0"), opened);
}

// In any letter case, with blanks round it; of two drawings that differ only in case, the one typed.
TEST_F(OpenDrawing, ANameTypedWithoutItsExtensionOpensThatDrawing) {
    MakeSmith();
    for (const std::string typed :
         {"SMITH", "smith", "smith.db0", "SMITH.db0", " SMITH", "smith ", "Smith", "SMITH "}) {
        if (typed == "Smith") dir.WriteFile("DWGS/Smith.DB0", "0 0 0 0 1 1\n");
        Open(dir.File("DWGS/" + typed));
        EXPECT_EQ(Titles(), std::vector<std::string>{typed == "Smith" ? "Smith.PLN" : "SMITH.PLN"}) << typed;
    }
}

TEST_F(OpenDrawing, DeclinedEditsBringTheDrawingBackAsOpened) {
    MakeSmith();
    const std::string opened = dir.ReadFile("DWGS/SMITH.DB0");
    Open(dir.File("DWGS/SMITH.DB0"));
    Draw(2000, 2000, 2000, 6000);
    ASSERT_NE(dir.ReadFile("DWGS/SMITH.DB0"), opened);

    AnswerSaveQuestion(IDNO);
    Open(dir.File("DWGS/SMITH.DB0"));
    EXPECT_EQ(dir.ReadFile("DWGS/SMITH.DB0"), opened);
    EXPECT_EQ(SaveState, 0);
}

TEST_F(OpenDrawing, AutoSaveStateComesFromTheSettingsFile) {
    MakeSmith();
    dir.WriteFile("CFG/SAVE.CFG", "2");
    Open(dir.File("DWGS/SMITH.DB0"));
    EXPECT_EQ(SaveState, 2);
}

TEST_F(OpenDrawing, ADrawingOfDesignRoomsOnlyOpensItsRoomLayoutToo) {
    AnswerNew("ROOMS", 1);
    pl::script::AnswerDialog(kRoomPartitionDialogId, {{{}, IDCANCEL}});
    pl::script::AnswerDialog(kNewRoomDialogId, {{{}, IDCANCEL}});
    client->ProcessCommand(230);
    Draw(1000, 1000, 5000, 1000, kRoomLayout);
    client->ProcessCommand(237);
    client->CloseChildren();
    ObjectList.Flush();

    Open(dir.File("DWGS/ROOMS.DB0"));
    EXPECT_EQ(Titles(), (std::vector<std::string>{"ROOMS.PLN", "ROOMS.LYT"}));
    EXPECT_EQ(client->GetActiveMDIChild()->GetCaption(), "ROOMS.LYT");
    EXPECT_EQ(CurrentView, kRoomLayout);
    EXPECT_EQ(LayoutGridFlag, 1);
    EXPECT_EQ(Contents("ROOMS", 0).size(), 5u);
}

TEST_F(OpenDrawing, AFileOfThreeObjectsOpensOnTheGroundFloorOnly) {
    dir.WriteFile("DWGS/FEW.DB0", "0 0 0 0 1 1\n");
    Open(dir.File("DWGS/FEW.DB0"));
    EXPECT_EQ(Titles(), std::vector<std::string>{"FEW.PLN"});
    EXPECT_EQ(CurrentView, kGroundFloor);
}

TEST_F(OpenDrawing, CancelledOrRefusedDialogOpensNothingAndSaveThenWritesNothing) {
    MakeSmith();
    Open(dir.File("DWGS/SMITH.DB0"));
    const std::string saved = dir.ReadFile("DWGS/SMITH.DB0");

    pl::script::CancelFile();
    client->ProcessCommand(231);
    EXPECT_TRUE(Titles().empty());
    EXPECT_EQ(DrawingState, 0);
    // No drawing is open: Save must not write the empty document over the last one.
    client->ProcessCommand(237);
    EXPECT_EQ(dir.ReadFile("DWGS/SMITH.DB0"), saved);

    const std::string longName = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    dir.WriteFile("DWGS/" + longName + ".DB0", "0 0 0 0 1 1\n");
    Open(dir.File("DWGS/" + longName + ".DB0"));
    EXPECT_TRUE(ui.LogContains("a drawing name has 1 to 24 characters"));
    EXPECT_TRUE(Titles().empty());
    // A name with the extension typed into it is no drawing: nothing opens and no file is made.
    for (const char* typed : {"SMITH.DB0.DB0", "SMITH.DB0.before-step-1"}) {
        dir.WriteFile("DWGS/" + std::string(typed), saved);
        Open(dir.File("DWGS/" + std::string(typed)));
        EXPECT_TRUE(ui.LogContains("\\\"SMITH.DB0\\\" cannot be opened")) << ui.Log();
        EXPECT_TRUE(Titles().empty());
    }
    EXPECT_EQ(pl::FindFiles(dir.Path() + "DWGS/SMITH.DB0.*").size(), 2u);
    // The name a start gives a drawing it kept as it was before a step opens as any other.
    dir.WriteFile("DWGS/SMITH before 1.DB0", saved);
    Open(dir.File("DWGS/SMITH before 1.DB0"));
    EXPECT_EQ(Titles(), std::vector<std::string>{"SMITH before 1.PLN"});
    client->CloseChildren();

    // A program folder that cannot be written opens nothing, and says so.
    pl::OnFileCall([&](pl::FileCall, const std::string&, const std::string& to) {
        return to.starts_with(dir.Path() + "CFG/") ? EROFS : 0;
    });
    Open(dir.File("DWGS/SMITH.DB0"));
    pl::OnFileCall({});
    EXPECT_TRUE(
        ui.LogContains("could not be written (the folder " + dir.Path() + "CFG/ cannot be written), so"))
        << ui.Log();
    EXPECT_TRUE(Titles().empty());
}

TEST_F(OpenDrawing, DamagedFileIsReportedAndNeverWrittenBack) {
    MakeSmith();
    const std::string savedCopy = dir.ReadFile("CFG/tmp.cfg");
    const std::string damaged = "3 0 0 0 1 1\n1\n50 1 1 0 0 0 10 0 20";
    dir.WriteFile("DWGS/BAD.DB0", damaged);
    Open(dir.File("DWGS/BAD.DB0"));
    EXPECT_TRUE(ui.LogContains("\"Error\"")) << ui.Log();
    EXPECT_TRUE(Titles().empty());
    EXPECT_EQ(ObjectList.count, 0);
    EXPECT_EQ(dir.ReadFile("CFG/tmp.cfg"), savedCopy);
    client->ProcessCommand(237);
    EXPECT_EQ(dir.ReadFile("DWGS/BAD.DB0"), damaged);
}

TEST_F(OpenDrawing, TextStyleComesFromTheTextSettings) {
    dir.WriteFile("CFG/TEXT.CFG", "12 700 5Arial");
    dir.WriteFile("DWGS/FEW.DB0", "0 0 0 0 1 1\n");
    Open(dir.File("DWGS/FEW.DB0"));
    EXPECT_EQ(DefaultTextHeight, 12);
    EXPECT_EQ(DefaultTextWeight, 700);
    EXPECT_STREQ(ObjectList.DefaultFontName, "Arial");
    EXPECT_EQ(client->FontData.PointSize, 120);
    EXPECT_EQ(client->FontData.LogFont.lfWeight, 700);
    EXPECT_STREQ(client->FontData.LogFont.lfFaceName, "Arial");
    TClientDC dc(client);
    EXPECT_EQ(client->FontData.LogFont.lfHeight, -pl::MulDiv(12, dc.GetDeviceCaps(LOGPIXELSY), 72));

    // A face longer than the document holds is cut, and what follows it is not read as a number.
    dir.WriteFile("CFG/TEXT.CFG", "9 400 40" + std::string(40, 'F'));
    Open(dir.File("DWGS/FEW.DB0"));
    EXPECT_EQ(std::string(ObjectList.DefaultFontName), std::string(31, 'F'));
    EXPECT_EQ(DefaultTextHeight, 9);
}

TEST_F(OpenDrawing, ViewWindowClosesSurplusWindowsAndKeepsOrReplacesTheTool) {
    MakeSmith();
    Open(dir.File("DWGS/SMITH.DB0"));
    for (int i = 0; i < 8; ++i)
        client->OpenViewWindow(1, ".PLN");
    ASSERT_EQ(client->NumChildren(), 9);
    client->Tool->Kind = 1000;
    client->OpenViewWindow(5, ".PLN");
    EXPECT_EQ(client->NumChildren(), 1);
    EXPECT_EQ(client->Tool->Kind, 1000);
    EXPECT_EQ(ObjectList.count, 5);

    client->OpenViewWindow(0, ".LYT");
    EXPECT_EQ(client->Tool->Kind, 21);
    EXPECT_EQ(Titles().back(), "SMITH.LYT");

    client->OpenViewWindow(100, ".PLN");
    EXPECT_EQ(ObjectList.count, 0);
    EXPECT_EQ(client->NumChildren(), 2);
}

TEST_F(OpenDrawing, ForgetsTheSelectionOfTheDrawingBefore) {
    MakeSmith();
    dir.WriteFile("CFG/TEMP.CFG", "3\n");
    Open(dir.File("DWGS/SMITH.DB0"));
    EXPECT_EQ(dir.ReadFile("CFG/TEMP.CFG"), "0\n");
}

} // namespace
