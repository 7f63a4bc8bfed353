// A working file that cannot be written ends the step that wrote it: the user is told once, and the
// step makes nothing further in memory.
#include <filesystem>

#include "document/program_state.h"
#include "platform/test_script.h"
#include "tests/shell/input_fixture.h"
#include "tools/tool_kinds.h"

namespace {

namespace fs = std::filesystem;

class FailedWrite : public InputTest {
protected:
    // A folder where the working file goes makes every write of it fail; the file itself waits
    // beside it, and Unblock puts it back.
    void Block() {
        path_ = ObjectList.DrawingFilePath(filemode::kWorking);
        fs::rename(path_, path_ + ".kept");
        fs::create_directory(path_);
    }
    void Unblock() {
        fs::remove(path_);
        fs::rename(path_ + ".kept", path_);
    }
    int Told() const {
        const std::string log = pl::script::LogText();
        int n = 0;
        for (size_t at = log.find("SAVE FAILED"); at != std::string::npos; at = log.find("SAVE FAILED", at + 1))
            ++n;
        return n;
    }

private:
    std::string path_;
};

TEST_F(FailedWrite, MultiLineCopiesStopAtTheFirstFailedCopy) {
    Open();
    client->Tool->Mode = 40; // as Draw Multilines leaves it after asking for four lines
    client->Tool->Count = 4;
    MoveTo(TPoint(100, 300));
    Key(Qt::Key_Return);
    MoveTo(TPoint(400, 300));
    Key(Qt::Key_Return);
    const int32_t before = ObjectList.count;
    Block();
    MoveTo(TPoint(100, 100));
    Key(Qt::Key_Return);
    Unblock();
    EXPECT_EQ(Told(), 1);
    EXPECT_EQ(ObjectList.count, before + 1);
}

TEST_F(FailedWrite, AClosingWallThatCannotBeWrittenBuildsNoDimensions) {
    dir.WriteFile("CFG/EXTWALLM.CFG", "110 55 110 25 2550 2400 2400 0 0 0");
    Open();
    client->RestoreTool(toolkind::kExtWall);
    client->Tool->PickKind = 1;
    MoveTo(TPoint(100, 300));
    Key(Qt::Key_Return);
    for (const auto& [key, length] : {std::pair{Qt::Key_Up, "3000"}, std::pair{Qt::Key_Right, "5000"},
                                      std::pair{Qt::Key_Down, "3000"}}) {
        pl::script::AnswerInput(length);
        Key(key);
    }
    const int32_t before = ObjectList.count;
    Block();
    pl::script::AnswerInput("5000");
    Key(Qt::Key_Left);
    Unblock();
    EXPECT_EQ(Told(), 1);
    // The closing wall is in memory; no dimension, area or outline step followed it.
    EXPECT_EQ(ObjectList.count, before + 1);
}

} // namespace
