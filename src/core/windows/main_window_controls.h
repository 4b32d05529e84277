#pragma once

// The main window's table: its controls, its menu bar and its context menus.

#include <span>

#include "core/windows/control_spec.h"

namespace hashwell::core {

const WindowSpec& MainWindowSpec();

// The menu bar: titles and their items, in order.
struct MenuItemSpec {
    const char* title;  // the menu the item stands in
    MenuItem item;
    const char* name;
    const char* text;
    int helpPage;
};
std::span<const MenuItemSpec> MainMenuItems();

// The context menus and their items, in order.
struct PopupItemSpec {
    PopupMenu menu;
    const char* menuName;
    MenuItem item;
    const char* name;
    const char* text;
};
std::span<const PopupItemSpec> PopupMenuItems();

// The help page the F1 shortcut leaves alone and the menu items set; kNoHelpPage for the items
// of the context menus.
int HelpPageOf(MenuItem item);

}  // namespace hashwell::core
