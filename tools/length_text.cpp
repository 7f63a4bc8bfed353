#include "tools/length_text.h"

#include <cstdio>

#include "shell/globals.h"

namespace {

// Eighths of an inch by remainder in 1/24 inch, reduced; 0/0 for anything else.
void EighthsFraction(int32_t remainder, int32_t& numerator, int32_t& denominator) {
    numerator = 0;
    denominator = 0;
    if (remainder <= 0 || remainder % 3 != 0) return;
    int32_t n = remainder / 3; // eighths, 1..7
    int32_t d = 8;
    while (n % 2 == 0) {
        n /= 2;
        d /= 2;
    }
    numerator = n;
    denominator = d;
}

} // namespace

std::string LengthText(int32_t length, int32_t metricUnits) {
    char text[80];
    if (metricUnits == 1) {
        std::snprintf(text, sizeof text, "%d", length);
        return text;
    }
    // Divisions truncate toward zero, as the program's long division always did.
    const int32_t wholeInches = length / 24;
    const int32_t remainder = length % 24;
    const int32_t feet = wholeInches / 12;
    const int32_t inches = wholeInches % 12;
    if (remainder == 0) {
        std::snprintf(text, sizeof text, "%d' %d''", feet, inches);
    } else {
        int32_t numerator = 0;
        int32_t denominator = 0;
        EighthsFraction(remainder, numerator, denominator);
        std::snprintf(text, sizeof text, "%d' %d %d/%d''", feet, inches, numerator, denominator);
    }
    return text;
}

std::string LengthText(int32_t length) {
    return LengthText(length, MetricUnits);
}
