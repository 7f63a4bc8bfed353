// Which part of a drawing window TChild::InvalidateArea repaints.
#pragma once

#include <cstdint>

namespace invalidatekind {
constexpr int32_t kWhole = 0;        // the whole window, at the next paint
constexpr int32_t kLibraryStrip = 3; // the lower two thirds of the left quarter: library previews
constexpr int32_t kWholeNow = 9;     // the whole window, painted at once
constexpr int32_t kToolBox = 15;     // the box the current tool has marked (BoxLeft ... BoxBottom)
} // namespace invalidatekind
