// The geometry of a new partition: its second face, the snapping of its ends, the trimming of ends
// that meet a wall at an angle, the start on a wall face, the free length, and the building corner.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>

#include "document/document.h"
#include "walls/opening_construction.h"
#include "walls/opening_marking.h"
#include "walls/partition_outline.h"
#include "walls/partition_snapping.h"
#include "walls/partition_start.h"
#include "walls/wall_corner.h"

namespace {

constexpr int32_t kZoom = 5;

TIntwallobj* AddPartition(TList& doc, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t bearing,
                          int32_t q1x, int32_t q1y, int32_t q2x, int32_t q2y, int32_t view = kGroundFloor) {
    const int32_t attr[4] = {};
    auto w = std::make_unique<TIntwallobj>(view, kIntWall, 1, 0, 10001, 10001, x1, 0, x2, 0, y1, y2, 0, 100,
                                           0, 0, 0, 0, 1, bearing, q1x, 0, q1y, q2x, q2y, attr, 0, 0);
    TIntwallobj* raw = w.get();
    doc.Add(std::move(w));
    return raw;
}

void AddExtWall(TList& doc, int32_t view, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    auto w = std::make_unique<TExtwallobj>();
    w->view = view;
    w->kind = kExtWall;
    w->x1 = x1, w->y1 = y1, w->x2 = x2, w->y2 = y2;
    doc.Add(std::move(w));
}

PartitionDraft Draft(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t angle, int32_t side) {
    PartitionDraft d;
    d.X0 = x0, d.Y0 = y0, d.X1 = x1, d.Y1 = y1;
    d.Angle = angle;
    d.Side = side;
    d.Thickness = 100;
    return d;
}

struct FreeCase {
    const char* name;
    PartitionDraft draft;
    int32_t startX, startY, endX, endY;
};

class FreeOutline : public ::testing::TestWithParam<FreeCase> {};

TEST_P(FreeOutline, OffsetsTheSecondFaceByTheThickness) {
    TList doc;
    PartitionDraft d = GetParam().draft;
    ComputeOutline(d, doc, kNoObject, kNoObject);
    EXPECT_EQ(d.FaceStartX, GetParam().startX);
    EXPECT_EQ(d.FaceStartY, GetParam().startY);
    EXPECT_EQ(d.FaceEndX, GetParam().endX);
    EXPECT_EQ(d.FaceEndY, GetParam().endY);
}

INSTANTIATE_TEST_SUITE_P(
    Partitions, FreeOutline,
    ::testing::Values(FreeCase{"RightSideAbove", Draft(0, 0, 3000, 0, 900, 1), 0, 100, 3000, 100},
                      FreeCase{"UpSideRight", Draft(0, 0, 0, 2000, 0, 2), 100, 0, 100, 2000},
                      FreeCase{"DownSideLeft", Draft(0, 0, 0, -2000, 1800, 4), -100, 0, -100, -2000},
                      // cos and sin of 45 degrees times 100 are 70.7: kept to whole units through tenths.
                      FreeCase{"ObliqueSideAbove", Draft(0, 0, 1000, 1000, 450, 1), -70, 70, 930, 1070}),
    [](const auto& info) { return info.param.name; });

TEST(JoinedOutline, RightAngleJoinIsMitredAndMovesTheJoinedFace) {
    TList doc;
    TIntwallobj* up = AddPartition(doc, 0, 0, 0, 3000, 0, -100, 0, -100, 3000);
    PartitionDraft d = Draft(0, 3000, 2000, 3000, 900, 4);
    const SnappedWalls walls = SnapPartitionEnds(d, doc, kGroundFloor, kZoom);
    ComputeOutline(d, doc, walls.AtStart, walls.AtEnd);
    EXPECT_EQ(walls.AtStart, 0);
    EXPECT_EQ(d.FaceStartX, -100);
    EXPECT_EQ(d.FaceStartY, 3100);
    EXPECT_EQ(d.FaceEndX, 2000);
    EXPECT_EQ(d.FaceEndY, 3100);
    EXPECT_EQ(up->q2y, 3100);
    EXPECT_EQ(up->q1y, 0);
}

// Ends that only touch (an end on the other's end) turn no corner: each keeps its own face.
TEST(JoinedOutline, EndOnAnEndIsNotJoined) {
    TList doc;
    TIntwallobj* level = AddPartition(doc, 0, 0, 3000, 0, 900, 0, -100, 3000, -100);
    PartitionDraft d = Draft(3000, 2000, 3000, 0, 1800, 2);
    const SnappedWalls walls = SnapPartitionEnds(d, doc, kGroundFloor, kZoom);
    ComputeOutline(d, doc, walls.AtStart, walls.AtEnd);
    EXPECT_EQ(std::tuple(d.FaceStartX, d.FaceStartY, d.FaceEndX, d.FaceEndY),
              std::tuple(3100, 2000, 3100, 0));
    EXPECT_EQ(std::tuple(level->q2x, level->q2y), std::tuple(3000, -100));
}

// A new chain's partition, its side chosen, starting or ending on another partition's end. From the
// other's first face, bearing and second face and the new one's draft: the new one's start and second
// face, and the other's second face after.
TEST(OnAnEnd, TurnsTheCornerOnlyWhereItWouldTouchTheEndAlone) {
    const auto expect = [](const char* name, std::array<int32_t, 9> w, std::array<int32_t, 6> r,
                           std::array<int32_t, 6> faces, std::array<int32_t, 4> otherFace) {
        SCOPED_TRACE(name);
        TList doc;
        TIntwallobj* other = std::apply([&](auto... v) { return AddPartition(doc, v...); }, w);
        PartitionDraft d = Draft(r[0], r[1], r[2], r[3], r[4], r[5]);
        d.SideChosen = true;
        const SnappedWalls walls = SnapPartitionEnds(d, doc, kGroundFloor, kZoom);
        ComputeOutline(d, doc, walls.AtStart, walls.AtEnd);
        EXPECT_EQ((std::array{d.X0, d.Y0, d.FaceStartX, d.FaceStartY, d.FaceEndX, d.FaceEndY}), faces);
        EXPECT_EQ((std::array{other->q1x, other->q1y, other->q2x, other->q2y}), otherFace);
    };
    // Up with its face right; ABOVE from 10 off its end: moved onto it and mitred below.
    expect("StartNearTheEndBesideIt", {10000, 10000, 10000, 13000, 0, 10100, 10000, 10100, 13000},
           {10010, 13010, 12010, 13010, 900, 1}, {10000, 13000, 10100, 12900, 12000, 12900},
           {10100, 10000, 10100, 12900});
    // Right with its face below; LEFT up from its end stands on its first face.
    expect("StartStandingOnTheFace", {0, 0, 3000, 0, 900, 0, -100, 3000, -100}, {3000, 0, 3000, 2000, 0, 4},
           {3000, 0, 2900, 0, 2900, 2000}, {0, -100, 3000, -100});
    // LEFT down from the start of one right with its face below: turned round, its end turns the corner.
    expect("StartOnTheStartBesideIt", {10000, 13000, 12000, 13000, 900, 10000, 12900, 12000, 12900},
           {10000, 13000, 10000, 10000, 1800, 4}, {10000, 10000, 10100, 10000, 10100, 12900},
           {10100, 12900, 12000, 12900});
    expect("EndOnTheEnd", {0, 0, 3000, 0, 900, 0, -100, 3000, -100}, {3000, 2000, 3000, 0, 1800, 2},
           {3000, 2000, 3100, 2000, 3100, 0}, {0, -100, 3000, -100});
}

class EndSnap : public ::testing::TestWithParam<std::tuple<int32_t, int32_t, bool>> {};

TEST_P(EndSnap, MovesTheWholePartitionOnlyWithinThreeZoomSteps) {
    TList doc;
    AddPartition(doc, 0, 0, 0, 3000, 0, -100, 0, -100, 3000);
    const auto [dx, dy, snapped] = GetParam();
    PartitionDraft d = Draft(dx, 3000 + dy, 2000 + dx, 3000 + dy, 900, 1);
    SnapPartitionEnds(d, doc, kGroundFloor, kZoom);
    EXPECT_EQ(d.X0, snapped ? 0 : dx);
    EXPECT_EQ(d.Y0, snapped ? 3000 : 3000 + dy);
    EXPECT_EQ(d.X1 - d.X0, 2000);
    EXPECT_EQ(d.Y1 - d.Y0, 0);
}

INSTANTIATE_TEST_SUITE_P(Offsets, EndSnap,
                         ::testing::Values(std::tuple{2 * kZoom, 2 * kZoom, true},
                                           std::tuple{-2 * kZoom, -2 * kZoom, true},
                                           std::tuple{3 * kZoom, 3 * kZoom, false},
                                           std::tuple{3 * kZoom, 0, false},
                                           std::tuple{0, -3 * kZoom, false}));

class StartOnStart : public ::testing::TestWithParam<std::pair<int32_t, int32_t>> {};

TEST_P(StartOnStart, ReversesThePartitionAndItsBearing) {
    TList doc;
    AddPartition(doc, 0, 0, 3000, 0, 900, 0, 100, 3000, 100);
    PartitionDraft d = Draft(0, 0, 1000, 2000, GetParam().first, 1);
    const SnappedWalls walls = SnapPartitionEnds(d, doc, kGroundFloor, kZoom);
    EXPECT_EQ(d.Angle, GetParam().second);
    EXPECT_EQ(d.X0, 1000);
    EXPECT_EQ(d.Y0, 2000);
    EXPECT_EQ(d.X1, 0);
    EXPECT_EQ(walls.AtStart, kNoObject);
    EXPECT_EQ(walls.AtEnd, 0);
}

INSTANTIATE_TEST_SUITE_P(Bearings, StartOnStart,
                         ::testing::Values(std::pair{300, 2100}, std::pair{2100, 300}));

TEST(EndTrim, ObliqueEndOnAHorizontalWallIsCutAlongItsFace) {
    TList doc;
    AddPartition(doc, -5000, 1000, 5000, 1000, 900, -5000, 1100, 5000, 1100);
    PartitionDraft d = Draft(0, 0, 1000, 1000, 450, 2);
    ComputeOutline(d, doc, kNoObject, kNoObject);
    TrimWallEnds(d, doc, kGroundFloor, kZoom);
    // 100 / sin 45 degrees is 141.4: the second face ends 141 along the met face.
    EXPECT_EQ(d.FaceEndX, 1141);
    EXPECT_EQ(d.FaceEndY, 1000);
    EXPECT_EQ(d.Mode, kEndMet);
    EXPECT_EQ(d.FreeLength, kNoObject);
}

TEST(EndTrim, SquareEndOnASquareWallKeepsItsComputedFace) {
    TList doc;
    AddPartition(doc, -5000, 1000, 5000, 1000, 900, -5000, 1100, 5000, 1100);
    PartitionDraft d = Draft(0, 0, 0, 1000, 0, 2);
    ComputeOutline(d, doc, kNoObject, kNoObject);
    TrimWallEnds(d, doc, kGroundFloor, kZoom);
    EXPECT_EQ(std::tuple(d.FaceStartX, d.FaceStartY, d.FaceEndX, d.FaceEndY), std::tuple(100, 0, 100, 1000));
    EXPECT_EQ(d.Mode, kEndMet);
}

TEST(EndTrim, PreviousSegmentOfAChainIsNotAWallMet) {
    TList doc;
    AddPartition(doc, 0, 0, 0, 2000, 0, 100, 0, 100, 2000);
    // A junction line drawn after the segment comes last in the drawing.
    doc.Add(std::make_unique<TLineobj>(kGroundFloor, kLine, 1, 0, 10001, 10001, 25, 0, 75, 0, 0, 0, 0, 0, 0));
    PartitionDraft d = Draft(0, 2000, 3000, 2000, 900, 3);
    TrimWallEnds(d, doc, kGroundFloor, kZoom);
    EXPECT_EQ(d.Mode, 0);
}

TEST(EndTrim, ParallelWallLeavesTheFaceUnmoved) {
    TList doc;
    AddPartition(doc, 0, 0, 1000, 1000, 450, 70, -70, 1070, 930);
    PartitionDraft d = Draft(1000, 1000, 2000, 2000, 450, 2);
    d.FaceEndX = 2070;
    d.FaceEndY = 1930;
    TrimWallEnd(d, doc, 0, 2);
    EXPECT_EQ(d.FaceEndX, 2070);
    EXPECT_EQ(d.FaceEndY, 1930);
}

// Cavity walls keyed clockwise round (0, 0)-(w, h) from its top left, their inner faces `in` inside.
void AddHouse(TList& doc, int32_t w, int32_t h, const int32_t (&l)[3], int32_t in) {
    const int32_t x[5] = {0, w, w, 0, 0}, y[5] = {h, h, 0, 0, h};
    for (int i = 0; i < 4; ++i) {
        const int32_t ux = (x[i + 1] > x[i]) - (x[i + 1] < x[i]), uy = (y[i + 1] > y[i]) - (y[i + 1] < y[i]);
        AddExtWall(doc, kGroundFloor, x[i], y[i], x[i + 1], y[i + 1]);
        auto& e = static_cast<TExtwallobj&>(*doc[i]);
        e.direction = ux ? 1800 - 900 * ux : 900 - 900 * uy, e.thickness1 = l[0], e.thickness2 = l[1];
        e.thickness3 = l[2], e.p5x = x[i] + (uy + ux) * in, e.p5y = y[i] + (uy - ux) * in;
        e.p6x = x[i + 1] + (uy - ux) * in, e.p6y = y[i + 1] - (ux + uy) * in;
    }
}

// From the middle of each wall the bearing enters the house by, free or reaching the far side, the
// second face on each side; then a doorway cut in its middle.
class AngledPartition : public ::testing::TestWithParam<int32_t> {};

TEST_P(AngledPartition, FacesNeverCrossAndJambsMeetBothFaces) {
    const int32_t bearing = GetParam(), w = 12000, h = 8000, t = 100, l[3] = {110, 55, 110}, in = 275;
    const double ux = std::sin(bearing * M_PI / 1800), uy = std::cos(bearing * M_PI / 1800);
    const double into[4] = {-uy, -ux, uy, ux}; // top, right, bottom, left
    const int32_t sx[4] = {w / 2, w - in, w / 2, in}, sy[4] = {h - in, h / 2, in, h / 2};
    for (int k = 0; k < 32; ++k) {
        const int wall = k / 8, side = k / 2 % 4 + 1, far = k % 2;
        if (into[wall] < 0.01 || (bearing % 900 == 0 && (bearing / 900 + side) % 2)) continue;
        const double reach = !far ? 1500
                                  : std::min(ux ? std::max((in - sx[wall]) / ux, (w - in - sx[wall]) / ux) : 1e9,
                                             uy ? std::max((in - sy[wall]) / uy, (h - in - sy[wall]) / uy) : 1e9);
        SCOPED_TRACE(testing::Message() << "wall " << wall << " side " << side << " far " << far);
        TList doc;
        AddHouse(doc, w, h, l, in);
        PartitionDraft d = Draft(sx[wall], sy[wall], int32_t(std::lround(sx[wall] + reach * ux)),
                                 int32_t(std::lround(sy[wall] + reach * uy)), bearing, side);
        ComputeOutline(d, doc, kNoObject, kNoObject);
        TrimWallEnds(d, doc, kGroundFloor, kZoom);
        // One side of the first face all along, the thickness away, each end on the face it meets.
        const auto off = [&](double x, double y) { // how far right of the first face
            return ((d.Y1 - d.Y0) * (x - d.X0) - (d.X1 - d.X0) * (y - d.Y0)) / std::hypot(d.X1 - d.X0, d.Y1 - d.Y0);
        };
        const double s = off(d.FaceStartX, d.FaceStartY), e = off(d.FaceEndX, d.FaceEndY), mid = (s + e) / 2;
        EXPECT_NEAR(e, s, 1.5);
        EXPECT_NEAR(std::fabs(s), t, 1.5);
        EXPECT_EQ(wall % 2 ? d.FaceStartX : d.FaceStartY, wall % 2 ? d.X0 : d.Y0);
        EXPECT_TRUE(!far || d.FaceEndX == d.X1 || d.FaceEndY == d.Y1);
        AddPartition(doc, d.X0, d.Y0, d.X1, d.Y1, d.Angle, d.FaceStartX, d.FaceStartY, d.FaceEndX, d.FaceEndY);
        const WallMark m = FindOpeningWall(doc, kGroundFloor, (d.X0 + d.X1) / 2, (d.Y0 + d.Y1) / 2, {5, 820, 0});
        BuildOpening({.kind = 5, .px = m.px, .py = m.py, .width = 820, .thickness = m.thickness, .angle = m.angle,
                      .wallClass = m.wallClass, .wallId = m.wallId, .view = kGroundFloor},
                     doc);
        const auto onAFace = [&](double x, double y) { return std::min(std::fabs(off(x, y)), std::fabs(off(x, y) - mid)) <= 1.5; };
        for (const TObject* jamb : {doc[doc.count - 2], doc[doc.count - 1]}) {
            EXPECT_TRUE(onAFace(jamb->x1, jamb->y1) && onAFace(jamb->x2, jamb->y2));
            EXPECT_GT(std::hypot(jamb->x2 - jamb->x1, jamb->y2 - jamb->y1), t / 2); // across the wall
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFifteenDegrees, AngledPartition, ::testing::Range(0, 3600, 150));
INSTANTIATE_TEST_SUITE_P(InTenths, AngledPartition, ::testing::Values(287, 2392, 2415)); // 2392, 2415: left and down

class FaceStart : public ::testing::TestWithParam<std::pair<int32_t, int32_t>> {};

TEST_P(FaceStart, MovesOntoAFaceWithinThirtyUnits) {
    TList doc;
    AddPartition(doc, 1000, 0, 1000, 3000, 0, 1100, 0, 1100, 3000);
    int32_t x = GetParam().first;
    int32_t y = 1500;
    SnapStartToFace(doc, kGroundFloor, x, y);
    EXPECT_EQ(x, GetParam().second);
    EXPECT_EQ(y, 1500);
}

INSTANTIATE_TEST_SUITE_P(Distances, FaceStart,
                         ::testing::Values(std::pair{980, 1000}, std::pair{1120, 1100}, std::pair{970, 970}));

TEST(ChainStart, SecondFaceAboveRefusesUpAndDown) {
    EXPECT_TRUE(RunsAlongThickness(kDirectionUp, kDirectionUp));
    EXPECT_TRUE(RunsAlongThickness(kDirectionUp, kDirectionDown));
    EXPECT_FALSE(RunsAlongThickness(kDirectionUp, kDirectionLeft));
    EXPECT_FALSE(RunsAlongThickness(kDirectionUp, kDirectionRight));
    EXPECT_TRUE(RunsAlongThickness(kDirectionLeft, kDirectionRight));
    EXPECT_FALSE(RunsAlongThickness(kDirectionLeft, kDirectionUp));
}

TEST(FreeLengthTo, NextFaceBeyondTheClearance) {
    TList doc;
    AddPartition(doc, 1000 + 2 * kZoom, 0, 1000 + 2 * kZoom, 3000, 0, 900, 0, 900, 3000);
    AddPartition(doc, 4000, 0, 4000, 3000, 0, 4100, 0, 4100, 3000);
    EXPECT_EQ(MeasureFreeLength(doc, kGroundFloor, kZoom, 1000, 1000, kDirectionRight).Length, 3000);
    EXPECT_EQ(MeasureFreeLength(doc, kGroundFloor, kZoom, 1000, 1000, kDirectionLeft).Length, 100);
    EXPECT_FALSE(MeasureFreeLength(doc, kGroundFloor, kZoom, 1000, 1000, kDirectionUp).Length);
}

// Down from the end of a partition whose second face is below, a chain's next segment lies to the
// left: its length passes over that partition and over a face ending on its line to the right.
TEST(FreeLengthTo, AChainsNextSegmentMeetsFacesOnItsOwnSide) {
    TList doc;
    AddPartition(doc, 0, 5000, 3000, 5000, 900, 0, 4900, 3000, 4900);
    AddPartition(doc, 3000, 3000, 6000, 3000, 900, 3000, 3100, 6000, 3100);
    AddPartition(doc, 0, 1000, 3000, 1000, 900, 0, 1100, 3000, 1100);
    const int32_t w = ChainWidthAcross(doc, 0, 3000, 5000, kDirectionDown, kDirectionDown, 100);
    EXPECT_EQ(w, -100);
    EXPECT_EQ(MeasureFreeLength(doc, kGroundFloor, kZoom, 3000, 5000, kDirectionDown, w, 0).Length, 3900);
    EXPECT_EQ(MeasureFreeLength(doc, kGroundFloor, kZoom, 3000, 5000, kDirectionDown, -w, 0).Length, 1900);
}

// Inside a chain on side 2, Right from (12000, 12000) toward a face at x 15000 not the one turned from.
TEST(FreeLengthTo, AChainsSegmentPassesOverOnlyTheSegmentItTurnsFrom) {
    TList doc;
    AddPartition(doc, 15000, 10000, 15000, 14000, 0, 15100, 10000, 15100, 14000);
    EXPECT_EQ(MeasureSegmentStart(doc, kGroundFloor, kZoom, 12000, 12000, kDirectionRight, 2, 2, 100).Length,
              3000);
}

TEST(WallCorner, LShapeTakesTheFirstWallThatIsBothLeftmostAndTopmost) {
    TList doc;
    AddExtWall(doc, kGroundFloor, 1003, 9004, 6000, 9004);
    AddExtWall(doc, kGroundFloor, 0, 5000, 1003, 5000);
    int32_t x = -1, y = -1;
    FindWallCorner(doc, kGroundFloor, kZoom, x, y);
    EXPECT_EQ(x, 1000);
    EXPECT_EQ(y, 9000);
}

TEST(WallCorner, UpperFloorWithoutWallsTakesTheFloorBelowElseNothing) {
    TList doc;
    AddExtWall(doc, kGroundFloor, 2000, 8000, 6000, 8000);
    int32_t x = -1, y = -1;
    EXPECT_TRUE(FindWallCorner(doc, kFirstFloor, kZoom, x, y));
    EXPECT_EQ(x, 2000);
    EXPECT_EQ(y, 8000);
    EXPECT_FALSE(FindWallCorner(doc, kSecondFloor, kZoom, x, y));
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
}

} // namespace
