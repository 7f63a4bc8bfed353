// Numeric constants of the windowing interface: messages, mouse key states, scroll codes, show
// states, window styles and stock cursors. The values are those the program's code was written
// against.
#pragma once

#include <cstdint>

using uint = unsigned int;

// Messages, as recorded by the message pump (PeekMessage).
constexpr uint WM_SIZE = 0x0005;
constexpr uint WM_PAINT = 0x000F;
constexpr uint WM_CLOSE = 0x0010;
constexpr uint WM_KEYDOWN = 0x0100;
constexpr uint WM_KEYUP = 0x0101;
constexpr uint WM_CHAR = 0x0102;
constexpr uint WM_COMMAND = 0x0111;
constexpr uint WM_TIMER = 0x0113;
constexpr uint WM_HSCROLL = 0x0114;
constexpr uint WM_VSCROLL = 0x0115;
constexpr uint WM_MOUSEMOVE = 0x0200;
constexpr uint WM_LBUTTONDOWN = 0x0201;
constexpr uint WM_LBUTTONUP = 0x0202;
constexpr uint WM_LBUTTONDBLCLK = 0x0203;
constexpr uint WM_RBUTTONDOWN = 0x0204;
constexpr uint WM_RBUTTONUP = 0x0205;

// Key state passed with mouse messages.
constexpr uint MK_LBUTTON = 0x0001;
constexpr uint MK_RBUTTON = 0x0002;
constexpr uint MK_SHIFT = 0x0004;
constexpr uint MK_CONTROL = 0x0008;
constexpr uint MK_MBUTTON = 0x0010;

// Scroll bars and scroll codes.
constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
constexpr uint SB_LINEUP = 0;
constexpr uint SB_LINELEFT = 0;
constexpr uint SB_LINEDOWN = 1;
constexpr uint SB_LINERIGHT = 1;
constexpr uint SB_PAGEUP = 2;
constexpr uint SB_PAGELEFT = 2;
constexpr uint SB_PAGEDOWN = 3;
constexpr uint SB_PAGERIGHT = 3;
constexpr uint SB_THUMBPOSITION = 4;
constexpr uint SB_THUMBTRACK = 5;
constexpr uint SB_TOP = 6;
constexpr uint SB_LEFT = 6;
constexpr uint SB_BOTTOM = 7;
constexpr uint SB_RIGHT = 7;
constexpr uint SB_ENDSCROLL = 8;

// Size types passed to EvSize.
constexpr uint SIZE_RESTORED = 0;
constexpr uint SIZE_MINIMIZED = 1;
constexpr uint SIZE_MAXIMIZED = 2;

// Show states.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_SHOW = 5;

// Window styles (only WS_MAXIMIZE, WS_MINIMIZE, WS_HSCROLL and WS_VSCROLL have an effect).
constexpr uint32_t WS_OVERLAPPED = 0x00000000u;
constexpr uint32_t WS_MAXIMIZEBOX = 0x00010000u;
constexpr uint32_t WS_MINIMIZEBOX = 0x00020000u;
constexpr uint32_t WS_THICKFRAME = 0x00040000u;
constexpr uint32_t WS_SYSMENU = 0x00080000u;
constexpr uint32_t WS_HSCROLL = 0x00100000u;
constexpr uint32_t WS_VSCROLL = 0x00200000u;
constexpr uint32_t WS_CAPTION = 0x00C00000u;
constexpr uint32_t WS_MAXIMIZE = 0x01000000u;
constexpr uint32_t WS_CLIPCHILDREN = 0x02000000u;
constexpr uint32_t WS_VISIBLE = 0x10000000u;
constexpr uint32_t WS_MINIMIZE = 0x20000000u;
constexpr uint32_t WS_CHILD = 0x40000000u;
constexpr uint32_t WS_OVERLAPPEDWINDOW = 0x00CF0000u;

// Stock cursors.
constexpr int IDC_ARROW = 32512;
constexpr int IDC_IBEAM = 32513;
constexpr int IDC_WAIT = 32514;
constexpr int IDC_CROSS = 32515;

// PeekMessage removal flags.
constexpr uint PM_NOREMOVE = 0x0000;
constexpr uint PM_REMOVE = 0x0001;

// The framework's standard command identifiers.
constexpr int CM_EXIT = 24310;
