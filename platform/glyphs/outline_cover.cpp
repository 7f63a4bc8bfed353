// Each line of the outline adds to the pixels it crosses the signed area it leaves to their right
// and carries the rest of its height on to the pixel past them; summed along a row, those give each
// pixel's share of cover. Curves are cut into lines that stay within a small part of a pixel of
// the curve.
#include "platform/glyphs/outline_cover.h"

#include <algorithm>
#include <cmath>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <vector>

namespace glyph_ink {

namespace {

struct Point {
    float x, y;
};

// Floor and ceiling of a coordinate within the box, not below 0: quicker than the library's.
int32_t Floor(float x) {
    return int32_t(x);
}
int32_t Ceil(float x) {
    const int32_t i = int32_t(x);
    return i + (float(i) < x ? 1 : 0);
}

// The areas of a box's pixels, row after row, each row with a cell past its last: a line ending on
// the right edge of the box carries into it, which the row's sum leaves at nothing. The cells are
// cleared as they are summed, so they are clear for the next glyph.
class Areas {
public:
    Areas(int32_t w, int32_t h) : w_(w), h_(h) {
        if (cells().size() < Stride() * size_t(h)) cells().assign(Stride() * size_t(h), 0.0f);
    }

    void Line(Point a, Point b) {
        if (a.y == b.y) return;
        float dir = 1.0f;
        if (a.y > b.y) std::swap(a, b), dir = -1.0f;
        float* const area = cells().data();
        const float dxdy = (b.x - a.x) / (b.y - a.y);
        float x = a.x;
        const int32_t last = std::min(h_, Ceil(b.y));
        for (int32_t y = Floor(a.y); y < last; ++y) {
            float* const row = area + size_t(y) * Stride();
            const float dy = std::min(float(y + 1), b.y) - std::max(float(y), a.y);
            const float next = x + dxdy * dy, d = dy * dir;
            const float x0 = std::min(x, next), x1 = std::max(x, next);
            const int32_t i0 = Floor(x0), i1 = Ceil(x1);
            const float floor0 = float(i0), ceil1 = float(i1);
            if (i1 <= i0 + 1) {
                const float mid = 0.5f * (x + next) - floor0;
                row[i0] += d - d * mid;
                row[i0 + 1] += d * mid;
            } else {
                const float s = 1.0f / (x1 - x0), f0 = x0 - floor0, f1 = x1 - ceil1 + 1.0f;
                const float a0 = 0.5f * s * (1.0f - f0) * (1.0f - f0), am = 0.5f * s * f1 * f1;
                row[i0] += d * a0;
                if (i1 == i0 + 2) {
                    row[i0 + 1] += d * (1.0f - a0 - am);
                } else {
                    const float a1 = s * (1.5f - f0);
                    row[i0 + 1] += d * (a1 - a0);
                    for (int32_t i = i0 + 2; i < i1 - 1; ++i)
                        row[i] += d * s;
                    const float a2 = a1 + float(i1 - i0 - 3) * s;
                    row[i1 - 1] += d * (1.0f - a2 - am);
                }
                row[i1] += d * am;
            }
            x = next;
        }
    }

    void Curve(Point p0, Point p1, Point p2, Point p3) {
        // A cubic cut into n lines strays from it by about 3/4 of its second difference over n².
        const float ddx = std::max(std::abs(p0.x - 2 * p1.x + p2.x), std::abs(p1.x - 2 * p2.x + p3.x));
        const float ddy = std::max(std::abs(p0.y - 2 * p1.y + p2.y), std::abs(p1.y - 2 * p2.y + p3.y));
        const int32_t n = std::clamp(int32_t(std::ceil(std::sqrt((ddx + ddy) * kStrayScale))), 1, 32);
        Point from = p0;
        for (int32_t at = 1; at <= n; ++at) {
            const float t = float(at) / float(n), u = 1.0f - t;
            const float a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, e = t * t * t;
            const Point to = at == n ? p3
                                     : Point{a * p0.x + b * p1.x + c * p2.x + e * p3.x,
                                             a * p0.y + b * p1.y + c * p2.y + e * p3.y};
            Line(from, to);
            from = to;
        }
    }

    // Sets the bits of the pixels covered at least `share` out of 255, of rows `top` to before
    // `bottom` and columns `left` to before `right`, past which no line reaches, and clears them.
    void OrCovered(uint8_t share, int32_t left, int32_t top, int32_t right, int32_t bottom,
                   uint64_t* words) const {
        // Qt's fill inks a little more than the exact area: this is nearest to it.
        const float least = (float(share) - 1.5f) / 255.0f;
        float* const area = cells().data();
        // Bits set from `at` on, where they may carry into the next word.
        const auto set = [words](size_t at, uint64_t bits) {
            words[at / 64] |= bits << (at % 64);
            if (at % 64 > 60)
                if (const uint64_t carried = bits >> (64 - at % 64)) words[at / 64 + 1] |= carried;
        };
        for (int32_t y = top; y < bottom; ++y) {
            float sum = 0;
            float* const row = area + size_t(y) * Stride();
            const size_t start = size_t(y) * size_t(w_);
            int32_t x = left;
#if defined(__SSE2__)
            // Four at a time: each lane adds the lanes before it, then the sum of those before.
            const __m128 leastFour = _mm_set1_ps(least), sign = _mm_set1_ps(-0.0f);
            __m128 carry = _mm_setzero_ps();
            for (; x + 4 <= right; x += 4) {
                __m128 four = _mm_loadu_ps(row + x);
                _mm_storeu_ps(row + x, _mm_setzero_ps());
                four = _mm_add_ps(four, _mm_castsi128_ps(_mm_slli_si128(_mm_castps_si128(four), 4)));
                four = _mm_add_ps(four, _mm_castsi128_ps(_mm_slli_si128(_mm_castps_si128(four), 8)));
                four = _mm_add_ps(four, carry);
                carry = _mm_shuffle_ps(four, four, _MM_SHUFFLE(3, 3, 3, 3));
                if (const int bits = _mm_movemask_ps(_mm_cmpge_ps(_mm_andnot_ps(sign, four), leastFour)))
                    set(start + size_t(x), uint64_t(bits));
            }
            sum = _mm_cvtss_f32(carry);
#endif
            for (; x < right; ++x) {
                sum += row[x];
                row[x] = 0;
                const size_t at = start + size_t(x);
                words[at / 64] |= uint64_t(std::abs(sum) >= least) << (at % 64);
            }
            // What a line carried past the last column.
            row[right] = 0;
        }
    }

private:
    // 3/4 over the stray allowed: about as far as Qt's fill lets its lines stray from the curves,
    // which puts right the fewest pixels.
    static constexpr float kStrayScale = 0.75f / 0.15f;

    size_t Stride() const {
        return size_t(w_) + 1;
    }

    static std::vector<float>& cells() {
        thread_local std::vector<float> kept;
        return kept;
    }

    int32_t w_, h_;
};

} // namespace

bool OrCoveredBits(const QPainterPath& outline, const QTransform& place, QSize size, uint8_t share,
                   uint64_t* words) {
    const int32_t w = size.width(), h = size.height(), count = int32_t(outline.elementCount());
    if (w <= 0 || h <= 0 || place.type() > QTransform::TxShear) return false;
    // Every point within the box, a hair inside its right and bottom edges: a curve lies within
    // its control points, so no line leaves it.
    thread_local std::vector<Point> points;
    thread_local std::vector<QPainterPath::ElementType> types;
    points.resize(size_t(count));
    types.resize(size_t(count));
    const float right = float(w) - 1e-3f, bottom = float(h) - 1e-3f;
    float minX = right, minY = bottom, maxX = 0, maxY = 0;
    for (int32_t at = 0; at < count; ++at) {
        const QPainterPath::Element e = outline.elementAt(at);
        const Point p{float(place.m11() * e.x + place.m21() * e.y + place.dx()),
                      float(place.m12() * e.x + place.m22() * e.y + place.dy())};
        if (!(p.x >= 0 && p.y >= 0 && p.x <= right && p.y <= bottom)) return false;
        points[size_t(at)] = p;
        types[size_t(at)] = e.type;
        minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
    }
    // Each curve has its two further points, and no further point stands alone.
    for (int32_t at = 0; at < count; ++at) {
        const QPainterPath::ElementType type = types[size_t(at)];
        if (type == QPainterPath::CurveToDataElement) return false;
        if (type != QPainterPath::CurveToElement) continue;
        if (at + 2 >= count || types[size_t(at) + 1] != QPainterPath::CurveToDataElement ||
            types[size_t(at) + 2] != QPainterPath::CurveToDataElement)
            return false;
        at += 2;
    }
    Areas areas(w, h);
    // Each figure is closed back to its start, as a fill closes it.
    Point start{}, pen{};
    for (int32_t at = 0; at < count;) {
        const QPainterPath::ElementType type = types[size_t(at)];
        if (type == QPainterPath::MoveToElement) {
            areas.Line(pen, start);
            start = pen = points[size_t(at++)];
        } else if (type == QPainterPath::LineToElement) {
            areas.Line(pen, points[size_t(at)]);
            pen = points[size_t(at++)];
        } else {
            areas.Curve(pen, points[size_t(at)], points[size_t(at) + 1], points[size_t(at) + 2]);
            pen = points[size_t(at) + 2];
            at += 3;
        }
    }
    areas.Line(pen, start);
    if (count == 0) return true;
    areas.OrCovered(share, Floor(minX), Floor(minY), std::min(w, Ceil(maxX) + 1), std::min(h, Ceil(maxY) + 1),
                    words);
    return true;
}

} // namespace glyph_ink
