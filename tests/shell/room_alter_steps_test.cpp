// Alter Finished Room as a user meets it: a click re-opens the room, a drag moves it with what lies
// inside.
#include <memory>
#include <string>

#include "document/program_state.h"
#include "tests/shell/input_fixture.h"
#include "tools/room_tools.h"

namespace {

constexpr int32_t G = 10004;
const int32_t kNoAttr[4] = {};

class RoomAlterSteps : public InputTest {
protected:
    // A finished room in view with its partition and a text of the user's inside it.
    void OpenWithFinishedRoom() {
        Open();
        const POINT c = DrawingAt(TPoint(40, child->GetClientRect().bottom - 40));
        corner = c;
        ObjectList.Add(std::make_unique<TIntwallobj>(kGroundFloor, kIntWall, 1, 0, G, G, c.x, 0, c.x, 0,
                                                     c.y + 3000, c.y, 0, 100, 0, 0, 0, 0, 1, 1800, c.x - 100,
                                                     0, c.y + 3000, c.x - 100, c.y, kNoAttr, 0, 0));
        ObjectList.Add(std::make_unique<TRoomobj>(kGroundFloor, kFinishedRoom, 1, 0, G, G, c.x, 0, c.x + 3000,
                                                  0, c.y + 3000, c.y, 0, 0, 10, 3000, 3000, 0, "Bed 1", "",
                                                  ""));
        ObjectList.Add(std::make_unique<TTextobj>(kGroundFloor, kText, 1, 0, 7, 7, c.x + 2000, 0, 900, 0,
                                                  c.y + 2000, 0, 0, "desk", "Sans", 0, 6, 400, 100));
        ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    }
    // The file's object of the kind (its common fields).
    std::unique_ptr<TObject> FileObject(int32_t kind) const {
        for (auto& o : FileObjects())
            if (o->kind == kind) return std::move(o);
        return nullptr;
    }
    POINT corner{};
};

TEST_F(RoomAlterSteps, ClickReopensTheRoomAndADragTakesTheTextAlong) {
    OpenWithFinishedRoom();
    client->CmAlterRoom();
    const TPoint inRoom = PixelOf(corner.x + 200, corner.y + 200); // off the centre square
    Click(inRoom);
    ASSERT_NE(FileObject(kReopenedRoom), nullptr) << ui.Log();
    EXPECT_EQ(FileObject(kIntWall), nullptr); // the partition goes; finishing again rebuilds it

    const TPoint to(inRoom.x + 40, inRoom.y - 20);
    Drag(inRoom, to);
    const POINT a = DrawingAt(inRoom);
    const POINT b = DrawingAt(to);
    const auto room = FileObject(kReopenedRoom);
    const auto text = FileObject(kText);
    ASSERT_TRUE(room && text);
    EXPECT_EQ(room->x1 - corner.x, b.x - a.x);
    EXPECT_EQ(room->y2 - corner.y, b.y - a.y);
    EXPECT_EQ(text->x1 - (corner.x + 2000), b.x - a.x);
    EXPECT_EQ(text->y1 - (corner.y + 2000), b.y - a.y);
}

} // namespace
