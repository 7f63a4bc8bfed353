// Which way a stored text angle turns its text. Dimension texts, line labels and opening labels take
// angles that lie along their line only when the angle turns the text clockwise as seen (2700 reads
// upwards, 3150 climbs to the right), so every drawing of a text, on the screen, on paper and in the
// bitmap, gets its font's escapement from here.
#pragma once

#include <cstdint>

namespace render {

// The device context turns a font's escapement counter-clockwise as seen, whichever way its mapping
// runs, so the clockwise turn of `angle` (tenths of a degree, any stored value) is its negation,
// brought into 0 to 3599.
inline int32_t TextEscapement(int32_t angle) {
    const int32_t turn = static_cast<int32_t>(-(int64_t{angle} % 3600));
    return turn < 0 ? turn + 3600 : turn;
}

// The angle the bitmap's anchoring table reads: the y axis is turned over on the bitmap. The text
// itself turns as on the screen.
inline int32_t PrintedAngle(int32_t angle) {
    if (angle == 2700) angle = 900;
    if (angle > 0 && angle < 900) return angle + 2700;
    if (angle > 2700) return angle - 2700;
    return angle;
}

} // namespace render
