// New Room (fixed) as a user meets it: the command, a click inside a box of partitions, the dialogs
// and the room in the working file; a click in an open area and the wrong view.
#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "document/program_state.h"
#include "platform/test_script.h"
#include "resources/command_ids.h"
#include "resources/dialogs/feet_template.h"
#include "resources/dialogs/file_templates.h"
#include "resources/dialogs/fixed_room_templates.h"
#include "resources/dialogs/room_templates.h"
#include "resources/dialogs/wall_templates.h"
#include "tests/shell/input_fixture.h"
#include "tests/support/working_file_copy.h"
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
    EXPECT_TRUE(ui.LogContains("No selection was made - start ROOM again"));
    EXPECT_EQ(ToolKind(), toolkind::kFixedRoom);
    EXPECT_TRUE(FileKinds().empty());
}

TEST_F(FixedRoomSteps, RoomLayoutIsTheWrongView) {
    Open();
    CurrentView = kRoomLayout;
    client->CmNewRoom();
    EXPECT_TRUE(ui.LogContains("Wrong View - select  View then Plan"));
    EXPECT_NE(ToolKind(), toolkind::kFixedRoom);
}

// A house keyed clockwise from its top left, or the other way round from its bottom left, in mm or in
// feet (a foot for 250 mm), its walls of one layer or three below or above the keyed line.
using Walls = std::vector<std::pair<char, int32_t>>;
const Walls kRectangle{{'R', 12000}, {'D', 8000}, {'L', 12000}, {'U', 8000}};
const Walls kLHouse{{'R', 12000}, {'D', 5000}, {'L', 5000}, {'D', 4000}, {'L', 7000}, {'U', 9000}};
class RoomCorners
    : public FixedRoomSteps,
      public ::testing::WithParamInterface<std::tuple<const Walls*, bool, bool, bool, bool, size_t>> {};

// A fixed room of the size offered, clicked near a corner of the inside, fills the inside from there.
TEST_P(RoomCorners, FillTheInsideOfTheWallsFromTheCornerClicked) {
    const auto [shape, clockwise, above, cavity, metric, corner] = GetParam();
    const size_t n = shape->size();
    const auto length = [&, shape, metric](size_t i) {
        return (*shape)[i].second / (metric ? 1 : 250) * (metric ? 1 : 288);
    };
    const int32_t walls[2][2][2] = {{{kPlanImpSolid216, 216}, {kPlanImpCavity264, 264}},
                                    {{kPlanSolid230, 230}, {kPlanCavity275, 275}}};
    pl::script::AnswerDialog(kNewDrawingDialogId, {{{{metric ? kNewMetricRadio : kNewImperialRadio, "1"}}}});
    pl::script::AnswerDialog(metric ? kPlanDialogId : kPlanImpDialogId,
                             {{{{walls[metric][cavity][0], "1"}}}});
    pl::script::AnswerDialog(kExtSideDialogId, {{{{above ? kExtSideAbove : kExtSideBelow, "1"}}}});
    client->ProcessCommand(cmd::kFileNew);
    child = client->ActiveDrawingWindow();
    const TPoint start =
        PixelOf(DrawingAt({100, 60}).x, DrawingAt({100, 60}).y - (clockwise ? 0 : length(n - 1)));
    MoveTo(TPoint(start.x + 1, start.y)), MoveTo(start), Key(Qt::Key_Return);
    for (size_t i = 0; i < n; ++i) { // the other way round: each wall backwards, from the bottom left
        const size_t k = clockwise ? i : (2 * n - 2 - i) % n,
                     arrow = std::string("RDLU").find((*shape)[k].first);
        metric
            ? pl::script::AnswerInput(std::to_string(length(k)))
            : pl::script::AnswerDialog(kFeetDialogId, {{{{kFeetEditId, std::to_string(length(k) / 288)}}}});
        Key(std::array{Qt::Key_Right, Qt::Key_Down, Qt::Key_Left,
                       Qt::Key_Up}[(arrow + (clockwise ? 0 : 2)) % 4]);
    }
    TList file; // the first wall keyed; the window is centred on the house once it is closed
    ASSERT_EQ(testsupport::ReadWorkingFileInto(file), FileResult::Ok);
    const TObject* wall = file[file.count - 1];
    for (int32_t i = file.count - 1; i >= 0; --i)
        wall = file[i]->kind == kExtWall ? file[i] : wall;
    POINT c{std::min(wall->x1, wall->x2), wall->y1 + (clockwise ? 0 : length(n - 1))}; // the top left
    const auto step = [&](char a, int32_t d) {
        return std::pair(((a == 'R') - (a == 'L')) * d, ((a == 'U') - (a == 'D')) * d);
    };
    for (size_t i = 0; i < corner && corner < n; ++i)
        c = {c.x + step((*shape)[i].first, length(i)).first, c.y + step((*shape)[i].first, length(i)).second};
    const auto [in, out] =
        std::pair(step((*shape)[(corner + n - 1) % n].first, 1), step((*shape)[corner % n].first, 1));
    const int32_t sx = out.first - in.first, sy = out.second - in.second; // towards the inside
    if (corner >= n || in.first * out.second > in.second * out.first)
        GTEST_SKIP() << "no corner, or the L's inner one";
    client->CmNewRoom();
    pl::script::AnswerDialog(metric ? kRoomPartitionDialogId : kRoomPartitionImpDialogId, {{}});
    pl::script::AnswerDialog(metric ? kFixedRoomDialogId : kFixedRoomImpDialogId, {{}});
    const TPoint pixel = PixelOf(c.x, c.y);
    Click(TPoint(pixel.x + 40 * sx, pixel.y - 40 * sy));
    // The walls lie inside the keyed line where its right side, as keyed, is the inside.
    const int32_t inset = clockwise != above ? walls[metric][cavity][1] : 0;
    if (corner == 0) { // the worked example: 12000 x 8000 inside walls put outside
        EXPECT_EQ(dir.ReadFile("CFG/ROOM.CFG"),
                  std::to_string(length(0) - 2 * inset) + " " + std::to_string(length(n - 1) - 2 * inset));
    }
    const auto objects = FileObjects();
    ASSERT_EQ(objects.back()->kind, kFinishedRoom);
    const TObject& room = *objects.back();
    EXPECT_EQ(std::pair(sx > 0 ? room.x1 : room.x2, sy > 0 ? room.y2 : room.y1),
              std::pair(c.x + sx * inset, c.y + sy * inset));
}
INSTANTIATE_TEST_SUITE_P(Table, RoomCorners,
                         ::testing::Combine(::testing::Values(&kRectangle, &kLHouse), ::testing::Bool(),
                                            ::testing::Bool(), ::testing::Bool(), ::testing::Bool(),
                                            ::testing::Range(size_t{0}, size_t{6})));

} // namespace
