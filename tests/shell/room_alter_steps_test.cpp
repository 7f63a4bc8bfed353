// Alter Finished Room as a user meets it: a click re-opens the room, a drag moves it with what lies
// inside.
#include <memory>
#include <QCoreApplication>
#include <QTest>
#include <QTimer>
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

// A wall inside a re-opened room travels with it and never catches it: a press inside the room, a
// repaint while the button is held (it reads the working file back) and a release where it was
// pressed leave room and wall where they stood, the wall still marked as carried.
struct CarriedWallCase {
    const char* name;
    int32_t group; // the room's own wall, or a neighbouring room's partition
};

class CarriedWall : public RoomAlterSteps, public ::testing::WithParamInterface<CarriedWallCase> {
protected:
    void PressRepaintRelease(const TPoint& at) {
        QWidget* view = View();
        QTest::mouseMove(view, QPoint(at.x, at.y));
        QTimer::singleShot(0, view, [this, view, at] {
            child->Invalidate(true);
            child->UpdateWindow();
            QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(at.x, at.y));
        });
        QTest::mousePress(view, Qt::LeftButton, {}, QPoint(at.x, at.y));
        QCoreApplication::processEvents();
    }
};

TEST_P(CarriedWall, StaysPutAndMarkedThroughAClickWithARepaint) {
    OpenWithFinishedRoom();
    const int32_t x = corner.x + 70; // 50 thick, its faces 20 and 70 inside the room's left side
    ObjectList.Add(std::make_unique<TIntwallobj>(
        kGroundFloor, kIntWall, 1, 0, 9, GetParam().group, x, 0, x, 0, corner.y + 2500, corner.y + 500, 0, 50,
        0, 0, 0, 0, 1, 1800, x - 50, 0, corner.y + 2500, x - 50, corner.y + 500, kNoAttr, 0, 0));
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    client->CmAlterRoom();
    PressRepaintRelease(PixelOf(corner.x + 2000, corner.y + 1000));

    const auto room = FileObject(kReopenedRoom);
    const auto wall = FileObject(kIntWall);
    ASSERT_TRUE(room && wall) << ui.Log();
    EXPECT_EQ(room->x1, corner.x);
    EXPECT_EQ(room->y2, corner.y);
    EXPECT_EQ(wall->x1, x);
    EXPECT_EQ(wall->aux1, 1);
}

INSTANTIATE_TEST_SUITE_P(Walls, CarriedWall,
                         ::testing::Values(CarriedWallCase{"OwnInternalWall", 7},
                                           CarriedWallCase{"NeighboursPartition", G + 1}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
