// Editing one external wall of a built outline through the external-wall tool's start operation:
// lengthen, shorten, delete, split and change type, with the corners of the joined walls following.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "document/document.h"
#include "document/program_state.h"
#include "tests/tools/extwall_fixture.h"
#include "tools/extwall_edit_modes.h"
#include "tools/wall_tools.h"
#include "walls/extwall_edit.h"

namespace {

using Points = std::vector<int32_t>;

class WallEdit : public ExtWallToolTest {
protected:
    static void Build(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t angle) {
        TExtwallobjtool t;
        t.X0 = x1, t.Y0 = y1, t.X1 = x2, t.Y1 = y2;
        t.Angle = angle;
        t.SegmentLength = static_cast<int32_t>(std::hypot(double(x2 - x1), double(y2 - y1)));
        t.DirectionCode() = 0; // no outward side: the ends stay as given
        t.SnapWallEnds(1);
        ASSERT_EQ(t.AddExternalWall(), tools::WriteResult::Ok);
    }
    // The clockwise box 1000..5000 x 500..2000; its top wall, running right, is index 1.
    static void Box() {
        Build(1000, 500, 1000, 2000, 0);
        Build(1000, 2000, 5000, 2000, 900);
        Build(5000, 2000, 5000, 500, 1800);
        Build(5000, 500, 1000, 500, 2700);
    }
    static TExtwallobj& Wall(int32_t index) { return dynamic_cast<TExtwallobj&>(*ObjectList[index]); }
    static Points Layers(const TExtwallobj& w) {
        return {w.p1x, w.p1y, w.p2x, w.p2y, w.p3x, w.p3y, w.p4x, w.p4y, w.p5x, w.p5y, w.p6x, w.p6y};
    }
    static Points Face(const TExtwallobj& w) { return {w.x1, w.y1, w.x2, w.y2}; }
    static Points Everything() {
        Points all;
        for (int32_t i = 0; i < ObjectList.count; ++i) {
            const auto& w = Wall(i);
            for (int32_t v : Face(w))
                all.push_back(v);
            for (int32_t v : Layers(w))
                all.push_back(v);
            all.insert(all.end(), {w.group, w.thickness1, w.thickness2, w.thickness3});
        }
        return all;
    }

    // A fresh tool for one pick, as the drawing window makes it.
    TExtwallobjtool Edit(int32_t mode, int32_t index, int32_t a, int32_t b, int32_t c) {
        TExtwallobjtool t;
        t.Mode = mode;
        t.DirectionCode() = index;
        t.Start(a, b, c);
        return t;
    }
};

TEST_F(WallEdit, BoxBeforeTheEditSpansTheFaceAndTheInnermostLine) {
    Build(1000, 2000, 5000, 2000, 900);
    const TExtwallobjtool t = Edit(extwallmode::kDelete, 0, 0, 0, 0);
    EXPECT_EQ((Points{t.BoxLeft, t.BoxRight, t.BoxTop, t.BoxBottom}), (Points{1000, 5000, 2000, 1725}));
}

struct EndMoveCase {
    const char* name;
    int32_t mode;
    int32_t amount;
    int32_t pickX;
    Points face;    // the top wall after the edit
    int32_t group;  // its face length
    bool nextFreed; // the right wall's start re-made square and free
};

class EndMove : public WallEdit, public ::testing::WithParamInterface<EndMoveCase> {};

TEST_P(EndMove, MovesTheNearerEndAndFreesOrKeepsTheNeighbour) {
    const EndMoveCase& c = GetParam();
    Box();
    const Points nextBefore = Layers(Wall(2));
    const Points previousBefore = Layers(Wall(0));
    const TExtwallobjtool t = Edit(c.mode, 1, c.amount, c.pickX, 2000);
    EXPECT_EQ(t.Dragging, walls::walledit::kDone);
    EXPECT_EQ(Face(Wall(1)), c.face);
    EXPECT_EQ((Points{t.X0, t.Y0, t.X1, t.Y1}), c.face);
    EXPECT_EQ(Wall(1).group, c.group);
    EXPECT_EQ(Layers(Wall(0)), previousBefore);
    if (c.nextFreed) {
        EXPECT_EQ((Points{Wall(2).p1x, Wall(2).p1y, Wall(2).p5x, Wall(2).p5y}),
                  (Points{4890, 2000, 4725, 2000}));
    } else {
        EXPECT_EQ(Layers(Wall(2)), nextBefore);
    }
}

INSTANTIATE_TEST_SUITE_P(
    WallEdit, EndMove,
    ::testing::Values(
        EndMoveCase{
            "LengthenRight", extwallmode::kLengthen, 500, 4000, {1000, 2000, 5500, 2000}, 4500, false},
        EndMoveCase{"LengthenAtMiddleMovesLeft",
                    extwallmode::kLengthen,
                    500,
                    3000,
                    {500, 2000, 5000, 2000},
                    4500,
                    false},
        EndMoveCase{"ShortenRight", extwallmode::kShorten, 500, 4500, {1000, 2000, 4500, 2000}, 3500, true},
        EndMoveCase{"ShortenByNothing", extwallmode::kShorten, 0, 4500, {1000, 2000, 5000, 2000}, 4000, true},
        EndMoveCase{
            "NegativeLengthen", extwallmode::kLengthen, -500, 4000, {1000, 2000, 4500, 2000}, 3500, false}),
    [](const auto& info) { return info.param.name; });

TEST_F(WallEdit, LengthenedEndIsSquareAndNoLongerMeetsTheNextWall) {
    Box();
    Edit(extwallmode::kLengthen, 1, 500, 4000, 2000);
    const TExtwallobj& top = Wall(1);
    EXPECT_EQ((Points{top.p2x, top.p4x, top.p6x}), (Points{5500, 5500, 5500}));
    EXPECT_NE(Wall(2).x1, top.x2);
}

TEST_F(WallEdit, LengthenByNothingKeepsEveryCorner) {
    Box();
    const Points before = Everything();
    Edit(extwallmode::kLengthen, 1, 0, 4500, 2000);
    EXPECT_EQ(Everything(), before);
}

TEST_F(WallEdit, VerticalWallPickedAtItsMiddleMovesItsUpperEnd) {
    Build(1000, 5000, 1000, 1000, 1800);
    Edit(extwallmode::kLengthen, 0, 500, 1000, 3000);
    EXPECT_EQ(Face(Wall(0)), (Points{1000, 5500, 1000, 1000}));
}

struct RefusedCase {
    const char* name;
    int32_t mode;
    int32_t amount;
    int32_t code;
};

class RefusedEndMove : public WallEdit, public ::testing::WithParamInterface<RefusedCase> {};

// An angled wall, and a wall shorter than the shortening, stay as they were, file included.
TEST_P(RefusedEndMove, ChangesNothing) {
    const RefusedCase& c = GetParam();
    if (c.code == walls::walledit::kAngledWall) {
        Build(1000, 1000, 4000, 4000, 450);
    } else {
        Box();
    }
    const int32_t index = ObjectList.count == 1 ? 0 : 1;
    ASSERT_EQ(ObjectList.WriteDrawingFile(filemode::kWorking), FileResult::Ok);
    const std::string file = dir.ReadFile("DWGS/HOUSE.DB0");
    const Points before = Everything();
    const TExtwallobjtool t = Edit(c.mode, index, c.amount, 3000, 2000);
    EXPECT_EQ(t.Dragging, c.code);
    EXPECT_EQ(Everything(), before);
    EXPECT_EQ(dir.ReadFile("DWGS/HOUSE.DB0"), file);
}

INSTANTIATE_TEST_SUITE_P(
    WallEdit, RefusedEndMove,
    ::testing::Values(RefusedCase{"Angled", extwallmode::kLengthen, 500, walls::walledit::kAngledWall},
                      RefusedCase{"ShortenByTheLength", extwallmode::kShorten, 4000,
                                  walls::walledit::kTooShort},
                      RefusedCase{"ShortenByMore", extwallmode::kShorten, 5000, walls::walledit::kTooShort},
                      RefusedCase{"NegativeLengthenByTheLength", extwallmode::kLengthen, -4000,
                                  walls::walledit::kTooShort}),
    [](const auto& info) { return info.param.name; });

TEST_F(WallEdit, DeleteOpensTheOutlineWithSquareEndsAndKeepsOtherObjects) {
    Box();
    ObjectList.Add(
        std::make_unique<TLineobj>(kGroundFloor, kLine, 1, 0, 7, 0, 2000, 0, 3000, 0, 2000, 2000, 0, 0, 0));
    Edit(extwallmode::kDelete, 1, 0, 0, 0);
    ASSERT_EQ(ObjectList.count, 4);
    EXPECT_EQ((Points{Wall(0).p2x, Wall(0).p2y}), (Points{1110, 2000}));
    EXPECT_EQ((Points{Wall(1).p1x, Wall(1).p1y}), (Points{4890, 2000}));
    EXPECT_EQ(ObjectList[3]->id, 7);
    ObjectList.Flush();
    ASSERT_EQ(ObjectList.ReadDrawingFile(filemode::kWorking), FileResult::Ok);
    EXPECT_EQ(ObjectList.count, 4);
}

// A new construction and back again must give the corners the outline had: both neighbours are
// freed, then joined to the wall again.
TEST_F(WallEdit, TypeChangeAndBackRestoresEveryCorner) {
    Box();
    const Points before = Everything();
    Edit(extwallmode::kChangeType, 1, 230, 0, 0);
    EXPECT_EQ(Wall(1).thickness1, 230);
    EXPECT_EQ((Points{Wall(1).p1x, Wall(1).p1y}), (Points{1110, 1770}));
    EXPECT_EQ((Points{Wall(1).p3x, Wall(1).p5x, Wall(1).p6y}), (Points{0, 0, 0}));
    Edit(extwallmode::kChangeType, 1, 110, 55, 110);
    EXPECT_EQ(Everything(), before);
}

TEST_F(WallEdit, TypeChangeWithoutPreviousWallFreesTheStart) {
    Build(1000, 2000, 5000, 2000, 900);
    Build(5000, 2000, 5000, 500, 1800);
    const Points before = Everything();
    Edit(extwallmode::kChangeType, 0, 230, 0, 0);
    EXPECT_EQ((Points{Wall(0).p1x, Wall(0).p1y}), (Points{1000, 1770}));
    Edit(extwallmode::kChangeType, 0, 110, 55, 110);
    EXPECT_EQ(Everything(), before);
}

TEST_F(WallEdit, TypeChangeNextToAnObliqueWallIsMitredAgain) {
    dir.WriteFile("CFG/EXTWALLM.CFG", "100 0 0 25 2550 2400 2400 0 0 0");
    Build(1000, 5000, 5000, 5000, 900);
    Build(5000, 5000, 8000, 2000, 1350);
    const Points before = Everything();
    Edit(extwallmode::kChangeType, 0, 200, 0, 0);
    EXPECT_NE(Everything(), before);
    Edit(extwallmode::kChangeType, 0, 100, 0, 0);
    EXPECT_EQ(Everything(), before);
}

struct SplitCase {
    const char* name;
    Points wall; // x1, y1, x2, y2
    int32_t angle;
    Points kept;
    Points added;
};

class Split : public WallEdit, public ::testing::WithParamInterface<SplitCase> {};

TEST_P(Split, KeepsTheLowerPartAndAppendsTheOther) {
    const SplitCase& c = GetParam();
    Build(c.wall[0], c.wall[1], c.wall[2], c.wall[3], c.angle);
    const TExtwallobj whole = Wall(0);
    const int32_t ids = IdCounter;
    Edit(extwallmode::kSplit, 0, 0, 3000, 3000);
    ASSERT_EQ(ObjectList.count, 2);
    const TExtwallobj& kept = Wall(0);
    const TExtwallobj& added = Wall(1);
    EXPECT_EQ(Face(kept), c.kept);
    EXPECT_EQ(Face(added), c.added);
    EXPECT_EQ(kept.group, 2000);
    EXPECT_EQ(added.group, 2000);
    EXPECT_EQ(added.id, ids + 1);
    EXPECT_EQ(IdCounter, ids + 1);
    EXPECT_EQ((Points{added.direction, added.thickness1, added.thickness2, added.aux1, added.aux2}),
              (Points{whole.direction, 110, 55, whole.aux1, whole.aux2}));
}

INSTANTIATE_TEST_SUITE_P(WallEdit, Split,
                         ::testing::Values(SplitCase{"RunningRight",
                                                     {1000, 2000, 5000, 2000},
                                                     900,
                                                     {1000, 2000, 3000, 2000},
                                                     {3000, 2000, 5000, 2000}},
                                           SplitCase{"RunningLeft",
                                                     {5000, 2000, 1000, 2000},
                                                     2700,
                                                     {3000, 2000, 1000, 2000},
                                                     {5000, 2000, 3000, 2000}},
                                           SplitCase{"RunningUp",
                                                     {2000, 1000, 2000, 5000},
                                                     0,
                                                     {2000, 1000, 2000, 3000},
                                                     {2000, 3000, 2000, 5000}}),
                         [](const auto& info) { return info.param.name; });

TEST_F(WallEdit, SplitHalfMeetsTheNextWallAtTheOldCorner) {
    Box();
    const Points corner{Wall(1).p2x, Wall(1).p2y, Wall(1).p6x, Wall(1).p6y};
    Edit(extwallmode::kSplit, 1, 0, 3000, 2000);
    const TExtwallobj& added = Wall(4);
    EXPECT_EQ((Points{added.p2x, added.p2y, added.p6x, added.p6y}), corner);
    EXPECT_EQ((Points{added.p1x, Wall(1).p2x}), (Points{3000, 3000}));
}

struct RefusedSplitCase {
    const char* name;
    Points wall;
    int32_t angle;
    int32_t cutX;
};

class RefusedSplit : public WallEdit, public ::testing::WithParamInterface<RefusedSplitCase> {};

TEST_P(RefusedSplit, LeavesTheWallWholeAndTakesNoIdentifier) {
    const RefusedSplitCase& c = GetParam();
    Build(c.wall[0], c.wall[1], c.wall[2], c.wall[3], c.angle);
    const Points before = Everything();
    const int32_t ids = IdCounter;
    Edit(extwallmode::kSplit, 0, 0, c.cutX, 2000);
    EXPECT_EQ(ObjectList.count, 1);
    EXPECT_EQ(Everything(), before);
    EXPECT_EQ(IdCounter, ids);
}

INSTANTIATE_TEST_SUITE_P(
    WallEdit, RefusedSplit,
    ::testing::Values(RefusedSplitCase{"Angled", {1000, 1000, 4000, 4000}, 450, 2000},
                      RefusedSplitCase{"AtTheEnd", {1000, 2000, 5000, 2000}, 900, 5000},
                      RefusedSplitCase{"HalfOnAnAxis", {-1000, 2000, 5000, 2000}, 900, 0},
                      RefusedSplitCase{"BeyondTheEnd", {1000, 2000, 5000, 2000}, 900, 6000}),
    [](const auto& info) { return info.param.name; });

} // namespace
