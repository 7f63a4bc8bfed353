#include "document/working_file_step.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "document/checked_file.h"
#include "platform/file_io.h"
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
        pl::OnFileCall({});
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

// How the file system treats the file before a step, and what a failed step leaves.
struct KeptFileCase {
    const char* name;
    bool fileBefore;      // the working file stands when the step begins
    bool links;           // the file system makes hard links
    bool roomForACopy;    // the disk has room for a copy of the file as it stands
    bool putsBack;        // the kept file can be renamed back
    bool lasting;         // the kept file can be given a lasting name
    bool writable = true; // the folder can be written
    bool renames = true;  // a rename in the folder goes through
};

class KeptFile : public WorkingFileStepTest, public ::testing::WithParamInterface<KeptFileCase> {
protected:
    // The files a step left beside the working file, with their contents.
    std::vector<std::string> LeftBeside() const {
        std::vector<std::string> left;
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path() + "DWGS"))
            if (entry.path().filename().string().starts_with("HOUSE.DB0.") ||
                entry.path().filename().string().starts_with("HOUSE before"))
                left.push_back(dir.ReadFile("DWGS/" + entry.path().filename().string()));
        return left;
    }
};

// A step removes a line and writes, then adds two and finds the disk full. A file that stood is put
// back, kept by a link or, where none can be made, by a copy; with neither, the step writes nothing.
// A file the step made is gone. A kept file that cannot go back stays under a lasting name, which
// the box gives; where none can be given, under its kept name, which then stays through the end of
// the program and a start after work saved since.
TEST_P(KeptFile, AFailedStepLeavesTheFileItFoundAndTellsWhatItLeft) {
    const KeptFileCase& c = GetParam();
    for (const int32_t y : {0, 50, 100})
        AddLine(y);
    if (c.fileBefore) {
        ASSERT_TRUE(WriteWorkingFile(ObjectList));
    } else {
        ASSERT_TRUE(pl::RemoveFile(ObjectList.DrawingFilePath(filemode::kWorking)));
    }
    const std::string before = c.fileBefore ? WorkingFile() : std::string();
    if (const pid_t program = c.lasting ? 0 : fork(); program > 0) {
        int status = 1;
        ASSERT_EQ(waitpid(program, &status, 0), program);
        ASSERT_EQ(status, 0);
        AddLine(400);
        ASSERT_TRUE(WriteWorkingFile(ObjectList));
        const std::string later = WorkingFile();
        PutBackStepsCutShort(dir.Path());
        EXPECT_EQ(WorkingFile(), later);
        EXPECT_EQ(LeftBeside(), std::vector<std::string>{before});
        EXPECT_EQ(pl::script::LogText().find("DRAWING FILE"), std::string::npos) << pl::script::LogText();
        return;
    }
    int renames = 0;
    pl::OnFileCall([&](pl::FileCall call, const std::string&, const std::string& to) {
        if (!c.writable && call != pl::FileCall::Rename) return EACCES;
        if (to.find(" before 1") != std::string::npos && !c.lasting)
            return call == pl::FileCall::Link ? EPERM : EIO;
        if (call == pl::FileCall::Link) return c.links ? 0 : EPERM;
        if (!c.renames) return call == pl::FileCall::Rename ? EIO : 0;
        // The step's first write goes through; what follows is the putting back.
        return to.ends_with("/HOUSE.DB0") && ++renames > 1 && !c.putsBack ? EIO : 0;
    });
    std::string half;
    {
        std::optional<testsupport::FullDisk> full;
        if (!c.roomForACopy) full.emplace(before.size() - 1);
        const WorkingFileStep step;
        ObjectList.RemoveAt(ObjectList.count - 1);
        // The smaller file would fit: only the step's refusal keeps it off the disk.
        EXPECT_EQ(WriteWorkingFile(ObjectList), c.roomForACopy && c.renames);
        half = dir.Exists("DWGS/HOUSE.DB0") ? WorkingFile() : std::string();
        full.reset();
        full.emplace(half.size());
        AddLine(200);
        AddLine(300);
        EXPECT_FALSE(WriteWorkingFile(ObjectList));
    }
    EXPECT_EQ(Told(), 1);
    const std::string log = pl::script::LogText();
    if (!c.fileBefore) {
        EXPECT_FALSE(dir.Exists("DWGS/HOUSE.DB0"));
        EXPECT_TRUE(LeftBeside().empty());
    } else if (!c.putsBack) {
        EXPECT_EQ(WorkingFile(), half);
        EXPECT_EQ(LeftBeside(), std::vector<std::string>{before});
        EXPECT_EQ(log.find("keeps its previous contents"), std::string::npos) << log;
        const std::string stays =
            c.lasting ? " the drawing \\\"HOUSE before 1\\\":\\n" + dir.Path() + "DWGS/HOUSE before 1"
                      : ":\\n" + dir.Path() + "DWGS/HOUSE.DB0.~";
        EXPECT_NE(log.find("kept as" + stays), std::string::npos) << log;
    } else {
        EXPECT_EQ(WorkingFile(), before);
        EXPECT_TRUE(LeftBeside().empty());
        EXPECT_NE(log.find("keeps its previous contents"), std::string::npos) << log;
        EXPECT_EQ(log.find("not done") != std::string::npos, !c.roomForACopy) << log;
        EXPECT_EQ(log.find("(the disk may be full)") != std::string::npos, c.writable && c.renames) << log;
        EXPECT_EQ(log.find(dir.Path() + "DWGS/ cannot be written") != std::string::npos, !c.writable) << log;
    }
    if (!c.lasting) _exit(HasFailure() ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    FileSystems, KeptFile,
    ::testing::Values(KeptFileCase{"Linked", true, true, true, true, true},
                      KeptFileCase{"Copied", true, false, true, true, true},
                      KeptFileCase{"NoRoomForACopy", true, false, false, true, true},
                      KeptFileCase{"MadeByTheStep", false, true, true, true, true},
                      KeptFileCase{"LinkCannotGoBack", true, true, true, false, true},
                      KeptFileCase{"CopyCannotGoBack", true, false, true, false, true},
                      KeptFileCase{"NoLastingName", true, false, true, false, false},
                      KeptFileCase{"FolderNotWritable", true, true, false, true, true, false},
                      KeptFileCase{"NoRename", true, true, true, true, true, true, false}),
    [](const ::testing::TestParamInfo<KeptFileCase>& info) { return info.param.name; });

} // namespace
