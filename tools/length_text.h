// The text every length is shown with: plain millimetres in a metric drawing, feet, inches and
// eighths of an inch in an imperial one. One rule for dimensions, labels, room and opening sizes.
#pragma once

#include <cstdint>
#include <string>

// Length in drawing units (mm when metricUnits is 1, 1/24 inch when 0) as text:
// metric "2400"; imperial "12' 3''" or "12' 3 1/2''", with "0/0" for a remainder that is no whole eighth.
std::string LengthText(int32_t length, int32_t metricUnits);

// The same with the drawing's own units (the global MetricUnits).
std::string LengthText(int32_t length);
