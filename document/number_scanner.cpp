#include "document/number_scanner.h"

#include <bit>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// The scan is built twice, once more for processors with the bit and vector instructions of 2013
// (single-step variable shifts, bit resets, three-operand vector forms), and the one the processor
// can run is chosen as the program starts; where the processor has 32-byte vectors, a stretch's
// bytes are looked at 32 at a time. Not under the sanitizers, where speed means nothing.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(__SANITIZE_ADDRESS__)
#define TREVALYN_BUILT_TWICE [[gnu::target_clones("default", "arch=x86-64-v3")]]
#define TREVALYN_WIDE_VECTORS 1
#include <immintrin.h>
#else
#define TREVALYN_BUILT_TWICE
#define TREVALYN_WIDE_VECTORS 0
#endif

namespace {

constexpr int32_t kWindow = 64; // bytes looked at together

// The number paths below take eight bytes of text in one load, the first byte the lowest.
static_assert(std::endian::native == std::endian::little, "the number parser reads text little-endian");

// A flag in the high bit of each of the eight bytes that is not a decimal digit.
inline uint64_t NotDigits(uint64_t bytes) {
    constexpr uint64_t kHigh = 0x8080808080808080ull;
    const uint64_t low = bytes & ~kHigh;
    const uint64_t above = (low + 0x4646464646464646ull) & kHigh;  // '9' < byte
    const uint64_t below = ~(low + 0x5050505050505050ull) & kHigh; // byte < '0'
    return (bytes & kHigh) | above | below;
}

// 1 when the first of eight bytes is a sign, else 0.
inline int32_t SignOf(uint64_t bytes) {
    const auto first = static_cast<unsigned char>(bytes);
    return first == '-' || first == '+';
}

// How many of eight bytes, from the first, are an optional sign and then digits (8 when all are).
inline int32_t PlainLength(uint64_t bytes) {
    const uint64_t sign = static_cast<uint64_t>(SignOf(bytes));
    return std::countr_zero(NotDigits(bytes) & ~(sign << 7)) / 8;
}

// The value of a plain number of 1 to 7 characters at the start of eight bytes: the sign's byte
// becomes a leading 0 and the digits move to the top, behind leading 0s.
inline int32_t PlainValue(uint64_t bytes, int32_t length) {
    const uint64_t sign = static_cast<uint64_t>(SignOf(bytes));
    const auto value =
        static_cast<int32_t>(NumberScanner::EightDigits((bytes & ~(0xFFull * sign)) << (8 * (8 - length))));
    return static_cast<unsigned char>(bytes) == '-' ? -value : value;
}

// An optionally signed decimal of at most ten digits within the 32-bit range, starting at `p`; null
// when there is none.
[[gnu::noinline]] const char* ParseDigits(const char* p, const char* end, int32_t& v) {
    bool negative = false;
    if (p < end && (*p == '-' || *p == '+')) negative = *p++ == '-';
    const char* const digits = p;
    const char* const limit = end - p > 10 ? p + 10 : end;
    uint64_t value = 0;
    while (p < limit) {
        const unsigned d = static_cast<unsigned char>(*p) - unsigned{'0'};
        if (d > 9) break;
        value = value * 10 + d;
        ++p;
    }
    if (p == digits || (p < end && static_cast<unsigned char>(*p) - unsigned{'0'} <= 9)) return nullptr;
    if (value > (negative ? 2147483648ull : 2147483647ull)) return nullptr;
    v = negative ? static_cast<int32_t>(0 - value) : static_cast<int32_t>(value);
    return p;
}

// The same after any white space. A number of up to seven characters, sign included, with eight bytes
// of text from its start, as nearly all are, is taken from one load without a test per digit.
[[gnu::always_inline]] inline const char* ParseInt(const char* p, const char* end, int32_t& v) {
    while (p < end && NumberScanner::IsSpace(*p))
        ++p;
    if (end - p < 8) return ParseDigits(p, end, v);
    uint64_t bytes;
    std::memcpy(&bytes, p, 8);
    const int32_t length = PlainLength(bytes);
    if (length == 8 || length <= SignOf(bytes)) return ParseDigits(p, end, v);
    v = PlainValue(bytes, length);
    return p + length;
}

// What each of the 64 bytes from `p` is, a bit per byte, the first byte's the lowest.
struct ByteClasses {
    uint64_t space = 0;
    uint64_t digit = 0;
    uint64_t sign = 0;
    uint64_t minus = 0;
};

inline ByteClasses Classify(const char* p) {
    ByteClasses c;
#if defined(__SSE2__)
#pragma GCC unroll 4
    for (int half = 0; half < 4; ++half) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * half));
        // Bytes from 0x80 compare as negative: neither control characters nor digits.
        const __m128i blank = _mm_cmpeq_epi8(bytes, _mm_set1_epi8(' '));
        const __m128i control = _mm_and_si128(_mm_cmpgt_epi8(bytes, _mm_set1_epi8('\t' - 1)),
                                              _mm_cmplt_epi8(bytes, _mm_set1_epi8('\r' + 1)));
        const __m128i digit = _mm_and_si128(_mm_cmpgt_epi8(bytes, _mm_set1_epi8('0' - 1)),
                                            _mm_cmplt_epi8(bytes, _mm_set1_epi8('9' + 1)));
        const __m128i minus = _mm_cmpeq_epi8(bytes, _mm_set1_epi8('-'));
        const __m128i sign = _mm_or_si128(minus, _mm_cmpeq_epi8(bytes, _mm_set1_epi8('+')));
        const int shift = 16 * half;
        c.space |= static_cast<uint64_t>(_mm_movemask_epi8(_mm_or_si128(blank, control))) << shift;
        c.digit |= static_cast<uint64_t>(_mm_movemask_epi8(digit)) << shift;
        c.sign |= static_cast<uint64_t>(_mm_movemask_epi8(sign)) << shift;
        c.minus |= static_cast<uint64_t>(_mm_movemask_epi8(minus)) << shift;
    }
#else
    for (int i = 0; i < kWindow; ++i) {
        const char b = p[i];
        c.space |= uint64_t{NumberScanner::IsSpace(b)} << i;
        c.digit |= uint64_t{b >= '0' && b <= '9'} << i;
        c.sign |= uint64_t{b == '-' || b == '+'} << i;
        c.minus |= uint64_t{b == '-'} << i;
    }
#endif
    return c;
}

#if TREVALYN_WIDE_VECTORS
// The high bits of 32 bytes.
[[gnu::target("avx2")]] inline uint64_t Bits(__m256i flags) {
    return uint64_t{static_cast<uint32_t>(_mm256_movemask_epi8(flags))};
}

// The same, 32 bytes at a time, on processors with 32-byte vectors.
[[gnu::target("avx2")]] inline ByteClasses ClassifyWide(const char* p) {
    ByteClasses c;
#pragma GCC unroll 2
    for (int half = 0; half < 2; ++half) {
        const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 32 * half));
        // Bytes from 0x80 compare as negative: neither control characters nor digits.
        const __m256i blank = _mm256_cmpeq_epi8(bytes, _mm256_set1_epi8(' '));
        const __m256i control = _mm256_and_si256(_mm256_cmpgt_epi8(bytes, _mm256_set1_epi8('\t' - 1)),
                                                 _mm256_cmpgt_epi8(_mm256_set1_epi8('\r' + 1), bytes));
        const __m256i digit = _mm256_and_si256(_mm256_cmpgt_epi8(bytes, _mm256_set1_epi8('0' - 1)),
                                               _mm256_cmpgt_epi8(_mm256_set1_epi8('9' + 1), bytes));
        const __m256i minus = _mm256_cmpeq_epi8(bytes, _mm256_set1_epi8('-'));
        const __m256i sign = _mm256_or_si256(minus, _mm256_cmpeq_epi8(bytes, _mm256_set1_epi8('+')));
        const int shift = 32 * half;
        c.space |= Bits(_mm256_or_si256(blank, control)) << shift;
        c.digit |= Bits(digit) << shift;
        c.sign |= Bits(sign) << shift;
        c.minus |= Bits(minus) << shift;
    }
    return c;
}
#endif

} // namespace

// Reads each token on its own: near the end of the text, where a stretch cannot be loaded whole.
bool NumberScanner::TakeOneByOne(int32_t* out, int32_t n) {
    for (int32_t i = 0; i < n; ++i) {
        const char* p = ParseInt(scanFrom_, end_, out[i]);
        if (!p) return false;
        pos_ = scanFrom_ = p;
    }
    return true;
}

// The tokens of the 64 bytes from `p`, which start no further into a token.
[[gnu::always_inline]] inline void NumberScanner::LookAt(const char* p) {
#if TREVALYN_WIDE_VECTORS
    const ByteClasses c = __builtin_cpu_supports("avx2") ? ClassifyWide(p) : Classify(p);
#else
    const ByteClasses c = Classify(p);
#endif
    const uint64_t token = ~c.space;
    window_ = p;
    inWindow_ = true;
    starts_ = token & ~(token << 1);
    ends_ = c.space & (token << 1);
    // A sign stands in a plain number only first, with a digit after it.
    const uint64_t leadingSigns = c.sign & starts_ & (c.digit >> 1);
    signs_ = leadingSigns;
    minus_ = leadingSigns & c.minus;
    // A token of nine bytes or more starts a run of nine token bytes: the fast path stops there too.
    const uint64_t two = token & (token >> 1);
    const uint64_t four = two & (two >> 2);
    const uint64_t nine = four & (four >> 4) & (token >> 8);
    // So it does at a token that runs on past the stretch, which has no end in it.
    const uint64_t runsOn = token >> 63 << 63;
    firstOdd_ = std::countr_zero((token & ~c.digit & ~leadingSigns) | nine | runsOn);
}

// The text is looked at 64 bytes at a time: what its bytes are gives every token's start and end at
// once, and which tokens are plain numbers (an optional sign and digits), so those of up to eight
// characters are read side by side, each from one load, without a test per character. A stretch is
// read on from where the last call stopped, so a record's kind line and its numbers, and the records
// one after another, share it. Any other token, one that runs past the stretch, and the last bytes of
// the text are read by ParseInt, which decides what they hold.
TREVALYN_BUILT_TWICE bool NumberScanner::Take(int32_t* out, int32_t n) {
    // The stretch is worked on in locals: `out` could alias the members as far as the compiler knows.
    const char* window = window_;
    uint64_t starts = starts_, ends = ends_;
    int32_t i = 0;
    bool inWindow = inWindow_;
    const auto keep = [&] { window_ = window, starts_ = starts, ends_ = ends, inWindow_ = inWindow; };
    while (i < n) {
        if (!inWindow) {
            if (end_ - scanFrom_ < kWindow + 8) {
                inWindow_ = false;
                return TakeOneByOne(out + i, n - i);
            }
            LookAt(scanFrom_);
            window = window_, starts = starts_, ends = ends_, inWindow = true;
        }
        // The tokens that end before the first byte standing in no plain number of up to eight
        // characters are such numbers, all of them: they are taken without a test per token.
        const int32_t firstOdd = firstOdd_;
        const uint64_t plainEnds = firstOdd >= 63 ? ends : ends & ((uint64_t{2} << firstOdd) - 1);
        const int32_t take = std::min(std::popcount(plainEnds), n - i);
        const uint64_t signs = signs_, minus = minus_;
        int32_t stop = 0;
        for (int32_t k = 0; k < take; ++k) {
            // The stretch's bytes said which tokens have a sign and which sign it is, so no byte of
            // the token is tested.
            const int32_t start = std::countr_zero(starts);
            stop = std::countr_zero(ends);
            out[i + k] = PlainNumber(window, start, stop, signs, minus);
            starts &= starts - 1;
            ends &= ends - 1;
        }
        i += take;
        if (take > 0) pos_ = window + stop;
        if (i == n) break;
        inWindow = false;
        if (!starts) { // every token of the stretch is taken
            scanFrom_ = window + kWindow;
            continue;
        }
        // A token that goes on past the stretch, or is no plain number of up to eight characters.
        const int32_t start = std::countr_zero(starts);
        const char* const token = window + start;
        scanFrom_ = token;
        // One that starts the stretch and runs past it, or ends in it, is read here; any other is
        // read from a stretch that starts with it.
        if (ends || start == 0) {
            const char* p = ParseInt(token, end_, out[i++]);
            if (!p) {
                keep();
                return false;
            }
            pos_ = scanFrom_ = p;
        }
    }
    keep();
    return true;
}

bool NumberScanner::AtEnd() {
    if (inWindow_ && starts_) return false;
    // Nothing is left in the stretch: look past the white space from where the next one begins.
    const char* p = inWindow_ ? window_ + kWindow : scanFrom_;
    while (p < end_ && IsSpace(*p))
        ++p;
    if (p >= end_) return true;
    inWindow_ = false;
    scanFrom_ = p;
    return false;
}
