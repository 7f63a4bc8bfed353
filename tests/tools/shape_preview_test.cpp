// The shape tools' previews: drawn by exclusive-or, so a second pass puts every pixel back, and the
// rubber band shows over the white sheet.
#include <gtest/gtest.h>

#include <QImage>

#include <memory>

#include "document/program_state.h"
#include "platform/dc.h"
#include "tools/shape_tools.h"

namespace {

class ShapePreview : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        ResetGlobals();
        ZoomDivisor = 5;
        image.fill(Qt::white);
    }
    void TearDown() override { ResetGlobals(); }

    std::unique_ptr<TLinetool> MakeTool() const {
        std::unique_ptr<TLinetool> tool;
        switch (GetParam()) {
        case 0:
            tool = std::make_unique<TRectangleobjtool>();
            break;
        case 1:
            tool = std::make_unique<TRndrectobjtool>();
            break;
        case 2:
            tool = std::make_unique<TEllipseobjtool>();
            break;
        case 3:
            tool = std::make_unique<TCircleobjtool>();
            break;
        default: {
            auto arc = std::make_unique<TArcobjtool>();
            arc->ArcStartX = 1500;
            arc->ArcStartY = 500;
            arc->ArcEndX = 100;
            arc->ArcEndY = 500;
            tool = std::move(arc);
        }
        }
        tool->X0 = 100;
        tool->Y0 = 100;
        tool->X1 = 1500;
        tool->Y1 = 900;
        tool->Count = 100;
        return tool;
    }

    QImage image{400, 300, QImage::Format_RGB32};
};

TEST_P(ShapePreview, SecondPassErasesTheFirst) {
    const QImage before = image.copy();
    TDC dc(image);
    auto tool = MakeTool();
    tool->Draw(dc, 0);
    EXPECT_NE(image, before) << "the preview shows";
    tool->Draw(dc, 0);
    EXPECT_EQ(image, before) << "and leaves nothing behind";
}

INSTANTIATE_TEST_SUITE_P(Shapes, ShapePreview, ::testing::Range(0, 5));

} // namespace
