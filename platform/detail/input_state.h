// State the layer keeps for the pointer, the capture and the message pump.
#pragma once

#include <deque>
#include <optional>

#include "platform/message_loop.h"

namespace pl::detail {

struct InputState {
    TPoint cursor;
    bool cursorKnown = false;
    // Where SetCursorPos moved the real pointer: the move the platform reports for it is not a
    // message for the program.
    std::optional<TPoint> pendingWarp;
    HWND capture = nullptr;
    int peekDepth = 0;
    std::deque<MSG> journal;
};

InputState& Input();

// Watches every mouse event of the application so the virtual cursor follows the real pointer.
void EnsureCursorTracking();

// False on the headless platforms, where moving or grabbing the real pointer is not possible (and
// moving it would make a mouse-move event).
bool PlatformMovesPointer();

// True when a real move to this screen point is the echo of a SetCursorPos (consumes the mark).
bool IsWarpEcho(const TPoint& screenPoint);

} // namespace pl::detail
