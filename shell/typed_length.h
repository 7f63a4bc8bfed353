// Lengths the user types: whole millimetres in one field, or feet, inches and a fraction in four.
// Drawing units are millimetres in a metric drawing and 1/24 inch in an imperial one.
#pragma once

#include <cstdint>

namespace shell {

// The leading decimal number of a text as the runtime's atol reads it: leading blanks, an optional
// sign, then digits up to the first other character; 0 when there is none. Saturates at the 32-bit
// limits instead of overflowing.
int32_t LeadingNumber(const char* text);

// (feet x 12 + inches) x 24, plus numerator x 24 / denominator when the fraction is a proper one
// (0 < numerator < denominator) with a denominator other than 3, 5 and 7, which no eighth, sixteenth
// or quarter can be. Formed in 64 bits and clamped to 32.
int32_t FeetInchesToUnits(int32_t feet, int32_t inches, int32_t numerator, int32_t denominator);

} // namespace shell
