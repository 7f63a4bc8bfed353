// Saving and leaving a drawing: Save, Save As, auto save, the save question and Exit, with the
// failures that must never cost the user saved work.
#include <cerrno>
#include <filesystem>
#include <optional>
#include <QCoreApplication>
#include <QMainWindow>

#include "platform/command_enabler.h"
#include "platform/file_io.h"
#include "platform/frame_window.h"
#include "resources/command_ids.h"
#include "tests/shell/file_commands_fixture.h"
#include "tests/support/full_disk.h"

namespace {

class SaveAndExit : public FileCommandsTest {
protected:
    bool Enabled(int32_t id) {
        TCommandEnabler ce(id);
        client->EnableCommand(ce);
        return ce.IsEnabled();
    }
    int Check(int32_t id) {
        TCommandEnabler ce(id);
        client->EnableCommand(ce);
        return ce.GetCheck();
    }
    static void AnswerSaveAs(const std::string& name, int32_t button = IDOK) {
        pl::script::AnswerDialog(kSaveAsDialogId, {{{{kSaveAsNameEdit, name}}, button}});
    }
};

TEST_F(SaveAndExit, SaveWritesTheDrawingAndItsSavedCopy) {
    New("SMITH");
    EXPECT_TRUE(Enabled(237));
    Draw(1000, 1000, 5000, 1000);
    client->ProcessCommand(237);
    EXPECT_EQ(SaveState, 0);
    EXPECT_FALSE(Enabled(237));
    EXPECT_EQ(dir.ReadFile("CFG/tmp.cfg"), dir.ReadFile("DWGS/SMITH.DB0"));
    EXPECT_EQ(Contents("SMITH", 0).size(), 5u);
}

TEST_F(SaveAndExit, EnablersFollowTheSaveStateAndTheDocument) {
    EXPECT_FALSE(Enabled(232));
    SaveState = 2;
    EXPECT_FALSE(Enabled(237));
    EXPECT_EQ(Check(238), TCommandEnabler::Checked);
    SaveState = 1;
    EXPECT_TRUE(Enabled(237));
    EXPECT_EQ(Check(238), TCommandEnabler::Unchecked);
    New("SMITH");
    EXPECT_TRUE(Enabled(232));
}

TEST_F(SaveAndExit, AutoSaveToggleIsStoredAndTurnsOffAsModified) {
    SaveState = 0;
    client->ProcessCommand(238);
    EXPECT_EQ(SaveState, 2);
    EXPECT_EQ(dir.ReadFile("CFG/SAVE.CFG"), "2");
    client->ProcessCommand(238);
    EXPECT_EQ(SaveState, 1);
    EXPECT_EQ(dir.ReadFile("CFG/SAVE.CFG"), "1");
}

TEST_F(SaveAndExit, WithAutoSaveOnLeavingADrawingWritesItWithoutAsking) {
    New("SMITH");
    client->ProcessCommand(238);
    ASSERT_EQ(SaveState, 2);
    Draw(1000, 1000, 5000, 1000);
    New("JONES");
    EXPECT_EQ(Contents("SMITH").size(), 5u);
    EXPECT_EQ(SaveState, 2);
}

TEST_F(SaveAndExit, SaveAsCopiesEveryViewAndGoesOnWithTheOpenDrawing) {
    New("SMITH");
    Draw(1000, 1000, 5000, 1000);
    Draw(1000, 1000, 5000, 1000, 51);
    AnswerSaveAs("COPY");
    client->ProcessCommand(232);
    EXPECT_EQ(Contents("COPY"), Contents("SMITH"));
    EXPECT_EQ(Contents("COPY").size(), 6u);
    EXPECT_STREQ(ObjectList.DrawingName, "SMITH");
    EXPECT_EQ(Titles(), std::vector<std::string>{"SMITH.PLN"});
    EXPECT_EQ(SaveState, 0);
}

TEST_F(SaveAndExit, WhatSaveAsReportedSavedIsNotTakenBackByALaterNo) {
    New("SMITH");
    Draw(1000, 1000, 5000, 1000);
    AnswerSaveAs("COPY");
    client->ProcessCommand(232);
    ASSERT_EQ(SaveState, 0);

    Draw(2000, 2000, 2000, 6000);
    AnswerSaveQuestion(IDNO);
    New("JONES");
    // The drawing returns to what Save As saved: its working file is kept with the first line.
    EXPECT_EQ(Contents("SMITH").size(), 5u);
}

TEST_F(SaveAndExit, SaveAsAsksBeforeReplacingAnotherDrawing) {
    const std::string other = "0 0 0 0 1 1\n";
    dir.WriteFile("DWGS/OTHER.DB0", other);
    New("SMITH");
    Draw(1000, 1000, 5000, 1000);

    AnswerSaveAs("OTHER");
    pl::script::AnswerMessageBox(IDNO);
    client->ProcessCommand(232);
    EXPECT_EQ(dir.ReadFile("DWGS/OTHER.DB0"), other);

    AnswerSaveAs("OTHER");
    pl::script::AnswerMessageBox(IDYES);
    client->ProcessCommand(232);
    EXPECT_EQ(Contents("OTHER").size(), 5u);

    // Cancel and an empty name write nothing.
    AnswerSaveAs("NEVER", IDCANCEL);
    client->ProcessCommand(232);
    AnswerSaveAs("");
    client->ProcessCommand(232);
    EXPECT_FALSE(dir.Exists("DWGS/NEVER.DB0"));
    EXPECT_FALSE(dir.Exists("DWGS/.DB0"));
}

TEST_F(SaveAndExit, NoWithAnUnreadableSavedCopyKeepsTheWorkingFile) {
    New("SMITH");
    Draw(1000, 1000, 5000, 1000);
    std::filesystem::remove(dir.File("CFG/tmp.cfg"));
    AnswerSaveQuestion(IDNO);
    New("JONES");
    EXPECT_TRUE(ui.LogContains("could not be read"));
    EXPECT_EQ(Contents("SMITH").size(), 5u);
}

TEST_F(SaveAndExit, NoThatCannotPutTheSavedDrawingBackKeepsTheChangesInMemoryAsInTheFile) {
    New("SMITH");
    Draw(1000, 1000, 5000, 1000);
    client->ProcessCommand(237);
    Draw(2000, 2000, 2000, 6000);
    const std::string changed = dir.ReadFile("DWGS/SMITH.DB0");
    AnswerSaveQuestion(IDNO);
    {
        // No room even for the saved drawing, which is shorter than the changed one.
        const testsupport::FullDisk full(dir.ReadFile("CFG/tmp.cfg").size() / 2);
        static_cast<void>(client->SaveIfModified());
    }
    EXPECT_TRUE(ui.LogContains("could not be written")) << ui.Log();
    EXPECT_EQ(dir.ReadFile("DWGS/SMITH.DB0"), changed);
    EXPECT_EQ(static_cast<size_t>(ObjectList.count), Contents("SMITH").size());
}

TEST_F(SaveAndExit, FailedSaveIsReportedAndTheDrawingStaysModified) {
    New("SMITH");
    Draw(1000, 1000, 5000, 1000);
    // A folder where the saved copy should go makes its write fail.
    std::filesystem::remove(dir.File("CFG/tmp.cfg"));
    std::filesystem::create_directory(dir.File("CFG/tmp.cfg"));
    client->ProcessCommand(237);
    EXPECT_TRUE(ui.LogContains("has not been saved"));
    EXPECT_EQ(SaveState, 1);

    // The save question's YES fails the same way: New stops and the drawing stays open.
    AnswerSaveQuestion(IDOK);
    client->ProcessCommand(230);
    EXPECT_EQ(SaveState, 1);
    EXPECT_EQ(Contents("SMITH").size(), 5u);
}

TEST_F(SaveAndExit, ExitAsksForAModifiedDrawingAndClosesTheFrame) {
    auto* frame = dynamic_cast<TDecoratedMDIFrame*>(app.GetMainWindow());
    ASSERT_NE(frame, nullptr);
    New("SMITH");
    Draw(1000, 1000, 5000, 1000);
    AnswerSaveQuestion(IDOK);
    client->ProcessCommand(24310);
    EXPECT_EQ(Contents("SMITH", 0).size(), 5u);
    EXPECT_EQ(ObjectList.count, 0);
    EXPECT_FALSE(frame->MainWidget() && frame->MainWidget()->isVisible());
}

TEST_F(SaveAndExit, EscapeAtTheExitQuestionLeavesOnlyTheButtonsToAnswer) {
    New("SMITH");
    Draw(1000, 1000, 5000, 1000);
    pl::script::AnswerDialog(kSaveQuestionDialogId, {{{}, IDCANCEL}, {{}, IDNO}});
    client->ProcessCommand(24310);
    // Escape left the question open; NO then dropped the unsaved line.
    EXPECT_FALSE(dir.Exists("DWGS/SMITH.DB0"));
}

TEST_F(SaveAndExit, CloseBoxEndsThroughExitAndANewDrawingNeverAsks) {
    auto* frame = dynamic_cast<TDecoratedMDIFrame*>(app.GetMainWindow());
    ASSERT_NE(frame, nullptr);
    New("SMITH");
    ASSERT_EQ(SaveState, 1);
    // Four floor records only: nothing to ask about.
    frame->MainWidget()->close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(frame->MainWidget() && frame->MainWidget()->isVisible());
    EXPECT_TRUE(dir.Exists("DWGS/SMITH.DB0"));
}

TEST_F(SaveAndExit, CloseBoxAsksAboutChanges) {
    auto* frame = dynamic_cast<TDecoratedMDIFrame*>(app.GetMainWindow());
    ASSERT_NE(frame, nullptr);
    New("SMITH");
    Draw(1000, 1000, 5000, 1000);
    AnswerSaveQuestion(IDNO);
    frame->MainWidget()->close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(dir.Exists("DWGS/SMITH.DB0"));
}

// A failed write names its file and why, in words about what the user asked for; a save that fails
// stops the command that asked for it (0: the frame's close box) as Cancel would, the drawing open.
enum class Drawing { None, Changed, Saved };
constexpr const char* kNotSaved = "The drawing has not been saved: the drawing file";
constexpr const char* kNotSavedAs = "The drawing has not been saved under a new name: the drawing file";
constexpr const char* kNotStarted = "The new drawing NEWD was not started: its saved copy";
struct FailureCase {
    const char* name;
    Drawing drawing;
    int32_t command;
    const char* refused;          // the folder that cannot be written; none: a disk without room
    const char* told = kNotSaved; // what the box says before " <file> could not be written (<why>)."
    const char* file = "DWGS/SMITH.DB0";
    int error = EACCES; // what the folder refuses with
};

class WriteFailure : public SaveAndExit, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(WriteFailure, StopsTheCommandAndNamesItsCause) {
    const FailureCase& c = GetParam();
    const bool open = c.drawing != Drawing::None;
    if (open) New("SMITH"), Draw(1000, 1000, 5000, 1000);
    if (c.drawing == Drawing::Saved) client->ProcessCommand(cmd::kFileSave);
    const std::string before = open ? dir.ReadFile("DWGS/SMITH.DB0") : "";
    const auto titles = Titles();
    if (open) AnswerSaveQuestion(IDOK);
    AnswerNew("NEWD"), AnswerSaveAs("COPY"), pl::script::AnswerFile(dir.File("DWGS/SMITH.DB0"));
    std::optional<testsupport::FullDisk> full;
    if (!c.refused) full.emplace(std::max<size_t>(before.size() / 2, 8));
    pl::OnFileCall([&](pl::FileCall, auto&, const std::string& to) {
        return c.refused && to.starts_with(dir.Path() + c.refused) ? c.error : 0;
    });
    auto& frame = dynamic_cast<TDecoratedMDIFrame&>(*app.GetMainWindow());
    static_cast<void>(c.command ? client->ProcessCommand(c.command) : frame.MainWidget()->close());
    QCoreApplication::processEvents();
    pl::OnFileCall({}), full.reset();
    const std::string why = c.error == EIO ? "the disk could not be written: an input/output error"
                            : c.refused    ? "the folder " + dir.Path() + c.refused + " cannot be written"
                                           : "the disk may be full";
    EXPECT_TRUE(ui.LogContains(std::string(c.told) + " " + dir.Path() + c.file + " could not be written (" +
                               why + ")."))
        << ui.Log();
    EXPECT_EQ(Titles(), titles);
    EXPECT_EQ(open ? dir.ReadFile("DWGS/SMITH.DB0") : "", before);
    pl::script::Reset();
}

const FailureCase kFailures[] = {
    {"New", Drawing::Changed, cmd::kFileNew, "DWGS/"},
    {"NewDiskFull", Drawing::Changed, cmd::kFileNew, nullptr},
    {"Open", Drawing::Changed, cmd::kFileOpen, "DWGS/"},
    {"ExitDiskFull", Drawing::Changed, cmd::kExit, nullptr},
    {"CloseBox", Drawing::Changed, 0, "DWGS/"},
    {"SitePlan", Drawing::Changed, cmd::kSitePlan, "DWGS/"},
    {"FirstFloorDiskFull", Drawing::Changed, cmd::kFirstFloor, nullptr},
    {"Save", Drawing::Changed, cmd::kFileSave, "DWGS/"},
    {"SaveCopy", Drawing::Changed, cmd::kFileSave, "CFG/", "The drawing has not been saved: its saved copy",
     "CFG/tmp.cfg"},
    {"SaveAs", Drawing::Saved, cmd::kFileSaveAs, "DWGS/", kNotSavedAs},
    {"SaveAsDiskFull", Drawing::Saved, cmd::kFileSaveAs, nullptr, kNotSavedAs},
    {"NewDrawing", Drawing::None, cmd::kFileNew, "DWGS/",
     "The new drawing NEWD was not started: its drawing file", "DWGS/NEWD.DB0"},
    {"NewSavedCopy", Drawing::None, cmd::kFileNew, "CFG/", kNotStarted, "CFG/tmp.cfg"},
    {"NewDrawingDiskFull", Drawing::None, cmd::kFileNew, nullptr, kNotStarted, "CFG/tmp.cfg"},
    {"SaveInputOutput", Drawing::Changed, cmd::kFileSave, "DWGS/", kNotSaved, "DWGS/SMITH.DB0", EIO},
    {"NewInputOutput", Drawing::None, cmd::kFileNew, "CFG/", kNotStarted, "CFG/tmp.cfg", EIO},
};
INSTANTIATE_TEST_SUITE_P(Commands, WriteFailure, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
