// Lines, texts, shapes and polygons on the screen.
#include "tests/render/render_fixture.h"

using namespace rendertest;

namespace {

class SimpleObjectDrawing : public CanvasTest {};

TEST_F(SimpleObjectDrawing, CoordinatesAreDividedTowardZeroOneByOne) {
    // With zoom 5, -7 becomes -1 (not -2) and 1499 becomes 299.
    ZoomDivisor = 5;
    Canvas canvas(400, 300, -100, -100);
    ViewExtentX = 400;
    ViewExtentY = 300;
    ScrollOriginX = -100;
    ScrollOriginY = -100;
    canvas.SetUpWindow();
    auto line = MakeLine(kGroundFloor, -7, 12, 1499, 12, kRed);
    line->Paint(canvas.Dc(), canvas.Client(), 0);
    EXPECT_EQ(canvas.At(-1, 2), kRed);
    EXPECT_NE(canvas.At(-2, 2), kRed);
    EXPECT_EQ(canvas.At(298, 2), kRed);
    EXPECT_NE(canvas.At(299, 2), kRed); // the end pixel is not drawn
}

TEST_F(SimpleObjectDrawing, SelectedLineTakesTheSelectColourAndTextKeepsItsOwn) {
    auto line = MakeLine(kGroundFloor, 20, 20, 200, 20, kRed);
    auto text = MakeText(kGroundFloor, kText, 20, 200, "Hall", kBlue, 5, 30);
    Paint(*line, 1);
    Paint(*text, 1);
    EXPECT_EQ(canvas_->At(100, 20), kSelect);
    EXPECT_GT(canvas_->CountAll(kBlue), 20);
    EXPECT_EQ(canvas_->Count(kSelect, 0, 100, 399, 299), 0);
}

TEST_F(SimpleObjectDrawing, ShapesAreNeverFilled) {
    std::unique_ptr<TObject> shapes[] = {
        std::make_unique<TEllipseobj>(kGroundFloor, kEllipse, 1, 0, 0, 0, 20, 0, 120, 0, 280, 180, kRed),
        std::make_unique<TCircleobj>(kGroundFloor, kCircle, 1, 0, 0, 0, 140, 0, 240, 0, 280, 180, kRed),
        std::make_unique<TRectangleobj>(kGroundFloor, kRectangle, 1, 0, 0, 0, 20, 0, 120, 0, 150, 50, kRed),
        std::make_unique<TRndrectobj>(kGroundFloor, kRoundRect, 1, 0, 0, 0, 140, 0, 240, 0, 150, 50, kRed,
                                      10),
    };
    canvas_->Dc().SelectObject(TBrush(kGreen)); // whatever brush the context held
    for (auto& shape : shapes)
        Paint(*shape);
    EXPECT_EQ(canvas_->CountAll(kGreen), 0);
    EXPECT_EQ(canvas_->At(70, 230), kWhite);
    EXPECT_EQ(canvas_->At(70, 100), kWhite);
    EXPECT_EQ(canvas_->At(20, 100), kRed);
    EXPECT_GT(canvas_->Count(kRed, 185, 179, 195, 183), 0); // the circle's bottom
}

TEST_F(SimpleObjectDrawing, RoundedCornerIsSizedInDrawingUnits) {
    // corner 12 at zoom 5: a 4 x 4 corner ellipse (24 / 5), so the corner pixel itself stays clear
    // while the edges run straight to within two units of it.
    ZoomDivisor = 5;
    auto rect = std::make_unique<TRndrectobj>(kGroundFloor, kRoundRect, 1, 0, 0, 0, 500, 0, 1000, 0, 1000,
                                              500, kRed, 12);
    Paint(*rect);
    EXPECT_NE(canvas_->At(100, 200), kRed);
    EXPECT_EQ(canvas_->At(103, 200), kRed);
    EXPECT_EQ(canvas_->At(100, 197), kRed);
}

TEST_F(SimpleObjectDrawing, PolygonKindsChooseTheirDrawing) {
    auto outline149 = MakePolygon(kGroundFloor, 149, {{20, 20}, {80, 20}, {80, 80}}, kRed);
    auto outline500 = MakePolygon(kGroundFloor, 500, {{100, 20}, {160, 20}, {160, 80}}, kRed);
    Paint(*outline149);
    Paint(*outline500);
    EXPECT_EQ(canvas_->At(50, 20), kRed);
    EXPECT_EQ(canvas_->At(50, 50), kRed); // closing segment back to the first point
    EXPECT_EQ(canvas_->At(130, 20), kRed);
    const int32_t before = canvas_->InkCount();
    for (int32_t kind : {150, 130, kMarkerPolygon}) {
        auto nothing = MakePolygon(kGroundFloor, kind, {{200, 20}, {260, 20}, {260, 80}}, kRed);
        Paint(*nothing);
    }
    auto opening = std::make_unique<TOpeningobj>();
    opening->kind = kOpening;
    opening->count = 3;
    opening->px[1] = 300;
    opening->py[2] = 200;
    Paint(*opening);
    EXPECT_EQ(canvas_->InkCount(), before);
}

TEST_F(SimpleObjectDrawing, OpeningPolygonIsFilledAndOutlinedWithTheObjectPen) {
    auto polygon =
        MakePolygon(kGroundFloor, kOpeningPolygon, {{20, 20}, {120, 20}, {120, 120}, {20, 120}}, kRed, kFill);
    Paint(*polygon, 1);
    EXPECT_EQ(canvas_->At(70, 70), kFill);
    EXPECT_EQ(canvas_->At(70, 20), kSelect);
}

TEST_F(SimpleObjectDrawing, FilledPolygonTakesItsOwnPenAndTheHeightsAsY) {
    auto polygon = MakePolygon(kGroundFloor, 220, {{20, 20}, {120, 20}, {120, 120}, {20, 120}}, kRed, kFill);
    // Points whose y values say nothing: the heights array holds the real y.
    for (int32_t i = 0; i < 4; ++i)
        polygon->py[i] = 250;
    Paint(*polygon, 1);
    EXPECT_EQ(canvas_->At(70, 70), kFill);
    EXPECT_EQ(canvas_->At(70, 20), kRed); // its own pen, even when selected
    EXPECT_EQ(canvas_->CountAll(kSelect), 0);
}

TEST_F(SimpleObjectDrawing, EmptyAndOnePointPolygonsAreHarmless) {
    auto empty = MakePolygon(kGroundFloor, kOpeningPolygon, {});
    auto filled = MakePolygon(kGroundFloor, 200, {});
    auto one = MakePolygon(kGroundFloor, 140, {{50, 50}});
    auto tooMany = MakePolygon(kGroundFloor, 140, {{10, 10}, {20, 20}});
    tooMany->count = 400; // a damaged record: only the 17 stored points are used
    Paint(*empty);
    Paint(*filled);
    Paint(*one);
    Paint(*tooMany);
    SUCCEED();
}

// Where a text's ink lies around its anchor, for each anchoring.
struct AnchorCase {
    int32_t style;
    int32_t angle;
    const char* horizontal; // "left" (ink starts at the anchor) or "centre"
    const char* vertical;   // "top" (ink below the anchor) or "baseline" (ink above it)
};

class TextAnchoring : public SimpleObjectDrawing, public ::testing::WithParamInterface<AnchorCase> {};

TEST_P(TextAnchoring, InkLiesWhereTheStyleAnchorsIt) {
    const AnchorCase c = GetParam();
    auto text = MakeText(kGroundFloor, kDialogText, 200, 150, "HHHH", kBlack, c.style, 40, c.angle);
    Paint(*text);
    int32_t left, bottom, right, top;
    ASSERT_TRUE(canvas_->InkBounds(left, bottom, right, top));
    if (std::string(c.horizontal) == "left") {
        EXPECT_GE(left, 200);
        EXPECT_LT(left, 210);
    } else {
        EXPECT_LT(left, 190);
        EXPECT_GT(right, 210);
        EXPECT_LE(std::abs((left + right) / 2 - 200), 3);
    }
    if (std::string(c.vertical) == "top") {
        EXPECT_LE(top, 150);
        EXPECT_LT(bottom, 130);
    } else {
        EXPECT_GE(bottom, 149);
        EXPECT_GT(top, 170);
    }
}

INSTANTIATE_TEST_SUITE_P(Styles, TextAnchoring,
                         ::testing::Values(AnchorCase{1, 0, "centre", "baseline"},
                                           AnchorCase{2, 0, "left", "baseline"},
                                           AnchorCase{3, 0, "left", "baseline"},
                                           AnchorCase{4, 0, "centre", "top"}, AnchorCase{5, 0, "left", "top"},
                                           AnchorCase{6, 0, "centre", "baseline"}));

TEST_F(SimpleObjectDrawing, TextWithoutAnAlignmentKeepsThePreviousOne) {
    auto first = MakeText(kGroundFloor, kText, 200, 280, "I", kRed, 4, 20);
    Paint(*first);
    EXPECT_EQ(canvas_->Dc().GetTextAlign(), TA_CENTER | TA_TOP);
    for (auto [style, angle] : {std::pair{1, 900}, std::pair{0, 0}, std::pair{7, 0}}) {
        auto text = MakeText(kGroundFloor, kText, 100, 100, "A", kBlack, style, 20, angle);
        Paint(*text);
        EXPECT_EQ(canvas_->Dc().GetTextAlign(), TA_CENTER | TA_TOP) << style;
    }
}

TEST_F(SimpleObjectDrawing, TextScaleIsTakenFromThePenScaleOnce) {
    PenScale = 4;
    TextScale = 0;
    auto text = MakeText(kGroundFloor, kText, 20, 200, "H", kBlack, 5, 10);
    Paint(*text);
    EXPECT_EQ(TextScale, 4);
    int32_t left, bottom, right, top;
    ASSERT_TRUE(canvas_->InkBounds(left, bottom, right, top));
    // A 40-unit cell: a capital is roughly three quarters of it.
    EXPECT_GE(top - bottom, 24);
    EXPECT_LE(top - bottom, 40);
    PenScale = 1; // later texts keep the scale once taken
    Canvas again;
    again.SetUpWindow();
    text->Paint(again.Dc(), again.Client(), 0);
    int32_t l2, b2, r2, t2;
    ASSERT_TRUE(again.InkBounds(l2, b2, r2, t2));
    EXPECT_EQ(t2 - b2, top - bottom);
}

TEST_F(SimpleObjectDrawing, SitePlanTextsAreThreeTimesAsHigh) {
    TextScale = 1;
    auto text = MakeText(kSitePlan, kText, 20, 280, "H", kBlack, 5, 20);
    Paint(*text);
    int32_t left, bottom, right, top;
    ASSERT_TRUE(canvas_->InkBounds(left, bottom, right, top));
    const int32_t plain = top - bottom;
    CurrentView = kSitePlan;
    Canvas site;
    site.SetUpWindow();
    text->Paint(site.Dc(), site.Client(), 0);
    ASSERT_TRUE(site.InkBounds(left, bottom, right, top));
    EXPECT_GE(top - bottom, 3 * plain - 3);
}

TEST_F(SimpleObjectDrawing, HeavyWeightsDrawBold) {
    auto light = MakeText(kGroundFloor, kText, 20, 250, "WWWW", kBlack, 5, 30, 0, 499);
    auto bold = MakeText(kGroundFloor, kText, 20, 150, "WWWW", kBlack, 5, 30, 0, 500);
    Paint(*light);
    const int32_t lightInk = canvas_->InkCount();
    Paint(*bold);
    EXPECT_GT(canvas_->InkCount() - lightInk, lightInk + lightInk / 10);
}

} // namespace
