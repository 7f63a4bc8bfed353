#include "shell/normal_scale.h"

#include "document/program_state.h"

void SetNormalScale(bool sitePlan) {
    if (MetricUnits == 1) {
        ZoomDivisor = 5;
        PenScale = 5;
    } else {
        ZoomDivisor = 6;
        PenScale = 4;
    }
    PenScaleF = sitePlan ? 3.0f * PenScale : static_cast<float>(PenScale);
    // The next text takes its size from this scale, not from the drawing or print shown before.
    TextScale = 0;
}
