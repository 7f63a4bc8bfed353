// Steps of the external-wall edits shared by the mouse and the keyboard: telling why an edit changed
// nothing, and the split with the outline's dimensions made again after it.
#pragma once

#include <cstdint>

class TChild;
class TRect;

namespace shell {

// Tells the user why a lengthen, shorten or split changed nothing (the tool's refusal code, in
// walls/extwall_edit.h); false when it was carried out.
bool WallEditRefused(TChild& window, int32_t code);

// Splits the external wall the current tool picked at (x, y) in drawing units, then dimensions the
// outline again. False when the step ended early: a write failed (told), or the split changed
// nothing (told, nothing written, so every dimension keeps its numbers, and the pick tool back).
bool SplitPickedWall(TChild& window, TRect& rc, int32_t x, int32_t y);

} // namespace shell
