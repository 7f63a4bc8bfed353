#include "shell/keyed_start.h"

#include "tools/drawing_tool.h"
#include "tools/line_modes.h"
#include "tools/shape_tools.h"
#include "tools/wall_tools.h"

namespace shell {

namespace {

// The line tool is left out: a press of it is a new start, whose drag draws a line from the press and
// whose click draws nothing and ends the keyed chain, the guide asking for a start.
bool GoesOnFromKeyedPoint(int32_t kind) {
    return kind == toolkind::kOutline || kind == toolkind::kExtWall || kind == toolkind::kIntWall ||
           kind == toolkind::kRectangle || kind == toolkind::kRoundRect || kind == toolkind::kEllipse ||
           kind == toolkind::kArc;
}

// The arc keeps its first keyed point in a phase of its own, with no point placed.
bool HoldsArcStart(const TDrawingtool& tool) {
    const auto* arc = dynamic_cast<const TArctool*>(&tool);
    return arc && arc->ArcPhase == 1;
}

} // namespace

bool EnterStartsLineOrWall(const TDrawingtool& tool) {
    if (tool.Kind == toolkind::kLine)
        return tool.Mode == toolmode::kIdle || linemode::IsLineText(tool.Mode) ||
               tool.Mode == linemode::kMultilineModel;
    if (tool.Kind == toolkind::kIntWall) return tool.Mode == intwall::kDrawing;
    return tool.Kind == toolkind::kExtWall || tool.Kind == toolkind::kOutline;
}

void MarkKeyedStart(TDrawingtool& tool) {
    tool.KeyedStart = GoesOnFromKeyedPoint(tool.Kind) && WaitsForKeyedStep(tool) ? 1 : 0;
}

bool WaitsForKeyedStep(const TDrawingtool& tool) {
    return tool.PointPlaced != 0 || HoldsArcStart(tool);
}

void ForgetEndedKeyedStart(TDrawingtool& tool) {
    if (!WaitsForKeyedStep(tool)) tool.KeyedStart = 0;
}

} // namespace shell
