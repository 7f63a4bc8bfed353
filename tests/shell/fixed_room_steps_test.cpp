// New Room (fixed) as a user meets it: the command, a click inside a box of partitions, the dialogs
// and the room in the working file; a click in an open area and the wrong view.
#include <memory>
#include <string>
#include <vector>

#include "document/program_state.h"
#include "platform/test_script.h"
#include "resources/dialogs/fixed_room_templates.h"
#include "resources/dialogs/room_templates.h"
#include "tests/shell/input_fixture.h"
#include "tools/room_tools.h"
#include "tools/tool_kinds.h"

namespace {

using pl::script::DialogStep;

std::unique_ptr<TIntwallobj> Wall(int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t dx, int32_t dy) {
    const int32_t attr[4] = {};
    return std::make_unique<TIntwallobj>(kGroundFloor, kIntWall, 1, 0, 10001, 10001, ax, 0, bx, 0, ay, by, 0,
                                         100, 0, 0, 0, 0, 1, ax == bx ? 1800 : 900, ax + dx, 0, ay + dy,
                                         bx + dx, by + dy, attr, 0, 0);
}

class FixedRoomSteps : public InputTest {
protected:
    // A floor with a box of four partitions whose inner faces enclose 1800 x 1200 from `corner`.
    void OpenBox() {
        Open();
        corner = DrawingAt(TPoint(60, child->GetClientRect().bottom - 60));
        const int32_t l = corner.x, b = corner.y, r = l + 1800, t = b + 1200;
        ObjectList.Add(Wall(l, t + 100, l, b - 100, -100, 0));
        ObjectList.Add(Wall(r, t + 100, r, b - 100, 100, 0));
        ObjectList.Add(Wall(l - 100, t, r + 100, t, 0, 100));
        ObjectList.Add(Wall(l - 100, b, r + 100, b, 0, -100));
        ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    }
    std::vector<int32_t> FileKinds() const {
        std::vector<int32_t> kinds;
        for (const auto& o : FileObjects())
            if (o->kind < kFloorRecord) kinds.push_back(o->kind);
        return kinds;
    }
    int32_t ToolKind() const { return client->Tool ? client->Tool->Kind : 0; }

    POINT corner{};
};

TEST_F(FixedRoomSteps, ClickInsideBuildsTheRoomWithItsLabelsAndReturnsToPick) {
    OpenBox();
    client->CmNewRoom();
    ASSERT_EQ(ToolKind(), toolkind::kFixedRoom);
    pl::script::AnswerDialog(kRoomPartitionDialogId, {DialogStep{{{roomdlg::kThickness, "100"}}, IDOK}});
    pl::script::AnswerDialog(
        kFixedRoomDialogId,
        {DialogStep{{{fixedroomdlg::kName, "study"}, {fixedroomdlg::kSizeFirst + 1, "1"}}, IDOK}});
    Click(PixelOf(corner.x + 400, corner.y + 300));

    EXPECT_EQ(dir.ReadFile("CFG/ROOM.CFG"), "1800 1200");
    EXPECT_EQ(FileKinds(),
              (std::vector<int32_t>{kIntWall, kIntWall, kIntWall, kIntWall, kRoomNameLabel, kManualDimension,
                                    kSizeLabel, kManualDimension, kSizeLabel, kFinishedRoom}));
    const auto objects = FileObjects();
    const TObject* room = objects.back().get();
    EXPECT_EQ(room->kind, kFinishedRoom);
    EXPECT_EQ(room->x1, corner.x);
    EXPECT_EQ(room->y2, corner.y);
    EXPECT_NE(dir.ReadFile("DWGS/HOUSE.DB0").find("study"), std::string::npos);
    EXPECT_NE(ToolKind(), toolkind::kFixedRoom);
    EXPECT_EQ(std::string(client->StatusBar->GetText()), "GUIDE: Pick Tool");
}

TEST_F(FixedRoomSteps, ClickInAnOpenAreaSaysSoAndKeepsTheTool) {
    Open();
    client->CmNewRoom();
    Click(TPoint(100, 100));
    EXPECT_TRUE(ui.LogContains("No selection was made - start ROOM again")) << ui.Log();
    EXPECT_EQ(ToolKind(), toolkind::kFixedRoom);
    EXPECT_TRUE(FileKinds().empty());
}

TEST_F(FixedRoomSteps, RoomLayoutIsTheWrongView) {
    Open();
    CurrentView = kRoomLayout;
    client->CmNewRoom();
    EXPECT_TRUE(ui.LogContains("Wrong View - select  View then Plan")) << ui.Log();
    EXPECT_NE(ToolKind(), toolkind::kFixedRoom);
}

} // namespace
