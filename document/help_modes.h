// Which help system the program found at start-up (HelpMode).
#pragma once

#include <cstdint>

namespace helpmode {
constexpr int32_t kNotChosen = 0;      // before the main window has looked
constexpr int32_t kPages = 1;          // the HTML help control is there: help opens pages
constexpr int32_t kContextNumbers = 2; // it is not: help goes by context number
} // namespace helpmode
