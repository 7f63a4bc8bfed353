// Whether auto save is on, kept across runs in CFG/SAVE.CFG: 2 on, 1 off.
#pragma once

#include <cstdint>

namespace shell {

// The SaveState a run or an opened drawing starts with: 2 when auto save is on, else 0 (the drawing
// counted as saved). A value other than 1 or 2 reads as shipped.
int32_t ReadAutoSave();
// Writes the state as one number with no line end.
[[nodiscard]] bool WriteAutoSave(int32_t saveState);

} // namespace shell
