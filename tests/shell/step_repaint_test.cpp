// What the window shows once a move, turn, paste, erase or opening step has ended and the event loop
// has painted what the step left to paint: exactly what a full repaint shows.
#include <QCoreApplication>
#include <QStringList>
#include <QTest>

#include <deque>
#include <string>

#include "document/program_state.h"
#include "platform/gadgets.h"
#include "platform/test_script.h"
#include "resources/command_ids.h"
#include "resources/dialogs/library_templates.h"
#include "resources/dialogs/opening_templates.h"
#include "resources/dialogs/partition_templates.h"
#include "resources/dialogs/stairs_templates.h"
#include "resources/dialogs/tool_dialog_templates.h"
#include "resources/main_menu.h"
#include "tests/platform/pixel_probe.h"
#include "tests/shell/drawing_window_fixture.h"
#include "tests/shell/input_fixture.h"
#include "tests/support/default_answers.h"
#include "tools/tool_kinds.h"

namespace {

using pl::script::DialogStep;

class AfterTheStep;

struct StepCase {
    const char* name;
    void (AfterTheStep::*step)();
    int escapes = 0;   // Escapes pressed after the step
    bool undo = false; // then Edit > Undo
    int over = -1;     // or the step finishes this kind of object over a wall line
    bool upright = false;
};

// The kinds of object a tool finishes over a wall line.
// clang-format off
enum Over { TextTyped, TextTypedDown, TextEndedByEnterTwice, TextOnTwoLines, TextTakenBackToItsFirstLetter,
            TextCentred, Line, LabelledLine, Dimension, Symbol, Paste, Stairs, Window, Door, kOverKinds };
const char* const kOverNames[] = {"TextTyped", "TextTypedDown", "TextEndedByEnterTwice", "TextOnTwoLines",
    "TextTakenBackToItsFirstLetter", "TextCentred", "Line", "LabelledLine", "Dimension", "Symbol", "Paste",
    "Stairs", "Window", "Door"};
// clang-format on

class AfterTheStep : public InputTest, public ::testing::WithParamInterface<StepCase> {
public:
    void MoveCircleByArrowKeys() {
        OpenWith(&AfterTheStep::AddCircle);
        client->ProcessCommand(cmd::kMoveRotate);
        SelectSquare();
        Click(TPoint(200, 150));
        for (const int key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Return})
            Key(key);
    }
    void TurnSymbol() {
        OpenWith(&AfterTheStep::AddSymbol);
        client->ProcessCommand(cmd::kMoveRotate);
        SelectSquare();
        pl::script::AnswerInput("30");
        QTest::mouseClick(View(), Qt::RightButton, {}, QPoint(200, 150));
        Key(Qt::Key_Return);
    }
    void PasteSymbolOffALine() {
        OpenWith(&AfterTheStep::AddSymbolAndALineWherePastesLand);
        client->ProcessCommand(cmd::kCopy);
        SelectSquare();
        client->ProcessCommand(cmd::kPaste);
        Click(pasted);
        Click(TPoint(pasted.x + 30, pasted.y - 40));
        Key(Qt::Key_Return);
    }
    void EraseTextAtTheSquaresEdge() {
        OpenWith(&AfterTheStep::AddCentredText);
        client->ProcessCommand(cmd::kErase);
        SelectSquare();
    }
    void MoveWindowAlongItsWall() {
        OpenWith();
        pl::script::AnswerDialog(
            kWindowDialogId,
            {DialogStep{{{kWindowWidth, "1200"}, {kWindowHeight, "1050"}, {kWindowShowSizes, "1"}}, IDOK}});
        client->ProcessCommand(cmd::kWindows);
        EnterAt(PixelOf(wall.x, wall.y - 50));
        ASSERT_GT(ObjectList.count, 6);
        child->UpdateWindow();
        client->ProcessCommand(cmd::kMoveRotate);
        const TPoint centre = PixelOf(wall.x, wall.y);
        Drag(TPoint(centre.x - 40, centre.y - 60), TPoint(centre.x + 40, centre.y + 60));
        Click(centre);
        Click(TPoint(centre.x + 60, centre.y));
        Key(Qt::Key_Return);
    }
    void RefuseHingedDoorOffTheWall() {
        OpenWith();
        pl::script::AnswerDialog(
            kExtDoorDialogId,
            {DialogStep{{{kDoorWidthEdit, "800"}, {kDoorNumberEdit, "1"}, {kDoorHinged, "1"}}, IDOK}});
        pl::script::AnswerDialog(kDoorSwingDialogId, {DialogStep{{{kSwingRadios[1], "1"}}, IDOK}});
        client->ProcessCommand(cmd::kDoors);
        // The preview follows the pointer, and the window scrolls under it.
        MoveTo(TPoint(300, 240));
        child->EvVScroll(SB_LINEDOWN, 0);
        child->UpdateWindow();
        pl::script::AnswerMessageBox(IDOK);
        EnterAt(TPoint(300, 60));
        ASSERT_TRUE(ui.LogContains("No wall marked")) << ui.Log();
    }
    // A line or partition up the pixel column 100 from row 220 to row 180, picked by the command
    // (then the level line, at `repick`) and given the key (none: Tools > Line follows) and the
    // length (0 cancels the box, -1 leaves the sheet).
    void EditPickedEnd(bool line, int32_t command, int key, int32_t length, TPoint repick = {}) {
        PickUpright(line, command);
        ASSERT_EQ(client->Tool->PointPlaced, 1);
        if (repick.x) Click(repick);
        if (!key) return static_cast<void>(client->ProcessCommand(cmd::kLine));
        if (length < 0) length = DrawingAt(TPoint(100, 220)).y + 1000;
        length == 0 ? pl::script::CancelInput() : pl::script::AnswerInput(std::to_string(length));
        Key(key);
    }
    void ExtendLine() { EditPickedEnd(true, cmd::kExtendInternalWall, Qt::Key_Down, 500); }
    void ExtendWallOffTheSheet() { EditPickedEnd(false, cmd::kExtendInternalWall, Qt::Key_Down, -1); }
    void ShortenWallPastItsLength() { EditPickedEnd(false, cmd::kShortenInternalWall, Qt::Key_Up, 9000); }
    void ExtendWallAcrossItself() { EditPickedEnd(false, cmd::kExtendInternalWall, Qt::Key_Left, 500); }
    void CancelWallLength() { EditPickedEnd(false, cmd::kExtendInternalWall, Qt::Key_Up, 0); }
    void ChooseLineAfterWallPick() { EditPickedEnd(false, cmd::kShortenInternalWall, 0, 0); }
    void ExtendWallAfterAMissedPick() {
        EditPickedEnd(false, cmd::kExtendInternalWall, Qt::Key_Down, 500, {300, 60});
    }
    void ExtendLevelLineAfterAWallPick() {
        EditPickedEnd(false, cmd::kExtendInternalWall, Qt::Key_Right, 500, {200, 150});
    }
    void MoveCircleThenEscape() {
        OpenWith(&AfterTheStep::AddCircle);
        const std::string before = dir.ReadFile("DWGS/HOUSE.DB0");
        client->ProcessCommand(cmd::kMoveRotate);
        SelectSquare();
        Click(TPoint(200, 150));
        Click(TPoint(300, 150));
        Key(Qt::Key_Escape);
        EXPECT_EQ(dir.ReadFile("DWGS/HOUSE.DB0"), before);
    }
    // A partition keyed down from a point, the pointer having drawn its band elsewhere first.
    void KeyPartitionAfterItsBand() {
        OpenWith();
        pl::script::AnswerDialog(kPartitionDialogId, {DialogStep{{{kPartitionThickness, "100"}}, IDOK}});
        client->ProcessCommand(cmd::kInternalWall);
        EnterAt(TPoint(200, 60));
        MoveTo(TPoint(320, 210));
        pl::script::AnswerInput("2000");
        Key(Qt::Key_Down);
    }
    // A partition picked to extend, then a click on paper that finds nothing.
    void MissAfterAPartitionPick() {
        PickUpright(false, cmd::kExtendInternalWall);
        pl::script::AnswerMessageBox(IDOK);
        Click(TPoint(300, 60));
    }
    void LabelLine() {
        OpenWith(), client->ProcessCommand(cmd::kLineText), EnterAt(TPoint(120, 220));
        pl::script::AnswerInput("2000"), pl::script::AnswerDialog(2690, {DialogStep{{{2691, "ROAD"}}, IDOK}});
        Key(Qt::Key_Right); // a line labelled ROAD
    }
    // Finishes the kind of object over the outer face of an external wall, the level one (pixel row
    // 250) or one added upright (pixel column 330).
    void FinishOverTheWall(int over, bool upright) {
        OpenWith(upright ? &AfterTheStep::AddUprightWall : &AfterTheStep::AddUpstairsLine);
        const int32_t opened = ObjectList.count;
        const TPoint at = upright ? TPoint(330, 100) : TPoint(280, 250),
                     inside(at.x + 4 * upright, at.y + 4 * !upright);
        const auto type = [&](int32_t direction, const char* keys) {
            pl::script::AnswerDialog(kTextDetailsDialogId,
                                     {DialogStep{{{tooldlg::kToRight, "1"}, {direction, "1"}}, IDOK}});
            client->ProcessCommand(cmd::kText);
            Click(direction == tooldlg::kVertical ? TPoint(at.x + 4, at.y + 2) : TPoint(at.x - 6, at.y + 3));
            QTest::keyClicks(View(), keys);
        };
        const auto line = [&](int32_t command) {
            client->ProcessCommand(command), EnterAt(TPoint(at.x - 20 * upright, at.y - 20 * !upright));
            pl::script::AnswerInput(
                std::to_string(DrawingAt(TPoint(140, 0)).x - DrawingAt(TPoint(100, 0)).x));
            if (command == cmd::kLineText)
                pl::script::AnswerDialog(2690, {DialogStep{{{2691, "HALL"}}, IDOK}});
            Key(upright ? Qt::Key_Right : Qt::Key_Down);
        };
        switch (over) {
        case TextTyped:
            type(tooldlg::kHorizontal, "HALLWAY\r");
            break;
        case TextTypedDown:
            type(tooldlg::kVertical, "HALLWAY\r");
            break;
        case TextEndedByEnterTwice:
            type(tooldlg::kHorizontal, "HALLWAY\r\r");
            break;
        case TextOnTwoLines:
            type(tooldlg::kHorizontal, "HALLWAY\rHALL\r\r");
            break;
        case TextTakenBackToItsFirstLetter:
            return type(tooldlg::kHorizontal, "HALLWAY\b\b\b\b\b\b");
        case TextCentred:
            pl::script::AnswerDialog(kTextDetailsDialogId, {DialogStep{{{tooldlg::kCentred, "1"}}, IDOK}});
            client->ProcessCommand(cmd::kText), pl::script::AnswerInput("HALLWAY"), Click(at);
            break;
        case Line:
            line(cmd::kLine);
            break;
        case LabelledLine:
            line(cmd::kLineText);
            break;
        case Dimension:
            client->ProcessCommand(cmd::kManualDimension),
                EnterAt(TPoint(at.x - 10 - 10 * upright, at.y - 10 - 10 * !upright));
            MoveTo(TPoint(at.x + 30 * upright - 10, at.y + 30 * !upright - 10)),
                pl::script::AnswerInput("3000"), Key(Qt::Key_Return);
            break;
        case Symbol:
            pl::script::AnswerDialog(kLibraryListDialogId, {DialogStep{{{kLibraryListBoxId, "WC"}}, IDOK}});
            client->ProcessCommand(cmd::kLibraryPlumbing);
            Click(PixelOf(ObjectList[ObjectList.count - 1]->x1, ObjectList[ObjectList.count - 1]->y1));
            Click(at), Key(Qt::Key_Return);
            break;
        case Paste:
            client->ProcessCommand(cmd::kCopy), Drag(TPoint(50, 140), TPoint(350, 160)),
                client->ProcessCommand(cmd::kPaste);
            Click(PixelOf((ViewExtentX / 8 + ScrollOriginX) * ZoomDivisor,
                          (ViewExtentY / 6 + ScrollOriginY) * ZoomDivisor));
            Click(TPoint(at.x - 60, at.y + 3)), Key(Qt::Key_Return);
            break;
        case Stairs:
            pl::script::AnswerDialog(
                kStairsDialogId,
                {DialogStep{{{stairsdlg::kWidth, "900"}, {stairsdlg::kStorey, "2600"}}, IDOK}});
            client->ProcessCommand(cmd::kStairs), EnterAt(at);
            break;
        case Window:
            pl::script::AnswerDialog(kWindowDialogId,
                                     {DialogStep{{{kWindowWidth, "1200"}, {kWindowShowSizes, "1"}}, IDOK}});
            client->ProcessCommand(cmd::kWindows), EnterAt(inside);
            break;
        case Door:
            pl::script::AnswerDialog(kExtDoorDialogId,
                                     {DialogStep{{{kDoorWidthEdit, "800"}, {kDoorHinged, "1"}}, IDOK}});
            pl::script::AnswerDialog(kDoorSwingDialogId,
                                     {DialogStep{{{kSwingRadios[upright ? 1 : 4], "1"}}, IDOK}});
            client->ProcessCommand(cmd::kDoors), EnterAt(inside);
            break;
        }
        EXPECT_GT(ObjectList.count, opened) << ui.Log();
    }
    void PickUpright(bool line, int32_t command) {
        OpenWith(line ? &AfterTheStep::AddUpright<true> : &AfterTheStep::AddUpright<false>);
        client->ProcessCommand(command);
        Click(TPoint(100, 200));
    }
    void ExtendLevelLinePickedNext() {
        EditPickedEnd(true, cmd::kExtendInternalWall, Qt::Key_Right, 500, {200, 150});
    }

protected:
    template <bool line> void AddUpright() {
        const POINT a = DrawingAt(TPoint(100, 220)), b = DrawingAt(TPoint(100, 180));
        const int32_t attr[4] = {};
        ObjectList.Add(line ? std::unique_ptr<TObject>(inputs::Line(a.x, a.y, b.x, b.y))
                            : std::make_unique<TIntwallobj>(kGroundFloor, kIntWall, 1, 0, 10005, 10005, a.x,
                                                            0, b.x, 0, a.y, b.y, 0, 100, 0, 0, 0, 0, 1, 0,
                                                            a.x + 100, 0, a.y, b.x + 100, b.y, attr, 0, 0));
    }
    // An external wall along x through the pixel row 250, a level line through the pixel row 150
    // that runs on well past the selection square (150, 100)-(250, 200), and what `add` adds.
    void OpenWith(void (AfterTheStep::*add)() = nullptr) {
        Open();
        wall = DrawingAt(TPoint(300, 250));
        auto w = std::make_unique<TExtwallobj>();
        w->view = kGroundFloor, w->kind = kExtWall, w->id = 10001, w->penWidth = 1;
        w->x1 = wall.x - 4000, w->y1 = wall.y, w->x2 = wall.x + 4000, w->y2 = wall.y;
        w->thickness1 = 275, w->direction = 900, w->state = 1;
        w->p1x = wall.x - 4000, w->p1y = wall.y - 275, w->p2x = wall.x + 4000, w->p2y = wall.y - 275;
        ObjectList.Add(std::move(w));
        const POINT l = DrawingAt(TPoint(60, 150)), r = DrawingAt(TPoint(340, 150));
        ObjectList.Add(inputs::Line(l.x, l.y, r.x, r.y));
        if (add) (this->*add)();
        IdCounter = 2;
        ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
        child->Invalidate(true);
        child->UpdateWindow();
    }
    // An external wall up the pixel column 330 from row 40 to row 200, its inner face to the right,
    // and a line upstairs, for stairs to lead to.
    void AddUprightWall() {
        const POINT a = DrawingAt(TPoint(330, 40)), b = DrawingAt(TPoint(330, 200));
        auto w = make::ExtWall(kGroundFloor, a.x, a.y, b.x, b.y);
        w->thickness1 = 275, w->p1x = a.x + 275, w->p1y = a.y, w->p2x = b.x + 275, w->p2y = b.y;
        ObjectList.Add(std::move(w));
        AddUpstairsLine();
    }
    void AddUpstairsLine() { ObjectList.Add(inputs::Line(1000, 1000, 5000, 1000, kFirstFloor)); }
    void AddCircle() {
        const POINT c = DrawingAt(TPoint(200, 150));
        const int32_t r = DrawingAt(TPoint(230, 150)).x - c.x;
        ObjectList.Add(std::make_unique<TCircleobj>(kGroundFloor, kCircle, 1, 0, 0, 0, c.x - r, 0, c.x + r, 0,
                                                    c.y + r, c.y - r, 0));
    }
    // A library symbol across the line.
    void AddSymbol() {
        const POINT a = DrawingAt(TPoint(170, 170)), b = DrawingAt(TPoint(230, 130));
        const int32_t px[3] = {a.x, b.x, b.x};
        const int32_t py[3] = {a.y, a.y, b.y};
        const int32_t none[4] = {};
        ObjectList.Add(std::make_unique<TPolyobj>(kGroundFloor, 500, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, px, py,
                                                  none, none, 3, 0, 0, 0, 0, 0, 0));
    }
    // Pastes land one eighth of the view from the left and one sixth from the bottom.
    void AddSymbolAndALineWherePastesLand() {
        AddSymbol();
        pasted = PixelOf((ViewExtentX / 8 + ScrollOriginX) * ZoomDivisor,
                         (ViewExtentY / 6 + ScrollOriginY) * ZoomDivisor);
        const POINT l = DrawingAt(TPoint(pasted.x - 80, pasted.y)),
                    r = DrawingAt(TPoint(pasted.x + 80, pasted.y));
        ObjectList.Add(inputs::Line(l.x, l.y, r.x, r.y));
    }
    // A centred text whose anchor is just inside the square's right edge.
    void AddCentredText() {
        const POINT at = DrawingAt(TPoint(245, 130));
        ObjectList.Add(std::make_unique<TTextobj>(kGroundFloor, kText, 1, 0, 0, 0, at.x, 0, 0, 0, at.y, 0, 0,
                                                  "WARDROBE", "Arial", 0, 1, 400, 20));
    }
    void SelectSquare() { Drag(TPoint(150, 100), TPoint(250, 200)); }
    void EnterAt(const TPoint& at) {
        MoveTo(TPoint(at.x + 1, at.y));
        MoveTo(at);
        Key(Qt::Key_Return);
    }

    // Pixels where the window, once its pending paints ran, differs from a full repaint.
    int DifferenceFromFullRepaint() {
        child->UpdateWindow();
        const QImage shown = child->BackBuffer()->copy();
        child->Invalidate(true);
        child->UpdateWindow();
        return pixelprobe::CountDifferent(shown, *child->BackBuffer());
    }

    POINT wall{};
    TPoint pasted;
};

TEST_P(AfterTheStep, LeavesWhatAFullRepaintShows) {
    GetParam().step ? (this->*GetParam().step)() : FinishOverTheWall(GetParam().over, GetParam().upright);
    for (int i = 0; i < GetParam().escapes; ++i)
        Key(Qt::Key_Escape);
    if (GetParam().undo) client->ProcessCommand(cmd::kUndo);
    EXPECT_EQ(DifferenceFromFullRepaint(), 0);
}

const StepCase kSteps[] = {
    {"CircleMovedByArrowKeysAcrossALine", &AfterTheStep::MoveCircleByArrowKeys},
    {"SymbolTurned", &AfterTheStep::TurnSymbol},
    {"SymbolPastedOffALine", &AfterTheStep::PasteSymbolOffALine},
    {"TextErasedAtTheSquaresEdge", &AfterTheStep::EraseTextAtTheSquaresEdge},
    {"WindowMovedAlongItsWall", &AfterTheStep::MoveWindowAlongItsWall},
    {"HingedDoorRefusedOffTheWall", &AfterTheStep::RefuseHingedDoorOffTheWall},
    {"LineEndExtended", &AfterTheStep::ExtendLine},
    {"WallEndRefusedOffTheSheet", &AfterTheStep::ExtendWallOffTheSheet},
    {"WallShortenedPastItsLength", &AfterTheStep::ShortenWallPastItsLength},
    {"WallExtendedAcrossItself", &AfterTheStep::ExtendWallAcrossItself},
    {"WallEndLengthCancelled", &AfterTheStep::CancelWallLength},
    {"WallEndEditEndedByTheLineCommand", &AfterTheStep::ChooseLineAfterWallPick},
    {"LineEndExtendedAfterAnotherPick", &AfterTheStep::ExtendLevelLinePickedNext},
    {"WallEndExtendedAfterAMissedPick", &AfterTheStep::ExtendWallAfterAMissedPick},
    {"LineEndExtendedAfterAWallPick", &AfterTheStep::ExtendLevelLineAfterAWallPick},
    {"CircleMoveGivenUpByEscape", &AfterTheStep::MoveCircleThenEscape},
    {"PartitionKeyedAfterItsBand", &AfterTheStep::KeyPartitionAfterItsBand},
    {"PartitionChainGivenUpByEscape", &AfterTheStep::KeyPartitionAfterItsBand, 2},
    {"PartitionPickGivenUpByEscape", &AfterTheStep::MissAfterAPartitionPick, 2},
    {"LineLabelled", &AfterTheStep::LabelLine},
};

// Every kind over the level and the upright wall, left as finished, then Escape, or Undo.
std::vector<StepCase> OverTheWall() {
    static std::deque<std::string> names;
    std::vector<StepCase> rows;
    for (int over = 0; over < kOverKinds; ++over)
        for (const bool upright : {false, true})
            for (const std::string after : {"", "ThenEscape", "ThenUndo"}) {
                names.push_back(std::string(kOverNames[over]) +
                                (upright ? "OverUprightWall" : "OverLevelWall") + after);
                rows.push_back(
                    {names.back().c_str(), nullptr, after == "ThenEscape", after == "ThenUndo", over, upright});
            }
    return rows;
}

// A line clicked after a partition was picked is taken up by the same command, named and guided as such.
TEST_F(AfterTheStep, ALinePickedAfterAPartitionKeepsTheCommandsNameAndGuide) {
    PickUpright(false, cmd::kExtendInternalWall);
    Click(TPoint(200, 150));
    EXPECT_EQ(client->Tool->Kind, toolkind::kLine);
    EXPECT_STREQ(client->ToolGadget->GetText(), "Extend");
    EXPECT_STREQ(client->StatusBar->GetText(), "select ARROw key direction of end to EXTEND");
}

// Each tool the menus choose, its dialogs answered as offered, given a point by Enter and a pointer move.
TEST_F(AfterTheStep, EscapeInEveryToolLeavesWhatAFullRepaintShows) {
    for (const res::MenuPopup& popup : res::MainMenu()) {
        if (!QStringList{"Edit", "Tools", "Walls && Base", "Other", "Libraries"}.contains(popup.Caption))
            continue;
        for (const res::MenuItem& item : popup.Items) {
            if (!item.Command || !TClient::HasHandler(item.Command)) continue;
            SCOPED_TRACE(item.Command);
            OpenWith();
            testsupport::AnswerRestWithDefaults();
            client->ProcessCommand(item.Command);
            EnterAt(TPoint(120, 80));
            MoveTo(TPoint(300, 220));
            Key(Qt::Key_Escape);
            EXPECT_EQ(DifferenceFromFullRepaint(), 0);
            pl::script::Reset();
            client->CloseChildren();
            QCoreApplication::processEvents();
        }
    }
}

class PickShown : public AfterTheStep {};

// The pick is shown blanked until the edit ends (its pixels differ from a full repaint).
TEST_F(PickShown, BlankedWhileTheEditWaitsForItsKey) {
    for (bool line : {true, false}) {
        SCOPED_TRACE(line);
        PickUpright(line, cmd::kExtendInternalWall);
        EXPECT_GT(DifferenceFromFullRepaint(), 0);
        client->CloseChildren();
        QCoreApplication::processEvents();
    }
}

const auto kStepName = [](const ::testing::TestParamInfo<StepCase>& info) {
    return std::string(info.param.name);
};
INSTANTIATE_TEST_SUITE_P(Steps, AfterTheStep, ::testing::ValuesIn(kSteps), kStepName);
INSTANTIATE_TEST_SUITE_P(Finished, AfterTheStep, ::testing::ValuesIn(OverTheWall()), kStepName);

} // namespace
