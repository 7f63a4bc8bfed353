#include "dialogs/fraction_entry.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

constexpr int64_t kUnitsPerInch = 24;

// atoi without its undefined overflow: out-of-range texts are clamped to 32 bits.
int64_t TextValue(const char* text) {
    if (text == nullptr) return 0;
    const long long value = std::strtoll(text, nullptr, 10);
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return value;
}

int32_t Clamped(int64_t value) {
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

} // namespace

bool FractionCounts(int32_t numerator, int32_t denominator) {
    if (numerator <= 0 || denominator <= numerator) return false;
    return denominator != 3 && denominator != 5 && denominator != 6 && denominator != 7;
}

int32_t LengthFromInchesAndFraction(const char* inchesText, const char* numeratorText,
                                    const char* denominatorText) {
    int64_t length = TextValue(inchesText) * kUnitsPerInch;
    const int64_t numerator = TextValue(numeratorText);
    if (numerator > 0) {
        const int64_t denominator = TextValue(denominatorText);
        if (FractionCounts(static_cast<int32_t>(numerator), static_cast<int32_t>(denominator)))
            length += numerator * kUnitsPerInch / denominator;
    }
    return Clamped(length);
}

InchesAndFraction InchesAndFractionOf(int32_t length) {
    InchesAndFraction shown;
    shown.Inches = static_cast<int32_t>(length / kUnitsPerInch);
    const int32_t remainder = static_cast<int32_t>(length % kUnitsPerInch);
    if (remainder <= 0) return shown;
    shown.HasFraction = true;
    if (remainder % 3 != 0) return shown;
    shown.Numerator = remainder / 3;
    shown.Denominator = 8;
    while (shown.Numerator % 2 == 0) {
        shown.Numerator /= 2;
        shown.Denominator /= 2;
    }
    return shown;
}

int32_t NearestWholeInches(double length) {
    return static_cast<int32_t>(std::lround(length / kUnitsPerInch));
}
