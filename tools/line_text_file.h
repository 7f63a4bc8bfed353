// CFG/LTEXT.CFG: the text the Line + Text command writes beside the next line, and its side.
#pragma once

#include <cstdint>

// Writes "%d %d/n" (side 1 left of or above the line, 2 right of or below it; the text's length;
// "/n" as the two characters) followed by the text, no line end. Replaces the file atomically;
// false when it could not be written.
[[nodiscard]] bool WriteLineTextFile(int32_t side, const char* text);
