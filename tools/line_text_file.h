// CFG/LTEXT.CFG: the text the Line + Text command writes beside the next line, and its side.
#pragma once

#include <cstdint>
#include <string>

// Writes "%d %d/n" (side 1 left of or above the line, 2 right of or below it; the text's length;
// "/n" as the two characters) followed by the text, no line end. Replaces the file atomically;
// false when it could not be written.
[[nodiscard]] bool WriteLineTextFile(int32_t side, const char* text);

struct LineText {
    int32_t side = 1;
    std::string text; // at most kLineTextCapacity characters
};

constexpr int32_t kLineTextCapacity = 21;

// Reads the side and the counted text. A length above 21 keeps the first 21 characters (the rest is
// skipped), a negative length reads as an empty text; a missing or short file falls back to the
// shipped "1 0/n" and is rewritten.
LineText ReadLineTextFile();
