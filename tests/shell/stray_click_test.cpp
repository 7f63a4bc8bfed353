// A press of the left button where the tool waits for something else: a click on the paper, a click
// on an object, a double click or a drag of a few pixels, made in each waiting stage of every command
// of the command table, in both units. Each is checked against the same keys with no press: the press
// is what the guide names (a pick, or a new start at the press) or nothing, no object is stored at the
// sheet's corner, and the paste file keeps what was copied.
#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "document/program_state.h"
#include "platform/test_script.h"
#include "resources/command_ids.h"
#include "resources/command_texts.h"
#include "resources/dialogs/library_templates.h"
#include "tests/shell/input_fixture.h"
#include "tests/support/default_answers.h"
#include "tests/support/sheet_corner.h"

namespace {

namespace tk = toolkind;
enum class Stage { Chosen, AfterEnter, AfterPick };
enum class Stray { None, OnPaper, OnObject, DoubleClick, SmallDrag };
// Where the stage begins: as the row has it, or at the press by an Enter or by the press itself.
enum class Start { AsTheStage, Enter, Press };

struct StrayRow {
    int32_t command;
    int32_t metric;
    Stage stage;
    const char* keys = ""; // EscapeInAStep: the keys of the step
};

std::string RowName(const ::testing::TestParamInfo<StrayRow>& info) {
    static const char* stages[] = {"Chosen", "AfterEnter", "AfterPick"};
    return "Command" + std::to_string(info.param.command) + (info.param.metric ? "Metric" : "Imperial") +
           stages[static_cast<int>(info.param.stage)];
}

// Commands that leave the drawing window or the program, or open no tool: nothing waits in them.
bool LeavesTheDrawing(int32_t id) {
    return id == cmd::kExit || id == cmd::kFileOpen || id == cmd::kPrint || id == cmd::kPrinterSetup ||
           id == cmd::kRoomLayout || id == cmd::kSitePlan || id == cmd::kFirstFloor ||
           id == cmd::kSecondFloor || id == cmd::kGroundFloor;
}

bool NamesTheLeftButton(const std::string& guide) {
    for (const char* words : {"Left Button", "LEFT Button", "LEFT BUTTON", "LeftButton", "click"})
        if (guide.find(words) != std::string::npos) return true;
    return false;
}

class StrayPress : public InputTest, public ::testing::WithParamInterface<StrayRow> {
protected:
    // Pixels of the fixture's drawing: the paper is empty about kPaper, a line crosses kOnLine.
    static constexpr TPoint kEnterAt{200, 200};
    static constexpr TPoint kPaper{260, 120};
    static constexpr TPoint kOnLine{120, 150};
    static constexpr TPoint kOnPartition{100, 240};

    void Restart() {
        if (child) client->CloseChildren();
        QCoreApplication::processEvents();
        pl::script::Reset();
        ResetGlobals();
        ObjectList.ProgramDirectory = dir.Path();
        // The drawing File > New begins in each run.
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path() + "/DWGS"))
            if (entry.path().stem() == "client") std::filesystem::remove(entry.path());
        MetricUnits = GetParam().metric;
        CurrentView = kGroundFloor;
        Open();
        const POINT l = DrawingAt(TPoint(60, 150)), r = DrawingAt(TPoint(180, 150));
        ObjectList.Add(inputs::Line(l.x, l.y, r.x, r.y));
        // A partition up the pixel column 100, for the tools that pick one.
        const POINT a = DrawingAt(TPoint(100, 270)), b = DrawingAt(TPoint(100, 230));
        const int32_t attr[4] = {};
        ObjectList.Add(std::make_unique<TIntwallobj>(kGroundFloor, kIntWall, 1, 0, 10005, 10005, a.x, 0, b.x,
                                                     0, a.y, b.y, 0, 100, 0, 0, 0, 0, 1, 0, a.x + 100, 0, a.y,
                                                     b.x + 100, b.y, attr, 0, 0));
        IdCounter = 2;
        ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
        child->Invalidate(true);
        child->UpdateWindow();
        dir.WriteFile("LIBS/PASTE.CFG", kCopied);
        testsupport::AnswerRestWithDefaults();
    }
    void EnterAt(const TPoint& at) {
        MoveTo(TPoint(at.x + 1, at.y));
        MoveTo(at);
        Key(Qt::Key_Return);
    }
    void Press(Stray stray, const TPoint& at) {
        switch (stray) {
        case Stray::None:
            return;
        case Stray::DoubleClick: {
            // As the window system delivers it: the second press comes as the double click.
            Click(at);
            QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(at.x, at.y),
                               View()->mapToGlobal(QPointF(at.x, at.y)), Qt::LeftButton, Qt::LeftButton, {});
            QTimer::singleShot(0, View(), [this, at] {
                QTest::mouseRelease(View(), Qt::LeftButton, {}, QPoint(at.x, at.y));
            });
            QCoreApplication::sendEvent(View(), &second);
            QCoreApplication::processEvents();
            return;
        }
        case Stray::SmallDrag:
            Drag(at, TPoint(at.x + 3, at.y + 2));
            return;
        default:
            Click(at);
        }
    }
    // The row's command and stage, the press, then the keys a user goes on with; the working file
    // and the guide they leave. `startAtPress` begins the stage at the press instead, by an Enter or
    // by the press itself.
    std::string Run(Stray stray, const TPoint& at, Start startAtPress = Start::AsTheStage) {
        Restart();
        made = false;
        client->ProcessCommand(GetParam().command);
        // File > New opens a window of its own on the drawing it begins, with the outline's tool.
        child = client->ActiveDrawingWindow();
        if (!child) {
            ADD_FAILURE() << "no drawing window after the command";
            return {};
        }
        const Stage stage = GetParam().stage;
        const bool atPress = startAtPress != Start::AsTheStage;
        const TPoint start = atPress ? at : stage == Stage::AfterPick ? kOnPartition : kEnterAt;
        if (atPress ? startAtPress == Start::Enter && stage != Stage::Chosen : stage == Stage::AfterEnter)
            EnterAt(start);
        if (atPress && startAtPress == Start::Press) Press(stray, at);
        if (!atPress && stage == Stage::AfterPick) Click(start);
        const std::string before = WorkingFile();
        asked = NamesTheLeftButton(client->StatusBar->GetText());
        // The tools that go on by keys from the point Enter gave them: once it is given, a press is nothing.
        const int32_t k = client->Tool->Kind;
        nothing = !atPress && stage == Stage::AfterEnter &&
                  (k == tk::kOutline || k == tk::kExtWall || k == tk::kIntWall || k == tk::kRectangle ||
                   k == tk::kRoundRect || k == tk::kEllipse || k == tk::kArc);
        if (!atPress) {
            MoveTo(at);
            // The tool's stage, its point and the screen (a band following the pointer comes back with it).
            const auto held = [this] {
                QCoreApplication::processEvents();
                const TDrawingtool& t = *client->Tool;
                return std::tuple(t.Kind, t.Mode, t.PointPlaced, t.X0, t.Y0, View()->grab().toImage());
            };
            const auto stood = held();
            Press(stray, at);
            MoveTo(at);
            EXPECT_TRUE(!nothing || held() == stood) << "the press moved a point the tool holds, or drew";
        }
        made = WorkingFile() != before;
        // What the guide says the tool goes on from.
        const std::string guide = client->StatusBar->GetText();
        // Down first: the partition's first line goes down from where its second line lies by default.
        for (const auto& [length, key] : {std::pair{"1500", Qt::Key_Down}, std::pair{"2000", Qt::Key_Right},
                                          std::pair{"1500", Qt::Key_Up}, std::pair{"2000", Qt::Key_Left}}) {
            pl::script::AnswerInput(length);
            Key(key);
        }
        // An arc's second point, level with its first.
        pl::script::AnswerInput("600");
        EnterAt(TPoint(start.x + 80, start.y));
        CheckNoCornerPoint();
        EXPECT_EQ(dir.ReadFile("LIBS/PASTE.CFG"), kCopied) << "what was copied is kept";
        pl::script::Reset();
        return guide + "\n" + WorkingFile();
    }
    std::string WorkingFile() { return dir.ReadFile("DWGS/" + std::string(ObjectList.DrawingName) + ".DB0"); }
    // No object holds a point at the sheet's corner (drawing point 0, 0), where a tool's cleared point
    // lies: no user gives it.
    void CheckNoCornerPoint() {
        for (int32_t i = 0; i < ObjectList.count; ++i) {
            const TObject* o = ObjectList[i];
            EXPECT_FALSE(o && HoldsSheetCornerPoint(*o)) << "object " << i << " kind " << (o ? o->kind : 0);
        }
    }

    static constexpr const char* kCopied = "1 2 3 4 1 9\n";
    bool made = false;    // the press itself changed the file
    bool asked = false;   // the guide before the press asked for the left button
    bool nothing = false; // the tool goes on by keys from a point Enter gave: the press is nothing
};

TEST_P(StrayPress, IsWhatTheGuideNamesOrNothing) {
    const std::string control = Run(Stray::None, kPaper);
    for (Stray stray : {Stray::OnPaper, Stray::OnObject, Stray::DoubleClick, Stray::SmallDrag}) {
        SCOPED_TRACE(static_cast<int>(stray));
        const TPoint at = stray == Stray::OnObject ? kOnLine : kPaper;
        const std::string pressed = Run(stray, at);
        EXPECT_TRUE(!nothing || (!made && pressed == control))
            << "a press after Enter wrote, or moved the keys";
        // The press may be, or make, what the guide asks of it (a drag draws, a click places or marks):
        // the guard on the sheet's corner has looked at what it made.
        if (nothing || made || asked || pressed == control) continue;
        // Else the press was a new start, and the keys went on from it.
        if (pressed == Run(Stray::None, at, Start::Enter) || pressed == Run(stray, at, Start::Press))
            continue;
        EXPECT_EQ(pressed, control) << "the press is neither nothing nor a new start";
    }
}

// Escape takes a point held or a stage moved on back to the tool as the command left it (points, name,
// guide, screen); a second Escape, or one with nothing in progress, gives the Pick tool.
class EscapeAtAStage : public StrayPress {};
TEST_P(EscapeAtAStage, TakesBackTheStepInProgressOnly) {
    if (GetParam().command == cmd::kZoomUp) { // its wait alone goes: the line chosen and its start stay
        Restart();
        const auto line = [this] {
            return std::pair(client->Tool->PointPlaced, std::string(client->ToolGadget->GetText()));
        };
        client->ProcessCommand(cmd::kLine);
        if (GetParam().stage == Stage::AfterEnter) EnterAt(kEnterAt);
        const auto chosen = line();
        client->ProcessCommand(cmd::kZoomUp);
        ASSERT_TRUE(child->ZoomWait);
        Key(Qt::Key_Escape);
        EXPECT_TRUE(!child->ZoomWait && line() == chosen);
        return;
    }
    const auto seen = [this] {
        MoveTo(kPaper);
        const TDrawingtool& t = *client->Tool;
        return std::tuple(WorkingFile(), t.Kind, t.Mode, t.PointPlaced, t.X0, t.Y0,
                          std::string(client->ToolGadget->GetText()) + client->StatusBar->GetText() +
                              client->DistanceGadget->GetText());
    };
    const auto staged = [&](bool stage) {
        Restart();
        client->ProcessCommand(GetParam().command);
        child = client->ActiveDrawingWindow();
        if (stage && GetParam().stage != Stage::Chosen)
            GetParam().stage == Stage::AfterEnter ? EnterAt(kEnterAt) : Click(kOnPartition);
        if (stage && *GetParam().keys) pl::script::AnswerInput("2000"), Key(Qt::Key_Right);
        return std::pair(seen(), View()->grab().toImage());
    };
    auto [control, screen] = staged(false);
    const auto held = staged(true).first;
    Key(Qt::Key_Escape);
    const bool sameFile = std::exchange(std::get<0>(control), std::get<0>(held)) == std::get<0>(held);
    // The stage holds something when it left the tool at a stage of its own: its kind, mode or point.
    const auto stage = [](const auto& t) {
        return std::tuple(std::get<1>(t), std::get<2>(t), std::get<3>(t));
    };
    const bool holds = std::get<1>(held) != tk::kPick && stage(held) != stage(control);
    if (!*GetParam().keys && (holds || client->Tool->Kind != tk::kPick)) {
        EXPECT_EQ(seen(), control) << "the step taken back";
        EXPECT_TRUE(!sameFile || View()->grab().toImage() == screen) << "the screen as the command left it";
        Key(Qt::Key_Escape);
    }
    const QImage shown = (pl::script::Reset(), View()->grab().toImage());
    EXPECT_TRUE((child->Invalidate(true), child->UpdateWindow(), View()->grab().toImage()) == shown);
    if (*GetParam().keys) return; // after an arrow the step may be stored: the screen alone is judged
    EXPECT_STREQ(client->ToolGadget->GetText(), "Pick Tool");
}
// The keys of a step (E e Enter, LURD 3000 mm, G a selection, P Paste, c p clicks, S a click on what was
// brought in, T t typing) build as the control with an Escape after a Zoom UP at Z, one at N, or at X
// (Y) where the control has Enter twice (once).
class EscapeInAStep : public StrayPress {};
TEST_P(EscapeInAStep, LosesNothing) {
    const auto run = [this](bool escape) {
        Restart();
        if (GetParam().command == cmd::kText) pl::script::AnswerDialog(2300, {{{{2302, "1"}}, IDOK}});
        if (GetParam().command == cmd::kLibraryPlumbing)
            pl::script::AnswerDialog(kLibraryListDialogId, {{{{kLibraryListBoxId, "WC"}}, IDOK}});
        client->ProcessCommand(GetParam().command);
        child = client->ActiveDrawingWindow();
        for (const char k : std::string(GetParam().keys)) {
            if (const auto arrow = std::string("LURD").find(k); arrow != std::string::npos) {
                pl::script::AnswerInput("3000");
                Key(Qt::Key_Left + static_cast<int>(arrow));
            }
            k == 'E' ? EnterAt(kEnterAt) : k == 'c' ? Click(kOnLine) : k == 'p' ? Click(kPaper) : void();
            if (k == 'G') Drag(TPoint(50, 130), TPoint(190, 170));
            if (k == 'T' || k == 't') QTest::keyClicks(View(), k == 'T' ? "AB" : "A");
            if (k == 'S')
                Click(PixelOf(ObjectList[ObjectList.count - 1]->x1, ObjectList[ObjectList.count - 1]->y1));
            if (k == 'P') client->ProcessCommand(cmd::kPaste);
            if (k == 'e') Key(Qt::Key_Return);
            if (escape && k == 'Z') client->ProcessCommand(cmd::kZoomUp);
            if (escape && (k == 'Z' || k == 'N' || k == 'X' || k == 'Y')) Key(Qt::Key_Escape);
            if (!escape && (k == 'X' || k == 'Y')) Key(Qt::Key_Return);
            if (!escape && k == 'X') Key(Qt::Key_Return);
        }
        return WorkingFile() + client->ToolGadget->GetText() + client->StatusBar->GetText();
    };
    EXPECT_EQ(run(true), run(false));
}
std::vector<StrayRow> Rows(const char* keys = "") {
    std::vector<StrayRow> rows;
    for (const res::CommandText& c : res::CommandTexts())
        if (TClient::HasHandler(c.Id) && !LeavesTheDrawing(c.Id))
            for (int32_t metric : {1, 0})
                for (Stage stage : {Stage::Chosen, Stage::AfterEnter, Stage::AfterPick})
                    rows.push_back({c.Id, metric, stage, keys});
    return rows;
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, StrayPress, ::testing::ValuesIn(Rows()), RowName);
INSTANTIATE_TEST_SUITE_P(EveryCommand, EscapeAtAStage, ::testing::ValuesIn(Rows()), RowName);
INSTANTIATE_TEST_SUITE_P(Arrow, EscapeAtAStage, ::testing::ValuesIn(Rows("R")), RowName);
// clang-format off
INSTANTIATE_TEST_SUITE_P(Keys, EscapeInAStep, ::testing::Values(StrayRow{cmd::kRectangle, 1, {}, "ERZD"},
    StrayRow{cmd::kRectangle, 1, {}, "EZRD"}, StrayRow{cmd::kInternalWall, 1, {}, "EZD"}, StrayRow{cmd::kLine, 1, {}, "EZR"},
    StrayRow{cmd::kMoveRotate, 1, {}, "GcpZE"}, StrayRow{cmd::kText, 1, {}, "pTX"}, StrayRow{cmd::kText, 1, {}, "pTZTX"},
    StrayRow{cmd::kFileNew, 1, {}, "ERDNLU"}, StrayRow{cmd::kFileNew, 1, {}, "ERZDLU"}, StrayRow{cmd::kText, 1, {}, "pTeY"},
    StrayRow{cmd::kText, 0, {}, "ptX"}, StrayRow{cmd::kCopy, 1, {}, "GPSpY"}, StrayRow{cmd::kLibraryPlumbing, 0, {}, "SpY"}),
    [](const auto& info) { return "Row" + std::to_string(info.index); });
// clang-format on

} // namespace
