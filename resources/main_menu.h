// Menu 200, the frame's menu: its popups and items in order, each item with its command.
#pragma once

#include <cstdint>
#include <span>

namespace res {

constexpr int32_t kMainMenuId = 200;

struct MenuItem {
    int32_t Command; // 0 for a separator line
    const char* Text;
};

struct MenuPopup {
    const char* Caption;
    std::span<const MenuItem> Items;
};

std::span<const MenuPopup> MainMenu();

} // namespace res
