// The overall dimensions of a building of more than four external walls: each side's run of walls
// gets one dimension outside the wall dimensions, whose text is the length between its arrows.
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "document/dimension_figure.h"
#include "document/dimension_settings.h"
#include "document/document.h"
#include "document/house_outline.h"
#include "document/program_state.h"
#include "tools/dimension_texts.h"
#include "tools/dimensions.h"
#include "tools/drawing_tool.h"
#include "tools/length_text.h"

namespace {

enum Side { kTop, kRight, kBottom, kLeft };

// The walls of one side along its axis: the span they cover and how many. A wall reaching as low
// (or as high) as the run stretches it, even one lying mostly inside it, such as the wall of a U's
// notch beside the side it lies within: so the span, not a sum of lengths, is what the side measures.
struct Run {
    int32_t low = 300000;
    int32_t high = 0;
    int32_t count = 0;

    void Take(int32_t lo, int32_t hi) {
        if (lo <= low && hi >= high) {
            low = lo;
            high = hi;
            count = 1;
        } else if (lo <= low && hi <= high) {
            low = lo;
            ++count;
        } else if (hi >= high && lo >= low) {
            high = hi;
            ++count;
        }
    }
};

struct Outline {
    std::array<Run, 4> runs;
    int32_t minX = 300000, maxX = 0, minY = 300000, maxY = 0; // of every wall, for a side left open
};

// The walls of CurrentView as the same house keyed clockwise runs them: an anticlockwise outline's
// walls reversed, taken in reverse order as that keying from the same corner meets them, so its sides
// are found and measured exactly as the clockwise keying's.
std::vector<TExtwallobj> KeyedClockwiseWalls() {
    const HouseOutline house(ObjectList, CurrentView);
    std::vector<TExtwallobj> clockwise, anticlockwise;
    for (int32_t i = 0; i < ObjectList.count; ++i) {
        const auto* w = dynamic_cast<const TExtwallobj*>(ObjectList[i]);
        if (!w || w->kind != kExtWall || w->view != CurrentView) continue;
        (house.OnLeft(*w) ? anticlockwise : clockwise).push_back(KeyedClockwise(house, *w));
    }
    clockwise.insert(clockwise.end(), anticlockwise.rbegin(), anticlockwise.rend());
    return clockwise;
}

Outline CollectRuns() {
    Outline o;
    for (const TExtwallobj& w : KeyedClockwiseWalls()) {
        const int32_t loX = std::min(w.x1, w.x2), hiX = std::max(w.x1, w.x2);
        const int32_t loY = std::min(w.y1, w.y2), hiY = std::max(w.y1, w.y2);
        if (w.x1 < w.x2) o.runs[kTop].Take(loX, hiX);
        if (w.x2 < w.x1) o.runs[kBottom].Take(loX, hiX);
        if (w.y2 < w.y1) o.runs[kRight].Take(loY, hiY);
        if (w.y1 < w.y2) o.runs[kLeft].Take(loY, hiY);
        o.minX = std::min(o.minX, loX);
        o.maxX = std::max(o.maxX, hiX);
        o.minY = std::min(o.minY, loY);
        o.maxY = std::max(o.maxY, hiY);
    }
    return o;
}

// Where each side's dimension line lies: beyond the perpendicular runs' far ends. An outline still
// open on that side has no such run, and its walls' own extent stands in.
int32_t LinePosition(const Outline& o, Side side, int32_t off) {
    const auto& r = o.runs;
    switch (side) {
    case kTop:
        return (r[kRight].count > 0 ? r[kRight].high : o.maxY) + off;
    case kRight:
        return (r[kTop].count > 0 ? r[kTop].high : o.maxX) + off;
    case kBottom:
        return (r[kLeft].count > 0 ? r[kLeft].low : o.minY) - off;
    default:
        return (r[kBottom].count > 0 ? r[kBottom].low : o.minX) - off;
    }
}

void AddOverall(TDrawingtool& tool, Side side, const Run& run, int32_t at, int32_t orientation,
                int32_t height) {
    tool.SegmentLength = NextCompositeId();
    const bool parallel = orientation == kParallelText;
    const int32_t mid = run.low + (run.high - run.low) / 2;
    DimensionTextSpec text{.id = tool.ObjectId, .group = tool.SegmentLength, .height = height};
    if (side == kTop || side == kBottom) {
        AddArrow(tool, kAutoArrow, run.low, at, 'l');
        AddArrow(tool, kAutoArrow, run.high, at, 'r');
        text.x = mid;
        text.y = at;
        text.bearing = side == kTop ? 900 : 2700;
    } else {
        AddArrow(tool, kAutoArrow, at, run.high, 't');
        AddArrow(tool, kAutoArrow, at, run.low, 'b');
        text.x = at;
        text.y = mid;
        text.bearing = side == kRight ? 1800 : 0;
    }
    const DimensionFigure figure = OutsideFigure(text.bearing, parallel);
    text.angle = figure.angle;
    text.style = figure.style;
    // The figure is the distance between the two arrows.
    const int64_t span = int64_t{run.high} - run.low;
    ObjectList.Add(
        MakeDimensionText(text, LengthText(static_cast<int32_t>(std::min<int64_t>(span, INT32_MAX)))));
}

} // namespace

void AddDimensionTexts(TDrawingtool& tool, TDC&, const RECT&, int32_t overallOffset, int32_t textOrientation,
                       int32_t textHeight) {
    const Outline o = CollectRuns();
    for (Side side : {kTop, kRight, kBottom, kLeft}) {
        const Run& run = o.runs[side];
        if (run.count > 1)
            AddOverall(tool, side, run, LinePosition(o, side, overallOffset), textOrientation, textHeight);
    }
}
