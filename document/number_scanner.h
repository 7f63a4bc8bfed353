// The numbers of untrusted text, one after another: optionally signed decimals in the 32-bit range,
// set apart by white space. The record readers take a record's numbers from it in runs, and the
// strings that follow some of them straight from the text.
#pragma once

#include <cstdint>
#include <string_view>

class NumberScanner {
public:
    explicit NumberScanner(std::string_view text)
        : end_(text.data() + text.size()), pos_(text.data()), scanFrom_(text.data()) {}

    // White space: the blank and the control characters from tab to carriage return.
    static bool IsSpace(char c) { return c == ' ' || static_cast<unsigned char>(c - '\t') < 5; }

    // The next `n` numbers into `out`; false when a token is not a number or the text ends first.
    bool Take(int32_t* out, int32_t n);
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

private:
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
