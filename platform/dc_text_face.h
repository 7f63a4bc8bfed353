// The Qt font and metrics a device context draws its selected font with (internal to the layer).
#pragma once

#include <QFont>
#include <QFontMetrics>

#include "platform/dc.h"

struct TDC::TextFace {
    LOGFONT log;
    double scaleX = 0;
    double scaleY = 0;
    QFont font;
    int32_t ascent = 0;
    int32_t descent = 0;
    int32_t leading = 0;
    int32_t pixelSize = 0;
    int32_t averageWidth = 0;
    int32_t maxWidth = 0;
    double angle = 0; // degrees, counter-clockwise on the device

    bool Matches(const LOGFONT& other, double sx, double sy) const;
};
