// Modes of the line-object tool that the dimension and label steps share with the drawing window.
#pragma once

#include <cstdint>

namespace linemode {

constexpr int32_t kManualFirstPoint = 20;  // the next Enter gives the manual dimension's first point
constexpr int32_t kManualSecondPoint = 21; // ... its second point, then the measurement
constexpr int32_t kManualText = 22;        // the measurement is known: write the text
constexpr int32_t kKeyboardOnlyFirst = 39; // 39 to 42: a mouse button does nothing in them
constexpr int32_t kMultilineModel = 40;    // multi-line: Enter places the model line's start
constexpr int32_t kMultilineModelEnd = 41; // ... its end, the band following the pointer
constexpr int32_t kMultilineCopies = 42;   // ... the next key draws the copies
constexpr int32_t kLineText = 50;          // Line + Text: a label goes beside the next line
constexpr int32_t kLineTextDrawing = 51;   // ... that line is being drawn

constexpr bool IsKeyboardOnly(int32_t mode) {
    return mode >= kKeyboardOnlyFirst && mode <= kMultilineCopies;
}

constexpr bool IsLineText(int32_t mode) {
    return mode == kLineText || mode == kLineTextDrawing;
}

constexpr bool IsManualDimension(int32_t mode) {
    return mode >= kManualFirstPoint && mode <= kManualText;
}

} // namespace linemode

namespace toolkind {
// The pick tool left idle after a floor's area was reported.
constexpr int32_t kPickIdle = 20;
// What the automatic dimensioning leaves in the tool's Kind.
constexpr int32_t kAfterAutoDimensions = 31;
} // namespace toolkind
