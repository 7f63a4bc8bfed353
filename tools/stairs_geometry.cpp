#include "tools/stairs_geometry.h"

#include <initializer_list>

namespace stairs {

namespace {

struct Point {
    int32_t x, y;
};

// Unit steps along the run (away from the top tread) and across it, by the top tread's side.
struct Axes {
    int32_t alongX, alongY, acrossX, acrossY;
};

Axes AxesOf(int32_t topTread) {
    switch (topTread) {
    case kTopAtTop:
        return {0, -1, 1, 0};
    case kTopAtRight:
        return {-1, 0, 0, -1};
    case kTopAtBottom:
        return {0, 1, 1, 0};
    default:
        return {1, 0, 0, -1};
    }
}

// A line across the run at distance `along` from the pointer, reaching `half` to either side.
Segment Across(const Axes& a, int32_t x, int32_t y, int32_t along, int32_t half) {
    const int32_t cx = x + along * a.alongX;
    const int32_t cy = y + along * a.alongY;
    return {cx - half * a.acrossX, cy - half * a.acrossY, cx + half * a.acrossX, cy + half * a.acrossY};
}

void Chain(std::vector<Segment>& lines, std::initializer_list<Point> points) {
    const Point* previous = nullptr;
    for (const Point& p : points) {
        if (previous) lines.push_back({previous->x, previous->y, p.x, p.y});
        previous = &p;
    }
}

void Treads(std::vector<Segment>& lines, const Axes& a, int32_t x, int32_t y, int32_t count, int32_t going,
            int32_t half) {
    for (int32_t i = 1; i <= count; ++i)
        lines.push_back(Across(a, x, y, i * going, half));
}

} // namespace

std::vector<Segment> HalfwayLandingLines(const Flight& f, int32_t x, int32_t y) {
    const int32_t w = f.width;
    const int32_t l = f.runLength;
    std::vector<Segment> lines;
    switch (f.topTread) {
    case kTopAtTop:
        Chain(lines, {{x + w, y}, {x - w, y}, {x - w, y - l}, {x + w, y - l}, {x + w, y}});
        break;
    case kTopAtRight:
        Chain(lines, {{x, y + w}, {x - l, y + w}, {x - l, y - w}, {x, y - w}, {x, y + w}});
        break;
    case kTopAtBottom:
        Chain(lines, {{x - w, y}, {x + w, y}, {x + w, y + l}, {x - w, y + l}, {x - w, y}});
        break;
    default:
        Chain(lines, {{x, y + w}, {x, y - w}, {x + l, y - w}, {x + l, y + w}, {x, y + w}});
        break;
    }
    const Axes a = AxesOf(f.topTread);
    lines.push_back(Across(a, x, y, l - w, w));
    const Segment landingMiddle = Across(a, x, y, l - w, 0);
    lines.push_back({x, y, landingMiddle.x0, landingMiddle.y0});
    Treads(lines, a, x, y, f.treads, f.going, w);
    return lines;
}

std::vector<Segment> StraightFlightLines(const Flight& f, int32_t x, int32_t y, int32_t length) {
    const int32_t h = f.width / 2;
    const int32_t l = length;
    std::vector<Segment> lines;
    switch (f.topTread) {
    case kTopAtTop:
        Chain(lines, {{x - h, y}, {x - h, y - l}, {x + h, y - l}, {x + h, y}, {x - h, y}});
        break;
    case kTopAtRight:
        Chain(lines, {{x, y - h}, {x, y + h}, {x - l, y + h}, {x - l, y - h}, {x, y - h}});
        break;
    case kTopAtBottom:
        Chain(lines, {{x - h, y}, {x + h, y}, {x + h, y + l}});
        lines.push_back({x - h, y + l, x + h, y + l});
        lines.push_back({x - h, y + l, x - h, y});
        break;
    default:
        Chain(lines, {{x, y + h}, {x, y - h}, {x + l, y - h}, {x + l, y + h}, {x, y + h}});
        break;
    }
    if (f.going > 0) Treads(lines, AxesOf(f.topTread), x, y, l / f.going, f.going, h);
    return lines;
}

Segment Footprint(const Flight& f, int32_t flightKind, int32_t x, int32_t y) {
    const int32_t l = f.runLength;
    if (flightKind == kHalfwayLanding) {
        const int32_t w = f.width;
        switch (f.topTread) {
        case kTopAtTop:
            return {x - w, y, x + w, y - l};
        case kTopAtRight:
            return {x, y + w, x - l, y - w};
        case kTopAtBottom:
            return {x - w, y + l, x + w, y};
        default:
            return {x, y + w, x + l, y - w};
        }
    }
    const int32_t h = f.width / 2;
    switch (f.topTread) {
    case kTopAtTop:
        return {x - h, y, x + h, y - l};
    case kTopAtRight:
        return {x - l, y + h, x, y - h};
    case kTopAtBottom:
        return {x - h, y + l, x + h, y};
    default:
        return {x, y + h, x + l, y - h};
    }
}

} // namespace stairs
