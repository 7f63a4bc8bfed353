// The string table of the commands: for every command identifier its status-bar hint and, after a
// line feed, its short tip. The hint shows while a menu item is highlighted or the pointer is over
// a control-bar button; the tip is the button's tool tip.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace res {

struct CommandText {
    int32_t Id;
    const char* HintAndTip; // "hint\ntip"; a text without a line feed has no tip
};

// Every command of the menu and the control bar, once.
std::span<const CommandText> CommandTexts();

// The whole entry, or nullptr for an unknown identifier.
const char* CommandString(int32_t id);
// The text before the line feed ("" when unknown).
std::string CommandHint(int32_t id);
// The text after the line feed ("" when there is none).
std::string CommandTip(int32_t id);

} // namespace res
