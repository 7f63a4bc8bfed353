#include <gtest/gtest.h>

#include "platform/dc.h"
#include "tests/platform/pixel_probe.h"

using namespace pixelprobe;

namespace {

TEST(DCShapes, RectangleExcludesRightAndBottomWhateverTheCornerOrder) {
    const RECT boxes[] = {{10, 10, 20, 20}, {20, 20, 10, 10}, {20, 10, 10, 20}};
    for (const RECT& r : boxes) {
        QImage image = White();
        TDC dc(image);
        dc.SelectObject(TBrush(RGB(128, 128, 128)));
        dc.Rectangle(r);
        EXPECT_EQ(InkBounds(image), QRect(10, 10, 10, 10));
        EXPECT_EQ(image.pixel(10, 10), qRgb(0, 0, 0));
        EXPECT_EQ(image.pixel(19, 19), qRgb(0, 0, 0));
        EXPECT_EQ(image.pixel(15, 15), qRgb(128, 128, 128));
    }
}

TEST(DCShapes, NewContextOutlinesBlackAndFillsWhite) {
    QImage image = White();
    image.fill(Qt::red);
    TDC dc(image);
    dc.Rectangle(10, 10, 30, 30);
    EXPECT_EQ(image.pixel(10, 20), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(20, 20), qRgb(255, 255, 255));
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
    EXPECT_EQ(dc.GetBkColor(), RGB(255, 255, 255));
    EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 0));
    EXPECT_EQ(dc.GetROP2(), R2_COPYPEN);
    EXPECT_EQ(dc.GetTextAlign(), TA_LEFT | TA_TOP);
}

TEST(DCShapes, EllipseExcludesRightAndBottom) {
    QImage image = White();
    TDC dc(image);
    dc.SelectStockObject(NULL_BRUSH);
    dc.Ellipse(10, 10, 61, 31);
    EXPECT_EQ(InkBounds(image), QRect(10, 10, 51, 21));
    EXPECT_FALSE(Inked(image, 35, 20)) << "hollow brush";
}

TEST(DCShapes, StockBrushSelectionAndRestore) {
    QImage image = White();
    TDC dc(image);
    dc.SelectStockObject(BLACK_BRUSH);
    dc.Rectangle(10, 10, 30, 30);
    EXPECT_EQ(image.pixel(20, 20), qRgb(0, 0, 0));
    const TPen old = dc.SelectObject(TPen(RGB(255, 0, 0), 3, PS_DOT));
    EXPECT_EQ(old.Colour(), RGB(0, 0, 0));
    dc.SelectObject(TPen(RGB(0, 255, 0)));
    dc.SelectObject(TBrush(RGB(1, 2, 3)));
    dc.RestoreObjects();
    // Back to what the context held before the first selection of each kind.
    EXPECT_EQ(dc.GetPen(), TPen());
    EXPECT_TRUE(dc.GetBrush().Colour() == RGB(0, 0, 0) && !dc.GetBrush().IsHollow());
}

// A 2:1 ellipse centred on (100, 50): radius 100 across, 50 up and down.
TEST(DCShapes, ArcStartsOnTheRadialAndRunsCounterClockwise) {
    QImage image = White();
    {
        TDC dc(image);
        // From the radial at 45 degrees (up and right) to the radial at 180 degrees (left).
        dc.Arc(0, 0, 201, 101, 150, 0, 0, 50);
    }
    EXPECT_TRUE(Inked(image, 100, 0)) << "top lies within the sweep";
    EXPECT_FALSE(Inked(image, 100, 100)) << "bottom lies outside it";
    // The radial through (150, 0) cuts the ellipse near (144.7, 5.3); the parametric 45 degrees
    // would have started at (170.7, 14.6).
    bool nearRadial = false;
    for (int y = 3; y <= 8; ++y)
        for (int x = 142; x <= 147; ++x)
            nearRadial |= Inked(image, x, y);
    EXPECT_TRUE(nearRadial);
    bool beforeStart = false;
    for (int y = 10; y <= 20; ++y)
        for (int x = 165; x <= 176; ++x)
            beforeStart |= Inked(image, x, y);
    EXPECT_FALSE(beforeStart);
}

TEST(DCShapes, ArcAgreesOnYUpAndYDownMappings) {
    QImage down = White(210, 110);
    QImage up = White(210, 110);
    {
        TDC dc(down);
        dc.Arc(0, 0, 201, 101, 150, 0, 0, 50);
    }
    {
        TDC dc(up);
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowExtEx(1, 1);
        dc.SetViewportExtEx(1, -1);
        dc.SetViewportOrgEx(0, 100); // device y = 100 - logical y
        dc.Arc(0, 100, 201, -1, 150, 100, 0, 50);
    }
    EXPECT_GT(CountInked(down), 100);
    EXPECT_EQ(CountDifferent(down, up), 0);
}

TEST(DCShapes, EqualRadialsDrawTheWholeEllipse) {
    QImage arc = White();
    QImage ellipse = White();
    {
        TDC dc(arc);
        dc.Arc(20, 30, 181, 121, 190, 75, 190, 75);
    }
    {
        TDC dc(ellipse);
        dc.SelectStockObject(NULL_BRUSH);
        dc.Ellipse(20, 30, 181, 121);
    }
    EXPECT_EQ(CountDifferent(arc, ellipse), 0);
}

TEST(DCShapes, PolygonFillsAlternateAndClosesItself) {
    QImage image = White();
    TDC dc(image);
    const POINT star[5] = {{100, 10}, {160, 180}, {10, 70}, {190, 70}, {40, 180}};
    dc.SelectObject(TBrush(RGB(0, 0, 255)));
    dc.Polygon(star, 5);
    EXPECT_EQ(image.pixel(100, 100), qRgb(255, 255, 255)) << "the middle of a star stays open";
    EXPECT_EQ(image.pixel(100, 40), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(40, 180), qRgb(0, 0, 0)) << "closing vertex outlined";
}

TEST(DCShapes, FillRectIgnoresTheRasterOperationAndThePen) {
    QImage image = White();
    TDC dc(image);
    dc.SetROP2(R2_XORPEN);
    dc.FillRect(RECT{5, 5, 15, 25}, TBrush(RGB(10, 20, 30)));
    EXPECT_EQ(InkBounds(image), QRect(5, 5, 10, 20));
    EXPECT_EQ(image.pixel(5, 5), qRgb(10, 20, 30));
    EXPECT_EQ(dc.GetPixel(14, 24), RGB(10, 20, 30));
    EXPECT_EQ(dc.GetPixel(500, 5), CLR_INVALID);
}

TEST(DCShapes, RoundRectStaysInItsBox) {
    QImage image = White();
    TDC dc(image);
    dc.SelectStockObject(NULL_BRUSH);
    dc.RoundRect(10, 20, 110, 80, 30, 30);
    EXPECT_EQ(InkBounds(image), QRect(10, 20, 100, 60));
    EXPECT_FALSE(Inked(image, 10, 20)) << "corner is rounded off";
    EXPECT_TRUE(Inked(image, 60, 20));
}

TEST(DCShapes, DeviceCapsOfAScreenContext) {
    QImage image(300, 200, QImage::Format_RGB32);
    TDC dc(image);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), 96);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSY), 96);
    EXPECT_EQ(dc.GetDeviceCaps(HORZRES), 300);
    EXPECT_EQ(dc.GetDeviceCaps(VERTRES), 200);
    EXPECT_EQ(dc.GetDeviceCaps(TECHNOLOGY), DT_RASDISPLAY);
}

} // namespace

namespace {

// What a window's paint context does: limit drawing to the invalid region.
class ClippedDC : public TDC {
public:
    ClippedDC(QImage& image, const QRegion& region) : TDC(image) { SetDeviceClip(region); }
};

TEST(DCShapes, DeviceClipLimitsEveryPrimitive) {
    QImage image = White();
    {
        ClippedDC dc(image, QRegion(50, 50, 100, 100) - QRegion(90, 90, 20, 20));
        dc.SelectObject(TBrush(RGB(0, 0, 255)));
        dc.Rectangle(0, 0, 200, 200);
        dc.MoveTo(0, 100);
        dc.LineTo(199, 100);
        dc.SetBkMode(TRANSPARENT);
        dc.TextOut(0, 0, "WWWWWWWWWWWWWWWWWWWW");
        EXPECT_EQ(dc.DrawnBounds(), QRect(50, 50, 100, 100));
    }
    EXPECT_EQ(InkBounds(image), QRect(50, 50, 100, 100));
    EXPECT_FALSE(Inked(image, 100, 100)) << "hole in the region";
    EXPECT_EQ(image.pixel(60, 100), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(60, 60), qRgb(0, 0, 255));
}

} // namespace
