#include <gtest/gtest.h>

#include <QImage>

#include "document/coordinate_mapping.h"
#include "document/program_state.h"
#include "platform/dc.h"

namespace {

class CoordinateMappingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGlobals();
        ViewExtentX = 624, ViewExtentY = 346, ScrollOriginX = 120, ScrollOriginY = 80;
    }
    QImage image{800, 600, QImage::Format_RGB32};
    TDC dc{image};
    RECT client{0, 0, 800, 600};
};

TEST_F(CoordinateMappingTest, BottomLeftPixelIsTheScrollOrigin) {
    int32_t x = 0, y = 0;
    EXPECT_EQ(ClientToDrawing(nullptr, dc, client, 0, 600, &x, &y), 1);
    EXPECT_EQ(x, 120);
    EXPECT_EQ(y, 80);
}

TEST_F(CoordinateMappingTest, YGrowsUpAndBothAxesShareOneScale) {
    int32_t x0, y0, x1, y1;
    ASSERT_EQ(ClientToDrawing(nullptr, dc, client, 0, 600, &x0, &y0), 1);
    ASSERT_EQ(ClientToDrawing(nullptr, dc, client, 400, 200, &x1, &y1), 1);
    EXPECT_GT(y1, y0);
    EXPECT_NEAR(x1 - x0, y1 - y0, 1);
}

TEST_F(CoordinateMappingTest, RoundTripGivesThePixelBack) {
    for (auto [px, py] : {std::pair{0, 0}, {799, 599}, {123, 456}, {400, 300}}) {
        int32_t lx, ly, dx, dy;
        ASSERT_EQ(ClientToDrawing(nullptr, dc, client, px, py, &lx, &ly), 1);
        ASSERT_EQ(DrawingToClient(nullptr, dc, client, lx, ly, &dx, &dy), 1);
        EXPECT_NEAR(dx, px, 1);
        EXPECT_NEAR(dy, py, 1);
    }
}

TEST_F(CoordinateMappingTest, AZeroExtentKeepsTheInputPoint) {
    ViewExtentX = 0;
    ViewExtentY = 0;
    int32_t x = -1, y = -1;
    ClientToDrawing(nullptr, dc, client, 5, 7, &x, &y);
    // Whatever the layer decides, both outputs are written and nothing crashes.
    EXPECT_NE(x, -1);
    EXPECT_NE(y, -1);
}

} // namespace
