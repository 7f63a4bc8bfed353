// Where the bitmap of a view is written: DWGS/ + drawing name + the view's suffix (GND, FST, SEC,
// STE; none for other views) + ".BMP".
#pragma once

#include <cstdint>
#include <string>

std::string BitmapFilePath(const std::string& programDirectory, const char* drawingName, int32_t view);
