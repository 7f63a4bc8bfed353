// Doors, windows and wall openings cut into walls: which wall takes the marked point, the pieces of
// the opening, and the door symbols.
#include <gtest/gtest.h>

#include <memory>

#include "document/document.h"
#include "document/program_state.h"
#include "walls/door_symbols.h"
#include "walls/opening_construction.h"
#include "walls/opening_marking.h"

namespace {

// A two-line external wall of 275 from (x1, y) to (x2, y), its inner face 275 above.
void AddHorizontalExtWall(TList& doc, int32_t x1, int32_t x2, int32_t y, int32_t direction, int32_t id = 10001) {
    auto w = std::make_unique<TExtwallobj>();
    w->view = kGroundFloor, w->kind = kExtWall, w->id = id;
    w->x1 = x1, w->y1 = y, w->x2 = x2, w->y2 = y;
    w->thickness1 = 275;
    w->direction = direction;
    w->p1x = x1, w->p1y = y + 275, w->p2x = x2, w->p2y = y + 275;
    doc.Add(std::move(w));
}

void AddPartition(TList& doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t direction, int32_t dx,
                  int32_t dy) {
    const int32_t attr[4] = {};
    doc.Add(std::make_unique<TIntwallobj>(kGroundFloor, kIntWall, 1, 0, 10002, 10002, x1, 0, x2, 0, y1, y2, 0, 100, 0,
                                          0, 0, 0, 1, direction, x1 + dx, 0, y1 + dy, x2 + dx, y2 + dy, attr, 0, 0));
}

class OpeningGeometry : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGlobals();
        CurrentView = kGroundFloor;
        BackgroundColour = RGB(255, 255, 255);
    }
    void TearDown() override { doc.Flush(); }
    TList doc;
};

struct MarkCase {
    const char* name;
    int32_t px, py;
    int32_t kind, mode;
    int32_t index; // kNoObject: refused
    int32_t faceSide, markX, markY;
};

class MarkWall : public OpeningGeometry, public ::testing::WithParamInterface<MarkCase> {};

TEST_P(MarkWall, TakesThePointOnTheFaceThatHoldsOpenings) {
    const MarkCase& c = GetParam();
    AddHorizontalExtWall(doc, 0, 6000, 0, 900);
    AddPartition(doc, 1000, 3000, 5000, 3000, 900, 0, 100); // faces y 3000 and 3100
    const WallMark m = FindOpeningWall(doc, kGroundFloor, c.px, c.py, {c.kind, 1200, c.mode});
    EXPECT_EQ(m.index, c.index);
    if (c.index == kNoObject) return;
    EXPECT_EQ(m.faceSide, c.faceSide);
    EXPECT_EQ(m.px, c.markX);
    EXPECT_EQ(m.py, c.markY);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MarkWall,
    ::testing::Values(MarkCase{"HalfWidthFromTheEnd", 600, 10, 1, 0, 0, 1, 600, 0},
                      MarkCase{"OneUnitNearerTheEnd", 599, 10, 1, 0, kNoObject, 0, 0, 0},
                      MarkCase{"BeyondTheDrawnFace", 3000, -137, 1, 0, 0, 1, 3000, 0},
                      MarkCase{"BeyondTheInnerFace", 3000, 275 + 137, 1, 0, 0, 3, 3000, 0},
                      MarkCase{"OutsideBothBands", 3000, -138, 1, 0, kNoObject, 0, 0, 0},
                      MarkCase{"PartitionUpperFaceFromBelow", 3000, 2990, 1, 0, 1, 3, 3000, 3100},
                      MarkCase{"PartitionUpperFaceFromAbove", 3000, 3110, 1, 0, 1, 1, 3000, 3100},
                      MarkCase{"HingedAcrossAHorizontalWallRefused", 3000, 10, 6, 2, kNoObject, 0, 0, 0},
                      MarkCase{"HingedAlongAHorizontalWall", 4800, 10, 6, 5, 0, 1, 4800, 0},
                      MarkCase{"HingedNeedsItsWholeWidth", 4801, 10, 6, 5, kNoObject, 0, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OpeningGeometry, TheEarlierOfTwoAcceptingWallsWinsAndOtherViewsAreIgnored) {
    AddHorizontalExtWall(doc, 0, 6000, 0, 900, 10001);
    AddHorizontalExtWall(doc, 0, 6000, 100, 900, 10002);
    EXPECT_EQ(FindOpeningWall(doc, kGroundFloor, 3000, 50, {1, 1200, 0}).wallId, 10001);
    EXPECT_EQ(FindOpeningWall(doc, kFirstFloor, 3000, 50, {1, 1200, 0}).index, kNoObject);
}

Opening Window(int32_t angle) {
    Opening o;
    o.kind = 1;
    o.px = 3000, o.py = 0, o.width = 1200, o.thickness = 275, o.angle = angle;
    o.wallId = 10001, o.openingId = 10007, o.view = kGroundFloor;
    return o;
}

TEST_F(OpeningGeometry, AWindowIsAFilledPolygonAndAMiddleLineTurnedIntoTheWall) {
    BuildOpening(Window(2700), doc);
    BuildOpening(Window(900), doc);
    ASSERT_EQ(doc.count, 4);
    const auto* unturned = dynamic_cast<const TPolyobj*>(doc[0]);
    const auto* turned = dynamic_cast<const TPolyobj*>(doc[2]);
    ASSERT_TRUE(unturned && turned);
    EXPECT_EQ(unturned->kind, kOpeningPolygon);
    EXPECT_EQ(unturned->p6, BackgroundColour);
    EXPECT_EQ(unturned->group, 10007);
    EXPECT_EQ(unturned->id, 10001);
    const int32_t ys[4] = {0, 0, 275, 275};
    const int32_t xs[4] = {3600, 2400, 2400, 3600};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(unturned->px[i], xs[i]);
        EXPECT_EQ(unturned->py[i], ys[i]);
        // Half a turn about P: the body lies below the reference face.
        EXPECT_EQ(turned->px[i], 6000 - xs[i]);
        EXPECT_EQ(turned->py[i], -ys[i]);
    }
    EXPECT_EQ(doc[1]->kind, kOutlineLine);
    EXPECT_EQ(doc[1]->y1, 137);
}

TEST_F(OpeningGeometry, APartitionOpeningPaintsOverItsFacesAndClosesThemWithJambs) {
    Opening o = Window(2700);
    o.kind = 5;
    o.wallClass = kInternalWallClass;
    o.thickness = 100;
    BuildOpening(o, doc);
    ASSERT_EQ(doc.count, 4);
    EXPECT_EQ(doc[0]->colour, BackgroundColour);
    EXPECT_EQ(doc[1]->colour, BackgroundColour);
    EXPECT_EQ(doc[2]->colour, o.colour);
    EXPECT_EQ(doc[2]->x1, doc[2]->x2);
    EXPECT_EQ(FinishOf(o), OpeningFinish::Nothing);
}

TEST_F(OpeningGeometry, OnlyWindowsShowingTheirSizesTakeALabel) {
    Opening o = Window(2700);
    EXPECT_EQ(FinishOf(o), OpeningFinish::Symbol);
    o.sizeLabelFlag = 1;
    EXPECT_EQ(FinishOf(o), OpeningFinish::Label);
    for (int32_t kind : {5, 9, 15}) {
        o.kind = kind;
        EXPECT_EQ(FinishOf(o), OpeningFinish::Nothing) << kind;
    }
    o.kind = 6;
    EXPECT_EQ(FinishOf(o), OpeningFinish::Symbol);
}

Opening Door(int32_t kind, int32_t angle, int32_t swing) {
    Opening o = Window(angle);
    o.kind = kind;
    o.doorWidth = 800, o.doorCount = 1, o.width = 800, o.swingCode = swing, o.thickness = 100;
    o.wallClass = kInternalWallClass;
    return o;
}

int32_t CountKind(const TList& doc, int32_t kind) {
    int32_t n = 0;
    for (int32_t i = 0; i < doc.count; ++i)
        n += doc[i]->kind == kind;
    return n;
}

TEST_F(OpeningGeometry, AHingedDoorSwingsOnlyOnASquareWall) {
    Opening square = Door(6, 2700, 1);
    MakeOpeningSymbol(square, doc);
    EXPECT_EQ(doc.count, 2);
    EXPECT_EQ(CountKind(doc, kArc), 1);
    doc.Flush();
    Opening oblique = Door(6, 450, 1);
    MakeOpeningSymbol(oblique, doc);
    EXPECT_EQ(doc.count, 1);
    EXPECT_EQ(CountKind(doc, kArc), 0);
}

TEST_F(OpeningGeometry, AHingedDoorLeafOpensAwayFromItsHinge) {
    Opening o = Door(6, 2700, 1);
    MakeOpeningSymbol(o, doc);
    const TObject& leaf = *doc[0];
    EXPECT_EQ(leaf.x1, 2600);
    EXPECT_EQ(leaf.y1, 0);
    EXPECT_EQ(leaf.x2, 2600);
    EXPECT_EQ(leaf.y2, -800);
    const auto& arc = dynamic_cast<const TArcobj&>(*doc[1]);
    EXPECT_EQ(arc.penStyle, 2);
    EXPECT_EQ(arc.x1, 1800);
    EXPECT_EQ(arc.y1, 800);
    EXPECT_EQ(arc.sx, 2600); // from the tip to the closed position
    EXPECT_EQ(arc.ex, 3400);
}

// A window 1800 wide (72 inches: 1728) and a door as wide opened square, on walls of every square
// direction: the window's middle line, the door's jambs and its leaf are square and as long as asked.
TEST_F(OpeningGeometry, OnASquareWallAnOpeningIsExactlyAsWideAsAsked) {
    const auto run = [](const TObject* o) {
        return o->x1 == o->x2 || o->y1 == o->y2 ? std::abs(o->x2 - o->x1) + std::abs(o->y2 - o->y1) : -1;
    };
    for (const int32_t angle : {0, 900, 1800, 2700})
        for (const int32_t width : {1800, 1728}) {
            Opening o = Window(angle), d = Door(6, angle, angle % 1800 ? 5 : 1);
            o.width = d.width = d.doorWidth = width;
            BuildOpening(o, doc), BuildOpening(d, doc), MakeOpeningSymbol(d, doc);
            EXPECT_EQ(std::tuple(run(doc[1]), run(doc[4]), run(doc[5]), run(doc[6])),
                      std::tuple(width, 100, 100, width)) << angle;
            doc.Flush();
        }
}

TEST_F(OpeningGeometry, AWallRunningTheOtherWayExchangesTheSwing) {
    Opening o = Door(6, 900, 1);
    MakeOpeningSymbol(o, doc);
    EXPECT_EQ(o.swingCode, 4);
}

TEST_F(OpeningGeometry, FiveFoldingDoorsFoldAsSixOfFiveSixths) {
    Opening o = Door(21, 2700, 0);
    o.doorCount = 5, o.doorWidth = 600, o.width = 3000, o.symbolOption = 1;
    MakeOpeningSymbol(o, doc);
    ASSERT_EQ(doc.count, 6);
    EXPECT_EQ(doc[0]->x1, 4500);
    EXPECT_EQ(doc[1]->x1, 4500 - 500);
    EXPECT_EQ(doc[5]->x1, 4500 - 5 * 500);
    EXPECT_EQ(o.width, 3000);
}

TEST_F(OpeningGeometry, ThickDoorsDrawTheirLeavesTwoWideAndTheirSwingsOne) {
    Opening o = Door(7, 2700, 0);
    o.doorCount = 2, o.width = 1600, o.doorThickness = 2;
    MakeOpeningSymbol(o, doc);
    ASSERT_EQ(doc.count, 4);
    EXPECT_EQ(doc[0]->penWidth, 2);
    EXPECT_EQ(doc[1]->penWidth, 2);
    EXPECT_EQ(doc[2]->penWidth, 1);
    EXPECT_EQ(doc[3]->penWidth, 1);
}

TEST_F(OpeningGeometry, AnEntryFrameAsWideAsItsDoorHasPanelsOfNoWidth) {
    Opening o = Door(10, 2700, 1);
    o.framePosition = 0;
    MakeOpeningSymbol(o, doc);
    ASSERT_EQ(doc.count, 6); // leaf, swing, and two panels of a middle and a cross line
    EXPECT_EQ(doc[2]->x1, doc[2]->x2);
    EXPECT_EQ(o.kind, 10);
    EXPECT_EQ(o.px, 3000);
}

TEST_F(OpeningGeometry, RotatePointTurnsAboutPAndMakesTheResultP) {
    Opening o = Window(900);
    RotatePoint(o, doc, 3100, 0);
    EXPECT_EQ(o.px, 2900);
    EXPECT_EQ(o.py, 0);
}

} // namespace
