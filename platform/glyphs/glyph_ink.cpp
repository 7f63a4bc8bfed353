// The ink of a small glyph: its pieces and holes, found row by row in runs, and its weight.
#include "platform/glyphs/glyph_ink.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace glyph_ink {

namespace {

// The ink a turned glyph may take against its level glyph's. A thin stroke along a diagonal holds
// fewer pixels than along a row, so turning changes a glyph's count by up to about a half either
// way; inkings within the first range keep its weight, those within the second still read as
// the same letter, and past them a letter shrinks to a dot or swells into a blob.
constexpr double kTrueInk[] = {0.75, 1.5};
constexpr double kFairInk[] = {0.6, 1.8};

// Runs of a row of equal pixels, joined into regions as rows follow one another.
struct Run {
    int32_t from, to; // first and last column
    int32_t region;
    bool ink;
};

// Regions joined by their runs.
struct Region {
    bool open; // a clear region that reaches the mask's edge
    bool ink;
};

// The region that stands for `region`, each region pointing at `parent` towards it; every region
// passed is pointed two steps on, so that the next look up the same way is half as long.
int32_t Root(int32_t* parent, int32_t region) {
    while (parent[region] != region)
        region = parent[region] = parent[parent[region]];
    return region;
}

void Join(std::vector<Region>& regions, std::vector<int32_t>& parent, int32_t a, int32_t b) {
    a = Root(parent.data(), a), b = Root(parent.data(), b);
    if (a == b) return;
    parent[size_t(b)] = a;
    regions[size_t(a)].open |= regions[size_t(b)].open;
}

// The last column of the run of `ink` pixels from `x` along a row of `w`, eight pixels at a time.
int32_t RunEnd(const uint8_t* line, int32_t x, int32_t w, bool ink) {
    const uint64_t same = ink ? 0x0101010101010101ull : 0;
    int32_t at = x + 1;
    for (; at + 8 <= w; at += 8) {
        uint64_t eight;
        std::memcpy(&eight, line + at, sizeof eight);
        if (const uint64_t differ = eight ^ same) return at + __builtin_ctzll(differ) / 8 - 1;
    }
    while (at < w && (line[at] != 0) == ink)
        ++at;
    return at - 1;
}

// Marks the pixels of a line from a to b, joined at edges or corners.
void MarkLine(Mask& mask, int32_t w, int32_t h, QPoint a, QPoint b) {
    const int32_t steps = std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
    for (int32_t step = 0; step <= steps; ++step) {
        const int32_t x = a.x() + (steps ? int32_t(std::lround(double(b.x() - a.x()) * step / steps)) : 0);
        const int32_t y = a.y() + (steps ? int32_t(std::lround(double(b.y() - a.y()) * step / steps)) : 0);
        if (x >= 0 && y >= 0 && x < w && y < h) mask[size_t(y * w + x)] = 1;
    }
}

// A glyph's mask fits a word a row, a clear column either side, and this many rows.
constexpr int32_t kWordWidth = 62, kWordRows = 128;

// The row of a mask as bits, pixel x at bit x + 1.
uint64_t RowBits(const uint8_t* line, int32_t w) {
    uint64_t bits = 0;
    int32_t x = 0;
    for (; x + 8 <= w; x += 8)
        bits |= uint64_t{EightBits(line + x)} << x;
    for (; x < w; ++x)
        bits |= uint64_t(line[x] != 0) << x;
    return bits << 1;
}

// The bits set in a word, without the processor's own count, which not every build may use.
int32_t Count(uint64_t bits) {
    bits -= (bits >> 1) & 0x5555555555555555ull;
    bits = (bits & 0x3333333333333333ull) + ((bits >> 2) & 0x3333333333333333ull);
    bits = (bits + (bits >> 4)) & 0x0f0f0f0f0f0f0f0full;
    return int32_t((bits * 0x0101010101010101ull) >> 56);
}

// A mask of a row a word: its pieces are counted from its runs of ink, and its holes from its
// Euler number, pieces less holes, which its two by two squares of pixels give at once.
Shape ShapeByWords(const Mask& mask, int32_t w, int32_t h, int32_t& ink) {
    uint64_t rows[kWordRows + 2];
    rows[0] = rows[h + 1] = 0;
    ink = 0;
    for (int32_t y = 0; y < h; ++y) {
        rows[y + 1] = RowBits(mask.data() + size_t(y) * size_t(w), w);
        ink += Count(rows[y + 1]);
    }
    // Squares with one pixel inked, three, and two on a diagonal, over the mask with a clear
    // border: ink joined at corners makes the Euler number (ones - threes - 2 diagonals) / 4.
    const uint64_t squares = (uint64_t{1} << (w + 1)) - 1;
    int32_t euler4 = 0;
    for (int32_t y = 0; y <= h; ++y) {
        const uint64_t a = rows[y], b = rows[y] >> 1, c = rows[y + 1], d = rows[y + 1] >> 1;
        const uint64_t odd = (a ^ b ^ c ^ d) & squares;
        const uint64_t two = (a & b) | (a & c) | (a & d) | (b & c) | (b & d) | (c & d);
        const uint64_t diagonal = ((a & d & ~b & ~c) | (b & c & ~a & ~d)) & squares;
        euler4 += Count(odd & ~two) - Count(odd & two) - 2 * Count(diagonal);
    }
    // Runs of ink joined to the runs above that reach within a column of them.
    struct InkRun {
        int32_t from, to, region;
    };
    int32_t parent[kWordRows * (kWordWidth / 2 + 1)];
    InkRun above[kWordWidth / 2 + 1], row[kWordWidth / 2 + 1];
    int32_t aboveCount = 0, regions = 0, pieces = 0;
    for (int32_t y = 1; y <= h; ++y) {
        int32_t count = 0, first = 0;
        for (uint64_t left = rows[y]; left != 0;) {
            const int32_t from = __builtin_ctzll(left);
            const int32_t to = from + __builtin_ctzll(~(left >> from)) - 1;
            left &= ~uint64_t{0} << to << 1;
            const int32_t region = regions++;
            parent[region] = region;
            ++pieces;
            while (first < aboveCount && above[first].to < from - 1)
                ++first;
            for (int32_t at = first; at < aboveCount && above[at].from <= to + 1; ++at) {
                const int32_t over = Root(parent, above[at].region), mine = Root(parent, region);
                if (over != mine) parent[mine] = over, --pieces;
            }
            row[count++] = {from, to, region};
        }
        std::copy_n(row, count, above);
        aboveCount = count;
    }
    Shape shape;
    shape.pieces = pieces;
    shape.holes = pieces - euler4 / 4;
    return shape;
}

} // namespace

void OrBits(const Mask& mask, uint64_t* words) {
    size_t at = 0;
    for (; at + 64 <= mask.size(); at += 64) {
        uint64_t word = 0;
        for (size_t eight = 0; eight < 64; eight += 8)
            word |= uint64_t{EightBits(mask.data() + at + eight)} << eight;
        words[at / 64] |= word;
    }
    for (; at + 8 <= mask.size(); at += 8)
        words[at / 64] |= uint64_t{EightBits(mask.data() + at)} << (at % 64);
    for (; at < mask.size(); ++at)
        words[at / 64] |= uint64_t(mask[at] != 0) << (at % 64);
}

#if defined(__SSE2__)
namespace {

// All ones in each of sixteen bytes from `shares` that is at least the least: a byte is at least
// another where it is the larger of the two.
__m128i AtLeast(const uchar* shares, __m128i least) {
    const __m128i sixteen = _mm_loadu_si128(reinterpret_cast<const __m128i*>(shares));
    return _mm_cmpeq_epi8(_mm_max_epu8(sixteen, least), sixteen);
}

} // namespace
#endif

// Sixteen shares at once where the processor has the means: a glyph made again from its choice
// is inked from its shares each time.
Mask Inked(const QImage& cover, uint8_t share) {
    const int32_t w = cover.width(), h = cover.height();
    Mask mask(size_t(w) * size_t(h));
    for (int32_t y = 0; y < h; ++y) {
        const uchar* line = cover.constScanLine(y);
        uint8_t* out = mask.data() + size_t(y) * size_t(w);
        int32_t x = 0;
#if defined(__SSE2__)
        const __m128i least = _mm_set1_epi8(char(share)), one = _mm_set1_epi8(1);
        for (; x + 16 <= w; x += 16)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x),
                             _mm_and_si128(AtLeast(line + x, least), one));
#endif
        for (; x < w; ++x)
            out[x] = line[x] >= share;
    }
    return mask;
}

void OrInkedBits(const QImage& cover, uint8_t share, uint64_t* words) {
    const int32_t w = cover.width(), h = cover.height();
    auto set = [words](size_t at, uint64_t bits) {
        words[at / 64] |= bits << (at % 64);
        // The word after is touched only when bits carry into it: past the row's last pixel there may
        // be no word at all.
        if (at % 64 > 48)
            if (const uint64_t carried = bits >> (64 - at % 64)) words[at / 64 + 1] |= carried;
    };
    for (int32_t y = 0; y < h; ++y) {
        const uchar* line = cover.constScanLine(y);
        const size_t row = size_t(y) * size_t(w);
        int32_t x = 0;
#if defined(__SSE2__)
        const __m128i least = _mm_set1_epi8(char(share));
        for (; x + 16 <= w; x += 16)
            if (const uint32_t bits = uint32_t(_mm_movemask_epi8(AtLeast(line + x, least))))
                set(row + size_t(x), bits);
#endif
        for (; x < w; ++x)
            if (line[x] >= share) set(row + size_t(x), 1);
    }
}

// Ink joins at edges or corners, clear pixels at edges only, so a hole never leaks out through a
// diagonal of ink. The mask is taken row by row, in words where its rows fit them and in runs of
// bytes otherwise, both far quicker than pixel by pixel: the search for a turned glyph's inkings
// shapes hundreds of thousands of masks on a drawing's first paint.
Shape ShapeOf(const Mask& mask, int32_t w, int32_t h) {
    int32_t ink = 0;
    return ShapeOf(mask, w, h, ink);
}

namespace {

// The general way, for masks too wide or tall to take a row in a word.
Shape ShapeByRuns(const Mask& mask, int32_t w, int32_t h, int32_t& ink) {
    thread_local std::vector<Region> regions;
    thread_local std::vector<int32_t> parent;
    thread_local std::vector<Run> above, row;
    regions.clear();
    parent.clear();
    above.clear();
    ink = 0;
    for (int32_t y = 0; y < h; ++y) {
        row.clear();
        const uint8_t* line = mask.data() + size_t(y) * size_t(w);
        // The runs of both rows lie in order along them, so each run meets the runs above from the
        // first that reaches its column.
        size_t first = 0;
        for (int32_t x = 0; x < w;) {
            const bool inked = line[x] != 0;
            const int32_t end = RunEnd(line, x, w, inked);
            const int32_t region = int32_t(regions.size());
            regions.push_back({!inked && (x == 0 || end == w - 1 || y == 0 || y == h - 1), inked});
            parent.push_back(region);
            const int32_t reach = inked ? 1 : 0;
            while (first < above.size() && above[first].to < x - 1)
                ++first;
            for (size_t at = first; at < above.size() && above[at].from <= end + 1; ++at) {
                const Run& over = above[at];
                if (over.ink == inked && over.from <= end + reach && over.to >= x - reach)
                    Join(regions, parent, region, over.region);
            }
            row.push_back({x, end, region, inked});
            if (inked) ink += end - x + 1;
            x = end + 1;
        }
        std::swap(above, row);
    }
    Shape shape;
    for (int32_t region = 0; region < int32_t(regions.size()); ++region) {
        if (Root(parent.data(), region) != region) continue;
        if (regions[size_t(region)].ink)
            ++shape.pieces;
        else
            shape.holes += !regions[size_t(region)].open;
    }
    return shape;
}

} // namespace

Shape ShapeOf(const Mask& mask, int32_t w, int32_t h, int32_t& ink) {
    return w <= kWordWidth && h <= kWordRows ? ShapeByWords(mask, w, h, ink) : ShapeByRuns(mask, w, h, ink);
}

namespace {

// A run of ink along a row of bits; a row's runs end with one past every column.
struct InkRun {
    int32_t from, end; // first column and the column past its last
    int32_t region;
};
constexpr InkRun kRowEnd = {INT32_MAX, INT32_MAX, 0};

// The runs of ink of a row of `words` words, the last masked by `last`, in order along it, with
// kRowEnd after them; returns how many. A run may cross from word to word: `open` is where the run
// reaching the end of the word before began.
int32_t RunsOf(const uint64_t* line, int32_t words, uint64_t last, InkRun* runs) {
    InkRun* run = runs;
    int32_t open = -1;
    const auto take = [&](uint64_t word, int32_t column) {
        if (open >= 0) {
            if (word == ~uint64_t{0}) return;
            run->from = open, run->end = column + __builtin_ctzll(~word), ++run;
            open = -1;
            word &= word + 1;
        }
        while (word != 0) {
            // Adding the lowest bit carries through the run, leaving the bit past its end.
            const uint64_t past = word + (word & (0 - word));
            if (past == 0) {
                open = column + __builtin_ctzll(word);
                return;
            }
            run->from = column + __builtin_ctzll(word), run->end = column + __builtin_ctzll(past), ++run;
            word &= past;
        }
    };
    int32_t at = 0;
    for (; at + 1 < words; ++at)
        if (line[at] != 0 || open >= 0) take(line[at], at * 64);
    take(line[at] & last, at * 64);
    if (open >= 0) run->from = open, run->end = words * 64, ++run;
    *run = kRowEnd;
    return int32_t(run - runs);
}

} // namespace

// Each run of ink joins the runs above that reach within a column of it, taking the first one's
// region as its own. Runs joined by their links make a graph whose runs less links is the mask's
// Euler number, pieces less holes, so each link between runs already of one piece closes a hole:
// the holes are counted without looking at a clear pixel.
Shape ShapeOf(const BitRows& mask) {
    if (mask.words == nullptr || mask.w <= 0 || mask.h <= 0) return {};
    const int32_t words = (mask.w - 1) / 64 + 1;
    if (mask.stride < words) return {};
    const uint64_t last = ~uint64_t{0} >> ((64 - mask.w % 64) % 64);
    // Kept from call to call, so that shaping allocates only while masks grow. A row holds at most
    // a run every other column.
    thread_local std::vector<InkRun> aboveRuns, rowRuns;
    thread_local std::vector<int32_t> parents;
    const size_t most = size_t(mask.w) / 2 + 2;
    if (aboveRuns.size() < most) aboveRuns.resize(most), rowRuns.resize(most);
    InkRun *above = aboveRuns.data(), *row = rowRuns.data();
    above[0] = kRowEnd;
    int32_t regions = 0, joins = 0, holes = 0;
    for (int32_t y = 0; y < mask.h; ++y) {
        const int32_t count = RunsOf(mask.words + size_t(y) * size_t(mask.stride), words, last, row);
        if (parents.size() < size_t(regions) + size_t(count))
            parents.resize(std::max(parents.size() * 2, size_t(regions) + size_t(count)));
        int32_t* parent = parents.data();
        // The runs of both rows lie in order along them, so each run meets the runs above from the
        // last that the run before it met. A run takes the region of the first it meets as it
        // stands, the root looked up only when a second joins it.
        const InkRun* first = above;
        for (InkRun* run = row; run != row + count; ++run) {
            while (first->end < run->from)
                ++first;
            if (first->from > run->end) {
                parent[regions] = regions;
                run->region = regions++;
                continue;
            }
            int32_t mine = first->region;
            for (++first; first->from <= run->end; ++first) {
                const int32_t a = Root(parent, mine), b = Root(parent, first->region);
                if (a == b)
                    ++holes;
                else
                    parent[a] = b, ++joins;
                mine = b;
            }
            --first;
            run->region = mine;
        }
        std::swap(above, row);
    }
    return Shape{regions - joins, holes};
}

int32_t Distance(Shape a, Shape b) {
    return std::abs(a.pieces - b.pieces) + std::abs(a.holes - b.holes);
}

int32_t InkOf(const Mask& mask) {
    return int32_t(std::count(mask.begin(), mask.end(), uint8_t{1}));
}

// The clear runs of each row take the region of the runs above that they meet, joining those, so
// the work goes by runs rather than by pixels: a glyph made again from its choice may look for its
// holes each time. The runs are then read in order, so holes come in the order of their first
// pixels, row by row, and each hole's pixels row by row.
std::vector<std::vector<int32_t>> HolesOf(const Mask& mask, int32_t w, int32_t h) {
    struct ClearRun {
        int32_t y, from, end; // pixels from `from` to before `end` of row `y`
    };
    thread_local std::vector<ClearRun> runs;
    thread_local std::vector<int32_t> parent, holeOf;
    thread_local std::vector<uint8_t> open;
    runs.clear();
    parent.clear();
    size_t above = 0, aboveEnd = 0; // the runs of the row above
    for (int32_t y = 0; y < h; ++y) {
        const uint8_t* row = mask.data() + size_t(y) * size_t(w);
        const size_t first = runs.size();
        for (int32_t x = 0; x < w;) {
            while (x < w && row[x])
                ++x;
            if (x == w) break;
            const int32_t from = x;
            while (x < w && !row[x])
                ++x;
            runs.push_back({y, from, x});
            const int32_t region = int32_t(parent.size());
            parent.push_back(region);
            // Runs above that share a column with this one are joined to it at an edge.
            while (above < aboveEnd && runs[above].end <= from)
                ++above;
            for (size_t at = above; at < aboveEnd && runs[at].from < x; ++at) {
                const int32_t a = Root(parent.data(), int32_t(at)), b = Root(parent.data(), region);
                if (a != b) parent[size_t(std::max(a, b))] = std::min(a, b);
            }
        }
        above = first, aboveEnd = runs.size();
    }
    open.assign(runs.size(), 0);
    for (size_t at = 0; at < runs.size(); ++at) {
        const ClearRun& run = runs[at];
        if (run.y == 0 || run.y == h - 1 || run.from == 0 || run.end == w)
            open[size_t(Root(parent.data(), int32_t(at)))] = 1;
    }
    std::vector<std::vector<int32_t>> holes;
    holeOf.assign(runs.size(), -1);
    for (size_t at = 0; at < runs.size(); ++at) {
        const ClearRun& run = runs[at];
        const int32_t root = Root(parent.data(), int32_t(at));
        if (open[size_t(root)]) continue;
        if (holeOf[size_t(root)] < 0) {
            holeOf[size_t(root)] = int32_t(holes.size());
            holes.emplace_back();
        }
        std::vector<int32_t>& hole = holes[size_t(holeOf[size_t(root)])];
        for (int32_t x = run.from; x < run.end; ++x)
            hole.push_back(run.y * w + x);
    }
    return holes;
}

// A region's first pixel has ink on its left and begins a clear run of at most `most` pixels that
// ends in ink, so the ink is read a word of a row at a time, and regions are grown only from such
// runs, each given up past `most` pixels or at the mask's edge.
std::vector<QPoint> SmallHolesOf(const BitRows& mask, int32_t most) {
    const int32_t w = mask.w, h = mask.h;
    if (mask.words == nullptr || w <= 0 || h <= 0 || mask.stride < (w + 63) / 64) return {};
    auto clear = [&](QPoint at) {
        const uint64_t word = mask.words[size_t(at.y()) * size_t(mask.stride) + size_t(at.x() / 64)];
        return ((word >> (at.x() % 64)) & 1) == 0;
    };
    std::vector<QPoint> holes, region;
    auto grow = [&](QPoint first) {
        if (std::find(holes.begin(), holes.end(), first) != holes.end()) return;
        region.assign(1, first);
        for (size_t next = 0; next < region.size(); ++next) {
            const QPoint at = region[next];
            if (at.x() == 0 || at.y() == 0 || at.x() == w - 1 || at.y() == h - 1) return;
            for (const QPoint beside :
                 {at - QPoint(1, 0), at + QPoint(1, 0), at - QPoint(0, 1), at + QPoint(0, 1)})
                if (clear(beside) && std::find(region.begin(), region.end(), beside) == region.end())
                    region.push_back(beside);
            if (int32_t(region.size()) > most) return;
        }
        holes.insert(holes.end(), region.begin(), region.end());
    };
    for (int32_t y = 1; y + 1 < h; ++y) {
        const uint64_t* row = mask.words + size_t(y) * size_t(mask.stride);
        int32_t lastInk = -w; // the last inked pixel of the row so far
        for (int32_t at = 0; at < mask.stride; ++at) {
            const uint64_t inked = row[at]; // a bit a pixel of the 64 from x, the first the lowest
            if (inked == 0) continue;
            const int32_t x = at * 64;
            // Each run of ink that begins here ends a clear run begun after the ink before it.
            for (uint64_t starts = inked & ~(inked << 1 | (lastInk == x - 1 ? 1u : 0u)); starts != 0;
                 starts &= starts - 1) {
                const int32_t start = x + __builtin_ctzll(starts);
                const uint64_t before = inked & ((uint64_t{1} << (start - x)) - 1);
                const int32_t inkBefore = before ? x + 63 - __builtin_clzll(before) : lastInk;
                if (inkBefore >= 0 && start - inkBefore - 1 <= most) grow(QPoint(inkBefore + 1, y));
            }
            lastInk = x + 63 - __builtin_clzll(inked);
        }
    }
    std::sort(holes.begin(), holes.end(),
              [](QPoint a, QPoint b) { return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x()); });
    return holes;
}

int32_t WeightClass(int32_t ink, int32_t levelInk) {
    const double share = levelInk > 0 ? double(ink) / levelInk : (ink == 0 ? 1.0 : 2.0);
    if (share >= kTrueInk[0] && share <= kTrueInk[1]) return 0;
    return share >= kFairInk[0] && share <= kFairInk[1] ? 1 : 2;
}

Mask Carried(const QImage& pixels, const QTransform& place, QSize size) {
    const int32_t w = size.width(), h = size.height();
    Mask mask(size_t(w) * size_t(h), 0);
    auto inked = [&](int32_t x, int32_t y) {
        return x >= 0 && y >= 0 && x < pixels.width() && y < pixels.height() &&
               pixels.constScanLine(y)[x] != 0;
    };
    auto carried = [&](int32_t x, int32_t y) {
        const QPointF centre = place.map(QPointF(x + 0.5, y + 0.5));
        return QPoint(int32_t(std::floor(centre.x())), int32_t(std::floor(centre.y())));
    };
    for (int32_t y = 0; y < pixels.height(); ++y)
        for (int32_t x = 0; x < pixels.width(); ++x) {
            if (!inked(x, y)) continue;
            const QPoint from = carried(x, y);
            MarkLine(mask, w, h, from, from);
            for (const QPoint next :
                 {QPoint(x + 1, y), QPoint(x - 1, y + 1), QPoint(x, y + 1), QPoint(x + 1, y + 1)})
                if (inked(next.x(), next.y())) MarkLine(mask, w, h, from, carried(next.x(), next.y()));
        }
    return mask;
}

} // namespace glyph_ink
