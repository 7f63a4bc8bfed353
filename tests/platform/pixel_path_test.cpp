#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <utility>
#include <vector>

#include "platform/pixel_path.h"

namespace {

using Pixels = std::set<std::pair<int32_t, int32_t>>;

const QRect kWhole(-100000, -100000, 200000, 200000);

Pixels LinePixels(POINT from, POINT to, const QRect& clip) {
    Pixels pixels;
    ForEachLinePixel(from, to, clip, [&](int32_t x, int32_t y, int64_t) { pixels.insert({x, y}); });
    return pixels;
}

// Lines of every slope and direction, short and long, the same on every run.
std::vector<std::pair<POINT, POINT>> Lines() {
    std::vector<std::pair<POINT, POINT>> lines;
    uint32_t state = 7;
    auto next = [&](int32_t n) {
        state = state * 1664525u + 1013904223u;
        return int32_t((state >> 8) % uint32_t(n));
    };
    for (int i = 0; i < 400; ++i) {
        const int32_t reach = i % 2 ? 40 : 700;
        const POINT from{next(500) - 100, next(400) - 100};
        lines.push_back(
            {from, POINT{from.x + next(2 * reach + 1) - reach, from.y + next(2 * reach + 1) - reach}});
    }
    return lines;
}

TEST(PixelPath, ClippedLineKeepsExactlyThePixelsOfTheWholeLine) {
    const QRect clips[] = {QRect(0, 0, 300, 200), QRect(37, 11, 5, 300), QRect(-20, 90, 400, 3)};
    for (const auto& [from, to] : Lines()) {
        const Pixels whole = LinePixels(from, to, kWhole);
        for (const QRect& clip : clips) {
            Pixels expected;
            for (const auto& p : whole)
                if (clip.contains(p.first, p.second)) expected.insert(p);
            EXPECT_EQ(LinePixels(from, to, clip), expected)
                << from.x << "," << from.y << " to " << to.x << "," << to.y;
        }
    }
}

TEST(PixelPath, LineHasTheSamePixelsDrawnEitherWay) {
    for (const auto& [from, to] : Lines()) {
        Pixels forward = LinePixels(from, to, kWhole);
        Pixels backward = LinePixels(to, from, kWhole);
        // Each direction leaves out its own end pixel.
        forward.insert({from.x, from.y});
        backward.insert({from.x, from.y});
        forward.insert({to.x, to.y});
        backward.insert({to.x, to.y});
        EXPECT_EQ(forward, backward) << from.x << "," << from.y << " to " << to.x << "," << to.y;
    }
}

TEST(PixelPath, CountsRunFromTheStartOfTheLine) {
    std::vector<int64_t> counts;
    std::vector<POINT> pixels;
    ForEachLinePixel(POINT{10, 5}, POINT{0, 0}, kWhole, [&](int32_t x, int32_t y, int64_t k) {
        counts.push_back(k);
        pixels.push_back({x, y});
    });
    ASSERT_EQ(counts.size(), 10u);
    for (size_t i = 0; i < counts.size(); ++i) {
        EXPECT_EQ(std::abs(pixels[i].x - 10), counts[i]) << "pixel " << i;
    }
}

} // namespace
