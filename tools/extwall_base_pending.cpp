// PENDING: expanding and shrinking the floor-plan base comes with the plan-editing commands that
// centre a floor and change its base; until then the base stays as it is.
#include "tools/wall_tools.h"

void TExtwallobjtool::ExpandShrinkBase(int32_t, int32_t, int32_t) {}
