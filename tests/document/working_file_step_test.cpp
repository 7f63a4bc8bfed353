#include "document/working_file_step.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "document/checked_file.h"
#include "platform/message_box.h"
#include "tests/document/document_fixture.h"
#include "tests/support/full_disk.h"
#include "tests/support/scripted_ui.h"

namespace {

class WorkingFileStepTest : public DocumentTest {
protected:
    void SetUp() override {
        DocumentTest::SetUp();
        SetFileFailureTeller(
            [](const char* text, const char* caption) { ::MessageBox(nullptr, text, caption); });
    }
    void TearDown() override {
        SetFileFailureTeller(nullptr);
        DocumentTest::TearDown();
    }
    void AddLine(int32_t y) { ObjectList.Add(make::Line(kLine, Cx(), Cy() + y, Cx() + 1000, Cy() + y)); }
    int Told() const {
        const std::string log = pl::script::LogText();
        int n = 0;
        for (size_t at = log.find("SAVE FAILED"); at != std::string::npos;
             at = log.find("SAVE FAILED", at + 1))
            ++n;
        return n;
    }
    testsupport::ScriptedUi ui;
};

// The step's first write lands, its second finds the disk full: the file goes back to what it held
// before the step, and a later write of the step, with room again, is not tried.
TEST_F(WorkingFileStepTest, AFailedWriteUndoesTheWholeStepAndNothingLaterLands) {
    AddLine(0);
    ASSERT_TRUE(WriteWorkingFile(ObjectList));
    {
        const WorkingFileStep whole;
        AddLine(50);
        ASSERT_TRUE(WriteWorkingFile(ObjectList));
    }
    const std::string before = WorkingFile();
    {
        const WorkingFileStep step;
        AddLine(100);
        ASSERT_TRUE(WriteWorkingFile(ObjectList));
        {
            const testsupport::FullDisk full(WorkingFile().size());
            AddLine(200);
            EXPECT_FALSE(WriteWorkingFile(ObjectList));
        }
        EXPECT_EQ(WorkingFile(), before);
        EXPECT_EQ(ObjectList.count, 2);
        AddLine(300);
        EXPECT_FALSE(WriteWorkingFile(ObjectList));
        EXPECT_TRUE(step.Failed());
        // What the step makes in memory after its last write goes when the step ends.
        AddLine(400);
    }
    EXPECT_EQ(WorkingFile(), before);
    EXPECT_EQ(ObjectList.count, 2);
    EXPECT_EQ(Told(), 1);
    // The file before the step was kept under a second name only while the step lived.
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path() + "DWGS"))
        EXPECT_EQ(entry.path().string().find(".~"), std::string::npos) << entry.path();
}

} // namespace
