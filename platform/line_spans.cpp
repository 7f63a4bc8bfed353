#include "platform/line_spans.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

// Coordinates up to 2^28 keep every product of the clipping below within 64 bits.
constexpr int64_t kSpanLimit = int64_t{1} << 28;

struct CopyPixel {
    QRgb rgb;
    void operator()(QRgb& d) const { d = rgb; }
};

struct XorPixel {
    QRgb rgb;
    void operator()(QRgb& d) const { d = (d ^ rgb) | 0xFF000000u; }
};

struct NotXorPixel {
    QRgb rgb;
    void operator()(QRgb& d) const { d = ~(d ^ rgb) | 0xFF000000u; }
};

int64_t CeilDiv(int64_t n, int64_t d) {
    return n >= 0 ? (n + d - 1) / d : -(-n / d);
}

int64_t FloorDiv(int64_t n, int64_t d) {
    return n >= 0 ? n / d : -((-n + d - 1) / d);
}

// The line's geometry as ForEachLinePixel walks it: from the end point with the smaller major
// coordinate a, pixel t along the major axis sits at minor offset (2 t minor + major) / (2 major).
struct LineWalk {
    bool xMajor;
    int64_t major, minor, step;
    int64_t start, minorStart;
    int64_t first, last; // the major coordinates to write, inclusive
};

// Narrows the walk to the pixels inside clip, the excluded end pixel left out; false if none is.
bool ClipWalk(POINT from, POINT to, const QRect& clip, LineWalk& w) {
    const int64_t dx = std::llabs(int64_t(to.x) - from.x);
    const int64_t dy = std::llabs(int64_t(to.y) - from.y);
    if (dx == 0 && dy == 0) return false;
    w.xMajor = dx >= dy;
    POINT a = from, b = to;
    const bool swapped = w.xMajor ? (a.x > b.x) : (a.y > b.y);
    if (swapped) std::swap(a, b);
    w.major = w.xMajor ? dx : dy;
    w.minor = w.xMajor ? dy : dx;
    w.step = w.xMajor ? (b.y >= a.y ? 1 : -1) : (b.x >= a.x ? 1 : -1);
    w.start = w.xMajor ? a.x : a.y;
    w.minorStart = w.xMajor ? a.y : a.x;
    // The end pixel of the drawing direction is the first or the last of the walk.
    w.first = swapped ? w.start + 1 : w.start;
    w.last = swapped ? w.start + w.major : w.start + w.major - 1;
    w.first = std::max<int64_t>(w.first, w.xMajor ? clip.left() : clip.top());
    w.last = std::min<int64_t>(w.last, w.xMajor ? clip.right() : clip.bottom());

    // The offsets whose minor coordinate lies inside the clip, then the pixels that have them:
    // offset(t) >= lo from t >= (2 major lo - major) / (2 minor), offset(t) <= hi up to
    // t <= (2 major (hi + 1) - major - 1) / (2 minor).
    const int64_t minorLo = w.xMajor ? clip.top() : clip.left();
    const int64_t minorHi = w.xMajor ? clip.bottom() : clip.right();
    const int64_t lo = w.step > 0 ? minorLo - w.minorStart : w.minorStart - minorHi;
    const int64_t hi = w.step > 0 ? minorHi - w.minorStart : w.minorStart - minorLo;
    if (hi < 0 || lo > w.minor || lo > hi) return false;
    if (w.minor > 0) {
        if (lo > 0) w.first = std::max(w.first, w.start + CeilDiv(2 * w.major * lo - w.major, 2 * w.minor));
        if (hi < w.minor)
            w.last = std::min(w.last, w.start + FloorDiv(2 * w.major * (hi + 1) - w.major - 1, 2 * w.minor));
    }
    return w.first <= w.last;
}

template <class Op> void Walk(const TScanLines& image, const LineWalk& w, Op op) {
    const int64_t divisor = 2 * w.major;
    const int64_t numerator = 2 * (w.first - w.start) * w.minor + w.major;
    const int64_t minorAt = w.minorStart + w.step * (numerator / divisor);
    int64_t remainder = numerator % divisor;
    const int64_t rise = 2 * w.minor;
    if (w.xMajor) {
        QRgb* row = reinterpret_cast<QRgb*>(image.bits + image.stride * minorAt);
        if (w.minor == 0) {
            for (int64_t x = w.first; x <= w.last; ++x)
                op(row[x]);
            return;
        }
        const qsizetype rowStep = image.stride * w.step;
        for (int64_t x = w.first; x <= w.last; ++x) {
            op(row[x]);
            remainder += rise;
            if (remainder >= divisor) {
                remainder -= divisor;
                row = reinterpret_cast<QRgb*>(reinterpret_cast<uchar*>(row) + rowStep);
            }
        }
        return;
    }
    uchar* line = image.bits + image.stride * w.first;
    int64_t x = minorAt;
    for (int64_t y = w.first; y <= w.last; ++y, line += image.stride) {
        op(reinterpret_cast<QRgb*>(line)[x]);
        remainder += rise;
        if (remainder >= divisor) {
            remainder -= divisor;
            x += w.step;
        }
    }
}

} // namespace

bool SpanWritable(POINT from, POINT to) {
    auto inRange = [](int32_t v) { return v > -kSpanLimit && v < kSpanLimit; };
    return inRange(from.x) && inRange(from.y) && inRange(to.x) && inRange(to.y);
}

void WriteLineSpans(const TScanLines& image, POINT from, POINT to, const QRect& clip, QRgb rgb, TPixelOp op) {
    LineWalk walk{};
    if (clip.isEmpty() || !ClipWalk(from, to, clip, walk)) return;
    switch (op) {
    case TPixelOp::Xor:
        Walk(image, walk, XorPixel{rgb});
        break;
    case TPixelOp::NotXor:
        Walk(image, walk, NotXorPixel{rgb});
        break;
    case TPixelOp::Copy:
        Walk(image, walk, CopyPixel{rgb});
        break;
    }
}
