// A heavy paint drawn in slices between the window's events ends on the pixels of a paint drawn at
// once, whatever happens to the window meanwhile.
#include "platform/glyphs/turned_glyph_cache.h"
#include "platform/window_dc.h"
#include "tests/platform/window_fixture.h"

using windowtest::FrameTest;
using windowtest::RecordingChild;

namespace {

// Turned texts, a dashed path whose pattern runs on from call to call, and exclusive-or shapes.
void DrawScene(TDC& dc, int version) {
    for (int i = 0; i < 24; ++i) {
        dc.SelectObject(TFont("Sans", -11 - i % 6, 0, (i * 370 + version * 450) % 3600));
        dc.SetTextColor(RGB(i * 9, version * 90, 255 - i * 9));
        dc.TextOut(30 + (i % 6) * 70, 30 + (i / 6) * 60, "Turned note");
        dc.RestoreFont();
    }
    dc.SelectObject(TPen(RGB(0, 128, 0), 1, PS_DASH));
    dc.MoveTo(3, 3);
    for (int i = 1; i < 12; ++i)
        dc.LineTo(3 + i * 37, 3 + (i % 2) * 41 + version * 5);
    dc.SetROP2(R2_XORPEN);
    dc.SelectObject(TBrush(RGB(200, 100, 50)));
    dc.Rectangle(40, 40, 200 + version * 20, 160);
    dc.Ellipse(120, 90, 260, 200);
    dc.SetROP2(R2_COPYPEN);
    dc.RestoreObjects();
}

// Paints past their first call are drawn one call a slice while it lives; `sliced` false draws
// every paint at once; `putOff` draws turned texts never inked plain and inks one a slice.
struct Slices {
    explicit Slices(bool sliced = true, bool putOff = false) {
        pl::detail::ClientView::SetPaintSlices(sliced ? 1 : size_t(-1), std::chrono::microseconds(0));
        pl::detail::ClientView::SetPutOffInking(sliced && putOff);
        TurnedGlyphCache::OfThread().Clear(); // every text is new to the paint
    }
    ~Slices() {
        pl::detail::ClientView::SetPaintSlices(size_t(-1), std::chrono::microseconds(8000));
        pl::detail::ClientView::SetPutOffInking(false);
    }
};

struct Meanwhile {
    const char* name;
    void (*act)(RecordingChild& child, int& version);
    bool putOff = false;
};

void ReadTheBuffer(RecordingChild& child, int&) {
    EXPECT_FALSE(child.BackBuffer()->isNull() || child.View()->PaintPending()); // nothing left to draw
}
void DrawPartOver(RecordingChild& child, int&) {
    child.InvalidateRect(TRect(0, 0, 150, 90), false);
}
// A change `turns` slices after the first text drawn plain, or once all are inked (0).
template <int turns> void ChangeAllLater(RecordingChild& child, int& version) {
    const bool putOff = TDC::TurnedInkingPutOff(); // not in the run drawing at once
    for (int turn = 0; putOff && (turns ? turn < turns : TDC::TurnedInkingPutOff()); ++turn)
        QCoreApplication::processEvents();
    EXPECT_EQ(TDC::TurnedInkingPutOff(), putOff && turns > 0);
    version = 1, child.Invalidate(true);
}
// What happens while the paint is still being drawn; the run without slices does it after.
const Meanwhile kMeanwhile[] = {
    {"nothing", [](RecordingChild&, int&) {}},
    {"an_exclusive_or_band",
     [](RecordingChild& child, int&) {
         TClientDC dc(&child);
         dc.SetROP2(R2_NOTXORPEN);
         dc.SelectStockObject(NULL_BRUSH);
         dc.Rectangle(25, 35, 310, 170);
     }},
    {"a_change_invalidating_it_all",
     [](RecordingChild& child, int& version) { version = 1, child.Invalidate(true); }},
    {"a_change_invalidating_a_part_unerased",
     [](RecordingChild& child, int& version) {
         version = 1, child.InvalidateRect(TRect(0, 0, 150, 90), false);
     }},
    {"a_resize",
     [](RecordingChild& child, int&) { child.View()->resize(child.View()->size() - QSize(90, 70)); }},
    {"a_key_taken_at_once",
     [](RecordingChild& child, int&) {
         QTest::keyClick(child.View(), Qt::Key_F1);
         EXPECT_EQ(child.Of("keydown").size(), 1u);
     }},
    {"turned_texts_put_off", [](RecordingChild&, int&) {}, true},
    {"turned_texts_put_off_and_the_buffer_read", ReadTheBuffer, true},
    {"turned_texts_put_off_and_a_part_drawn_over_unerased", DrawPartOver, true},
    {"turned_texts_put_off_and_a_change_invalidating_it_all", ChangeAllLater<1>, true},
    {"turned_texts_put_off_and_a_change_while_they_are_inked", ChangeAllLater<45>, true},
    {"turned_texts_put_off_and_a_change_once_they_are_inked", ChangeAllLater<0>, true},
};

class SlicedPaint : public FrameTest, public ::testing::WithParamInterface<Meanwhile> {
protected:
    QImage Run(bool sliced) {
        const Slices slices(sliced, GetParam().putOff);
        RecordingChild* child = NewChild();
        int version = 0;
        child->OnPaint = [&version](TDC& dc, bool, TRect&) { DrawScene(dc, version); };
        child->Invalidate(true);
        child->UpdateWindow();
        EXPECT_EQ(child->View()->PaintPending(), sliced);
        while (GetParam().putOff && !TDC::TurnedInkingPutOff() && child->View()->PaintPending())
            QCoreApplication::processEvents(); // the act comes once a text is drawn plain
        EXPECT_EQ(TDC::TurnedInkingPutOff(), sliced && GetParam().putOff);
        GetParam().act(*child, version);
        child->UpdateWindow();
        while (child->View()->PaintPending())
            QCoreApplication::processEvents();
        QImage shown = child->BackBuffer()->copy();
        child->CloseWindow(0);
        QCoreApplication::processEvents();
        return shown;
    }
};

TEST_P(SlicedPaint, EndsOnThePixelsOfAPaintDrawnAtOnce) {
    const QImage atOnce = Run(false);
    EXPECT_TRUE(Run(true) == atOnce);
}

INSTANTIATE_TEST_SUITE_P(Meanwhile, SlicedPaint, ::testing::ValuesIn(kMeanwhile),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FrameTest, APaintReadingAPixelSeesWhatItHasDrawnBefore) {
    const Slices slices;
    RecordingChild* child = NewChild();
    COLORREF read = 0;
    child->OnPaint = [&read](TDC& dc, bool, TRect&) {
        dc.FillRect(0, 0, 9, 9, TBrush(RGB(250, 0, 0)));
        read = dc.GetPixel(4, 4);
    };
    child->Invalidate(true);
    child->UpdateWindow();
    EXPECT_EQ(read, RGB(250, 0, 0));
}

TEST_F(FrameTest, AClientDcFinishesAPendingPaintOnlyWhenItDraws) {
    const Slices slices;
    RecordingChild* child = NewChild();
    child->OnPaint = [](TDC& dc, bool, TRect&) { DrawScene(dc, 0); };
    child->Invalidate(true);
    child->UpdateWindow();
    TClientDC dc(child);
    POINT point{5, 5};
    dc.LPtoDP(&point);
    dc.MoveTo(point);
    EXPECT_TRUE(child->View()->PaintPending()) << "mapping and moving wait for nothing";
    dc.LineTo(9, 9);
    EXPECT_FALSE(child->View()->PaintPending());
}

TEST_F(FrameTest, AWindowClosedWithAPaintPendingGoesWithoutDrawing) {
    const Slices slices;
    RecordingChild* child = NewChild();
    bool deleted = false;
    child->Deleted = &deleted;
    child->OnPaint = [](TDC& dc, bool, TRect&) { DrawScene(dc, 0); };
    child->Invalidate(true);
    child->UpdateWindow();
    ASSERT_TRUE(child->View()->PaintPending());
    child->CloseWindow(0);
    for (int i = 0; i < 50; ++i)
        QCoreApplication::processEvents();
    EXPECT_TRUE(deleted);
}

} // namespace
