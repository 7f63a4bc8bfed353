#include "shell/typed_length.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace shell {

namespace {

int32_t Clamp32(int64_t v) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

} // namespace

int32_t LeadingNumber(const char* text) {
    if (!text) return 0;
    const char* p = text;
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\v' || *p == '\f')
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    int64_t value = 0;
    while (std::isdigit(static_cast<unsigned char>(*p))) {
        value = std::min<int64_t>(value * 10 + (*p++ - '0'), int64_t{1} << 40);
    }
    return Clamp32(negative ? -value : value);
}

int32_t FeetInchesToUnits(int32_t feet, int32_t inches, int32_t numerator, int32_t denominator) {
    int64_t value = (int64_t{feet} * 12 + inches) * 24;
    const bool usable =
        numerator > 0 && numerator < denominator && denominator != 3 && denominator != 5 && denominator != 7;
    if (usable) value += int64_t{numerator} * 24 / denominator;
    return Clamp32(value);
}

} // namespace shell
