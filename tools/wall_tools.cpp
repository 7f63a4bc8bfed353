#include "tools/wall_tools.h"

void TExtwallobjtool::Start(int32_t a, int32_t b, int32_t c) {
    DispatchMode(a, b, c);
}
