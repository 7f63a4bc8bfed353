// What TChild::KeepCursorInView did for a point moved by an arrow key.
#pragma once

#include <cstdint>

namespace cursorview {
constexpr int32_t kInView = 0;   // nothing to do
constexpr int32_t kScrolled = 1; // the view scrolled to keep the point in sight
constexpr int32_t kOffSheet = 2; // refused with a warning: the point would leave the sheet
} // namespace cursorview
