// The Line + Text label: the text of CFG/LTEXT.CFG written beside the line just drawn.
#include <gtest/gtest.h>

#include <QImage>

#include <cstdio>
#include <memory>

#include "document/document.h"
#include "document/program_state.h"
#include "platform/dc.h"
#include "tests/support/drawing_fixture.h"
#include "tools/line_modes.h"
#include "tools/line_text_file.h"
#include "tools/line_tool.h"

namespace {

class LineLabel : public testsupport::DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        std::snprintf(ObjectList.DefaultFontName, sizeof ObjectList.DefaultFontName, "DejaVu Sans");
        CurrentView = kGroundFloor;
        MetricUnits = 1;
        ZoomDivisor = PenScale = 5; // the window at its normal metric scale
        image.fill(Qt::white);
        tool.Mode = 51;
    }

    void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
        ObjectList.Add(
            std::make_unique<TLineobj>(CurrentView, kLine, 1, 0, 0, 0, x1, 0, x2, 0, y1, y2, 0, 0, 0));
    }
    const TTextobj* Label() const {
        const TObject* last = ObjectList[ObjectList.count - 1];
        return last->kind == kSizeLabel ? dynamic_cast<const TTextobj*>(last) : nullptr;
    }
    void Show() { tool.ShowLengthLabel(dc, client, 0, 0); }
    int32_t Ink() const {
        int32_t n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += qGray(image.pixel(x, y)) < 128;
        return n;
    }

    QImage image{400, 300, QImage::Format_RGB32};
    TDC dc{image};
    TRect client{0, 0, 400, 300};
    TLineobjtool tool;
};

TEST_F(LineLabel, LeftToRightLineOnSideOneGetsItsLabelAboveAndCentred) {
    dir.WriteFile("CFG/LTEXT.CFG", "1 4/nHALL");
    Line(1000, 1000, 5000, 1000);
    Show();
    const TTextobj* label = Label();
    ASSERT_NE(label, nullptr);
    EXPECT_STREQ(label->text, "HALL");
    EXPECT_EQ(label->x1, 3000);
    EXPECT_GT(label->y1, 1000);
    EXPECT_EQ(label->style, 6);
    EXPECT_EQ(label->angle, 0);
    EXPECT_EQ(label->x2, 900);
    EXPECT_EQ(label->height, 9);
    EXPECT_EQ(tool.Mode, linemode::kLineText);
    EXPECT_GT(Ink(), 0); // drawn at once
}

struct SideCase {
    int32_t x1, y1, x2, y2;
    int32_t side;
    bool above; // the label's anchor lies above the line's midpoint
};

class LabelSide : public LineLabel, public ::testing::WithParamInterface<SideCase> {};

// Side 1 is the upper side of every line, whichever way it was drawn; side 2 the lower.
TEST_P(LabelSide, LiesOnTheChosenSide) {
    const SideCase& c = GetParam();
    dir.WriteFile("CFG/LTEXT.CFG", std::to_string(c.side) + " 2/nWC");
    Line(c.x1, c.y1, c.x2, c.y2);
    Show();
    ASSERT_NE(Label(), nullptr);
    const int32_t midY = c.y1 + (c.y2 - c.y1) / 2;
    EXPECT_EQ(Label()->y1 > midY, c.above);
    EXPECT_EQ(Label()->style, c.side == 1 ? 6 : 4);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LabelSide,
    ::testing::Values(SideCase{1000, 1000, 5000, 3000, 1, true}, SideCase{1000, 1000, 5000, 3000, 2, false},
                      SideCase{5000, 1000, 1000, 3000, 1, true}, SideCase{1000, 3000, 5000, 1000, 2, false},
                      SideCase{5000, 3000, 1000, 1000, 1, true}, SideCase{5000, 3000, 1000, 1000, 2, false}));

TEST_F(LineLabel, EmptyTextOnlySetsTheMode) {
    Line(1000, 1000, 5000, 1000);
    Show();
    EXPECT_EQ(Label(), nullptr);
    EXPECT_EQ(ObjectList.count, 1);
    EXPECT_EQ(tool.Mode, linemode::kLineText);
}

TEST_F(LineLabel, TextAsLastObjectChangesNothing) {
    dir.WriteFile("CFG/LTEXT.CFG", "1 4/nHALL");
    ObjectList.Add(std::make_unique<TTextobj>(CurrentView, kText, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "A", "", 0,
                                              1, 400, 10));
    Show();
    EXPECT_EQ(ObjectList.count, 1);
    EXPECT_EQ(tool.Mode, 51);
}

TEST_F(LineLabel, WeightFiveHundredDrawsBold) {
    dir.WriteFile("CFG/LTEXT.CFG", "1 8/nBATHROOM");
    Line(1000, 1000, 5000, 1000);
    Show();
    const int32_t normal = Ink();
    ObjectList.RemoveAt(ObjectList.count - 1);
    image.fill(Qt::white);
    DefaultTextWeight = 500;
    Show();
    EXPECT_GT(Ink(), normal);
}

TEST(LineTextFile, LengthIsClampedAndNeverNegative) {
    ResetGlobals();
    testsupport::ProgramDirectory dir;
    ObjectList.ProgramDirectory = dir.Path();
    dir.WriteFile("CFG/LTEXT.CFG", "2 30/nABCDEFGHIJKLMNOPQRSTUVWXYZ1234");
    const LineText longText = ReadLineTextFile();
    EXPECT_EQ(longText.side, 2);
    EXPECT_EQ(longText.text, "ABCDEFGHIJKLMNOPQRSTU");
    dir.WriteFile("CFG/LTEXT.CFG", "1 -5/nABC");
    EXPECT_EQ(ReadLineTextFile().text, "");
}

} // namespace
