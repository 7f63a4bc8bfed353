// Symbol libraries and paste on an open drawing: the group list, previews replaced and taken out
// again, the inserted or pasted objects handed to the move tool, and naming a new library file.
#include <QListWidget>

#include "dialogs/atolib_dialog.h"
#include "dialogs/library_list_dialog.h"
#include "document/document.h"
#include "document/program_state.h"
#include "resources/dialogs/library_templates.h"
#include "tests/shell/drawing_window_fixture.h"
#include "tools/move_tool.h"

namespace {

class LibraryCommands : public DrawingWindowTest {
protected:
    // A drawing of n lines on the ground floor, open in a window.
    void OpenDrawing(int n) {
        std::vector<std::unique_ptr<TObject>> objects;
        for (int i = 0; i < n; ++i) objects.push_back(make::Line(kGroundFloor, Cx(), Cy() + 100 * i, Cx() + 500, Cy() + 100 * i));
        WriteDrawing(std::move(objects));
        DrawingState = 2;
        Open();
    }
    // Saves the first n objects of the document as a library file (or the paste file).
    void SaveFirst(int n, const char* fileName) {
        ASSERT_EQ(ObjectList.WriteTempCount(0), FileResult::Ok);
        for (int i = 0; i < n; ++i) ASSERT_EQ(ObjectList.WriteCopyCfg(i, Cx(), Cy()), FileResult::Ok);
        ASSERT_EQ(ObjectList.SaveLibrary(fileName), FileResult::Ok);
    }
    std::string WorkingFile() const { return dir.ReadFile("DWGS/HOUSE.DB0"); }
    TMoveobjtool* MoveTool() const { return dynamic_cast<TMoveobjtool*>(client->Tool.get()); }
};

TEST_F(LibraryCommands, TheGroupListsItsFilesOfTheDrawingsUnitsWithoutCase) {
    for (const char* name : {"LIBS/SINK2.PLM", "LIBS/bath.PLM", "LIBS/Aqua.PLM", "LIBS/OTHER.PLI", "LIBS/CHAIR.FUM"})
        dir.WriteFile(name, "0 0 0 0 2 0\n");
    MetricUnits = 1;
    testsupport::ScriptedUi ui;
    pl::script::AnswerDialog(kLibraryListDialogId, {{{}, IDCANCEL}});
    TLiblistdlg dialog(nullptr, kLibraryListDialogId, 1);
    dialog.Execute();
    auto* list = static_cast<QListWidget*>(dialog.Control(kLibraryListBoxId));
    std::vector<std::string> names;
    for (int i = 0; i < list->count(); ++i) names.push_back(list->item(i)->text().toStdString());
    // WC is the group's shipped sample.
    EXPECT_EQ(names, (std::vector<std::string>{"Aqua", "bath", "SINK2", "WC"}));
}

TEST_F(LibraryCommands, PreviewsReplaceEachOtherAndCancelRestoresTheDrawing) {
    OpenDrawing(40);
    SaveFirst(12, "TWELVE.PLM");
    SaveFirst(3, "THREE.PLM");
    SaveFirst(1, "ONE.PLM");
    const int32_t view = CurrentView;

    struct Case {
        int32_t button;
        int32_t count;
    };
    for (const Case c : {Case{IDCANCEL, 40}, Case{IDOK, 52}}) {
        SCOPED_TRACE(c.button);
        testsupport::ScriptedUi ui;
        pl::script::AnswerDialog(kLibraryListDialogId,
                                 {{{{kLibraryListBoxId, "ONE"}, {kLibraryListBoxId, "THREE"}, {kLibraryListBoxId, "TWELVE"}},
                                   c.button}});
        client->CmLibraryPlumbing();
        EXPECT_EQ(ObjectList.count, c.count);
        EXPECT_EQ(HelpContextId, 330);
        EXPECT_EQ(CurrentView, view);
        ObjectList.Flush();
        ASSERT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
        EXPECT_EQ(ObjectList.count, c.count);
    }
    TMoveobjtool* tool = MoveTool();
    ASSERT_NE(tool, nullptr);
    EXPECT_EQ(tool->Kind, 14);
    EXPECT_EQ(tool->Mode, 2);
    EXPECT_EQ(ObjectList.ReadTempCount(), 12);
    EXPECT_EQ(dir.ReadFile("CFG/COPY.CFG").substr(0, 3), "40 ");
}

TEST_F(LibraryCommands, CancelledPreviewLeavesTheWorkingFileByteIdentical) {
    OpenDrawing(40);
    SaveFirst(12, "TWELVE.PLM");
    IdCounter += 50; // a library written later than the drawing carries a higher counter
    SaveFirst(12, "LATER.PLM");
    IdCounter -= 50;
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    const std::string before = WorkingFile();
    testsupport::ScriptedUi ui;
    pl::script::AnswerDialog(kLibraryListDialogId, {{{{kLibraryListBoxId, "LATER"}}, IDCANCEL}});
    client->CmLibraryPlumbing();
    EXPECT_EQ(WorkingFile(), before);
    EXPECT_EQ(ObjectList.ReadTempCount(), 0);
}

TEST_F(LibraryCommands, EachPasteSelectsOnlyItsOwnCopy) {
    OpenDrawing(5);
    SaveFirst(2, "PASTE.CFG");
    for (int32_t first : {5, 7}) {
        child->StartPaste();
        EXPECT_EQ(ObjectList.count, first + 2);
        EXPECT_EQ(ObjectList.ReadTempCount(), 2);
        EXPECT_EQ(std::stoi(dir.ReadFile("CFG/COPY.CFG")), first);
        ASSERT_NE(MoveTool(), nullptr);
        EXPECT_EQ(MoveTool()->Mode, 2);
    }
}

TEST_F(LibraryCommands, AddToLibraryGathersWithTheCopyToolInLibraryMode) {
    OpenDrawing(3);
    client->CmAddToLibrary();
    EXPECT_EQ(HelpContextId, 330);
    ASSERT_NE(MoveTool(), nullptr);
    EXPECT_EQ(MoveTool()->Kind, 15);
    EXPECT_EQ(MoveTool()->LibraryMode(), 1);
}

TEST_F(LibraryCommands, NamingRefusesBadCharactersAndEmptyNamesAndAsksBeforeReplacing) {
    OpenDrawing(3);
    ASSERT_EQ(ObjectList.WriteTempCount(0), FileResult::Ok);
    ASSERT_EQ(ObjectList.WriteCopyCfg(1, Cx(), Cy()), FileResult::Ok);
    dir.WriteFile("LIBS/TUB.ELM", "old");
    testsupport::ScriptedUi ui;
    pl::script::AnswerDialog(kAddToLibraryDialogId,
                             {{{{kLibraryNameEditId, ""}}, IDOK},
                              {{{kLibraryNameEditId, "TUB"}, {kElectricalRadioId, "1"}}, IDOK},
                              {{{kLibraryNameEditId, "BA/S.IN 2"}, {kPlumbingRadioId, "1"}}, IDOK}});
    pl::script::AnswerMessageBox(IDOK);  // empty name
    pl::script::AnswerMessageBox(IDNO);  // keep TUB
    TAtolibdlg dialog(child, kAddToLibraryDialogId);
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dir.ReadFile("LIBS/TUB.ELM"), "old");
    const std::string saved = dir.ReadFile("LIBS/BASIN 2.PLM");
    EXPECT_EQ(saved.substr(0, 2), "1 ");
    EXPECT_EQ(std::stoi(saved.substr(saved.find(' ', saved.find(' ', saved.find(' ', 2) + 1) + 1) + 1)), 2);
}

} // namespace
