// Every tool class copies itself whole and takes its state back only from a copy of its own class:
// a step whose write failed puts the tool back from such a copy, and a copy of the parent class would
// lose the fields the tool adds.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

#include "tools/drawing_tool.h"
#include "tools/line_tool.h"
#include "tools/move_tool.h"
#include "tools/room_tools.h"
#include "tools/shape_tools.h"
#include "tools/stairs_tool.h"
#include "tools/text_tool.h"
#include "tools/wall_tools.h"
#include "tools/window_tool.h"

namespace {

struct ToolClass {
    const char* name;
    std::function<std::unique_ptr<TDrawingtool>()> make;
};

template <class T> ToolClass Of(const char* name) {
    return {name, [] { return std::unique_ptr<TDrawingtool>(std::make_unique<T>()); }};
}

// The fields every tool shares, as a step leaves them.
void MoveOn(TDrawingtool& tool, int32_t by) {
    tool.Mode += by;
    tool.PointPlaced += by;
    tool.X0 += 7 * by;
    tool.Y1 -= 11 * by;
    tool.Count += by;
}

std::vector<int32_t> Shared(const TDrawingtool& tool) {
    return {tool.Mode, tool.PointPlaced, tool.X0, tool.Y1, tool.Count, tool.Kind};
}

class ToolCopies : public ::testing::TestWithParam<ToolClass> {};

TEST_P(ToolCopies, ACopyIsOfItsOwnClassAndPutsTheToolBack) {
    const auto tool = GetParam().make();
    MoveOn(*tool, 3);
    const auto copy = tool->Clone();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(typeid(*copy), typeid(*tool)) << "a copy in a parent class loses the fields the tool adds";
    const std::vector<int32_t> before = Shared(*tool);
    MoveOn(*tool, 2);
    EXPECT_TRUE(tool->TakeState(*copy));
    EXPECT_EQ(Shared(*tool), before);
}

TEST_P(ToolCopies, ACopyOfAnotherClassIsRefusedAndChangesNothing) {
    const auto tool = GetParam().make();
    MoveOn(*tool, 3);
    std::unique_ptr<TDrawingtool> other = std::make_unique<TLineobjtool>();
    if (typeid(*tool) == typeid(*other)) other = std::make_unique<TDrawingtool>();
    const std::vector<int32_t> before = Shared(*tool);
    EXPECT_FALSE(tool->TakeState(*other));
    EXPECT_EQ(Shared(*tool), before);
}

INSTANTIATE_TEST_SUITE_P(
    EveryTool, ToolCopies,
    ::testing::Values(
        Of<TDrawingtool>("Base"), Of<TLinetool>("LineBase"), Of<TLineobjtool>("Line"),
        Of<TRectangletool>("RectangleBase"), Of<TRectangleobjtool>("Rectangle"),
        Of<TRoundrecttool>("RoundRectBase"), Of<TRndrectobjtool>("RoundRect"), Of<TCircletool>("CircleBase"),
        Of<TCircleobjtool>("Circle"), Of<TEllipsetool>("EllipseBase"), Of<TEllipseobjtool>("Ellipse"),
        Of<TArctool>("ArcBase"), Of<TArcobjtool>("Arc"), Of<TTexttool>("TextBase"), Of<TTextobjtool>("Text"),
        Of<TMoveobjtool>("Move"), Of<TEraseobjtool>("Erase"), Of<TCopyobjtool>("Copy"),
        Of<TExtwallobjtool>("ExternalWall"), Of<TIntwallobjtool>("Partition"), Of<TRoomobjtool>("FixedRoom"),
        Of<TDRoomobjtool>("DesignRoom"), Of<TStepobjtool>("Stairs"), Of<TWindowobjtool>("Window")),
    [](const ::testing::TestParamInfo<ToolClass>& info) { return std::string(info.param.name); });

} // namespace
