#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <QPainter>

#include "platform/dc.h"
#include "tests/platform/pixel_probe.h"

using namespace pixelprobe;

namespace {

using Drawing = std::function<void(TDC&)>;

// Draws twice with the raster operation on noise; every pixel must come back.
void ExpectRestoredAfterTwoPasses(const Drawing& draw, int32_t rop, bool yUp = false) {
    const QImage original = Noise();
    QImage image = original;
    for (int pass = 0; pass < 2; ++pass) {
        TDC dc(image);
        if (yUp) {
            dc.SetMapMode(MM_ISOTROPIC);
            dc.SetWindowExtEx(100, 100);
            dc.SetViewportExtEx(100, -100);
            dc.SetViewportOrgEx(0, 199);
        }
        dc.SetROP2(rop);
        draw(dc);
        if (pass == 0) {
            EXPECT_GT(CountDifferent(image, original), 0) << "the first pass drew nothing";
        }
    }
    EXPECT_EQ(CountDifferent(image, original), 0);
}

struct Shape {
    const char* name;
    Drawing draw;
};

std::vector<Shape> Shapes() {
    std::vector<Shape> shapes;
    for (int i = 0; i < 16; ++i) {
        shapes.push_back({"line", [i](TDC& dc) {
                              const double a = i * 3.14159265358979 / 8;
                              dc.SelectObject(TPen(RGB(0x5A, 0xC3, 0x0F)));
                              dc.MoveTo(100, 100);
                              dc.LineTo(100 + int32_t(std::lround(70 * std::cos(a))),
                                        100 + int32_t(std::lround(37 * std::sin(a))));
                          }});
    }
    shapes.push_back({"rectangle", [](TDC& dc) {
                          dc.SelectObject(TPen(RGB(200, 10, 99)));
                          dc.SelectObject(TBrush(RGB(3, 40, 250)));
                          dc.Rectangle(20, 30, 150, 90);
                      }});
    shapes.push_back({"hollow ellipse", [](TDC& dc) {
                          dc.SelectStockObject(NULL_BRUSH);
                          dc.SelectObject(TPen(RGB(255, 128, 1)));
                          dc.Ellipse(10, 20, 190, 120);
                      }});
    shapes.push_back({"filled ellipse", [](TDC& dc) {
                          dc.SelectObject(TBrush(RGB(20, 200, 100)));
                          dc.Ellipse(30, 20, 101, 160);
                      }});
    shapes.push_back({"polygon", [](TDC& dc) {
                          const POINT star[5] = {{100, 10}, {160, 180}, {10, 70}, {190, 70}, {40, 180}};
                          dc.SelectObject(TBrush(RGB(90, 90, 0)));
                          dc.Polygon(star, 5);
                      }});
    shapes.push_back({"polyline", [](TDC& dc) {
                          const POINT zig[5] = {{10, 10}, {60, 150}, {110, 20}, {160, 150}, {10, 10}};
                          dc.SelectObject(TPen(RGB(7, 77, 177)));
                          dc.Polyline(zig, 5);
                      }});
    shapes.push_back({"wide pen", [](TDC& dc) {
                          dc.SelectObject(TPen(RGB(0, 255, 255), 5));
                          dc.MoveTo(20, 30);
                          dc.LineTo(170, 140);
                      }});
    shapes.push_back({"wide ellipse", [](TDC& dc) {
                          dc.SelectObject(TPen(RGB(255, 0, 0), 3));
                          dc.SelectStockObject(NULL_BRUSH);
                          dc.Ellipse(20, 20, 180, 150);
                      }});
    shapes.push_back({"dashed opaque", [](TDC& dc) {
                          dc.SelectObject(TPen(RGB(255, 255, 0), 0, PS_DASHDOT));
                          dc.SetBkMode(OPAQUE);
                          dc.SetBkColor(RGB(0, 0, 255));
                          dc.MoveTo(5, 190);
                          dc.LineTo(195, 7);
                      }});
    shapes.push_back({"arc and round rectangle", [](TDC& dc) {
                          dc.SelectStockObject(NULL_BRUSH);
                          dc.SelectObject(TPen(RGB(70, 7, 17)));
                          dc.Arc(10, 10, 190, 150, 190, 10, 10, 150);
                          dc.RoundRect(30, 30, 170, 170, 40, 20);
                      }});
    return shapes;
}

TEST(DCExclusiveOr, DrawingTwiceRestoresEveryPixel) {
    for (const Shape& shape : Shapes()) {
        SCOPED_TRACE(shape.name);
        ExpectRestoredAfterTwoPasses(shape.draw, R2_XORPEN);
        ExpectRestoredAfterTwoPasses(shape.draw, R2_NOTXORPEN);
        ExpectRestoredAfterTwoPasses(shape.draw, R2_XORPEN, true);
    }
}

TEST(DCExclusiveOr, OnePassCombinesEachChannelWithThePen) {
    const QImage original = Noise();
    for (int32_t rop : {R2_XORPEN, R2_NOTXORPEN}) {
        QImage image = original;
        TDC dc(image);
        dc.SetROP2(rop);
        const COLORREF pen = RGB(0x12, 0x34, 0x56);
        dc.SelectObject(TPen(pen));
        dc.MoveTo(10, 50);
        dc.LineTo(150, 50);
        const QRgb penRgb = qRgb(0x12, 0x34, 0x56);
        for (int x = 10; x < 150; x += 7) {
            const QRgb before = original.pixel(x, 50);
            const QRgb expected =
                rop == R2_XORPEN ? ((before ^ penRgb) | 0xFF000000u) : (~(before ^ penRgb) | 0xFF000000u);
            EXPECT_EQ(image.pixel(x, 50), expected) << x;
        }
        EXPECT_EQ(image.pixel(150, 50), original.pixel(150, 50)) << "end pixel";
    }
}

TEST(DCExclusiveOr, NotXorWithAWhitePenChangesNothing) {
    const QImage original = Noise();
    QImage image = original;
    TDC dc(image);
    dc.SetROP2(R2_NOTXORPEN);
    dc.SelectObject(TPen(RGB(255, 255, 255)));
    dc.MoveTo(0, 0);
    dc.LineTo(199, 199);
    EXPECT_EQ(CountDifferent(image, original), 0);
}

TEST(DCExclusiveOr, ClosedOutlineDrawnWithLineToKeepsItsCorners) {
    QImage image = White();
    TDC dc(image);
    dc.SetROP2(R2_XORPEN);
    dc.SelectObject(TPen(RGB(255, 255, 255))); // white ^ white = black
    const POINT corners[4] = {{20, 20}, {150, 35}, {120, 170}, {30, 140}};
    dc.MoveTo(corners[0]);
    for (int i = 1; i <= 4; ++i)
        dc.LineTo(corners[i % 4]);
    for (const POINT& p : corners)
        EXPECT_EQ(image.pixel(p.x, p.y), qRgb(0, 0, 0)) << p.x << "," << p.y;
}

TEST(DCLines, LineToLeavesOutItsEndPixel) {
    QImage image = White();
    TDC dc(image);
    dc.MoveTo(10, 10);
    dc.LineTo(20, 10);
    EXPECT_TRUE(Inked(image, 10, 10));
    EXPECT_TRUE(Inked(image, 19, 10));
    EXPECT_FALSE(Inked(image, 20, 10));
    EXPECT_EQ(CountInked(image), 10);
    const POINT now = dc.GetCurrentPosition();
    EXPECT_EQ(now.x, 20);
}

TEST(DCLines, PixelPathDoesNotDependOnDirection) {
    for (int i = 0; i < 16; ++i) {
        const double a = i * 3.14159265358979 / 8 + 0.1;
        const POINT a0{100, 100};
        const POINT b0{100 + int32_t(std::lround(80 * std::cos(a))),
                       100 + int32_t(std::lround(43 * std::sin(a)))};
        QImage forward = White();
        QImage backward = White();
        {
            TDC dc(forward);
            dc.MoveTo(a0);
            dc.LineTo(b0);
            dc.SetPixel(b0.x, b0.y, RGB(0, 0, 0));
        }
        {
            TDC dc(backward);
            dc.MoveTo(b0);
            dc.LineTo(a0);
            dc.SetPixel(a0.x, a0.y, RGB(0, 0, 0));
        }
        EXPECT_EQ(CountDifferent(forward, backward), 0) << "direction " << i;
    }
}

TEST(DCLines, ClippedPainterDrawsTheSamePixelsAsTheImagePath) {
    QImage direct = White();
    QImage painted = White();
    auto draw = [](TDC& dc) {
        dc.SelectObject(TPen(RGB(0, 0, 0), 0, PS_DOT));
        dc.MoveTo(3, 7);
        dc.LineTo(180, 133);
        dc.LineTo(20, 190);
    };
    {
        TDC dc(direct);
        draw(dc);
    }
    {
        QPainter painter(&painted);
        painter.setClipRect(QRect(0, 0, 200, 200)); // forces drawing through the painter
        TDC dc(&painter);
        draw(dc);
    }
    EXPECT_GT(CountInked(direct), 50);
    EXPECT_EQ(CountDifferent(direct, painted), 0);
}

TEST(DCLines, DashPatternRestartsAtEveryMove) {
    QImage image = White();
    TDC dc(image);
    dc.SetBkMode(TRANSPARENT);
    dc.SelectObject(TPen(RGB(0, 0, 0), 1, PS_DASH));
    dc.MoveTo(0, 10);
    dc.LineTo(100, 10);
    for (int x = 0; x < 18; ++x)
        EXPECT_TRUE(Inked(image, x, 10)) << x;
    for (int x = 18; x < 24; ++x)
        EXPECT_FALSE(Inked(image, x, 10)) << x;
    EXPECT_TRUE(Inked(image, 24, 10));
    dc.MoveTo(0, 20);
    dc.LineTo(10, 20);
    dc.LineTo(30, 20); // continues the pattern: gap at 18..23
    EXPECT_TRUE(Inked(image, 17, 20));
    EXPECT_FALSE(Inked(image, 20, 20));
}

// A wide styled pen keeps its style: the dots of PS_DOT are three widths long with three-width gaps.
TEST(DCLines, WideStyledPenKeepsItsPatternScaledToItsWidth) {
    QImage image = White();
    TDC dc(image);
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExtEx(100, 100);
    dc.SetViewportExtEx(200, 200);
    dc.SelectObject(TPen(RGB(0, 0, 0), 5, PS_DOT)); // 10 pixels wide
    dc.MoveTo(10, 50);
    dc.LineTo(90, 50); // device x 20 to 180
    int column = 0;
    for (int y = 0; y < 200; ++y)
        column += Inked(image, 30, y);
    EXPECT_EQ(column, 10);
    int runs = 0, ink = 0;
    for (int x = 1; x < 200; ++x) {
        ink += Inked(image, x, 100);
        runs += Inked(image, x, 100) && !Inked(image, x - 1, 100);
    }
    EXPECT_EQ(runs, 3); // 20-50, 80-110, 140-170
    EXPECT_NEAR(ink, 90, 3);
}

TEST(DCLines, ReportsWhatItDrew) {
    class Recording : public TDC {
    public:
        explicit Recording(QImage& image) : TDC(image) {}
        QRect seen;

    protected:
        void OnDrawn(const QRect& r) override { seen |= r; }
    };
    QImage image = White();
    Recording dc(image);
    dc.MoveTo(-50, 20);
    dc.LineTo(60, 30);
    EXPECT_TRUE(dc.seen.contains(QRect(0, 20, 60, 11)));
    EXPECT_TRUE(image.rect().contains(dc.seen));
    EXPECT_EQ(dc.seen, dc.DrawnBounds());
}

} // namespace
