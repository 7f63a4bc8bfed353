#include <gtest/gtest.h>

#include "platform/validators.h"

TEST(RangeValidator, TypingAdmitsDigitsAndSigns) {
    const TRangeValidator positive(0, 350);
    EXPECT_TRUE(positive.IsValidInput(""));
    EXPECT_TRUE(positive.IsValidInput("+12"));
    EXPECT_FALSE(positive.IsValidInput("-1"));
    EXPECT_FALSE(positive.IsValidInput("1.5"));
    EXPECT_FALSE(positive.IsValidInput("1+"));
    const TRangeValidator signedRange(-90, 90);
    EXPECT_TRUE(signedRange.IsValidInput("-45"));
}

TEST(RangeValidator, AtCloseValueMustBeInRange) {
    const TRangeValidator range(0, 350);
    EXPECT_TRUE(range.IsValid("0"));
    EXPECT_TRUE(range.IsValid("+350"));
    EXPECT_FALSE(range.IsValid("351"));
    EXPECT_FALSE(range.IsValid(""));
    EXPECT_FALSE(range.IsValid("+"));
    EXPECT_FALSE(range.IsValid("99999999999999999999999"));
    const TRangeValidator signedRange(-90, 90);
    EXPECT_TRUE(signedRange.IsValid("-90"));
    EXPECT_FALSE(signedRange.IsValid("-91"));
    EXPECT_EQ(range.ErrorText(), "Please enter a value from 0 to 350");
}

TEST(FilterValidator, AdmitsOnlyTheSet) {
    const TFilterValidator filter("A-Za-z0-9, ");
    EXPECT_TRUE(filter.IsValidInput("Smith, 12 High St"));
    for (const char* refused : {"a.b", "a/b", "a\\b", "c:", "x;", "\xe9"})
        EXPECT_FALSE(filter.IsValidInput(refused));
    QString typed = QString::fromUtf8("Zo\u00eb");
    int pos = 0;
    EXPECT_EQ(filter.validate(typed, pos), QValidator::Invalid);
}
