// CFG/EXTENTS.CFG: the rectangle the working floor's drawing covers, in drawing units, as the last
// extents computation left it for the fit, the base change and the printed page. Four numbers, no
// line end: min x, max x, max y, min y.
#pragma once

#include <cstdint>

struct ExtentsFile {
    // The values of a floor with nothing on it.
    static constexpr int32_t kNoneMin = 200000;
    static constexpr int32_t kNoneMax = 0;

    int32_t minX = kNoneMin;
    int32_t maxX = kNoneMax;
    int32_t maxY = kNoneMax;
    int32_t minY = kNoneMin;

    // Any side still at its "nothing" value: there is no rectangle to use.
    bool Empty() const {
        return minX == kNoneMin || minY == kNoneMin || maxX == kNoneMax || maxY == kNoneMax;
    }
};

// A missing or short file, or one holding a value beyond any sheet, reads as an empty floor.
ExtentsFile ReadExtentsFile();
[[nodiscard]] bool WriteExtentsFile(const ExtentsFile& extents);
