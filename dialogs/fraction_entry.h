// Lengths in the feet-and-inches dialogs: whole inches in one edit and a fraction of an inch in two
// small ones beside it. The stored length is in 1/24 inch.
#pragma once

#include <cstdint>

// Whether numerator/denominator adds to a length: only a proper fraction (0 < n < d) whose
// denominator is not 3, 5, 6 or 7. Halves, quarters and eighths count exactly; sixteenths and other
// denominators above 8 count with their 24ths truncated. Anything else is dropped without a word.
bool FractionCounts(int32_t numerator, int32_t denominator);

// inches x 24 plus the fraction in 24ths (truncated) when it counts. The texts are read as decimal
// integers the way the edits hold them; an empty or unreadable text counts 0.
int32_t LengthFromInchesAndFraction(const char* inchesText, const char* numeratorText,
                                    const char* denominatorText);

// How a stored length shows in the three edits.
struct InchesAndFraction {
    int32_t Inches = 0;
    // False when the length is whole inches: the fraction edits keep the text they already hold.
    bool HasFraction = false;
    // An eighth in lowest terms (1/8, 1/4, 3/8, 1/2, 5/8, 3/4, 7/8); 0 and 0 for a remainder that is
    // not a whole eighth.
    int32_t Numerator = 0;
    int32_t Denominator = 0;
};

InchesAndFraction InchesAndFractionOf(int32_t length);

// A length in 1/24 inch, stored or converted, as the whole inches an edit offers: the nearest inch,
// a half going up, so that a size between inches opens as the one it is closest to rather than the
// one below it. Rounded once, from the length as it is, never from a rounded copy of it.
int32_t NearestWholeInches(double length);
