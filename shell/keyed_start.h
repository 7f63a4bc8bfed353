// The stage in which a tool goes on by keys from a point that Enter gave it: the arrows and typed
// lengths draw from that point, and the left button has no part in it.
#pragma once

#include <cstdint>

class TDrawingtool;

namespace shell {

// Marks the point the tool now holds as given by Enter, for the tools whose arrows go on from it
// (outlines, walls and partitions, rectangles, ellipses, arcs). A tool that took the Enter as
// the whole of its step (a circle, a text, a room) holds no such point.
void MarkKeyedStart(TDrawingtool& tool);

// Whether the point an Enter gives the tool now is the start of a line or wall it builds (a line, a
// line with text, a multi-line's model, an outline, an external wall, a partition).
[[nodiscard]] bool EnterStartsLineOrWall(const TDrawingtool& tool);

// True while the tool still holds a point Enter gave and waits for the keys that go on from it.
[[nodiscard]] bool WaitsForKeyedStep(const TDrawingtool& tool);

// A key ended the chain of keyed steps (the shape was made, the outline closed): the mark goes with
// it, and a later press is the tool's own again.
void ForgetEndedKeyedStart(TDrawingtool& tool);

} // namespace shell
