// Saving and leaving a drawing: Save, Save As, auto save, the save question and Exit, with the
// failures that must never cost the user saved work.
#include <cerrno>
#include <filesystem>
#include <optional>
#include <QCoreApplication>
#include <QMainWindow>
#include <regex>

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

// Where a drawing's save fails: DWGS/ or CFG/ that cannot be written, or a disk with no room for the
// drawing.
enum class Cause { NotWritable, SettingsNotWritable, DiskFull };

struct LeavingCase {
    const char* name;
    int32_t command; // 0: the frame's close box
    Cause cause;
};

class SaveFailures : public SaveAndExit {
protected:
    // Every file call in the folder refused as a folder that cannot be written refuses it.
    void Refuse(const std::string& folder) {
        pl::OnFileCall(
            [folder = dir.Path() + folder](pl::FileCall, const std::string&, const std::string& to) {
                return to.starts_with(folder) ? EACCES : 0;
            });
    }
    // The cause in place for a drawing of `size` bytes, until `Undo`.
    void Fail(Cause cause, std::uintmax_t size) {
        if (cause == Cause::DiskFull)
            full_.emplace(size / 2);
        else
            Refuse(cause == Cause::NotWritable ? "DWGS/" : "CFG/");
    }
    void Undo() {
        full_.reset();
        pl::OnFileCall({});
    }
    // The words that name the cause in the box.
    std::string Why(Cause cause) const {
        if (cause == Cause::DiskFull) return "(the disk may be full)";
        return "(the folder " + dir.Path() + (cause == Cause::NotWritable ? "DWGS/" : "CFG/") +
               " cannot be written)";
    }
    void TearDown() override {
        Undo();
        SaveAndExit::TearDown();
    }

private:
    std::optional<testsupport::FullDisk> full_;
};

class FailedSave : public SaveFailures, public ::testing::WithParamInterface<LeavingCase> {};

// YES to the save question, and the save fails: the user is told once why, in words about saving,
// and the command stops as Cancel would: the drawing stays open in its window, modified, and nothing
// of the command follows.
TEST_P(FailedSave, StopsTheCommandThatAskedForIt) {
    const LeavingCase& c = GetParam();
    auto* frame = dynamic_cast<TDecoratedMDIFrame*>(app.GetMainWindow());
    ASSERT_NE(frame, nullptr);
    New("SMITH");
    Draw(1000, 1000, 5000, 1000);
    Draw(1000, 1000, 1000, 5000);
    const std::string before = dir.ReadFile("DWGS/SMITH.DB0");
    AnswerSaveQuestion(IDOK);
    AnswerNew("JONES");
    pl::script::AnswerFile(dir.File("DWGS/SMITH.DB0"));
    Fail(c.cause, before.size());
    if (c.command != 0)
        client->ProcessCommand(c.command);
    else
        frame->MainWidget()->close();
    QCoreApplication::processEvents();
    Undo();
    EXPECT_EQ(pl::script::Pending(), 2u) << "a dialog of the command was asked";
    EXPECT_TRUE(ui.LogContains("The drawing has not been saved: the drawing file " + dir.Path() +
                               "DWGS/SMITH.DB0 could not be written " + Why(c.cause)))
        << ui.Log();
    EXPECT_EQ(Titles(), std::vector<std::string>{"SMITH.PLN"});
    EXPECT_TRUE(frame->MainWidget() && frame->MainWidget()->isVisible());
    EXPECT_EQ(ObjectList.count, 6);
    EXPECT_EQ(SaveState, 1);
    EXPECT_EQ(dir.ReadFile("DWGS/SMITH.DB0"), before);
    pl::script::Reset();
}

INSTANTIATE_TEST_SUITE_P(
    Commands, FailedSave,
    ::testing::Values(LeavingCase{"NewNotWritable", cmd::kFileNew, Cause::NotWritable},
                      LeavingCase{"NewDiskFull", cmd::kFileNew, Cause::DiskFull},
                      LeavingCase{"OpenNotWritable", cmd::kFileOpen, Cause::NotWritable},
                      LeavingCase{"OpenDiskFull", cmd::kFileOpen, Cause::DiskFull},
                      LeavingCase{"ExitNotWritable", cmd::kExit, Cause::NotWritable},
                      LeavingCase{"ExitDiskFull", cmd::kExit, Cause::DiskFull},
                      LeavingCase{"CloseBoxNotWritable", 0, Cause::NotWritable},
                      LeavingCase{"CloseBoxDiskFull", 0, Cause::DiskFull},
                      LeavingCase{"SitePlanNotWritable", cmd::kSitePlan, Cause::NotWritable},
                      LeavingCase{"FirstFloorDiskFull", cmd::kFirstFloor, Cause::DiskFull},
                      LeavingCase{"GroundFloorNotWritable", cmd::kGroundFloor, Cause::NotWritable}),
    [](const auto& info) { return std::string(info.param.name); });

// Save and Save As that fail name the file and the cause, in words about saving; Save As says so
// before it asks for a name, also with nothing changed since the drawing was opened.
struct SaveCase {
    const char* name;
    int32_t command;
    bool changed;
    Cause cause;
    const char* told; // what the box says up to the cause
};

class SaveFailure : public SaveFailures, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SaveFailure, NamesItsCause) {
    const SaveCase& c = GetParam();
    New("SMITH");
    Draw(1000, 1000, 5000, 1000);
    if (!c.changed) client->ProcessCommand(cmd::kFileSave);
    ASSERT_EQ(SaveState, c.changed ? 1 : 0);
    AnswerSaveAs("COPY");
    Fail(c.cause, dir.ReadFile("DWGS/SMITH.DB0").size());
    client->ProcessCommand(c.command);
    Undo();
    EXPECT_EQ(pl::script::Pending(), 1u) << "the name was asked for";
    const std::string told = std::string(c.told) + " " + Why(c.cause) + ".";
    EXPECT_TRUE(ui.LogContains(std::regex_replace(told, std::regex("<dir>"), dir.Path()))) << ui.Log();
    EXPECT_EQ(ui.Log().find("not done"), std::string::npos) << ui.Log();
    EXPECT_FALSE(dir.Exists("DWGS/COPY.DB0"));
    pl::script::Reset();
}

constexpr const char* kDrawingNotSaved =
    "The drawing has not been saved: the drawing file <dir>DWGS/SMITH.DB0 could not be written";
constexpr const char* kCopyNotSaved =
    "The drawing has not been saved: its saved copy <dir>CFG/tmp.cfg could not be written";
constexpr const char* kNotSavedAs = "The drawing has not been saved under a new name: the drawing file "
                                    "<dir>DWGS/SMITH.DB0 could not be written";

INSTANTIATE_TEST_SUITE_P(
    Commands, SaveFailure,
    ::testing::Values(
        SaveCase{"SaveNotWritable", cmd::kFileSave, true, Cause::NotWritable, kDrawingNotSaved},
        SaveCase{"SaveDiskFull", cmd::kFileSave, true, Cause::DiskFull, kDrawingNotSaved},
        SaveCase{"SaveCopyNotWritable", cmd::kFileSave, true, Cause::SettingsNotWritable, kCopyNotSaved},
        SaveCase{"SaveAsChangedNotWritable", cmd::kFileSaveAs, true, Cause::NotWritable, kDrawingNotSaved},
        SaveCase{"SaveAsNotWritable", cmd::kFileSaveAs, false, Cause::NotWritable, kNotSavedAs},
        SaveCase{"SaveAsDiskFull", cmd::kFileSaveAs, false, Cause::DiskFull, kNotSavedAs}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
