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

// Curve samples per pixel of the larger radius, along the sweep.
constexpr double kStepsPerPixel = 1.0;

// floor(v + 0.5) for v well inside the 32-bit range, without a call: truncation, one down for
// negative values that had a fraction.
inline int32_t Nearest(double v) {
    const double u = v + 0.5;
    const int32_t truncated = int32_t(u);
    return truncated - int32_t(u < double(truncated));
}

bool Touching(const POINT& a, const POINT& b) {
    return std::abs(a.x - b.x) <= 1 && std::abs(a.y - b.y) <= 1;
}

} // namespace

namespace {

// Appends a path's pixels to out in drawing order; a thin path drops the middle pixel of every
// L-shaped step as it goes.
class TPathPixels {
public:
    TPathPixels(std::vector<POINT>& out, bool thin) : out_(out), begin_(out.size()), thin_(thin) {}

    void Add(POINT p) {
        if (thin_ && out_.size() >= begin_ + 2 && Touching(out_[out_.size() - 2], p)) out_.pop_back();
        out_.push_back(p);
    }

    // The line from `from` to `to` without its end pixel, those of its pixels that lie in `keep`;
    // false when the two ends are the same.
    bool AddLine(POINT from, POINT to, const QRect& keep = kEverywhere) {
        const int64_t length =
            std::max(std::llabs(int64_t(to.x) - from.x), std::llabs(int64_t(to.y) - from.y));
        if (length == 0) return false;
        if (length == 1) {
            // Neighbouring points, as along a curve: the line is its first pixel alone.
            Add(from);
            return true;
        }
        // A line's pixels come from the end with the smaller major coordinate, their counts from
        // `from` rising or falling, so they are turned to run in drawing order.
        line_.clear();
        int64_t firstCount = -1, lastCount = -1;
        ForEachLinePixel(from, to, keep, [&](int32_t x, int32_t y, int64_t k) {
            if (firstCount < 0) firstCount = k;
            lastCount = k;
            line_.push_back(POINT{x, y});
        });
        if (lastCount < firstCount) std::reverse(line_.begin(), line_.end());
        for (const POINT& p : line_)
            Add(p);
        return true;
    }

private:
    std::vector<POINT>& out_;
    size_t begin_;
    bool thin_;
    std::vector<POINT> line_;
};

} // namespace

void AppendPathPixels(const std::vector<POINT>& vertices, bool closed, bool thin, std::vector<POINT>& out) {
    AppendPathPixels(vertices, closed, thin, kEverywhere, out);
}

void AppendPathPixels(const std::vector<POINT>& vertices, bool closed, bool thin, const QRect& keep,
                      std::vector<POINT>& out) {
    if (vertices.empty()) return;
    TPathPixels path(out, thin);
    bool added = false;
    const size_t n = vertices.size();
    const size_t segments = closed ? n : n - 1;
    out.reserve(out.size() + segments + 1);
    for (size_t i = 0; i < segments; ++i)
        added |= path.AddLine(vertices[i], vertices[i + 1 < n ? i + 1 : 0], keep);
    if (!closed) {
        path.Add(vertices.back());
    } else if (!added) {
        path.Add(vertices.front());
    }
}

namespace {

// The samples of an ellipse's outline, or of a rounded rectangle's, at equal steps of the
// parametric angle, each rounded to its pixel.
class TCurveSamples {
public:
    // The unit vector is turned by one step's rotation at a time, and set afresh from the sine and
    // cosine every kRestart steps, long before the products' rounding could move a pixel.
    static constexpr int64_t kRestart = 64;

    TCurveSamples(double left, double top, double right, double bottom, double cornerW, double cornerH,
                  double t0, double sweep)
        : t0_(t0), sweep_(sweep) {
        // Pixel centres run from left to right - 1.
        const double x0 = left, x1 = right - 1.0, y0 = top, y1 = bottom - 1.0;
        rx_ = std::max(0.0, std::min(cornerW / 2.0, (x1 - x0) / 2.0));
        ry_ = std::max(0.0, std::min(cornerH / 2.0, (y1 - y0) / 2.0));
        leftCentre_ = x0 + rx_, rightCentre_ = x1 - rx_;
        topCentre_ = y0 + ry_, bottomCentre_ = y1 - ry_;
        const double radius = std::max(1.0, std::max(rx_, ry_));
        // A step moves a point of the curve by at most a pixel along each axis, so consecutive
        // samples are neighbouring pixels (or the same one) and no pixel of the curve is skipped.
        steps_ = std::max<int64_t>(8, int64_t(std::ceil(std::fabs(sweep) * radius * kStepsPerPixel)));
        const double dt = sweep / double(steps_);
        cd_ = std::cos(dt), sd_ = std::sin(dt);
    }

    int64_t Steps() const { return steps_; }
    // Whether the curve is a whole ellipse, its centre the same for every quarter.
    bool Elliptic() const { return leftCentre_ == rightCentre_ && topCentre_ == bottomCentre_; }

    POINT At(int64_t i) const {
        const double t = t0_ + sweep_ * double(i) / double(steps_);
        return Pixel(std::cos(t), std::sin(t));
    }

    // Calls step(i, pixel) for samples first..last (first a multiple of kRestart) while it returns
    // true. The unit vector is turned one step at a time and set afresh from its angle every
    // kRestart samples, so the rounding of the turns cannot build up.
    template <class Step> bool ForEachSample(int64_t first, int64_t last, Step&& step) const {
        double c = 1.0, s = 0.0;
        for (int64_t i = first; i <= last; ++i) {
            if (i % kRestart == 0) {
                const double t = t0_ + sweep_ * double(i) / double(steps_);
                c = std::cos(t);
                s = std::sin(t);
            }
            if (!step(i, Pixel(c, s))) return false;
            const double turned = c * cd_ - s * sd_;
            s = s * cd_ + c * sd_;
            c = turned;
        }
        return true;
    }

    // Calls visit(i, pixel) for samples first..last (first a multiple of kRestart) but those that
    // fall on the pixel of the sample before.
    template <class Visit> void Walk(int64_t first, int64_t last, Visit&& visit) const {
        POINT previous{0, 0};
        ForEachSample(first, last, [&](int64_t i, POINT p) {
            if (i == first || p.x != previous.x || p.y != previous.y) visit(i, p);
            previous = p;
            return true;
        });
    }

    // Appends the pixels of samples first..last (first a multiple of kRestart), as one thinned path
    // of neighbouring pixels, the sample `dropAt` left out where it falls on `drop`. False, with out
    // as it was, where two samples are not neighbours.
    bool AppendNeighbours(int64_t first, int64_t last, int64_t dropAt, POINT drop,
                          std::vector<POINT>& out) const {
        const size_t begin = out.size();
        // Room for every sample and one more: a sample that repeats the pixel before is written
        // past the path's end and left there.
        out.resize(begin + size_t(last - first) + 2);
        POINT* const path = out.data() + begin;
        size_t n = 0;
        POINT previous = Pixel(1.0, 0.0);
        const bool neighbours = ForEachSample(first, last, [&](int64_t i, POINT p) {
            const int32_t dx = p.x - previous.x, dy = p.y - previous.y;
            if (i > first && (uint32_t(dx + 1) > 2u || uint32_t(dy + 1) > 2u)) return false;
            // Without branches on the pixels: a thin path drops the middle pixel of every
            // L-shaped step.
            const bool fresh = (i == first) | (dx != 0) | (dy != 0);
            const bool kept = fresh & !((i == dropAt) & (p.x == drop.x) & (p.y == drop.y));
            const POINT before = n >= 2 ? path[n - 2] : POINT{p.x + 2, p.y};
            const bool corner = (uint32_t(before.x - p.x + 1) <= 2u) & (uint32_t(before.y - p.y + 1) <= 2u);
            n -= size_t(kept & corner);
            path[n] = p;
            n += size_t(kept);
            previous = p;
            return true;
        });
        if (!neighbours) {
            out.resize(begin);
            return false;
        }
        out.resize(begin + n);
        return true;
    }

private:
    POINT Pixel(double c, double s) const {
        const double cx = c >= 0 ? rightCentre_ : leftCentre_;
        const double cy = s >= 0 ? topCentre_ : bottomCentre_;
        return POINT{Nearest(cx + rx_ * c), Nearest(cy - ry_ * s)};
    }

    double t0_, sweep_;
    double rx_ = 0, ry_ = 0, leftCentre_ = 0, rightCentre_ = 0, topCentre_ = 0, bottomCentre_ = 0;
    int64_t steps_ = 0;
    double cd_ = 1, sd_ = 0;
};

} // namespace

void CurveVertices(double left, double top, double right, double bottom, double cornerW, double cornerH,
                   double t0, double sweep, std::vector<POINT>& out) {
    const TCurveSamples samples(left, top, right, bottom, cornerW, cornerH, t0, sweep);
    out.reserve(out.size() + size_t(std::min<int64_t>(samples.Steps(), 1 << 24)) + 1);
    samples.Walk(0, samples.Steps(), [&](int64_t i, POINT p) {
        if (i > 0 || out.empty() || out.back().x != p.x || out.back().y != p.y) out.push_back(p);
    });
}

void CurvePixels(double left, double top, double right, double bottom, double cornerW, double cornerH,
                 double t0, double sweep, bool closed, const QRect& keep, std::vector<POINT>& out) {
    const TCurveSamples samples(left, top, right, bottom, cornerW, cornerH, t0, sweep);
    if (!samples.Elliptic()) {
        // A rounded rectangle's point jumps along each straight side.
        std::vector<POINT> vertices;
        CurveVertices(left, top, right, bottom, cornerW, cornerH, t0, sweep, vertices);
        AppendPathPixels(vertices, closed, true, out);
        return;
    }
    const int64_t steps = samples.Steps();
    constexpr int64_t kBlock = TCurveSamples::kRestart;
    const int64_t blocks = (steps + kBlock - 1) / kBlock;
    // Every sample of a block lies within kBlock pixels of its first along each axis; a block whose
    // first lies farther than that, and two more, from `keep` has no pixel there, nor any neighbour
    // of one, so it is left out.
    const QRect reach = keep.adjusted(-kBlock - 2, -kBlock - 2, kBlock + 2, kBlock + 2);
    std::vector<bool> shown(size_t(blocks), true);
    const QRect box = QRect(QPoint(int32_t(left), int32_t(top)), QPoint(int32_t(right), int32_t(bottom)));
    if (!keep.adjusted(-2, -2, 2, 2).contains(box)) {
        for (int64_t b = 0; b < blocks; ++b) {
            const POINT p = samples.At(b * kBlock);
            shown[size_t(b)] = reach.contains(p.x, p.y);
        }
    }
    // Each run of shown blocks is an open path, consecutive samples joined. A closed curve starts at
    // its first sample and ends before its last where that falls on the first one's pixel, as the
    // path through its vertices does.
    const POINT first = samples.At(0);
    out.reserve(out.size() + size_t(std::min<int64_t>(steps, 1 << 24)) + 1);
    for (int64_t b = 0; b < blocks; ++b) {
        if (!shown[size_t(b)]) continue;
        const int64_t runStart = b;
        while (b + 1 < blocks && shown[size_t(b) + 1])
            ++b;
        const int64_t from = runStart * kBlock, to = std::min(steps, (b + 1) * kBlock);
        const int64_t dropAt = closed ? steps : -1;
        if (samples.AppendNeighbours(from, to, dropAt, first, out)) continue;
        // Samples a pixel apart are joined by the line between them.
        TPathPixels path(out, true);
        POINT last{0, 0};
        bool any = false;
        samples.Walk(from, to, [&](int64_t i, POINT p) {
            if (i == dropAt && p.x == first.x && p.y == first.y) return;
            if (any) path.AddLine(last, p);
            last = p;
            any = true;
        });
        if (any) path.Add(last);
    }
}

void RemoveDuplicatePixels(std::vector<POINT>& pixels) {
    auto key = [](const POINT& p) { return (int64_t(p.y) << 32) | uint32_t(p.x); };
    std::sort(pixels.begin(), pixels.end(), [&](const POINT& a, const POINT& b) { return key(a) < key(b); });
    pixels.erase(std::unique(pixels.begin(), pixels.end(),
                             [](const POINT& a, const POINT& b) { return a.x == b.x && a.y == b.y; }),
                 pixels.end());
}
