// The message pump for loops that run while a handler holds the mouse (the press loop): each
// PeekMessage turns the Qt event loop once (a short layer timer keeps it turning) and hands back the
// oldest window message that was dispatched meanwhile. Messages are dispatched when they arrive,
// so TranslateMessage and DispatchMessage have nothing left to do.
#pragma once

#include <cstdint>

#include "platform/geometry.h"
#include "platform/window_constants.h"

struct MSG {
    HWND hwnd = nullptr;
    uint32_t message = 0;
    uint32_t wParam = 0; // key state for mouse messages, key code for key messages
    int32_t lParam = 0;  // client point for mouse messages: x in the low word, y in the high word
    TPoint pt;           // the client point of a mouse message
};

// True with the oldest recorded message; false when no window message arrived in this turn.
// Only PM_REMOVE is supported (PM_NOREMOVE leaves the message for the next call).
bool PeekMessage(MSG* msg, HWND window, uint32_t filterMin, uint32_t filterMax, uint32_t removeFlags);
inline bool TranslateMessage(const MSG*) {
    return false;
}
inline int32_t DispatchMessage(const MSG*) {
    return 0;
}

namespace pl {
// Records a message the layer has dispatched, for loops that are peeking.
void RecordMessage(const MSG& msg);
// How long PeekMessage waits at most for an event, in milliseconds.
constexpr int kPumpIntervalMs = 10;
} // namespace pl
