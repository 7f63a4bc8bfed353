#include <QMdiSubWindow>

#include "platform/window_dc.h"
#include "tests/platform/window_fixture.h"

using windowtest::FrameTest;
using windowtest::RecordingChild;

namespace {

QRgb Pixel(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

constexpr QRgb kBackground = 0x0A141E; // the class brush RGB(10, 20, 30)
constexpr QRgb kRed = 0xFF0000;

} // namespace

TEST_F(FrameTest, ChildIsCreatedMaximisedAndPaintedInItsClassColour) {
    RecordingChild* child = NewChild();
    EXPECT_TRUE(child->SubWindow()->isMaximized());
    ASSERT_FALSE(child->Sizes.empty());
    TRect client = child->GetClientRect();
    EXPECT_EQ(child->Sizes.back(), client.Size());
    EXPECT_EQ(child->SetupRect, client); // set-up already sees the real size
    EXPECT_EQ(child->Sizes.size(), 1u);  // and one size message follows it
    EXPECT_GT(client.Width(), 100);
    EXPECT_EQ(child->BackBuffer()->size(), QSize(client.Width(), client.Height()));
    child->UpdateWindow();
    EXPECT_GE(child->Paints, 1);
    EXPECT_EQ(Pixel(*child->BackBuffer(), 5, 5), kBackground);
}

TEST_F(FrameTest, CursorSetBeforeCreationHolds) {
    auto* child = new RecordingChild(*App.Client);
    child->SetCursor(nullptr, IDC_CROSS);
    child->Create();
    EXPECT_EQ(child->View()->cursor().shape(), Qt::CrossCursor);
    child->SetCursor(nullptr, IDC_IBEAM);
    EXPECT_EQ(child->View()->cursor().shape(), Qt::IBeamCursor);
}

TEST_F(FrameTest, ClientDcDrawsIntoTheBackBufferAndTheScreenShowsIt) {
    RecordingChild* child = NewChild();
    child->UpdateWindow();
    {
        TClientDC dc(child);
        dc.FillRect(TRect(10, 10, 20, 20), TBrush(RGB(255, 0, 0)));
    }
    EXPECT_EQ(Pixel(*child->BackBuffer(), 15, 15), kRed);
    QCoreApplication::processEvents();
    QImage screen = child->View()->grab().toImage();
    EXPECT_EQ(Pixel(screen, 15, 15), kRed);
    EXPECT_EQ(Pixel(screen, 25, 25), kBackground);
}

TEST_F(FrameTest, PaintIsClippedToTheInvalidRectangleAndErasesWhenAsked) {
    RecordingChild* child = NewChild();
    child->UpdateWindow();
    TRect painted;
    bool erased = false;
    child->OnPaint = [&](TDC& dc, bool erase, TRect& rect) {
        painted = rect;
        erased = erase;
        dc.FillRect(TRect(0, 0, 400, 400), TBrush(RGB(255, 0, 0)));
    };
    child->InvalidateRect(TRect(-50, -50, 10, 10), false);
    child->UpdateWindow();
    EXPECT_EQ(painted, TRect(0, 0, 10, 10));
    EXPECT_FALSE(erased);
    EXPECT_EQ(Pixel(*child->BackBuffer(), 5, 5), kRed);
    EXPECT_EQ(Pixel(*child->BackBuffer(), 50, 50), kBackground);

    // An erase first fills with the class colour; this paint draws nothing.
    child->OnPaint = [&](TDC&, bool erase, TRect&) { erased = erase; };
    child->InvalidateRect(TRect(0, 0, 10, 10), true);
    child->UpdateWindow();
    EXPECT_TRUE(erased);
    EXPECT_EQ(Pixel(*child->BackBuffer(), 5, 5), kBackground);
}

TEST_F(FrameTest, PaintRunsWhileAClientDcIsOpen) {
    RecordingChild* child = NewChild();
    child->UpdateWindow();
    child->OnPaint = [](TDC& dc, bool, TRect&) { dc.FillRect(TRect(0, 0, 5, 5), TBrush(RGB(255, 0, 0))); };
    TClientDC open(child);
    open.FillRect(TRect(30, 30, 40, 40), TBrush(RGB(0, 0, 255)));
    child->Invalidate(false);
    child->UpdateWindow();
    EXPECT_EQ(Pixel(*child->BackBuffer(), 2, 2), kRed);
    EXPECT_EQ(Pixel(*child->BackBuffer(), 35, 35), 0x0000FFu);
}

TEST_F(FrameTest, ExceptionsFromPaintDoNotEscape) {
    RecordingChild* child = NewChild();
    child->OnPaint = [](TDC&, bool, TRect&) { throw std::runtime_error("paint failed"); };
    child->Invalidate(true);
    child->UpdateWindow();
    QCoreApplication::processEvents();
    EXPECT_GE(child->Paints, 1);
}
