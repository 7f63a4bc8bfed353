#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "document/program_state.h"
#include "tools/move_tool.h"
#include "tools/room_tools.h"
#include "tools/shape_tools.h"
#include "tools/stairs_tool.h"
#include "tools/text_tool.h"
#include "tools/window_tool.h"

namespace {

// Every shared field but PenWidth starts at 0.
void ExpectSharedFieldsClear(const TDrawingtool& tool) {
    EXPECT_EQ(tool.Window, nullptr);
    EXPECT_EQ(tool.Colour, 0u);
    EXPECT_EQ(tool.PointPlaced, 0);
    EXPECT_EQ(tool.CursorX, 0);
    EXPECT_EQ(tool.PickKind, 0);
    EXPECT_EQ(tool.Mode, 0);
    EXPECT_EQ(tool.SavedMode, 0);
    EXPECT_EQ(tool.PenWidth, 1);
    EXPECT_EQ(tool.LineStyle, 0);
    EXPECT_EQ(tool.Dragging, 0);
    EXPECT_EQ(tool.Count, 0);
    EXPECT_EQ(tool.Angle, 0);
    EXPECT_EQ(tool.CursorY, 0);
    EXPECT_EQ(tool.CrosshairStyle, 0);
    EXPECT_EQ(tool.ObjectId, 0);
    EXPECT_EQ(tool.SegmentLength, 0);
    EXPECT_EQ(tool.ChainState, 0);
    EXPECT_EQ(tool.X0, 0);
    EXPECT_EQ(tool.Aux1, 0);
    EXPECT_EQ(tool.X1, 0);
    EXPECT_EQ(tool.Aux2, 0);
    EXPECT_EQ(tool.Y0, 0);
    EXPECT_EQ(tool.Y1, 0);
    EXPECT_EQ(tool.BoxLeft, 0);
    EXPECT_EQ(tool.BoxRight, 0);
    EXPECT_EQ(tool.BoxTop, 0);
    EXPECT_EQ(tool.BoxBottom, 0);
    EXPECT_EQ(tool.Scrolled, 0);
}

struct KindCase {
    const char* name;
    std::unique_ptr<TDrawingtool> (*make)();
    int32_t kind;
};

template <class T> std::unique_ptr<TDrawingtool> Make() {
    return std::make_unique<T>();
}

class ToolConstruction : public ::testing::TestWithParam<KindCase> {};

TEST_P(ToolConstruction, StartsClearWithItsKind) {
    ResetGlobals();
    auto tool = GetParam().make();
    EXPECT_EQ(tool->Kind, GetParam().kind);
    ExpectSharedFieldsClear(*tool);
}

INSTANTIATE_TEST_SUITE_P(
    EveryBuiltClass, ToolConstruction,
    ::testing::Values(
        KindCase{"Line", Make<TLineobjtool>, 1}, KindCase{"Arc", Make<TArcobjtool>, 3},
        KindCase{"Text", Make<TTextobjtool>, 4}, KindCase{"Ellipse", Make<TEllipseobjtool>, 5},
        KindCase{"Circle", Make<TCircleobjtool>, 6}, KindCase{"Rectangle", Make<TRectangleobjtool>, 7},
        KindCase{"RoundRect", Make<TRndrectobjtool>, 8}, KindCase{"Move", Make<TMoveobjtool>, 14},
        KindCase{"Copy", Make<TCopyobjtool>, 15}, KindCase{"Erase", Make<TEraseobjtool>, 19},
        KindCase{"Stairs", Make<TStepobjtool>, 57}, KindCase{"FixedRoom", Make<TRoomobjtool>, 71},
        KindCase{"ExtWall", Make<TExtwallobjtool>, 1000}, KindCase{"IntWall", Make<TIntwallobjtool>, 1500},
        KindCase{"Opening", Make<TWindowobjtool>, 2000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ToolDefaults, DesignRoomTakesBackgroundFillAndNoPick) {
    ResetGlobals();
    BackgroundColour = RGB(10, 20, 30);
    TDRoomobjtool tool;
    EXPECT_EQ(tool.Kind, 29000);
    EXPECT_EQ(tool.FillColour, RGB(10, 20, 30));
    EXPECT_EQ(tool.PickedIndex, NoWallIndex);
    EXPECT_EQ(tool.SizeOption, 0);
    EXPECT_EQ(tool.RoomWidth, 0);
    EXPECT_EQ(tool.WidthText[0], '\0');
    EXPECT_EQ(tool.LengthText[0], '\0');
    ResetGlobals();
}

TEST(ToolDefaults, OpeningToolStartsOnReferenceFaceOfAnExternalWall) {
    TWindowobjtool tool;
    EXPECT_EQ(tool.FaceSide, 1);
    EXPECT_EQ(tool.DoorCount, 1);
    EXPECT_EQ(tool.WallClass, 1);
    EXPECT_EQ(tool.SymbolOption, 1);
    EXPECT_EQ(tool.MarkedWall, 0);
    EXPECT_EQ(tool.OpeningKind, 0);
}

TEST(ToolDefaults, TextToolStartsWithEmptyBuffer) {
    TTextobjtool tool;
    EXPECT_STREQ(tool.TextBuffer, "");
    EXPECT_EQ(tool.TextLength, 0);
    EXPECT_EQ(tool.TypedCount, 0);
    EXPECT_EQ(sizeof(tool.TextBuffer), 80u);
}

TEST(ToolDefaults, WallToolsStartWithClearLayersAndFaces) {
    TExtwallobjtool ext;
    EXPECT_EQ(ext.LayerThickness1 + ext.LayerThickness2 + ext.LayerThickness3, 0);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(ext.LayerEndX[i] | ext.LayerEndY[i], 0);
    TIntwallobjtool inner;
    EXPECT_EQ(inner.Thickness, 0);
    EXPECT_EQ(inner.BandShown, 0);
    EXPECT_EQ(inner.FaceStartX | inner.FaceEndX | inner.FaceStartY | inner.FaceEndY, 0);
    TCircleobjtool circle;
    EXPECT_EQ(circle.CentreX | circle.CentreY, 0);
    TArcobjtool arc;
    EXPECT_EQ(arc.ArcPhase, 0);
}

TEST(RoleAccessors, NameTheSharedFieldNotACopy) {
    TDRoomobjtool room;
    room.RoomX1() = 100;
    room.RoomY2() = -50;
    room.KeyRouteFlag() = 1;
    room.ClearX2() = 7;
    EXPECT_EQ(room.X0, 100);
    EXPECT_EQ(room.Y1, -50);
    EXPECT_EQ(room.PointPlaced, 1);
    EXPECT_EQ(room.BoxRight, 7);

    TExtwallobjtool wall;
    wall.DirectionCode() = 3;
    wall.ExtendDirection() = 2;
    EXPECT_EQ(wall.PickKind, 3);
    EXPECT_EQ(wall.ChainState, 2);

    TWindowobjtool opening;
    opening.WallId() = 12;
    opening.OpeningId() = 10005;
    EXPECT_EQ(opening.ObjectId, 12);
    EXPECT_EQ(opening.SegmentLength, 10005);

    TMoveobjtool move;
    move.InputFlag() = 1;
    EXPECT_EQ(move.PointPlaced, 1);
}

TEST(ToolLifetime, SubclassIsDestroyedThroughTheBasePointer) {
    // The client owns its tool through the base; the subclass's arrays must go with it.
    std::unique_ptr<TDrawingtool> tool = std::make_unique<TExtwallobjtool>();
    EXPECT_NE(dynamic_cast<TLineobjtool*>(tool.get()), nullptr);
    tool = std::make_unique<TCopyobjtool>();
    EXPECT_NE(dynamic_cast<TMoveobjtool*>(tool.get()), nullptr);
    EXPECT_EQ(dynamic_cast<TLineobjtool*>(tool.get()), nullptr);
}

TEST(ToolFamily, RoomToolsSitOnTheirBranches) {
    TRoomobjtool fixed;
    EXPECT_NE(dynamic_cast<TIntwallobjtool*>(&fixed), nullptr);
    TEraseobjtool erase;
    EXPECT_NE(dynamic_cast<TMoveobjtool*>(&erase), nullptr);
    TTextobjtool text;
    EXPECT_EQ(dynamic_cast<TLinetool*>(static_cast<TDrawingtool*>(&text)), nullptr);
}

TEST(LineBranch, KeyedEntryStartsWithAStartPoint) {
    EXPECT_EQ(KeyEntryPhase, 1);
}

} // namespace
