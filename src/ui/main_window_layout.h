#pragma once

// Every control of the main window: where it stands, what it says and what it explains.

#include <span>

namespace hashwell::ui {

enum class ControlKind {
    Frame,
    Button,
    TabPanel,
    TextBox,          // multi-line, editable, word wrap
    ReadOnlyTextBox,  // multi-line, read-only, word wrap
    Grid,
    ProgressBar,
    Option,  // one of a radio group
    CheckBox,
};

// The client area of the window, or the page of one of the tabs.
enum class Place { Window, TextTab, FileTab, ListTab };

struct ControlLayout {
    int id;
    const char* name;
    ControlKind kind;
    Place place;
    int x, y, width, height;
    const char* text;
    const char* toolTip;  // nullptr: none
};

std::span<const ControlLayout> MainWindowControls();

// The menu bar: titles and their items, in order.
struct MenuItemLayout {
    const char* title;
    int id;
    const char* name;
    const char* text;
};

std::span<const MenuItemLayout> MainMenuItems();

// The context menus and their items, in order.
struct PopupItemLayout {
    int menuId;
    const char* menuName;
    int id;
    const char* name;
    const char* text;
};

std::span<const PopupItemLayout> PopupMenuItems();

inline constexpr int kMainClientWidth = 598;
inline constexpr int kMainClientHeight = 499;  // the menu bar included

}  // namespace hashwell::ui
