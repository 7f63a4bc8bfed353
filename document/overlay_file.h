// CFG/OVERLAY.CFG: which floors are overlaid on the working floor. Five flags written and read as
// "%d %d %d %d %d" with no line end; a flag counts as set only when it is exactly 1.
#pragma once

#include <cstdint>
#include <string>

struct OverlayFlags {
    int32_t fourthLevel = 0; // floor 53
    int32_t ground = 0;      // floor 50
    int32_t first = 0;       // floor 51
    int32_t second = 0;      // floor 52
    int32_t outlines = 0;    // closed outlines (kinds 131 to 149 and 500) of every view
};

// The path of the file under a program directory ending in a separator.
std::string OverlayFilePath(const std::string& programDirectory);

// A missing file, or one holding fewer than five numbers, reads as zeros for what it lacks.
OverlayFlags ReadOverlayFile(const std::string& programDirectory);

// Replaces the file whole (written beside it, then renamed); false when it could not be written,
// the previous file then being intact.
[[nodiscard]] bool WriteOverlayFile(const std::string& programDirectory, const OverlayFlags& flags);
