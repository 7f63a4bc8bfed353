// How a dimension's figure stands against its line: the angle and alignment every dimension maker
// gives it. A figure set again after its line has turned or been mirrored reads as a new one would.
#pragma once

#include <cstdint>

struct DimensionFigure {
    int32_t angle = 0;
    int32_t style = 6; // 6 centred on the baseline, 4 centred hanging from the top
};

// The figure of an outside dimension (a wall's or an overall run's), set off to the left of a line
// running along the bearing (tenths of a degree clockwise from up). Upright lines carry upright
// figures only when the settings ask for text parallel to the walls.
DimensionFigure OutsideFigure(int32_t bearing, bool parallel);

// The figure of a size line's label: level, or upright on an upright line under parallel text.
DimensionFigure SizeLabelFigure(bool upright, bool parallel);
