// A tool's preview (band, outline) never outlives the tool: another command chosen while it shows
// leaves the window as a full repaint shows it, also when the window was repainted during the drag.
#include <QTest>

#include <string>

#include "document/program_state.h"
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
    bool repaintDuringDrag;
};

class PreviewOfAnEndingTool : public InputTest, public ::testing::WithParamInterface<PreviewCase> {
public:
    // A partition keyed down from a point, then the band from its end to the pointer.
    void InternalWallBand() {
        pl::script::AnswerDialog(kPartitionDialogId,
                                 {DialogStep{{{kPartitionThickness, "100"}, {kPartitionRight, "1"}}, IDOK}});
        client->ProcessCommand(cmd::kInternalWall);
        MoveTo(TPoint(201, 100));
        MoveTo(TPoint(200, 100));
        Key(Qt::Key_Return);
        pl::script::AnswerInput("1000");
        Key(Qt::Key_Down);
        MoveTo(TPoint(320, 260));
    }
    // The swing of a door following the pointer.
    void DoorSwing() {
        pl::script::AnswerDialog(
            kExtDoorDialogId,
            {DialogStep{{{kDoorWidthEdit, "800"}, {kDoorNumberEdit, "1"}, {kDoorHinged, "1"}}, IDOK}});
        pl::script::AnswerDialog(kDoorSwingDialogId, {DialogStep{{{kSwingRadios[1], "1"}}, IDOK}});
        client->ProcessCommand(cmd::kDoors);
        MoveTo(TPoint(300, 240));
    }
    // The outline of a flight of stairs following the pointer.
    void StairsOutline() {
        pl::script::AnswerDialog(
            kStairsDialogId, {DialogStep{{{stairsdlg::kWidth, "900"}, {stairsdlg::kStorey, "2600"}}, IDOK}});
        client->CmStairs();
        MoveTo(TPoint(250, 200));
    }

    // The window's circle following the pointer.
    void WindowCircle() {
        pl::script::AnswerDialog(kWindowDialogId, {DialogStep{{{kWindowWidth, "1200"}}, IDOK}});
        client->ProcessCommand(cmd::kWindows);
        MoveTo(TPoint(300, 240));
    }
    // The band of a multi-line's model line from its keyed start.
    void MultilineModelBand() {
        pl::script::AnswerInput("3");
        client->ProcessCommand(cmd::kMultiline);
        MoveTo(TPoint(101, 300));
        MoveTo(TPoint(100, 300));
        Key(Qt::Key_Return);
        MoveTo(TPoint(320, 260));
    }
    // The cross-hair of Expand Base once its direction is chosen.
    void ExpandBaseCrosshair() {
        client->ProcessCommand(cmd::kExpandBase);
        MoveTo(TPoint(200, 200));
        Key(Qt::Key_Right);
        MoveTo(TPoint(320, 260));
    }

protected:
    // Pixels where the window, once its pending paints ran, differs from a full repaint.
    int DifferenceFromFullRepaint() {
        child->UpdateWindow();
        const QImage shown = child->BackBuffer()->copy();
        child->Invalidate(true);
        child->UpdateWindow();
        return pixelprobe::CountDifferent(shown, *child->BackBuffer());
    }
};

TEST_P(PreviewOfAnEndingTool, GoesWithTheToolWhenAnotherCommandIsChosen) {
    // Something on the floor above, for the stairs.
    std::vector<std::unique_ptr<TObject>> objects;
    objects.push_back(inputs::Line(1000, 1000, 5000, 1000, kFirstFloor));
    Open(std::move(objects));
    (this->*GetParam().start)();
    child->UpdateWindow();
    const QImage before = child->BackBuffer()->copy();
    if (GetParam().repaintDuringDrag) {
        child->Invalidate(true);
        child->UpdateWindow();
        MoveTo(TPoint(340, 280));
    }
    client->ProcessCommand(cmd::kLine);
    EXPECT_GT(pixelprobe::CountDifferent(before, *child->BackBuffer()), 0) << "no preview was shown";
    EXPECT_EQ(DifferenceFromFullRepaint(), 0);
}

const PreviewCase kPreviews[] = {
    {"InternalWallBand", &PreviewOfAnEndingTool::InternalWallBand, false},
    {"InternalWallBandRepaintedDuringTheDrag", &PreviewOfAnEndingTool::InternalWallBand, true},
    {"DoorSwing", &PreviewOfAnEndingTool::DoorSwing, false},
    {"DoorSwingRepaintedDuringTheDrag", &PreviewOfAnEndingTool::DoorSwing, true},
    {"StairsOutline", &PreviewOfAnEndingTool::StairsOutline, false},
    {"StairsOutlineRepaintedDuringTheDrag", &PreviewOfAnEndingTool::StairsOutline, true},
    {"WindowCircle", &PreviewOfAnEndingTool::WindowCircle, false},
    {"MultilineModelBand", &PreviewOfAnEndingTool::MultilineModelBand, false},
    {"MultilineModelBandRepaintedDuringTheDrag", &PreviewOfAnEndingTool::MultilineModelBand, true},
    {"ExpandBaseCrosshair", &PreviewOfAnEndingTool::ExpandBaseCrosshair, false},
    {"ExpandBaseCrosshairRepaintedDuringTheDrag", &PreviewOfAnEndingTool::ExpandBaseCrosshair, true},
};

INSTANTIATE_TEST_SUITE_P(Previews, PreviewOfAnEndingTool, ::testing::ValuesIn(kPreviews),
                         [](const ::testing::TestParamInfo<PreviewCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
