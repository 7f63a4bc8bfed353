// The widget behind a window's client area: owns the back buffer (RGB32, client size), keeps the
// invalid region, and turns Qt's input events into the window's messages.
#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <QImage>
#include <QRegion>
#include <QTimer>
#include <QWidget>

#include "platform/draw_record.h"
#include "platform/geometry.h"
#include "platform/window_dc.h"

class QScrollBar;
class TWindow;

namespace pl::detail {

class ClientView : public QWidget {
public:
    ClientView(TWindow* owner, QWidget* parent);
    ~ClientView() override;

    void Detach();
    TWindow* GetOwner() const { return Owner; }

    // The back buffer, with every paint begun fully drawn into it.
    QImage& Buffer();
    // The back buffer as the paints have drawn it so far.
    QImage& BufferSoFar() { return BackBuffer; }
    // True while a paint is being recorded or drawn in slices, or turned texts it drew plain wait
    // for their inking.
    bool Painting() const { return Pending || Recording || !PlainArea.isEmpty(); }
    void Invalidate(const QRegion& region, bool erase);
    // Paints the invalid region into the back buffer now (the screen shows it on the next turn). What
    // a heavy paint draws past its first slice is recorded now and drawn in short slices between the
    // window's events; whatever reads or draws on the buffer meanwhile has the rest drawn first.
    void PaintInvalid();
    bool HasInvalid() const { return !InvalidRegion.isEmpty(); }
    // True while a paint is still being drawn in slices, or its turned texts inked.
    bool PaintPending() const { return Pending != nullptr || !PlainArea.isEmpty(); }
    // A paint draws its first `atOnce` calls at once and goes on drawing at once for `slice`; the
    // rest is drawn in slices of about `slice` between the window's events.
    static void SetPaintSlices(std::size_t atOnce, std::chrono::microseconds slice);
    // Whether a paint draws turned texts it has never inked plain, leaving the search for their
    // inkings to slices of about the paint's slice, after which it paints them again.
    static void SetPutOffInking(bool putOff);
    // The device pixels a paint's context drew plain, to paint again once the texts are inked.
    void PlainDrawn(const QRect& area);

    // Size messages wait until the window is set up.
    void EnableSizeMessages() { SizeMessages = true; }
    void SendSize();

    // Device contexts on the back buffer: the buffer is never reallocated under one.
    void DcStarted() { ++ActiveDcs; }
    void DcEnded();

    // Scroll bars beside the view (made by MakeClientPane); null when the pane has none.
    QScrollBar* Bar(int bar) const { return bar == 0 ? HBar : VBar; }
    void SetBars(QScrollBar* h, QScrollBar* v) { HBar = h, VBar = v; }
    int& BarPos(int bar) { return bar == 0 ? HPos : VPos; }
    bool InBarAction = false;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // A paint recorded and not yet drawn whole. The context that recorded it draws it too, so the
    // calls meet the state they were made in.
    struct PendingPaint {
        std::unique_ptr<TPaintDC> Dc;
        TDrawRecord Record;
        QRegion Region;
        TDrawRecord::Clock::time_point Shown = TDrawRecord::Clock::now(); // when the screen last showed it
    };

    void Reallocate();
    // Draws the next slice of the pending paint, all of it unless `timed`.
    void DrawSlice(bool timed);
    void FinishPaint();
    void DropPaint();
    // Paints `region` into the buffer; `atOnce` draws all of it now, turned texts inked.
    void PaintRegion(const QRegion& region, bool erase, bool atOnce);
    // Inks a slice of the turned texts put off; once all are inked, their area is painted again.
    void InkSlice();
    // Draws the pending paint and inks every turned text put off, painting them again, now.
    void FinishInking();
    void EraseRegion(const QRegion& region);
    void MouseMessage(unsigned message, QMouseEvent* event);

    TWindow* Owner;
    QImage BackBuffer;
    QRegion InvalidRegion;
    bool EraseInvalid = false;
    bool SizeMessages = false;
    QSize LastSentSize;
    bool ResizePending = false;
    int ActiveDcs = 0;
    std::unique_ptr<PendingPaint> Pending;
    PendingPaint* Recording = nullptr; // the paint whose calls are being recorded
    QRegion PlainArea;                 // turned texts drawn plain, to paint again once inked
    QTimer SliceTimer;
    QScrollBar* HBar = nullptr;
    QScrollBar* VBar = nullptr;
    int HPos = 0;
    int VPos = 0;
};

// A client view with its two scroll bars (hidden unless the window's style asks for them).
QWidget* MakeClientPane(TWindow* owner, QWidget* parent, ClientView** view);

} // namespace pl::detail
