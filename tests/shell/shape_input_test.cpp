// Drawing rectangles, rounded rectangles, circles, ellipses, arcs and texts in the drawing window by
// keys and by the mouse, as a user does, and checking the record that reaches the working file.
#include <QTest>

#include <cstdlib>
#include <cstring>
#include <tuple>

#include "document/program_state.h"
#include "platform/cursor.h"
#include "platform/test_script.h"
#include "resources/command_ids.h"
#include "resources/dialogs/feet_template.h"
#include "tests/shell/input_fixture.h"
#include "tools/shape_tools.h"
#include "tools/text_tool.h"

namespace {

using pl::script::DialogStep;

constexpr size_t kRecords = 3; // the floor records every drawing starts with

class ShapeInput : public InputTest {
protected:
    // The last record of the working file, read back whole (with its class's own fields).
    const TObject& Last() {
        file.Flush();
        file.ProgramDirectory = ObjectList.ProgramDirectory;
        file.SetDrawingName(ObjectList.DrawingName);
        const int32_t units = MetricUnits;
        const int32_t ids = IdCounter;
        EXPECT_EQ(file.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
        MetricUnits = units;
        IdCounter = ids;
        static const TObject none;
        return file.count > 0 ? *file[file.count - 1] : none;
    }
    // Enter at the first point, Enter at the second, and the height typed into the prompt.
    void KeyArc(const TPoint& first, const TPoint& second, const char* height) {
        MoveTo(first);
        Key(Qt::Key_Return);
        MoveTo(second);
        pl::script::AnswerInput(height);
        Key(Qt::Key_Return);
    }
    TList file;
};

TEST_F(ShapeInput, KeyedRectangleTakesACornerAndTwoArrows) {
    Open();
    client->CmRectangle();
    const TPoint at(200, 200);
    MoveTo(at);
    Key(Qt::Key_Return);
    const POINT corner = DrawingAt(at);
    pl::script::AnswerInput("2000");
    Key(Qt::Key_Right);
    EXPECT_EQ(FileCount(), int32_t{kRecords}); // one side is not a rectangle yet
    pl::script::AnswerInput("1000");
    Key(Qt::Key_Up);

    const TObject& r = Last();
    ASSERT_EQ(file.count, int32_t{kRecords + 1});
    EXPECT_EQ(r.kind, kRectangle);
    EXPECT_EQ(r.x1, corner.x);
    EXPECT_EQ(r.y1, corner.y);
    EXPECT_EQ(r.x2, corner.x + 2000);
    EXPECT_EQ(r.y2, corner.y + 1000);
    EXPECT_EQ(client->Tool->X0, 0); // ready for the next corner
}

TEST_F(ShapeInput, KeyedRoundedRectangleKeepsItsCornerRadius) {
    Open();
    client->CmRoundRect();
    const TPoint at(300, 250);
    MoveTo(at);
    pl::script::AnswerInput("50");
    Key(Qt::Key_Return);
    const POINT corner = DrawingAt(at);
    pl::script::AnswerInput("1500");
    Key(Qt::Key_Left);
    pl::script::AnswerInput("900");
    Key(Qt::Key_Down);

    const auto& r = static_cast<const TRndrectobj&>(Last());
    ASSERT_EQ(r.kind, kRoundRect);
    EXPECT_EQ(r.x2, corner.x - 1500);
    EXPECT_EQ(r.y2, corner.y - 900);
    EXPECT_EQ(r.corner, 50);
}

class KeyedSides : public ShapeInput, public ::testing::WithParamInterface<const char*> {};

// In feet and inches a side's box opens with 0 as in millimetres: feet typed alone give whole feet,
// whatever the rounded rectangle's radius (the parameter; none for a plain rectangle).
TEST_P(KeyedSides, AreWhatTheUserTyped) {
    MetricUnits = 0;
    Open();
    *GetParam() ? client->CmRoundRect() : client->CmRectangle();
    const TPoint at(300, 250);
    MoveTo(at);
    if (*GetParam()) pl::script::AnswerInput(GetParam());
    Key(Qt::Key_Return);
    const POINT corner = DrawingAt(at);
    for (const auto& [feet, key] : {std::pair{"4", Qt::Key_Right}, std::pair{"2", Qt::Key_Down}}) {
        pl::script::AnswerDialog(kFeetDialogId, {DialogStep{{{kFeetEditId, feet}}, IDOK}});
        Key(key);
    }
    EXPECT_EQ(Last().x2 - corner.x, 4 * 12 * 24);
    EXPECT_EQ(corner.y - Last().y2, 2 * 12 * 24);
}

INSTANTIATE_TEST_SUITE_P(Shapes, KeyedSides, ::testing::Values("6", "3", ""));

TEST_F(ShapeInput, ArrowsBeforeACornerMakeNothing) {
    Open();
    client->CmRectangle();
    MoveTo(TPoint(200, 200));
    Key(Qt::Key_Right);
    Key(Qt::Key_Up);
    EXPECT_EQ(FileCount(), int32_t{kRecords});
    EXPECT_EQ(client->Tool->X1, 0);
    EXPECT_EQ(client->Tool->Y1, 0);
}

TEST_F(ShapeInput, KeyedCircleIsCentredOnTheCursor) {
    Open();
    client->CmCircle();
    const TPoint at(250, 200);
    MoveTo(at);
    pl::script::AnswerInput("500");
    Key(Qt::Key_Return);
    const POINT centre = DrawingAt(at);

    const TObject& c = Last();
    ASSERT_EQ(c.kind, kCircle);
    EXPECT_EQ(c.x1, centre.x - 500);
    EXPECT_EQ(c.x2, centre.x + 500);
    EXPECT_EQ(c.y1, centre.y - 500);
    EXPECT_EQ(c.y2, centre.y + 500);
}

TEST_F(ShapeInput, RadiusOfZeroIsRefused) {
    Open();
    client->CmCircle();
    MoveTo(TPoint(250, 200));
    pl::script::AnswerInput("0");
    Key(Qt::Key_Return);
    pl::script::AnswerInput("-40");
    Key(Qt::Key_Return);
    EXPECT_EQ(FileCount(), int32_t{kRecords});
}

TEST_F(ShapeInput, DraggedCircleTakesTheHorizontalDistanceAsRadius) {
    Open();
    client->CmCircle();
    const TPoint from(200, 200);
    const TPoint to(260, 150);
    Drag(from, to);
    const POINT centre = DrawingAt(from);
    const int32_t r = DrawingAt(to).x - centre.x;

    const TObject& c = Last();
    ASSERT_EQ(c.kind, kCircle);
    EXPECT_EQ(c.x1, centre.x - r);
    EXPECT_EQ(c.x2, centre.x + r);
    EXPECT_EQ(c.y1, centre.y - r);
    EXPECT_EQ(c.y2, centre.y + r);
    EXPECT_EQ(static_cast<TCircletool&>(*client->Tool).CentreX, 0);
}

TEST_F(ShapeInput, CircleDraggedStraightUpHasNoRadiusAndMakesNothing) {
    Open();
    client->CmCircle();
    Drag(TPoint(200, 200), TPoint(200, 120));
    EXPECT_EQ(FileCount(), int32_t{kRecords});
}

TEST_F(ShapeInput, DraggedEllipseFillsTheBox) {
    Open();
    client->CmEllipse();
    const TPoint from(150, 250);
    const TPoint to(300, 180);
    Drag(from, to);
    const POINT a = DrawingAt(from);
    const POINT b = DrawingAt(to);

    const TObject& e = Last();
    ASSERT_EQ(e.kind, kEllipse);
    EXPECT_EQ(e.x1, a.x);
    EXPECT_EQ(e.y1, a.y);
    EXPECT_EQ(e.x2, b.x);
    EXPECT_EQ(e.y2, b.y);
}

// Once a keyed ellipse is made, the tool waits for a start as when it was chosen: each drag draws.
TEST_F(ShapeInput, DragsAfterAKeyedEllipseDrawTheirEllipses) {
    Open();
    client->CmEllipse();
    MoveTo(TPoint(100, 300));
    Key(Qt::Key_Return);
    pl::script::AnswerInput("1000");
    Key(Qt::Key_Right);
    for (const int y : {200, 120}) {
        Drag(TPoint(150, y), TPoint(300, y - 50));
        const TObject& e = Last();
        EXPECT_EQ(std::tuple(e.kind, e.x1, e.y2),
                  std::tuple(kEllipse, DrawingAt(TPoint(150, y)).x, DrawingAt(TPoint(300, y - 50)).y));
    }
}

// Two level points and a height: the box spans the chord and the height either side of it.
TEST_F(ShapeInput, KeyedArcOnALevelChordBulgesByTheHeight) {
    Open();
    client->CmArc();
    const TPoint left(150, 200);
    const TPoint right(350, 200);
    KeyArc(left, right, "600");
    const POINT f = DrawingAt(left);
    const POINT s = DrawingAt(right);

    const auto& arc = static_cast<const TArcobj&>(Last());
    ASSERT_EQ(arc.kind, kArc);
    EXPECT_EQ(arc.x1, f.x);
    EXPECT_EQ(arc.x2, s.x);
    EXPECT_EQ(arc.y1, f.y - 600);
    EXPECT_EQ(arc.y2, f.y + 600);
    EXPECT_EQ(arc.sx, s.x); // from the right end ...
    EXPECT_EQ(arc.sy, f.y);
    EXPECT_EQ(arc.ex, f.x); // ... round to the left end
    EXPECT_EQ(arc.ey, f.y);
}

TEST_F(ShapeInput, NegativeArcHeightSwapsTheEnds) {
    Open();
    client->CmArc();
    const TPoint left(150, 200);
    const TPoint right(350, 200);
    KeyArc(left, right, "-600");
    const POINT l = DrawingAt(left);
    const POINT r = DrawingAt(right);

    const auto& arc = static_cast<const TArcobj&>(Last());
    ASSERT_EQ(arc.kind, kArc);
    EXPECT_EQ(arc.ex, r.x); // the first point is now the right one
    EXPECT_EQ(arc.sx, l.x);
    EXPECT_EQ(arc.y1, l.y + 600);
    EXPECT_EQ(arc.y2, l.y - 600);
}

TEST_F(ShapeInput, ArcOnAPlumbChordRunsUpTheSide) {
    Open();
    client->CmArc();
    const TPoint low(200, 300);
    const TPoint high(200, 120);
    KeyArc(low, high, "400");
    const POINT f = DrawingAt(low);
    const POINT s = DrawingAt(high);

    const auto& arc = static_cast<const TArcobj&>(Last());
    ASSERT_EQ(arc.kind, kArc);
    EXPECT_EQ(arc.x1, f.x - 400);
    EXPECT_EQ(arc.x2, f.x + 400);
    EXPECT_EQ(arc.y1, f.y);
    EXPECT_EQ(arc.y2, s.y);
    EXPECT_EQ(arc.sy, s.y);
    EXPECT_EQ(arc.ey, f.y);
}

// An end point a little off the level of the first is taken as level, as the window's check says,
// even where that is more than the tool's own tolerance of ten logical units.
TEST_F(ShapeInput, ArcEndPointNearlyLevelIsTakenAsLevel) {
    Open();
    client->CmArc();
    const TPoint left(150, 200);
    TPoint right(350, 201);
    while (std::abs(DrawingAt(right).y - DrawingAt(left).y) < 10 * ZoomDivisor)
        ++right.y;
    ASSERT_LT(std::abs(DrawingAt(right).y - DrawingAt(left).y), 75);
    KeyArc(left, right, "600");
    const POINT f = DrawingAt(left);

    const auto& arc = static_cast<const TArcobj&>(Last());
    ASSERT_EQ(arc.kind, kArc);
    EXPECT_EQ(arc.x1, f.x);
    EXPECT_EQ(arc.y1, f.y - 600);
    EXPECT_EQ(arc.sy, f.y);
}

// Left of and below the sheet's corner drawing coordinates are negative, past the sheet: the arc's
// Enters there are refused with the sheet message, and no arc is stored.
TEST_F(ShapeInput, ArcKeyedWhereCoordinatesAreNegative) {
    Open();
    ScrollOriginX = -40000;
    ScrollOriginY = -40000;
    client->CmArc();
    const TPoint left(150, 200);
    const TPoint right(350, 200);
    const POINT f = DrawingAt(left);
    ASSERT_LT(f.x, 0);
    ASSERT_LT(f.y, 0);
    MoveTo(left);
    Key(Qt::Key_Return);
    MoveTo(right);
    Key(Qt::Key_Return);

    EXPECT_TRUE(ui.LogContains("Distance would take you outside the programme's total drawing sizes"));
    EXPECT_EQ(FileCount(), int32_t{kRecords}); // no arc
}

// The text dialog that a click opens takes the button's release; the press ends with the dialog and
// leaves neither a capture nor a scrolled view behind it.
TEST_F(ShapeInput, TextAskedForAtAClickIsPlacedThereAndEndsThePress) {
    Open();
    pl::script::AnswerDialog(2300, {DialogStep{{{2301, "1"}}, IDOK}});
    client->CmText();
    ASSERT_EQ(client->Tool->Kind, toolkind::kText);
    const int32_t originX = ScrollOriginX;
    const int32_t originY = ScrollOriginY;
    pl::script::AnswerInput("HALL");
    Click(TPoint(180, 220));

    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(ScrollOriginX, originX);
    EXPECT_EQ(ScrollOriginY, originY);
    const auto& text = static_cast<const TTextobj&>(Last());
    ASSERT_EQ(text.kind, kText);
    EXPECT_STREQ(text.text, "HALL");
}

TEST_F(ShapeInput, TypedTextGoesRightOfTheClick) {
    Open();
    pl::script::AnswerDialog(2300, {DialogStep{{{2302, "1"}}, IDOK}});
    client->CmText();
    ASSERT_EQ(client->Tool->Kind, toolkind::kTextAtClick);
    const TPoint at(180, 220);
    Click(at);
    const POINT anchor = DrawingAt(at);
    QTest::keyClicks(View(), "ABX");
    Key(Qt::Key_Backspace);
    QTest::keyClicks(View(), "C");
    Key(Qt::Key_Return);

    const auto& text = static_cast<const TTextobj&>(Last());
    ASSERT_EQ(text.kind, kDialogText);
    EXPECT_STREQ(text.text, "ABC");
    EXPECT_EQ(text.x1, anchor.x);
    EXPECT_EQ(text.y1, anchor.y);
    EXPECT_EQ(text.style, 2);
}

TEST_F(ShapeInput, BackspaceWithNothingTypedIsIgnored) {
    Open();
    pl::script::AnswerDialog(2300, {DialogStep{{{2302, "1"}}, IDOK}});
    client->CmText();
    Click(TPoint(180, 220));
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Backspace);
    QTest::keyClicks(View(), "Q");
    Key(Qt::Key_Return);
    const auto& text = static_cast<const TTextobj&>(Last());
    EXPECT_STREQ(text.text, "Q");
}

TEST_F(ShapeInput, ClickedTextFromTheInputBoxIsCentred) {
    Open();
    pl::script::AnswerDialog(2300, {DialogStep{{}, IDOK}});
    client->CmText();
    ASSERT_EQ(client->Tool->Kind, toolkind::kText);
    pl::script::AnswerInput("KITCHEN");
    const TPoint at(240, 200);
    Click(at);
    const auto& text = static_cast<const TTextobj&>(Last());
    ASSERT_EQ(text.kind, kText);
    EXPECT_STREQ(text.text, "KITCHEN");
    EXPECT_EQ(text.style, 1);
    EXPECT_EQ(text.x1, DrawingAt(at).x);
}

// Enter after a chain of keyed outline sides, with a tool that holds no point, places its start and
// stores nothing: no object runs from the sheet's corner. (the tool chosen next)
class EnterAfterAnOutline : public InputTest, public ::testing::WithParamInterface<int32_t> {};

TEST_P(EnterAfterAnOutline, PlacesAStartAndStoresNothing) {
    Open();
    dir.WriteFile("CFG/EXTWALLM.CFG", "110 55 110 25 2550 2400 2400 0 0 0");
    client->RestoreTool(toolkind::kExtWall);
    client->Tool->PickKind = 1;
    MoveTo(TPoint(100, 300));
    Key(Qt::Key_Return);
    pl::script::AnswerInput("3000");
    Key(Qt::Key_Up);
    const int32_t outline = FileCount();
    client->ProcessCommand(GetParam());
    MoveTo(TPoint(250, 200));
    Key(Qt::Key_Return);
    EXPECT_EQ(FileCount(), outline);
    for (const auto& o : FileObjects())
        EXPECT_FALSE(o->kind == kEllipse || o->kind == kLine)
            << o->kind << " from " << o->x1 << ", " << o->y1;
}

INSTANTIATE_TEST_SUITE_P(ToolChosenNext, EnterAfterAnOutline, ::testing::Values(cmd::kEllipse, cmd::kLine));

} // namespace
