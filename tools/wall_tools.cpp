#include "tools/wall_tools.h"

// Building, editing and snapping external walls come with the walls subsystem.
void TExtwallobjtool::Command(int32_t) {}
void TExtwallobjtool::Start(int32_t a, int32_t b, int32_t c) {
    DispatchMode(a, b, c);
}
void TExtwallobjtool::DispatchMode(int32_t, int32_t, int32_t) {}
