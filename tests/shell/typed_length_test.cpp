// Typed lengths and the read-out texts of the drawing window.
#include <gtest/gtest.h>

#include "shell/datum_readout.h"
#include "shell/typed_length.h"

namespace {

struct FeetCase {
    int32_t feet, inches, numerator, denominator, units;
};

class FeetInches : public ::testing::TestWithParam<FeetCase> {};

TEST_P(FeetInches, AddsOnlyProperUsableFractions) {
    const FeetCase c = GetParam();
    EXPECT_EQ(shell::FeetInchesToUnits(c.feet, c.inches, c.numerator, c.denominator), c.units);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, FeetInches,
    ::testing::Values(FeetCase{10, 6, 3, 8, 3033}, FeetCase{1, 0, 1, 16, 289}, FeetCase{0, 0, 1, 8, 3},
                      FeetCase{0, 0, 1, 2, 12}, FeetCase{0, 0, 1, 9, 2}, FeetCase{0, 0, 1, 3, 0},
                      FeetCase{0, 0, 2, 5, 0}, FeetCase{0, 0, 3, 7, 0}, FeetCase{0, 0, 3, 3, 0},
                      FeetCase{0, 0, 9, 8, 0}, FeetCase{0, 0, 0, 0, 0},
                      // A negative numerator once let a zero denominator through to the division.
                      FeetCase{0, 1, -1, 0, 24}, FeetCase{0, 1, -3, 8, 24}, FeetCase{0, 1, 1, -8, 24}));

TEST(LeadingNumber, ReadsAsTheRuntimeDoes) {
    EXPECT_EQ(shell::LeadingNumber("2500"), 2500);
    EXPECT_EQ(shell::LeadingNumber("  -56mm"), -56);
    EXPECT_EQ(shell::LeadingNumber("+7"), 7);
    EXPECT_EQ(shell::LeadingNumber("lengthen"), 0);
    EXPECT_EQ(shell::LeadingNumber(""), 0);
    EXPECT_EQ(shell::LeadingNumber(nullptr), 0);
    EXPECT_EQ(shell::LeadingNumber("99999999999999999999"), 2147483647);
}

TEST(DatumReadout, MillimetresShowTheDistance) {
    EXPECT_EQ(shell::DatumReadout(1234, -56, 2, true), "h 1234: v -56 m.m DATUM");
    EXPECT_EQ(shell::DatumReadout(0, 0, 3, true), "h 0: v 0 m.m DATUM");
}

TEST(DatumReadout, FeetAndInchesDropTheTwentyFourths) {
    EXPECT_EQ(shell::DatumReadout(40, 300, 2, false), "h 0' 1: v 1' 0 DATUM");
    EXPECT_EQ(shell::DatumReadout(-300, -40, 3, false), "h -1' 0: v 0' -1 DATUM");
}

TEST(DatumReadout, ModeFourAddsTheBearing) {
    EXPECT_EQ(shell::DatumReadout(100, 100, 4, true), "h 100: v 100 angle 45.00 DATUM");
    EXPECT_EQ(shell::DatumReadout(0, 300, 4, false), "0' 0: 1' 0, angle 0.00 DATUM");
}

TEST(DatumBearing, ClockwiseFromUp) {
    EXPECT_FLOAT_EQ(shell::DatumBearing(0, 100), 0.0f);
    EXPECT_FLOAT_EQ(shell::DatumBearing(100, 0), 90.0f);
    EXPECT_FLOAT_EQ(shell::DatumBearing(0, -100), 180.0f);
    EXPECT_FLOAT_EQ(shell::DatumBearing(-100, 0), 270.0f);
    EXPECT_NEAR(shell::DatumBearing(100, -100), 135.0f, 1e-3f);
    EXPECT_NEAR(shell::DatumBearing(-100, -100), 225.0f, 1e-3f);
    EXPECT_NEAR(shell::DatumBearing(-100, 100), 315.0f, 1e-3f);
    EXPECT_FLOAT_EQ(shell::DatumBearing(23, -23), 0.0f);
}

TEST(StartPointReadout, NothingWithinAHundredUnits) {
    EXPECT_EQ(shell::StartPointReadout(96, 0, false), "");
    EXPECT_EQ(shell::StartPointReadout(100, -100, true), "");
}

TEST(StartPointReadout, Millimetres) {
    EXPECT_EQ(shell::StartPointReadout(2500, -101, true), "Distance from START POINT h 2500: v -101");
}

TEST(StartPointReadout, EighthsShowAsFractions) {
    EXPECT_EQ(shell::StartPointReadout(132, 0, false), "Distance from START POINT 0' 5 1/2'' x 0' 0''");
    EXPECT_EQ(shell::StartPointReadout(0, 297, false), "Distance from START POINT 0' 0'' x 1' 0 3/8''");
    EXPECT_EQ(shell::StartPointReadout(291, 3, false), "Distance from START POINT 1' 0 1/8'' x 0' 0 1/8''");
}

TEST(StartPointReadout, OtherRemaindersShowWholeInches) {
    EXPECT_EQ(shell::StartPointReadout(289, 25, false), "Distance from START POINT h 1' 0: v 0' 1");
}

} // namespace
