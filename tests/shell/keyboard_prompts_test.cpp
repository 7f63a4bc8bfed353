// The keys that act whatever the tool, and the prompts an idle tool asks before its point is placed,
// with the values they refuse.
#include <QTest>

#include "document/program_state.h"
#include "platform/cursor.h"
#include "platform/gadgets.h"
#include "platform/test_script.h"
#include "tests/shell/input_fixture.h"
#include "tools/shape_tools.h"

namespace {

class KeyboardPrompts : public InputTest {};

class RadiusPrompt : public InputTest,
                     public ::testing::WithParamInterface<std::tuple<int32_t, const char*, int32_t>> {};

// (units, typed, expected Count: 0 refused)
TEST_P(RadiusPrompt, OnlyRadiiFromOneToTheLimitAreTaken) {
    const auto [metric, typed, expected] = GetParam();
    MetricUnits = metric;
    // The widest sheet: the largest circle the prompt takes lies on it.
    dir.WriteFile(metric != 0 ? "CFG/DWGSIZEM.CFG" : "CFG/DWGSIZEI.CFG", "32000 20000");
    Open();
    client->RestoreTool(toolkind::kCircle);
    MoveTo(TPoint(200, 200));
    pl::script::AnswerInput(typed);
    Key(Qt::Key_Return);
    EXPECT_TRUE(ui.LogContains("title=\"RADIUS\""));
    if (expected == 0) {
        EXPECT_EQ(client->Tool->Count, 0);
        EXPECT_EQ(client->Tool->PointPlaced, 0);
    } else {
        // The radius makes a circle about the cursor at once; the tool is then ready for the next.
        const auto objects = FileObjects();
        ASSERT_FALSE(objects.empty());
        const TObject& circle = *objects.back();
        EXPECT_EQ(circle.kind, kCircle);
        EXPECT_EQ(circle.x2 - circle.x1, 2 * expected);
        EXPECT_EQ(client->Tool->PointPlaced, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Radii, RadiusPrompt,
                         ::testing::Values(std::tuple{1, "32000", 32000}, std::tuple{1, "32001", 0},
                                           std::tuple{1, "0", 0}, std::tuple{1, "-40", 0},
                                           std::tuple{1, "abc", 0}, std::tuple{0, "1400", 1400 * 24},
                                           std::tuple{0, "1401", 0}, std::tuple{0, "1", 24}));

TEST_F(KeyboardPrompts, ACancelledRadiusLeavesTheToolIdle) {
    Open();
    client->InstallTool(std::make_unique<TRndrectobjtool>());
    pl::script::CancelInput();
    Key(Qt::Key_Return);
    EXPECT_EQ(client->Tool->PointPlaced, 0);
}

TEST_F(KeyboardPrompts, AnArcEndPointOffTheLevelIsRefusedAndTheCursorStays) {
    Open();
    client->RestoreTool(toolkind::kArc);
    auto* arc = dynamic_cast<TArctool*>(client->Tool.get());
    ASSERT_NE(arc, nullptr);
    arc->X0 = 40000; // a first point placed earlier
    arc->Y0 = 40000;
    arc->ArcPhase = 1;
    const TPoint off = PixelOf(41000, 41000);
    MoveTo(off);
    POINT before{};
    GetCursorPos(&before);
    Key(Qt::Key_Return);
    EXPECT_TRUE(ui.LogContains("caption=\"NO ARC DRAWN\""));
    POINT after{};
    GetCursorPos(&after);
    EXPECT_EQ(after.x, before.x);
    EXPECT_EQ(after.y, before.y);
}

TEST_F(KeyboardPrompts, TabArmsTheDatumAndASecondTabAnchorsIt) {
    Open();
    Key(Qt::Key_Tab);
    EXPECT_EQ(child->DatumMode, 2);
    EXPECT_EQ(HelpContextId, 350);
    Key(Qt::Key_Tab);
    EXPECT_EQ(child->DatumMode, 4);
}

TEST_F(KeyboardPrompts, InsertSwitchesTheLayoutGridBack) {
    LayoutGridFlag = 0;
    Open();
    const int32_t before = LayoutGridFlag;
    Key(Qt::Key_Insert);
    Key(Qt::Key_Insert);
    EXPECT_EQ(LayoutGridFlag, before);
}

TEST_F(KeyboardPrompts, ArrowsOfAnIdleToolOnlyNudgeTheCursor) {
    Open();
    MoveTo(TPoint(200, 200));
    POINT before{};
    GetCursorPos(&before);
    Key(Qt::Key_Right);
    POINT after{};
    GetCursorPos(&after);
    EXPECT_EQ(after.x, before.x + 1);
    EXPECT_EQ(DrawingState, 3);
    EXPECT_EQ(FileCount(), 3);
}

TEST_F(KeyboardPrompts, EnterOnTheRoomLayoutDoesNothing) {
    CurrentView = kRoomLayout;
    Open();
    Key(Qt::Key_Return);
    EXPECT_EQ(client->Tool->PointPlaced, 0);
}

TEST_F(KeyboardPrompts, TheDatumReadOutFollowsThePointer) {
    Open();
    child->DatumMode = 3;
    const TPoint reference(100, 300);
    child->DatumX = DrawingAt(reference).x;
    child->DatumY = DrawingAt(reference).y;
    const TPoint at(300, 200);
    MoveTo(at);
    const int32_t dx = DrawingAt(at).x - DrawingAt(reference).x;
    const int32_t dy = DrawingAt(at).y - DrawingAt(reference).y;
    EXPECT_EQ(client->DistanceGadget->GetText(),
              "h " + std::to_string(dx) + ": v " + std::to_string(dy) + " m.m DATUM");
}

TEST_F(KeyboardPrompts, ThePointerPullsANearbyReferenceAlong) {
    Open();
    child->DatumMode = 3;
    const TPoint at(310, 210);
    child->DatumX = DrawingAt(at).x + 5; // within the snap of 12 units at this zoom
    child->DatumY = DrawingAt(TPoint(300, 300)).y;
    MoveTo(at);
    EXPECT_EQ(child->DatumX, DrawingAt(at).x);
    EXPECT_EQ(std::string(client->DistanceGadget->GetText()).substr(0, 5), "h 0: ");
}

TEST_F(KeyboardPrompts, LineCommandNamesItsPenAndKeepsTheStyle) {
    Open();
    ::PenWidth = 3;
    client->Tool->LineStyle = 2;
    client->CmLine();
    EXPECT_EQ(client->ToolGadget->GetText(), std::string("3,LINE dot"));
    EXPECT_EQ(client->Tool->LineStyle, 2);
    EXPECT_EQ(child->DatumMode, 4);
    client->CmLineText();
    EXPECT_EQ(client->ToolGadget->GetText(), std::string("3, LINE dot+txt"));
    EXPECT_EQ(client->Tool->Y0, 125000);
}

TEST_F(KeyboardPrompts, RestoreToolBuildsByKind) {
    Open();
    client->RestoreTool(78);
    EXPECT_EQ(client->Tool->Kind, toolkind::kMove);
    client->RestoreTool(85);
    EXPECT_EQ(client->Tool->Kind, toolkind::kLine);
    // The rectangles have tools of their own, never the Line command's.
    for (const int32_t kind : {toolkind::kRectangle, toolkind::kRoundRect}) {
        client->RestoreTool(kind);
        EXPECT_EQ(client->Tool->Kind, kind);
    }
    client->RestoreTool(20);
    EXPECT_EQ(client->Tool->Kind, toolkind::kPick);
    DrawingState = 1;
    client->RestoreTool(57); // the Line command, whose guard keeps the old tool
    EXPECT_EQ(client->Tool->Kind, toolkind::kPick);
}

} // namespace
