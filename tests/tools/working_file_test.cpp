#include "tools/working_file.h"

#include <gtest/gtest.h>

#include "document/checked_file.h"
#include "document/program_state.h"
#include "platform/message_box.h"
#include "tests/document/document_fixture.h"
#include "tests/support/scripted_ui.h"

namespace {

class WorkingFileTest : public DocumentTest {
protected:
    void AddLine() {
        auto line = std::make_unique<TLineobj>();
        line->view = kGroundFloor, line->kind = kLine, line->x2 = 100;
        ObjectList.Add(std::move(line));
    }
};

TEST_F(WorkingFileTest, AnEditAfterSavingMarksTheDrawingModified) {
    SaveState = 0;
    AddLine();
    EXPECT_EQ(tools::SaveWorkingFile(), tools::WriteResult::Ok);
    EXPECT_EQ(SaveState, 1);
}

TEST_F(WorkingFileTest, AutoSaveStaysOnAfterAnEdit) {
    SaveState = 2;
    AddLine();
    EXPECT_EQ(tools::SaveWorkingFile(), tools::WriteResult::Ok);
    EXPECT_EQ(SaveState, 2);
}

TEST_F(WorkingFileTest, AFailedWriteIsToldAndLeavesTheDrawingModified) {
    testsupport::ScriptedUi ui;
    // As the program installs it at start-up.
    SetFileFailureTeller([](const char* text, const char* caption) { ::MessageBox(nullptr, text, caption); });
    SaveState = 2;
    ObjectList.ProgramDirectory = dir.Path() + "missing/";
    AddLine();
    EXPECT_EQ(tools::SaveWorkingFile(), tools::WriteResult::Failed);
    ObjectList.ProgramDirectory = dir.Path();
    EXPECT_EQ(SaveState, 1);
    EXPECT_NE(pl::script::LogText().find("SAVE FAILED"), std::string::npos);
    SetFileFailureTeller(nullptr);
}

} // namespace
