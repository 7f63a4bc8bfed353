// The placement aids of the room layout as a user meets them: a room dropped beside another, Max
// DESIGN Room Size, Rotate Room, and the repaint of only the changed area.
#include <array>
#include <string>

#include "document/program_state.h"
#include "platform/test_script.h"
#include "resources/dialogs/room_templates.h"
#include "tests/shell/input_fixture.h"

namespace {

class RoomPlacement : public InputTest {
protected:
    void SetUp() override {
        InputTest::SetUp();
        dir.WriteFile("CFG/MERGEM.CFG", "100\n");
        dir.WriteFile("CFG/RMPTNM.CFG", "50 50 50");
        CurrentView = kRoomLayout;
        Open();
        anchor = DrawingAt(TPoint(60, child->GetClientRect().bottom - 60));
    }
    // Objects are placed relative to the lower left of the view, so that they are on screen.
    void AddRoom(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
        ObjectList.Add(std::make_unique<TRoomobj>(kRoomLayout, kDesignRoom, 1, 0, 10002, 10002, anchor.x + x1,
                                                  0, anchor.x + x2, 0, anchor.y + y1, anchor.y + y2, 0, 2, 10,
                                                  x2 - x1, y1 - y2, 0, "room", "", ""));
        ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    }
    void AddWall(int32_t y) {
        auto w = std::make_unique<TExtwallobj>();
        w->view = kRoomLayout, w->kind = kExtWall;
        w->x1 = w->p1x = anchor.x, w->x2 = w->p2x = anchor.x + 2800;
        w->y1 = w->p1y = w->y2 = w->p2y = anchor.y + y;
        ObjectList.Add(std::move(w));
        ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    }
    TPoint At(int32_t x, int32_t y) const { return PixelOf(anchor.x + x, anchor.y + y); }
    // The corners (x1, y1, x2, y2) of the nth design room of the working file, relative to the anchor.
    std::array<int32_t, 4> FileRoom(size_t nth) const {
        std::vector<std::array<int32_t, 4>> rooms;
        for (const auto& o : FileObjects())
            if (o->kind == kDesignRoom)
                rooms.push_back({o->x1 - anchor.x, o->y1 - anchor.y, o->x2 - anchor.x, o->y2 - anchor.y});
        return rooms.at(nth);
    }

    POINT anchor{};
};

TEST_F(RoomPlacement, LeftDropBesideAnotherRoomKeepsOnePartitionApart) {
    AddRoom(0, 4000, 3000, 0);
    const TPoint from = At(3600, 400);
    const TPoint to(from.x - 10, from.y);
    // Dropped 30 right of the other room and 10 above its top.
    const int32_t x1 = 3030 - (DrawingAt(to).x - DrawingAt(from).x);
    AddRoom(x1, 4010, x1 + 3000, 10);
    Drag(from, to);
    EXPECT_EQ(FileRoom(1), (std::array<int32_t, 4>{3050, 4000, 6050, 0})); // the size kept
}

TEST_F(RoomPlacement, MaxRoomSizeMeasuresTheFreeRoomAndMakesIt) {
    AddRoom(200, 1800, 1000, 200);
    AddRoom(1800, 1800, 2600, 200);
    AddWall(1960);
    AddWall(40);
    client->CmMaxRoomSize();
    pl::script::AnswerMessageBox(IDOK);
    Click(At(600, 1000)); // inside a room
    EXPECT_TRUE(ui.LogContains("the click was probably outside the external walls")) << ui.Log();
    EXPECT_FALSE(dir.Exists("CFG/MAX.CFG"));

    client->CmMaxRoomSize();
    pl::script::AnswerDialog(kMaxRoomDialogId,
                             {pl::script::DialogStep{{{kMaxRoomDialogId + 1, "study"}}, IDOK}});
    Click(At(1400, 1000));
    EXPECT_EQ(dir.ReadFile("CFG/MAX.CFG"), "700 1920"); // 1800 - 50 - (1000 + 50), 1960 - 40
    const std::array<int32_t, 4> made = FileRoom(2);
    EXPECT_EQ(made[2] - made[0], 700);
    EXPECT_EQ(made[1] - made[3], 1920);
}

TEST_F(RoomPlacement, RotateRoomTurnsOneRoomWithItsTexts) {
    AddRoom(0, 3000, 4000, 0);
    client->CmRotateRoom();
    Click(At(500, 500));
    EXPECT_EQ(FileRoom(0), (std::array<int32_t, 4>{500, 3500, 3500, -500}));
    const auto& turned = dynamic_cast<const TRoomobj&>(*ObjectList[ObjectList.count - 1]);
    EXPECT_EQ(std::string(turned.widthText) + "/" + turned.lengthText, "3000/4000");
    EXPECT_EQ(client->Tool->Mode, 0); // another turn needs the command again
}

TEST_F(RoomPlacement, MergeStepRepaintsTheRoomsAreaOnly) {
    QImage& image = *child->BackBuffer();
    TRect rc = child->GetClientRect();
    const QPoint inside(rc.right / 4, rc.bottom / 2);
    const QPoint far(rc.right - 2, 2);
    const auto markThenMerge = [&] {
        child->UpdateWindow();
        image.setPixel(inside, qRgb(255, 0, 0));
        image.setPixel(far, qRgb(255, 0, 0));
        child->MergeStep(rc);
        child->UpdateWindow();
    };
    client->RestoreTool(kDesignRoom);
    TDrawingtool& tool = *client->Tool;
    // A room reaching beyond the left and the bottom of the window: the area is clipped to it.
    const POINT a = DrawingAt(TPoint(-50, inside.y() - 40));
    const POINT b = DrawingAt(TPoint(inside.x() + 40, rc.bottom + 50));
    tool.X0 = tool.BoxLeft = a.x, tool.Y0 = tool.BoxTop = a.y;
    tool.X1 = tool.BoxRight = b.x, tool.Y1 = tool.BoxBottom = b.y;
    markThenMerge();
    EXPECT_NE(image.pixel(inside), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(far), qRgb(255, 0, 0));
    client->CmLine(); // another tool's fields hold no room: the whole window
    markThenMerge();
    EXPECT_NE(image.pixel(far), qRgb(255, 0, 0));
}

} // namespace
