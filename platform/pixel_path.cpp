#include "platform/pixel_path.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/gdi_objects.h"

TDashPattern DashPatternOf(int32_t style, double scale) {
    TDashPattern pattern;
    auto set = [&](std::initializer_list<int32_t> runs) {
        for (int32_t run : runs) {
            const int32_t scaled = std::max<int32_t>(1, int32_t(std::lround(run * scale)));
            pattern.runs[pattern.count++] = scaled;
            pattern.period += scaled;
        }
    };
    switch (style) {
    case PS_DASH:
        set({18, 6});
        break;
    case PS_DOT:
        set({3, 3});
        break;
    case PS_DASHDOT:
        set({9, 6, 3, 6});
        break;
    case PS_DASHDOTDOT:
        set({9, 3, 3, 3, 3, 3});
        break;
    default:
        break;
    }
    return pattern;
}

namespace {

const QRect kEverywhere(std::numeric_limits<int32_t>::min() / 2, std::numeric_limits<int32_t>::min() / 2,
                        std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max());

bool Touching(const POINT& a, const POINT& b) {
    return std::abs(a.x - b.x) <= 1 && std::abs(a.y - b.y) <= 1;
}

} // namespace

void AppendPathPixels(const std::vector<POINT>& vertices, bool closed, bool thin, std::vector<POINT>& out) {
    if (vertices.empty()) return;
    // A thick path goes straight into out; a thin one is gathered first and then thinned.
    std::vector<POINT> gathered;
    std::vector<POINT>& ordered = thin ? gathered : out;
    const size_t start = ordered.size();
    const size_t n = vertices.size();
    const size_t segments = closed ? n : n - 1;
    for (size_t i = 0; i < segments; ++i) {
        const POINT from = vertices[i];
        const POINT to = vertices[(i + 1) % n];
        // A line has one pixel per step along its major axis, its end pixel left out, and each
        // pixel lands at its own count from `from`, so the segment runs in drawing order.
        const int64_t length =
            std::max(std::llabs(int64_t(to.x) - from.x), std::llabs(int64_t(to.y) - from.y));
        const size_t base = ordered.size();
        ordered.resize(base + size_t(length));
        ForEachLinePixel(from, to, kEverywhere, [&](int32_t x, int32_t y, int64_t k) {
            ordered[base + size_t(k)] = POINT{x, y};
        });
    }
    if (!closed) ordered.push_back(vertices.back());
    if (ordered.size() == start) ordered.push_back(vertices.front());
    if (!thin) return;

    // Drop the middle pixel of every L-shaped step.
    const size_t begin = out.size();
    for (const POINT& p : ordered) {
        if (out.size() >= begin + 2 && Touching(out[out.size() - 2], p)) out.pop_back();
        out.push_back(p);
    }
}

void CurveVertices(double left, double top, double right, double bottom, double cornerW, double cornerH,
                   double t0, double sweep, std::vector<POINT>& out) {
    // Pixel centres run from left to right - 1.
    const double x0 = left, x1 = right - 1.0, y0 = top, y1 = bottom - 1.0;
    const double rx = std::max(0.0, std::min(cornerW / 2.0, (x1 - x0) / 2.0));
    const double ry = std::max(0.0, std::min(cornerH / 2.0, (y1 - y0) / 2.0));
    const double leftCentre = x0 + rx, rightCentre = x1 - rx;
    const double topCentre = y0 + ry, bottomCentre = y1 - ry;
    const double radius = std::max(1.0, std::max(rx, ry));
    const int64_t steps = std::max<int64_t>(8, int64_t(std::ceil(std::fabs(sweep) * radius * 2.0)));
    for (int64_t i = 0; i <= steps; ++i) {
        const double t = t0 + sweep * double(i) / double(steps);
        const double c = std::cos(t), s = std::sin(t);
        const double cx = c >= 0 ? rightCentre : leftCentre;
        const double cy = s >= 0 ? topCentre : bottomCentre;
        const POINT p{int32_t(std::floor(cx + rx * c + 0.5)), int32_t(std::floor(cy - ry * s + 0.5))};
        if (out.empty() || out.back().x != p.x || out.back().y != p.y) out.push_back(p);
    }
}

void RemoveDuplicatePixels(std::vector<POINT>& pixels) {
    auto key = [](const POINT& p) { return (int64_t(p.y) << 32) | uint32_t(p.x); };
    std::sort(pixels.begin(), pixels.end(), [&](const POINT& a, const POINT& b) { return key(a) < key(b); });
    pixels.erase(std::unique(pixels.begin(), pixels.end(),
                             [](const POINT& a, const POINT& b) { return a.x == b.x && a.y == b.y; }),
                 pixels.end());
}
