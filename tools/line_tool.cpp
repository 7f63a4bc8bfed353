#include "tools/line_tool.h"

// Line input, the rubber band, keyed lines and the cross-hair are in tools/line_input.cpp; object
// creation in tools/object_creation.cpp.

// Object creation, automatic dimensions, the length label and the line-object commands come with
// their own subsystems.
void TLineobjtool::AutoDimension(TDC&, TRect&, int32_t, int32_t, int32_t, int32_t) {}
void TLineobjtool::ShowLengthLabel(TDC&, TRect&, int32_t, int32_t) {}
void TLineobjtool::Command(int32_t) {}
void TLineobjtool::Start(int32_t, int32_t, int32_t) {}
