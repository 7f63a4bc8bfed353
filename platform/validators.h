// Edit-field validators: a check as each character is typed and a check of the whole text when the
// dialog closes.
#pragma once

#include <bitset>
#include <cstdint>
#include <QValidator>
#include <string>

class QWidget;

class TValidator : public QValidator {
public:
    // Whether the text may stand while typing (refused keystrokes are dropped).
    virtual bool IsValidInput(const std::string& text) const = 0;
    // Whether the text is acceptable when the dialog closes.
    virtual bool IsValid(const std::string& text) const = 0;
    // The refusal message shown when IsValid fails.
    virtual std::string ErrorText() const = 0;
    // Shows ErrorText in an exclamation message box owned by owner.
    void Error(QWidget* owner) const;

    State validate(QString& input, int& pos) const override;
};

// A whole number from min to max. Typing admits digits and '+', and '-' only when min < 0.
class TRangeValidator : public TValidator {
public:
    TRangeValidator(int32_t min, int32_t max);
    bool IsValidInput(const std::string& text) const override;
    bool IsValid(const std::string& text) const override;
    std::string ErrorText() const override;
    int32_t Min() const { return min_; }
    int32_t Max() const { return max_; }

private:
    int32_t min_;
    int32_t max_;
};

// Only the characters of a set such as "A-Za-z0-9, " (ranges written a-b).
class TFilterValidator : public TValidator {
public:
    explicit TFilterValidator(const char* characterSet);
    bool IsValidInput(const std::string& text) const override;
    bool IsValid(const std::string& text) const override { return IsValidInput(text); }
    std::string ErrorText() const override;

private:
    std::bitset<256> allowed_;
};
