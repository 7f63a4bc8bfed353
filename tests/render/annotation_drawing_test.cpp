// Arrows, dimensions and rooms on the screen.
#include "tests/render/render_fixture.h"

using namespace rendertest;

namespace {

class AnnotationDrawing : public CanvasTest {};

TEST_F(AnnotationDrawing, ArrowDrawsShaftHeadAndWitnessLine) {
    auto arrow = std::make_unique<TArrowobj>(kGroundFloor, kManualArrow, 1, 0, 0, 0, 100, 0, 300, 0, 150, 150,
                                             kRed, 120, 160, 120, 140, 100, 100, 100, 200);
    Paint(*arrow);
    EXPECT_EQ(canvas_->At(200, 150), kRed); // shaft
    EXPECT_EQ(canvas_->At(110, 155), kRed); // upper barb
    EXPECT_EQ(canvas_->At(110, 145), kRed); // lower barb
    EXPECT_EQ(canvas_->At(100, 120), kRed); // witness line
}

TEST_F(AnnotationDrawing, DimensionEndMarksMatchTheWorkedExample) {
    // Zoom 5, direction 900, P at (100, 200): head strokes from (20, 40) to (40, 45) and (40, 35),
    // the cross bar from (20, 40) to (20, 60) and (20, 20).
    ZoomDivisor = 5;
    auto dimension = MakeDimension(kGroundFloor, kManualDimension, 100, 200, 1000, 200, 1500, 200, 1100, 200,
                                   900, 1, kRed);
    Paint(*dimension);
    EXPECT_GT(canvas_->Count(kRed, 30, 42, 30, 43), 0);
    EXPECT_GT(canvas_->Count(kRed, 30, 37, 30, 38), 0);
    EXPECT_EQ(canvas_->At(20, 55), kRed);
    EXPECT_EQ(canvas_->At(20, 25), kRed);
    EXPECT_EQ(canvas_->At(100, 40), kRed);                // first segment P to (200, 40)
    EXPECT_NE(canvas_->At(210, 40), kRed);                // the gap for the length text
    EXPECT_EQ(canvas_->At(250, 40), kRed);                // second segment D to (220, 40)
    EXPECT_GT(canvas_->Count(kRed, 290, 42, 290, 43), 0); // head at D points the other way
    EXPECT_EQ(canvas_->At(300, 55), kRed);
}

TEST_F(AnnotationDrawing, OnlyThePlainHeadStyleAndSquareDirectionsDraw) {
    for (int32_t style : {2, 3, 4}) {
        auto dimension =
            MakeDimension(kGroundFloor, kAutoDimension, 100, 100, 200, 100, 300, 100, 200, 100, 900, style);
        Paint(*dimension);
    }
    auto oblique = MakeDimension(kGroundFloor, kAutoDimension, 100, 100, 200, 100, 300, 100, 200, 100, 450);
    Paint(*oblique);
    EXPECT_EQ(canvas_->InkCount(), 0);
}

TEST_F(AnnotationDrawing, Direction3600DrawsAsZero) {
    auto at0 = MakeDimension(kGroundFloor, kAutoDimension, 150, 50, 150, 120, 150, 250, 150, 180, 0);
    Paint(*at0);
    const QImage zero = canvas_->Image().copy();
    Canvas other;
    other.SetUpWindow();
    auto at3600 = MakeDimension(kGroundFloor, kAutoDimension, 150, 50, 150, 120, 150, 250, 150, 180, 3600);
    at3600->Paint(other.Dc(), other.Client(), 0);
    EXPECT_GT(canvas_->InkCount(), 0);
    EXPECT_TRUE(zero == other.Image());
}

TEST_F(AnnotationDrawing, RoomIsFilledAndOutlinedAndItsLabelsStayInThePenColour) {
    PenColour = kGreen;
    auto room = MakeRoom(kGroundFloor, kDesignRoom, 50, 250, 350, 50, "BED", kFill, 8);
    room->SetWidthText("3.00");
    Paint(*room, 1);
    EXPECT_EQ(canvas_->At(60, 240), kFill);
    EXPECT_EQ(canvas_->At(200, 250), kSelect); // outline in the select colour
    EXPECT_GT(canvas_->CountAll(kGreen), 20);  // labels in PenColour
    EXPECT_EQ(canvas_->CountAll(kBlack), 0);
}

TEST_F(AnnotationDrawing, RoomOnTheWallMarkingViewIsNotFilled) {
    for (int32_t view : {45, 49}) {
        CurrentView = view;
        Canvas canvas;
        canvas.SetUpWindow();
        auto room = MakeRoom(40, kDesignRoom, 50, 250, 350, 50, "", kFill, 8);
        room->Paint(canvas.Dc(), canvas.Client(), 0);
        EXPECT_EQ(canvas.At(60, 240), kWhite) << view;
    }
    for (int32_t view : {40, 50}) {
        CurrentView = view;
        Canvas canvas;
        canvas.SetUpWindow();
        auto room = MakeRoom(40, kDesignRoom, 50, 250, 350, 50, "", kFill, 8);
        room->Paint(canvas.Dc(), canvas.Client(), 0);
        EXPECT_EQ(canvas.At(60, 240), kFill) << view;
    }
}

struct WideningCase {
    int32_t penScale;
    float penScaleF;
    int32_t d;
};

class RoomWidening : public AnnotationDrawing, public ::testing::WithParamInterface<WideningCase> {};

TEST_P(RoomWidening, OutlineGrowsRightAndDown) {
    PenScale = GetParam().penScale;
    PenScaleF = GetParam().penScaleF;
    const int32_t d = GetParam().d;
    auto room = MakeRoom(kGroundFloor, kDesignRoom, 100, 200, 200, 100, "", kFill, 8);
    room->colour = kRed;
    Paint(*room);
    // The box reaches x 200 + d - 1 and y 100 - d + 1 (right and bottom edges excluded).
    EXPECT_EQ(canvas_->At(200 + d - 1, 150), kRed);
    EXPECT_EQ(canvas_->At(200 + d, 150), kWhite);
    EXPECT_EQ(canvas_->At(150, 100 - d + 1), kRed);
    EXPECT_EQ(canvas_->At(150, 100 - d), kWhite);
}

INSTANTIATE_TEST_SUITE_P(PenScales, RoomWidening,
                         ::testing::Values(WideningCase{5, 5.0f, 5}, WideningCase{5, 2.5f, 3},
                                           WideningCase{5, 2.4f, 2}, WideningCase{1, 1.0f, 1}));

TEST_F(AnnotationDrawing, LongNamesTurnTheLabels) {
    // A name far wider than its room runs down the room instead of across it.
    auto narrow = MakeRoom(kGroundFloor, kDesignRoom, 180, 290, 220, 10, "BATHROOM", kWhite, 20);
    Paint(*narrow);
    EXPECT_GT(canvas_->Count(kBlack, 150, 60, 250, 240), 50);
    // Inside the room, the turned text's ink is taller than wide.
    int32_t inkTop = -1, inkBottom = 1000, inkLeft = 1000, inkRight = -1;
    for (int32_t x = 150; x <= 250; ++x)
        for (int32_t y = 60; y <= 240; ++y)
            if (canvas_->At(x, y) == kBlack && x > 181 && x < 219) {
                inkTop = std::max(inkTop, y);
                inkBottom = std::min(inkBottom, y);
                inkLeft = std::min(inkLeft, x);
                inkRight = std::max(inkRight, x);
            }
    EXPECT_GT(inkTop - inkBottom, 2 * (inkRight - inkLeft));
}

TEST_F(AnnotationDrawing, WideRoomsKeepTheLabelsLevel) {
    auto wide = MakeRoom(kGroundFloor, kDesignRoom, 20, 250, 380, 50, "BATHROOM", kWhite, 20);
    wide->SetWidthText("3.60");
    wide->SetLengthText("2.00");
    Paint(*wide);
    int32_t inkTop = -1, inkBottom = 1000, inkLeft = 1000, inkRight = -1;
    for (int32_t x = 30; x <= 370; ++x)
        for (int32_t y = 60; y <= 240; ++y)
            if (canvas_->At(x, y) == kBlack) {
                inkTop = std::max(inkTop, y);
                inkBottom = std::min(inkBottom, y);
                inkLeft = std::min(inkLeft, x);
                inkRight = std::max(inkRight, x);
            }
    EXPECT_GT(inkRight - inkLeft, inkTop - inkBottom);
    // Three lines stacked below the centre (150): the name sits on it, the sizes below.
    EXPECT_LE(inkTop, 150 + 3 * 20);
    EXPECT_LT(inkBottom, 150 - 20);
}

TEST_F(AnnotationDrawing, DamagedLengthsAndSizesAreHarmless) {
    auto room = MakeRoom(kGroundFloor, kDesignRoom, 20, 250, 380, 50, "HALL", kWhite, 10);
    room->nameLength = 5000; // a damaged record
    room->widthTextLength = -3;
    room->value2 = 2000000000; // and an absurd label size
    room->x1 = 2100000000;
    room->value3 = 2100000000;
    Paint(*room);
    auto text = MakeText(kGroundFloor, kText, 20, 20, "HUGE", kBlack, 5, 2000000000);
    PenScale = 1000;
    Paint(*text);
    SUCCEED();
}

} // namespace
