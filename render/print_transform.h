// The transform of the bitmap export: every point of an object is placed by the print operations
// themselves, y turned over, one pixel per divisor drawing units.
#pragma once

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
    int32_t X(int32_t x) const { return x / D() - PrintMinX; }
    int32_t Y(int32_t y) const {
        return static_cast<int32_t>((static_cast<int64_t>(yBase) - y) / D()) + yOffset;
    }
    // A length formed in 64 bits (twice a corner) is held inside the 32-bit range after dividing.
    int32_t Len(int64_t length) const { return Saturate(length / D()); }
};

} // namespace render
