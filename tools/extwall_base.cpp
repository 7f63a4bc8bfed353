// The external-wall tool's change of the floor-plan base: the tool's mode says expand or shrink, its
// DirectionCode the arrow key chosen; the sizes are re-texted in the drawing's own units.
#include "editing/base_change.h"
#include "tools/extwall_edit_modes.h"
#include "tools/length_text.h"
#include "tools/wall_tools.h"

namespace {

std::string DrawingLengthText(int32_t length) {
    return LengthText(length);
}

} // namespace

void TExtwallobjtool::ExpandShrinkBase(int32_t amount, int32_t x, int32_t y) {
    const editing::BaseChange change{Mode == extwallmode::kShrinkBase, DirectionCode(), amount, x, y};
    BaseChangeRefused = !editing::ExpandShrinkBase(change, DrawingLengthText);
}
