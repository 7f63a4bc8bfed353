// The client view's painting: the back buffer, its invalid region, and the paints that are recorded
// at once and drawn in slices while the window goes on taking its events. A screen paint draws the
// turned texts it has never inked plain, as cheaply as a plain text; their inkings are worked out in
// slices afterwards and the texts painted again, so the screen ends as a paint that inked them at once.
#include <algorithm>
#include <QPainter>
#include <utility>

#include "platform/detail/client_view.h"
#include "platform/detail/guard.h"
#include "platform/draw_record.h"
#include "platform/window.h"
#include "platform/window_dc.h"

namespace pl::detail {

namespace {

// A paint of fewer calls is drawn at once whatever it takes (a small drawing on a loaded machine);
// a longer one is drawn at once for a slice, and the rest is left to later slices.
std::size_t AtOnceCalls = 2000;
std::chrono::microseconds SliceTime{8000};
bool PutOffInking = true;

QColor ToQColor(COLORREF c) {
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

} // namespace

void ClientView::SetPaintSlices(std::size_t atOnce, std::chrono::microseconds slice) {
    AtOnceCalls = atOnce;
    SliceTime = slice;
}

void ClientView::SetPutOffInking(bool putOff) {
    PutOffInking = putOff;
}

void ClientView::PlainDrawn(const QRect& area) {
    PlainArea += area & rect();
}

void ClientView::Detach() {
    DropPaint(); // its context refers to the window that is going
    PlainArea = QRegion();
    Owner = nullptr;
}

QImage& ClientView::Buffer() {
    if (Recording) Recording->Record.CatchUp(*Recording->Dc);
    FinishPaint();
    // A paint being recorded reads what it has drawn so far: the inking waits for its end.
    if (!Recording) FinishInking();
    return BackBuffer;
}

void ClientView::Reallocate() {
    DropPaint(); // a new buffer is painted whole, the turned texts too
    PlainArea = QRegion();
    if (ActiveDcs > 0) {
        ResizePending = true;
        return;
    }
    ResizePending = false;
    QSize s = size().expandedTo(QSize(1, 1));
    BackBuffer = QImage(s, QImage::Format_RGB32);
    BackBuffer.fill(Owner ? ToQColor(Owner->GetClassRecord().Background) : QColor(Qt::white));
    InvalidRegion = QRegion(rect());
    EraseInvalid = true;
}

void ClientView::DcEnded() {
    if (--ActiveDcs > 0 || !ResizePending) return;
    // The context's painter is still on the buffer until its destructor ends: reallocate later.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (ActiveDcs > 0 || !ResizePending) return;
            Reallocate();
            update();
        },
        Qt::QueuedConnection);
}

void ClientView::Invalidate(const QRegion& region, bool erase) {
    QRegion clipped = region & rect();
    if (clipped.isEmpty()) return;
    InvalidRegion += clipped;
    EraseInvalid = EraseInvalid || erase;
    update(clipped);
}

void ClientView::PaintInvalid() {
    QRegion region = InvalidRegion & rect();
    bool erase = EraseInvalid;
    InvalidRegion = QRegion();
    EraseInvalid = false;
    if (ResizePending) {
        // The buffer is about to be reallocated, which invalidates all of it anyway.
        InvalidRegion = region;
        EraseInvalid = erase;
        return;
    }
    if (region.isEmpty() || !Owner) return;
    PaintRegion(region, erase, false);
}

void ClientView::PaintRegion(const QRegion& region, bool erase, bool atOnce) {
    // A paint run from inside another (a box put up by the paint) draws over what the outer one
    // has drawn so far, at once.
    PendingPaint* outer = Recording;
    if (outer) outer->Record.CatchUp(*outer->Dc);
    // A paint still being drawn is dropped where this one erases all of it and draws it anew;
    // otherwise it is finished, so this one draws over what it leaves.
    if (Pending) {
        if (erase && (Pending->Region - region).isEmpty())
            DropPaint();
        else
            FinishPaint();
    }
    // Turned texts drawn plain under a paint that draws over what is there are inked first, as a
    // paint still pending is drawn; a paint that erases them draws them again itself.
    if (!PlainArea.isEmpty() && !atOnce) {
        if (erase)
            PlainArea -= region;
        else if (!outer && PlainArea.intersects(region))
            FinishInking();
    }
    if (erase) EraseRegion(region);
    QRect bounds = region.boundingRect();
    TRect rect(bounds.left(), bounds.top(), bounds.right() + 1, bounds.bottom() + 1);
    TWindow* owner = Owner;
    // A paint may be left to slices only where nothing else draws on the buffer beside it: a context
    // opened before it goes on drawing as soon as it returns, and an outer paint draws after it.
    const bool mayWait = !atOnce && !outer && ActiveDcs == 0;
    auto paint = std::make_unique<PendingPaint>();
    paint->Region = region;
    if (mayWait) {
        paint->Record.DrawAtOnceUntil(TDrawRecord::Clock::now() + SliceTime, AtOnceCalls);
        Recording = paint.get();
    }
    Guarded([&] {
        paint->Dc = std::make_unique<TPaintDC>(*owner, region);
        if (mayWait) paint->Dc->RecordInto(&paint->Record);
        paint->Dc->PutOffTurnedInking(mayWait && PutOffInking);
        owner->Paint(*paint->Dc, erase, rect);
    });
    Recording = outer;
    if (paint->Dc && !paint->Record.Done()) {
        // The calls past the paint's first slice are drawn between the window's events.
        paint->Dc->RecordInto(nullptr);
        Pending = std::move(paint);
    }
    paint.reset(); // a paint drawn whole hands over what it drew plain
    if (Pending || !PlainArea.isEmpty()) SliceTimer.start();
    update(region);
}

void ClientView::DrawSlice(bool timed) {
    if (!Pending) {
        InkSlice();
        return;
    }
    const auto until = TDrawRecord::Clock::now() + SliceTime;
    bool done = true;
    Guarded([&] { done = Pending->Record.Replay(*Pending->Dc, timed ? &until : nullptr); });
    // The screen shows the paint's progress a few times a second: showing it after every slice would
    // cost about as much as the slices.
    const auto now = TDrawRecord::Clock::now();
    if (done || now - Pending->Shown >= std::chrono::milliseconds(100)) {
        const QRect drawn = Pending->Dc->DrawnBounds();
        Pending->Dc->ResetDrawnBounds();
        Pending->Shown = now;
        if (!drawn.isEmpty()) update(drawn);
    }
    if (done) Pending.reset();
    if (Pending || !PlainArea.isEmpty()) SliceTimer.start();
}

void ClientView::InkSlice() {
    if (PlainArea.isEmpty()) return;
    const auto slice = std::chrono::duration_cast<std::chrono::milliseconds>(SliceTime).count();
    if (!TDC::FinishTurnedInking(slice)) {
        SliceTimer.start();
        return;
    }
    // The texts are painted again as chosen, in slices like any paint. It is painted now rather than
    // left invalid, so that the window shows its paint pending until the texts are inked.
    const QRegion area = std::exchange(PlainArea, QRegion());
    if (Owner && !ResizePending) PaintRegion(area, true, false);
}

void ClientView::FinishInking() {
    FinishPaint();
    if (PlainArea.isEmpty()) return;
    SliceTimer.stop();
    TDC::FinishTurnedInking();
    const QRegion area = std::exchange(PlainArea, QRegion());
    if (Owner && !ResizePending) PaintRegion(area, true, true);
}

void ClientView::FinishPaint() {
    if (!Pending) return;
    SliceTimer.stop();
    QRegion region = Pending->Region;
    DrawSlice(false);
    Pending.reset(); // also where a call threw
    update(region);
}

void ClientView::DropPaint() {
    SliceTimer.stop();
    Pending.reset();
}

// Fills the region with the background straight into the scan lines: the painter would hand a
// large fill to worker threads, which only adds waiting to every repaint.
void ClientView::EraseRegion(const QRegion& region) {
    const QRgb background = ToQColor(Owner->GetClassRecord().Background).rgb();
    const QRect buffer = BackBuffer.rect();
    for (const QRect& area : region) {
        const QRect r = area.intersected(buffer);
        for (int y = r.top(); y <= r.bottom(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(BackBuffer.scanLine(y));
            std::fill(line + r.left(), line + r.right() + 1, background);
        }
    }
}

} // namespace pl::detail
