// Device contexts on a window. A client DC draws into the window's back buffer; what it draws
// reaches the screen on the next turn of the event loop. A paint still being drawn in slices is
// finished before a client DC's first drawing call, so a DC that only maps points waits for
// nothing. A paint DC is made by the layer for Paint, clipped to the invalid region. Each context
// paints on its own image over the buffer's memory, so a paint can run while a client DC of a tool
// call is still open.
#pragma once

#include <QImage>
#include <QRegion>

#include "platform/dc.h"
#include "platform/draw_record.h"
#include "platform/geometry.h"

namespace pl::detail {
// Holds a context's image; a base listed before TDC, so it outlives the context's painter.
struct SurfaceHolder {
    QImage Surface;
};
} // namespace pl::detail

class TClientDC : private pl::detail::SurfaceHolder, public TDC {
public:
    explicit TClientDC(HWND window);
    ~TClientDC() override;

protected:
    void OnDrawn(const QRect& deviceRect) override;

private:
    TWindow* Window;
    TDrawRecord Hold;
};

class TPaintDC : private pl::detail::SurfaceHolder, public TDC {
public:
    // On the window's back buffer, limited to the region.
    TPaintDC(TWindow& window, const QRegion& region);
    ~TPaintDC() override;

private:
    TWindow& Window;
};
