#include <QMdiSubWindow>
#include <QTimer>

#include "platform/cursor.h"
#include "platform/input_dialog.h"
#include "platform/message_loop.h"
#include "platform/resources.h"
#include "platform/test_script.h"
#include "tests/platform/window_fixture.h"
#include "tests/support/scripted_ui.h"

using windowtest::FrameTest;
using windowtest::RecordingChild;

TEST_F(FrameTest, ResizingReallocatesTheBufferAndSendsTheNewSize) {
    RecordingChild* child = NewChild();
    child->UpdateWindow();
    const int paints = child->Paints;
    child->SubWindow()->showNormal();
    child->SubWindow()->resize(300, 200);
    QCoreApplication::processEvents();
    TRect client = child->GetClientRect();
    ASSERT_FALSE(child->Sizes.empty());
    EXPECT_EQ(child->Sizes.back(), client.Size());
    EXPECT_EQ(child->BackBuffer()->size(), QSize(client.Width(), client.Height()));
    EXPECT_GT(child->Paints, paints); // a fresh buffer is wholly invalid and painted again
}

TEST_F(FrameTest, CloseWindowFromTheChildsOwnHandlerDeletesItOnTheNextTurn) {
    RecordingChild* child = NewChild();
    bool deleted = false;
    child->Deleted = &deleted;
    child->AllowClose = false;
    child->CloseWindow(0);
    EXPECT_EQ(App.Client->NumChildren(), 1);
    child->AllowClose = true;
    child->CloseWindow(0);
    EXPECT_EQ(App.Client->NumChildren(), 0);
    EXPECT_FALSE(deleted);
    QCoreApplication::processEvents();
    EXPECT_TRUE(deleted);
}

TEST_F(FrameTest, PeekMessageReturnsWhenNothingHappensAndCanLeaveAMessage) {
    RecordingChild* child = NewChild();
    child->SetCapture();
    MSG msg;
    EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    QTimer::singleShot(0, [child] { QTest::mouseMove(child->View(), QPoint(7, 8)); });
    while (!PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
    }
    EXPECT_EQ(msg.message, WM_MOUSEMOVE);
    EXPECT_EQ(msg.hwnd, child);
    EXPECT_EQ(msg.pt, TPoint(7, 8));
    EXPECT_EQ(msg.lParam, (8 << 16) | 7);
    ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_MOUSEMOVE);
    child->ReleaseCapture();
}

TEST(Resources, CommandStringsSplitIntoHintAndTip) {
    pl::RegisterString(9001, "***UNDO*** - Deletes last drawn object\nUndo Last Object");
    pl::RegisterString(9002, "FINISH DESIGN ROOMS - no tip");
    EXPECT_EQ(pl::CommandHint(9001), "***UNDO*** - Deletes last drawn object");
    EXPECT_EQ(pl::CommandTip(9001), "Undo Last Object");
    EXPECT_EQ(pl::CommandHint(9002), "FINISH DESIGN ROOMS - no tip");
    EXPECT_EQ(pl::CommandTip(9002), "");
    EXPECT_EQ(pl::CommandHint(9003), "");
}

// As a window system does when a modal dialog disables its owner: the capture is given up, so the
// dialog's own buttons take the clicks.
TEST_F(FrameTest, AModalDialogCancelsTheMouseCapture) {
    testsupport::ScriptedUi ui;
    RecordingChild* child = NewChild();
    child->SetCapture();
    ASSERT_EQ(GetCapture(), child);
    pl::script::CancelInput();
    char buffer[4] = "";
    TInputDialog(nullptr, "LINE", "RIGHT:", buffer, sizeof buffer).Execute();
    EXPECT_EQ(GetCapture(), nullptr);
}
