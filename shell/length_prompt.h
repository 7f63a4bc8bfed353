// The small prompts of the drawing window that ask for one number: a one-line input for millimetres
// (or any plain number) and the feet-and-inches dialog for imperial lengths.
#pragma once

#include <cstdint>
#include <optional>

class TChild;

namespace shell {

// A one-line input without parent, on a buffer of `size` characters preset to `preset`; the text's
// leading number on OK, nothing on Cancel.
std::optional<int32_t> AskNumber(const char* title, const char* prompt, const char* preset, int size);

// The feet-and-inches dialog on the window, starting at `initial` (1/24 inch); the length on OK,
// nothing on Cancel.
std::optional<int32_t> AskFeetInches(TChild& window, int32_t initial);

} // namespace shell
