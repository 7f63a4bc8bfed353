// The line-object tool's two class operations: Command re-centres the ground floor and recomputes
// the floor area; Start lengthens or shortens the end of a chosen line nearer to a point.
#include <cstdlib>

#include "document/document.h"
#include "document/program_state.h"
#include "editing/centre_drawing.h"
#include "tools/extwall_edit_modes.h"
#include "tools/floor_area.h"
#include "tools/line_tool.h"

namespace {

// Moves the end `moved` of a segment from `other` outward by amount (inward when negative). A
// shortening that would reach or pass the other end is refused.
bool MoveEnd(int32_t& moved, int32_t other, int32_t amount) {
    const int64_t direction = moved >= other ? 1 : -1;
    const int64_t result = moved + direction * amount;
    if ((result - other) * direction <= 0) return false;
    if (result < INT32_MIN || result > INT32_MAX) return false;
    moved = static_cast<int32_t>(result);
    return true;
}

} // namespace

void TLineobjtool::Command(int32_t code) {
    if (code == 1) {
        if (CurrentView == kGroundFloor) CentreDrawing(*this, 2);
        AddExtwallTotals(*this);
    } else if (code == kSitePlan) {
        CentreDrawing(*this, kSitePlan);
    }
}

void TLineobjtool::Start(int32_t length, int32_t x, int32_t y) {
    if (Mode != extwallmode::kLengthen && Mode != extwallmode::kShorten) return;
    // The drawing window stores the picked object's index; "no object" or a stale index does nothing.
    TObject* o = ObjectList[PickKind];
    if (!o) return;
    const int32_t amount = Mode == extwallmode::kShorten ? -length : length;
    if (o->x1 == o->x2 && o->y1 != o->y2) {
        // A vertical line: the end nearer to y moves.
        const bool firstNearer =
            std::abs(static_cast<int64_t>(y) - o->y1) <= std::abs(static_cast<int64_t>(y) - o->y2);
        if (firstNearer)
            MoveEnd(o->y1, o->y2, amount);
        else
            MoveEnd(o->y2, o->y1, amount);
    } else if (o->y1 == o->y2 && o->x1 != o->x2) {
        const bool firstNearer =
            std::abs(static_cast<int64_t>(x) - o->x1) <= std::abs(static_cast<int64_t>(x) - o->x2);
        if (firstNearer)
            MoveEnd(o->x1, o->x2, amount);
        else
            MoveEnd(o->x2, o->x1, amount);
    }
}
