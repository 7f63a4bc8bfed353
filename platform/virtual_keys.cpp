#include "platform/virtual_keys.h"

namespace pl {

namespace {

// Keys that mean the same whether or not they come from the keypad (Num Lock off on the keypad
// gives the navigation keys).
uint NavigationKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VK_TAB;
    case Qt::Key_Clear:
        return VK_CLEAR;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Shift:
        return VK_SHIFT;
    case Qt::Key_Control:
        return VK_CONTROL;
    case Qt::Key_Alt:
        return VK_MENU;
    case Qt::Key_Pause:
        return VK_PAUSE;
    case Qt::Key_CapsLock:
        return VK_CAPITAL;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Delete:
        return VK_DELETE;
    case Qt::Key_NumLock:
        return VK_NUMLOCK;
    default:
        return 0;
    }
}

uint KeypadKey(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return VK_NUMPAD0 + static_cast<uint>(qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_Plus:
        return VK_ADD;
    case Qt::Key_Minus:
        return VK_SUBTRACT;
    case Qt::Key_Asterisk:
        return VK_MULTIPLY;
    case Qt::Key_Slash:
        return VK_DIVIDE;
    case Qt::Key_Period:
    case Qt::Key_Comma:
        return VK_DECIMAL;
    default:
        return 0;
    }
}

// The main keyboard's punctuation, by the key that carries it (shifted or not).
uint MainRowKey(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return 0x30 + static_cast<uint>(qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 0x41 + static_cast<uint>(qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return VK_F1 + static_cast<uint>(qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return VK_OEM_PLUS;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        return VK_OEM_MINUS;
    case Qt::Key_Comma:
    case Qt::Key_Less:
        return VK_OEM_COMMA;
    case Qt::Key_Period:
    case Qt::Key_Greater:
        return VK_OEM_PERIOD;
    case Qt::Key_Semicolon:
    case Qt::Key_Colon:
        return VK_OEM_1;
    case Qt::Key_Slash:
    case Qt::Key_Question:
        return VK_OEM_2;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde:
        return VK_OEM_3;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft:
        return VK_OEM_4;
    case Qt::Key_Backslash:
    case Qt::Key_Bar:
        return VK_OEM_5;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight:
        return VK_OEM_6;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl:
        return VK_OEM_7;
    // Shifted digits of a US keyboard.
    case Qt::Key_Exclam:
        return 0x31;
    case Qt::Key_At:
        return 0x32;
    case Qt::Key_NumberSign:
        return 0x33;
    case Qt::Key_Dollar:
        return 0x34;
    case Qt::Key_Percent:
        return 0x35;
    case Qt::Key_AsciiCircum:
        return 0x36;
    case Qt::Key_Ampersand:
        return 0x37;
    case Qt::Key_Asterisk:
        return 0x38;
    case Qt::Key_ParenLeft:
        return 0x39;
    case Qt::Key_ParenRight:
        return 0x30;
    default:
        return 0;
    }
}

} // namespace

uint VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (uint vk = NavigationKey(qtKey)) return vk;
    if (modifiers & Qt::KeypadModifier)
        if (uint vk = KeypadKey(qtKey)) return vk;
    return MainRowKey(qtKey);
}

} // namespace pl
