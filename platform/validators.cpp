#include "platform/validators.h"

#include <cstdio>
#include <QWidget>

#include "platform/message_box.h"

void TValidator::Error(QWidget* owner) const {
    const std::string text = ErrorText();
    MessageBox(owner, text.c_str(), nullptr, MB_OK | MB_ICONEXCLAMATION);
}

QValidator::State TValidator::validate(QString& input, int&) const {
    // Characters outside Latin-1 can never be stored in the program's byte strings.
    for (QChar c : input)
        if (c.unicode() > 0xFF) return Invalid;
    return IsValidInput(input.toLatin1().toStdString()) ? Acceptable : Invalid;
}

TRangeValidator::TRangeValidator(int32_t min, int32_t max) : min_(min), max_(max) {}

bool TRangeValidator::IsValidInput(const std::string& text) const {
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') continue;
        if (i == 0 && (c == '+' || (c == '-' && min_ < 0))) continue;
        return false;
    }
    return true;
}

bool TRangeValidator::IsValid(const std::string& text) const {
    if (!IsValidInput(text)) return false;
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return false;
    // Accumulate with a ceiling so that a long run of digits cannot overflow.
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > (int64_t{1} << 40)) return false;
    }
    if (negative) value = -value;
    return value >= min_ && value <= max_;
}

std::string TRangeValidator::ErrorText() const {
    char text[80];
    std::snprintf(text, sizeof text, "Please enter a value from %ld to %ld", static_cast<long>(min_),
                  static_cast<long>(max_));
    return text;
}

TFilterValidator::TFilterValidator(const char* characterSet) {
    const std::string set = characterSet ? characterSet : "";
    for (size_t i = 0; i < set.size(); ++i) {
        const auto first = static_cast<unsigned char>(set[i]);
        if (i + 2 < set.size() && set[i + 1] == '-') {
            const auto last = static_cast<unsigned char>(set[i + 2]);
            for (unsigned c = first; c <= last; ++c)
                allowed_.set(c);
            i += 2;
        } else {
            allowed_.set(first);
        }
    }
}

bool TFilterValidator::IsValidInput(const std::string& text) const {
    for (char c : text)
        if (!allowed_.test(static_cast<unsigned char>(c))) return false;
    return true;
}

std::string TFilterValidator::ErrorText() const {
    return "Invalid character in input";
}
