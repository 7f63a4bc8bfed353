// The numbers of untrusted text, one after another: optionally signed decimals in the 32-bit range,
// set apart by white space. The record readers take a record's numbers from it in runs, and the
// strings that follow some of them straight from the text.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

class NumberScanner {
public:
    explicit NumberScanner(std::string_view text)
        : end_(text.data() + text.size()), pos_(text.data()), scanFrom_(text.data()) {}

    // White space: the blank and the control characters from tab to carriage return.
    static bool IsSpace(char c) { return c == ' ' || static_cast<unsigned char>(c - '\t') < 5; }

    // The next `n` numbers into `out`; false when a token is not a number or the text ends first.
    bool Take(int32_t* out, int32_t n);
    // The same for one number. A record's kind line is one, and it nearly always lies whole in the
    // stretch the record before it was read from: it is taken here, without a call.
    bool TakeOne(int32_t& out) {
        if (inWindow_ && starts_) {
            const int32_t start = std::countr_zero(starts_);
            const int32_t stop = std::countr_zero(ends_);
            if (stop <= firstOdd_) {
                out = PlainNumber(window_, start, stop, signs_, minus_);
                pos_ = window_ + stop;
                starts_ &= starts_ - 1;
                ends_ &= ends_ - 1;
                return true;
            }
        }
        return Take(&out, 1);
    }
    // True when nothing but white space is left.
    bool AtEnd();
    // Just past the last number taken (or where MoveTo went).
    const char* Position() const { return pos_; }
    // Goes on from `p`, after bytes the caller has read itself.
    void MoveTo(const char* p) {
        pos_ = scanFrom_ = p;
        starts_ = 0;
        inWindow_ = false;
    }

    // The value of eight digit bytes, the first the most significant.
    static uint64_t EightDigits(uint64_t bytes) {
        bytes = (bytes & 0x0F0F0F0F0F0F0F0Full) * 2561 >> 8;
        bytes = (bytes & 0x00FF00FF00FF00FFull) * 6553601 >> 16;
        return (bytes & 0x0000FFFF0000FFFFull) * 42949672960001ull >> 32;
    }

private:
    // The value of a plain number of up to eight characters (an optional sign, then digits) from byte
    // `start` to `stop` of the 64 bytes from `window`, with eight bytes readable past the last digit.
    // `signs` and `minus` flag, a bit per byte, the tokens that start with a sign and with a '-'.
    static int32_t PlainNumber(const char* window, int32_t start, int32_t stop, uint64_t signs,
                               uint64_t minus) {
        // Its digits, loaded from past its sign if it has one, move to the top behind leading 0s.
        const uint64_t sign = (signs >> start) & 1;
        const uint64_t negative = (minus >> start) & 1;
        const uint64_t digitsFrom = static_cast<uint64_t>(start) + sign;
        uint64_t bytes;
        std::memcpy(&bytes, window + digitsFrom, 8);
        // 64 less 8 bits a digit, as a shift count of six bits: 1 to 8 digits shift by 56 to 0.
        const uint64_t shift = (8 * (digitsFrom - static_cast<uint64_t>(stop))) & 63;
        const uint64_t value = EightDigits(bytes << shift);
        return static_cast<int32_t>((value ^ (0 - negative)) + negative);
    }

    bool TakeOneByOne(int32_t* out, int32_t n);
    void LookAt(const char* p);

    const char* end_;
    const char* pos_;
    const char* scanFrom_; // where the next stretch of text to be looked at begins
    // The stretch being read: its start, and the starts and ends of the tokens in it not yet taken,
    // a bit per byte.
    bool inWindow_ = false;
    const char* window_ = nullptr;
    uint64_t starts_ = 0;
    uint64_t ends_ = 0;
    // The tokens in it that start with a sign and a digit, and those of them whose sign is '-'.
    uint64_t signs_ = 0;
    uint64_t minus_ = 0;
    // The first byte in it that stands in no plain number of up to eight characters ended within it.
    int32_t firstOdd_ = 64;
};
