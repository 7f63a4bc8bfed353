#include "tools/length_text.h"

#include <cstdio>

#include "document/program_state.h"

std::string LengthText(int32_t length, int32_t metricUnits) {
    char text[80];
    if (metricUnits == 1) {
        std::snprintf(text, sizeof text, "%d", length);
        return text;
    }
    // A length that is not a whole eighth of an inch is shown to the nearest eighth: a fraction
    // such as "0/0" would tell the user nothing.
    const int64_t magnitude = length < 0 ? -static_cast<int64_t>(length) : length;
    int64_t wholeInches = magnitude / 24;
    int64_t eighths = (magnitude % 24 * 8 + 12) / 24;
    if (eighths == 8) {
        ++wholeInches;
        eighths = 0;
    }
    const char* sign = length < 0 ? "-" : "";
    const long long feet = wholeInches / 12;
    const long long inches = wholeInches % 12;
    if (eighths == 0) {
        std::snprintf(text, sizeof text, "%s%lld' %lld''", sign, feet, inches);
    } else {
        long long numerator = eighths;
        long long denominator = 8;
        while (numerator % 2 == 0) {
            numerator /= 2;
            denominator /= 2;
        }
        std::snprintf(text, sizeof text, "%s%lld' %lld %lld/%lld''", sign, feet, inches, numerator, denominator);
    }
    return text;
}

std::string LengthText(int32_t length) {
    return LengthText(length, MetricUnits);
}
