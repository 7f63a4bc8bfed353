// Painting a whole view: which objects show for the view and the display mode, the overlaid floors
// in the select colour, and the working floor chosen from the overlay file.
#include "tests/render/render_fixture.h"
#include "tests/support/program_directory.h"

using namespace rendertest;

namespace {

// Each floor's objects lie in their own band of the canvas.
int32_t BandOf(int32_t floor) {
    switch (floor) {
    case kFourthLevel:
        return 0;
    case kGroundFloor:
        return 50;
    case kFirstFloor:
        return 100;
    case kSecondFloor:
        return 150;
    default:
        return 200;
    }
}

void AddFloor(int32_t floor) {
    const int32_t r = BandOf(floor);
    ObjectList.Add(MakeLine(floor, 10, r + 20, 90, r + 20, kRed));
    ObjectList.Add(MakeText(floor, kText, 100, r + 42, "TXT", kBlue, 5, 12));
    ObjectList.Add(MakeText(floor, kSizeLabel, 160, r + 42, "LBL", kBlue, 5, 12));
    ObjectList.Add(MakeText(floor, kFloorTitle, 220, r + 42, "TTL", kBlue, 5, 12));
    ObjectList.Add(MakeDimension(floor, kManualDimension, 280, r + 20, 300, r + 20, 360, r + 20, 340, r + 20,
                                 900, 1, kRed));
}

struct Probe {
    COLORREF line; // kRed (own colour), kSelect (overlaid) or kWhite (not painted)
    bool text, label, title, dimension;
};

Probe Look(const Canvas& canvas, int32_t floor) {
    const int32_t r = BandOf(floor);
    const auto ink = [&](int32_t x0) { return canvas.Count(kBlue, x0, r + 22, x0 + 50, r + 44) > 5; };
    const COLORREF dim = canvas.At(290, r + 20);
    return Probe{canvas.At(50, r + 20), ink(100), ink(160), ink(220), dim == kRed || dim == kSelect};
}

void ExpectComplete(const Canvas& canvas, int32_t floor, COLORREF lineColour) {
    const Probe p = Look(canvas, floor);
    EXPECT_EQ(p.line, lineColour) << floor;
    EXPECT_TRUE(p.text) << floor;
    EXPECT_TRUE(p.label) << floor;
    EXPECT_TRUE(p.title) << floor;
    EXPECT_TRUE(p.dimension) << floor;
}

void ExpectStripped(const Canvas& canvas, int32_t floor, COLORREF lineColour, bool title = false) {
    const Probe p = Look(canvas, floor);
    EXPECT_EQ(p.line, lineColour) << floor;
    EXPECT_FALSE(p.text) << floor;
    EXPECT_FALSE(p.label) << floor;
    EXPECT_EQ(p.title, title) << floor;
    EXPECT_FALSE(p.dimension) << floor;
}

void ExpectAbsent(const Canvas& canvas, int32_t floor) {
    ExpectStripped(canvas, floor, kWhite);
}

class ViewPainting : public ::testing::Test {
protected:
    void SetUp() override {
        ResetForCanvas(400, 300);
        ObjectList.ProgramDirectory = directory_.Path();
        for (int32_t floor : {kFourthLevel, kGroundFloor, kFirstFloor, kSecondFloor})
            AddFloor(floor);
        ObjectList.Add(MakePolygon(kSitePlan, 140, {{10, 220}, {90, 220}, {90, 240}}, kRed));
    }
    void TearDown() override { ObjectList.Flush(); }

    void Flags(const std::string& text) { directory_.WriteFile("CFG/OVERLAY.CFG", text); }
    std::unique_ptr<Canvas> PaintView(int32_t view, int32_t mode) {
        CurrentView = view;
        PlanDisplayMode = mode;
        auto canvas = std::make_unique<Canvas>(400, 300);
        ObjectList.Paint(canvas->Dc(), canvas->Client());
        return canvas;
    }

    testsupport::ProgramDirectory directory_;
};

TEST_F(ViewPainting, PlainModesShowTheCurrentFloorOnly) {
    for (int32_t mode : {0, 10, 20}) {
        auto canvas = PaintView(kGroundFloor, mode);
        ExpectComplete(*canvas, kGroundFloor, kRed);
        for (int32_t other : {kFourthLevel, kFirstFloor, kSecondFloor})
            ExpectAbsent(*canvas, other);
        EXPECT_EQ(canvas->At(50, 220), kWhite) << mode; // the site outline is not overlaid
    }
}

TEST_F(ViewPainting, HiddenDimensionsKeepTextsAndTitles) {
    for (int32_t mode : {1, 11, 21}) {
        auto canvas = PaintView(kFirstFloor, mode);
        const Probe p = Look(*canvas, kFirstFloor);
        EXPECT_EQ(p.line, kRed);
        EXPECT_TRUE(p.text);
        EXPECT_FALSE(p.label);
        EXPECT_TRUE(p.title);
        EXPECT_FALSE(p.dimension);
    }
}

TEST_F(ViewPainting, HiddenDimensionsAlsoHideTheirArrowsAndAutomaticTexts) {
    ObjectList.Flush();
    ObjectList.Add(MakeText(kGroundFloor, kAutoDimensionText, 20, 280, "AUTO", kBlue, 5, 12));
    ObjectList.Add(std::make_unique<TArrowobj>(kGroundFloor, kAutoArrow, 1, 0, 0, 0, 20, 0, 200, 0, 100, 100,
                                               kRed, 30, 105, 30, 95, 20, 80, 20, 120));
    ObjectList.Add(MakeText(kGroundFloor, kRoomNameLabel, 220, 280, "ROOM", kBlue, 5, 12));
    ObjectList.Add(MakeText(kGroundFloor, kDialogText, 220, 200, "NOTE", kBlue, 5, 12));
    auto canvas = PaintView(kGroundFloor, 1);
    EXPECT_EQ(canvas->Count(kBlue, 0, 250, 200, 290), 0);
    EXPECT_EQ(canvas->CountAll(kRed), 0);
    EXPECT_GT(canvas->Count(kBlue, 210, 250, 399, 290), 5);
    EXPECT_GT(canvas->Count(kBlue, 210, 170, 399, 210), 5);
}

TEST_F(ViewPainting, OverlayModeTwoMakesTheHighestFlaggedFloorTheWorkingOne) {
    Flags("0 1 1 0 0");
    auto canvas = PaintView(kSecondFloor, 2);
    EXPECT_EQ(CurrentView, kFirstFloor);
    ExpectStripped(*canvas, kGroundFloor, kSelect);
    ExpectComplete(*canvas, kFirstFloor, kRed);
    ExpectAbsent(*canvas, kSecondFloor);
    ExpectAbsent(*canvas, kFourthLevel);
}

TEST_F(ViewPainting, OverlayModeFourKeepsTheViewAndEverything) {
    Flags("0 1 1 0 0");
    auto canvas = PaintView(kFirstFloor, 4);
    EXPECT_EQ(CurrentView, kFirstFloor);
    ExpectComplete(*canvas, kGroundFloor, kSelect); // texts keep their own colour
    ExpectComplete(*canvas, kFirstFloor, kRed);
    ExpectAbsent(*canvas, kSecondFloor);
}

TEST_F(ViewPainting, OverlayModeFourNeverChangesTheView) {
    Flags("0 0 0 1 0");
    auto canvas = PaintView(kGroundFloor, 14);
    EXPECT_EQ(CurrentView, kGroundFloor);
    ExpectAbsent(*canvas, kGroundFloor);
    ExpectComplete(*canvas, kSecondFloor, kSelect);
}

TEST_F(ViewPainting, OverlayModeTwentyTwoKeepsTheOverlaidAnnotation) {
    Flags("0 1 1 0 0");
    auto canvas = PaintView(kSecondFloor, 22);
    EXPECT_EQ(CurrentView, kFirstFloor);
    ExpectComplete(*canvas, kGroundFloor, kSelect);
    ExpectComplete(*canvas, kFirstFloor, kRed);
}

TEST_F(ViewPainting, OverlayWithoutDimensionsKeepsOnlyTheWorkingFloorTitle) {
    Flags("0 0 1 0 0");
    auto canvas = PaintView(kGroundFloor, 3);
    EXPECT_EQ(CurrentView, kFirstFloor);
    ExpectStripped(*canvas, kFirstFloor, kRed, true);
    ExpectAbsent(*canvas, kGroundFloor);
}

TEST_F(ViewPainting, ModeThirteenPaintsOnlyTheFlaggedFloors) {
    Flags("0 1 0 0 0");
    auto canvas = PaintView(kFirstFloor, 13);
    EXPECT_EQ(CurrentView, kFirstFloor);
    ExpectStripped(*canvas, kGroundFloor, kSelect, false); // its title goes too
    ExpectAbsent(*canvas, kFirstFloor);
}

TEST_F(ViewPainting, FourthLevelIsTheWorkingFloorWhenItAloneIsFlagged) {
    Flags("1 0 0 0 0");
    auto canvas = PaintView(kGroundFloor, 2);
    EXPECT_EQ(CurrentView, kFourthLevel);
    ExpectComplete(*canvas, kFourthLevel, kRed);
    ExpectAbsent(*canvas, kGroundFloor);
}

TEST_F(ViewPainting, OutlinePassAloneLeavesTheViewAndPaintsOutlinesOfEveryView) {
    Flags("0 0 0 0 1");
    auto canvas = PaintView(kSecondFloor, 2);
    EXPECT_EQ(CurrentView, kSecondFloor);
    EXPECT_EQ(canvas->At(50, 220), kSelect);
    for (int32_t floor : {kFourthLevel, kGroundFloor, kFirstFloor, kSecondFloor})
        ExpectAbsent(*canvas, floor);
}

TEST_F(ViewPainting, OnlyAFlagOfExactlyOneCounts) {
    Flags("0 2 1 -1 0");
    auto canvas = PaintView(kFirstFloor, 4);
    ExpectAbsent(*canvas, kGroundFloor);
    ExpectComplete(*canvas, kFirstFloor, kRed);
    ExpectAbsent(*canvas, kSecondFloor);
}

TEST_F(ViewPainting, MissingOverlayFileOverlaysNothing) {
    auto canvas = PaintView(kFirstFloor, 2);
    EXPECT_EQ(CurrentView, kFirstFloor);
    EXPECT_EQ(canvas->InkCount(), 0);
}

TEST_F(ViewPainting, ShortOverlayFileReadsTheMissingFlagsAsZero) {
    Flags("0 1");
    auto canvas = PaintView(kSecondFloor, 2);
    EXPECT_EQ(CurrentView, kGroundFloor);
    ExpectComplete(*canvas, kGroundFloor, kRed);
}

TEST_F(ViewPainting, EmptyDocumentStillChoosesTheWorkingFloor) {
    Flags("0 1 1 0 0");
    ObjectList.Flush();
    auto canvas = PaintView(kGroundFloor, 2);
    EXPECT_EQ(CurrentView, kFirstFloor);
    EXPECT_EQ(canvas->InkCount(), 0);
}

TEST_F(ViewPainting, UnknownModesAndViewsPaintNothing) {
    Flags("0 1 1 1 1");
    for (auto [view, mode] : {std::pair{kGroundFloor, 5}, std::pair{kGroundFloor, 30}, std::pair{100, 0},
                              std::pair{1050, 0}, std::pair{0, 0}, std::pair{60, 0}}) {
        auto canvas = PaintView(view, mode);
        EXPECT_EQ(canvas->InkCount(), 0) << view << " " << mode;
        EXPECT_EQ(CurrentView, view);
    }
}

TEST_F(ViewPainting, RecordsAndFinishedRoomsNeverShowOnAFloor) {
    ObjectList.Flush();
    ObjectList.Add(MakeRoom(kGroundFloor, kFinishedRoom, 20, 280, 380, 20, "DONE", kFill));
    ObjectList.Add(
        std::make_unique<TInfoobj>(kGroundFloor, kFloorRecord, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, kRed, 0));
    ObjectList.Add(MakeRoom(kGroundFloor, kDesignRoom, 50, 100, 100, 50, "", kFill));
    for (int32_t mode : {0, 1}) {
        auto canvas = PaintView(kGroundFloor, mode);
        EXPECT_EQ(canvas->At(200, 200), kWhite);
        EXPECT_EQ(canvas->At(75, 75), kFill); // design rooms do show
    }
}

TEST_F(ViewPainting, SitePlanShowsEveryObjectOfItsViewWhateverTheMode) {
    ObjectList.Add(MakeRoom(kSitePlan, kFinishedRoom, 300, 290, 390, 250, "", kFill));
    for (int32_t mode : {1, 3, 5}) {
        Flags("0 1 1 1 0");
        auto canvas = PaintView(kSitePlan, mode);
        EXPECT_EQ(canvas->At(50, 220), kRed);
        EXPECT_EQ(canvas->At(350, 270), kFill);
        ExpectAbsent(*canvas, kGroundFloor);
        EXPECT_EQ(CurrentView, kSitePlan);
    }
}

TEST_F(ViewPainting, WallMarkingLayoutAlsoShowsTheGroundLayout) {
    ObjectList.Flush();
    ObjectList.Add(MakeLine(40, 10, 20, 90, 20, kRed));
    ObjectList.Add(MakeLine(45, 10, 40, 90, 40, kBlue));
    ObjectList.Add(MakeLine(41, 10, 60, 90, 60, kGreen));
    ObjectList.Add(MakeRoom(40, kFinishedRoom, 200, 200, 300, 100, "", kFill));
    auto canvas = PaintView(45, 3);
    EXPECT_EQ(canvas->At(50, 20), kRed);
    EXPECT_EQ(canvas->At(50, 40), kBlue);
    EXPECT_EQ(canvas->At(50, 60), kWhite);
    EXPECT_EQ(canvas->At(250, 150), kWhite);
    auto layout = PaintView(40, 0);
    EXPECT_EQ(layout->At(50, 20), kRed);
    EXPECT_EQ(layout->At(50, 40), kWhite);
}

TEST_F(ViewPainting, PaintLeavesTheWindowMappingOnTheContext) {
    ScrollOriginX = 30;
    ScrollOriginY = 40;
    Canvas canvas(400, 300, 30, 40);
    CurrentView = kGroundFloor;
    ObjectList.Paint(canvas.Dc(), canvas.Client());
    EXPECT_EQ(canvas.Dc().GetMapMode(), MM_ISOTROPIC);
    EXPECT_EQ(canvas.Dc().GetBkMode(), TRANSPARENT);
    EXPECT_EQ(canvas.Dc().GetROP2(), R2_COPYPEN);
    POINT p{30, 40};
    canvas.Dc().LPtoDP(&p);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 300);
}

} // namespace
