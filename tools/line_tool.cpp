#include "tools/line_tool.h"

// Line input, the rubber band, keyed lines and the cross-hair are in tools/line_input.cpp; object
// creation in tools/object_creation.cpp.

// Automatic dimensions and the length label come with their own subsystems; Command and Start are in
// tools/line_object_commands.cpp.
void TLineobjtool::AutoDimension(TDC&, TRect&, int32_t, int32_t, int32_t, int32_t) {}
void TLineobjtool::ShowLengthLabel(TDC&, TRect&, int32_t, int32_t) {}
