#include "shell/datum_readout.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "shell/datum_modes.h"

namespace shell {

namespace {

struct FeetInches {
    int32_t feet;
    int32_t inches;
};

// Whole inches first (the 24ths dropped), then feet and inches, both truncated toward zero.
FeetInches SplitWholeInches(int32_t units) {
    const int32_t inches = units / 24;
    return {inches / 12, inches % 12};
}

// Measured first, so no value is ever cut, however far the pointer is.
std::string Format(const char* format, auto... values) {
    const int length = std::snprintf(nullptr, 0, format, values...);
    if (length <= 0) return {};
    std::string text(static_cast<size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, format, values...);
    return text;
}

// A remainder in 24ths that is a whole eighth, reduced: 3 -> 1/8, 6 -> 1/4 ... 21 -> 7/8.
bool EighthsFraction(int32_t remainder, int32_t& numerator, int32_t& denominator) {
    if (remainder <= 0 || remainder % 3 != 0) return false;
    numerator = remainder / 3;
    denominator = 8;
    while (numerator % 2 == 0) {
        numerator /= 2;
        denominator /= 2;
    }
    return true;
}

struct ImperialPart {
    int32_t feet = 0;
    int32_t inches = 0;
    bool fraction = false;
    int32_t numerator = 0;
    int32_t denominator = 0;
};

ImperialPart SplitWithEighths(int32_t units) {
    ImperialPart part;
    if (units == 0) return part;
    const int32_t inches = units / 24;
    part.feet = inches / 12;
    part.inches = std::abs(inches % 12);
    part.fraction = EighthsFraction(std::abs(units % 24), part.numerator, part.denominator);
    return part;
}

} // namespace

float DatumBearing(int32_t dx, int32_t dy) {
    if (dx > -24 && dx < 24 && dy > -24 && dy < 24) return 0.0f;
    const int32_t ax = std::abs(dx);
    const int32_t ay = std::abs(dy);
    const bool right = dx > 0;
    const bool above = dy > 0;
    if (ax == 0) return (ay == 0 || above) ? 0.0f : 180.0f;
    if (ay == 0) return right ? 90.0f : 270.0f;
    const float a = std::atan(static_cast<float>(ax) / static_cast<float>(ay)) * 57.29578f;
    if (right && above) return a;
    if (right) return 180.0f - a;
    if (!above) return 180.0f + a;
    return 360.0f - a;
}

std::string DatumReadout(int32_t dx, int32_t dy, int32_t datumMode, bool metric) {
    const bool withBearing = datumMode == datummode::kShownWithBearing;
    const double bearing = withBearing ? static_cast<double>(DatumBearing(dx, dy)) : 0.0;
    if (metric) {
        if (withBearing)
            return Format("h %ld: v %ld angle %.2f DATUM", static_cast<long>(dx), static_cast<long>(dy),
                          bearing);
        return Format("h %ld: v %ld m.m DATUM", static_cast<long>(dx), static_cast<long>(dy));
    }
    const FeetInches h = SplitWholeInches(dx);
    const FeetInches v = SplitWholeInches(dy);
    if (withBearing)
        return Format("%d' %d: %d' %d, angle %.2f DATUM", h.feet, h.inches, v.feet, v.inches, bearing);
    return Format("h %d' %d: v %d' %d DATUM", h.feet, h.inches, v.feet, v.inches);
}

std::string StartPointReadout(int32_t dx, int32_t dy, bool metric) {
    if (dx <= 100 && dx >= -100 && dy <= 100 && dy >= -100) return {};
    if (metric) return Format("Distance from START POINT h %d: v %d", dx, dy);
    const ImperialPart h = SplitWithEighths(dx);
    const ImperialPart v = SplitWithEighths(dy);
    if (!h.fraction && !v.fraction)
        return Format("Distance from START POINT h %d' %d: v %d' %d", h.feet, h.inches, v.feet, v.inches);
    if (h.fraction && !v.fraction)
        return Format("Distance from START POINT %d' %d %d/%d'' x %d' %d''", h.feet, h.inches, h.numerator,
                      h.denominator, v.feet, v.inches);
    if (!h.fraction)
        return Format("Distance from START POINT %d' %d'' x %d' %d %d/%d''", h.feet, h.inches, v.feet,
                      v.inches, v.numerator, v.denominator);
    return Format("Distance from START POINT %d' %d %d/%d'' x %d' %d %d/%d''", h.feet, h.inches, h.numerator,
                  h.denominator, v.feet, v.inches, v.numerator, v.denominator);
}

} // namespace shell
