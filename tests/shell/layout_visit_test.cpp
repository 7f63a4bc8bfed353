// A visit to the room layout of a finished drawing: however the layout is left, the drawing on disk
// keeps its rooms as finished rooms of the ground floor, and a visit that changed nothing asks nothing.
#include <algorithm>
#include <string>

#include "resources/command_ids.h"
#include "tests/shell/drawing_window_fixture.h"
#include "tests/shell/file_commands_fixture.h"
#include "tests/support/floor_records.h"

namespace {

enum class Way { GroundFloor, New, Open, Exit, SitePlan, FirstFloor };
enum class Before { Nothing, Edit, SaveAndEdit };

struct VisitCase {
    const char* name;
    Way way;
    Before before;
    int32_t answer; // the save question's answer; 0 when none may be asked
};

class LayoutVisit : public FileCommandsTest, public ::testing::WithParamInterface<VisitCase> {
protected:
    // SMITH, saved: an outside wall and one finished room on the ground floor, a wall on the first.
    void OpenFinishedDrawing() {
        ObjectList.SetDrawingName("SMITH");
        testsupport::AddStartingFloorRecords(ObjectList);
        ObjectList.Add(make::ExtWall(kGroundFloor, 1000, 1000, 9000, 1000));
        ObjectList.Add(make::ExtWall(kFirstFloor, 1000, 1000, 9000, 1000));
        auto room = std::make_unique<TRoomobj>();
        room->view = kGroundFloor;
        room->kind = kFinishedRoom;
        room->x1 = 2000, room->y1 = 5000, room->x2 = 5000, room->y2 = 2000;
        ObjectList.Add(std::move(room));
        ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
        ObjectList.Flush();
        Open(dir.File("DWGS/SMITH.DB0"));
    }
    int32_t Count(std::pair<int32_t, int32_t> viewAndKind, int32_t mode) const {
        const auto all = Contents("SMITH", mode);
        return static_cast<int32_t>(std::count(all.begin(), all.end(), viewAndKind));
    }
};

TEST_P(LayoutVisit, LeavesTheRoomsFinishedOnDisk) {
    const VisitCase& c = GetParam();
    OpenFinishedDrawing();
    client->ProcessCommand(cmd::kRoomLayout);
    ASSERT_EQ(CurrentView, kRoomLayout);
    EXPECT_EQ(SaveState, 0);
    if (c.before == Before::SaveAndEdit) client->ProcessCommand(cmd::kFileSave);
    if (c.before != Before::Nothing) Draw(1000, 1000, 5000, 1000, kRoomLayout);
    if (c.answer != 0) AnswerSaveQuestion(c.answer);

    switch (c.way) {
    case Way::GroundFloor:
        client->ProcessCommand(cmd::kGroundFloor);
        EXPECT_EQ(CurrentView, kGroundFloor);
        EXPECT_EQ(SaveState, 0);
        EXPECT_EQ(Count({kGroundFloor, kFinishedRoom}, filemode::kScratch), 1);
        break;
    case Way::New:
        New("JONES");
        break;
    case Way::Open:
        Open(dir.File("DWGS/SMITH.DB0"));
        break;
    case Way::Exit:
        client->ProcessCommand(cmd::kExit);
        break;
    case Way::SitePlan:
        client->ProcessCommand(cmd::kSitePlan);
        break;
    case Way::FirstFloor:
        client->ProcessCommand(cmd::kFirstFloor);
        break;
    }
    EXPECT_EQ(Count({kGroundFloor, kFinishedRoom}, filemode::kWorking), 1);
    EXPECT_EQ(Count({kRoomLayout, kDesignRoom}, filemode::kWorking), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, LayoutVisit,
    ::testing::Values(VisitCase{"GroundFloor", Way::GroundFloor, Before::Nothing, 0},
                      VisitCase{"New", Way::New, Before::Nothing, 0},
                      VisitCase{"Open", Way::Open, Before::Nothing, 0},
                      VisitCase{"Exit", Way::Exit, Before::Nothing, 0},
                      VisitCase{"SitePlan", Way::SitePlan, Before::Nothing, 0},
                      VisitCase{"FirstFloor", Way::FirstFloor, Before::Nothing, 0},
                      VisitCase{"GroundFloorAfterAnEditSaved", Way::GroundFloor, Before::Edit, IDOK},
                      VisitCase{"ExitAfterAnEditDeclined", Way::Exit, Before::Edit, IDNO},
                      VisitCase{"GroundFloorDecliningAnEditAfterASave", Way::GroundFloor, Before::SaveAndEdit,
                                IDNO},
                      VisitCase{"OpenDecliningAnEditAfterASave", Way::Open, Before::SaveAndEdit, IDNO}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
