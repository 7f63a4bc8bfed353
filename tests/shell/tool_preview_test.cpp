// A tool's preview (band, outline, cross-hair) never outlives the tool: another command chosen while
// it shows, after a full repaint and a further move during the drag, leaves what a full repaint shows.
#include <QTest>

#include <string>

#include "platform/test_script.h"
#include "resources/command_ids.h"
#include "resources/dialogs/opening_templates.h"
#include "resources/dialogs/partition_templates.h"
#include "resources/dialogs/stairs_templates.h"
#include "tests/platform/pixel_probe.h"
#include "tests/shell/input_fixture.h"

namespace {

using pl::script::DialogStep;

class PreviewOfAnEndingTool;

struct PreviewCase {
    const char* name;
    void (PreviewOfAnEndingTool::*start)();
};

class PreviewOfAnEndingTool : public InputTest, public ::testing::WithParamInterface<PreviewCase> {
public:
    // A partition keyed down from a point, then the band from its end to the pointer.
    void InternalWallBand() {
        pl::script::AnswerDialog(kPartitionDialogId,
                                 {DialogStep{{{kPartitionThickness, "100"}, {kPartitionRight, "1"}}, IDOK}});
        client->ProcessCommand(cmd::kInternalWall);
        EnterAt(TPoint(200, 100));
        pl::script::AnswerInput("1000");
        Key(Qt::Key_Down);
    }
    void DoorSwing() {
        pl::script::AnswerDialog(
            kExtDoorDialogId,
            {DialogStep{{{kDoorWidthEdit, "800"}, {kDoorNumberEdit, "1"}, {kDoorHinged, "1"}}, IDOK}});
        pl::script::AnswerDialog(kDoorSwingDialogId, {DialogStep{{{kSwingRadios[1], "1"}}, IDOK}});
        client->ProcessCommand(cmd::kDoors);
    }
    void StairsOutline() {
        pl::script::AnswerDialog(
            kStairsDialogId, {DialogStep{{{stairsdlg::kWidth, "900"}, {stairsdlg::kStorey, "2600"}}, IDOK}});
        client->CmStairs();
    }
    void MultilineModelBand() {
        pl::script::AnswerInput("3");
        client->ProcessCommand(cmd::kMultiline);
        EnterAt(TPoint(100, 300));
    }
    void ExpandBaseCrosshair() {
        client->ProcessCommand(cmd::kExpandBase);
        Key(Qt::Key_Right);
    }

protected:
    void EnterAt(const TPoint& at) {
        MoveTo(TPoint(at.x + 1, at.y));
        MoveTo(at);
        Key(Qt::Key_Return);
    }
};

TEST_P(PreviewOfAnEndingTool, GoesWithTheToolWhenAnotherCommandIsChosen) {
    // Something on the floor above, for the stairs.
    std::vector<std::unique_ptr<TObject>> objects;
    objects.push_back(inputs::Line(1000, 1000, 5000, 1000, kFirstFloor));
    Open(std::move(objects));
    (this->*GetParam().start)();
    MoveTo(TPoint(320, 260));
    child->Invalidate(true);
    child->UpdateWindow();
    const QImage repainted = child->BackBuffer()->copy();
    MoveTo(TPoint(340, 280));
    client->ProcessCommand(cmd::kLine);
    child->UpdateWindow();
    EXPECT_GT(pixelprobe::CountDifferent(repainted, *child->BackBuffer()), 0) << "no preview was shown";

    const QImage shown = child->BackBuffer()->copy();
    child->Invalidate(true);
    child->UpdateWindow();
    EXPECT_EQ(pixelprobe::CountDifferent(shown, *child->BackBuffer()), 0);
}

const PreviewCase kPreviews[] = {
    {"InternalWallBand", &PreviewOfAnEndingTool::InternalWallBand},
    {"DoorSwing", &PreviewOfAnEndingTool::DoorSwing},
    {"StairsOutline", &PreviewOfAnEndingTool::StairsOutline},
    {"MultilineModelBand", &PreviewOfAnEndingTool::MultilineModelBand},
    {"ExpandBaseCrosshair", &PreviewOfAnEndingTool::ExpandBaseCrosshair},
};

INSTANTIATE_TEST_SUITE_P(Previews, PreviewOfAnEndingTool, ::testing::ValuesIn(kPreviews),
                         [](const ::testing::TestParamInfo<PreviewCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
