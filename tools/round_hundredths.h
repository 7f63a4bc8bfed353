// Rounding of a real length to whole drawing units through hundredths, half up: the value is cut to
// hundredths toward zero first, so negative values are never rounded up (-2.7 gives -2).
#pragma once

#include <cstdint>

int32_t RoundHundredths(double x);
