#include "platform/window_dc.h"

#include "platform/detail/client_view.h"
#include "platform/window.h"

namespace {

// An image over the back buffer's own pixels: drawing on it is drawing on the buffer.
QImage SurfaceOver(QImage& buffer) {
    return QImage(buffer.bits(), buffer.width(), buffer.height(), buffer.bytesPerLine(), buffer.format());
}

} // namespace

TClientDC::TClientDC(HWND window)
    : Window(window), Hold([this] {
          if (Window) Window->BackBuffer();
      }) {
    pl::detail::ClientView* view = window ? window->View() : nullptr;
    if (view) {
        view->DcStarted();
        Surface = SurfaceOver(view->BufferSoFar());
        if (view->Painting()) RecordInto(&Hold);
    } else {
        // A window without a back buffer: drawing goes nowhere, as on a hidden window.
        Window = nullptr;
        Surface = QImage(1, 1, QImage::Format_RGB32);
    }
    Attach(&Surface);
}

TClientDC::~TClientDC() {
    if (Window && Window->View()) Window->View()->DcEnded();
}

void TClientDC::OnDrawn(const QRect& deviceRect) {
    if (Window)
        Window->MarkDirty(
            TRect(deviceRect.left(), deviceRect.top(), deviceRect.right() + 1, deviceRect.bottom() + 1));
}

TPaintDC::TPaintDC(TWindow& window, const QRegion& region) : Window(window) {
    window.View()->DcStarted();
    // The view has drawn or dropped any paint still pending before it paints again.
    Surface = SurfaceOver(window.View()->BufferSoFar());
    Attach(&Surface);
    SetDeviceClip(region);
}

TPaintDC::~TPaintDC() {
    // Taken while the surface is this context's: another one may get its address.
    const QRect plain = TakePlainArea(&Surface);
    if (!Window.View()) return;
    if (!plain.isEmpty()) Window.View()->PlainDrawn(plain);
    Window.View()->DcEnded();
}
