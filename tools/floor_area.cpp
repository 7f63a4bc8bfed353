#include "tools/floor_area.h"

#include <algorithm>
#include <cstdlib>

#include "document/document.h"
#include "document/program_state.h"

namespace {

// Square drawing units in one square metre (mm) and in one square foot (1/24 inch).
constexpr int64_t kUnitsPerSquareMetre = 1000LL * 1000LL;
constexpr int64_t kUnitsPerSquareFoot = 288LL * 288LL;

// The height a wall counts at: its lower end plus half its rise, so an oblique wall counts as the
// trapezoid under it.
int64_t MeanHeight(const TObject& wall) {
    const int64_t low = std::min(wall.y1, wall.y2);
    return low + std::abs(static_cast<int64_t>(wall.y1) - wall.y2) / 2;
}

} // namespace

void AddExtwallTotals(TDrawingtool&) {
    if (ObjectList.count <= 3) return;

    // Every wall running left to right adds the strip between it and the reference level, every wall
    // running right to left takes its strip away; what is left is the area inside the outline,
    // whichever way round it was drawn and however many walls it has.
    bool haveReference = false;
    int64_t reference = 0;
    for (int32_t i = 0; i < ObjectList.count; ++i) {
        const TObject* o = ObjectList[i];
        if (!o || o->kind != kExtWall || o->view != CurrentView || o->x1 >= o->x2) continue;
        const int64_t level = std::min(o->y1, o->y2);
        reference = haveReference ? std::min(reference, level - 200) : level + 200;
        haveReference = true;
    }
    int64_t sum = 0;
    if (haveReference) {
        for (int32_t i = 0; i < ObjectList.count; ++i) {
            const TObject* o = ObjectList[i];
            if (!o || o->kind != kExtWall || o->view != CurrentView || o->x1 == o->x2) continue;
            sum += (static_cast<int64_t>(o->x2) - o->x1) * (MeanHeight(*o) - reference);
        }
    }
    const int64_t unit = MetricUnits == 1 ? kUnitsPerSquareMetre : kUnitsPerSquareFoot;
    const int64_t area = std::llabs(sum) / unit;
    ObjectList.SetFloorArea(static_cast<int32_t>(std::min<int64_t>(area, INT32_MAX)));
}
