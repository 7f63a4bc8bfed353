// One-pixel solid lines written as spans into the image must set exactly the pixels the per-pixel
// path sets: every slope, reach far off the image, clip regions of one or several rectangles and
// every raster operation, on a noise background so exclusive-or shows any pixel written twice.
#include <gtest/gtest.h>

#include <cstdint>
#include <QRegion>

#include "platform/dc.h"
#include "platform/pixel_path.h"
#include "tests/platform/pixel_probe.h"

namespace {

constexpr int kWidth = 120, kHeight = 90;

class ClippedDC : public TDC {
public:
    ClippedDC(QImage& image, const QRegion& clip) : TDC(image) { SetDeviceClip(clip); }
};

struct Random {
    uint32_t state;
    int32_t Below(int32_t n) {
        state = state * 1664525u + 1013904223u;
        return int32_t((state >> 8) % uint32_t(n));
    }
    int32_t Between(int32_t lo, int32_t hi) { return lo + Below(hi - lo + 1); }
};

// An end point on the image, just off it, far off it, or beyond the span writer's range.
POINT EndPoint(Random& r) {
    switch (r.Below(6)) {
    case 0:
        return {r.Between(-40000, 40000), r.Between(-40000, 40000)};
    case 1:
        return {r.Between(-1, 1) * (1 << 29) + r.Below(100), r.Between(-200, 200)};
    default:
        return {r.Between(-20, kWidth + 20), r.Between(-20, kHeight + 20)};
    }
}

QRegion ClipOf(Random& r) {
    QRegion region;
    const int rects = r.Below(4); // none: the whole image
    for (int i = 0; i < rects; ++i)
        region += QRect(r.Between(-10, kWidth), r.Between(-10, kHeight), r.Between(1, 70), r.Between(1, 50));
    return region;
}

// The per-pixel path: every pixel of the line inside the clip's bounds and the device, then
// tested against the region.
void DrawPerPixel(QImage& image, POINT from, POINT to, const QRegion& clip, QRgb rgb, int32_t rop) {
    const QRect device = image.rect();
    const QRect bounds = clip.isEmpty() ? device : clip.boundingRect().intersected(device);
    ForEachLinePixel(from, to, bounds, [&](int32_t x, int32_t y, int64_t) {
        if (!clip.isEmpty() && !clip.contains(QPoint(x, y))) return;
        QRgb& d = reinterpret_cast<QRgb*>(image.scanLine(y))[x];
        d = rop == R2_XORPEN ? (d ^ rgb) | 0xFF000000u : rop == R2_NOTXORPEN ? ~(d ^ rgb) | 0xFF000000u : rgb;
    });
}

TEST(LineSpans, SetExactlyThePixelsOfThePerPixelPath) {
    const QImage noise = pixelprobe::Noise(kWidth, kHeight);
    const int32_t rops[] = {R2_COPYPEN, R2_XORPEN, R2_NOTXORPEN};
    Random r{2024};
    for (int trial = 0; trial < 4000; ++trial) {
        const QRegion clip = ClipOf(r);
        const int32_t rop = rops[r.Below(3)];
        const COLORREF colour = RGB(r.Below(256), r.Below(256), r.Below(256));
        QImage fast = noise;
        QImage expected = noise;
        {
            ClippedDC dc(fast, clip);
            dc.SetROP2(rop);
            dc.SelectObject(TPen(colour));
            for (int k = 0; k < 4; ++k) {
                const POINT from = EndPoint(r);
                // Some lines run exactly along an axis or a diagonal.
                const int32_t shape = r.Below(4);
                const int32_t reach = r.Between(-300, 300);
                const POINT to = shape == 0   ? POINT{from.x + reach, from.y}
                                 : shape == 1 ? POINT{from.x, from.y + reach}
                                 : shape == 2 ? POINT{from.x + reach, from.y - reach}
                                              : EndPoint(r);
                dc.MoveTo(from.x, from.y);
                dc.LineTo(to.x, to.y);
                DrawPerPixel(expected, from, to, clip,
                             qRgb(GetRValue(colour), GetGValue(colour), GetBValue(colour)), rop);
            }
        }
        ASSERT_EQ(pixelprobe::CountDifferent(fast, expected), 0) << "trial " << trial;
    }
}

} // namespace
