// The program's user-interface resources, registered by the program at start-up and looked up by
// identifier: menus, bitmaps and icons, and the string table whose entry for a command holds its
// status-bar hint and, after a line feed, its short tip.
#pragma once

#include <cstdint>
#include <map>
#include <QImage>
#include <string>
#include <vector>

// One menu item: a command identifier with its text, or a separator (identifier 0, no text).
struct TMenuItem {
    int32_t Id = 0;
    std::string Text;
    bool IsSeparator() const { return Id == 0 && Text.empty(); }
};

// A popup of the menu bar with its caption ('&' marks the mnemonic).
struct TMenuPopup {
    std::string Caption;
    std::vector<TMenuItem> Items;
};

using TMenuTable = std::vector<TMenuPopup>;

namespace pl {

void RegisterMenu(int32_t id, TMenuTable menu);
// The registered menu; an empty table when none has the identifier.
const TMenuTable& LoadMenu(int32_t id);

void RegisterBitmap(int32_t id, QImage image);
// The registered bitmap; a null image when none has the identifier.
QImage LoadBitmap(int32_t id);

void RegisterIcon(int32_t id, QImage image);
QImage LoadIcon(int32_t id);

void RegisterString(int32_t id, std::string text);
void RegisterStrings(const std::map<int32_t, std::string>& table);
// The string-table entry; empty when there is none.
std::string LoadString(int32_t id);
// The part of a command's entry before the line feed (the status-bar hint).
std::string CommandHint(int32_t id);
// The part after the line feed (the tip); empty when the entry has no line feed.
std::string CommandTip(int32_t id);

} // namespace pl
