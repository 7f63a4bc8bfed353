// Virtual-key codes and the translation of Qt's key events into them. Keys are told apart as the
// keyboard has them: the keypad's + and - are VK_ADD and VK_SUBTRACT, the main row's are
// VK_OEM_PLUS and VK_OEM_MINUS; letters are the upper-case code whatever the case typed.
#pragma once

#include <Qt>

#include "platform/window_constants.h"

constexpr uint VK_BACK = 0x08;
constexpr uint VK_TAB = 0x09;
constexpr uint VK_CLEAR = 0x0C;
constexpr uint VK_RETURN = 0x0D;
constexpr uint VK_SHIFT = 0x10;
constexpr uint VK_CONTROL = 0x11;
constexpr uint VK_MENU = 0x12;
constexpr uint VK_PAUSE = 0x13;
constexpr uint VK_CAPITAL = 0x14;
constexpr uint VK_ESCAPE = 0x1B;
constexpr uint VK_SPACE = 0x20;
constexpr uint VK_PRIOR = 0x21;
constexpr uint VK_NEXT = 0x22;
constexpr uint VK_END = 0x23;
constexpr uint VK_HOME = 0x24;
constexpr uint VK_LEFT = 0x25;
constexpr uint VK_UP = 0x26;
constexpr uint VK_RIGHT = 0x27;
constexpr uint VK_DOWN = 0x28;
constexpr uint VK_INSERT = 0x2D;
constexpr uint VK_DELETE = 0x2E;
constexpr uint VK_NUMPAD0 = 0x60;
constexpr uint VK_NUMPAD1 = 0x61;
constexpr uint VK_NUMPAD9 = 0x69;
constexpr uint VK_MULTIPLY = 0x6A;
constexpr uint VK_ADD = 0x6B;
constexpr uint VK_SUBTRACT = 0x6D;
constexpr uint VK_DECIMAL = 0x6E;
constexpr uint VK_DIVIDE = 0x6F;
constexpr uint VK_F1 = 0x70;
constexpr uint VK_F12 = 0x7B;
constexpr uint VK_NUMLOCK = 0x90;
constexpr uint VK_OEM_1 = 0xBA; // ;:
constexpr uint VK_OEM_PLUS = 0xBB;
constexpr uint VK_OEM_COMMA = 0xBC;
constexpr uint VK_OEM_MINUS = 0xBD;
constexpr uint VK_OEM_PERIOD = 0xBE;
constexpr uint VK_OEM_2 = 0xBF; // /?
constexpr uint VK_OEM_3 = 0xC0; // `~
constexpr uint VK_OEM_4 = 0xDB; // [{
constexpr uint VK_OEM_5 = 0xDC; // \|
constexpr uint VK_OEM_6 = 0xDD; // ]}
constexpr uint VK_OEM_7 = 0xDE; // '"

namespace pl {

// The virtual-key code of a Qt key with its modifiers; 0 for a key that has none.
uint VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers);

} // namespace pl
