// A working file that cannot be written ends the step that wrote it: the user is told once, and the
// step makes nothing further in memory.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <QCoreApplication>
#include <QImage>
#include <string>
#include <vector>

#include "document/program_state.h"
#include "platform/test_script.h"
#include "resources/dialogs/file_templates.h"
#include "resources/dialogs/wall_templates.h"
#include "tests/shell/drawing_window_fixture.h"
#include "tests/shell/input_fixture.h"
#include "tests/support/full_disk.h"
#include "tools/drawing_tool.h"
#include "tools/tool_kinds.h"

namespace {

class FailedWrite : public InputTest {
protected:
    void Block() { full_.emplace(); }
    void Unblock() { full_.reset(); }
    // Three walls of an outline keyed from the Enter; the working file's size after each.
    std::vector<std::uintmax_t> KeyThreeWalls() {
        dir.WriteFile("CFG/EXTWALLM.CFG", "110 55 110 25 2550 2400 2400 0 0 0");
        Open();
        client->RestoreTool(toolkind::kExtWall);
        client->Tool->PickKind = 1;
        MoveTo(TPoint(100, 300));
        Key(Qt::Key_Return);
        std::vector<std::uintmax_t> sizes;
        for (const auto& [key, length] : {std::pair{Qt::Key_Up, "3000"}, std::pair{Qt::Key_Right, "5000"},
                                          std::pair{Qt::Key_Down, "3000"}}) {
            pl::script::AnswerInput(length);
            Key(key);
            sizes.push_back(std::filesystem::file_size(ObjectList.DrawingFilePath(filemode::kWorking)));
        }
        return sizes;
    }
    int Told() const {
        const std::string log = pl::script::LogText();
        int n = 0;
        for (size_t at = log.find("SAVE FAILED"); at != std::string::npos;
             at = log.find("SAVE FAILED", at + 1))
            ++n;
        return n;
    }

private:
    std::optional<testsupport::FullDisk> full_;
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
    // The first copy could not be written: memory is back to the file, without it.
    EXPECT_EQ(ObjectList.count, before);
}

TEST_F(FailedWrite, AClosingWallThatCannotBeWrittenBuildsNoDimensions) {
    KeyThreeWalls();
    const int32_t before = ObjectList.count;
    Block();
    pl::script::AnswerInput("5000");
    Key(Qt::Key_Left);
    Unblock();
    EXPECT_EQ(Told(), 1);
    // Memory is back to the file, which the failed write left without the closing wall; no
    // dimension, area or outline step followed it.
    EXPECT_EQ(ObjectList.count, before);
}

// The disk fills after the closing wall is written: the outline's dimensions cannot be, the user is
// told once, and nothing else of the step reaches the file.
TEST_F(FailedWrite, AStepIsToldOnceWhenItsLaterWritesFail) {
    const std::vector<std::uintmax_t> sizes = KeyThreeWalls();
    // Room for one more wall, not for the dimensions.
    const testsupport::FullDisk full(sizes[2] + 2 * (sizes[2] - sizes[1]));
    pl::script::AnswerInput("5000");
    Key(Qt::Key_Left);
    EXPECT_EQ(Told(), 1);
    EXPECT_EQ(ObjectList.count, FileCount());
    EXPECT_FALSE(ui.LogContains("Total Building Area")) << ui.Log();
}

// A step whose write fails leaves memory, screen and file alike, with the tool where it stood; the
// same keys with room back then do the step as if it had never failed.
enum class Step { ClosingWall, FirstFloor, Multilines, MoveDesignRoom };

class FailedStep : public FailedWrite, public ::testing::WithParamInterface<Step> {
protected:
    void SetUpStep() {
        switch (GetParam()) {
        case Step::ClosingWall:
            KeyThreeWalls();
            break;
        case Step::FirstFloor: {
            Open();
            const POINT c = DrawingAt(TPoint(200, 200));
            for (const auto& [x1, y1, x2, y2] : {std::array{0, 0, 0, 4000}, std::array{0, 4000, 6000, 4000},
                                                 std::array{6000, 4000, 6000, 0}, std::array{6000, 0, 0, 0}})
                ObjectList.Add(make::ExtWall(kGroundFloor, c.x + x1, c.y + y1, c.x + x2, c.y + y2));
            ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
            SaveState = 0;
            break;
        }
        case Step::Multilines:
            Open();
            pl::script::AnswerInput("4");
            client->CmMultiline();
            MoveTo(TPoint(100, 300));
            Key(Qt::Key_Return);
            MoveTo(TPoint(400, 300));
            Key(Qt::Key_Return);
            break;
        case Step::MoveDesignRoom: {
            CurrentView = kRoomLayout;
            Open();
            const POINT c = DrawingAt(TPoint(100, 300));
            roomX_ = c.x;
            roomY_ = c.y;
            ObjectList.Add(std::make_unique<TRoomobj>(kRoomLayout, kDesignRoom, 1, 0, 10002, 10002, c.x, 0,
                                                      c.x + 3000, 0, c.y + 3000, c.y, 0, 2, 10, 3000, 3000, 0,
                                                      "room", "", ""));
            ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
            client->CmMoveRoom();
            client->RestoreTool(kDesignRoom);
            break;
        }
        }
        Show();
    }

    void DoStep() {
        switch (GetParam()) {
        case Step::ClosingWall:
            pl::script::AnswerInput("5000");
            Key(Qt::Key_Left);
            break;
        case Step::FirstFloor:
            pl::script::AnswerMessageBox(IDYES);
            pl::script::AnswerDialog(kPlanDialogId, {{{{kPlanSolid230, "1"}}, IDOK}});
            client->CmFirstFloor();
            break;
        case Step::Multilines:
            MoveTo(TPoint(100, 100));
            Key(Qt::Key_Return);
            break;
        case Step::MoveDesignRoom:
            Drag(PixelOf(roomX_ + 200, roomY_ + 200), TPoint(300, 200));
            break;
        }
    }

    // What the finished step leaves in the file.
    void ExpectStepDone() {
        const auto file = FileObjects();
        auto count = [&](int32_t view, int32_t kind) {
            return std::count_if(file.begin(), file.end(),
                                 [&](const auto& o) { return o->view == view && o->kind == kind; });
        };
        switch (GetParam()) {
        case Step::ClosingWall: {
            EXPECT_EQ(count(kGroundFloor, kExtWall), 4);
            EXPECT_GT(count(kGroundFloor, kAutoDimensionText), 0);
            // A closed outline: every wall end meets the end of another wall.
            auto meets = [&](const TObject& w, int32_t x, int32_t y) {
                return std::any_of(file.begin(), file.end(), [&](const auto& o) {
                    return o.get() != &w && o->kind == kExtWall &&
                           ((std::abs(o->x1 - x) < 50 && std::abs(o->y1 - y) < 50) ||
                            (std::abs(o->x2 - x) < 50 && std::abs(o->y2 - y) < 50));
                });
            };
            for (const auto& w : file) {
                if (w->kind == kExtWall) {
                    EXPECT_TRUE(meets(*w, w->x1, w->y1) && meets(*w, w->x2, w->y2));
                }
            }
            break;
        }
        case Step::FirstFloor:
            EXPECT_EQ(count(kFirstFloor, kExtWall), 4);
            EXPECT_GT(count(kFirstFloor, kAutoDimensionText), 0);
            EXPECT_EQ(count(kFirstFloor, kFloorTitle), 1);
            break;
        case Step::Multilines:
            EXPECT_EQ(count(kGroundFloor, kLine), 4);
            break;
        case Step::MoveDesignRoom:
            EXPECT_EQ(count(kRoomLayout, kDesignRoom), 1);
            EXPECT_EQ(std::count_if(file.begin(), file.end(),
                                    [&](const auto& o) { return o->kind == kDesignRoom && o->x1 == roomX_; }),
                      0);
            break;
        }
    }

    // The screen after the step, against a full repaint from the file.
    void Show() {
        QCoreApplication::processEvents();
        shown_ = child->BackBuffer()->copy();
        child->Invalidate(true);
        QCoreApplication::processEvents();
    }
    bool ScreenShowsTheFile() const { return shown_ == *child->BackBuffer(); }

    bool MemoryIsTheFile() const {
        const auto file = FileObjects();
        if (static_cast<int32_t>(file.size()) != ObjectList.count) return false;
        for (int32_t i = 0; i < ObjectList.count; ++i) {
            const TObject& a = *ObjectList[i];
            const TObject& b = *file[static_cast<size_t>(i)];
            if (a.view != b.view || a.kind != b.kind || a.x1 != b.x1 || a.y1 != b.y1 || a.x2 != b.x2 ||
                a.y2 != b.y2)
                return false;
        }
        return true;
    }

private:
    QImage shown_;
    int32_t roomX_ = 0;
    int32_t roomY_ = 0;
};

TEST_P(FailedStep, LeavesMemoryScreenAndFileAsBeforeAndCanBeDoneAgain) {
    SetUpStep();
    const std::string before = dir.ReadFile("DWGS/HOUSE.DB0");
    const TDrawingtool tool = *client->Tool;
    Block();
    DoStep();
    Unblock();
    EXPECT_EQ(Told(), 1);
    EXPECT_EQ(dir.ReadFile("DWGS/HOUSE.DB0"), before);
    EXPECT_TRUE(MemoryIsTheFile()); // before any repaint reads the file again
    Show();
    EXPECT_TRUE(ScreenShowsTheFile());
    EXPECT_EQ(client->Tool->Mode, tool.Mode);
    EXPECT_EQ(client->Tool->PointPlaced, tool.PointPlaced);
    // A press picks the room afresh; keyed steps go on from the tool's point.
    if (GetParam() != Step::MoveDesignRoom) {
        EXPECT_EQ(std::pair(client->Tool->X0, client->Tool->Y0), std::pair(tool.X0, tool.Y0));
    }

    // The floor asks again whether to save the drawing the failed write left modified.
    if (GetParam() == Step::FirstFloor) pl::script::AnswerDialog(kSaveQuestionDialogId, {{{}, IDOK}});
    DoStep();
    EXPECT_EQ(Told(), 1);
    ExpectStepDone();
    EXPECT_TRUE(MemoryIsTheFile());
}

INSTANTIATE_TEST_SUITE_P(Steps, FailedStep,
                         ::testing::Values(Step::ClosingWall, Step::FirstFloor, Step::Multilines,
                                           Step::MoveDesignRoom));

} // namespace
