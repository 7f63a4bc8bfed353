#include <gtest/gtest.h>

#include <functional>
#include <set>

#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QWheelEvent>
#include <QWindow>

#include "platform/dialog.h"
#include "platform/dialog_template.h"
#include "platform/help.h"
#include "platform/input_dialog.h"
#include "platform/message_box.h"
#include "platform/when_modal.h"
#include "tests/support/program_directory.h"
#include "tests/support/scripted_ui.h"

TEST(Help, TopicAddressesSplitIntoFilePageAndWindow) {
    const pl::HelpTopic topic = pl::ParseHelpTopic("tvhelp.chm::/intwall.htm>wind");
    EXPECT_EQ(topic.File, "tvhelp.chm");
    EXPECT_EQ(topic.Page, "intwall.htm");
    EXPECT_EQ(topic.Window, "wind");
    const pl::HelpTopic fileOnly = pl::ParseHelpTopic("tvhelp.chm");
    EXPECT_EQ(fileOnly.File, "tvhelp.chm");
    EXPECT_EQ(fileOnly.Page, "");
    EXPECT_EQ(pl::ParseHelpTopic("tvhelp.chm::/intro.htm>basewind").Window, "basewind");
    EXPECT_EQ(pl::ParseHelpTopic("tvhelp.chm::/view.htm").Page, "view.htm");
}

TEST(Help, PagesComeFromTheProgramsHelpFolderOnly) {
    pl::SetHelpProgramDirectory("/opt/tv/");
    EXPECT_EQ(pl::HelpPageFile("file.htm"), "/opt/tv/help/file.htm");
    EXPECT_EQ(pl::HelpPageFile("../CFG/METRIC.CFG"), "");
    EXPECT_EQ(pl::HelpPageFile("/etc/passwd"), "");
}

TEST(Help, HtmlHelpShowsThePageInOneWindow) {
    testsupport::ScriptedUi ui;
    testsupport::ProgramDirectory dir;
    dir.WriteFile("help/intwall.htm", "<html><body><b>Internal walls</b></body></html>");
    dir.WriteFile("help/view.htm", "<html><body>Views</body></html>");
    pl::SetHelpProgramDirectory(dir.Path());
    QWidget* first = HtmlHelpA(nullptr, "tvhelp.chm::/intwall.htm>wind", HH_DISPLAY_TOPIC, 0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(pl::CurrentHelpPage(), "intwall.htm");
    EXPECT_TRUE(pl::HelpWindow()->toPlainText().contains("Internal walls"));
    QWidget* second = HtmlHelpA(nullptr, "tvhelp.chm::/view.htm>basewind", HH_DISPLAY_TOPIC, 0);
    EXPECT_EQ(first, second);
    EXPECT_TRUE(pl::HelpWindow()->toPlainText().contains("Views"));
    HtmlHelpA(nullptr, "tvhelp.chm::/missing.htm>wind", HH_DISPLAY_TOPIC, 0);
    EXPECT_TRUE(pl::HelpWindow()->toPlainText().contains("cannot be found"));
    EXPECT_TRUE(
        ui.LogContains("HtmlHelp \"tvhelp.chm::/intwall.htm>wind\" command=0x0 page=\"intwall.htm\""));
    HtmlHelpA(nullptr, nullptr, HH_CLOSE_ALL, 0);
    EXPECT_EQ(pl::HelpWindow(), nullptr);
}

TEST(Help, InitialiseHandsOutACookie) {
    uint32_t cookie = 0;
    HtmlHelpA(nullptr, nullptr, HH_INITIALIZE, reinterpret_cast<uintptr_t>(&cookie));
    EXPECT_NE(cookie, 0u);
}

TEST(Help, WinHelpMapsContextsThroughTheProgramsTable) {
    testsupport::ScriptedUi ui;
    testsupport::ProgramDirectory dir;
    dir.WriteFile("help/file.htm", "<p>Files</p>");
    pl::SetHelpProgramDirectory(dir.Path());
    pl::SetWinHelpPageMap(
        [](int32_t context) { return context == 200 ? std::string("file.htm") : std::string(); });
    EXPECT_EQ(WinHelpA(nullptr, "tvwhlp.hlp", HELP_CONTEXT, 200), 1);
    EXPECT_EQ(pl::CurrentHelpPage(), "file.htm");
    EXPECT_EQ(WinHelpA(nullptr, "tvwhlp.hlp", HELP_CONTEXT, 999), 0);
    EXPECT_EQ(WinHelpA(nullptr, "tvwhlp.hlp", HELP_CONTENTS, 500), 1);
    EXPECT_EQ(pl::CurrentHelpPage(), "content.htm");
    EXPECT_TRUE(ui.LogContains("WinHelp \"tvwhlp.hlp\" command=0x1 data=200 page=\"file.htm\""));
    pl::SetWinHelpPageMap(nullptr);
    pl::CloseHelpWindow();
}

namespace {

constexpr int32_t kHelpingDialog = 90011;

// A dialog whose Help button opens a page, as every dialog of the program does.
class HelpingDialog : public TDialog {
public:
    HelpingDialog() : TDialog(nullptr, kHelpingDialog) {}
    void CmHelp() override { HtmlHelpA(this, "tvhelp.chm::/first.htm>wind", HH_DISPLAY_TOPIC, 0); }
};

// The windows a modal window blocks now: the window system's close box does nothing on them.
class BlockWatch : public QObject {
public:
    BlockWatch() { qApp->installEventFilter(this); }
    ~BlockWatch() override { qApp->removeEventFilter(this); }
    bool Blocked(QWidget* widget) const { return blocked_.count(widget->windowHandle()) > 0; }
    bool eventFilter(QObject* target, QEvent* event) override {
        if (event->type() == QEvent::WindowBlocked) blocked_.insert(target);
        if (event->type() == QEvent::WindowUnblocked) blocked_.erase(target);
        return false;
    }

private:
    std::set<QObject*> blocked_;
};

QPoint InWindow(QWidget* widget, QPoint point) {
    return widget->mapTo(widget->window(), point);
}

} // namespace

// The page a dialog's Help button opens scrolls, follows a link and closes while the dialog waits.
TEST(Help, PageOpenedFromADialogStaysUsableWhileTheDialogWaits) {
    testsupport::ProgramDirectory dir;
    dir.WriteFile("help/first.htm",
                  "<html><body><p><a href=\"second.htm\">Second page</a></p></body></html>");
    std::string longPage = "<html><body>";
    for (int line = 0; line < 200; ++line)
        longPage += "<p>Line " + std::to_string(line) + "</p>";
    dir.WriteFile("help/second.htm", longPage + "</body></html>");
    pl::SetHelpProgramDirectory(dir.Path());
    pl::RegisterDialogTemplate(kHelpingDialog, {"new drawing",
                                                {{IDOK, pl::ControlKind::PushButton, "OK"},
                                                 {IDHELP, pl::ControlKind::PushButton, "Help"}}});
    HelpingDialog dialog;
    BlockWatch watch;
    bool followed = false, scrolled = false, closed = false, dialogWaits = false;
    pl::whenModal<HelpingDialog>([&](HelpingDialog* shown) {
        shown->findChild<QPushButton*>(QString::number(IDHELP))->click();
        QTextBrowser* help = pl::HelpWindow();
        ASSERT_NE(help, nullptr);
        QWindow* window = help->windowHandle();
        QTextCursor link(help->document());
        link.setPosition(help->document()->find("Second page").selectionStart() + 3);
        QTest::mouseClick(window, Qt::LeftButton, {},
                          InWindow(help->viewport(), help->cursorRect(link).center()));
        followed = pl::CurrentHelpPage() == "second.htm";
        QScrollBar* bar = help->verticalScrollBar();
        QTest::mouseClick(window, Qt::LeftButton, {},
                          InWindow(bar, {bar->width() / 2, bar->height() * 3 / 4}));
        scrolled = bar->value() > 0;
        closed = !watch.Blocked(help) && help->close();
        dialogWaits = shown->isVisible();
        shown->PressButton(IDOK);
    });
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_TRUE(followed);
    EXPECT_TRUE(scrolled);
    EXPECT_TRUE(closed);
    EXPECT_TRUE(dialogWaits);
    pl::CloseHelpWindow();
}

namespace {

constexpr int32_t kPlainDialog = 90012;

// What the help window refuses now, of a link click, the wheel and its close box ("" when it takes
// all three), tried through the window system's way in as a person's input arrives.
std::string RefusedByHelp(const BlockWatch& watch) {
    QTextBrowser* help = pl::HelpWindow();
    if (!help) return "no window";
    std::string refused;
    QScrollBar* bar = help->verticalScrollBar();
    bar->setValue(0);
    QTextCursor link(help->document());
    link.setPosition(help->document()->find("To the end").selectionStart() + 2);
    QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {},
                      InWindow(help->viewport(), help->cursorRect(link).center()));
    if (bar->value() != bar->maximum()) refused += " link";
    bar->setValue(0);
    const QPointF at = InWindow(help->viewport(), {20, 20});
    QWheelEvent wheel(at, help->mapToGlobal(at.toPoint()), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(help->windowHandle(), &wheel);
    if (bar->value() == 0) refused += " wheel";
    if (watch.Blocked(help)) refused += " close";
    return refused;
}

// Boxes without a Help button, as the length boxes and most questions are.
void OpenPlainDialog() {
    TDialog(nullptr, kPlainDialog).Execute();
}
void OpenQuestion() {
    MessageBox(nullptr, "Save changes?", "Question", MB_YESNO);
}
void OpenLengthBox() {
    char buffer[9] = "0";
    TInputDialog(nullptr, "LINE", "RIGHT:", buffer, sizeof buffer).Execute();
}

// Opens the box; while it waits, runs `whileWaiting`, then ends the box.
void WhileBoxWaits(void (*open)(), std::function<void()> whileWaiting) {
    pl::whenModal<QDialog>([whileWaiting](QDialog* box) {
        whileWaiting();
        box->done(QDialog::Rejected);
    });
    open();
}

class HelpBesideBoxes : public ::testing::Test {
protected:
    void SetUp() override {
        std::string page = "<html><body><p><a href=\"#end\">To the end</a></p>";
        for (int line = 0; line < 200; ++line)
            page += "<p>Line " + std::to_string(line) + "</p>";
        page += "<p><a name=\"end\">End</a></p></body></html>";
        dir_.WriteFile("help/long.htm", page);
        dir_.WriteFile("help/first.htm", page);
        pl::SetHelpProgramDirectory(dir_.Path());
        pl::RegisterDialogTemplate(kPlainDialog, {"LINE", {{IDOK, pl::ControlKind::PushButton, "OK"}}});
        pl::RegisterDialogTemplate(kHelpingDialog, {"new drawing",
                                                    {{IDOK, pl::ControlKind::PushButton, "OK"},
                                                     {IDHELP, pl::ControlKind::PushButton, "Help"}}});
    }
    void TearDown() override {
        pl::cancelModalWatches();
        pl::CloseHelpWindow();
    }
    static void OpenPage() { HtmlHelpA(nullptr, "tvhelp.chm::/long.htm>wind", HH_DISPLAY_TOPIC, 0); }

    testsupport::ProgramDirectory dir_;
    BlockWatch watch_;
};

struct BoxCase {
    const char* name;
    void (*open)();
};
void PrintTo(const BoxCase& box, std::ostream* out) {
    *out << box.name;
}

class HelpBesideEveryBox : public HelpBesideBoxes, public ::testing::WithParamInterface<BoxCase> {};

} // namespace

// A page opened before the box stays usable while the box waits, and after it.
TEST_P(HelpBesideEveryBox, PageOpenBeforeTheBoxStaysUsable) {
    OpenPage();
    std::string waiting;
    WhileBoxWaits(GetParam().open, [&] { waiting = RefusedByHelp(watch_); });
    EXPECT_EQ(waiting, "");
    EXPECT_EQ(RefusedByHelp(watch_), "");
}

INSTANTIATE_TEST_SUITE_P(Help, HelpBesideEveryBox,
                         ::testing::Values(BoxCase{"Dialog", OpenPlainDialog},
                                           BoxCase{"Question", OpenQuestion},
                                           BoxCase{"LengthBox", OpenLengthBox}),
                         [](const auto& info) { return std::string(info.param.name); });

// A dialog's Help opens the page, then the dialog opens a box of its own: the page stays usable while
// the inner box waits and again once only the dialog waits.
TEST_F(HelpBesideBoxes, PageStaysUsableThroughNestedBoxes) {
    std::string inner, outer;
    pl::whenModal<HelpingDialog>([&](HelpingDialog* shown) {
        shown->findChild<QPushButton*>(QString::number(IDHELP))->click();
        WhileBoxWaits(OpenLengthBox, [&] { inner = RefusedByHelp(watch_); });
        outer = RefusedByHelp(watch_);
        shown->PressButton(IDOK);
    });
    HelpingDialog().Execute();
    EXPECT_EQ(inner, "");
    EXPECT_EQ(outer, "");
}

// Closing the page while boxes wait ends nothing else; a page opened again in the outer box is usable.
TEST_F(HelpBesideBoxes, PageClosedWhileABoxWaitsCanBeOpenedAgain) {
    OpenPage();
    std::string reopened = "not reached";
    WhileBoxWaits(OpenPlainDialog, [&] {
        WhileBoxWaits(OpenQuestion, [&] {
            pl::HelpWindow()->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        });
        OpenPage();
        reopened = RefusedByHelp(watch_);
    });
    EXPECT_EQ(reopened, "");
}
