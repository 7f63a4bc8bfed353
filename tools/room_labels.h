// The label step of a finished room: its name label and, by the room's size option, its width and
// length labels with their size lines or one combined size text. Shared by the fixed-room builder and
// the finishing of design rooms, which both end a room this way.
#pragma once

#include <cstdint>

class TIntwallobjtool;

// Labels the room at roomIndex in the document from its snapped edges xL, xR, yT, yB (y grows
// upwards). The tool's ObjectId is the room's group on entry and the last id used on return;
// IdCounter advances with it. Adds objects only; the caller saves.
void LabelRoom(TIntwallobjtool& tool, int32_t roomIndex, int32_t xL, int32_t xR, int32_t yT, int32_t yB);
