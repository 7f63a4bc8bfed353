#include "tools/picked_end.h"

#include <algorithm>

#include "document/document.h"
#include "platform/virtual_keys.h"
#include "tools/line_tool.h"
#include "tools/wall_tools.h"

namespace tools {

namespace {

// The shift, or why there is none.
struct EndPlan {
    const char* why;
    EndShift shift;
};

EndPlan PlanEnd(const TObject& picked, uint32_t key, int32_t amount) {
    const bool horizontal = picked.y1 == picked.y2;
    const bool vertical = picked.x1 == picked.x2;
    if (horizontal == vertical) return {"Only a line or wall drawn square can have its end moved", {}};
    const int32_t a = horizontal ? picked.x1 : picked.y1;
    const int32_t b = horizontal ? picked.x2 : picked.y2;
    const bool towardsGreater = horizontal ? key == VK_RIGHT : key == VK_UP;
    const bool towardsLesser = horizontal ? key == VK_LEFT : key == VK_DOWN;
    if (!towardsGreater && !towardsLesser)
        return {"Press the arrow key that runs along the line or wall", {}};
    const int32_t by = towardsGreater ? amount : -amount;
    const bool startMoves = towardsGreater ? a > b : a < b;
    int64_t length = static_cast<int64_t>(b) - a;
    length += startMoves ? -int64_t{by} : int64_t{by};
    if (length == 0 || (length > 0) != (b > a))
        return {"The line or wall is not that long - it has not been shortened", {}};
    return {nullptr, EndShift{horizontal, startMoves, by}};
}

} // namespace

std::optional<EndShift> ShiftOfEnd(const TObject& picked, uint32_t key, int32_t amount) {
    const EndPlan plan = PlanEnd(picked, key, amount);
    if (plan.why) return std::nullopt;
    return plan.shift;
}

const char* WhyEndStays(const TObject& picked, uint32_t key, int32_t amount) {
    return PlanEnd(picked, key, amount).why;
}

int32_t& ShiftedEnd(TObject& picked, const EndShift& shift) {
    if (shift.horizontal) return shift.startMoves ? picked.x1 : picked.x2;
    return shift.startMoves ? picked.y1 : picked.y2;
}

void WidenBoxToLine(TDrawingtool& tool, const TObject& picked) {
    tool.BoxLeft = std::min({tool.BoxLeft, picked.x1 - kEditBoxMargin, picked.x2 - kEditBoxMargin});
    tool.BoxRight = std::max({tool.BoxRight, picked.x1 + kEditBoxMargin, picked.x2 + kEditBoxMargin});
    tool.BoxTop = std::max({tool.BoxTop, picked.y1 + kEditBoxMargin, picked.y2 + kEditBoxMargin});
    tool.BoxBottom = std::min({tool.BoxBottom, picked.y1 - kEditBoxMargin, picked.y2 - kEditBoxMargin});
}

} // namespace tools

// A square line or partition: the objects the edits pick.
const TObject* TLineobjtool::PickedForEndEdit() const {
    const TObject* picked = ObjectList[PickIndex()];
    return picked && (picked->kind == kLine || picked->kind == kIntWall) ? picked : nullptr;
}

std::optional<TLineobjtool::EndTravel> TLineobjtool::EditedEndTravel(uint32_t key, int32_t step) const {
    if (Mode != intwall::kExtendEnd && Mode != intwall::kShortenEnd) return std::nullopt;
    const TObject* picked = PickedForEndEdit();
    if (!picked) return std::nullopt;
    const auto shift = tools::ShiftOfEnd(*picked, key, Mode == intwall::kShortenEnd ? -step : step);
    if (!shift) return std::nullopt;
    const POINT from = shift->startMoves ? POINT{picked->x1, picked->y1} : POINT{picked->x2, picked->y2};
    const bool greater = shift->by > 0;
    const uint32_t towards = shift->horizontal ? (greater ? VK_RIGHT : VK_LEFT) : (greater ? VK_UP : VK_DOWN);
    return EndTravel{from, towards};
}

bool TLineobjtool::EndingNeedsRepaint() const {
    return (Kind == toolkind::kLine || Kind == toolkind::kIntWall) && Mode >= intwall::kMoveEnd &&
           Mode <= intwall::kShortenEnd && PointPlaced == 1;
}
