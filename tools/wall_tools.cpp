#include "tools/wall_tools.h"

#include "editing/centre_drawing.h"

namespace {

constexpr int32_t kExpandBaseMode = 8;
constexpr int32_t kShrinkBaseMode = 9;

} // namespace

// Editing one external wall comes with the wall edits.
void TExtwallobjtool::Start(int32_t a, int32_t b, int32_t c) {
    DispatchMode(a, b, c);
}

// a the amount, (b, c) the line point in drawing units. The floor is re-centred, and so written, also
// when a shrink was refused.
void TExtwallobjtool::DispatchMode(int32_t a, int32_t b, int32_t c) {
    if (Mode != kExpandBaseMode && Mode != kShrinkBaseMode) return;
    Dragging = 0;
    PointPlaced = 0;
    Kind = toolkind::kExtWall;
    ExpandShrinkBase(a, b, c);
    CentreDrawing(*this, 1);
}
