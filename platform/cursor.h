// The mouse cursor as the program sees it. The layer keeps a virtual cursor in screen coordinates:
// real mouse events move it, SetCursorPos sets it (and moves the real pointer where the platform
// lets it) without a mouse-move message, GetCursorPos reads it.
#pragma once

#include "platform/geometry.h"

bool GetCursorPos(POINT* point);
bool SetCursorPos(int32_t x, int32_t y);

// Conversions between a window's client coordinates and the screen.
bool ClientToScreen(HWND window, POINT* point);
bool ScreenToClient(HWND window, POINT* point);

// Mouse capture; GetCapture is the window holding it, or null.
HWND SetCapture(HWND window);
bool ReleaseCapture();
HWND GetCapture();

// Whether the left mouse button is down now, as the window system last reported it. A handler that
// ran a modal dialog asks this before it waits for the button's release: the dialog took it.
bool LeftButtonHeld();

// No caret is ever made, so destroying it has nothing to do.
inline bool DestroyCaret() {
    return false;
}

namespace pl {
// Moves the virtual cursor as a real mouse event would (used by the layer's event handling).
void NoteRealCursor(const TPoint& screenPoint);
// Forgets the virtual cursor, the capture and the journal of a press loop, so the next GetCursorPos
// reads the system pointer again. Tests start from here: a pointer move to where the system pointer
// already is makes no event, and the cursor an earlier test left behind would stand in for it.
void ResetInputState();
} // namespace pl
