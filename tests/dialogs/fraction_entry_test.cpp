#include "dialogs/fraction_entry.h"

#include <gtest/gtest.h>

namespace {

struct EntryCase {
    const char* inches;
    const char* numerator;
    const char* denominator;
    int32_t length;
};

class FractionEntryTable : public ::testing::TestWithParam<EntryCase> {};

TEST_P(FractionEntryTable, StoresInchesAndTheFractionsThatCount) {
    const EntryCase& c = GetParam();
    EXPECT_EQ(LengthFromInchesAndFraction(c.inches, c.numerator, c.denominator), c.length);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, FractionEntryTable,
    ::testing::Values(
        EntryCase{"4", "1", "2", 108}, EntryCase{"4", "3", "8", 105}, EntryCase{"4", "1", "16", 97},
        EntryCase{"4", "15", "16", 118}, EntryCase{"11", "2", "4", 276},
        // Dropped: thirds, fifths, sixths, sevenths, improper, zero or negative parts.
        EntryCase{"4", "1", "3", 96}, EntryCase{"4", "2", "6", 96}, EntryCase{"4", "1", "5", 96},
        EntryCase{"4", "1", "7", 96}, EntryCase{"4", "2", "2", 96}, EntryCase{"4", "3", "2", 96},
        EntryCase{"4", "0", "8", 96}, EntryCase{"4", "1", "0", 96}, EntryCase{"4", "-1", "0", 96},
        EntryCase{"4", "-1", "-2", 96}, EntryCase{" ", "0", "0", 0}, EntryCase{"", "", "", 0},
        EntryCase{"99999999999", "0", "0", 2147483647}));

struct DisplayCase {
    int32_t length;
    int32_t inches;
    bool hasFraction;
    int32_t numerator;
    int32_t denominator;
};

class FractionDisplayTable : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(FractionDisplayTable, ShowsWholeInchesAndEighths) {
    const DisplayCase& c = GetParam();
    const InchesAndFraction shown = InchesAndFractionOf(c.length);
    EXPECT_EQ(shown.Inches, c.inches);
    EXPECT_EQ(shown.HasFraction, c.hasFraction);
    if (!c.hasFraction) return;
    EXPECT_EQ(shown.Numerator, c.numerator);
    EXPECT_EQ(shown.Denominator, c.denominator);
}

INSTANTIATE_TEST_SUITE_P(Lengths, FractionDisplayTable,
                         ::testing::Values(DisplayCase{105, 4, true, 3, 8}, DisplayCase{99, 4, true, 1, 8},
                                           DisplayCase{102, 4, true, 1, 4}, DisplayCase{108, 4, true, 1, 2},
                                           DisplayCase{111, 4, true, 5, 8}, DisplayCase{114, 4, true, 3, 4},
                                           DisplayCase{117, 4, true, 7, 8}, DisplayCase{276, 11, true, 1, 2},
                                           DisplayCase{97, 4, true, 0, 0}, DisplayCase{272, 11, true, 0, 0},
                                           DisplayCase{96, 4, false, 0, 0}, DisplayCase{0, 0, false, 0, 0}));

} // namespace
