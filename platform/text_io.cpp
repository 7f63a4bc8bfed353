#include <charconv>
#include <limits>

#include "platform/file_io.h"

namespace pl {

namespace {

bool IsSpace(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
bool IsDigit(int c) {
    return c >= '0' && c <= '9';
}

} // namespace

void TextReader::SkipSpace() {
    while (pos_ < text_.size() && IsSpace(static_cast<unsigned char>(text_[pos_])))
        ++pos_;
}

bool TextReader::ReadInt32(int32_t& value) {
    SkipSpace();
    size_t p = pos_;
    bool negative = false;
    if (p < text_.size() && (text_[p] == '-' || text_[p] == '+')) negative = text_[p++] == '-';
    if (p >= text_.size() || !IsDigit(text_[p])) return false;
    // Accumulate the magnitude with a ceiling so long digit runs saturate instead of overflowing.
    constexpr int64_t kCeiling = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t magnitude = 0;
    while (p < text_.size() && IsDigit(text_[p])) {
        magnitude = magnitude * 10 + (text_[p++] - '0');
        if (magnitude > kCeiling) magnitude = kCeiling;
    }
    pos_ = p;
    int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > std::numeric_limits<int32_t>::max()) signedValue = std::numeric_limits<int32_t>::max();
    value = static_cast<int32_t>(signedValue);
    return true;
}

bool TextReader::ReadDouble(double& value) {
    SkipSpace();
    size_t p = pos_;
    bool negative = false;
    if (p < text_.size() && (text_[p] == '-' || text_[p] == '+')) negative = text_[p++] == '-';
    size_t start = p;
    size_t digits = 0;
    while (p < text_.size() && IsDigit(text_[p]))
        ++p, ++digits;
    if (p < text_.size() && text_[p] == '.') {
        ++p;
        while (p < text_.size() && IsDigit(text_[p]))
            ++p, ++digits;
    }
    if (digits == 0) return false;
    // An exponent counts only when digits follow it.
    if (p < text_.size() && (text_[p] == 'e' || text_[p] == 'E')) {
        size_t q = p + 1;
        if (q < text_.size() && (text_[q] == '-' || text_[q] == '+')) ++q;
        if (q < text_.size() && IsDigit(text_[q])) {
            while (q < text_.size() && IsDigit(text_[q]))
                ++q;
            p = q;
        }
    }
    double magnitude = 0;
    auto result = std::from_chars(text_.data() + start, text_.data() + p, magnitude);
    if (result.ec == std::errc::result_out_of_range) {
        magnitude = std::numeric_limits<double>::infinity();
    } else if (result.ec != std::errc()) {
        return false;
    }
    pos_ = p;
    value = negative ? -magnitude : magnitude;
    return true;
}

bool TextReader::ReadFloat(float& value) {
    double wide = 0;
    if (!ReadDouble(wide)) return false;
    value = static_cast<float>(wide);
    return true;
}

bool TextReader::ReadChar(char& c) {
    if (AtEnd()) return false;
    c = text_[pos_++];
    return true;
}

bool TextReader::ReadLine(std::string& line) {
    if (AtEnd()) return false;
    size_t end = text_.find('\n', pos_);
    if (end == std::string_view::npos) end = text_.size();
    line.assign(text_.substr(pos_, end - pos_));
    pos_ = end < text_.size() ? end + 1 : end;
    return true;
}

bool TextReader::Match(char c) {
    if (AtEnd() || text_[pos_] != c) return false;
    ++pos_;
    return true;
}

void TextWriter::Put(int32_t value) {
    char buffer[16];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    text_.append(buffer, result.ptr);
}

void TextWriter::PutFixed(double value, int decimals) {
    if (decimals < 0) decimals = 6;
    // Fixed notation of the largest double needs 309 digits before the point.
    char buffer[400];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec == std::errc()) {
        text_.append(buffer, result.ptr);
    } else {
        text_.append(value < 0 ? "-inf" : "inf");
    }
}

} // namespace pl
