// The line-with-text tool marks a line that gets no label in its start's Y0, with a value past any
// start point on a sheet: a press that did not drag, or a label dialog that was cancelled. The
// release and the keyed steps look at the mark before asking for the label or saving it.
#pragma once

#include <cstdint>

#include "tools/drawing_tool.h"

constexpr int32_t kCancelledLineMark = 125000;

inline void MarkLineCancelled(TDrawingtool& tool) {
    tool.Y0 = kCancelledLineMark;
}

inline bool IsLineCancelled(const TDrawingtool& tool) {
    return tool.Y0 == kCancelledLineMark;
}
