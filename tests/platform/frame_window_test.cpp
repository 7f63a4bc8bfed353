#include <QAction>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <csignal>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/cursor.h"
#include "platform/file_io.h"
#include "platform/test_script.h"
#include "tests/platform/window_fixture.h"
#include "tests/support/program_directory.h"

using windowtest::FrameTest;

namespace {

QToolButton* ButtonOf(TButtonGadget* gadget) {
    return qobject_cast<QToolButton*>(gadget->Action()->parent());
}

} // namespace

TEST_F(FrameTest, StartsMaximisedWithTitleAndMenuFromTheTable) {
    QMainWindow* main = App.Frame->MainWidget();
    EXPECT_TRUE(main->isMaximized());
    EXPECT_EQ(main->windowTitle(), "TEST FRAME");
    QList<QAction*> popups = main->menuBar()->actions();
    ASSERT_EQ(popups.size(), 2);
    EXPECT_EQ(popups[0]->text(), "&File");
    QList<QAction*> items = popups[0]->menu()->actions();
    ASSERT_EQ(items.size(), 5);
    EXPECT_EQ(items[0]->text(), "Handled");
    EXPECT_TRUE(items[1]->isSeparator());
    // No shortcuts anywhere: keys belong to the drawing window.
    for (QAction* item : items)
        EXPECT_TRUE(item->shortcut().isEmpty());
}

TEST_F(FrameTest, UnhandledCommandsAreDisabledAndHandledOnesRouted) {
    EXPECT_TRUE(App.Frame->FindMenuAction(100)->isEnabled());
    EXPECT_FALSE(App.Frame->FindMenuAction(102)->isEnabled());
    EXPECT_FALSE(App.Frame->FindMenuAction(103)->isEnabled());
    EXPECT_TRUE(App.Button100->Action()->isEnabled());
    EXPECT_FALSE(App.Button102->Action()->isEnabled());

    App.Frame->FindMenuAction(100)->trigger();
    ButtonOf(App.Button100)->click();
    EXPECT_EQ(App.Client->Ran, (std::vector<int32_t>{100, 100}));
    EXPECT_FALSE(App.Frame->RouteCommand(102));
}

TEST_F(FrameTest, EnablersDecideStateAndCheckMark) {
    App.Client->CheckedEnabled = false;
    App.Frame->CommandEnablePass();
    EXPECT_FALSE(App.Frame->FindMenuAction(101)->isEnabled());
    App.Client->CheckedEnabled = true;
    App.Client->CheckedOn = true;
    App.Frame->CommandEnablePass();
    QAction* item = App.Frame->FindMenuAction(101);
    EXPECT_TRUE(item->isEnabled());
    EXPECT_TRUE(item->isChecked());
}

TEST_F(FrameTest, ActiveChildGetsCommandsBeforeTheClient) {
    auto* child = NewChild();
    child->ChildCommand = 100;
    App.Frame->RouteCommand(100);
    EXPECT_EQ(child->ChildCommands, 1);
    EXPECT_TRUE(App.Client->Ran.empty());
}

TEST_F(FrameTest, MenuHighlightShowsTheHintBeforeTheLineFeed) {
    App.Frame->FindMenuAction(100)->hover();
    EXPECT_EQ(App.Status->GetShownText(), "Handled hint");
    emit App.Frame->MainWidget()->menuBar()->actions()[0]->menu()->aboutToHide();
    EXPECT_EQ(App.Status->GetShownText(), "ready");
}

TEST_F(FrameTest, PointerOverAGreyedMenuItemShowsItsHintButChoosingItDoesNothing) {
    QMenu* menu = App.Frame->MainWidget()->menuBar()->actions()[0]->menu();
    QAction* greyed = App.Frame->FindMenuAction(102);
    ASSERT_FALSE(greyed->isEnabled());
    menu->popup(QPoint(0, 0));
    QTest::mouseMove(menu, menu->actionGeometry(greyed).center());
    EXPECT_EQ(menu->activeAction(), greyed);
    EXPECT_EQ(App.Status->GetShownText(), "Unhandled hint");
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(greyed).center());
    EXPECT_TRUE(App.Client->Ran.empty());
    menu->hide();
    EXPECT_EQ(App.Status->GetShownText(), "ready");
}

TEST_F(FrameTest, ButtonHintShowsWhenThePointerEnters) {
    QToolButton* button = ButtonOf(App.Button100);
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(button, &enter);
    EXPECT_EQ(App.Status->GetShownText(), "Handled hint");
    EXPECT_EQ(button->toolTip(), "Handled tip");
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button, &leave);
    EXPECT_EQ(App.Status->GetShownText(), "ready");
}

TEST_F(FrameTest, ControlBarStartsAtTheTopAndDocksAnywhere) {
    QToolBar* bar = App.Bar->ToolBar();
    QMainWindow* main = App.Frame->MainWidget();
    EXPECT_EQ(main->toolBarArea(bar), Qt::TopToolBarArea);
    EXPECT_TRUE(bar->isMovable());
    EXPECT_TRUE(bar->isFloatable());
    EXPECT_EQ(bar->allowedAreas(), Qt::AllToolBarAreas);
    main->addToolBar(Qt::LeftToolBarArea, bar);
    EXPECT_EQ(main->toolBarArea(bar), Qt::LeftToolBarArea);
}

TEST_F(FrameTest, ToolGadgetSitsRightOfTheMessageAndRepaintsOnlyOnChange) {
    QLabel* label = App.ToolGadget->Label();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->parentWidget(), App.Status->StatusWidget());
    App.ToolGadget->SetText("Pick Tool");
    App.ToolGadget->SetText("Pick Tool");
    EXPECT_EQ(App.ToolGadget->RepaintCount(), 1);
    EXPECT_EQ(label->text(), "Pick Tool");
    const int width = label->width();
    App.ToolGadget->SetText("A much longer tool name than ten characters");
    EXPECT_GT(label->width(), width) << "widened to show the whole name";
    EXPECT_GE(label->width(), label->sizeHint().width());
    App.ToolGadget->SetText("Pick Tool");
    EXPECT_GT(label->width(), width) << "and never narrowed again";
}

TEST_F(FrameTest, CloseBoxSendsTheExitCommand) {
    App.Frame->MainWidget()->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(App.Client->Ran, (std::vector<int32_t>{CM_EXIT}));
    EXPECT_TRUE(App.Frame->MainWidget()->isVisible());
}

TEST_F(FrameTest, ExitWithoutAProgramHandlerClosesTheFrame) {
    App.Client->HandleExit = false;
    App.Frame->MainWidget()->close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(App.Frame->MainWidget()->isVisible());
}

TEST(Application, CloseWindowEndsRunAndMinimisedRequestIsKept) {
    windowtest::TestApp app;
    app.nCmdShow = SW_SHOWMINIMIZED;
    bool minimised = false;
    QTimer::singleShot(0, [&] {
        minimised = app.Frame->MainWidget()->isMinimized();
        app.Frame->CloseWindow(0);
    });
    EXPECT_EQ(app.Run(), 0);
    EXPECT_TRUE(minimised);
}

namespace {

// The program of the test below, in a process of its own: it writes a file, keeps it for a step,
// is asked to end (by SIGTERM or as by Exit) while the step is open, ends the step, and returns from
// Run to end as main does, locks and all.
[[noreturn]] void RunProgramAskedToEnd(const std::string& file, bool terminated) {
    windowtest::TestApp app;
    QTimer::singleShot(0, [&] {
        const bool written = pl::WriteTextFile(file, "drawing");
        const std::string kept = pl::KeepFileAsItIs(file);
        if (terminated)
            ::raise(SIGTERM);
        else
            app.Frame->CloseWindow(0);
        pl::DropKept(kept);
        if (!written || kept.empty()) std::_Exit(2);
    });
    std::exit(app.Run());
}

} // namespace

// The system's request to end (SIGTERM, as at a logout) ends Run as Exit does, so that the program
// returns from its main and lets go of its locks as after Exit, rather than dying where it stands: a
// program that wrote a file and kept it for a step (which ends first) leaves the folder, when it has
// ended, with that file and no lock or name of its own beside it, whichever way it was asked to end.
// The program is this test in a fresh process, which shares no threads' state with this one.
TEST(Application, TerminateEndsRunAsExitDoes) {
    if (const char* file = std::getenv("TREVALYN_TEST_FILE"))
        RunProgramAskedToEnd(file, std::getenv("TREVALYN_TEST_TERMINATED") != nullptr);
    for (const bool terminated : {false, true}) {
        SCOPED_TRACE(terminated ? "SIGTERM" : "Exit");
        const testsupport::ProgramDirectory dir;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TREVALYN_TEST_FILE", QString::fromStdString(dir.Path() + "DWGS/HOUSE.DB0"));
        if (terminated) environment.insert("TREVALYN_TEST_TERMINATED", "1");
        // The program runs the one test whole, whatever share of the tests this process runs.
        for (const char* share : {"GTEST_TOTAL_SHARDS", "GTEST_SHARD_INDEX"})
            environment.remove(share);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QCoreApplication::applicationFilePath(),
                      {"--gtest_filter=Application.TerminateEndsRunAsExitDoes"});
        ASSERT_TRUE(program.waitForFinished(-1));
        EXPECT_TRUE(program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0)
            << program.exitCode();
        EXPECT_EQ(dir.ReadFile("DWGS/HOUSE.DB0"), "drawing");
        EXPECT_EQ(pl::FindFiles(dir.Path() + "DWGS/*~*"), std::vector<std::string>{});
    }
}

TEST_F(FrameTest, CloseChildrenAsksEveryChildFirst) {
    auto* first = NewChild("one");
    auto* second = NewChild("two");
    EXPECT_EQ(App.Client->NumChildren(), 2);
    EXPECT_EQ(App.Client->GetActiveMDIChild(), second);
    first->AllowClose = false;
    EXPECT_FALSE(App.Client->CloseChildren());
    EXPECT_EQ(App.Client->NumChildren(), 2);
    first->AllowClose = true;
    EXPECT_TRUE(App.Client->CloseChildren());
    EXPECT_EQ(App.Client->NumChildren(), 0);
    EXPECT_EQ(App.Client->GetActiveMDIChild(), nullptr);
}

TEST_F(FrameTest, ChildCloseBoxDeletesTheChildWhenItAgrees) {
    auto* child = NewChild();
    child->AllowClose = false;
    child->SubWindow()->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(App.Client->NumChildren(), 1);
    child->AllowClose = true;
    child->SubWindow()->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(App.Client->NumChildren(), 0);
}

TEST_F(FrameTest, StatusTextsAndCursorMovesAreLogged) {
    pl::script::Enable(true);
    pl::script::Reset();
    App.Status->SetText("GUIDE: Pick drawingtool");
    App.Status->SetText("GUIDE: Pick drawingtool");
    App.ToolGadget->SetText("Pick Tool");
    SetCursorPos(12, 34);
    std::vector<std::string> log = pl::script::Log();
    pl::script::Enable(false);
    ASSERT_EQ(log.size(), 3u);
    EXPECT_NE(log[0].find("GUIDE: Pick drawingtool"), std::string::npos);
    EXPECT_NE(log[1].find("Pick Tool"), std::string::npos);
    EXPECT_EQ(log[2], "SetCursorPos 12 34");
}

TEST_F(FrameTest, ClosingWithThePointerOnAButtonTakesTheHintAwaySafely) {
    // The bar's buttons see the pointer leave while the frame is torn down, after its message bar.
    QToolButton* button = ButtonOf(App.Button100);
    QTest::mouseMove(button);
    QCoreApplication::processEvents();
    ASSERT_TRUE(button->underMouse());
    App.Frame->MainWidget()->close();
}
