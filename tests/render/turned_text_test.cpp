// A turned text beside its line, as the dimension, line-label and opening-label steps place it, turns
// the same way on the screen, on paper and in the bitmap, and no pixel of it lands on the line.
#include <gtest/gtest.h>

#include <QImage>

#include "platform/dc.h"
#include "render/window_setup.h"
#include "tests/render/render_fixture.h"

using namespace rendertest;

namespace {

constexpr int kWidth = 400, kHeight = 300;

enum class Output { Screen, Paper, Bitmap };

// One object painted alone onto a white image, one drawing unit a pixel in every output.
QImage Painted(TObject& object, Output output) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        TDC dc(image);
        if (output == Output::Bitmap) {
            object.PaintForPrint(dc, 0, 1, kHeight, 0);
        } else {
            render::SetUpDrawingWindow(dc, RECT{0, 0, kWidth, kHeight});
            if (output == Output::Screen)
                object.Paint(dc, RECT{0, 0, kWidth, kHeight}, 0);
            else
                object.PaintWide(dc);
        }
    }
    return image;
}

bool Dark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 160;
}

// The dark pixels of an image cut to their bounding box.
QImage InkOnly(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Dark(image, x, y)) box |= QRect(x, y, 1, 1);
    return image.copy(box);
}

// The share of the dark pixels of a that are dark in b too, both laid on their top-left corners.
double Overlap(const QImage& a, const QImage& b) {
    int dark = 0, both = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (!Dark(a, x, y)) continue;
            ++dark;
            both += x < b.width() && y < b.height() && Dark(b, x, y);
        }
    return dark == 0 ? 0.0 : double(both) / dark;
}

struct TurnedCase {
    const char* name;
    int32_t x1, y1, x2, y2; // the line, drawing units
    const char* text;
    int32_t x, y, angle, style; // the text as the step stores it
};

class TurnedText : public ::testing::TestWithParam<TurnedCase> {
protected:
    void SetUp() override { ResetForCanvas(kWidth, kHeight); }
    void TearDown() override { ObjectList.Flush(); }
};

TEST_P(TurnedText, LiesBesideItsLineTheSameWayInEveryOutput) {
    const TurnedCase c = GetParam();
    auto line = MakeLine(kGroundFloor, c.x1, c.y1, c.x2, c.y2);
    auto text = MakeText(kGroundFloor, kSizeLabel, c.x, c.y, c.text, kBlack, c.style, 24, c.angle);
    QImage screenInk;
    for (Output output : {Output::Screen, Output::Paper, Output::Bitmap}) {
        SCOPED_TRACE(int(output));
        const QImage lineAlone = Painted(*line, output);
        const QImage textAlone = Painted(*text, output);
        int onLine = 0, lineLength = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (Dark(lineAlone, x, y)) {
                    ++lineLength;
                    onLine += Dark(textAlone, x, y);
                }
        ASSERT_GT(lineLength, 100);
        EXPECT_EQ(onLine, 0) << "text pixels on the line";
        const QImage ink = InkOnly(textAlone);
        if (output == Output::Screen) {
            screenInk = ink;
            continue;
        }
        EXPECT_LE(std::abs(ink.width() - screenInk.width()), 2);
        EXPECT_LE(std::abs(ink.height() - screenInk.height()), 2);
        EXPECT_GT(Overlap(ink, screenInk), 0.5) << "turned as on the screen";
    }
}

// The line label of an upward line on its left (offset a quarter of the text height), a window's
// size label beside a wall drawn downwards, and the dimension of a wall at 45 degrees, off its
// left-hand side.
INSTANTIATE_TEST_SUITE_P(
    Labels, TurnedText,
    ::testing::Values(TurnedCase{"GardenLeftOfUpwardLine", 200, 30, 200, 270, "GARDEN", 193, 150, 2700, 6},
                      TurnedCase{"WindowLabelRightOfDownwardWall", 150, 280, 150, 20, "1800 w x 1350 h", 160,
                                 150, 2700, 4},
                      TurnedCase{"DimensionOfA45DegreeWall", 100, 50, 300, 250, "2828", 190, 160, 3150, 6}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
