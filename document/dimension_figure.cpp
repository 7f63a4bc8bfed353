#include "document/dimension_figure.h"

namespace {

constexpr int32_t kUprightText = 2700;
constexpr int32_t kOnBaseline = 6;
constexpr int32_t kHanging = 4;

} // namespace

DimensionFigure OutsideFigure(int32_t b, bool parallel) {
    const int32_t bearing = ((b % 3600) + 3600) % 3600;
    switch (bearing) {
    case 0:
        return {parallel ? kUprightText : 0, kOnBaseline};
    case 900:
        return {0, kOnBaseline};
    case 1800:
        return {parallel ? kUprightText : 0, parallel ? kHanging : kOnBaseline};
    case 2700:
        return {0, kHanging};
    default:
        break;
    }
    // An angled line: the figure leans with it, turned half round on steep downward lines so that it
    // never reads upside down; lines heading down hang their figure below the anchor.
    int32_t lean = 0;
    if (bearing < 900)
        lean = bearing + 2700;
    else if (bearing < 1800)
        lean = bearing - 900;
    else if (bearing < 2700)
        lean = bearing + 900;
    else
        lean = bearing - 2700;
    const int32_t style = bearing < 1800 ? kOnBaseline : kHanging;
    if (lean <= 1) return {0, style};
    const bool steepDown = (bearing >= 1351 && bearing <= 1799) || (bearing >= 3151 && bearing <= 3599);
    return {lean + (steepDown ? 1800 : 0), style};
}

DimensionFigure SizeLabelFigure(bool upright, bool parallel) {
    return {upright && parallel ? kUprightText : 0, kOnBaseline};
}
