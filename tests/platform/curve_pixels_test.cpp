#include <gtest/gtest.h>

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <set>
#include <utility>
#include <vector>

#include "platform/dc.h"
#include "platform/pixel_path.h"
#include "tests/platform/pixel_probe.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
const QRect kAll(-1 << 20, -1 << 20, 1 << 21, 1 << 21);

// The curve as it was once drawn: a sine and a cosine for every one of two samples per pixel of
// the larger radius, each rounded to its pixel. The reference the pixels are held to.
std::vector<POINT> SampledVertices(double left, double top, double right, double bottom, double t0,
                                   double sweep) {
    const double x0 = left, x1 = right - 1.0, y0 = top, y1 = bottom - 1.0;
    const double rx = (x1 - x0) / 2.0, ry = (y1 - y0) / 2.0;
    const double radius = std::max(1.0, std::max(rx, ry));
    const int64_t steps = std::max<int64_t>(8, int64_t(std::ceil(std::fabs(sweep) * radius * 2.0)));
    std::vector<POINT> out;
    for (int64_t i = 0; i <= steps; ++i) {
        const double t = t0 + sweep * double(i) / double(steps);
        const POINT p{int32_t(std::floor(x0 + rx + rx * std::cos(t) + 0.5)),
                      int32_t(std::floor(y0 + ry - ry * std::sin(t) + 0.5))};
        if (out.empty() || out.back().x != p.x || out.back().y != p.y) out.push_back(p);
    }
    return out;
}

// Distance from a pixel centre to the exact ellipse, by Newton's method on the parameter.
double DistanceToCurve(POINT p, double cx, double cy, double rx, double ry) {
    const double dx = p.x - cx, dy = cy - p.y;
    double t = std::atan2(dy * rx, dx * ry);
    for (int i = 0; i < 20; ++i) {
        const double c = std::cos(t), s = std::sin(t);
        const double ex = rx * c - dx, ey = ry * s - dy; // from the pixel to the curve
        const double f = -ex * rx * s + ey * ry * c;     // half the squared distance's slope
        const double g = (rx * rx * s * s + ry * ry * c * c) - ex * rx * c - ey * ry * s; // its slope
        if (g <= 0) break;
        t -= f / g;
    }
    return std::hypot(rx * std::cos(t) - dx, ry * std::sin(t) - dy);
}

struct Curve {
    double rx, ry, t0, sweep;
};

// Circles, ellipses and arcs of radius 1 to 30,000, their box odd and even across (centres on a
// pixel and between two), arcs from every eighth of a turn.
std::vector<Curve> Curves() {
    std::vector<Curve> curves;
    for (double r = 1; r <= 30000; r = r == 30000 ? 30001 : std::min(30000.0, std::ceil(r * 1.7))) {
        for (double half : {0.0, 0.5}) {
            curves.push_back({r + half, r + half, 0, 2 * kPi});
            curves.push_back({r + half, std::ceil(r / 3) + half, 0, 2 * kPi});
            curves.push_back({std::ceil(r / 5) + half, r + half, 0, 2 * kPi});
        }
        for (int eighth = 0; eighth < 8; ++eighth)
            for (double sweep : {kPi / 4, 5 * kPi / 4})
                curves.push_back({r, std::ceil(r * 0.6) + 0.5, eighth * kPi / 4, sweep});
    }
    return curves;
}

// The pixels of each curve are those it was drawn with before, but for pixels whose centre lies
// within one pixel of the exact curve; they follow each other as neighbours, none skipped, and
// cover every pixel the old ones did to within one pixel.
TEST(CurvePixels, MatchTheSampledCurveOrLieWithinOnePixelOfTheExactOne) {
    const double left = 13, top = -7;
    size_t pixels = 0, oldPixels = 0;
    for (const Curve& curve : Curves()) {
        const double right = left + 2 * curve.rx + 1, bottom = top + 2 * curve.ry + 1;
        const bool whole = curve.sweep >= 2 * kPi;
        std::vector<POINT> path, oldPath;
        CurvePixels(left, top, right, bottom, right - left, bottom - top, curve.t0, curve.sweep, whole, kAll,
                    path);
        AppendPathPixels(SampledVertices(left, top, right, bottom, curve.t0, curve.sweep), whole, true,
                         oldPath);
        pixels += path.size();
        oldPixels += oldPath.size();
        const bool same = std::equal(path.begin(), path.end(), oldPath.begin(), oldPath.end(),
                                     [](POINT a, POINT b) { return a.x == b.x && a.y == b.y; });
        if (same) continue;
        SCOPED_TRACE(testing::Message() << "radii " << curve.rx << " x " << curve.ry << " from " << curve.t0
                                        << " over " << curve.sweep);
        // Thinned as before: steps are diagonal, not L shaped, so hardly a pixel more.
        for (size_t i = 1; i < path.size(); ++i) {
            ASSERT_LE(std::abs(path[i].x - path[i - 1].x), 1) << "pixel " << i;
            ASSERT_LE(std::abs(path[i].y - path[i - 1].y), 1) << "pixel " << i;
        }
        RemoveDuplicatePixels(path);
        RemoveDuplicatePixels(oldPath);
        const auto rowMajor = [](POINT a, POINT b) { return a.y != b.y ? a.y < b.y : a.x < b.x; };
        // Whether `pixels` holds one of the three pixels from (x - 1, y) to (x + 1, y).
        const auto holdsNear = [&](const std::vector<POINT>& pixels, int32_t x, int32_t y) {
            const auto at = std::lower_bound(pixels.begin(), pixels.end(), POINT{x - 1, y}, rowMajor);
            return at != pixels.end() && at->y == y && at->x <= x + 1;
        };
        const double cx = left + curve.rx, cy = top + curve.ry;
        double farthest = 0;
        for (const POINT& p : path)
            if (!std::binary_search(oldPath.begin(), oldPath.end(), p, rowMajor))
                farthest = std::max(farthest, DistanceToCurve(p, cx, cy, curve.rx, curve.ry));
        EXPECT_LE(farthest, 1.0);
        for (const POINT& p : oldPath)
            ASSERT_TRUE(holdsNear(path, p.x, p.y - 1) || holdsNear(path, p.x, p.y) ||
                        holdsNear(path, p.x, p.y + 1))
                << "old pixel " << p.x << "," << p.y << " has no new one beside it";
    }
    // Thinned as before: steps are diagonal rather than L shaped, so hardly a pixel more in all.
    EXPECT_LE(pixels, oldPixels + oldPixels / 100);
}

// A curve drawn for a part of the device has there exactly the pixels of the whole curve, whether
// the part holds a sliver of it, much of it or none.
TEST(CurvePixels, PartShownHasThePixelsOfTheWholeCurve) {
    const QRect parts[] = {QRect(0, 0, 1920, 1080), QRect(-300, 500, 200, 40), QRect(2000, -900, 7, 3000),
                           QRect(-5000, -5000, 100, 100)};
    using Set = std::set<std::pair<int32_t, int32_t>>;
    for (const Curve& curve : Curves()) {
        if (curve.rx > 8000) continue;
        const double left = -curve.rx + 700, top = -curve.ry / 2;
        const double right = left + 2 * curve.rx + 1, bottom = top + 2 * curve.ry + 1;
        const bool whole = curve.sweep >= 2 * kPi;
        std::vector<POINT> all;
        CurvePixels(left, top, right, bottom, right - left, bottom - top, curve.t0, curve.sweep, whole, kAll,
                    all);
        for (const QRect& part : parts) {
            std::vector<POINT> shown;
            CurvePixels(left, top, right, bottom, right - left, bottom - top, curve.t0, curve.sweep, whole,
                        part, shown);
            Set expected, got;
            for (const POINT& p : all)
                if (part.contains(p.x, p.y)) expected.insert({p.x, p.y});
            for (const POINT& p : shown)
                if (part.contains(p.x, p.y)) got.insert({p.x, p.y});
            EXPECT_EQ(got, expected) << "radii " << curve.rx << " x " << curve.ry << " from " << curve.t0
                                     << " in " << part.x() << "," << part.y();
            EXPECT_LE(shown.size(), all.size());
        }
    }
}

// A rectangle and a polygon whose sides run far off the device, and a rounded rectangle, about (at, at).
void Outlines(TDC& dc, int32_t at) {
    dc.Rectangle(at - 900, at + 30, at + 170, at + 1400);
    const POINT corners[] = {
        {at - 800, at - 600}, {at + 150, at + 20}, {at + 30, at + 700}, {at - 50, at + 90}};
    dc.Polygon(corners, 4);
    dc.RoundRect(at - 600, at + 60, at + 120, at + 130, 90, 50);
}

// A curve or an outline reaching far off the device, drawn with a solid or a dotted pen, straight onto the
// image or through a painter that moves it there, has on the device the pixels it has on a device so large
// that it lies wholly inside.
TEST(CurvePixels, DeviceShowsItsPartOfACurveReachingFarOffIt) {
    struct Row {
        const char* name;
        int32_t style;
        bool turnedPainter;
    };
    const Row rows[] = {
        {"solid", PS_SOLID, false}, {"dotted", PS_DOT, false}, {"moved by the painter", PS_SOLID, true}};
    constexpr int32_t kShift = 1000;
    for (const Row& row : rows) {
        QImage whole = pixelprobe::White(2 * kShift, 2 * kShift);
        {
            TDC dc(whole);
            dc.SelectObject(TPen(RGB(0, 0, 0), 1, row.style));
            dc.SelectStockObject(NULL_BRUSH);
            dc.Ellipse(kShift - 700, kShift - 300, kShift + 300, kShift + 140);
            dc.Arc(kShift - 500, kShift - 900, kShift + 190, kShift + 120, kShift + 190, kShift, kShift,
                   kShift - 900);
            Outlines(dc, kShift);
        }
        QImage part = pixelprobe::White(200, 150);
        QPainter painter(&part);
        if (row.turnedPainter) painter.translate(-kShift, -kShift);
        {
            const int32_t at = row.turnedPainter ? kShift : 0;
            TDC dc(&painter);
            dc.SelectObject(TPen(RGB(0, 0, 0), 1, row.style));
            dc.SelectStockObject(NULL_BRUSH);
            dc.Ellipse(at - 700, at - 300, at + 300, at + 140);
            dc.Arc(at - 500, at - 900, at + 190, at + 120, at + 190, at, at, at - 900);
            Outlines(dc, at);
        }
        painter.end();
        EXPECT_EQ(pixelprobe::CountDifferent(part, whole.copy(kShift, kShift, 200, 150)), 0) << row.name;
        EXPECT_GT(pixelprobe::CountInked(part), 80) << row.name;
    }
}

} // namespace
