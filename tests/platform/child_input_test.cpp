#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>

#include "platform/cursor.h"
#include "platform/message_loop.h"
#include "platform/virtual_keys.h"
#include "tests/platform/window_fixture.h"

using windowtest::FrameTest;
using windowtest::RecordingChild;

namespace {

struct KeyCase {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    uint vk;
};

class KeyMapping : public FrameTest, public ::testing::WithParamInterface<KeyCase> {};

} // namespace

TEST_P(KeyMapping, ReachesTheChildAsItsVirtualKey) {
    RecordingChild* child = NewChild();
    QTest::keyClick(child->View(), GetParam().key, GetParam().modifiers);
    // Shift itself arrives as a key too (VK_SHIFT), as on the keyboard.
    std::vector<uint> downs, ups;
    for (const auto& m : child->Log) {
        if (m.a == VK_SHIFT) continue;
        if (m.kind == "keydown") downs.push_back(m.a);
        if (m.kind == "keyup") ups.push_back(m.a);
    }
    EXPECT_EQ(downs, std::vector<uint>{GetParam().vk});
    EXPECT_EQ(ups, std::vector<uint>{GetParam().vk});
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyMapping,
    ::testing::Values(KeyCase{Qt::Key_Return, {}, VK_RETURN},
                      KeyCase{Qt::Key_Enter, Qt::KeypadModifier, VK_RETURN},
                      KeyCase{Qt::Key_Backspace, {}, VK_BACK}, KeyCase{Qt::Key_Tab, {}, VK_TAB},
                      KeyCase{Qt::Key_Insert, {}, VK_INSERT}, KeyCase{Qt::Key_F1, {}, VK_F1},
                      KeyCase{Qt::Key_Left, {}, VK_LEFT}, KeyCase{Qt::Key_Down, {}, VK_DOWN},
                      KeyCase{Qt::Key_Plus, Qt::KeypadModifier, VK_ADD},
                      KeyCase{Qt::Key_Minus, Qt::KeypadModifier, VK_SUBTRACT},
                      KeyCase{Qt::Key_Plus, Qt::ShiftModifier, VK_OEM_PLUS},
                      KeyCase{Qt::Key_Minus, {}, VK_OEM_MINUS},
                      KeyCase{Qt::Key_1, Qt::KeypadModifier, VK_NUMPAD1}, KeyCase{Qt::Key_1, {}, 0x31},
                      KeyCase{Qt::Key_A, {}, 0x41}, KeyCase{Qt::Key_A, Qt::ShiftModifier, 0x41}));

TEST_F(FrameTest, CharactersFollowTheirKeys) {
    RecordingChild* child = NewChild();
    QTest::keyClick(child->View(), Qt::Key_A);
    QTest::keyClick(child->View(), Qt::Key_Backspace);
    QTest::keyClick(child->View(), Qt::Key_Return);
    std::vector<uint> kinds;
    for (const auto& m : child->Log)
        if (m.kind == "char") kinds.push_back(m.a);
    EXPECT_EQ(kinds, (std::vector<uint>{'a', 8, 13}));
    EXPECT_EQ(child->Log[0].kind, "keydown");
    EXPECT_EQ(child->Log[1].kind, "char");
}

TEST_F(FrameTest, TabStaysWithTheDrawingWindow) {
    RecordingChild* child = NewChild();
    child->View()->setFocus();
    QTest::keyClick(App.Frame->MainWidget()->windowHandle(), Qt::Key_Tab);
    QTest::keyClick(App.Frame->MainWidget()->windowHandle(), Qt::Key_F1);
    auto downs = child->Of("keydown");
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_EQ(downs[0].a, VK_TAB);
    EXPECT_EQ(downs[1].a, VK_F1);
    EXPECT_EQ(App.Frame->MainWidget()->focusWidget(), child->View());
}

TEST_F(FrameTest, DoubleClickArrivesAsAPress) {
    RecordingChild* child = NewChild();
    QWidget* view = child->View();
    QPointF at(20, 30);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, at, view->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
    QCoreApplication::sendEvent(view, &dbl);
    auto downs = child->Of("ldown");
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].point, TPoint(20, 30));
    EXPECT_EQ(downs[0].a & MK_LBUTTON, MK_LBUTTON);
}

TEST_F(FrameTest, MovesOutsideArriveWhileTheButtonIsHeld) {
    RecordingChild* child = NewChild();
    QWidget* view = child->View();
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(view, QPoint(-15, view->height() + 40));
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(-15, view->height() + 40));
    auto moves = child->Of("move");
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.back().point, TPoint(-15, view->height() + 40));
    EXPECT_EQ(moves.back().a & MK_LBUTTON, MK_LBUTTON);
    ASSERT_EQ(child->Of("lup").size(), 1u);
    EXPECT_EQ(child->Of("lup")[0].a & MK_LBUTTON, 0u);
}

TEST_F(FrameTest, VirtualCursorFollowsMovesAndSetCursorPosSendsNoMove) {
    RecordingChild* child = NewChild();
    QWidget* view = child->View();
    QTest::mouseMove(view, QPoint(30, 40));
    POINT p;
    auto cursorInClient = [&] {
        GetCursorPos(&p);
        ScreenToClient(child, &p);
        return TPoint(p.x, p.y);
    };
    // On a real display the pointer's move comes back as an event; headless it is there at once.
    EXPECT_TRUE(QTest::qWaitFor([&] { return cursorInClient() == TPoint(30, 40); }, 1000));
    EXPECT_EQ(cursorInClient(), TPoint(30, 40));

    const size_t before = child->Log.size();
    TPoint target(55, 66);
    child->ClientToScreen(target);
    SetCursorPos(target.x, target.y);
    QCoreApplication::processEvents();
    EXPECT_EQ(child->Log.size(), before);
    ASSERT_TRUE(GetCursorPos(&p));
    EXPECT_EQ(TPoint(p.x, p.y), target);
    child->ScreenToClient(target);
    EXPECT_EQ(target, TPoint(55, 66));
}

TEST_F(FrameTest, PressLoopDispatchesUntilTheButtonComesUpAndAutoScrolls) {
    RecordingChild* child = NewChild();
    QWidget* view = child->View();
    child->Scroller = new TScroller(child, 1, 1, 100, 100);
    child->Scroller->ScrollTo(50, 50);
    child->Scroller->SetPageSize();
    int passes = 0;
    std::string error;
    child->OnLButtonDown = [&](uint, const TPoint&) {
        child->SetCapture();
        QTimer::singleShot(0, [view] {
            QTest::mouseMove(view, QPoint(40, -30));
            QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(40, -30));
        });
        MSG msg;
        while (passes < 10000) {
            ++passes;
            if (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessage(&msg);
                if (msg.message == WM_LBUTTONUP) break;
                if (msg.message == WM_MOUSEMOVE && !(msg.wParam & MK_LBUTTON)) break;
            }
            child->Scroller->AutoScroll();
        }
        child->ReleaseCapture();
        try {
            App.ResumeThrow();
        } catch (const std::exception& e) {
            error = e.what();
        }
    };
    child->ThrowOnLButtonUp = true;
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_LT(passes, 10000);
    EXPECT_EQ(child->Of("lup").size(), 1u);
    EXPECT_EQ(child->Of("move").back().point, TPoint(40, -30));
    EXPECT_LT(child->Scroller->YPos, 50); // scrolled toward the pointer above the window
    EXPECT_EQ(child->Scroller->XPos, 50);
    EXPECT_EQ(error, "handler failed");
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(FrameTest, ScrollBarsKeepTheProgramsPosition) {
    RecordingChild* child = NewChild();
    EXPECT_EQ(child->SetScrollPos(SB_VERT, 30), 0); // percent by default
    EXPECT_EQ(child->GetScrollPos(SB_VERT), 30);
    child->SetScrollRange(SB_HORZ, 0, 100);
    EXPECT_EQ(child->SetScrollPos(SB_HORZ, 40), 0);
    EXPECT_EQ(child->GetScrollPos(SB_HORZ), 40);
    EXPECT_EQ(child->SetScrollPos(SB_HORZ, 140), 40);
    EXPECT_EQ(child->GetScrollPos(SB_HORZ), 100);
    child->SetScrollPos(SB_HORZ, 40);

    QScrollBar* bar = child->View()->Bar(SB_HORZ);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    auto scrolls = child->Of("hscroll");
    ASSERT_EQ(scrolls.size(), 1u);
    EXPECT_EQ(scrolls[0].a, SB_LINEDOWN);
    // The handler did not move the bar, so it stays where the program put it.
    EXPECT_EQ(bar->value(), 40);
}

TEST_F(FrameTest, ThumbPositionsAreFractionsOfTheScrollersRange) {
    RecordingChild* child = NewChild();
    child->Scroller = new TScroller(child, 8, 8, 300, 0);
    child->Scroller->HScroll(SB_THUMBPOSITION, 50);
    EXPECT_EQ(child->Scroller->XPos, 150);
    child->Scroller->HScroll(SB_THUMBTRACK, 100);
    EXPECT_EQ(child->Scroller->XPos, 300);
    child->Scroller->VScroll(SB_THUMBTRACK, 100); // a range of 0 stays at 0
    EXPECT_EQ(child->Scroller->YPos, 0);
}
