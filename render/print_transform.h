// The transform of the bitmap export: every point of an object is placed by the print operations
// themselves, y turned over, one pixel per divisor drawing units.
#pragma once

#include <cmath>
#include <cstdint>

#include "document/program_state.h"
#include "render/screen_units.h"

namespace render {

struct PrintTransform {
    int32_t divisor;
    int32_t yBase;
    int32_t yOffset;

    // A divisor of 0 would divide by zero; the export always passes 24 or 25, so 1 only guards.
    int32_t D() const { return divisor == 0 ? 1 : divisor; }
    // A point goes to its nearest pixel, halves up, as the window's mapping places it: cut toward zero,
    // two stored points a unit apart either side of a pixel's edge (the corners of a turned box) would
    // split one line of the screen into two.
    int32_t X(int32_t x) const { return Saturate(Nearest(x) - PrintMinX); }
    int32_t Y(int32_t y) const { return Saturate(Nearest(int64_t{yBase} - y) + yOffset); }
    // A length formed in 64 bits (twice a corner) is held inside the 32-bit range after dividing.
    int32_t Len(int64_t length) const { return Saturate(length / D()); }

private:
    int64_t Nearest(int64_t value) const {
        return static_cast<int64_t>(std::floor(static_cast<double>(value) / D() + 0.5));
    }
};

} // namespace render
