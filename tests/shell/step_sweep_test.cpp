// A step of the user is all or nothing in the working file. Each step runs with the disk's room set
// from the size of the file before it to the size after it: the user is told at most once, the file is
// as before the step or as after it, never between, memory is the file, a failed step leaves the tool
// as it stood, and the same keys with room back give the file of a step that never failed.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <QCoreApplication>
#include <string>
#include <typeinfo>
#include <vector>

#include "document/program_state.h"
#include "platform/test_script.h"
#include "resources/command_ids.h"
#include "resources/dialogs/file_templates.h"
#include "resources/dialogs/opening_templates.h"
#include "resources/dialogs/partition_templates.h"
#include "resources/dialogs/stairs_templates.h"
#include "resources/dialogs/tool_dialog_templates.h"
#include "resources/dialogs/wall_templates.h"
#include "tests/shell/input_fixture.h"
#include "tests/support/full_disk.h"
#include "tools/wall_tools.h"

namespace {

using pl::script::DialogStep;

enum class Step {
    ClosingWall,
    FirstFloor,
    SitePlan,
    MeetingPartition,
    ExpandBase,
    ShrinkBase,
    Split,
    Stairs,
    Door,
    Text,
    MultilineCopy
};

class StepSweep : public InputTest, public ::testing::WithParamInterface<Step> {
protected:
    // A fresh document and drawing window for the next run, as the test found them.
    void Restart() {
        client->CloseChildren();
        QCoreApplication::processEvents();
        ObjectList.Flush();
        ResetGlobals();
        ObjectList.ProgramDirectory = dir.Path();
        ObjectList.SetDrawingName("HOUSE");
        MetricUnits = 1;
        CurrentView = kGroundFloor;
        client->SelectPickTool();
        // The First Floor's wall dialog keeps its answer in the wall settings the outline is built from.
        dir.WriteFile("CFG/EXTWALLM.CFG", "110 55 110 25 2550 2400 2400 0 0 0");
        SetUpStep();
        SaveState = 0;
    }

    // Four ground-floor walls round the middle of the window.
    void OpenOutline() {
        Open();
        const POINT a = DrawingAt(TPoint(150, 350));
        const POINT c = DrawingAt(TPoint(450, 150));
        const int32_t l = a.x / 100 * 100, b = a.y / 100 * 100, r = c.x / 100 * 100, t = c.y / 100 * 100;
        for (const auto& [x1, y1, x2, y2, angle] :
             {std::array{l, b, l, t, 0}, std::array{l, t, r, t, 900}, std::array{r, t, r, b, 1800},
              std::array{r, b, l, b, 2700}}) {
            TExtwallobjtool wall;
            wall.X0 = x1, wall.Y0 = y1, wall.X1 = x2, wall.Y1 = y2, wall.Angle = angle;
            wall.SegmentLength = std::abs(x2 - x1) + std::abs(y2 - y1);
            wall.SnapWallEnds(1);
            ASSERT_EQ(wall.AddExternalWall(), tools::WriteResult::Ok);
        }
        top_ = PixelOf((l + r) / 2 / 100 * 100, t);
        middle_ = PixelOf((l + r) / 2, (t + b) / 2);
        child->Invalidate(true);
        child->UpdateWindow();
    }
    void PointAt(const TPoint& at) {
        MoveTo(TPoint(at.x + 1, at.y));
        MoveTo(at);
    }
    void Arrow(int qtKey, const char* length) {
        pl::script::AnswerInput(length);
        Key(qtKey);
    }

    void SetUpStep() {
        switch (GetParam()) {
        case Step::ClosingWall:
            Open();
            client->RestoreTool(toolkind::kExtWall);
            client->Tool->PickKind = 1;
            PointAt(TPoint(100, 300));
            Key(Qt::Key_Return);
            Arrow(Qt::Key_Up, "3000");
            Arrow(Qt::Key_Right, "5000");
            Arrow(Qt::Key_Down, "3000");
            break;
        case Step::FirstFloor:
        case Step::SitePlan:
            OpenOutline();
            break;
        case Step::MeetingPartition: {
            Open();
            const POINT a = DrawingAt(TPoint(300, 300));
            const int32_t attr[4] = {};
            ObjectList.Add(std::make_unique<TIntwallobj>(
                kGroundFloor, kIntWall, 1, 0, 10005, 10005, a.x - 2000, 0, a.x + 2000, 0, a.y, a.y, 0, 100, 0,
                0, 0, 0, 1, 900, a.x - 2000, 0, a.y - 100, a.x + 2000, a.y - 100, attr, 0, 0));
            ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
            pl::script::AnswerDialog(
                kPartitionDialogId,
                {DialogStep{{{kPartitionThickness, "100"}, {kPartitionRight, "1"}}, IDOK}});
            client->ProcessCommand(cmd::kInternalWall);
            PointAt(TPoint(300, 300));
            Key(Qt::Key_Return);
            break;
        }
        case Step::ExpandBase:
        case Step::ShrinkBase:
            OpenOutline();
            client->ProcessCommand(GetParam() == Step::ExpandBase ? cmd::kExpandBase : cmd::kShrinkBase);
            Key(Qt::Key_Right);
            PointAt(middle_);
            break;
        case Step::Split:
            OpenOutline();
            client->ProcessCommand(cmd::kSplitWall);
            PointAt(top_);
            break;
        case Step::Stairs:
            dir.WriteFile("CFG/STAIRSM.CFG", "200 250");
            Open([] {
                std::vector<std::unique_ptr<TObject>> objects;
                objects.push_back(inputs::Line(1000, 1000, 5000, 1000, kFirstFloor));
                return objects;
            }());
            pl::script::AnswerDialog(
                kStairsDialogId,
                {DialogStep{{{stairsdlg::kWidth, "900"}, {stairsdlg::kStorey, "2600"}}, IDOK}});
            client->ProcessCommand(cmd::kStairs);
            PointAt(TPoint(300, 250));
            break;
        case Step::Door:
            OpenOutline();
            pl::script::AnswerDialog(
                kExtDoorDialogId,
                {DialogStep{{{kDoorWidthEdit, "800"}, {kDoorNumberEdit, "1"}, {kDoorHinged, "1"}}, IDOK}});
            pl::script::AnswerDialog(kDoorSwingDialogId, {DialogStep{{{kSwingRadios[4], "1"}}, IDOK}});
            client->ProcessCommand(cmd::kDoors);
            PointAt(TPoint(top_.x, top_.y + 2));
            break;
        case Step::Text:
            Open();
            pl::script::AnswerDialog(kTextDetailsDialogId, {DialogStep{{}, IDOK}});
            client->ProcessCommand(cmd::kText);
            break;
        case Step::MultilineCopy:
            Open();
            pl::script::AnswerInput("4");
            client->ProcessCommand(cmd::kMultiline);
            PointAt(TPoint(100, 300));
            Key(Qt::Key_Return);
            PointAt(TPoint(400, 300));
            Key(Qt::Key_Return);
            PointAt(TPoint(100, 100));
            break;
        }
    }

    void DoStep() {
        switch (GetParam()) {
        case Step::ClosingWall:
            Arrow(Qt::Key_Left, "5000");
            break;
        case Step::FirstFloor:
            // The failed step has left the drawing modified: the floor asks about saving it first.
            if (SaveState > 0) pl::script::AnswerDialog(kSaveQuestionDialogId, {DialogStep{{}, IDOK}});
            pl::script::AnswerMessageBox(IDYES);
            pl::script::AnswerDialog(kPlanDialogId, {DialogStep{{{kPlanSolid230, "1"}}, IDOK}});
            client->ProcessCommand(cmd::kFirstFloor);
            break;
        case Step::SitePlan:
            if (SaveState > 0) pl::script::AnswerDialog(kSaveQuestionDialogId, {DialogStep{{}, IDOK}});
            client->ProcessCommand(cmd::kSitePlan);
            break;
        case Step::MeetingPartition:
            Arrow(Qt::Key_Up, "1000");
            break;
        case Step::ExpandBase:
        case Step::ShrinkBase:
            Arrow(Qt::Key_Return, "300");
            break;
        case Step::Split:
        case Step::Stairs:
        case Step::Door:
        case Step::MultilineCopy:
            Key(Qt::Key_Return);
            break;
        case Step::Text:
            pl::script::AnswerInput("KITCHEN");
            Click(TPoint(200, 200));
            break;
        }
    }

    std::string File() const { return dir.ReadFile("DWGS/HOUSE.DB0"); }
    int Told() const {
        const std::string log = pl::script::LogText();
        int n = 0;
        for (const char* caption : {"SAVE FAILED", "DRAWING FILE"})
            for (size_t at = log.find(caption); at != std::string::npos; at = log.find(caption, at + 1))
                ++n;
        return n;
    }
    bool MemoryIsTheFile() const {
        const auto file = FileObjects();
        if (static_cast<int32_t>(file.size()) != ObjectList.count) return false;
        for (int32_t i = 0; i < ObjectList.count; ++i) {
            const TObject& a = *ObjectList[i];
            const TObject& b = *file[static_cast<size_t>(i)];
            if (a.view != b.view || a.kind != b.kind || a.x1 != b.x1 || a.y1 != b.y1 || a.x2 != b.x2 ||
                a.y2 != b.y2 || a.id != b.id)
                return false;
        }
        return true;
    }
    // What a key goes on from: the tool's class and fields, and the keyed outline's state.
    std::vector<int64_t> ToolState() const {
        const TDrawingtool& t = *client->Tool;
        std::vector<int64_t> s{static_cast<int64_t>(typeid(t).hash_code()),
                               t.PointPlaced,
                               t.PickKind,
                               t.Mode,
                               t.Kind,
                               t.Dragging,
                               t.Count,
                               t.Angle,
                               t.ObjectId,
                               t.SegmentLength,
                               t.ChainState,
                               t.X0,
                               t.Y0,
                               t.X1,
                               t.Y1,
                               t.BoxLeft,
                               t.BoxRight,
                               t.BoxTop,
                               t.BoxBottom,
                               KeyEntryPhase,
                               LastOutlineEndX,
                               LastOutlineEndY};
        if (const auto* w = dynamic_cast<const TIntwallobjtool*>(&t))
            s.insert(s.end(), {w->FaceStartX, w->FaceStartY, w->FaceEndX, w->FaceEndY, w->Thickness});
        if (const auto* w = dynamic_cast<const TExtwallobjtool*>(&t))
            s.insert(s.end(), {w->NextWall, w->PreviousWall, w->LayerEndX[0], w->LayerEndY[5]});
        return s;
    }

    TPoint top_;
    TPoint middle_;
};

TEST_P(StepSweep, EveryRoomLeavesTheStepWholeOrUndoneAndToldOnce) {
    Restart();
    const std::string before = File();
    DoStep();
    const std::string after = File();
    ASSERT_EQ(Told(), 0) << ui.Log();
    ASSERT_GT(after.size(), before.size());

    // The bytes at either end, where a step's first and last writes fail, and a stride between.
    std::vector<std::uintmax_t> rooms;
    const std::uintmax_t stride = std::max<std::uintmax_t>(1, (after.size() - before.size()) / 10);
    for (std::uintmax_t room = before.size(); room < after.size(); ++room) {
        if (room < before.size() + 2 || room + 2 >= after.size() || (room - before.size()) % stride == 0)
            rooms.push_back(room);
    }
    for (const std::uintmax_t room : rooms) {
        SCOPED_TRACE("room " + std::to_string(room) + " of " + std::to_string(before.size()) + ".." +
                     std::to_string(after.size()));
        Restart();
        ASSERT_EQ(File(), before);
        const std::vector<int64_t> tool = ToolState();
        const int told = Told();
        {
            const testsupport::FullDisk full(room);
            DoStep();
        }
        const std::string file = File();
        EXPECT_TRUE(MemoryIsTheFile());
        if (file == after) {
            EXPECT_EQ(Told(), told);
            continue;
        }
        EXPECT_EQ(file, before) << "a step split in the file";
        EXPECT_EQ(Told(), told + 1) << ui.Log();
        EXPECT_EQ(ToolState(), tool);
        DoStep();
        EXPECT_EQ(File(), after) << "the same keys with room back";
        if (HasFailure()) break;
    }
}

INSTANTIATE_TEST_SUITE_P(Steps, StepSweep,
                         ::testing::Values(Step::ClosingWall, Step::FirstFloor, Step::SitePlan,
                                           Step::MeetingPartition, Step::ExpandBase, Step::ShrinkBase,
                                           Step::Split, Step::Stairs, Step::Door, Step::Text,
                                           Step::MultilineCopy));

} // namespace
