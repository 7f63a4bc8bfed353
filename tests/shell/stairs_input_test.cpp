// Placing stairs as a user does: the Stairs command, its dialog, the pointer and Enter, checked in the
// working file (the flights on the floor shown, the stairwell on the floor above) and in the view left.
#include <algorithm>
#include <array>

#include "document/program_state.h"
#include "platform/test_script.h"
#include "resources/dialogs/stairs_templates.h"
#include "tests/shell/input_fixture.h"
#include "tools/stairs_tool.h"

namespace {

using pl::script::DialogStep;

class StairsInput : public InputTest {
protected:
    // A drawing with something on the first floor, open on the ground floor.
    void OpenWithFirstFloor() {
        std::vector<std::unique_ptr<TObject>> objects;
        objects.push_back(inputs::Line(1000, 1000, 5000, 1000, kFirstFloor));
        Open(std::move(objects));
    }
    void OpenTwoFloors() {
        dir.WriteFile("CFG/STAIRSM.CFG", "200 250");
        OpenWithFirstFloor();
    }
    // Stairs answered with the metric dialog, the outline moved to `at` and placed with Enter.
    void PlaceStairs(const TPoint& at, std::vector<std::pair<int32_t, std::string>> values) {
        pl::script::AnswerDialog(kStairsDialogId, {DialogStep{std::move(values), IDOK}});
        client->CmStairs();
        MoveTo(TPoint(at.x - 20, at.y - 20));
        MoveTo(at);
        Key(Qt::Key_Return);
    }
    // The stair lines of a view in the working file (every test drawing's own line is on view 51 at
    // y = 1000, far from the stairs).
    std::vector<TObject> StairLines(int32_t view) const {
        std::vector<TObject> lines;
        for (const auto& o : FileObjects())
            if (o->view == view && o->kind == kLine && o->y1 != 1000) lines.push_back(*o);
        return lines;
    }
};

TEST_F(StairsInput, HalfwayLandingGoesOnTheFloorShownAndItsStairwellAbove) {
    OpenTwoFloors();
    const TPoint at(300, 250);
    PlaceStairs(at, {{stairsdlg::kWidth, "900"}, {stairsdlg::kStorey, "2600"}, {stairsdlg::kTopAtTop, "1"}});
    const POINT p = DrawingAt(at);

    const auto below = StairLines(kGroundFloor);
    const auto above = StairLines(kFirstFloor);
    ASSERT_EQ(below.size(), 11u);
    ASSERT_EQ(above.size(), 11u);
    const int32_t id = below.front().id;
    EXPECT_TRUE(std::all_of(below.begin(), below.end(), [&](const TObject& o) { return o.id == id; }));
    EXPECT_TRUE(std::all_of(above.begin(), above.end(), [&](const TObject& o) { return o.id == id; }));
    const TObject& tread1 = below[6];
    EXPECT_EQ((std::array{tread1.x1, tread1.y1, tread1.x2, tread1.y2}),
              (std::array{p.x - 900, p.y - 250, p.x + 900, p.y - 250}));
    EXPECT_EQ(CurrentView, kGroundFloor) << "the view stays on the floor the stairs were placed on";
    EXPECT_EQ(client->Tool->Kind, toolkind::kStairs);
}

TEST_F(StairsInput, StraightFlightLeavesAShorterStairwellAbove) {
    OpenTwoFloors();
    PlaceStairs(TPoint(300, 250), {{stairsdlg::kWidth, "900"},
                                   {stairsdlg::kStorey, "2600"},
                                   {stairsdlg::kStairwell, "2000"},
                                   {stairsdlg::kStraightFlight, "1"}});
    EXPECT_EQ(StairLines(kGroundFloor).size(), 16u);
    EXPECT_EQ(StairLines(kFirstFloor).size(), 12u);
}

TEST_F(StairsInput, FeetAndInchesAreTakenInTwentyFourthsOfAnInch) {
    MetricUnits = 0;
    OpenWithFirstFloor();
    pl::script::AnswerDialog(kStairsImpDialogId, {DialogStep{{{stairsdlg::kImpWidth, "36"},
                                                              {stairsdlg::kImpStairwellFeet, "7"},
                                                              {stairsdlg::kImpStairwellInches, "0"},
                                                              {stairsdlg::kImpStoreyFeet, "8"},
                                                              {stairsdlg::kImpStoreyInches, "6"},
                                                              {stairsdlg::kImpStraightFlight, "1"}},
                                                             IDOK}});
    client->CmStairs();
    auto* tool = dynamic_cast<TStepobjtool*>(client->Tool.get());
    ASSERT_NE(tool, nullptr);
    EXPECT_EQ(tool->StairWidth, 864);
    EXPECT_EQ(tool->StairwellLength(), 2016);
    EXPECT_EQ(tool->StoreyHeight(), 2448);
    EXPECT_EQ(tool->Dragging, 1);
}

struct Refusal {
    const char* settings;
    int32_t view;
    const char* message;
};

class StairsRefusedInput : public StairsInput, public ::testing::WithParamInterface<Refusal> {};

TEST_P(StairsRefusedInput, EndsWithThePickToolAndNothingPlaced) {
    OpenTwoFloors();
    dir.WriteFile("CFG/STAIRSM.CFG", GetParam().settings);
    CurrentView = GetParam().view;
    const int32_t before = FileCount();
    PlaceStairs(TPoint(300, 250), {{stairsdlg::kWidth, "900"}, {stairsdlg::kStorey, "2600"}});
    EXPECT_TRUE(ui.LogContains(GetParam().message));
    EXPECT_EQ(client->Tool->Kind, toolkind::kPick);
    EXPECT_EQ(FileCount(), before);
    EXPECT_EQ(CurrentView, GetParam().view);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StairsRefusedInput,
    ::testing::Values(Refusal{"3000 250", kGroundFloor, "do not give a flight of stairs"},
                      Refusal{"200 250", kSecondFloor, "There is no floor above this one"}));

TEST_F(StairsInput, CancelledDialogLeavesThePickTool) {
    OpenTwoFloors();
    pl::script::AnswerDialog(kStairsDialogId, {DialogStep{{}, IDCANCEL}});
    client->CmStairs();
    EXPECT_EQ(client->Tool->Kind, toolkind::kPick);
}

TEST_F(StairsInput, OneFloorHasNoStairs) {
    Open();
    client->CmStairs();
    EXPECT_TRUE(ui.LogContains("You only have one floor"));
    EXPECT_EQ(client->Tool->Kind, toolkind::kLine);
}

} // namespace
