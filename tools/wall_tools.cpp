#include "tools/wall_tools.h"

// Editing one external wall comes with the wall edits.
void TExtwallobjtool::Start(int32_t a, int32_t b, int32_t c) {
    DispatchMode(a, b, c);
}
void TExtwallobjtool::DispatchMode(int32_t, int32_t, int32_t) {}
