// Drawing, editing and deleting partitions in the drawing window by keys and clicks, as a user does,
// and checking what reaches the working file.
#include <QImage>
#include <QTest>

#include "document/program_state.h"
#include "platform/gadgets.h"
#include "platform/test_script.h"
#include "resources/command_ids.h"
#include "resources/dialogs/feet_template.h"
#include "resources/dialogs/file_templates.h"
#include "resources/dialogs/partition_templates.h"
#include "resources/dialogs/wall_templates.h"
#include "tests/shell/input_fixture.h"
#include "tests/support/working_file_copy.h"
#include "tools/wall_tools.h"
#include "walls/partition_start.h"

namespace {

using pl::script::DialogStep;

constexpr int32_t kRecords = 3;

// The partitions and lines of the working file, read back with every field.
std::vector<std::unique_ptr<TObject>> ReadBack() {
    TList copy;
    EXPECT_EQ(testsupport::ReadWorkingFileInto(copy), FileResult::Ok);
    std::vector<std::unique_ptr<TObject>> drawn;
    for (int32_t i = 0; i < copy.count; ++i) {
        if (const auto* w = dynamic_cast<const TIntwallobj*>(copy[i]))
            drawn.push_back(std::make_unique<TIntwallobj>(*w));
        else if (const auto* l = dynamic_cast<const TLineobj*>(copy[i]))
            drawn.push_back(std::make_unique<TLineobj>(*l));
        else
            drawn.push_back(std::make_unique<TObject>(*copy[i]));
    }
    return drawn;
}

std::vector<const TIntwallobj*> Partitions(const std::vector<std::unique_ptr<TObject>>& objects) {
    std::vector<const TIntwallobj*> walls;
    for (const auto& o : objects)
        if (o->kind == kIntWall) walls.push_back(static_cast<const TIntwallobj*>(o.get()));
    return walls;
}

std::tuple<int32_t, int32_t, int32_t, int32_t> SecondFace(const TIntwallobj* w) {
    return {w->q1x, w->q1y, w->q2x, w->q2y};
}

std::unique_ptr<TIntwallobj> Partition(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t bearing,
                                       int32_t q1x, int32_t q1y, int32_t q2x, int32_t q2y, int32_t id) {
    const int32_t attr[4] = {};
    return std::make_unique<TIntwallobj>(kGroundFloor, kIntWall, 1, 0, id, id, x1, 0, x2, 0, y1, y2, 0, 100,
                                         0, 0, 0, 0, 1, bearing, q1x, 0, q1y, q2x, q2y, attr, 0, 0);
}

class InternalWalls : public InputTest {
protected:
    // Draw Internal Wall with the thickness and the side radio answered.
    void StartWalls(const char* thickness, int32_t sideRadio) {
        pl::script::AnswerDialog(kPartitionDialogId,
                                 {DialogStep{{{kPartitionThickness, thickness}, {sideRadio, "1"}}, IDOK}});
        client->ProcessCommand(cmd::kInternalWall);
        ASSERT_EQ(client->Tool->Kind, kIntWall);
    }
    void EnterAt(const TPoint& at) {
        // The window may have put the pointer elsewhere since the last move to the same pixel: a
        // move that changes nothing would not reach it.
        MoveTo(TPoint(at.x + 1, at.y));
        MoveTo(at);
        Key(Qt::Key_Return);
    }
    // Objects drawn before the test acts, in the document and the working file.
    void Draw(std::vector<std::unique_ptr<TObject>> objects) {
        for (auto& o : objects)
            ObjectList.Add(std::move(o));
        ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
        child->Invalidate(true);
        child->UpdateWindow();
    }
    void ArrowWithLength(int qtKey, const char* length) {
        pl::script::AnswerInput(length);
        Key(qtKey);
    }
};

TEST_F(InternalWalls, UpArrowMakesOnePartitionWithItsSecondFaceToTheRight) {
    Open();
    StartWalls("100", kPartitionRight);
    const TPoint at(200, 300);
    EnterAt(at);
    const POINT start = DrawingAt(at);
    ArrowWithLength(Qt::Key_Up, "2000");

    const auto objects = ReadBack();
    ASSERT_EQ(objects.size(), size_t{kRecords + 1});
    const auto walls = Partitions(objects);
    ASSERT_EQ(walls.size(), 1u);
    const TIntwallobj& w = *walls[0];
    EXPECT_EQ(w.x1, start.x);
    EXPECT_EQ(w.y1, start.y);
    EXPECT_EQ(w.x2, start.x);
    EXPECT_EQ(w.y2, start.y + 2000);
    EXPECT_EQ(w.q1x, start.x + 100);
    EXPECT_EQ(w.q1y, start.y);
    EXPECT_EQ(w.q2x, start.x + 100);
    EXPECT_EQ(w.q2y, start.y + 2000);
    EXPECT_EQ(w.direction, 0);
    EXPECT_EQ(w.thickness, 100);
    EXPECT_EQ(w.id, 10000 + IdCounter);
    EXPECT_EQ(w.group, w.id);
    // The chain goes on from the end.
    EXPECT_EQ(client->Tool->X0, start.x);
    EXPECT_EQ(client->Tool->Y0, start.y + 2000);
}

TEST_F(InternalWalls, ChainedSegmentsAreMitredAtTheirCorner) {
    Open();
    StartWalls("100", kPartitionLeft);
    EnterAt(TPoint(200, 300));
    ArrowWithLength(Qt::Key_Up, "2000");
    ArrowWithLength(Qt::Key_Right, "3000");
    const auto objects = ReadBack();
    const auto walls = Partitions(objects);
    ASSERT_EQ(walls.size(), 2u);
    // The second face of the first wall and of the second meet at the outer corner.
    EXPECT_EQ(walls[0]->q2x, walls[1]->q1x);
    EXPECT_EQ(walls[0]->q2y, walls[1]->q1y);
    EXPECT_EQ(walls[1]->q1y, walls[1]->y1 + 100);
}

// The start built nothing and is let go: the next Enter is a start of its own.
TEST_F(InternalWalls, EnterTwiceAtOnePointMakesNoWallAndHoldsNoStart) {
    Open();
    StartWalls("100", kPartitionAbove);
    EnterAt(TPoint(200, 300));
    EnterAt(TPoint(200, 300));
    EXPECT_EQ(FileCount(), kRecords);
    EnterAt(TPoint(300, 300));
    EnterAt(TPoint(400, 300));
    const auto objects = ReadBack();
    const auto walls = Partitions(objects);
    ASSERT_EQ(walls.size(), 1u);
    EXPECT_EQ(walls[0]->x1, DrawingAt(TPoint(300, 300)).x);
    EXPECT_EQ(walls[0]->direction, 900);
}

TEST_F(InternalWalls, EnterSegmentLeftAndUpHasBearing3150) {
    Open();
    StartWalls("100", kPartitionAbove);
    EnterAt(TPoint(300, 300));
    EnterAt(TPoint(200, 200));
    const auto objects = ReadBack();
    const auto walls = Partitions(objects);
    ASSERT_EQ(walls.size(), 1u);
    EXPECT_EQ(walls[0]->direction, 3150);
}

TEST_F(InternalWalls, UpArrowAtTheChainStartIsRefusedWhenTheSecondFaceIsAbove) {
    Open();
    StartWalls("100", kPartitionAbove);
    EnterAt(TPoint(200, 300));
    pl::script::AnswerMessageBox(IDOK);
    Key(Qt::Key_Up);
    EXPECT_EQ(FileCount(), kRecords);
    EXPECT_TRUE(ui.LogContains("Wrong Arrow key for second line position"));
    EXPECT_EQ(client->Tool->Kind, toolkind::kPick);
}

TEST_F(InternalWalls, PlusClosesTheOpenEndInTheSegmentsGroup) {
    Open();
    StartWalls("100", kPartitionRight);
    EnterAt(TPoint(200, 300));
    ArrowWithLength(Qt::Key_Up, "2000");
    QTest::keyClick(View(), Qt::Key_Plus, Qt::KeypadModifier);
    const auto objects = ReadBack();
    ASSERT_EQ(objects.size(), size_t{kRecords + 2});
    const auto& wall = *Partitions(objects)[0];
    const TObject& cap = *objects.back();
    EXPECT_EQ(cap.kind, kLine);
    EXPECT_EQ(cap.group, wall.group);
    EXPECT_EQ(cap.x1, wall.x2);
    EXPECT_EQ(cap.y1, wall.y2);
    EXPECT_EQ(cap.x2, wall.q2x);
    EXPECT_EQ(cap.y2, wall.q2y);
    EXPECT_EQ(client->Tool->Kind, toolkind::kPick);
}

TEST_F(InternalWalls, StartOnAPartitionFaceHidesThatFaceBetweenTheNewFaces) {
    Open();
    const TPoint at(300, 300);
    const POINT a = DrawingAt(at);
    std::vector<std::unique_ptr<TObject>> drawn;
    drawn.push_back(Partition(a.x - 2000, a.y, a.x + 2000, a.y, 900, a.x - 2000, a.y - 100, a.x + 2000,
                              a.y - 100, 10005));
    Draw(std::move(drawn));
    StartWalls("100", kPartitionRight);
    EnterAt(at);
    ArrowWithLength(Qt::Key_Up, "1000");
    const auto objects = ReadBack();
    ASSERT_EQ(objects.size(), size_t{kRecords + 3});
    const auto& junction = static_cast<const TLineobj&>(*objects.back());
    EXPECT_EQ(junction.kind, kLine);
    EXPECT_EQ(junction.colour, BackgroundColour);
    EXPECT_EQ(junction.x1, a.x + 25);
    EXPECT_EQ(junction.x2, a.x + 75);
    EXPECT_EQ(junction.y1, a.y);
    EXPECT_EQ(junction.y2, a.y);
    EXPECT_EQ(junction.group, Partitions(objects)[1]->group);
}

// (the command, where the right end goes, a line picked in the partition's place, the length typed): an
// edit the arrow cannot make (shortening by the whole length) is told and changes nothing.
class WallEndEdit : public InternalWalls,
                    public ::testing::WithParamInterface<std::tuple<int32_t, int32_t, bool, const char*>> {};

TEST_P(WallEndEdit, RightArrowMovesTheRightEndOfBothFaces) {
    const auto [command, rightEnd, line, typed] = GetParam();
    Open();
    const POINT a = DrawingAt(TPoint(100, 300));
    std::vector<std::unique_ptr<TObject>> drawn;
    drawn.push_back(
        line ? std::unique_ptr<TObject>(inputs::Line(a.x, a.y, a.x + 2000, a.y))
             : Partition(a.x, a.y, a.x + 2000, a.y, 900, a.x, a.y + 100, a.x + 2000, a.y + 100, 10005));
    Draw(std::move(drawn));
    client->ProcessCommand(command);
    Click(PixelOf(a.x + 1000, a.y));
    pl::script::AnswerInput(typed);
    Key(Qt::Key_Right);
    const bool refused = rightEnd == 2000 && command != cmd::kMoveInternalWall;
    EXPECT_EQ(ui.LogContains("The line or wall is not that long"), refused);
    const auto objects = ReadBack();
    ASSERT_EQ(objects.size(), size_t{kRecords + 1});
    const TObject& edited = *objects.back();
    EXPECT_EQ(edited.kind, line ? kLine : kIntWall);
    EXPECT_EQ(edited.x2, a.x + rightEnd);
    EXPECT_EQ(line ? edited.x2 : static_cast<const TIntwallobj&>(edited).q2x, a.x + rightEnd);
    EXPECT_EQ(edited.x1, a.x);
}

INSTANTIATE_TEST_SUITE_P(Commands, WallEndEdit,
                         ::testing::Values(std::tuple{cmd::kExtendInternalWall, 2500, false, "500"},
                                           std::tuple{cmd::kShortenInternalWall, 1500, false, "500"},
                                           std::tuple{cmd::kExtendInternalWall, 2500, true, "500"},
                                           std::tuple{cmd::kShortenInternalWall, 1500, true, "500"},
                                           std::tuple{cmd::kMoveInternalWall, 2000, true, "500"},
                                           std::tuple{cmd::kShortenInternalWall, 2000, false, "2000"},
                                           std::tuple{cmd::kShortenInternalWall, 2000, true, "2500"}));

TEST_F(InternalWalls, DeletePickRemovesThePartitionsGroupOnly) {
    Open();
    const POINT a = DrawingAt(TPoint(100, 300));
    std::vector<std::unique_ptr<TObject>> drawn;
    drawn.push_back(Partition(a.x, a.y, a.x + 2000, a.y, 900, a.x, a.y + 100, a.x + 2000, a.y + 100, 10005));
    drawn.push_back(std::make_unique<TLineobj>(kGroundFloor, kLine, 1, 0, 10005, 10005, a.x + 2000, 0,
                                               a.x + 2000, 0, a.y, a.y + 100, 0, 0, 0));
    drawn.push_back(inputs::Line(a.x, a.y - 1000, a.x + 500, a.y - 1000));
    // An external wall 10,005 long, and a line keyed 10,005 long, keep that length in their group
    // fields: they are no pieces of 10005.
    drawn.push_back(std::make_unique<TExtwallobj>());
    drawn.back()->kind = kExtWall, drawn.back()->group = 10005, drawn.back()->view = kGroundFloor;
    drawn.push_back(inputs::Line(a.x, a.y - 2000, a.x + 10005, a.y - 2000));
    drawn.back()->group = 10005;
    Draw(std::move(drawn));
    client->ProcessCommand(cmd::kDeleteInternalWall);
    EnterAt(PixelOf(a.x + 1000, a.y));
    const auto left = ReadBack();
    ASSERT_EQ(left.size(), size_t{kRecords + 3});
    EXPECT_EQ(left[kRecords]->group, 0);
    EXPECT_EQ(left[kRecords + 1]->kind, kExtWall);
    EXPECT_EQ(left.back()->group, 10005);
}

TEST_F(InternalWalls, DeletePickOnAnExternalWallDeletesNothing) {
    Open();
    const POINT a = DrawingAt(TPoint(100, 300));
    auto wall = std::make_unique<TExtwallobj>();
    wall->view = kGroundFloor;
    wall->kind = kExtWall;
    wall->x1 = a.x, wall->y1 = a.y, wall->x2 = a.x + 2000, wall->y2 = a.y;
    wall->thickness1 = 100;
    std::vector<std::unique_ptr<TObject>> drawn;
    drawn.push_back(std::move(wall));
    drawn.push_back(inputs::Line(a.x, a.y - 1000, a.x + 500, a.y - 1000));
    Draw(std::move(drawn));
    client->ProcessCommand(cmd::kDeleteInternalWall);
    pl::script::AnswerMessageBox(IDOK);
    EnterAt(PixelOf(a.x + 1000, a.y));
    EXPECT_EQ(FileCount(), kRecords + 2);
    EXPECT_TRUE(ui.LogContains("No internal wall selected"));
}

// A house keyed after File New with cavity walls from its top left corner: the arrows (Right, Down,
// Left, Up) and the sides' lengths in millimetres and in feet.
struct HouseShape {
    std::string arrows;
    std::vector<int32_t> mm, ft;
};
const HouseShape kLShape{"RDLDLU", {12000, 5000, 5000, 4000, 7000, 9000}, {40, 16, 16, 14, 24, 30}};
const HouseShape kLAnticlockwise{"DRURUL", {9000, 7000, 4000, 5000, 5000, 12000}, {30, 24, 14, 16, 16, 40}};

// Houses keyed in either unit, and partitions keyed in them.
class KeyedHouse : public InternalWalls {
protected:
    explicit KeyedHouse(bool metricUnits) : metric(metricUnits), thickness(metricUnits ? 100 : 96) {}
    const bool metric;
    const int32_t thickness;

    // A length typed in the drawing's units; in feet and inches, 0 takes the length offered.
    void Length(int32_t units) {
        if (metric) return pl::script::AnswerInput(std::to_string(units));
        DialogStep step;
        if (units)
            step.Values = {{kFeetEditId, std::to_string(units / 288)},
                           {kInchesEditId, std::to_string(units % 288 / 24)}};
        pl::script::AnswerDialog(kFeetDialogId, {step});
    }
    // File New with cavity walls and the house keyed from the top left; its external walls as stored.
    std::vector<TExtwallobj> KeyOutline(const HouseShape& shape) {
        pl::script::AnswerDialog(kNewDrawingDialogId,
                                 {{{{metric ? kNewMetricRadio : kNewImperialRadio, "1"}}}});
        pl::script::AnswerDialog(metric ? kPlanDialogId : kPlanImpDialogId,
                                 {{{{metric ? kPlanCavity275 : kPlanImpCavity264, "1"}}}});
        pl::script::AnswerDialog(kExtSideDialogId, {{}});
        client->ProcessCommand(cmd::kFileNew);
        child = client->ActiveDrawingWindow();
        EnterAt(TPoint(100, 100));
        for (size_t i = 0; i < shape.arrows.size(); ++i) {
            Length(metric ? shape.mm[i] : shape.ft[i] * 288);
            const char a = shape.arrows[i];
            Key(a == 'R' ? Qt::Key_Right : a == 'D' ? Qt::Key_Down : a == 'L' ? Qt::Key_Left : Qt::Key_Up);
        }
        TList file;
        EXPECT_EQ(testsupport::ReadWorkingFileInto(file), FileResult::Ok);
        std::vector<TExtwallobj> walls;
        for (int32_t i = 0; i < file.count; ++i)
            if (const auto* wall = dynamic_cast<const TExtwallobj*>(file[i])) walls.push_back(*wall);
        EXPECT_EQ(walls.size(), shape.arrows.size());
        walls.resize(shape.arrows.size());
        return walls;
    }
    std::string readout; // the DATUM read-out where the last partition started
    // The DATUM read-out with the pointer at the point, once the window has been repainted (if asked).
    std::string ReadoutAt(POINT at, bool repaint = true) {
        if (repaint) child->Invalidate(true), child->UpdateWindow();
        MoveTo(PixelOf(at.x + 1, at.y));
        MoveTo(PixelOf(at.x, at.y));
        return client->DistanceGadget->GetText();
    }
    // What refuses a keyed partition: nothing, the length typed, the arrow before any length, the
    // length box cancelled, a second Enter at the start, or the sheet's edge.
    enum class Refusal { None, Length, Arrow, Cancel, EnterTwice, PastSheet };
    // Draw Internal Wall on the side, Enter at the start, and the arrow with the length (in feet and
    // inches the one offered, when asked), and OK on a refusal. The imperial dialog's identifiers are the
    // metric one's + 500.
    // The command is chosen again unless `chosen` says it stands.
    void KeyPartition(POINT start, int qtKey, int32_t side, int32_t length, bool offered,
                      Refusal refusal = Refusal::None, bool chosen = false) {
        const int32_t imperial = metric ? 0 : 500,
                      radios[] = {kPartitionAbove, kPartitionRight, kPartitionBelow, kPartitionLeft};
        if (!chosen)
            pl::script::AnswerDialog(kPartitionDialogId + imperial,
                                     {DialogStep{{{kPartitionThickness + imperial, metric ? "100" : "4"},
                                                  {radios[side - 1] + imperial, "1"}}}});
        readout = ReadoutAt(start);
        if (!chosen) client->ProcessCommand(cmd::kInternalWall);
        Key(Qt::Key_Return);
        if (refusal == Refusal::EnterTwice) return Key(Qt::Key_Return);
        if (refusal == Refusal::Cancel) {
            metric ? pl::script::CancelInput() : pl::script::AnswerDialog(kFeetDialogId, {{{}, IDCANCEL}});
        } else if (refusal == Refusal::Arrow) {
            // The band follows the pointer from the start.
            MoveTo(PixelOf(start.x - 2000, start.y - 2000));
            pl::script::AnswerMessageBox(IDOK);
        } else if (refusal == Refusal::PastSheet) {
            Length(metric ? 69999 : 350 * 288);
            pl::script::AnswerMessageBox(IDOK);
        } else {
            Length(offered && !metric ? 0 : length);
            if (refusal == Refusal::Length) pl::script::AnswerMessageBox(IDOK);
        }
        Key(qtKey);
    }
    // Whether the box the last length was asked in offered the length, as the log shows it.
    ::testing::AssertionResult Offered(int32_t length) const {
        const std::string offer = metric ? "initial=\"" + std::to_string(length) + "\""
                                         : "initial{9501=\"" + std::to_string(length / 288) + "\" 9502=\"" +
                                               std::to_string(length % 288 / 24) + "\"";
        const std::string log = ui.Log();
        const auto at = log.rfind(metric ? "InputDialog" : "Dialog 9500 \"measurement\" initial{");
        const std::string last = at == std::string::npos ? "" : log.substr(at, log.find('\n', at) - at);
        if (last.find(offer) != std::string::npos) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << last;
    }
    // A partition keyed where the box offers nothing is refused with a message: the drawing stands as it was.
    void KeyRefused(POINT start, int qtKey, int32_t side) {
        const auto kept = ReadBack();
        KeyPartition(start, qtKey, side, metric ? 2000 : 6 * 288, false, Refusal::Length);
        EXPECT_TRUE(Offered(0));
        EXPECT_TRUE(
            ui.LogContains("The internal wall would lie inside an external wall - it has not been drawn"));
        const auto objects = ReadBack();
        ASSERT_EQ(objects.size(), kept.size());
        const auto after = Partitions(objects), before = Partitions(kept);
        for (size_t i = 0; i < before.size(); ++i)
            EXPECT_EQ(SecondFace(after[i]), SecondFace(before[i]));
    }
    // The partition keyed lies on the side chosen from the start to the stop, the length offered.
    void ExpectPartitionToStop(const TIntwallobj& w, POINT start, int32_t side, int32_t stop) {
        const int32_t dx = side == kDirectionRight ? thickness : side == kDirectionLeft ? -thickness : 0;
        const int32_t dy = side == kDirectionUp ? thickness : side == kDirectionDown ? -thickness : 0;
        const POINT end = dy ? POINT{stop, start.y} : POINT{start.x, stop};
        const int32_t length = std::abs(end.x - start.x) + std::abs(end.y - start.y);
        EXPECT_TRUE(Offered(length));
        EXPECT_EQ(std::tuple(w.x1, w.y1, w.x2, w.y2), std::tuple(start.x, start.y, end.x, end.y));
        EXPECT_EQ(SecondFace(&w), std::tuple(start.x + dx, start.y + dy, end.x + dx, end.y + dy));
        EXPECT_EQ(client->Tool->Kind, toolkind::kPick) << "the chain ends at the face met";
    }
};

// The inner faces of an L-shaped house, the inner corner of the L, and the second face of a partition
// BELOW from the left wall to the corner.
struct LHouse {
    int32_t left, top, right, bottom, cornerX, cornerY, belowCorner, topWall;
};

// A partition keyed from (startX, startY) by the arrow on its side (a direction code) to the face it
// stops at; drawn before: a partition BELOW to the corner (a face of it hidden), or the same one.
struct LHouseRow {
    const char* name;
    int32_t LHouse::*startX, LHouse::*startY;
    int qtKey;
    int32_t side;
    int32_t LHouse::*stop;
    bool firstBelow = false, hidesFirstFace = false, twice = false;
};

using H = LHouse;
const LHouseRow kLHouseRows[] = {
    {"RightBelowToTheCorner", &H::left, &H::cornerY, Qt::Key_Right, kDirectionDown, &H::cornerX},
    {"RightAboveToTheRightWall", &H::left, &H::cornerY, Qt::Key_Right, kDirectionUp, &H::right},
    {"DownRightToTheCorner", &H::cornerX, &H::top, Qt::Key_Down, kDirectionRight, &H::cornerY},
    {"DownLeftToTheBottomWall", &H::cornerX, &H::top, Qt::Key_Down, kDirectionLeft, &H::bottom},
    {"LeftAboveToTheLeftWall", &H::right, &H::cornerY, Qt::Key_Left, kDirectionUp, &H::left},
    {"UpLeftToTheTopWall", &H::cornerX, &H::bottom, Qt::Key_Up, kDirectionLeft, &H::top},
    {"DownRightToTheFirstsEnd", &H::cornerX, &H::top, Qt::Key_Down, kDirectionRight, &H::cornerY, true},
    {"UpLeftToTheFirst", &H::cornerX, &H::bottom, Qt::Key_Up, kDirectionLeft, &H::belowCorner, true, true},
    {"UpLeftFromTheFirstsEnd", &H::cornerX, &H::cornerY, Qt::Key_Up, kDirectionLeft, &H::top, true, true},
    {"DownLeftOverItself", &H::cornerX, &H::top, Qt::Key_Down, kDirectionLeft, &H::bottom, false, false,
     true},
};

// A start that ends with nothing built, keyed first on the row's side with the tool then kept: toward
// the walls from a corner (0 offered and taken, or a length inside the wall), down from the inner
// corner (the box cancelled, a length past the sheet, Enter again there); or ABOVE on the top inner
// face and Down (the wrong arrow, which ends the tool); or Expand Base's distance (Base), or Lengthen's on
// the top wall (End), cancelled.
enum class RefusedFirst { None, WrongArrow, Zero, Cancel, InsideWall, PastSheet, EnterTwice, Base, End };
// clang-format off
const char* const kRefusedFirstNames[] = {"", "AfterAWrongArrow", "AfterZero", "AfterACancel", "AfterALengthInsideAWall",
    "AfterOnePastTheSheet", "AfterEnterTwice", "AfterABaseCancel", "AfterAnEndEditCancel"};
// clang-format on

class LShapedHouse : public KeyedHouse,
                     public ::testing::WithParamInterface<std::tuple<LHouseRow, bool, RefusedFirst>> {
protected:
    LShapedHouse() : KeyedHouse(std::get<1>(GetParam())) {}
    // What follows is as without it.
    const RefusedFirst refusedFirst = std::get<2>(GetParam());
    void KeyRefusedStart(const LHouse& h, int32_t side) {
        using enum RefusedFirst;
        const POINT corner{h.cornerX, h.cornerY};
        // Toward the walls on the side: from the inner corner BELOW, else from a top corner.
        const POINT from = side == kDirectionDown    ? corner
                           : side == kDirectionRight ? POINT{h.right, h.top}
                                                     : POINT{h.left, h.top};
        const bool level = side == kDirectionDown || side == kDirectionUp;
        const int toward = level ? Qt::Key_Right : Qt::Key_Down;
        const Refusal refusal = refusedFirst == Zero         ? Refusal::None
                                : refusedFirst == Cancel     ? Refusal::Cancel
                                : refusedFirst == InsideWall ? Refusal::Length
                                : refusedFirst == PastSheet  ? Refusal::PastSheet
                                                             : Refusal::EnterTwice;
        if (refusedFirst == Base || refusedFirst == End) {
            client->ProcessCommand(refusedFirst == Base ? cmd::kExpandBase : cmd::kLengthenWall);
            const auto stand = [this] {
                const TDrawingtool& t = *client->Tool;
                return std::tuple(dir.ReadFile(std::string("DWGS/") + ObjectList.DrawingName + ".DB0"),
                                  t.Kind, t.Mode, t.PointPlaced, std::string(client->StatusBar->GetText()));
            };
            const auto chosen = stand();
            if (refusedFirst == Base) Key(Qt::Key_Right), MoveTo(PixelOf(h.cornerX - 1000, h.cornerY - 1000));
            metric ? pl::script::CancelInput() : pl::script::AnswerDialog(kFeetDialogId, {{{}, IDCANCEL}});
            refusedFirst == Base ? Key(Qt::Key_Return) : Click(PixelOf(h.right - 500, h.topWall));
            // Nothing changes; Lengthen's cancel gives the Pick tool back, Expand Base's leaves it as chosen.
            EXPECT_TRUE(refusedFirst == End ? std::get<0>(stand()) == std::get<0>(chosen)
                                            : stand() == chosen);
        } else if (refusedFirst == WrongArrow)
            KeyPartition({h.cornerX, h.top}, Qt::Key_Down, kDirectionUp, 0, false, Refusal::Arrow);
        else if (refusedFirst == InsideWall || refusedFirst == Zero)
            KeyPartition(from, toward, side,
                         refusedFirst == Zero ? 0 : metric ? 2000 : 6 * 288, refusedFirst == Zero, refusal);
        else if (refusedFirst != None)
            KeyPartition(corner, level ? Qt::Key_Left : Qt::Key_Down, side, 0, false, refusal);
    }

    LHouse KeyHouse() {
        const auto w = KeyOutline(kLShape);
        return {w[0].p5x, w[0].p5y, w[1].p5x, w[4].p5y, w[2].p6x, w[2].p6y, w[2].p6y - thickness, w[0].y1};
    }
};

// The partition lies on the side chosen, from its start to the first wall face it meets, which the
// length offered reaches; its faces run equally far, and what was drawn before stays as it was.
TEST_P(LShapedHouse, PartitionLiesOnTheSideChosenAndStopsAtTheFirstFaceItMeets) {
    const LHouseRow& row = std::get<0>(GetParam());
    const LHouse h = KeyHouse();
    if (row.firstBelow)
        KeyPartition({h.left, h.cornerY}, Qt::Key_Right, kDirectionDown, h.cornerX - h.left, false);
    const POINT start{h.*row.startX, h.*row.startY};
    const int32_t length =
        std::abs(h.*row.stop - (row.qtKey == Qt::Key_Left || row.qtKey == Qt::Key_Right ? start.x : start.y));
    if (row.twice) KeyPartition(start, row.qtKey, row.side, length, true);
    const auto kept = ReadBack();
    const std::string datum = ReadoutAt(start);
    const int32_t ids = IdCounter;
    KeyRefusedStart(h, row.side);
    EXPECT_EQ(IdCounter, ids) << "the next partition is numbered as if nothing had been refused";
    ASSERT_EQ(ui.LogContains("Wrong Arrow key for second line position"), refusedFirst == RefusedFirst::WrongArrow);
    ASSERT_EQ(ReadBack().size(), kept.size()) << "the refused start stored nothing";
    const QImage shown = View()->grab().toImage();
    EXPECT_TRUE(ReadoutAt(start) == datum && View()->grab().toImage() == shown) << "as a full repaint shows";
    KeyPartition(start, row.qtKey, row.side, length, true, Refusal::None,
                 refusedFirst > RefusedFirst::WrongArrow && refusedFirst < RefusedFirst::Base);
    EXPECT_EQ(readout, datum) << "the DATUM reads from where it did before";

    const auto objects = ReadBack();
    const auto walls = Partitions(objects), before = Partitions(kept);
    ASSERT_EQ(walls.size(), before.size() + 1);
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(SecondFace(walls[i]), SecondFace(before[i]));
    ExpectPartitionToStop(*walls.back(), start, row.side, h.*row.stop);
    // Lines in the paper's colour hide a partition's face met between the new faces, and nothing else.
    EXPECT_EQ(std::ranges::count_if(
                  objects, [](const auto& o) { return o->kind == kLine && o->colour == BackgroundColour; }),
              row.hidesFirstFace ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Partitions, LShapedHouse,
                         ::testing::Combine(::testing::ValuesIn(kLHouseRows), ::testing::Bool(),
                                            ::testing::Values(RefusedFirst::None, RefusedFirst::WrongArrow,
                                                              RefusedFirst::Zero, RefusedFirst::Cancel,
                                                              RefusedFirst::InsideWall,
                                                              RefusedFirst::PastSheet,
                                                              RefusedFirst::EnterTwice, RefusedFirst::Base,
                                                              RefusedFirst::End)),
                         [](const auto& i) {
                             return std::get<0>(i.param).name +
                                    std::string(std::get<1>(i.param) ? "Metric" : "Imperial") +
                                    kRefusedFirstNames[static_cast<int>(std::get<2>(i.param))];
                         });

// T and U houses: a stem below the middle of a wide top; a notch in the middle of the bottom.
const HouseShape kTShape{
    "RDLDLULU", {12000, 4000, 4000, 5000, 4000, 5000, 4000, 4000}, {40, 14, 13, 16, 14, 16, 13, 14}};
const HouseShape kUShape{
    "RDLULDLU", {12000, 9000, 4000, 5000, 4000, 5000, 4000, 9000}, {40, 30, 13, 17, 14, 17, 13, 30}};

// Partitions keyed from the inner end of the wall `corner` by the arrow: with their second face on the
// side toward the walls they would lie inside one; on the side away they stop at the wall `stop`.
struct CornerRow {
    const char* name;
    const HouseShape* shape;
    int corner, qtKey, toward, away, stop;
};

const CornerRow kCornerRows[] = {
    {"LDown", &kLShape, 2, Qt::Key_Down, kDirectionRight, kDirectionLeft, 4},
    {"LRight", &kLShape, 2, Qt::Key_Right, kDirectionDown, kDirectionUp, 1},
    {"TRightOfStemDown", &kTShape, 2, Qt::Key_Down, kDirectionRight, kDirectionLeft, 4},
    {"TRightOfStemRight", &kTShape, 2, Qt::Key_Right, kDirectionDown, kDirectionUp, 1},
    {"TLeftOfStemDown", &kTShape, 5, Qt::Key_Down, kDirectionLeft, kDirectionRight, 4},
    {"TLeftOfStemLeft", &kTShape, 5, Qt::Key_Left, kDirectionDown, kDirectionUp, 7},
    {"URightOfNotchDown", &kUShape, 3, Qt::Key_Down, kDirectionLeft, kDirectionRight, 2},
    {"URightOfNotchLeft", &kUShape, 3, Qt::Key_Left, kDirectionDown, kDirectionUp, 7},
    {"ULeftOfNotchDown", &kUShape, 4, Qt::Key_Down, kDirectionRight, kDirectionLeft, 6},
    {"ULeftOfNotchRight", &kUShape, 4, Qt::Key_Right, kDirectionDown, kDirectionUp, 1},
    {"LAnticlockwiseDown", &kLAnticlockwise, 2, Qt::Key_Down, kDirectionRight, kDirectionLeft, 1},
};

class InnerCorner : public KeyedHouse,
                    public ::testing::WithParamInterface<std::tuple<CornerRow, bool, bool>> {
protected:
    InnerCorner() : KeyedHouse(std::get<2>(GetParam())) {}
};

// Toward the walls the box offers 0 and a length is refused, the start let go each time, so the arrow
// away starts at the corner Enter gives again; away from them the partition reaches the first face it
// meets.
TEST_P(InnerCorner, OffersTheFreeLengthAndRefusesAPartitionInsideAWallKeepingTheStart) {
    const CornerRow& row = std::get<0>(GetParam());
    const bool toward = std::get<1>(GetParam());
    const auto walls = KeyOutline(*row.shape);
    const bool keyed = row.shape == &kLAnticlockwise; // its walls BELOW lie outside the keyed lines
    const TExtwallobj &c = walls[row.corner], &s = walls[row.stop];
    const POINT start = keyed ? POINT{c.x2, c.y2} : POINT{c.p6x, c.p6y};
    const bool across = row.qtKey == Qt::Key_Left || row.qtKey == Qt::Key_Right;
    const int32_t stop = across ? (keyed ? s.x1 : s.p5x) : (keyed ? s.y1 : s.p5y);
    if (!toward) {
        KeyPartition(start, row.qtKey, row.away, std::abs(stop - (across ? start.x : start.y)), true);
    } else {
        KeyPartition(start, row.qtKey, row.toward, 0, true); // OK on the 0 offered: nothing is stored
        EXPECT_EQ(ReadoutAt(start, false), readout) << "the DATUM reads from where it did before the start";
        KeyRefused(start, row.qtKey, row.toward);
        EXPECT_EQ(ReadoutAt(start, false), readout) << "the same after a length refused";
        EXPECT_EQ(client->Tool->PointPlaced, 0) << "no start held";
        Key(Qt::Key_Return);
        Length(metric ? 500 : 480);
        Key(across ? Qt::Key_Left + Qt::Key_Right - row.qtKey : Qt::Key_Up); // the arrow away
    }
    const auto objects = ReadBack();
    const auto built = Partitions(objects);
    ASSERT_EQ(built.size(), 1u);
    if (!toward) ExpectPartitionToStop(*built[0], start, row.away, stop);
    EXPECT_EQ(std::tuple(built[0]->x1, built[0]->y1), std::tuple(start.x, start.y));
}

// The row's name, the side's and the units'.
std::string CornerName(const ::testing::TestParamInfo<std::tuple<CornerRow, bool, bool>>& info) {
    const auto& [row, toward, metric] = info.param;
    const char* sides[] = {"Above", "Right", "Below", "Left"};
    return row.name + std::string(sides[(toward ? row.toward : row.away) - 1]) +
           (metric ? "Metric" : "Imperial");
}

INSTANTIATE_TEST_SUITE_P(Partitions, InnerCorner,
                         ::testing::Combine(::testing::ValuesIn(kCornerRows), ::testing::Bool(),
                                            ::testing::Bool()),
                         CornerName);

class JoinAtAWall : public KeyedHouse, public ::testing::WithParamInterface<bool> {
protected:
    JoinAtAWall() : KeyedHouse(GetParam()) {}
};

// A partition down to the bottom wall with its second face left; one BELOW from its end to the right
// would join it, mitred, inside the wall. It is offered 0 and refused, and the first keeps its faces.
TEST_P(JoinAtAWall, AJoinInsideTheWallIsRefusedAndThePartitionJoinedKeepsItsFaces) {
    const auto walls = KeyOutline(kLShape);
    const POINT top{walls[0].p5x + (metric ? 3000 : 10 * 288), walls[0].p5y};
    KeyPartition(top, Qt::Key_Down, kDirectionLeft, top.y - walls[4].p5y, true);
    ASSERT_EQ(Partitions(ReadBack()).size(), 1u);
    KeyRefused({top.x, walls[4].p5y}, Qt::Key_Right, kDirectionDown);
}

INSTANTIATE_TEST_SUITE_P(Partitions, JoinAtAWall, ::testing::Bool(),
                         [](const auto& i) { return std::string(i.param ? "Metric" : "Imperial"); });

} // namespace
