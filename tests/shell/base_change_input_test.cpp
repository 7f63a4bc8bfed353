// EXPAND and SHRINK Floorplan Base driven as a user does: the command, an arrow key, the line placed
// with the pointer and Enter, the amount typed; checked in the working file.
#include <QTest>

#include "document/program_state.h"
#include "platform/test_script.h"
#include "resources/command_ids.h"
#include "tests/shell/input_fixture.h"
#include "tests/support/working_file_copy.h"
#include "tools/wall_tools.h"

namespace {

class BaseChangeInput : public InputTest {
protected:
    // An outline round the middle of the window, with a room inside reaching its left wall.
    void OpenFloor() {
        Open();
        const POINT low = DrawingAt(TPoint(150, 350));
        const POINT high = DrawingAt(TPoint(450, 150));
        AddWall(low.x, low.y, high.x, low.y);
        AddWall(high.x, low.y, high.x, high.y);
        AddWall(low.x, high.y, high.x, high.y);
        AddWall(low.x, low.y, low.x, high.y);
        auto room = std::make_unique<TRoomobj>();
        room->view = kGroundFloor;
        room->kind = kFinishedRoom;
        room->x1 = low.x, room->y1 = high.y, room->x2 = (low.x + high.x) / 2, room->y2 = low.y;
        room->value3 = room->x2 - room->x1;
        room->SetWidthText(std::to_string(room->value3).c_str());
        ObjectList.Add(std::move(room));
        ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    }
    void AddWall(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
        auto w = std::make_unique<TExtwallobj>();
        w->view = kGroundFloor;
        w->kind = kExtWall;
        w->x1 = x1, w->y1 = y1, w->x2 = x2, w->y2 = y2;
        w->group = (x2 - x1) + (y2 - y1);
        ObjectList.Add(std::move(w));
    }
    // The base changed to the right from the middle of the room.
    void Change(int32_t command, const char* amount) {
        client->ProcessCommand(command);
        Key(Qt::Key_Right);
        const TObject& room = *ObjectList[ObjectList.FindKind(kFinishedRoom)];
        const TPoint at = PixelOf(room.x1 + (room.x2 - room.x1) / 2, room.y2 + (room.y1 - room.y2) / 2);
        MoveTo(TPoint(at.x + 1, at.y));
        MoveTo(at);
        pl::script::AnswerInput(amount);
        Key(Qt::Key_Return);
    }
    struct Plan {
        int32_t bottom, right, width;
        std::string widthText;
        int32_t centreX;
        bool operator==(const Plan&) const = default;
    };
    // The working file read into a document of the test's own.
    static Plan FilePlan() {
        TList file;
        EXPECT_EQ(testsupport::ReadWorkingFileInto(file), FileResult::Ok);
        Plan p{};
        for (int32_t i = 0; i < file.count; ++i) {
            const TObject& o = *file[i];
            if (o.kind == kExtWall && o.y1 == o.y2 && p.bottom == 0) {
                p.bottom = o.group;
                p.centreX = o.x1 + (o.x2 - o.x1) / 2;
            }
            if (o.kind == kExtWall && o.x1 == o.x2) p.right = std::max(p.right, o.x1);
            if (const auto* r = dynamic_cast<const TRoomobj*>(&o)) {
                p.width = r->value3;
                p.widthText = r->widthText;
            }
        }
        return p;
    }
};

TEST_F(BaseChangeInput, ExpandingAndShrinkingByTheSameAmountGiveThePlanBackCentred) {
    OpenFloor();
    Change(cmd::kExpandBase, "300");
    const Plan expanded = FilePlan();
    Change(cmd::kShrinkBase, "300");
    const Plan shrunk = FilePlan();
    Change(cmd::kExpandBase, "300");
    Change(cmd::kShrinkBase, "300");

    const int32_t centre = SheetWidth * ZoomDivisor / 2;
    EXPECT_EQ(expanded.centreX, centre);
    EXPECT_EQ(shrunk.centreX, centre);
    EXPECT_EQ(expanded.bottom, shrunk.bottom + 300);
    EXPECT_EQ(expanded.width, shrunk.width + 300);
    EXPECT_EQ(expanded.widthText, std::to_string(expanded.width));
    EXPECT_EQ(FilePlan(), shrunk);
}

TEST_F(BaseChangeInput, AShrinkThePlanCannotTakeIsToldAndMovesNothing) {
    OpenFloor();
    const Plan before = FilePlan();
    Change(cmd::kShrinkBase, "60000");
    EXPECT_EQ(std::pair(FilePlan().bottom, FilePlan().width), std::pair(before.bottom, before.width));
    EXPECT_TRUE(ui.LogContains("The floor plan cannot be shrunk by that length there")) << ui.Log();
}

TEST_F(BaseChangeInput, EnterBeforeADirectionChangesNothing) {
    OpenFloor();
    const Plan before = FilePlan();
    client->ProcessCommand(cmd::kShrinkBase);
    ASSERT_EQ(client->Tool->Kind, toolkind::kBaseChange);
    Key(Qt::Key_Return);
    EXPECT_EQ(FilePlan(), before);
    EXPECT_EQ(client->Tool->Kind, toolkind::kBaseChange);
}

} // namespace
