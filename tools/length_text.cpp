#include "tools/length_text.h"

#include <cstdio>

#include "document/program_state.h"

std::string LengthText(int32_t length, int32_t metricUnits) {
    char text[80];
    if (metricUnits == 1) {
        std::snprintf(text, sizeof text, "%d", length);
        return text;
    }
    // Feet, inches and the remainder in 24ths, every division truncating toward zero, so a negative
    // length prints its parts with their signs. A remainder that is no whole eighth shows as "0/0",
    // the fraction every size field of the program shows for it.
    const int32_t wholeInches = length / 24;
    const int32_t remainder = length % 24;
    const int32_t feet = wholeInches / 12;
    const int32_t inches = wholeInches % 12;
    if (remainder == 0) {
        std::snprintf(text, sizeof text, "%d' %d''", feet, inches);
    } else {
        int32_t numerator = 0;
        int32_t denominator = 0;
        if (remainder > 0 && remainder % 3 == 0) {
            numerator = remainder / 3;
            denominator = 8;
            while (numerator % 2 == 0) {
                numerator /= 2;
                denominator /= 2;
            }
        }
        std::snprintf(text, sizeof text, "%d' %d %d/%d''", feet, inches, numerator, denominator);
    }
    return text;
}

std::string LengthText(int32_t length) {
    return LengthText(length, MetricUnits);
}
