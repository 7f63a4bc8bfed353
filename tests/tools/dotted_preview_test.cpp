// The dotted previews of the drawing tools keep their gaps: drawn by exclusive-or on a context that
// starts opaque, as every fresh window context does, the dots stay dots.
#include <gtest/gtest.h>

#include <QImage>

#include <functional>
#include <memory>

#include "document/program_state.h"
#include "platform/dc.h"
#include "tests/platform/pixel_probe.h"
#include "tools/line_tool.h"
#include "tools/wall_tools.h"
#include "tools/window_tool.h"

namespace {

struct PreviewCase {
    const char* name;
    std::function<void(TDC&)> draw; // in window units of 5 drawing units, y down
};

class DottedPreview : public ::testing::TestWithParam<PreviewCase> {
protected:
    void SetUp() override {
        ResetGlobals();
        ZoomDivisor = 5;
    }
    void TearDown() override { ResetGlobals(); }
};

// Along the row that holds the most of the preview the dots and gaps alternate, a few pixels each.
TEST_P(DottedPreview, LeavesGapsBetweenItsDots) {
    QImage image(600, 600, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        TDC dc(image);
        ASSERT_EQ(dc.GetBkMode(), OPAQUE);
        GetParam().draw(dc);
    }
    const pixelprobe::RowInk row = pixelprobe::FullestRow(image);
    ASSERT_GT(row.ink, 15);
    EXPECT_GE(row.runs, row.ink / 4) << row.ink << " pixels in " << row.runs << " runs";
}

INSTANTIATE_TEST_SUITE_P(Tools, DottedPreview,
                         ::testing::Values(PreviewCase{"LineRubberBand",
                                                       [](TDC& dc) {
                                                           TLinetool tool;
                                                           tool.X0 = 100, tool.Y0 = 500, tool.X1 = 1500,
                                                           tool.Y1 = 500;
                                                           tool.Draw(dc, 0);
                                                       }},
                                           PreviewCase{"InternalWallRubberBand",
                                                       [](TDC& dc) {
                                                           TIntwallobjtool tool;
                                                           tool.Dragging = 1;
                                                           tool.X0 = 100, tool.Y0 = 500, tool.X1 = 1500,
                                                           tool.Y1 = 500;
                                                           tool.Draw(dc, 0);
                                                       }},
                                           PreviewCase{"WindowCircle",
                                                       [](TDC& dc) {
                                                           TWindowobjtool tool;
                                                           tool.OpeningKind = 1, tool.OpeningWidth = 2400;
                                                           tool.X0 = 1500, tool.Y0 = 1500;
                                                           tool.Draw(dc, 0);
                                                       }}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
