// What TChild::Zoom is asked to do.
#pragma once

#include <cstdint>

namespace zoomkind {
constexpr int32_t kAsDragged = 1; // the zoom-up drag has set the view already
constexpr int32_t kNormal = 2;    // normal size
constexpr int32_t kHalf = 3;      // shrink by half: one more normal extent, never beyond the sheet
constexpr int32_t kFit = 4;       // fit the floor (or the room layout) on screen
} // namespace zoomkind
